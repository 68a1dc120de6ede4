#include "Archivio.h"

#include <algorithm>
#include <stdexcept>

#include "Errore.h"

namespace morella {

std::string T_Archivio::FileArchivio(const std::string& cartellaArchivi)
{
    return UnisciPercorso(cartellaArchivi, NomeFileArchivio);
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
    auto lettore = TLettoreBinario::Apri(FileArchivio(cartellaArchivi));
    if (!lettore) throw EErrore(MessaggioCaricaArchivio);
    bool riuscito = LeggiConcorsi(*lettore);
    if (!CaricaDataBase(cartellaArchivi)) riuscito = false;
    return riuscito;
}

bool T_Archivio::Carica(const std::string& cartellaArchivi, T_ImpostazioniRicerca& ricerca)
{
    const bool riuscito = Carica(cartellaArchivi);
    ricerca.TuttoLArchivio(*this);
    return riuscito;
}

bool T_Archivio::Salva(const std::string& cartellaArchivi) const
{
    if (!SalvaSicuro(FileArchivio(cartellaArchivi), ImmagineConcorsi())) return false;
    return SalvaDataBase(cartellaArchivi);
}

bool T_Archivio::CaricaDataBase(const std::string& /*cartellaArchivi*/) { return true; }

bool T_Archivio::SalvaDataBase(const std::string& /*cartellaArchivi*/) const { return true; }

void T_Archivio::RicalcolaDataBase()
{
    // Nothing is cached from the contests yet; the database's tables are recomputed here.
}

bool T_Archivio::TabelleDataBase(const TCondizione& /*condizione*/,
                                 std::vector<T_FrequenzeRitardi>& /*tabelle*/) const
{
    return false;
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

T_Concorso& T_Archivio::AggiungiSeguente()
{
    T_Concorso nuovo;
    if (!concorsi_.empty()) {
        nuovo.Stagione = concorsi_.back().Stagione;
        const int numero = concorsi_.back().Numero;
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
