// The names and titles each kind's analysis carries, and the figures derived from an
// analysis: historical frequency, columns removed, "Fattore di Convenienza".
#include <gtest/gtest.h>

#include "Analisi.h"
#include "Banco.h"
#include "DerivateAnalisi.h"
#include "TitoliAnalisi.h"
#include "UTCondiz.h"

using namespace morella;
using namespace morella::test;

TEST(TitoliAnalisi, ComeIlProgrammaLiHaSempreScritti)
{
    auto titoli = [](const TCondizione& c) { return TitoliAnalisi(c, {}); };
    EXPECT_EQ(titoli(TNumeroSegni()),
              (std::array<std::string, 4>{"Analisi Statistica del Numero dei Segni",
                                          "Analisi Statistica della Frequenza del Numero dei Segni",
                                          "Analisi Statistica del Ritardo nel Numero dei Segni",
                                          "Analisi Colonnare del Numero dei Segni"}));
    EXPECT_EQ(titoli(TRipetizioni())[1], "Analisi Statistica della Frequenza delle ipetizioni");
    EXPECT_EQ(titoli(TRipetizioni())[3], "Analisi Colonnare delle Ripetizione");
    EXPECT_EQ(titoli(TPariDispari())[1],
              "Analisi Statistica delle Frequenze delle Consecutività Pari e Dispari");
    EXPECT_EQ(titoli(TFormuleDerivate())[1], "Analisi Statistica delle Frequenza delle Formule Derivate");
    EXPECT_EQ(titoli(TColonnaFiltro())[3], "Analisi Colonnare delle Colonna Filtro");
    EXPECT_EQ(titoli(TValori())[2], "Analisi Statistica dei Ritardi nei Valori");

    TQuadro quadro;
    quadro.Nome = "Estrazioni";
    EXPECT_EQ(titoli(quadro)[0], "Analisi Statistica del Quadro Estrazioni");
    EXPECT_EQ(titoli(quadro)[2], "Analisi Statistica del Ritardo del Quadro Estrazioni");

    TSequele sequela;
    sequela.TipoSequela = TSequele::Tritermine;
    EXPECT_EQ(titoli(sequela)[0], "Analisi Statistica delle Sequele Tritemine");
    sequela.TipoSequela = TSequele::Specchio;
    EXPECT_EQ(titoli(sequela)[3], "Analisi Colonnare delle Sequele a Specchio");
    sequela.TipoSequela = TSequele::SequelaSchema;
    sequela.Schema = Col("1X2111111111");
    sequela.Lunghezza = 3;
    EXPECT_EQ(titoli(sequela)[1], "Analisi Statistica della Frequenza della Sequela 1X2");

    TConsecutivita consecutivita;
    consecutivita.Segno = SegnoX;
    EXPECT_EQ(titoli(consecutivita)[0], "Analisi Statistica della Consecutivita del Segno X");
    EXPECT_EQ(titoli(consecutivita)[2], "Analisi Statistica del Ritardo nella Consecutivita del Segno X");

    EXPECT_EQ(titoli(TGruppoCondizioni(TipoGruppoSequele))[0], "");
}

TEST(TitoliAnalisi, OgniTipoConLeSueSerie)
{
    TBanco b;
    b.Concorsi({"111111111111", "1X21X21X21X2", "222222XXXXXX"});
    b.Pronostico("(1X2)11111111111");
    const std::vector<std::pair<int, std::vector<std::string>>> attese = {
        {TipoNumeroSegni, {"Segni 1", "Segni X", "Segni 2"}},
        {TipoPariDispari, {"Pari", "Dispari"}},
        {TipoVortice, {"Posizione", "Bracci", "Segno"}},
        {TipoSimmetrie, {"Dirette", "Inverse", "Totali"}},
        {TipoInterruzioni, {"Globali", "Segni 1", "Segni X", "Segni 2"}},
        {TipoFormuleDerivate, {"F.Derivate"}},
        {TipoRipetizioni, {"Una Prec.", "Due Prec."}},
        {TipoQuadro, {"Quadro"}},
        {TipoModulo, {"Somma", "Prodotto"}},
        {TipoPuntiTra, {"Punti Tra"}},
        {TipoSequele, {"Sequela"}},
        {TipoValori, {"Valori"}},
        {TipoPercentuali, {"Percentuali"}},
        {TipoConsecutivita, {"Consecutivita"}},
        {TipoColonnaFiltro, {"Colonna Filtro"}},
    };
    for (const auto& [tipo, nomi] : attese) {
        const auto c = CreaCondizione(tipo, &b.Condizioni());
        ASSERT_TRUE(c) << tipo;
        const T_Analisi a = Analizza(*c, false, b.sistema);
        ASSERT_EQ(a.NumeroSerie(), static_cast<int>(nomi.size())) << tipo;
        EXPECT_FALSE(a.Titoli[0].empty()) << tipo;
        EXPECT_EQ(a.ColonneEsaminate, 3) << tipo;
        for (int s = 0; s < a.NumeroSerie(); ++s) {
            const T_SerieAnalisi& serie = a.Serie[static_cast<std::size_t>(s)];
            EXPECT_EQ(serie.Nome, nomi[static_cast<std::size_t>(s)]) << tipo;
            EXPECT_EQ(serie.Integr.ConcorsiContati(), 3) << tipo << " " << s;
            // A label for every value any of the tables reached.
            EXPECT_GE(static_cast<int>(serie.Etichette.size()), serie.Archivio.ValoreMassimo() + 1) << tipo;
            EXPECT_GE(static_cast<int>(serie.Etichette.size()), serie.Integr.ValoreMassimo() + 1) << tipo;
        }
        if (SerieAIntervalli(static_cast<TipoCondizione>(tipo))) {
            EXPECT_EQ(a.Serie[0].Etichette.back(), "Altri");
        }
    }
    for (int tipo = TipoGruppoConsecutivita; tipo <= TipoGruppoColonneFiltro; ++tipo)
        EXPECT_FALSE(Analizzabile(static_cast<TipoCondizione>(tipo)));
}

