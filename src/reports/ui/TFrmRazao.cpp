#include "reports/ui/TFrmRazao.h"

#include "data/ChartOfAccounts.h"
#include "reports/LedgerAccount.h"
#include "reports/LedgerBook.h"
#include "reports/ui/FieldNavigation.h"
#include "reports/ui/LinkBox.h"
#include "reports/ui/PeriodBox.h"
#include "reports/ui/ReportFields.h"
#include "reports/ui/ReportLookups.h"
#include "reports/ui/ReportPreview.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QToolButton>
#include <QVBoxLayout>

TFrmRazao::TFrmRazao(Database &db, QWidget *parent) : QDialog(parent), m_db(db)
{
    setObjectName(QStringLiteral("FrmRazao"));
    setWindowTitle(QStringLiteral("Impressão da Razão Patrimonial"));
    auto *nav = new FieldNavigation(this);

    auto *accountBox = new QGroupBox(QStringLiteral("COD. PLANO"), this);
    accountBox->setObjectName(QStringLiteral("gbConta"));
    m_account = ReportFields::digits(QStringLiteral("edBALCO"), 6, accountBox);
    nav->watch(m_account);
    m_accountSearch = new QToolButton(accountBox);
    m_accountSearch->setObjectName(QStringLiteral("btnConta"));
    m_accountSearch->setText(QStringLiteral("..."));
    m_accountSearch->setToolTip(QStringLiteral("Consulta tabela de Codigos Patrimoniais"));
    m_accountSearch->setEnabled(bool(ReportLookups::accountPicker()));
    m_title = new QLabel(accountBox);
    m_title->setObjectName(QStringLiteral("lbTITCO"));
    m_title->setMinimumWidth(300);
    m_title->setStyleSheet(QStringLiteral("color: #000080;"));
    auto *accountRow = new QHBoxLayout(accountBox);
    accountRow->addWidget(m_account);
    accountRow->addWidget(m_accountSearch);
    accountRow->addWidget(m_title, 1);

    m_period = new PeriodBox(QStringLiteral("ESCOLHA O PERIODO"), PeriodBox::Kind::Dates, QStringLiteral("Periodo"), nav, this);

    auto *filters = new QGroupBox(QStringLiteral("Filtros opcionais"), this);
    filters->setObjectName(QStringLiteral("gbFiltros"));
    m_consolidated = new QRadioButton(QStringLiteral("Consolidados"), filters);
    m_consolidated->setObjectName(QStringLiteral("rbConsolidados"));
    m_direct = new QRadioButton(QStringLiteral("Não Consolidados (Só Vínculos da Administ Direta)"), filters);
    m_direct->setObjectName(QStringLiteral("rbNaoConsolidados"));
    m_byLink = new QRadioButton(QStringLiteral("Por Vínculo (Só Vínculos da Administr. Indireta)"), filters);
    m_byLink->setObjectName(QStringLiteral("rbPorVinculo"));
    m_consolidated->setChecked(true);
    auto *filterColumn = new QVBoxLayout(filters);
    filterColumn->addWidget(m_consolidated);
    filterColumn->addWidget(m_direct);
    filterColumn->addWidget(m_byLink);

    m_link = new LinkBox(db, QStringLiteral("Vinc Receita/Despesa"), true, nav, this);
    m_link->setVisible(false);

    auto *ok = new QPushButton(QStringLiteral("Ok"), this);
    ok->setObjectName(QStringLiteral("btnok"));
    ok->setAutoDefault(false);
    auto *cancel = new QPushButton(QStringLiteral("Cancela"), this);
    cancel->setObjectName(QStringLiteral("btncancel"));
    cancel->setAutoDefault(false);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(accountBox);
    layout->addWidget(m_period);
    layout->addWidget(filters);
    layout->addWidget(m_link);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_byLink, &QRadioButton::toggled, m_link, &QWidget::setVisible);
    connect(m_account, &QLineEdit::editingFinished, this, &TFrmRazao::accountLeft);
    connect(m_accountSearch, &QToolButton::clicked, this, &TFrmRazao::searchAccount);
    connect(ok, &QPushButton::clicked, this, &TFrmRazao::btnokClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

LedgerRequest TFrmRazao::request() const
{
    LedgerRequest r;
    r.account = m_account->text();
    r.dateFrom = m_period->fromText();
    r.dateTo = m_period->toText();
    r.filter = m_byLink->isChecked() ? LedgerRequest::Filter::PorVinculo
               : m_direct->isChecked() ? LedgerRequest::Filter::NaoConsolidados
                                       : LedgerRequest::Filter::Consolidados;
    r.group = m_link->group();
    r.code = m_link->code();
    return r;
}

void TFrmRazao::accountLeft()
{
    if (m_busy)
        return;
    const QScopedValueRollback guard(m_busy, true);
    const QString code = m_account->text();
    if (code.isEmpty())
        return;
    const auto title = LedgerAccount::title(m_db, code);
    if (title)
        m_title->setText(*title);
    if (!title || ChartOfAccounts::isTitle(code)) {
        if (title)
            QMessageBox::warning(this, QStringLiteral("Atenção"), LedgerAccount::titleAccountMessage());
        else
            m_title->clear();
        searchAccount();
    }
}

void TFrmRazao::searchAccount()
{
    const auto &picker = ReportLookups::accountPicker();
    if (!picker)
        return;
    if (const auto account = picker(this, m_db, m_account->text())) {
        m_account->setText(account->balco);
        m_title->setText(account->titco);
    }
    m_account->setFocus();
}

void TFrmRazao::btnokClick()
{
    const LedgerRequest r = request();
    // The link lines follow the link box's texts, hidden or not.
    const LinkLines links = LinkLines::forTyped(r.group, r.code, m_link->groupName(), m_link->codeName());
    ReportPreview::run(this, [&] { return LedgerBook::make(m_db, r, links); });
}
