// "Visualizzazione Colonne" from its menu items and its toolbar button, the merging window
// that condenses its list, and how fast it opens and scrolls on a whole Toto development.
#include <QElapsedTimer>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollBar>
#include <algorithm>

#include "FinestraProva.h"
#include "FormAccorpa.h"
#include "FormVisCol.h"
#include "ProvaColonne.h"
#include "QuattroColonne.h"

using namespace morella;
using namespace morella::test;
using morella::ui::TFormAccorpa;
using morella::ui::TFormVisCol;
using morella::ui::TQuattroColonne;

namespace {

// The viewer's four views at every scroll position show the list's columns, four to a
// coupon, numbered from 1; a view past the last coupon is hidden.
void ControllaPagine(TFormVisCol& v, const TListaColonne& l)
{
    const int schedine = (l.Conta() + 3) / 4;
    EXPECT_EQ(static_cast<int>(v.Schedine().size()), schedine);
    EXPECT_EQ(v.Barra()->maximum(), schedine < 5 ? 0 : schedine - 4);
    for (int pos = 0; pos <= v.Barra()->maximum(); ++pos) {
        v.Barra()->setValue(pos);
        for (int k = 0; k < 4; ++k) {
            TQuattroColonne* q = v.Vista(k);
            const int n = pos + k;
            ASSERT_EQ(q->isVisible(), n < schedine) << pos << " " << k;
            if (n >= schedine) continue;
            EXPECT_EQ(q->Numero(), n + 1);
            EXPECT_FALSE(q->ModoSpoglio());
            for (int c = 0; c < 4; ++c) {
                const std::size_t i = static_cast<std::size_t>(n * 4 + c);
                EXPECT_EQ(q->Modello().Colonne4()[static_cast<std::size_t>(c)],
                          i < l.size() ? l[i] : TColonna{})
                    << "schedina " << n + 1 << " colonna " << c;
            }
        }
    }
}

}  // namespace

TEST(Visualizzazione, DaFileEDaMemoriaMostranoLeColonneDellaLista)
{
    TFinestraColonne f;
    f.sistema.Dati().Configurazione.AccorpamentoAutomatico = false;
    for (int quante : {21, 9}) {
        const TListaColonne l = PrimeColonne(quante, 1000);
        const std::string file = Salva(l, "Vis.Col");
        f.servizi.AttendiFile(file);
        f.servizi.AttendiDialogo([&](QDialog& d) {
            EXPECT_EQ(d.windowTitle(), "Visualizzazione Colonne");
            ControllaPagine(dynamic_cast<TFormVisCol&>(d), l);
            return Premi(d, "OKBtn");
        });
        f.A("DaFile3")->trigger();
        ASSERT_FALSE(f.servizi.RichiesteFile.empty());
        EXPECT_EQ(f.servizi.RichiesteFile.back().Titolo, "Seleziona il File Colonnare");
        EXPECT_EQ(f.servizi.RichiesteFile.back().Cartella, CartellaColonne());
    }

    // From memory, by the toolbar button once there are columns.
    EXPECT_FALSE(f.A("SpeedVis")->isEnabled());
    const TListaColonne l = PrimeColonne(21, 7);
    f.sistema.Dati().Colonne = l;
    f.w->AggiornaAbilitazioni();
    ASSERT_TRUE(f.A("SpeedVis")->isEnabled());
    ASSERT_TRUE(f.A("VisDaMemoria1")->isEnabled());
    f.servizi.AttendiDialogo([&](QDialog& d) {
        ControllaPagine(dynamic_cast<TFormVisCol&>(d), l);
        return Premi(d, "OKBtn");
    });
    f.A("SpeedVis")->trigger();

    // An empty file opens nothing; a file that cannot be read says so.
    ScriviTutto(FileColonnare("Vuoto.Col"), {});
    f.servizi.AttendiFile(FileColonnare("Vuoto.Col"));
    f.A("DaFile3")->trigger();
    f.servizi.AttendiFile(FileColonnare("Manca.Col"));
    f.A("DaFile3")->trigger();
    ASSERT_EQ(f.servizi.Errori.size(), 1u);
    EXPECT_EQ(f.servizi.Errori[0], "Impossibile Caricare Il File Colonnare");
}

