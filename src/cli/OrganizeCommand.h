#pragma once

class CliContext;

// organizar: the journal renumbering of the maintenance window, headless, with
// the time it took.
namespace OrganizeCommand {

int run(CliContext &ctx);

} // namespace OrganizeCommand
