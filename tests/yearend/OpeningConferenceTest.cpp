#include "OpeningFixture.h"
#include "data/ScriptedInteraction.h"
#include "yearend/OpeningConference.h"
#include "yearend/ProblemFile.h"

#include <gtest/gtest.h>

namespace {

void expenditure(Database &db, int ficha, const char *codlo, const QVariant &balco)
{
    db.exec(QStringLiteral("INSERT INTO DESDIS (FICHA, CODLO, BALCO, EXTRA, DOTAC) VALUES (?, ?, ?, 'S', 0)"),
            {ficha, QString::fromLatin1(codlo), balco});
}

void extraRevenue(Database &db, int ficha, const char *codre, const QVariant &balco)
{
    db.exec(QStringLiteral("INSERT INTO RECDIS (FICHA, CODRE, BALCO, EXTRA, TOTOR) VALUES (?, ?, ?, 'S', 0)"),
            {ficha, QString::fromLatin1(codre), balco});
}

void bank(Database &db, int conta, const QString &recur, const char *balco)
{
    db.exec(QStringLiteral("INSERT INTO DESCON (CONTA, RECUR, BALCO) VALUES (?, ?, ?)"),
            {conta, recur, QString::fromLatin1(balco)});
}

const QVariant null = QVariant(QMetaType(QMetaType::QString));

QStringList problemBlock(const QString &t1, const QString &t2, const QStringList &rows, const QStringList &solution)
{
    return QStringList{QString(), QStringLiteral("----------------------PROBLEMA---------------------------"), t1, t2,
                       QString(57, u'-')} +
           rows + solution;
}

QStringList conferenceBlock(int rule, const QString &t1, const QString &t2, const QStringList &rows)
{
    return QStringList{QString(rule, u'-'), t1, t2, QString(rule, u'-')} + rows +
           QStringList{QString(rule, u'-'), QStringLiteral(" ")};
}

} // namespace

