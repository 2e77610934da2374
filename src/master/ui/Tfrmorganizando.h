#pragma once

#include <QDialog>

class QProgressBar;

// "Aguarde...": the progress of long work such as the renumbering. The first bar
// counts the rows of the current pass, the second the whole run.
class Tfrmorganizando : public QDialog {
    Q_OBJECT
public:
    explicit Tfrmorganizando(QWidget *parent = nullptr);

    void setPass(int value, int maximum);
    void setOverall(int percent);

    QProgressBar &passBar() { return *m_pass; }
    QProgressBar &overallBar() { return *m_overall; }

protected:
    // The work decides when the window goes; Escape does not close it.
    void reject() override {}

private:
    QProgressBar *m_pass;
    QProgressBar *m_overall;
};
