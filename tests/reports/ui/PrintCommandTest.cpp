#include "../JournalFixture.h"
#include "TestDatabase.h"
#include "cli/Cli.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

// diario-cli print, on a fiscal year laid out the way Zolv.ini finds it.
class PrintCommandTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(dir.isValid());
        QVERIFY(QDir().mkpath(dir.filePath(QStringLiteral("ARQ2024"))));
        const QString file = dir.filePath(QStringLiteral("ARQ2024/ZOLV2024.FDB"));
        QVERIFY(QFile::rename(TestDatabase::freshFile(), file));
        {
            Database db(file);
            db.open();
            JournalFixture::fill(db);
        }
        ini = dir.filePath(QStringLiteral("Zolv.ini"));
        QFile f(ini);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(QStringLiteral("[ZOLV]\nano=2024\nCaminho_Base_Dados=%1/\n").arg(dir.path()).toUtf8());
    }

    void writesTheBookToPdf_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("pages");
        QTest::newRow("diario") << QStringList{"diario", "--ate", "31/03/2024"} << 2;
        QTest::newRow("rascunho-registro") << QStringList{"rascunho-registro", "--reg-de", "4"} << 2;
        QTest::newRow("rascunho-periodo") << QStringList{"rascunho-periodo", "--de", "01/02/2024", "--ate", "29/02/2024"} << 1;
        QTest::newRow("razao conta") << QStringList{"razao", "--conta", "111101"} << 1;
        QTest::newRow("razao vinculo") << QStringList{"razao", "--filtro", "vinculo", "--grupo", "02"} << 3;
        QTest::newRow("razao-sistema") << QStringList{"razao-sistema", "--sistema", "4", "--grupo", "01"} << 2;
    }

    void writesTheBookToPdf()
    {
        QFETCH(QStringList, args);
        QFETCH(int, pages);
        const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
        QFile::remove(pdf);
        QString out, err;
        QCOMPARE(run(args + QStringList{"--pdf", pdf}, out, err), 0);
        QVERIFY2(out.startsWith(pdf + QStringLiteral(": %1 páginas").arg(pages)), qPrintable(out + err));
        QFile f(pdf);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QVERIFY(f.read(4) == "%PDF");
    }

    void refusesBadUsage_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("message");
        QTest::newRow("no pdf") << QStringList{"diario"} << "Informe o arquivo PDF";
        QTest::newRow("bad date") << QStringList{"diario", "--de", "31/02/2024", "--pdf", "x.pdf"} << "'31/02/2024' não é uma data válida";
        QTest::newRow("bad book") << QStringList{"balanco", "--pdf", "x.pdf"} << "Livro desconhecido: balanco";
        QTest::newRow("bad filter") << QStringList{"razao", "--filtro", "todos", "--pdf", "x.pdf"} << "Filtro inválido";
        QTest::newRow("bad system") << QStringList{"razao-sistema", "--sistema", "5", "--pdf", "x.pdf"} << "Sistema inválido";
        QTest::newRow("unknown option") << QStringList{"diario", "--mes", "1", "--pdf", "x.pdf"} << "Opção desconhecida: --mes";
    }

    void refusesBadUsage()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, message);
        QString out, err;
        QCOMPARE(run(args, out, err), 2);
        QVERIFY2(err.contains(message), qPrintable(err));
    }

private:
    int run(const QStringList &args, QString &out, QString &err)
    {
        QTextStream o(&out), e(&err);
        const int status = Cli::run(QStringList{"--ini", ini, "print"} + args, o, e);
        o.flush();
        e.flush();
        return status;
    }

    QTemporaryDir dir;
    QString ini;
};

QTEST_MAIN(PrintCommandTest)
#include "PrintCommandTest.moc"
