// The editors of sequences, values, percentages, filter columns and points-between, and the
// link editor, driven from the main window's menu on a system loaded from its file: a change
// made with the mouse lands in its own block of the file and nowhere else, "Annulla" after
// additions and deletions changes nothing, the refusals stop OK, and a system edited by
// clicks develops into the columns of the same system built through the core.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QListWidget>
#include <QSpinBox>
#include <QTableWidget>

#include "ColonnaFiltro.h"
#include "CondizioneATabelle.h"
#include "EditColonna.h"
#include "EditIntervalli.h"
#include "EditoriGruppi.h"
#include "ElencoCondizioni.h"
#include "FinestraProva.h"
#include "GruppoCondizioni.h"
#include "ModificaLink.h"
#include "PannelloSc.h"
#include "Percentuali.h"
#include "PilotaEditori.h"
#include "PuntiTra.h"
#include "RegistroFinestre.h"
#include "Sequele.h"
#include "Sviluppo.h"
#include "Valori.h"

using namespace morella;
using namespace morella::test;

namespace {

// What the tests' system holds besides the conditions they edit: values and percentages,
// and a count of signs "1" that admits 2..9 and feeds points-between group 3.
void Preparato(TSistema& s)
{
    PronosticoDiProva(s);
    for (std::size_t i = 0; i < 12; ++i) {
        s.Dati().Valori[i] = {1, 2, 3};
        s.Dati().Percentuali[i] = {50, 30, 20};
    }
    auto& segni = *s.Dati().Condizioni->Condizione<TCondizioneATabelle>(TipoNumeroSegni);
    for (int v = 2; v <= 9; ++v) segni.Tabella(0).ImpostaStato(0, v, StatoAmmesso);
    segni.Tabella(0).Sotto[0].GruppoTra = 3;
}

// The main window on that system, with the derived bytes as a look at the menu leaves them,
// so that only what an editor changes differs in the file.
struct TFinestraGruppi : TFinestraPrinc {
    TFinestraGruppi()
    {
        CaricaSistema("Gruppi.Mrl", [](TSistema& s) {
            Preparato(s);
            s.Dati().Condizioni->Prepara();
        });
    }
    TCondizione& Slot(int slot) { return *sistema.Dati().Condizioni->Condizione(slot); }
    TGruppoCondizioni& Gruppo(int slot) { return dynamic_cast<TGruppoCondizioni&>(Slot(slot)); }
};

void ClicRiga(ui::TPannelloSc* p, int evento)
{
    ASSERT_NE(p, nullptr);
    const QRect r = p->RettangoloRiga(evento);
    QTest::mouseClick(p, Qt::LeftButton, {}, QPoint(r.left() + 4, r.center().y()));
}

void ScriviSegni(QDialog& d, const char* colonna, int evento, const char* segni)
{
    auto* c = Controllo<ui::TEditColonna>(d, colonna);
    if (c) QTest::keyClicks(c->Campo(evento), QString::fromLatin1(segni));
}

void NuovoIntervallo(QDialog& d, double minimo, double massimo, bool recupero = false, int livello = 1)
{
    Controllo<QDoubleSpinBox>(d, "Minimo")->setValue(minimo);
    Controllo<QDoubleSpinBox>(d, "Massimo")->setValue(massimo);
    Controllo<QComboBox>(d, "Stato")->setCurrentIndex(recupero ? 1 : 0);
    Controllo<QSpinBox>(d, "Livello")->setValue(livello);
    Clic(d, "AggiungiIntervalloBtn");
}

struct TCaso {
    const char* voce;
    const char* titolo;
    int slot;
    std::function<void(QDialog&)> modifica;  // by clicks, on the shown element
    std::function<void(TCondizione&)> verifica;
};

std::vector<TCaso> Casi()
{
    return {
        {"Sequele1", "Sequele", TipoGruppoSequele,
         [](QDialog& d) {
             Clic(d, "AggiungiBtn");
             Clic(d, "Tipo3");
             Controllo<QSpinBox>(d, "Lunghezza")->setValue(3);
             Ammetti(Tabella(d, "TabellaPresenze"), 2, 4);
         },
         [](TCondizione& c) {
             auto& g = dynamic_cast<TGruppoCondizioni&>(c);
             ASSERT_EQ(g.Conta(), 1);
             auto& s = dynamic_cast<TSequele&>(g.Elemento(0));
             EXPECT_EQ(s.TipoSequela, TSequele::Bitermine);
             EXPECT_EQ(s.Lunghezza, 3);
             EXPECT_EQ(s.Tabella(0).Stato(0, 3), StatoAmmesso);
         }},
        {"Valori1", "Valori", TipoGruppoValori,
         [](QDialog& d) {
             Clic(d, "AggiungiBtn");
             ClicRiga(Controllo<ui::TPannelloSc>(d, "Partite"), 0);
             ClicRiga(Controllo<ui::TPannelloSc>(d, "Partite"), 4);
             NuovoIntervallo(d, 2, 4.5, true, 3);
         },
         [](TCondizione& c) {
             auto& g = dynamic_cast<TGruppoCondizioni&>(c);
             ASSERT_EQ(g.Conta(), 1);
             auto& v = dynamic_cast<TValori&>(g.Elemento(0));
             EXPECT_TRUE(v.Partite[0] && v.Partite[4] && !v.Partite[1]);
             ASSERT_EQ(v.Intervalli.NumeroIntervalli, 1);
             EXPECT_EQ(v.Intervalli.Intervalli[0].Massimo, 4.5);
             EXPECT_EQ(v.Intervalli.Intervalli[0].Stato, StatoInRecupero);
             EXPECT_EQ(v.Intervalli.Intervalli[0].Livello, 3);
         }},
        {"Percentuali1", "Percentuali", TipoGruppoPercentuali,
         [](QDialog& d) {
             Clic(d, "AggiungiBtn");
             ClicRiga(Controllo<ui::TPannelloSc>(d, "Partite"), 2);
             NuovoIntervallo(d, 0, 40);
             Controllo<QComboBox>(d, "Link")->setCurrentIndex(2);
         },
         [](TCondizione& c) {
             auto& p = dynamic_cast<TPercentuali&>(dynamic_cast<TGruppoCondizioni&>(c).Elemento(0));
             EXPECT_TRUE(p.Partite[2]);
             EXPECT_EQ(p.Intervalli.NumeroIntervalli, 1);
             EXPECT_EQ(p.Intervalli.Link, 'C');
         }},
        {"ColonneFiltro1", "Colonne Filtro", TipoGruppoColonneFiltro,
         [](QDialog& d) {
             Clic(d, "AggiungiBtn");
             ScriviSegni(d, "ColonnaFiltro", 0, "1X");
             ScriviSegni(d, "ColonnaFiltro", 5, "2");
             Ammetti(Tabella(d, "TabellaPunti"), 1, 2);
         },
         [](TCondizione& c) {
             auto& f = dynamic_cast<TColonnaFiltro&>(dynamic_cast<TGruppoCondizioni&>(c).Elemento(0));
             EXPECT_EQ(f.ColonnaFiltro[0], Segno1 | SegnoX);
             EXPECT_EQ(f.ColonnaFiltro[5], Segno2);
             EXPECT_EQ(f.ColonnaFiltro[1], 0);
             EXPECT_EQ(f.Tabella(0).Stato(0, 2), StatoAmmesso);
         }},
        {"PuntiTra1", "Punti Tra", TipoPuntiTra,
         [](QDialog& d) {
             Controllo<QSpinBox>(d, "Gruppo")->setValue(3);
             const int prima = Controllo<QTableWidget>(d, "ListaIntervalli")->rowCount();
             NuovoIntervallo(d, 2, 9);
             // Another group and back: what was added is still there.
             Controllo<QSpinBox>(d, "Gruppo")->setValue(1);
             Controllo<QSpinBox>(d, "Gruppo")->setValue(3);
             EXPECT_EQ(Controllo<QTableWidget>(d, "ListaIntervalli")->rowCount(), prima + 1);
             EXPECT_EQ(Testo(d, "TitoloCondizioni"), "Condizioni Nel Gruppo 3");
             auto* elenco = Controllo<QListWidget>(d, "Condizioni");
             ASSERT_EQ(elenco->count(), 1);
             EXPECT_TRUE(elenco->item(0)->text().endsWith("(2 - 9)"))
                 << elenco->item(0)->text().toStdString();
             EXPECT_EQ(Testo(d, "Portata"), "Punti Raggiungibili : da 2 a 9");
         },
         [](TCondizione& c) {
             auto& p = dynamic_cast<TPuntiTra&>(c);
             EXPECT_EQ(p.Gruppo(3).NumeroIntervalli, 1);
             EXPECT_EQ(p.Gruppo(1).NumeroIntervalli, 0);
             EXPECT_EQ(p.NumeroGruppi(), 3);
         }},
    };
}

TBytes BloccoDi(const TCondizione& c)
{
    TScrittoreBinario f;
    c.Scrivi(f);
    return f.Dati();
}

}  // namespace

