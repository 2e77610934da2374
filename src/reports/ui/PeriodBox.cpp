#include "reports/ui/PeriodBox.h"

#include "reports/ui/FieldNavigation.h"
#include "reports/ui/ReportFields.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

PeriodBox::PeriodBox(const QString &title, Kind kind, const QString &objectPrefix, FieldNavigation *navigation, QWidget *parent)
    : QGroupBox(title, parent)
{
    setObjectName(QStringLiteral("gb") + objectPrefix);
    const auto make = [&](const QString &name) {
        return kind == Kind::Dates ? ReportFields::date(name, this) : ReportFields::digits(name, 9, this);
    };
    m_from = make(QStringLiteral("ed") + objectPrefix + QStringLiteral("De"));
    m_to = make(QStringLiteral("ed") + objectPrefix + QStringLiteral("Ate"));
    auto *row = new QHBoxLayout(this);
    row->addWidget(new QLabel(QStringLiteral("De"), this));
    row->addWidget(m_from);
    row->addSpacing(12);
    row->addWidget(new QLabel(QStringLiteral("Até"), this));
    row->addWidget(m_to);
    row->addStretch();
    navigation->watch(m_from);
    navigation->watch(m_to);
}

QString PeriodBox::fromText() const
{
    return m_from->text();
}

QString PeriodBox::toText() const
{
    return m_to->text();
}
