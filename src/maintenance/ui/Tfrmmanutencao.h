#pragma once

#include "data/JournalStore.h"
#include "maintenance/EntryEditor.h"
#include "maintenance/MaintenanceFilter.h"
#include "maintenance/RoutineMaintenance.h"

#include <QWidget>

class Database;
class Interaction;
class JournalGridModel;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;
class QToolButton;

// The routine entries maintenance: the whole journal in journal order with its
// filters and the totals of the filtered account, the entry look-up, the entry
// editor for new and changed entries, deletion and the renumbering.
class Tfrmmanutencao : public QWidget {
    Q_OBJECT
public:
    Tfrmmanutencao(Database &db, Interaction &ui, QWidget *parent = nullptr);
    ~Tfrmmanutencao() override;

    JournalGridModel &grid() { return *m_model; }
    QTableView &gridView() { return *m_grid; }
    // The row the grid stands on, when there is one.
    const JournalRow *currentRow() const;
    void goTo(int row);

    void btnincluirClick();
    void btnalterarClick();
    void btneliminarClick();
    void btnorganizarClick();
    void btnlocalizarClick();
    void btnfiltrarClick();
    void btntirarClick();
    void btncontaClick();
    void btnvinculoClick();

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *buildToolBar();
    QWidget *buildFilters();
    QWidget *buildTotals();
    QLineEdit *filterEdit(const QString &objectName, int width);
    void enableFilters();
    MaintenanceFilter::Fields fields() const;
    void openGrid(const QString &condition, double keepSequencia = 0);
    void showTotals(const QString &condition);
    void hideTotals();
    void edit(EntryEditor::Mode mode, const JournalRow &row);
    void linkFieldLeft(QLineEdit *field);
    void afterLinkLookUp();

    Database &m_db;
    Interaction &m_ui;
    JournalStore m_journal;
    RoutineMaintenance m_maintenance;
    JournalGridModel *m_model;
    QTableView *m_grid;
    QLineEdit *m_conta;
    QLineEdit *m_vingrupo;
    QLineEdit *m_vincodigo;
    QLineEdit *m_valor;
    QComboBox *m_tipo;
    QToolButton *m_contaLookUp;
    QToolButton *m_vinculoLookUp;
    QWidget *m_totals;
    QLabel *m_totalConta;
    QLabel *m_totalDc;
    QLabel *m_totalCredito;
    QLabel *m_totalDebito;
    QLabel *m_totalSaldo;
    bool m_inLookUp = false;
};
