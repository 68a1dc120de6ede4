// The main window on a system loaded from a file, as the condition editors' tests start
// from it: a program directory of its own, scripted services, a complete Totip prediction
// saved by the core and loaded through "&Carica...".
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>
#include <QTest>
#include <memory>

#include "Archivio.h"
#include "Cartelle.h"
#include "EditoriCondizioni.h"
#include "FormPrinc.h"
#include "ProvaUi.h"

namespace morella::test {

// A prediction with a few doubles and triples: 3 * 3 * 2 * 2 * 2 = 72 columns, enough for
// the conditions to keep some and drop some.
inline void PronosticoDiProva(TSistema& s)
{
    const TSegni segni[] = {7, 1, 7, 3, 2, 6, 4, 1, 5, 2, 1, 4};
    for (std::size_t i = 0; i < 12; ++i) s.Dati().Pronostico[i] = segni[i];
}

struct TFinestraProva {
    explicit TFinestraProva(const std::string& nome = "Prova.Mrl") : sistema(&archivio)
    {
        morella::ui::RegistraEditoriCondizioni();
        w = std::make_unique<morella::ui::TFormPrinc>(sistema, nullptr, 1024);
        w->resize(1024, 768);
        w->show();
        w->PrimoShow({});
        servizi.Errori.clear();  // the missing pictures of a bare program directory
        file = UnisciPercorso(CartellaSistemi(), nome);
        {
            TSistema s;
            PronosticoDiProva(s);
            s.NomeFile = file;
            s.Salva();
        }
        servizi.AttendiFile(file);
        A("Carica")->trigger();
    }
    ~TFinestraProva() { sistema.Modificato = false; }

    QAction* A(const char* nome) const
    {
        QAction* a = w->Azione(QString::fromLatin1(nome));
        EXPECT_NE(a, nullptr) << nome;
        return a;
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

    TProgrammaProva programma;
    TServiziProva servizi;
    T_Archivio archivio;
    TSistema sistema;
    std::string file;
    std::unique_ptr<morella::ui::TFormPrinc> w;
};

}  // namespace morella::test
