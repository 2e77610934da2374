#pragma once

class CliContext;

// demo --dir PASTA [--year AAAA] [--scale N] [--seed S]: makes the demo
// municipality and checks it; with --check, only checks an existing one.
namespace DemoCommand {

int run(CliContext &ctx);

} // namespace DemoCommand
