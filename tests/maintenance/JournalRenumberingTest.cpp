#include "TestDatabase.h"
#include "data/JournalWriter.h"
#include "data/ScriptedInteraction.h"
#include "data/TransactionGuard.h"
#include "maintenance/JournalRenumbering.h"

#include <gtest/gtest.h>

namespace {

struct Line {
    const char *balco;
    QDate date;
    const char *debit;
    const char *credi;
    int ie;
    const char *imp;
    int seq;
    const char *vingrupo = "001";
    const char *vincodigo = "001";
    const char *titco = "CONTA";
};

QVariant textOrNull(const char *s)
{
    return s ? QVariant(QString::fromUtf8(s)) : QVariant(QMetaType(QMetaType::QString));
}

void insert(Database &db, const std::vector<Line> &lines)
{
    TransactionGuard tx(db);
    for (const Line &l : lines)
        db.exec(QStringLiteral("INSERT INTO CONDIA (SEQUENCIA,BALCO,TITCO,DATAE,DEBIT,CREDI,IE,IMP,SEQ,VINGRUPO,VINCODIGO) "
                               "VALUES (0,?,?,?,?,?,?,?,?,?,?)"),
                {textOrNull(l.balco), textOrNull(l.titco),
                 l.date.isValid() ? QVariant(l.date.startOfDay()) : QVariant(QMetaType(QMetaType::QDateTime)),
                 textOrNull(l.debit), textOrNull(l.credi), l.ie, textOrNull(l.imp), l.seq, textOrNull(l.vingrupo),
                 textOrNull(l.vincodigo)});
    tx.commit();
}

void chart(Database &db)
{
    TransactionGuard tx(db);
    for (const auto &[balco, dc] : std::vector<std::pair<const char *, const char *>>{
             {"111101", "D"}, {"112102", "C"}, {"211101", "D"}, {"212203", "C"}, {"311101", "D"}, {"322201", "C"}})
        db.exec(QStringLiteral("INSERT INTO CONPLA (BALCO,TIP,TITCO,D_C) VALUES (?,?,?,?)"),
                {QString::fromLatin1(balco), QString::fromLatin1(balco).left(1), QStringLiteral("CONTA"), QString::fromLatin1(dc)});
    tx.commit();
}

const QDate march(2008, 3, 31);
const QDate april(2008, 4, 30);

// A journal as a monthly run and later hand work leave it: old headers,
// provisional numbers out of order, lines that carry nothing.
std::unique_ptr<Database> journal()
{
    auto db = TestDatabase::fresh(QStringLiteral("renumber"));
    chart(*db);
    insert(*db, {
                    {nullptr, march, nullptr, nullptr, 7, "100", 1, "001", "001", "SISTEMA ORCAMENTARIO"},
                    {"112102", march, "0", "50.00", 7, "100", 9},
                    {"111101", march, "50.00", "0", 7, "100", 3},
                    {"212203", march, "0", "50.00", 7, "101", 8},
                    {"211101", march, "50.00", "0", 7, "101", 2},
                    {"111101", march, "0", "0", 7, "100", 4},
                    {"111101", march, nullptr, nullptr, 7, "100", 5},
                    {"111101", QDate(), "10.00", "0", 7, "100", 6},
                    {"311101", march, "20.00", "0", 9, "101", 12, "002", "010"},
                    {"322201", march, "0", "20.00", 9, "101", 11, "002", "010", "SISTEMA DE CONTA"},
                    {"599999", march, "5.00", "0", 9, "102", 13, "002", "010"},
                    {"111101", april, "7.00", "0", 33, "400", 20, nullptr, nullptr},
                });
    return db;
}

struct Shown {
    qint64 seq;
    QString balco;
    QString titco;
    QString date;
    int ie;
    QString imp;
    QString link;
    bool operator==(const Shown &) const = default;
};

std::ostream &operator<<(std::ostream &os, const Shown &s)
{
    return os << s.seq << ' ' << s.balco.toStdString() << ' ' << s.titco.toStdString() << ' ' << s.date.toStdString() << " IE"
              << s.ie << " IMP" << s.imp.toStdString() << ' ' << s.link.toStdString();
}

std::vector<Shown> bySeq(Database &db)
{
    std::vector<Shown> rows;
    QSqlQuery q = db.query(QStringLiteral(
        "SELECT SEQ, BALCO, TITCO, DATAE, IE, IMP, VINGRUPO, VINCODIGO FROM CONDIA ORDER BY SEQ, SEQUENCIA"));
    while (q.next())
        rows.push_back({q.value(0).toLongLong(), q.value(1).toString(), q.value(2).toString(),
                        q.value(3).toDateTime().date().toString(QStringLiteral("dd/MM")), q.value(4).toInt(),
                        q.value(5).toString(), q.value(6).toString() + u'/' + q.value(7).toString()});
    return rows;
}

bool run(Database &db, ScriptedInteraction &ui)
{
    JournalRenumbering r(db, ui);
    return r.Reorganizar();
}

} // namespace

