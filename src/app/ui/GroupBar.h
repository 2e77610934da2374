#pragma once

#include <QList>
#include <QWidget>

class QToolButton;
class QVBoxLayout;

// The column of shortcut groups on the left of the main window: a header per
// group, one group open at a time (opening one closes the others), each a list
// of flat buttons.
class GroupBar : public QWidget {
    Q_OBJECT
public:
    static constexpr int Width = 105;

    explicit GroupBar(QWidget *parent = nullptr);

    int addGroup(const QString &objectName, const QString &caption);
    QToolButton *addButton(int group, const QString &objectName, const QString &caption);

    int count() const { return int(m_groups.size()); }
    QString caption(int group) const;
    QWidget *page(int group) const;
    QToolButton *header(int group) const;
    int currentIndex() const { return m_open; }
    void setCurrentIndex(int group);
    // Opens the group with that caption; an unknown caption changes nothing.
    void openGroup(const QString &caption);
    QString openGroupCaption() const;

private:
    struct Entry {
        QToolButton *header;
        QWidget *page;
    };
    QVBoxLayout *m_layout;
    QList<Entry> m_groups;
    int m_open = -1;
};
