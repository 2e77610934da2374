#pragma once

#include <QDialog>

class Database;
class LinkBox;
class PeriodBox;
class QPushButton;
struct JournalRequest;

// "Impressão do Diário": the final journal by period ("DIARIO") and the
// preliminary one by period ("RASCUNHO PERIODO") or by line number
// ("RASCUNHO REGISTRO"), optionally for one link.
class Tfrmrelatorio : public QDialog {
    Q_OBJECT
public:
    Tfrmrelatorio(Database &db, const QString &mode, QWidget *parent = nullptr);

    // What "Ok" would print.
    JournalRequest request() const;
    void btnokClick();

private:
    Database &m_db;
    QString m_mode;
    PeriodBox *m_period;
    PeriodBox *m_records;
    LinkBox *m_link;
};
