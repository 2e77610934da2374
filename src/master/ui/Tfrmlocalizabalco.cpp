#include "master/ui/Tfrmlocalizabalco.h"

#include "master/AccountSearch.h"
#include "master/ui/LookupTableModel.h"

#include <QLineEdit>
#include <QRegularExpressionValidator>

Tfrmlocalizabalco::Tfrmlocalizabalco(Database &db, Interaction &ui, QWidget *parent, QStringList prefixes)
    : SearchDialog(db, ui, QStringLiteral("Pesquisar Conta do Plano"), QStringLiteral("Ok"), parent)
{
    setObjectName(QStringLiteral("frmlocalizabalco"));
    using Box = AccountSearch::Box;
    QLineEdit *code = addBox(QStringLiteral("Codigo"), QStringLiteral("edcodigo"),
                             [](const QString &t, bool enter) { return AccountSearch::keyReleased(Box::Code, t, enter); },
                             EnterMovesTo::Grid, 80);
    code->setMaxLength(6);
    code->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,6}")), code));
    addBox(QStringLiteral("Descrição"), QStringLiteral("eddescricao"),
           [](const QString &t, bool enter) { return AccountSearch::keyReleased(Box::Description, t, enter); },
           EnterMovesTo::NextControl, 260);
    setArrowKeysMove(true);
    setDisplayedQuery([prefixes](const QString &sql) { return AccountSearch::displayed(sql, prefixes); });
    model().setMoneyColumns({QStringLiteral("CREDIT"), QStringLiteral("DEBIT"), QStringLiteral("SALDO")}, false);
    setColumnWidths({{QStringLiteral("BALCO"), 70}, {QStringLiteral("TIP"), 35}, {QStringLiteral("TITCO"), 300},
                     {QStringLiteral("D_C"), 40}, {QStringLiteral("CREDIT"), 90}, {QStringLiteral("DEBIT"), 90}});
    model().setRowColours([](int, const QSqlRecord &r) -> LookupTableModel::Colours {
        if (ChartOfAccounts::isTitle(r.value(QStringLiteral("BALCO")).toString().trimmed()))
            return {QColor(0xD9, 0xEC, 0xEC), Qt::red};
        return {};
    });
    setSelectionColours(QColor(0, 0, 128), Qt::white);
}

void Tfrmlocalizabalco::showEvent(QShowEvent *event)
{
    SearchDialog::showEvent(event);
    showQuery(AccountSearch::all());
}

std::optional<ChartOfAccounts::Account> Tfrmlocalizabalco::account() const
{
    if (!chosen())
        return std::nullopt;
    return AccountSearch::fromRecord(*chosen());
}

std::optional<ChartOfAccounts::Account> Tfrmlocalizabalco::pick(Database &db, Interaction &ui, QWidget *parent,
                                                               const QStringList &prefixes)
{
    Tfrmlocalizabalco dialog(db, ui, parent, prefixes);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.account();
}
