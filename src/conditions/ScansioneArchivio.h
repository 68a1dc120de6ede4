// The container's state while a statistic walks the winning columns of the archive: a kind
// that compares a column with earlier contests (repetitions) must take the two contests
// before the one being measured, as the replay does, not the last two of the archive.
#pragma once

#include "ElencoCondizioni.h"

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

}  // namespace morella
