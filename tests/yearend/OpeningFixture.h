#pragma once

#include "TestDatabase.h"
#include "data/Money.h"
#include "data/PathResolver.h"

#include <QDir>
#include <QFile>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <memory>
#include <ostream>

QT_BEGIN_NAMESPACE
inline void PrintTo(const QString &s, std::ostream *os)
{
    *os << '"' << s.toStdString() << '"';
}
QT_END_NAMESPACE

// Two fiscal years laid out the way the suite keeps them: ARQ2023/ZOLV2023.FDB
// (the previous year, closed) and ARQ2024/ZOLV2024.FDB (the current one) under
// one data root, found through a Zolv.ini in local mode.
struct OpeningFixture {
    static constexpr int Year = 2024;

    QTemporaryDir root{TestDatabase::workDir() + QStringLiteral("/years-XXXXXX")};
    QString ini;
    std::unique_ptr<PathResolver> paths;
    std::unique_ptr<Database> current;
    std::unique_ptr<Database> previous;

    explicit OpeningFixture(bool withPreviousYear = true)
    {
        ini = root.filePath(QStringLiteral("Zolv.ini"));
        QFile f(ini);
        f.open(QIODevice::WriteOnly);
        f.write(QStringLiteral("[ZOLV]\r\nano=%1\r\nCaminho_Base_Dados=%2/\r\n").arg(Year).arg(root.path()).toUtf8());
        f.close();
        paths = std::make_unique<PathResolver>(ini);
        current = place(Year);
        current->exec(QStringLiteral("INSERT INTO CADCLI (MEXER, CLNT1) VALUES ('2024', 'Prefeitura Municipal de Teste')"));
        for (int h = 101; h <= 106; ++h)
            current->exec(QStringLiteral("INSERT INTO CONHIS (HISTO, DISCRI) VALUES (?, ?)"),
                          {h, QStringLiteral("Histórico %1").arg(h)});
        current->exec(QStringLiteral("INSERT INTO VINCODIGO (VINGRUPO, VINCODIGO) VALUES ('001', '001')"));
        if (withPreviousYear) {
            previous = place(Year - 1);
            previous->exec(QStringLiteral("CREATE TABLE FINAL (TIPO INTEGER, VINGRUPO CHAR(3), VINCODIGO CHAR(3), "
                                          "EMPRESA INTEGER, DATA CHAR(10))"));
            previous->exec(QStringLiteral("INSERT INTO FINAL (TIPO, DATA) VALUES (1, '31/12/2023')"));
        }
    }

    std::unique_ptr<Database> place(int year)
    {
        const QString dir = root.filePath(QStringLiteral("ARQ%1").arg(year));
        QDir().mkpath(dir);
        const QString file = dir + QStringLiteral("/ZOLV%1.FDB").arg(year);
        QFile::rename(TestDatabase::freshFile(), file);
        auto db = std::make_unique<Database>(file);
        db->open();
        return db;
    }

    // A previous year with one account on each side, and DESCON and budget
    // records for the two other groups, all on link 001/001.
    void typicalYear()
    {
        account(*previous, QStringLiteral("311101"), QStringLiteral("D"), "700.00");
        account(*previous, QStringLiteral("361101"), QStringLiteral("C"), "700.00");
        accounts({QStringLiteral("311101"), QStringLiteral("361101"), QStringLiteral("251101"), QStringLiteral("261101"),
                  QStringLiteral("111101"), QStringLiteral("162101"), QStringLiteral("152101"), QStringLiteral("121101")});
        current->exec(QStringLiteral("INSERT INTO DESCON (CONTA, BALCO, SALDOINICIAL, VINGRUPO, VINCODIGO) VALUES (1, "
                                     "'311101', 700, '001', '001')"));
        current->exec(QStringLiteral("INSERT INTO RECTAB (CODRE, NOMRE) VALUES ('11120000', 'IPTU')"));
        current->exec(QStringLiteral("INSERT INTO RECDIS (FICHA, CODRE, TOTOR, EXTRA, VINGRUPO, VINCODIGO) VALUES (1, "
                                     "'11120000', 500, 'N', '001', '001')"));
        current->exec(QStringLiteral("INSERT INTO DESDIS (FICHA, DOTAC, EXTRA, VINGRUPO, VINCODIGO) VALUES (1, 500, 'N', "
                                     "'001', '001')"));
    }