TEST(EditoriGruppi, ModificaSalvataSoloNelSuoBlocco)
{
    for (const TCaso& caso : Casi()) {
        SCOPED_TRACE(caso.voce);
        TFinestraGruppi f;
        const TBytes prima = LeggiTutto(f.file);
        const TBytes bloccoPrima = BloccoDi(f.Slot(caso.slot));
        const auto inizio = std::search(prima.begin(), prima.end(), bloccoPrima.begin(), bloccoPrima.end());
        ASSERT_NE(inizio, prima.end());
        const auto da = static_cast<std::size_t>(inizio - prima.begin());

        // From the menu item to the editor ready for input.
        QElapsedTimer t;
        f.servizi.AttendiDialogo([&](QDialog& d) {
            const qint64 apertura = t.elapsed();
            std::printf("[ apertura ] %s %lld ms\n", caso.voce, static_cast<long long>(apertura));
            EXPECT_LT(apertura, 150) << caso.voce;
            EXPECT_EQ(d.windowTitle(), QString::fromUtf8(caso.titolo));
            caso.modifica(d);
            return Premi(d, "OKBtn");
        });
        f.ApriMenuCondizioni();
        t.start();
        f.A(caso.voce)->trigger();
        ASSERT_TRUE(f.sistema.Modificato);
        caso.verifica(f.Slot(caso.slot));
        f.ApriMenuCondizioni();
        f.A("Save1")->trigger();
        const TBytes dopo = LeggiTutto(f.file);
        const TBytes blocco = BloccoDi(f.Slot(caso.slot));
        ASSERT_EQ(dopo.size() + bloccoPrima.size(), prima.size() + blocco.size());
        // Before the block and after it, the file is what it was.
        EXPECT_TRUE(std::equal(prima.begin(), inizio, dopo.begin()));
        EXPECT_TRUE(std::equal(inizio + static_cast<std::ptrdiff_t>(bloccoPrima.size()), prima.end(),
                               dopo.begin() + static_cast<std::ptrdiff_t>(da + blocco.size())));
        EXPECT_TRUE(std::equal(blocco.begin(), blocco.end(), dopo.begin() + static_cast<std::ptrdiff_t>(da)));

        // Loaded again: the same condition.
        f.Carica(f.file);
        caso.verifica(f.Slot(caso.slot));
        f.ApriMenuCondizioni();
        EXPECT_EQ(BloccoDi(f.Slot(caso.slot)), blocco);
        f.servizi.VerificaConsumate();
    }
}

