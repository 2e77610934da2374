#include "CategoryRows.h"

namespace {

QVariant textOrNull(const QString &text)
{
    return text.isEmpty() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(text);
}

} // namespace

void CategoryRows::exec(const QString &sql, const QVariantList &values)
{
    m_db.exec(sql, values);
}

CategoryRows &CategoryRows::entity(const QString &name, const QString &year)
{
    exec(QStringLiteral("DELETE FROM CADCLI"), {});
    exec(QStringLiteral("INSERT INTO CADCLI (MEXER, CLNT1) VALUES (?, ?)"), {year, name});
    return *this;
}

CategoryRows &CategoryRows::accounts(const QStringList &codes)
{
    for (const QString &code : codes)
        account(code, QStringLiteral("Conta ") + code);
    return *this;
}

CategoryRows &CategoryRows::account(const QString &balco, const QString &title)
{
    const QString nature = balco.mid(1, 1).toInt() % 2 ? QStringLiteral("D") : QStringLiteral("C");
    exec(QStringLiteral("UPDATE OR INSERT INTO CONPLA (BALCO, TIP, TITCO, D_C) VALUES (?, ?, ?, ?) MATCHING (BALCO)"),
         {balco, balco.left(1), title, nature});
    return *this;
}

CategoryRows &CategoryRows::histories(const QList<int> &codes)
{
    for (int code : codes)
        exec(QStringLiteral("UPDATE OR INSERT INTO CONHIS (HISTO, DISCRI) VALUES (?, ?) MATCHING (HISTO)"),
             {code, QStringLiteral("H%1").arg(code)});
    return *this;
}

CategoryRows &CategoryRows::rd(const QString &value)
{
    exec(QStringLiteral("DELETE FROM PARAMEDU"), {});
    exec(QStringLiteral("INSERT INTO PARAMEDU (RD) VALUES (?)"), {value});
    return *this;
}

CategoryRows &CategoryRows::expenditureAllocation(int ficha, const QString &balco, const QString &vingrupo,
                                            const QString &vincodigo, const QString &extra, double dotac,
                                            const QString &especial)
{
    exec(QStringLiteral("INSERT INTO DESDIS (FICHA, BALCO, DOTAC, ESPECIAL, EXTRA, VINGRUPO, VINCODIGO) "
                        "VALUES (?, ?, ?, ?, ?, ?, ?)"),
         {ficha, balco, dotac, textOrNull(especial), extra, vingrupo, vincodigo});
    return *this;
}

CategoryRows &CategoryRows::revenueAllocation(int ficha, const QString &balco, const QString &vingrupo,
                                        const QString &vincodigo, const QString &extra)
{
    exec(QStringLiteral("INSERT INTO RECDIS (FICHA, BALCO, EXTRA, VINGRUPO, VINCODIGO) VALUES (?, ?, ?, ?, ?)"),
         {ficha, balco, extra, vingrupo, vincodigo});
    return *this;
}

CategoryRows &CategoryRows::receipt(int ficha, double varec, const QDate &date)
{
    exec(QStringLiteral("INSERT INTO RECEIT (FICHA, VAREC, DTLAN) VALUES (?, ?, ?)"), {ficha, varec, date});
    return *this;
}

CategoryRows &CategoryRows::decree(const QString &decreto, const QString &historico)
{
    exec(QStringLiteral("INSERT INTO CADDECRETO (DECRETO, HISTORICO) VALUES (?, ?)"), {decreto, historico});
    return *this;
}

CategoryRows &CategoryRows::creditMovement(int ficha, double valor, int ie, const QDate &date, const QString &decreto)
{
    exec(QStringLiteral("INSERT INTO DESALD (FICHA, VALOR, IE, DECRETO, DTLAN) VALUES (?, ?, ?, ?, ?)"),
         {ficha, valor, ie, textOrNull(decreto), date});
    return *this;
}

CategoryRows &CategoryRows::commitment(int ficha, double vadem, const QDate &date, const QString &vingrupo,
                                 const QString &vincodigo, const QString &tpem, int *pkemp)
{
    const int key = m_nextKey++;
    exec(QStringLiteral("INSERT INTO DESPES (PKEMP, TPEM, FICHA, VADEM, DATAE, VINGRUPO, VINCODIGO) "
                        "VALUES (?, ?, ?, ?, ?, ?, ?)"),
         {key, textOrNull(tpem), ficha, vadem, date, vingrupo, vincodigo});
    if (pkemp)
        *pkemp = key;
    return *this;
}

CategoryRows &CategoryRows::supplier(int codif, const QString &nome)
{
    exec(QStringLiteral("INSERT INTO DESFOR (CODIF, NOME) VALUES (?, ?)"), {codif, nome});
    return *this;
}

CategoryRows &CategoryRows::payment(int ficha, double vapag, const QDate &date, const QString &vingrupo,
                              const QString &vincodigo, int codif)
{
    int pkemp = 0;
    commitment(ficha, vapag, date, vingrupo, vincodigo, {}, &pkemp);
    exec(QStringLiteral("INSERT INTO PAGAMENTO (PKPAG, PKEMP, CODIF, VAPAG, DTPAG) VALUES (?, ?, ?, ?, ?)"),
         {pkemp, pkemp, codif, vapag, date});
    return *this;
}
