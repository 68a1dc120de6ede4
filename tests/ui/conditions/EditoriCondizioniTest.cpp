// The editors of the whole-column conditions as the player reaches them: from the
// "&Condizioni" menu of the main window on a system loaded from its file, one change made
// with the mouse, OK, saved, loaded again. Also what an untouched OK, "Annulla" and
// "Azzera " do, and which editors keep their window between uses.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>
#include <algorithm>

#include "Archivio.h"
#include "Cartelle.h"
#include "CondizioneATabelle.h"
#include "EditoriCondizioni.h"
#include "ElencoCondizioni.h"
#include "FabbricaCondizioni.h"
#include "FinestraProva.h"
#include "FormPrinc.h"
#include "ProvaUi.h"
#include "RegistroFinestre.h"

using namespace morella;
using namespace morella::ui;
using morella::test::LeggiTutto;
using morella::test::Premi;
using morella::test::TProgrammaProva;
using morella::test::TServiziProva;

namespace {

struct TEditore {
    TipoCondizione tipo;
    const char* voce;    // the menu item
    const char* titolo;  // the window's caption
    int tabella;         // the table the test edits
    int pagina;          // the vortex page that shows it (-1 elsewhere)
};

std::ostream& operator<<(std::ostream& o, const TEditore& e)
{
    return o << e.titolo;
}

const TEditore Editori[] = {
    {TipoNumeroSegni, "NumeroDiSegni1", "Numero Di Segni", 1, -1},
    {TipoPariDispari, "ParieDispari1", "Pari e Dispari", 1, -1},
    {TipoInterruzioni, "Interruzioni1", "Interruzioni", 3, -1},
    {TipoSimmetrie, "Simmetrie1", "Simmetrie", 2, -1},
    {TipoModulo, "Modulo1", "Modulo", 1, -1},
    {TipoRipetizioni, "Ripetizioni1", "Ripetizioni", 0, -1},
    {TipoVortice, "BlackHole1", "Vortice", 4, 1},
};

// The main window on a system with a complete prediction, saved and loaded from its file.
struct TFinestra : test::TFinestraPrinc {
    explicit TFinestra(int gioco) : TFinestraPrinc(gioco)
    {
        CaricaSistema("Condizioni.Mrl", [](TSistema& scritto) {
            for (int i = 0; i < NumEvents; ++i) scritto.Dati().Pronostico[static_cast<std::size_t>(i)] = 1;
            // Something in another condition, so a stray write elsewhere shows.
            auto* segni = scritto.Dati().Condizioni->Condizione<TCondizioneATabelle>(TipoNumeroSegni);
            segni->Tabella(0).ImpostaStato(0, 2, StatoInRecupero, 5);
            // The derived in-use bytes as the program leaves them after a look at the menu.
            scritto.Dati().Condizioni->Prepara();
        });
    }
    TCondizioneATabelle& Condizione(TipoCondizione tipo)
    {
        return *sistema.Dati().Condizioni->Condizione<TCondizioneATabelle>(tipo);
    }
    // Where the block of a slot begins in the file: the container block is found whole in
    // the image, the slots before this one are skipped by their own block lengths.
    std::size_t InizioBlocco(int slot) const
    {
        const TElencoCondizioni& elenco = *sistema.Dati().Condizioni;
        TScrittoreBinario tutto;
        elenco.Scrivi(tutto);
        const TBytes immagine = LeggiTutto(file);
        const auto it =
            std::search(immagine.begin(), immagine.end(), tutto.Dati().begin(), tutto.Dati().end());
        EXPECT_NE(it, immagine.end());
        std::size_t inizio = static_cast<std::size_t>(it - immagine.begin());
        for (int s = 1; s < slot; ++s) {
            TScrittoreBinario b;
            elenco.Condizione(s)->Scrivi(b);
            inizio += b.Dati().size();
        }
        return inizio;
    }
};

TGraphPt* Controllo(QDialog& d, int tabella)
{
    auto* g = d.findChild<TGraphPt*>(QStringLiteral("GraphPt%1").arg(tabella));
    EXPECT_NE(g, nullptr) << tabella;
    return g;
}

// The player pages to the end of a table's row and clicks its last value once.
void AmmettiUltimoValore(TGraphPt& g)
{
    for (int i = 0; i < 60; ++i)
        QTest::mouseClick(g.Griglia(), Qt::LeftButton, {}, g.Griglia()->Punto(TZonaGraphPt::FrecciaDestra));
    const int ultimo = g.Modello().BoxUsati() - 1;
    QTest::mouseClick(g.Griglia(), Qt::LeftButton, {}, g.Griglia()->Punto(TZonaGraphPt::Valore, ultimo));
}

class EditoriCondizioni : public ::testing::TestWithParam<TEditore> {};

}  // namespace

