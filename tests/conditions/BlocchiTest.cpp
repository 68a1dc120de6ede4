#include <gtest/gtest.h>

#include <random>

#include "AiutiCondizioni.h"
#include "CartellaTemporanea.h"
#include "UTCondiz.h"

using namespace morella;
using morella::test::TGiocoTemporaneo;

using morella::test::Blocco;

namespace {

// Reads a whole condition block (kind byte first) into a fresh object of that kind.
std::unique_ptr<TCondizione> Rileggi(const TBytes& b, bool& ok)
{
    TLettoreBinario r(b);
    std::uint8_t tipo = 0;
    ok = r.Byte(tipo);
    auto c = CreaCondizione(tipo);
    ok = ok && c && c->Leggi(r) && r.AllaFine();
    return c;
}

// Random states, levels, links, groups and ranges, as an editor might leave them.
void Riempi(TCondizioneATabelle& c, std::mt19937& g)
{
    for (int i = 0; i < c.NumeroTabelle(); ++i) {
        auto& t = c.Tabella(i);
        for (int k = 0; k < 2; ++k) {
            for (int v = 0; v <= t.Massimo(); ++v)
                t.ImpostaStato(k, v, static_cast<std::uint8_t>(g() % 3),
                               static_cast<std::uint8_t>(1 + g() % 255));
            t.Sotto[static_cast<std::size_t>(k)].Link = static_cast<std::uint8_t>('A' + g() % 26);
            t.Sotto[static_cast<std::size_t>(k)].GruppoTra = static_cast<std::int16_t>(g() % 31);
        }
        t.DaEvento = static_cast<std::int16_t>(1 + g() % 6);
        t.AEvento = static_cast<std::int16_t>(7 + g() % 6);
    }
    c.Attivato = g() % 2;
}

std::unique_ptr<TConsecutivita> Elemento(TSegni segno, std::mt19937& g)
{
    auto e = std::make_unique<TConsecutivita>();
    Riempi(*e, g);
    e->Segno = segno;
    return e;
}

}  // namespace

TEST(Blocchi, LunghezzeEPostiPerTipo)
{
    TNumeroSegni ns;
    ns.Attivato = false;
    ns.Tabella(2).ImpostaStato(0, 3, StatoAmmesso);
    const TBytes b1 = Blocco(ns);
    ASSERT_EQ(b1.size(), 2u + 228u);
    EXPECT_EQ(b1[0], 1);
    EXPECT_EQ(b1[1], 0);
    EXPECT_EQ(b1[2 + 2 * 76 + 4 + 6], 1);  // "Segni 2", value 3

    TPariDispari pd;
    pd.Tabella(TPariDispari::TabellaDispari).ImpostaStato(1, 2, StatoAmmesso);
    const TBytes b2 = Blocco(pd);
    ASSERT_EQ(b2.size(), 2u + 128u);
    EXPECT_EQ(b2[0], 2);
    EXPECT_EQ(b2[1], 1);
    EXPECT_EQ(b2[2 + 52 + 36 + 4 + 4], 1);  // "Dispari" after the 52 bytes of "Pari"

    TInterruzioni in;
    in.Tabella(0).AEvento = 9;
    const TBytes b5 = Blocco(in);
    ASSERT_EQ(b5.size(), 2u + 228u);
    EXPECT_EQ(b5[2 + 72 - 2], 9);  // "Globali" (Massimo 11) ends with its range

    TConsecutivita co;
    co.Segno = Segno2;
    const TBytes b38 = Blocco(co);
    ASSERT_EQ(b38.size(), 2u + 153u);
    EXPECT_EQ(b38[0], 38);
    EXPECT_EQ(b38[2], 4);

    TGruppoCondizioni gruppo(TipoGruppoConsecutivita);
    EXPECT_EQ(Blocco(gruppo), (TBytes{8, 1, 100}));
    gruppo.Aggiungi(std::make_unique<TConsecutivita>());
    gruppo.Aggiungi(std::make_unique<TConsecutivita>());
    const TBytes b8 = Blocco(gruppo);
    ASSERT_EQ(b8.size(), 2u + 2 * 155u + 1u);
    EXPECT_EQ(b8[2 + 155], 38);
    EXPECT_EQ(b8.back(), 100);

    TGiocoTemporaneo toto(GiocoToto);
    EXPECT_EQ(Blocco(TNumeroSegni()).size(), 2u + 3 * 80u);
    EXPECT_EQ(Blocco(TPariDispari()).size(), 2u + 52u + 80u);  // 13 div 2 = 6
}

