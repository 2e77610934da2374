#include "TestDatabase.h"
#include "data/Database.h"
#include "data/DatabaseCreator.h"
#include "data/Money.h"
#include "data/Schema.h"
#include "data/SqlScript.h"
#include "data/TransactionGuard.h"

#include <gtest/gtest.h>

TEST(SqlScript, SplitsOnTerminatorAndHonoursSetTerm)
{
    const QStringList s = SqlScript::split(QStringLiteral(
        "-- comment\nCREATE TABLE A (X INTEGER);\n\nSET TERM ^ ;\nCREATE PROCEDURE P AS\nBEGIN\n  X = 1;\nEND^\nSET TERM ; ^\nDROP TABLE A;\n"));
    ASSERT_EQ(s.size(), 3);
    EXPECT_EQ(s[0], QStringLiteral("CREATE TABLE A (X INTEGER)"));
    EXPECT_TRUE(s[1].startsWith(QStringLiteral("CREATE PROCEDURE P")));
    EXPECT_TRUE(s[1].contains(QStringLiteral("X = 1;")));
    EXPECT_EQ(s[2], QStringLiteral("DROP TABLE A"));
}

TEST(Schema, UpgradeAddsAutomaOnceAndLeavesItAfter)
{
    auto db = TestDatabase::fresh();
    EXPECT_FALSE(db->columnExists(QStringLiteral("CONDIA"), QStringLiteral("AUTOMA")));
    EXPECT_TRUE(Schema::upgrade(*db));
    EXPECT_TRUE(db->columnExists(QStringLiteral("CONDIA"), QStringLiteral("AUTOMA")));
    EXPECT_FALSE(Schema::upgrade(*db));
}

TEST(Schema, UpgradeWidensAThreeCharacterImp)
{
    // The journal as older suite databases define it.
    const QString file = TestDatabase::workDir() + QStringLiteral("/old-imp.fdb");
    DatabaseCreator::create(file);
    auto db = std::make_unique<Database>(file);
    db->open();
    db->exec(QStringLiteral("CREATE TABLE CONDIA (SEQUENCIA DOUBLE PRECISION NOT NULL, IMP VARCHAR(3))"));
    EXPECT_THROW(db->exec(QStringLiteral("INSERT INTO CONDIA (SEQUENCIA, IMP) VALUES (1, '1000')")), DbError);
    EXPECT_TRUE(Schema::upgrade(*db));
    db->exec(QStringLiteral("INSERT INTO CONDIA (SEQUENCIA, IMP) VALUES (1, '1000')"));
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT IMP FROM CONDIA")).toString(), QStringLiteral("1000"));
}

TEST(Schema, CondiaRowsArrivingWithZeroGetTheirOwnKey)
{
    auto db = TestDatabase::fresh();
    TransactionGuard tx(*db);
    for (int i = 0; i < 3; ++i)
        db->exec(QStringLiteral("INSERT INTO CONDIA (SEQUENCIA, SEQ) VALUES (?, ?)"), {i == 1 ? QVariant() : QVariant(0), i + 1});
    tx.commit();
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT COUNT(DISTINCT SEQUENCIA) FROM CONDIA WHERE SEQUENCIA > 0")).toInt(), 3);
}

TEST(Schema, CreatingOverAnExistingFileIsRefused)
{
    const QString file = TestDatabase::freshFile();
    EXPECT_THROW(DatabaseCreator::create(file), DbError);
    Database db(file);
    EXPECT_NO_THROW(db.open());
}

TEST(Schema, RefusedStatementCarriesStatementAndDriverText)
{
    auto db = TestDatabase::fresh();
    try {
        db->exec(QStringLiteral("SELECT NOPE FROM CONDIA"));
        FAIL();
    } catch (const DbError &e) {
        EXPECT_EQ(e.statement(), QStringLiteral("SELECT NOPE FROM CONDIA"));
        EXPECT_TRUE(e.driverText().contains(QStringLiteral("NOPE"))) << e.driverText().toStdString();
    }
}

