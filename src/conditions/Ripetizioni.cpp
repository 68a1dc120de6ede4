#include "Ripetizioni.h"

#include "Archivio.h"
#include "DatiSistema.h"
#include "ElencoCondizioni.h"
#include "ImpostazioniRicerca.h"
#include "Link.h"

namespace morella {

TRipetizioni::TRipetizioni(TElencoCondizioni* elenco)
    : TCondizioneATabelle(TipoRipetizioni, elenco,
                          {TTabellaValori(NumEvents, true), TTabellaValori(NumEvents, true)},
                          {NumEvents, NumEvents})
{
}

std::string TRipetizioni::Didascalia(int i) const
{
    return i == TabellaUna ? "Su una Colonna Precedente" : i == TabellaDue ? "Su due Colonne Precedenti" : "";
}

TRipetizioni::TRiferimento TRipetizioni::RiferimentoDi(const TColonna& colonna)
{
    const TColonnaEsaminata c(colonna);
    return {c.Segni, true};
}

const T_Archivio* TRipetizioni::Archivio() const
{
    if (!elenco_) return nullptr;
    if (elenco_->Sorgenti.Archivio) return elenco_->Sorgenti.Archivio;
    return elenco_->Dati ? elenco_->Dati->Archivio : nullptr;
}

void TRipetizioni::ImpostaRiferimenti(const TColonna* una, const TColonna* due)
{
    riferimenti_[TabellaUna] = una ? RiferimentoDi(*una) : TRiferimento{};
    riferimenti_[TabellaDue] = due ? RiferimentoDi(*due) : TRiferimento{};
    concorsoDeiRiferimenti_ = -1;
    for (std::size_t t = 0; t < 2; ++t) {
        const TMaschera campo = MascheraEventi(tabelle_[t].DaEvento, tabelle_[t].AEvento);
        for (std::size_t s = 0; s < 3; ++s) pronti_[t][s] = riferimenti_[t].Segni[s] & campo;
    }
}

void TRipetizioni::AggiornaRiferimenti()
{
    const T_Archivio* archivio = Archivio();
    const int k = archivio ? archivio->NumeroConcorsi() : 0;
    const TColonna* una = k >= 1 ? &archivio->Concorso(k - 1).ColonnaVincente : nullptr;
    const TColonna* due = k >= 2 ? &archivio->Concorso(k - 2).ColonnaVincente : nullptr;
    ImpostaRiferimenti(una, due);
}

void TRipetizioni::RiferimentiDelConcorsoInEsame()
{
    const int k = elenco_->Sorgenti.ConcorsoInEsame;
    if (k < 0 || k == concorsoDeiRiferimenti_) return;
    const T_Archivio* archivio = Archivio();
    if (!archivio || k >= archivio->NumeroConcorsi()) return;
    ImpostaRiferimenti(k >= 1 ? &archivio->Concorso(k - 1).ColonnaVincente : nullptr,
                       k >= 2 ? &archivio->Concorso(k - 2).ColonnaVincente : nullptr);
    concorsoDeiRiferimenti_ = k;
}

void TRipetizioni::Misura(const TColonnaEsaminata& c, bool tutti, TMisura* misure) const
{
    for (std::size_t t = 0; t < 2; ++t) {
        const auto& tabella = tabelle_[t];
        const auto& r = riferimenti_[t];
        misure[t] = (tutti || tabella.Attivo) && r.Presente
                        ? MisuraContro(c, r, MascheraEventi(tabella.DaEvento, tabella.AEvento))
                        : TMisura{};
    }
}

void TRipetizioni::StatisticaArchivio()
{
    for (std::size_t s = 0; s < 2; ++s) prime_[s].Azzera(MassimoSerie(static_cast<int>(s)));
    const T_Archivio* archivio = Archivio();
    if (!archivio) return;
    const T_ImpostazioniRicerca* ricerca = elenco_ ? elenco_->Sorgenti.Ricerca : nullptr;
    const auto& concorsi = archivio->Concorsi();
    TMaschera campi[2];
    for (std::size_t t = 0; t < 2; ++t) campi[t] = MascheraEventi(tabelle_[t].DaEvento, tabelle_[t].AEvento);
    for (std::size_t k = 2; k < concorsi.size(); ++k) {
        if (ricerca && !ricerca->NelIntervallo(concorsi[k])) continue;
        const TColonnaEsaminata c(concorsi[k].ColonnaVincente);
        const TMisura una = MisuraContro(c, RiferimentoDi(concorsi[k - 1].ColonnaVincente), campi[0]);
        const TMisura due = MisuraContro(c, RiferimentoDi(concorsi[k - 2].ColonnaVincente), campi[1]);
        prime_[0].Registra(una.Valore, una.Run, true);
        prime_[1].Registra(due.Valore, due.Run, true);
    }
}

void TRipetizioni::StatisticaColonne()
{
    AggiornaRiferimenti();
    TCondizioneATabelle::StatisticaColonne();
}

void TRipetizioni::AzzeraStatistiche()
{
    AggiornaRiferimenti();
    TCondizioneATabelle::AzzeraStatistiche();
}

bool TRipetizioni::Prepara()
{
    AggiornaRiferimenti();
    const bool abilitato = Attivato && !(elenco_ && elenco_->IgnoraInArchivio(tipo_));
    bool attivo = false;
    for (std::size_t t = 0; t < 2; ++t)
        attivo = (tabelle_[t].Prepara(abilitato) && riferimenti_[t].Presente) || attivo;
    Attivo = attivo;
    return Attivo;
}

bool TRipetizioni::Verifica(const TColonnaEsaminata& c)
{
    if (elenco_ && elenco_->ModoArchivio) RiferimentiDelConcorsoInEsame();
    TMisura m[2];
    for (std::size_t t = 0; t < 2; ++t) {
        if (!tabelle_[t].Attivo || !riferimenti_[t].Presente) continue;
        const TMaschera uguali =
            (c.Segni[0] & pronti_[t][0]) | (c.Segni[1] & pronti_[t][1]) | (c.Segni[2] & pronti_[t][2]);
        m[t] = {ContaBit(uguali), PiuLungo(uguali)};
    }
    if (TSommeTra* somme = SommeTraAttive())
        for (std::size_t t = 0; t < 2; ++t) tabelle_[t].SommaTra(m[t].Valore, m[t].Run, *somme);
    TElencoLink* link = Link();
    for (std::size_t t = 0; t < 2; ++t)
        if (riferimenti_[t].Presente && !tabelle_[t].Ammette(m[t].Valore, m[t].Run, link)) return false;
    return true;
}

}  // namespace morella
