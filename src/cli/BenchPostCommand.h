#pragma once

class CliContext;

// bench-post [--month N]: times the monthly run on the configured database, one
// month (March unless told) category by category, then all months. It posts for
// real: run it on a copy such as the demo municipality.
namespace BenchPostCommand {

int run(CliContext &ctx);

} // namespace BenchPostCommand
