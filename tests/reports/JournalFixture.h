#pragma once

#include "data/Database.h"
#include "data/TransactionGuard.h"

#include <QBuffer>
#include <QDate>
#include <QImage>

// A small journal to print: an entity with a logo, two links, a chart, and
// journal blocks that exercise the books: runs of IMP with system header rows,
// a run long enough to cross pages, histories that wrap, and accounts whose
// balances fall on the debit side, on the credit side and on neither.
namespace JournalFixture {

struct Line {
    const char *balco;
    const char *titco;
    QDate date;
    double debit;
    double credit;
    int ie;
    const char *imp;
    int seq;
    const char *group;
    const char *code;
    QString discri;
};

inline QByteArray logoBytes()
{
    QImage logo(40, 30, QImage::Format_RGB32);
    logo.fill(Qt::darkBlue);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    logo.save(&buffer, "BMP");
    return bytes;
}

inline void insertLine(Database &db, const Line &l)
{
    const bool header = l.balco == nullptr;
    const auto text = [](const char *s) { return s ? QVariant(QString::fromUtf8(s)) : QVariant(QMetaType(QMetaType::QString)); };
    db.exec(QStringLiteral("INSERT INTO CONDIA (SEQUENCIA, BALCO, TITCO, DATAE, HISTO, DEBIT, CREDI, IE, DISCRI, IMP, SEQ, "
                           "VINGRUPO, VINCODIGO) VALUES (0, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
            {text(l.balco), text(l.titco), QDateTime(l.date, QTime(0, 0)), header ? QVariant() : QVariant(1),
             header ? QVariant(QMetaType(QMetaType::Double)) : QVariant(l.debit),
             header ? QVariant(QMetaType(QMetaType::Double)) : QVariant(l.credit), l.ie,
             l.discri.isEmpty() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(l.discri), QString::fromLatin1(l.imp),
             l.seq, text(l.group), text(l.code)});
}

// showLogo: LOGO.MOSTRA "S" (or "N").
inline void fill(Database &db, bool showLogo = true)
{
    TransactionGuard tx(db);
    db.exec(QStringLiteral("INSERT INTO CADCLI (MEXER, CLNT1, ENDERE, CGC) VALUES (?, ?, ?, ?)"),
            {QStringLiteral("2024"), QStringLiteral("PREFEITURA MUNICIPAL DE SÃO JOÃO DO AÇAÍ"),
             QStringLiteral("Praça da Matriz, 100 - Centro"), QStringLiteral("18.123.456/0001-99")});
    db.exec(QStringLiteral("INSERT INTO LOGO (LOGO, MOSTRA) VALUES (?, ?)"),
            {logoBytes(), showLogo ? QStringLiteral("S") : QStringLiteral("N")});
    db.exec(QStringLiteral("INSERT INTO VINGRUPO VALUES ('01', 'RECURSOS ORDINÁRIOS')"));
    db.exec(QStringLiteral("INSERT INTO VINGRUPO VALUES ('010', 'OUTRO GRUPO INICIADO POR 01')"));
    db.exec(QStringLiteral("INSERT INTO VINGRUPO VALUES ('02', 'EDUCAÇÃO')"));
    db.exec(QStringLiteral("INSERT INTO VINCODIGO VALUES ('01', '001', 'TESOURO MUNICIPAL', 'D')"));
    db.exec(QStringLiteral("INSERT INTO VINCODIGO VALUES ('02', '001', 'FUNDEB', 'A')"));
    db.exec(QStringLiteral("INSERT INTO VINCODIGO VALUES ('010', '001', 'CONVÊNIO ESTADUAL', 'D')"));

    const QDate jan(2024, 1, 31), feb(2024, 2, 29), mar(2024, 3, 31);
    const QString longText = QStringLiteral("Arrecadação do IPTU do exercício conforme boletim de caixa nº 12, guia 3.456 e "
                                            "relação de contribuintes anexa — São João");
    QList<Line> lines = {
        {nullptr, "SISTEMA ORCAMENTARIO", jan, 0, 0, 9, "100", 1, "01", "001", {}},
        {"111101", "RECEITA PREVISTA", jan, 1000, 0, 9, "100", 2, "01", "001", longText},
        {"191101", "RECEITA A REALIZAR", jan, 0, 1000, 9, "100", 3, "01", "001", QStringLiteral("Receita do mês")},
        {nullptr, "SISTEMA FINANCEIRO", jan, 0, 0, 9, "101", 4, "02", "001", {}},
        {"211101", "RECEITA ORÇAMENTÁRIA", jan, 500, 0, 9, "101", 5, "02", "001", QStringLiteral("Arrecadação")},
        {"311101", "CAIXA", jan, 0, 50, 9, "101", 6, "02", "001", QStringLiteral("Saída de caixa")},
        {"311201", "BANCOS CONTA MOVIMENTO", jan, 0, 450, 9, "101", 7, "02", "001", QStringLiteral("Depósito d'água")},
        {nullptr, "SISTEMA ORCAMENTARIO", feb, 0, 0, 7, "102", 8, nullptr, nullptr, {}},
        {"111101", "RECEITA PREVISTA", feb, 200, 0, 7, "102", 9, nullptr, nullptr, QStringLiteral("Reestimativa")},
        {"111101", "RECEITA PREVISTA", feb, 0, 300, 7, "102", 10, nullptr, nullptr, QStringLiteral("Anulação")},
        {"211101", "RECEITA ORÇAMENTÁRIA", feb, 0, 500, 7, "102", 11, "010", "001", QStringLiteral("Estorno")},
    };
    int seq = 12;
    // A long run of the economic system: it crosses a page of every book.
    lines.append({nullptr, "SISTEMA ECONOMICO", mar, 0, 0, 12, "103", seq++, "01", "001", {}});
    for (int i = 0; i < 30; ++i) {
        const bool debit = i % 2 == 0;
        const double value = 100.0 + i;
        lines.append({debit ? "411101" : "412101", debit ? "VARIAÇÃO ATIVA" : "VARIAÇÃO PASSIVA", mar, debit ? value : 0,
                      debit ? 0 : value, 12, "103", seq++, "01", "001",
                      i % 5 == 0 ? longText : QStringLiteral("Movimento %1").arg(i + 1)});
    }
    for (const Line &l : lines)
        insertLine(db, l);
    const QList<QStringList> chart = {
        {"111101", "RECEITA PREVISTA", "D"},     {"111100", "RECEITA PREVISTA (TÍTULO)", "D"},
        {"191101", "RECEITA A REALIZAR", "D"},   {"211101", "RECEITA ORÇAMENTÁRIA", "C"},
        {"311101", "CAIXA", "D"},                {"311201", "BANCOS CONTA MOVIMENTO", "D"},
        {"411101", "VARIAÇÃO ATIVA", "D"},       {"412101", "VARIAÇÃO PASSIVA", "C"},
    };
    for (const QStringList &a : chart)
        db.exec(QStringLiteral("INSERT INTO CONPLA (BALCO, TIP, TITCO, D_C) VALUES (?, ?, ?, ?)"), {a[0], a[0].left(1), a[1], a[2]});
    tx.commit();
}

} // namespace JournalFixture
