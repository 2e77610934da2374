#include "data/JournalStore.h"

#include "data/Database.h"
#include "data/EntryKind.h"
#include "data/TransactionGuard.h"

#include <QRegularExpression>
#include <QSqlRecord>
#include <algorithm>
#include <cmath>

const QString JournalStore::Query = QStringLiteral(
    "SELECT CONDIA.*,CAST(CONPLA.D_C AS VARCHAR(1) ) AS D_C  FROM CONDIA\r\n"
    "LEFT JOIN CONPLA ON CONPLA.BALCO=CONDIA.BALCO\r\n"
    "WHERE CONDIA.BALCO IS NOT NULL\r\n"
    "UNION\r\n"
    "SELECT CONDIA.*,CAST('T' AS VARCHAR(1))  FROM CONDIA\r\n"
    "WHERE CONDIA.BALCO IS NULL\r\n"
    "\r\n");

// Mirrors journalOrder(): an empty nature counts as "T", an IMP that is not a
// whole number sorts before every number, as a NULL does.
const QString JournalStore::OrderBy = QStringLiteral(
    " ORDER BY CAST(J.DATAE AS DATE), J.IE,"
    " CASE WHEN TRIM(J.IMP) SIMILAR TO '[0-9]{1,18}' THEN CAST(TRIM(J.IMP) AS BIGINT) END,"
    " COALESCE(J.VINGRUPO, ''), COALESCE(J.VINCODIGO, ''), COALESCE(NULLIF(TRIM(J.D_C), ''), 'T') DESC,"
    " COALESCE(J.BALCO, ''), J.SEQ, J.SEQUENCIA");

namespace {

QString rightTrimmed(const QString &s)
{
    qsizetype n = s.size();
    while (n > 0 && s[n - 1] == u' ')
        --n;
    return s.left(n);
}

template <typename T>
std::optional<T> whole(const QVariant &v)
{
    if (v.isNull())
        return std::nullopt;
    return T(std::llround(v.toDouble()));
}

std::optional<Money> money(const QVariant &v)
{
    if (v.isNull())
        return std::nullopt;
    return Money::fromVariant(v, 4);
}

// Reads rows by column name: the query brings CONDIA.*, whatever columns the
// suite's table has.
class RowReader {
public:
    explicit RowReader(const QSqlRecord &r)
        : sequencia(r.indexOf(QStringLiteral("SEQUENCIA"))), balco(r.indexOf(QStringLiteral("BALCO"))),
          titco(r.indexOf(QStringLiteral("TITCO"))), datae(r.indexOf(QStringLiteral("DATAE"))),
          histo(r.indexOf(QStringLiteral("HISTO"))), debit(r.indexOf(QStringLiteral("DEBIT"))),
          credi(r.indexOf(QStringLiteral("CREDI"))), saldo(r.indexOf(QStringLiteral("SALDO"))),
          ie(r.indexOf(QStringLiteral("IE"))), discri(r.indexOf(QStringLiteral("DISCRI"))),
          imp(r.indexOf(QStringLiteral("IMP"))), seq(r.indexOf(QStringLiteral("SEQ"))),
          tipo(r.indexOf(QStringLiteral("TIPO"))), vingrupo(r.indexOf(QStringLiteral("VINGRUPO"))),
          vincodigo(r.indexOf(QStringLiteral("VINCODIGO"))), automa(r.indexOf(QStringLiteral("AUTOMA"))),
          d_c(r.indexOf(QStringLiteral("D_C")))
    {
    }

