// The rules of the column controls: the sign field's key filter, the field layout and the
// validity of an entered column, the four-column view's colours and redraws, the column
// card's lines and the chart labels.
#include <gtest/gtest.h>

#include "ModelloEditColonna.h"
#include "ModelloLegenda.h"
#include "ModelloPannelloCF.h"
#include "ModelloQuattroColonne.h"

using namespace morella;

namespace {

TColonna Colonna(std::initializer_list<TSegni> segni)
{
    TColonna c{};
    std::size_t i = 0;
    for (TSegni s : segni) c[i++] = s;
    return c;
}

}  // namespace

TEST(FiltroSegno, CaratteriAccettatiUnaVoltaSola)
{
    const auto inserisci = [](char c) { return TEsitoTasto{TAzioneTasto::Inserisci, c}; };
    const TEsitoTasto ingoia{TAzioneTasto::Ingoia, 0};
    EXPECT_EQ(FiltraTastoSegno(TTastoSegno::Carattere, 'x', ""), inserisci('X'));
    EXPECT_EQ(FiltraTastoSegno(TTastoSegno::Carattere, '3', "1"), inserisci('X'));
    EXPECT_EQ(FiltraTastoSegno(TTastoSegno::Carattere, '2', "1X"), inserisci('2'));
    // Each sign at most once, whatever the case it was typed in or whether it came as "3".
    EXPECT_EQ(FiltraTastoSegno(TTastoSegno::Carattere, 'X', "X"), ingoia);
    EXPECT_EQ(FiltraTastoSegno(TTastoSegno::Carattere, '3', "1X"), ingoia);
    EXPECT_EQ(FiltraTastoSegno(TTastoSegno::Carattere, '1', "x"), inserisci('1'));
    EXPECT_EQ(FiltraTastoSegno(TTastoSegno::Carattere, '1', "21"), ingoia);
    for (char c : std::string("04a ,-+"))
        EXPECT_EQ(FiltraTastoSegno(TTastoSegno::Carattere, c, ""), ingoia) << c;
    // A backspace typed as a character edits the field.
    EXPECT_EQ(FiltraTastoSegno(TTastoSegno::Carattere, '\b', "1").azione, TAzioneTasto::Modifica);
}

TEST(FiltroSegno, TastiDiMovimentoEModifica)
{
    EXPECT_EQ(FiltraTastoSegno(TTastoSegno::Su, 0, "1").azione, TAzioneTasto::Precedente);
    EXPECT_EQ(FiltraTastoSegno(TTastoSegno::Giu, 0, "1").azione, TAzioneTasto::Successivo);
    for (auto t : {TTastoSegno::Sinistra, TTastoSegno::Destra, TTastoSegno::Backspace, TTastoSegno::Ins,
                   TTastoSegno::Canc})
        EXPECT_EQ(FiltraTastoSegno(t, 0, "1X").azione, TAzioneTasto::Modifica);
    EXPECT_EQ(FiltraTastoSegno(TTastoSegno::Altro, 0, "").azione, TAzioneTasto::Ingoia);
    EXPECT_EQ(CaratteriCampo(true), 1);
    EXPECT_EQ(CaratteriCampo(false), 3);
}

TEST(EditColonna, PosizioneDeiCampiPerGioco)
{
    // FieldHeight 20, Gap1 1, Gap2 3: a 3-pixel step after every group.
    EXPECT_EQ(YCampoSegno(0, GiocoToto, 20, 1, 3), 0);
    EXPECT_EQ(YCampoSegno(2, GiocoToto, 20, 1, 3), 42);
    EXPECT_EQ(YCampoSegno(3, GiocoToto, 20, 1, 3), 66);
    EXPECT_EQ(YCampoSegno(11, GiocoToto, 20, 1, 3), 11 * 21 + 9);
    // The thirteenth event stays in the fourth group: no gap before it.
    EXPECT_EQ(YCampoSegno(12, GiocoToto, 20, 1, 3), 12 * 21 + 9);
    EXPECT_EQ(YCampoSegno(3, GiocoEnalotto, 20, 1, 3), 66);
    // Totip groups go by two.
    EXPECT_EQ(YCampoSegno(2, GiocoTotip, 20, 1, 3), 45);
    EXPECT_EQ(YCampoSegno(11, GiocoTotip, 20, 1, 3), 11 * 21 + 15);
}

