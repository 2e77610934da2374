#include "maintenance/JournalRenumbering.h"

#include "data/Database.h"
#include "data/Interaction.h"
#include "data/JournalStore.h"
#include "data/JournalWriter.h"
#include "data/TransactionGuard.h"
#include "routine/PostingRoutine.h"

#include <QDate>
#include <QSqlError>
#include <QSqlQuery>
#include <cmath>
#include <optional>

namespace {

// What the renumbering needs of each row, with the nature of its account for the
// journal order; header rows (no account) carry "T", as in the shared journal.
const QString narrowJournal = QStringLiteral(
    "(SELECT C.SEQUENCIA, C.SEQ, C.DATAE, C.IE, C.IMP, C.BALCO, C.VINGRUPO, C.VINCODIGO, "
    "CASE WHEN C.BALCO IS NULL THEN 'T' ELSE CAST(P.D_C AS VARCHAR(1)) END AS D_C "
    "FROM CONDIA C LEFT JOIN CONPLA P ON P.BALCO = C.BALCO) J");

// The rows in the shared journal's order, so that the numbers follow what the
// grids show. Built when first used: the order is another file's constant.
QString inJournalOrder(const QString &columns)
{
    return QStringLiteral("SELECT ") + columns + QStringLiteral(" FROM ") + narrowJournal + JournalStore::OrderBy;
}

QString rowsInOrder()
{
    return inJournalOrder(QStringLiteral("J.SEQUENCIA, J.SEQ, J.DATAE, J.IE, J.IMP, J.BALCO, J.VINGRUPO, J.VINCODIGO"));
}

// Pass 2 inside the database, so that the journal does not travel to the program:
// the rows in journal order, a header wherever date, entry kind, system or link
// changes. The same rule as writeHeadersOneByOne(), which runs when this fails
// and finds the header the database refuses.
QString headerBlock()
{
    return QStringLiteral(
        "EXECUTE BLOCK RETURNS (HEADERS INTEGER) AS "
        "DECLARE R_DAY DATE; DECLARE R_IE INTEGER; DECLARE R_IMP VARCHAR(20); DECLARE R_BALCO VARCHAR(20); "
        "DECLARE R_GRUPO VARCHAR(20); DECLARE R_CODIGO VARCHAR(20); DECLARE R_SEQ BIGINT; "
        "DECLARE K_DAY VARCHAR(12); DECLARE K_IE VARCHAR(12); DECLARE K_SYSTEM VARCHAR(1); "
        "DECLARE K_GRUPO VARCHAR(20); DECLARE K_CODIGO VARCHAR(20); "
        "DECLARE G_DAY VARCHAR(12) = ''; DECLARE G_IE VARCHAR(12) = ''; DECLARE G_SYSTEM VARCHAR(1) = ''; "
        "DECLARE G_GRUPO VARCHAR(20) = ''; DECLARE G_CODIGO VARCHAR(20) = ''; "
        "DECLARE TITLE VARCHAR(30) = ''; DECLARE BLOCK_NUMBER VARCHAR(20); "
        "BEGIN "
        "  HEADERS = 0; "
        "  FOR ") + inJournalOrder(QStringLiteral(
            "CAST(J.DATAE AS DATE), J.IE, TRIM(J.IMP), TRIM(J.BALCO), TRIM(J.VINGRUPO), TRIM(J.VINCODIGO), J.SEQ")) + QStringLiteral(
        "  INTO :R_DAY, :R_IE, :R_IMP, :R_BALCO, :R_GRUPO, :R_CODIGO, :R_SEQ DO "
        "  BEGIN "
        "    K_DAY = COALESCE(CAST(R_DAY AS VARCHAR(12)), ''); "
        "    K_IE = COALESCE(CAST(R_IE AS VARCHAR(12)), ''); "
        "    K_SYSTEM = COALESCE(SUBSTRING(R_BALCO FROM 1 FOR 1), ''); "
        "    K_GRUPO = COALESCE(R_GRUPO, ''); "
        "    K_CODIGO = COALESCE(R_CODIGO, ''); "
        "    IF (K_DAY <> G_DAY OR K_IE <> G_IE OR K_SYSTEM <> G_SYSTEM OR K_GRUPO <> G_GRUPO OR K_CODIGO <> G_CODIGO) THEN "
        "    BEGIN "
        "      G_DAY = K_DAY; G_IE = K_IE; G_SYSTEM = K_SYSTEM; G_GRUPO = K_GRUPO; G_CODIGO = K_CODIGO; "
        "      IF (K_SYSTEM = '1') THEN TITLE = 'SISTEMA ORCAMENTARIO'; "
        "      ELSE IF (K_SYSTEM = '2') THEN TITLE = 'SISTEMA FINANCEIRO'; "
        "      ELSE IF (K_SYSTEM = '3') THEN TITLE = 'SISTEMA PATRIMONIAL'; "
        "      ELSE IF (K_SYSTEM = '4') THEN TITLE = 'SISTEMA ECONOMICO'; "
        "      BLOCK_NUMBER = CASE WHEN R_IMP SIMILAR TO '[0-9]{1,18}' THEN CAST(CAST(R_IMP AS BIGINT) AS VARCHAR(20)) "
        "                     ELSE NULLIF(R_IMP, '') END; "
        "      IF (K_GRUPO <> '') THEN "
        "        INSERT INTO CONDIA (TITCO,DATAE,SEQUENCIA,IE,IMP,SEQ,VINGRUPO,VINCODIGO) "
        "        VALUES (:TITLE, :R_DAY, 0, :R_IE, :BLOCK_NUMBER, :R_SEQ, :K_GRUPO, :K_CODIGO); "
        "      ELSE "
        "        INSERT INTO CONDIA (TITCO,DATAE,SEQUENCIA,IE,IMP,SEQ) VALUES (:TITLE, :R_DAY, 0, :R_IE, :BLOCK_NUMBER, :R_SEQ); "
        "      HEADERS = HEADERS + 1; "
        "    END "
        "  END "
        "  SUSPEND; "
        "END");
}

// Pass 3 inside the database: SEQ 1, 2, 3, ... in journal order, writing only the
// rows whose number changes.
QString numberingBlock()
{
    return QStringLiteral(
        "EXECUTE BLOCK RETURNS (CHANGED INTEGER) AS "
        "DECLARE N BIGINT = 0; DECLARE R_KEY DOUBLE PRECISION; DECLARE R_SEQ BIGINT; "
        "BEGIN "
        "  CHANGED = 0; "
        "  FOR ") + inJournalOrder(QStringLiteral("J.SEQUENCIA, J.SEQ")) + QStringLiteral(
        "  INTO :R_KEY, :R_SEQ DO "
        "  BEGIN "
        "    N = N + 1; "
        "    IF (R_SEQ IS DISTINCT FROM N) THEN "
        "    BEGIN "
        "      UPDATE CONDIA SET SEQ = :N WHERE SEQUENCIA = :R_KEY; "
        "      CHANGED = CHANGED + 1; "
        "    END "
        "  END "
        "  SUSPEND; "
        "END");
}

// Old header rows, rows without date and rows without amounts carry nothing the
// books print; a NULL amount counts as zero.
const QString purgeCondition = QStringLiteral(
    "(TITCO STARTING WITH 'SISTEMA ' AND (BALCO IS NULL OR TRIM(BALCO) = ''))"
    " OR DATAE IS NULL"
    " OR (COALESCE(DEBIT, 0) = 0 AND COALESCE(CREDI, 0) = 0)");

const char *refusalCaption = JournalWriter::RefusalCaption;

QString systemTitle(const QString &balco, const QString &previous)
{
    const QChar first = balco.isEmpty() ? QChar() : balco.front();
    if (first >= u'1' && first <= u'4')
        return PostingRoutine::systemTitle(first.digitValue());
    return previous;
}

// A block's work happens while its one row is fetched, so that is where the
// database refuses it; the driver only tells it through lastError().
int fetchCount(QSqlQuery &q)
{
    if (q.next())
        return q.value(0).toInt();
    if (q.lastError().isValid())
        throw DbError(q.lastQuery(), q.lastError().databaseText().isEmpty() ? q.lastError().text() : q.lastError().databaseText());
    return 0;
}

QVariant nullable(const QString &text)
{
    return text.isEmpty() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(text);
}

// IMP is text holding a whole number; the header gets it as a number.
QVariant blockNumber(const QString &imp)
{
    bool ok = false;
    const qlonglong n = imp.toLongLong(&ok);
    return ok ? QVariant(QString::number(n)) : nullable(imp);
}

} // namespace

