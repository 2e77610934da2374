#pragma once

#include "master/LinkTree.h"

#include <QDialog>
#include <optional>

class Database;
class Interaction;
class QTreeWidget;
class QTreeWidgetItem;

// The link look-up "Pesquisa de Vínculos": the tree of link groups and their
// codes. Picking a group picks its first code.
class TFrmPesquisaVinculo : public QDialog {
    Q_OBJECT
public:
    TFrmPesquisaVinculo(Database &db, Interaction &ui, QWidget *parent = nullptr);

    QTreeWidget &tree() { return *m_tree; }
    // The link the tree stands on.
    std::optional<LinkTree::Link> link() const;

    static std::optional<LinkTree::Link> pick(Database &db, Interaction &ui, QWidget *parent);

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void rebuild();
    void selectionChanged(QTreeWidgetItem *current);

    Database &m_db;
    Interaction &m_ui;
    LinkTree m_links;
    QTreeWidget *m_tree;
    bool m_rebuilding = false;
};
