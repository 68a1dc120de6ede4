// The state and the rules of the coupon panel with selectable events: which events are
// selected or selectable, the team flags of the goal-difference variant, what a click on a
// row does and the range of totals the selection can give. The panel widget draws it.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "Colonna.h"
#include "DatiSistema.h"

namespace morella {

// Where a click fell in a row.
enum class TZonaPannello { Numero, PrimoNome, SecondoNome, Pronostico, Valori };

struct TIntervalloSelezione {
    double minimo = 0.0;
    double massimo = 0.0;
    bool vuota = true;  // nothing selected: the two totals keep their start values
};

class TModelloPannelloSc {
   public:
    // Tipo 0 names and prediction; 1 two team flags per event; 2 values; 3 percentages;
    // 4 display only (clicks ignored).
    int Tipo = 0;
    bool SelezionaPartiteSingole = false;
    int PtPerVittoria = 3;
    bool Modificato = false;

    std::array<std::array<std::string, 2>, MaxEventi> Nomi{};
    TTabellaSegni Percentuali{};
    TTabellaSegni Valori{};
    TPronostico Pronostico{};

    TModelloPannelloSc() { selezionabile_.fill(true); }

    // The flag setters come from program code: they clear Modificato.
    void ImpostaSelezionabili(const std::array<bool, MaxEventi>& flag);
    void ImpostaSelezionati(const std::array<bool, MaxEventi>& flag);
    void ImpostaSquadre(const std::array<std::array<bool, 2>, MaxEventi>& flag);

    // A click on row `evento` (0-based). True when it changed something (and set Modificato).
    bool Clic(int evento, TZonaPannello zona);

    // One byte per event (13), 1 when selected.
    std::array<std::uint8_t, MaxEventi> Selezionati() const;
    bool Selezionato(int evento) const { return selezionato_.at(static_cast<std::size_t>(evento)); }
    bool EventoSelezionabile(int evento) const { return selezionabile_.at(static_cast<std::size_t>(evento)); }
    bool Squadra(int evento, int quale) const
    {
        return squadre_.at(static_cast<std::size_t>(evento)).at(static_cast<std::size_t>(quale));
    }
    // The lowest and highest total the selected events can give.
    TIntervalloSelezione Intervallo(int eventi) const;
    // The values column is shown for the value and percentage variants only.
    bool MostraValori() const { return Tipo == 2 || Tipo == 3; }

   private:
    std::array<bool, MaxEventi> selezionabile_{};
    std::array<bool, MaxEventi> selezionato_{};
    std::array<std::array<bool, 2>, MaxEventi> squadre_{};
};

}  // namespace morella