TEST_P(EditoriCondizioni, ModificaSalvataNelBloccoGiusto)
{
    const TEditore e = GetParam();
    for (int gioco : {GiocoTotip, GiocoToto}) {
        TFinestra f(gioco);
        const TBytes prima = LeggiTutto(f.file);
        const int massimo = f.Condizione(e.tipo).Tabella(e.tabella).Massimo();
        f.servizi.AttendiDialogo([&](QDialog& d) {
            EXPECT_EQ(d.windowTitle(), QString::fromUtf8(e.titolo));
            if (e.pagina >= 0)
                d.findChild<QTabWidget*>(QStringLiteral("PageControl"))->setCurrentIndex(e.pagina);
            TGraphPt* g = Controllo(d, e.tabella);
            if (!g) return int(QDialog::Rejected);
            EXPECT_EQ(g->PtTotali(), massimo);
            AmmettiUltimoValore(*g);
            return Premi(d, "OKBtn");
        });
        QAction* voce = f.w->Azione(QString::fromLatin1(e.voce));
        ASSERT_TRUE(voce->isEnabled());
        voce->trigger();
        EXPECT_TRUE(f.sistema.Modificato);
        EXPECT_EQ(f.Condizione(e.tipo).Tabella(e.tabella).Stato(0, massimo), StatoAmmesso);
        f.w->AggiornaSegniCondizioni();
        // Repetitions stay inactive without contests to compare with.
        EXPECT_EQ(voce->isChecked(), e.tipo != TipoRipetizioni);

        f.w->Azione(QStringLiteral("Save1"))->trigger();
        const TBytes dopo = LeggiTutto(f.file);
        ASSERT_EQ(dopo.size(), prima.size());
        // The state byte of the value: kind and switch, the tables before, the sub-table's
        // InUso, link and group, then two bytes per value.
        std::size_t inUso = f.InizioBlocco(e.tipo) + 2;
        for (int i = 0; i < e.tabella; ++i)
            inUso += TTabellaValori::DimensioneBlocco(f.Condizione(e.tipo).Tabella(i).Massimo());
        const std::size_t stato = inUso + 4 + 2 * static_cast<std::size_t>(massimo);
        EXPECT_EQ(dopo[stato], StatoAmmesso) << gioco;
        for (std::size_t i = 0; i < dopo.size(); ++i)
            if (i != stato && i != inUso) {
                EXPECT_EQ(dopo[i], prima[i]) << "byte " << i << ", gioco " << gioco;
            }

        // Loaded again, the value is there and nothing is pending.
        f.servizi.AttendiFile(f.file);
        f.w->Azione(QStringLiteral("Carica"))->trigger();
        EXPECT_EQ(f.Condizione(e.tipo).Tabella(e.tabella).Stato(0, massimo), StatoAmmesso);
        EXPECT_FALSE(f.sistema.Modificato);
        f.servizi.VerificaConsumate();
    }
}

TEST_P(EditoriCondizioni, OkSenzaCambiEAnnulla)
{
    const TEditore e = GetParam();
    TFinestra f(GiocoTotip);
    TCondizioneATabelle& c = f.Condizione(e.tipo);
    const TBytes prima = LeggiTutto(f.file);
    // Clicked round to where it was, then OK: the table is copied but nothing changed.
    f.servizi.AttendiDialogo([&](QDialog& d) {
        if (e.pagina >= 0) d.findChild<QTabWidget*>(QStringLiteral("PageControl"))->setCurrentIndex(e.pagina);
        TGraphPt* g = Controllo(d, e.tabella);
        for (int i = 0; i < 3 && g; ++i)
            QTest::mouseClick(g->Griglia(), Qt::LeftButton, {}, g->Griglia()->Punto(TZonaGraphPt::Valore, 0));
        return Premi(d, "OKBtn");
    });
    EXPECT_EQ(c.Modifica(), EsitoConfermato);
    // The same through the menu, untouched.
    f.servizi.AttendiDialogo([](QDialog& d) { return Premi(d, "OKBtn"); });
    f.w->Azione(QString::fromLatin1(e.voce))->trigger();
    EXPECT_FALSE(f.sistema.Modificato);

    // "Annulla" after changes to a table and to the switch: nothing reaches the condition.
    f.servizi.AttendiDialogo([&](QDialog& d) {
        if (e.pagina >= 0) d.findChild<QTabWidget*>(QStringLiteral("PageControl"))->setCurrentIndex(e.pagina);
        if (TGraphPt* g = Controllo(d, e.tabella))
            QTest::mouseClick(g->Griglia(), Qt::LeftButton, {}, g->Griglia()->Punto(TZonaGraphPt::Valore, 1));
        d.findChild<QRadioButton*>(QStringLiteral("Disattivato"))->setChecked(true);
        return Premi(d, "AnnullaBtn");
    });
    f.w->Azione(QString::fromLatin1(e.voce))->trigger();
    EXPECT_FALSE(f.sistema.Modificato);
    EXPECT_TRUE(c.Attivato);
    EXPECT_EQ(c.Tabella(e.tabella).Stato(0, 1), StatoEscluso);
    f.w->Azione(QStringLiteral("Save1"))->trigger();
    EXPECT_EQ(LeggiTutto(f.file), prima);
    f.servizi.VerificaConsumate();
}

