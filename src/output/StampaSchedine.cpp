#include "StampaSchedine.h"

#include <algorithm>

#include "Errore.h"
#include "Gioco.h"
#include "mmPrinter.h"

namespace morella {

namespace {

// Characters, not bytes: "£" is two bytes of UTF-8 but one place on the line.
std::size_t Caratteri(const std::string& s)
{
    return static_cast<std::size_t>(std::count_if(
        s.begin(), s.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

// Names written on another system may carry backslashes.
std::string NomeSenzaCartella(const std::string& file)
{
    const auto barra = file.find_last_of("/\\");
    return barra == std::string::npos ? file : file.substr(barra + 1);
}

std::string Blanks(std::size_t lunghezza, std::size_t finoA)
{
    return lunghezza < finoA ? std::string(finoA - lunghezza, ' ') : std::string();
}

// Where the marks of one coupon go, in millimetres.
class TCoupon {
   public:
    TCoupon(TmmPrinter& p, const TTaraturaStampa& t, TVersoToto verso, int perSchedina)
        : p_(p),
          t_(TaraturaDelGioco(t)),
          toto_(verso == TVersoToto::Verticale ? t.TotoVerticale : t.TotoOrizzontale),
          verticale_(verso == TVersoToto::Verticale),
          da4_(perSchedina == 4)
    {
    }

    void Intestazione(const std::string& testo)
    {
        p_.Tela().ImpostaPennello(TColoreStampa::Bianco);
        if (Gioco == GiocoToto)
            p_.Scrivi(testo, toto_.ScrittaX, toto_.ScrittaY);
        else
            p_.Scrivi(testo, t_.ScrittaX, t_.ScrittaY);
    }

    void Colonna(const TColonna& colonna, int c)
    {
        for (int e = 0; e < NumEvents; ++e)
            for (int s = 0; s < 3; ++s)
                if (colonna[static_cast<std::size_t>(e)] & (1u << s)) Segno(c, e, s);
    }

    // Horses 1-16 of the Corsa +, from the mask of the schedina's first column.
    void CorsaPiu(TMascheraCorsaPiu maschera)
    {
        const double b = t_.LargQuadro + t_.DistanzaSegniOriz;
        const double h = t_.AltQuadro + t_.DistanzaSegniVert;
        for (int i = 0; i < 16; ++i) {
            if (!(maschera & (1u << i))) continue;
            double x, y;
            if (da4_) {
                x = t_.XPrimaCol + (i % 8 + 4) * b;
                y = t_.YPrimaCol + (i < 8 ? NumEvents : NumEvents + 1) * h;
            } else {
                x = t_.XPrimaCol - NumEvents * b;
                y = t_.YPrimaCol + (i + 8) * h;
            }
            p_.Quadratino(x, y, x + t_.LargQuadro, y + t_.AltQuadro);
        }
    }

   private:
    void Segno(int c, int e, int s)
    {
        if (Gioco == GiocoToto) {
            const double d = toto_.DiametroSegno;
            const double bo = toto_.DistanzaSegniOriz + d;
            const double bv = toto_.DistanzaSegniVert + d;
            double x, y;
            if (!verticale_) {
                x = toto_.XPrimaCol + (3 * d + 2 * toto_.DistanzaSegniOriz + toto_.SpazioColonne) * c +
                    s * bo;
                y = toto_.YPrimaCol + e * bv;
            } else {
                x = toto_.XPrimaCol - e * bo;
                y = toto_.YPrimaCol + (3 * d + 2 * toto_.DistanzaSegniVert + toto_.SpazioColonne) * c +
                    s * bv;
            }
            p_.Cerchio(x, y, d);
            return;
        }
        const double b = t_.LargQuadro + t_.DistanzaSegniOriz;
        const double h = t_.AltQuadro + t_.DistanzaSegniVert;
        double x, y;
        if (da4_) {
            x = t_.XPrimaCol + 3 * b * c + s * b;
            y = t_.YPrimaCol + e * h;
        } else {
            x = t_.XPrimaCol - e * b;
            y = t_.YPrimaCol + 3 * h * c + s * h;
        }
        p_.Quadratino(x, y, x + t_.LargQuadro, y + t_.AltQuadro);
    }

    TmmPrinter& p_;
    const TTaraturaSchedina& t_;
    const TTaraturaToto& toto_;
    bool verticale_;
    bool da4_;
};

}  // namespace

int ColonnePerSchedina(TModoStampa modo, const TTaraturaStampa& taratura)
{
    if (modo == TModoStampa::Tabulato || Gioco == GiocoToto) return 4;
    return TaraturaDelGioco(taratura).Da4Colonne == 1 ? 4 : 8;
}

int NumeroSchedine(int colonne, int perSchedina)
{
    if (perSchedina <= 0 || colonne <= 0) return 0;
    return colonne / perSchedina + (colonne % perSchedina > 0 ? 1 : 0);
}

TTaraturaSchedina& TaraturaDelGioco(TTaraturaStampa& taratura)
{
    return Gioco == GiocoEnalotto ? taratura.Enalotto : taratura.Totip;
}

const TTaraturaSchedina& TaraturaDelGioco(const TTaraturaStampa& taratura)
{
    return Gioco == GiocoEnalotto ? taratura.Enalotto : taratura.Totip;
}

std::string IntestazioneSchedina(const std::string& nomeSistema, std::uint64_t colonne, std::int64_t costo,
                                 int schedina, TValuta valuta)
{
    std::string testo = nomeSistema + " Col. " + std::to_string(colonne);
    testo += Blanks(Caratteri(testo), 4);
    const std::string importo = TestoImporto(costo, valuta);
    testo += importo + Blanks(Caratteri(importo), 10);
    return testo + "Sch. " + std::to_string(schedina);
}

bool TStampaSchedine::TaraturaNellaPagina(const TTaraturaStampa& taratura) const
{
    if (Modo == TModoStampa::Tabulato) return true;
    if (Gioco == GiocoToto)
        return morella::TaraturaNellaPagina(Verso == TVersoToto::Verticale ? taratura.TotoVerticale
                                                                           : taratura.TotoOrizzontale);
    return morella::TaraturaNellaPagina(TaraturaDelGioco(taratura));
}

int TStampaSchedine::Schedine(const TTaraturaStampa& taratura) const
{
    return NumeroSchedine(Colonne.Conta(), PerSchedina(taratura));
}

void TStampaSchedine::AggiornaIntervallo(const TTaraturaStampa& taratura)
{
    SpinMin = 1;
    SpinMax = std::max(1, Schedine(taratura));
}

void TStampaSchedine::ImpostaModo(TModoStampa modo, const TTaraturaStampa& taratura)
{
    Modo = modo;
    AggiornaIntervallo(taratura);
}

std::optional<std::string> TStampaSchedine::Conferma(const TTaraturaStampa& taratura)
{
    if (Schedine(taratura) == 0) return std::string(MessaggioNessunaSchedina);
    if (Tutte) {
        Prima = 1;
        Ultima = Schedine(taratura);
        return std::nullopt;
    }
    if (SpinMax < SpinMin) return std::string(MessaggioIntervalloSchedine);
    Prima = SpinMin;
    Ultima = SpinMax;
    return std::nullopt;
}

bool TStampaSchedine::Stampa(TTelaStampa& tela, TDomanda& domanda, const std::string& fileSistema,
                             const TConfigurazione& configurazione) const
{
    const bool tabulato = Modo == TModoStampa::Tabulato;
    try {
        const bool finita =
            tabulato ? StampaTabulato(tela)
                     : StampaSulleSchedine(tela, domanda, NomeSenzaCartella(fileSistema), configurazione);
        if (!finita) tela.AbbandonaDocumento();
        return finita;
    } catch (const std::exception&) {
        tela.AbbandonaDocumento();
        throw EErrore(tabulato ? MessaggioStampaTabulato : MessaggioStampaSchedine);
    }
}

bool TStampaSchedine::StampaSulleSchedine(TTelaStampa& tela, TDomanda& domanda,
                                          const std::string& nomeSistema,
                                          const TConfigurazione& configurazione) const
{
    TTaraturaStampa taratura = configurazione.Taratura;  // the working copy
    const int p = PerSchedina(taratura);
    // A stored calibration outside the page would print a blank coupon: the player is told,
    // and the coupon is printed where the defaults put it.
    if (!TaraturaNellaPagina(taratura)) {
        CorreggiTaratura(taratura);
        domanda.Chiedi(TitoloInformazione, MessaggioTaraturaPredefinita, PulsanteOk);
    }
    TmmPrinter stampante(tela);
    stampante.IniziaDocumento();
    TFontStampa font = FontStampa();
    font.Punti = 12;
    font.Grassetto = true;
    stampante.ImpostaFont(font);
    TCoupon coupon(stampante, taratura, Verso, p);

    const std::size_t n = Colonne.size();
    std::size_t nodo =
        std::min(n, static_cast<std::size_t>(std::max(Prima - 1, 0)) * static_cast<std::size_t>(p));
    int k = Prima;
    auto apri = [&] {
        std::uint64_t colonne = 0;
        for (std::size_t i = nodo; i < std::min(n, nodo + static_cast<std::size_t>(p)); ++i)
            colonne += ColonneIniziali(Colonne[i]);
        const std::int64_t costo = configurazione.CostoUnitario() * static_cast<std::int64_t>(colonne) *
                                   MoltiplicatoreColonna(Colonne[nodo]);
        coupon.Intestazione(IntestazioneSchedina(nomeSistema, colonne, costo, k, configurazione.Valuta));
        if (Gioco == GiocoTotip) coupon.CorsaPiu(Colonne[nodo].CorsaPiu());
    };
    if (nodo < n && k <= Ultima) apri();
    int c = 0;
    while (nodo < n && k <= Ultima) {
        coupon.Colonna(Colonne[nodo], c);
        ++c;
        ++nodo;
        if (c < p) continue;
        if (!Avanti(k - Prima + 1)) return false;
        ++k;
        c = 0;
        if (nodo < n && k <= Ultima) {
            if (Pausa) {
                stampante.ChiudiDocumentoSenzaPiede();
                // The coupons ejected so far stay printed; "Annulla" prints no more.
                if (domanda.Chiedi(TitoloInformazione, MessaggioPausaSchedine,
                                   PulsanteOk | PulsanteAnnulla) != PulsanteOk)
                    return false;
                stampante.IniziaDocumento();
                stampante.ImpostaFont(font);
            } else {
                stampante.NuovaPaginaSenzaPiede();
            }
            apri();
        }
    }
    stampante.ChiudiDocumentoSenzaPiede();
    return true;
}

}  // namespace morella
