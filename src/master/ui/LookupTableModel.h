#pragma once

#include <QColor>
#include <QSet>
#include <QSqlQueryModel>
#include <functional>

class Database;

// The grid of a look-up: whole rows of its query, fetched as the grid scrolls,
// shown as the journal shows them (trimmed texts, dates day/month/year,
// amounts "1.234,50" and zero blank) and coloured row by row.
class LookupTableModel : public QSqlQueryModel {
    Q_OBJECT
public:
    struct Colours {
        QColor background;
        QColor text;
    };
    // Colours of a row from its position (0 is the first) and its values.
    using RowColours = std::function<Colours(int row, const QSqlRecord &record)>;

    explicit LookupTableModel(Database &db, QObject *parent = nullptr);

    // Replaces the rows by those of `sql`; throws DbError when it is refused.
    void setSql(const QString &sql);
    const QString &sql() const { return m_sql; }

    // Journal grids leave a zero amount blank; the chart shows 0,00.
    void setMoneyColumns(const QSet<QString> &columns, bool blankZero)
    {
        m_money = columns;
        m_blankZero = blankZero;
    }
    void setRowColours(RowColours colours) { m_colours = std::move(colours); }

    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;

    // The rows of the entry and history look-ups and the link tree alternate.
    static Colours alternating(int row);
    static QColor selectedBackground();

private:
    Database &m_db;
    QString m_sql;
    QSet<QString> m_money;
    bool m_blankZero = true;
    RowColours m_colours;
};
