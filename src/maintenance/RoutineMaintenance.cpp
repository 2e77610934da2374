#include "maintenance/RoutineMaintenance.h"

#include "data/Interaction.h"
#include "data/JournalStore.h"

RoutineMaintenance::RoutineMaintenance(Database &db, JournalStore &journal, Interaction &ui)
    : m_db(db), m_journal(journal), m_ui(ui)
{
}

QString RoutineMaintenance::emptyJournalText()
{
    return QStringLiteral("Antes de inserir um novo registro, deve-se efetuar os lançamentos anuais iniciais e os "
                          "Lançamentos de Rotina");
}

QString RoutineMaintenance::openingEntryText()
{
    return QStringLiteral("Esse lançamento só pode ser alterado na tela de lançamento Inicial Manual. Pois se trata de um "
                          "lançamento inicial!");
}

QString RoutineMaintenance::deleteText()
{
    return QStringLiteral("Excluir registro?");
}

std::optional<JournalRow> RoutineMaintenance::incluir()
{
    if (m_journal.rowCount() == 0) {
        m_ui.message(emptyJournalText(), {}, Interaction::Icon::None);
        return std::nullopt;
    }
    JournalRow row;
    row.vingrupo = QStringLiteral("001");
    row.vincodigo = QStringLiteral("001");
    row.seq = m_journal.lineCounter() + 1;
    return row;
}

bool RoutineMaintenance::alterar(const JournalRow &row)
{
    if (row.ie && *row.ie >= 1 && *row.ie <= 3) {
        m_ui.message(openingEntryText(), QString::fromUtf8(OpeningEntryCaption), Interaction::Icon::Warning);
        return false;
    }
    return true;
}

bool RoutineMaintenance::eliminar(const JournalRow &row)
{
    const auto answer = m_ui.question(deleteText(), QString::fromUtf8(DeleteCaption),
                                      Interaction::Button::Yes | Interaction::Button::No, Interaction::Button::No);
    if (answer != Interaction::Button::Yes)
        return false;
    m_journal.remove(row);
    return m_journal.applyUpdates(m_ui) > 0;
}

bool RoutineMaintenance::organizar(const JournalRenumbering::Progress &progress)
{
    JournalRenumbering renumbering(m_db, m_ui);
    renumbering.setProgress(progress);
    const bool written = renumbering.Reorganizar();
    m_ui.message(written ? JournalRenumbering::successText() : JournalRenumbering::cancelledText(), {},
                 Interaction::Icon::None);
    return written;
}
