#pragma once

#include <QString>
#include <functional>
#include <optional>

class Database;
class QWidget;

// The look-up dialogs the printing dialogs open ("Pesquisa de Vínculos",
// "Pesquisar Conta do Plano") belong to the master-data windows; the program
// hands them in here at start-up. Until one is handed in, the search buttons
// that need it stay disabled.
namespace ReportLookups {

struct Link {
    QString group;
    QString code;
    QString groupName;
    QString codeName;
};

struct Account {
    QString balco;
    QString titco;
};

// Shows the look-up modally; nothing when the user cancels.
using LinkPicker = std::function<std::optional<Link>(QWidget *parent, Database &db)>;
// `current` is the account the field holds; the look-up may start there.
using AccountPicker = std::function<std::optional<Account>(QWidget *parent, Database &db, const QString &current)>;

void setLinkPicker(LinkPicker picker);
void setAccountPicker(AccountPicker picker);
const LinkPicker &linkPicker();
const AccountPicker &accountPicker();

} // namespace ReportLookups
