#pragma once

#include <QDate>
#include <QString>

// Building blocks for SQL text. Values typed by a user or read from the database
// enter SQL text only through these.
namespace Sql {

// 'text' with every apostrophe doubled.
QString quote(const QString &text);
// The inside of a quoted literal: apostrophes doubled, no surrounding quotes.
QString escape(const QString &text);
// A date literal the way the suite writes dates in SQL: 'MM/DD/YYYY'.
QString date(const QDate &date);
// The same without quotes: MM/DD/YYYY.
QString dateText(const QDate &date);

} // namespace Sql
