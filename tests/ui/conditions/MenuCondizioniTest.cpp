// The "&Condizioni" menu: its check marks follow the conditions each time it opens, and its
// items are offered exactly when their editor is there and the document allows them.
#include <gtest/gtest.h>

#include "FinestraProva.h"
#include "NumeroSegni.h"

using namespace morella;
using morella::test::TFinestraProva;

TEST(MenuCondizioni, SegniRicalcolatiAllApertura)
{
    TFinestraProva f;
    TElencoCondizioni& elenco = *f.sistema.Dati().Condizioni;
    auto& ns = *elenco.Condizione<TNumeroSegni>(TipoNumeroSegni);
    QAction* voce = f.A("NumeroDiSegni1");

    // Switched on but with every table at 0: not active, no mark.
    ASSERT_TRUE(ns.Attivato);
    f.ApriMenuCondizioni();
    EXPECT_FALSE(voce->isChecked());

    // Something admitted: marked the next time the menu opens, not before.
    ns.Tabella(0).ImpostaStato(0, 4, StatoAmmesso);
    EXPECT_FALSE(voce->isChecked());
    f.ApriMenuCondizioni();
    EXPECT_TRUE(voce->isChecked());

    // Switched off: no mark, whatever the tables hold.
    ns.Attivato = false;
    f.ApriMenuCondizioni();
    EXPECT_FALSE(voce->isChecked());

    // A mark left over from before is taken away when the tables are emptied again.
    ns.Attivato = true;
    f.ApriMenuCondizioni();
    EXPECT_TRUE(voce->isChecked());
    ns.AzzeraTabelle();
    f.ApriMenuCondizioni();
    EXPECT_FALSE(voce->isChecked());
    // Nothing of this is a change to the document.
    EXPECT_FALSE(f.sistema.Modificato);
}

TEST(MenuCondizioni, VociConEditoreAbilitate)
{
    TFinestraProva f;
    ASSERT_TRUE(f.w->MenuCondizioni()->menuAction()->isEnabled());
    // A kind without an editor is off; registering one turns its item on the next time the
    // menu opens; removing it turns it off again.
    const TipoCondizione tipo = TipoGruppoSequele;
    RegistraEditore(tipo, {});
    f.ApriMenuCondizioni();
    EXPECT_FALSE(f.A("Sequele1")->isEnabled());
    int aperture = 0;
    RegistraEditore(tipo, [&](TCondizione& c) {
        EXPECT_EQ(&c, f.sistema.Dati().Condizioni->Condizione(tipo));
        return ++aperture;
    });
    f.ApriMenuCondizioni();
    EXPECT_TRUE(f.A("Sequele1")->isEnabled());
    f.A("Sequele1")->trigger();
    EXPECT_EQ(aperture, 1);
    RegistraEditore(tipo, {});
    f.ApriMenuCondizioni();
    EXPECT_FALSE(f.A("Sequele1")->isEnabled());

    // Values and percentages need the editor's switches besides their editor.
    RegistraEditore(TipoGruppoValori, [](TCondizione&) { return 0; });
    f.ApriMenuCondizioni();
    EXPECT_FALSE(f.A("Valori1")->isEnabled());
    RegistraEditore(TipoGruppoValori, {});
}
