#include "yearend/OpeningConference.h"

#include "data/CommonRoutines.h"
#include "data/Database.h"
#include "data/Interaction.h"

#include <QSqlRecord>
#include <exception>

using CommonRoutines::completa_direita;

namespace {

const QString problemRule = QStringLiteral("----------------------PROBLEMA---------------------------");

QString trailingTrimmed(QString text)
{
    qsizetype end = text.size();
    while (end > 0 && text[end - 1].isSpace())
        --end;
    text.truncate(end);
    return text;
}

QString fill(const QString &text, int width)
{
    return completa_direita(text, QStringLiteral(" "), width);
}

QString threeDigits(const QString &ficha)
{
    bool ok = false;
    const qlonglong n = ficha.toLongLong(&ok);
    return ok && n >= 0 ? QStringLiteral("%1").arg(n, 3, 10, QChar(u'0')) : ficha;
}

// Columns of the cross query of extra revenue against extra expenditure records.
enum Cross { FichaRec, Codre, Nomre, BalcoRec, FichaDes, Codlo, Nosub, BalcoDes };

const QString crossSql = QStringLiteral(
    "select a.ficha as ficharec,a.codre,RECTAB.nomre,a.balco as balcorecdis,b.ficha as fichades,b.codlo,b.nUNIDADE as "
    "nosub,b.balco as balcodesdis from recdis a  LEFT JOIN RECTAB ON RECTAB.CODRE=A.CODRE  LEFT JOIN viewDESDIS b ON "
    "a.BALCO=b.BALCO  WHERE a.EXTRA='S' and a.balco not like '3211%' union select "
    "a.ficha,a.codre,RECTAB.NOMRE,a.balco,b.ficha,b.codlo,b.nunidade as nosub,b.balco from recdis a right join viewdesdis "
    "b on a.balco=b.balco left join rectab on rectab.codre=a.codre where b.extra='S' and b.balco not like'3211%'");

} // namespace

OpeningConference::OpeningConference(Database &db, const QString &directory, Interaction &ui)
    : m_db(db), m_file(directory), m_ui(ui)
{
}

QString OpeningConference::problemsMessage()
{
    return QStringLiteral("Foram detectados alguns problemas que precisam ser resolvidos antes de lançar o diário!");
}

QList<QStringList> OpeningConference::rows(const QString &sql)
{
    QList<QStringList> result;
    QSqlQuery q = m_db.query(sql);
    const int columns = q.record().count();
    while (q.next()) {
        QStringList row;
        for (int i = 0; i < columns; ++i)
            row << (q.value(i).isNull() ? QString() : trailingTrimmed(q.value(i).toString()));
        result << row;
    }
    return result;
}

void OpeningConference::writeBlock(const QString &title1, const QString &title2, const QStringList &lines,
                                   const QStringList &solution)
{
    m_file.append(QStringList{QString(), problemRule, title1, title2, QString(57, u'-')} + lines + solution);
}

