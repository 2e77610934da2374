#include "data/ZolvConfig.h"

#include <QCoreApplication>
#include <QFile>
#include <QTextStream>

ZolvConfig ZolvConfig::load(const QString &iniPath)
{
    ZolvConfig config;
    QFile file(iniPath);
    if (!file.open(QIODevice::ReadOnly))
        return config;
    // Windows tools write the file in the ANSI code page.
    const QByteArray raw = file.readAll();
    QString text = QString::fromUtf8(raw);
    if (text.contains(QChar::ReplacementCharacter))
        text = QString::fromLatin1(raw);
    bool inSection = false;
    for (QString line : text.split(u'\n')) {
        line = line.trimmed();
        if (line.isEmpty() || line.startsWith(u';') || line.startsWith(u'#'))
            continue;
        if (line.startsWith(u'[') && line.endsWith(u']')) {
            inSection = line.mid(1, line.size() - 2).trimmed().compare(QStringLiteral("ZOLV"), Qt::CaseInsensitive) == 0;
            continue;
        }
        const qsizetype eq = line.indexOf(u'=');
        if (!inSection || eq <= 0)
            continue;
        const QString key = line.left(eq).trimmed().toUpper();
        QString value = line.mid(eq + 1).trimmed();
        if (value.size() >= 2 && value.startsWith(u'"') && value.endsWith(u'"'))
            value = value.mid(1, value.size() - 2);
        if (!config.m_values.contains(key))
            config.m_values.insert(key, value);
    }
    return config;
}

QString ZolvConfig::defaultPath()
{
    return QCoreApplication::applicationDirPath() + QStringLiteral("/Zolv.ini");
}

QString ZolvConfig::value(const QString &key) const
{
    return m_values.value(key.toUpper());
}

bool ZolvConfig::contains(const QString &key) const
{
    return m_values.contains(key.toUpper());
}

QString ZolvConfig::yearForConnection() const
{
    return contains(QStringLiteral("ano")) ? value(QStringLiteral("ano")) : QStringLiteral("2007");
}

QString ZolvConfig::clientLibrary() const
{
    const QString dll = value(QStringLiteral("DLL"));
    return dll.isEmpty() ? QStringLiteral("GDS32.DLL") : dll;
}

ZolvConfig ZolvConfig::with(const QString &key, const QString &value) const
{
    ZolvConfig copy = *this;
    copy.m_values.insert(key.toUpper(), value);
    return copy;
}
