#include "app/ui/GroupBar.h"

#include <QToolButton>
#include <QVBoxLayout>

namespace {

const char *HeaderStyle = "QToolButton { background: #5f9ea0; color: white; font-weight: bold;"
                          " border: none; border-bottom: 1px solid #2f6f6f; padding: 5px 4px; text-align: left; }"
                          "QToolButton:checked { background: #2f7f7f; }";

} // namespace

GroupBar::GroupBar(QWidget *parent) : QWidget(parent), m_layout(new QVBoxLayout(this))
{
    setObjectName(QStringLiteral("GroupBar1"));
    setFixedWidth(Width);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(236, 242, 242));
    setPalette(pal);
    m_layout->setContentsMargins(0, 0, 0, 0);
    m_layout->setSpacing(0);
    m_layout->addStretch();
}

int GroupBar::addGroup(const QString &objectName, const QString &caption)
{
    auto *header = new QToolButton(this);
    header->setObjectName(objectName + QStringLiteral("_header"));
    header->setText(caption);
    header->setCheckable(true);
    header->setToolButtonStyle(Qt::ToolButtonTextOnly);
    header->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    header->setStyleSheet(QLatin1String(HeaderStyle));
    auto *page = new QWidget(this);
    page->setObjectName(objectName);
    auto *layout = new QVBoxLayout(page);
    layout->setContentsMargins(2, 6, 2, 8);
    layout->setSpacing(2);
    page->hide();
    m_layout->insertWidget(m_layout->count() - 1, header);
    m_layout->insertWidget(m_layout->count() - 1, page);
    const int index = count();
    m_groups.append({header, page});
    connect(header, &QToolButton::clicked, this, [this, index] { setCurrentIndex(index); });
    if (m_open < 0)
        setCurrentIndex(index);
    return index;
}

QToolButton *GroupBar::addButton(int group, const QString &objectName, const QString &caption)
{
    QWidget *owner = page(group);
    auto *button = new QToolButton(owner);
    button->setObjectName(objectName);
    button->setText(caption);
    button->setAutoRaise(true);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    button->setMinimumHeight(30);
    owner->layout()->addWidget(button);
    return button;
}

QString GroupBar::caption(int group) const
{
    return m_groups.value(group).header ? m_groups[group].header->text() : QString();
}

QWidget *GroupBar::page(int group) const
{
    return m_groups.value(group).page;
}

QToolButton *GroupBar::header(int group) const
{
    return m_groups.value(group).header;
}

void GroupBar::setCurrentIndex(int group)
{
    if (group < 0 || group >= count())
        return;
    m_open = group;
    for (int i = 0; i < count(); ++i) {
        m_groups[i].header->setChecked(i == group);
        m_groups[i].page->setVisible(i == group);
    }
}

void GroupBar::openGroup(const QString &caption)
{
    for (int i = 0; i < count(); ++i)
        if (m_groups[i].header->text() == caption)
            setCurrentIndex(i);
}

QString GroupBar::openGroupCaption() const
{
    return caption(m_open);
}
