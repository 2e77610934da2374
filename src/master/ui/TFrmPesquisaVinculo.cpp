#include "master/ui/TFrmPesquisaVinculo.h"

#include "data/DbError.h"
#include "data/Interaction.h"
#include "master/ui/LookupTableModel.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

constexpr int GroupRole = Qt::UserRole;
constexpr int LinkRole = Qt::UserRole + 1;

} // namespace

TFrmPesquisaVinculo::TFrmPesquisaVinculo(Database &db, Interaction &ui, QWidget *parent)
    : QDialog(parent), m_db(db), m_ui(ui)
{
    setObjectName(QStringLiteral("FrmPesquisaVinculo"));
    setWindowTitle(QStringLiteral("Pesquisa de Vínculos"));
    setModal(true);
    resize(520, 520);

    m_tree = new QTreeWidget(this);
    m_tree->setObjectName(QStringLiteral("TreeView1"));
    m_tree->setHeaderHidden(true);
    m_tree->setRootIsDecorated(true);
    m_tree->setItemsExpandable(false);
    QPalette p = m_tree->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive}) {
        p.setColor(group, QPalette::Highlight, LookupTableModel::selectedBackground());
        p.setColor(group, QPalette::HighlightedText, Qt::black);
    }
    m_tree->setPalette(p);
    m_tree->installEventFilter(this);
    connect(m_tree, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem *current) { selectionChanged(current); });
    connect(m_tree, &QTreeWidget::itemDoubleClicked, this, &QDialog::accept);

    auto *ok = new QPushButton(QStringLiteral("Ok"), this);
    ok->setObjectName(QStringLiteral("btnok"));
    auto *cancel = new QPushButton(QStringLiteral("Cancela"), this);
    cancel->setObjectName(QStringLiteral("btncancel"));
    ok->setAutoDefault(false);
    cancel->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_tree, 1);
    layout->addLayout(buttons);
}

void TFrmPesquisaVinculo::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    rebuild();
    m_tree->setFocus();
}

void TFrmPesquisaVinculo::rebuild()
{
    m_rebuilding = true;
    m_tree->clear();
    try {
        m_links = LinkTree::load(m_db);
    } catch (const DbError &e) {
        m_links = {};
        m_ui.message(e.driverText(), {}, Interaction::Icon::Error);
    }
    QFont groupFont(QStringLiteral("Arial"));
    groupFont.setBold(true);
    const QColor groupBackground(0x33, 0x62, 0x73);
    int g = 0;
    for (const LinkTree::Group &group : m_links.groups()) {
        auto *top = new QTreeWidgetItem(m_tree, QStringList{group.text});
        top->setData(0, GroupRole, g);
        top->setData(0, LinkRole, -1);
        top->setFont(0, groupFont);
        top->setForeground(0, Qt::white);
        top->setBackground(0, groupBackground);
        int l = 0;
        for (const LinkTree::Link &link : group.links) {
            auto *child = new QTreeWidgetItem(top, QStringList{LinkTree::linkText(link)});
            child->setData(0, GroupRole, g);
            child->setData(0, LinkRole, l++);
        }
        ++g;
    }
    m_tree->expandAll();
    m_rebuilding = false;
}

void TFrmPesquisaVinculo::selectionChanged(QTreeWidgetItem *current)
{
    if (m_rebuilding)
        return;
    if (!current) {
        m_ui.message(LinkTree::noSelectionText(), {}, Interaction::Icon::None);
        m_tree->setFocus();
        return;
    }
    if (current->childCount() > 0)
        m_tree->setCurrentItem(current->child(0));
}

std::optional<LinkTree::Link> TFrmPesquisaVinculo::link() const
{
    const QTreeWidgetItem *item = m_tree->currentItem();
    if (!item)
        return std::nullopt;
    const LinkTree::Link *l = m_links.pick(item->data(0, GroupRole).toInt(), item->data(0, LinkRole).toInt());
    return l ? std::optional<LinkTree::Link>(*l) : std::nullopt;
}

bool TFrmPesquisaVinculo::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_tree && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            accept();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

std::optional<LinkTree::Link> TFrmPesquisaVinculo::pick(Database &db, Interaction &ui, QWidget *parent)
{
    TFrmPesquisaVinculo dialog(db, ui, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.link();
}
