// Kind 34, "Sequele", an element of the group of kind 9: a window of L events slides over the
// range of the table "Presenze" and the matching windows are counted (given pattern, windows
// of one, two or three distinct signs), or the windows are collected and the most frequent
// one ("Generica") or the mirrored pairs ("Specchio") are counted.
#pragma once

#include <array>
#include <cstdint>

#include "CondizioneATabelle.h"

namespace morella {

// The settings a measure depends on, as they stand, to tell whether a plan is still current.
struct TChiaveSequela {
    std::int32_t Tipo = 0, Lunghezza = 0, PassoTrovata = 0, PassoNonTrovata = 0;
    int Da = 0, A = 0, Eventi = 0;
    TColonna Schema{};
    bool operator==(const TChiaveSequela&) const = default;
};

// What the measure needs from an element's settings, worked out once: the settings taken
// into range, and the shapes the bit-mask measure uses.
struct TPianoSequela {
    TChiaveSequela Chiave;
    std::int32_t Tipo = 1, Lunghezza = 0, PassoTrovata = 1, PassoNonTrovata = 1;
    int Da = 1, A = 0;

    int UltimoInizio = 0;       // windows start at Da..UltimoInizio; none when below Da
    TMaschera Inizi = 0;        // bit s-1 for each of those starts
    TMaschera Finestra = 0;     // L low bits
    bool SchemaValido = false;  // type 1: the first L pattern bytes are single signs
    std::array<std::uint8_t, MaxEventi> SegniSchema{};  // type 1: 0, 1, 2 per pattern event
    // Types 5 and 6: the starts of the collected windows, and the overlap-free setting.
    std::array<std::int8_t, MaxEventi + 1> IniziRaccolta{};
    int NumeroIniziRaccolta = 0;
    bool SenzaSovrapposizioni = false;
    // Types 5 and 6 with up to six events: the code of each window's mirror image.
    std::array<std::uint16_t, 729> Specchi{};
};

// Working room for the collected windows (types 5 and 6) of up to six events: one slot per
// window code, every count back to zero between two measures.
struct TRaccoltaSequela {
    static constexpr int LunghezzaMassima = 6;
    static constexpr int Codici = 729;  // 3^6
    std::array<std::uint8_t, Codici> Conteggio{}, Ultimo{}, Catena{}, CatenaMassima{};
};

class TSequele final : public TCondizioneATabelle {
   public:
    static constexpr std::int32_t SequelaSchema = 1;
    static constexpr std::int32_t Monotermine = 2;
    static constexpr std::int32_t Bitermine = 3;
    static constexpr std::int32_t Tritermine = 4;
    static constexpr std::int32_t Generica = 5;
    static constexpr std::int32_t Specchio = 6;

    explicit TSequele(TElencoCondizioni* elenco = nullptr);

    std::int32_t TipoSequela = SequelaSchema;
    TColonna Schema{};  // the pattern of type 1, one sign per event
    std::int32_t Lunghezza = 0;
    std::int32_t PassoTrovata = 1;
    std::int32_t PassoNonTrovata = 1;

    std::string Didascalia(int i) const override;
    // "Monotermine", ...; for the pattern, its first L characters as column text.
    std::string TestoTipo() const;

    // The settings as the measure takes them: a step below 1 is 1, a length below 1 or
    // beyond the range gives no window, a type outside 1..6 is the pattern. Only events
    // holding exactly one sign take part: an empty or multi-sign event matches no pattern
    // sign, adds no sign to a window, and a collected window holding one is left out.
    TPianoSequela Piano() const;
    TChiaveSequela Chiave() const;
    // (matching windows, longest streak of them); for "Generica" (occurrences of the most
    // frequent window, longest chain of them back to back); for "Specchio" (mirrored pairs,
    // 0). A value may exceed the table's Massimo (a window of one event), and is then
    // never admitted.
    TMisura Misura(const TColonnaEsaminata& c) const;
    void MisuraSerie(const TColonnaEsaminata& c, TMisura* misure) const override { misure[0] = Misura(c); }

    void StatisticaArchivio() override;
    void StatisticaColonne() override;
    void AzzeraStatistiche() override;
    bool Verifica(const TColonnaEsaminata& c) override;
    bool Scrivi(TScrittoreBinario& f) const override;
    // Damaged fields are made harmless: a type outside 1..6 reads as the pattern, a length
    // outside 0..14 as 0, a step below 1 as 1, pattern bytes lose the bits above the signs.
    bool Leggi(TLettoreBinario& f) override;
    bool Prepara() override;
    void Stampa(TRigheStampa& stampa) const override;
    std::unique_ptr<TCondizione> Clona() const override { return std::make_unique<TSequele>(*this); }

   private:
    // The mirror sequence has no run, so no run sub-table either.
    void AllineaConsecutivita() { tabelle_[0].ImpostaConConsecutivita(TipoSequela != Specchio); }

    TMisura MisuraCon(const TColonnaEsaminata& c, const TPianoSequela& piano) const;

    TPianoSequela piano_;  // made by Prepara and before the statistics
    // Scratch of the measure, left all zero by every measure; nothing to do with the
    // condition's state, hence usable from the const measure.
    mutable TRaccoltaSequela raccolta_;
};

}  // namespace morella
