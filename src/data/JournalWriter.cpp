#include "data/JournalWriter.h"

#include "data/Database.h"
#include "data/Interaction.h"
#include "data/TransactionGuard.h"

#include <QSqlQuery>

namespace {

QVariant text(const QString &s)
{
    return s.isEmpty() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(s);
}

QVariant money(const std::optional<Money> &m)
{
    return m ? QVariant(m->toSql(4)) : QVariant(QMetaType(QMetaType::QString));
}

template <typename T>
QVariant number(const std::optional<T> &v)
{
    return v ? QVariant::fromValue(*v) : QVariant(QMetaType(QMetaType::Int));
}

QVariantList values(const JournalRow &r)
{
    QVariantList v{r.sequencia, text(r.balco), text(r.titco),
                   r.datae.isValid() ? QVariant(r.datae.startOfDay()) : QVariant(QMetaType(QMetaType::QDateTime)),
                   number(r.histo), money(r.debit), money(r.credi), money(r.saldo), number(r.ie), text(r.discri),
                   text(r.imp), number(r.seq), text(r.tipo), text(r.vingrupo), text(r.vincodigo)};
    if (r.automa)
        v << *r.automa;
    return v;
}

const QString insertColumns = QStringLiteral(
    "INSERT INTO CONDIA (SEQUENCIA, BALCO, TITCO, DATAE, HISTO, DEBIT, CREDI, SALDO, IE, DISCRI, IMP, SEQ, TIPO, VINGRUPO, VINCODIGO");

} // namespace

JournalWriter::JournalWriter(Database &db) : m_db(db) {}

void JournalWriter::resetCounter()
{
    m_counter = m_db.scalar(QStringLiteral("select count(*) as quantos from condia")).toLongLong();
}

JournalRow &JournalWriter::append(JournalRow row)
{
    row.sequencia = 0;
    row.seq = ++m_counter;
    m_pending.push_back(std::move(row));
    return m_pending.back();
}

QString JournalWriter::refusalMessage(const QString &driverText)
{
    return QStringLiteral("Atenção: O seguinte erro ocorreu: \r\r") + driverText + QStringLiteral("\r\rOperação Cancelada !!!");
}

int JournalWriter::flush(Interaction &ui)
{
    if (m_pending.empty())
        return 0;
    TransactionGuard tx(m_db);
    QSqlQuery plain = m_db.prepare(insertColumns + QStringLiteral(") VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"));
    std::optional<QSqlQuery> withAutoma;
    std::vector<JournalRow> refused;
    int written = 0;
    for (JournalRow &row : m_pending) {
        try {
            if (row.automa) {
                if (!withAutoma)
                    withAutoma = m_db.prepare(insertColumns + QStringLiteral(", AUTOMA) VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"));
                Database::execPrepared(*withAutoma, values(row));
            } else {
                Database::execPrepared(plain, values(row));
            }
            ++written;
        } catch (const DbError &e) {
            ui.message(refusalMessage(e.driverText()), QString::fromUtf8(RefusalCaption), Interaction::Icon::Error);
            refused.push_back(std::move(row));
        }
    }
    tx.commit();
    m_pending = std::move(refused);
    return written;
}
