// The program's message box: buttons in the order Si, OK, No, Annulla, spread evenly,
// and the bit of the button pressed (0 when closed from the frame).
#include <gtest/gtest.h>

#include <QApplication>
#include <QLayout>
#include <QPushButton>
#include <QTest>
#include <algorithm>

#include "FormMessage.h"
#include "ProvaUi.h"
#include "Sistema.h"

using namespace morella;
using namespace morella::ui;
using morella::test::Premi;
using morella::test::TServiziProva;

TEST(FormMessage, OrdineERisultatoDeiPulsanti)
{
    TServiziProva servizi;
    TFormMessage box;
    box.Prepara(TitoloConferma, "Vuoi Cancellare x?", PulsanteSi | PulsanteNo | PulsanteAnnulla);
    QStringList nomi;
    for (QPushButton* b : box.PulsantiVisibili()) nomi << b->objectName();
    EXPECT_EQ(nomi, (QStringList{"SiBtn", "NoBtn", "AnnullaBtn"}));
    EXPECT_EQ(box.windowTitle(), "Conferma");
    EXPECT_EQ(box.Testo(), "Vuoi Cancellare x?");

    servizi.AttendiDialogo([](QDialog& d) { return Premi(d, "AnnullaBtn"); });
    EXPECT_EQ(box.Esegui(), PulsanteAnnulla);
    servizi.AttendiDialogo([](QDialog& d) { return Premi(d, "SiBtn"); });
    EXPECT_EQ(box.Esegui(), PulsanteSi);
    // Closed from the window frame, or with Escape: no button, result 0.
    servizi.AttendiDialogo([](QDialog& d) {
        d.close();
        return d.result();
    });
    EXPECT_EQ(box.Esegui(), 0);
    servizi.AttendiDialogo([](QDialog& d) {
        QTest::keyClick(&d, Qt::Key_Escape);
        return d.result();
    });
    EXPECT_EQ(box.Esegui(), 0);
    servizi.VerificaConsumate();
}

TEST(FormMessage, PulsantiDistribuitiConIntervalliUguali)
{
    TServiziProva servizi;
    for (int pulsanti :
         {PulsanteOk, PulsanteSi | PulsanteNo, PulsanteOk | PulsanteSi | PulsanteNo | PulsanteAnnulla}) {
        TFormMessage box;
        box.Prepara(TitoloInformazione, "Testo abbastanza lungo da dare alla finestra una certa larghezza",
                    pulsanti);
        box.resize(520, box.height());
        box.show();
        QApplication::processEvents();
        const auto visibili = box.PulsantiVisibili();
        ASSERT_FALSE(visibili.isEmpty());
        // Gaps: left edge to the first button, between buttons, last button to the right edge.
        std::vector<int> intervalli;
        int x = box.contentsRect().left() + box.layout()->contentsMargins().left();
        for (QPushButton* b : visibili) {
            intervalli.push_back(b->x() - x);
            x = b->geometry().right() + 1;
        }
        intervalli.push_back(box.contentsRect().right() - box.layout()->contentsMargins().right() + 1 - x);
        const auto [minimo, massimo] = std::minmax_element(intervalli.begin(), intervalli.end());
        EXPECT_LE(*massimo - *minimo, 2) << pulsanti;
        EXPECT_GT(*minimo, 10) << pulsanti;
    }
}

TEST(FormMessage, LaDomandaDelNucleoPassaPerIlBox)
{
    TServiziProva servizi;
    servizi.AttendiDialogo([](QDialog& d) {
        auto* box = dynamic_cast<TFormMessage*>(&d);
        EXPECT_NE(box, nullptr);
        EXPECT_EQ(box->PulsantiVisibili().size(), 2);
        return Premi(d, "NoBtn");
    });
    // The real box behind the services, driven without a modal loop.
    EXPECT_EQ(servizi.TServiziUi::Chiedi(nullptr, TitoloInformazione, DomandaSovrascriviSistema,
                                         PulsanteSi | PulsanteNo),
              PulsanteNo);
    EXPECT_EQ(servizi.Titoli, std::vector<std::string>{"Informazione"});
    servizi.VerificaConsumate();
}
