#pragma once

#include <QDialog>

class Database;
class LinkBox;
class PeriodBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QToolButton;
struct LedgerRequest;

// "Impressão da Razão Patrimonial": the ledger for one account or all, a period
// and a class of links.
class TFrmRazao : public QDialog {
    Q_OBJECT
public:
    explicit TFrmRazao(Database &db, QWidget *parent = nullptr);

    LedgerRequest request() const;
    void btnokClick();

private:
    void accountLeft();
    void searchAccount();

    Database &m_db;
    bool m_busy = false;
    QLineEdit *m_account;
    QToolButton *m_accountSearch;
    QLabel *m_title;
    PeriodBox *m_period;
    QRadioButton *m_consolidated;
    QRadioButton *m_direct;
    QRadioButton *m_byLink;
    LinkBox *m_link;
};
