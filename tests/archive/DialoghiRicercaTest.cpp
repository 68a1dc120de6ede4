#include <gtest/gtest.h>

#include "DialoghiRicerca.h"

using namespace morella;

namespace {

T_Concorso Fai(std::int32_t stagione, int numero)
{
    T_Concorso c;
    c.Stagione = stagione;
    c.Numero = static_cast<std::uint8_t>(numero);
    return c;
}

// Seasons 1995..2000; the first contest is 1995/12, the last 2000/30.
T_Archivio Archivio()
{
    T_Archivio a;
    a.Aggiungi(Fai(1995, 12));
    a.Aggiungi(Fai(1997, 3));
    a.Aggiungi(Fai(1998, 40));
    a.Aggiungi(Fai(1998, 41));
    a.Aggiungi(Fai(1999, 10));
    a.Aggiungi(Fai(2000, 30));
    return a;
}

using E = TEstremiConcorsi;

}  // namespace

TEST(DialogoImpRic, ApreSulleImpostazioniNeiLimiti)
{
    const T_Archivio archivio = Archivio();
    T_ImpostazioniRicerca r;
    r.TuttoLArchivio(archivio);
    r.CategorieCercate = 2;
    r.IgnoraValori = false;
    TDialogoImpRic d(r, archivio);
    EXPECT_EQ(d.Estremi(), (E{1995, 12, 2000, 30}));
    EXPECT_EQ(d.Categorie(), 2);
    EXPECT_FALSE(d.IgnoraValori);
    EXPECT_TRUE(d.IgnoraPercentuali);

    // Settings outside this archive (a range never set, numbers beyond 99) come within it.
    T_ImpostazioniRicerca fuori;
    fuori.PrimaStagione = 0;
    fuori.PrimoNumero = 0;
    fuori.UltimaStagione = 2050;
    fuori.UltimoNumero = 200;
    EXPECT_EQ(TDialogoImpRic(fuori, archivio).Estremi(), (E{1995, 1, 2000, 99}));

    // A reversed range comes in ordered.
    T_ImpostazioniRicerca rovescio;
    rovescio.PrimaStagione = 1999;
    rovescio.PrimoNumero = 50;
    rovescio.UltimaStagione = 1997;
    rovescio.UltimoNumero = 20;
    EXPECT_EQ(TDialogoImpRic(rovescio, archivio).Estremi(), (E{1997, 20, 1997, 20}));
}

TEST(DialogoImpRic, OrdineDellIntervallo)
{
    const T_Archivio archivio = Archivio();
    T_ImpostazioniRicerca r;
    r.TuttoLArchivio(archivio);
    TDialogoImpRic d(r, archivio);

    d.ImpostaPrimaStagione(1990);  // below the archive
    EXPECT_EQ(d.Estremi().PrimaStagione, 1995);
    d.ImpostaUltimaStagione(2010);  // above it
    EXPECT_EQ(d.Estremi().UltimaStagione, 2000);

    // A first season above the last comes down to it, and with equal seasons the last
    // number is pulled up to the first.
    d.ImpostaPrimoNumero(50);
    d.ImpostaUltimoNumero(20);
    d.ImpostaUltimaStagione(1998);
    d.ImpostaPrimaStagione(1999);
    EXPECT_EQ(d.Estremi(), (E{1998, 50, 1998, 50}));

    // Numbers within 1..99; with equal seasons the edited number gives way.
    d.ImpostaPrimoNumero(70);
    EXPECT_EQ(d.Estremi().PrimoNumero, 50);
    d.ImpostaPrimoNumero(0);
    EXPECT_EQ(d.Estremi().PrimoNumero, 1);
    d.ImpostaUltimoNumero(120);
    EXPECT_EQ(d.Estremi().UltimoNumero, 99);
    d.ImpostaPrimoNumero(60);
    d.ImpostaUltimoNumero(10);
    EXPECT_EQ(d.Estremi(), (E{1998, 60, 1998, 60}));

    // Different seasons: the numbers are free.
    d.ImpostaUltimaStagione(1999);
    d.ImpostaUltimoNumero(5);
    EXPECT_EQ(d.Estremi(), (E{1998, 60, 1999, 5}));

    // A last season set below the first goes up to it, and the first number comes down.
    d.ImpostaUltimaStagione(1996);
    EXPECT_EQ(d.Estremi(), (E{1998, 5, 1998, 5}));
}

TEST(DialogoImpRic, OKSalvaTutto)
{
    const T_Archivio archivio = Archivio();
    T_ImpostazioniRicerca r;
    r.TuttoLArchivio(archivio);
    TDialogoImpRic d(r, archivio);
    d.ImpostaPrimaStagione(1997);
    d.ImpostaPrimoNumero(3);
    d.ImpostaUltimaStagione(1998);
    d.ImpostaUltimoNumero(40);
    d.ImpostaCategorie(3);
    d.IgnoraColonneFiltro = false;
    d.IgnoraRipetizioni = false;
    d.IgnoraPercentuali = false;

    d.Conferma(r);
    EXPECT_EQ(r.PrimaStagione, 1997);
    EXPECT_EQ(r.PrimoNumero, 3);
    EXPECT_EQ(r.UltimaStagione, 1998);
    EXPECT_EQ(r.UltimoNumero, 40);
    EXPECT_EQ(r.CategorieCercate, 3);
    EXPECT_FALSE(r.IgnoraColonneFiltro);
    EXPECT_FALSE(r.IgnoraRipetizioni);
    EXPECT_TRUE(r.IgnoraValori);
    EXPECT_FALSE(r.IgnoraPercentuali);
    d.ImpostaCategorie(7);
    EXPECT_EQ(d.Categorie(), 3);
}