TEST(EditColonna, ValiditaContiguaECompleta)
{
    const TColonna buco = Colonna({Segno1, SegnoX, 0, Segno2});
    const TColonna coda = Colonna({Segno1, SegnoX});
    EXPECT_TRUE(ColonnaEditValida(buco, 12, false, false));
    EXPECT_FALSE(ColonnaEditValida(buco, 12, true, false));
    EXPECT_TRUE(ColonnaEditValida(coda, 12, true, false));
    EXPECT_FALSE(ColonnaEditValida(coda, 12, false, true));
    TColonna piena{};
    for (int i = 0; i < 12; ++i) piena[static_cast<std::size_t>(i)] = Segno2;
    EXPECT_TRUE(ColonnaEditValida(piena, 12, true, true));
    EXPECT_FALSE(ColonnaEditValida(piena, 13, false, true));  // the 13th of Toto is empty
    // Marks in the upper bits do not fill an event.
    piena[5] = BitMarcato;
    EXPECT_FALSE(ColonnaEditValida(piena, 12, false, true));
    EXPECT_FALSE(ColonnaEditValida(piena, 12, true, false));
}

TEST(EditColonna, CampiEModificato)
{
    TModelloEditColonna m;
    m.Gioco = GiocoTotip;
    m.Contiguo = true;
    m.ImpostaColonna(Colonna({Segno1, 3}));
    EXPECT_FALSE(m.Modificato);
    EXPECT_EQ(m.TestoCampo(1), "1X");
    EXPECT_TRUE(m.CampoCambiato(3, "2"));
    EXPECT_TRUE(m.Modificato);
    TColonna c;
    EXPECT_FALSE(m.LeggiColonna(c));  // a gap at the third event
    EXPECT_EQ(c[3], Segno2);
    EXPECT_TRUE(m.CampoCambiato(2, "x2"));
    EXPECT_TRUE(m.LeggiColonna(c));
    EXPECT_EQ(c[2], SegnoX | Segno2);
    EXPECT_TRUE(m.CampoCambiato(2, ""));
    EXPECT_EQ(m.Colonna()[2], 0);
    // Totip has no thirteenth field.
    EXPECT_FALSE(m.CampoCambiato(12, "1"));
    EXPECT_EQ(m.CampoVicino(0, true), -1);
    EXPECT_EQ(m.CampoVicino(0, false), 1);
    EXPECT_EQ(m.CampoVicino(11, false), -1);
    m.Gioco = GiocoToto;
    EXPECT_EQ(m.CampoVicino(11, false), 12);
}

TEST(QuattroColonne, ColoriNormaliEDiSpoglio)
{
    TModelloQuattroColonne m;
    TModelloQuattroColonne::TQuattro q{};
    q[0][0] = Segno1 | SegnoX;
    q[1][0] = Segno2 | BitMarcato;
    q[2][0] = Segno1;
    const TColonna vincente = Colonna({SegnoX});
    m.ImpostaColonne(q, vincente, true);
    EXPECT_EQ(m.Cella(0, 0), (TCellaQuattro{"1X", ColoreNero, ColoreBianco}));
    EXPECT_EQ(m.Cella(0, 1), (TCellaQuattro{"2", ColoreNero, ColoreCiano}));

    m.ModoSpoglio = true;
    m.ImpostaPresenti({true, true, false, true});
    EXPECT_EQ(m.Cella(0, 0).inchiostro, ColoreNero);  // "1X" against "X" is right
    EXPECT_EQ(m.Cella(0, 1).inchiostro, ColoreRosso);
    EXPECT_EQ(m.Cella(0, 2).inchiostro, ColoreGrigio);  // not taking part
}

TEST(QuattroColonne, RidisegnaSoloLeCelleCambiate)
{
    TModelloQuattroColonne m;
    m.NumEvents = 12;
    TModelloQuattroColonne::TQuattro q{};
    TColonna vincente = Colonna({Segno1, Segno1});
    EXPECT_EQ(m.ImpostaColonne(q, vincente, false).size(), 48u);  // the first time draws all
    EXPECT_TRUE(m.ImpostaColonne(q, vincente, false).empty());
    EXPECT_EQ(m.ImpostaColonne(q, vincente, true).size(), 48u);

    q[3][11] = Segno2;
    q[0][4] = BitMarcato;  // no text, but a new background
    auto cambiate = m.ImpostaColonne(q, vincente, false);
    ASSERT_EQ(cambiate.size(), 2u);
    EXPECT_EQ(cambiate[0], (TModelloQuattroColonne::TCellaCambiata{4, 0}));
    EXPECT_EQ(cambiate[1], (TModelloQuattroColonne::TCellaCambiata{11, 3}));

    // In checking mode a new winning column recolours the signs it touches.
    m.ModoSpoglio = true;
    q[1][0] = Segno1;
    m.ImpostaColonne(q, vincente, true);
    vincente[0] = Segno2;
    cambiate = m.ImpostaColonne(q, vincente, false);
    ASSERT_EQ(cambiate.size(), 1u);
    EXPECT_EQ(cambiate[0], (TModelloQuattroColonne::TCellaCambiata{0, 1}));
}

