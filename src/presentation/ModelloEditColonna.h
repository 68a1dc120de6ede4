// The rules of the column entry control: what a key does in one sign field, where each
// field lies, how the field texts become the column and when the column counts as valid.
// The widget only turns key events into TTastoSegno and copies texts in and out.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "Colonna.h"

namespace morella {

// The keys a sign field tells apart; every other non-character key is Altro.
enum class TTastoSegno { Carattere, Su, Giu, Sinistra, Destra, Backspace, Ins, Canc, Altro };

enum class TAzioneTasto {
    Inserisci,   // type `carattere` (already upper-cased, "3" turned into "X")
    Modifica,    // leave the key to the field: it keeps its usual editing meaning
    Precedente,  // the owning column moves to the previous field
    Successivo,  // ... and to the next one
    Ingoia,      // nothing happens
};

struct TEsitoTasto {
    TAzioneTasto azione = TAzioneTasto::Ingoia;
    char carattere = 0;
    bool operator==(const TEsitoTasto&) const = default;
};

// One key typed in a sign field. `restante` is the text that stays in the field when the
// character goes in (the field's text without the part the character would replace): a
// sign already there is refused, so each sign appears at most once.
TEsitoTasto FiltraTastoSegno(TTastoSegno tasto, char carattere, std::string_view restante);

// Characters a field takes: one sign only, or up to the three of a triple.
constexpr int CaratteriCampo(bool singolo)
{
    return singolo ? 1 : 3;
}

// Top of field i (0-based): fields of FieldHeight pixels, Gap1 between them and Gap2 more
// between groups (three events for Toto and Enalotto, two for Totip; the thirteenth
// event stays with the twelfth's group).
int YCampoSegno(int campo, int gioco, int fieldHeight, int gap1, int gap2);

// Validity of a column of `eventi` events: with `completo` no event may be empty; with
// `contiguo` the filled events come first, without gaps.
bool ColonnaEditValida(const TColonna& c, int eventi, bool contiguo, bool completo);

// The state of one column entry control.
class TModelloEditColonna {
   public:
    int Gioco = GiocoToto;
    bool Singolo = false;
    bool Contiguo = false;
    bool Completo = false;
    bool Modificato = false;

    int Eventi() const { return EventiDelGioco(Gioco); }

    // Loaded by program code: clears Modificato.
    void ImpostaColonna(const TColonna& c);
    const TColonna& Colonna() const { return colonna_; }
    // The column and whether it is valid under Contiguo and Completo.
    bool LeggiColonna(TColonna& c) const;

    // The text a field shows for its event ("1X", empty for no sign).
    std::string TestoCampo(int campo) const;
    // The player changed the text of field `campo` (0-based); sets Modificato. False when the
    // field is outside the game's events.
    bool CampoCambiato(int campo, std::string_view testo);
    // Field reached by moving up or down from `campo`; -1 at either end.
    int CampoVicino(int campo, bool su) const;

   private:
    TColonna colonna_{};
};

}  // namespace morella
