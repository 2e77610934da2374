#include "TestDatabase.h"
#include "data/TransactionGuard.h"
#include "reports/OpeningReports.h"

#include <gtest/gtest.h>

namespace {

QStringList bandTexts(const PageModel &m, int page, const QString &band)
{
    QStringList r;
    const ReportPage &p = m.page(page);
    for (const BandMark &b : p.bands) {
        if (b.name != band)
            continue;
        for (int i = b.firstItem; i < b.firstItem + b.itemCount; ++i) {
            if (p.items[i].kind == PageItem::Kind::Text)
                r << m.itemText(p.items[i], page);
        }
    }
    return r;
}

TEST(OpeningReportsTest, ErrorsPrintTheProblemTextOverPages)
{
    QString text = QStringLiteral("\r\n----------------------PROBLEMA---------------------------\r\n");
    for (int i = 1; i <= 80; ++i)
        text += QStringLiteral("FICHA:%1 - 02.01 SECRETARIA DE EDUCAÇÃO\r\n").arg(i);
    auto report = OpeningReports::errors(text);
    report->layoutAll();
    const PageModel &m = report->pages();
    ASSERT_EQ(m.pageCount(), 2);
    EXPECT_TRUE(bandTexts(m, 0, QStringLiteral("pageHeader")).contains(QStringLiteral("Pag. 01 de 02")));
    EXPECT_TRUE(bandTexts(m, 0, QStringLiteral("pageHeader"))
                    .contains(QStringLiteral("ERROS ENCONTRADOS NAS CLASSIFICAÇÕES DO CÓDIGO PATRIMONIAL")));
    const QStringList first = bandTexts(m, 0, QStringLiteral("detail"));
    // The blank first line keeps its place; the text keeps its accents and blanks.
    EXPECT_EQ(first.first(), QStringLiteral("----------------------PROBLEMA---------------------------"));
    EXPECT_EQ(first.at(1), QStringLiteral("FICHA:1 - 02.01 SECRETARIA DE EDUCAÇÃO"));
    EXPECT_EQ(first.size() + bandTexts(m, 1, QStringLiteral("detail")).size(), 81);
    EXPECT_EQ(bandTexts(m, 1, QStringLiteral("summary")), QStringList{"F I M"});

    auto empty = OpeningReports::errors(QString());
    empty->layoutAll();
    ASSERT_EQ(empty->pages().pageCount(), 1);
    EXPECT_EQ(bandTexts(empty->pages(), 0, QStringLiteral("summary")), QStringList{"F I M"});
}

TEST(OpeningReportsTest, ConferenceListsTheExtraRecordsAndTheirCrossReference)
{
    auto db = TestDatabase::fresh();
    {
        TransactionGuard tx(*db);
        db->exec(QStringLiteral("INSERT INTO CONPLA (BALCO, TIP, TITCO, D_C) VALUES ('323101', '3', 'CONSIGNAÇÕES', 'C')"));
        db->exec(QStringLiteral("INSERT INTO RECTAB (CODRE, NOMRE) VALUES ('1.9.2.2', 'RETENÇÃO INSS')"));
        db->exec(QStringLiteral("INSERT INTO RECDIS (FICHA, CODRE, BALCO, EXTRA) VALUES (45, '1.9.2.2', '323101', 'S')"));
        db->exec(QStringLiteral("INSERT INTO RECDIS (FICHA, CODRE, BALCO, EXTRA) VALUES (46, '1.9.2.2', '323101', 'N')"));
        db->exec(QStringLiteral("INSERT INTO UNIDADE (CODLO, NUNIDADE) VALUES ('02.01', 'SECRETARIA DE FINANÇAS')"));
        db->exec(QStringLiteral("INSERT INTO DESDIS (FICHA, BALCO, EXTRA, CODLO) VALUES (7, '323101', 'S', '02.01')"));
        tx.commit();
    }
    auto report = OpeningReports::extraConference(*db);
    report->layoutAll();
    const PageModel &m = report->pages();
    ASSERT_EQ(m.pageCount(), 2); // the cross reference starts a page of its own
    const QStringList groups = bandTexts(m, 0, QStringLiteral("tipoHeader"));
    EXPECT_EQ(groups.count(QStringLiteral("FICHA")), 2);
    EXPECT_TRUE(groups.contains(QStringLiteral("FICHAS DESPESA")));
    EXPECT_TRUE(groups.contains(QStringLiteral("FICHAS RECEITA")));
    const QStringList lines = bandTexts(m, 0, QStringLiteral("detail"));
    EXPECT_TRUE(lines.contains(QStringLiteral("RETENÇÃO INSS")));
    EXPECT_TRUE(lines.contains(QStringLiteral("SECRETARIA DE FINANÇAS")));
    EXPECT_EQ(lines.count(QStringLiteral("CONSIGNAÇÕES")), 2);
    EXPECT_FALSE(lines.contains(QStringLiteral("46")));
    EXPECT_TRUE(bandTexts(m, 1, QStringLiteral("pageHeader")).contains(QStringLiteral("Pag. 02 de 02")));
    EXPECT_TRUE(bandTexts(m, 1, QStringLiteral("pageHeader"))
                    .contains(QStringLiteral("RELAÇÃO CRUZADA ENTRE AS FICHAS E O PLANO DE CONTAS")));
    EXPECT_EQ(bandTexts(m, 1, QStringLiteral("planoHeader")).mid(0, 3),
              (QStringList{"PLANO:", "323101", "CONSIGNAÇÕES"}));
    const QStringList cross = bandTexts(m, 1, QStringLiteral("detail"));
    EXPECT_TRUE(cross.contains(QStringLiteral("45")));
    EXPECT_TRUE(cross.contains(QStringLiteral("46")));
    EXPECT_TRUE(cross.contains(QStringLiteral("7")));
    EXPECT_EQ(bandTexts(m, 1, QStringLiteral("summary")), QStringList{"F I M"});
}

} // namespace
