#pragma once

#include <QString>
#include <exception>

// What the user reads when an error reaches no step that handles it: the
// program's title as caption and the error's own words.
namespace GeneralError {

QString caption();
QString text(const std::exception &error);

} // namespace GeneralError