TEST(EditoriGruppi, AnnullaNonCambiaNulla)
{
    for (const TCaso& caso : Casi()) {
        SCOPED_TRACE(caso.voce);
        TFinestraGruppi f;
        // A group with an element already there: it is deleted, another added and changed.
        f.Modifica(caso.voce, [&](QDialog& d) {
            caso.modifica(d);
            return Premi(d, "OKBtn");
        });
        f.ApriMenuCondizioni();
        f.A("Save1")->trigger();
        const TBytes prima = f.sistema.Immagine();
        f.Modifica(caso.voce, [&](QDialog& d) {
            if (caso.slot != TipoPuntiTra) {
                Clic(d, "EliminaBtn");
                EXPECT_EQ(Testo(d, "Posizione"), "Nessun Elemento");
                EXPECT_FALSE(Controllo<QPushButton>(d, "EliminaBtn")->isEnabled());
            }
            caso.modifica(d);
            Clic(d, "Disattivato");
            return Premi(d, "AnnullaBtn");
        });
        EXPECT_FALSE(f.sistema.Modificato);
        f.ApriMenuCondizioni();
        EXPECT_EQ(f.sistema.Immagine(), prima);
        caso.verifica(f.Slot(caso.slot));
        f.servizi.VerificaConsumate();
    }
}

