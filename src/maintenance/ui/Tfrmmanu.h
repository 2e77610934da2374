#pragma once

#include "maintenance/EntryEditor.h"

#include <QDialog>
#include <memory>

class Database;
class Interaction;
class JournalStore;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QToolButton;

// The entry editor "MANUTENÇÃO": one journal entry, new or changed. The rules
// are EntryEditor's; this window moves the texts and the focus.
class Tfrmmanu : public QDialog {
    Q_OBJECT
public:
    // `journal` receives the entry on "Ok"; without one the dialog keeps its own.
    Tfrmmanu(Database &db, Interaction &ui, JournalStore *journal, EntryEditor::Mode mode, JournalRow row,
             QWidget *parent = nullptr);
    ~Tfrmmanu() override;

    EntryEditor &editor() { return m_editor; }
    EntryEditor::Input input() const;

    void btnokClick();
    void btncancelClick();
    void btncontaClick();
    void btnhistoricoClick();
    void btnvinculoClick();

protected:
    void showEvent(QShowEvent *event) override;
    void reject() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLineEdit *field(const QString &objectName, int width);
    QToolButton *lookUpButton(const QString &objectName, const QString &hint);
    void fill();
    void fieldLeft(QWidget *field);
    void follow(EntryEditor::Next next);
    void applyAmounts(const EntryEditor::AmountFields &amounts);

    Database &m_db;
    Interaction &m_ui;
    std::unique_ptr<JournalStore> m_ownJournal;
    JournalStore &m_journal;
    EntryEditor m_editor;
    QLineEdit *m_seq;
    QLineEdit *m_vingrupo;
    QLineEdit *m_vincodigo;
    QLineEdit *m_balco;
    QLineEdit *m_datae;
    QLineEdit *m_debit;
    QLineEdit *m_credit;
    QLineEdit *m_histo;
    QPlainTextEdit *m_discri;
    QLabel *m_grupoName;
    QLabel *m_codigoName;
    QLabel *m_contaLabel;
    bool m_inLookUp = false;
    bool m_closing = false;
};
