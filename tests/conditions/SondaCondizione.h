// A condition whose verdict the test decides, counting how often it is asked: it shows how
// a panel walks its sub-conditions. It poses as kind 1 so that a panel takes it.
#pragma once

#include <memory>

#include "UTCondiz.h"

namespace morella::test {

class TSonda final : public TCondizione {
   public:
    explicit TSonda(bool esito, bool attivabile = true)
        : TCondizione(TipoNumeroSegni, nullptr), Esito(esito), Attivabile(attivabile)
    {
    }

    bool Verifica(const TColonnaEsaminata&) override
    {
        ++Chiamate;
        return Esito;
    }
    bool Scrivi(TScrittoreBinario&) const override { return true; }
    bool Leggi(TLettoreBinario&) override { return true; }
    bool Prepara() override
    {
        Attivo = Attivato && Attivabile;
        return Attivo;
    }
    std::unique_ptr<TCondizione> Clona() const override { return std::make_unique<TSonda>(*this); }

    bool Esito;
    bool Attivabile;  // false: as a condition whose tables are all empty
    int Chiamate = 0;

    TSonda(const TSonda&) = default;
};

}  // namespace morella::test
