#include "reports/ui/Tfrmrelatorio.h"

#include "reports/JournalBook.h"
#include "reports/ui/FieldNavigation.h"
#include "reports/ui/LinkBox.h"
#include "reports/ui/PeriodBox.h"
#include "reports/ui/ReportPreview.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

Tfrmrelatorio::Tfrmrelatorio(Database &db, const QString &mode, QWidget *parent)
    : QDialog(parent), m_db(db), m_mode(mode)
{
    setObjectName(QStringLiteral("frmrelatorio"));
    setWindowTitle(QStringLiteral("Impressão do Diário"));
    auto *nav = new FieldNavigation(this);
    m_period = new PeriodBox(QStringLiteral("PERÍODO"), PeriodBox::Kind::Dates, QStringLiteral("Periodo"), nav, this);
    m_records = new PeriodBox(QStringLiteral("REGISTROS"), PeriodBox::Kind::Numbers, QStringLiteral("Registro"), nav, this);
    m_link = new LinkBox(db, QStringLiteral("OPCIONAL - Vinc Receita/Despesa"), false, nav, this);

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
    layout->addWidget(m_period);
    layout->addWidget(m_records);
    layout->addWidget(m_link);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    const bool byRecord = JournalRequest::modeFromName(mode) == JournalRequest::Mode::RascunhoRegistro;
    m_period->setVisible(!byRecord);
    m_records->setVisible(byRecord);
    connect(ok, &QPushButton::clicked, this, &Tfrmrelatorio::btnokClick);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

JournalRequest Tfrmrelatorio::request() const
{
    JournalRequest r;
    r.mode = JournalRequest::modeFromName(m_mode);
    r.dateFrom = m_period->fromText();
    r.dateTo = m_period->toText();
    r.seqFrom = m_records->fromText();
    r.seqTo = m_records->toText();
    r.group = m_link->group();
    r.code = m_link->code();
    return r;
}

void Tfrmrelatorio::btnokClick()
{
    const JournalRequest r = request();
    const LinkLines links = LinkLines::forTyped(r.group, r.code, m_link->groupName(), m_link->codeName());
    ReportPreview::run(this, [&] { return JournalBook::make(m_db, r, links); });
}
