#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "CartellaTemporanea.h"
#include "Errore.h"
#include "UtArcAna.h"

using namespace morella;
using morella::test::LeggiTutto;
using morella::test::ScriviTutto;
using morella::test::TCartellaTemporanea;
namespace fs = std::filesystem;

namespace {

T_Concorso Fai(std::int32_t stagione, int numero, const char* colonna = "1X21X21X21X2")
{
    T_Concorso c;
    c.Stagione = stagione;
    c.Numero = static_cast<std::uint8_t>(numero);
    EXPECT_GE(ColonnaDaTesto(colonna, c.ColonnaVincente), 0);
    c.AggiornaCompleto();
    return c;
}

T_Archivio Quattro()
{
    T_Archivio a;
    a.Aggiungi(Fai(1998, 1));
    a.Aggiungi(Fai(1998, 5));
    a.Aggiungi(Fai(1999, 2));
    a.Aggiungi(Fai(2000, 1));
    return a;
}

std::vector<std::pair<int, int>> Chiavi(const T_Archivio& a)
{
    std::vector<std::pair<int, int>> k;
    for (const auto& c : a.Concorsi()) k.emplace_back(c.Stagione, c.Numero);
    return k;
}

using VP = std::vector<std::pair<int, int>>;

}  // namespace

TEST(Concorso, NuovoERecordDiVentiByte)
{
    const T_Concorso nuovo;
    EXPECT_EQ(nuovo.Stagione, AnnoCorrente());
    EXPECT_GE(nuovo.Stagione, 2024);
    EXPECT_EQ(nuovo.Numero, 1);
    EXPECT_EQ(nuovo.ColonnaVincente, TColonna{});
    EXPECT_EQ(nuovo.Completo, 1);

    T_Concorso c = Fai(1999, 37, "1X2*1X21X21X");
    c.ColonnaVincente.ImpostaCorsaPiu(0x8003);
    EXPECT_EQ(c.Completo, 0);
    TScrittoreBinario s;
    c.Scrivi(s);
    const TBytes atteso = {0xCF, 0x07, 0, 0, 37, 1, 2, 4, 0, 1, 2, 4, 1, 2, 4, 1, 2, 0x03, 0x80, 0};
    EXPECT_EQ(s.Dati(), atteso);

    T_Concorso letto;
    TLettoreBinario l(s.Dati());
    ASSERT_TRUE(letto.Leggi(l));
    EXPECT_EQ(letto, c);

    T_Concorso copia;
    copia.CopiaDa(c);
    EXPECT_EQ(copia, c);
}

TEST(Concorso, RecordDannegiati)
{
    // Upper bits of the sign bytes are dropped; the Corsa + bytes are taken as they are.
    TBytes r = {0xD0, 0x07, 0, 0, 3, 0xF9, 0x0A, 0x84, 1, 2, 4, 1, 2, 4, 1, 2, 4, 0xAB, 0xCD, 7};
    T_Concorso c;
    TLettoreBinario l(r);
    ASSERT_TRUE(c.Leggi(l));
    EXPECT_EQ(c.Stagione, 2000);
    EXPECT_EQ(c.ColonnaVincente[0], 1);
    EXPECT_EQ(c.ColonnaVincente[1], 2);
    EXPECT_EQ(c.ColonnaVincente[2], 4);
    EXPECT_EQ(c.ColonnaVincente[12], 0xAB);
    EXPECT_EQ(c.ColonnaVincente[13], 0xCD);
    EXPECT_EQ(c.Completo, 1);

    // A record that calls itself complete with a double in it is not complete.
    r[19] = 1;
    r[8] = 3;
    TLettoreBinario l2(r);
    ASSERT_TRUE(c.Leggi(l2));
    EXPECT_EQ(c.Completo, 0);
    // One marked incomplete stays so.
    r[8] = 1;
    r[19] = 0;
    TLettoreBinario l3(r);
    ASSERT_TRUE(c.Leggi(l3));
    EXPECT_EQ(c.Completo, 0);

    // A short record changes nothing.
    const T_Concorso prima = c;
    TLettoreBinario corto(r.data(), 19);
    EXPECT_FALSE(c.Leggi(corto));
    EXPECT_EQ(c, prima);
}