    QString dataDir() const { return root.filePath(QStringLiteral("ARQ%1").arg(Year)); }

    static void account(Database &db, const QString &balco, const QString &dc, const char *saldo = "0",
                        const QString &title = {})
    {
        db.exec(QStringLiteral("INSERT INTO CONPLA (BALCO, TIP, TITCO, D_C, CREDIT, DEBIT, SALDO) VALUES (?,?,?,?,0,0,?)"),
                {balco, balco.left(1), title.isEmpty() ? QStringLiteral("Conta ") + balco : title, dc,
                 QString::fromLatin1(saldo)});
    }
    void accounts(const QStringList &codes)
    {
        for (const QString &c : codes)
            account(*current, c, c[1].digitValue() % 2 ? QStringLiteral("D") : QStringLiteral("C"));
    }
};

// A journal row as the tests compare them.
struct Posted {
    QString balco;
    QString side; // "D", "C" or "" for a header
    Money amount;
    int histo = 0;
    QString imp;
    QString link; // "grupo/codigo"
    QString titco;
    QString tipo;
    QString discri;
    QDate datae{OpeningFixture::Year, 1, 1};

    // Titles and history texts are checked where they matter, not in every comparison.
    bool operator==(const Posted &o) const
    {
        return balco == o.balco && side == o.side && amount == o.amount && histo == o.histo && imp == o.imp &&
               link == o.link && tipo == o.tipo && datae == o.datae;
    }
};

inline std::ostream &operator<<(std::ostream &os, const Posted &p)
{
    return os << '{' << p.balco.toStdString() << ' ' << p.side.toStdString() << ' ' << p.amount.toSql().toStdString()
              << " h" << p.histo << " imp" << p.imp.toStdString() << ' ' << p.link.toStdString() << " '"
              << p.titco.toStdString() << "' tipo" << p.tipo.toStdString() << ' '
              << p.datae.toString(Qt::ISODate).toStdString() << '}';
}

// The rows of one entry kind in the order they were appended.
inline QList<Posted> posted(Database &db, int ie)
{
    QList<Posted> rows;
    QSqlQuery q = db.query(QStringLiteral("SELECT BALCO, DEBIT, CREDI, HISTO, IMP, VINGRUPO, VINCODIGO, TITCO, TIPO, "
                                          "DISCRI, DATAE FROM CONDIA WHERE IE=? ORDER BY SEQ"),
                           {ie});
    while (q.next()) {
        Posted p;
        p.balco = q.value(0).toString();
        const bool debit = !q.value(1).isNull();
        const bool credit = !q.value(2).isNull();
        p.side = debit ? QStringLiteral("D") : credit ? QStringLiteral("C") : QString();
        p.amount = Money::fromVariant(debit ? q.value(1) : q.value(2), 2);
        p.histo = q.value(3).toInt();
        p.imp = q.value(4).toString();
        if (!q.value(5).isNull() || !q.value(6).isNull())
            p.link = q.value(5).toString() + u'/' + q.value(6).toString();
        p.titco = q.value(7).toString();
        p.tipo = q.value(8).toString();
        p.discri = q.value(9).toString();
        p.datae = q.value(10).toDate();
        rows << p;
    }
    return rows;
}

inline Money m(const char *text)
{
    return Money::fromDecimalText(QString::fromLatin1(text));
}

inline Posted line(const char *balco, const char *side, const char *amount, int histo, const char *imp, const char *link)
{
    Posted p;
    p.balco = QString::fromLatin1(balco);
    p.side = QString::fromLatin1(side);
    p.amount = m(amount);
    p.histo = histo;
    p.imp = QString::fromLatin1(imp);
    p.link = QString::fromLatin1(link);
    return p;
}

inline Posted header(const char *imp, const char *link, const char *tipo = "")
{
    Posted p;
    p.imp = QString::fromLatin1(imp);
    p.link = QString::fromLatin1(link);
    p.tipo = QString::fromLatin1(tipo);
    return p;
}
