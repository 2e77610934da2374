#include "maintenance/ui/Tfrmmanutencao.h"

#include "data/DbError.h"
#include "data/Interaction.h"
#include "data/ui/ScreenState.h"
#include "maintenance/ui/JournalGridModel.h"
#include "maintenance/ui/Tfrmmanu.h"
#include "master/AmountKeys.h"
#include "master/LinkTree.h"
#include "master/ui/TFrmPesquisaVinculo.h"
#include "master/ui/Tfrmlocalizabalco.h"
#include "master/ui/Tfrmlocalizacondia.h"
#include "master/ui/Tfrmorganizando.h"

#include <QApplication>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QPushButton *button(const QString &text, const QString &objectName, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(objectName);
    b->setAutoDefault(false);
    return b;
}

QToolButton *lookUpButton(const QString &objectName, const QString &hint, QWidget *parent)
{
    auto *b = new QToolButton(parent);
    b->setObjectName(objectName);
    b->setText(QStringLiteral("..."));
    b->setAutoRaise(true);
    b->setToolTip(hint);
    return b;
}

QLabel *caption(const QString &text, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

bool isEnter(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

Tfrmmanutencao::Tfrmmanutencao(Database &db, Interaction &ui, QWidget *parent)
    : QWidget(parent), m_db(db), m_ui(ui), m_journal(db), m_maintenance(db, m_journal, ui)
{
    setObjectName(QStringLiteral("frmmanutencao"));
    setWindowTitle(QStringLiteral("Manutenção do Diário"));
    setAttribute(Qt::WA_DeleteOnClose);

    m_model = new JournalGridModel(db, this);
    m_grid = new QTableView(this);
    m_grid->setObjectName(QStringLiteral("DBGrid1"));
    m_grid->setModel(m_model);
    m_grid->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_grid->setSelectionMode(QAbstractItemView::SingleSelection);
    m_grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_grid->verticalHeader()->hide();
    m_grid->verticalHeader()->setDefaultSectionSize(20);
    m_grid->horizontalHeader()->setStretchLastSection(true);
    QPalette p = m_grid->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(group, QPalette::Highlight, QColor(247, 222, 156));
        p.setColor(group, QPalette::HighlightedText, Qt::black);
    }
    m_grid->setPalette(p);
    const int widths[] = {60, 65, 230, 85, 100, 100, 80, 85, 280, 260};
    for (int c = 0; c < JournalGridModel::ColumnCount; ++c)
        m_grid->setColumnWidth(c, widths[c]);
    connect(m_grid, &QTableView::doubleClicked, this, [this] { btnalterarClick(); });

    auto *banner = new QLabel(QStringLiteral("\"ATENÇÃO\" - Lançamentos iniciais não devem ser feitos aqui !!! ( E sim em "
                                             "\"Lançamentos Iniciais\" - \"Manual\")"),
                              this);
    banner->setObjectName(QStringLiteral("lblatencao"));
    QFont bold = banner->font();
    bold.setBold(true);
    bold.setPointSize(bold.pointSize() + 1);
    banner->setFont(bold);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(buildToolBar());
    layout->addWidget(buildFilters());
    layout->addWidget(banner);
    layout->addWidget(m_grid, 1);
    layout->addWidget(buildTotals());

    m_journal.open();
    openGrid({});
}

Tfrmmanutencao::~Tfrmmanutencao() = default;

QWidget *Tfrmmanutencao::buildToolBar()
{
    auto *bar = new QWidget(this);
    bar->setObjectName(QStringLiteral("ToolBar1"));
    auto *row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    const std::pair<const char *, const char *> buttons[] = {{"&Incluir", "btnincluir"},     {"&Alterar", "btnalterar"},
                                                             {"&Eliminar", "btneliminar"},   {"&Organizar", "btnorganizar"},
                                                             {"&Localizar", "btnlocalizar"}};
    const std::function<void()> actions[] = {[this] { btnincluirClick(); }, [this] { btnalterarClick(); },
                                             [this] { btneliminarClick(); }, [this] { btnorganizarClick(); },
                                             [this] { btnlocalizarClick(); }};
    for (std::size_t i = 0; i < std::size(buttons); ++i) {
        QPushButton *b = button(QString::fromUtf8(buttons[i].first), QString::fromUtf8(buttons[i].second), bar);
        b->setMinimumWidth(100);
        connect(b, &QPushButton::clicked, this, actions[i]);
        row->addWidget(b);
    }
    findChild<QPushButton *>(QStringLiteral("btnorganizar"))->setToolTip(QStringLiteral("Coloca Lançamentos em Ordem"));
    row->addStretch();
    return bar;
}

QLineEdit *Tfrmmanutencao::filterEdit(const QString &objectName, int width)
{
    auto *e = new QLineEdit(this);
    e->setObjectName(objectName);
    e->setFixedWidth(width);
    e->installEventFilter(this);
    return e;
}

QWidget *Tfrmmanutencao::buildFilters()
{
    auto *box = new QGroupBox(QStringLiteral("FILTROS"), this);
    box->setObjectName(QStringLiteral("GroupBox1"));
    auto *row = new QHBoxLayout(box);

    m_conta = filterEdit(QStringLiteral("edconta"), 80);
    m_conta->setMaxLength(6);
    m_conta->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,6}")), m_conta));
    m_contaLookUp = lookUpButton(QStringLiteral("btnconta"), QString(), box);
    connect(m_contaLookUp, &QToolButton::clicked, this, [this] { btncontaClick(); });

    m_vingrupo = filterEdit(QStringLiteral("edVINGRUPO"), 50);
    m_vingrupo->setMaxLength(3);
    m_vincodigo = filterEdit(QStringLiteral("edVINCODIGO"), 50);
    m_vincodigo->setMaxLength(3);
    m_vinculoLookUp = lookUpButton(QStringLiteral("btnvinculo"), QStringLiteral("Consulta tabela de Vinculos"), box);
    connect(m_vinculoLookUp, &QToolButton::clicked, this, [this] { btnvinculoClick(); });

    m_tipo = new QComboBox(box);
    m_tipo->setObjectName(QStringLiteral("cbtipo"));
    m_tipo->setMaxVisibleItems(22);
    for (const auto &item : MaintenanceFilter::kindItems())
        m_tipo->addItem(item.text);
    m_tipo->setCurrentIndex(-1);
    m_tipo->setMinimumWidth(230);

    m_valor = filterEdit(QStringLiteral("edvalor"), 100);

    QPushButton *filtrar = button(QStringLiteral("FILTRAR"), QStringLiteral("btnfiltrar"), box);
    QPushButton *tirar = button(QStringLiteral("TIRAR FILTRO"), QStringLiteral("btntirar"), box);
    connect(filtrar, &QPushButton::clicked, this, [this] { btnfiltrarClick(); });
    connect(tirar, &QPushButton::clicked, this, [this] { btntirarClick(); });

    row->addWidget(caption(QStringLiteral("CONTA"), box));
    row->addWidget(m_conta);
    row->addWidget(m_contaLookUp);
    row->addSpacing(12);
    row->addWidget(caption(QStringLiteral("VINCULO"), box));
    row->addWidget(m_vingrupo);
    row->addWidget(m_vincodigo);
    row->addWidget(m_vinculoLookUp);
    row->addSpacing(12);
    row->addWidget(caption(QStringLiteral("TIPO DE LANÇAMENTO"), box));
    row->addWidget(m_tipo);
    row->addSpacing(12);
    row->addWidget(caption(QStringLiteral("VALOR"), box));
    row->addWidget(m_valor);
    row->addSpacing(12);
    row->addWidget(filtrar);
    row->addWidget(tirar);
    row->addStretch();
    return box;
}

