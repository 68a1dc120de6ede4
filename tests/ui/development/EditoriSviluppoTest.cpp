// The editors add no rule of their own: a system whose conditions were set through an
// editor, driven by clicks, develops into exactly the columns of the same system built
// directly through the core. One case per editor; a new editor adds its case to the list.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QSpinBox>
#include <QTabWidget>

#include "CondizioneATabelle.h"
#include "Consecutivita.h"
#include "ElencoCondizioni.h"
#include "FinestraProva.h"
#include "GruppoCondizioni.h"
#include "PilotaEditori.h"
#include "Sviluppo.h"

using namespace morella;
using namespace morella::test;

namespace {

struct TCasoEditore {
    const char* Nome;  // the case's name in the test list
    const char* Voce;  // the menu item that opens the editor
    // Drives the editor to the conditions below and confirms.
    std::function<int(QDialog&)> Pilota;
    // The same conditions, set through the core on a system with the same prediction.
    std::function<void(TSistema&)> Costruisci;
};

void PrintTo(const TCasoEditore& c, std::ostream* os)
{
    *os << c.Nome;
}

TTabellaValori& TabellaNucleo(TSistema& s, TipoCondizione tipo, int tabella)
{
    auto* c = dynamic_cast<TCondizioneATabelle*>(s.Dati().Condizioni->Condizione(tipo));
    EXPECT_NE(c, nullptr);
    return c->Tabella(tabella);
}

// An editor of the whole-column kinds: the values da..a of one table admitted by clicks,
// and the same values admitted through the core.
TCasoEditore CasoTabella(const char* nome, const char* voce, TipoCondizione tipo, int tabella, int da, int a)
{
    const std::string controllo = "GraphPt" + std::to_string(tabella);
    return {nome, voce,
            [controllo, da, a](QDialog& d) {
                Ammetti(Tabella(d, controllo.c_str()), da, a);
                return Premi(d, "OKBtn");
            },
            [tipo, tabella, da, a](TSistema& s) {
                for (int v = da; v <= a; ++v)
                    TabellaNucleo(s, tipo, tabella).ImpostaStato(0, v, StatoAmmesso);
            }};
}

std::vector<TCasoEditore> Casi()
{
    std::vector<TCasoEditore> casi;
    casi.push_back(CasoTabella("NumeroDiSegni", "NumeroDiSegni1", TipoNumeroSegni, 0, 3, 5));
    casi.push_back(CasoTabella("PariEDispari", "ParieDispari1", TipoPariDispari, 1, 4, 8));
    casi.push_back(CasoTabella("Interruzioni", "Interruzioni1", TipoInterruzioni, 0, 8, 11));
    casi.push_back(CasoTabella("Simmetrie", "Simmetrie1", TipoSimmetrie, 2, 2, 6));
    casi.push_back(CasoTabella("Modulo", "Modulo1", TipoModulo, 0, 8, 9));
    // The vortex's sign boxes of the direct walk: only an "X" at the end of the walk.
    casi.push_back({"Vortice", "BlackHole1",
                    [](QDialog& d) {
                        auto* pagine = Controllo<QTabWidget>(d, "PageControl");
                        pagine->setCurrentIndex(0);
                        auto* x = pagine->widget(0)->findChild<QCheckBox*>(QStringLiteral("SegnoX"));
                        EXPECT_NE(x, nullptr);
                        if (x) QTest::mouseClick(x, Qt::LeftButton, {}, QPoint(6, x->height() / 2));
                        return Premi(d, "OKBtn");
                    },
                    [](TSistema& s) { TabellaNucleo(s, TipoVortice, 2).ImpostaStato(0, 1, StatoAmmesso); }});

    // Two elements with different signs, one of them on a part of the column only.
    casi.push_back({"GruppoConsecutivita", "Consecutivit1",
                    [](QDialog& d) {
                        Clic(d, "AggiungiBtn");
                        Ammetti(Tabella(d, "TabellaConteggi"), 4, 6);
                        Ammetti(Tabella(d, "TabellaRun"), 0, 2);
                        Clic(d, "AggiungiBtn");
                        Clic(d, "SegnoX");
                        Ammetti(Tabella(d, "TabellaConteggi"), 2, 4);
                        auto* run = Tabella(d, "TabellaRun");
                        Ammetti(run, 0, 1);
                        QTest::mouseClick(run->Pulsante(TPaginaGraphPt::Campo), Qt::LeftButton);
                        run->SpinMin()->setValue(3);
                        return Premi(d, "OKBtn");
                    },
                    [](TSistema& s) {
                        auto& g =
                            *s.Dati().Condizioni->Condizione<TGruppoCondizioni>(TipoGruppoConsecutivita);
                        auto a = std::make_unique<TConsecutivita>();
                        for (int v = 4; v <= 6; ++v) a->Tabella(0).ImpostaStato(0, v, StatoAmmesso);
                        for (int v = 0; v <= 2; ++v) a->Tabella(1).ImpostaStato(0, v, StatoAmmesso);
                        g.Aggiungi(std::move(a));
                        auto b = std::make_unique<TConsecutivita>();
                        b->Segno = SegnoX;
                        for (int v = 2; v <= 4; ++v) b->Tabella(0).ImpostaStato(0, v, StatoAmmesso);
                        for (int v = 0; v <= 1; ++v) b->Tabella(1).ImpostaStato(0, v, StatoAmmesso);
                        b->Tabella(1).DaEvento = 3;
                        g.Aggiungi(std::move(b));
                    }});
    return casi;
}

class EditoriESviluppo : public ::testing::TestWithParam<TCasoEditore> {};

}  // namespace

TEST_P(EditoriESviluppo, StesseColonneDelNucleo)
{
    const TCasoEditore& caso = GetParam();
    TFinestraProva f;
    f.Modifica(caso.Voce, caso.Pilota);
    f.servizi.VerificaConsumate();
    ASSERT_TRUE(f.sistema.Modificato) << "the editor changed nothing";

    TSistema diretto;
    PronosticoDiProva(diretto);
    caso.Costruisci(diretto);
    TSistema libero;
    PronosticoDiProva(libero);

    Sviluppa(f.sistema);
    Sviluppa(diretto);
    Sviluppa(libero);
    const auto& tenute = f.sistema.Dati().Colonne;
    EXPECT_EQ(tenute, diretto.Dati().Colonne);
    // A case that keeps everything or nothing would prove little.
    EXPECT_GT(tenute.Conta(), 0);
    EXPECT_LT(tenute.Conta(), libero.Dati().Colonne.Conta());
}

INSTANTIATE_TEST_SUITE_P(Editori, EditoriESviluppo, ::testing::ValuesIn(Casi()),
                         [](const ::testing::TestParamInfo<TCasoEditore>& i) {
                             return std::string(i.param.Nome);
                         });
