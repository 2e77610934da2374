#pragma once

#include "data/ChartStore.h"
#include "data/Entity.h"
#include "data/HistoryStore.h"
#include "data/JournalStore.h"

#include <QString>
#include <memory>

class Database;
class Interaction;

// What every window and posting shares for the whole run: the one connection to
// the fiscal year's database and the shared datasets over it (the journal, the
// chart, the histories, the entity and its logo). Windows open and read these
// and keep queries of their own on database().
class DataModule {
public:
    explicit DataModule(std::unique_ptr<Database> db);
    ~DataModule();
    DataModule(const DataModule &) = delete;
    DataModule &operator=(const DataModule &) = delete;

    // Start-up: the checks and connection of ConnectionSetup, then the datasets.
    // Null after the failure was shown to the user.
    static std::unique_ptr<DataModule> open(const QString &iniPath, Interaction &ui);

    Database &database() { return *m_db; }
    JournalStore &journal() { return m_journal; }
    ChartStore &chart() { return m_chart; }
    HistoryStore &histories() { return m_histories; }
    // The entity record and logo, read when asked for, as each window and report
    // opens them for itself.
    Entity entity();

private:
    std::unique_ptr<Database> m_db;
    JournalStore m_journal;
    ChartStore m_chart;
    HistoryStore m_histories;
};