QWidget *Tfrmmanutencao::buildTotals()
{
    auto *bottom = new QWidget(this);
    auto *row = new QHBoxLayout(bottom);
    row->setContentsMargins(0, 0, 0, 0);
    m_totals = new QWidget(bottom);
    m_totals->setObjectName(QStringLiteral("pnltotais"));
    auto *totals = new QHBoxLayout(m_totals);
    totals->setContentsMargins(0, 0, 0, 0);
    const auto value = [this](const QString &name) {
        auto *l = new QLabel(m_totals);
        l->setObjectName(name);
        l->setMinimumWidth(90);
        l->setFrameShape(QFrame::StyledPanel);
        return l;
    };
    m_totalConta = value(QStringLiteral("lblconta"));
    m_totalDc = value(QStringLiteral("lbldc"));
    m_totalCredito = value(QStringLiteral("lblcredito"));
    m_totalDebito = value(QStringLiteral("lbldebito"));
    m_totalSaldo = value(QStringLiteral("lblsaldo"));
    m_totalDc->setMinimumWidth(30);
    for (auto [text, label] : {std::pair{"CONTA", m_totalConta}, std::pair{"D/C", m_totalDc},
                               std::pair{"CREDITO", m_totalCredito}, std::pair{"DEBITO", m_totalDebito},
                               std::pair{"SALDO", m_totalSaldo}}) {
        totals->addWidget(caption(QString::fromUtf8(text), m_totals));
        totals->addWidget(label);
    }
    m_totals->hide();
    row->addWidget(m_totals);
    row->addStretch();
    // Present as in every editing window; this one edits in its editor.
    row->addWidget(button(QStringLiteral("Ok"), QStringLiteral("btnok"), bottom));
    row->addWidget(button(QStringLiteral("Cancela"), QStringLiteral("btncancel"), bottom));
    return bottom;
}

