#pragma once

#include <QHash>
#include <QString>

// The suite's configuration file, section [ZOLV]. Keys are found whatever their
// case; the program only reads the file.
class ZolvConfig {
public:
    // A missing or unreadable file reads as empty: every key takes its default.
    static ZolvConfig load(const QString &iniPath);
    // The file beside the running executable, as the suite places it.
    static QString defaultPath();

    // The value as written (blanks and surrounding quotes removed), or empty.
    QString value(const QString &key) const;
    bool contains(const QString &key) const;

    // Fiscal year for the connection set-up: "2007" when absent.
    QString yearForConnection() const;
    // Client library: "GDS32.DLL" when absent or empty.
    QString clientLibrary() const;
    // A copy with one key replaced, e.g. another fiscal year.
    ZolvConfig with(const QString &key, const QString &value) const;
    bool serverMode() const { return !value(QStringLiteral("Servidor")).isEmpty(); }

private:
    QHash<QString, QString> m_values; // keys in upper case
};
