#include "data/DbError.h"

DbError::DbError(QString statement, QString driverText)
    : std::runtime_error((driverText + QStringLiteral("\n[") + statement + QStringLiteral("]")).toStdString()),
      m_statement(std::move(statement)),
      m_driverText(std::move(driverText))
{
}
