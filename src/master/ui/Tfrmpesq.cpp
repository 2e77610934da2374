#include "master/ui/Tfrmpesq.h"

#include "master/ui/LookupTableModel.h"

#include <QLineEdit>
#include <QRegularExpressionValidator>

Tfrmpesq::Tfrmpesq(Database &db, Interaction &ui, QWidget *parent)
    : SearchDialog(db, ui, QStringLiteral("Pesquisa"), QStringLiteral("OK"), parent)
{
    setObjectName(QStringLiteral("frmpesq"));
    using Box = HistorySearch::Box;
    QLineEdit *code = addBox(QStringLiteral("Codigo"), QStringLiteral("edcodigo"),
                             [](const QString &t, bool enter) { return HistorySearch::keyReleased(Box::Code, t, enter); },
                             EnterMovesTo::Grid, 50);
    code->setMaxLength(3);
    code->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,3}")), code));
    addBox(QStringLiteral("Procurar por discriminanção iniciando com..."), QStringLiteral("eddiscri"),
           [](const QString &t, bool enter) { return HistorySearch::keyReleased(Box::Text, t, enter); }, EnterMovesTo::Grid,
           260);
    setDisplayedQuery(HistorySearch::displayed);
    showColumns({QStringLiteral("HISTO"), QStringLiteral("DISCRI")});
    setColumnWidths({{QStringLiteral("HISTO"), 70}});
    model().setRowColours([](int row, const QSqlRecord &) { return LookupTableModel::alternating(row); });
    setSelectionColours(LookupTableModel::selectedBackground(), Qt::black);
}

void Tfrmpesq::showEvent(QShowEvent *event)
{
    SearchDialog::showEvent(event);
    showQuery(HistorySearch::all());
}

std::optional<HistorySearch::History> Tfrmpesq::history() const
{
    if (!chosen())
        return std::nullopt;
    return HistorySearch::fromRecord(*chosen());
}

std::optional<HistorySearch::History> Tfrmpesq::pick(Database &db, Interaction &ui, QWidget *parent)
{
    Tfrmpesq dialog(db, ui, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.history();
}
