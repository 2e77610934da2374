#include "maintenance/ui/JournalGridModel.h"

#include "data/Database.h"
#include "data/JournalStore.h"
#include "maintenance/MaintenanceFilter.h"
#include "master/JournalRecord.h"
#include "routine/PostingRoutine.h"

#include <QColor>
#include <QFont>
#include <QSqlRecord>

JournalGridModel::JournalGridModel(Database &db, QObject *parent) : QAbstractTableModel(parent), m_db(db) {}

void JournalGridModel::open(const QString &condition)
{
    beginResetModel();
    m_cursor.reset();
    m_rows.clear();
    m_condition = condition;
    m_undatedRead = false;
    m_nextDay = {};
    try {
        nextCursor();
    } catch (...) {
        endResetModel();
        throw;
    }
    endResetModel();
    fetchMore({});
}

void JournalGridModel::nextCursor()
{
    if (!m_undatedRead) {
        m_undatedRead = true;
        m_cursor = std::make_unique<QSqlQuery>(m_db.query(MaintenanceFilter::gridQueryWithoutDate(m_condition)));
        // The first day by the date index, without reading the journal.
        const QVariant first = m_db.scalar(QStringLiteral("SELECT MIN(DATAE) FROM CONDIA"));
        m_nextDay = first.isNull() ? QDateTime() : first.toDateTime().date().startOfDay();
        return;
    }
    if (!m_nextDay.isValid()) {
        m_cursor.reset();
        return;
    }
    const QDateTime day = m_nextDay;
    const QDateTime following = day.date().addDays(1).startOfDay();
    m_cursor = std::make_unique<QSqlQuery>(m_db.query(MaintenanceFilter::gridQueryOfDay(m_condition), {day, following}));
    const QVariant next = m_db.scalar(QStringLiteral("SELECT MIN(DATAE) FROM CONDIA WHERE DATAE >= ?"), {following});
    m_nextDay = next.isNull() ? QDateTime() : next.toDateTime().date().startOfDay();
}

void JournalGridModel::close()
{
    beginResetModel();
    m_cursor.reset();
    m_rows.clear();
    endResetModel();
}

bool JournalGridModel::canFetchMore(const QModelIndex &parent) const
{
    return !parent.isValid() && m_cursor != nullptr;
}

void JournalGridModel::fetchMore(const QModelIndex &parent)
{
    if (parent.isValid() || !m_cursor)
        return;
    std::vector<JournalRow> chunk;
    chunk.reserve(Chunk);
    while (m_cursor && int(chunk.size()) < Chunk) {
        if (m_cursor->next())
            chunk.push_back(JournalRecord::read(m_cursor->record()));
        else
            nextCursor();
    }
    if (chunk.empty())
        return;
    const int first = int(m_rows.size());
    beginInsertRows({}, first, first + int(chunk.size()) - 1);
    for (JournalRow &r : chunk)
        m_rows.push_back(std::move(r));
    endInsertRows();
}

int JournalGridModel::locate(double sequencia)
{
    for (std::size_t i = 0;; ++i) {
        if (i == m_rows.size()) {
            if (!m_cursor)
                return -1;
            fetchMore({});
            if (i == m_rows.size())
                return -1;
        }
        if (m_rows[i].sequencia == sequencia)
            return int(i);
    }
}

int JournalGridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int JournalGridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

int JournalGridModel::system(const JournalRow &row)
{
    if (!row.balco.isEmpty()) {
        const int digit = row.balco.front().digitValue();
        return digit >= 1 && digit <= 4 ? digit : 0;
    }
    for (int s = 1; s <= 4; ++s)
        if (row.titco.trimmed() == PostingRoutine::systemTitle(s))
            return s;
    return 0;
}

QColor JournalGridModel::systemColour(int system)
{
    switch (system) {
    case 2:
        return QColor(0, 128, 0);
    case 3:
        return QColor(0, 0, 128);
    case 4:
        return QColor(0, 128, 128);
    default:
        return Qt::black;
    }
}

QVariant JournalGridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= int(m_rows.size()))
        return {};
    const JournalRow &r = m_rows[std::size_t(index.row())];
    switch (role) {
    case Qt::ForegroundRole:
        return systemColour(system(r));
    case Qt::BackgroundRole:
        // Record numbers start at 1: the first row is an odd one.
        return index.row() % 2 == 0 ? QColor(239, 239, 230) : QColor(247, 247, 239);
    case Qt::FontRole:
        if (r.isHeader()) {
            QFont f;
            f.setBold(true);
            f.setItalic(true);
            return f;
        }
        return {};
    case Qt::TextAlignmentRole:
        if (index.column() == Debito || index.column() == Credito || index.column() == Seq)
            return QVariant(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    case Qt::DisplayRole:
        break;
    default:
        return {};
    }
    const auto amount = [](const std::optional<Money> &m) { return m ? m->toBrBlankZero() : QString(); };
    switch (index.column()) {
    case Seq:
        return r.seq ? QString::number(*r.seq) : QString();
    case Conta:
        return r.balco;
    case Titulo:
        return r.titco;
    case Data:
        return r.datae.isValid() ? r.datae.toString(QStringLiteral("dd/MM/yyyy")) : QString();
    case Debito:
        return amount(r.debit);
    case Credito:
        return amount(r.credi);
    case Vingrupo:
        return r.vingrupo;
    case Vincodigo:
        return r.vincodigo;
    case Discri:
        return r.discri;
    case Lancamento:
        return JournalStore::label(r);
    default:
        return {};
    }
}

QVariant JournalGridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const char *const titles[] = {"SEQ",      "CONTA",     "TITULO DA CONTA", "DATA",   "DEBITO",
                                         "CREDITO",  "VINGRUPO",  "VINCODIGO",       "DISCRI", "LANCAMENTO"};
    return section >= 0 && section < ColumnCount ? QString::fromUtf8(titles[section]) : QString();
}
