#pragma once

#include "data/PathResolver.h"
#include "yearend/OpeningRun.h"

#include <QMap>
#include <QWidget>
#include <memory>

class Database;
class Interaction;
class QCheckBox;
class QLabel;
class QPlainTextEdit;
class QPushButton;

// "Lançamentos Iniciais Anual": the opening entries of the fiscal year. On
// showing, it checks the classification of the budget records and ticks the
// groups that have no opening rows yet; "Lançar" runs the opening with a tick or
// a cross beside each step. One run per window.
class TFrmInicialDiario : public QWidget {
    Q_OBJECT
public:
    // `iniPath` is the suite's configuration file, which places the fiscal years.
    TFrmInicialDiario(Database &db, const QString &iniPath, Interaction &ui, QWidget *parent = nullptr);
    ~TFrmInicialDiario() override;

public slots:
    void FormShow();
    void btnokClick();
    // "Imprimir ERROS": the problems as the memo shows them.
    void btnimprimeClick();
    // "Conferência Extra": the extra-budget records against the chart.
    void BitBtn1Click();

protected:
    void showEvent(QShowEvent *event) override;

private:
    struct StatusMark {
        QLabel *label;
        QLabel *tick;
        QLabel *cross;
    };

    QCheckBox *addStep(class QGridLayout *grid, int row, OpeningRun::Step step, const char *checkName,
                       const char *labelName, const char *tickName, const char *crossName);
    void situacao(OpeningRun::Step step, bool ok);
    void showProblemFile();
    QString dataDirectory() const;
    void showError(const std::exception &error);
    // The keep-or-delete question, with the buttons "Apagar", "Não Apagar" and Cancel.
    static Interaction::Button askKeepOrDelete(QWidget *parent, const QString &text, const QString &caption);

    Database &m_db;
    PathResolver m_paths;
    Interaction &m_ui;
    std::unique_ptr<OpeningRun> m_run;
    bool m_shown = false;

    QCheckBox *check1 = nullptr;
    QCheckBox *Check2 = nullptr;
    QCheckBox *Check3 = nullptr;
    QCheckBox *Check5 = nullptr;
    QCheckBox *Check4 = nullptr;
    QMap<OpeningRun::Step, StatusMark> m_marks;
    QPushButton *btnok = nullptr;
    QPushButton *btncancel = nullptr;
    QPushButton *btnimprime = nullptr;
    QPushButton *BitBtn1 = nullptr;
    QPlainTextEdit *Memo1 = nullptr;
    QLabel *labeltermino = nullptr;
};