INSTANTIATE_TEST_SUITE_P(Tutti, EditoriCondizioni, ::testing::ValuesIn(Editori));

TEST(EditoriCondizioni, AzzeraPoiOkAzzeraDavvero)
{
    TFinestra f(GiocoTotip);
    TCondizioneATabelle& segni = f.Condizione(TipoNumeroSegni);
    segni.Attivato = false;
    segni.Tabella(2).Sotto[1].Link = 'K';
    segni.Tabella(1).AEvento = 6;
    // The switch and the tables as the player found them: Azzera resets them in the window.
    f.servizi.AttendiDialogo([](QDialog& d) {
        EXPECT_TRUE(d.findChild<QRadioButton*>(QStringLiteral("Disattivato"))->isChecked());
        d.findChild<QPushButton*>(QStringLiteral("AzzeraBtn"))->click();
        EXPECT_TRUE(d.findChild<QRadioButton*>(QStringLiteral("Attivato"))->isChecked());
        for (auto* g : d.findChildren<TGraphPt*>()) EXPECT_TRUE(g->Modificato());
        return Premi(d, "OKBtn");
    });
    f.w->Azione(QStringLiteral("NumeroDiSegni1"))->trigger();
    EXPECT_TRUE(f.sistema.Modificato);
    EXPECT_TRUE(segni.Attivato);
    for (int i = 0; i < segni.NumeroTabelle(); ++i) {
        TTabellaValori azzerata = segni.Tabella(i);
        azzerata.Azzera();
        EXPECT_TRUE(StessiValori(segni.Tabella(i), azzerata)) << i;
        EXPECT_EQ(segni.Tabella(i).Sotto, azzerata.Sotto) << i;
    }
    f.w->AggiornaSegniCondizioni();
    EXPECT_FALSE(f.w->Azione(QStringLiteral("NumeroDiSegni1"))->isChecked());

    // Azzera then Annulla: nothing reset.
    segni.Tabella(0).ImpostaStato(0, 3, StatoAmmesso);
    f.sistema.Modificato = false;
    f.servizi.AttendiDialogo([](QDialog& d) {
        d.findChild<QPushButton*>(QStringLiteral("AzzeraBtn"))->click();
        return Premi(d, "AnnullaBtn");
    });
    f.w->Azione(QStringLiteral("NumeroDiSegni1"))->trigger();
    EXPECT_EQ(segni.Tabella(0).Stato(0, 3), StatoAmmesso);
    EXPECT_FALSE(f.sistema.Modificato);
    f.servizi.VerificaConsumate();
}

TEST(EditoriCondizioni, TabelleCopiateUnaVoltaSola)
{
    // What a group editor does when it leaves an element: copy the tables, and only once.
    test::TGiocoTemporaneo gioco(GiocoTotip);
    auto c = CreaCondizione(TipoSimmetrie);
    auto& tabelle = dynamic_cast<TCondizioneATabelle&>(*c);
    TFormTabelle f(TipoSimmetrie);
    f.ImpostaOggetto(*c);
    f.AggiornaForm();
    f.show();
    TGraphPt* g = f.Tabelle().at(2);
    EXPECT_EQ(g->Titolo(), "Totali");
    EXPECT_EQ(g->PtTotali(), 12);
    EXPECT_FALSE(g->TipoCons());
    QTest::mouseClick(g->Griglia(), Qt::LeftButton, {}, g->Griglia()->Punto(TZonaGraphPt::Valore, 5));
    EXPECT_TRUE(f.AcquisisceTabelle());
    EXPECT_EQ(tabelle.Tabella(2).Stato(0, 5), StatoAmmesso);
    EXPECT_FALSE(g->Modificato());
    EXPECT_FALSE(f.AcquisisceTabelle());
    // The element changed behind the window's back is not overwritten by a stale control.
    tabelle.Tabella(2).ImpostaStato(0, 6, StatoAmmesso);
    EXPECT_FALSE(f.AcquisisceForm());
    EXPECT_EQ(tabelle.Tabella(2).Stato(0, 6), StatoAmmesso);
}

