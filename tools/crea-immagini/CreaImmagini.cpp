// Draws the program's pictures at build time: the three coupon pictures the coupon editor
// lies on, the intro picture, the tiled backgrounds of the main window and the program icon.
// Everything is drawn here with QPainter, so the pictures are ours and rebuild with the code.
//
//   crea-immagini PROGRAM_DIR ICON_DIR
#include <QDir>
#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <cstdio>

#include "GeometriaSchedina.h"

namespace {

constexpr double Pi = 3.14159265358979323846;

QFont Carattere(const char* famiglia, int pixel, int peso = QFont::Normal, bool corsivo = false)
{
    QFont f(QString::fromLatin1(famiglia));
    f.setPixelSize(pixel);
    f.setWeight(static_cast<QFont::Weight>(peso));
    f.setItalic(corsivo);
    f.setStyleHint(QFont::SansSerif);
    return f;
}

bool Salva(const QImage& img, const QString& file)
{
    // Pictures are stored as 24-bit bitmaps, as the program reads them.
    const bool bmp = file.endsWith(QStringLiteral(".bmp"), Qt::CaseInsensitive);
    const QImage uscita = bmp ? img.convertToFormat(QImage::Format_RGB888) : img;
    if (!uscita.save(file, bmp ? "BMP" : "PNG")) {
        std::fprintf(stderr, "crea-immagini: impossibile scrivere %s\n", qPrintable(file));
        return false;
    }
    return true;
}

// A colour `quota` of the way from `a` to `b`.
QColor Mescola(const QColor& a, const QColor& b, double quota)
{
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * quota,
                            a.greenF() + (b.greenF() - a.greenF()) * quota,
                            a.blueF() + (b.blueF() - a.blueF()) * quota);
}

// ---- Coupons ---------------------------------------------------------------------------
//
// A coupon picture is the form the editor's controls lie on: the header band with the game's
// name, a framed panel under each column of controls, the Corsa + panel and the footer band,
// all where GeometriaSchedina.h puts the controls. The controls draw their own rows, circles,
// boxes and captions, so the picture draws none of them.

namespace geo = morella::ui::geometria;

struct TModulo {
    const char* titolo;
    int gioco;
    int eventi;
    int colonneNomi;
    bool corsaPiu;
};

QRectF Rettangolo(const geo::TRett& r)
{
    return QRectF(r.x, r.y, r.w, r.h);
}

QImage Schedina(const TModulo& m)
{
    const geo::TDisposizione d = geo::Disponi(m.eventi, m.colonneNomi, m.corsaPiu, geo::DeltaYMaschera);
    const geo::TMisure misure = geo::Misure(geo::DeltaYMaschera);
    const geo::TColoriGioco colori = geo::ColoriGioco(m.gioco);
    const QColor inchiostro = QColor::fromRgb(static_cast<QRgb>(colori.Inchiostro));
    const QColor carta = QColor::fromRgb(static_cast<QRgb>(colori.Carta));
    const QColor arancio(255, 128, 0);  // the prediction's own background
    const int tratto = misure.S(1);     // one pixel on the standard coupon

    QImage img(d.Larghezza, d.Altezza, QImage::Format_RGB32);
    img.fill(carta);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);

    // Header band with the game's name in the room left of the lamps.
    QLinearGradient testa(0, 0, 0, d.Testata.h);
    testa.setColorAt(0, inchiostro.lighter(125));
    testa.setColorAt(1, inchiostro.darker(115));
    p.fillRect(Rettangolo(d.Testata), testa);
    p.fillRect(QRectF(0, d.Testata.Basso() - 2 * tratto, d.Larghezza, 2 * tratto), inchiostro.darker(150));
    QFont titolo = Carattere("Liberation Sans", d.Testata.h * 11 / 20, QFont::Black, true);
    // As large as the room allows.
    while (QFontMetrics(titolo).horizontalAdvance(QString::fromLatin1(m.titolo)) >
               d.Titolo.w - misure.S(12) &&
           titolo.pixelSize() > 8)
        titolo.setPixelSize(titolo.pixelSize() - 1);
    p.setFont(titolo);
    p.setPen(QColor(0, 0, 0, 90));
    p.drawText(Rettangolo(d.Titolo).translated(tratto, tratto), Qt::AlignVCenter | Qt::AlignLeft,
               QString::fromLatin1(m.titolo));
    p.setPen(Qt::white);
    p.drawText(Rettangolo(d.Titolo), Qt::AlignVCenter | Qt::AlignLeft, QString::fromLatin1(m.titolo));

    // The column panels: a frame of ink whose inside shows below the grids' last row, the
    // prediction's panel orange like the circles' ground.
    auto pannello = [&](const geo::TRett& r, const QColor& fondo) {
        p.setPen(Qt::NoPen);
        p.setBrush(inchiostro);
        p.drawRoundedRect(Rettangolo(r), misure.Cornice, misure.Cornice);
        p.setBrush(fondo);
        p.drawRect(Rettangolo(r.Allarga(-misure.Cornice)));
    };
    for (std::size_t k = 0; k < d.Pannelli.size(); ++k)
        pannello(d.Pannelli[k], k == 1 ? arancio : inchiostro.lighter(115));
    if (!d.PannelloCorsaPiu.Vuoto()) pannello(d.PannelloCorsaPiu, arancio);

    // Footer band of the contest number and the buttons.
    p.fillRect(Rettangolo(d.Piede), Mescola(inchiostro, Qt::white, 0.78));
    p.fillRect(QRectF(0, d.Piede.y, d.Larghezza, tratto), inchiostro);

    // The outer frame.
    p.setPen(QPen(inchiostro.darker(130), 2 * tratto));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(tratto, tratto, d.Larghezza - 2 * tratto, d.Altezza - 2 * tratto));
    return img;
}

