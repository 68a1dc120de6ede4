// Pictures of the consecutiveness group editor for a look by eye, at the screen size of the
// run: written only when the environment names a folder in MORELLA_SCREENSHOTS (run under
// xvfb-run at 1024 x 768 and at 640 x 480).
#include <gtest/gtest.h>

#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>

#include "CartellaTemporanea.h"
#include "Consecutivita.h"
#include "FormConsecutivita.h"
#include "GruppoCondizioni.h"
#include "ProvaUi.h"

using namespace morella;
using morella::test::CartellaSchermate;
using morella::test::Fotografa;

namespace {

}  // namespace

TEST(SchermateGruppo, EditoreConsecutivita)
{
    if (CartellaSchermate().isEmpty()) GTEST_SKIP() << "MORELLA_SCREENSHOTS not set";
    QDir().mkpath(CartellaSchermate());
    for (int gioco : {GiocoTotip, GiocoToto}) {
        test::TGiocoTemporaneo g(gioco);
        TGruppoCondizioni gruppo(TipoGruppoConsecutivita);
        for (TSegni segno : {Segno1, SegnoX}) {
            auto e = std::make_unique<TConsecutivita>();
            e->Segno = segno;
            for (int v = 3; v <= 6; ++v) e->Tabella(0).ImpostaStato(0, v, StatoAmmesso);
            e->Tabella(1).ImpostaStato(0, 1, StatoAmmesso);
            e->Tabella(1).ImpostaStato(0, 2, StatoInRecupero, 4);
            e->Tabella(1).DaEvento = 2;
            gruppo.Aggiungi(std::move(e));
        }
        const QString nome = gioco == GiocoToto ? QStringLiteral("FormConsecutivitaToto")
                                                : QStringLiteral("FormConsecutivita");
        {
            ui::TFormConsecutivita d;
            d.ImpostaOggetto(gruppo);
            d.AggiornaForm();
            d.AdattaAlloSchermo();
            Fotografa(d, nome);
        }
        if (gioco == GiocoTotip) {
            TGruppoCondizioni vuoto(TipoGruppoConsecutivita);
            ui::TFormConsecutivita d;
            d.ImpostaOggetto(vuoto);
            d.AggiornaForm();
            d.AdattaAlloSchermo();
            Fotografa(d, QStringLiteral("FormConsecutivitaVuoto"));
        }
    }
}
