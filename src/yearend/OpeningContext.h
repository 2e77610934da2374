#pragma once

#include <QDate>
#include <QString>

class ChartOfAccounts;
class Database;
class Interaction;
class PostingRoutine;

// What the groups of the opening work with.
struct OpeningContext {
    Database &db;
    // The previous year's database; null when it could not be reached.
    Database *previous;
    PostingRoutine &post;
    // The chart the posting routine looks accounts up in; reload it after
    // adding accounts so that their lines find them.
    ChartOfAccounts &chart;
    Interaction &ui;
    // CADCLI.MEXER, four digits.
    QString fiscalYear;
    // The link the previous year was closed for, as FINAL holds it.
    QString finalGroup;
    QString finalCode;

    void reloadChart();
};
