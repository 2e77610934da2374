#include "routine/AllMonthsRun.h"

#include "data/Database.h"
#include "data/Interaction.h"
#include "routine/MonthlyRun.h"

AllMonthsRun::AllMonthsRun(Database &db, Interaction &ui) : m_db(db), m_ui(ui) {}

int AllMonthsRun::monthCount()
{
    const QString year = m_db.scalar(QStringLiteral("select MEXER from cadcli")).toString().trimmed();
    int count = m_db.scalar(QStringLiteral("SELECT MAX(EXTRACT(MONTH FROM DTLAN)) AS MES FROM ORDCAI")).toInt();
    const int commitments =
        m_db.scalar(QStringLiteral("SELECT MAX(EXTRACT(MONTH FROM DATAE)) AS MES FROM DESPES WHERE EXTRACT(YEAR FROM DATAE)=?"),
                    {year})
            .toInt();
    return std::max(count, commitments);
}

int AllMonthsRun::run(const std::function<void(int index)> &postMonth)
{
    const int count = monthCount();
    for (int i = 0; i < count; ++i) {
        if (m_ui.cancelled())
            return i;
        m_ui.progress(i, count - 1);
        postMonth(i);
        if (i + 1 == count)
            m_ui.message(MonthlyRun::endMessage(), QString::fromUtf8(MonthlyRun::Caption), Interaction::Icon::Warning);
    }
    return count;
}
