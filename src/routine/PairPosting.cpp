#include "routine/PairPosting.h"

#include "routine/PostingRoutine.h"

PairPosting::PairPosting(PostingRoutine &routine, int ie, LinkPair pair) : m_routine(routine), m_ie(ie), m_pair(std::move(pair))
{
}

void PairPosting::debit(const QString &balco, int histo, Money amount)
{
    m_routine.Salva_condia(m_pair.vingrupo, m_pair.vincodigo, balco, histo, QStringLiteral("debit"), m_ie, amount);
}

void PairPosting::credit(const QString &balco, int histo, Money amount)
{
    m_routine.Salva_condia(m_pair.vingrupo, m_pair.vincodigo, balco, histo, QStringLiteral("credi"), m_ie, amount);
}

void PairPosting::debitText(const QString &balco, const QString &text, Money amount)
{
    m_routine.salva_condia_HIST(m_pair.vingrupo, m_pair.vincodigo, balco, QStringLiteral("debit"), m_ie, amount, text);
}

void PairPosting::creditText(const QString &balco, const QString &text, Money amount)
{
    m_routine.salva_condia_HIST(m_pair.vingrupo, m_pair.vincodigo, balco, QStringLiteral("credi"), m_ie, amount, text);
}

void PairPosting::raiseBlock()
{
    m_routine.raiseBlock();
}

void PairPosting::header(System system)
{
    m_routine.header(m_ie, system);
}

void PairPosting::openBlock(System system)
{
    raiseBlock();
    header(system);
}
