#pragma once

#include <QDialog>

class Database;
class LinkBox;
class PeriodBox;
class QComboBox;
struct LedgerSystemRequest;

// "Impressão por Sistema": the ledger of the accounts of one system.
class TFrmrazaoSistema : public QDialog {
    Q_OBJECT
public:
    explicit TFrmrazaoSistema(Database &db, QWidget *parent = nullptr);

    LedgerSystemRequest request() const;
    void btnokClick();

private:
    Database &m_db;
    QComboBox *m_system;
    PeriodBox *m_period;
    LinkBox *m_link;
};
