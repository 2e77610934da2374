#pragma once

#include <QDialog>

class QTreeWidget;

// The package information window: every module loaded in the process with the
// units it contains and the libraries it requires. Escape closes it.
class TForm1 : public QDialog {
    Q_OBJECT
public:
    explicit TForm1(QWidget *parent = nullptr);

    QTreeWidget *tree() const { return m_tree; }

private:
    void FormCreate();

    QTreeWidget *m_tree = nullptr;
};
