// The condition editors on the screen: whatever its size, each window fits on it and each
// table reaches its last value. Pictures for a look by eye are written when the environment
// names a folder in MORELLA_SCREENSHOTS (run under xvfb-run at 1024 x 768 and 640 x 480).
#include <gtest/gtest.h>

#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QTabWidget>
#include <QTest>

#include "CartellaTemporanea.h"
#include "Cartelle.h"
#include "CondizioneATabelle.h"
#include "EditoriCondizioni.h"
#include "ElencoCondizioni.h"
#include "ProvaUi.h"
#include "Sistema.h"

using namespace morella;
using morella::test::CartellaSchermate;

namespace {

// Every table of the window reaches its last value by paging.
void Fotografa(QWidget& w, const QString& nome)
{
    test::Fotografa(w, nome);
    for (auto* g : w.findChildren<ui::TGraphPt*>()) {
        const TModelloGraphPt& m = g->Modello();
        // The last page ends on the highest value.
        EXPECT_EQ(m.ScostamentoMassimo() + m.BoxUsati() - 1 + m.PtIniziale, m.PtTotali)
            << g->Titolo().toStdString();
    }
}

}  // namespace

TEST(Schermate, EditoriDelleCondizioni)
{
    // The checks run on any screen; the pictures only when a folder is named.
    if (!CartellaSchermate().isEmpty()) QDir().mkpath(CartellaSchermate());
    for (int gioco : {GiocoTotip, GiocoToto}) {
        test::TGiocoTemporaneo g(gioco);
        TSistema s;
        TElencoCondizioni& elenco = *s.Dati().Condizioni;
        const QString suffisso = gioco == GiocoToto ? QStringLiteral("Toto") : QString();
        for (TipoCondizione tipo : {TipoNumeroSegni, TipoPariDispari, TipoInterruzioni, TipoSimmetrie,
                                    TipoModulo, TipoRipetizioni}) {
            auto& c = *elenco.Condizione<TCondizioneATabelle>(tipo);
            // A few of each state, so the picture shows how they look.
            for (int i = 0; i < c.NumeroTabelle(); ++i) {
                TTabellaValori& t = c.Tabella(i);
                t.ImpostaStato(0, 1, StatoAmmesso);
                t.ImpostaStato(0, 2, StatoAmmesso);
                t.ImpostaStato(0, 3, StatoInRecupero, 12);
                if (t.ConConsecutivita()) t.ImpostaStato(1, 0, StatoInRecupero, 2);
            }
            c.Tabella(0).AEvento = 8;
            ui::TFormTabelle f(tipo);
            f.ImpostaOggetto(c);
            f.AggiornaForm();
            // The runs page of the first table, with its own caption where the kind has one.
            if (tipo == TipoPariDispari) f.Tabelle().front()->MostraPagina(TPaginaGraphPt::Consecutivita);
            Fotografa(f, QStringLiteral("Editore%1%2").arg(tipo).arg(suffisso));
        }
        auto& v = *elenco.Condizione<TCondizioneATabelle>(TipoVortice);
        v.Tabella(0).ImpostaStato(0, 6, StatoAmmesso);
        v.Tabella(2).ImpostaStato(0, 1, StatoAmmesso);
        ui::TFormVortice f;
        f.ImpostaOggetto(v);
        f.AggiornaForm();
        Fotografa(f, QStringLiteral("EditoreVortice%1").arg(suffisso));
    }
}
