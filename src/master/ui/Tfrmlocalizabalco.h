#pragma once

#include "data/ChartOfAccounts.h"
#include "master/ui/SearchDialog.h"

#include <QStringList>

// The account look-up "Pesquisar Conta do Plano": by code prefix or by words of
// the title. Title accounts (code ending in 00) show in red on a pale blue.
class Tfrmlocalizabalco : public SearchDialog {
    Q_OBJECT
public:
    // `prefixes` keeps the list to the accounts that begin with one of them.
    Tfrmlocalizabalco(Database &db, Interaction &ui, QWidget *parent = nullptr, QStringList prefixes = {});

    std::optional<ChartOfAccounts::Account> account() const;

    // Shows the dialog and returns the chosen account, nothing when cancelled or
    // when "Ok" found no row.
    static std::optional<ChartOfAccounts::Account> pick(Database &db, Interaction &ui, QWidget *parent,
                                                        const QStringList &prefixes = {});

protected:
    void showEvent(QShowEvent *event) override;
};
