#include "cli/DemoCheck.h"

#include "cli/DemoMunicipality.h"
#include "cli/DemoTown.h"
#include "data/Database.h"
#include "data/Money.h"
#include "yearend/StandardChart.h"

#include <QMap>
#include <QSqlRecord>
#include <algorithm>

namespace {

// The accounts that take postings: six digits, not a title.
const char *const postable = "(SELECT BALCO FROM CONPLA WHERE SUBSTRING(BALCO FROM 5 FOR 2)<>'00')";

class Checker {
public:
    explicit Checker(Database &db) : m_db(db) {}

    // `sql` lists offending rows; each becomes part of one finding.
    void none(const QString &what, const QString &sql)
    {
        QSqlQuery q = m_db.query(sql);
        QStringList rows;
        int count = 0;
        while (q.next()) {
            if (++count > 5)
                continue;
            QStringList values;
            for (int i = 0; i < q.record().count(); ++i)
                values << q.value(i).toString().trimmed();
            rows << values.join(u' ');
        }
        if (count == 0)
            return;
        QString line = what + QStringLiteral(": ") + rows.join(QStringLiteral("; "));
        if (count > 5)
            line += QStringLiteral(" (e mais %1)").arg(count - 5);
        m_problems << line;
    }
    // `sql` counts rows that must exist.
    void some(const QString &what, const QString &sql, const QVariantList &values = {})
    {
        if (m_db.scalar(sql, values).toLongLong() == 0)
            m_problems << what;
    }
    void add(const QString &problem) { m_problems << problem; }
    QVariant scalar(const QString &sql, const QVariantList &values = {}) { return m_db.scalar(sql, values); }
    Database &db() { return m_db; }
    const QStringList &problems() const { return m_problems; }

private:
    Database &m_db;
    QStringList m_problems;
};

QString inYear(const QString &column, int year)
{
    return QStringLiteral("EXTRACT(YEAR FROM %1)<>%2").arg(column).arg(year);
}

void checkEntity(Checker &c, int year)
{
    c.some(QStringLiteral("CADCLI sem a entidade do exercício %1 (nome iniciado por PREFEITURA)").arg(year),
           QStringLiteral("SELECT COUNT(*) FROM CADCLI WHERE MEXER=? AND CLNT1 STARTING WITH 'PREFEITURA' "
                          "AND ENDERE IS NOT NULL AND CGC IS NOT NULL AND RODAPE IS NOT NULL"),
           {QString::number(year)});
    c.none(QStringLiteral("CADCLI com mais de uma linha"), QStringLiteral("SELECT COUNT(*) FROM CADCLI HAVING COUNT(*)>1"));
    c.some(QStringLiteral("LOGO sem figura a mostrar"),
           QStringLiteral("SELECT COUNT(*) FROM LOGO WHERE MOSTRA='S' AND OCTET_LENGTH(LOGO)>54"));
    c.some(QStringLiteral("PARAMEDU sem RD 'F'"), QStringLiteral("SELECT COUNT(*) FROM PARAMEDU WHERE RD='F'"));
    QMap<QString, QString> chart;
    QSqlQuery accounts = c.db().query(QStringLiteral("SELECT BALCO, TITCO, D_C FROM CONPLA"));
    while (accounts.next())
        chart.insert(accounts.value(0).toString().trimmed(),
                     accounts.value(1).toString().trimmed() + u'|' + accounts.value(2).toString().trimmed());
    QStringList missing;
    for (const auto &a : StandardChart::complete()) {
        if (chart.value(a.code) != a.title + u'|' + a.nature)
            missing << a.code;
    }
    if (!missing.isEmpty())
        c.add(QStringLiteral("Plano de contas sem as contas padrão (ou com título ou natureza diferentes): ")
              + missing.mid(0, 10).join(u' '));
    QMap<int, QString> texts;
    QSqlQuery h = c.db().query(QStringLiteral("SELECT HISTO, DISCRI FROM CONHIS"));
    while (h.next())
        texts.insert(h.value(0).toInt(), h.value(1).toString().trimmed());
    QStringList histories;
    for (const auto &history : DemoTown::histories()) {
        if (texts.value(history.histo).isEmpty())
            histories << QString::number(history.histo);
    }
    if (!histories.isEmpty())
        c.add(QStringLiteral("Históricos padrão ausentes: ") + histories.join(u' '));
}

void checkLinks(Checker &c, bool withExecution)
{
    const QString used = withExecution
                             ? QStringLiteral("SELECT VINGRUPO, VINCODIGO FROM DESDIS UNION SELECT VINGRUPO, VINCODIGO FROM "
                                              "RECDIS UNION SELECT VINGRUPO, VINCODIGO FROM DESPES UNION SELECT VINGRUPO, "
                                              "VINCODIGO FROM DESCON UNION SELECT VINGRUPO, VINCODIGO FROM FRESPA UNION "
                                              "SELECT VINGRUPO, VINCODIGO FROM CONDIA WHERE BALCO IS NOT NULL")
                             : QStringLiteral("SELECT VINGRUPO, VINCODIGO FROM CONDIA WHERE BALCO IS NOT NULL");
    c.none(QStringLiteral("Vínculos usados sem nome em VINCODIGO"),
           QStringLiteral("SELECT T.VINGRUPO, T.VINCODIGO FROM (%1) T WHERE NOT EXISTS (SELECT 1 FROM VINCODIGO V WHERE "
                          "V.VINGRUPO=T.VINGRUPO AND V.VINCODIGO=T.VINCODIGO AND TRIM(V.VINCODIGONOME)<>'')")
               .arg(used));
    c.none(QStringLiteral("Grupos de vínculo sem nome em VINGRUPO"),
           QStringLiteral("SELECT DISTINCT V.VINGRUPO FROM VINCODIGO V WHERE NOT EXISTS (SELECT 1 FROM VINGRUPO G WHERE "
                          "G.VINGRUPO=V.VINGRUPO AND TRIM(G.VINGRUPONOME)<>'')"));
    c.some(QStringLiteral("Nenhum vínculo da administração indireta (CLASSE 'A')"),
           QStringLiteral("SELECT COUNT(*) FROM VINCODIGO WHERE CLASSE='A'"));
    c.some(QStringLiteral("Nenhum vínculo da administração direta"),
           QStringLiteral("SELECT COUNT(*) FROM VINCODIGO WHERE CLASSE<>'A'"));
}

void checkAccounts(Checker &c)
{
    const QString chart = QLatin1String(postable);
    c.none(QStringLiteral("Contas usadas fora do plano (ou títulos)"),
           QStringLiteral("SELECT 'DESDIS', FICHA, BALCO FROM DESDIS WHERE BALCO IS NOT NULL AND BALCO NOT IN %1 "
                          "UNION ALL SELECT 'RECDIS', FICHA, BALCO FROM RECDIS WHERE BALCO IS NOT NULL AND BALCO NOT IN %1 "
                          "UNION ALL SELECT 'DESCON', CONTA, BALCO FROM DESCON WHERE BALCO IS NULL OR BALCO NOT IN %1 "
                          "UNION ALL SELECT 'CADPAT', CHAPA, BALCO FROM CADPAT WHERE BALCO IS NULL OR BALCO NOT IN %1 "
                          "UNION ALL SELECT 'CONAUT', GRUPO, BALCO FROM CONAUT WHERE CHAR_LENGTH(BALCO)=6 AND BALCO NOT IN %1")
               .arg(chart));
    // Accounts the postings build from the records: the expenditure by function,
    // the revenue by category, the expenditure by economic category and group,
    // the mirrors and copies of the extra-budget accounts, the counterparts of
    // the memorandum rules.
    c.none(QStringLiteral("Contas montadas pelos lançamentos ausentes do plano"),
           QStringLiteral(
               "SELECT N FROM (SELECT DISTINCT '2111'||FUNCAO AS N FROM DESDIS WHERE EXTRA='N' "
               "UNION SELECT DISTINCT S||SUBSTRING(CODRE FROM 1 FOR 1)||'0'||SUBSTRING(CODRE FROM 2 FOR 1) FROM RECDIS, "
               "(SELECT '141' AS S FROM RDB$DATABASE UNION SELECT '221' FROM RDB$DATABASE UNION SELECT '411' FROM "
               "RDB$DATABASE) P WHERE EXTRA='N' "
               "UNION SELECT DISTINCT IIF(SUBSTRING(CATEC FROM 1 FOR 1)='3','42110','42120')||SUBSTRING(CATEC FROM 3 FOR 1) "
               "FROM DESPES WHERE CATEC IS NOT NULL "
               "UNION SELECT DISTINCT P.S||SUBSTRING(BALCO FROM 5 FOR 2) FROM DESDIS, (SELECT '2113' AS S FROM "
               "RDB$DATABASE UNION SELECT '1313' FROM RDB$DATABASE UNION SELECT '1414' FROM RDB$DATABASE UNION SELECT "
               "'1633' FROM RDB$DATABASE) P WHERE BALCO LIKE '3237%' "
               "UNION SELECT DISTINCT P.S||SUBSTRING(BALCO FROM 5 FOR 2) FROM DESDIS, (SELECT '2442' AS S FROM "
               "RDB$DATABASE UNION SELECT '2342' FROM RDB$DATABASE) P WHERE BALCO LIKE '3242%' "
               "UNION SELECT DISTINCT P.S||SUBSTRING(BALCO FROM 5 FOR 2) FROM DESDIS, (SELECT '2444' AS S FROM "
               "RDB$DATABASE UNION SELECT '2344' FROM RDB$DATABASE) P WHERE BALCO LIKE '3134%' "
               "UNION SELECT DISTINCT R.BALCO||SUBSTRING(P.BALCO FROM 5 FOR 2) FROM CONAUT R, CONPLA P WHERE "
               "CHAR_LENGTH(R.BALCO)=4 AND P.BALCO STARTING WITH R.GRUPO AND SUBSTRING(P.BALCO FROM 5 FOR 2)<>'00') T "
               "WHERE N NOT IN %1")
               .arg(chart));
    c.none(QStringLiteral("Classificação da despesa incompatível (categoria e grupo)"),
           QStringLiteral("SELECT PKEMP, CATEC FROM DESPES WHERE CATEC IS NOT NULL AND NOT ("
                          "(SUBSTRING(CATEC FROM 1 FOR 1)='3' AND SUBSTRING(CATEC FROM 3 FOR 1)<'4') OR "
                          "(SUBSTRING(CATEC FROM 1 FOR 1)='4' AND SUBSTRING(CATEC FROM 3 FOR 1)>='4'))"));
}

void checkExpenditure(Checker &c, int year)
{
    c.none(QStringLiteral("Empenhos sem ficha da despesa ou com vínculo diferente do da ficha"),
           QStringLiteral("SELECT E.PKEMP FROM DESPES E LEFT JOIN DESDIS D ON D.FICHA=E.FICHA WHERE D.FICHA IS NULL OR "
                          "D.VINGRUPO<>E.VINGRUPO OR D.VINCODIGO<>E.VINCODIGO"));
    c.none(QStringLiteral("Empenhos fora do exercício"),
           QStringLiteral("SELECT PKEMP FROM DESPES WHERE DATAE IS NULL OR %1").arg(inYear(QStringLiteral("DATAE"), year)));
    // With PARAMEDU.RD 'F' the postings test "PKEMPA NOT IN (...)", which no row
    // with an empty PKEMPA passes.
    c.none(QStringLiteral("Empenhos com PKEMPA vazio"), QStringLiteral("SELECT PKEMP FROM DESPES WHERE PKEMPA IS NULL"));
    c.none(QStringLiteral("Anulações que não se referem a um empenho da mesma ficha, anterior"),
           QStringLiteral("SELECT A.PKEMP FROM DESPES A LEFT JOIN DESPES E ON E.PKEMP=A.PKEMPA WHERE A.VADEM<0 AND "
                          "(E.PKEMP IS NULL OR E.VADEM<=0 OR E.FICHA<>A.FICHA OR E.DATAE>A.DATAE)"));
    c.none(QStringLiteral("Anulações acima do empenho"),
           QStringLiteral("SELECT E.PKEMP FROM DESPES E WHERE E.VADEM>0 AND E.VADEM+(SELECT COALESCE(SUM(A.VADEM),0) FROM "
                          "DESPES A WHERE A.PKEMPA=E.PKEMP AND A.VADEM<0)<0"));
    c.none(QStringLiteral("Pagamentos acima do empenho (descontadas as anulações)"),
           QStringLiteral("SELECT E.PKEMP FROM DESPES E WHERE E.VADEM>0 AND (SELECT COALESCE(SUM(P.VAPAG),0) FROM PAGAMENTO P "
                          "WHERE P.PKEMP=E.PKEMP)>E.VADEM+(SELECT COALESCE(SUM(A.VADEM),0) FROM DESPES A WHERE "
                          "A.PKEMPA=E.PKEMP AND A.VADEM<0)"));
    c.none(QStringLiteral("Pagamentos sem empenho, antes do empenho, fora do exercício ou sem fornecedor"),
           QStringLiteral("SELECT P.PKPAG FROM PAGAMENTO P LEFT JOIN DESPES E ON E.PKEMP=P.PKEMP LEFT JOIN DESFOR F ON "
                          "F.CODIF=P.CODIF WHERE E.PKEMP IS NULL OR E.VADEM<=0 OR P.DTPAG<E.DATAE OR P.VAPAG<=0 OR "
                          "F.CODIF IS NULL OR %1")
               .arg(inYear(QStringLiteral("P.DTPAG"), year)));
    c.none(QStringLiteral("Fichas da despesa empenhadas além da dotação e dos créditos"),
           QStringLiteral("SELECT D.FICHA FROM DESDIS D WHERE D.EXTRA='N' AND (SELECT COALESCE(SUM(E.VADEM),0) FROM DESPES E "
                          "WHERE E.FICHA=D.FICHA)>D.DOTAC+(SELECT COALESCE(SUM(S.VALOR),0) FROM DESALD S WHERE "
                          "S.FICHA=D.FICHA)"));
    c.none(QStringLiteral("Empenhos orçamentários sem classificação, ou extraorçamentários com ela"),
           QStringLiteral("SELECT E.PKEMP FROM DESPES E JOIN DESDIS D ON D.FICHA=E.FICHA WHERE (D.EXTRA='N' AND "
                          "(E.CATEC IS NULL OR D.FUNCAO IS NULL)) OR (D.EXTRA='S' AND (E.CATEC IS NOT NULL OR D.FUNCAO IS "
                          "NOT NULL))"));
    c.none(QStringLiteral("Fichas sem unidade orçamentária"),
           QStringLiteral("SELECT FICHA FROM VIEWDESDIS WHERE NUNIDADE IS NULL"));
    c.some(QStringLiteral("Nenhum empenho do tipo RD"), QStringLiteral("SELECT COUNT(*) FROM DESPES WHERE TPEM='RD'"));
    for (const char *catec : {"3.1", "3.2", "3.3", "4.4", "4.5", "4.6"}) {
        c.some(QStringLiteral("Nenhum empenho de classificação %1").arg(QLatin1String(catec)),
               QStringLiteral("SELECT COUNT(*) FROM DESPES WHERE VADEM>0 AND CATEC STARTING WITH ?"), {QLatin1String(catec)});
    }
    c.some(QStringLiteral("Nenhuma anulação de empenho"), QStringLiteral("SELECT COUNT(*) FROM DESPES WHERE VADEM<0"));
    c.some(QStringLiteral("Nenhum empenho extraorçamentário"),
           QStringLiteral("SELECT COUNT(*) FROM DESPES E JOIN DESDIS D ON D.FICHA=E.FICHA WHERE D.EXTRA='S'"));
    c.some(QStringLiteral("FRESPA sem restos a pagar"), QStringLiteral("SELECT COUNT(*) FROM FRESPA"));
    c.none(QStringLiteral("Restos a pagar (FRESPA) além do que o empenho deixou por pagar"),
           QStringLiteral("SELECT R.PKEMP FROM FRESPA R LEFT JOIN DESPES E ON E.PKEMP=R.PKEMP LEFT JOIN DESDIS D ON "
                          "D.FICHA=E.FICHA WHERE E.PKEMP IS NULL OR D.EXTRA<>'N' OR R.INSC NOT IN ('E','F','S','N') OR "
                          "R.PROCESSADO<0 OR R.NPROCESSADO<0 OR R.PROCESSADO+R.NPROCESSADO<>E.VADEM+(SELECT "
                          "COALESCE(SUM(A.VADEM),0) FROM DESPES A WHERE A.PKEMPA=E.PKEMP AND A.VADEM<0)-(SELECT "
                          "COALESCE(SUM(P.VAPAG),0) FROM PAGAMENTO P WHERE P.PKEMP=E.PKEMP)"));
}

void checkCredits(Checker &c, int year)
{
    c.none(QStringLiteral("Créditos adicionais sem ficha orçamentária, com IE fora de 1 a 5, decreto ausente ou fora do "
                          "exercício"),
           QStringLiteral("SELECT S.FICHA, S.IE, S.DECRETO FROM DESALD S LEFT JOIN DESDIS D ON D.FICHA=S.FICHA LEFT JOIN "
                          "CADDECRETO K ON K.DECRETO=S.DECRETO WHERE D.FICHA IS NULL OR D.EXTRA<>'N' OR S.IE NOT BETWEEN 1 "
                          "AND 5 OR (S.DECRETO IS NOT NULL AND K.DECRETO IS NULL) OR %1")
               .arg(inYear(QStringLiteral("S.DTLAN"), year)));
    for (int ie = 1; ie <= 5; ++ie) {
        c.some(QStringLiteral("Nenhum crédito adicional com IE %1").arg(ie),
               QStringLiteral("SELECT COUNT(*) FROM DESALD WHERE IE=? AND VALOR>0"), {ie});
    }
    c.some(QStringLiteral("Nenhuma ficha criada por crédito especial"),
           QStringLiteral("SELECT COUNT(*) FROM DESDIS D WHERE D.DOTAC=0 AND D.EXTRA='N' AND D.ESPECIAL<>'N' AND EXISTS "
                          "(SELECT 1 FROM DESALD S WHERE S.FICHA=D.FICHA AND S.VALOR>0)"));
    c.some(QStringLiteral("Nenhuma redução de ficha especial"),
           QStringLiteral("SELECT COUNT(*) FROM DESALD S JOIN DESDIS D ON D.FICHA=S.FICHA WHERE S.IE=1 AND S.VALOR<0 AND "
                          "D.DOTAC=0 AND D.ESPECIAL<>'N'"));
}

void checkRevenue(Checker &c, int year)
{
    c.none(QStringLiteral("Receitas sem ficha, ou fora do exercício"),
           QStringLiteral("SELECT R.FICHA, R.DTLAN FROM RECEIT R LEFT JOIN RECDIS D ON D.FICHA=R.FICHA WHERE D.FICHA IS NULL "
                          "OR %1")
               .arg(inYear(QStringLiteral("R.DTLAN"), year)));
    c.none(QStringLiteral("Fichas da receita com código fora da tabela de receitas"),
           QStringLiteral("SELECT FICHA, CODRE FROM RECDIS WHERE CODRE NOT IN (SELECT CODRE FROM RECTAB)"));
    for (const char *family : {"193", "211", "221", "222", "97"}) {
        c.some(QStringLiteral("Nenhuma receita arrecadada da família %1").arg(QLatin1String(family)),
               QStringLiteral("SELECT COUNT(*) FROM RECEIT R JOIN RECDIS D ON D.FICHA=R.FICHA WHERE D.EXTRA='N' AND "
                              "D.CODRE STARTING WITH ?"),
               {QLatin1String(family)});
    }
}

void checkExtraBudget(Checker &c)
{
    c.none(QStringLiteral("Fichas extraorçamentárias sem código patrimonial"),
           QStringLiteral("SELECT 'DESDIS', FICHA FROM DESDIS WHERE EXTRA='S' AND (BALCO IS NULL OR BALCO='') UNION ALL "
                          "SELECT 'RECDIS', FICHA FROM RECDIS WHERE EXTRA='S' AND (BALCO IS NULL OR BALCO='')"));
    c.none(QStringLiteral("Códigos patrimoniais extraorçamentários só de um lado (receita ou despesa)"),
           QStringLiteral("SELECT 'RECDIS', BALCO FROM RECDIS R WHERE EXTRA='S' AND BALCO NOT LIKE '3211%' AND NOT EXISTS "
                          "(SELECT 1 FROM DESDIS D WHERE D.EXTRA='S' AND D.BALCO=R.BALCO) UNION ALL SELECT 'DESDIS', BALCO "
                          "FROM DESDIS D WHERE EXTRA='S' AND BALCO NOT LIKE '3211%' AND NOT EXISTS (SELECT 1 FROM RECDIS R "
                          "WHERE R.EXTRA='S' AND R.BALCO=D.BALCO)"));
    const struct {
        const char *prefix;
        bool receipts;
        bool payments;
    } expected[] = {
        {"3131", true, true},  {"3132", true, true},  {"3133", true, true},  {"3134", true, true},
        {"3135", true, true},  {"3211", false, true}, {"3221", false, true}, {"3231", true, true},
        {"3232", true, true},  {"3233", true, true},  {"3234", true, true},  {"3235", true, true},
        {"3236", true, true},  {"3237", true, true},  {"3241", true, true},  {"3242", true, true},
        {"3421", false, true}, {"3422", true, true},  {"3711", true, true},  {"3811", false, true},
        {"3821", false, true}, {"3852", true, false}, {"33811", false, true},
    };
    // The accounts of the allocations that moved money, read once (a query per
    // prefix would read every payment twenty times).
    auto accountsWith = [&c](const QString &sql) {
        QStringList list;
        QSqlQuery q = c.db().query(sql);
        while (q.next())
            list << q.value(0).toString().trimmed();
        return list;
    };
    const QStringList received = accountsWith(QStringLiteral(
        "SELECT DISTINCT D.BALCO FROM RECDIS D WHERE D.BALCO IS NOT NULL AND EXISTS (SELECT 1 FROM RECEIT R WHERE "
        "R.FICHA=D.FICHA)"));
    const QStringList paid = accountsWith(QStringLiteral(
        "SELECT DISTINCT D.BALCO FROM DESDIS D WHERE D.BALCO IS NOT NULL AND EXISTS (SELECT 1 FROM DESPES E JOIN "
        "PAGAMENTO P ON P.PKEMP=E.PKEMP WHERE E.FICHA=D.FICHA)"));
    auto any = [](const QStringList &accounts, const QString &prefix) {
        return std::any_of(accounts.cbegin(), accounts.cend(), [&](const QString &a) { return a.startsWith(prefix); });
    };
    for (const auto &e : expected) {
        const QString prefix = QLatin1String(e.prefix);
        if (e.receipts && !any(received, prefix))
            c.add(QStringLiteral("Nenhum recebimento em conta %1").arg(prefix));
        if (e.payments && !any(paid, prefix))
            c.add(QStringLiteral("Nenhum pagamento em conta %1").arg(prefix));
    }
    c.some(QStringLiteral("Nenhum cancelamento de restos a pagar"),
           QStringLiteral("SELECT COUNT(*) FROM DESPES E JOIN DESDIS D ON D.FICHA=E.FICHA WHERE E.VADEM<0 AND D.BALCO LIKE '32110%'"));
}

void checkTreasury(Checker &c, int year)
{
    for (const char *kind : {"3111", "3112", "3113", "3114", "3115", "3121"}) {
        c.some(QStringLiteral("Nenhuma conta bancária ou caixa do tipo %1").arg(QLatin1String(kind)),
               QStringLiteral("SELECT COUNT(*) FROM DESCON WHERE BALCO STARTING WITH ? AND SALDOINICIAL>0"),
               {QLatin1String(kind)});
    }
    c.none(QStringLiteral("Contas bancárias de tipo desconhecido"),
           QStringLiteral("SELECT CONTA, BALCO FROM DESCON WHERE SUBSTRING(BALCO FROM 1 FOR 4) NOT IN "
                          "('3111','3112','3113','3114','3115','3121')"));
    c.none(QStringLiteral("Ordens de caixa sem conta ou fora do exercício"),
           QStringLiteral("SELECT O.CONTA, O.DTLAN FROM ORDCAI O LEFT JOIN DESCON D ON D.CONTA=O.CONTA WHERE D.CONTA IS "
                          "NULL OR %1")
               .arg(inYear(QStringLiteral("O.DTLAN"), year)));
    c.none(QStringLiteral("Ordens de caixa de 1º de janeiro que não são o saldo inicial da conta"),
           QStringLiteral("SELECT O.CONTA FROM ORDCAI O JOIN DESCON D ON D.CONTA=O.CONTA WHERE EXTRACT(MONTH FROM O.DTLAN)=1 "
                          "AND EXTRACT(DAY FROM O.DTLAN)=1 GROUP BY O.CONTA, D.SALDOINICIAL HAVING COUNT(*)>1 OR "
                          "SUM(O.DEBIT)<>0 OR SUM(O.CREDI)<>D.SALDOINICIAL"));
    c.none(QStringLiteral("Contas com saldo inicial sem a ordem de caixa de abertura"),
           QStringLiteral("SELECT D.CONTA FROM DESCON D WHERE D.SALDOINICIAL<>0 AND NOT EXISTS (SELECT 1 FROM ORDCAI O "
                          "WHERE O.CONTA=D.CONTA AND EXTRACT(MONTH FROM O.DTLAN)=1 AND EXTRACT(DAY FROM O.DTLAN)=1)"));
    for (int m = 1; m <= 12; ++m) {
        c.none(QStringLiteral("Contas sem ordem de caixa no mês %1").arg(m),
               QStringLiteral("SELECT D.CONTA FROM DESCON D WHERE NOT EXISTS (SELECT 1 FROM ORDCAI O WHERE O.CONTA=D.CONTA "
                              "AND EXTRACT(MONTH FROM O.DTLAN)=%1 AND NOT (EXTRACT(MONTH FROM O.DTLAN)=1 AND "
                              "EXTRACT(DAY FROM O.DTLAN)=1))")
                   .arg(m));
    }
    c.none(QStringLiteral("Totais de DESCON diferentes das ordens de caixa"),
           QStringLiteral("SELECT D.CONTA FROM DESCON D WHERE D.CREDI<>(SELECT COALESCE(SUM(CREDI),0) FROM ORDCAI O WHERE "
                          "O.CONTA=D.CONTA) OR D.DEBIT<>(SELECT COALESCE(SUM(DEBIT),0) FROM ORDCAI O WHERE O.CONTA=D.CONTA) "
                          "OR D.SALDO<>D.CREDI-D.DEBIT"));
}

void checkPatrimony(Checker &c, int year)
{
    for (const char *orig : {"C", "D"}) {
        c.some(QStringLiteral("Nenhum bem adquirido no exercício com origem %1").arg(QLatin1String(orig)),
               QStringLiteral("SELECT COUNT(*) FROM CADPAT WHERE ORIG=? AND EXTRACT(YEAR FROM DATAE)=?"),
               {QLatin1String(orig), year});
    }
    c.none(QStringLiteral("Bens com origem desconhecida"),
           QStringLiteral("SELECT CHAPA FROM CADPAT WHERE ORIG IS NULL OR ORIG NOT IN ('C','D')"));
    c.some(QStringLiteral("Nenhuma baixa de bem no exercício"),
           QStringLiteral("SELECT COUNT(*) FROM MOVBEM WHERE TIPO='B' AND EXTRACT(YEAR FROM DATA)=?"), {year});
    c.none(QStringLiteral("Movimentações de bens que não existem (BEM e NATUR)"),
           QStringLiteral("SELECT M.BEM FROM MOVBEM M WHERE NOT EXISTS (SELECT 1 FROM CADPAT P WHERE P.CHAPA=M.BEM AND "
                          "P.NATUR=M.NATUR AND P.DATAE<=M.DATA)"));
}

// The chart's totals are the journal's, as the totalisation leaves them.
void checkClosedChart(Checker &c, int year)
{
    c.none(QStringLiteral("Totais do plano diferentes do diário"),
           QStringLiteral("SELECT P.BALCO FROM CONPLA P LEFT JOIN (SELECT BALCO, SUM(DEBIT) AS D, SUM(CREDI) AS C FROM "
                          "CONDIA WHERE BALCO IS NOT NULL GROUP BY BALCO) J ON J.BALCO=P.BALCO WHERE "
                          "SUBSTRING(P.BALCO FROM 5 FOR 2)<>'00' AND (P.DEBIT<>COALESCE(J.D,0) OR P.CREDIT<>COALESCE(J.C,0) "
                          "OR P.SALDO<>IIF(P.D_C='C', P.CREDIT-P.DEBIT, P.DEBIT-P.CREDIT))"));
    c.none(QStringLiteral("Blocos do diário que não fecham (débitos e créditos)"),
           QStringLiteral("SELECT DATAE, IE, IMP FROM CONDIA GROUP BY DATAE, IE, IMP HAVING COALESCE(SUM(DEBIT),0)<>"
                          "COALESCE(SUM(CREDI),0)"));
    c.none(QStringLiteral("Lançamentos em contas fora do plano ou fora do exercício"),
           QStringLiteral("SELECT SEQ, BALCO FROM CONDIA WHERE (BALCO IS NOT NULL AND BALCO NOT IN %1) OR %2")
               .arg(QLatin1String(postable), inYear(QStringLiteral("DATAE"), year)));
    c.none(QStringLiteral("Contas com saldo após o encerramento"),
           QStringLiteral("SELECT BALCO, SALDO FROM CONPLA WHERE SALDO<>0 AND (BALCO STARTING WITH '1' OR BALCO IN "
                          "('391101','491101','325101','242101'))"));
    c.some(QStringLiteral("Nenhum saldo patrimonial a transportar"),
           QStringLiteral("SELECT COUNT(*) FROM CONPLA WHERE BALCO STARTING WITH '3' AND SALDO<>0 AND "
                          "SUBSTRING(BALCO FROM 5 FOR 2)<>'00'"));
    c.some(QStringLiteral("FINAL sem o encerramento consolidado de 31/12/%1").arg(year),
           QStringLiteral("SELECT COUNT(*) FROM FINAL WHERE TIPO=1 AND DATA=?"), {QStringLiteral("31/12/%1").arg(year)});
    c.none(QStringLiteral("FINAL com mais de uma linha"), QStringLiteral("SELECT COUNT(*) FROM FINAL HAVING COUNT(*)>1"));
}

QMap<QString, Money> amounts(Database &db, const QString &sql)
{
    QMap<QString, Money> out;
    QSqlQuery q = db.query(sql);
    while (q.next())
        out.insert(q.value(0).toString().trimmed(), Money::fromVariant(q.value(1), 2));
    return out;
}

} // namespace

