#pragma once

#include "data/JournalRow.h"
#include "master/ui/SearchDialog.h"

// The journal entry look-up "Pesquisar Lançamento no Diário Razão": by account
// code, account title, history text or an amount within three cents.
class Tfrmlocalizacondia : public SearchDialog {
    Q_OBJECT
public:
    Tfrmlocalizacondia(Database &db, Interaction &ui, QWidget *parent = nullptr);

    std::optional<JournalRow> entry() const;
    // The chosen row (its SEQUENCIA finds it in the caller's journal), nothing
    // when cancelled or when "Ok" found no row.
    static std::optional<JournalRow> pick(Database &db, Interaction &ui, QWidget *parent);

protected:
    void showEvent(QShowEvent *event) override;
};
