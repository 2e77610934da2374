#include "CategoryRunner.h"

#include <gtest/gtest.h>

namespace {

const QStringList RuleAccounts = {
    // credits
    "151101", "151102", "121101", "121102", "112101", "122101", "161101", "161102", "161103", "161104", "161105",
    // extra-budget receipts and payments
    "251101", "311101", "244301", "244302", "244303", "244304", "243101", "243102", "243103", "243104", "244101",
    "233103", "234301", "234302", "234303", "234304", "231101", "232101", "233101", "233102", "233104", "211201",
    "234101", "163201", "131201", "421301", "441102", "491101", "391101",
    // employer contribution and transfers
    "153101", "141301", "141302", "141303", "221301", "431102", "411301",
    // custody, guarantees, advances, payables, amortisation
    "372101", "375201", "431104", "412106", "371101", "381101"};

} // namespace

CategoryRunner::CategoryRunner() : db(TestDatabase::fresh()), suite(*db)
{
    suite.entity(QStringLiteral("Camara Municipal de Teste"), QStringLiteral("2024"))
        .accounts(RuleAccounts)
        .histories({212, 301, 302, 303, 304, 312});
    state.fiscalYear = QStringLiteral("2024");
    state.month = 3;
    state.runDay = 31;
    state.pEntity = false;
}

QStringList CategoryRunner::journal() const
{
    QStringList rows;
    QSqlQuery q = db->query(QStringLiteral("SELECT IMP, BALCO, TITCO, DEBIT, CREDI, HISTO, DISCRI, VINGRUPO, VINCODIGO, IE, "
                                           "DATAE FROM CONDIA ORDER BY SEQ"));
    while (q.next()) {
        const QString imp = q.value(0).isNull() ? QStringLiteral("-") : q.value(0).toString().trimmed();
        const QString balco = q.value(1).toString().trimmed();
        const QString titco = q.value(2).toString().trimmed();
        const bool debit = !q.value(3).isNull();
        const bool credit = !q.value(4).isNull();
        const QString link = q.value(7).isNull() && q.value(8).isNull()
                                 ? QStringLiteral("-")
                                 : q.value(7).toString().trimmed() + u'/' + q.value(8).toString().trimmed();
        EXPECT_EQ(q.value(9).toInt(), m_kind) << qPrintable(titco);
        EXPECT_EQ(q.value(10).toDate(), state.runDate()) << qPrintable(titco);
        if (titco.startsWith(QStringLiteral("SISTEMA "))) {
            EXPECT_TRUE(balco.isEmpty() && !debit && !credit && link == u"-") << qPrintable(titco);
            rows << imp + u' ' + titco;
            continue;
        }
        const Money amount = Money::fromVariant(debit ? q.value(3) : q.value(4), 4);
        QString text;
        if (q.value(5).isNull()) {
            text = u'|' + q.value(6).toString();
        } else {
            text = u'#' + q.value(5).toString();
            EXPECT_EQ(q.value(6).toString(), u'H' + q.value(5).toString());
        }
        rows << QStringList{imp, link, debit ? QStringLiteral("D") : QStringLiteral("C"),
                            balco.isEmpty() ? QStringLiteral("-") : balco, amount.toSql(2), text}
                    .join(u' ');
    }
    return rows;
}

QString CategoryRunner::titleOf(const QString &balco) const
{
    return db->scalar(QStringLiteral("SELECT TITCO FROM CONDIA WHERE BALCO = ?"), {balco}).toString();
}
