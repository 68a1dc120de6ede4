// The pictures the build draws into the program directory: present where the program looks
// for them, readable as bitmaps, of the sizes the coupon editor and the intro window expect.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QSet>

#include "FormPrinc.h"
#include "GeometriaSchedina.h"

namespace {

QString CartellaProgramma()
{
    return QFileInfo(QStringLiteral(MORELLA_CLI_PATH)).absolutePath();
}

}  // namespace

TEST(Immagini, SchedineIntroESfondiSiLeggono)
{
    const QDir dir(CartellaProgramma());
    // A coupon picture is as large as the editor's layout at the pictures' pitch, or the
    // editor could not fit its edges onto its controls.
    namespace geo = morella::ui::geometria;
    auto schedina = [](int eventi, int colonneNomi, bool corsaPiu) {
        const geo::TDisposizione d = geo::Disponi(eventi, colonneNomi, corsaPiu, geo::DeltaYMaschera);
        return QSize(d.Larghezza, d.Altezza);
    };
    struct {
        const char* file;
        QSize dimensione;
    } attese[] = {{"Totip.Bmp", schedina(12, 1, true)},     {"Toto.Bmp", schedina(13, 2, false)},
                  {"Enalotto.Bmp", schedina(12, 1, false)}, {"intro.bmp", {480, 300}},
                  {"SfondiS/deep_sea.Bmp", {128, 128}},     {"SfondiS/prato.Bmp", {128, 128}},
                  {"SfondiS/quadretti.Bmp", {128, 128}}};
    const QString anteprime = qEnvironmentVariable("MORELLA_SCREENSHOTS");
    for (const auto& a : attese) {
        const QString file = dir.filePath(QString::fromLatin1(a.file));
        QImage img;
        ASSERT_TRUE(img.load(file, "BMP")) << file.toStdString();
        EXPECT_EQ(img.size(), a.dimensione) << a.file;
        // A picture of one colour would mean the drawing failed.
        QSet<QRgb> colori;
        for (int y = 0; y < img.height(); y += 7)
            for (int x = 0; x < img.width(); x += 7) colori.insert(img.pixel(x, y));
        EXPECT_GT(colori.size(), 1) << a.file;
        if (!anteprime.isEmpty()) {
            // Backgrounds are seen tiled, as the main window paints them.
            QImage vista = img;
            if (img.width() == 128) {
                vista = QImage(512, 384, QImage::Format_RGB32);
                QPainter p(&vista);
                p.drawTiledPixmap(vista.rect(), QPixmap::fromImage(img));
            }
            vista.save(QDir(anteprime).filePath(QFileInfo(file).completeBaseName() + QStringLiteral(".png")));
        }
    }
}

TEST(Aiuto, UnaPaginaPerOgniArgomentoDeiComandi)
{
    // The topics the commands carry; the help window opens Help/<topic>.html.
    namespace A = morella::ui::Aiuto;
    QList<int> argomenti = {A::Sommario,
                            A::About,
                            A::Nuovo,
                            A::Carica,
                            A::Salva,
                            A::SalvaCome,
                            A::Cancella,
                            A::Commento,
                            A::Partecipanti,
                            A::Impostazioni,
                            A::CalcoloColonne,
                            A::AnalisiStatistica,
                            A::AnalisiRidotto,
                            A::Spoglio,
                            A::StampaArchivio,
                            A::TaraturaToto,
                            A::TaraturaAltri,
                            A::SalvaSuDisco,
                            A::StampaProspetto,
                            A::StampaColonne,
                            A::Visualizza,
                            A::Dettatura,
                            A::ImpostazioniRicerca,
                            A::Operazioni,
                            A::ArchivioAggiornamento,
                            A::ArchivioVisualizzazione,
                            A::Accorpamento,
                            A::CostoColonna,
                            A::Sfondo,
                            A::InternetImpostazioni,
                            A::InternetAggiornamento,
                            A::Link};
    // The fifteen condition slots of the Condizioni menu.
    for (int slot = 1; slot <= 15; ++slot) argomenti << A::Condizione(slot);

    const QDir aiuto(QDir(CartellaProgramma()).filePath(QStringLiteral("Help")));
    const QRegularExpression collegamento(QStringLiteral("href=\"(\\d+)\\.html(?:#([\\w-]+))?\""));
    for (int argomento : argomenti) {
        QFile f(aiuto.filePath(QStringLiteral("%1.html").arg(argomento)));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << argomento;
        const QString testo = QString::fromUtf8(f.readAll());
        EXPECT_TRUE(testo.contains(QStringLiteral("<title>"))) << argomento;
        EXPECT_FALSE(testo.contains(QChar::ReplacementCharacter)) << argomento;
        // Every page leads back to the contents.
        EXPECT_TRUE(argomento == 1 || testo.contains(QStringLiteral("href=\"1.html\""))) << argomento;
        // No link leads to a missing page or to a missing place in a page.
        for (auto m = collegamento.globalMatch(testo); m.hasNext();) {
            const auto c = m.next();
            QFile destinazione(aiuto.filePath(c.captured(1) + QStringLiteral(".html")));
            ASSERT_TRUE(destinazione.open(QIODevice::ReadOnly))
                << argomento << " -> " << c.captured(0).toStdString();
            if (c.hasCaptured(2)) {
                EXPECT_TRUE(QString::fromUtf8(destinazione.readAll())
                                .contains(QStringLiteral("id=\"%1\"").arg(c.captured(2))))
                    << argomento << " -> " << c.captured(0).toStdString();
            }
        }
    }
    // The contents page reaches every other page.
    QFile sommario(aiuto.filePath(QStringLiteral("1.html")));
    ASSERT_TRUE(sommario.open(QIODevice::ReadOnly));
    const QString indice = QString::fromUtf8(sommario.readAll());
    for (int argomento : argomenti)
        EXPECT_TRUE(argomento == 1 || indice.contains(QStringLiteral("href=\"%1.html").arg(argomento)))
            << argomento;
}
