#pragma once

#include <QGroupBox>

class FieldNavigation;
class QLineEdit;

// A "De" / "Até" pair of masked fields: dates or line numbers.
class PeriodBox : public QGroupBox {
    Q_OBJECT
public:
    enum class Kind { Dates, Numbers };
    PeriodBox(const QString &title, Kind kind, const QString &objectPrefix, FieldNavigation *navigation, QWidget *parent = nullptr);

    QLineEdit *from() const { return m_from; }
    QLineEdit *to() const { return m_to; }
    QString fromText() const;
    QString toText() const;

private:
    QLineEdit *m_from;
    QLineEdit *m_to;
};