    JournalRow read(const QSqlQuery &q) const
    {
        JournalRow row;
        row.sequencia = q.value(sequencia).toDouble();
        row.balco = q.value(balco).toString().trimmed();
        row.titco = rightTrimmed(q.value(titco).toString());
        row.datae = q.value(datae).toDateTime().date();
        row.histo = whole<int>(q.value(histo));
        row.debit = money(q.value(debit));
        row.credi = money(q.value(credi));
        row.saldo = money(q.value(saldo));
        row.ie = whole<int>(q.value(ie));
        row.discri = rightTrimmed(q.value(discri).toString());
        row.imp = q.value(imp).toString().trimmed();
        row.seq = whole<qint64>(q.value(seq));
        row.tipo = q.value(tipo).toString().trimmed();
        row.vingrupo = q.value(vingrupo).toString().trimmed();
        row.vincodigo = q.value(vincodigo).toString().trimmed();
        if (automa >= 0)
            row.automa = whole<int>(q.value(automa));
        row.d_c = q.value(d_c).toString().trimmed();
        if (row.d_c.isEmpty())
            row.d_c = QStringLiteral("T");
        return row;
    }

private:
    int sequencia, balco, titco, datae, histo, debit, credi, saldo, ie, discri, imp, seq, tipo, vingrupo, vincodigo,
        automa, d_c;
};

std::vector<JournalRow> readAllOf(QSqlQuery &q)
{
    std::vector<JournalRow> rows;
    const RowReader reader(q.record());
    while (q.next())
        rows.push_back(reader.read(q));
    return rows;
}

// Absent values first, as the database sorts NULL in ascending order.
template <typename T>
int compare(const std::optional<T> &a, const std::optional<T> &b)
{
    if (!a || !b)
        return int(bool(a)) - int(bool(b));
    return *a < *b ? -1 : (*b < *a ? 1 : 0);
}

int compare(const QDate &a, const QDate &b)
{
    return compare(a.isValid() ? std::optional<qint64>(a.toJulianDay()) : std::nullopt,
                   b.isValid() ? std::optional<qint64>(b.toJulianDay()) : std::nullopt);
}

int compare(const QString &a, const QString &b)
{
    return a.compare(b);
}

std::optional<qint64> impNumber(const QString &imp)
{
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,18}$"));
    const QString t = imp.trimmed();
    if (!digits.match(t).hasMatch())
        return std::nullopt;
    return t.toLongLong();
}

QString nature(const JournalRow &r)
{
    return r.d_c.trimmed().isEmpty() ? QStringLiteral("T") : r.d_c.trimmed();
}

QVariant text(const QString &s)
{
    return s.isEmpty() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(s);
}

template <typename T>
QVariant number(const std::optional<T> &v, QMetaType::Type type)
{
    return v ? QVariant::fromValue(*v) : QVariant(QMetaType(type));
}

} // namespace

JournalStore::JournalStore(Database &db)
    : m_db(db), m_writer(db), m_updates(QStringLiteral("CONDIA"), QStringLiteral("SEQUENCIA"))
{
}

void JournalStore::open()
{
    m_writer.discardPending();
    m_updates.clear();
    m_writer.resetCounter();
}

std::vector<JournalRow> JournalStore::readAll()
{
    QSqlQuery q = m_db.query(Query);
    std::vector<JournalRow> rows = readAllOf(q);
    std::stable_sort(rows.begin(), rows.end(), journalOrder);
    return rows;
}

std::vector<JournalRow> JournalStore::readRange(qint64 first, int count)
{
    if (count <= 0)
        return {};
    QSqlQuery q = m_db.query(QStringLiteral("SELECT J.* FROM (") + Query + QStringLiteral(") J") + OrderBy +
                                 QStringLiteral(" ROWS %1 TO %2").arg(first + 1).arg(first + count));
    return readAllOf(q);
}

qint64 JournalStore::rowCount()
{
    return m_db.scalar(QStringLiteral("select count(*) as quantos from condia")).toLongLong();
}

bool JournalStore::journalOrder(const JournalRow &a, const JournalRow &b)
{
    int c = compare(a.datae, b.datae);
    if (c == 0)
        c = compare(a.ie, b.ie);
    if (c == 0)
        c = compare(impNumber(a.imp), impNumber(b.imp));
    if (c == 0)
        c = compare(a.vingrupo, b.vingrupo);
    if (c == 0)
        c = compare(a.vincodigo, b.vincodigo);
    if (c == 0)
        c = -compare(nature(a), nature(b));
    if (c == 0)
        c = compare(a.balco, b.balco);
    if (c == 0)
        c = compare(a.seq, b.seq);
    if (c == 0)
        c = compare(std::optional<double>(a.sequencia), std::optional<double>(b.sequencia));
    return c < 0;
}