QStringList DemoCheck::currentYear(Database &db, int year)
{
    Checker c(db);
    checkEntity(c, year);
    checkLinks(c, true);
    checkAccounts(c);
    checkExpenditure(c, year);
    checkCredits(c, year);
    checkRevenue(c, year);
    checkExtraBudget(c);
    checkTreasury(c, year);
    checkPatrimony(c, year);
    c.none(QStringLiteral("O diário do exercício atual não está vazio"),
           QStringLiteral("SELECT COUNT(*) FROM CONDIA HAVING COUNT(*)>0"));
    return c.problems();
}

QStringList DemoCheck::previousYear(Database &db, int year)
{
    Checker c(db);
    checkEntity(c, year);
    checkLinks(c, false);
    checkClosedChart(c, year);
    return c.problems();
}

QStringList DemoCheck::betweenYears(Database &previous, Database &current)
{
    QStringList problems;
    // The cash and bank balances the opening carries into the new year.
    const auto banks = amounts(current, QStringLiteral("SELECT BALCO, SUM(SALDOINICIAL) FROM DESCON GROUP BY BALCO"));
    const auto closed = amounts(previous, QStringLiteral("SELECT BALCO, SALDO FROM CONPLA WHERE (BALCO STARTING WITH '311' "
                                                         "OR BALCO STARTING WITH '312') AND SUBSTRING(BALCO FROM 5 FOR "
                                                         "2)<>'00' AND SALDO<>0"));
    for (auto it = banks.cbegin(); it != banks.cend(); ++it) {
        if (closed.value(it.key()) != it.value())
            problems << QStringLiteral("Saldo inicial das contas %1 (%2) diferente do saldo final do exercício anterior (%3)")
                            .arg(it.key(), it.value().toBr(), closed.value(it.key()).toBr());
    }
    for (auto it = closed.cbegin(); it != closed.cend(); ++it) {
        if (!banks.contains(it.key()))
            problems << QStringLiteral("Conta %1 com saldo no exercício anterior e sem conta bancária").arg(it.key());
    }
    // The payables the year before left are the payables registered this year.
    const Money left = Money::fromVariant(
        previous.scalar(QStringLiteral("SELECT CAST(COALESCE(SUM(SALDO),0) AS NUMERIC(18,2)) FROM CONPLA WHERE BALCO "
                                       "STARTING WITH '3211' AND SUBSTRING(BALCO FROM 5 FOR 2)<>'00'")),
        2);
    const Money registered = Money::fromVariant(
        current.scalar(QStringLiteral("SELECT CAST(COALESCE(SUM(E.VADEM),0) AS NUMERIC(18,2)) FROM DESPES E JOIN DESDIS D "
                                      "ON D.FICHA=E.FICHA WHERE E.VADEM>0 AND D.EXTRA='S' AND D.BALCO STARTING WITH '3211'")),
        2);
    if (left != registered)
        problems << QStringLiteral("Restos a pagar do exercício anterior (%1) diferentes dos inscritos neste (%2)")
                        .arg(left.toBr(), registered.toBr());
    return problems;
}

QStringList DemoCheck::folder(const QString &dir, int year)
{
    Database previous(DemoMunicipality::databasePath(dir, year - 1));
    previous.open();
    Database current(DemoMunicipality::databasePath(dir, year));
    current.open();
    QStringList problems;
    for (const QString &p : previousYear(previous, year - 1))
        problems << QStringLiteral("%1: %2").arg(year - 1).arg(p);
    for (const QString &p : currentYear(current, year))
        problems << QStringLiteral("%1: %2").arg(year).arg(p);
    problems << betweenYears(previous, current);
    return problems;
}