TEST(EditoriGruppi, RifiutiDellaSequela)
{
    TFinestraGruppi f;
    f.Modifica("Sequele1", [&](QDialog& d) {
        Clic(d, "AggiungiBtn");
        auto* schema = Controllo<ui::TEditColonna>(d, "Schema");
        // A pattern with a gap: refused, the dialog stays, the focus goes back to the pattern.
        ScriviSegni(d, "Schema", 0, "1");
        ScriviSegni(d, "Schema", 2, "X");
        f.servizi.AttendiDomanda(TitoloInfomazione, MessaggioSequelaNonContigua, PulsanteOk, PulsanteOk);
        EXPECT_EQ(Premi(d, "OKBtn"), -1);
        EXPECT_EQ(d.focusWidget(), schema->Campo(0));
        // One sign only: too short; moving on is refused as well.
        schema->Campo(2)->clear();
        f.servizi.AttendiDomanda(TitoloInfomazione, MessaggioSequelaCorta, PulsanteOk, PulsanteOk);
        Clic(d, "AggiungiBtn");
        EXPECT_EQ(Testo(d, "Posizione"), "Elemento 1 di 1");
        ScriviSegni(d, "Schema", 1, "2");
        EXPECT_EQ(Controllo<QSpinBox>(d, "Lunghezza")->value(), 2);
        // Another type takes the length field; a step of 0 never moves on.
        Clic(d, "AggiungiBtn");
        Clic(d, "Tipo2");
        Controllo<QSpinBox>(d, "Lunghezza")->setValue(1);
        f.servizi.AttendiDomanda(TitoloInfomazione, MessaggioSequelaCorta, PulsanteOk, PulsanteOk);
        EXPECT_EQ(Premi(d, "OKBtn"), -1);
        Controllo<QSpinBox>(d, "Lunghezza")->setValue(4);
        Controllo<QSpinBox>(d, "PassoTrovata")->setValue(0);
        f.servizi.AttendiDomanda(TitoloInfomazione, MessaggioPassoSequela, PulsanteOk, PulsanteOk);
        EXPECT_EQ(Premi(d, "OKBtn"), -1);
        Controllo<QSpinBox>(d, "PassoTrovata")->setValue(2);
        // A mirror sequence has no run page.
        Clic(d, "Tipo6");
        EXPECT_FALSE(Tabella(d, "TabellaPresenze")->TipoCons());
        return Premi(d, "OKBtn");
    });
    auto& g = f.Gruppo(TipoGruppoSequele);
    ASSERT_EQ(g.Conta(), 2);
    const auto& a = dynamic_cast<const TSequele&>(g.Elemento(0));
    EXPECT_EQ(a.Lunghezza, 2);
    EXPECT_EQ(TestoColonna(a.Schema).substr(0, 2), "12");
    const auto& b = dynamic_cast<const TSequele&>(g.Elemento(1));
    EXPECT_EQ(b.TipoSequela, TSequele::Specchio);
    EXPECT_EQ(b.Lunghezza, 4);
    EXPECT_EQ(b.PassoTrovata, 2);
    EXPECT_FALSE(b.Tabella(0).ConConsecutivita());
    f.servizi.VerificaConsumate();
}

TEST(EditoriGruppi, RifiutiDegliIntervalliEArchivio)
{
    TFinestraGruppi f;
    for (int i = 0; i < 3; ++i) {
        T_Concorso c;
        c.Numero = i + 1;
        f.archivio.Inserisci(i, c);
    }
    auto& registro = ui::RegistroFinestre();
    const auto vecchio = registro.archivioCondizione;
    int aperture = 0;
    registro.archivioCondizione = [&](TCondizione&, QWidget*) { ++aperture; };
    f.Modifica("Valori1", [&](QDialog& d) {
        Clic(d, "AggiungiBtn");
        f.servizi.AttendiDomanda(TitoloInformazione, MessaggioNessunIntervallo, PulsanteOk, PulsanteOk);
        Clic(d, "ArchivioBtn");
        EXPECT_EQ(aperture, 0);
        f.servizi.AttendiDomanda(TitoloInformazione, MessaggioMinimoMassimo, PulsanteOk, PulsanteOk);
        NuovoIntervallo(d, 5, 4);
        auto* e = Controllo<ui::TEditIntervalli>(d, "Intervalli");
        EXPECT_EQ(e->Tabella().NumeroIntervalli, 0);
        NuovoIntervallo(d, 1, 4);
        Clic(d, "ArchivioBtn");
        EXPECT_EQ(aperture, 1);
        // "Modifica" needs an interval chosen; the choice fills the fields.
        Controllo<QDoubleSpinBox>(d, "Massimo")->setValue(6);
        Clic(d, "ModificaIntervalloBtn");
        EXPECT_EQ(e->Tabella().Intervalli[0].Massimo, 4);
        Controllo<QTableWidget>(d, "ListaIntervalli")->selectRow(0);
        EXPECT_EQ(Controllo<QDoubleSpinBox>(d, "Massimo")->value(), 4);
        Controllo<QDoubleSpinBox>(d, "Massimo")->setValue(6);
        Clic(d, "ModificaIntervalloBtn");
        EXPECT_EQ(e->Tabella().Intervalli[0].Massimo, 6);
        Clic(d, "EliminaIntervalloBtn");
        EXPECT_EQ(e->Tabella().NumeroIntervalli, 0);
        EXPECT_FALSE(Controllo<QPushButton>(d, "EliminaIntervalloBtn")->isEnabled());
        return Premi(d, "AnnullaBtn");
    });
    registro.archivioCondizione = vecchio;
    f.servizi.VerificaConsumate();
}

