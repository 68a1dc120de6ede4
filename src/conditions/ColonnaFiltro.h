// Kind 39, "Colonna Filtro", an element of the group of kind 12: the points a column makes
// against a reference column of allowed signs (several per event, 0 = event not filtered)
// and the longest streak of hits, judged by the table "Punti".
#pragma once

#include <array>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

#include "CondizioneATabelle.h"

namespace morella {

class TColonnaFiltro final : public TCondizioneATabelle {
   public:
    static constexpr int TabellaPunti = 0;

    explicit TColonnaFiltro(TElencoCondizioni* elenco = nullptr);

    // The reference column: events 1..NumEvents hold the allowed signs. The panel editor
    // rewrites it in place; the measures notice the change by themselves.
    TColonna ColonnaFiltro{};

    // Takes the events of a column (a contest's winning column, say); the bytes beyond the
    // events, the Corsa + horses of a Totip column, are left 0.
    void ImpostaColonna(const TColonna& colonna);
    // Some event 1..NumEvents allows a sign.
    bool Filtra() const;

    std::string Didascalia(int i) const override { return i == TabellaPunti ? "Punti" : ""; }
    // (points, longest streak of hits). With tutti false the parts the table does not use
    // are left 0.
    TMisura Misura(const TColonnaEsaminata& c, bool tutti = true) const;
    void MisuraSerie(const TColonnaEsaminata& c, TMisura* misure) const override { misure[0] = Misura(c); }

    bool Verifica(const TColonnaEsaminata& c) override;
    // The table, the column, then Attivato: this kind alone closes its block with the switch.
    bool Scrivi(TScrittoreBinario& f) const override;
    bool Leggi(TLettoreBinario& f) override;
    bool Prepara() override;
    void Stampa(TRigheStampa& stampa) const override;
    std::unique_ptr<TCondizione> Clona() const override { return std::make_unique<TColonnaFiltro>(*this); }

    // Bytes of the block, kind byte included: 1 + table + 14 + 1 (92 for twelve events).
    static std::size_t DimensioneBlocco()
    {
        return 1 + TTabellaValori::DimensioneBlocco(NumEvents) + DimensioneColonna + 1;
    }

   private:
    // What the measures need of the reference column, rebuilt whenever the column or the
    // game changes: the allowed signs as one event mask per sign and as two words of bytes,
    // the filtered events, and the tables that pack the filtered events' bits together (a
    // streak of hits skips the unfiltered events).
    struct TFiltro {
        TColonna Colonna{};
        int Eventi = -1;
        std::uint64_t Basso = 0, Alto = 0;
        TMaschera Filtrati = 0;
        std::array<TMaschera, 3> Ammessi{};          // events whose filter allows "1", "X", "2"
        std::array<std::uint16_t, 128> PackBasso{};  // events 1..7
        std::array<std::uint16_t, 64> PackAlto{};    // events 8..13, to shift by PassoAlto
        int PassoAlto = 0;
    };
    const TFiltro& Filtro() const
    {
        if (filtro_.Eventi != NumEvents || !Uguali(filtro_.Colonna, ColonnaFiltro)) CostruisciFiltro();
        return filtro_;
    }
    // Two overlapping words cover the 14 bytes.
    static bool Uguali(const TColonna& a, const TColonna& b)
    {
        std::uint64_t a0, a1, b0, b1;
        std::memcpy(&a0, a.s.data(), 8);
        std::memcpy(&a1, a.s.data() + DimensioneColonna - 8, 8);
        std::memcpy(&b0, b.s.data(), 8);
        std::memcpy(&b1, b.s.data() + DimensioneColonna - 8, 8);
        return ((a0 ^ b0) | (a1 ^ b1)) == 0;
    }
    void CostruisciFiltro() const;
    // Events whose sign is among the allowed ones.
    static TMaschera Colpi(const TFiltro& f, const TColonnaEsaminata& c);
    static int Serie(const TFiltro& f, TMaschera colpi)
    {
        return PiuLungo(static_cast<TMaschera>(f.PackBasso[colpi & 0x7Fu]) |
                        static_cast<TMaschera>(f.PackAlto[(colpi >> 7) & 0x3Fu]) << f.PassoAlto);
    }

    mutable TFiltro filtro_;
};

// A new filter column on a column, admitting the given points (values outside 0..NumEvents
// are ignored); what turning archive contests into filter columns makes.
std::unique_ptr<TColonnaFiltro> CreaColonnaFiltro(const TColonna& colonna,
                                                  const std::vector<int>& puntiAmmessi,
                                                  TElencoCondizioni* elenco = nullptr);

}  // namespace morella
