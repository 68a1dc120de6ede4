// A group condition (kinds 8 to 12, and the base of the panel): a list of element
// conditions tested in order, each failing element reported on its own. The group accepts a
// column when every active element does.
#pragma once

#include <memory>
#include <vector>

#include "Condizione.h"

namespace morella {

class TGruppoCondizioni : public TCondizione {
   public:
    // A group of kind 8 to 12; its elements are of the kind the group holds.
    explicit TGruppoCondizioni(TipoCondizione tipo, TElencoCondizioni* elenco = nullptr);
    TGruppoCondizioni(const TGruppoCondizioni& altro);  // copies every element

    int Conta() const { return static_cast<int>(elementi_.size()); }
    TCondizione& Elemento(int i) const { return *elementi_.at(static_cast<std::size_t>(i)); }  // 0-based
    // The kinds this group may hold (the simple groups: only their element kind).
    virtual bool AmmetteElemento(TipoCondizione tipo) const;

    // List operations; positions are 1-based. Inserting beyond the count appends. A
    // condition of a kind the group does not hold is refused (false). The group takes
    // ownership and moves the element under its own container.
    bool Aggiungi(std::unique_ptr<TCondizione> elemento);
    bool Inserisci(int posizione, std::unique_ptr<TCondizione> elemento);
    bool Elimina(int posizione);
    void Svuota();

    void ImpostaPercorso(const std::string& testo) override;
    void StatisticaArchivio() override;
    void StatisticaColonne() override;
    void ContaColonna(const TColonna& colonna) override;
    bool Verifica(const TColonnaEsaminata& c) override;
    bool Scrivi(TScrittoreBinario& f) const override;
    bool Leggi(TLettoreBinario& f) override;
    void AzzeraStatistiche() override;
    bool Prepara() override;
    void EsameTraLink(TEsameTraLink& esame) const override;
    void Stampa(TRigheStampa& stampa) const override;
    void ImpostaDefault() override;
    std::unique_ptr<TCondizione> Clona() const override { return std::make_unique<TGruppoCondizioni>(*this); }
    void ImpostaElenco(TElencoCondizioni* elenco) override;

   protected:
    // The elements' whole blocks, then the byte 100.
    void ScriviElementi(TScrittoreBinario& f) const;
    // Clears the list and reads elements up to the byte 100. Stops at the first element
    // that fails, keeping those read before it; a kind the group does not hold fails.
    bool LeggiElementi(TLettoreBinario& f);
    void ListaCambiata() { preparati_.clear(), preparatiValidi_ = false; }

    std::vector<std::unique_ptr<TCondizione>> elementi_;

   private:
    // The elements to test, gathered by Prepara; dropped whenever the list changes so that
    // a stale pointer is never followed.
    std::vector<TCondizione*> preparati_;
    bool preparatiValidi_ = false;
};

}  // namespace morella