void Tfrmmanutencao::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    m_journal.cancelUpdates();
    ScreenState::bloqueia_tela(this);
    enableFilters();
}

void Tfrmmanutencao::enableFilters()
{
    for (QWidget *w : std::initializer_list<QWidget *>{m_conta, m_contaLookUp, m_vingrupo, m_vincodigo, m_vinculoLookUp,
                                                       m_valor, m_tipo}) {
        w->setEnabled(true);
        QPalette p = w->palette();
        for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
            p.setColor(group, QPalette::Base, QApplication::palette(w).color(QPalette::Base));
        w->setPalette(p);
    }
}

const JournalRow *Tfrmmanutencao::currentRow() const
{
    const QModelIndex current = m_grid->currentIndex();
    return current.isValid() ? &m_model->row(current.row()) : nullptr;
}

void Tfrmmanutencao::goTo(int row)
{
    if (row < 0 || row >= m_model->rowCount())
        row = m_model->rowCount() > 0 ? 0 : -1;
    if (row < 0)
        return;
    m_grid->setCurrentIndex(m_model->index(row, 0));
    m_grid->scrollTo(m_model->index(row, 0));
}

void Tfrmmanutencao::openGrid(const QString &condition, double keepSequencia)
{
    m_model->open(condition);
    goTo(keepSequencia != 0 ? m_model->locate(keepSequencia) : 0);
}

MaintenanceFilter::Fields Tfrmmanutencao::fields() const
{
    return {m_vingrupo->text(), m_vincodigo->text(), m_conta->text(), m_valor->text(), m_tipo->currentIndex()};
}

void Tfrmmanutencao::btnfiltrarClick()
{
    const MaintenanceFilter::Fields f = fields();
    QString condition;
    try {
        condition = MaintenanceFilter::gridCondition(f);
    } catch (const MaintenanceFilter::BadAmount &e) {
        m_ui.message(e.text(), {}, Interaction::Icon::Error);
        return;
    }
    openGrid(condition);
    const QString totals = MaintenanceFilter::totalsCondition(f);
    if (totals.isEmpty())
        hideTotals();
    else
        showTotals(totals);
    if (m_grid->isEnabled())
        m_grid->setFocus();
}

void Tfrmmanutencao::showTotals(const QString &condition)
{
    const auto t = MaintenanceFilter::firstTotals(m_db, condition);
    m_totalConta->setText(t ? t->balco : QString());
    m_totalDc->setText(t ? t->d_c : QString());
    m_totalCredito->setText(t ? MaintenanceFilter::totalText(t->credit) : QString());
    m_totalDebito->setText(t ? MaintenanceFilter::totalText(t->debit) : QString());
    m_totalSaldo->setText(t ? MaintenanceFilter::totalText(t->saldo()) : QString());
    m_totals->show();
}

void Tfrmmanutencao::hideTotals()
{
    m_totals->hide();
}

void Tfrmmanutencao::btntirarClick()
{
    openGrid({});
    hideTotals();
}

