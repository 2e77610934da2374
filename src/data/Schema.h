#pragma once

class Database;

// The tables, views and procedures of a fiscal-year database, and the upgrades
// the program brings to databases made by earlier versions of the suite.
namespace Schema {

// Applies every script of the schema to an empty database.
void install(Database &db);
// Brings an existing database up to date; run at every start. Returns true when
// something was changed.
bool upgrade(Database &db);

} // namespace Schema
