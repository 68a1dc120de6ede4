#include "BloccoStampa.h"

#include <algorithm>

#include "Condizione.h"
#include "Link.h"

namespace morella {

namespace {

constexpr double MargineAlto = 5;
constexpr double Rientro = 5;
constexpr double SpazioSotto = 5;
constexpr double SpazioTabelle = 6;
constexpr double SpazioTitolo = 1.5;  // the title inside the frame, not on its line

// One band of the block: columns of lines printed side by side, each at its own x offset.
struct TFascia {
    std::vector<std::vector<std::string>> Colonne;
    std::vector<double> X;
    std::size_t Righe() const
    {
        std::size_t n = 0;
        for (const auto& c : Colonne) n = std::max(n, c.size());
        return n;
    }
};

std::vector<TFascia> Fasce(TmmPrinter& p, const TRigheStampa& d, std::size_t prima, double larghezza)
{
    std::vector<TFascia> fasce;
    std::size_t tabella = 0;
    while (tabella < d.Tabelle.size() && d.Tabelle[tabella].first < prima) ++tabella;
    for (std::size_t i = prima; i < d.Righe.size();) {
        if (tabella >= d.Tabelle.size() || i < d.Tabelle[tabella].first) {
            fasce.push_back({{{d.Righe[i]}}, {0.0}});
            ++i;
            continue;
        }
        // A run of tables that follow one another without lines between them.
        std::size_t fine = tabella + 1;
        while (fine < d.Tabelle.size() && d.Tabelle[fine].first == d.Tabelle[fine - 1].second) ++fine;
        double colonna = 0;
        for (std::size_t t = tabella; t < fine; ++t)
            for (std::size_t r = d.Tabelle[t].first; r < d.Tabelle[t].second; ++r)
                colonna = std::max(colonna, p.LarghezzaTesto(d.Righe[r]));
        colonna += SpazioTabelle;
        const auto perFascia = static_cast<std::size_t>(std::max(1.0, larghezza / colonna));
        for (std::size_t t = tabella; t < fine; t += perFascia) {
            TFascia f;
            for (std::size_t k = t; k < std::min(fine, t + perFascia); ++k) {
                f.Colonne.emplace_back(d.Righe.begin() + static_cast<std::ptrdiff_t>(d.Tabelle[k].first),
                                       d.Righe.begin() + static_cast<std::ptrdiff_t>(d.Tabelle[k].second));
                f.X.push_back(colonna * static_cast<double>(k - t));
            }
            fasce.push_back(std::move(f));
        }
        i = d.Tabelle[fine - 1].second;
        tabella = fine;
    }
    return fasce;
}

}  // namespace

void StampaBloccoRighe(TmmPrinter& p, double& y, double x, const std::string& titolo, const TRigheStampa& d,
                       std::size_t prima)
{
    const double altezzaTitolo = p.AltezzaTesto(titolo);
    const double riga = p.AltezzaTesto("XXXXXX");
    const double pagina = p.AltezzaPagina();
    const double destra = p.LarghezzaPagina() - x;
    // Lines stay clear of the page number at the foot.
    const double limite = pagina - p.AltezzaTesto(TestoPiedePagina) - 3;
    const std::vector<TFascia> fasce = Fasce(p, d, prima, destra - x - 2 * Rientro);

    double altezza = SpazioTitolo + altezzaTitolo + 5;
    for (const auto& f : fasce) altezza += riga * static_cast<double>(f.Righe());
    const auto staInUnaPagina = [&](double h) { return MargineAlto + h + SpazioSotto <= limite; };
    if (pagina < y + altezza + SpazioSotto &&
        (staInUnaPagina(altezza) || limite < y + altezzaTitolo + 5 + riga)) {
        p.NuovaPagina();
        y = MargineAlto;
    }
    double alto = y;
    p.ScriviCentrato(titolo, y + SpazioTitolo);
    y += SpazioTitolo + altezzaTitolo + 5;
    const auto aCapo = [&] {
        p.Rettangolo(x, alto, destra, y);
        p.NuovaPagina();
        y = alto = MargineAlto;
    };
    for (const auto& f : fasce) {
        const double h = riga * static_cast<double>(f.Righe());
        // A band that fits on a page is not split.
        if (limite < y + h && staInUnaPagina(h)) aCapo();
        for (std::size_t r = 0; r < f.Righe(); ++r) {
            if (limite < y + riga) aCapo();
            for (std::size_t c = 0; c < f.Colonne.size(); ++c)
                if (r < f.Colonne[c].size()) p.Scrivi(f.Colonne[c][r], x + Rientro + f.X[c], y);
            y += riga;
        }
    }
    p.Rettangolo(x, alto, destra, y);
    y += SpazioSotto;
}

void TCondizione::StampaBlocco(double& y, TmmPrinter& stampante, double x) const
{
    TRigheStampa descrizione;
    Stampa(descrizione);
    // The first line is the condition's name: it is the block's title.
    if (descrizione.Righe.empty())
        StampaBloccoRighe(stampante, y, x, Nome, descrizione);
    else
        StampaBloccoRighe(stampante, y, x, descrizione.Righe.front(), descrizione, 1);
}

void TElencoLink::StampaBlocco(double& y, TmmPrinter& stampante, double x) const
{
    TRigheStampa descrizione;
    Stampa(descrizione);
    StampaBloccoRighe(stampante, y, x, "Link", descrizione);
}

}  // namespace morella
