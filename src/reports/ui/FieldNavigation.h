#pragma once

#include <QObject>

class QWidget;

// Enter and the down arrow move to the next field, the up arrow to the
// previous one, as in every printing dialog.
class FieldNavigation : public QObject {
    Q_OBJECT
public:
    explicit FieldNavigation(QObject *parent = nullptr) : QObject(parent) {}
    void watch(QWidget *field);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};
