#include "maintenance/ui/Tfrmmanu.h"

#include "data/Interaction.h"
#include "data/JournalStore.h"
#include "master/AmountKeys.h"
#include "master/ui/TFrmPesquisaVinculo.h"
#include "master/ui/Tfrmlocalizabalco.h"
#include "master/ui/Tfrmpesq.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const QString DateFormat = QStringLiteral("dd/MM/yyyy");

bool isEnter(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

QDate dateOf(const QLineEdit *edit)
{
    return QDate::fromString(edit->text(), DateFormat);
}

QHBoxLayout *line(std::initializer_list<QWidget *> widgets)
{
    auto *l = new QHBoxLayout;
    for (QWidget *w : widgets)
        l->addWidget(w);
    l->addStretch();
    return l;
}

} // namespace

Tfrmmanu::Tfrmmanu(Database &db, Interaction &ui, JournalStore *journal, EntryEditor::Mode mode, JournalRow row,
                   QWidget *parent)
    : QDialog(parent), m_db(db), m_ui(ui), m_ownJournal(journal ? nullptr : std::make_unique<JournalStore>(db)),
      m_journal(journal ? *journal : *m_ownJournal), m_editor(db, ui, mode, std::move(row))
{
    setObjectName(QStringLiteral("frmmanu"));
    setWindowTitle(QStringLiteral("MANUTENÇÃO"));
    setModal(true);

    auto *heading = new QLabel(QStringLiteral("Manutenção de Registro"), this);
    heading->setObjectName(QStringLiteral("lbltitulo"));
    QFont big = heading->font();
    big.setBold(true);
    big.setPointSize(big.pointSize() + 4);
    heading->setFont(big);

    m_seq = field(QStringLiteral("edSEQ"), 90);
    m_vingrupo = field(QStringLiteral("edVINGRUPO"), 50);
    m_vingrupo->setMaxLength(3);
    m_vincodigo = field(QStringLiteral("edVINCODIGO"), 50);
    m_vincodigo->setMaxLength(3);
    m_balco = field(QStringLiteral("edBALCO"), 80);
    m_balco->setMaxLength(6);
    m_balco->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,6}")), m_balco));
    m_datae = field(QStringLiteral("edDATAE"), 90);
    m_datae->setInputMask(QStringLiteral("99/99/9999;_"));
    m_debit = field(QStringLiteral("edDEBIT"), 120);
    m_credit = field(QStringLiteral("edCREDI"), 120);
    m_histo = field(QStringLiteral("edHISTO"), 60);
    m_histo->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,9}")), m_histo));
    m_discri = new QPlainTextEdit(this);
    m_discri->setObjectName(QStringLiteral("edDISCRI"));
    m_discri->setFixedHeight(70);
    m_discri->installEventFilter(this);

    m_grupoName = new QLabel(this);
    m_grupoName->setObjectName(QStringLiteral("lblgrupo"));
    m_codigoName = new QLabel(this);
    m_codigoName->setObjectName(QStringLiteral("lblcodigo"));
    m_contaLabel = new QLabel(EntryEditor::noAccountLabel(), this);
    m_contaLabel->setObjectName(QStringLiteral("lblconta"));
    for (QLabel *l : {m_grupoName, m_codigoName, m_contaLabel})
        l->setMinimumWidth(260);

    QToolButton *vinculo = lookUpButton(QStringLiteral("btnvinculo"), QStringLiteral("Consulta tabela de Vinculos"));
    QToolButton *conta = lookUpButton(QStringLiteral("btnconta"), QStringLiteral("Consulta tabela de Codigos Patrimoniais"));
    QToolButton *historico = lookUpButton(QStringLiteral("btnhistorico"), QStringLiteral("Consulta tabela de Histórico Padrão"));
    connect(vinculo, &QToolButton::clicked, this, [this] { btnvinculoClick(); });
    connect(conta, &QToolButton::clicked, this, [this] { btncontaClick(); });
    connect(historico, &QToolButton::clicked, this, [this] { btnhistoricoClick(); });

    auto *link = new QGroupBox(QStringLiteral("Vinc Receita/Despesa"), this);
    auto *linkForm = new QFormLayout(link);
    linkForm->addRow(QStringLiteral("Grupo"), line({m_vingrupo, vinculo, m_grupoName}));
    linkForm->addRow(QStringLiteral("Codigo"), line({m_vincodigo, m_codigoName}));

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("Nº Registro"), m_seq);
    form->addRow(link);
    form->addRow(QStringLiteral("Cod. Patrim"), line({m_balco, conta, m_contaLabel}));
    form->addRow(QStringLiteral("Data Lançamento"), m_datae);
    form->addRow(QStringLiteral("Débito"), m_debit);
    form->addRow(QStringLiteral("Crédito"), m_credit);
    form->addRow(QStringLiteral("Historico"), line({m_histo, historico}));
    form->addRow(QStringLiteral("Discr"), m_discri);

    auto *ok = new QPushButton(QStringLiteral("Ok"), this);
    ok->setObjectName(QStringLiteral("btnok"));
    auto *cancel = new QPushButton(QStringLiteral("Cancela"), this);
    cancel->setObjectName(QStringLiteral("btncancel"));
    for (QPushButton *b : {ok, cancel})
        b->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, [this] { btnokClick(); });
    connect(cancel, &QPushButton::clicked, this, [this] { btncancelClick(); });

    setMinimumWidth(600);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addLayout(form);
    layout->addLayout(line({ok, cancel}));
    fill();
}

