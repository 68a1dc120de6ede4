// The container's state while a statistic walks the winning columns of the archive: a kind
// that compares a column with earlier contests (repetitions) must take the two contests
// before the one being measured, as the replay does, not the last two of the archive.
#pragma once

#include "Archivio.h"
#include "ElencoCondizioni.h"
#include "ImpostazioniRicerca.h"

namespace morella {

// Puts the container in archive mode for the length of a walk and gives back exactly the
// mode and the contest under test it found. Nothing is prepared meanwhile, so the kinds the
// search settings ignore in archive mode are not left out by it: only the choice of the
// earlier contests changes.
class TScansioneArchivio {
   public:
    explicit TScansioneArchivio(TElencoCondizioni* elenco) : elenco_(elenco)
    {
        if (!elenco_) return;
        modo_ = elenco_->ModoArchivio;
        concorso_ = elenco_->Sorgenti.ConcorsoInEsame;
        elenco_->ModoArchivio = true;
    }
    ~TScansioneArchivio()
    {
        if (!elenco_) return;
        elenco_->ModoArchivio = modo_;
        elenco_->Sorgenti.ConcorsoInEsame = concorso_;
    }
    TScansioneArchivio(const TScansioneArchivio&) = delete;
    TScansioneArchivio& operator=(const TScansioneArchivio&) = delete;

    // The index in the archive of the contest about to be measured.
    void Concorso(int indice)
    {
        if (elenco_) elenco_->Sorgenti.ConcorsoInEsame = indice;
    }

   private:
    TElencoCondizioni* elenco_;
    bool modo_ = false;
    int concorso_ = -1;
};

// Calls misura(colonnaVincente, indice) for every contest of the container's archive that
// passes its search range, in archive order, with the container set for that contest as
// above. Nothing happens without a container or an archive.
template <class F>
void ScandisciArchivio(TElencoCondizioni* elenco, F&& misura)
{
    if (!elenco || !elenco->Sorgenti.Archivio) return;
    const T_ImpostazioniRicerca* ricerca = elenco->Sorgenti.Ricerca;
    const auto& concorsi = elenco->Sorgenti.Archivio->Concorsi();
    TScansioneArchivio scansione(elenco);
    for (std::size_t k = 0; k < concorsi.size(); ++k) {
        if (ricerca && !ricerca->NelIntervallo(concorsi[k])) continue;
        scansione.Concorso(static_cast<int>(k));
        misura(concorsi[k].ColonnaVincente, static_cast<int>(k));
    }
}

}  // namespace morella
