#pragma once

class CliContext;

// opening [--groups 1,2,3] [--no-repair] [--no-conference]: the opening entries of
// the fiscal year, headless, with each step and its result on stdout.
namespace OpeningCommand {

int run(CliContext &ctx);

} // namespace OpeningCommand
