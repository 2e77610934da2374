#include "maintenance/EntryEditor.h"

#include "data/CommonRoutines.h"
#include "data/Database.h"
#include "data/Interaction.h"
#include "data/JournalStore.h"
#include "data/Sql.h"
#include "master/LinkTree.h"
#include "routine/PostingRoutine.h"

#include <cmath>

namespace {

const QString SystemPrefix = QStringLiteral("SISTE");

bool isHeader(const JournalRow &row)
{
    return row.balco.trimmed().isEmpty() && row.titco.startsWith(SystemPrefix);
}

std::optional<Money> parseAmount(const QString &text)
{
    bool ok = false;
    const Money m = Money::parseBr(text, &ok);
    return ok ? std::optional<Money>(m) : std::nullopt;
}

QString badNumberText(const QString &text)
{
    return QStringLiteral("'") + text + QStringLiteral("' não é um valor numérico válido.");
}

QString caption()
{
    return QString::fromUtf8(EntryEditor::Caption);
}

} // namespace

QString EntryEditor::modeText(Mode mode)
{
    return mode == Mode::Inclusao ? QStringLiteral("INCLUSAO") : QStringLiteral("ALTERACAO");
}

EntryEditor::EntryEditor(Database &db, Interaction &ui, Mode mode, JournalRow row)
    : m_db(db), m_ui(ui), m_mode(mode), m_original(row), m_row(std::move(row)), m_titleEntry(isHeader(m_original))
{
}

EntryEditor::Input EntryEditor::input() const
{
    const auto amount = [](const std::optional<Money> &m) { return m ? m->toSql(2).replace(u'.', u',') : QString(); };
    Input in;
    in.seq = m_row.seq ? QString::number(*m_row.seq) : QString();
    in.vingrupo = m_row.vingrupo;
    in.vincodigo = m_row.vincodigo;
    in.balco = m_row.balco;
    in.datae = m_row.datae;
    in.debit = amount(m_row.debit);
    in.credit = amount(m_row.credi);
    in.histo = m_row.histo ? QString::number(*m_row.histo) : QString();
    in.discri = m_row.discri;
    return in;
}

std::optional<ChartOfAccounts::Account> EntryEditor::findAccount(const QString &balco)
{
    QSqlQuery q = m_db.query(QStringLiteral("SELECT BALCO, TIP, TITCO, D_C FROM CONPLA WHERE BALCO = ?"), {balco.trimmed()});
    if (!q.next())
        return std::nullopt;
    ChartOfAccounts::Account a;
    a.balco = q.value(0).toString().trimmed();
    a.tip = q.value(1).toString().trimmed();
    a.titco = q.value(2).toString().trimmed();
    a.d_c = q.value(3).toString().trimmed();
    return a;
}

QString EntryEditor::accountLabel(const ChartOfAccounts::Account &account)
{
    return account.titco + QStringLiteral(" -> ") + account.d_c;
}

QString EntryEditor::noAccountLabel()
{
    return QStringLiteral("Nenhum selecionado");
}

EntryEditor::AccountOutcome EntryEditor::accountLeft(const QString &balco)
{
    const QString code = balco.trimmed();
    if (code.isEmpty())
        return {};
    m_row.balco = code;
    if (const auto account = findAccount(code)) {
        const QString label = accountLabel(*account);
        if (ChartOfAccounts::isTitle(code)) {
            m_ui.message(QStringLiteral("Selecione uma conta, esse código é de um título!"), {}, Interaction::Icon::None);
            return {label, Next::OpenAccountLookup};
        }
        return {label, Next::Stay};
    }
    const auto answer = m_ui.question(QStringLiteral("Codigo não disponível para lançamento! Deseja consultar ou cadastrar?"),
                                      caption(), Interaction::Button::Yes | Interaction::Button::No, Interaction::Button::No);
    if (answer == Interaction::Button::Yes)
        return {noAccountLabel(), Next::OpenAccountLookup};
    m_row.balco.clear();
    return {noAccountLabel(), Next::ClearAccount};
}

