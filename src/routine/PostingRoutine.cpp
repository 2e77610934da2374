#include "routine/PostingRoutine.h"

#include "data/ChartOfAccounts.h"
#include "data/Interaction.h"
#include "data/JournalWriter.h"
#include "data/StandardHistories.h"

#include <stdexcept>

struct PostingRoutine::Line {
    QString vingrupo, vincodigo, balco, column;
    int ie = 0;
    Money amount;
    std::optional<int> histo;
    std::optional<QString> text;
    bool mapped = true;
};

namespace {

bool isDebitColumn(const QString &column)
{
    if (column.compare(QStringLiteral("debit"), Qt::CaseInsensitive) == 0)
        return true;
    if (column.compare(QStringLiteral("credi"), Qt::CaseInsensitive) == 0)
        return false;
    throw std::invalid_argument("amount column must be debit or credi");
}

} // namespace

PostingRoutine::PostingRoutine(JournalWriter &writer, const ChartOfAccounts &chart, const StandardHistories &histories,
                               Interaction &ui)
    : m_writer(writer), m_chart(chart), m_histories(histories), m_ui(ui)
{
}

QString PostingRoutine::systemTitle(int system)
{
    switch (system) {
    case 1:
        return QStringLiteral("SISTEMA ORCAMENTARIO");
    case 2:
        return QStringLiteral("SISTEMA FINANCEIRO");
    case 3:
        return QStringLiteral("SISTEMA PATRIMONIAL");
    case 4:
        return QStringLiteral("SISTEMA ECONOMICO");
    default:
        throw std::invalid_argument("system outside 1-4");
    }
}

QString PostingRoutine::missingAccountMessage(const QString &balco, bool withHistory)
{
    const QString advice = QStringLiteral("Para evitar erros, faça novamente o lançamento inicial \"corrigir codigos pendentes do "
                                          "plano de contas\" ou cadastre essa conta!");
    if (withHistory)
        return QStringLiteral("O código ") + balco + QStringLiteral(" não foi encontrado para lançamento automático.! \r") + advice;
    return QStringLiteral("O código ") + balco + QStringLiteral(" não foi encontrado para lançamento automático! ") + advice;
}

void PostingRoutine::Salva_condia(const QString &vingrupo, const QString &vincodigo, const QString &balco, int histo,
                                  const QString &column, int ie, Money amount)
{
    post({vingrupo, vincodigo, balco, column, ie, amount, histo, std::nullopt});
}

void PostingRoutine::salva_condia_HIST(const QString &vingrupo, const QString &vincodigo, const QString &balco,
                                       const QString &column, int ie, Money amount, const QString &text)
{
    post({vingrupo, vincodigo, balco, column, ie, amount, std::nullopt, text});
}

void PostingRoutine::Salva_condia(const QString &vingrupo, const QString &vincodigo, const Unmapped &account, int histo,
                                  const QString &column, int ie, Money amount)
{
    post({vingrupo, vincodigo, account.code, column, ie, amount, histo, std::nullopt, false});
}

void PostingRoutine::salva_condia_HIST(const QString &vingrupo, const QString &vincodigo, const Unmapped &account,
                                       const QString &column, int ie, Money amount, const QString &text)
{
    post({vingrupo, vincodigo, account.code, column, ie, amount, std::nullopt, text, false});
}

void PostingRoutine::direct(const QString &vingrupo, const QString &vincodigo, const QString &balco,
                            const QString &titco, const QString &column, int ie, Money amount, const QString &text)
{
    const bool isDebit = isDebitColumn(column);
    JournalRow row;
    row.vingrupo = vingrupo;
    row.vincodigo = vincodigo;
    row.balco = balco;
    row.titco = titco.left(30);
    row.datae = m_date;
    row.discri = text.left(180);
    (isDebit ? row.debit : row.credi) = amount;
    row.ie = ie;
    m_writer.append(std::move(row));
}

void PostingRoutine::post(const Line &line)
{
    const bool isDebit = isDebitColumn(line.column);
    if (m_skipZero && line.amount.isZero())
        return;

    JournalRow row;
    row.vingrupo = line.vingrupo;
    row.vincodigo = line.vincodigo;
    const auto *account = line.mapped ? m_chart.find(line.balco) : nullptr;
    if (account) {
        row.balco = line.balco;
        row.titco = account->titco.left(30);
    } else if (m_warnMissing) {
        m_ui.message(missingAccountMessage(line.balco, !line.text.has_value()), QString::fromUtf8(MissingAccountCaption),
                     Interaction::Icon::Warning);
    }
    row.datae = m_date;
    if (line.text) {
        row.discri = line.text->left(180);
    } else if (const auto text = m_histories.find(*line.histo)) {
        row.histo = *line.histo;
        row.discri = text->left(180);
    }
    (isDebit ? row.debit : row.credi) = line.amount;
    row.ie = line.ie;
    row.imp = QString::number(m_block);
    m_writer.append(std::move(row));
}

JournalRow &PostingRoutine::header(int ie, int system)
{
    JournalRow row;
    row.ie = ie;
    row.datae = m_date;
    row.titco = systemTitle(system);
    row.imp = QString::number(m_block);
    return m_writer.append(std::move(row));
}
