// A Totip system in which every condition kind is switched on and admits something, with
// a link in recupero and a points-between group: what the summary has to print in full.
// The repetitions need the system to have an archive with contests to compare against.
#pragma once

#include <memory>

#include "AiutiCondizioni.h"
#include "ColonnaFiltro.h"
#include "Consecutivita.h"
#include "FormuleDerivate.h"
#include "Interruzioni.h"
#include "Modulo.h"
#include "NumeroSegni.h"
#include "PariDispari.h"
#include "Percentuali.h"
#include "PuntiTra.h"
#include "Quadro.h"
#include "Ripetizioni.h"
#include "Sequele.h"
#include "Simmetrie.h"
#include "Sistema.h"
#include "TestoColonnaEsteso.h"
#include "Valori.h"
#include "Vortice.h"

namespace morella::test {

inline void OgniCondizione(TSistema& sistema)
{
    TElencoCondizioni& e = *sistema.Dati().Condizioni;
    auto& ns = *e.Condizione<TNumeroSegni>(TipoNumeroSegni);
    Ammetti(ns.Tabella(0), 0, 3, 6);
    Ammetti(ns.Tabella(1), 0, 2, 5);
    Ammetti(ns.Tabella(1), 1, 0, 3);
    Ammetti(ns.Tabella(2), 0, 2, 5);
    ns.Tabella(2).ImpostaStato(0, 6, StatoInRecupero, 1);
    Ammetti(e.Link()->DellaLettera('A').Errori, 0, 0, 1);
    Ammetti(e.Link()->ErroriTotali, 0, 0, 2);

    auto& pd = *e.Condizione<TPariDispari>(TipoPariDispari);
    Ammetti(pd.Tabella(TPariDispari::TabellaPari), 0, 2, 8);
    Ammetti(pd.Tabella(TPariDispari::TabellaDispari), 1, 0, 4);
    auto& vo = *e.Condizione<TVortice>(TipoVortice);
    Ammetti(vo.Tabella(TVortice::TabellaPosizione), 0, 1, 6);
    Ammetti(vo.Tabella(TVortice::TabellaSegno + TVortice::Inverso), 0, 0, 1);
    auto& si = *e.Condizione<TSimmetrie>(TipoSimmetrie);
    Ammetti(si.Tabella(TSimmetrie::TabellaDirette), 0, 0, 4);
    auto& in = *e.Condizione<TInterruzioni>(TipoInterruzioni);
    Ammetti(in.Tabella(TInterruzioni::TabellaGlobali), 0, 5, 10);
    for (int s = 1; s <= 3; ++s) Ammetti(in.Tabella(s), 0, 1, 4);
    auto& fd = *e.Condizione<TFormuleDerivate>(TipoFormuleDerivate);
    fd.FormuleAmmesse[5] = fd.FormuleAmmesse[17] = true;
    auto& ri = *e.Condizione<TRipetizioni>(TipoRipetizioni);
    Ammetti(ri.Tabella(TRipetizioni::TabellaUna), 0, 2, 9);
    auto& mo = *e.Condizione<TModulo>(TipoModulo);
    Ammetti(mo.Tabella(TModulo::TabellaSomma), 0, 5, 12);

    auto& gc = *e.Condizione<TGruppoCondizioni>(TipoGruppoConsecutivita);
    for (TSegni segno : {Segno1, Segno2}) {
        auto c = std::make_unique<TConsecutivita>();
        c->Segno = segno;
        Ammetti(c->Tabella(TConsecutivita::TabellaConteggi), 0, 3, 7);
        Ammetti(c->Tabella(TConsecutivita::TabellaRun), 0, 1, 3);
        gc.Aggiungi(std::move(c));
    }
    auto& gs = *e.Condizione<TGruppoCondizioni>(TipoGruppoSequele);
    auto sq = std::make_unique<TSequele>();
    sq->TipoSequela = TSequele::Bitermine;
    sq->Lunghezza = 2;
    Ammetti(sq->Tabella(0), 0, 1, 5);
    gs.Aggiungi(std::move(sq));
    auto& gv = *e.Condizione<TGruppoCondizioni>(TipoGruppoValori);
    auto va = std::make_unique<TValori>();
    va->Intervalli.Aggiungi({10, 40, 1, 1});
    va->Intervalli.Aggiungi({41, 60, 2, 2});
    va->Partite.fill(true);
    gv.Aggiungi(std::move(va));
    auto& gp = *e.Condizione<TGruppoCondizioni>(TipoGruppoPercentuali);
    auto pe = std::make_unique<TPercentuali>();
    pe->Intervalli.Aggiungi({0.001, 0.5, 1, 1});
    pe->Partite.fill(true);
    gp.Aggiungi(std::move(pe));
    auto& gf = *e.Condizione<TGruppoCondizioni>(TipoGruppoColonneFiltro);
    for (const char* testo : {"1X21X21X21X2", "(1X)(X2)*1*(12)2X(1X2)1**"}) {
        auto cf = CreaColonnaFiltro(*ColonnaDaTestoEsteso(testo), {});
        auto& t = cf->Tabella(TColonnaFiltro::TabellaPunti);
        Ammetti(t, 0, 1, 10);
        t.Sotto[0].GruppoTra = 1;
        gf.Aggiungi(std::move(cf));
    }
    e.Condizione<TPuntiTra>(TipoPuntiTra)->Gruppo(1).Aggiungi({6, 24, 1, 1});
    auto& quadro = *e.Condizione<TQuadro>(TipoQuadro);
    auto segni = std::make_unique<TNumeroSegni>();
    Ammetti(segni->Tabella(0), 0, 4, 5);
    quadro.Aggiungi(std::move(segni));
    auto modulo = std::make_unique<TModulo>();
    Ammetti(modulo->Tabella(TModulo::TabellaSomma), 0, 8, 10);
    quadro.Aggiungi(std::move(modulo));
    quadro.ScegliRelazione(RelazioneOr);

    TDatiSistema& d = sistema.Dati();
    d.Pronostico = *ColonnaDaTestoEsteso("(1X2)(1X)1(1X2)(12)(1X2)X(X2)(1X2)1(1X2)2");
    d.CorsaPiu = 0x0107;
    for (int i = 0; i < 12; ++i) {
        d.Percentuali[static_cast<std::size_t>(i)] = {50, 30, 20};
        d.Valori[static_cast<std::size_t>(i)] = {i + 1, 10, 100};
    }
    d.Impostazioni.Autoriduzione = true;
    sistema.Partecipanti = 3;
    sistema.NomiPartecipanti = {"Anna", "Bruno", "Carla"};
    sistema.NomeFile = "/tmp/Sistemi/COMPLETO.MRL";
}

}  // namespace morella::test