TEST(Concorso, CompletezzaSecondoIlGioco)
{
    T_Concorso c = Fai(2001, 1);
    EXPECT_TRUE(c.ColonnaCompleta());
    {
        // Thirteen events: the thirteenth byte must hold a sign too.
        morella::test::TGiocoTemporaneo toto(GiocoToto);
        EXPECT_FALSE(c.ColonnaCompleta());
        c.ColonnaVincente[12] = SegnoX;
        EXPECT_TRUE(c.ColonnaCompleta());
    }
    c.ColonnaVincente[11] = 0;
    EXPECT_FALSE(c.ColonnaCompleta());
    c.ColonnaVincente[11] = 7;
    EXPECT_FALSE(c.ColonnaCompleta());
}

TEST(Archivio, CaricaESalva)
{
    TCartellaTemporanea t;
    const std::string cartella = t.Percorso().string();
    T_Archivio a = Quattro();
    a.Concorso(2).ColonnaVincente.ImpostaCorsaPiu(0x0102);
    ASSERT_TRUE(a.Salva(cartella));
    const TBytes b = LeggiTutto(t.File("archivio.mra"));
    ASSERT_EQ(b.size(), 80u);
    EXPECT_EQ(b, a.ImmagineConcorsi());

    T_Archivio letto;
    letto.AggiungiNuovo();
    T_ImpostazioniRicerca ricerca;
    EXPECT_TRUE(letto.Carica(cartella, ricerca));
    EXPECT_EQ(letto.Concorsi(), a.Concorsi());
    EXPECT_EQ(ricerca.PrimaStagione, 1998);
    EXPECT_EQ(ricerca.PrimoNumero, 1);
    EXPECT_EQ(ricerca.UltimaStagione, 2000);
    EXPECT_EQ(ricerca.UltimoNumero, 1);

    // The file order is taken as it stands, even when it is out of order.
    T_Archivio disordinato;
    disordinato.Aggiungi(Fai(2000, 3));
    disordinato.Aggiungi(Fai(1990, 1));
    ASSERT_TRUE(disordinato.Salva(cartella));
    ASSERT_TRUE(letto.Carica(cartella));
    EXPECT_EQ(Chiavi(letto), (VP{{2000, 3}, {1990, 1}}));
}

TEST(Archivio, FileVuotoCortoOMancante)
{
    TCartellaTemporanea t;
    const std::string cartella = t.Percorso().string();
    T_Archivio a = Quattro();

    // Missing: the archive is emptied and the caller hears the load failed.
    try {
        a.Carica(cartella);
        FAIL() << "a missing file must fail";
    } catch (const EErrore& e) {
        EXPECT_STREQ(e.what(), "Impossibile Caricare L'Archivio.");
    }
    EXPECT_TRUE(a.Vuoto());

    // Without "archdb.mra" the database is rebuilt, and the load says so.
    ScriviTutto(t.File("archivio.mra"), {});
    EXPECT_FALSE(a.Carica(cartella));
    EXPECT_TRUE(a.EsitoCaricamento().ConcorsiInteri);
    EXPECT_FALSE(a.EsitoCaricamento().DataBaseLetto);
    EXPECT_EQ(a.NumeroConcorsi(), 0);
    EXPECT_FALSE(a.PrimaEUltimaStagione());

    // Two whole records and ten bytes of a third: the two stay, the load reports failure.
    TBytes b = Quattro().ImmagineConcorsi();
    b.resize(50);
    ScriviTutto(t.File("archivio.mra"), b);
    EXPECT_FALSE(a.Carica(cartella));
    EXPECT_FALSE(a.EsitoCaricamento().ConcorsiInteri);
    EXPECT_EQ(Chiavi(a), (VP{{1998, 1}, {1998, 5}}));

    // Saving where there is no folder fails and writes nothing.
    EXPECT_FALSE(Quattro().Salva(t.File("manca")));
    EXPECT_FALSE(fs::exists(t.File("manca")));
}

