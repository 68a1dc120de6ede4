// The column part of the analysis: the development it runs (order, Corsa +, cancel,
// progress, source file) and the "Integr.", "Cond.S." and "Condiz." tables against counts
// made column by column.
#include <gtest/gtest.h>

#include <array>

#include "Analisi.h"
#include "Banco.h"
#include "CartellaTemporanea.h"
#include "DerivateAnalisi.h"
#include "Errore.h"
#include "FileColonne.h"
#include "Sviluppo.h"
#include "SviluppoAnalisi.h"
#include "UTCondiz.h"

using namespace morella;
using namespace morella::test;

namespace {

// Every column it is handed, in order.
class TRegistratore final : public TCondizione {
   public:
    TRegistratore() : TCondizione(TipoNumeroSegni, nullptr) {}
    void ContaColonna(const TColonna& c) override { Colonne.push_back(c); }
    bool Verifica(const TColonnaEsaminata&) override { return true; }
    bool Scrivi(TScrittoreBinario&) const override { return true; }
    bool Leggi(TLettoreBinario&) override { return true; }
    bool Prepara() override { return Attivo = Attivato; }
    std::unique_ptr<TCondizione> Clona() const override { return std::make_unique<TRegistratore>(*this); }
    TRegistratore(const TRegistratore&) = default;
    std::vector<TColonna> Colonne;
};

// Cancels at the given poll (0: never) and keeps what the window was shown.
class TFinestraProva final : public TOsservatoreAnalisi {
   public:
    explicit TFinestraProva(int annullaAlla = 0) : annullaAlla_(annullaAlla) {}
    void Inizio(const std::string& titolo) override { Titoli.push_back(titolo); }
    void Progresso(int p) override { Percentuali.push_back(p); }
    bool Annullato() override { return ++Interrogazioni == annullaAlla_; }
    void Fine() override { ++Chiusure; }
    std::vector<std::string> Titoli;
    std::vector<int> Percentuali;
    int Interrogazioni = 0, Chiusure = 0;

   private:
    int annullaAlla_;
};

int Uni(const TColonna& c)
{
    int n = 0;
    for (int i = 0; i < NumEvents; ++i) n += c[static_cast<std::size_t>(i)] == Segno1;
    return n;
}

std::vector<TColonna> Espandi(const TColonna& pronostico)
{
    TListaColonne l;
    l.AggiungiEspansa(pronostico, true);
    return l.Colonne();
}

}  // namespace

TEST(SviluppoAnalisi, OrdineDelloSviluppoECorsaPiu)
{
    TBanco b;
    b.Pronostico("(12)X(1X2)111111111");
    b.Dati().CorsaPiu = 0x0105;
    TRegistratore r;
    TFinestraProva f;
    const TEsitoSviluppoAnalisi e = SviluppaPerAnalisi(b.Dati(), r, f);
    EXPECT_TRUE(e.Completata);
    EXPECT_EQ(e.Esaminate, 6);
    EXPECT_EQ(e.Totali, 6);
    ASSERT_EQ(r.Colonne.size(), 6u);
    // The first event slowest, "1" before "X" before "2".
    EXPECT_EQ(TestoColonna(r.Colonne[0]).substr(0, 3), "1X1");
    EXPECT_EQ(TestoColonna(r.Colonne[2]).substr(0, 3), "1X2");
    EXPECT_EQ(TestoColonna(r.Colonne[3]).substr(0, 3), "2X1");
    for (const TColonna& c : r.Colonne) EXPECT_EQ(c.CorsaPiu(), 0x0105);
    EXPECT_EQ(f.Titoli, std::vector<std::string>{"Analisi Colonnare in corso..."});
    EXPECT_EQ(f.Chiusure, 1);
    // Once per combination of the first nine events: 2 × 3.
    EXPECT_EQ(f.Interrogazioni, 6);
}

