#include "TestDatabase.h"
#include "data/CommonRoutines.h"

#include <QRegularExpression>
#include <gtest/gtest.h>
#include <stdexcept>

using namespace CommonRoutines;

TEST(CommonRoutines, FiltroLikeBuildsTheSuitesCondition)
{
    const std::pair<const char *, const char *> cases[] = {
        {"abc", " (Upper(TITCO) like 'ABC%')"},
        {"receita;corrente", " (Upper(TITCO) like 'RECEITA%') AND  (Upper(TITCO) like '%CORRENTE%')"},
        // The first piece is trimmed, the last is used as typed.
        {" abc ;def ", " (Upper(TITCO) like 'ABC%') AND  (Upper(TITCO) like '%DEF %')"},
        {"abc;;def", " (Upper(TITCO) like 'ABC%') AND  (Upper(TITCO) like '%%') AND  (Upper(TITCO) like '%DEF%')"},
        {"ação", " (Upper(TITCO) like 'AçãO%')"},
        {"d'agua", " (Upper(TITCO) like 'D''AGUA%')"},
    };
    for (const auto &[text, condition] : cases)
        EXPECT_EQ(filtro_like(QStringLiteral("TITCO"), QString::fromUtf8(text)), QString::fromUtf8(condition)) << text;
}

TEST(CommonRoutines, FiltroLikeWithAnApostropheIsValidSqlAndFindsTheRow)
{
    auto db = TestDatabase::fresh();
    db->exec(QStringLiteral("INSERT INTO CONHIS (HISTO, DISCRI) VALUES (1, 'PAGAMENTO D''AGUA E ESGOTO')"));
    db->exec(QStringLiteral("INSERT INTO CONHIS (HISTO, DISCRI) VALUES (2, 'PAGAMENTO DE LUZ')"));
    const auto count = [&](const char *text) {
        return db->scalar(QStringLiteral("SELECT COUNT(*) FROM CONHIS WHERE") + filtro_like(QStringLiteral("DISCRI"), QString::fromUtf8(text)))
            .toInt();
    };
    EXPECT_EQ(count("pagamento;d'agua"), 1);
    EXPECT_EQ(count("pagamento"), 2);
    EXPECT_EQ(count("x') OR ('1'='1"), 0);
}

TEST(CommonRoutines, ArredondaRoundsHalfAwayFromZero)
{
    const std::pair<double, double> cases[] = {{0.005, 0.01}, {-0.005, -0.01}, {0.000000001, 0.0}, {1234.5649, 1234.56},
                                               {-2.5, -2.5}, {0.0, 0.0}};
    for (const auto &[value, rounded] : cases)
        EXPECT_EQ(arredonda(2, value), rounded) << value;
    EXPECT_EQ(arredonda(0, 2.5), 3.0);
    EXPECT_EQ(arredonda(0, -2.5), -3.0);
}

TEST(CommonRoutines, UltimoDiaMes)
{
    EXPECT_EQ(ultimo_dia_mes(2, 2008), 29);
    EXPECT_EQ(ultimo_dia_mes(2, 2009), 28);
    EXPECT_EQ(ultimo_dia_mes(2, 1900), 28);
    EXPECT_EQ(ultimo_dia_mes(2, 2000), 29);
    EXPECT_EQ(ultimo_dia_mes(12, 2008), 31);
    EXPECT_EQ(ultimo_dia_mes(4, 2008), 30);
    EXPECT_THROW(ultimo_dia_mes(13, 2008), std::invalid_argument);
    EXPECT_THROW(ultimo_dia_mes(0, 2008), std::invalid_argument);
}

TEST(CommonRoutines, FillingTextsUpToAWidth)
{
    EXPECT_EQ(alinha_direita(QStringLiteral("1.234,56"), 12), QStringLiteral("    1.234,56"));
    EXPECT_EQ(alinha_direita(QStringLiteral("123.456.789,"), 12), QStringLiteral("123.456.789,"));
    EXPECT_EQ(alinha_direita(QStringLiteral("1.234.567,89"), 5), QStringLiteral("1.234.567,89"));
    EXPECT_EQ(completa_direita(QStringLiteral("ab"), QStringLiteral("-"), 5), QStringLiteral("ab---"));
    EXPECT_EQ(completa_direita(QStringLiteral("ab"), QStringLiteral(".-"), 4), QStringLiteral("ab.-.-"));
    EXPECT_EQ(completa_direita(QStringLiteral("abcdef"), QStringLiteral("-"), 5), QStringLiteral("abcdef"));
}

TEST(CommonRoutines, VersaoSistema)
{
    const QString bare = versao_sistema();
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d+\\.\\d+\\.\\d+\\.\\d+$")).match(bare).hasMatch()) << bare.toStdString();
    EXPECT_EQ(versao_sistema(QStringLiteral("  ")), bare);
    EXPECT_EQ(versao_sistema(QStringLiteral(" Diário")), QStringLiteral(" Diário (") + bare + u')');
}