TEST(Archivio, Riposiziona)
{
    TRispostaFissa si(PulsanteSi), no(PulsanteNo);

    {  // Earlier than where it stands: it moves back; the examined index does not change.
        T_Archivio a = Quattro();
        a.Concorso(3).Numero = 3;
        a.Concorso(3).Stagione = 1998;
        int i = 3;
        EXPECT_TRUE(a.Riposiziona(i, no));
        EXPECT_EQ(Chiavi(a), (VP{{1998, 1}, {1998, 3}, {1998, 5}, {1999, 2}}));
        EXPECT_EQ(i, 3);
        EXPECT_EQ(no.domande, 0);
    }
    {  // Later: it moves on, just before the first greater contest.
        T_Archivio a = Quattro();
        a.Concorso(0).Stagione = 1999;
        int i = 0;
        EXPECT_TRUE(a.Riposiziona(i, no));
        EXPECT_EQ(Chiavi(a), (VP{{1998, 5}, {1999, 1}, {1999, 2}, {2000, 1}}));
        EXPECT_EQ(i, 0);
    }
    {  // Beyond every other: to the end.
        T_Archivio a = Quattro();
        a.Concorso(0).Stagione = 2010;
        const TColonna colonna = a.Concorso(0).ColonnaVincente;
        int i = 0;
        EXPECT_TRUE(a.Riposiziona(i, no));
        EXPECT_EQ(Chiavi(a), (VP{{1998, 5}, {1999, 2}, {2000, 1}, {2010, 1}}));
        EXPECT_EQ(a.Ultimo().ColonnaVincente, colonna);
    }
    {  // Already in place.
        T_Archivio a = Quattro();
        int i = 1;
        EXPECT_TRUE(a.Riposiziona(i, no));
        EXPECT_EQ(Chiavi(a), Chiavi(Quattro()));
    }
    {  // Same as another, answered No: nothing changes and the step fails.
        T_Archivio a = Quattro();
        a.Concorso(2) = Fai(1998, 5, "222222222222");
        const auto prima = a.Concorsi();
        int i = 2;
        EXPECT_FALSE(a.Riposiziona(i, no));
        EXPECT_EQ(a.Concorsi(), prima);
        EXPECT_EQ(i, 2);
        EXPECT_EQ(no.ultimoTesto, "Il Concorso è già in memoria. Devo Sostituirlo ?");
        EXPECT_EQ(no.ultimoTitolo, "Conferma");
        EXPECT_EQ(no.ultimiPulsanti, PulsanteSi | PulsanteNo);
    }
    {  // Answered Si: the older one takes the new column, the moved one goes.
        T_Archivio a = Quattro();
        a.Concorso(2) = Fai(1998, 5, "222222222222");
        int i = 2;
        EXPECT_TRUE(a.Riposiziona(i, si));
        EXPECT_EQ(Chiavi(a), (VP{{1998, 1}, {1998, 5}, {2000, 1}}));
        EXPECT_EQ(TestoColonna(a.Concorso(1).ColonnaVincente), "222222222222");
        EXPECT_EQ(i, 2);
    }
    {  // The last one replaces another: the examined index falls back to the new last.
        T_Archivio a = Quattro();
        a.Concorso(3) = Fai(1998, 1, "XXXXXXXXXXXX");
        int i = 3;
        EXPECT_TRUE(a.Riposiziona(i, si));
        EXPECT_EQ(Chiavi(a), (VP{{1998, 1}, {1998, 5}, {1999, 2}}));
        EXPECT_EQ(TestoColonna(a.Primo().ColonnaVincente), "XXXXXXXXXXXX");
        EXPECT_EQ(i, 2);
    }
    {  // An index outside the list is refused.
        T_Archivio a = Quattro();
        int i = 4;
        EXPECT_FALSE(a.Riposiziona(i, si));
        i = -1;
        EXPECT_FALSE(a.Riposiziona(i, si));
        EXPECT_EQ(Chiavi(a), Chiavi(Quattro()));
    }
}

