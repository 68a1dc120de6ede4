// The editor of the consecutiveness group, opened from the main window's menu on a system
// loaded from a file: walking the list, adding and deleting, the element's own controls,
// what OK and "Annulla" leave in the system and in its file.
#include <gtest/gtest.h>

#include <QGroupBox>

#include "AiutiCondizioni.h"
#include "Consecutivita.h"
#include "FinestraProva.h"
#include "FormConsecutivita.h"
#include "PilotaEditori.h"

using namespace morella;
using namespace morella::test;

namespace {

TGruppoCondizioni& Gruppo(TSistema& s)
{
    return *s.Dati().Condizioni->Condizione<TGruppoCondizioni>(TipoGruppoConsecutivita);
}

TConsecutivita& Elemento(TSistema& s, int i)
{
    return dynamic_cast<TConsecutivita&>(Gruppo(s).Elemento(i));
}

// Which of the list's buttons are open, as one text: P(rimo) S(inistra) D(estra) U(ltimo)
// A(ggiungi) E(limina), a dot for a closed one.
std::string Aperti(QDialog& d)
{
    std::string r;
    for (const char* nome :
         {"PrimoBtn", "SinistraBtn", "DestraBtn", "UltimoBtn", "AggiungiBtn", "EliminaBtn"}) {
        auto* b = Controllo<QPushButton>(d, nome);
        r += b && b->isEnabled() ? nome[0] : '.';
    }
    return r;
}

// The two elements the tests give the group: sign "1" for 3..5 signs with runs up to 2; sign
// "X" switched off, for 2 signs, runs 1 admitted and 2 in recupero at level 3.
void DueElementi(QDialog& d)
{
    Clic(d, "AggiungiBtn");
    Ammetti(Tabella(d, "TabellaConteggi"), 3, 5);
    Ammetti(Tabella(d, "TabellaRun"), 0, 2);
    Clic(d, "AggiungiBtn");
    Clic(d, "SegnoX");
    Clic(d, "DisattivatoS");
    ClicValore(Tabella(d, "TabellaConteggi"), 2);
    ClicValore(Tabella(d, "TabellaRun"), 1);
    ClicValore(Tabella(d, "TabellaRun"), 2, 2);
    AlzaLivello(Tabella(d, "TabellaRun"), 2, 2);
}

// The same two elements built through the core, with the levels the control leaves: a value
// it admits keeps the level it had (0 in a new table), one in recupero starts at 1.
void DueElementi(TGruppoCondizioni& g)
{
    auto a = std::make_unique<TConsecutivita>();
    for (int v = 3; v <= 5; ++v)
        a->Tabella(TConsecutivita::TabellaConteggi).ImpostaStato(0, v, StatoAmmesso, 0);
    for (int v = 0; v <= 2; ++v) a->Tabella(TConsecutivita::TabellaRun).ImpostaStato(0, v, StatoAmmesso, 0);
    g.Aggiungi(std::move(a));
    auto b = std::make_unique<TConsecutivita>();
    b->Segno = SegnoX;
    b->Attivato = false;
    b->Tabella(TConsecutivita::TabellaConteggi).ImpostaStato(0, 2, StatoAmmesso, 0);
    b->Tabella(TConsecutivita::TabellaRun).ImpostaStato(0, 1, StatoAmmesso, 0);
    b->Tabella(TConsecutivita::TabellaRun).ImpostaStato(0, 2, StatoInRecupero, 3);
    g.Aggiungi(std::move(b));
}

}  // namespace

TEST(EditoreConsecutivita, ListaPulsantiEPaginaVuota)
{
    TFinestraProva f;
    f.Modifica("Consecutivit1", [](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Consecutività  Differenziata dei Segni"));
        // An empty group: an empty page, only "AggiungiBtn" open.
        EXPECT_EQ(Testo(d, "Posizione"), "Nessun Elemento");
        EXPECT_EQ(Aperti(d), "....A.");
        EXPECT_FALSE(Controllo<QGroupBox>(d, "Elemento")->isEnabled());
        Clic(d, "AggiungiBtn");
        EXPECT_EQ(Testo(d, "Posizione"), "Elemento 1 di 1");
        EXPECT_EQ(Aperti(d), "....AE");
        EXPECT_TRUE(Controllo<QGroupBox>(d, "Elemento")->isEnabled());
        // A new element: sign "1", switched on, nothing admitted.
        EXPECT_TRUE(Controllo<QRadioButton>(d, "Segno1")->isChecked());
        EXPECT_TRUE(Controllo<QRadioButton>(d, "AttivatoS")->isChecked());
        EXPECT_FALSE(Tabella(d, "TabellaRun")->Modello().PaginaMarcata(TPaginaGraphPt::Punti));
        Clic(d, "Segno2");
        ClicValore(Tabella(d, "TabellaConteggi"), 6);
        Clic(d, "AggiungiBtn");
        Clic(d, "AggiungiBtn");
        EXPECT_EQ(Testo(d, "Posizione"), "Elemento 3 di 3");
        EXPECT_EQ(Aperti(d), "PS..AE");
        Clic(d, "PrimoBtn");
        EXPECT_EQ(Aperti(d), "..DUAE");
        // What was set on the first element was kept when the page moved on.
        EXPECT_TRUE(Controllo<QRadioButton>(d, "Segno2")->isChecked());
        EXPECT_EQ(Tabella(d, "TabellaConteggi")->Modello().Voce(0, 6).Stato, StatoAmmesso);
        // Deleting the shown element: the list and the page follow the core's choice.
        Clic(d, "EliminaBtn");
        EXPECT_EQ(Testo(d, "Posizione"), "Elemento 1 di 2");
        EXPECT_TRUE(Controllo<QRadioButton>(d, "Segno1")->isChecked());
        Clic(d, "EliminaBtn");
        Clic(d, "EliminaBtn");
        EXPECT_EQ(Testo(d, "Posizione"), "Nessun Elemento");
        EXPECT_EQ(Aperti(d), "....A.");
        EXPECT_FALSE(Controllo<QGroupBox>(d, "Elemento")->isEnabled());
        // Nothing is left of all that: OK changes nothing.
        return Premi(d, "OKBtn");
    });
    EXPECT_EQ(Gruppo(f.sistema).Conta(), 0);
    EXPECT_FALSE(f.sistema.Modificato);
    f.servizi.VerificaConsumate();
}