// ---- Intro picture -----------------------------------------------------------------------

QImage Intro()
{
    const int w = 480, h = 300;
    QImage img(w, h, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient cielo(0, 0, 0, h);
    cielo.setColorAt(0, QColor(18, 40, 90));
    cielo.setColorAt(0.65, QColor(60, 110, 170));
    cielo.setColorAt(1, QColor(30, 100, 50));
    p.fillRect(img.rect(), cielo);

    // A racetrack bend in the lower part.
    QPainterPath pista;
    pista.moveTo(0, h * 0.80);
    pista.cubicTo(w * 0.35, h * 0.62, w * 0.65, h * 0.98, w, h * 0.78);
    pista.lineTo(w, h);
    pista.lineTo(0, h);
    pista.closeSubpath();
    p.fillPath(pista, QColor(170, 125, 75));
    p.setPen(QPen(QColor(255, 255, 255, 200), 2));
    for (int k = 0; k < 2; ++k) {
        QPainterPath steccato;
        const double dy = k * 14;
        steccato.moveTo(0, h * 0.80 + dy);
        steccato.cubicTo(w * 0.35, h * 0.62 + dy, w * 0.65, h * 0.98 + dy, w, h * 0.78 + dy);
        p.drawPath(steccato);
    }

    // The three signs as coupon circles.
    const char* segni[] = {"1", "X", "2"};
    const QColor colori[] = {QColor(0, 128, 255), QColor(255, 128, 0), QColor(40, 170, 80)};
    for (int s = 0; s < 3; ++s) {
        const QPointF c(w / 2.0 + (s - 1) * 62, 190);
        QRadialGradient g(c - QPointF(8, 8), 30);
        g.setColorAt(0, colori[s].lighter(150));
        g.setColorAt(1, colori[s]);
        p.setPen(QPen(Qt::white, 3));
        p.setBrush(g);
        p.drawEllipse(c, 25, 25);
        p.setFont(Carattere("Liberation Sans", 28, QFont::Bold));
        p.drawText(QRectF(c.x() - 25, c.y() - 25, 50, 50), Qt::AlignCenter, QString::fromLatin1(segni[s]));
    }

    // The name, with a soft shadow.
    QFont nome = Carattere("Liberation Serif", 78, QFont::Bold, true);
    p.setFont(nome);
    p.setPen(QColor(0, 0, 0, 120));
    p.drawText(QRect(4, 24, w, 100), Qt::AlignCenter, QStringLiteral("Morella"));
    p.setPen(QColor(255, 215, 90));
    p.drawText(QRect(0, 20, w, 100), Qt::AlignCenter, QStringLiteral("Morella"));
    p.setFont(Carattere("Liberation Sans", 16, QFont::Bold));
    p.setPen(Qt::white);
    p.drawText(QRect(0, 112, w, 30), Qt::AlignCenter, QStringLiteral("Sistemi per Totip, Toto ed Enalotto"));
    return img;
}

// ---- Backgrounds (seamless tiles) ----------------------------------------------------------

QImage Fondale(int lato, QColor base, QColor onda, double frequenza, int linee)
{
    QImage img(lato, lato, QImage::Format_RGB32);
    for (int y = 0; y < lato; ++y)
        for (int x = 0; x < lato; ++x) {
            // Whole periods across the tile, so the edges meet when it is tiled.
            const double u = 2 * Pi * x / lato, v = 2 * Pi * y / lato;
            const double t = 0.5 + 0.25 * std::sin(frequenza * u + 2 * std::sin(v)) +
                             0.25 * std::sin(linee * v + std::cos(2 * u));
            img.setPixelColor(x, y,
                              QColor::fromRgbF(base.redF() + (onda.redF() - base.redF()) * t,
                                               base.greenF() + (onda.greenF() - base.greenF()) * t,
                                               base.blueF() + (onda.blueF() - base.blueF()) * t));
        }
    return img;
}

QImage Quadretti(int lato)
{
    // A coupon-paper tile: pale squares with a thin grid.
    QImage img(lato, lato, QImage::Format_RGB32);
    img.fill(QColor(246, 242, 228));
    QPainter p(&img);
    p.setPen(QColor(205, 215, 230));
    for (int k = 0; k < lato; k += 16) {
        p.drawLine(k, 0, k, lato);
        p.drawLine(0, k, lato, k);
    }
    return img;
}

// ---- Icon ----------------------------------------------------------------------------------

QImage Icona(int lato)
{
    QImage img(lato, lato, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = lato / 256.0;
    QLinearGradient g(0, 0, 0, lato);
    g.setColorAt(0, QColor(30, 70, 150));
    g.setColorAt(1, QColor(12, 35, 85));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRoundedRect(QRectF(8 * s, 8 * s, 240 * s, 240 * s), 44 * s, 44 * s);
    p.setPen(QColor(255, 215, 90));
    p.setFont(Carattere("Liberation Serif", static_cast<int>(150 * s), QFont::Bold, true));
    p.drawText(QRectF(0, 6 * s, lato, 160 * s), Qt::AlignCenter, QStringLiteral("M"));
    const QColor colori[] = {QColor(0, 128, 255), QColor(255, 128, 0), QColor(40, 170, 80)};
    const char* segni[] = {"1", "X", "2"};
    for (int k = 0; k < 3; ++k) {
        const QPointF c((68 + k * 60) * s, 196 * s);
        p.setPen(QPen(Qt::white, 5 * s));
        p.setBrush(colori[k]);
        p.drawEllipse(c, 25 * s, 25 * s);
        p.setFont(Carattere("Liberation Sans", static_cast<int>(30 * s), QFont::Bold));
        p.drawText(QRectF(c.x() - 25 * s, c.y() - 25 * s, 50 * s, 50 * s), Qt::AlignCenter,
                   QString::fromLatin1(segni[k]));
    }
    return img;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "uso: crea-immagini CARTELLA_PROGRAMMA CARTELLA_ICONE\n");
        return 2;
    }
    const QDir programma(QString::fromLocal8Bit(argv[1]));
    const QDir icone(QString::fromLocal8Bit(argv[2]));
    QDir().mkpath(programma.filePath(QStringLiteral("SfondiS")));
    QDir().mkpath(icone.path());

    const TModulo totip{"TOTIP", 3, 12, 1, true};
    const TModulo toto{"TOTOCALCIO", 1, 13, 2, false};
    const TModulo enalotto{"ENALOTTO", 2, 12, 1, false};

    bool ok = true;
    ok &= Salva(Schedina(totip), programma.filePath(QStringLiteral("Totip.Bmp")));
    ok &= Salva(Schedina(toto), programma.filePath(QStringLiteral("Toto.Bmp")));
    ok &= Salva(Schedina(enalotto), programma.filePath(QStringLiteral("Enalotto.Bmp")));
    ok &= Salva(Intro(), programma.filePath(QStringLiteral("intro.bmp")));
    ok &= Salva(Fondale(128, QColor(8, 30, 72), QColor(22, 70, 125), 1, 2),
                programma.filePath(QStringLiteral("SfondiS/deep_sea.Bmp")));
    ok &= Salva(Fondale(128, QColor(40, 100, 45), QColor(70, 135, 60), 2, 3),
                programma.filePath(QStringLiteral("SfondiS/prato.Bmp")));
    ok &= Salva(Quadretti(128), programma.filePath(QStringLiteral("SfondiS/quadretti.Bmp")));
    ok &= Salva(Icona(256), icone.filePath(QStringLiteral("morella-256.png")));
    ok &= Salva(Icona(48), icone.filePath(QStringLiteral("morella-48.png")));
    return ok ? 0 : 1;
}
