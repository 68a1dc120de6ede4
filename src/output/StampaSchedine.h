// The coupon print job ("Stampa Schedine") without its window: the columns it owns, the
// mode (official coupons or the "Tabulato" table), the range of schedine, the pause
// between coupons and the Toto feeding orientation; the rules the dialog applies to its
// controls; and the printing itself over a printer canvas.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "Configurazione.h"
#include "Domanda.h"
#include "ListaColonne.h"
#include "TelaStampa.h"

namespace morella {

inline constexpr const char* MessaggioStampaSchedine = "Impossibile Stampare Le Schedine";
inline constexpr const char* MessaggioStampaTabulato = "Impossibile Stampare Il Tabulato";
inline constexpr const char* MessaggioIntervalloSchedine =
    "Il Valore Della Schedina Iniziale o Finale è Errato.";
inline constexpr const char* MessaggioPausaSchedine = "Stampa Schedine In Pausa ( Ok Per Continuare )";

enum class TModoStampa { Schedine, Tabulato };
// How the football coupon is fed: " Orizzontale" (1) or " Verticale" (2).
enum class TVersoToto { Orizzontale = 1, Verticale = 2 };

// Columns on one schedina: 4 in the table and on the football coupon, otherwise 4 or 8 as
// the game's calibration says.
int ColonnePerSchedina(TModoStampa modo, const TTaraturaStampa& taratura);
// Schedine needed for n columns, p per schedina.
int NumeroSchedine(int colonne, int perSchedina);
// The calibration block of the current game (Enalotto or Totip; Totip for the football pool,
// which has its own blocks and never reads this one).
TTaraturaSchedina& TaraturaDelGioco(TTaraturaStampa& taratura);
const TTaraturaSchedina& TaraturaDelGioco(const TTaraturaStampa& taratura);

// The header line of a coupon: "<system> Col. N    £ <cost>    Sch. k" (or "€ <euro,cents>"),
// the cost in the currency's smallest unit.
std::string IntestazioneSchedina(const std::string& nomeSistema, std::uint64_t colonne, std::int64_t costo,
                                 int schedina, TValuta valuta = TValuta::Lire);

class TStampaSchedine {
   public:
    TListaColonne Colonne;
    TModoStampa Modo = TModoStampa::Schedine;
    bool Pausa = false;  // "Pausa Tra Due Schedine"
    bool Tutte = true;   // " Tutte" or " Da" ... "a"
    int SpinMin = 1;
    int SpinMax = 1;
    TVersoToto Verso = TVersoToto::Orizzontale;
    int Prima = 1;  // fixed by Conferma
    int Ultima = 1;

    int PerSchedina(const TTaraturaStampa& taratura) const { return ColonnePerSchedina(Modo, taratura); }
    int Schedine(const TTaraturaStampa& taratura) const;
    // On show and whenever the mode changes: both spins run 1..S, from 1 to S.
    void AggiornaIntervallo(const TTaraturaStampa& taratura);
    void ImpostaModo(TModoStampa modo, const TTaraturaStampa& taratura);
    bool PausaAbilitata() const { return Modo == TModoStampa::Schedine; }
    bool SpinAbilitati() const { return !Tutte; }
    // OK: fixes the first and last schedina, or gives the message that keeps the dialog open.
    std::optional<std::string> Conferma(const TTaraturaStampa& taratura);

    // Prints schedine Prima..Ultima. The calibration is copied when printing starts; a
    // block outside the page is replaced by its defaults after MessaggioTaraturaPredefinita
    // (asked through `domanda`). A failure abandons the document and throws the mode's
    // message.
    void Stampa(TTelaStampa& tela, TDomanda& domanda, const std::string& fileSistema,
                const TConfigurazione& configurazione) const;

   private:
    void StampaSulleSchedine(TTelaStampa& tela, TDomanda& domanda, const std::string& nomeSistema,
                             const TConfigurazione& configurazione) const;
    void StampaTabulato(TTelaStampa& tela) const;
};

// ---- Calibration dialog ("Taratura Per la Stampa Delle Schedine") ----------------------

inline constexpr int MassimoCoordinataTaratura = 10000;
inline constexpr int MassimoQuadroTaratura = 100;

// The dialog's spins, in tenths of a millimetre, and the coupon type.
struct TValoriTaratura {
    int XPrimaCol = 0, YPrimaCol = 0;
    int DistanzaSegniOriz = 0, DistanzaSegniVert = 0;
    int ScrittaX = 0, ScrittaY = 0;
    int LargQuadro = 0, AltQuadro = 0;
    bool Radio4 = true;
    bool operator==(const TValoriTaratura&) const = default;
};
// Each length times ten, rounded to the nearest integer; the defaults' lengths for a block
// outside the page.
TValoriTaratura MostraTaratura(const TTaraturaSchedina& taratura);
// Each spin divided by ten; the padding bytes of `base` are kept.
TTaraturaSchedina AcquisisciTaratura(const TValoriTaratura& valori, const TTaraturaSchedina& base = {});

// OK: the values into the current game's block and the configuration file written
// (throws "Impossibile Salvare La Configurazione"; the values stay in memory). Values
// outside the page are refused with EErrore(MessaggioTaraturaFuoriPagina) and nothing
// changes.
void ConfermaTaratura(const TValoriTaratura& valori, TConfigurazione& configurazione,
                      const std::string& file);

// "Test": the first coupon of eight copies of a column with every sign and Corsa + horses
// 6, 8, 9, 11, 12, 15, printed with the dialog's values. The stored calibration is the same
// afterwards whatever happens, and nothing is saved. Values outside the page are refused
// as OK refuses them.
void StampaProva(const TValoriTaratura& valori, TConfigurazione& configurazione, TTelaStampa& tela,
                 TDomanda& domanda, const std::string& fileSistema);

}  // namespace morella