TEST(Schema, AStatementRefusedAtCommitIsAnError)
{
    auto db = TestDatabase::fresh();
    db->exec(QStringLiteral("CREATE TABLE A (X INTEGER)"));
    db->exec(QStringLiteral("INSERT INTO A VALUES (1)"));
    db->exec(QStringLiteral("INSERT INTO A VALUES (?)"), {1});
    // The index is built when its transaction commits, and that is where the duplicates are found.
    EXPECT_THROW(db->exec(QStringLiteral("CREATE UNIQUE INDEX UX_A ON A (X)")), DbError);
    EXPECT_FALSE(db->inTransaction());
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT COUNT(*) FROM RDB$INDICES WHERE RDB$INDEX_NAME = 'UX_A'")).toInt(), 0);
}

TEST(Schema, TransactionGuardRollsBackUnlessCommitted)
{
    auto db = TestDatabase::fresh();
    {
        TransactionGuard tx(*db);
        db->exec(QStringLiteral("INSERT INTO CONHIS (HISTO, DISCRI) VALUES (1, 'x')"));
    }
    EXPECT_EQ(db->scalar(QStringLiteral("SELECT COUNT(*) FROM CONHIS")).toInt(), 0);
}

namespace {

void post(Database &db, const char *balco, const char *date, const char *debit, const char *credit, const char *vg = "001",
          const char *vc = "001")
{
    db.exec(QStringLiteral("INSERT INTO CONDIA (SEQUENCIA, BALCO, DATAE, DEBIT, CREDI, VINGRUPO, VINCODIGO) VALUES (0, ?, ?, ?, ?, ?, ?)"),
            {QString::fromLatin1(balco), QDate::fromString(QString::fromLatin1(date), QStringLiteral("dd/MM/yyyy")),
             QString::fromLatin1(debit), QString::fromLatin1(credit), QString::fromLatin1(vg), QString::fromLatin1(vc)});
}

QString conpla(Database &db, const char *balco, const char *column)
{
    return Money::fromVariant(db.scalar(QStringLiteral("SELECT %1 FROM CONPLA WHERE BALCO=?").arg(QString::fromLatin1(column)),
                                        {QString::fromLatin1(balco)}),
                              2)
        .toSql();
}

} // namespace

TEST(Totaliza, SumsByScopeDateAndNatureAndRollsUpTitles)
{
    auto db = TestDatabase::fresh();
    db->exec(QStringLiteral("INSERT INTO CONPLA (BALCO, TIP, D_C) VALUES ('111100', '1', 'D')"));
    db->exec(QStringLiteral("INSERT INTO CONPLA (BALCO, TIP, D_C) VALUES ('111101', '1', 'D')"));
    db->exec(QStringLiteral("INSERT INTO CONPLA (BALCO, TIP, D_C) VALUES ('111102', '1', 'D')"));
    db->exec(QStringLiteral("INSERT INTO CONPLA (BALCO, TIP, D_C) VALUES ('212101', '2', 'C')"));
    db->exec(QStringLiteral("INSERT INTO VINCODIGO (VINGRUPO, VINCODIGO, CLASSE) VALUES ('002', '001', 'A')"));
    post(*db, "111101", "01/01/2008", "100.10", "0");
    post(*db, "111102", "31/12/2008", "50.00", "20.00");
    post(*db, "111101", "02/01/2009", "999.00", "0");
    post(*db, "212101", "15/06/2008", "10.00", "300.00", "002", "001");

    db->exec(QStringLiteral("EXECUTE PROCEDURE TOTALIZA_DIARIO('12/31/2008','','',1,0)"));
    EXPECT_EQ(conpla(*db, "111101", "DEBIT"), QStringLiteral("100.10"));
    EXPECT_EQ(conpla(*db, "111100", "DEBIT"), QStringLiteral("150.10"));
    EXPECT_EQ(conpla(*db, "111100", "SALDO"), QStringLiteral("130.10"));
    EXPECT_EQ(conpla(*db, "212101", "SALDO"), QStringLiteral("290.00"));

    db->exec(QStringLiteral("EXECUTE PROCEDURE TOTALIZA_DIARIO('12/31/2008','','',2,0)"));
    EXPECT_EQ(conpla(*db, "212101", "SALDO"), QStringLiteral("0.00"));
    EXPECT_EQ(conpla(*db, "111101", "SALDO"), QStringLiteral("100.10"));

    db->exec(QStringLiteral("EXECUTE PROCEDURE TOTALIZA_DIARIO('12/31/2008','002','',3,0)"));
    EXPECT_EQ(conpla(*db, "212101", "CREDIT"), QStringLiteral("300.00"));
    EXPECT_EQ(conpla(*db, "111101", "DEBIT"), QStringLiteral("0.00"));
}