QString EntryEditor::accountChosen(const ChartOfAccounts::Account &account)
{
    m_row.balco = account.balco;
    return accountLabel(account);
}

bool EntryEditor::amountFilled(const QString &text)
{
    const QString t = text.trimmed();
    if (t.isEmpty())
        return false;
    const auto amount = parseAmount(t);
    return !amount || !amount->isZero();
}

EntryEditor::AmountFields EntryEditor::debitLeft(const QString &debit, const QString &credit)
{
    if (amountFilled(debit))
        return {debit, QStringLiteral("0"), true, false};
    return {debit, credit, true, true};
}

EntryEditor::AmountFields EntryEditor::creditLeft(const QString &debit, const QString &credit)
{
    if (amountFilled(credit))
        return {QStringLiteral("0"), credit, false, true};
    return {debit, credit, true, true};
}

QDate EntryEditor::dateLeft(const QDate &date)
{
    if (!date.isValid())
        return date;
    return QDate(date.year(), date.month(), CommonRoutines::ultimo_dia_mes(date.month(), date.year()));
}

EntryEditor::HistoryOutcome EntryEditor::historyLeft(const QString &code)
{
    const QString t = code.trimmed();
    if (t.isEmpty())
        return {};
    bool numeric = false;
    const int histo = t.toInt(&numeric);
    if (numeric) {
        QSqlQuery q = m_db.query(QStringLiteral("SELECT DISCRI FROM CONHIS WHERE HISTO = ?"), {histo});
        if (q.next()) {
            m_row.histo = histo;
            m_row.discri = q.value(0).toString().trimmed();
            return {m_row.discri, Next::Stay};
        }
    }
    return {std::nullopt, Next::OpenHistoryLookup};
}

EntryEditor::LinkOutcome EntryEditor::groupLeft(const QString &vingrupo)
{
    if (vingrupo.trimmed().isEmpty())
        return {};
    if (const auto name = LinkTree::groupName(m_db, vingrupo))
        return {*name, Next::Stay};
    m_ui.message(QStringLiteral("Não existem vinculos iniciando com ") + vingrupo, caption(), Interaction::Icon::Warning);
    return {{}, Next::OpenLinkLookup};
}

EntryEditor::LinkOutcome EntryEditor::codeLeft(const QString &vingrupo, const QString &vincodigo)
{
    if (vincodigo.trimmed().isEmpty())
        return {};
    if (const auto name = LinkTree::codeName(m_db, vingrupo, vincodigo))
        return {*name, Next::Stay};
    m_ui.message(QStringLiteral("Não existem vinculos iniciando com grupo \"") + vingrupo +
                     QStringLiteral("\" and subgrupo iniciando com \"") + vincodigo + u'"',
                 caption(), Interaction::Icon::Warning);
    return {{}, Next::OpenLinkLookup};
}

EntryEditor::System EntryEditor::systemOf(const QString &balco)
{
    const QChar first = balco.trimmed().isEmpty() ? QChar() : balco.trimmed().front();
    if (first < u'1' || first > u'4')
        return {};
    const int system = first.digitValue();
    return {PostingRoutine::systemTitle(system), 399 + system};
}

std::optional<EntryEditor::Refusal> EntryEditor::refuse(const QString &text, Field focus)
{
    m_ui.message(text, {}, Interaction::Icon::None);
    return Refusal{text, focus};
}

