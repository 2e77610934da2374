#include "app/ui/TForm1.h"

#include "app/PackageInfo.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QHeaderView>
#include <QScreen>
#include <QTreeWidget>
#include <QVBoxLayout>

TForm1::TForm1(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Package Information"));
    resize(640, 480);
    m_tree = new QTreeWidget(this);
    m_tree->setObjectName(QStringLiteral("TreeView1"));
    m_tree->header()->hide();
    m_tree->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    QPalette pal = m_tree->palette();
    pal.setColor(QPalette::Text, QColor(0, 128, 0));
    m_tree->setPalette(pal);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_tree);
    FormCreate();
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
}

void TForm1::FormCreate()
{
    for (const PackageInfo::Module &module : PackageInfo::loadedModules()) {
        auto *root = new QTreeWidgetItem(m_tree, {module.fileName});
        auto *contains = new QTreeWidgetItem(root, {QStringLiteral("Contains")});
        for (const PackageInfo::Unit &unit : module.contains)
            new QTreeWidgetItem(contains, {PackageInfo::unitText(unit)});
        auto *requiresNode = new QTreeWidgetItem(root, {QStringLiteral("Requires")});
        for (const QString &name : module.required)
            new QTreeWidgetItem(requiresNode, {name});
        if (!module.description.isEmpty()) {
            new QTreeWidgetItem(root, {QStringLiteral("Description: ") + module.description});
            if (module.designOnly)
                new QTreeWidgetItem(root, {QStringLiteral("Design Only")});
            if (module.runOnly)
                new QTreeWidgetItem(root, {QStringLiteral("Run Only")});
        }
    }
    // The program's own node open: what it contains and requires is what one looks for.
    if (m_tree->topLevelItemCount() > 0) {
        QTreeWidgetItem *program = m_tree->topLevelItem(0);
        program->setExpanded(true);
        for (int i = 0; i < program->childCount(); ++i)
            program->child(i)->setExpanded(true);
    }
}
