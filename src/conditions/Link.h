// Links: 26 letters across which the in recupero values of every condition are charged as
// errors. A column may use a level L of a link at most L times, and the errors of each link
// and their total must be admitted by the link tables. Also the links block of the file.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "FileBinario.h"
#include "TabellaValori.h"

namespace morella {

class TmmPrinter;

constexpr int NumeroLink = 26;
constexpr int MassimoErroriLink = 99;
constexpr int NumeroLivelli = 255;

class TLink {
   public:
    explicit TLink(std::uint8_t lettera = 'A');

    std::uint8_t Lettera() const { return lettera_; }
    // "Errori Ammessi Nella Link " + letter.
    std::string Didascalia() const;

    TTabellaValori Errori;   // admitted errors of this link per column, Massimo 99
    int ErroriCorrenti = 0;  // errors charged by the current column

    // Refusals since the statistics were cleared, for the analysis of filtered columns.
    std::array<std::int64_t, 256> RifiutiPerLivello{};  // uses refused at level L (1..255)
    std::int64_t Usi = 0;                               // uses at any level
    std::array<std::int64_t, 256> RifiutiPerErrori{};   // columns refused with e errors (255 = 255 or more)

    // One use of a level by the current column: false when the level has already been used
    // as many times as it allows. Levels below 1 allow nothing; above 255 count as 255.
    bool ErroreLink(int livello);
    int Contatore(int livello) const;
    // Counters and errors of the current column back to 0 (only the levels it touched).
    void AzzeraColonna();
    void AzzeraStatistiche();

   private:
    std::uint8_t lettera_;
    std::array<std::uint32_t, 256> contatori_{};
    std::array<std::uint8_t, 256> toccati_{};
    int numeroToccati_ = 0;
};

class TElencoLink {
   public:
    // 26 tables of 424 bytes and the total table.
    static constexpr std::size_t DimensioneBlocco =
        (NumeroLink + 1) * TTabellaValori::DimensioneBlocco(MassimoErroriLink);

    TElencoLink();

    std::array<TLink, NumeroLink> Link;
    TTabellaValori ErroriTotali;  // "Errori Ammessi In Totale", Massimo 99
    std::array<std::int64_t, 256> RifiutiPerTotale{};

    TLink& DellaLettera(std::uint8_t lettera) { return Link[static_cast<std::size_t>(lettera - 'A')]; }
    static bool LetteraValida(std::uint8_t lettera) { return lettera >= 'A' && lettera <= 'Z'; }

    // The letters checked after every column, in this order: letters "A".."Z" only, each
    // once, at most 80.
    const std::string& LettereInUso() const { return lettereInUso_; }
    void ImpostaLettereInUso(const std::string& lettere);

    // Charges one error at a level on a link; false when refused or the letter is not a link.
    bool ErroreLink(std::uint8_t lettera, int livello);
    // Start of a column: the links charged by the previous column go back to 0.
    void AzzeraColonna()
    {
        if (caricati_) AzzeraCaricati();
    }
    // End of a column: every link in use must admit its errors, the total table their sum.
    bool VerificaErrori();

    void AzzeraStatistiche();
    // The 26 tables and the total table, as enabled.
    void Prepara();
    // Every table cleared (a new system).
    void Azzera();

    void Scrivi(TScrittoreBinario& f) const;
    // Some table of the links admits something (after Prepara).
    bool Attivo() const;
    // The tables in use for the system report: each active link, then the total.
    void Stampa(TRigheStampa& stampa) const;
    // The same as a framed block of the report (laid out in output/).
    void StampaBlocco(double& y, TmmPrinter& stampante, double x) const;
    // Stops at the first table that is not there whole.
    bool Leggi(TLettoreBinario& f);

   private:
    void AzzeraCaricati();

    std::string lettereInUso_;
    std::uint32_t caricati_ = 0;  // links charged since the last AzzeraColonna
};

}  // namespace morella
