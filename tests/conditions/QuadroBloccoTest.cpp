#include <gtest/gtest.h>

#include <cstring>
#include <random>

#include "AiutiCondizioni.h"
#include "FileQuadri.h"
#include "UTCondiz.h"

using namespace morella;

using morella::test::Blocco;

namespace {

std::int32_t Intero32(const TBytes& b, std::size_t p)
{
    std::int32_t v = 0;
    std::memcpy(&v, b.data() + p, 4);
    return v;
}

// A panel with a bit of everything: text lines, a hand-made table, simple kinds, a group
// with elements and a panel two levels deep.
std::unique_ptr<TQuadro> QuadroCompleto()
{
    auto q = std::make_unique<TQuadro>();
    q->Nome = "Quadro Più Bello";
    q->Testi = {"prima riga", "", "città è così"};
    q->Preset = false;
    q->Relazione = RelazioneXor;
    q->CondizioniAccettate.ImpostaStato(0, 2, StatoInRecupero, 7);
    q->CondizioniAccettate.ImpostaStato(1, 999, StatoAmmesso);
    q->CondizioniAccettate.Sotto[1].Link = 'Q';
    q->CondizioniAccettate.Sotto[0].GruppoTra = 12;

    auto segni = std::make_unique<TNumeroSegni>();
    segni->Tabella(1).ImpostaStato(0, 4, StatoAmmesso);
    segni->Attivato = false;
    q->Aggiungi(std::move(segni));

    auto gruppo = std::make_unique<TGruppoCondizioni>(TipoGruppoConsecutivita);
    auto cons = std::make_unique<TConsecutivita>();
    cons->Segno = Segno2;
    cons->Tabella(0).ImpostaStato(0, 3, StatoAmmesso);
    gruppo->Aggiungi(std::move(cons));
    q->Aggiungi(std::move(gruppo));

    auto sotto = std::make_unique<TQuadro>();
    sotto->Nome = NomeSottoQuadro;
    sotto->Aggiungi(std::make_unique<TPariDispari>());
    auto sottoSotto = std::make_unique<TQuadro>();
    sottoSotto->Aggiungi(std::make_unique<TInterruzioni>());
    sottoSotto->ScegliRelazione(RelazioneNot);
    sotto->Aggiungi(std::move(sottoSotto));
    sotto->ScegliRelazione(RelazioneOr);
    q->Aggiungi(std::move(sotto));
    q->Aggiungi(std::make_unique<TQuadro>());  // an empty one too
    return q;
}

std::unique_ptr<TQuadro> Rileggi(const TBytes& b)
{
    TLettoreBinario r(b);
    return QuadroDaImmagine(r, nullptr);
}

// A chain of panels, each the only sub-condition of the one above.
std::unique_ptr<TQuadro> Catena(int annidati)
{
    auto radice = std::make_unique<TQuadro>();
    TQuadro* q = radice.get();
    for (int i = 0; i < annidati; ++i) {
        auto s = std::make_unique<TQuadro>();
        TQuadro* p = s.get();
        q->Aggiungi(std::move(s));
        q = p;
    }
    return radice;
}

}  // namespace

TEST(QuadroBlocco, PostiEDimensioniDelBlocco)
{
    TQuadro q;
    q.Nome = "Ab";
    q.Preset = false;
    q.Relazione = RelazioneNot;
    q.Attivato = false;
    q.CondizioniAccettate.ImpostaStato(0, 999, StatoInRecupero, 9);
    q.CondizioniAccettate.ImpostaStato(1, 0, StatoAmmesso, 4);
    const TBytes b = Blocco(q);
    ASSERT_EQ(b.size(), TQuadro::DimensioneBloccoVuoto);
    EXPECT_EQ(b.size(), 4289u);
    EXPECT_EQ(b[0], 13);
    EXPECT_EQ(b[1], 2);  // the name: length, then 255 positions, unused ones 0
    EXPECT_EQ(b[2], 'A');
    EXPECT_EQ(b[3], 'b');
    EXPECT_EQ(b[4], 0);
    EXPECT_EQ(b[256], 0);
    EXPECT_EQ(b[257], 0);  // Preset
    EXPECT_EQ(b[258], 3);  // Relazione
    EXPECT_EQ(b[259], 0);  // Attivato
    // The count table: first sub-table at 260 (InUso, Link, GruppoTra, 1003 pairs), the
    // second at 260 + 2010, then the range.
    EXPECT_EQ(b[261], 'A');
    EXPECT_EQ(b[264 + 2 * 999], 2);
    EXPECT_EQ(b[264 + 2 * 999 + 1], 9);
    EXPECT_EQ(b[260 + 2010 + 4], 1);
    EXPECT_EQ(b[260 + 2010 + 5], 4);
    EXPECT_EQ(b[260 + 4020], 1);  // DaEvento
    EXPECT_EQ(b[260 + 4022], NumEvents);
    EXPECT_EQ(Intero32(b, 4284), -1);  // no text lines
    EXPECT_EQ(b[4288], FineLista);

    q.Testi = {"è", "xyz"};
    q.Aggiungi(std::make_unique<TNumeroSegni>());
    const TBytes c = Blocco(q);
    EXPECT_EQ(Intero32(c, 4284), 1);
    EXPECT_EQ(c[4288], 0xE8);  // Windows-1252 on disk
    EXPECT_EQ(Intero32(c, 4289), 3);
    EXPECT_EQ(std::memcmp(c.data() + 4293, "xyz", 3), 0);
    EXPECT_EQ(Intero32(c, 4296), -1);
    EXPECT_EQ(c[4300], TipoNumeroSegni);
    EXPECT_EQ(c[4301], 1);  // its Attivato
    EXPECT_EQ(c.size(), 4300 + 2 + 3 * 76 + 1u);
    EXPECT_EQ(c.back(), FineLista);
}

