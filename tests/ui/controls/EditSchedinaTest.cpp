// The coupon editor as the player uses it: clicks on circles and boxes, typing in the
// number fields and tables, the lamps and "Azzera".
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTableWidget>
#include <QTest>

#include "EditSchedina.h"
#include "GeometriaSchedina.h"
#include "ProvaUi.h"

using namespace morella;
using namespace morella::ui;
using morella::test::TProgrammaProva;

namespace {

// Types into a table cell through its editor, as the keyboard would.
QString Digita(QTableWidget& g, int riga, int colonna, const QString& testo)
{
    g.setCurrentCell(riga, colonna);
    if (!g.item(riga, colonna)) g.setItem(riga, colonna, new QTableWidgetItem);
    // Moving to the cell may already have opened its editor.
    if (!g.indexWidget(g.model()->index(riga, colonna))) g.editItem(g.item(riga, colonna));
    auto* e = qobject_cast<QLineEdit*>(g.indexWidget(g.model()->index(riga, colonna)));
    if (!e) {
        ADD_FAILURE() << "nessun editor di cella";
        return {};
    }
    e->selectAll();
    QTest::keyClicks(e, testo);
    const QString scritto = e->text();
    QTest::keyClick(e, Qt::Key_Return);
    QApplication::processEvents();  // the closed editor goes away
    return scritto;
}

QString Cella(const QTableWidget& g, int r, int c)
{
    return g.item(r, c) ? g.item(r, c)->text() : QString();
}

}  // namespace

TEST(EditSchedina, ClicDelPronosticoSoloSuiCerchi)
{
    TProgrammaProva programma(GiocoTotip);
    TEditSchedina e;
    e.ImpostaGioco(GiocoTotip);
    e.show();
    QSignalSpy modifiche(&e, &TEditSchedina::OnModificato);
    TEditpronostico& p = *e.Pronostico;
    const auto& g = p.Geometria;
    // The top-left corner of the cell of "1" of the first event lies outside its circle.
    QTest::mouseClick(&p, Qt::LeftButton, {}, QPoint(g.LeftGap, g.TopGap));
    // Below the last event, inside the control's gaps: nothing either.
    QTest::mouseClick(&p, Qt::LeftButton, {}, QPoint(g.LeftGap + 7, p.height() - 3));
    QTest::mouseClick(&p, Qt::RightButton, {}, p.CentroCerchio(0, 0));
    EXPECT_EQ(p.Pronostico()[0], 0);
    EXPECT_EQ(modifiche.count(), 0);
    EXPECT_FALSE(e.Modificato());

    QTest::mouseClick(&p, Qt::LeftButton, {}, p.CentroCerchio(0, 1));
    QTest::mouseClick(&p, Qt::LeftButton, {}, p.CentroCerchio(11, 2));
    EXPECT_EQ(p.Pronostico()[0], 2);
    EXPECT_EQ(p.Pronostico()[11], 4);
    EXPECT_EQ(modifiche.count(), 2);
    EXPECT_TRUE(e.Modificato());
}

TEST(EditSchedina, LampadeECorsaPiuPoiAzzera)
{
    TProgrammaProva programma(GiocoTotip);
    TEditSchedina e;
    e.ImpostaGioco(GiocoTotip);
    e.show();
    for (int d = 0; d < 12; ++d)
        QTest::mouseClick(e.Pronostico, Qt::LeftButton, {}, e.Pronostico->CentroCerchio(d, 0));
    EXPECT_TRUE(e.Pronostico->PronosticoCompleto());
    EXPECT_FALSE(e.SPronostico->Stato());  // Totip also wants the Corsa +
    QTest::mouseClick(e.CorsaPiu, Qt::LeftButton, {}, e.CorsaPiu->CentroCasella(3));
    EXPECT_FALSE(e.SPronostico->Stato());  // one horse is not enough
    EXPECT_EQ(e.SPronostico->toolTip(), QStringLiteral("Corsa +: almeno due cavalli"));
    QTest::mouseClick(e.CorsaPiu, Qt::LeftButton, {}, e.CorsaPiu->CentroCasella(16));
    EXPECT_EQ(e.CorsaPiu->Maschera(), 0x8004);
    EXPECT_TRUE(e.SPronostico->Stato());
    EXPECT_TRUE(e.SPronostico->toolTip().isEmpty());
    for (int r = 0; r < 12; ++r) Digita(*e.GridVal, r, 1, QStringLiteral("5"));
    EXPECT_TRUE(e.SValori->Stato());
    EXPECT_TRUE(e.SValori->toolTip().isEmpty());
    EXPECT_FALSE(e.SPercentuali->Stato());
    EXPECT_EQ(e.SPercentuali->toolTip(), QStringLiteral("Percentuali: riga 1 incompleta"));

    QSignalSpy modifiche(&e, &TEditSchedina::OnModificato);
    QTest::mouseClick(e.BtnAzzera, Qt::LeftButton);
    EXPECT_EQ(modifiche.count(), 1);
    EXPECT_EQ(e.CorsaPiu->Maschera(), 0);
    EXPECT_EQ(e.Pronostico->Pronostico()[0], 0);
    EXPECT_FALSE(e.SPronostico->Stato());
    EXPECT_FALSE(e.SValori->Stato());
    EXPECT_FALSE(e.SPercentuali->Stato());
    EXPECT_EQ(e.NumeroTesto(), "1");
}

