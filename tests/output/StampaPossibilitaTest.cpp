// The winning possibilities printed from a real reduction: every row of the window's grids
// reaches the paper, a table longer than the rest of the page goes on framed and headed on
// the next one, and nothing is drawn over the page number.
#include <gtest/gtest.h>

#include <map>

#include "Autoriduzione.h"
#include "CartellaTemporanea.h"
#include "StampaPossibilita.h"
#include "TelaRegistrata.h"
#include "TestoColonne.h"

namespace morella {
namespace {

using test::Col;
using test::TChiamata;
using test::TGiocoTemporaneo;
using test::TTelaRegistrata;
using TRiga = std::vector<std::string>;

bool Didascalia(const std::string& t)
{
    for (const char* p : {"Pagina Nº ", "Stampa Delle ", "Possibilità Di ", "a Pronostico ", "Errore Alla "})
        if (t.rfind(p, 0) == 0) return true;
    return false;
}

// The printed table rows in reading order: the texts of the cells grouped by page and line.
std::vector<TRiga> RigheStampate(const TTelaRegistrata& tela)
{
    std::map<std::pair<int, int>, std::map<int, std::string>> righe;
    for (const auto& t : tela.DelTipo(TChiamata::Testo))
        if (!Didascalia(t.Testo)) righe[{t.Pagina, t.y1}][t.x1] = t.Testo;
    std::vector<TRiga> r;
    for (const auto& [dove, celle] : righe) {
        r.emplace_back();
        for (const auto& [x, testo] : celle) r.back().push_back(testo);
    }
    return r;
}

TEST(StampaPossibilita, OgniRigaDelleGriglieSopraIlNumeroDiPagina)
{
    TGiocoTemporaneo gioco(GiocoTotip);
    const TPronostico pronostico = Col("(1X2)(1X2)(1X2)(1X2)(1X2)(1X)(1X)(1X)(1X)111");
    TListaColonne lista;
    lista.AggiungiEspansa(pronostico);
    T_ListaTipiDiVincite possibilita;
    Autoriduci(lista, 1, true, true, &possibilita, pronostico);

    // What the window shows: the exact grid, and the error grid of each event that is not a
    // triple. The heading row starts every piece of a table.
    std::vector<TGrigliaPossibilita> griglie{GrigliaPossibilita(possibilita.Lista(0))};
    for (int k = 6; k <= NumEvents; ++k) griglie.push_back(GrigliaPossibilita(possibilita.Lista(k)));
    const TRiga intestazione = griglie.front().intestazioni;
    std::vector<TRiga> attese;
    std::size_t righeGriglie = 0;
    for (const auto& g : griglie) {
        righeGriglie += g.righe.size();
        for (const auto& riga : g.righe)
            if (riga.front() != "") attese.push_back(riga);
    }
    // The exact table alone is longer than a page: the case that lost rows.
    ASSERT_GT(griglie.front().righe.size(), 45u);

    TTelaRegistrata tela;
    StampaPossibilita(possibilita, pronostico, tela);

    std::vector<TRiga> stampate;
    int intestazioni = 0;
    for (const auto& riga : RigheStampate(tela)) {
        if (riga == intestazione)
            ++intestazioni;
        else
            stampate.push_back(riga);
    }
    EXPECT_EQ(stampate, attese);
    const int pagine = tela.Conta(TChiamata::NuovaPagina) + 1;
    EXPECT_GE(pagine, 3);
    EXPECT_GT(intestazioni, static_cast<int>(griglie.size()));  // some table went on over a page
    // Every cell framed, blank rows included: four lines a cell, heading rows counted.
    EXPECT_EQ(tela.Conta(TChiamata::Linea),
              4 * static_cast<int>(intestazione.size()) * (static_cast<int>(righeGriglie) + intestazioni));

    // One page number a page, last on it, and every line and text of the page above it.
    std::map<int, int> piede;
    for (const auto& t : tela.DelTipo(TChiamata::Testo))
        if (t.Testo.rfind("Pagina Nº ", 0) == 0) {
            EXPECT_EQ(t.Testo, "Pagina Nº " + std::to_string(t.Pagina));
            EXPECT_TRUE(piede.emplace(t.Pagina, t.y1).second) << t.Testo;
        }
    ASSERT_EQ(static_cast<int>(piede.size()), pagine);
    for (const auto& c : tela.Chiamate) {
        if (c.Tipo == TChiamata::Linea) {
            EXPECT_LT(std::max(c.y1, c.y2), piede[c.Pagina]) << "pagina " << c.Pagina;
        } else if (c.Tipo == TChiamata::Testo && c.Testo.rfind("Pagina Nº ", 0) != 0) {
            EXPECT_LT(c.y1 + 24, piede[c.Pagina]) << c.Testo;  // 24 dots: the 8-point text's height
        }
    }
}

}  // namespace
}  // namespace morella
