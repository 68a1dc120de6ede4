// The archive database ("archdb.mra", beside "archivio.mra"): the archive tables of the
// seven whole-column kinds measured over the winning columns, kept so that an analysis over
// the whole archive can copy them instead of scanning every contest again.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "FileBinario.h"
#include "FrequenzeRitardi.h"
#include "TipiCondizione.h"

namespace morella {

class T_Archivio;
struct T_ImpostazioniRicerca;

inline constexpr const char* NomeFileDataBase = "archdb.mra";
inline constexpr const char* TitoloAggiornamentoDataBase = "Aggiornamento DataBase";

// One step per kind of the rebuild; 21 tables in the file.
inline constexpr int PassiAggiornamentoDataBase = 7;
inline constexpr int NumeroTabelleDataBase = 21;

// A table record: M (int16), contests counted (int32), the reserved byte, then M+1 pairs of
// entries, each entry three int32.
inline constexpr std::size_t DimensioneTestaTabella = 7;
inline constexpr std::size_t DimensioneCoppiaElementi = 24;
// The largest file the format can describe: every table at the highest M a table can hold.
// Anything longer is not a database and is not even read.
inline constexpr std::size_t DimensioneMassimaDataBase =
    NumeroTabelleDataBase *
    (DimensioneTestaTabella +
     DimensioneCoppiaElementi * (static_cast<std::size_t>(T_FrequenzeRitardi::ValoreMassimoAmmesso) + 1));

// The progress window of the rebuild. Every call has an empty default.
class TOsservatoreDataBase {
   public:
    virtual ~TOsservatoreDataBase() = default;
    // The window opens with this title ("Aggiornamento DataBase").
    virtual void Inizio(const std::string& /*titolo*/) {}
    // Step `passo` of `passi` is done: the bar's first `passo` segments are filled.
    virtual void Passo(int /*passo*/, int /*passi*/) {}
    // The window closes; also when the rebuild stops on an exception.
    virtual void Fine() {}
};

// Where the tables of one kind lie in the file, and which of the kind's statistic series
// each one is.
struct TTabelleDiTipo {
    TipoCondizione Tipo;
    int Prima;                 // file index of the kind's first table
    int Numero;                // how many tables the kind has
    std::array<int, 6> Serie;  // series of the condition, per table in file order
};

class TDataBaseArchivio {
   public:
    // The seven kinds in file order (which is also the order of the rebuild's steps):
    // numero di segni, pari e dispari, simmetrie, interruzioni, formule derivate,
    // ripetizioni, vortice.
    static const std::array<TTabelleDiTipo, PassiAggiornamentoDataBase>& Tipi();
    // The entry of a kind among them; nullptr for a kind the database does not keep.
    static const TTabelleDiTipo* DelTipo(TipoCondizione tipo);

    // 21 tables with nothing counted (M 0); a rebuild or a load gives them their shape.
    TDataBaseArchivio();

    // Each kind's archive tables, recomputed by a condition of that kind at its defaults
    // (the whole column) over the contests that pass `ricerca`. The observer sees the
    // title, then steps 1..7, then the end.
    void Ricalcola(const T_Archivio& archivio, const T_ImpostazioniRicerca& ricerca,
                   TOsservatoreDataBase* osservatore = nullptr);

    // Reads the 21 records from where the reader stands to the end of its data. False, with
    // this database unchanged, when a record is cut short or cannot be a table (M below 0,
    // a count below 0) or bytes are left after the last one. Never allocates more than the
    // data could hold.
    bool Leggi(TLettoreBinario& lettore);
    void Scrivi(TScrittoreBinario& scrittore) const;
    TBytes Immagine() const;

    // Table 0..20 in file order (std::out_of_range otherwise).
    const T_FrequenzeRitardi& Tabella(int i) const { return tabelle_.at(static_cast<std::size_t>(i)); }
    // The tables of a kind in the order of that kind's series; false (and `tabelle` left
    // alone) for another kind.
    bool TabelleDelTipo(TipoCondizione tipo, std::vector<T_FrequenzeRitardi>& tabelle) const;

    // Same M, contests counted, reserved byte and entries in every table.
    bool operator==(const TDataBaseArchivio& altro) const;
    // The same without the reserved bytes, which count nothing.
    bool StessiConteggi(const TDataBaseArchivio& altro) const;

   private:
    std::array<T_FrequenzeRitardi, NumeroTabelleDataBase> tabelle_;
};

// Whether some bytes are a whole database file: exactly the 21 records, nothing after them.
bool DataBaseIntero(const std::uint8_t* dati, std::size_t n);

}  // namespace morella
