#pragma once

#include "routine/Category.h"

class PairPosting;

// The month's commitments (positive VADEM) or their annulments (negative VADEM),
// per link pair, in the four systems. The two movements post the same accounts on
// opposite sides; an annulment's sums are turned positive before anything is
// compared or posted.
class DespesaCategory : public Category {
public:
    enum class Movement { Commitment, Annulment };

    DespesaCategory(MonthlyContext &ctx, Movement movement);
    int entryKind() const override;

    // Account of the economic block for the first three characters of CATEC. A
    // classification the rules cannot map gives itself back, so that the missing-
    // account warning names it.
    static QString classificationAccount(const QString &classification);
    // The warning for a category and group of expenditure that cannot go together,
    // or empty when they can.
    static QString classificationWarning(const QString &classification);

protected:
    QString linkPairsSql() const override;
    void postPair(const QString &vingrupo, const QString &vincodigo) override;

    // The month's figures, as the database gives them (negative for annulments).
    // Posting rules only go through these, so the statements can change alone.
    virtual Money budgetSum(const LinkPair &pair, bool withAppropriation);
    virtual QStringList functionCodes(const LinkPair &pair);
    virtual Money functionSum(const LinkPair &pair, const QString &function);
    virtual Money patrimonialSum(const LinkPair &pair);
    virtual QStringList classifications(const LinkPair &pair);
    virtual Money classificationSum(const LinkPair &pair, const QString &classification);

private:
    bool committed() const { return m_movement == Movement::Commitment; }
    // ">0" or "<0": the rows of the movement.
    QString sign() const;
    Money positive(Money figure) const { return committed() ? figure : -figure; }
    // The side a commitment takes (debit) and the opposite one; annulments swap them.
    void forward(PairPosting &lines, const QString &balco, Money amount, int committedHisto, int annulledHisto);
    void backward(PairPosting &lines, const QString &balco, Money amount, int committedHisto, int annulledHisto);

    void budgetary(PairPosting &lines);
    Money financial(PairPosting &lines);
    void patrimonial(PairPosting &lines, Money financialTotal);
    void economic(PairPosting &lines, Money financialTotal);
    QString accountWarned(const QString &classification);

    Movement m_movement;
};
