#include "StampaAnalisi.h"

#include <algorithm>

#include "Errore.h"
#include "mmPrinter.h"

namespace morella {

namespace {

constexpr double Scala = 0.35;      // mm per screen pixel, as the other tables of the program
constexpr double MargineAlto = 10;  // mm: where a continued page starts
constexpr double Sinistra = 10;     // mm
constexpr double TraSezioni = 8;    // mm below a table
constexpr double SpazioPiede = 2;   // mm kept clear above the page number

double AltoRiga(const TGrigliaStampa& g, int riga)
{
    return (g.Altezze[static_cast<std::size_t>(riga)] + 1) * Scala;
}

// The heading row and rows [da, a) of a grid.
TGrigliaStampa Pezzo(const TGrigliaStampa& g, int da, int a)
{
    TGrigliaStampa p;
    p.Larghezze = g.Larghezze;
    p.Altezze.push_back(g.Altezze.front());
    p.Celle.push_back(g.Celle.empty() ? std::vector<std::string>() : g.Celle.front());
    for (int r = da; r < a; ++r) {
        p.Altezze.push_back(g.Altezze[static_cast<std::size_t>(r)]);
        p.Celle.push_back(static_cast<std::size_t>(r) < g.Celle.size() ? g.Celle[static_cast<std::size_t>(r)]
                                                                       : std::vector<std::string>());
    }
    return p;
}

void StampaSezione(TmmPrinter& p, const TSezioneStampa& s, double& y)
{
    const TGrigliaStampa& g = s.Griglia;
    if (g.Righe() == 0) return;
    const double limite = p.AltoPiede() - SpazioPiede;
    const double didascalia = s.Didascalia.empty() ? 0 : p.AltezzaTesto(s.Didascalia) + 2;
    // The caption, the headings and a first row stay together.
    const double inizio = didascalia + AltoRiga(g, 0) + (g.Righe() > 1 ? AltoRiga(g, 1) : 0);
    if (y + inizio > limite) {
        p.NuovaPagina();
        y = MargineAlto;
    }
    if (!s.Didascalia.empty()) p.Scrivi(s.Didascalia, Sinistra, y);
    y += didascalia;
    int r = 1;
    do {
        double fondo = y + AltoRiga(g, 0);
        int a = r;
        // At least one row a piece, so that a row taller than a page cannot stop the print.
        while (a < g.Righe() && (a == r || fondo + AltoRiga(g, a) <= limite)) fondo += AltoRiga(g, a++);
        const TGrigliaStampa pezzo = Pezzo(g, r, a);
        StampaGriglia(p, pezzo, Scala, y, Sinistra);
        y += pezzo.Altezza() * Scala;
        r = a;
        if (r < g.Righe()) {
            p.NuovaPagina();
            y = MargineAlto;
        }
    } while (r < g.Righe());
    y += TraSezioni;
}

}  // namespace

void StampaTabelleAnalisi(const std::string& titolo, const std::vector<TSezioneStampa>& sezioni,
                          const std::string& messaggio, TTelaStampa& tela)
{
    try {
        TmmPrinter p(tela);
        p.IniziaDocumento();
        p.ImpostaFont(FontStampa());
        p.ScriviCentrato(titolo, 0);
        p.ImpostaFont(FontSchermo());
        double y = MargineAlto + 5;
        for (const TSezioneStampa& s : sezioni) StampaSezione(p, s, y);
        p.ChiudiDocumento();
    } catch (const std::exception&) {
        tela.AbbandonaDocumento();
        throw EErrore(messaggio);
    }
}

}  // namespace morella