TEST(EditSchedina, FiltriDeiCampiNumerici)
{
    TProgrammaProva programma(GiocoToto);
    TEditSchedina e;
    e.ImpostaGioco(GiocoToto);
    e.show();
    EXPECT_EQ(e.GridPerc->rowCount(), 13);
    e.Numero->clear();
    QTest::keyClicks(e.Numero, "1-.a23");
    EXPECT_EQ(e.Numero->text(), "12");  // sign, point, letter and a third digit refused
    EXPECT_EQ(Digita(*e.GridPerc, 0, 0, "1234"), "123");
    EXPECT_EQ(Digita(*e.GridPerc, 1, 0, "-5"), "5");
    EXPECT_EQ(Digita(*e.GridVal, 0, 0, "12345"), "1234");
    EXPECT_EQ(Digita(*e.GridVal, 1, 2, "7.5"), "75");
}

TEST(EditSchedina, RigheDiPercentualiNormalizzate)
{
    TProgrammaProva programma(GiocoToto);
    TEditSchedina e;
    e.ImpostaGioco(GiocoToto);
    e.show();
    Digita(*e.GridPerc, 0, 0, "70");
    Digita(*e.GridPerc, 0, 1, "50");
    Digita(*e.GridPerc, 1, 0, "150");
    Digita(*e.GridPerc, 2, 2, "40");
    TContenutoSchedina c = e.Contenuto();
    EXPECT_EQ(c.Percentuali[0], (std::array<std::string, 3>{"70", "30", ""}));
    EXPECT_EQ(Cella(*e.GridPerc, 0, 1), "30");
    EXPECT_EQ(Cella(*e.GridPerc, 0, 2), "");
    EXPECT_EQ(Cella(*e.GridPerc, 1, 0), "100");
    EXPECT_EQ(Cella(*e.GridPerc, 2, 2), "100");
}

TEST(EditSchedina, NomiDelTotoEContenutoCaricato)
{
    TProgrammaProva programma(GiocoToto);
    TEditSchedina e;
    e.ImpostaGioco(GiocoToto);
    e.show();
    QSignalSpy modifiche(&e, &TEditSchedina::OnModificato);
    Digita(*e.Partite->Grid(), 0, 1, QStringLiteral("Fiorentinaaaaaaa"));
    EXPECT_EQ(modifiche.count(), 1);
    EXPECT_EQ(e.Contenuto().NomiEventi[0][0], "Fiorentinaaa");  // twelve characters at most
    TContenutoSchedina c;
    c.NomiEventi[2][1] = "Lazio";
    c.Pronostico[12] = 7;
    c.Numero = "33";
    e.ImpostaContenuto(c);
    EXPECT_FALSE(e.Modificato());
    EXPECT_EQ(e.Contenuto().NomiEventi[2][1], "Lazio");
    EXPECT_EQ(e.NumeroTesto(), "33");
    EXPECT_EQ(e.Pronostico->Pronostico()[12], 7);
    EXPECT_EQ(modifiche.count(), 1);  // loading is not an edit
}