namespace {

// One series whose archive saw the value 1 three times and 2 once, over ten columns with
// 1 six times and 2 four times; the given values accepted.
T_Analisi Esempio(std::vector<bool> ammessi)
{
    T_Analisi a;
    a.Serie.resize(1);
    T_SerieAnalisi& s = a.Serie[0];
    s.Archivio = T_FrequenzeRitardi(2);
    for (int v : {1, 1, 2, 1}) s.Archivio.Registra(v, 0, true);
    s.Integr = T_FrequenzeRitardi(2);
    for (int k = 0; k < 10; ++k) s.Integr.Registra(k < 6 ? 1 : 2, 0, false);
    a.ColonneEsaminate = 10;
    s.Ammessi[0].InUso = true;
    s.Ammessi[0].Ammessi = std::move(ammessi);
    return a;
}

}  // namespace

TEST(DerivateAnalisi, FattoreDiConvenienza)
{
    T_DerivateSerie d = DerivateSerie(Esempio({false, true, false}), 0);
    EXPECT_DOUBLE_EQ(d.FrequenzaStorica, 75.0);
    EXPECT_DOUBLE_EQ(d.Eliminate, 40.0);
    EXPECT_EQ(d.Fattore, "Fattore di Convenienza : 1.60");

    // Every past contest had an accepted value: no factor at all.
    d = DerivateSerie(Esempio({true, true, true}), 0);
    EXPECT_DOUBLE_EQ(d.FrequenzaStorica, 100.0);
    EXPECT_DOUBLE_EQ(d.Eliminate, 0.0);
    EXPECT_EQ(d.Fattore, "");
    // Settings that restrict nothing are the same as accepting everything.
    T_Analisi libera = Esempio({});
    libera.Serie[0].Ammessi[0].InUso = false;
    EXPECT_EQ(DerivateSerie(libera, 0).Fattore, "");

    // Nothing accepted: every column removed, no contest won.
    d = DerivateSerie(Esempio({false, false, false}), 0);
    EXPECT_DOUBLE_EQ(d.FrequenzaStorica, 0.0);
    EXPECT_DOUBLE_EQ(d.Eliminate, 100.0);
    EXPECT_EQ(d.Fattore, "Fattore di Convenienza : 1.00");

    // No contests and no columns: both shares 0.
    T_Analisi vuota;
    vuota.Serie.resize(1);
    vuota.Serie[0].Ammessi[0].InUso = true;
    d = DerivateSerie(vuota, 0);
    EXPECT_DOUBLE_EQ(d.FrequenzaStorica, 0.0);
    EXPECT_EQ(d.Fattore, "Fattore di Convenienza : 0.00");
    EXPECT_EQ(DerivateSerie(vuota, 3).Fattore, "");  // no such series
}

TEST(DerivateAnalisi, RigheDelloStoricoSenzaSecondaMisura)
{
    T_SerieAnalisi s = Esempio({}).Serie[0];
    s.Etichette = {"0", "1", "Altri"};
    auto righe = RigheStorico(s, true);
    ASSERT_EQ(righe.size(), 3u);
    EXPECT_EQ(righe[2].Etichetta, "Altri");
    EXPECT_EQ(righe[1].Points, "75.00");
    EXPECT_EQ(righe[1].AttualePoints, "0");
    EXPECT_EQ(righe[2].AttualePoints, "1");
    EXPECT_EQ(righe[2].MassimoPoints, "2");
    EXPECT_EQ(righe[2].ICPoints, "0.25");
    EXPECT_EQ(righe[1].Cons, "");
    EXPECT_EQ(righe[1].ICCons, "");
}