QString JournalStore::label(const JournalRow &row)
{
    return row.ie ? EntryKind::label(*row.ie) : QString();
}

KeyedUpdates::Columns JournalStore::columns(const JournalRow &r)
{
    const auto amount = [](const std::optional<Money> &m) {
        return m ? QVariant(m->toSql(4)) : QVariant(QMetaType(QMetaType::QString));
    };
    return {
        {QStringLiteral("SEQUENCIA"), r.sequencia},
        {QStringLiteral("BALCO"), text(r.balco)},
        {QStringLiteral("TITCO"), text(r.titco)},
        {QStringLiteral("DATAE"), r.datae.isValid() ? QVariant(r.datae.startOfDay()) : QVariant(QMetaType(QMetaType::QDateTime))},
        {QStringLiteral("HISTO"), number(r.histo, QMetaType::Int)},
        {QStringLiteral("DEBIT"), amount(r.debit)},
        {QStringLiteral("CREDI"), amount(r.credi)},
        {QStringLiteral("SALDO"), amount(r.saldo)},
        {QStringLiteral("IE"), number(r.ie, QMetaType::Int)},
        {QStringLiteral("DISCRI"), text(r.discri)},
        {QStringLiteral("IMP"), text(r.imp)},
        {QStringLiteral("SEQ"), number(r.seq, QMetaType::LongLong)},
        {QStringLiteral("TIPO"), text(r.tipo)},
        {QStringLiteral("VINGRUPO"), text(r.vingrupo)},
        {QStringLiteral("VINCODIGO"), text(r.vincodigo)},
    };
}

JournalRow *JournalStore::pendingInsert(const JournalRow &row)
{
    if (row.sequencia != 0 || !row.seq)
        return nullptr;
    for (JournalRow &p : m_writer.pending())
        if (p.seq == row.seq)
            return &p;
    return nullptr;
}

JournalRow JournalStore::insert(JournalRow row)
{
    return m_writer.append(std::move(row));
}

void JournalStore::change(const JournalRow &original, const JournalRow &changed)
{
    if (JournalRow *p = pendingInsert(original)) {
        *p = changed;
        p->sequencia = 0;
        return;
    }
    KeyedUpdates::Columns current = columns(changed);
    // The key is how the row is found; it is never rewritten.
    KeyedUpdates::setValue(current, QStringLiteral("SEQUENCIA"), original.sequencia);
    m_updates.change(columns(original), current);
}

void JournalStore::remove(const JournalRow &row)
{
    if (JournalRow *p = pendingInsert(row)) {
        auto &pending = m_writer.pending();
        pending.erase(pending.begin() + (p - pending.data()));
        return;
    }
    m_updates.remove(columns(row));
}

bool JournalStore::hasPendingChanges() const
{
    return !m_updates.isEmpty() || !m_writer.pending().empty();
}

void JournalStore::cancelUpdates()
{
    m_updates.clear();
    m_writer.discardPending();
}

int JournalStore::applyUpdates(Interaction &ui)
{
    if (!hasPendingChanges())
        return 0;
    const KeyedUpdates updatesBefore = m_updates;
    const std::vector<JournalRow> insertsBefore = m_writer.pending();
    try {
        TransactionGuard tx(m_db);
        int written = m_updates.send(m_db, ui, KeyedUpdates::OnRefusal::SkipRow).written;
        written += m_writer.flush(ui);
        tx.commit();
        return written;
    } catch (...) {
        // Not committed: everything stays pending.
        m_updates = updatesBefore;
        m_writer.pending() = insertsBefore;
        throw;
    }
}