TEST(EditoriGruppi, LinkRifiutiEAnalisi)
{
    TFinestraGruppi f;
    TElencoLink& link = *f.sistema.Dati().Link;
    link.Link[1].RifiutiPerLivello[2] = 3;
    link.Link[1].Usi = 12;
    QElapsedTimer t;
    f.servizi.AttendiDialogo([&](QDialog& d) {
        std::printf("[ apertura ] Link1 %lld ms\n", static_cast<long long>(t.elapsed()));
        EXPECT_LT(t.elapsed(), 150);
        EXPECT_EQ(d.windowTitle(), "Link");
        Clic(d, "LetteraB");
        EXPECT_EQ(Testo(d, "TitoloCondizioni"), "Condizioni Nella Link B");
        // Five errors admitted with a maximum of 3: refused, on leaving the letter and on OK.
        ClicValore(Tabella(d, "PtLink"), 5);
        Controllo<QSpinBox>(d, "EditMax")->setValue(3);
        f.servizi.AttendiDomanda(TitoloInformazione, MessaggioErroriLinkTroppoAlto, PulsanteOk, PulsanteOk);
        Clic(d, "LetteraC");
        EXPECT_TRUE(Controllo<QPushButton>(d, "LetteraB")->isChecked());
        f.servizi.AttendiDomanda(TitoloInformazione, MessaggioErroriLinkTroppoAlto, PulsanteOk, PulsanteOk);
        EXPECT_EQ(Premi(d, "OKBtn"), -1);
        Controllo<QSpinBox>(d, "EditMax")->setValue(5);
        ClicValore(Tabella(d, "PtTutteLink"), 7);
        Controllo<QSpinBox>(d, "EditMaxLinks")->setValue(6);
        f.servizi.AttendiDomanda(TitoloInformazione, MessaggioErroriTotaliTroppoAlto, PulsanteOk, PulsanteOk);
        EXPECT_EQ(Premi(d, "OKBtn"), -1);
        Controllo<QSpinBox>(d, "EditMaxLinks")->setValue(7);
        // "Analisi": the letter's refusals, counts first, then percentages.
        f.servizi.AttendiDialogo([&](QDialog& a) {
            EXPECT_EQ(a.windowTitle(), "Analisi Delle Colonne Filtrate");
            auto* g = Controllo<QTableWidget>(a, "Griglia0");
            EXPECT_EQ(g->item(1, 0)->text(), "3");
            Clic(a, "PercentualiBtn");
            EXPECT_EQ(g->item(1, 0)->text(), "25");
            // "Stampa" goes through the print preview.
            QString anteprima;
            f.servizi.AttendiDialogo([&](QDialog& p) {
                anteprima = p.windowTitle();
                return int(QDialog::Rejected);
            });
            Clic(a, "StampaBtn");
            EXPECT_FALSE(anteprima.isEmpty());
            return Premi(a, "OKBtn");
        });
        Clic(d, "AnalisiBtn");
        return Premi(d, "OKBtn");
    });
    f.ApriMenuCondizioni();
    t.start();
    f.A("Link1")->trigger();
    EXPECT_TRUE(f.sistema.Modificato);
    EXPECT_EQ(link.Link[1].Errori.Stato(0, 5), StatoAmmesso);
    EXPECT_EQ(link.ErroriTotali.Stato(0, 7), StatoAmmesso);
    EXPECT_EQ(link.Link[2].Errori.Stato(0, 5), StatoEscluso);

    // "Annulla" after a change: the links stay.
    f.sistema.Modificato = false;
    f.servizi.AttendiDialogo([](QDialog& d) {
        ClicValore(Tabella(d, "PtLink"), 1);
        return Premi(d, "AnnullaBtn");
    });
    f.A("Link1")->trigger();
    EXPECT_FALSE(f.sistema.Modificato);
    EXPECT_EQ(link.Link[0].Errori.Stato(0, 1), StatoEscluso);
    f.servizi.VerificaConsumate();
}

