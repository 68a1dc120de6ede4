// Where everything of the coupon editor goes, for a given row pitch. The editor places its
// controls by it and the build draws the coupon pictures by it (tools/crea-immagini), so the
// picture's header band, panels and footer lie exactly under and around the controls at any
// size: the picture is drawn once at DeltaYMaschera and the editor maps its edges onto the
// edges of its own layout. Plain C++ on purpose: the picture tool includes it without the
// program's core.
#pragma once

#include <algorithm>
#include <array>

namespace morella::ui::geometria {

// The row pitch the pictures are drawn at: twice the standard coupon, so they stay sharp on
// a large screen and shrink cleanly on the others.
constexpr int DeltaYMaschera = 36;
constexpr int DeltaYStandard = 18;
constexpr int DeltaYCompatto = 16;

// Measures of the standard coupon grow with the pitch above it; the compact one only has
// shorter rows and smaller circles.
constexpr int Scala(int deltaY, int pixel)
{
    return deltaY > DeltaYStandard ? pixel * deltaY / DeltaYStandard : pixel;
}

struct TRett {
    int x = 0, y = 0, w = 0, h = 0;
    constexpr int Destra() const { return x + w; }
    constexpr int Basso() const { return y + h; }
    constexpr TRett Allarga(int d) const { return {x - d, y - d, w + 2 * d, h + 2 * d}; }
    constexpr bool Vuoto() const { return w <= 0 || h <= 0; }
};

// The measures of the controls themselves at a pitch.
struct TMisure {
    int DeltaY;
    // Prediction circles.
    int Diametro, DeltaX, LeftGap, TopGap;
    // Corsa + boxes.
    int CorsaLarg, CorsaAlt, CorsaDeltaX, CorsaDeltaY, CorsaGap;
    // Lamps: diameter, pitch and the fixed gaps of the control.
    int Lampada, LampadaPasso, LampadaLeftGap, LampadaTopGap;
    // Grid columns: the event number, a name, a percentage, a value.
    int CelNumero, CelNome, CelPerc, CelVal;
    int Punti;                     // font size of the coupon's texts
    int Margine, Spazio, Cornice;  // outer margin, gap between panels, panel frame
    int AltezzaRiga;               // buttons and the contest number field

    constexpr int S(int pixel) const { return Scala(DeltaY, pixel); }
    constexpr int LarghezzaLampada() const { return 2 * LampadaLeftGap + Lampada; }
    constexpr int AltezzaLampada() const { return 2 * LampadaTopGap + LampadaPasso + Lampada; }
};

constexpr TMisure Misure(int deltaY)
{
    TMisure m{};
    m.DeltaY = deltaY;
    m.Diametro = deltaY - 3;
    // The standard and compact coupons keep their square-ish pitch; a larger one widens too.
    m.DeltaX = std::max(18, deltaY);
    m.LeftGap = m.S(10);
    m.TopGap = 10;
    m.CorsaLarg = m.S(15);
    m.CorsaAlt = m.S(13);
    m.CorsaDeltaX = m.S(20);
    m.CorsaDeltaY = m.S(15);
    m.CorsaGap = m.S(5);
    m.Lampada = std::max(15, m.S(15));
    m.LampadaPasso = m.Lampada + 2;
    m.LampadaLeftGap = m.S(4);
    m.LampadaTopGap = m.S(3);
    m.CelNome = std::max(80, m.S(80));
    m.CelNumero = 20 * m.CelNome / 80;
    m.CelPerc = m.S(30);
    m.CelVal = m.S(38);
    m.Punti = std::max(7, m.S(7));
    m.Margine = m.S(8);
    m.Spazio = m.S(6);
    m.Cornice = m.S(3);
    m.AltezzaRiga = m.S(22);
    return m;
}

// The layout of one game's coupon. Control rectangles are the controls' exact geometry;
// the panels are what the picture draws around them.
struct TDisposizione {
    int Larghezza = 0, Altezza = 0;
    TRett Testata;                                   // coloured band: the game's title and the three lamps
    TRett Titolo;                                    // room of the title, left of the lamps
    std::array<TRett, 3> Lampade;                    // prediction, percentages, values
    std::array<TRett, 3> Didascalie;                 // their captions, right of each lamp
    TRett Partite, Pronostico, Percentuali, Valori;  // the controls (grids with their heading row)
    int RigaTitoli = 0;                              // top of the heading row of the grids
    int PrimaRiga = 0;                               // top of the first event row
    // The four column panels: heading row to the foot of the prediction, framed.
    std::array<TRett, 4> Pannelli;
    TRett CorsaPiu, PannelloCorsaPiu, DidascaliaCorsaPiu;  // empty when the game has no Corsa +
    TRett Piede;                                           // band of the contest number and the buttons
    TRett DidascaliaNumero, Numero;
    std::array<TRett, 3> Pulsanti;  // Analisi, Azzera, Archivio

