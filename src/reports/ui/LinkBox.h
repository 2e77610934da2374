#pragma once

#include <QGroupBox>

class Database;
class FieldNavigation;
class QLabel;
class QLineEdit;
class QToolButton;

// The link ("vínculo") box of the printing dialogs: "Grupo", "Codigo", the search
// button and the two name labels. Leaving a field looks its name up; nothing
// starting with the typed text says so and opens the link search.
class LinkBox : public QGroupBox {
    Q_OBJECT
public:
    // clearWhenEmpty: leaving an empty field clears its name label (the ledgers do;
    // the journal leaves the label as it was).
    LinkBox(Database &db, const QString &title, bool clearWhenEmpty, FieldNavigation *navigation, QWidget *parent = nullptr);

    QString group() const;
    QString code() const;
    QString groupName() const;
    QString codeName() const;

    // Opens the link search; a confirmed choice fills the fields and the labels.
    void search();

private:
    void groupLeft();
    void codeLeft();
    void message(const QString &text);

    Database &m_db;
    bool m_clearWhenEmpty;
    bool m_busy = false;
    QLineEdit *m_group;
    QLineEdit *m_code;
    QToolButton *m_search;
    QLabel *m_groupName;
    QLabel *m_codeName;
};