// The same conditions set by clicks and through the core keep the same columns.
TEST(EditoriGruppi, SviluppoComeIlNucleo)
{
    TFinestraGruppi f;
    f.Modifica("Sequele1", [](QDialog& d) {
        Clic(d, "AggiungiBtn");
        Clic(d, "Tipo2");
        Controllo<QSpinBox>(d, "Lunghezza")->setValue(2);
        Ammetti(Tabella(d, "TabellaPresenze"), 0, 3);
        return Premi(d, "OKBtn");
    });
    f.Modifica("ColonneFiltro1", [](QDialog& d) {
        Clic(d, "AggiungiBtn");
        for (int e = 0; e < 6; ++e) ScriviSegni(d, "ColonnaFiltro", e, "1");
        Ammetti(Tabella(d, "TabellaPunti"), 0, 2);
        return Premi(d, "OKBtn");
    });
    f.Modifica("Valori1", [](QDialog& d) {
        Clic(d, "AggiungiBtn");
        for (int e = 0; e < 4; ++e) ClicRiga(Controllo<ui::TPannelloSc>(d, "Partite"), e);
        NuovoIntervallo(d, 4, 8);
        return Premi(d, "OKBtn");
    });

    TSistema atteso;
    Preparato(atteso);
    TElencoCondizioni& elenco = *atteso.Dati().Condizioni;
    auto s = std::make_unique<TSequele>();
    s->TipoSequela = TSequele::Monotermine;
    s->Lunghezza = 2;
    for (int v = 0; v <= 3; ++v) s->Tabella(0).ImpostaStato(0, v, StatoAmmesso, 0);
    elenco.Condizione<TGruppoCondizioni>(TipoGruppoSequele)->Aggiungi(std::move(s));
    TColonna filtro{};
    for (std::size_t e = 0; e < 6; ++e) filtro[e] = Segno1;
    elenco.Condizione<TGruppoCondizioni>(TipoGruppoColonneFiltro)
        ->Aggiungi(CreaColonnaFiltro(filtro, {0, 1, 2}));
    auto v = std::make_unique<TValori>();
    for (std::size_t e = 0; e < 4; ++e) v->Partite[e] = true;
    v->Intervalli.Aggiungi({4, 8, StatoAmmesso, 1});
    elenco.Condizione<TGruppoCondizioni>(TipoGruppoValori)->Aggiungi(std::move(v));

    for (TSistema* sistema : {&f.sistema, &atteso}) {
        auto& imp = sistema->Dati().Impostazioni;
        imp.UsaCondizioni = true;
        imp.Autoriduzione = false;
        imp.SalvaAutomaticamente = false;
        Sviluppa(*sistema);
    }
    const TListaColonne& a = f.sistema.Dati().Colonne;
    const TListaColonne& b = atteso.Dati().Colonne;
    // Some columns go, some stay: the three groups all took part.
    EXPECT_GT(a.Conta(), 0);
    EXPECT_LT(a.Conta(), 72);
    ASSERT_EQ(a.Conta(), b.Conta());
    for (std::size_t i = 0; i < static_cast<std::size_t>(a.Conta()); ++i)
        EXPECT_EQ(TestoColonna(a[i]), TestoColonna(b[i])) << i;
    f.servizi.VerificaConsumate();
}

// The shortcuts of the menu open the same editors from the keyboard.
TEST(EditoriGruppi, ScorciatoieDaTastiera)
{
    TFinestraGruppi f;
    for (const auto& [tasto, titolo] : {std::pair{Qt::Key_F, "Colonne Filtro"},
                                        std::pair{Qt::Key_T, "Punti Tra"}, std::pair{Qt::Key_L, "Link"}}) {
        QString visto;
        f.servizi.AttendiDialogo([&](QDialog& d) {
            visto = d.windowTitle();
            return Premi(d, "AnnullaBtn");
        });
        f.ApriMenuCondizioni();
        f.w->activateWindow();
        QApplication::setActiveWindow(f.w.get());
        QTest::keyClick(f.w.get(), tasto, Qt::ControlModifier);
        EXPECT_EQ(visto, QString::fromLatin1(titolo));
    }
    f.servizi.VerificaConsumate();
}
