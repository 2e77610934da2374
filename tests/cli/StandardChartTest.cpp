#include "yearend/StandardChart.h"

#include <QSet>
#include <gtest/gtest.h>

namespace {

// Every fixed account the monthly categories, the opening, the closing, the
// manual postings and the incorporation write to.
const char *const postedAccounts =
    "111101 111109 111201 111205 111907 112101 121101 121102 122101 131101 131102 131201 131302 132101 141101 "
    "141107 141301 141302 141303 141402 142101 151101 151102 152101 153101 161101 161102 161103 161104 161105 "
    "162101 163101 163201 163302 211104 211201 211302 221101 221107 221301 231101 232101 233101 233102 233103 "
    "233104 234101 234301 234302 234303 234304 241101 242101 243101 243102 243103 243104 244101 244301 244302 "
    "244303 244304 251101 251102 251103 251104 251105 251106 261101 261102 261103 261104 261105 261106 311101 "
    "311201 311202 312101 313101 321101 321102 321103 321104 321105 321106 321107 321201 321301 323101 323601 "
    "323603 323702 325101 331101 331201 332101 332102 332103 341101 342101 342201 343103 351101 361101 371101 "
    "372101 375201 381101 382101 391101 411101 411301 412101 412102 412103 412106 412108 421101 421102 421103 "
    "421204 421205 421206 421301 422101 422102 422103 422106 431102 431103 431104 441102 441103 451101 461101 "
    "491101";

} // namespace

TEST(StandardChart, HoldsTheStandardSetSystemBySystem)
{
    const auto &standard = StandardChart::standard();
    ASSERT_EQ(standard.size(), 638);
    QHash<QChar, int> perSystem;
    QString previous;
    for (const auto &a : standard) {
        EXPECT_EQ(a.code.size(), 6) << a.code.toStdString();
        EXPECT_LT(previous, a.code) << "out of order or repeated: " << a.code.toStdString();
        previous = a.code;
        ++perSystem[a.code.at(0)];
        EXPECT_FALSE(a.title.trimmed().isEmpty()) << a.code.toStdString();
        EXPECT_LE(a.title.size(), 50) << a.code.toStdString();
        EXPECT_FALSE(a.title.contains(u'\'')) << a.code.toStdString();
    }
    EXPECT_EQ(perSystem.value(u'1'), 130);
    EXPECT_EQ(perSystem.value(u'2'), 141);
    EXPECT_EQ(perSystem.value(u'3'), 249);
    EXPECT_EQ(perSystem.value(u'4'), 118);
}

TEST(StandardChart, NatureFollowsTheSecondDigitSaveFiveAccounts)
{
    const struct {
        const char *code;
        char nature;
    } cases[] = {
        {"111101", 'D'}, {"121101", 'C'}, {"163101", 'C'}, {"163200", 'D'}, {"163201", 'D'}, {"163300", 'D'},
        {"242101", 'C'}, {"251101", 'D'}, {"321101", 'C'}, {"391101", 'D'}, {"411101", 'D'}, {"411900", 'C'},
        {"411907", 'C'}, {"421101", 'C'}, {"491101", 'D'},
    };
    for (const auto &c : cases) {
        const auto *a = StandardChart::find(QString::fromLatin1(c.code));
        ASSERT_NE(a, nullptr) << c.code;
        EXPECT_EQ(a->nature, QChar::fromLatin1(c.nature)) << c.code;
    }
    EXPECT_EQ(StandardChart::natureByDigit(QStringLiteral("163201")), u'C');
    EXPECT_EQ(StandardChart::natureByDigit(QStringLiteral("391101")), u'D');
}

TEST(StandardChart, TitlesThePostingsPrint)
{
    const struct {
        const char *code;
        const char *title;
    } cases[] = {
        {"100000", "SISTEMA ORCAMENTARIO"},
        {"400000", "SISTEMA ECONOMICO"},
        {"121101", "Creditos Orcam e Suplementares"},
        {"153101", "Receita Arrecadada"},
        {"251104", "Aplicações Financeiras"},
        {"321100", "RESTOS A PAGAR PROCESSADOS"},
        {"321301", "Empenhos não Processados"},
        {"325101", "Empenhos a Pagar do Exercicio"},
        {"332103", "Dívida Ativa das Contribuições"},
        {"491101", "Variacao Patrimonial"},
    };
    for (const auto &c : cases) {
        const auto *a = StandardChart::find(QString::fromLatin1(c.code));
        ASSERT_NE(a, nullptr) << c.code;
        EXPECT_EQ(a->title, QString::fromUtf8(c.title)) << c.code;
    }
}

TEST(StandardChart, EveryPostedAccountIsInTheCompleteChart)
{
    QSet<QString> standardCodes;
    for (const auto &a : StandardChart::standard())
        standardCodes.insert(a.code);
    for (const auto &a : StandardChart::postingExtras())
        EXPECT_FALSE(standardCodes.contains(a.code)) << "extra repeats a standard account: " << a.code.toStdString();
    EXPECT_EQ(StandardChart::complete().size(), StandardChart::standard().size() + StandardChart::postingExtras().size());

    for (const QString &code : QString::fromLatin1(postedAccounts).split(u' ')) {
        const auto *a = StandardChart::find(code);
        ASSERT_NE(a, nullptr) << code.toStdString();
        EXPECT_NE(a->code.mid(4), QStringLiteral("00")) << "postings never write to a title account";
    }
    // The expenditure by function of government: "2111" + the allocation's function.
    for (int f = 1; f <= 28; ++f)
        EXPECT_NE(StandardChart::find(QStringLiteral("2111%1").arg(f, 2, 10, QChar(u'0'))), nullptr) << f;
}
