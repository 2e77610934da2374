#pragma once

#include "data/Money.h"

#include <QDate>
#include <QHash>
#include <QSqlRecord>
#include <QString>

// What a band sees while it is laid out: the row it prints (for footers, the last
// row of their group), the running sums and the page number.
class ReportContext {
public:
    const QSqlRecord &row() const { return m_row; }
    void setRow(const QSqlRecord &row) { m_row = row; }

    QVariant value(const QString &column) const { return m_row.value(column); }
    // CHAR columns come back blank-padded: texts are trimmed.
    QString text(const QString &column) const { return m_row.value(column).toString().trimmed(); }
    Money money(const QString &column) const { return Money::fromVariant(m_row.value(column), 2); }
    QDate date(const QString &column) const;
    // dd/MM/yyyy, or empty for a null date.
    QString dateText(const QString &column) const;

    Money sum(const QString &name) const { return m_sums.value(name); }
    void resetSum(const QString &name) { m_sums[name] = Money(); }
    void addToSum(const QString &name, Money value) { m_sums[name] += value; }

    int page() const { return m_page; }
    void setPage(int page) { m_page = page; }

private:
    QSqlRecord m_row;
    QHash<QString, Money> m_sums;
    int m_page = 0;
};