TEST(EditoriCondizioni, VorticeSegniAmmessiEPaginaConservata)
{
    TFinestra f(GiocoTotip);
    TCondizioneATabelle& v = f.Condizione(TipoVortice);
    v.Tabella(5).ImpostaStato(0, 2, StatoInRecupero, 3);
    QDialog* prima = nullptr;
    f.servizi.AttendiDialogo([&](QDialog& d) {
        prima = &d;
        auto* form = dynamic_cast<TFormVortice*>(&d);
        EXPECT_NE(form, nullptr);
        if (!form) return int(QDialog::Rejected);
        EXPECT_EQ(form->Pagine()->tabText(0), "Diretto");
        EXPECT_EQ(form->Pagine()->tabText(1), "Inverso");
        EXPECT_TRUE(form->Casella(1, 2)->isChecked());  // in recupero counts as admitted
        form->Pagine()->setCurrentIndex(1);
        form->Casella(1, 1)->setChecked(true);
        form->Casella(0, 0)->setChecked(true);
        return Premi(d, "OKBtn");
    });
    f.w->Azione(QStringLiteral("BlackHole1"))->trigger();
    EXPECT_TRUE(f.sistema.Modificato);
    EXPECT_EQ(v.Tabella(2).Stato(0, 0), StatoAmmesso);
    EXPECT_EQ(v.Tabella(5).Stato(0, 1), StatoAmmesso);
    EXPECT_EQ(v.Tabella(5).Stato(0, 2), StatoInRecupero);
    EXPECT_EQ(v.Tabella(5).Livello(0, 2), 3);

    // The same window comes back on the page it was left on.
    f.servizi.AttendiDialogo([&](QDialog& d) {
        EXPECT_EQ(&d, prima);
        EXPECT_EQ(d.findChild<QTabWidget*>(QStringLiteral("PageControl"))->currentIndex(), 1);
        return Premi(d, "AnnullaBtn");
    });
    f.w->Azione(QStringLiteral("BlackHole1"))->trigger();
    // Made per use: a new window each time.
    QDialog* pari = nullptr;
    for (int volta = 0; volta < 2; ++volta) {
        f.servizi.AttendiDialogo([&](QDialog& d) {
            EXPECT_NE(&d, pari);
            pari = &d;
            return Premi(d, "AnnullaBtn");
        });
        f.w->Azione(QStringLiteral("ParieDispari1"))->trigger();
    }
    f.servizi.VerificaConsumate();
}

TEST(EditoriCondizioni, CornicePulsantiEDidascalie)
{
    TFinestra f(GiocoTotip);
    f.servizi.AttendiDialogo([](QDialog& d) {
        QStringList titoli;
        for (auto* g : d.findChildren<TGraphPt*>()) titoli << g->Titolo() + "|" + g->TitoloCons();
        EXPECT_EQ(titoli, (QStringList{"Pari|Consecutività Pari", "Dispari|Consecutività Dispari"}));
        // No window to open yet: both stay off whatever the archive holds.
        EXPECT_FALSE(d.findChild<QPushButton*>(QStringLiteral("ArchivioBtn"))->isEnabled());
        EXPECT_FALSE(d.findChild<QPushButton*>(QStringLiteral("AnalisiBtn"))->isEnabled());
        EXPECT_EQ(d.findChild<QPushButton*>(QStringLiteral("AzzeraBtn"))->text(), "Azzera ");
        return Premi(d, "AnnullaBtn");
    });
    f.w->Azione(QStringLiteral("ParieDispari1"))->trigger();

    // With its window registered, "Archivio" opens on the condition once there are two
    // contests; "Analisi" still wants the system's columns.
    std::vector<const TCondizione*> aperte;
    RegistroFinestre().archivioCondizione = [&](TCondizione& c, QWidget*) { aperte.push_back(&c); };
    RegistroFinestre().analisiCondizione = [&](TCondizione& c, QWidget*) { aperte.push_back(&c); };
    for (int concorsi = 1; concorsi <= 2; ++concorsi) {
        f.archivio.Inserisci(0, T_Concorso{});
        f.servizi.AttendiDialogo([concorsi](QDialog& d) {
            auto* archivio = d.findChild<QPushButton*>(QStringLiteral("ArchivioBtn"));
            EXPECT_EQ(archivio->isEnabled(), concorsi > 1);
            EXPECT_FALSE(d.findChild<QPushButton*>(QStringLiteral("AnalisiBtn"))->isEnabled());
            if (archivio->isEnabled()) archivio->click();
            return Premi(d, "AnnullaBtn");
        });
        f.w->Azione(QStringLiteral("Simmetrie1"))->trigger();
    }
    RegistroFinestre().archivioCondizione = {};
    RegistroFinestre().analisiCondizione = {};
    EXPECT_EQ(aperte,
              std::vector<const TCondizione*>{f.sistema.Dati().Condizioni->Condizione(TipoSimmetrie)});
    f.servizi.VerificaConsumate();
}
