#pragma once

#include "data/Money.h"
#include "routine/Category.h"

#include <QString>

class PostingRoutine;

// The lines a category writes for one link pair: each carries the pair and the
// category's entry kind, so the rules only name sides, accounts and amounts.
class PairPosting {
public:
    enum System { Orcamentario = 1, Financeiro = 2, Patrimonial = 3, Economico = 4 };

    PairPosting(PostingRoutine &routine, int ie, LinkPair pair);

    void debit(const QString &balco, int histo, Money amount);
    void credit(const QString &balco, int histo, Money amount);
    void debitText(const QString &balco, const QString &text, Money amount);
    void creditText(const QString &balco, const QString &text, Money amount);

    void raiseBlock();
    // Header row of the system under the current block number.
    void header(System system);
    // A new block: the number raised, then its header row.
    void openBlock(System system);

    const LinkPair &pair() const { return m_pair; }

private:
    PostingRoutine &m_routine;
    int m_ie;
    LinkPair m_pair;
};
