#pragma once

#include <QString>
#include <memory>

class Database;
class PathResolver;

// The previous fiscal year's database, reached through a connection of its own:
// the opening reads the balances and the closing record that year left.
class PreviousYear {
public:
    // The link the previous year was closed for (table FINAL); both empty when it
    // was closed for the whole consolidated journal.
    struct Closing {
        QString vingrupo;
        QString vincodigo;
    };

    // `fiscalYear` is the current year as the entity record holds it.
    PreviousYear(const PathResolver &paths, const QString &fiscalYear);
    ~PreviousYear();

    // "ZOLV" + previous year + ".FDB".
    QString fileName() const;
    // Can the previous year's database be reached where path code "DA" (on the
    // server, "BA") places it?
    bool arquivo_ano_Anterior() const;
    // Opens the connection (again, when already open). Throws DbError.
    Database &open();
    Database *database() const { return m_db.get(); }
    // What FINAL says. A year closed before the table existed has none: that
    // reads as a consolidated closing.
    Closing closing() const;

private:
    const PathResolver &m_paths;
    QString m_previousYear;
    std::unique_ptr<Database> m_db;
};
