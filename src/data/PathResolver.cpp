#include "data/PathResolver.h"

#include "data/PathError.h"
#include "data/ZolvConfig.h"

#include <QDir>
#include <optional>

namespace {

struct Settings {
    QString year, server, serverTabdef, cBase, cTabdef, wDir, wTabdef;
    QString serverSep;
    QChar local;
};

int toInteger(const QString &text)
{
    bool ok = false;
    const int v = text.trimmed().toInt(&ok);
    if (!ok)
        throw PathError(QStringLiteral("'%1' não é um valor inteiro válido").arg(text));
    return v;
}

// "DA", "DA3", "ba" ...: how many years back; nothing when the code is not of
// that form. A negative count is a count like any other (DA-1 is next year).
std::optional<int> yearsBack(const QString &code, const QString &letters)
{
    if (!code.startsWith(letters))
        return std::nullopt;
    const QString rest = code.mid(letters.size());
    return rest.isEmpty() ? 1 : toInteger(rest);
}

QString yearMinus(const Settings &s, int n)
{
    return QString::number(toInteger(s.year) - n);
}

QString endWith(const QString &path, QChar sep)
{
    return path.endsWith(sep) ? path : path + sep;
}

// Creates one directory level; an existing directory is fine.
void ensureDirectory(const QString &path)
{
    QDir dir;
    if (dir.exists(path))
        return;
    if (!dir.mkdir(path))
        throw PathError(QStringLiteral("Não é possível criar o diretório: ") + path);
}

QString tabdefUnder(const QString &root, QChar sep)
{
    return endWith(root, sep) + QStringLiteral("TABDEF") + sep;
}

QString serverMode(const QString &code, const Settings &s)
{
    const QChar l = s.local;
    const QString &sep = s.serverSep;
    const QString yearDir = s.wDir + QStringLiteral("ARQ") + s.year + l;
    const QString serverYearDir = s.cBase + QStringLiteral("ARQ") + s.year + sep;
    if (code == u"D")
        return yearDir;
    if (code == u"B")
        return s.server + u':' + serverYearDir;
    if (const auto n = yearsBack(code, QStringLiteral("DA")))
        return s.wDir + QStringLiteral("ARQ") + yearMinus(s, *n) + l;
    if (const auto n = yearsBack(code, QStringLiteral("BA")))
        return s.server + u':' + s.cBase + QStringLiteral("ARQ") + yearMinus(s, *n) + sep;
    if (code == u"TD")
        return tabdefUnder(PathResolver::suiteRoot(s.wTabdef), l);
    if (code == u"TB") {
        const QString head = s.serverTabdef + u':' + s.cTabdef;
        return (head.endsWith(u'\\') || head.endsWith(sep) ? head : head + sep) + QStringLiteral("TABDEF") + sep;
    }
    if (code == u"BK")
        return serverYearDir;
    if (code == u"AP")
        return s.wDir;
    if (code == u"EXE")
        return endWith(PathResolver::suiteRoot(s.wDir), l);

    struct Sub { const char *workstation; const char *server; const char *dir; };
    static const Sub subs[] = {{"BKAD", "BKAB", "BCK"}, {"TPD", "TPB", "TEMP"}, {"DE", nullptr, "EXPORTA"}, {"DI", nullptr, "IMPORTA"}};
    for (const Sub &sub : subs) {
        const QString local = yearDir + QLatin1String(sub.dir) + l;
        if (code == QLatin1String(sub.workstation)) {
            ensureDirectory(local);
            return local;
        }
        if (sub.server && code == QLatin1String(sub.server)) {
            ensureDirectory(local);
            return serverYearDir + QLatin1String(sub.dir) + sep;
        }
    }
    if (code == u"RTM") {
        const QString rtm = s.wDir + QStringLiteral("RTM") + l;
        ensureDirectory(rtm);
        return rtm;
    }
    return {};
}

QString localMode(const QString &code, const Settings &s)
{
    const QChar l = s.local;
    const QString yearDir = s.cBase + QStringLiteral("ARQ") + s.year + l;
    if (code == u"B" || code == u"D" || code == u"BK")
        return yearDir;
    for (const char *letters : {"BA", "DA"})
        if (const auto n = yearsBack(code, QLatin1String(letters)))
            return s.cBase + QStringLiteral("ARQ") + yearMinus(s, *n) + l;
    if (code == u"AP")
        return s.cBase;
    if (code == u"EXE")
        return endWith(PathResolver::suiteRoot(s.cBase), l);

    struct Sub { const char *a; const char *b; const char *dir; };
    static const Sub subs[] = {{"BKAD", "BKAB", "BCK"}, {"TPD", "TPB", "TEMP"}, {"DE", "DE", "EXPORTA"}, {"DI", "DI", "IMPORTA"}};
    for (const Sub &sub : subs) {
        if (code == QLatin1String(sub.a) || code == QLatin1String(sub.b)) {
            const QString dir = yearDir + QLatin1String(sub.dir) + l;
            ensureDirectory(dir);
            return dir;
        }
    }
    if (code == u"RTM") {
        const QString rtm = s.cBase + QStringLiteral("RTM") + l;
        ensureDirectory(rtm);
        return rtm;
    }
    return tabdefUnder(PathResolver::suiteRoot(s.cBase), l);
}

} // namespace

PathResolver::PathResolver(QString iniPath, QChar workstationSeparator)
    : m_iniPath(std::move(iniPath)), m_sep(workstationSeparator)
{
}

QString PathResolver::suiteRoot(const QString &path)
{
    const qsizetype at = path.indexOf(QStringLiteral("ZOLV_8"), 0, Qt::CaseInsensitive);
    if (at < 0)
        return path;
    return path.left(at) + QStringLiteral("ZOLV_8");
}

QString PathResolver::resolve(const QString &code) const
{
    return resolve(code, ZolvConfig::load(m_iniPath));
}

QString PathResolver::resolve(const QString &code, const ZolvConfig &config) const
{
    Settings s;
    s.year = config.value(QStringLiteral("ano"));
    s.server = config.value(QStringLiteral("Servidor"));
    const QString tabdefServer = config.value(QStringLiteral("ServidorTABDEF"));
    s.serverTabdef = tabdefServer.isEmpty() ? s.server : tabdefServer;
    s.serverSep = config.value(QStringLiteral("SO_Servidor")) == u"LINUX" ? QStringLiteral("/") : QStringLiteral("\\");
    s.cBase = config.value(QStringLiteral("Caminho_Base_Dados"));
    s.cTabdef = config.contains(QStringLiteral("Caminho_Base_Dados_TABDEF"))
                    ? config.value(QStringLiteral("Caminho_Base_Dados_TABDEF"))
                    : suiteRoot(s.cBase);
    s.wDir = config.value(QStringLiteral("Diretorio_Servidor"));
    const QString wTabdef = config.value(QStringLiteral("Diretorio_Servidor_TABDEF"));
    s.wTabdef = wTabdef.trimmed().isEmpty() ? s.wDir : wTabdef;
    s.local = m_sep;

    const QString upper = code.toUpper();
    return s.server.isEmpty() ? localMode(upper, s) : serverMode(upper, s);
}