TEST(Visualizzazione, AccorpamentoAutomaticoCondensaLaListaEAnnullaLaLasciaComE)
{
    TFinestraColonne f;
    ASSERT_TRUE(f.sistema.Dati().Configurazione.AccorpamentoAutomatico);
    // All 27 columns of the last three events merge into one column of three triples.
    f.sistema.Dati().Colonne = PrimeColonne(27);
    f.w->AggiornaAbilitazioni();
    f.servizi.AttendiDialogo([&](QDialog& d) {
        auto& v = dynamic_cast<TFormVisCol&>(d);
        EXPECT_EQ(v.Colonne().Conta(), 1);
        TColonna atteso = PrimeColonne(1)[0];
        for (int i = NumEvents - 3; i < NumEvents; ++i) atteso[static_cast<std::size_t>(i)] = 7;
        EXPECT_EQ(v.Vista(0)->Modello().Colonne4()[0], atteso);
        return Premi(d, "OKBtn");
    });
    f.A("VisDaMemoria1")->trigger();
    EXPECT_EQ(f.sistema.Dati().Colonne.Conta(), 27);  // the system's own list stays as developed

    // The window itself: "Passo n", a gauge moving by more than 4 points at a time, and an
    // "Annulla" that stops at once with the merges done so far.
    TFormAccorpa a;
    EXPECT_EQ(a.windowTitle(), "Accorpamento In Corso..");
    TListaColonne l = PrimeColonne(6561);
    std::vector<std::pair<int, int>> visti;
    a.DopoProgresso = [&](int passo, int percento) {
        EXPECT_EQ(a.findChild<QLabel*>("LabelPasso")->text(), QStringLiteral("Passo %1").arg(passo));
        EXPECT_EQ(a.findChild<QProgressBar*>("Gauge")->value(), percento);
        EXPECT_TRUE(a.isVisible());
        visti.emplace_back(passo, percento);
        if (percento >= 30) a.findChild<QPushButton*>("AnnullaBtn")->click();
    };
    EXPECT_EQ(a.Accorpa(l), -1);
    EXPECT_FALSE(a.isVisible());
    ASSERT_GE(visti.size(), 2u);
    for (std::size_t k = 1; k < visti.size(); ++k)
        if (visti[k].first == visti[k - 1].first && visti[k].second != 100) {
            EXPECT_GT(visti[k].second, visti[k - 1].second + 4);
        }
    // Part merged: fewer records, still every one of the 6561 columns exactly once.
    EXPECT_LT(l.Conta(), 6561);
    EXPECT_GT(l.Conta(), 1);
    TListaColonne singole;
    for (const TColonna& c : l) {
        TListaColonne una;
        una.AggiungiEspansa(c);
        for (const TColonna& s : una) singole.Aggiungi(s);
    }
    auto chiave = [](const TColonna& x, const TColonna& y) { return x.s < y.s; };
    std::sort(singole.begin(), singole.end(), chiave);
    EXPECT_EQ(singole, PrimeColonne(6561));
}

TEST(Visualizzazione, UnoSviluppoTotoInteroSiApreInMenoDiUnSecondo)
{
    TFinestraColonne f(GiocoToto);
    f.sistema.Dati().Configurazione.AccorpamentoAutomatico = false;
    f.sistema.Dati().Colonne = PrimeColonne(1594323);
    f.w->AggiornaAbilitazioni();
    QElapsedTimer t;
    qint64 apertura = -1;
    std::vector<qint64> passi;
    f.servizi.AttendiDialogo([&](QDialog& d) {
        apertura = t.elapsed();
        auto& v = dynamic_cast<TFormVisCol&>(d);
        EXPECT_EQ(v.Barra()->maximum(), 398581 - 4);
        for (int pos : {1, 2, 3, 200000, 398577}) {
            QElapsedTimer p;
            p.start();
            v.Barra()->setValue(pos);
            QCoreApplication::processEvents();
            passi.push_back(p.nsecsElapsed() / 1000);
        }
        EXPECT_EQ(v.Vista(3)->Numero(), 398581);
        EXPECT_EQ(v.Vista(3)->Modello().Colonne4()[2], f.sistema.Dati().Colonne[1594322]);
        return Premi(d, "OKBtn");
    });
    t.start();
    f.A("VisDaMemoria1")->trigger();
    std::sort(passi.begin(), passi.end());
    std::printf("[ misura ] visualizzazione di 1594323 colonne: apertura %lld ms, passo mediano %lld us\n",
                static_cast<long long>(apertura), static_cast<long long>(passi[passi.size() / 2]));
    EXPECT_LT(apertura, 1000);
    EXPECT_LT(passi[passi.size() / 2], 16000);
}
