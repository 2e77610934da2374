#pragma once

class CliContext;

// The commands that stand on the configuration and the database alone.
namespace FoundationCommands {

// create-db [--year AAAA]: the fiscal year's empty database where path code "B" puts it.
int createDb(CliContext &ctx);
// path CODIGO: what the path resolver gives for a code.
int path(CliContext &ctx);
// info: database name, entity, fiscal year and journal size.
int info(CliContext &ctx);

} // namespace FoundationCommands