TEST(DialoghiRicerca, ArchivioFuoriOrdineOVuoto)
{
    // The file's order is taken as it stands: a last contest older than the first must
    // still give a range of seasons, not a reversed one.
    T_Archivio a;
    a.Aggiungi(Fai(2001, 5));
    a.Aggiungi(Fai(1996, 2));
    EXPECT_EQ(LimitiStagioni(a).Prima, 1996);
    EXPECT_EQ(LimitiStagioni(a).Ultima, 2001);
    T_ImpostazioniRicerca r;
    r.TuttoLArchivio(a);
    TDialogoImpRic d(r, a);
    d.ImpostaPrimaStagione(1990);
    EXPECT_GE(d.Estremi().PrimaStagione, 1996);
    TDialogoStampaArch s(a);
    EXPECT_LE(s.Estremi().PrimaStagione, s.Estremi().UltimaStagione);

    const T_Archivio vuoto;
    TDialogoStampaArch v(vuoto);
    EXPECT_LE(v.Estremi().PrimaStagione, v.Estremi().UltimaStagione);
    EXPECT_FALSE(ConcorsiDaStampare(vuoto, v.Estremi()).has_value());
}

TEST(DialogoStampaArch, ApreSullArchivioEMantieneLOrdine)
{
    const T_Archivio archivio = Archivio();
    TDialogoStampaArch d(archivio);
    EXPECT_EQ(d.Estremi(), (E{1995, 12, 2000, 30}));

    d.ImpostaStagioneIniziale(1990);
    EXPECT_EQ(d.Estremi().PrimaStagione, 1995);
    d.ImpostaStagioneFinale(2005);
    EXPECT_EQ(d.Estremi().UltimaStagione, 2000);

    // The start season pushed past the end comes back to it, and its own number comes down
    // to the end number.
    d.ImpostaStagioneFinale(1998);
    d.ImpostaConcorsoFinale(20);
    d.ImpostaConcorsoIniziale(35);
    d.ImpostaStagioneIniziale(1999);
    EXPECT_EQ(d.Estremi(), (E{1998, 20, 1998, 20}));

    d.ImpostaConcorsoIniziale(25);  // lowered to the end
    EXPECT_EQ(d.Estremi().PrimoNumero, 20);
    d.ImpostaConcorsoIniziale(8);
    d.ImpostaConcorsoFinale(3);  // raised to the start
    EXPECT_EQ(d.Estremi().UltimoNumero, 8);
    d.ImpostaConcorsoFinale(150);
    EXPECT_EQ(d.Estremi().UltimoNumero, 99);

    // The end season pulled below the start goes up to it, and its own number up to the start.
    d.ImpostaStagioneIniziale(1996);
    d.ImpostaConcorsoIniziale(30);
    d.ImpostaConcorsoFinale(10);
    EXPECT_EQ(d.Estremi(), (E{1996, 30, 1998, 10}));
    d.ImpostaStagioneFinale(1995);
    EXPECT_EQ(d.Estremi(), (E{1996, 30, 1996, 30}));
}

TEST(DialogoStampaArch, ConcorsiDaStampare)
{
    const T_Archivio archivio = Archivio();
    // Start and end both in the archive.
    EXPECT_EQ(ConcorsiDaStampare(archivio, E{1995, 12, 2000, 30}), (std::pair{0, 5}));
    // A start that is not there begins at the next contest; an end that is not there stops
    // at the one before it.
    EXPECT_EQ(ConcorsiDaStampare(archivio, E{1996, 1, 1998, 99}), (std::pair{1, 3}));
    EXPECT_EQ(ConcorsiDaStampare(archivio, E{1998, 41, 1999, 9}), (std::pair{3, 3}));
    // Nothing between them.
    EXPECT_FALSE(ConcorsiDaStampare(archivio, E{1998, 42, 1999, 9}).has_value());
    EXPECT_FALSE(ConcorsiDaStampare(archivio, E{2001, 1, 2001, 99}).has_value());
    EXPECT_FALSE(ConcorsiDaStampare(archivio, E{1990, 1, 1995, 11}).has_value());
}

TEST(DialoghiRicerca, IlRiepilogoContaIConcorsiEAvvisaQuandoNonCeNeSono)
{
    const T_Archivio archivio = Archivio();
    TRiepilogoRicerca r = RiepilogoRicerca(archivio, E{1998, 40, 1999, 10}, false);
    EXPECT_EQ(r.Testo(), "Concorsi nell'intervallo : 3 su 6 (50%)");
    EXPECT_EQ(r.Avviso, "");
    r = RiepilogoRicerca(archivio, E{1996, 1, 1996, 99}, false);
    EXPECT_EQ(r.Testo(), "Concorsi nell'intervallo : 0 su 6 (0%)");
    EXPECT_EQ(r.Avviso, MessaggioNessunConcorsoRicerca);
    // An empty archive: zeros and a word, never a division by its size.
    const T_Archivio vuoto;
    const TDialogoImpRic dialogo(T_ImpostazioniRicerca{}, vuoto);
    r = RiepilogoRicerca(vuoto, dialogo.Estremi(), true);
    EXPECT_EQ(r.Testo(), "Concorsi nell'intervallo : 0 su 0 (0%)");
    EXPECT_EQ(r.Avviso, MessaggioArchivioVuotoRicerca);
}