TEST(SviluppoAnalisi, SoloSingoliUnaColonnaEdEventoVuotoNessuna)
{
    TBanco b;
    b.Pronostico("1X21X21X21X2");
    const T_Analisi a = Analizza(*b.Condizioni().Condizione(TipoNumeroSegni), false, b.sistema);
    EXPECT_TRUE(a.Completata);
    EXPECT_EQ(a.ColonneEsaminate, 1);
    EXPECT_EQ(a.ColonneTotali, 1);
    EXPECT_EQ(a.Serie[0].Integr.Frequenza(4), 1);
    EXPECT_EQ(a.Serie[0].Integr.ConcorsiContati(), 1);
    EXPECT_EQ(a.Serie[0].CondS.Frequenza(4), 1);

    b.Pronostico("1X21X21X21X*");
    const T_Analisi vuota = Analizza(*b.Condizioni().Condizione(TipoNumeroSegni), false, b.sistema);
    EXPECT_TRUE(vuota.Completata);
    EXPECT_EQ(vuota.ColonneEsaminate, 0);
    EXPECT_EQ(vuota.Serie[0].Integr.ConcorsiContati(), 0);
}

TEST(SviluppoAnalisi, AnnullareLasciaNonCompletata)
{
    TBanco b;
    b.Pronostico("(1X2)(1X2)(1X2)(1X2)(1X2)(1X2)(1X2)(1X2)(1X2)(1X2)11");
    TFinestraProva f(3);
    const T_Analisi a = Analizza(*b.Condizioni().Condizione(TipoNumeroSegni), false, b.sistema, {}, &f);
    EXPECT_FALSE(a.Completata);
    // Two combinations of the first nine events were developed, three columns each.
    EXPECT_EQ(a.ColonneEsaminate, 6);
    EXPECT_EQ(a.ColonneTotali, 59049);
    EXPECT_EQ(a.Serie[0].Integr.ConcorsiContati(), 6);
    EXPECT_LT(a.Serie[1].Integr.ConcorsiContati(), a.ColonneTotali);
    EXPECT_EQ(f.Chiusure, 1);
}

TEST(SviluppoAnalisi, ProgressoSoloSopraDuePunti)
{
    TBanco b;
    b.Pronostico("(1X2)(1X2)(1X2)(1X2)(1X2)(1X2)111111");
    TRegistratore r;
    TFinestraProva f;
    SviluppaPerAnalisi(b.Dati(), r, f);
    ASSERT_FALSE(f.Percentuali.empty());
    int mostrata = 0;
    for (int p : f.Percentuali) {
        EXPECT_GT(p, mostrata + 2);
        mostrata = p;
    }
    // 22 of 729 columns is the first count past 2 %; 99 % is the last step of more than 2.
    EXPECT_EQ(f.Percentuali.front(), 3);
    EXPECT_EQ(f.Percentuali.back(), 99);
}

TEST(SviluppoAnalisi, DalFileColonnare)
{
    TCartellaTemporanea dir;
    TBanco b;
    TListaColonne l;
    for (const char* c : {"111111111111", "1X1X1X1X1X1X", "222222222222", "(1X)11111111111"})
        l.Aggiungi(Col(c));
    const std::string file = dir.File("sorgente.Col");
    ASSERT_TRUE(SalvaColonne(l, file));
    b.Dati().Impostazioni.DaPronostico = false;
    b.Dati().Impostazioni.FileSorgente = file;
    const T_Analisi a = Analizza(*b.Condizioni().Condizione(TipoNumeroSegni), false, b.sistema);
    EXPECT_TRUE(a.Completata);
    EXPECT_EQ(a.ColonneEsaminate, 4);
    EXPECT_EQ(a.ColonneTotali, 4);
    // Records are taken as they stand: the merged one has eleven events of "1".
    EXPECT_EQ(a.Serie[0].Integr.Frequenza(12), 1);
    EXPECT_EQ(a.Serie[0].Integr.Frequenza(11), 1);
    EXPECT_EQ(a.Serie[0].Integr.Frequenza(6), 1);

    // A record cut short, and a file that is not there: the development cannot be completed.
    auto byte = LeggiTutto(file);
    byte.resize(byte.size() - 3);
    ScriviTutto(file, byte);
    try {
        Analizza(*b.Condizioni().Condizione(TipoNumeroSegni), false, b.sistema);
        ADD_FAILURE() << "un record incompleto deve fermare l'analisi";
    } catch (const EErrore& e) {
        EXPECT_STREQ(e.what(), "Impossibile Completare lo Sviluppo.");
    }
    b.Dati().Impostazioni.FileSorgente = dir.File("manca.Col");
    EXPECT_THROW(Analizza(*b.Condizioni().Condizione(TipoNumeroSegni), false, b.sistema), EErrore);
    // Only the archive: no development, nothing to read.
    EXPECT_NO_THROW(Analizza(*b.Condizioni().Condizione(TipoNumeroSegni), true, b.sistema));
}

