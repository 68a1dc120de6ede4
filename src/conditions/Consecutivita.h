// Kind 38, "Consecutività", an element of the group of kind 8: for the columns holding a
// number of signs `Segno` that its counts table admits, the longest run of that sign must
// be admitted by its runs table. Other columns pass untested.
#pragma once

#include "CondizioneATabelle.h"

namespace morella {

class TConsecutivita final : public TCondizioneATabelle {
   public:
    static constexpr int TabellaConteggi = 0;
    static constexpr int TabellaRun = 1;

    explicit TConsecutivita(TElencoCondizioni* elenco = nullptr);

    TSegni Segno = Segno1;  // 1, 2 or 4

    std::string Didascalia(int i) const override;
    // The number of signs `Segno` and their longest run inside the runs table's range.
    TMisura Misura(const TColonnaEsaminata& c) const;
    void MisuraSerie(const TColonnaEsaminata& c, TMisura* misure) const override { misure[0] = Misura(c); }
    bool SerieAmmette(int s, const TMisura& m) const override;

    void ImpostaPercorso(const std::string& testo) override;
    bool Verifica(const TColonnaEsaminata& c) override;
    bool Scrivi(TScrittoreBinario& f) const override;
    bool Leggi(TLettoreBinario& f) override;
    bool Prepara() override;
    void EsameTraLink(TEsameTraLink& esame) const override;
    void Stampa(TRigheStampa& stampa) const override;
    std::unique_ptr<TCondizione> Clona() const override { return std::make_unique<TConsecutivita>(*this); }

   private:
    bool SiApplica(int conteggio) const
    {
        return tabelle_[TabellaConteggi].Stato(0, conteggio) == StatoAmmesso;
    }
};

}  // namespace morella
