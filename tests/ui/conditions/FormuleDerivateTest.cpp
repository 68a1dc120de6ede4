// The derived formulas editor: moving formulas between the two lists with the buttons, and
// the editor opened from the main window's menu on a system read from a file.
#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTest>

#include "Archivio.h"
#include "CartellaTemporanea.h"
#include "Cartelle.h"
#include "EditoriCondizioni.h"
#include "FinestraProva.h"
#include "FormPrinc.h"
#include "FormuleDerivate.h"
#include "ProvaUi.h"
#include "SceltaFormule.h"
#include "Sviluppo.h"

using namespace morella;
using namespace morella::ui;

namespace {

void Scegli(QListWidget& l, std::initializer_list<int> formule)
{
    l.clearSelection();
    for (int i = 0; i < l.count(); ++i)
        for (int f : formule)
            if (l.item(i)->data(Qt::UserRole).toInt() == f) l.item(i)->setSelected(true);
}

void Clic(QWidget& w, const char* nome)
{
    auto* b = w.findChild<QPushButton*>(QString::fromLatin1(nome));
    ASSERT_NE(b, nullptr) << nome;
    QTest::mouseClick(b, Qt::LeftButton);
}

}  // namespace

TEST(SceltaFormule, PulsantiSpostanoLeFormule)
{
    test::TGiocoTemporaneo gioco(GiocoEnalotto);
    TSceltaFormule s;
    TListeFormule::TFlag f{};
    f[10] = true;
    s.Carica(f, 90);
    s.show();
    QSignalSpy modifiche(&s, &TSceltaFormule::OnModificato);
    EXPECT_EQ(s.Formule(s.Incluse()), std::vector<int>{10});
    ASSERT_EQ(s.Escluse()->count(), 90);
    EXPECT_EQ(s.Escluse()->item(89)->text(), QStringLiteral(" 90    0-12- 0"));

    // Nothing chosen: the arrow does nothing.
    s.Escluse()->clearSelection();
    Clic(s, "IncludiBtn");
    EXPECT_EQ(modifiche.count(), 0);

    Scegli(*s.Escluse(), {90, 0, 45});
    Clic(s, "IncludiBtn");
    EXPECT_EQ(s.Formule(s.Incluse()), (std::vector<int>{0, 10, 45, 90}));
    EXPECT_EQ(s.Escluse()->count(), 87);
    EXPECT_TRUE(s.Modificato());
    EXPECT_EQ(modifiche.count(), 1);
    // The moved formulas stay chosen on their new side: "<-" undoes the move.
    Clic(s, "EscludiBtn");
    EXPECT_EQ(s.Formule(s.Incluse()), std::vector<int>{10});
    EXPECT_FALSE(s.Modificato());

    Clic(s, "IncludiTutteBtn");
    EXPECT_EQ(s.Incluse()->count(), 91);
    EXPECT_EQ(s.Escluse()->count(), 0);
    Clic(s, "EscludiTutteBtn");
    EXPECT_EQ(s.Escluse()->count(), 91);
    TListeFormule::TFlag out{};
    out[100] = true;  // beyond this game's formulas: left alone
    s.Copia(out);
    for (int i = 0; i <= 90; ++i) EXPECT_FALSE(out[static_cast<std::size_t>(i)]);
    EXPECT_TRUE(out[100]);
}

namespace {

struct TFinestraFormule : test::TFinestraPrinc {
    TFinestraFormule() : TFinestraPrinc(GiocoEnalotto) {}
    TFormuleDerivate& Condizione()
    {
        return *sistema.Dati().Condizioni->Condizione<TFormuleDerivate>(TipoFormuleDerivate);
    }
    void Apri(std::function<int(QDialog&)> pilota)
    {
        servizi.AttendiDialogo(std::move(pilota));
        QAction* voce = w->Azione(QStringLiteral("FormuleDerivate1"));
        ASSERT_NE(voce, nullptr);
        ASSERT_TRUE(voce->isEnabled());
        voce->trigger();
    }
};

TSceltaFormule& SceltaIn(QDialog& d)
{
    auto* s = d.findChild<TSceltaFormule*>();
    EXPECT_NE(s, nullptr);
    return *s;
}

}  // namespace

