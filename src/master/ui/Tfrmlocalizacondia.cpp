#include "master/ui/Tfrmlocalizacondia.h"

#include "data/Interaction.h"
#include "master/AmountKeys.h"
#include "master/JournalEntrySearch.h"
#include "master/ui/LookupTableModel.h"

#include <QLineEdit>
#include <QRegularExpressionValidator>

Tfrmlocalizacondia::Tfrmlocalizacondia(Database &db, Interaction &ui, QWidget *parent)
    : SearchDialog(db, ui, QStringLiteral("Pesquisar Lançamento no Diário Razão"), QStringLiteral("Ok"), parent)
{
    setObjectName(QStringLiteral("frmlocalizacondia"));
    using Box = JournalEntrySearch::Box;
    const auto rule = [](Box box) {
        return [box](const QString &t, bool enter) { return JournalEntrySearch::keyReleased(box, t, enter); };
    };
    QLineEdit *code = addBox(QStringLiteral("Codigo"), QStringLiteral("edcodigo"), rule(Box::Code), EnterMovesTo::Grid, 70);
    code->setMaxLength(6);
    code->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,6}")), code));
    addBox(QStringLiteral("Titulo da conta"), QStringLiteral("edtitulo"), rule(Box::Title), EnterMovesTo::Grid);
    addBox(QStringLiteral("Discriminação"), QStringLiteral("eddiscri"), rule(Box::Description), EnterMovesTo::Grid);
    QLineEdit *value = addBox(
        QStringLiteral("Valor ~"), QStringLiteral("edvalor"),
        [this](const QString &t, bool enter) -> std::optional<SearchStep> {
            try {
                return JournalEntrySearch::keyReleased(Box::Value, t, enter);
            } catch (const JournalEntrySearch::BadValue &e) {
                m_ui.message(e.text(), {}, Interaction::Icon::Error);
                return std::nullopt;
            }
        },
        EnterMovesTo::Grid, 90);
    setCharacterFilter(value, AmountKeys::search);
    setDisplayedQuery(JournalEntrySearch::displayed);
    showColumns({QStringLiteral("BALCO"), QStringLiteral("TITCO"), QStringLiteral("DATAE"), QStringLiteral("DEBIT"),
                 QStringLiteral("CREDI"), QStringLiteral("DISCRI"), QStringLiteral("SEQ")});
    model().setMoneyColumns({QStringLiteral("DEBIT"), QStringLiteral("CREDI")}, true);
    setColumnWidths({{QStringLiteral("BALCO"), 65}, {QStringLiteral("TITCO"), 210}, {QStringLiteral("DATAE"), 85},
                     {QStringLiteral("DEBIT"), 95}, {QStringLiteral("CREDI"), 95}, {QStringLiteral("DISCRI"), 250}});
    model().setRowColours([](int row, const QSqlRecord &) { return LookupTableModel::alternating(row); });
    setSelectionColours(LookupTableModel::selectedBackground(), Qt::black);
    resize(940, 480);
}

void Tfrmlocalizacondia::showEvent(QShowEvent *event)
{
    SearchDialog::showEvent(event);
    showQuery(JournalEntrySearch::all());
}

std::optional<JournalRow> Tfrmlocalizacondia::entry() const
{
    if (!chosen())
        return std::nullopt;
    return JournalEntrySearch::fromRecord(*chosen());
}

std::optional<JournalRow> Tfrmlocalizacondia::pick(Database &db, Interaction &ui, QWidget *parent)
{
    Tfrmlocalizacondia dialog(db, ui, parent);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return dialog.entry();
}
