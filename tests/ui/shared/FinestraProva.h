// The main window as the desktop tests start from it: bare, or on a system loaded from a
// file through "&Carica..." (a program directory of its own, scripted services).
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QTest>
#include <functional>
#include <memory>

#include "Archivio.h"
#include "Cartelle.h"
#include "EditSchedina.h"
#include "EditoriCondizioni.h"
#include "FormPrinc.h"
#include "ProvaUi.h"
#include "RegistroFinestre.h"

namespace morella::test {

// A prediction with a few doubles and triples: 3 * 3 * 2 * 2 * 2 = 72 columns, enough for
// the conditions to keep some and drop some.
inline void PronosticoDiProva(TSistema& s)
{
    const TSegni segni[] = {7, 1, 7, 3, 2, 6, 4, 1, 5, 2, 1, 4};
    for (std::size_t i = 0; i < 12; ++i) s.Dati().Pronostico[i] = segni[i];
}

// The one main-window fixture: a program directory of its own with the game of the test,
// scripted services, the archive and the system, every window registered as the program does
// at start-up, and the main window shown at the given width.
struct TFinestraPrinc {
    explicit TFinestraPrinc(int gioco = GiocoTotip, int larghezza = 1024)
        : programma(gioco), sistema(&archivio)
    {
        morella::ui::RegistraFinestre();
        w = std::make_unique<morella::ui::TFormPrinc>(sistema, nullptr, larghezza);
        w->resize(larghezza, larghezza * 3 / 4);
        w->show();
        w->PrimoShow({});
        servizi.Errori.clear();  // the missing pictures of a bare program directory
    }
    ~TFinestraPrinc() { sistema.Modificato = false; }

    QAction* A(const char* nome) const
    {
        QAction* a = w->Azione(QString::fromLatin1(nome));
        EXPECT_NE(a, nullptr) << nome;
        return a;
    }
    // "&Carica..." with the file dialog answering `percorso`.
    void Carica(const std::string& percorso)
    {
        servizi.AttendiFile(percorso);
        A("Carica")->trigger();
    }
    // A system prepared by `prepara`, saved by the core as Sistemi/NOME and loaded through
    // the menu, as a player's own file would be.
    void CaricaSistema(const std::string& nome, const std::function<void(TSistema&)>& prepara)
    {
        file = UnisciPercorso(CartellaSistemi(), nome);
        {
            TSistema s;
            prepara(s);
            s.NomeFile = file;
            s.Salva();
        }
        Carica(file);
    }
    // Opens the "&Condizioni" menu as the player does, and closes it again.
    void ApriMenuCondizioni() const
    {
        QMenu* m = w->MenuCondizioni();
        m->popup(w->mapToGlobal(QPoint(40, 40)));
        QTest::qWait(10);
        m->hide();
    }
    // Runs a condition's item with this driver for its dialog.
    void Modifica(const char* voce, std::function<int(QDialog&)> pilota)
    {
        servizi.AttendiDialogo(std::move(pilota));
        ApriMenuCondizioni();
        ASSERT_TRUE(A(voce)->isEnabled()) << voce;
        A(voce)->trigger();
    }
    // A single "1" on every event (and horses 2 and 3 for Totip), clicked on the coupon.
    void Riempi()
    {
        for (int d = 0; d < NumEvents; ++d)
            QTest::mouseClick(w->Editor()->Pronostico, Qt::LeftButton, {},
                              w->Editor()->Pronostico->CentroCerchio(d, 0));
        if (Gioco == GiocoTotip)
            for (int c : {1, 2})
                QTest::mouseClick(w->Editor()->CorsaPiu, Qt::LeftButton, {},
                                  w->Editor()->CorsaPiu->CentroCasella(c));
    }

    TProgrammaProva programma;
    TServiziProva servizi;
    T_Archivio archivio;
    TSistema sistema;
    std::string file;
    std::unique_ptr<morella::ui::TFormPrinc> w;
};

// The main window on the test prediction, loaded from its file.
struct TFinestraProva : TFinestraPrinc {
    explicit TFinestraProva(const std::string& nome = "Prova.Mrl")
    {
        CaricaSistema(nome, [](TSistema& s) { PronosticoDiProva(s); });
    }
};

}  // namespace morella::test
