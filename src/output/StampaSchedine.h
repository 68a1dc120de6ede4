// The coupon print job ("Stampa Schedine") without its window: the columns it owns, the
// mode (official coupons or the "Tabulato" table), the range of schedine, the pause
// between coupons and the Toto feeding orientation; the rules the dialog applies to its
// controls; and the printing itself over a printer canvas.
#pragma once

#include <cstdint>
#include <functional>
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
inline constexpr const char* MessaggioNessunaSchedina = "Non Ci Sono Schedine Da Stampare";

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
    // Whether the block this job prints with lies on the page (the table needs none).
    bool TaraturaNellaPagina(const TTaraturaStampa& taratura) const;
    int Schedine(const TTaraturaStampa& taratura) const;
    // On show and whenever the mode changes: both spins run 1..S, from 1 to S.
    void AggiornaIntervallo(const TTaraturaStampa& taratura);
    void ImpostaModo(TModoStampa modo, const TTaraturaStampa& taratura);
    bool PausaAbilitata() const { return Modo == TModoStampa::Schedine; }
    bool SpinAbilitati() const { return !Tutte; }
    // OK: fixes the first and last schedina, or gives the message that keeps the dialog open
    // (a list without columns has nothing to print).
    std::optional<std::string> Conferma(const TTaraturaStampa& taratura);
    // How many schedine Prima..Ultima prints.
    int DaStampare() const { return Ultima >= Prima ? Ultima - Prima + 1 : 0; }

    // Told after every schedina printed with how many are done of DaStampare(); false stops
    // the job. Empty: the job runs to its end.
    std::function<bool(int fatte, int totale)> Prosegui;

    // Prints schedine Prima..Ultima. The calibration is copied when printing starts; a
    // block outside the page is replaced by its defaults after MessaggioTaraturaPredefinita
    // (asked through `domanda`). The pause between coupons offers OK and "Annulla": "Annulla"
    // (or Prosegui saying no) stops the job, the coupons already ejected stay printed and the
    // document in progress is dropped; false then. A failure abandons the document and throws
    // the mode's message.
    bool Stampa(TTelaStampa& tela, TDomanda& domanda, const std::string& fileSistema,
                const TConfigurazione& configurazione) const;

   private:
    bool StampaSulleSchedine(TTelaStampa& tela, TDomanda& domanda, const std::string& nomeSistema,
                             const TConfigurazione& configurazione) const;
    bool StampaTabulato(TTelaStampa& tela) const;
    bool Avanti(int fatte) const { return !Prosegui || Prosegui(fatte, DaStampare()); }
};

// ---- Calibration dialog ("Taratura Per la Stampa Delle Schedine") ----------------------
// Enalotto and Totip edit their own coupon block; the football pool edits the block of the
// feeding orientation chosen in the dialog, never the Totip block it does not print with.

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

// The football pool's spins, in tenths of a millimetre: the coupon block's and the gap
// between two columns, the circle's diameter in the place of the box.
struct TValoriTaraturaToto {
    int XPrimaCol = 0, YPrimaCol = 0;
    int DistanzaSegniOriz = 0, DistanzaSegniVert = 0;
    int SpazioColonne = 0;
    int ScrittaX = 0, ScrittaY = 0;
    int DiametroSegno = 0;
    bool operator==(const TValoriTaraturaToto&) const = default;
};
TTaraturaToto& TaraturaToto(TTaraturaStampa& taratura, TVersoToto verso);
// As MostraTaratura and AcquisisciTaratura, for one orientation's block.
TValoriTaraturaToto MostraTaraturaToto(const TTaraturaToto& taratura);
TTaraturaToto AcquisisciTaraturaToto(const TValoriTaraturaToto& valori);
// OK and "Test" on the block of the orientation `verso`, with the same refusals and the
// same restoring of the stored values. The test coupon marks every sign of all the events
// of four columns.
void ConfermaTaraturaToto(const TValoriTaraturaToto& valori, TVersoToto verso,
                          TConfigurazione& configurazione, const std::string& file);
void StampaProvaToto(const TValoriTaraturaToto& valori, TVersoToto verso, TConfigurazione& configurazione,
                     TTelaStampa& tela, TDomanda& domanda, const std::string& fileSistema);

}  // namespace morella
