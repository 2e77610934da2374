#pragma once

#include <QChar>
#include <QString>

class ZolvConfig;

// Turns a path code ("D", "B", "DA2", "TB", "BKAD", ...) into a directory, from the
// suite's configuration. D-codes name a place as this workstation reaches it;
// B-codes name it as the database server does (for a connection string or SQL).
// The configuration file is read again on every call, as the suite expects.
class PathResolver {
public:
    // `workstationSeparator` is how this workstation writes directories ("/" here;
    // "\" reproduces a Windows workstation).
    explicit PathResolver(QString iniPath, QChar workstationSeparator = u'/');

    // Throws PathError when a directory cannot be created or a year-relative code
    // meets a year that is not a number.
    QString resolve(const QString &code) const;
    QString resolve(const QString &code, const ZolvConfig &config) const;

    // The text up to and including the first "ZOLV_8" (any case, written upper);
    // the whole text when it holds none.
    static QString suiteRoot(const QString &path);

private:
    QString m_iniPath;
    QChar m_sep;
};
