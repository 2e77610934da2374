#include "reports/ui/ReportFields.h"

#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace ReportFields {

QLineEdit *date(const QString &objectName, QWidget *parent)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(objectName);
    e->setInputMask(QStringLiteral("00/00/0000;_"));
    e->setFixedWidth(e->fontMetrics().horizontalAdvance(QStringLiteral("00/00/00000")) + 16);
    return e;
}

QLineEdit *digits(const QString &objectName, int length, QWidget *parent)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(objectName);
    e->setMaxLength(length);
    e->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9,]*")), e));
    e->setFixedWidth(e->fontMetrics().horizontalAdvance(QString(length + 1, u'0')) + 16);
    return e;
}

QLineEdit *text(const QString &objectName, int length, QWidget *parent)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(objectName);
    e->setMaxLength(length);
    e->setFixedWidth(e->fontMetrics().horizontalAdvance(QString(length + 1, u'W')) + 16);
    return e;
}

} // namespace ReportFields