TEST(JournalRenumbering, PurgesEmptyRowsWritesOneHeaderPerRunAndNumbersInJournalOrder)
{
    auto db = journal();
    ScriptedInteraction ui;
    ASSERT_TRUE(run(*db, ui));
    EXPECT_TRUE(ui.said.isEmpty());

    const std::vector<Shown> expected{
        {1, "", "SISTEMA ORCAMENTARIO", "31/03", 7, "100", "001/001"},
        {2, "111101", "CONTA", "31/03", 7, "100", "001/001"},
        {3, "112102", "CONTA", "31/03", 7, "100", "001/001"},
        {4, "", "SISTEMA FINANCEIRO", "31/03", 7, "101", "001/001"},
        {5, "211101", "CONTA", "31/03", 7, "101", "001/001"},
        {6, "212203", "CONTA", "31/03", 7, "101", "001/001"},
        {7, "", "SISTEMA PATRIMONIAL", "31/03", 9, "101", "002/010"},
        // A title beginning with "SISTEMA " on a row with an account is no header.
        {8, "311101", "CONTA", "31/03", 9, "101", "002/010"},
        {9, "322201", "SISTEMA DE CONTA", "31/03", 9, "101", "002/010"},
        // A system outside 1-4 keeps the title of the header before it.
        {10, "", "SISTEMA PATRIMONIAL", "31/03", 9, "102", "002/010"},
        {11, "599999", "CONTA", "31/03", 9, "102", "002/010"},
        // Without a link the header has none either.
        {12, "", "SISTEMA ORCAMENTARIO", "30/04", 33, "400", "/"},
        {13, "111101", "CONTA", "30/04", 33, "400", "/"},
    };
    const std::vector<Shown> got = bySeq(*db);
    ASSERT_EQ(got.size(), expected.size());
    for (std::size_t i = 0; i < got.size(); ++i)
        EXPECT_EQ(got[i], expected[i]) << "row " << i;
}

TEST(JournalRenumbering, ASecondRunGivesTheSameHeadersAndNumbers)
{
    auto db = journal();
    ScriptedInteraction ui;
    ASSERT_TRUE(run(*db, ui));
    const std::vector<Shown> first = bySeq(*db);
    JournalRenumbering again(*db, ui);
    ASSERT_TRUE(again.Reorganizar());
    EXPECT_EQ(bySeq(*db), first);
    EXPECT_EQ(again.counts().purged, 5);
    EXPECT_EQ(again.counts().headers, 5);
}

