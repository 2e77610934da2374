#include "yearend/ProblemFile.h"

#include <QDir>
#include <QFile>
#include <array>
#include <stdexcept>

namespace {

// Windows-1252 differs from Latin-1 only in 0x80-0x9F; 0 marks the five unused bytes.
constexpr std::array<char16_t, 32> high = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

char toByte(QChar c)
{
    const char16_t u = c.unicode();
    if (u < 0x80 || (u >= 0xA0 && u <= 0xFF))
        return char(u);
    for (std::size_t i = 0; i < high.size(); ++i)
        if (high[i] != 0 && high[i] == u)
            return char(0x80 + i);
    return '?';
}

void write(const QString &path, const QStringList &lines, QIODevice::OpenMode mode)
{
    QFile file(path);
    if (!file.open(mode))
        throw std::runtime_error(QStringLiteral("Não é possível gravar %1: %2").arg(path, file.errorString()).toStdString());
    QString text;
    for (const QString &line : lines)
        text += line + QStringLiteral("\r\n");
    if (file.write(ProblemFile::encode(text)) < 0)
        throw std::runtime_error(QStringLiteral("Não é possível gravar %1: %2").arg(path, file.errorString()).toStdString());
}

} // namespace

ProblemFile::ProblemFile(const QString &directory)
    : m_path(QDir(directory).filePath(QString::fromLatin1(FileName)))
{
}

bool ProblemFile::exists() const
{
    return QFile::exists(m_path);
}

void ProblemFile::create() const
{
    write(m_path, {}, QIODevice::WriteOnly | QIODevice::Truncate);
}

void ProblemFile::append(const QStringList &lines) const
{
    write(m_path, lines, QIODevice::WriteOnly | QIODevice::Append);
}

QString ProblemFile::read() const
{
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString text = decode(file.readAll());
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

void ProblemFile::remove() const
{
    QFile::remove(m_path);
}

QByteArray ProblemFile::encode(const QString &text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (QChar c : text)
        bytes.append(toByte(c));
    return bytes;
}

QString ProblemFile::decode(const QByteArray &bytes)
{
    QString text;
    text.reserve(bytes.size());
    for (char b : bytes) {
        const auto u = static_cast<unsigned char>(b);
        if (u >= 0x80 && u <= 0x9F && high[u - 0x80] != 0)
            text.append(QChar(high[u - 0x80]));
        else
            text.append(QChar(u));
    }
    return text;
}
