#pragma once

#include "data/Database.h"

// Starts a transaction when none is in course and rolls it back on scope exit
// unless commit() was called. A guard that joined an existing transaction leaves
// it to its owner.
class TransactionGuard {
public:
    explicit TransactionGuard(Database &db) : m_db(db), m_owner(!db.inTransaction())
    {
        if (m_owner)
            m_db.begin();
    }
    ~TransactionGuard()
    {
        if (m_owner && !m_committed)
            m_db.rollback();
    }
    TransactionGuard(const TransactionGuard &) = delete;
    TransactionGuard &operator=(const TransactionGuard &) = delete;

    void commit()
    {
        if (m_owner && !m_committed)
            m_db.commit();
        m_committed = true;
    }

private:
    Database &m_db;
    bool m_owner;
    bool m_committed = false;
};
