// The contest archive: the past contests in order of season and number, loaded from and
// saved to "archivio.mra" in the Archivi folder (one 20-byte record per contest, no header),
// with its database of cached statistics beside it in "archdb.mra". The editor keeps the
// order through Riposiziona.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "Cartelle.h"
#include "Concorso.h"
#include "DataBaseArchivio.h"
#include "Domanda.h"
#include "FileBinario.h"
#include "ImpostazioniRicerca.h"

namespace morella {

class TCondizione;
struct TConfigurazione;

inline constexpr const char* NomeFileArchivio = "archivio.mra";
// The most contests an archive file may hold, on disk or downloaded. Every season from
// 1930 to 2099 with all its 99 contests is 16,830: the limit leaves room for that and
// keeps a hostile file from asking for gigabytes. A longer file is not an archive.
inline constexpr int MassimoConcorsiArchivio = 20000;
inline constexpr const char* MessaggioCaricaArchivio = "Impossibile Caricare L'Archivio.";
inline constexpr const char* DomandaSostituisciConcorso = "Il Concorso è già in memoria. Devo Sostituirlo ?";

// What tells one version of "archivio.mra" from another: every save puts a new file in its
// place, so its identity, size and time of change all move.
struct TImprontaArchivio {
    bool Esiste = false;
    std::uint64_t Dispositivo = 0, Nodo = 0, Dimensione = 0;
    std::int64_t Secondi = 0, Nanosecondi = 0;
    bool operator==(const TImprontaArchivio&) const = default;
};
TImprontaArchivio ImprontaArchivio(const std::string& cartellaArchivi);

struct TStagioniArchivio {
    std::int32_t Prima = 0;
    std::int32_t Ultima = 0;
};

// What the last Carica found: whether every contest record was whole, and whether the
// database file was read whole (when not, the database was rebuilt from the contests).
struct TEsitoCaricamento {
    bool ConcorsiInteri = true;
    bool DataBaseLetto = true;
};

class T_Archivio {
   public:
    // Paths of "archivio.mra" and "archdb.mra" in the given folder.
    static std::string FileArchivio(const std::string& cartellaArchivi);
    static std::string FileDataBase(const std::string& cartellaArchivi);

    // Empties the archive and reads the contests in file order, then the database. A record
    // cut short ends the reading: the contests before it stay, the database is rebuilt from
    // them and the result is false. A database file that is missing, short or damaged is
    // rebuilt from the contests over the whole archive; the result is then false too,
    // though nothing of it needs telling the player (EsitoCaricamento says which part
    // failed). A contests file that cannot be
    // opened leaves the archive and its database empty and throws
    // EErrore("Impossibile Caricare L'Archivio."); callers that report the failure in their
    // own words catch it.
    bool Carica(const std::string& cartellaArchivi = CartellaArchivi());
    // The same, then the search range becomes the whole archive.
    bool Carica(const std::string& cartellaArchivi, T_ImpostazioniRicerca& ricerca);
    const TEsitoCaricamento& EsitoCaricamento() const { return esito_; }
    // Whether "archivio.mra" in the folder is no longer the file this archive was last
    // loaded from or saved to: another program saved over it meanwhile. False for an
    // archive never loaded nor saved.
    bool CambiatoSuDisco(const std::string& cartellaArchivi) const;
    // Writes every contest in list order, then the database; true only when both files were
    // written. The pair is replaced together: on any failure both old files stay as they
    // were. An archive whose database was never loaded nor rebuilt saves a fresh rebuild
    // over the whole archive.
    bool Salva(const std::string& cartellaArchivi = CartellaArchivi()) const;

    // The records from memory: replaces the contests, false on a short record. The
    // database is left as it is.
    bool LeggiConcorsi(TLettoreBinario& lettore);
    TBytes ImmagineConcorsi() const;
    // The database from memory, as from "archdb.mra": false when the bytes are not a whole
    // database or do not count what the contests in memory give over the whole archive;
    // then the database is rebuilt from the contests over the whole archive.
    bool LeggiDataBase(TLettoreBinario& lettore);
    // The bytes of "archdb.mra" as Salva would write them.
    TBytes ImmagineDataBase() const;

    // Moves the contest at `indice` to its place after its season or number changed. When
    // another contest has the same season and number the player is asked whether to replace
    // it: Si copies the moved contest over it and removes the moved one, No changes nothing
    // and fails. `indice` is the editor's examined index: it stays as it is unless it now
    // lies beyond the last contest, then it becomes the last. An index outside the list fails.
    bool Riposiziona(int& indice, TDomanda& domanda);

    // Rebuilds the database's tables from the contests ("Aggiornamento DataBase"): each of
    // its seven kinds at its defaults (the whole column) over the contests that pass
    // `ricerca`, or without one over the whole archive (only complete contests, as a fresh
    // search range has it). The observer sees the title and steps 1..7. The points scale of
    // `configurazione`, when given, goes back to 2. Memory only: Salva writes the result.
    // The tables describe the contests as they are now; later edits leave them as they
    // are until the next rebuild or load.
    void RicalcolaDataBase(const T_ImpostazioniRicerca* ricerca = nullptr,
                           TOsservatoreDataBase* osservatore = nullptr,
                           TConfigurazione* configurazione = nullptr);

    // The database's archive tables for the series of `condizione`, in the order of the
    // condition's own series, when the database keeps that kind (numero di segni, pari e
    // dispari, vortice, simmetrie, interruzioni, formule derivate, ripetizioni) and has been
    // loaded or rebuilt; false otherwise. The tables were counted at the kind's defaults
    // over the range of the last rebuild (the whole archive, only complete contests, unless
    // a caller chose another): whether the condition and the search range match that is
    // the caller's decision.
    bool TabelleDataBase(const TCondizione& condizione, std::vector<T_FrequenzeRitardi>& tabelle) const;
    // The database itself; nothing before the first load or rebuild.
    const TDataBaseArchivio* DataBase() const { return dataBase_ ? &*dataBase_ : nullptr; }

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
    // A fresh contest (this year, number 1, empty column, not complete) at the end.
    T_Concorso& AggiungiNuovo();
    // The contest after the last one: its season and its number plus 1 (after number 99 the
    // next season's first), an empty column, not complete. On an empty archive, a fresh
    // contest.
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

    // Loading the database comes after the contests; a file that cannot be read whole is
    // rebuilt from them and the result is false.
    bool CaricaDataBase(const std::string& cartellaArchivi);
    // The database as it should be written: the one in memory, or a rebuild over the whole
    // archive when there is none yet.
    TDataBaseArchivio DataBaseDaSalvare() const;

    std::vector<T_Concorso> concorsi_;
    std::optional<TDataBaseArchivio> dataBase_;
    TEsitoCaricamento esito_;
    // The file as last loaded or saved (mutable: a save, though const, records it).
    mutable std::optional<TImprontaArchivio> impronta_;
};

}  // namespace morella
