#include <gtest/gtest.h>

#include "ColonnaEsaminata.h"
#include "ColonnaFiltro.h"
#include "Domanda.h"
#include "FiltriDaArchivio.h"
#include "Quadro.h"
#include "SessioneQuadri.h"

using namespace morella;

namespace {

T_Concorso Fai(std::int32_t stagione, int numero, const char* colonna)
{
    T_Concorso c;
    c.Stagione = stagione;
    c.Numero = static_cast<std::uint8_t>(numero);
    EXPECT_GE(ColonnaDaTesto(colonna, c.ColonnaVincente), 0);
    c.AggiornaCompleto();
    return c;
}

T_Archivio Archivio()
{
    T_Archivio a;
    a.Aggiungi(Fai(1997, 30, "111111111111"));
    a.Aggiungi(Fai(1998, 1, "XXXXXXXXXXXX"));
    a.Aggiungi(Fai(1998, 2, "2222222222*2"));  // incomplete: never a filter column
    a.Aggiungi(Fai(1998, 3, "1X21X21X21X2"));
    a.Aggiungi(Fai(1998, 4, "222222222222"));
    a.Concorso(3).ColonnaVincente.ImpostaCorsaPiu(0x0180);
    return a;
}

const TColonnaFiltro& Filtro(const TQuadro& q, int i)
{
    return dynamic_cast<const TColonnaFiltro&>(q.Elemento(i));
}

}  // namespace

TEST(DialogoInsCol, ValoriInizialiELimiti)
{
    const T_Archivio archivio = Archivio();
    TDialogoInsCol d(archivio);
    EXPECT_EQ(d.Estremi(), (TEstremiConcorsi{1998, 1, 1998, 4}));
    EXPECT_TRUE(d.PuntiAmmessi.empty());
    d.ImpostaPrimaStagione(1990);
    d.ImpostaUltimaStagione(2003);
    d.ImpostaPrimoNumero(0);
    d.ImpostaUltimoNumero(100);
    EXPECT_EQ(d.Estremi(), (TEstremiConcorsi{1997, 1, 1998, 99}));
}

TEST(FiltriDaArchivio, UnaColonnaFiltroPerConcorsoCompleto)
{
    const T_Archivio archivio = Archivio();
    TQuadro quadro;
    quadro.Percorso = "Quadro";
    TDialogoInsCol d(archivio);
    d.ImpostaPrimaStagione(1997);
    d.ImpostaPrimoNumero(31);  // 1997/30 lies before the range
    d.ImpostaUltimoNumero(3);  // 1998/4 after it
    d.PuntiAmmessi = {11, 12, 40};

    ASSERT_EQ(d.Conferma(archivio, quadro), 2);
    ASSERT_EQ(quadro.Conta(), 2);
    const TColonnaFiltro& primo = Filtro(quadro, 0);
    const TColonnaFiltro& secondo = Filtro(quadro, 1);
    EXPECT_EQ(TestoColonna(primo.ColonnaFiltro), "XXXXXXXXXXXX");
    EXPECT_EQ(TestoColonna(secondo.ColonnaFiltro), "1X21X21X21X2");
    EXPECT_EQ(secondo.ColonnaFiltro.CorsaPiu(), 0);  // the horses are not events
    for (int p = 0; p <= NumEvents; ++p) {
        const bool ammesso = p == 11 || p == 12;
        EXPECT_EQ(secondo.Tabella(TColonnaFiltro::TabellaPunti).Stato(0, p) == StatoAmmesso, ammesso) << p;
    }
    EXPECT_EQ(secondo.Percorso, "Quadro\\" + secondo.Nome);

    // The panel (AND by default) now asks both filter columns to accept: a column one sign
    // off the first and far from the second fails; the second's own column passes only the
    // second.
    quadro.Prepara();
    TColonna c{};
    ASSERT_EQ(ColonnaDaTesto("XXXXXXXXXXX1", c), 0);
    EXPECT_FALSE(quadro.Verifica(TColonnaEsaminata(c)));
    EXPECT_TRUE(quadro.SerieAmmette(TMisura{2, 2}));
    EXPECT_FALSE(quadro.SerieAmmette(TMisura{1, 1}));
}

TEST(FiltriDaArchivio, SiFermaQuandoIlQuadroEPieno)
{
    const T_Archivio archivio = Archivio();
    TQuadro quadro;
    for (int i = 0; i < TQuadro::MassimoSottoCondizioni - 1; ++i)
        ASSERT_TRUE(quadro.Aggiungi(std::make_unique<TColonnaFiltro>()));
    TDialogoInsCol d(archivio);
    d.PuntiAmmessi = {12};
    EXPECT_EQ(d.Conferma(archivio, quadro), 1);
    EXPECT_EQ(quadro.Conta(), TQuadro::MassimoSottoCondizioni);
    EXPECT_EQ(TestoColonna(Filtro(quadro, TQuadro::MassimoSottoCondizioni - 1).ColonnaFiltro),
              "XXXXXXXXXXXX");
    EXPECT_EQ(d.Conferma(archivio, quadro), 0);
}

TEST(FiltriDaArchivio, NelQuadroDellEditor)
{
    const T_Archivio archivio = Archivio();
    TQuadro radice;
    TRispostaFissa domanda(PulsanteSi);
    TSessioneQuadri sessione(radice, domanda);
    ASSERT_NE(sessione.Nuova(TipoQuadro, 1), nullptr);
    ASSERT_TRUE(sessione.ApriSottoQuadro(1));
    sessione.Modificato = false;

    TDialogoInsCol d(archivio);
    d.ImpostaPrimaStagione(2020);  // beyond the archive: back to its last season
    EXPECT_EQ(d.Conferma(archivio, sessione), 3);
    EXPECT_TRUE(sessione.Modificato);
    EXPECT_EQ(radice.Conta(), 1);
    EXPECT_EQ(sessione.Corrente().Conta(), 3);

    // Nothing in the range: nothing added, nothing modified.
    sessione.Modificato = false;
    d.ImpostaPrimoNumero(5);
    d.ImpostaUltimoNumero(9);
    EXPECT_EQ(d.Conferma(archivio, sessione), 0);
    EXPECT_FALSE(sessione.Modificato);
}
