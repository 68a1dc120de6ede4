#include "Prospetto.h"

#include <algorithm>
#include <ctime>

#include "Errore.h"
#include "Gioco.h"
#include "mmPrinter.h"

namespace morella {

namespace {

constexpr int LarghezzaNumero = 20;  // pixels, as the coupon editor draws its grids
constexpr int LarghezzaNome = 80;
constexpr int LarghezzaSegni = 25;
constexpr int LarghezzaTabella = 30;
constexpr int AltezzaRiga = 18;
constexpr double Scala = 0.4;  // millimetres per pixel
constexpr double Alto = 60;

const char* const EtichetteEnalotto[12] = {" Bari",   " Cagliari", " Firenze",   " Genova",
                                           " Milano", " Napoli",   " Palermo",   " Roma",
                                           " Torino", " Venezia",  " Napoli 2º", " Roma 2º"};

TGrigliaStampa GrigliaTabella(const TTabellaSegni& tabella)
{
    TGrigliaStampa g(3, NumEvents, LarghezzaTabella, AltezzaRiga);
    for (int e = 0; e < NumEvents; ++e)
        for (int s = 0; s < 3; ++s) {
            const auto v = tabella[static_cast<std::size_t>(e)][static_cast<std::size_t>(s)];
            if (v != 0) g.Cella(e, s) = std::to_string(v);
        }
    return g;
}

TFontStampa Courier(double punti)
{
    return TFontStampa{"Courier New", punti, false};
}

}  // namespace

TGrigliaStampa GrigliaNomi(const TDatiSistema& dati)
{
    const bool toto = Gioco == GiocoToto;
    TGrigliaStampa g(toto ? 3 : 2, NumEvents, LarghezzaNome, AltezzaRiga);
    g.Larghezze[0] = LarghezzaNumero;
    for (int e = 0; e < NumEvents; ++e) {
        g.Cella(e, 0) = std::to_string(e + 1);
        if (toto) {
            g.Cella(e, 1) = dati.NomiEventi[static_cast<std::size_t>(e)][0];
            g.Cella(e, 2) = dati.NomiEventi[static_cast<std::size_t>(e)][1];
        } else if (Gioco == GiocoEnalotto) {
            g.Cella(e, 1) = EtichetteEnalotto[e];
        } else {
            g.Cella(e, 1) = e % 2 == 0 ? " 1º Arrivato" : " 2º Arrivato";
        }
    }
    return g;
}

TGrigliaStampa GrigliaPronostico(const TDatiSistema& dati)
{
    TGrigliaStampa g(1, NumEvents, LarghezzaSegni, AltezzaRiga);
    for (int e = 0; e < NumEvents; ++e)
        g.Cella(e, 0) = " " + TestoSegni(dati.Pronostico[static_cast<std::size_t>(e)]);
    return g;
}

TGrigliaStampa GrigliaPercentuali(const TDatiSistema& dati)
{
    return GrigliaTabella(dati.Percentuali);
}
TGrigliaStampa GrigliaValori(const TDatiSistema& dati)
{
    return GrigliaTabella(dati.Valori);
}

bool TabellaCompleta(const TTabellaSegni& tabella)
{
    for (int e = 0; e < NumEvents; ++e) {
        const auto& r = tabella[static_cast<std::size_t>(e)];
        if (std::all_of(r.begin(), r.end(), [](std::int32_t v) { return v == 0; })) return false;
    }
    return true;
}

std::string RigaNomeSistema(const TSistema& sistema, const std::string& data)
{
    const auto& imp = sistema.Dati().Impostazioni;
    std::string riga = "Nome Del Sistema : " + NomeSenzaCartellaEdEstensione(sistema.NomeFile) + "  ";
    if (imp.UsaCondizioni || imp.Autoriduzione) riga += "Sistema ";
    if (imp.UsaCondizioni) riga += "Condizionato ";
    if (imp.Autoriduzione) riga += std::string("Ridotto N-") + (imp.GaranziaN1 ? "1" : "2");
    return riga + "  Stampato il : " + data;
}

std::string DataOdierna()
{
    const std::time_t adesso = std::time(nullptr);
    std::tm t{};
    localtime_r(&adesso, &t);
    char testo[16];
    std::strftime(testo, sizeof testo, "%d/%m/%Y", &t);
    return testo;
}

void StampaProspetto(TSistema& sistema, TTelaStampa& tela, const std::string& data)
{
    TDatiSistema& d = sistema.Dati();
    try {
        TmmPrinter p(tela);
        p.IniziaDocumento();
        p.ImpostaFont(Courier(10));
        p.ScriviCentrato("Prospetto Del Sistema", 2);

        p.ImpostaFont(Courier(8));
        p.Rettangolo(10, 25, p.LarghezzaPagina() - 10, 42 + p.AltezzaTesto("Doppie"));
        p.ScriviCentrato(RigaNomeSistema(sistema, data), 27);
        const TStatusLine status = sistema.AggiornaStatusLine();
        const std::string doppie = status.Doppie.size() >= 2 ? status.Doppie.substr(2) : status.Doppie;
        p.ScriviCentrato(doppie + status.Triple + status.ColonneIniziali + status.ColonneFinali, 40);

        p.ImpostaFont(Courier(10));
        const TGrigliaStampa nomi = GrigliaNomi(d);
        StampaGriglia(p, nomi, Scala, Alto, 10);
        p.Scrivi("Concorso Nº " + std::to_string(d.Numero), 10, Alto - p.AltezzaTesto("Concorso Nº") - 1);
        double r = nomi.Larghezza() * Scala + 20;

        const TGrigliaStampa pronostico = GrigliaPronostico(d);
        if (d.Impostazioni.DaPronostico) {
            StampaGriglia(p, pronostico, Scala, Alto, r);
            r += pronostico.Larghezza() * Scala + 10;
        }
        if (TabellaCompleta(d.Percentuali)) {
            const TGrigliaStampa g = GrigliaPercentuali(d);
            p.Scrivi("Picchetto", r + 10, Alto - p.AltezzaTesto("Picchetto") - 1);
            StampaGriglia(p, g, Scala, Alto, r);
            r += g.Larghezza() * Scala + 5;
        }
        const TGrigliaStampa valori = GrigliaValori(d);
        if (TabellaCompleta(d.Valori)) {
            p.Scrivi("Valori", r + 13, Alto - p.AltezzaTesto("Valori") - 1);
            StampaGriglia(p, valori, Scala, Alto, r);
        }
        const double sotto = valori.Altezza() * Scala;
        if (Gioco == GiocoTotip) {
            std::string corsa = "Corsa + : ";
            for (int i = 0; i < 16; ++i)
                if (d.CorsaPiu & (1u << i)) corsa += std::to_string(i + 1) + " ";
            p.Scrivi(corsa, 10, sotto + 65);
        }
        double y = sotto + 70 + (Gioco == GiocoTotip ? p.AltezzaTesto("PPP") : 0.0);

        p.ImpostaFont(Courier(8));
        const double riga = p.AltezzaTesto("XXXXXX");
        if (sistema.Partecipanti > 1) {
            p.ScriviCentrato("Elenco dei partecipanti al sistema", y - 7);
            for (int k = 1; k <= sistema.Partecipanti; ++k) {
                const std::string nome = static_cast<std::size_t>(k) <= sistema.NomiPartecipanti.size()
                                             ? sistema.NomiPartecipanti[static_cast<std::size_t>(k - 1)]
                                             : std::string();
                p.Scrivi(std::to_string(k) + ") " + nome, 10, y);
                y += riga;
                if (y > p.AltezzaPagina() - 20) {
                    y = 10;
                    p.NuovaPagina();
                }
            }
            y += riga;
        }
        p.ScriviCentrato("Elenco delle condizioni del sistema", y);
        y += 2 * riga;

        d.Condizioni->Prepara();
        d.Condizioni->CompattaAttive();
        d.Link->ImpostaLettereInUso(d.Condizioni->CalcolaLettereInUso());
        d.Link->Prepara();
        for (int i = 0; i < d.Condizioni->NumeroAttive(); ++i)
            d.Condizioni->Attiva(i)->StampaBlocco(y, p, 10);
        if (d.Link->Attivo()) d.Link->StampaBlocco(y, p, 10);
        p.ChiudiDocumento();
    } catch (const std::exception&) {
        tela.AbbandonaDocumento();
        throw EErrore(MessaggioStampaSistema);
    }
}

}  // namespace morella
