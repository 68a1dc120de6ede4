#include "Archivio.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <limits>
#include <stdexcept>
#include <system_error>

#include "AggiornamentoArchivio.h"
#include "Condizione.h"
#include "Configurazione.h"
#include "Errore.h"

namespace morella {

namespace {

// Where Salva writes the new pair before it replaces the old one.
constexpr const char* NomeArchivioNuovo = "archivio.nuovo";
constexpr const char* NomeDataBaseNuovo = "archdb.nuovo";

// The range a database "over the whole archive" is counted on: first to last contest, only
// complete contests, as a fresh search range has it.
T_ImpostazioniRicerca TuttoIlRange(const T_Archivio& archivio)
{
    T_ImpostazioniRicerca ricerca;
    ricerca.TuttoLArchivio(archivio);
    return ricerca;
}

}  // namespace

std::string T_Archivio::FileArchivio(const std::string& cartellaArchivi)
{
    return UnisciPercorso(cartellaArchivi, NomeFileArchivio);
}

std::string T_Archivio::FileDataBase(const std::string& cartellaArchivi)
{
    return UnisciPercorso(cartellaArchivi, NomeFileDataBase);
}

bool T_Archivio::LeggiConcorsi(TLettoreBinario& lettore)
{
    concorsi_.clear();
    concorsi_.reserve(lettore.Rimanenti() / DimensioneRecordConcorso);
    T_Concorso concorso;  // every field is overwritten by each record
    while (!lettore.AllaFine()) {
        if (!concorso.Leggi(lettore)) return false;
        concorsi_.push_back(concorso);
    }
    return true;
}

TBytes T_Archivio::ImmagineConcorsi() const
{
    TScrittoreBinario s;
    s.Riserva(concorsi_.size() * DimensioneRecordConcorso);
    for (const T_Concorso& c : concorsi_) c.Scrivi(s);
    return std::move(s.Dati());
}

bool T_Archivio::Carica(const std::string& cartellaArchivi)
{
    concorsi_.clear();
    dataBase_.reset();
    esito_ = {false, false};
    // Taken before reading: should another save slip in between, the mismatch only makes a
    // later save refuse, never lets one overwrite unseen contests.
    impronta_ = ImprontaArchivio(cartellaArchivi);
    auto lettore =
        TLettoreBinario::Apri(FileArchivio(cartellaArchivi),
                              static_cast<std::size_t>(MassimoConcorsiArchivio) * DimensioneRecordConcorso);
    if (!lettore) throw EErrore(MessaggioCaricaArchivio);
    esito_.ConcorsiInteri = LeggiConcorsi(*lettore);
    esito_.DataBaseLetto = CaricaDataBase(cartellaArchivi);
    // The file's tables count contests that did not all make it into memory.
    if (!esito_.ConcorsiInteri && esito_.DataBaseLetto) RicalcolaDataBase();
    return esito_.ConcorsiInteri && esito_.DataBaseLetto;
}

TImprontaArchivio ImprontaArchivio(const std::string& cartellaArchivi)
{
    struct stat st;
    if (::stat(T_Archivio::FileArchivio(cartellaArchivi).c_str(), &st) != 0) return {};
    return {true,
            static_cast<std::uint64_t>(st.st_dev),
            static_cast<std::uint64_t>(st.st_ino),
            static_cast<std::uint64_t>(st.st_size),
            static_cast<std::int64_t>(st.st_mtim.tv_sec),
            static_cast<std::int64_t>(st.st_mtim.tv_nsec)};
}

bool T_Archivio::CambiatoSuDisco(const std::string& cartellaArchivi) const
{
    return impronta_ && ImprontaArchivio(cartellaArchivi) != *impronta_;
}

bool T_Archivio::Carica(const std::string& cartellaArchivi, T_ImpostazioniRicerca& ricerca)
{
    const bool riuscito = Carica(cartellaArchivi);
    ricerca.TuttoLArchivio(*this);
    return riuscito;
}

bool T_Archivio::CaricaDataBase(const std::string& cartellaArchivi)
{
    // A file longer than any database is not read at all.
    if (auto lettore = TLettoreBinario::Apri(FileDataBase(cartellaArchivi), DimensioneMassimaDataBase))
        return LeggiDataBase(*lettore);
    RicalcolaDataBase();
    return false;
}

bool T_Archivio::LeggiDataBase(TLettoreBinario& lettore)
{
    TDataBaseArchivio letto;
    RicalcolaDataBase();
    // A well-formed file may still not describe these contests (tables with nothing counted,
    // another archive's counts): the statistics trust it only when it says exactly what the
    // contests say. The rebuild takes milliseconds even on the largest archive.
    if (letto.Leggi(lettore) && letto.StessiConteggi(*dataBase_)) {
        dataBase_ = std::move(letto);
        return true;
    }
    return false;
}

TDataBaseArchivio T_Archivio::DataBaseDaSalvare() const
{
    if (dataBase_) return *dataBase_;
    TDataBaseArchivio db;
    db.Ricalcola(*this, TuttoIlRange(*this));
    return db;
}

TBytes T_Archivio::ImmagineDataBase() const
{
    return DataBaseDaSalvare().Immagine();
}

bool T_Archivio::Salva(const std::string& cartellaArchivi) const
{
    // Both new files are written whole beside the old ones first, then take their places
    // together: the database on disk always describes the contests on disk.
    // A file that is a link is replaced where the link leads, and the new file is written
    // there: a rename cannot cross into another file system.
    const std::string archivio = SeguiCollegamenti(FileArchivio(cartellaArchivi));
    const std::string dataBase = SeguiCollegamenti(FileDataBase(cartellaArchivi));
    const std::string archivioNuovo =
        (std::filesystem::path(archivio).parent_path() / NomeArchivioNuovo).string();
    const std::string dataBaseNuovo =
        (std::filesystem::path(dataBase).parent_path() / NomeDataBaseNuovo).string();
    const std::vector<TSostituzione> coppia = {{archivioNuovo, archivio}, {dataBaseNuovo, dataBase}};
    bool riuscito = SalvaSicuro(archivioNuovo, ImmagineConcorsi());
    riuscito = riuscito && SalvaSicuro(dataBaseNuovo, ImmagineDataBase());
    riuscito = riuscito && SostituisciFile(coppia);
    if (riuscito) impronta_ = ImprontaArchivio(cartellaArchivi);
    if (!riuscito) {
        ::unlink(archivioNuovo.c_str());
        ::unlink(dataBaseNuovo.c_str());
    }
    return riuscito;
}

void T_Archivio::RicalcolaDataBase(const T_ImpostazioniRicerca* ricerca, TOsservatoreDataBase* osservatore,
                                   TConfigurazione* configurazione)
{
    if (configurazione) configurazione->ScalaPunti = 2;
    TDataBaseArchivio db;
    if (ricerca)
        db.Ricalcola(*this, *ricerca, osservatore);
    else
        db.Ricalcola(*this, TuttoIlRange(*this), osservatore);
    dataBase_ = std::move(db);
}

bool T_Archivio::TabelleDataBase(const TCondizione& condizione,
                                 std::vector<T_FrequenzeRitardi>& tabelle) const
{
    return dataBase_ && dataBase_->TabelleDelTipo(condizione.Tipo(), tabelle);
}

bool T_Archivio::Riposiziona(int& indice, TDomanda& domanda)
{
    if (indice < 0 || indice >= NumeroConcorsi()) return false;
    const auto i = static_cast<std::size_t>(indice);
    const T_Concorso& c = concorsi_[i];

    // The first other contest that is not smaller than the moved one.
    std::size_t j = 0;
    while (j < concorsi_.size() && (j == i || ConfrontaConcorsi(c, concorsi_[j]) > 0)) ++j;

    const auto inizio = concorsi_.begin();
    if (j == concorsi_.size()) {
        std::rotate(inizio + static_cast<std::ptrdiff_t>(i), inizio + static_cast<std::ptrdiff_t>(i) + 1,
                    concorsi_.end());
    } else if (StessoConcorso(c, concorsi_[j])) {
        if (domanda.Chiedi(TitoloConferma, DomandaSostituisciConcorso, PulsanteSi | PulsanteNo) != PulsanteSi)
            return false;
        concorsi_[j].CopiaDa(c);
        concorsi_.erase(inizio + static_cast<std::ptrdiff_t>(i));
    } else if (j > i) {
        // Lands just before contest j, which shifts down by one as the moved one leaves.
        std::rotate(inizio + static_cast<std::ptrdiff_t>(i), inizio + static_cast<std::ptrdiff_t>(i) + 1,
                    inizio + static_cast<std::ptrdiff_t>(j));
    } else {
        std::rotate(inizio + static_cast<std::ptrdiff_t>(j), inizio + static_cast<std::ptrdiff_t>(i),
                    inizio + static_cast<std::ptrdiff_t>(i) + 1);
    }
    if (indice >= NumeroConcorsi()) indice = NumeroConcorsi() - 1;
    return true;
}

std::optional<TStagioniArchivio> T_Archivio::PrimaEUltimaStagione() const
{
    if (concorsi_.empty()) return std::nullopt;
    return TStagioniArchivio{concorsi_.front().Stagione, concorsi_.back().Stagione};
}

T_Concorso& T_Archivio::Aggiungi(const T_Concorso& concorso)
{
    concorsi_.push_back(concorso);
    return concorsi_.back();
}

T_Concorso& T_Archivio::AggiungiNuovo()
{
    // Nothing has been typed yet: until the player stores a whole column, no scan may take
    // this contest for a complete winning column.
    T_Concorso nuovo;
    nuovo.Completo = 0;
    return Aggiungi(nuovo);
}

T_Concorso& T_Archivio::AggiungiSeguente()
{
    if (concorsi_.empty()) return AggiungiNuovo();
    T_Concorso nuovo;
    nuovo.Completo = 0;
    nuovo.Stagione = concorsi_.back().Stagione;
    const int numero = concorsi_.back().Numero;
    // A season has at most 99 contests: after the last one comes the next season's first.
    if (numero >= 99 && nuovo.Stagione < std::numeric_limits<std::int32_t>::max()) {
        ++nuovo.Stagione;
        nuovo.Numero = 1;
    } else {
        nuovo.Numero = static_cast<std::uint8_t>(std::min(numero + 1, 255));
    }
    return Aggiungi(nuovo);
}

void T_Archivio::Inserisci(int indice, const T_Concorso& concorso)
{
    if (indice < 0 || indice > NumeroConcorsi()) throw std::out_of_range("T_Archivio::Inserisci");
    concorsi_.insert(concorsi_.begin() + indice, concorso);
}

void T_Archivio::Elimina(int indice)
{
    if (indice < 0 || indice >= NumeroConcorsi()) throw std::out_of_range("T_Archivio::Elimina");
    concorsi_.erase(concorsi_.begin() + indice);
}

}  // namespace morella