bool OpeningConference::VerificaProblemas()
{
    m_file.create();
    bool found = false;

    const auto unclassified = rows(QStringLiteral(
        "select VIEWdesdis.ficha,VIEWdesdis.codlo,VIEWDESDIS.NUNIDADE AS NOME from VIEWDESDIS where VIEWDESDIS.EXTRA='S' "
        "AND (BALCO='' OR BALCO IS NULL)"));
    if (!unclassified.isEmpty()) {
        QStringList lines;
        for (const auto &r : unclassified)
            lines << QStringLiteral("FICHA:") + r[0] + QStringLiteral(" - ") + r[1] + u' ' + r[2];
        writeBlock(QStringLiteral("CÓDIGO PATRIMONIAL DAS SEGUINTES FICHAS EXTRAS DA DESPESA"),
                   QStringLiteral("               NÃO FORAM ENCONTRADOS"), lines,
                   {QStringLiteral("SOLUÇÃO: ENTRE ALTERANDO AS FICHAS EXTRAS DA DESPESA ACIMA RELACIONADAS E "
                                   "ESPECIFIQUE O CÓDIGO PATRIMONIAL")});
        found = true;
    }

    const auto revenue = rows(QStringLiteral(
        "select RECDIS.ficha,RECDIS.CODRE,RECTAB.NOMRE from RECdis LEFT JOIN RECTAB ON RECDIS.CODRE=RECTAB.CODRE where "
        "RECDIS.EXTRA='S' AND (RECDIS.BALCO='' OR RECDIS.BALCO IS NULL)"));
    if (!revenue.isEmpty()) {
        QStringList lines;
        for (const auto &r : revenue)
            lines << QStringLiteral("FICHA ") + r[0] + QStringLiteral(" - ") + r[1] + u' ' + r[2];
        writeBlock(QStringLiteral("CÓDIGO PATRIMONIAL DAS SEGUINTES FICHAS EXTRAS DA RECEITA"),
                   QStringLiteral("               NÃO FORAM ENCONTRADOS"), lines,
                   {QStringLiteral("SOLUÇÃO: ENTRE ALTERANDO AS FICHAS EXTRAS DA RECEITA ACIMA RELACIONADAS E "
                                   "ESPECIFIQUE O CÓDIGO PATRIMONIAL")});
        found = true;
    }

    found = crossBlocks() || found;

    const auto accounts = rows(QStringLiteral("SELECT CONTA, RECUR, BALCO FROM DESCON WHERE SUBSTRING(BALCO FROM 1 FOR 4) "
                                              "NOT IN ('3111','3112','3113','3114','3115','3121')"));
    if (!accounts.isEmpty()) {
        QStringList lines;
        for (const auto &r : accounts)
            lines << QStringLiteral("CONTA:") + fill(r[0], 16) + QStringLiteral(" RECURSO:") + fill(r[1], 20) +
                         QStringLiteral(" PLANO CONTA: ") + r[2];
        writeBlock(QStringLiteral("CÓDIGO PATRIMONIAL DAS SEGUINTES CONTAS CORRENTES ESTÃO "),
                   QStringLiteral("               COM PROBLEMA DE CLASSIFICAÇÃO"), lines,
                   {QStringLiteral("SOLUÇÃO: ENTRE ALTERANDO AS CONTAS CORRENTES ACIMA RELACIONADAS E "),
                    QStringLiteral("         CRIE UM DOS SEGUINTES CÓDIGOS PATRIMONIAIS PARA ELAS."),
                    QStringLiteral("         3111__ - TESOURARIA"), QStringLiteral("         3112__ - BANCOS CONTA MOVIMENTO"),
                    QStringLiteral("         3113__ - BANCOS CONTA ESPECIAL"),
                    QStringLiteral("         3114__ - APLICAÇÕES FINANCEIRAS"),
                    QStringLiteral("         3115__ - OUTRAS DISPONIBILIDADES FINANCEIRAS"),
                    QStringLiteral("         3121__ - BANCO CONTA VINCULADA")});
        found = true;
    }
    return found;
}

// Extra revenue and extra expenditure records paired by account, both ways: a
// side without partner means the item is received on one account and paid on
// another (or not paid through the budget records at all). A pairing row holds
// only one record when the other side is missing; it is listed for that record,
// never as an empty line of the other block.
bool OpeningConference::crossBlocks()
{
    const auto cross = rows(crossSql);
    QStringList revenueOnly, expenditureOnly;
    for (const auto &r : cross) {
        if (r[BalcoDes].isEmpty() && !r[FichaRec].isEmpty())
            revenueOnly << QStringLiteral("FICHA:") + r[FichaRec] + QStringLiteral(" - ") + r[Codre] + u' ' + r[Nomre] +
                               u' ' + r[BalcoRec];
        if (r[BalcoRec].isEmpty() && !r[FichaDes].isEmpty())
            expenditureOnly << QStringLiteral("FICHA:") + r[FichaDes] + QStringLiteral(" - ") + r[Codlo] + u' ' +
                                   r[Nosub] + u' ' + r[BalcoDes];
    }
    if (!revenueOnly.isEmpty())
        writeBlock(QStringLiteral("CÓDIGO PATRIMONIAL ENCONTRADO NAS EXTRAS DA RECEITA"),
                   QStringLiteral("          E NÃO ENCONTRADO NAS DA DESPESA"), revenueOnly,
                   {QStringLiteral("SOLUÇÃO: ENCONTRE A FICHA DA DESPESA CORRESPONDENTE E ESPECIFIQUE O MESMO CODIGO "
                                   "PATRIMONIAL PARA ELA.")});
    if (!expenditureOnly.isEmpty())
        writeBlock(QStringLiteral("CÓDIGO PATRIMONIAL ENCONTRADO NAS EXTRAS DA DESPESA"),
                   QStringLiteral("          E NÃO ENCONTRADO NAS DA RECEITA"), expenditureOnly,
                   {QStringLiteral("SOLUÇÃO: ENCONTRE A FICHA DA RECEITA CORRESPONDENTE E ESPECIFIQUE O MESMO CODIGO "
                                   "PATRIMONIAL PARA ELA.")});
    return !revenueOnly.isEmpty() || !expenditureOnly.isEmpty();
}