TEST(FormFormuleDerivate, DalMenuAlFileERitorno)
{
    TFinestraFormule f;
    // A system on disk admitting two formulas.
    {
        TSistema s;
        auto& fd = *s.Dati().Condizioni->Condizione<TFormuleDerivate>(TipoFormuleDerivate);
        fd.FormuleAmmesse[5] = fd.FormuleAmmesse[17] = true;
        s.NomeFile = UnisciPercorso(CartellaSistemi(), "Formule.Mrl");
        s.SenzaNome = false;
        s.Salva();
    }
    const std::string file = UnisciPercorso(CartellaSistemi(), "Formule.Mrl");
    const std::vector<std::uint8_t> prima = test::LeggiTutto(file);
    f.Carica(file);
    ASSERT_TRUE(f.Condizione().FormuleAmmesse[5]);
    ASSERT_FALSE(f.sistema.Modificato);

    // The window's own caption, lists and frame.
    f.Apri([](QDialog& d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Formule Derivate"));
        QStringList pulsanti;
        for (auto* b : d.findChildren<QPushButton*>()) pulsanti << b->text();
        for (const char* testo : {"OK", "Annulla", "Azzera ", "Archivio", "Analisi", "->", "<-", ">>", "<<"})
            EXPECT_TRUE(pulsanti.contains(QString::fromLatin1(testo))) << testo;
        EXPECT_NE(d.findChild<QPushButton*>(QStringLiteral("OKBtn")), nullptr);
        EXPECT_NE(d.findChild<QRadioButton*>(QStringLiteral("Attivato")), nullptr);
        EXPECT_NE(d.findChild<QRadioButton*>(QStringLiteral("Disattivato")), nullptr);
        const auto etichette = d.findChildren<QLabel*>();
        QStringList testi;
        for (auto* l : etichette) testi << l->text();
        EXPECT_TRUE(testi.contains(QStringLiteral("Formule  Escluse")));
        EXPECT_TRUE(testi.contains(QStringLiteral("Formule Incluse")));
        TSceltaFormule& s = SceltaIn(d);
        EXPECT_EQ(s.Formule(s.Incluse()), (std::vector<int>{5, 17}));
        EXPECT_EQ(s.Escluse()->count(), 89);
        // Moves and moves back: OK with nothing changed.
        Scegli(*s.Escluse(), {40});
        Clic(s, "IncludiBtn");
        Clic(s, "EscludiBtn");
        return test::Premi(d, "OKBtn");
    });
    EXPECT_FALSE(f.sistema.Modificato);

    // "Annulla" throws every move away.
    f.Apri([](QDialog& d) {
        Clic(SceltaIn(d), "IncludiTutteBtn");
        return test::Premi(d, "AnnullaBtn");
    });
    EXPECT_FALSE(f.sistema.Modificato);
    EXPECT_FALSE(f.Condizione().FormuleAmmesse[0]);

    // 90 in, 5 out; OK; saved: exactly those two flag bytes of the file change.
    f.Apri([](QDialog& d) {
        TSceltaFormule& s = SceltaIn(d);
        Scegli(*s.Escluse(), {90});
        Clic(s, "IncludiBtn");
        Scegli(*s.Incluse(), {5});
        Clic(s, "EscludiBtn");
        return test::Premi(d, "OKBtn");
    });
    EXPECT_TRUE(f.sistema.Modificato);
    f.w->Azione(QStringLiteral("Save1"))->trigger();
    EXPECT_FALSE(f.sistema.Modificato);
    const std::vector<std::uint8_t> dopo = test::LeggiTutto(file);
    ASSERT_EQ(dopo.size(), prima.size());
    std::vector<std::size_t> diverse;
    for (std::size_t i = 0; i < prima.size(); ++i)
        if (prima[i] != dopo[i]) diverse.push_back(i);
    ASSERT_EQ(diverse.size(), 2u);
    // Flags 5 and 90 of one block: 85 bytes apart, 5 cleared, 90 set.
    EXPECT_EQ(diverse[1] - diverse[0], 85u);
    EXPECT_EQ(dopo[diverse[0]], 0);
    EXPECT_EQ(prima[diverse[0]], 1);
    EXPECT_EQ(dopo[diverse[1]], 1);
    EXPECT_EQ(dopo[diverse[0] + 12], 1);  // flag 17 kept

    // Read back, the condition holds what the lists held.
    f.Condizione().FormuleAmmesse.fill(false);
    f.Carica(file);
    for (int i = 0; i < TFormuleDerivate::NumeroFormule; ++i)
        EXPECT_EQ(f.Condizione().FormuleAmmesse[static_cast<std::size_t>(i)], i == 17 || i == 90) << i;
    f.servizi.VerificaConsumate();
}

TEST(FormFormuleDerivate, SoloLaColonnaDiTutteX)
{
    TFinestraFormule f;
    f.Apri([](QDialog& d) {
        TSceltaFormule& s = SceltaIn(d);
        Clic(s, "IncludiTutteBtn");
        Clic(s, "EscludiTutteBtn");
        Scegli(*s.Escluse(), {90});
        Clic(s, "IncludiBtn");
        EXPECT_EQ(s.Formule(s.Incluse()), std::vector<int>{90});
        return test::Premi(d, "OKBtn");
    });
    EXPECT_TRUE(f.sistema.Modificato);
    auto& dati = f.sistema.Dati();
    // Six triples and six "X": 729 columns, of which only the all-"X" one is kept.
    for (std::size_t i = 0; i < 12; ++i) dati.Pronostico[i] = i % 2 ? 7 : SegnoX;
    dati.Impostazioni.UsaCondizioni = true;
    dati.Impostazioni.Autoriduzione = false;
    dati.Impostazioni.SalvaAutomaticamente = false;
    const TEsitoSviluppo e = Sviluppa(f.sistema);
    EXPECT_EQ(e.iniziali, 729);
    ASSERT_EQ(dati.Colonne.Conta(), 1);
    for (std::size_t i = 0; i < 12; ++i) EXPECT_EQ(dati.Colonne[0][i], SegnoX) << i;

    // "Azzera " empties the included list and switches the condition on.
    f.Apri([](QDialog& d) {
        d.findChild<QRadioButton*>(QStringLiteral("Disattivato"))->setChecked(true);
        Clic(d, "AzzeraBtn");
        TSceltaFormule& s = SceltaIn(d);
        EXPECT_EQ(s.Incluse()->count(), 0);
        EXPECT_TRUE(d.findChild<QRadioButton*>(QStringLiteral("Attivato"))->isChecked());
        return test::Premi(d, "OKBtn");
    });
    EXPECT_FALSE(f.Condizione().FormuleAmmesse[90]);
    EXPECT_TRUE(f.Condizione().Attivato);
    f.servizi.VerificaConsumate();
}
