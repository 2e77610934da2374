#pragma once

#include "master/HistorySearch.h"
#include "master/ui/SearchDialog.h"

// The standard history look-up "Pesquisa": by code (compared as text) or by a
// text found anywhere in the history.
class Tfrmpesq : public SearchDialog {
    Q_OBJECT
public:
    Tfrmpesq(Database &db, Interaction &ui, QWidget *parent = nullptr);

    std::optional<HistorySearch::History> history() const;
    static std::optional<HistorySearch::History> pick(Database &db, Interaction &ui, QWidget *parent);

protected:
    void showEvent(QShowEvent *event) override;
};
