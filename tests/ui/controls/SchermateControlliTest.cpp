// Pictures of the column controls and of the condition editors built on them, for a look
// by eye: written only when the environment names a folder in MORELLA_SCREENSHOTS (run
// under xvfb-run at several screen sizes).
#include <gtest/gtest.h>

#include <QDir>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QScreen>
#include <QTest>
#include <QVBoxLayout>

#include "CartellaTemporanea.h"
#include "EditColonna.h"
#include "FormFormuleDerivate.h"
#include "FormuleDerivate.h"
#include "Legenda.h"
#include "PannelloCF.h"
#include "ProvaUi.h"
#include "QuattroColonne.h"

using namespace morella;
using morella::test::CartellaSchermate;

namespace {

// A window as the player would see it: no larger than the screen it is on.
void Fotografa(QWidget& w, const QString& nome, bool adatta = true)
{
    const QRect schermo = QGuiApplication::primaryScreen()->availableGeometry();
    // Not adjustSize(): it would keep a window within two thirds of the screen.
    if (adatta) w.resize(w.sizeHint().expandedTo(w.minimumSizeHint()).boundedTo(schermo.size()));
    test::Fotografa(w, nome);
}

TColonna ColonnaDa(const char* segni)
{
    TColonna c{};
    std::size_t i = 0;
    for (const char* p = segni; *p && i < 13; ++p) {
        if (*p == ' ') continue;
        c[i++] = *p == '1' ? Segno1 : *p == 'X' ? SegnoX : *p == '2' ? Segno2 : 0;
    }
    return c;
}

}  // namespace

TEST(Schermate, ControlliDellaColonna)
{
    if (CartellaSchermate().isEmpty()) GTEST_SKIP() << "MORELLA_SCREENSHOTS not set";
    QDir().mkpath(CartellaSchermate());
    test::TGiocoTemporaneo gioco(GiocoToto);

    QWidget finestra;
    finestra.setWindowTitle(QStringLiteral("Controlli"));
    auto* tutto = new QVBoxLayout(&finestra);
    auto* riga = new QHBoxLayout;
    tutto->addLayout(riga);

    auto* colonna = new ui::TEditColonna(&finestra);
    colonna->ImpostaGioco(GiocoToto);
    TColonna c = ColonnaDa("1X2 11X 2X1 X21 1");
    c[1] = SegnoX | Segno2;
    colonna->ImpostaColonna(c);
    riga->addWidget(colonna, 0, Qt::AlignTop);

    auto* quattro = new ui::TQuattroColonne(&finestra);
    quattro->ImpostaGioco(GiocoToto);
    quattro->ImpostaNumero(12);
    TModelloQuattroColonne::TQuattro q = {ColonnaDa("1X2 11X 2X1 X21 1"), ColonnaDa("111 XXX 222 1X2 X"),
                                          ColonnaDa("2X1 1X2 X12 21X 2"), ColonnaDa("X1X 2X2 11X X12 1")};
    q[1][3] |= BitMarcato;
    q[2][7] |= BitMarcato;
    quattro->ImpostaColonne(q, ColonnaDa("1X2 1XX 2X1 X22 1"), true);
    riga->addWidget(quattro, 0, Qt::AlignTop);

    auto* spoglio = new ui::TQuattroColonne(&finestra);
    spoglio->ImpostaGioco(GiocoToto);
    spoglio->ImpostaNumero(13);
    spoglio->ImpostaModoSpoglio(true);
    spoglio->ImpostaPresenti({true, true, false, true});
    spoglio->ImpostaColonne(q, ColonnaDa("1X2 1XX 2X1 X22 1"), true);
    riga->addWidget(spoglio, 0, Qt::AlignTop);

    auto* titolo = new ui::TPannelloCF(&finestra);
    titolo->ImpostaTesto("COLONNA");
    riga->addWidget(titolo, 0, Qt::AlignTop);
    for (int n : {7, 8}) {
        auto* carta = new ui::TPannelloCF(&finestra);
        carta->ImpostaTipo(1);
        carta->ImpostaNumero(n);
        carta->ImpostaColonna(q[static_cast<std::size_t>(n - 7)]);
        carta->ImpostaSelezionato(n == 8);
        riga->addWidget(carta, 0, Qt::AlignTop);
    }

    auto* destra = new QVBoxLayout;
    auto* totip = new ui::TEditColonna(&finestra);
    totip->ImpostaGioco(GiocoTotip);
    totip->ImpostaSingolo(true);
    totip->ImpostaColonna(ColonnaDa("12 X1 21 XX 11 2"));
    destra->addWidget(totip);
    auto* legenda = new ui::TLegenda(&finestra);
    QStringList etichette;
    for (int i = 0; i < 12; ++i)
        etichette << (i % 3 == 0 ? QStringLiteral("%1,Gen").arg(1990 + i) : QString::number(i));
    legenda->ImpostaLista(etichette);
    legenda->ImpostaStart(0);
    legenda->ImpostaNumPoint(8);
    destra->addStretch();
    riga->addLayout(destra);
    tutto->addWidget(legenda);

    Fotografa(finestra, QStringLiteral("ControlliColonna"));
}

TEST(Schermate, EditorDelleFormuleDerivate)
{
    if (CartellaSchermate().isEmpty()) GTEST_SKIP() << "MORELLA_SCREENSHOTS not set";
    QDir().mkpath(CartellaSchermate());
    for (int g : {GiocoEnalotto, GiocoToto}) {
        test::TGiocoTemporaneo gioco(g);
        TFormuleDerivate f;
        for (int i : {0, 4, 17, 45, 46, 47, 90}) f.FormuleAmmesse[static_cast<std::size_t>(i)] = true;
        ui::TFormFormuleDerivate editor;
        editor.ImpostaOggetto(f);
        editor.AggiornaForm();
        Fotografa(editor,
                  g == GiocoToto ? QStringLiteral("FormFormuleDerivateToto")
                                 : QStringLiteral("FormFormuleDerivate"),
                  false);
    }
}