struct JournalRenumbering::Row {
    double sequencia = 0;
    std::optional<qint64> seq;
    QDate datae;
    QString ie;
    QString imp;
    QString balco;
    QString vingrupo;
    QString vincodigo;
};

JournalRenumbering::HeaderRefused::HeaderRefused(const QString &driverText, const QString &seq)
    : std::runtime_error((QStringLiteral("O seguinte erro ocorreu: ") + driverText + QStringLiteral(" Numero de sequencia:") + seq)
                             .toStdString()),
      m_text(QString::fromStdString(what()))
{
}

JournalRenumbering::JournalRenumbering(Database &db, Interaction &ui) : m_db(db), m_ui(ui) {}

QString JournalRenumbering::successText()
{
    return QStringLiteral("Reorganização efetuada com sucesso!");
}

QString JournalRenumbering::cancelledText()
{
    return QStringLiteral("Reorganização Cancelada!");
}

bool JournalRenumbering::Reorganizar()
{
    m_counts = {};
    purge();
    report(0, 0, 35);
    writeHeaders();
    report(0, 0, 70);
    const bool written = renumber();
    report(0, 0, 100);
    return written;
}

void JournalRenumbering::report(int row, int rows, int overall)
{
    if (m_progress)
        m_progress(row, rows, overall);
}

void JournalRenumbering::purge()
{
    report(0, 1, 0);
    try {
        TransactionGuard tx(m_db);
        QSqlQuery del = m_db.prepare(QStringLiteral("DELETE FROM CONDIA WHERE ") + purgeCondition);
        Database::execPrepared(del, {});
        m_counts.purged = del.numRowsAffected();
        tx.commit();
    } catch (const DbError &) {
        // Some row will not go: delete them one by one so that only it stays.
        m_counts.purged = 0;
        deleteOneByOne(purgeCondition);
    }
    report(1, 1, 0);
}

