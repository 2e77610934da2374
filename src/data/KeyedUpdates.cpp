#include "data/KeyedUpdates.h"

#include "data/Database.h"
#include "data/Interaction.h"
#include "data/JournalWriter.h"

#include <QStringList>

namespace {

bool same(const QVariant &a, const QVariant &b)
{
    const bool aNull = a.isNull() || !a.isValid();
    const bool bNull = b.isNull() || !b.isValid();
    if (aNull || bNull)
        return aNull == bNull;
    return a == b;
}

// The driver needs a type even for NULL.
QVariant bindable(const QVariant &v)
{
    return v.isValid() ? v : QVariant(QMetaType(QMetaType::QString));
}

bool sameRow(const KeyedUpdates::Columns &a, const KeyedUpdates::Columns &b)
{
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (a[i].first != b[i].first || !same(a[i].second, b[i].second))
            return false;
    return true;
}

QSqlQuery run(Database &db, const QString &sql, const QVariantList &values)
{
    QSqlQuery q = db.prepare(sql);
    Database::execPrepared(q, values);
    return q;
}

} // namespace

KeyedUpdates::KeyedUpdates(QString table, QString keyColumn) : m_table(std::move(table)), m_key(std::move(keyColumn)) {}

QVariant KeyedUpdates::value(const Columns &row, const QString &column)
{
    for (const auto &[name, v] : row)
        if (name.compare(column, Qt::CaseInsensitive) == 0)
            return v;
    return {};
}

void KeyedUpdates::setValue(Columns &row, const QString &column, const QVariant &value)
{
    for (auto &[name, v] : row) {
        if (name.compare(column, Qt::CaseInsensitive) == 0) {
            v = value;
            return;
        }
    }
    row.append({column.toUpper(), value});
}

KeyedUpdates::Columns KeyedUpdates::fromRecord(const QSqlRecord &record)
{
    Columns row;
    row.reserve(record.count());
    for (int i = 0; i < record.count(); ++i)
        row.append({record.fieldName(i).toUpper(), record.value(i)});
    return row;
}

QString KeyedUpdates::rowGoneText()
{
    return QStringLiteral("Registro não encontrado ou alterado por outro usuário.");
}

KeyedUpdates::Entry *KeyedUpdates::pendingInsertEqualTo(const Columns &row)
{
    for (Entry &e : m_entries)
        if (e.kind == Kind::Insert && sameRow(e.current, row))
            return &e;
    return nullptr;
}

KeyedUpdates::Entry *KeyedUpdates::pendingByKey(const Columns &original)
{
    const QVariant key = value(original, m_key);
    for (Entry &e : m_entries)
        if (e.kind != Kind::Insert && same(value(e.original, m_key), key))
            return &e;
    return nullptr;
}

void KeyedUpdates::insert(Columns row)
{
    m_entries.append({Kind::Insert, {}, std::move(row)});
}

void KeyedUpdates::change(const Columns &original, const Columns &current)
{
    if (Entry *e = pendingInsertEqualTo(original)) {
        e->current = current;
        return;
    }
    if (Entry *e = pendingByKey(original)) {
        if (e->kind == Kind::Update)
            e->current = current;
        return;
    }
    m_entries.append({Kind::Update, original, current});
}

void KeyedUpdates::remove(const Columns &original)
{
    if (Entry *e = pendingInsertEqualTo(original)) {
        m_entries.removeAt(e - m_entries.data());
        return;
    }
    if (Entry *e = pendingByKey(original)) {
        e->kind = Kind::Delete;
        return;
    }
    m_entries.append({Kind::Delete, original, {}});
}

void KeyedUpdates::write(Database &db, Entry &entry, const std::function<void(Columns &)> &beforeInsert) const
{
    const QString where = QStringLiteral(" WHERE ") + m_key + QStringLiteral(" = ?");
    const QVariant key = bindable(value(entry.original, m_key));
    QString sql;
    QVariantList values;
    switch (entry.kind) {
    case Kind::Insert: {
        if (beforeInsert)
            beforeInsert(entry.current);
        QStringList names, marks;
        for (const auto &[name, v] : entry.current) {
            names << name;
            marks << QStringLiteral("?");
            values << bindable(v);
        }
        run(db, QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)").arg(m_table, names.join(u','), marks.join(u',')), values);
        return;
    }
    case Kind::Update: {
        QStringList sets;
        for (const auto &[name, v] : entry.current) {
            if (same(value(entry.original, name), v))
                continue;
            sets << name + QStringLiteral(" = ?");
            values << bindable(v);
        }
        if (sets.isEmpty())
            return;
        sql = QStringLiteral("UPDATE %1 SET %2").arg(m_table, sets.join(QStringLiteral(", "))) + where;
        break;
    }
    case Kind::Delete:
        sql = QStringLiteral("DELETE FROM ") + m_table + where;
        break;
    }
    values << key;
    QSqlQuery q = run(db, sql, values);
    // Found by key alone: no row means another workstation deleted it meanwhile.
    if (q.numRowsAffected() == 0)
        throw DbError(sql, rowGoneText());
}

KeyedUpdates::Result KeyedUpdates::send(Database &db, Interaction &ui, OnRefusal policy,
                                        const std::function<void(Columns &)> &beforeInsert)
{
    Result result;
    QList<Entry> kept;
    qsizetype i = 0;
    for (; i < m_entries.size(); ++i) {
        Entry entry = m_entries[i];
        try {
            write(db, entry, beforeInsert);
            ++result.written;
        } catch (const DbError &e) {
            ui.message(JournalWriter::refusalMessage(e.driverText()), QString::fromUtf8(JournalWriter::RefusalCaption),
                       Interaction::Icon::Error);
            ++result.refused;
            kept.append(m_entries[i]);
            if (policy == OnRefusal::Stop) {
                ++i;
                break;
            }
        }
    }
    for (; i < m_entries.size(); ++i)
        kept.append(m_entries[i]);
    m_entries = std::move(kept);
    return result;
}