TEST(QuadroBlocco, AndataERitornoIdentici)
{
    const auto q = QuadroCompleto();
    const TBytes b = ImmagineQuadro(*q);
    const auto letto = Rileggi(b);
    ASSERT_TRUE(letto);
    EXPECT_EQ(ImmagineQuadro(*letto), b);
    EXPECT_EQ(letto->Nome, "Quadro Più Bello");
    EXPECT_EQ(letto->Testi, q->Testi);
    EXPECT_FALSE(letto->Preset);
    EXPECT_EQ(letto->Relazione, RelazioneXor);
    EXPECT_EQ(letto->CondizioniAccettate.Livello(0, 2), 7);
    ASSERT_EQ(letto->Conta(), 4);
    EXPECT_EQ(letto->Elemento(0).Tipo(), TipoNumeroSegni);
    EXPECT_FALSE(letto->Elemento(0).Attivato);
    EXPECT_EQ(static_cast<const TGruppoCondizioni&>(letto->Elemento(1)).Conta(), 1);
    const auto& sotto = static_cast<const TQuadro&>(letto->Elemento(2));
    EXPECT_EQ(sotto.Nome, NomeSottoQuadro);
    EXPECT_EQ(sotto.Livelli(), 2);
    EXPECT_EQ(letto->Livelli(), 3);

    // The copy a paste makes is the same panel.
    EXPECT_EQ(Blocco(*q->Clona()), b);
}

TEST(QuadroBlocco, NelContenitoreNelloSlot13)
{
    TElencoLink link;
    TElencoCondizioni elenco(&link);
    auto& radice = *elenco.Condizione<TQuadro>(TipoQuadro);
    radice.Assumi(std::move(*QuadroCompleto()));
    TScrittoreBinario f;
    elenco.Scrivi(f);
    TElencoLink link2;
    TElencoCondizioni copia(&link2);
    TLettoreBinario r(f.Dati());
    ASSERT_TRUE(copia.Leggi(r));
    EXPECT_TRUE(r.AllaFine());
    const auto& letta = *copia.Condizione<TQuadro>(TipoQuadro);
    EXPECT_EQ(Blocco(letta), Blocco(radice));
    // The sub-conditions belong to the container that read them.
    EXPECT_EQ(letta.Elemento(2).Elenco(), &copia);
    EXPECT_EQ(static_cast<const TQuadro&>(letta.Elemento(2)).Elemento(1).Elenco(), &copia);
}

TEST(QuadroBlocco, AnnidamentoLimitato)
{
    const auto ok = Catena(TQuadro::MassimaProfondita);
    const TBytes b = ImmagineQuadro(*ok);
    const auto letto = Rileggi(b);
    ASSERT_TRUE(letto);
    EXPECT_EQ(letto->Livelli(), TQuadro::MassimaProfondita + 1);
    EXPECT_EQ(ImmagineQuadro(*letto), b);

    EXPECT_FALSE(Rileggi(ImmagineQuadro(*Catena(TQuadro::MassimaProfondita + 1))));

    // A hand-made file that nests without end stops at the bound and never runs deep.
    TBytes profondo;
    TScrittoreBinario vuoto;
    TQuadro().Scrivi(vuoto);
    const TBytes testa(vuoto.Dati().begin(), vuoto.Dati().end() - 1);  // without the end of the list
    for (int i = 0; i < 100; ++i) profondo.insert(profondo.end(), testa.begin(), testa.end());
    EXPECT_FALSE(Rileggi(profondo));
}

TEST(QuadroBlocco, NoveCentoNovantaNoveSottoCondizioniAlPiu)
{
    TQuadro q;
    for (int i = 0; i < TQuadro::MassimoSottoCondizioni; ++i)
        ASSERT_TRUE(q.Aggiungi(std::make_unique<TGruppoCondizioni>(TipoGruppoSequele)));
    EXPECT_FALSE(q.Aggiungi(std::make_unique<TGruppoCondizioni>(TipoGruppoSequele)));
    EXPECT_EQ(q.Conta(), 999);
    TBytes b = Blocco(q);
    auto letto = Rileggi(b);
    ASSERT_TRUE(letto);
    EXPECT_EQ(letto->Conta(), 999);

    // One more in the file: the read fails, as a panel cannot count it.
    b.pop_back();
    for (std::uint8_t x : {TipoGruppoSequele, std::uint8_t{1}, FineLista, FineLista}) b.push_back(x);
    TLettoreBinario r(b);
    std::uint8_t tipo = 0;
    ASSERT_TRUE(r.Byte(tipo));
    TQuadro troppi;
    EXPECT_FALSE(troppi.Leggi(r));
    EXPECT_EQ(troppi.Conta(), 999);
}

