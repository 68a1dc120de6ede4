#include "CondizioneAPesi.h"

#include <algorithm>

#include "EsameTraLink.h"

namespace morella {

TCondizioneAPesi::TCondizioneAPesi(TipoCondizione tipo, TElencoCondizioni* elenco)
    : TCondizioneATabelle(tipo, elenco, {}, {0})
{
}

int TCondizioneAPesi::IndiceIntervallo(double valore) const
{
    const int n = std::clamp<int>(Intervalli.NumeroIntervalli, 0, TTabellaIntervalli::MassimoIntervalli);
    for (int i = 0; i < n; ++i) {
        const auto& t = Intervalli.Intervalli[static_cast<std::size_t>(i)];
        if (t.Minimo <= valore && valore <= t.Massimo) return i;
    }
    return n;
}

bool TCondizioneAPesi::SerieAmmette(int, const TMisura& m) const
{
    if (!Intervalli.InUso) return true;
    if (m.Valore < 0 ||
        m.Valore >= std::clamp<int>(Intervalli.NumeroIntervalli, 0, TTabellaIntervalli::MassimoIntervalli))
        return false;
    const auto stato = Intervalli.Intervalli[static_cast<std::size_t>(m.Valore)].Stato;
    return stato == 1 || stato == 2;
}

void TCondizioneAPesi::MassimoDaIntervalli()
{
    massimiSerie_[0] = std::clamp<int>(Intervalli.NumeroIntervalli, 0, TTabellaIntervalli::MassimoIntervalli);
}

void TCondizioneAPesi::StatisticaArchivio()
{
    MassimoDaIntervalli();
    TCondizioneATabelle::StatisticaArchivio();
}

void TCondizioneAPesi::StatisticaColonne()
{
    MassimoDaIntervalli();
    TCondizioneATabelle::StatisticaColonne();
}

void TCondizioneAPesi::AzzeraStatistiche()
{
    MassimoDaIntervalli();
    TCondizioneATabelle::AzzeraStatistiche();
}

bool TCondizioneAPesi::Scrivi(TScrittoreBinario& f) const
{
    ScriviIntestazione(f);
    Intervalli.Scrivi(f);
    for (bool p : Partite) f.Booleano(p);
    return true;
}

bool TCondizioneAPesi::Leggi(TLettoreBinario& f)
{
    bool attivato = true;
    if (!f.Booleano(attivato)) return false;
    Attivato = attivato;
    if (!Intervalli.Leggi(f)) return false;
    std::array<std::uint8_t, MaxEventi> partite{};
    if (!f.Blocco(partite.data(), partite.size())) return false;
    for (std::size_t i = 0; i < partite.size(); ++i) Partite[i] = partite[i] != 0;
    return true;
}

bool TCondizioneAPesi::Prepara()
{
    PreparaPesi();
    const bool ignorato = elenco_ && elenco_->IgnoraInArchivio(tipo_);
    Attivo = Intervalli.Prepara(Attivato && !ignorato);
    return Attivo;
}

void TCondizioneAPesi::EsameTraLink(TEsameTraLink& esame) const
{
    esame.Esamina(*this, Intervalli, Nome);
}

void TCondizioneAPesi::Stampa(TRigheStampa& stampa) const
{
    TCondizione::Stampa(stampa);
    stampa.Rientro += 2;
    std::string partite = "Partite :";
    for (int i = 0; i < NumEvents; ++i)
        if (Partite[static_cast<std::size_t>(i)]) partite += " " + std::to_string(i + 1);
    stampa.Riga(partite);
    if (Intervalli.NumeroIntervalli > 0) Intervalli.Stampa(stampa);
    stampa.Rientro -= 2;
}

void TCondizioneAPesi::AzzeraIntervalli()
{
    Intervalli.Azzera();
    Attivato = true;
}

}  // namespace morella