// Every block of the verification and of the conference, in the file's order.
TEST(OpeningConference, WritesEveryBlockOfTheProblemFile)
{
    OpeningFixture f(false);
    Database &db = *f.current;
    f.accounts({QStringLiteral("311101"), QStringLiteral("312101"), QStringLiteral("313101"), QStringLiteral("321101"),
                QStringLiteral("323301")});
    db.exec(QStringLiteral("INSERT INTO UNIDADE (CODLO, NUNIDADE) VALUES ('U01', 'Secretaria de Saúde')"));
    expenditure(db, 10, "U01", QStringLiteral("000000")); // account blank (set below)
    expenditure(db, 11, "U02", null);          // account missing, unit unknown
    expenditure(db, 45, "U01", QStringLiteral("323201")); // no revenue side, not in the chart
    expenditure(db, 13, "U01", QStringLiteral("323301")); // paired with revenue 22
    db.exec(QStringLiteral("UPDATE DESDIS SET BALCO='' WHERE FICHA=10"));
    db.exec(QStringLiteral("INSERT INTO RECTAB (CODRE, NOMRE) VALUES ('19220000', 'Depósitos em caução')"));
    db.exec(QStringLiteral("INSERT INTO RECTAB (CODRE, NOMRE) VALUES ('19110000', 'Consignações')"));
    extraRevenue(db, 20, "19220000", null);
    extraRevenue(db, 21, "19110000", QStringLiteral("323101")); // no expenditure side, not in the chart
    extraRevenue(db, 22, "19110000", QStringLiteral("323301"));
    extraRevenue(db, 23, "19110000", QStringLiteral("321101")); // payables carried over: never paired
    bank(db, 1, QStringLiteral("Próprio"), "312201");  // block 5 and C
    bank(db, 2, QStringLiteral("Vinculado"), "312101"); // neither block
    bank(db, 3, QStringLiteral("Caixa"), "311101");
    bank(db, 4, QStringLiteral("Convênio"), "313101"); // block 5 and D

    ScriptedInteraction ui;
    OpeningConference conference(db, f.dataDir(), ui);
    EXPECT_TRUE(conference.conferencia());
    ASSERT_EQ(ui.said.size(), 1);
    EXPECT_EQ(ui.said[0].text, QStringLiteral("Foram detectados alguns problemas que precisam ser resolvidos antes de lançar o diário!"));
    EXPECT_EQ(ui.said[0].caption, QStringLiteral("ATENÇÃO!"));

    QStringList expected;
    expected << problemBlock(QStringLiteral("CÓDIGO PATRIMONIAL DAS SEGUINTES FICHAS EXTRAS DA DESPESA"),
                             QStringLiteral("               NÃO FORAM ENCONTRADOS"),
                             {QStringLiteral("FICHA:10 - U01 Secretaria de Saúde"), QStringLiteral("FICHA:11 - U02 ")},
                             {QStringLiteral("SOLUÇÃO: ENTRE ALTERANDO AS FICHAS EXTRAS DA DESPESA ACIMA RELACIONADAS E ESPECIFIQUE O CÓDIGO PATRIMONIAL")})
             << problemBlock(QStringLiteral("CÓDIGO PATRIMONIAL DAS SEGUINTES FICHAS EXTRAS DA RECEITA"),
                             QStringLiteral("               NÃO FORAM ENCONTRADOS"),
                             {QStringLiteral("FICHA 20 - 19220000 Depósitos em caução")},
                             {QStringLiteral("SOLUÇÃO: ENTRE ALTERANDO AS FICHAS EXTRAS DA RECEITA ACIMA RELACIONADAS E ESPECIFIQUE O CÓDIGO PATRIMONIAL")})
             << problemBlock(QStringLiteral("CÓDIGO PATRIMONIAL ENCONTRADO NAS EXTRAS DA RECEITA"),
                             QStringLiteral("          E NÃO ENCONTRADO NAS DA DESPESA"),
                             {QStringLiteral("FICHA:21 - 19110000 Consignações 323101")},
                             {QStringLiteral("SOLUÇÃO: ENCONTRE A FICHA DA DESPESA CORRESPONDENTE E ESPECIFIQUE O MESMO CODIGO PATRIMONIAL PARA ELA.")})
             << problemBlock(QStringLiteral("CÓDIGO PATRIMONIAL ENCONTRADO NAS EXTRAS DA DESPESA"),
                             QStringLiteral("          E NÃO ENCONTRADO NAS DA RECEITA"),
                             {QStringLiteral("FICHA:10 - U01 Secretaria de Saúde "),
                              QStringLiteral("FICHA:45 - U01 Secretaria de Saúde 323201")},
                             {QStringLiteral("SOLUÇÃO: ENCONTRE A FICHA DA RECEITA CORRESPONDENTE E ESPECIFIQUE O MESMO CODIGO PATRIMONIAL PARA ELA.")})
             << problemBlock(QStringLiteral("CÓDIGO PATRIMONIAL DAS SEGUINTES CONTAS CORRENTES ESTÃO "),
                             QStringLiteral("               COM PROBLEMA DE CLASSIFICAÇÃO"),
                             {QStringLiteral("CONTA:1                RECURSO:Próprio              PLANO CONTA: 312201"),
                              QStringLiteral("CONTA:4                RECURSO:Convênio             PLANO CONTA: 313101")},
                             {QStringLiteral("SOLUÇÃO: ENTRE ALTERANDO AS CONTAS CORRENTES ACIMA RELACIONADAS E "),
                              QStringLiteral("         CRIE UM DOS SEGUINTES CÓDIGOS PATRIMONIAIS PARA ELAS."),
                              QStringLiteral("         3111__ - TESOURARIA"),
                              QStringLiteral("         3112__ - BANCOS CONTA MOVIMENTO"),
                              QStringLiteral("         3113__ - BANCOS CONTA ESPECIAL"),
                              QStringLiteral("         3114__ - APLICAÇÕES FINANCEIRAS"),
                              QStringLiteral("         3115__ - OUTRAS DISPONIBILIDADES FINANCEIRAS"),
                              QStringLiteral("         3121__ - BANCO CONTA VINCULADA")})
             << conferenceBlock(50, QStringLiteral("CÓDIGO PATRIMONIAL ENCONTRADO NA FICHA DA DESPESA"),
                                QStringLiteral("     E NÃO CADASTRADO NO PLANO DE CONTAS"),
                                {QStringLiteral("   Ficha: 010 Código: "), QStringLiteral("   Ficha: 045 Código: 323201")})
             << conferenceBlock(50, QStringLiteral("CÓDIGO PATRIMONIAL ENCONTRADO NA FICHA DA RECEITA"),
                                QStringLiteral("     E NÃO CADASTRADO NO PLANO DE CONTAS"),
                                {QStringLiteral("   Ficha: 021 Código: 323101")})
             << conferenceBlock(70, QStringLiteral("CÓDIGO PATRIMONIAL ENCONTRADO NA CONTA CORRENTE"),
                                QStringLiteral("     E NÃO CADASTRADO NO PLANO DE CONTAS"),
                                {QStringLiteral("   Conta: 1                Recur: Próprio        Código: 312201")})
             << conferenceBlock(70, QStringLiteral("CÓDIGO PATRIMONIAL CLASSIFICADO INCORRETAMENTE NA"),
                                QStringLiteral("                CONTA CORRENTE"),
                                {QStringLiteral(" Conta: 4              Recurso: Convênio       Código: 313101")});

    QFile file(conference.file().path());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_EQ(bytes, ProblemFile::encode(expected.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")));
    // Windows text: "Ó" is one byte, every line ends in CR LF.
    EXPECT_TRUE(bytes.contains("C\xD3" "DIGO PATRIMONIAL"));
    EXPECT_FALSE(bytes.contains("\xC3\x93")); // not UTF-8
    EXPECT_EQ(bytes.count("\n"), bytes.count("\r\n"));
    EXPECT_EQ(conference.file().read(), expected.join(u'\n') + u'\n');
}

TEST(OpeningConference, NothingFoundDeletesTheFileAndSaysNothing)
{
    OpeningFixture f(false);
    Database &db = *f.current;
    f.accounts({QStringLiteral("312101"), QStringLiteral("323301")});
    bank(db, 1, QStringLiteral("Vinculado"), "312101");
    expenditure(db, 13, "U01", QStringLiteral("323301"));
    extraRevenue(db, 22, "19110000", QStringLiteral("323301"));
    ProblemFile stale(f.dataDir());
    stale.create();
    stale.append({QStringLiteral("antigo")});

    ScriptedInteraction ui;
    OpeningConference conference(db, f.dataDir(), ui);
    EXPECT_FALSE(conference.conferencia());
    EXPECT_TRUE(ui.said.isEmpty());
    EXPECT_FALSE(stale.exists());
}

TEST(OpeningConference, AFileThatCannotBeWrittenIsAnErrorWithoutMessage)
{
    OpeningFixture f(false);
    ScriptedInteraction ui;
    OpeningConference conference(*f.current, f.dataDir() + QStringLiteral("/nao-existe"), ui);
    EXPECT_TRUE(conference.conferencia());
    EXPECT_TRUE(ui.said.isEmpty());
}

TEST(ProblemFile, WindowsTextBothWays)
{
    OpeningFixture f(false);
    ProblemFile file(f.dataDir());
    file.create();
    file.append({QStringLiteral("Ação € “aspas” – fim"), QStringLiteral("łódź")});
    QFile raw(file.path());
    ASSERT_TRUE(raw.open(QIODevice::ReadOnly));
    EXPECT_EQ(raw.readAll(), QByteArray("A\xE7\xE3o \x80 \x93" "aspas\x94 \x96 fim\r\n?\xF3" "d?\r\n"));
    EXPECT_EQ(file.read(), QStringLiteral("Ação € “aspas” – fim\n?ódź\n").replace(QStringLiteral("ź"), QStringLiteral("?")));
}