Tfrmmanu::~Tfrmmanu() = default;

QLineEdit *Tfrmmanu::field(const QString &objectName, int width)
{
    auto *e = new QLineEdit(this);
    e->setObjectName(objectName);
    e->setFixedWidth(width);
    e->installEventFilter(this);
    return e;
}

QToolButton *Tfrmmanu::lookUpButton(const QString &objectName, const QString &hint)
{
    auto *b = new QToolButton(this);
    b->setObjectName(objectName);
    b->setText(QStringLiteral("..."));
    b->setAutoRaise(true);
    b->setToolTip(hint);
    return b;
}

void Tfrmmanu::fill()
{
    const EntryEditor::Input in = m_editor.input();
    m_seq->setText(in.seq);
    m_vingrupo->setText(in.vingrupo);
    m_vincodigo->setText(in.vincodigo);
    m_balco->setText(in.balco);
    m_datae->setText(in.datae.isValid() ? in.datae.toString(DateFormat) : QString());
    m_debit->setText(in.debit);
    m_credit->setText(in.credit);
    m_histo->setText(in.histo);
    m_discri->setPlainText(in.discri);
}

EntryEditor::Input Tfrmmanu::input() const
{
    return {m_seq->text(),   m_vingrupo->text(), m_vincodigo->text(), m_balco->text(),        dateOf(m_datae),
            m_debit->text(), m_credit->text(),   m_histo->text(),     m_discri->toPlainText()};
}

void Tfrmmanu::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (m_editor.mode() == EntryEditor::Mode::Alteracao) {
        // The account is looked up as if the user had passed through its field.
        if (!m_balco->text().isEmpty())
            m_contaLabel->setText(m_editor.accountLeft(m_balco->text()).label);
        m_discri->setFocus();
    } else {
        m_seq->setFocus();
    }
}

void Tfrmmanu::follow(EntryEditor::Next next)
{
    switch (next) {
    case EntryEditor::Next::OpenAccountLookup:
        btncontaClick();
        break;
    case EntryEditor::Next::ClearAccount:
        m_balco->clear();
        m_contaLabel->setText(EntryEditor::noAccountLabel());
        m_balco->setFocus();
        break;
    case EntryEditor::Next::OpenHistoryLookup:
        btnhistoricoClick();
        break;
    case EntryEditor::Next::OpenLinkLookup:
        btnvinculoClick();
        break;
    case EntryEditor::Next::Stay:
        break;
    }
}

void Tfrmmanu::applyAmounts(const EntryEditor::AmountFields &amounts)
{
    m_debit->setText(amounts.debit);
    m_credit->setText(amounts.credit);
    m_debit->setEnabled(amounts.debitEnabled);
    m_credit->setEnabled(amounts.creditEnabled);
}

