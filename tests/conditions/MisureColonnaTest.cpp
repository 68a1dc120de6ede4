#include <gtest/gtest.h>

#include "CartellaTemporanea.h"
#include "MisureColonna.h"

using namespace morella;
using morella::test::TGiocoTemporaneo;

namespace {

TColonna Col(const char* testo)
{
    TColonna c{};
    EXPECT_EQ(ColonnaDaTesto(testo, c), 0) << testo;
    return c;
}

}  // namespace

// Every value below was worked out by hand, event by event.
TEST(MisureColonna, TotipAlternata)
{
    TColonna c = Col("1X21X21X21X2");
    c.ImpostaCorsaPiu(0xFFFF);  // the Corsa + bytes are no event
    TMisureColonna a;
    a.NumeroSegni = {TMisura{4, 1}, TMisura{4, 1}, TMisura{4, 1}};
    a.Pari = {0, 0};
    a.Dispari = {12, 12};
    a.InterruzioniGlobali = {11, 11};
    a.InterruzioniSegni = {3, 4, 4};
    a.SimmetrieDirette = {2, 1};  // (2,11) and (5,8)
    a.SimmetrieInverse = {6, 6};
    a.SimmetrieTotali = 8;
    a.VorticeDiretto = {5, 5, 1};
    a.VorticeInverso = {8, 5, 1};
    a.ModuloSomma = 9;     // sqrt(4 + 16 + 64)
    a.ModuloProdotto = 6;  // (2^4 3^4)^(1/4)
    a.FormulaDerivata = 40;
    EXPECT_EQ(MisureColonna(c), a);
}

TEST(MisureColonna, TotipMista)
{
    TMisureColonna a;
    a.NumeroSegni = {TMisura{4, 2}, TMisura{4, 1}, TMisura{4, 3}};
    a.Pari = {1, 1};
    a.Dispari = {8, 7};
    a.InterruzioniGlobali = {8, 5};
    a.InterruzioniSegni = {3, 3, 2};
    a.SimmetrieDirette = {3, 2};
    a.SimmetrieInverse = {2, 1};
    a.SimmetrieTotali = 5;
    a.VorticeDiretto = {6, 7, 2};
    a.VorticeInverso = {6, 3, 2};
    a.ModuloSomma = 9;
    a.ModuloProdotto = 6;
    a.FormulaDerivata = 40;
    EXPECT_EQ(MisureColonna(Col("X11X2221X1X2")), a);

    TMisureColonna u;
    u.NumeroSegni = {TMisura{12, 12}, TMisura{0, 0}, TMisura{0, 0}};
    u.Pari = {1, 1};
    u.SimmetrieDirette = {6, 6};
    u.SimmetrieInverse = {6, 6};
    u.SimmetrieTotali = 12;
    u.VorticeDiretto = {7, 11, 0};
    u.VorticeInverso = {6, 11, 0};
    u.ModuloSomma = 3;
    u.ModuloProdotto = 1;
    u.FormulaDerivata = 0;
    EXPECT_EQ(MisureColonna(Col("111111111111")), u);
}

TEST(MisureColonna, Toto)
{
    TGiocoTemporaneo toto(GiocoToto);
    TMisureColonna a;
    a.NumeroSegni = {TMisura{5, 2}, TMisura{4, 2}, TMisura{4, 2}};
    a.Pari = {3, 1};
    a.Dispari = {7, 3};
    a.InterruzioniGlobali = {9, 3};
    a.InterruzioniSegni = {3, 3, 3};
    a.SimmetrieDirette = {4, 2};  // 13 events: (1,13) ... (6,8)
    a.SimmetrieInverse = {2, 1};  // (1,8) ... (6,13), event 7 skipped
    a.SimmetrieTotali = 6;
    a.VorticeDiretto = {8, 4, 0};
    a.VorticeInverso = {7, 5, 2};
    a.ModuloSomma = 9;  // sqrt 85
    a.ModuloProdotto = 6;
    a.FormulaDerivata = 40;  // T(13 - 5) + 4
    EXPECT_EQ(MisureColonna(Col("1X2XX1211X221")), a);

    TMisureColonna d;
    d.NumeroSegni = {TMisura{0, 0}, TMisura{0, 0}, TMisura{13, 13}};
    d.Dispari = {1, 1};
    d.SimmetrieDirette = {6, 6};
    d.SimmetrieInverse = {6, 6};
    d.SimmetrieTotali = 12;
    d.VorticeDiretto = {7, 12, 2};
    d.VorticeInverso = {7, 12, 2};
    d.ModuloSomma = 14;
    d.ModuloProdotto = 36;
    d.FormulaDerivata = 91;
    EXPECT_EQ(MisureColonna(Col("2222222222222")), d);
}
