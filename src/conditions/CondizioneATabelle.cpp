#include "CondizioneATabelle.h"

#include <array>

#include "Archivio.h"
#include "ElencoCondizioni.h"
#include "EsameTraLink.h"
#include "ImpostazioniRicerca.h"
#include "ListaColonne.h"
#include "ScansioneArchivio.h"

namespace morella {

namespace {

// No kind measures more series than this.
constexpr int MassimoSerieMisurate = 8;

}  // namespace

TCondizioneATabelle::TCondizioneATabelle(TipoCondizione tipo, TElencoCondizioni* elenco,
                                         std::vector<TTabellaValori> tabelle, std::vector<int> massimiSerie)
    : TCondizione(tipo, elenco), tabelle_(std::move(tabelle)), massimiSerie_(std::move(massimiSerie))
{
    if (massimiSerie_.size() > MassimoSerieMisurate) massimiSerie_.resize(MassimoSerieMisurate);
    for (int m : massimiSerie_) {
        prime_.emplace_back(m);
        seconde_.emplace_back(m);
    }
}

bool TCondizioneATabelle::SerieAmmette(int s, const TMisura& m) const
{
    return Tabella(s).AmmetteSenzaLink(m.Valore, m.Run);
}

void TCondizioneATabelle::StatisticaArchivio()
{
    for (int s = 0; s < NumeroSerie(); ++s) prime_[static_cast<std::size_t>(s)].Azzera(MassimoSerie(s));
    std::array<TMisura, MassimoSerieMisurate> m{};
    ScandisciArchivio(elenco_, [&](const TColonna& vincente, int) {
        MisuraSerie(TColonnaEsaminata(vincente), m.data());
        for (int s = 0; s < NumeroSerie(); ++s)
            prime_[static_cast<std::size_t>(s)].Registra(m[static_cast<std::size_t>(s)].Valore,
                                                         m[static_cast<std::size_t>(s)].Run, true);
    });
}

void TCondizioneATabelle::StatisticaColonne()
{
    for (int s = 0; s < NumeroSerie(); ++s) seconde_[static_cast<std::size_t>(s)].Azzera(MassimoSerie(s));
    if (!elenco_ || !elenco_->Sorgenti.Colonne) return;
    std::array<TMisura, MassimoSerieMisurate> m{};
    auto registra = [&](const TColonna& c) {
        MisuraSerie(TColonnaEsaminata(c), m.data());
        for (int s = 0; s < NumeroSerie(); ++s)
            seconde_[static_cast<std::size_t>(s)].Registra(m[static_cast<std::size_t>(s)].Valore,
                                                           m[static_cast<std::size_t>(s)].Run, false);
    };
    PerOgniColonnaSingola(*elenco_->Sorgenti.Colonne, registra);
}

void TCondizioneATabelle::ContaColonna(const TColonna& colonna)
{
    std::array<TMisura, MassimoSerieMisurate> m{};
    MisuraSerie(TColonnaEsaminata(colonna), m.data());
    for (int s = 0; s < NumeroSerie(); ++s) {
        const auto i = static_cast<std::size_t>(s);
        prime_[i].Registra(m[i].Valore, m[i].Run, false);
        if (SerieAmmette(s, m[i])) seconde_[i].Registra(m[i].Valore, m[i].Run, false);
    }
}

void TCondizioneATabelle::ScriviTabelle(TScrittoreBinario& f) const
{
    for (const auto& t : tabelle_) t.Scrivi(f);
}

bool TCondizioneATabelle::LeggiTabelle(TLettoreBinario& f)
{
    for (auto& t : tabelle_)
        if (!t.Leggi(f)) return false;
    return true;
}

bool TCondizioneATabelle::Scrivi(TScrittoreBinario& f) const
{
    ScriviIntestazione(f);
    ScriviTabelle(f);
    return true;
}

bool TCondizioneATabelle::Leggi(TLettoreBinario& f)
{
    bool attivato = true;
    if (!f.Booleano(attivato)) return false;
    Attivato = attivato;
    return LeggiTabelle(f);
}

void TCondizioneATabelle::AzzeraStatistiche()
{
    for (int s = 0; s < NumeroSerie(); ++s) {
        prime_[static_cast<std::size_t>(s)].Azzera(MassimoSerie(s));
        seconde_[static_cast<std::size_t>(s)].Azzera(MassimoSerie(s));
    }
}

bool TCondizioneATabelle::Prepara()
{
    bool attivo = false;
    for (auto& t : tabelle_) attivo = t.Prepara(Attivato) || attivo;
    Attivo = attivo;
    return Attivo;
}

void TCondizioneATabelle::EsameTraLink(TEsameTraLink& esame) const
{
    for (int i = 0; i < NumeroTabelle(); ++i) esame.Esamina(*this, Tabella(i), Didascalia(i));
}

void TCondizioneATabelle::Stampa(TRigheStampa& stampa) const
{
    TCondizione::Stampa(stampa);
    stampa.Rientro += 2;
    for (int i = 0; i < NumeroTabelle(); ++i) Tabella(i).Stampa(Didascalia(i), stampa);
    stampa.Rientro -= 2;
}

void TCondizioneATabelle::AzzeraTabelle()
{
    for (auto& t : tabelle_) t.Azzera();
    Attivato = true;
}

}  // namespace morella