TEST(JournalRenumbering, ARefusedNumberRollsTheWholeNumberingBackAndKeepsTheHeaders)
{
    auto db = journal();
    db->exec(QStringLiteral("CREATE EXCEPTION SEQ_LOCKED 'linha bloqueada'"));
    db->exec(QStringLiteral("CREATE TRIGGER CONDIA_LOCK FOR CONDIA BEFORE UPDATE AS BEGIN "
                            "IF (OLD.BALCO = '322201' AND NEW.SEQ <> OLD.SEQ) THEN EXCEPTION SEQ_LOCKED; END"));
    ScriptedInteraction ui;
    JournalRenumbering r(*db, ui);
    EXPECT_FALSE(r.Reorganizar());
    ASSERT_EQ(ui.said.size(), 1);
    EXPECT_TRUE(ui.said[0].text.startsWith(QStringLiteral("Atenção: O seguinte erro ocorreu: \r\r")));
    EXPECT_TRUE(ui.said[0].text.contains(QStringLiteral("linha bloqueada")));
    EXPECT_TRUE(ui.said[0].text.endsWith(QStringLiteral("\r\rOperação Cancelada !!!")));
    EXPECT_EQ(ui.said[0].caption, QStringLiteral("Atenção"));
    EXPECT_EQ(JournalRenumbering::cancelledText(), QStringLiteral("Reorganização Cancelada!"));

    // The lines keep their old numbers; the new headers stay, numbered like the line they head.
    QSqlQuery q = db->query(QStringLiteral("SELECT BALCO, SEQ FROM CONDIA WHERE BALCO IS NOT NULL ORDER BY BALCO, SEQ"));
    std::vector<std::pair<QString, int>> lines;
    while (q.next())
        lines.emplace_back(q.value(0).toString(), q.value(1).toInt());
    const std::vector<std::pair<QString, int>> before{{"111101", 3}, {"111101", 20}, {"112102", 9}, {"211101", 2},
                                                      {"212203", 8}, {"311101", 12}, {"322201", 11}, {"599999", 13}};
    EXPECT_EQ(lines, before);
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT COUNT(*) FROM CONDIA WHERE BALCO IS NULL")).toInt(), 5);
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT SEQ FROM CONDIA WHERE BALCO IS NULL AND TITCO='SISTEMA FINANCEIRO'")).toInt(), 2);
}

TEST(JournalRenumbering, ARefusedHeaderStopsWithItsMessageAndTheSequenceOfItsRow)
{
    auto db = journal();
    db->exec(QStringLiteral("CREATE EXCEPTION NO_HEADER 'cabecalho recusado'"));
    db->exec(QStringLiteral("CREATE TRIGGER CONDIA_NO_PATRIM FOR CONDIA BEFORE INSERT AS BEGIN "
                            "IF (NEW.TITCO = 'SISTEMA PATRIMONIAL') THEN EXCEPTION NO_HEADER; END"));
    ScriptedInteraction ui;
    JournalRenumbering r(*db, ui);
    try {
        r.Reorganizar();
        FAIL() << "the refused header must stop the run";
    } catch (const JournalRenumbering::HeaderRefused &e) {
        EXPECT_TRUE(e.text().startsWith(QStringLiteral("O seguinte erro ocorreu: ")));
        EXPECT_TRUE(e.text().contains(QStringLiteral("cabecalho recusado")));
        // The block of IE 9 opens with the line numbered 12 (311101, nature D first).
        EXPECT_TRUE(e.text().endsWith(QStringLiteral(" Numero de sequencia:12"))) << e.text().toStdString();
    }
    // The purge and the two headers before the failure stay; no line was renumbered.
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT COUNT(*) FROM CONDIA WHERE DATAE IS NULL")).toInt(), 0);
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT COUNT(*) FROM CONDIA WHERE BALCO IS NULL")).toInt(), 2);
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT SEQ FROM CONDIA WHERE BALCO = '112102'")).toInt(), 9);
}

TEST(JournalRenumbering, ARowThatCannotBeDeletedIsToldAndTheOtherEmptyRowsStillGo)
{
    auto db = journal();
    db->exec(QStringLiteral("CREATE EXCEPTION KEEP_ROW 'linha protegida'"));
    db->exec(QStringLiteral("CREATE TRIGGER CONDIA_KEEP FOR CONDIA BEFORE DELETE AS BEGIN "
                            "IF (OLD.SEQ = 4) THEN EXCEPTION KEEP_ROW; END"));
    ScriptedInteraction ui;
    EXPECT_TRUE(run(*db, ui));
    ASSERT_EQ(ui.said.size(), 1);
    EXPECT_TRUE(ui.said[0].text.contains(QStringLiteral("linha protegida")));
    // Of the four empty rows only the protected one is left.
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT COUNT(*) FROM CONDIA WHERE DATAE IS NULL OR "
                                        "(COALESCE(DEBIT,0)=0 AND COALESCE(CREDI,0)=0 AND BALCO IS NOT NULL)"))
                  .toInt(),
              1);
}
