// The configuration kept in "Morella.cfg": cost of a column, points scale, background
// picture, Internet settings, automatic merging and the printer calibration. The file is
// 829 bytes written whole; a missing or short file falls back to the defaults.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "FileBinario.h"

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

    // Back to the defaults for what a damaged file cannot be trusted with: cost, points
    // scale, background and calibration. Internet settings and merging are left alone.
    void RipristinaPredefiniti();
};

// Program directory + "/Morella.cfg".
std::string FileConfigurazione();

// Reads the blocks in order. When the file cannot be opened or a block is missing, cost,
// points scale, background and calibration go back to their defaults, while the Internet
// settings and automatic merging keep what was read or what they held before. Never
// reports an error; bytes beyond the 829th are ignored.
void LeggiConfigurazione(TConfigurazione& configurazione, const std::string& file);
void LeggiConfigurazione(TConfigurazione& configurazione, TLettoreBinario& lettore);

// The 829 bytes of the file.
TBytes ImmagineConfigurazione(const TConfigurazione& configurazione);
// Writes the whole file safely; throws EErrore("Impossibile Salvare La Configurazione").
void ScriviConfigurazione(const TConfigurazione& configurazione, const std::string& file);

}  // namespace morella
