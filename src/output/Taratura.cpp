// The calibration dialog's rules: lengths shown in tenths of a millimetre, taken back, saved,
// and the test coupon printed with values not yet stored.
#include <cmath>

#include "Errore.h"
#include "Gioco.h"
#include "StampaSchedine.h"

namespace morella {

namespace {
int Decimi(double mm)
{
    return static_cast<int>(std::lround(mm * 10));
}
}  // namespace

TValoriTaratura MostraTaratura(const TTaraturaSchedina& memorizzata)
{
    // A stored block outside the page is shown as the defaults, as it would be printed.
    TTaraturaSchedina t;
    t.Da4Colonne = memorizzata.Da4Colonne;
    if (TaraturaNellaPagina(memorizzata)) t = memorizzata;
    TValoriTaratura v;
    v.XPrimaCol = Decimi(t.XPrimaCol);
    v.YPrimaCol = Decimi(t.YPrimaCol);
    v.DistanzaSegniOriz = Decimi(t.DistanzaSegniOriz);
    v.DistanzaSegniVert = Decimi(t.DistanzaSegniVert);
    v.ScrittaX = Decimi(t.ScrittaX);
    v.ScrittaY = Decimi(t.ScrittaY);
    v.LargQuadro = Decimi(t.LargQuadro);
    v.AltQuadro = Decimi(t.AltQuadro);
    v.Radio4 = t.Da4Colonne == 1;
    return v;
}

TTaraturaSchedina AcquisisciTaratura(const TValoriTaratura& v, const TTaraturaSchedina& base)
{
    TTaraturaSchedina t = base;
    t.XPrimaCol = v.XPrimaCol / 10.0;
    t.YPrimaCol = v.YPrimaCol / 10.0;
    t.DistanzaSegniOriz = v.DistanzaSegniOriz / 10.0;
    t.DistanzaSegniVert = v.DistanzaSegniVert / 10.0;
    t.ScrittaX = v.ScrittaX / 10.0;
    t.ScrittaY = v.ScrittaY / 10.0;
    t.LargQuadro = v.LargQuadro / 10.0;
    t.AltQuadro = v.AltQuadro / 10.0;
    t.Da4Colonne = v.Radio4 ? 1 : 0;
    return t;
}

void ConfermaTaratura(const TValoriTaratura& valori, TConfigurazione& configurazione, const std::string& file)
{
    auto& blocco = TaraturaDelGioco(configurazione.Taratura);
    const TTaraturaSchedina nuovo = AcquisisciTaratura(valori, blocco);
    if (!TaraturaNellaPagina(nuovo)) throw EErrore(MessaggioTaraturaFuoriPagina);
    blocco = nuovo;
    ScriviConfigurazione(configurazione, file);
}

void StampaProva(const TValoriTaratura& valori, TConfigurazione& configurazione, TTelaStampa& tela,
                 TDomanda& domanda, const std::string& fileSistema)
{
    if (!TaraturaNellaPagina(AcquisisciTaratura(valori))) throw EErrore(MessaggioTaraturaFuoriPagina);
    auto& blocco = TaraturaDelGioco(configurazione.Taratura);
    // The stored block comes back on every way out, a failed print included.
    struct TRipristino {
        TTaraturaSchedina& blocco;
        TTaraturaSchedina salvato;
        ~TRipristino() { blocco = salvato; }
    } ripristino{blocco, blocco};
    blocco = AcquisisciTaratura(valori, blocco);

    TStampaSchedine lavoro;
    lavoro.Modo = TModoStampa::Schedine;
    lavoro.Prima = lavoro.Ultima = 1;
    TColonna prova{};
    for (int e = 0; e < 12; ++e) prova[static_cast<std::size_t>(e)] = 7;
    prova[12] = 160;
    prova[13] = 77;
    for (int i = 0; i < 8; ++i) lavoro.Colonne.Aggiungi(prova);
    lavoro.Stampa(tela, domanda, fileSistema, configurazione);
}

TTaraturaToto& TaraturaToto(TTaraturaStampa& taratura, TVersoToto verso)
{
    return verso == TVersoToto::Verticale ? taratura.TotoVerticale : taratura.TotoOrizzontale;
}

TValoriTaraturaToto MostraTaraturaToto(const TTaraturaToto& memorizzata)
{
    const TTaraturaToto t = TaraturaNellaPagina(memorizzata) ? memorizzata : TTaraturaToto{};
    return {Decimi(t.XPrimaCol),         Decimi(t.YPrimaCol),     Decimi(t.DistanzaSegniOriz),
            Decimi(t.DistanzaSegniVert), Decimi(t.SpazioColonne), Decimi(t.ScrittaX),
            Decimi(t.ScrittaY),          Decimi(t.DiametroSegno)};
}

TTaraturaToto AcquisisciTaraturaToto(const TValoriTaraturaToto& v)
{
    return {v.XPrimaCol / 10.0,         v.YPrimaCol / 10.0,     v.DistanzaSegniOriz / 10.0,
            v.DistanzaSegniVert / 10.0, v.SpazioColonne / 10.0, v.ScrittaX / 10.0,
            v.ScrittaY / 10.0,          v.DiametroSegno / 10.0};
}

void ConfermaTaraturaToto(const TValoriTaraturaToto& valori, TVersoToto verso,
                          TConfigurazione& configurazione, const std::string& file)
{
    const TTaraturaToto nuovo = AcquisisciTaraturaToto(valori);
    if (!TaraturaNellaPagina(nuovo)) throw EErrore(MessaggioTaraturaFuoriPagina);
    TaraturaToto(configurazione.Taratura, verso) = nuovo;
    ScriviConfigurazione(configurazione, file);
}

void StampaProvaToto(const TValoriTaraturaToto& valori, TVersoToto verso, TConfigurazione& configurazione,
                     TTelaStampa& tela, TDomanda& domanda, const std::string& fileSistema)
{
    const TTaraturaToto nuovo = AcquisisciTaraturaToto(valori);
    if (!TaraturaNellaPagina(nuovo)) throw EErrore(MessaggioTaraturaFuoriPagina);
    auto& blocco = TaraturaToto(configurazione.Taratura, verso);
    struct TRipristino {
        TTaraturaToto& blocco;
        TTaraturaToto salvato;
        ~TRipristino() { blocco = salvato; }
    } ripristino{blocco, blocco};
    blocco = nuovo;

    TStampaSchedine lavoro;
    lavoro.Modo = TModoStampa::Schedine;
    lavoro.Verso = verso;
    lavoro.Prima = lavoro.Ultima = 1;
    TColonna prova{};
    for (int e = 0; e < NumEvents; ++e) prova[static_cast<std::size_t>(e)] = 7;
    for (int i = 0; i < 4; ++i) lavoro.Colonne.Aggiungi(prova);
    lavoro.Stampa(tela, domanda, fileSistema, configurazione);
}

}  // namespace morella
