// The one open system: its data record, its file name and the modified/untitled flags,
// the comment and the participants, and the commands New, Load, Save, Save As, Delete and
// the confirmation before a system is abandoned. The file dialogs stay in the UI: these
// operations take the path it chose and ask their questions through TDomanda.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "DatiSistema.h"
#include "Domanda.h"
#include "ImpostazioniRicerca.h"

namespace morella {

inline constexpr const char* NomeSistemaPredefinito = "SENZANOME.MRL";
inline constexpr const char* MessaggioCaricaSistema = "Impossibile Caricare Il Sistema";
inline constexpr const char* MessaggioSalvaSistema = "Impossibile Salvare Il Sistema";
inline constexpr const char* MessaggioCancellaSistema = "Impossibile Cancellare Il Sistema";
inline constexpr const char* DomandaSovrascriviSistema = "Il file esiste gia. Vuoi sovrascriverlo ? ";
inline constexpr const char* DomandaSalvaSistema = "Il Sistema non è Stato Salvato. Vuoi Salvarlo ? ";

constexpr int MassimoPartecipanti = 100;

// The four panels of the status line and the window caption.
struct TStatusLine {
    std::string ColonneFinali, ColonneIniziali, Doppie, Triple, Titolo;
};

class TSistema {
   public:
    // A fresh system named program directory + "/Sistemi/SENZANOME.MRL", untitled, with the
    // configuration of the program directory's "Morella.cfg" (defaults when it is missing).
    explicit TSistema(T_Archivio* archivio = nullptr);
    TSistema(const TSistema&) = delete;
    TSistema& operator=(const TSistema&) = delete;

    TDatiSistema& Dati() { return *dati_; }
    const TDatiSistema& Dati() const { return *dati_; }

    std::string NomeFile;
    bool Modificato = false;
    bool SenzaNome = true;
    T_ImpostazioniRicerca Ricerca;
    std::vector<std::string> Commento;
    std::int32_t Partecipanti = 1;
    std::vector<std::string> NomiPartecipanti;
    TListaColonne ColonneRidotte;  // scratch list of the reduced-system shortcut

    // New: everything but the development settings and the configuration back to a blank
    // system (the caller has confirmed first); the destination of the columns goes back to
    // its default, so the next development does not replace the previous system's columns.
    void Nuovo();
    // Load: reads the file into this system; it becomes the file name and modified is false.
    // A file that ends between two blocks loads with the defaults for the blocks it lacks.
    // One that cannot be opened, ends inside a block or holds what the program never writes
    // throws "Impossibile Caricare Il Sistema" and leaves the system, its name and its
    // modified flag as they were.
    void Carica(const std::string& file);
    // Save without asking: true when the system must first be given a name (an untitled
    // "SENZANOME.MRL"), in which case nothing is written and the caller runs Save As.
    bool SalvaRichiedeNome() const;
    // Writes to the current file name. A failure throws "Impossibile Salvare Il Sistema",
    // leaves the old file intact and the system marked modified.
    void Salva();
    // Save As: asks before overwriting an existing file (nothing happens on No); returns
    // whether the system was written. A destination named after the system follows it.
    bool SalvaCome(const std::string& file, TDomanda& domanda);
    // Confirm: true when the caller may go on. When cancelling is allowed, a box closed
    // without an answer counts as "Annulla": nothing is lost by a stray click on its frame. `salva` runs the
    // Save command (with its name dialog when needed); it returns false when the player gave up choosing a
    // name.
    bool Conferma(TDomanda& domanda, bool annullabile, const std::function<bool()>& salva);
    // Delete a system file (not the open system): proves it readable, asks, deletes on "Si".
    // Returns whether it was deleted.
    static bool Cancella(const std::string& file, TDomanda& domanda);

    // The comment editor confirmed: true (and modified) when the lines changed.
    bool CambiaCommento(const std::vector<std::string>& righe);
    // The participants editor confirmed: the refusal message, or nothing when the number and
    // the names were stored (modified when they changed). The number is kept in 1..100.
    std::optional<std::string> CambiaPartecipanti(int partecipanti, const std::vector<std::string>& nomi);
    // The development settings dialog confirmed with something touched.
    void ImpostazioniSviluppoCambiate(const TImpostazioniSviluppo& nuove);

    TStatusLine AggiornaStatusLine() const;

    // The file image and its reader, for the file itself and for tests.
    TBytes Immagine() const;
    // Reads the blocks in file order apart and takes them in only when the whole image is
    // acceptable (see Carica); false leaves this system untouched.
    bool LeggiImmagine(TLettoreBinario& f);

   private:
    std::unique_ptr<TDatiSistema> dati_;
};

// The file name without folder and extension, as the caption shows it.
std::string NomeSenzaCartellaEdEstensione(const std::string& file);

// The extension of column files as the program writes it.
inline constexpr const char* EstensioneColonne = ".Col";
// Save As of `sistema` to `nuovo`: a destination named after the system (".Col", any case)
// follows it to the new name in the same folder; nothing when it is named otherwise.
std::optional<std::string> DestinazioneRinominata(const std::string& destinazione, const std::string& sistema,
                                                  const std::string& nuovo);

}  // namespace morella
