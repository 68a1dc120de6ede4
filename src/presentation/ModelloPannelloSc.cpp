#include "ModelloPannelloSc.h"

#include <algorithm>

namespace morella {

void TModelloPannelloSc::ImpostaSelezionabili(const std::array<bool, MaxEventi>& flag)
{
    selezionabile_ = flag;
    Modificato = false;
}

void TModelloPannelloSc::ImpostaSelezionati(const std::array<bool, MaxEventi>& flag)
{
    selezionato_ = flag;
    Modificato = false;
}

void TModelloPannelloSc::ImpostaSquadre(const std::array<std::array<bool, 2>, MaxEventi>& flag)
{
    squadre_ = flag;
    Modificato = false;
}

bool TModelloPannelloSc::Clic(int evento, TZonaPannello zona)
{
    if (Tipo == 4 || evento < 0 || evento >= MaxEventi) return false;
    const auto e = static_cast<std::size_t>(evento);
    if (Tipo == 1) {
        if (zona != TZonaPannello::PrimoNome && zona != TZonaPannello::SecondoNome) return false;
        auto& flag = squadre_[e][zona == TZonaPannello::PrimoNome ? 0 : 1];
        flag = !flag;
    } else {
        if (zona == TZonaPannello::Valori && MostraValori()) return false;
        if (!SelezionaPartiteSingole) {
            selezionato_[e] = !selezionato_[e];
        } else {
            // One event at a time, and never one that cannot be chosen.
            if (!selezionabile_[e]) return false;
            selezionato_.fill(false);
            selezionato_[e] = true;
        }
    }
    Modificato = true;
    return true;
}

std::array<std::uint8_t, MaxEventi> TModelloPannelloSc::Selezionati() const
{
    std::array<std::uint8_t, MaxEventi> r{};
    for (std::size_t i = 0; i < r.size(); ++i) r[i] = selezionato_[i] ? 1 : 0;
    return r;
}

TIntervalloSelezione TModelloPannelloSc::Intervallo(int eventi) const
{
    TIntervalloSelezione r;
    const auto n = static_cast<std::size_t>(std::clamp(eventi, 0, MaxEventi));
    switch (Tipo) {
        case 1:
            for (std::size_t i = 0; i < n; ++i) {
                const int quante = int(squadre_[i][0]) + int(squadre_[i][1]);
                if (quante == 0) continue;
                r.vuota = false;
                if (quante == 2) r.minimo += 2;
                r.massimo += PtPerVittoria;
            }
            return r;
        case 2:
            for (std::size_t i = 0; i < n; ++i) {
                if (!selezionato_[i]) continue;
                r.vuota = false;
                r.minimo += *std::min_element(Valori[i].begin(), Valori[i].end());
                r.massimo += *std::max_element(Valori[i].begin(), Valori[i].end());
            }
            return r;
        case 3:
            r.minimo = r.massimo = 100.0;
            for (std::size_t i = 0; i < n; ++i) {
                if (!selezionato_[i]) continue;
                r.vuota = false;
                r.minimo = r.minimo * *std::min_element(Percentuali[i].begin(), Percentuali[i].end()) / 100.0;
                r.massimo =
                    r.massimo * *std::max_element(Percentuali[i].begin(), Percentuali[i].end()) / 100.0;
            }
            return r;
        default:
            return r;
    }
}

}  // namespace morella
