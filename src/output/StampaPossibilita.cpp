#include "StampaPossibilita.h"

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

void StampaPossibilita(const T_ListaTipiDiVincite& possibilita, const TPronostico& pronostico,
                       TTelaStampa& tela)
{
    try {
        TmmPrinter p(tela);
        p.IniziaDocumento();
        p.ImpostaFont(FontStampa());
        p.ScriviCentrato("Stampa Delle Possibilità di Incolonnamento Del Ridotto", 0);
        p.ImpostaFont(FontSchermo());
        p.Scrivi("Possibilità Di Incolonnamento", 10, 20);
        p.Scrivi("a Pronostico Verificato : ", 10, 20 + p.AltezzaTesto("Poss") + 1.5);
        const double sinistra = p.LarghezzaTesto("Possibilità Di Incolonnamento :       ") + 15;

        const TGrigliaStampa esatto = GrigliaStampaPossibilita(possibilita.Lista(0));
        StampaGriglia(p, esatto, Scala, 10, sinistra);
        double y = esatto.Altezza() * Scala + 30;

        std::vector<int> eventi;
        for (int k = 1; k <= NumEvents && k < possibilita.NumeroListe(); ++k)
            if ((pronostico[static_cast<std::size_t>(k - 1)] & 7) != 7) eventi.push_back(k);
        for (std::size_t i = 0; i < eventi.size(); ++i) {
            const int k = eventi[i];
            const TGrigliaStampa g = GrigliaStampaPossibilita(possibilita.Lista(k));
            p.Scrivi("Errore Alla Posizione " + std::to_string(k) + " : ", 10, y + 5);
            StampaGriglia(p, g, Scala, y, sinistra);
            y += g.Altezza() * Scala + 10;
            // A new page only when another table follows and would not fit.
            if (y + g.Altezza() * Scala > p.AltezzaPagina() - 10 && i + 1 < eventi.size()) {
                y = 10;
                p.NuovaPagina();
            }
        }
        p.ChiudiDocumento();
    } catch (const std::exception&) {
        tela.AbbandonaDocumento();
        throw EErrore(MessaggioStampaTabelle);
    }
}

}  // namespace morella