bool OpeningConference::conferenceBlock(const QString &sql, int ruleWidth, const QString &title1, const QString &title2,
                                        QString (*rowLine)(const QStringList &))
{
    const auto found = rows(sql);
    if (found.isEmpty())
        return false;
    const QString rule(ruleWidth, u'-');
    QStringList lines{rule, title1, title2, rule};
    for (const auto &r : found)
        lines << rowLine(r);
    lines << rule << QStringLiteral(" ");
    m_file.append(lines);
    return true;
}

bool OpeningConference::conferencia()
{
    bool found = true;
    try {
        found = VerificaProblemas();
        const auto recordLine = [](const QStringList &r) {
            return QStringLiteral("   Ficha: ") + threeDigits(r[0]) + QStringLiteral(" Código: ") + r[1];
        };
        found = conferenceBlock(QStringLiteral("select ficha,balco from desdis where EXTRA='S' and balco not in (select "
                                               "balco from conpla)"),
                                50, QStringLiteral("CÓDIGO PATRIMONIAL ENCONTRADO NA FICHA DA DESPESA"),
                                QStringLiteral("     E NÃO CADASTRADO NO PLANO DE CONTAS"), recordLine) ||
                found;
        found = conferenceBlock(QStringLiteral("select ficha,balco from recdis where EXTRA='S' and balco not in (select "
                                               "balco from conpla)"),
                                50, QStringLiteral("CÓDIGO PATRIMONIAL ENCONTRADO NA FICHA DA RECEITA"),
                                QStringLiteral("     E NÃO CADASTRADO NO PLANO DE CONTAS"), recordLine) ||
                found;
        found = conferenceBlock(
                    QStringLiteral("select conta,recur,balco from descon where  balco not in (select balco from conpla)"), 70,
                    QStringLiteral("CÓDIGO PATRIMONIAL ENCONTRADO NA CONTA CORRENTE"),
                    QStringLiteral("     E NÃO CADASTRADO NO PLANO DE CONTAS"),
                    [](const QStringList &r) {
                        return QStringLiteral("   Conta: ") + fill(r[0], 14) + QStringLiteral("   Recur: ") + fill(r[1], 14) +
                               QStringLiteral(" Código: ") + r[2];
                    }) ||
                found;
        found = conferenceBlock(QStringLiteral("select conta,recur,balco from descon where  balco not LIKE '3111%' AND "
                                               "balco not LIKE '3112%' AND balco not LIKE '3113%' AND balco not LIKE "
                                               "'3114%' AND balco not LIKE '3115%' AND balco not LIKE '312%'"),
                                70, QStringLiteral("CÓDIGO PATRIMONIAL CLASSIFICADO INCORRETAMENTE NA"),
                                QStringLiteral("                CONTA CORRENTE"),
                                [](const QStringList &r) {
                                    return QStringLiteral(" Conta: ") + fill(r[0], 14) + QStringLiteral(" Recurso: ") +
                                           fill(r[1], 14) + QStringLiteral(" Código: ") + r[2];
                                }) ||
                found;
    } catch (const std::exception &) {
        return true;
    }
    if (found)
        m_ui.message(problemsMessage(), QString::fromUtf8(Caption), Interaction::Icon::Warning);
    else
        m_file.remove();
    return found;
}