void JournalRenumbering::deleteOneByOne(const QString &condition)
{
    std::vector<double> keys;
    {
        QSqlQuery q = m_db.query(QStringLiteral("SELECT SEQUENCIA FROM CONDIA WHERE ") + condition);
        while (q.next())
            keys.push_back(q.value(0).toDouble());
    }
    TransactionGuard tx(m_db);
    QSqlQuery del = m_db.prepare(QStringLiteral("DELETE FROM CONDIA WHERE SEQUENCIA = ?"));
    int done = 0;
    for (double key : keys) {
        try {
            Database::execPrepared(del, {key});
            ++m_counts.purged;
        } catch (const DbError &e) {
            m_ui.message(JournalWriter::refusalMessage(e.driverText()), QString::fromUtf8(refusalCaption),
                         Interaction::Icon::Error);
        }
        report(++done, int(keys.size()), 0);
    }
    tx.commit();
}

std::vector<JournalRenumbering::Row> JournalRenumbering::readInJournalOrder()
{
    std::vector<Row> rows;
    QSqlQuery q = m_db.query(rowsInOrder());
    while (q.next()) {
        Row r;
        r.sequencia = q.value(0).toDouble();
        if (!q.value(1).isNull())
            r.seq = std::llround(q.value(1).toDouble());
        r.datae = q.value(2).toDateTime().date();
        r.ie = q.value(3).isNull() ? QString() : QString::number(q.value(3).toLongLong());
        r.imp = q.value(4).toString().trimmed();
        r.balco = q.value(5).toString().trimmed();
        r.vingrupo = q.value(6).toString().trimmed();
        r.vincodigo = q.value(7).toString().trimmed();
        rows.push_back(std::move(r));
    }
    return rows;
}

void JournalRenumbering::writeHeaders()
{
    try {
        TransactionGuard tx(m_db);
        QSqlQuery q = m_db.query(headerBlock());
        m_counts.headers = fetchCount(q);
        tx.commit();
    } catch (const DbError &) {
        m_counts.headers = 0;
        writeHeadersOneByOne();
    }
}

void JournalRenumbering::writeHeadersOneByOne()
{
    const std::vector<Row> rows = readInJournalOrder();
    const int total = int(rows.size());
    report(0, total, 35);

    TransactionGuard tx(m_db);
    QSqlQuery withLink = m_db.prepare(QStringLiteral(
        "INSERT INTO CONDIA (TITCO,DATAE,SEQUENCIA,IE,IMP,SEQ,VINGRUPO,VINCODIGO) VALUES (?,?,0,?,?,?,?,?)"));
    QSqlQuery withoutLink =
        m_db.prepare(QStringLiteral("INSERT INTO CONDIA (TITCO,DATAE,SEQUENCIA,IE,IMP,SEQ) VALUES (?,?,0,?,?,?)"));

    QString date, ie, system, vingrupo, vincodigo, title;
    int done = 0;
    for (const Row &row : rows) {
        const QString rowDate = row.datae.toString(Qt::ISODate);
        const QString rowSystem = row.balco.left(1);
        ++done;
        if (done % 1000 == 0)
            report(done, total, 35);
        if (rowDate == date && row.ie == ie && rowSystem == system && row.vingrupo == vingrupo && row.vincodigo == vincodigo)
            continue;
        date = rowDate;
        ie = row.ie;
        system = rowSystem;
        vingrupo = row.vingrupo;
        vincodigo = row.vincodigo;
        title = systemTitle(row.balco, title);

        const QVariant seq = row.seq ? QVariant(*row.seq) : QVariant(QMetaType(QMetaType::LongLong));
        QVariantList values{title, row.datae.startOfDay(), nullable(row.ie), blockNumber(row.imp), seq};
        try {
            if (row.vingrupo.isEmpty()) {
                Database::execPrepared(withoutLink, values);
            } else {
                values << row.vingrupo << row.vincodigo;
                Database::execPrepared(withLink, values);
            }
        } catch (const DbError &e) {
            // The headers written so far stay, as each would have on its own.
            tx.commit();
            throw HeaderRefused(e.driverText(), row.seq ? QString::number(*row.seq) : QString());
        }
        ++m_counts.headers;
    }
    tx.commit();
    report(total, total, 35);
}

bool JournalRenumbering::renumber()
{
    std::optional<QString> refused;
    try {
        TransactionGuard tx(m_db);
        QSqlQuery q = m_db.query(numberingBlock());
        m_counts.renumbered = fetchCount(q);
        tx.commit();
    } catch (const DbError &e) {
        // The block is one statement: none of its numbers stays.
        refused = e.driverText();
    }
    if (refused) {
        m_counts.renumbered = 0;
        m_ui.message(JournalWriter::refusalMessage(*refused), QString::fromUtf8(refusalCaption), Interaction::Icon::Error);
        return false;
    }
    return true;
}