void Tfrmmanutencao::edit(EntryEditor::Mode mode, const JournalRow &row)
{
    const double key = row.sequencia;
    Tfrmmanu editor(m_db, m_ui, &m_journal, mode, row, this);
    if (editor.exec() == QDialog::Accepted)
        openGrid(m_model->condition(), key);
}

void Tfrmmanutencao::btnincluirClick()
{
    if (const auto row = m_maintenance.incluir())
        edit(EntryEditor::Mode::Inclusao, *row);
}

void Tfrmmanutencao::btnalterarClick()
{
    const JournalRow *row = currentRow();
    if (!row || !m_maintenance.alterar(*row))
        return;
    edit(EntryEditor::Mode::Alteracao, *row);
}

void Tfrmmanutencao::btneliminarClick()
{
    const JournalRow *row = currentRow();
    if (!row)
        return;
    const int position = m_grid->currentIndex().row();
    if (m_maintenance.eliminar(*row)) {
        m_model->open(m_model->condition());
        goTo(qMin(position, m_model->rowCount() - 1));
    }
}

void Tfrmmanutencao::btnlocalizarClick()
{
    const auto entry = Tfrmlocalizacondia::pick(m_db, m_ui, this);
    if (!entry)
        return;
    const int row = m_model->locate(entry->sequencia);
    if (row >= 0)
        goTo(row);
    if (m_grid->isEnabled())
        m_grid->setFocus();
}

void Tfrmmanutencao::btnorganizarClick()
{
    Tfrmorganizando progress(this);
    progress.show();
    QApplication::processEvents();
    const JournalRow *row = currentRow();
    const double keep = row ? row->sequencia : 0;
    // The cursor of the grid must not hold the journal while it is rewritten.
    m_model->close();
    // A refused header passes on to the general error box; the progress window
    // goes with this scope.
    m_maintenance.organizar([&progress](int value, int maximum, int overall) {
        progress.setPass(value, maximum);
        progress.setOverall(overall);
    });
    m_journal.open();
    openGrid({}, keep);
}

void Tfrmmanutencao::btncontaClick()
{
    if (const auto account = Tfrmlocalizabalco::pick(m_db, m_ui, this))
        m_conta->setText(account->balco);
}

void Tfrmmanutencao::btnvinculoClick()
{
    m_inLookUp = true;
    if (const auto link = TFrmPesquisaVinculo::pick(m_db, m_ui, this)) {
        m_vingrupo->setText(link->vingrupo);
        m_vincodigo->setText(link->vincodigo);
    }
    m_inLookUp = false;
    afterLinkLookUp();
}

void Tfrmmanutencao::afterLinkLookUp()
{
    m_vingrupo->setFocus();
    btnfiltrarClick();
}

void Tfrmmanutencao::linkFieldLeft(QLineEdit *field)
{
    const QString group = m_vingrupo->text();
    if (field->text().isEmpty() || m_inLookUp)
        return;
    const bool known = field == m_vingrupo ? LinkTree::groupName(m_db, group).has_value()
                                           : LinkTree::codeName(m_db, group, m_vincodigo->text()).has_value();
    if (!known)
        btnvinculoClick();
}

bool Tfrmmanutencao::eventFilter(QObject *watched, QEvent *event)
{
    auto *edit = qobject_cast<QLineEdit *>(watched);
    const bool filterField = edit && (edit == m_conta || edit == m_vingrupo || edit == m_vincodigo || edit == m_valor);
    if (!filterField)
        return QWidget::eventFilter(watched, event);
    if (event->type() == QEvent::FocusOut && (edit == m_vingrupo || edit == m_vincodigo)) {
        const auto reason = static_cast<QFocusEvent *>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason)
            linkFieldLeft(edit);
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    if (isEnter(key->key())) {
        btnfiltrarClick();
        return true;
    }
    if (key->key() == Qt::Key_Down || key->key() == Qt::Key_Up) {
        focusNextPrevChild(key->key() == Qt::Key_Down);
        return true;
    }
    if (edit == m_valor && !key->text().isEmpty() && key->text().front().isPrint()) {
        const auto c = AmountKeys::search(key->text().front());
        if (c && *c != key->text().front())
            m_valor->insert(QString(*c));
        return !c || *c != key->text().front();
    }
    return false;
}
