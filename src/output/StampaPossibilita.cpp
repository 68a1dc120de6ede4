#include "StampaPossibilita.h"

#include <algorithm>
#include <functional>

#include "Errore.h"
#include "Gioco.h"
#include "mmPrinter.h"

namespace morella {

namespace {
constexpr int LarghezzaPunti = 40;  // pixels, as the window's grid
constexpr int LarghezzaPercentuale = 60;
constexpr int AltezzaRiga = 18;
constexpr double Scala = 0.35;
}  // namespace

TGrigliaStampa GrigliaStampaPossibilita(const TElencoTipiDiVincita& elenco)
{
    const TGrigliaPossibilita finestra = GrigliaPossibilita(elenco);
    const int colonne = static_cast<int>(finestra.intestazioni.size());
    TGrigliaStampa g(colonne, static_cast<int>(finestra.righe.size()) + 1, LarghezzaPunti, AltezzaRiga);
    g.Larghezze.back() = LarghezzaPercentuale;
    for (int c = 0; c < colonne; ++c) g.Cella(0, c) = finestra.intestazioni[static_cast<std::size_t>(c)];
    for (std::size_t r = 0; r < finestra.righe.size(); ++r)
        for (std::size_t c = 0; c < finestra.righe[r].size(); ++c)
            g.Cella(static_cast<int>(r) + 1, static_cast<int>(c)) = finestra.righe[r][c];
    return g;
}

namespace {

constexpr double MargineAlto = 10;  // mm: where a continued page starts
constexpr double SpazioPiede = 2;   // mm kept clear above the page number
constexpr double DopoEsatto = 20;   // mm between the exact table and the first error table
constexpr double TraTabelle = 10;   // mm between two error tables
constexpr int RigheInizio = 3;      // rows beside the caption of a split table

double AltoRiga(const TGrigliaStampa& g, int riga)
{
    return (g.Altezze[static_cast<std::size_t>(riga)] + 1) * Scala;
}

// The heading row and data rows [da, a) of a grid, as a grid of their own.
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

// One table from `y` down, kept above the page number. A table that fits on a page but not
// on the rest of this one starts on the next; a longer one goes on over as many pages as it
// needs, each piece framed and headed by the heading row. `etichetta` writes the table's
// caption beside its first piece. `y` comes back below the last piece.
void StampaTabella(TmmPrinter& p, const TGrigliaStampa& g, double& y, double sinistra,
                   const std::function<void(double)>& etichetta)
{
    const double limite = p.AltoPiede() - SpazioPiede;
    const double intestazione = AltoRiga(g, 0);
    const double intera = g.Altezza() * Scala;
    const bool staInUnaPagina = MargineAlto + intera <= limite;
    // A split table starts with a few rows, so that its caption stands beside it.
    double inizio = intestazione;
    for (int r = 1; r < std::min(g.Righe(), 1 + RigheInizio); ++r) inizio += AltoRiga(g, r);
    if ((staInUnaPagina && y + intera > limite) || y + inizio > limite) {
        p.NuovaPagina();
        y = MargineAlto;
    }
    etichetta(y);
    int r = 1;
    do {
        double fondo = y + intestazione;
        int a = r;
        // At least one row a piece, so that a row taller than a page cannot stop the print.
        while (a < g.Righe() && (a == r || fondo + AltoRiga(g, a) <= limite)) fondo += AltoRiga(g, a++);
        const TGrigliaStampa pezzo = Pezzo(g, r, a);
        StampaGriglia(p, pezzo, Scala, y, sinistra);
        y += pezzo.Altezza() * Scala;
        r = a;
        if (r < g.Righe()) {
            p.NuovaPagina();
            y = MargineAlto;
        }
    } while (r < g.Righe());
}

}  // namespace

void StampaPossibilita(const T_ListaTipiDiVincite& possibilita, const TPronostico& pronostico,
                       TTelaStampa& tela)
{
    try {
        TmmPrinter p(tela);
        p.IniziaDocumento();
        p.ImpostaFont(FontStampa());
        p.ScriviCentrato("Stampa Delle Possibilità di Incolonnamento Del Ridotto", 0);
        p.ImpostaFont(FontSchermo());
        const double sinistra = p.LarghezzaTesto("Possibilità Di Incolonnamento :       ") + 15;

        double y = 10;
        StampaTabella(p, GrigliaStampaPossibilita(possibilita.Lista(0)), y, sinistra, [&](double alto) {
            p.Scrivi("Possibilità Di Incolonnamento", 10, alto + 10);
            p.Scrivi("a Pronostico Verificato : ", 10, alto + 10 + p.AltezzaTesto("Poss") + 1.5);
        });
        y += DopoEsatto;

        for (int k = 1; k <= NumEvents && k < possibilita.NumeroListe(); ++k) {
            if ((pronostico[static_cast<std::size_t>(k - 1)] & 7) == 7) continue;  // a triple cannot go wrong
            StampaTabella(p, GrigliaStampaPossibilita(possibilita.Lista(k)), y, sinistra, [&](double alto) {
                p.Scrivi("Errore Alla Posizione " + std::to_string(k) + " : ", 10, alto + 5);
            });
            y += TraTabelle;
        }
        p.ChiudiDocumento();
    } catch (const std::exception&) {
        tela.AbbandonaDocumento();
        throw EErrore(MessaggioStampaTabelle);
    }
}

}  // namespace morella
