#pragma once

#include <QList>
#include <QWidget>
#include <memory>

class Database;
class Interaction;
class LancRotinaInteraction;
class QComboBox;
class QLabel;
class QProgressBar;
class QPushButton;

// The monthly posting window: the month list, "Lançar", the sixteen status rows
// of the run, the hint while it runs and the progress of an all-months run.
// "Cancelar" (or Escape) interrupts a run after the category in course; pressed
// again, or once after a completed month, it closes the window.
class TFrmlancRotina : public QWidget {
    Q_OBJECT
public:
    // `messages` is the program's user: message boxes, or a script in tests.
    TFrmlancRotina(Database &db, Interaction &messages, QWidget *parent = nullptr);
    ~TFrmlancRotina() override;

    // Clears every status row: both marks hidden, no result.
    void limpa();
    // Marks one status row "OK" with its tick, or "ERRO" with its cross.
    static void situacao(QLabel *imgok, QLabel *imgerro, bool result, QLabel *resultado);
    bool interrupted() const { return m_interrupted; }

    // The all-months run in this window, as the main window hands it over: each
    // month is chosen and posted in turn, without its own end message. Errors are
    // left to the caller. Returns the number of months posted.
    int runAllMonths();

    QComboBox *combomes = nullptr;
    QPushButton *btnok = nullptr;
    QPushButton *btncancel = nullptr;
    QLabel *labelesc = nullptr;
    QProgressBar *progresso = nullptr;

    struct StatusRow {
        QLabel *legenda;
        QLabel *imgok;
        QLabel *imgerro;
        QLabel *resultado;
    };
    const QList<StatusRow> &statusRows() const { return m_rows; }

    static QString caption();

signals:
    // The user chose "TODOS": the main window sets its all-months indicator and
    // starts its timer; this window closes itself.
    void allMonthsRequested();

public slots:
    void btnokClick();
    void btncancelClick();

protected:
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    void build();
    QWidget *buildStatusPanel();
    // One press of "Lançar" for the chosen item; database errors are the caller's.
    void postChosenMonth();
    void closeAfterRun();

    Database &m_db;
    Interaction &m_messages;
    std::unique_ptr<LancRotinaInteraction> m_interaction;
    QList<StatusRow> m_rows;
    bool m_interrupted = false;
    bool m_allMonths = false;
    int m_running = 0;
    bool m_closeRequested = false;
};