TEST(Blocchi, RiletturaERiscritturaIdentiche)
{
    std::mt19937 g(11);
    for (int prova = 0; prova < 20; ++prova) {
        std::vector<std::unique_ptr<TCondizione>> tutte;
        for (int tipo : {1, 2, 5, 38}) {
            auto c = CreaCondizione(tipo);
            Riempi(dynamic_cast<TCondizioneATabelle&>(*c), g);
            tutte.push_back(std::move(c));
        }
        auto gruppo = std::make_unique<TGruppoCondizioni>(TipoGruppoConsecutivita);
        for (TSegni s : {Segno1, SegnoX, Segno2}) gruppo->Aggiungi(Elemento(s, g));
        gruppo->Attivato = false;
        tutte.push_back(std::move(gruppo));
        tutte.push_back(CreaCondizione(TipoGruppoColonneFiltro));  // empty group of another kind

        for (const auto& c : tutte) {
            const TBytes b = Blocco(*c);
            bool ok = false;
            auto letta = Rileggi(b, ok);
            ASSERT_TRUE(ok) << int(c->Tipo());
            EXPECT_EQ(Blocco(*letta), b) << int(c->Tipo());
            EXPECT_EQ(letta->Attivato, c->Attivato);
            EXPECT_EQ(Blocco(*c->Clona()), b);
        }
    }
}

TEST(Blocchi, GruppoDanneggiatoNonFaDanni)
{
    std::mt19937 g(5);
    TGruppoCondizioni gruppo(TipoGruppoConsecutivita);
    gruppo.Aggiungi(Elemento(SegnoX, g));
    gruppo.Aggiungi(Elemento(Segno2, g));
    const TBytes b = Blocco(gruppo);

    // Cut anywhere: the read fails, keeping only the elements read whole.
    for (std::size_t n = 1; n < b.size(); ++n) {
        TBytes corto(b.begin(), b.begin() + static_cast<std::ptrdiff_t>(n));
        bool ok = true;
        auto letto = Rileggi(corto, ok);
        EXPECT_FALSE(ok) << n;
        const int attesi = n >= 2 + 2 * 155 ? 2 : n >= 2 + 155 ? 1 : 0;
        EXPECT_EQ(dynamic_cast<TGruppoCondizioni&>(*letto).Conta(), attesi) << n;
    }

    // A kind the group does not hold, a kind that does not exist, a group inside the group.
    for (std::uint8_t intruso : {std::uint8_t{1}, std::uint8_t{200}, std::uint8_t{8}, std::uint8_t{0}}) {
        TBytes guasto = b;
        guasto[2 + 155] = intruso;
        bool ok = true;
        auto letto = Rileggi(guasto, ok);
        EXPECT_FALSE(ok) << int(intruso);
        EXPECT_EQ(dynamic_cast<TGruppoCondizioni&>(*letto).Conta(), 1);
    }

    // A sign that is no single sign becomes "1".
    TBytes segno = b;
    segno[4] = 7;
    bool ok = false;
    auto letto = Rileggi(segno, ok);
    ASSERT_TRUE(ok);
    EXPECT_EQ(dynamic_cast<TConsecutivita&>(dynamic_cast<TGruppoCondizioni&>(*letto).Elemento(0)).Segno,
              Segno1);
}