TEST(QuadroBlocco, FileDanneggiati)
{
    const TBytes buono = ImmagineQuadro(*QuadroCompleto());
    // Cut anywhere: never a panel, never a crash.
    for (std::size_t n = 0; n < buono.size(); n += n < 600 ? 1 : 23) {
        const TBytes corto(buono.begin(), buono.begin() + static_cast<std::ptrdiff_t>(n));
        ASSERT_FALSE(Rileggi(corto)) << n;
    }
    // Not a panel's kind byte.
    TBytes b = buono;
    b[0] = TipoNumeroSegni;
    EXPECT_FALSE(Rileggi(b));

    // A text line of negative or impossible length.
    b = buono;
    const std::int32_t negativa = -2;
    std::memcpy(b.data() + 4284, &negativa, 4);
    EXPECT_FALSE(Rileggi(b));
    const std::int32_t enorme = 0x7FFFFFF0;
    std::memcpy(b.data() + 4284, &enorme, 4);
    EXPECT_FALSE(Rileggi(b));

    // An unknown kind in the list, and a kind byte no panel may hold.
    TQuadro q;
    q.Aggiungi(std::make_unique<TNumeroSegni>());
    for (std::uint8_t tipo : {std::uint8_t{0}, std::uint8_t{35}, std::uint8_t{200}}) {
        b = Blocco(q);
        b[TQuadro::DimensioneBloccoVuoto - 1] = tipo;
        EXPECT_FALSE(Rileggi(b)) << int(tipo);
    }

    // A relation the program does not know, a name length beyond 255 and a damaged range
    // are made harmless.
    b = Blocco(q);
    b[258] = 9;
    b[1] = 255;
    b[260 + 4020] = 99;
    const auto letto = Rileggi(b);
    ASSERT_TRUE(letto);
    EXPECT_EQ(letto->Relazione, RelazioneAnd);
    EXPECT_EQ(letto->Nome.size(), 255u);
    EXPECT_EQ(letto->CondizioniAccettate.DaEvento, 1);

    // Random damage.
    std::mt19937 g(7);
    for (int i = 0; i < 500; ++i) {
        b = buono;
        for (int k = 0; k < 1 + static_cast<int>(g() % 4); ++k)
            b[g() % b.size()] = static_cast<std::uint8_t>(g());
        if (auto x = Rileggi(b)) {
            x->Prepara();
            x->Verifica(TColonna{});
        }
    }
}

TEST(QuadroBlocco, PresetSegueLaRelazione)
{
    TQuadro q;
    for (int i = 0; i < 4; ++i) q.Aggiungi(std::make_unique<TNumeroSegni>());
    q.CondizioniAccettate.Sotto[0].GruppoTra = 5;
    q.CondizioniAccettate.ImpostaStato(1, 2, StatoAmmesso);
    q.CondizioniAccettate.DaEvento = 3;
    auto ammessi = [&](int sotto) {
        std::vector<int> v;
        for (int x = 0; x <= 999; ++x)
            if (q.CondizioniAccettate.Stato(sotto, x) != StatoEscluso) v.push_back(x);
        return v;
    };
    q.ScegliRelazione(RelazioneAnd);
    EXPECT_EQ(ammessi(0), (std::vector<int>{4}));
    EXPECT_TRUE(ammessi(1).empty());
    EXPECT_EQ(q.CondizioniAccettate.Sotto[0].GruppoTra, 0);
    EXPECT_EQ(q.CondizioniAccettate.DaEvento, 1);
    q.ScegliRelazione(RelazioneOr);
    EXPECT_EQ(ammessi(0), (std::vector<int>{1, 2, 3, 4}));
    q.ScegliRelazione(RelazioneXor);
    EXPECT_EQ(ammessi(0), (std::vector<int>{1}));
    q.ScegliRelazione(RelazioneNot);
    EXPECT_EQ(ammessi(0), (std::vector<int>{0}));

    // "Particolari": the relation no longer touches the table.
    q.Preset = false;
    q.CondizioniAccettate.ImpostaStato(0, 3, StatoAmmesso);
    q.ScegliRelazione(RelazioneAnd);
    EXPECT_EQ(ammessi(0), (std::vector<int>{0, 3}));
    EXPECT_EQ(q.Relazione, RelazioneAnd);
    q.ScegliRelazione(7);
    EXPECT_EQ(q.Relazione, RelazioneAnd);
}
