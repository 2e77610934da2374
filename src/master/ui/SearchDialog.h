#pragma once

#include "master/SearchStep.h"

#include <QDialog>
#include <QHash>
#include <QList>
#include <QSqlRecord>
#include <functional>
#include <optional>

class Database;
class Interaction;
class LookupTableModel;
class QGroupBox;
class QHBoxLayout;
class QLineEdit;
class QPushButton;
class QTableView;

// The frame shared by the account, journal entry and history look-ups: the
// search boxes under "LOCALIZAR POR...", the grid of the dialog's query and the
// "Ok" and "Cancela" buttons. A key released in a search box (other than Enter)
// asks the look-up's rules for the new query; a box that answers alone empties
// the others. Double click or Enter in the grid presses "Ok".
class SearchDialog : public QDialog {
    Q_OBJECT
public:
    // The rules of a box: the query after a key was released in it.
    using Rule = std::function<std::optional<SearchStep>(const QString &text, bool enter)>;
    enum class EnterMovesTo { Grid, NextControl };

    SearchDialog(Database &db, Interaction &ui, const QString &caption, const QString &okText, QWidget *parent);

    // The row the grid stands on, when "Ok" closed the dialog on a row.
    const std::optional<QSqlRecord> &chosen() const { return m_chosen; }

    LookupTableModel &model() { return *m_model; }
    QTableView &grid() { return *m_grid; }
    QLineEdit *box(const QString &objectName) const;
    // Shows the query's rows; a refused query is told and the list stays.
    void showQuery(const QString &sql);

protected:
    QLineEdit *addBox(const QString &label, const QString &objectName, Rule rule, EnterMovesTo enter, int width = 160);
    // Up and Down in the search boxes move between the controls.
    void setArrowKeysMove(bool move) { m_arrowsMove = move; }
    // Turns or drops a typed character before it reaches the box; nothing drops it.
    void setCharacterFilter(QLineEdit *box, std::function<std::optional<QChar>(QChar)> filter);
    void setDisplayedQuery(std::function<QString(const QString &)> displayed) { m_displayed = std::move(displayed); }
    void showColumns(const QStringList &columns);
    void setColumnWidths(const QHash<QString, int> &widths) { m_widths = widths; }
    void setSelectionColours(const QColor &background, const QColor &text);

    bool eventFilter(QObject *watched, QEvent *event) override;
    void accept() override;

    Database &m_db;
    Interaction &m_ui;

private:
    struct Box {
        QLineEdit *edit;
        Rule rule;
        EnterMovesTo enter;
        std::function<std::optional<QChar>(QChar)> filter;
    };
    Box *findBox(QObject *watched);
    void keyReleased(Box &box, bool enter);
    bool keyPressed(Box &box, QKeyEvent *event);
    void moveFocus(bool forward);

    QGroupBox *m_searchGroup;
    QHBoxLayout *m_boxes;
    QTableView *m_grid;
    LookupTableModel *m_model;
    QPushButton *m_ok;
    QPushButton *m_cancel;
    QList<Box> m_boxList;
    bool m_arrowsMove = false;
    std::function<QString(const QString &)> m_displayed;
    QStringList m_visibleColumns;
    QHash<QString, int> m_widths;
    std::optional<QSqlRecord> m_chosen;
};
