#pragma once

#include <QString>
#include <QStringList>
#include <memory>

class Database;
class Interaction;

// What start-up does before any window: check that the database client and engine
// are installed, find the fiscal year's database through the path resolver, test
// it, open the shared connection and bring its schema up to date. Each failure is
// told to the user with the suite's own message and gives no connection.
class ConnectionSetup {
public:
    static constexpr const char *Caption = "Erro na Base de Dados";

    explicit ConnectionSetup(QString iniPath);

    // The shared connection, or null after the failure was shown.
    std::unique_ptr<Database> connect(Interaction &ui) const;

    // Driver files the program needs and that are missing (empty when all are there).
    QStringList missingDriverFiles() const;
    // "ZOLV" + year + ".FDB".
    QString databaseFileName() const;
    // What the connection opens: path code "B" + the file name.
    QString databaseName() const;

    static QString missingDriverMessage(const QString &file);
    static QString missingDatabaseMessage(const QString &fileName);

private:
    QString m_iniPath;
};
