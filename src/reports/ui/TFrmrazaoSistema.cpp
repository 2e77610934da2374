#include "reports/ui/TFrmrazaoSistema.h"

#include "reports/LedgerBook.h"
#include "reports/ui/FieldNavigation.h"
#include "reports/ui/LinkBox.h"
#include "reports/ui/PeriodBox.h"
#include "reports/ui/ReportPreview.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

TFrmrazaoSistema::TFrmrazaoSistema(Database &db, QWidget *parent) : QDialog(parent), m_db(db)
{
    setObjectName(QStringLiteral("FrmrazaoSistema"));
    setWindowTitle(QStringLiteral("Impressão por Sistema"));
    auto *nav = new FieldNavigation(this);

    auto *systemBox = new QGroupBox(QStringLiteral("ESCOLHA O PLANO"), this);
    systemBox->setObjectName(QStringLiteral("gbPlano"));
    m_system = new QComboBox(systemBox);
    m_system->setObjectName(QStringLiteral("cbSistema"));
    m_system->addItems({QStringLiteral("1 - Orçamentário"), QStringLiteral("2 - Financeiro"), QStringLiteral("3 - Patrimonial"),
                        QStringLiteral("4 - Econômico")});
    m_system->setCurrentIndex(-1);
    m_system->setMinimumWidth(220);
    nav->watch(m_system);
    auto *systemRow = new QHBoxLayout(systemBox);
    systemRow->addWidget(m_system);
    systemRow->addStretch();

    m_period = new PeriodBox(QStringLiteral("ESCOLHA O PERIODO"), PeriodBox::Kind::Dates, QStringLiteral("Periodo"), nav, this);
    m_link = new LinkBox(db, QStringLiteral("OPCIONAL - Vinc Receita/Despesa"), true, nav, this);

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
    layout->addWidget(systemBox);
    layout->addWidget(m_period);
    layout->addWidget(m_link);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(ok, &QPushButton::clicked, this, &TFrmrazaoSistema::btnokClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

LedgerSystemRequest TFrmrazaoSistema::request() const
{
    LedgerSystemRequest r;
    r.system = m_system->currentIndex() + 1;
    r.dateFrom = m_period->fromText();
    r.dateTo = m_period->toText();
    r.group = m_link->group();
    r.code = m_link->code();
    return r;
}

void TFrmrazaoSistema::btnokClick()
{
    const LedgerSystemRequest r = request();
    const LinkLines links = LinkLines::forTyped(r.group, r.code, m_link->groupName(), m_link->codeName());
    ReportPreview::run(this, [&] { return LedgerBook::make(m_db, r, links); });
}