TEST(EditoreConsecutivita, OkSalvaRicarica)
{
    TFinestraProva f;
    f.Modifica("Consecutivit1", [](QDialog& d) {
        DueElementi(d);
        // Back to the first and on to the last: each page shows what was set on it.
        Clic(d, "PrimoBtn");
        EXPECT_TRUE(Controllo<QRadioButton>(d, "Segno1")->isChecked());
        EXPECT_TRUE(Controllo<QRadioButton>(d, "AttivatoS")->isChecked());
        Clic(d, "UltimoBtn");
        EXPECT_TRUE(Controllo<QRadioButton>(d, "SegnoX")->isChecked());
        EXPECT_TRUE(Controllo<QRadioButton>(d, "DisattivatoS")->isChecked());
        EXPECT_EQ(Tabella(d, "TabellaRun")->Modello().Voce(0, 2).Stato, StatoInRecupero);
        EXPECT_EQ(Tabella(d, "TabellaRun")->Modello().Livello(0, 2), 3);
        return Premi(d, "OKBtn");
    });
    EXPECT_TRUE(f.sistema.Modificato);
    ASSERT_EQ(Gruppo(f.sistema).Conta(), 2);
    // Each element's path follows its group's and names its sign.
    EXPECT_EQ(Elemento(f.sistema, 1).Percorso, Gruppo(f.sistema).Percorso + "\\Consecutività Segno X");

    // Saved: the file is the one the core writes for the same system, and the group body in
    // it is the kind-38 blocks (kind, switch, sign, two 76-byte tables) and the byte 100.
    f.ApriMenuCondizioni();  // prepares the conditions, as the core's system below will be
    f.A("Save1")->trigger();
    EXPECT_FALSE(f.sistema.Modificato);
    const TBytes file = LeggiTutto(f.file);
    TSistema atteso;
    PronosticoDiProva(atteso);
    DueElementi(Gruppo(atteso));
    atteso.Dati().Condizioni->Prepara();
    EXPECT_EQ(file, atteso.Immagine());
    const TBytes corpo = test::Blocco(Gruppo(atteso));
    ASSERT_EQ(corpo.size(), 2u + 2 * (3 + 2 * 76) + 1);
    EXPECT_EQ(corpo[2], TipoConsecutivita);
    EXPECT_EQ(corpo[2 + 155], TipoConsecutivita);
    EXPECT_EQ(corpo.back(), FineLista);
    EXPECT_NE(std::search(file.begin(), file.end(), corpo.begin(), corpo.end()), file.end());

    // Loaded again, the editor shows it as it was.
    f.servizi.AttendiFile(f.file);
    f.A("Carica")->trigger();
    ASSERT_EQ(Gruppo(f.sistema).Conta(), 2);
    EXPECT_EQ(Elemento(f.sistema, 1).Segno, SegnoX);
    f.Modifica("Consecutivit1", [](QDialog& d) {
        EXPECT_EQ(Testo(d, "Posizione"), "Elemento 1 di 2");
        EXPECT_EQ(Tabella(d, "TabellaConteggi")->Modello().Voce(0, 4).Stato, StatoAmmesso);
        Clic(d, "DestraBtn");
        EXPECT_TRUE(Controllo<QRadioButton>(d, "DisattivatoS")->isChecked());
        return Premi(d, "AnnullaBtn");
    });
    f.servizi.VerificaConsumate();
}

