#include "SviluppoAnalisi.h"

#include <algorithm>
#include <array>
#include <limits>

#include "Condizione.h"
#include "DatiSistema.h"
#include "Errore.h"
#include "FileBinario.h"
#include "FileColonne.h"
#include "SviluppoPronostico.h"

namespace morella {

namespace {

// The gauge: a percentage is reported only when it is more than 2 points above the last
// one. The count at which that happens is worked out ahead, so the loop only compares.
class TMisuratore {
   public:
    TMisuratore(std::int64_t totale, TOsservatoreAnalisi& oss) : totale_(totale), oss_(oss) { Prossima(); }

    void Conta(std::int64_t esaminate)
    {
        if (esaminate < soglia_) return;
        mostrata_ = static_cast<int>(esaminate * 100 / totale_);
        oss_.Progresso(mostrata_);
        Prossima();
    }

   private:
    // The smallest count whose percentage, truncated, is at least mostrata + 3.
    void Prossima()
    {
        if (totale_ <= 0 || mostrata_ >= 100) {
            soglia_ = std::numeric_limits<std::int64_t>::max();
            return;
        }
        const std::int64_t p = mostrata_ + 3;
        soglia_ = (p * totale_ + 99) / 100;
    }

    std::int64_t totale_;
    TOsservatoreAnalisi& oss_;
    int mostrata_ = 0;
    std::int64_t soglia_ = 0;
};

void DalPronostico(const TDatiSistema& d, TCondizione& condizione, TOsservatoreAnalisi& oss,
                   TEsitoSviluppoAnalisi& esito)
{
    esito.Totali = static_cast<std::int64_t>(ColonneIniziali(d.Pronostico));
    TMisuratore misuratore(esito.Totali, oss);
    esito.Completata = SviluppaPronostico(
        d.Pronostico, d.CorsaPiu, [&] { return oss.Annullato(); },
        [&](const TColonna& c) {
            condizione.ContaColonna(c);
            misuratore.Conta(++esito.Esaminate);
        });
}

void DalFile(const TDatiSistema& d, TCondizione& condizione, TOsservatoreAnalisi& oss,
             TEsitoSviluppoAnalisi& esito)
{
    auto lettore = TLettoreBinario::Apri(d.Impostazioni.FileSorgente, DimensioneMassimaFileColonne);
    if (!lettore) throw EErrore(MessaggioSviluppoAnalisi);
    const auto dimensione = static_cast<std::size_t>(DimensioneRecordColonna());
    esito.Totali = static_cast<std::int64_t>(lettore->Dimensione() / dimensione);
    TMisuratore misuratore(esito.Totali, oss);
    while (!lettore->AllaFine()) {
        TColonna c{};
        if (!lettore->Blocco(c.s.data(), dimensione)) throw EErrore(MessaggioSviluppoAnalisi);
        condizione.ContaColonna(c);
        misuratore.Conta(++esito.Esaminate);
        if (oss.Annullato()) return;
    }
    esito.Completata = true;
}

// The window closes on every way out.
class TFinestra {
   public:
    explicit TFinestra(TOsservatoreAnalisi& oss) : oss_(oss) { oss_.Inizio(TitoloAnalisiColonnare); }
    ~TFinestra() { oss_.Fine(); }
    TFinestra(const TFinestra&) = delete;
    TFinestra& operator=(const TFinestra&) = delete;

   private:
    TOsservatoreAnalisi& oss_;
};

}  // namespace

TEsitoSviluppoAnalisi SviluppaPerAnalisi(const TDatiSistema& dati, TCondizione& condizione,
                                         TOsservatoreAnalisi& osservatore)
{
    TEsitoSviluppoAnalisi esito;
    TFinestra finestra(osservatore);
    if (dati.Impostazioni.DaPronostico)
        DalPronostico(dati, condizione, osservatore, esito);
    else
        DalFile(dati, condizione, osservatore, esito);
    return esito;
}

}  // namespace morella
