#include "StatisticheSegni.h"

#include <limits>

#include "Archivio.h"
#include "DerivateAnalisi.h"
#include "ImpostazioniRicerca.h"
#include "ListaColonne.h"

namespace morella {

namespace {

// Counters stop at the top instead of wrapping into negative numbers.
void Incrementa(std::int32_t& v)
{
    if (v < std::numeric_limits<std::int32_t>::max()) ++v;
}

}  // namespace

double T_StatisticheSegni::IC(int evento, int segno) const
{
    if (evento < 0 || evento >= MaxEventi || segno < 0 || segno > 2 || Concorsi <= 0) return 0.0;
    const T_ContatoriSegno& c = Eventi[static_cast<std::size_t>(evento)][static_cast<std::size_t>(segno)];
    return static_cast<double>(c.Frequenza) / Concorsi * c.RitardoAttuale;
}

T_StatisticheSegni StatisticheSegni(const T_Archivio& archivio, const T_ImpostazioniRicerca& ricerca)
{
    T_StatisticheSegni r;
    const auto& concorsi = archivio.Concorsi();
    // The archive is in order, so the last contest in range is the latest.
    for (const T_Concorso& c : concorsi)
        if (ricerca.NelIntervallo(c)) r.UltimaStagione = c.Stagione;

    for (const T_Concorso& concorso : concorsi) {
        if (!ricerca.NelIntervallo(concorso)) continue;
        Incrementa(r.Concorsi);
        const bool ultima = concorso.Stagione == r.UltimaStagione;
        for (int i = 0; i < NumEvents; ++i) {
            auto& segni = r.Eventi[static_cast<std::size_t>(i)];
            const int uscito =
                CifraSegno(concorso.ColonnaVincente[static_cast<std::size_t>(i)] & MascheraSegni);
            // The delays follow the frequency tables: the signs that did not come out wait
            // one contest more, the one that did starts again from 0. A sign out in two
            // contests in a row has waited none, so the longest delay is the longest absence.
            for (int s = 0; s < 3; ++s) {
                T_ContatoriSegno& c = segni[static_cast<std::size_t>(s)];
                if (s != uscito) {
                    Incrementa(c.RitardoAttuale);
                    if (c.RitardoAttuale > c.RitardoMassimo) c.RitardoMassimo = c.RitardoAttuale;
                }
                if (s == uscito) {
                    Incrementa(c.Frequenza);
                    if (ultima) Incrementa(c.FrequenzaAnnuale);
                    c.RitardoAttuale = 0;
                    Incrementa(c.ConsecutiviAttuali);
                    if (c.ConsecutiviAttuali > c.ConsecutiviMassimi)
                        c.ConsecutiviMassimi = c.ConsecutiviAttuali;
                } else {
                    c.ConsecutiviAttuali = 0;
                }
            }
        }
    }
    return r;
}

std::string T_FrequenzeSegniColonne::Percentuale(int evento, int segno) const
{
    if (evento < 0 || evento >= MaxEventi || segno < 0 || segno > 2 || Colonne <= 0)
        return TestoDueDecimali(0.0);
    const auto n = Conteggi[static_cast<std::size_t>(evento)][static_cast<std::size_t>(segno)];
    return TestoDueDecimali(static_cast<double>(n) * 100.0 / static_cast<double>(Colonne));
}

T_FrequenzeSegniColonne FrequenzeSegniColonne(const TListaColonne& colonne)
{
    T_FrequenzeSegniColonne r;
    r.Colonne = static_cast<std::int64_t>(colonne.Conta());
    for (const TColonna& c : colonne)
        for (int i = 0; i < NumEvents; ++i) {
            const int s = CifraSegno(c[static_cast<std::size_t>(i)] & MascheraSegni);
            if (s >= 0) ++r.Conteggi[static_cast<std::size_t>(i)][static_cast<std::size_t>(s)];
        }
    return r;
}

}  // namespace morella
