#pragma once

#include <QString>

// The entry kind (IE) of a journal row names the process that made it.
namespace EntryKind {

// The label shown for a kind (LANCAMENTO); empty for a kind without one.
QString label(int ie);

} // namespace EntryKind
