#include "data/DataModule.h"

#include "data/ConnectionSetup.h"
#include "data/Database.h"

DataModule::DataModule(std::unique_ptr<Database> db)
    : m_db(std::move(db)), m_journal(*m_db), m_chart(*m_db), m_histories(*m_db)
{
}

DataModule::~DataModule() = default;

std::unique_ptr<DataModule> DataModule::open(const QString &iniPath, Interaction &ui)
{
    std::unique_ptr<Database> db = ConnectionSetup(iniPath).connect(ui);
    if (!db)
        return nullptr;
    return std::make_unique<DataModule>(std::move(db));
}

Entity DataModule::entity()
{
    return Entity::load(*m_db);
}
