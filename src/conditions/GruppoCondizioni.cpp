#include "GruppoCondizioni.h"

#include <algorithm>

#include "FabbricaCondizioni.h"

namespace morella {

TGruppoCondizioni::TGruppoCondizioni(TipoCondizione tipo, TElencoCondizioni* elenco)
    : TCondizione(tipo, elenco)
{
}

TGruppoCondizioni::TGruppoCondizioni(const TGruppoCondizioni& altro) : TCondizione(altro)
{
    elementi_.reserve(altro.elementi_.size());
    for (const auto& e : altro.elementi_) elementi_.push_back(e->Clona());
}

bool TGruppoCondizioni::AmmetteElemento(TipoCondizione tipo) const
{
    return tipo != 0 && tipo == TipoElementoDelGruppo(tipo_);
}

bool TGruppoCondizioni::Aggiungi(std::unique_ptr<TCondizione> elemento)
{
    return Inserisci(Conta() + 1, std::move(elemento));
}

bool TGruppoCondizioni::Inserisci(int posizione, std::unique_ptr<TCondizione> elemento)
{
    if (!elemento || !AmmetteElemento(elemento->Tipo())) return false;
    elemento->ImpostaElenco(elenco_);
    const auto i = static_cast<std::size_t>(std::clamp(posizione - 1, 0, Conta()));
    elementi_.insert(elementi_.begin() + static_cast<std::ptrdiff_t>(i), std::move(elemento));
    ListaCambiata();
    return true;
}

bool TGruppoCondizioni::Elimina(int posizione)
{
    if (posizione < 1 || posizione > Conta()) return false;
    elementi_.erase(elementi_.begin() + (posizione - 1));
    ListaCambiata();
    return true;
}

void TGruppoCondizioni::Svuota()
{
    elementi_.clear();
    ListaCambiata();
}

void TGruppoCondizioni::ImpostaPercorso(const std::string& testo)
{
    TCondizione::ImpostaPercorso(testo);
    for (auto& e : elementi_) e->ImpostaPercorso(Percorso);
}

void TGruppoCondizioni::StatisticaArchivio()
{
    for (auto& e : elementi_) e->StatisticaArchivio();
}

void TGruppoCondizioni::StatisticaColonne()
{
    for (auto& e : elementi_) e->StatisticaColonne();
}

void TGruppoCondizioni::ContaColonna(const TColonna& colonna)
{
    for (auto& e : elementi_) e->ContaColonna(colonna);
}

bool TGruppoCondizioni::Verifica(const TColonnaEsaminata& c)
{
    const bool raccogli = RaccogliErrori();
    bool esito = true;
    auto prova = [&](TCondizione* e) {
        const bool r = e->Verifica(c);
        esito = esito && r;
        if (raccogli && !r) AggiungiErrore(e);
    };
    if (preparatiValidi_) {
        for (TCondizione* e : preparati_) {
            if (!esito && !raccogli) break;
            prova(e);
        }
    } else {
        for (auto& e : elementi_) {
            if (!esito && !raccogli) break;
            if (e->Attivo && e->Attivato) prova(e.get());
        }
    }
    return esito;
}

bool TGruppoCondizioni::Scrivi(TScrittoreBinario& f) const
{
    ScriviIntestazione(f);
    ScriviElementi(f);
    return true;
}

void TGruppoCondizioni::ScriviElementi(TScrittoreBinario& f) const
{
    for (const auto& e : elementi_) e->Scrivi(f);
    f.Byte(FineLista);
}

bool TGruppoCondizioni::Leggi(TLettoreBinario& f)
{
    bool attivato = true;
    if (!f.Booleano(attivato)) return false;
    Attivato = attivato;
    return LeggiElementi(f);
}

bool TGruppoCondizioni::LeggiElementi(TLettoreBinario& f)
{
    Svuota();
    for (;;) {
        std::uint8_t tipo = 0;
        if (!f.Byte(tipo)) return false;
        if (tipo == FineLista) return true;
        if (!AmmetteElemento(tipo)) return false;
        auto elemento = CreaCondizione(tipo, elenco_);
        if (!elemento || !elemento->Leggi(f)) return false;
        elementi_.push_back(std::move(elemento));
    }
}

void TGruppoCondizioni::AzzeraStatistiche()
{
    for (auto& e : elementi_) e->AzzeraStatistiche();
}

bool TGruppoCondizioni::Prepara()
{
    preparati_.clear();
    bool qualcuno = false;
    for (auto& e : elementi_) {
        // An element is enabled only while its group is.
        const bool suo = e->Attivato;
        e->Attivato = Attivato && suo;
        qualcuno = e->Prepara() || qualcuno;
        e->Attivato = suo;
        if (e->Attivo && e->Attivato) preparati_.push_back(e.get());
    }
    preparatiValidi_ = true;
    Attivo = qualcuno && Attivato;
    return Attivo;
}

void TGruppoCondizioni::EsameTraLink(TEsameTraLink& esame) const
{
    for (const auto& e : elementi_)
        if (e->Attivato) e->EsameTraLink(esame);
}

void TGruppoCondizioni::Stampa(TRigheStampa& stampa) const
{
    TCondizione::Stampa(stampa);
    stampa.Rientro += 2;
    for (const auto& e : elementi_) e->Stampa(stampa);
    stampa.Rientro -= 2;
}

void TGruppoCondizioni::ImpostaDefault()
{
    Nome = NomeDefault(tipo_);
    Attivato = true;
    Attivo = false;
}

void TGruppoCondizioni::ImpostaElenco(TElencoCondizioni* elenco)
{
    elenco_ = elenco;
    for (auto& e : elementi_) e->ImpostaElenco(elenco);
}

}  // namespace morella
