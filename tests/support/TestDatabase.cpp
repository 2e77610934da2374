#include "TestDatabase.h"

#include "data/DatabaseCreator.h"
#include "data/Schema.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

QTemporaryDir &tempDir()
{
    static QTemporaryDir dir(QDir::tempPath() + QStringLiteral("/diario-test-XXXXXX"));
    static const bool lockSet = [] {
        // Before the first connection: the engine reads it when it loads.
        const QString lock = dir.path() + QStringLiteral("/lock");
        QDir().mkpath(lock);
        qputenv("FIREBIRD_LOCK", lock.toLocal8Bit());
        return true;
    }();
    Q_UNUSED(lockSet);
    return dir;
}

QString templateFile()
{
    static const QString path = [] {
        const QString p = tempDir().path() + QStringLiteral("/template.fdb");
        DatabaseCreator::create(p);
        Database db(p);
        db.open();
        Schema::install(db);
        return p;
    }();
    return path;
}

} // namespace

namespace TestDatabase {

QString workDir()
{
    return tempDir().path();
}

QString freshFile(const QString &stem)
{
    static QAtomicInt counter;
    const QString source = templateFile();
    const QString target = QStringLiteral("%1/%2-%3.fdb").arg(workDir(), stem).arg(counter.fetchAndAddRelaxed(1));
    QFile::copy(source, target);
    QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::WriteGroup);
    return target;
}

std::unique_ptr<Database> fresh(const QString &stem)
{
    auto db = std::make_unique<Database>(freshFile(stem));
    db->open();
    return db;
}

} // namespace TestDatabase
