#include "Condizione.h"

#include <array>

#include "ElencoCondizioni.h"

namespace morella {

namespace {

// Kinds fit in a byte; one editor per kind.
std::array<TEditoreCondizione, 256>& Editori()
{
    static std::array<TEditoreCondizione, 256> editori;
    return editori;
}

}  // namespace

void RegistraEditore(TipoCondizione tipo, TEditoreCondizione editore)
{
    Editori()[tipo] = std::move(editore);
}

bool EditoreRegistrato(TipoCondizione tipo)
{
    return static_cast<bool>(Editori()[tipo]);
}

TCondizione::TCondizione(TipoCondizione tipo, TElencoCondizioni* elenco)
    : Nome(NomeDefault(tipo)), tipo_(tipo), elenco_(elenco)
{
}

void TCondizione::ImpostaPercorso(const std::string& testo)
{
    Percorso = testo + "\\" + Nome;
}

void TCondizione::StatisticaArchivio() {}
void TCondizione::StatisticaColonne() {}
void TCondizione::ContaColonna(const TColonna&) {}

int TCondizione::Modifica()
{
    const auto& editore = Editori()[tipo_];
    return editore ? editore(*this) : 0;
}

void TCondizione::AzzeraStatistiche() {}
void TCondizione::EsameTraLink(TEsameTraLink&) const {}

void TCondizione::Stampa(TRigheStampa& stampa) const
{
    stampa.Riga(Nome + (Attivato ? "" : "  (Disattivato)"));
}

void TCondizione::ImpostaDefault() {}

TElencoLink* TCondizione::Link() const
{
    return elenco_ ? elenco_->Link() : nullptr;
}

TSommeTra* TCondizione::SommeTraAttive() const
{
    return elenco_ && elenco_->PuntiTraAttivo() ? &elenco_->SommeTra : nullptr;
}

bool TCondizione::RaccogliErrori() const
{
    return elenco_ && elenco_->RaccogliErrori;
}

void TCondizione::AggiungiErrore(const TCondizione* condizione) const
{
    if (elenco_) elenco_->Errori.push_back({condizione});
}

}  // namespace morella
