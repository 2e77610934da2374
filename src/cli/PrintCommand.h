#pragma once

class CliContext;

// print <diario|rascunho-periodo|rascunho-registro|razao|razao-sistema> [filters] --pdf FILE:
// the same pages as the preview, written to a PDF.
namespace PrintCommand {

int run(CliContext &ctx);

} // namespace PrintCommand