TEST(Blocchi, ContenitoreControllaIlTipoDiOgniSlot)
{
    TElencoCondizioni elenco;
    TScrittoreBinario f;
    EXPECT_TRUE(elenco.Scrivi(f));
    // Slots 1 and 2 are written first, in order.
    ASSERT_GE(f.Dati().size(), 230u + 130u);
    EXPECT_EQ(f.Dati()[0], 1);
    EXPECT_EQ(f.Dati()[230], 2);
    TElencoCondizioni copia;
    TLettoreBinario intero(f.Dati());
    EXPECT_TRUE(copia.Leggi(intero));
    EXPECT_TRUE(intero.AllaFine());

    elenco.Condizione(1)->Attivato = false;
    TScrittoreBinario due;
    elenco.Condizione(1)->Scrivi(due);
    elenco.Condizione(2)->Scrivi(due);
    TElencoCondizioni altro;
    TLettoreBinario r(due.Dati());
    EXPECT_FALSE(altro.Leggi(r));  // stops at slot 3, after reading 1 and 2
    EXPECT_FALSE(altro.Condizione(1)->Attivato);
    EXPECT_EQ(r.Posizione(), due.Dati().size());

    TBytes scambiati = due.Dati();
    scambiati[0] = 2;
    TElencoCondizioni terzo;
    TLettoreBinario r2(scambiati);
    EXPECT_FALSE(terzo.Leggi(r2));
    EXPECT_TRUE(terzo.Condizione(1)->Attivato);
}

TEST(Gruppo, OperazioniDiListaECopiaProfonda)
{
    TGruppoCondizioni gruppo(TipoGruppoConsecutivita);
    EXPECT_FALSE(gruppo.Aggiungi(std::make_unique<TNumeroSegni>()));
    EXPECT_FALSE(gruppo.Aggiungi(nullptr));
    auto conSegno = [](TSegni s) {
        auto e = std::make_unique<TConsecutivita>();
        e->Segno = s;
        return e;
    };
    gruppo.Aggiungi(conSegno(Segno1));
    gruppo.Inserisci(1, conSegno(SegnoX));   // at the head
    gruppo.Inserisci(99, conSegno(Segno2));  // beyond the count: at the tail
    gruppo.Inserisci(2, conSegno(Segno2));
    auto segni = [](const TGruppoCondizioni& gr) {
        std::string s;
        for (int i = 0; i < gr.Conta(); ++i)
            s += TestoSegni(dynamic_cast<TConsecutivita&>(gr.Elemento(i)).Segno);
        return s;
    };
    EXPECT_EQ(segni(gruppo), "X212");
    EXPECT_TRUE(gruppo.Elimina(3));
    EXPECT_FALSE(gruppo.Elimina(0));
    EXPECT_FALSE(gruppo.Elimina(4));
    EXPECT_EQ(segni(gruppo), "X22");

    auto copia = gruppo.Clona();
    gruppo.Svuota();
    EXPECT_EQ(gruppo.Conta(), 0);
    EXPECT_EQ(segni(dynamic_cast<TGruppoCondizioni&>(*copia)), "X22");

    gruppo.Nome = "altro";
    gruppo.Attivato = false;
    gruppo.ImpostaDefault();
    EXPECT_EQ(gruppo.Nome, "Gruppo Consecutività");
    EXPECT_TRUE(gruppo.Attivato);
}

TEST(Fabbrica, TipiCostruitiENomi)
{
    for (int tipo = 0; tipo < 256; ++tipo) {
        auto c = CreaCondizione(tipo);
        const bool costruito = (tipo >= 1 && tipo <= 15) || tipo == 34 || (tipo >= 36 && tipo <= 39);
        EXPECT_EQ(c != nullptr, costruito) << tipo;
        if (c) {
            EXPECT_EQ(c->Tipo(), tipo);
            EXPECT_EQ(c->Nome, NomeDefault(tipo));
            EXPECT_TRUE(c->Attivato);
            EXPECT_FALSE(c->Attivo);
        }
    }
    EXPECT_EQ(NomeDefault(12), "Gr. Colonne Filtro");
    EXPECT_EQ(NomeDefault(40), "");
}

TEST(Fabbrica, EditoreDalRegistro)
{
    TNumeroSegni ns;
    EXPECT_EQ(ns.Modifica(), 0);  // no editor registered: closed without confirming
    TCondizione* aperta = nullptr;
    RegistraEditore(TipoNumeroSegni, [&](TCondizione& c) {
        aperta = &c;
        return 1;
    });
    EXPECT_EQ(ns.Modifica(), 1);
    EXPECT_EQ(aperta, &ns);
    EXPECT_EQ(TPariDispari().Modifica(), 0);
    RegistraEditore(TipoNumeroSegni, nullptr);
    EXPECT_EQ(ns.Modifica(), 0);
}
