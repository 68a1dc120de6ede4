// The pictures the build draws into the program directory: present where the program looks
// for them, readable as bitmaps, of the sizes the coupon editor and the intro window expect.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QSet>

#include "GeometriaSchedina.h"

namespace {

QString CartellaProgramma() { return QFileInfo(QStringLiteral(MORELLA_CLI_PATH)).absolutePath(); }

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
    } attese[] = {{"Totip.Bmp", schedina(12, 1, true)},   {"Toto.Bmp", schedina(13, 2, false)},
                  {"Enalotto.Bmp", schedina(12, 1, false)}, {"intro.bmp", {480, 300}},
                  {"SfondiS/deep_sea.Bmp", {128, 128}}, {"SfondiS/prato.Bmp", {128, 128}},
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
    const QDir aiuto(QDir(CartellaProgramma()).filePath(QStringLiteral("Help")));
    for (int argomento : {1, 15, 25, 30, 32, 33, 36, 37, 38, 40}) {
        QFile f(aiuto.filePath(QStringLiteral("%1.html").arg(argomento)));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << argomento;
        const QString testo = QString::fromUtf8(f.readAll());
        EXPECT_TRUE(testo.contains(QStringLiteral("<title>"))) << argomento;
        EXPECT_FALSE(testo.contains(QChar::ReplacementCharacter)) << argomento;
        // Every page leads back to the contents.
        EXPECT_TRUE(argomento == 1 || testo.contains(QStringLiteral("href=\"1.html\""))) << argomento;
    }
}
