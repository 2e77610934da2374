#include "master/ui/LookupTableModel.h"

#include "data/Database.h"
#include "data/Money.h"

#include <QDateTime>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>

LookupTableModel::LookupTableModel(Database &db, QObject *parent) : QSqlQueryModel(parent), m_db(db) {}

void LookupTableModel::setSql(const QString &sql)
{
    QSqlQuery q(m_db.connection());
    q.setNumericalPrecisionPolicy(QSql::HighPrecision);
    if (!q.exec(sql))
        throw DbError(sql, q.lastError().databaseText().isEmpty() ? q.lastError().text() : q.lastError().databaseText());
    m_sql = sql;
    setQuery(std::move(q));
}

QVariant LookupTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    if ((role == Qt::BackgroundRole || role == Qt::ForegroundRole) && m_colours) {
        const Colours c = m_colours(index.row(), record(index.row()));
        const QColor &colour = role == Qt::BackgroundRole ? c.background : c.text;
        return colour.isValid() ? QVariant(colour) : QVariant();
    }
    if (role != Qt::DisplayRole)
        return QSqlQueryModel::data(index, role);
    const QVariant v = QSqlQueryModel::data(index, role);
    if (v.isNull())
        return QString();
    if (m_money.contains(record().fieldName(index.column())))
        return m_blankZero ? Money::fromVariant(v, 2).toBrBlankZero() : Money::fromVariant(v, 2).toBr();
    if (v.typeId() == QMetaType::QDateTime || v.typeId() == QMetaType::QDate)
        return v.toDate().toString(QStringLiteral("dd/MM/yyyy"));
    if (v.typeId() == QMetaType::QString)
        return v.toString().trimmed();
    return v;
}

LookupTableModel::Colours LookupTableModel::alternating(int row)
{
    // Record numbers start at 1: the first row is an odd one.
    return row % 2 == 0 ? Colours{QColor(0xEF, 0xEF, 0xE6), Qt::black} : Colours{QColor(0xF7, 0xF7, 0xEF), Qt::black};
}

QColor LookupTableModel::selectedBackground()
{
    return QColor(0xF7, 0xDE, 0x9C);
}
