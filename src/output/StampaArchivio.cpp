#include "StampaArchivio.h"

#include "Errore.h"
#include "mmPrinter.h"

namespace morella {

namespace {

constexpr double Scala = 0.27;
constexpr int AltezzaRiga = 16;
constexpr int LarghezzaValore = 26;
// Season, number, winning column.
constexpr int LarghezzeConcorso[3] = {36, 28, 96};

int LarghezzaGruppo(TGruppoVista g)
{
    return static_cast<int>(DescrizioneGruppo(g).Sottotitoli.size()) * (LarghezzaValore + 1);
}

// Contest columns on a slice: the first shows the winning column too, the later ones only
// season and number so that every row can still be told apart.
int ColonneFisse(bool prima)
{
    return prima ? 3 : 2;
}

double LarghezzaFissa(bool prima)
{
    int pixel = 0;
    for (int i = 0; i < ColonneFisse(prima); ++i) pixel += LarghezzeConcorso[i] + 1;
    return pixel * Scala;
}

TFontStampa Piccolo()
{
    return TFontStampa{"Small Fonts", 7, false};
}

}  // namespace

std::vector<std::vector<int>> FetteArchivio(const std::vector<TGruppoVista>& gruppi, double scala,
                                            double disponibile, double primaFissa, double fissa)
{
    std::vector<std::vector<int>> fette;
    std::size_t i = 0;
    do {
        std::vector<int> fetta;
        double larghezza = fette.empty() ? primaFissa : fissa;
        while (i < gruppi.size()) {
            const double g = LarghezzaGruppo(gruppi[i]) * scala;
            if (!fetta.empty() && larghezza + g >= disponibile) break;
            fetta.push_back(static_cast<int>(i));
            larghezza += g;
            ++i;
        }
        fette.push_back(std::move(fetta));
    } while (i < gruppi.size());
    return fette;
}

bool StampaArchivio(const T_Archivio& archivio, const TEstremiConcorsi& estremi,
                    const TGruppiSpuntati& gruppi, TTelaStampa& tela)
{
    const auto intervallo = ConcorsiDaStampare(archivio, estremi);
    if (!intervallo) return false;

    struct TOrientamentoRipristinato {
        TTelaStampa& tela;
        TOrientamentoPagina prima;
        ~TOrientamentoRipristinato() { tela.ImpostaOrientamento(prima); }
    } ripristino{tela, tela.Orientamento()};

    try {
        tela.ImpostaOrientamento(TOrientamentoPagina::Orizzontale);
        TmmPrinter p(tela);
        TVistaArchivio vista(archivio);
        const std::vector<TGruppoVista> mostrati = GruppiMostrati(gruppi);
        const auto fette = FetteArchivio(mostrati, Scala, p.LarghezzaPagina() - 20, LarghezzaFissa(true),
                                         LarghezzaFissa(false));

        p.IniziaDocumento();
        p.ImpostaFont(FontStampa());
        p.ScriviCentrato("Stampa Archivio Colonnne", 3);
        p.ImpostaFont(Piccolo());

        const int primo = intervallo->first;
        const int ultimo = intervallo->second;
        bool primaPagina = true;
        for (int inizio = primo; inizio <= ultimo; inizio += ConcorsiPerPagina) {
            const int fine = std::min(ultimo, inizio + ConcorsiPerPagina - 1);
            std::vector<TRigaVista> righe;
            for (int c = inizio; c <= fine; ++c) righe.push_back(vista.Riga(c, gruppi));
            for (std::size_t f = 0; f < fette.size(); ++f) {
                if (!primaPagina) p.NuovaPagina();
                primaPagina = false;
                const bool prima = f == 0;
                const int fisse = ColonneFisse(prima);
                const auto& fetta = fette[f];

                // Header: one cell per group, its title above its column captions.
                TGrigliaStampa testata(static_cast<int>(fetta.size()), 2, 0, AltezzaRiga);
                for (std::size_t g = 0; g < fetta.size(); ++g) {
                    const auto& d = DescrizioneGruppo(mostrati[static_cast<std::size_t>(fetta[g])]);
                    testata.Larghezze[g] = LarghezzaGruppo(d.Gruppo) - 1;
                    testata.Cella(0, static_cast<int>(g)) = d.Titolo;
                    testata.Cella(1, static_cast<int>(g)) = d.Didascalie;
                }
                if (!fetta.empty()) StampaGriglia(p, testata, Scala, 20, 5 + LarghezzaFissa(prima));

                TGrigliaStampa corpo;
                for (int i = 0; i < fisse; ++i) corpo.Larghezze.push_back(LarghezzeConcorso[i]);
                std::vector<std::string> titoli(SottotitoliConcorso.begin(),
                                                SottotitoliConcorso.begin() + fisse);
                for (int g : fetta)
                    for (const auto& s :
                         DescrizioneGruppo(mostrati[static_cast<std::size_t>(g)]).Sottotitoli) {
                        corpo.Larghezze.push_back(LarghezzaValore);
                        titoli.push_back(s);
                    }
                corpo.Altezze.assign(righe.size() + 1, AltezzaRiga);
                corpo.Celle.push_back(titoli);
                for (const TRigaVista& r : righe) {
                    std::vector<std::string> celle = {r.Anno, r.Numero};
                    if (prima) celle.push_back(r.Colonna);
                    for (int g : fetta) {
                        // An incomplete contest has no values at all: its cells stay empty.
                        const auto gi = static_cast<std::size_t>(g);
                        const auto n = DescrizioneGruppo(mostrati[gi]).Sottotitoli.size();
                        for (std::size_t v = 0; v < n; ++v)
                            celle.push_back(gi < r.Valori.size() && v < r.Valori[gi].size() ? r.Valori[gi][v]
                                                                                            : "");
                    }
                    corpo.Celle.push_back(std::move(celle));
                }
                const double alto = fetta.empty() ? 20 : testata.Altezza() * Scala + 21.5;
                StampaGriglia(p, corpo, Scala, alto, 5);
            }
        }
        p.ChiudiDocumento();
    } catch (const std::exception&) {
        tela.AbbandonaDocumento();
        throw EErrore(MessaggioStampaArchivio);
    }
    return true;
}

}  // namespace morella