    // Every rectangle whose edges the picture draws along, for mapping it onto another size.
    // (Not the title's room: its text should shrink or grow evenly, not by pieces.)
    constexpr std::array<TRett, 8> Riquadri() const
    {
        return {TRett{0, 0, Larghezza, Altezza},
                Testata,
                Pannelli[0],
                Pannelli[1],
                Pannelli[2],
                Pannelli[3],
                PannelloCorsaPiu,
                Piede};
    }
};

// colonneNomi: 2 for the football pool's two teams, 1 for the fixed labels of the others.
constexpr TDisposizione Disponi(int eventi, int colonneNomi, bool corsaPiu, int deltaY)
{
    const TMisure m = Misure(deltaY);
    const int c = m.Cornice, g = m.Spazio;
    TDisposizione d;

    // Header band: the lamps in a row at the right, the title in the room left of them.
    const int hLampada = m.AltezzaLampada(), wLampada = m.LarghezzaLampada();
    d.Testata = {0, 0, 0, hLampada + 2 * m.S(6)};
    d.RigaTitoli = d.Testata.Basso() + m.S(8) + c;
    d.PrimaRiga = d.RigaTitoli + deltaY;

    // The four columns side by side, each in its frame.
    const int altezzaGriglia = (eventi + 1) * deltaY;
    d.Partite = {m.Margine + c, d.RigaTitoli, m.CelNumero + colonneNomi * m.CelNome, altezzaGriglia};
    // The circles of a row start at its top, as the grids' rows do.
    d.Pronostico = {d.Partite.Destra() + 2 * c + g, d.PrimaRiga - m.TopGap, 2 * m.LeftGap + 3 * m.DeltaX,
                    2 * m.TopGap + eventi * deltaY};
    d.Percentuali = {d.Pronostico.Destra() + 2 * c + g, d.RigaTitoli, 3 * m.CelPerc, altezzaGriglia};
    d.Valori = {d.Percentuali.Destra() + 2 * c + g, d.RigaTitoli, 3 * m.CelVal, altezzaGriglia};
    const int piedeColonne = std::max(d.Pronostico.Basso(), d.Valori.Basso());
    const TRett colonne[4] = {d.Partite, d.Pronostico, d.Percentuali, d.Valori};
    for (int k = 0; k < 4; ++k)
        d.Pannelli[static_cast<std::size_t>(k)] =
            TRett{colonne[k].x, d.RigaTitoli, colonne[k].w, piedeColonne - d.RigaTitoli}.Allarga(c);

    int y = piedeColonne + c;
    if (corsaPiu) {
        const int w = 2 * m.CorsaGap + 7 * m.CorsaDeltaX + m.CorsaLarg;
        const int h = 2 * m.CorsaGap + m.CorsaDeltaY + m.CorsaAlt;
        d.CorsaPiu = {d.Pronostico.x, y + g + c, w, h};
        d.PannelloCorsaPiu = d.CorsaPiu.Allarga(c);
        const int wDidascalia = m.S(60);
        d.DidascaliaCorsaPiu = {d.PannelloCorsaPiu.x - g - wDidascalia, d.CorsaPiu.y, wDidascalia, h};
        y = d.PannelloCorsaPiu.Basso();
    }

    // Footer: the contest number at the left, the three buttons at the right.
    const int wPulsante = m.S(64), wDidascaliaNumero = m.S(60), wNumero = m.S(34);
    const int minimoPiede = 2 * m.Margine + wDidascaliaNumero + wNumero + 2 * g + 3 * wPulsante + 2 * g;
    // The header wants its lamps, their captions and a title at least as wide as a lamp group.
    const int wDidascalia = m.S(66);
    const int wGruppo = wLampada + m.S(4) + wDidascalia;
    const int minimoTestata = 2 * m.Margine + 4 * wGruppo + 3 * g;
    d.Larghezza = std::max({d.Valori.Destra() + c + m.Margine, minimoPiede, minimoTestata});
    d.Testata.w = d.Larghezza;

    d.Piede = {0, y + m.S(8), d.Larghezza, m.AltezzaRiga + 2 * m.S(6)};
    d.Altezza = d.Piede.Basso();
    const int yRiga = d.Piede.y + m.S(6);
    d.DidascaliaNumero = {m.Margine, yRiga, wDidascaliaNumero, m.AltezzaRiga};
    d.Numero = {d.DidascaliaNumero.Destra() + g, yRiga, wNumero, m.AltezzaRiga};
    int x = d.Larghezza - m.Margine - 3 * wPulsante - 2 * g;
    for (auto& p : d.Pulsanti) {
        p = {x, yRiga, wPulsante, m.AltezzaRiga};
        x += wPulsante + g;
    }

    x = d.Larghezza - m.Margine - 3 * wGruppo - 2 * g;
    const int yLampada = (d.Testata.h - hLampada) / 2;
    d.Titolo = {m.Margine, 0, x - g - m.Margine, d.Testata.h};
    for (std::size_t k = 0; k < 3; ++k) {
        d.Lampade[k] = {x, yLampada, wLampada, hLampada};
        d.Didascalie[k] = {x + wLampada + m.S(4), yLampada, wDidascalia, hLampada};
        x += wGruppo + g;
    }
    return d;
}

// The pitch of the coupon for an area of the window: the largest, from the compact coupon up to
// the pictures' own size, whose layout (with its frame of `bordo` pixels) leaves a tenth of the
// width and a fifth of the height free around it, so it grows and shrinks with the window and
// still reads as a coupon on a desk. The compact coupon when not even that one fits: the
// window's minimum size is chosen for it.
constexpr int PassoPerArea(int eventi, int colonneNomi, bool corsaPiu, int larghezza, int altezza, int bordo)
{
    for (int passo = DeltaYMaschera; passo > DeltaYCompatto; --passo) {
        const TDisposizione d = Disponi(eventi, colonneNomi, corsaPiu, passo);
        if ((d.Larghezza + bordo) * 10 <= larghezza * 9 && (d.Altezza + bordo) * 5 <= altezza * 4)
            return passo;
    }
    return DeltaYCompatto;
}

// The colours of each game's coupon: the header and frames, and the paper.
struct TColoriGioco {
    int Inchiostro;  // 0xRRGGBB
    int Carta;
};

constexpr TColoriGioco ColoriGioco(int gioco)
{
    switch (gioco) {
        case 2:
            return {0x1e46a0, 0xeaf0fc};  // Enalotto
        case 3:
            return {0x14783c, 0xecf6e8};  // Totip
        default:
            return {0xbe2828, 0xfaece8};  // football pool
    }
}

}  // namespace morella::ui::geometria