TEST(EditoreConsecutivita, OkSenzaCambiamentiEAnnulla)
{
    TFinestraProva f;
    DueElementi(Gruppo(f.sistema));
    f.sistema.Modificato = false;
    f.ApriMenuCondizioni();
    const TBytes prima = f.sistema.Immagine();
    const TCondizione* primo = &Gruppo(f.sistema).Elemento(0);

    // Looking around and clicking a value round back to where it was: OK marks nothing.
    f.Modifica("Consecutivit1", [](QDialog& d) {
        Clic(d, "UltimoBtn");
        ClicValore(Tabella(d, "TabellaRun"), 7, 3);
        Clic(d, "SegnoX");
        Clic(d, "PrimoBtn");
        return Premi(d, "OKBtn");
    });
    EXPECT_FALSE(f.sistema.Modificato);
    EXPECT_EQ(&Gruppo(f.sistema).Elemento(0), primo);
    EXPECT_EQ(f.sistema.Immagine(), prima);

    // "Annulla" after every kind of change leaves the group as it was.
    f.Modifica("Consecutivit1", [](QDialog& d) {
        Clic(d, "Segno2");
        ClicValore(Tabella(d, "TabellaConteggi"), 9);
        Clic(d, "DestraBtn");
        Clic(d, "EliminaBtn");
        Clic(d, "AggiungiBtn");
        Clic(d, "Disattivato");
        Clic(d, "AzzeraBtn");
        return Premi(d, "AnnullaBtn");
    });
    EXPECT_FALSE(f.sistema.Modificato);
    EXPECT_EQ(&Gruppo(f.sistema).Elemento(0), primo);
    f.ApriMenuCondizioni();
    EXPECT_EQ(f.sistema.Immagine(), prima);

    // The group's own switch alone is a change.
    f.Modifica("Consecutivit1", [](QDialog& d) {
        Clic(d, "Disattivato");
        return Premi(d, "OKBtn");
    });
    EXPECT_TRUE(f.sistema.Modificato);
    EXPECT_FALSE(Gruppo(f.sistema).Attivato);
    EXPECT_EQ(Gruppo(f.sistema).Conta(), 2);
    f.servizi.VerificaConsumate();
}

TEST(EditoreConsecutivita, AzzeraTuttiGliElementi)
{
    TFinestraProva f;
    DueElementi(Gruppo(f.sistema));
    Gruppo(f.sistema).Attivato = false;
    f.Modifica("Consecutivit1", [](QDialog& d) {
        Clic(d, "AzzeraBtn");
        EXPECT_TRUE(Controllo<QRadioButton>(d, "Attivato")->isChecked());
        EXPECT_FALSE(Tabella(d, "TabellaRun")->Modello().PaginaMarcata(TPaginaGraphPt::Punti));
        Clic(d, "DestraBtn");
        // The other element too; its sign stays, its switch is on again.
        EXPECT_TRUE(Controllo<QRadioButton>(d, "SegnoX")->isChecked());
        EXPECT_TRUE(Controllo<QRadioButton>(d, "AttivatoS")->isChecked());
        EXPECT_FALSE(Tabella(d, "TabellaRun")->Modello().PaginaMarcata(TPaginaGraphPt::Punti));
        return Premi(d, "OKBtn");
    });
    EXPECT_TRUE(f.sistema.Modificato);
    EXPECT_TRUE(Gruppo(f.sistema).Attivato);
    ASSERT_EQ(Gruppo(f.sistema).Conta(), 2);
    for (int i = 0; i < 2; ++i)
        for (int t = 0; t < 2; ++t) EXPECT_FALSE(Elemento(f.sistema, i).Tabella(t).HaStati(0));
    f.servizi.VerificaConsumate();
}

TEST(EditoreConsecutivita, SegniDelMenuPrimaEDopo)
{
    TFinestraProva f;
    f.ApriMenuCondizioni();
    EXPECT_FALSE(f.A("Consecutivit1")->isChecked());
    // An element with a sign count but no run admitted is not active: still no mark.
    f.Modifica("Consecutivit1", [](QDialog& d) {
        Clic(d, "AggiungiBtn");
        ClicValore(Tabella(d, "TabellaConteggi"), 4);
        return Premi(d, "OKBtn");
    });
    f.ApriMenuCondizioni();
    EXPECT_FALSE(f.A("Consecutivit1")->isChecked());
    f.Modifica("Consecutivit1", [](QDialog& d) {
        ClicValore(Tabella(d, "TabellaRun"), 2);
        return Premi(d, "OKBtn");
    });
    f.ApriMenuCondizioni();
    EXPECT_TRUE(f.A("Consecutivit1")->isChecked());
    // The element switched off: no mark; the group switched off: no mark either.
    f.Modifica("Consecutivit1", [](QDialog& d) {
        Clic(d, "DisattivatoS");
        return Premi(d, "OKBtn");
    });
    f.ApriMenuCondizioni();
    EXPECT_FALSE(f.A("Consecutivit1")->isChecked());
    f.Modifica("Consecutivit1", [](QDialog& d) {
        Clic(d, "AttivatoS");
        Clic(d, "Disattivato");
        return Premi(d, "OKBtn");
    });
    f.ApriMenuCondizioni();
    EXPECT_FALSE(f.A("Consecutivit1")->isChecked());
    f.servizi.VerificaConsumate();
}
