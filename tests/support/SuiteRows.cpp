#include "SuiteRows.h"

#include "data/Database.h"

namespace {

QVariant orNull(const QString &s)
{
    return s.isEmpty() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(s);
}

QVariant day(const QDate &d)
{
    return QVariant(d.startOfDay());
}

} // namespace

SuiteRows &SuiteRows::entity(const QString &year, const QString &name)
{
    m_db.exec(QStringLiteral("INSERT INTO CADCLI (MEXER, CLNT1) VALUES (?, ?)"), {year, name});
    return *this;
}

SuiteRows &SuiteRows::account(const QString &balco, const QString &title)
{
    const int nature = balco.mid(1, 1).toInt();
    m_db.exec(QStringLiteral("INSERT INTO CONPLA (BALCO, TIP, TITCO, D_C, CREDIT, DEBIT, SALDO) VALUES (?, ?, ?, ?, 0, 0, 0)"),
              {balco, balco.left(1), title.isEmpty() ? QStringLiteral("Conta ") + balco : title,
               nature % 2 ? QStringLiteral("D") : QStringLiteral("C")});
    return *this;
}

SuiteRows &SuiteRows::accounts(const QStringList &balcos)
{
    for (const QString &b : balcos)
        account(b);
    return *this;
}

SuiteRows &SuiteRows::history(int histo, const QString &text)
{
    m_db.exec(QStringLiteral("INSERT INTO CONHIS (HISTO, DISCRI) VALUES (?, ?)"),
              {histo, text.isEmpty() ? QStringLiteral("Histórico %1").arg(histo) : text});
    return *this;
}

SuiteRows &SuiteRows::histories(const QList<int> &codes)
{
    for (int c : codes)
        history(c);
    return *this;
}

SuiteRows &SuiteRows::openingRow()
{
    m_db.exec(QStringLiteral("INSERT INTO CONDIA (SEQUENCIA, BALCO, TITCO, DATAE, DEBIT, IE, IMP, SEQ) "
                             "VALUES (0, '111101', 'ABERTURA', '01/01/2008', 10, 1, '1', 1)"));
    return *this;
}

SuiteRows &SuiteRows::rd(const QString &value)
{
    m_db.exec(QStringLiteral("DELETE FROM PARAMEDU"));
    m_db.exec(QStringLiteral("INSERT INTO PARAMEDU (RD) VALUES (?)"), {value});
    return *this;
}

SuiteRows &SuiteRows::allocation(int ficha, const QString &funcao, const QString &dotac, const QString &vingrupo,
                                 const QString &vincodigo, const QString &extra)
{
    m_db.exec(QStringLiteral("INSERT INTO DESDIS (FICHA, FUNCAO, DOTAC, EXTRA, VINGRUPO, VINCODIGO) VALUES (?, ?, ?, ?, ?, ?)"),
              {ficha, orNull(funcao), orNull(dotac), extra, vingrupo, vincodigo});
    return *this;
}

SuiteRows &SuiteRows::commitment(int pkemp, int ficha, const QString &vadem, const QDate &date, const QString &catec,
                                 const QString &vingrupo, const QString &vincodigo, const QString &tpem,
                                 std::optional<int> pkempa)
{
    m_db.exec(QStringLiteral("INSERT INTO DESPES (PKEMP, PKEMPA, TPEM, FICHA, VADEM, DATAE, CATEC, VINGRUPO, VINCODIGO) "
                             "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)"),
              {pkemp, pkempa ? QVariant(*pkempa) : QVariant(QMetaType(QMetaType::Int)), orNull(tpem), ficha, vadem, day(date),
               orNull(catec), vingrupo, vincodigo});
    return *this;
}

SuiteRows &SuiteRows::payment(int pkpag, int pkemp, const QString &vapag, const QDate &date)
{
    m_db.exec(QStringLiteral("INSERT INTO PAGAMENTO (PKPAG, PKEMP, VAPAG, DTPAG) VALUES (?, ?, ?, ?)"),
              {pkpag, pkemp, vapag, day(date)});
    return *this;
}

SuiteRows &SuiteRows::revenueAllocation(int ficha, const QString &codre, const QString &vingrupo, const QString &vincodigo,
                                        const QString &extra)
{
    m_db.exec(QStringLiteral("INSERT INTO RECDIS (FICHA, CODRE, EXTRA, VINGRUPO, VINCODIGO) VALUES (?, ?, ?, ?, ?)"),
              {ficha, orNull(codre), extra, vingrupo, vincodigo});
    return *this;
}

SuiteRows &SuiteRows::receipt(int ficha, const QString &varec, const QDate &date)
{
    m_db.exec(QStringLiteral("INSERT INTO RECEIT (FICHA, VAREC, DTLAN) VALUES (?, ?, ?)"), {ficha, varec, day(date)});
    return *this;
}

SuiteRows &SuiteRows::bankAccount(int conta, const QString &balco, const QString &vingrupo, const QString &vincodigo)
{
    m_db.exec(QStringLiteral("INSERT INTO DESCON (CONTA, BALCO, VINGRUPO, VINCODIGO) VALUES (?, ?, ?, ?)"),
              {conta, orNull(balco), vingrupo, vincodigo});
    return *this;
}

SuiteRows &SuiteRows::cashOrder(int conta, const QString &debit, const QString &credi, const QDate &date)
{
    m_db.exec(QStringLiteral("INSERT INTO ORDCAI (CONTA, DEBIT, CREDI, DTLAN) VALUES (?, ?, ?, ?)"),
              {conta, orNull(debit), orNull(credi), day(date)});
    return *this;
}
