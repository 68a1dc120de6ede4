// The condition set of a realistic Totip system, shared by the evaluation, development and
// replay benchmarks: number of signs (one value in recupero on link "A"), interruptions,
// symmetries, modulo, derived formulas, a group of three filter columns whose points feed a
// points-between group, and a root panel "OR" of three conditions.
#pragma once

#include <memory>

#include "BenchComune.h"
#include "ColonnaFiltro.h"
#include "Distribuzione.h"
#include "FormuleDerivate.h"
#include "Interruzioni.h"
#include "Modulo.h"
#include "NumeroSegni.h"
#include "PuntiTra.h"
#include "Quadro.h"
#include "Simmetrie.h"
#include "TestoColonnaEsteso.h"

namespace morella::bench {

inline void CondizioniRealistiche(TElencoCondizioni& elenco)
{
    NumeroSegniConRecupero(elenco);

    auto& in = *elenco.Condizione<TInterruzioni>(TipoInterruzioni);
    Ammetti(in.Tabella(TInterruzioni::TabellaGlobali), 0, 5, 10);
    Ammetti(in.Tabella(TInterruzioni::TabellaGlobali), 1, 0, 5);
    for (int s = 1; s <= 3; ++s) Ammetti(in.Tabella(s), 0, 1, 4);

    auto& si = *elenco.Condizione<TSimmetrie>(TipoSimmetrie);
    Ammetti(si.Tabella(TSimmetrie::TabellaDirette), 0, 0, 4);
    Ammetti(si.Tabella(TSimmetrie::TabellaDirette), 1, 0, 3);
    Ammetti(si.Tabella(TSimmetrie::TabellaInverse), 0, 0, 4);
    Ammetti(si.Tabella(TSimmetrie::TabellaTotali), 0, 1, 7);

    auto& mo = *elenco.Condizione<TModulo>(TipoModulo);
    Ammetti(mo.Tabella(TModulo::TabellaSomma), 0, 5, 12);
    Ammetti(mo.Tabella(TModulo::TabellaProdotto), 0, 2, 12);

    auto& fd = *elenco.Condizione<TFormuleDerivate>(TipoFormuleDerivate);
    for (int n1 = 2; n1 <= 7; ++n1)
        for (int nx = 1; nx <= 6; ++nx)
            if (12 - n1 - nx >= 1 && 12 - n1 - nx <= 6)
                fd.FormuleAmmesse[IndiceDistribuzione({n1, nx, 12 - n1 - nx})] = true;

    auto& filtri = *elenco.Condizione<TGruppoCondizioni>(TipoGruppoColonneFiltro);
    for (const char* testo : {"1X21X21X21X2", "(1X)(X2)*1*(12)2X(1X2)1**", "X1X1X1X1X1X1"}) {
        auto cf = CreaColonnaFiltro(*ColonnaDaTestoEsteso(testo), {});
        auto& t = cf->Tabella(TColonnaFiltro::TabellaPunti);
        Ammetti(t, 0, 1, 10);
        Ammetti(t, 1, 0, 7);
        t.Sotto[0].GruppoTra = 1;
        filtri.Aggiungi(std::move(cf));
    }
    elenco.Condizione<TPuntiTra>(TipoPuntiTra)->Gruppo(1).Aggiungi({6, 24, 1, 1});

    // The panel: at least one of a sign count, a run of interruptions and a modulo sum.
    auto& quadro = *elenco.Condizione<TQuadro>(TipoQuadro);
    auto segni = std::make_unique<TNumeroSegni>();
    Ammetti(segni->Tabella(0), 0, 4, 5);
    auto interruzioni = std::make_unique<TInterruzioni>();
    Ammetti(interruzioni->Tabella(TInterruzioni::TabellaGlobali), 0, 7, 9);
    auto modulo = std::make_unique<TModulo>();
    Ammetti(modulo->Tabella(TModulo::TabellaSomma), 0, 8, 10);
    quadro.Aggiungi(std::move(segni));
    quadro.Aggiungi(std::move(interruzioni));
    quadro.Aggiungi(std::move(modulo));
    quadro.ScegliRelazione(RelazioneOr);
}

}  // namespace morella::bench
