// The contest archive: the past contests in order of season and number, loaded from and
// saved to "archivio.mra" in the Archivi folder (one 20-byte record per contest, no header).
// The editor keeps the order through Riposiziona.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "Cartelle.h"
#include "Concorso.h"
#include "Domanda.h"
#include "FileBinario.h"
#include "ImpostazioniRicerca.h"

namespace morella {

class TCondizione;
class T_FrequenzeRitardi;

inline constexpr const char* NomeFileArchivio = "archivio.mra";
inline constexpr const char* MessaggioCaricaArchivio = "Impossibile Caricare L'Archivio.";
inline constexpr const char* DomandaSostituisciConcorso =
    "Il Concorso è già in memoria. Devo Sostituirlo ?";

struct TStagioniArchivio {
    std::int32_t Prima = 0;
    std::int32_t Ultima = 0;
};

class T_Archivio {
public:
    // Path of "archivio.mra" in the given folder.
    static std::string FileArchivio(const std::string& cartellaArchivi);

    // Empties the archive and reads the contests in file order. A record cut short ends the
    // reading: the contests before it stay and the result is false. A file that cannot be
    // opened leaves the archive empty and throws EErrore("Impossibile Caricare L'Archivio.");
    // callers that report the failure in their own words catch it.
    bool Carica(const std::string& cartellaArchivi = CartellaArchivi());
    // The same, then the search range becomes the whole archive.
    bool Carica(const std::string& cartellaArchivi, T_ImpostazioniRicerca& ricerca);
    // Writes every contest in list order through the safe save; false when the file could
    // not be written (the old one stays).
    bool Salva(const std::string& cartellaArchivi = CartellaArchivi()) const;

    // The records from memory: replaces the contests, false on a short record.
    bool LeggiConcorsi(TLettoreBinario& lettore);
    TBytes ImmagineConcorsi() const;

    // Moves the contest at `indice` to its place after its season or number changed. When
    // another contest has the same season and number the player is asked whether to replace
    // it: Si copies the moved contest over it and removes the moved one, No changes nothing
    // and fails. `indice` is the editor's examined index: it stays as it is unless it now
    // lies beyond the last contest, then it becomes the last. An index outside the list fails.
    bool Riposiziona(int& indice, TDomanda& domanda);

    // Rebuilds the archive database's tables from the contests ("Aggiornamento DataBase");
    // the editor calls it over the whole archive before saving. Memory only: Salva writes
    // the result. The database does not exist yet, so for now there is nothing to rebuild;
    // this is the one place its rebuild goes.
    void RicalcolaDataBase();

    // The database's archive tables for the series of `condizione`, in the order of the
    // condition's own series, when the database keeps that kind (and that variant of it);
    // false otherwise. Whether the condition and the search range cover enough for the
    // cached tables to be the right ones is the caller's decision.
    bool TabelleDataBase(const TCondizione& condizione, std::vector<T_FrequenzeRitardi>& tabelle) const;

    // Seasons of the first and the last contest; nothing for an empty archive.
    std::optional<TStagioniArchivio> PrimaEUltimaStagione() const;

    int NumeroConcorsi() const { return static_cast<int>(concorsi_.size()); }
    bool Vuoto() const { return concorsi_.empty(); }
    // By index 0..count-1 (std::out_of_range otherwise).
    const T_Concorso& Concorso(int indice) const { return concorsi_.at(Posizione(indice)); }
    T_Concorso& Concorso(int indice) { return concorsi_.at(Posizione(indice)); }
    const T_Concorso& Primo() const { return concorsi_.front(); }  // not on an empty archive
    const T_Concorso& Ultimo() const { return concorsi_.back(); }
    const std::vector<T_Concorso>& Concorsi() const { return concorsi_; }

    // Editing, as the archive editor needs it. Append and insert do not sort: the editor
    // keeps the order through Riposiziona.
    T_Concorso& Aggiungi(const T_Concorso& concorso);
    // A fresh contest (this year, number 1, empty column) at the end.
    T_Concorso& AggiungiNuovo() { return Aggiungi(T_Concorso{}); }
    // The contest after the last one: its season, its number plus 1, an empty column. On an
    // empty archive, a fresh contest.
    T_Concorso& AggiungiSeguente();
    void Inserisci(int indice, const T_Concorso& concorso);  // 0..count
    void Elimina(int indice);                                // 0..count-1
    void Svuota() { concorsi_.clear(); }

private:
    // A negative index becomes one that at() refuses.
    static std::size_t Posizione(int indice)
    {
        return indice < 0 ? static_cast<std::size_t>(-1) : static_cast<std::size_t>(indice);
    }

    // The archive database ("archdb.mra", beside "archivio.mra") loads and saves here once
    // it exists. Loading comes after the contests: a file that cannot be read whole is
    // rebuilt from the contests and makes Carica report false. Saving comes only after
    // every contest was written, and Salva succeeds only when both files were. Until the
    // database exists there is nothing to load or save, and both steps succeed.
    bool CaricaDataBase(const std::string& cartellaArchivi);
    bool SalvaDataBase(const std::string& cartellaArchivi) const;

    std::vector<T_Concorso> concorsi_;
};

}  // namespace morella
