// The state and the rules of the value-table control: the entries of the points and runs
// tables, their link letters and points-between groups, the event range, which page is shown
// and how far the row of boxes is scrolled, and what a click on a box, a level button or an
// arrow does. The widget only draws this and turns clicks into calls.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "TabellaValori.h"

namespace morella {

// The three pages: the points table ("P"), the runs table ("Cs") and the range ("Cm").
enum class TPaginaGraphPt { Punti = 0, Consecutivita = 1, Campo = 2 };

struct TVoceGraphPt {
    std::uint8_t Stato = StatoEscluso;
    // As loaded; 0 (never set) is shown and edited as 1 and is written back untouched.
    std::uint8_t Livello = 1;
    bool operator==(const TVoceGraphPt&) const = default;
};

// Where a point falls on the row of boxes.
enum class TZonaGraphPt { Nessuna, Valore, LivelloSu, LivelloGiu, FrecciaSinistra, FrecciaDestra };

struct TColpoGraphPt {
    TZonaGraphPt Zona = TZonaGraphPt::Nessuna;
    int Box = -1;  // for the value and level zones
    bool operator==(const TColpoGraphPt&) const = default;
};

// Pixel layout of the row of boxes: left arrow, boxes, right arrow; above the boxes the
// level-up buttons, below them the level-down buttons.
struct TGeometriaGraphPt {
    int X0 = 0;         // left edge of the left arrow
    int LFreccia = 12;  // width of an arrow
    int LBox = 18;      // width of one box
    int YSu = 0;        // top of the level-up row
    int ABtn = 13;      // height of a level row
    int YBox = 13;      // top of the boxes
    int ABox = 18;      // height of a box
    int Box = 14;       // boxes drawn

    int XBox(int box) const { return X0 + LFreccia + box * LBox; }
    int XFrecciaDestra() const { return XBox(Box); }
    int YGiu() const { return YBox + ABox; }
    int Larghezza() const { return 2 * LFreccia + Box * LBox; }
    TColpoGraphPt ZonaIn(int x, int y) const;
};

class TModelloGraphPt {
   public:
    static constexpr int NumeroVoci = 1001;
    static constexpr int LivelloMassimo = 99;
    static constexpr int GruppoTraMassimo = NumeroGruppiTra;

    // Published settings (the owning dialog sets them before loading a table).
    int PtTotali = 14;    // highest value shown
    int PtVisibili = 14;  // boxes visible at once
    int PtIniziale = 0;   // first value shown
    bool RecVisibili = true;
    bool TipoPunti = true;
    bool TipoCons = true;
    bool TipoCampo = true;
    int NumEvents = 13;
    bool Modificato = false;

    TModelloGraphPt();

    // Program code: loads both sub-tables, letters, groups and range; clears Modificato
    // and the offset and shows the first available page.
    void ImpostaTabella(const TTabellaValori& t);
    // Both sub-tables (values 0..Massimo of the table), letters, groups and range.
    void LeggiTabella(TTabellaValori& t) const;

    const TVoceGraphPt& Voce(int tabella, int valore) const;
    // The level the player sees and edits: a stored 0 counts as 1.
    int Livello(int tabella, int valore) const;
    char Link(int tabella) const { return link_[Indice(tabella)]; }
    int GruppoTra(int tabella) const { return tra_[Indice(tabella)]; }
    int DaEvento() const { return da_; }
    int AEvento() const { return a_; }

    // Pages.
    bool PaginaDisponibile(TPaginaGraphPt p) const;
    TPaginaGraphPt Pagina() const { return pagina_; }
    // False (nothing changes) for a page this control does not offer.
    bool MostraPagina(TPaginaGraphPt p);
    // After the page settings change: a page no longer offered gives way to the first one
    // that is (points, runs, range).
    void CorreggiPagina();
    // The olive mark: some entry PtIniziale..PtTotali not excluded; for the range, a range
    // other than the whole column.
    bool PaginaMarcata(TPaginaGraphPt p) const;
    // The table the boxes show: 0 points, 1 runs (the runs page), 0 on the range page.
    int TabellaMostrata() const { return pagina_ == TPaginaGraphPt::Consecutivita ? 1 : 0; }

    // The row of boxes: how many are drawn (never more than there are values), the value
    // under a box (-1 for none), and the scrolling.
    int BoxUsati() const;
    int ValoreDelBox(int box) const;
    int Scostamento() const { return scostamento_; }
    int ScostamentoMassimo() const;
    // Moves the offset by passo values within its limits; true when it moved.
    bool Scorri(int passo);

    // The player's edits on the page shown; true when something changed (Modificato set).
    bool ClicValore(int box);
    bool AlzaLivello(int box);
    bool AbbassaLivello(int box);
    // Link letter and group of the table of the page shown (an empty or invalid letter
    // stores "A"); the range limited to 1..NumEvents with the end raised to the start.
    bool CambiaLink(char lettera);
    bool CambiaGruppoTra(int gruppo);
    bool CambiaDaEvento(int da);
    bool CambiaAEvento(int a);

   private:
    static std::size_t Indice(int tabella) { return tabella == 1 ? 1 : 0; }
    TVoceGraphPt* VoceDelBox(int box);
    bool Cambia();

    std::array<std::vector<TVoceGraphPt>, 2> voci_;
    std::array<char, 2> link_{'A', 'A'};
    std::array<int, 2> tra_{};
    int da_ = 1;
    int a_ = 13;
    TPaginaGraphPt pagina_ = TPaginaGraphPt::Punti;
    int scostamento_ = 0;
};

}  // namespace morella