TEST(AnalisiColonne, IntegrCondSCondizControColonnaPerColonna)
{
    TBanco b;
    b.Pronostico("(1X2)(1X2)(1X2)(1X2)XXXXXXXX");
    auto* segni = b.Condizioni().Condizione<TNumeroSegni>(TipoNumeroSegni);
    segni->Tabella(0).ImpostaStato(0, 1, StatoAmmesso);
    segni->Tabella(0).ImpostaStato(0, 2, StatoAmmesso);

    std::array<int, 13> tutte{}, tenute{};
    for (const TColonna& c : Espandi(b.Dati().Pronostico)) {
        ++tutte[static_cast<std::size_t>(Uni(c))];
        if (Uni(c) == 1 || Uni(c) == 2) ++tenute[static_cast<std::size_t>(Uni(c))];
    }

    // Not developed: "Condiz." is empty, ready for every value.
    T_Analisi a = Analizza(*segni, false, b.sistema);
    EXPECT_EQ(a.ColonneEsaminate, 81);
    EXPECT_EQ(a.Serie[0].Condiz.ConcorsiContati(), 0);
    EXPECT_EQ(a.Serie[0].Condiz.ValoreMassimo(), NumEvents);
    for (int v = 0; v <= NumEvents; ++v) {
        const auto i = static_cast<std::size_t>(v);
        EXPECT_EQ(a.Serie[0].Integr.Frequenza(v), tutte[i]) << v;
        EXPECT_EQ(a.Serie[0].CondS.Frequenza(v), (v == 1 || v == 2) ? tutte[i] : 0) << v;
        // The series of "X" looks only at its own table, which restricts nothing.
        EXPECT_EQ(a.Serie[1].CondS.Frequenza(v), a.Serie[1].Integr.Frequenza(v)) << v;
    }
    // 81 columns, 32 + 24 with one or two "1": 25 removed.
    const T_DerivateSerie d = DerivateSerie(a, 0);
    EXPECT_DOUBLE_EQ(d.Eliminate, 25.0 * 100.0 / 81.0);

    // Developed: "Condiz." holds the system's columns.
    Sviluppa(b.sistema);
    ASSERT_EQ(b.Dati().Colonne.Conta(), 56);
    a = Analizza(*segni, false, b.sistema);
    EXPECT_EQ(a.Serie[0].Condiz.ConcorsiContati(), 56);
    for (int v = 0; v <= NumEvents; ++v)
        EXPECT_EQ(a.Serie[0].Condiz.Frequenza(v), tenute[static_cast<std::size_t>(v)]) << v;
    // Eight "X" only where the triples hold "1" and "2" alone: 4 + 6 of the kept columns.
    EXPECT_EQ(a.Serie[1].Condiz.Frequenza(8), 10);
    EXPECT_EQ(a.Serie[1].Condiz.ConcorsiContati(), 56);
}