TEST(Archivio, ModificheDellEditor)
{
    T_Archivio a;
    EXPECT_EQ(a.AggiungiSeguente().Numero, 1);  // empty archive: a fresh contest
    // Nothing typed yet: no scan may count a new contest as a complete winning column.
    EXPECT_EQ(a.Ultimo().Completo, 0);
    EXPECT_EQ(a.AggiungiNuovo().Completo, 0);
    a.Svuota();
    a.Aggiungi(Fai(1999, 98));
    const T_Concorso& s = a.AggiungiSeguente();
    EXPECT_EQ(s.Stagione, 1999);
    EXPECT_EQ(s.Numero, 99);
    EXPECT_EQ(s.ColonnaVincente, TColonna{});
    EXPECT_EQ(s.Completo, 0);
    // After a season's last contest comes the next season's first; a number past the limit
    // read from a file does the same and never wraps to 0.
    const T_Concorso& t = a.AggiungiSeguente();
    EXPECT_EQ(std::pair(t.Stagione, int{t.Numero}), std::pair(2000, 1));
    a.Aggiungi(Fai(2000, 254));
    a.AggiungiSeguente();
    EXPECT_EQ(std::pair(a.Ultimo().Stagione, int{a.Ultimo().Numero}), std::pair(2001, 1));

    a.Inserisci(0, Fai(1990, 1));
    EXPECT_EQ(a.Primo().Stagione, 1990);
    a.Elimina(0);
    EXPECT_EQ(a.NumeroConcorsi(), 5);
    EXPECT_THROW(a.Elimina(5), std::out_of_range);
    EXPECT_THROW(a.Inserisci(6, Fai(1990, 1)), std::out_of_range);
    EXPECT_THROW(a.Concorso(-1), std::out_of_range);

    const auto stagioni = Quattro().PrimaEUltimaStagione();
    ASSERT_TRUE(stagioni);
    EXPECT_EQ(stagioni->Prima, 1998);
    EXPECT_EQ(stagioni->Ultima, 2000);
}

// Archive files that are links to files kept elsewhere: a save replaces what they lead to
// and they stay links; a folder or device in their place is never replaced.
TEST(Archivio, FileCollegatiRestanoCollegamenti)
{
    TCartellaTemporanea t;
    const fs::path archivi = t.Percorso() / "Archivi";
    const fs::path altrove = t.Percorso() / "altrove";
    fs::create_directories(archivi);
    fs::create_directories(altrove);
    T_Archivio a;
    T_Concorso c;
    c.Stagione = 2000;
    for (int e = 0; e < NumEvents; ++e) c.ColonnaVincente[static_cast<std::size_t>(e)] = Segno1;
    c.AggiornaCompleto();
    a.Aggiungi(c);
    ASSERT_TRUE(a.Salva(altrove.string()));
    fs::create_symlink(altrove / "archivio.mra", archivi / "archivio.mra");
    fs::create_symlink("../altrove/archdb.mra", archivi / "archdb.mra");

    c.Numero = 2;
    a.Aggiungi(c);
    ASSERT_TRUE(a.Salva(archivi.string()));
    EXPECT_TRUE(fs::is_symlink(archivi / "archivio.mra"));
    EXPECT_TRUE(fs::is_symlink(archivi / "archdb.mra"));
    T_Archivio letto;
    EXPECT_TRUE(letto.Carica(altrove.string())) << "the pair where the links lead is new and whole";
    EXPECT_EQ(letto.NumeroConcorsi(), 2);
    for (const auto& voce : fs::directory_iterator(altrove))
        EXPECT_TRUE(voce.path().filename() == "archivio.mra" || voce.path().filename() == "archdb.mra")
            << voce.path();

    // A folder where the database should be: the save fails and replaces nothing.
    fs::remove(archivi / "archdb.mra");
    fs::create_directories(archivi / "archdb.mra");
    const auto prima = LeggiTutto((altrove / "archivio.mra").string());
    a.Aggiungi(c);
    EXPECT_FALSE(a.Salva(archivi.string()));
    EXPECT_TRUE(fs::is_directory(archivi / "archdb.mra"));
    EXPECT_EQ(LeggiTutto((altrove / "archivio.mra").string()), prima);
}
