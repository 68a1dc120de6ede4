#include "AnalisiColonneFiltrate.h"

#include <cstdio>
#include <numeric>

namespace morella {

std::string TestoPercentualeRifiuti(double percentuale)
{
    char testo[64];
    std::snprintf(testo, sizeof testo, "%.8f", percentuale);
    std::string t = testo;
    if (t.find('.') != std::string::npos) {
        while (!t.empty() && t.back() == '0') t.pop_back();
        if (!t.empty() && t.back() == '.') t.pop_back();
    }
    return t;
}

std::string TGrigliaRifiuti::Cella(int r, bool percentuali) const
{
    if (r < 0 || r >= Righe()) return {};
    const std::int64_t n = Conteggi[static_cast<std::size_t>(r)];
    if (!percentuali || Divisore == 0) return std::to_string(n);
    return TestoPercentualeRifiuti(100.0 * static_cast<double>(n) / static_cast<double>(Divisore));
}

namespace {

std::int64_t Somma(const std::vector<std::int64_t>& v)
{
    return std::accumulate(v.begin(), v.end(), std::int64_t{0});
}

}  // namespace

T_AnalisiColonneFiltrate AnalizzaColonneFiltrate(const TElencoLink& link, std::uint8_t lettera)
{
    T_AnalisiColonneFiltrate a;
    a.Lettera = lettera;
    TGrigliaRifiuti livelli{{"Dai Livelli della Link"}, "Liv.", 1, {}, 0};
    TGrigliaRifiuti errori{{"Dagli Errori Totali", "della Link"}, "Err.", 0, {}, 0};
    TGrigliaRifiuti totali{{"Dagli Errori Totali  ", "su Tutte le Link"}, "", 0, {}, 0};
    if (TElencoLink::LetteraValida(lettera)) {
        const TLink& l = link.Link[static_cast<std::size_t>(lettera - 'A')];
        livelli.Conteggi.assign(l.RifiutiPerLivello.begin() + 1, l.RifiutiPerLivello.end());
        livelli.Divisore = l.Usi;
        errori.Conteggi.assign(l.RifiutiPerErrori.begin(), l.RifiutiPerErrori.end());
        errori.Divisore = Somma(errori.Conteggi);
        totali.Conteggi.assign(link.RifiutiPerTotale.begin(), link.RifiutiPerTotale.end());
        totali.Divisore = Somma(totali.Conteggi);
    }
    a.Griglie = {std::move(livelli), std::move(errori), std::move(totali)};
    return a;
}

void T_AnalisiColonneFiltrate::Stampa(TRigheStampa& stampa, bool percentuali) const
{
    stampa.Riga(std::string(Titolo) + "  Link " + std::string(1, static_cast<char>(Lettera)));
    for (const auto& g : Griglie) {
        std::string titolo;
        for (const auto& riga : g.Titolo) titolo += (titolo.empty() ? "" : " ") + riga;
        stampa.Riga(titolo);
        stampa.Riga(g.Intestazione +
                    std::string(g.Intestazione.size() < 6 ? 6 - g.Intestazione.size() : 1, ' ') + Colonna);
        for (int r = 0; r < g.Righe(); ++r) {
            if (g.Conteggi[static_cast<std::size_t>(r)] == 0) continue;
            std::string etichetta = std::to_string(g.PrimaRiga + r);
            etichetta += std::string(etichetta.size() < 6 ? 6 - etichetta.size() : 1, ' ');
            stampa.Riga(etichetta + g.Cella(r, percentuali));
        }
    }
}

}  // namespace morella