TEST(EditSchedina, CompattoPerLoSchermoPiccolo)
{
    TProgrammaProva programma(GiocoToto);
    TEditSchedina e;
    e.ImpostaGioco(GiocoToto);
    const int alta = e.height();
    e.ImpostaCompatto(true);
    EXPECT_EQ(e.Pronostico->Geometria.DeltaY, 16);
    EXPECT_EQ(e.Pronostico->Geometria.Diametro, 13);
    EXPECT_EQ(alta - e.height(), 14 * 2);  // thirteen rows and the tables' heading
    // A large screen's coupon: every measure grows, and the circles are still where clicks land.
    e.ImpostaGrandezza(26);
    e.show();
    EXPECT_GT(e.height(), alta);
    QTest::mouseClick(e.Pronostico, Qt::LeftButton, {}, e.Pronostico->CentroCerchio(12, 2));
    EXPECT_EQ(e.Pronostico->Pronostico()[12], 4);
    EXPECT_EQ(e.Pronostico->height(), 2 * 10 + 13 * 26);
    EXPECT_GE(e.GridPerc->y() + e.GridPerc->height(), e.Pronostico->y() + 10 + 13 * 26);
}

namespace {

QRect Qt_(const geometria::TRett& r)
{
    return {r.x, r.y, r.w, r.h};
}

// Close to a colour, allowing for the smoothing of a picture shrunk or grown.
bool Vicino(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) < 40 && std::abs(qGreen(a) - qGreen(b)) < 40 &&
           std::abs(qBlue(a) - qBlue(b)) < 40;
}

}  // namespace

TEST(EditSchedina, ControlliEMascheraSullaStessaDisposizione)
{
    // The pictures the build drew, copied into the test's program directory.
    const QString costruite = QFileInfo(QStringLiteral(MORELLA_CLI_PATH)).absolutePath();
    for (int gioco : {GiocoToto, GiocoEnalotto, GiocoTotip}) {
        TProgrammaProva programma(gioco);
        const QString file = QString::fromStdString(FileMaschera(gioco));
        ASSERT_TRUE(QFile::copy(QDir(costruite).filePath(QFileInfo(file).fileName()), file));
        TEditSchedina e;
        ASSERT_TRUE(e.ImpostaGioco(gioco));
        const QRgb inchiostro = static_cast<QRgb>(geometria::ColoriGioco(gioco).Inchiostro) | 0xff000000u;
        for (int deltaY : {16, 18, 30}) {
            SCOPED_TRACE(testing::Message() << "gioco " << gioco << ", passo " << deltaY);
            e.ImpostaGrandezza(deltaY);
            const geometria::TDisposizione d = e.Disposizione(deltaY);
            EXPECT_EQ(e.size(), QSize(d.Larghezza, d.Altezza));
            // Each control is exactly as large as the layout says, where it says.
            EXPECT_EQ(e.Pronostico->geometry(), Qt_(d.Pronostico));
            EXPECT_EQ(e.Pronostico->sizeHint(), Qt_(d.Pronostico).size());
            EXPECT_EQ(e.Partite->geometry(), Qt_(d.Partite));
            EXPECT_EQ(e.GridPerc->geometry(), Qt_(d.Percentuali));
            EXPECT_EQ(e.GridVal->geometry(), Qt_(d.Valori));
            EXPECT_EQ(e.SPronostico->sizeHint(), Qt_(d.Lampade[0]).size());
            EXPECT_EQ(e.SValori->geometry(), Qt_(d.Lampade[2]));
            if (gioco == GiocoTotip) {
                EXPECT_EQ(e.CorsaPiu->geometry(), Qt_(d.CorsaPiu));
                EXPECT_EQ(e.CorsaPiu->sizeHint(), Qt_(d.CorsaPiu).size());
            }
            // ... inside its panel of the picture, whose frame shows in the picture's ink.
            const QImage vista = e.grab().toImage();
            const QWidget* colonne[4] = {e.Partite, e.Pronostico, e.GridPerc, e.GridVal};
            for (std::size_t k = 0; k < 4; ++k) {
                const QRect pannello = Qt_(d.Pannelli[k]);
                EXPECT_TRUE(pannello.contains(colonne[k]->geometry())) << k;
                for (const QPoint cornice : {QPoint(pannello.x() + 1, pannello.center().y()),
                                             QPoint(pannello.center().x(), pannello.bottom() - 1)})
                    EXPECT_TRUE(Vicino(vista.pixel(cornice), inchiostro))
                        << k << ": " << std::hex << vista.pixel(cornice);
            }
            // The header band is the picture's, not the plain background.
            EXPECT_NE(vista.pixel(d.Larghezza / 2, 2), e.palette().window().color().rgb());
        }
    }
}
