#pragma once

#include <QString>

class CliContext;

// post-month <1-12|TODOS>: the monthly posting run, as the window runs it. Prints
// every status row with its result; the messages go out with their captions.
namespace PostMonthCommand {

int run(CliContext &ctx);
// The month list's item for "1".."12" or "TODOS"; empty for anything else.
QString itemFor(const QString &argument);

} // namespace PostMonthCommand
