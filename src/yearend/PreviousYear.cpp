#include "yearend/PreviousYear.h"

#include "data/ConnectionTest.h"
#include "data/Database.h"
#include "data/PathResolver.h"

#include <exception>

PreviousYear::PreviousYear(const PathResolver &paths, const QString &fiscalYear)
    : m_paths(paths), m_previousYear(QString::number(fiscalYear.toInt() - 1))
{
}

PreviousYear::~PreviousYear() = default;

QString PreviousYear::fileName() const
{
    return QStringLiteral("ZOLV") + m_previousYear + QStringLiteral(".FDB");
}

bool PreviousYear::arquivo_ano_Anterior() const
{
    return ConnectionTest::run(m_paths, fileName(), QStringLiteral("DA"));
}

Database &PreviousYear::open()
{
    m_db.reset();
    auto db = std::make_unique<Database>(m_paths.resolve(QStringLiteral("BA")) + fileName());
    db->open();
    m_db = std::move(db);
    return *m_db;
}

PreviousYear::Closing PreviousYear::closing() const
{
    if (!m_db)
        return {};
    try {
        QSqlQuery q = m_db->query(QStringLiteral("select * from final"));
        if (!q.next())
            return {};
        return {q.value(QStringLiteral("VINGRUPO")).toString().trimmed(),
                q.value(QStringLiteral("VINCODIGO")).toString().trimmed()};
    } catch (const std::exception &) {
        return {};
    }
}
