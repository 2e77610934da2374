#pragma once

#include <QString>
#include <optional>

class ChartOfAccounts;
class Database;
class Interaction;
class PostingRoutine;
struct RunState;

// What every category of the monthly run works with.
struct MonthlyContext {
    Database &db;
    PostingRoutine &post;
    RunState &state;
    Interaction &ui;
    // The chart the posting routine looks accounts up in.
    ChartOfAccounts &chart;

    // For a category that adds an account to CONPLA: the following lines find it.
    void reloadChart();

    // The exclusion clause for commitments of type RD, for the table or alias
    // given; PARAMEDU is read once per run.
    QString RD(const QString &alias);

    std::optional<bool> leaveRdOut = std::nullopt;
};
