// The "Tabulato": the columns as plain text, four to a framed block, blocks left to right
// and top to bottom, with a page number at the foot of every page.
#include <algorithm>

#include "Gioco.h"
#include "StampaSchedine.h"
#include "mmPrinter.h"

namespace morella {

namespace {

// A line under event i (1-based) groups the events as the coupon does: the two placings of a
// race on Totip, three events on the other coupons; never under the twelfth.
bool SeparatoreDopo(int i)
{
    if (i >= 12 || i >= NumEvents) return false;
    return Gioco == GiocoTotip ? i % 2 == 0 : i % 3 == 0;
}

}  // namespace

bool TStampaSchedine::StampaTabulato(TTelaStampa& tela) const
{
    TmmPrinter p(tela);
    p.IniziaDocumento();
    tela.ImpostaPennello(TColoreStampa::Bianco);
    p.ImpostaFont(FontStampa());

    const double w = (p.LarghezzaTesto("1X2") + 3) * 4;
    const double hb = (p.AltezzaTesto("1X2") + 1.5) * NumEvents;
    const double hh = p.AltezzaTesto("Schedina") + 4;
    const double riga = hb / NumEvents;
    constexpr double Spazio = 8;
    constexpr double Margine = 10;

    const std::size_t n = Colonne.size();
    std::size_t nodo = std::min(n, static_cast<std::size_t>(std::max(Prima - 1, 0)) * 4);
    double x = Margine, y = Margine;
    for (int k = Prima; nodo < n && k <= Ultima; ++k) {
        p.Rettangolo(x, y, x + w, y + hh + hb);
        p.Linea(x, y + hh, x + w, y + hh);
        // Four-figure numbers would run over the frame from the usual place: they move left.
        const std::string titolo = " Schedina Nº " + std::to_string(k);
        p.Scrivi(titolo, std::max(x + 0.5, std::min(x + 4, x + w - p.LarghezzaTesto(titolo) - 1)), y + 2);
        for (int j = 0; j < 4 && nodo < n; ++j, ++nodo) {
            const TColonna& colonna = Colonne[nodo];
            for (int i = 1; i <= NumEvents; ++i) {
                const std::string segni = TestoSegni(colonna[static_cast<std::size_t>(i - 1)]);
                if (!segni.empty()) p.Scrivi(segni, x + (w / 4) * j + 2, y + hh + riga * (i - 1) + 1);
            }
        }
        for (int i = 1; i < NumEvents; ++i)
            if (SeparatoreDopo(i)) p.Linea(x, y + hh + riga * i, x + w, y + hh + riga * i);
        if (!Avanti(k - Prima + 1)) return false;

        x += w + Spazio;
        if (p.LarghezzaPagina() < x + w) {
            x = Margine;
            y += hb + hh + Spazio;
        }
        // A new page only when another block follows, so the last page is never blank.
        if (p.AltezzaPagina() < y + hb + hh && k < Ultima && nodo < n) {
            y = Margine;
            p.NuovaPagina();
        }
    }
    p.ChiudiDocumento();
    return true;
}

}  // namespace morella
