// The archive editor ("Aggiornamento Archivio") without its window: the contest being
// examined, its three fields as the player typed them, storing them back into the archive
// with the order kept, the moves, adding and deleting contests, confirming and closing.
#pragma once

#include <chrono>
#include <string>
#include <vector>

#include "Archivio.h"
#include "BloccoArchivio.h"
#include "Cartelle.h"
#include "Domanda.h"
#include "ImpostazioniRicerca.h"

namespace morella {

inline constexpr const char* MessaggioColonnaVincenteNonValida = "La Colonna Vincente Non è Valida.";
inline constexpr const char* MessaggioStagioneNonValida = "La Stagione Non è Valida.";
inline constexpr const char* MessaggioNumeroNonValido = "Il Numero Del Concorso Non è Valido.";
inline constexpr const char* DomandaEliminaConcorso = "Vuoi Eliminare Il Concorso In Esame ?";
inline constexpr const char* MessaggioSalvaModifiche = "Impossibile Salvare le Modifiche.";
inline constexpr const char* MessaggioAnnullaModifiche = "Impossibile Annullare Le Modifiche.";
inline constexpr const char* DomandaAbbandonaModifiche =
    "Le modifiche all'archivio non sono state salvate. Vuoi abbandonarle ?";
inline constexpr const char* MessaggioArchivioCambiato =
    "L'archivio è stato modificato da un altro programma: chiudi l'editor e riaprilo per vedere "
    "le modifiche. Le tue modifiche non sono state salvate.";

// What the editor accepts for a season and a contest number it is given.
inline constexpr int StagioneMinimaEditor = 1930;
inline constexpr int StagioneMassimaEditor = 2099;
inline constexpr int NumeroMinimoConcorso = 1;
inline constexpr int NumeroMassimoConcorso = 99;

// The field a refused store wants the cursor in.
enum class TCampoEditor { Nessuno, Stagione, Numero, Colonna };

// The winning column as the editor shows it: one character per event ("1", "X", "2", and
// "*" for anything that is not a single sign); a column with no sign at all is empty.
std::string TestoColonnaVincente(const TColonna& colonna);

class TEditoreArchivio {
   public:
    // Works on the archive and the search settings of the program and asks through
    // `domanda`; all three must outlive the editor. The files are in `cartellaArchivi`.
    TEditoreArchivio(T_Archivio& archivio, T_ImpostazioniRicerca& ricerca, TDomanda& domanda,
                     std::string cartellaArchivi = CartellaArchivi());

    // Building the editor at start-up loads the archive and sets the search range to it.
    // A file that is missing or cut short throws EErrore("Impossibile Caricare L'Archivio.");
    // the contests read before the damage stay. A database file that is missing or damaged
    // is rebuilt without a word.
    void CaricaArchivio();

    // Every time the editor is opened: an empty archive gets a new contest, the last
    // contest is shown and nothing counts as modified.
    void Apri();

    // The fields, as text. Changing one marks the archive modified; the column is kept in
    // upper case. Nothing reaches the archive until the contest is stored.
    const std::string& Stagione() const { return stagione_; }
    const std::string& Numero() const { return numero_; }
    const std::string& Colonna() const { return colonna_; }
    void ImpostaStagione(const std::string& testo);
    void ImpostaNumero(const std::string& testo);
    void ImpostaColonna(const std::string& testo);

    // Shows contest `indice` (kept inside the list) without storing the one examined
    // before: how the command-line tool picks a contest by its season and number.
    void Esamina(int indice);

    int IndiceInEsame() const { return indice_; }
    bool Modificato() const { return modificato_; }
    // After a refused store: the field to put the cursor in.
    TCampoEditor CampoDaCorreggere() const { return campo_; }

    // Stores the fields into the examined contest. The column, spaces removed, must be one
    // of "1", "X", "2", "*" per event, else "La Colonna Vincente Non è Valida." is shown and
    // nothing is stored. A changed season or number moves the contest to its place; when
    // another contest already has them the player chooses to replace it or not, and on "No"
    // the contest goes back to what it was and the store fails.
    bool ControllaconcorsoInEsame();

    // The moves store first and stay put when the store fails. The examined index is kept
    // across the store, even when the contest moved elsewhere in the list.
    bool Precedente();
    bool Successivo();
    bool Primo();
    bool Ultimo();
    // Stores, then appends the contest after the last one and shows it.
    bool Aggiungi();
    // After the player confirms, removes the examined contest without storing it; the list
    // never stays empty. False when the player said no.
    bool Elimina();

    // How long the save at OK waits for another writer's lock before it gives up.
    void ImpostaAttesaBlocco(std::chrono::milliseconds attesa) { attesaBlocco_ = attesa; }

    // Where the rebuild at OK shows its progress, and the configuration whose points scale
    // it resets; both optional, and they must outlive the editor.
    void ImpostaAggiornamentoDataBase(TConfigurazione* configurazione, TOsservatoreDataBase* osservatore);

    // OK: stores, and when anything changed sets the search range to the whole archive,
    // rebuilds the database over the whole archive and saves. False when the store was
    // refused (the editor stays open). A failed save throws
    // EErrore("Impossibile Salvare le Modifiche."); the files keep their previous contents
    // and the archive stays modified. The save holds the archive's lock, and when another
    // program saved the archive since it was loaded here nothing is written: EErrore
    // (MessaggioArchivioCambiato), since saving would silently drop what that one saved.
    bool Conferma();
    // "Annulla": after changes the player is asked before they are dropped; true when the
    // editor may close (then Chiudi drops them).
    bool ConfermaAbbandono();

    // The contests of a CSV file (already read and checked) into the archive in memory:
    // the examined contest is stored first (false, nothing changed, when it is refused),
    // then they are merged, or replace the archive with `sostituisci`; the last contest is
    // shown and the archive counts as modified. OK saves it as any other change. The refusals
    // of UnisciConcorsi (too many contests, replacing with nothing) throw its EErrore and
    // change nothing.
    bool Importa(const std::vector<T_Concorso>& concorsi, bool sostituisci);

    // Closing by any way: after changes the archive is read back from its files, which
    // undoes what was not saved. Throws EErrore("Impossibile Annullare Le Modifiche.")
    // when the files cannot be read.
    void Chiudi();

   private:
    // Keeps the examined index inside a list that is never empty.
    void Normalizza();
    void Mostra();
    bool Rifiuta(TCampoEditor campo, const char* messaggio);
    bool Sposta(int nuovoIndice);
    bool CaricaDaFile();

    T_Archivio& archivio_;
    T_ImpostazioniRicerca& ricerca_;
    TDomanda& domanda_;
    std::string cartella_;

    std::string stagione_, numero_, colonna_;
    int indice_ = 0;
    int indiceNuovo_ = -1;  // the contest "Aggiungi" appended, until it is stored
    bool modificato_ = false;
    TCampoEditor campo_ = TCampoEditor::Nessuno;
    TConfigurazione* configurazione_ = nullptr;
    TOsservatoreDataBase* osservatoreDataBase_ = nullptr;
    std::chrono::milliseconds attesaBlocco_ = AttesaBloccoPredefinita;
};

}  // namespace morella