TEST(QuattroColonne, SeparatoriETitolo)
{
    std::vector<int> toto, totip;
    for (int e = 1; e <= 13; ++e) {
        if (SeparatoreDopoEvento(e, GiocoToto)) toto.push_back(e);
        if (SeparatoreDopoEvento(e, GiocoTotip)) totip.push_back(e);
    }
    EXPECT_EQ(toto, (std::vector<int>{3, 6, 9}));
    EXPECT_EQ(totip, (std::vector<int>{2, 4, 6, 8, 10}));
    EXPECT_EQ(TitoloSchedina(7), "Schedina N\u00ba 7");
}

TEST(PannelloCF, RigheDelTitoloEDellaColonna)
{
    TModelloPannelloCF m;
    m.Testo = "N\u00ba1";
    m.Start = 38;
    EXPECT_EQ(m.Righe(12), (std::vector<TRigaCartella>{{"N", 38}, {"\u00ba", 50}, {"1", 62}}));

    m.Tipo = 1;
    m.ImpostaGioco(GiocoToto);
    EXPECT_EQ(m.NumEvents, 13);
    m.Colonna = Colonna({Segno1, SegnoX, Segno2, 7});
    auto r = m.Righe(12);
    ASSERT_EQ(r.size(), 13u);
    EXPECT_EQ(r[2], (TRigaCartella{"2", 38 + 24}));
    EXPECT_EQ(r[3], (TRigaCartella{"1X2", 38 + 50}));  // the second group's band
    EXPECT_EQ(r[12].y, 38 + 4 * 50);

    m.ImpostaGioco(GiocoTotip);
    r = m.Righe(12);
    ASSERT_EQ(r.size(), 12u);
    EXPECT_EQ(r[2].y, 38 + 50);
    EXPECT_EQ(r[11].y, 38 + 5 * 50 + 12);

    EXPECT_EQ(TestoNumeroCartella(0), "00");
    EXPECT_EQ(TestoNumeroCartella(7), "07");
    EXPECT_EQ(TestoNumeroCartella(12), "12");
    EXPECT_EQ(TestoNumeroCartella(345), "345");
}

TEST(Legenda, EtichetteVisibiliEPosizioni)
{
    TModelloLegenda m;
    for (int i = 0; i < 6; ++i) m.Lista.push_back(std::to_string(i));
    m.Start = 2;
    m.NumPoint = 3;
    const auto larghezza = [](std::string_view s) { return static_cast<int>(s.size()) * 6; };
    auto e = m.Etichette(larghezza, 10);
    ASSERT_EQ(e.size(), 3u);
    EXPECT_EQ(e[0].prima, "2");
    EXPECT_EQ(e[2].prima, "4");
    EXPECT_EQ(e[0].x, 40);
    EXPECT_EQ(e[1].x, 70);
    EXPECT_EQ(e[2].x, 100);
    EXPECT_EQ(e[1].xPrima, 67);

    // Only the labels that exist are shown.
    m.Start = 4;
    m.NumPoint = 10;
    EXPECT_EQ(m.Etichette(larghezza, 10).size(), 2u);
    m.Start = 7;
    EXPECT_TRUE(m.Etichette(larghezza, 10).empty());

    // A comma splits the label: the second part a line lower, from where the first starts.
    m.Lista = {"1995,Gen"};
    m.Start = 0;
    m.NumPoint = 1;
    m.GapY = 5;
    e = m.Etichette(larghezza, 10);
    ASSERT_EQ(e.size(), 1u);
    EXPECT_EQ(e[0].prima, "1995");
    EXPECT_EQ(e[0].seconda, "Gen");
    EXPECT_EQ(e[0].xPrima, 40 - 12);
    EXPECT_EQ(e[0].y, 5);
    EXPECT_EQ(e[0].ySeconda, 15);
}
