#include <gtest/gtest.h>

#include <random>

#include "AiutiCondizioni.h"
#include "CartellaTemporanea.h"
#include "ImpostazioniRicerca.h"
#include "TestoColonnaEsteso.h"
#include "TestoColonne.h"
#include "UTCondiz.h"

using namespace morella;
using morella::test::TGiocoTemporaneo;

using morella::test::Col;
using morella::test::DaCodice;

using morella::test::Blocco;

namespace {

// Column text with multi-sign events in parentheses.
// Points and longest streak of hits, event by event: unfiltered events neither count nor
// break the streak; a hit is any sign the column and the filter share.
TMisura Letterale(const TColonna& c, const TColonna& filtro)
{
    TMisura m;
    int serie = 0;
    for (int i = 0; i < NumEvents; ++i) {
        const int f = filtro[static_cast<std::size_t>(i)] & 7;
        if (f == 0) continue;
        if (c[static_cast<std::size_t>(i)] & f) {
            ++m.Valore;
            m.Run = std::max(m.Run, ++serie);
        } else {
            serie = 0;
        }
    }
    return m;
}

std::unique_ptr<TCondizione> Rileggi(const TBytes& b, bool& ok)
{
    TLettoreBinario r(b);
    std::uint8_t tipo = 0;
    ok = r.Byte(tipo);
    auto c = CreaCondizione(tipo);
    ok = ok && c && c->Leggi(r) && r.AllaFine();
    return c;
}

struct TSistemaProva {
    TElencoLink link;
    TElencoCondizioni elenco{&link};
    TGruppoCondizioni& Gruppo() { return *elenco.Condizione<TGruppoCondizioni>(TipoGruppoColonneFiltro); }
    TColonnaFiltro& Aggiungi(const char* filtro, std::vector<int> punti)
    {
        auto e = CreaColonnaFiltro(Col(filtro), punti);
        auto* p = e.get();
        EXPECT_TRUE(Gruppo().Aggiungi(std::move(e)));
        return *p;
    }
};

}  // namespace

