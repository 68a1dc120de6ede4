// The configuration kept in "Morella.cfg": cost of a column, points scale, background
// picture, Internet settings, automatic merging and the printer calibration. The file is
// 829 bytes written whole; a missing or short file falls back to the defaults.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "FileBinario.h"
#include "Importo.h"

namespace morella {

inline constexpr std::size_t DimensioneFileConfigurazione = 829;
inline constexpr std::size_t DimensioneTaratura = 264;
inline constexpr int CapacitaSfondo = 255;
inline constexpr int CapacitaInternet = 100;

inline constexpr const char* NomeFileConfigurazione = "Morella.cfg";
inline constexpr const char* NomeSfondoPredefinito = "deep_sea.Bmp";
// There is no update server of our own yet: the host is a reserved name that never
// reaches anybody else's machine, and the player types the real one in the FTP settings.
inline constexpr const char* HostFtpPredefinito = "ftp.morella.example";
inline constexpr const char* DirectoryFtpPredefinita = "pub/castagneto/archivi/morella";

// The cost of a column in euro, in cents: a value of its own, so that going back to lire
// finds the lire cost as it was.
inline constexpr std::int32_t CostoCentesimiPredefinito = 50;
inline constexpr std::int32_t CostoCentesimiMassimo = 10000;

inline constexpr const char* MessaggioSalvaConfigurazione = "Impossibile Salvare La Configurazione";

// Where the football coupon's circular marks go (millimetres); one block per feeding
// orientation, never edited by a dialog.
struct TTaraturaToto {
    double XPrimaCol = 40.7;
    double YPrimaCol = 31.8;
    double DistanzaSegniOriz = 2.2;
    double DistanzaSegniVert = 2.0;
    double SpazioColonne = 2.7;
    double ScrittaX = 50.0;
    double ScrittaY = 5.0;
    double DiametroSegno = 2.2;
};

// Where the boxes of an Enalotto or Totip coupon go (millimetres) and how many columns
// the coupon holds. The three padding bytes are kept as read so a file round-trips.
struct TTaraturaSchedina {
    double XPrimaCol = 30.0;
    double YPrimaCol = 30.0;
    double DistanzaSegniOriz = 2.0;
    double DistanzaSegniVert = 2.0;
    double ScrittaX = 30.0;
    double ScrittaY = 20.0;
    double LargQuadro = 1.5;
    double AltQuadro = 2.0;
    std::uint8_t Da4Colonne = 1;  // 1: four columns per coupon, 0: eight
    std::array<std::uint8_t, 3> Riservati{};
};

// The 264-byte calibration block: two football blocks, then Enalotto, then Totip.
struct TTaraturaStampa {
    TTaraturaToto TotoOrizzontale;
    TTaraturaToto TotoVerticale;
    TTaraturaSchedina Enalotto;
    TTaraturaSchedina Totip;
};

// The page every calibration is measured on (millimetres): the printing layer scales any
// printer's printable area to these 1440 x 1991 units of 1/180 inch.
inline constexpr double LarghezzaPaginaTaratura = 1440.0 / 180.0 / 0.03937;
inline constexpr double AltezzaPaginaTaratura = 1991.0 / 180.0 / 0.03937;
inline constexpr const char* MessaggioTaraturaFuoriPagina = "I Valori Della Taratura Escono Dalla Pagina";
inline constexpr const char* MessaggioTaraturaPredefinita =
    "La Taratura Della Stampante Esce Dalla Pagina: Si Usano I Valori Predefiniti";

// Whether a calibration lies on the page: every length is a number from 0 to the page's
// side along which it is measured. Positions (first box, header) are points of the page;
// the gaps and the sizes of a box or mark are steps across it, so one longer than the page
// puts every box after the first outside it. The gap between two football columns runs
// across the sheet or down it with the feeding, so it may be as long as the longer side.
// NaN, infinities and negative values are outside. A calibration outside the page is
// never printed with: it would print nothing, and its lengths do not fit the printer's
// dot counts.
bool TaraturaNellaPagina(const TTaraturaToto& t);
bool TaraturaNellaPagina(const TTaraturaSchedina& t);
// Each block outside the page back to its defaults (a coupon block keeps its column count
// and padding bytes); false when any was.
bool CorreggiTaratura(TTaraturaStampa& t);

// Background picture of a fresh configuration: the program directory's SfondiS folder.
std::string SfondoPredefinito();

struct TConfigurazione {
    std::int32_t CostoColonna = 800;  // lire
    std::uint8_t ScalaPunti = 2;
    std::string Sfondo = SfondoPredefinito();  // as stored; resolve it before opening
    std::string IndirizzoPosta;                // also the FTP password
    std::string HostFtp = HostFtpPredefinito;
    std::string DirectoryFtp = DirectoryFtpPredefinita;
    bool AccorpamentoAutomatico = true;
    TTaraturaStampa Taratura;
    // Kept in a block after the 829 bytes, where a reader that knows only lire never looks;
    // the block is written only when it says something other than these defaults.
    TValuta Valuta = TValuta::Lire;
    std::int32_t CostoCentesimi = CostoCentesimiPredefinito;

    // The cost of a column in the smallest unit of the chosen currency.
    std::int64_t CostoUnitario() const { return Valuta == TValuta::Euro ? CostoCentesimi : CostoColonna; }

    // Back to the defaults for what a damaged file cannot be trusted with: cost, points
    // scale, background, calibration and currency. Internet settings and merging are left alone.
    void RipristinaPredefiniti();
};

// Program directory + "/Morella.cfg".
std::string FileConfigurazione();

// Reads the blocks in order. When the file cannot be opened or a block is missing, cost,
// points scale, background and calibration go back to their defaults, while the Internet
// settings and automatic merging keep what was read or what they held before. Never
// reports an error. After the 829th byte may come the currency block ("VALU", its length,
// then the currency byte and the euro cost in cents); one that is missing, damaged or of an
// unknown currency leaves lire at the defaults, and whatever follows it is ignored. The calibration is kept
// as read, also when it lies outside the page, so the file saves back byte for byte: whoever prints with it
// or shows it checks it with TaraturaNellaPagina.
void LeggiConfigurazione(TConfigurazione& configurazione, const std::string& file);
void LeggiConfigurazione(TConfigurazione& configurazione, TLettoreBinario& lettore);

// The 829 bytes of the file, then the currency block when it differs from the defaults.
TBytes ImmagineConfigurazione(const TConfigurazione& configurazione);
// Writes the whole file safely; throws EErrore("Impossibile Salvare La Configurazione").
void ScriviConfigurazione(const TConfigurazione& configurazione, const std::string& file);

}  // namespace morella
