#pragma once

#include "data/JournalRow.h"
#include "maintenance/JournalRenumbering.h"

#include <optional>

class Database;
class Interaction;
class JournalStore;

// The operations of the routine entries maintenance (`Tfrmmanutencao`) apart
// from its window: what Incluir, Alterar, Eliminar and Organizar check, ask and
// write.
class RoutineMaintenance {
public:
    RoutineMaintenance(Database &db, JournalStore &journal, Interaction &ui);

    // Incluir: the new row for the editor (link 001/001, the next line number),
    // nothing when the journal is still empty (told).
    std::optional<JournalRow> incluir();
    // Alterar: false for an opening entry, which only its own window changes (told).
    bool alterar(const JournalRow &row);
    // Eliminar: asks, deletes the row and writes the deletion back. True when it
    // was written.
    bool eliminar(const JournalRow &row);
    // Organizar: the renumbering with its closing message. HeaderRefused passes on.
    bool organizar(const JournalRenumbering::Progress &progress);

    static QString emptyJournalText();
    static QString openingEntryText();
    static constexpr const char *OpeningEntryCaption = "Atenção";
    static constexpr const char *DeleteCaption = "Confirma a Exclusão?";
    static QString deleteText();

private:
    Database &m_db;
    JournalStore &m_journal;
    Interaction &m_ui;
};
