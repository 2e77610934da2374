#include "app/PackageInfo.h"

#include "data/CommonRoutines.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QtGlobal>
#include <elf.h>
#include <link.h>

namespace PackageInfo {

namespace {

// The libraries the dynamic section of a loaded object names as needed.
QStringList neededLibraries(const dl_phdr_info *info)
{
    const ElfW(Dyn) *dynamic = nullptr;
    for (int i = 0; i < info->dlpi_phnum; ++i)
        if (info->dlpi_phdr[i].p_type == PT_DYNAMIC)
            dynamic = reinterpret_cast<const ElfW(Dyn) *>(info->dlpi_addr + info->dlpi_phdr[i].p_vaddr);
    if (!dynamic)
        return {};
    ElfW(Addr) strtab = 0;
    for (const ElfW(Dyn) *d = dynamic; d->d_tag != DT_NULL; ++d)
        if (d->d_tag == DT_STRTAB)
            strtab = d->d_un.d_ptr;
    if (!strtab)
        return {};
    // The loader relocates the table's address in place for the objects it maps;
    // an object it did not relocate still holds an offset from its base.
    if (strtab < info->dlpi_addr)
        strtab += info->dlpi_addr;
    QStringList needed;
    for (const ElfW(Dyn) *d = dynamic; d->d_tag != DT_NULL; ++d)
        if (d->d_tag == DT_NEEDED)
            needed << QString::fromLocal8Bit(reinterpret_cast<const char *>(strtab + d->d_un.d_val));
    return needed;
}

bool isListed(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    return name.startsWith(QStringLiteral("libQt6")) || name.startsWith(QStringLiteral("libfbclient")) ||
           path.contains(QStringLiteral("/qt6/plugins/"));
}

QString describe(const QString &path)
{
    const QString name = QFileInfo(path).fileName();
    if (name.startsWith(QStringLiteral("libfbclient")))
        return QStringLiteral("Firebird client library");
    if (path.contains(QStringLiteral("/qt6/plugins/")))
        return QStringLiteral("Qt %1 plugin").arg(QString::fromLatin1(qVersion()));
    return QStringLiteral("Qt %1").arg(QString::fromLatin1(qVersion()));
}

// The program is linked from one library per area; the app area holds the entry point.
QList<Unit> programUnits()
{
    return {{QStringLiteral("app"), MainUnit},    {QStringLiteral("data"), 0},
            {QStringLiteral("master"), 0},        {QStringLiteral("routine"), 0},
            {QStringLiteral("yearend"), 0},       {QStringLiteral("maintenance"), 0},
            {QStringLiteral("reports"), 0}};
}

int collect(dl_phdr_info *info, size_t, void *data)
{
    auto &modules = *static_cast<QList<Module> *>(data);
    const QString path = QString::fromLocal8Bit(info->dlpi_name);
    if (modules.isEmpty()) {
        Module program;
        program.fileName = QCoreApplication::applicationFilePath();
        program.contains = programUnits();
        program.required = neededLibraries(info);
        program.description = QStringLiteral("Diário/Razão ") + CommonRoutines::versao_sistema();
        modules << program;
    } else if (isListed(path)) {
        Module module;
        module.fileName = path;
        module.required = neededLibraries(info);
        module.description = describe(path);
        modules << module;
    }
    return 0;
}

} // namespace

QList<Module> loadedModules()
{
    QList<Module> modules;
    dl_iterate_phdr(collect, &modules);
    return modules;
}

QString unitText(const Unit &unit)
{
    QString flags = QStringLiteral(" ");
    if (unit.flags & MainUnit)
        flags += QStringLiteral("Main Unit ");
    if (unit.flags & PackageUnit)
        flags += QStringLiteral("Package Unit ");
    if (unit.flags & WeakUnit)
        flags += QStringLiteral("Weak Unit ");
    if (unit.flags)
        flags = QStringLiteral(" (") + flags + u')';
    return unit.name + flags;
}

} // namespace PackageInfo