void Tfrmmanu::fieldLeft(QWidget *w)
{
    if (w == m_balco && !m_balco->text().trimmed().isEmpty()) {
        const auto outcome = m_editor.accountLeft(m_balco->text());
        m_contaLabel->setText(outcome.label);
        follow(outcome.next);
    } else if (w == m_debit) {
        applyAmounts(EntryEditor::debitLeft(m_debit->text(), m_credit->text()));
    } else if (w == m_credit) {
        applyAmounts(EntryEditor::creditLeft(m_debit->text(), m_credit->text()));
    } else if (w == m_datae && dateOf(m_datae).isValid()) {
        m_datae->setText(EntryEditor::dateLeft(dateOf(m_datae)).toString(DateFormat));
    } else if (w == m_histo && !m_histo->text().trimmed().isEmpty()) {
        const auto outcome = m_editor.historyLeft(m_histo->text());
        if (outcome.discri)
            m_discri->setPlainText(*outcome.discri);
        follow(outcome.next);
    } else if (w == m_vingrupo && !m_vingrupo->text().isEmpty()) {
        const auto outcome = m_editor.groupLeft(m_vingrupo->text());
        m_grupoName->setText(outcome.name);
        follow(outcome.next);
    } else if (w == m_vincodigo && !m_vincodigo->text().isEmpty()) {
        const auto outcome = m_editor.codeLeft(m_vingrupo->text(), m_vincodigo->text());
        m_codigoName->setText(outcome.name);
        follow(outcome.next);
    }
}

void Tfrmmanu::btncontaClick()
{
    m_inLookUp = true;
    const auto account = Tfrmlocalizabalco::pick(m_db, m_ui, this, {QStringLiteral("3"), QStringLiteral("25"), QStringLiteral("26")});
    m_inLookUp = false;
    if (account) {
        m_balco->setText(account->balco);
        m_contaLabel->setText(m_editor.accountChosen(*account));
    }
    m_balco->setFocus();
}

void Tfrmmanu::btnhistoricoClick()
{
    m_inLookUp = true;
    const auto history = Tfrmpesq::pick(m_db, m_ui, this);
    m_inLookUp = false;
    if (history) {
        const auto outcome = m_editor.historyLeft(QString::number(history->histo));
        if (outcome.discri) {
            m_histo->setText(QString::number(history->histo));
            m_discri->setPlainText(*outcome.discri);
        }
    }
    if (m_histo->isEnabled())
        m_histo->setFocus();
}

void Tfrmmanu::btnvinculoClick()
{
    m_inLookUp = true;
    const auto link = TFrmPesquisaVinculo::pick(m_db, m_ui, this);
    m_inLookUp = false;
    if (link) {
        m_vingrupo->setText(link->vingrupo);
        m_vincodigo->setText(link->vincodigo);
        m_grupoName->setText(link->vingruponome);
        m_codigoName->setText(link->vincodigonome);
    }
    m_vingrupo->setFocus();
}

void Tfrmmanu::btnokClick()
{
    m_inLookUp = true;
    const auto refusal = m_editor.ok(input());
    m_inLookUp = false;
    if (refusal) {
        if (refusal->focus == EntryEditor::Field::Account)
            m_balco->setFocus();
        else if (refusal->focus == EntryEditor::Field::Date)
            m_datae->setFocus();
        return;
    }
    m_editor.save(m_journal);
    m_closing = true;
    QDialog::accept();
}

void Tfrmmanu::btncancelClick()
{
    reject();
}

void Tfrmmanu::reject()
{
    // Closing the window drops the edit as "Cancela" does, rather than leaving a
    // half-typed entry to be written by the next change of the journal.
    EntryEditor::cancel(m_journal);
    m_closing = true;
    QDialog::reject();
}

bool Tfrmmanu::eventFilter(QObject *watched, QEvent *event)
{
    auto *w = qobject_cast<QWidget *>(watched);
    if (!w)
        return QDialog::eventFilter(watched, event);
    if (event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent *>(event)->reason();
        if (!m_inLookUp && !m_closing && reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            fieldLeft(w);
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    if (isEnter(key->key()) || key->key() == Qt::Key_Down || key->key() == Qt::Key_Up) {
        focusNextPrevChild(key->key() != Qt::Key_Up);
        return true;
    }
    const bool amount = w == m_seq || w == m_debit || w == m_credit;
    if (amount && !key->text().isEmpty() && key->text().front().isPrint())
        return !AmountKeys::entry(key->text().front());
    return false;
}