std::optional<EntryEditor::Refusal> EntryEditor::ok(const Input &in)
{
    const bool debitFilled = amountFilled(in.debit);
    const bool creditFilled = amountFilled(in.credit);
    JournalRow row = m_row;
    row.balco = in.balco.trimmed();
    row.vingrupo = in.vingrupo.trimmed();
    row.vincodigo = in.vincodigo.trimmed();
    row.datae = in.datae;
    row.discri = in.discri.left(180);
    if (!m_titleEntry) {
        if (row.balco.isEmpty())
            return refuse(QStringLiteral("Entre com o número da Conta!!!"), Field::Account);
        if (row.vingrupo.isEmpty())
            row.vingrupo = QStringLiteral("001");
        if (row.vincodigo.isEmpty())
            row.vincodigo = QStringLiteral("001");
        if (!row.datae.isValid())
            return refuse(QStringLiteral("Entre com Data do lançamento!!!"), Field::Date);
        if (!debitFilled && !creditFilled)
            return refuse(QStringLiteral("Entre com o valor!!!"));
        if (debitFilled && creditFilled)
            return refuse(QStringLiteral("Erro em um dos valores!!! Ou é Débito ou Crédito!!!"));
        const QString &typed = debitFilled ? in.debit : in.credit;
        const auto amount = parseAmount(typed.trimmed());
        if (!amount)
            return refuse(badNumberText(typed.trimmed()));
        row.debit = debitFilled ? *amount : Money();
        row.credi = creditFilled ? *amount : Money();
    } else {
        if (debitFilled || creditFilled)
            return refuse(QStringLiteral("Para título não pode digitar o valor!!!"));
        if (!row.balco.isEmpty())
            return refuse(QStringLiteral("Para título não pode digitar a Conta!!!"));
    }
    if (!row.vingrupo.isEmpty() || !row.vincodigo.isEmpty()) {
        QSqlQuery q = m_db.query(QStringLiteral("SELECT VINGRUPO,VINCODIGO FROM VINCODIGO WHERE VINGRUPO=") +
                                 Sql::quote(row.vingrupo) + QStringLiteral(" AND VINCODIGO=") + Sql::quote(row.vincodigo));
        if (!q.next()) {
            const QString text = QStringLiteral("Vinculo não encontrado no cadastro de vínculo! Verifique");
            m_ui.message(text, caption(), Interaction::Icon::Warning);
            return Refusal{text, Field::None};
        }
    }
    const QString histo = in.histo.trimmed();
    row.histo = histo.isEmpty() ? std::nullopt : std::optional<int>(histo.toInt());
    if (const auto seq = parseAmount(in.seq.trimmed()); seq && !in.seq.trimmed().isEmpty())
        row.seq = std::llround(seq->toDouble());
    m_row = row;
    if (m_mode == Mode::Inclusao)
        deriveNewEntry();
    if (!m_row.titco.startsWith(SystemPrefix)) {
        if (const auto account = findAccount(m_row.balco))
            m_row.titco = account->titco.left(30);
    }
    return std::nullopt;
}

void EntryEditor::deriveNewEntry()
{
    const System system = systemOf(m_row.balco);
    m_row.datae = dateLeft(m_row.datae);
    m_row.ie = 33;
    m_row.imp = QString::number(system.imp);
    m_row.seq = 1;
    // Manual entries of one day and system follow the header row of that day.
    QSqlQuery q = m_db.query(QStringLiteral("SELECT * FROM CONDIA WHERE IE=33 AND DATAE=") + Sql::date(m_row.datae) +
                             QStringLiteral(" AND TITCO=") + Sql::quote(system.title));
    if (q.next()) {
        m_row.seq = std::llround(q.value(QStringLiteral("SEQ")).toDouble()) + 1;
        m_row.imp = q.value(QStringLiteral("IMP")).toString().trimmed();
    }
}

void EntryEditor::save(JournalStore &journal)
{
    if (m_mode == Mode::Inclusao) {
        // The journal numbers a new row from its line counter; the entry keeps the
        // number of its manual block.
        const JournalRow inserted = journal.insert(m_row);
        journal.change(inserted, m_row);
    } else {
        journal.change(m_original, m_row);
    }
    journal.applyUpdates(m_ui);
}

void EntryEditor::cancel(JournalStore &journal)
{
    journal.cancelUpdates();
}
