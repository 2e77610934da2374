#pragma once

#include <QString>

class QLineEdit;
class QWidget;

// The typed fields of the printing dialogs.
namespace ReportFields {

// A date with the mask "99/99/9999" (day/month/year); may stay empty.
QLineEdit *date(const QString &objectName, QWidget *parent);
// A number field taking only digits and the comma, at most `length` characters.
QLineEdit *digits(const QString &objectName, int length, QWidget *parent);
// A free text of at most `length` characters (link group and code).
QLineEdit *text(const QString &objectName, int length, QWidget *parent);

} // namespace ReportFields