TEST(ColonnaFiltro, BloccoConAttivatoInCoda)
{
    TColonnaFiltro cf;
    cf.Attivato = false;
    cf.ImpostaColonna(Col("1X2*********"));
    cf.ColonnaFiltro[3] = Segno1 | Segno2;
    cf.Tabella(0).ImpostaStato(0, 5, StatoAmmesso);
    cf.Tabella(0).ImpostaStato(1, 2, StatoInRecupero, 7);
    cf.Tabella(0).Sotto[1].Link = 'Q';
    const TBytes b = Blocco(cf);
    ASSERT_EQ(b.size(), 92u);
    ASSERT_EQ(TColonnaFiltro::DimensioneBlocco(), 92u);
    EXPECT_EQ(b[0], 39);
    // "Punti" right after the kind byte: value 5 of the first sub-table, then the runs.
    EXPECT_EQ(b[1 + 4 + 2 * 5], StatoAmmesso);
    EXPECT_EQ(b[1 + 36 + 1], 'Q');
    EXPECT_EQ(b[1 + 36 + 4 + 2 * 2], StatoInRecupero);
    EXPECT_EQ(b[1 + 36 + 4 + 2 * 2 + 1], 7);
    EXPECT_EQ(b[1 + 72], 1);   // DaEvento
    EXPECT_EQ(b[1 + 74], 12);  // AEvento
    // Then the 14 bytes of the column, then Attivato last.
    EXPECT_EQ((TBytes(b.begin() + 77, b.begin() + 91)), (TBytes{1, 2, 4, 5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(b[91], 0);

    TGiocoTemporaneo toto(GiocoToto);
    EXPECT_EQ(Blocco(TColonnaFiltro()).size(), 1u + 80u + 14u + 1u);
}

TEST(ColonnaFiltro, RiletturaIdenticaAncheInUnGruppo)
{
    std::mt19937 g(17);
    TGruppoCondizioni gruppo(TipoGruppoColonneFiltro);
    for (int n = 0; n < 6; ++n) {
        auto e = std::make_unique<TColonnaFiltro>();
        auto& t = e->Tabella(0);
        for (int k = 0; k < 2; ++k) {
            for (int v = 0; v <= t.Massimo(); ++v)
                t.ImpostaStato(k, v, static_cast<std::uint8_t>(g() % 3),
                               static_cast<std::uint8_t>(1 + g() % 255));
            t.Sotto[static_cast<std::size_t>(k)].Link = static_cast<std::uint8_t>('A' + g() % 26);
            t.Sotto[static_cast<std::size_t>(k)].GruppoTra = static_cast<std::int16_t>(g() % 31);
        }
        // Any byte, the Corsa + horses included, comes back as it went.
        for (auto& s : e->ColonnaFiltro.s) s = static_cast<TSegni>(g() % 8);
        e->ColonnaFiltro[13] = 0x81;
        e->Attivato = g() % 2;
        gruppo.Aggiungi(std::move(e));
    }
    gruppo.Attivato = false;
    const TBytes b = Blocco(gruppo);
    ASSERT_EQ(b.size(), 2u + 6 * 92u + 1u);
    EXPECT_EQ(b[1], 0);
    EXPECT_EQ(b.back(), 100);
    bool ok = false;
    auto letto = Rileggi(b, ok);
    ASSERT_TRUE(ok);
    EXPECT_EQ(Blocco(*letto), b);
    EXPECT_EQ(Blocco(*gruppo.Clona()), b);
    auto& primo = dynamic_cast<TColonnaFiltro&>(dynamic_cast<TGruppoCondizioni&>(*letto).Elemento(0));
    EXPECT_EQ(primo.ColonnaFiltro, dynamic_cast<TColonnaFiltro&>(gruppo.Elemento(0)).ColonnaFiltro);
    EXPECT_EQ(primo.Attivato, gruppo.Elemento(0).Attivato);
}

TEST(ColonnaFiltro, BloccoTroncatoNonFaDanni)
{
    TColonnaFiltro cf;
    cf.ImpostaColonna(Col("111XXX222111"));
    cf.Attivato = false;
    const TBytes b = Blocco(cf);
    for (std::size_t n = 1; n < b.size(); ++n) {
        TBytes corto(b.begin(), b.begin() + static_cast<std::ptrdiff_t>(n));
        bool ok = true;
        auto letto = Rileggi(corto, ok);
        EXPECT_FALSE(ok) << n;
        // Attivato is the last byte: until it is there the switch keeps its default.
        EXPECT_TRUE(letto->Attivato) << n;
    }
    // A damaged filter byte is read as it stands and measured by its signs only.
    TBytes guasto = b;
    guasto[77] = 0xF9;  // signs "1": 0xF9 & 7 == 1
    bool ok = false;
    auto letto = Rileggi(guasto, ok);
    ASSERT_TRUE(ok);
    auto& l = dynamic_cast<TColonnaFiltro&>(*letto);
    EXPECT_EQ(l.ColonnaFiltro[0], 0xF9);
    EXPECT_EQ(l.Misura(Col("111111111111")).Valore, 6);
    EXPECT_EQ(Blocco(*letto), guasto);
}

TEST(ColonnaFiltro, MisureDaiCasiLimite)
{
    TColonnaFiltro cf;
    cf.ImpostaColonna(Col("(1X2)(1X2)(1X2)(1X2)(1X2)(1X2)(1X2)(1X2)(1X2)(1X2)(1X2)(1X2)"));
    EXPECT_EQ(cf.Misura(Col("1X21X21X21X2")), (TMisura{12, 12}));
    EXPECT_EQ(cf.Misura(Col("222222222222")), (TMisura{12, 12}));

    // Events 1 and 2 unfiltered: they neither count nor break a streak.
    cf.ImpostaColonna(Col("**1111111111"));
    EXPECT_EQ(cf.Misura(Col("XX1111111111")), (TMisura{10, 10}));
    EXPECT_EQ(cf.Misura(Col("111111111111")), (TMisura{10, 10}));
    cf.ImpostaColonna(Col("1*1*1*1*1*1*"));
    EXPECT_EQ(cf.Misura(Col("1X1X1X2X1X1X")), (TMisura{5, 3}));

    // Two signs allowed on an event.
    cf.ImpostaColonna(Col("(1X)(X2)(12)111111111"));
    EXPECT_EQ(cf.Misura(Col("X2211111111X")), (TMisura{11, 11}));
    EXPECT_EQ(cf.Misura(Col("2X1X11111111")), (TMisura{10, 8}));

    // The whole column filtered on event 12 only (the last bit of the high half).
    cf.ImpostaColonna(Col("***********2"));
    EXPECT_EQ(cf.Misura(Col("111111111112")), (TMisura{1, 1}));
    EXPECT_EQ(cf.Misura(Col("22222222222X")), (TMisura{0, 0}));

    // The Corsa + horses of a winning column are not events.
    TColonna vincente = Col("1X21X21X21X2");
    vincente.ImpostaCorsaPiu(0xFFFF);
    cf.ImpostaColonna(vincente);
    EXPECT_EQ(cf.ColonnaFiltro.CorsaPiu(), 0);
    EXPECT_EQ(cf.Misura(vincente), (TMisura{12, 12}));
}

TEST(ColonnaFiltro, MisureIdenticheAllaRegolaSuTuttoLoSviluppo)
{
    std::mt19937 g(23);
    // Filters of every shape: single signs, doubles, triples, unfiltered events anywhere.
    std::vector<TColonna> filtri = {Col("1X21X21X21X2"), Col("************"), Col("*X2*X***1X2*")};
    for (int n = 0; n < 9; ++n) {
        TColonna f{};
        for (int i = 0; i < NumEvents; ++i) f[static_cast<std::size_t>(i)] = static_cast<TSegni>(g() % 8);
        filtri.push_back(f);
    }
    TColonnaFiltro cf;
    for (const TColonna& f : filtri) {
        cf.ColonnaFiltro = f;  // changed in place, as the panel editor does
        for (std::uint32_t codice = 0; codice < 531441; ++codice) {
            const TColonna c = DaCodice(codice);
            ASSERT_EQ(cf.Misura(c), Letterale(c, f)) << TestoColonna(c) << " / " << TestoColonna(f);
        }
    }
    // Columns with empty, multi-sign and marked events, against the same filters.
    for (const TColonna& f : filtri) {
        cf.ColonnaFiltro = f;
        for (int n = 0; n < 20000; ++n) {
            TColonna c{};
            for (auto& s : c.s) s = static_cast<TSegni>(g() % 256);
            ASSERT_EQ(cf.Misura(c), Letterale(c, f)) << TestoColonna(c);
        }
    }
    // And in the other games.
    for (int gioco : {GiocoToto, GiocoEnalotto}) {
        TGiocoTemporaneo t(gioco);
        for (int k = 0; k < 6; ++k) {
            TColonna f{};
            for (int i = 0; i < NumEvents; ++i) f[static_cast<std::size_t>(i)] = static_cast<TSegni>(g() % 8);
            cf.ColonnaFiltro = f;
            for (int n = 0; n < 20000; ++n) {
                TColonna c{};
                for (auto& s : c.s) s = static_cast<TSegni>(g() % 8);
                ASSERT_EQ(cf.Misura(c), Letterale(c, f)) << gioco << " " << TestoColonna(c);
            }
        }
    }
}

TEST(ColonnaFiltro, VerificaNelGruppoConPuntiEConsecutivita)
{
    TSistemaProva s;
    // At least 10 points against a filter with two doubles.
    auto& a = s.Aggiungi("(1X)(X2)1111111111", {10, 11, 12});
    // At most 2 points against another, and no streak longer than 1.
    auto& b = s.Aggiungi("222222222222", {0, 1, 2});
    b.Tabella(0).ImpostaStato(1, 0, StatoAmmesso);
    b.Tabella(0).ImpostaStato(1, 1, StatoAmmesso);
    s.elenco.PreparaVerifica(false);
    ASSERT_EQ(s.elenco.NumeroAttive(), 1);
    EXPECT_TRUE(s.elenco.VerificaColonna(Col("X21111111112")));   // 11 and (1, 1)
    EXPECT_FALSE(s.elenco.VerificaColonna(Col("X21111111122")));  // b: three points
    EXPECT_FALSE(s.elenco.VerificaColonna(Col("1X1111111122")));  // b: two points in a streak
    EXPECT_FALSE(s.elenco.VerificaColonna(Col("2111X1111111")));  // a: nine points
    EXPECT_TRUE(s.elenco.VerificaColonna(Col("1X111111X111")));   // a: 11, b: 0

    // Collecting: each failing element on its own, in list order.
    s.elenco.PreparaVerifica(true);
    EXPECT_FALSE(s.elenco.VerificaColonna(Col("22222X222222")));
    ASSERT_EQ(s.elenco.Errori.size(), 2u);
    EXPECT_EQ(s.elenco.Errori[0].Condizione, &a);
    EXPECT_EQ(s.elenco.Errori[1].Condizione, &b);

    // An element whose filter is empty, or that is switched off, takes no part.
    a.ColonnaFiltro = TColonna{};
    b.Attivato = false;
    s.elenco.PreparaVerifica(false);
    EXPECT_FALSE(a.Attivo);
    EXPECT_EQ(s.elenco.NumeroAttive(), 0);
}

TEST(ColonnaFiltro, RecuperoSuLinkEModoArchivio)
{
    TSistemaProva s;
    auto& a = s.Aggiungi("111111111111", {11, 12});
    a.Tabella(0).ImpostaStato(0, 10, StatoInRecupero, 1);
    a.Tabella(0).Sotto[0].Link = 'F';
    s.elenco.PreparaVerifica(false);
    EXPECT_EQ(s.link.LettereInUso(), "F");
    EXPECT_TRUE(s.elenco.VerificaColonna(Col("1111111111XX")));
    EXPECT_EQ(s.link.DellaLettera('F').Usi, 1);
    s.link.DellaLettera('F').Errori.ImpostaStato(0, 0, StatoAmmesso);
    s.elenco.PreparaVerifica(false);
    EXPECT_FALSE(s.elenco.VerificaColonna(Col("1111111111XX")));
    EXPECT_TRUE(s.elenco.VerificaColonna(Col("11111111111X")));

    // Replaying the archive with "Colonne Filtro" ignored leaves the group inactive.
    T_ImpostazioniRicerca ricerca;
    s.elenco.Sorgenti.Ricerca = &ricerca;
    s.elenco.ModoArchivio = true;
    s.elenco.PreparaVerifica(false);
    EXPECT_FALSE(a.Attivo);
    EXPECT_EQ(s.elenco.NumeroAttive(), 0);
    ricerca.IgnoraColonneFiltro = false;
    s.elenco.PreparaVerifica(false);
    EXPECT_TRUE(a.Attivo);
}

TEST(ColonnaFiltro, CreataDaUnaColonnaEStatistiche)
{
    TColonna vincente = Col("X1X2X1X2X1X2");
    vincente.ImpostaCorsaPiu(0x0030);
    auto cf = CreaColonnaFiltro(vincente, {8, 9, -1, 13, 99});
    EXPECT_EQ(cf->Tipo(), TipoColonnaFiltro);
    EXPECT_EQ(cf->Nome, "Colonna Filtro");
    EXPECT_EQ(TestoColonna(cf->ColonnaFiltro).substr(0, 12), "X1X2X1X2X1X2");
    EXPECT_EQ(cf->ColonnaFiltro.CorsaPiu(), 0);
    for (int v = 0; v <= 12; ++v) EXPECT_EQ(cf->Tabella(0).Stato(0, v) != 0, v == 8 || v == 9) << v;
    EXPECT_TRUE(cf->Prepara());

    cf->ContaColonna(Col("X1X2X1X2X111"));  // 10 points: counted, not admitted
    cf->ContaColonna(Col("X1X2X1X2X221"));  // 9 points, streak 9
    EXPECT_EQ(cf->StatistichePrime(0).ConcorsiContati(), 2);
    EXPECT_EQ(cf->StatistichePrime(0).Elemento(true, 10).Frequenza, 1);
    EXPECT_EQ(cf->StatistichePrime(0).Elemento(false, 9).Frequenza, 1);
    EXPECT_EQ(cf->StatisticheSeconde(0).ConcorsiContati(), 1);
    EXPECT_EQ(cf->StatisticheSeconde(0).Elemento(true, 9).Frequenza, 1);

    TRigheStampa stampa;
    cf->ColonnaFiltro[0] = Segno1 | SegnoX;
    cf->ColonnaFiltro[1] = 0;
    cf->Prepara();
    cf->Stampa(stampa);
    ASSERT_GE(stampa.Righe.size(), 3u);
    EXPECT_EQ(stampa.Righe[0], "Colonna Filtro");
    EXPECT_EQ(stampa.Righe[1], "  Colonna (1X)*X2X1X2X1X2");
    EXPECT_EQ(stampa.Righe[2], "  Punti");
}
