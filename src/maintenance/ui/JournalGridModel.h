#pragma once

#include "data/JournalRow.h"

#include <QAbstractTableModel>
#include <QDateTime>
#include <QSqlQuery>
#include <memory>
#include <vector>

class Database;

// The journal as the maintenance grid shows it: the rows of the shared journal
// query that a condition selects, in journal order, read a chunk at a time as the
// grid scrolls. The rows come a day at a time (the rows without date first): the
// database then sorts one day instead of the whole year before the first row
// shows, so that a journal of any size opens at once.
class JournalGridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    enum Column { Seq, Conta, Titulo, Data, Debito, Credito, Vingrupo, Vincodigo, Discri, Lancamento, ColumnCount };
    static constexpr int Chunk = 256;

    explicit JournalGridModel(Database &db, QObject *parent = nullptr);

    // Reads the rows `condition` selects (every row when empty); throws DbError.
    void open(const QString &condition);
    // Lets the cursor go; the grid is empty until the next open.
    void close();
    const QString &condition() const { return m_condition; }

    const JournalRow &row(int index) const { return m_rows[std::size_t(index)]; }
    // The position of the row with this key, reading on until it comes; -1 when
    // the grid does not hold it.
    int locate(double sequencia);

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    bool canFetchMore(const QModelIndex &parent) const override;
    void fetchMore(const QModelIndex &parent) override;

    // The system a row belongs to (1 to 4), from its account or, on a header
    // row, from its title; 0 when neither says.
    static int system(const JournalRow &row);
    static QColor systemColour(int system);

private:
    // The cursor of the next day that has rows, none at the end.
    void nextCursor();

    Database &m_db;
    QString m_condition;
    std::unique_ptr<QSqlQuery> m_cursor;
    bool m_undatedRead = false;
    QDateTime m_nextDay;
    std::vector<JournalRow> m_rows;
};
