#include "JournalFixture.h"
#include "TestDatabase.h"
#include "reports/JournalRequest.h"
#include "reports/LedgerRequest.h"
#include "reports/LedgerSystemRequest.h"
#include "reports/LinkNames.h"
#include "reports/ReportInputError.h"

#include <gtest/gtest.h>

namespace {

using Mode = JournalRequest::Mode;

QList<int> seqs(Database &db, const QString &sql)
{
    QList<int> r;
    QSqlQuery q = db.query(sql);
    while (q.next())
        r << q.value(QStringLiteral("SEQ")).toInt();
    return r;
}

struct JournalCase {
    const char *name;
    JournalRequest request;
    const char *sql;
};

TEST(JournalRequestTest, BuildsTheFilterOfEachMode)
{
    const QList<JournalCase> cases = {
        {"records 100 to 250", {Mode::RascunhoRegistro, {}, {}, "100", "250", {}, {}},
         "select * from condia  WHERE SEQ>=100 AND SEQ<=250 order by SEQ, IMP"},
        {"record 0 and empty mean no bound", {Mode::RascunhoRegistro, {}, {}, "0", "", {}, {}},
         "select * from condia  order by SEQ, IMP"},
        {"only the upper date", {Mode::Diario, "  /  /    ", "31/01/2008", {}, {}, {}, {}},
         "select * from condia  WHERE DATAE<='01/31/2008' order by DATAE, IE, IMP, SEQ, BALCO"},
        {"period of the preliminary book", {Mode::RascunhoPeriodo, "01/02/2024", "29/02/2024", {}, {}, {}, {}},
         "select * from condia  WHERE DATAE>='02/01/2024' AND DATAE<='02/29/2024' order by SEQ, IMP"},
        {"dates are ignored by record", {Mode::RascunhoRegistro, "01/01/2024", "31/01/2024", "", "", {}, {}},
         "select * from condia  order by SEQ, IMP"},
        {"numbers are ignored by period", {Mode::Diario, "", "", "5", "9", {}, {}},
         "select * from condia  order by DATAE, IE, IMP, SEQ, BALCO"},
        {"group typed without a code, no wildcard", {Mode::Diario, {}, {}, {}, {}, "01", ""},
         "select * from condia  WHERE VINGRUPO LIKE '01' order by DATAE, IE, IMP, SEQ, BALCO"},
        {"blank group and code add nothing", {Mode::Diario, {}, {}, {}, {}, "  ", " "},
         "select * from condia  order by DATAE, IE, IMP, SEQ, BALCO"},
        {"every condition, apostrophe doubled", {Mode::RascunhoRegistro, {}, {}, "3", "", "0'1", "001"},
         "select * from condia  WHERE SEQ>=3 AND VINGRUPO LIKE '0''1' AND VINCODIGO LIKE '001' order by SEQ, IMP"},
    };
    for (const JournalCase &c : cases)
        EXPECT_EQ(c.request.sql().toStdString(), c.sql) << c.name;
}

TEST(JournalRequestTest, RefusesWhatIsNotADateOrANumber)
{
    for (const char *date : {"31/02/2024", "99/99/9999", "1/1/24"}) {
        JournalRequest r;
        r.dateFrom = QString::fromLatin1(date);
        EXPECT_THROW(r.sql(), ReportInputError) << date;
    }
    JournalRequest r;
    r.mode = Mode::RascunhoRegistro;
    r.seqFrom = QStringLiteral("1,5");
    EXPECT_THROW(r.sql(), ReportInputError);
}

TEST(JournalRequestTest, SelectsTheRowsItNames)
{
    auto db = TestDatabase::fresh();
    JournalFixture::fill(*db);
    JournalRequest r;
    r.mode = Mode::RascunhoRegistro;
    r.seqFrom = QStringLiteral("4");
    r.seqTo = QStringLiteral("7");
    EXPECT_EQ(seqs(*db, r.sql()), (QList<int>{4, 5, 6, 7}));

    r.seqFrom = QStringLiteral("0");
    r.seqTo.clear();
    EXPECT_EQ(seqs(*db, r.sql()).size(), 42);

    JournalRequest upTo;
    upTo.dateTo = QStringLiteral("31/01/2024");
    EXPECT_EQ(seqs(*db, upTo.sql()), (QList<int>{1, 2, 3, 4, 5, 6, 7}));

    // "01" is matched exactly: the rows of group "010" stay out.
    JournalRequest group;
    group.group = QStringLiteral("01");
    const QList<int> inGroup = seqs(*db, group.sql());
    EXPECT_FALSE(inGroup.contains(11));
    EXPECT_EQ(inGroup.size(), 3 + 31);

    JournalRequest quote;
    quote.group = QStringLiteral("x'y");
    EXPECT_TRUE(seqs(*db, quote.sql()).isEmpty());
}

TEST(LedgerRequestTest, BuildsItsStatement)
{
    const QString head = QStringLiteral("select * from condia where not balco is null ");
    LedgerRequest all;
    EXPECT_EQ(all.sql(), head + QStringLiteral(" order by balco,datae"));

    LedgerRequest one;
    one.account = QStringLiteral("111101");
    one.dateFrom = QStringLiteral("01/02/2024");
    one.dateTo = QStringLiteral("31/12/2024");
    EXPECT_EQ(one.sql(), head + QStringLiteral(" AND balco='111101' AND DATAE>='02/01/2024' AND DATAE<='12/31/2024' order by balco,datae"));

    LedgerRequest direct;
    direct.filter = LedgerRequest::Filter::NaoConsolidados;
    direct.group = QStringLiteral("01"); // the link box is hidden: its texts count for nothing
    EXPECT_EQ(direct.sql(), head + QStringLiteral(" AND VINGRUPO||VINCODIGO NOT IN (SELECT VINGRUPO||VINCODIGO FROM VINCODIGO "
                                                  "WHERE VINCODIGO.CLASSE='A')  AND VINGRUPO IS NOT NULL  order by balco,datae"));

    LedgerRequest byLink;
    byLink.filter = LedgerRequest::Filter::PorVinculo;
    byLink.group = QStringLiteral(" 01 ");
    EXPECT_EQ(byLink.sql(), head + QStringLiteral(" AND VINGRUPO LIKE '01%' order by balco,datae"));
    byLink.code = QStringLiteral("0'");
    EXPECT_EQ(byLink.sql(), head + QStringLiteral(" AND VINGRUPO LIKE '01%' AND VINCODIGO LIKE '0''%' order by balco,datae"));
}

TEST(LedgerRequestTest, FiltersByLinkClass)
{
    auto db = TestDatabase::fresh();
    JournalFixture::fill(*db);
    LedgerRequest direct;
    direct.filter = LedgerRequest::Filter::NaoConsolidados;
    // Rows without a link and rows of the class-A link 02/001 are left out.
    const QList<int> rows = seqs(*db, direct.sql());
    EXPECT_FALSE(rows.contains(9));
    EXPECT_FALSE(rows.contains(5));
    EXPECT_TRUE(rows.contains(2));
    EXPECT_TRUE(rows.contains(11));

    LedgerRequest byLink;
    byLink.filter = LedgerRequest::Filter::PorVinculo;
    byLink.group = QStringLiteral("01");
    // The ledger's link filter takes every group starting with the text.
    EXPECT_TRUE(seqs(*db, byLink.sql()).contains(11));
    EXPECT_EQ(seqs(*db, LedgerRequest().sql()).size(), 42 - 4);
}

TEST(LedgerSystemRequestTest, BuildsItsStatementAndTitle)
{
    const QString head = QStringLiteral("select * from condia where not balco is null ");
    LedgerSystemRequest none;
    EXPECT_EQ(none.sql(), head + QStringLiteral(" order by balco,datae,ie,imp,seq"));
    EXPECT_EQ(none.title(), QStringLiteral("R  A  Z  Ã  O      P  A  T  R  I  M  O  N  I  A  L"));

    LedgerSystemRequest r;
    r.system = 3;
    r.dateFrom = QStringLiteral("01/03/2024");
    r.group = QStringLiteral("01");
    r.code = QStringLiteral("001");
    EXPECT_EQ(r.sql(), head + QStringLiteral(" AND balco LIKE '3%' AND DATAE>='03/01/2024' AND VINGRUPO LIKE '01' AND "
                                             "VINCODIGO LIKE '001' order by balco,datae,ie,imp,seq"));
    EXPECT_EQ(r.title(), QStringLiteral("R A Z Ã O   P A T R I M O N I A L"));
    const QStringList titles = {"R A Z Ã O   O R Ç A M E N T A R I O", "R A Z Ã O   F I N A N C E I R O",
                                "R A Z Ã O   P A T R I M O N I A L", "R A Z Ã O   E C O N O M I C O"};
    for (int s = 1; s <= 4; ++s) {
        r.system = s;
        EXPECT_EQ(r.title(), titles[s - 1]);
    }
}

TEST(LedgerSystemRequestTest, GroupIsMatchedExactly)
{
    auto db = TestDatabase::fresh();
    JournalFixture::fill(*db);
    LedgerSystemRequest r;
    r.group = QStringLiteral("01");
    EXPECT_FALSE(seqs(*db, r.sql()).contains(11));
    r.system = 3;
    r.group.clear();
    EXPECT_EQ(seqs(*db, r.sql()), (QList<int>{6, 7}));
}

TEST(LinkNamesTest, FindsTheFirstNameStartingWithTheTypedText)
{
    auto db = TestDatabase::fresh();
    JournalFixture::fill(*db);
    EXPECT_EQ(LinkNames::groupName(*db, QStringLiteral("0")).value_or(QString()), QStringLiteral("RECURSOS ORDINÁRIOS"));
    EXPECT_EQ(LinkNames::groupName(*db, QStringLiteral("02")).value_or(QString()), QStringLiteral("EDUCAÇÃO"));
    EXPECT_FALSE(LinkNames::groupName(*db, QStringLiteral("9'")).has_value());
    EXPECT_EQ(LinkNames::codeName(*db, QStringLiteral("02"), QStringLiteral("0")).value_or(QString()), QStringLiteral("FUNDEB"));
    EXPECT_FALSE(LinkNames::codeName(*db, QStringLiteral("02"), QStringLiteral("9")).has_value());
    EXPECT_EQ(LinkNames::missingGroupMessage(QStringLiteral("9")), QStringLiteral("Não existem vinculos iniciando com 9"));
    EXPECT_EQ(LinkNames::missingCodeMessage(QStringLiteral("02"), QStringLiteral("9")),
              QStringLiteral("Não existem vinculos iniciando com grupo \"02\" and subgrupo iniciando com \"9\""));
}

} // namespace
