// What the benchmarks share: the full 12-triple Totip development (531,441 columns, first
// event slowest) and a helper that admits a range of values in a table.
#pragma once

#include <benchmark/benchmark.h>

#include <cstdint>
#include <random>
#include <vector>

#include "Archivio.h"
#include "Colonna.h"
#include "UTCondiz.h"

namespace morella::bench {

inline const std::vector<TColonna>& SviluppoCompletoTotip()
{
    static const std::vector<TColonna> colonne = [] {
        ImpostaGioco(GiocoTotip);
        std::vector<TColonna> v;
        v.reserve(531441);
        for (std::uint32_t codice = 0; codice < 531441; ++codice) {
            TColonna c{};
            std::uint32_t r = codice;
            for (int i = NumEvents - 1; i >= 0; --i, r /= 3)
                c[static_cast<std::size_t>(i)] = SegnoDaCifra(static_cast<int>(r % 3));
            c.ImpostaCorsaPiu(0x0007);
            v.push_back(c);
        }
        return v;
    }();
    return colonne;
}

// An archive of `concorsi` random complete Totip contests, 40 to a season from 1980.
inline T_Archivio ArchivioCasuale(int concorsi, unsigned seme, TMascheraCorsaPiu corsaPiu = 0)
{
    ImpostaGioco(GiocoTotip);
    std::mt19937 gen(seme);
    std::uniform_int_distribution<int> cifra(0, 2);
    T_Archivio a;
    for (int n = 0; n < concorsi; ++n) {
        T_Concorso c;
        c.Stagione = 1980 + n / 40;
        c.Numero = static_cast<std::uint8_t>(n % 40 + 1);
        for (int i = 0; i < NumEvents; ++i)
            c.ColonnaVincente[static_cast<std::size_t>(i)] = SegnoDaCifra(cifra(gen));
        c.ColonnaVincente.ImpostaCorsaPiu(corsaPiu);
        c.AggiornaCompleto();
        a.Aggiungi(c);
    }
    return a;
}

inline void Ammetti(TTabellaValori& t, int sotto, int da, int a)
{
    for (int v = da; v <= a; ++v) t.ImpostaStato(sotto, v, StatoAmmesso);
}

// Number of signs with one value in recupero on link "A", which admits one error.
inline void NumeroSegniConRecupero(TElencoCondizioni& elenco)
{
    auto& ns = *elenco.Condizione<TNumeroSegni>(TipoNumeroSegni);
    Ammetti(ns.Tabella(0), 0, 3, 6);
    Ammetti(ns.Tabella(1), 0, 2, 5);
    Ammetti(ns.Tabella(1), 1, 0, 3);
    Ammetti(ns.Tabella(2), 0, 2, 5);
    ns.Tabella(2).ImpostaStato(0, 6, StatoInRecupero, 1);  // one recovery on link "A"
    Ammetti(elenco.Link()->DellaLettera('A').Errori, 0, 0, 1);
}

// VerificaColonna over the whole development once per iteration, with the counters every
// evaluation benchmark reports.
inline void VerificaSviluppo(benchmark::State& state, TElencoCondizioni& elenco)
{
    const auto& colonne = SviluppoCompletoTotip();
    elenco.PreparaVerifica(false);
    std::int64_t accettate = 0;
    for (auto _ : state) {
        accettate = 0;
        for (const TColonna& c : colonne) accettate += elenco.VerificaColonna(c);
        benchmark::DoNotOptimize(accettate);
    }
    state.counters["attive"] = elenco.NumeroAttive();
    state.counters["accettate"] = static_cast<double>(accettate);
    state.counters["ns_colonna"] =
        benchmark::Counter(static_cast<double>(colonne.size()),
                           benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// The sign-count conditions of a realistic system: number of signs (one value in recupero
// on link "A"), even and odd, interruptions, a consecutiveness group of three elements.
inline void CondizioniDiConteggio(TElencoCondizioni& elenco, int minimoConsecutivita = 4)
{
    NumeroSegniConRecupero(elenco);

    auto& pd = *elenco.Condizione<TPariDispari>(TipoPariDispari);
    Ammetti(pd.Tabella(TPariDispari::TabellaPari), 0, 1, 4);
    Ammetti(pd.Tabella(TPariDispari::TabellaDispari), 0, 2, 8);

    auto& in = *elenco.Condizione<TInterruzioni>(TipoInterruzioni);
    Ammetti(in.Tabella(0), 0, 6, 10);
    Ammetti(in.Tabella(0), 1, 0, 5);
    for (int s = 1; s <= 3; ++s) Ammetti(in.Tabella(s), 0, 1, 4);

    auto& gruppo = *elenco.Condizione<TGruppoCondizioni>(TipoGruppoConsecutivita);
    for (TSegni segno : {Segno1, SegnoX, Segno2}) {
        auto e = std::make_unique<TConsecutivita>();
        e->Segno = segno;
        Ammetti(e->Tabella(TConsecutivita::TabellaConteggi), 0, minimoConsecutivita, 6);
        Ammetti(e->Tabella(TConsecutivita::TabellaRun), 0, 0, 3);
        gruppo.Aggiungi(std::move(e));
    }
}

}  // namespace morella::bench
