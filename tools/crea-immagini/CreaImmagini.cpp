// Draws the program's pictures at build time: the three coupon pictures the coupon editor
// lies on, the intro picture, the tiled backgrounds of the main window and the program icon.
// Everything is drawn here with QPainter, so the pictures are ours and rebuild with the code.
//
//   crea-immagini PROGRAM_DIR ICON_DIR
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>
#include <cstdio>

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
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * quota, a.greenF() + (b.greenF() - a.greenF()) * quota,
                            a.blueF() + (b.blueF() - a.blueF()) * quota);
}

// ---- Coupons ---------------------------------------------------------------------------

struct TModulo {
    const char* titolo;
    const char* sottotitolo;
    QColor colore;  // header and lines
    QColor carta;   // paper
    int eventi;
    int gruppo;     // events per block
    bool corsaPiu;
};

QImage Schedina(const TModulo& m)
{
    const int larghezza = 600, altezza = 440;
    QImage img(larghezza, altezza, QImage::Format_RGB32);
    img.fill(m.carta);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor chiaro = Mescola(m.colore, Qt::white, 0.86);

    // Header band with the game's name and the contest line.
    QLinearGradient testa(0, 0, 0, 64);
    testa.setColorAt(0, m.colore.lighter(115));
    testa.setColorAt(1, m.colore.darker(115));
    p.fillRect(0, 0, larghezza, 64, testa);
    p.setPen(Qt::white);
    p.setFont(Carattere("Liberation Sans", 40, QFont::Black, true));
    p.drawText(QRect(16, 0, 300, 64), Qt::AlignVCenter | Qt::AlignLeft, QString::fromLatin1(m.titolo));
    p.setFont(Carattere("Liberation Sans", 13, QFont::Bold));
    p.drawText(QRect(260, 8, larghezza - 276, 24), Qt::AlignRight | Qt::AlignVCenter,
               QString::fromUtf8(m.sottotitolo));
    p.setFont(Carattere("Liberation Sans", 12));
    p.drawText(QRect(260, 34, larghezza - 276, 22), Qt::AlignRight | Qt::AlignVCenter,
               QString::fromUtf8("Concorso N. ____   Schedina Nº ____"));

    // Frame of the play area with column headings.
    const int x0 = 12, y0 = 76, riga = 21;
    const int righe = m.eventi;
    const int gruppi = (righe - 1) / m.gruppo;
    const int basso = y0 + 24 + righe * riga + gruppi * 4 + 8;
    p.setPen(QPen(m.colore, 2));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(x0, y0, larghezza - 2 * x0, basso - y0), 8, 8);

    const int xNum = x0 + 8, xNome = x0 + 40, xSegni = 330, passo = 34;
    p.setFont(Carattere("Liberation Sans", 11, QFont::Bold));
    p.setPen(m.colore.darker(130));
    p.drawText(QRect(xNome, y0 + 4, 200, 18), Qt::AlignLeft | Qt::AlignVCenter,
               QString::fromLatin1(m.corsaPiu ? "CORSE" : (m.eventi == 13 ? "PARTITE" : "EVENTI")));
    const char* segni[] = {"1", "X", "2"};
    for (int s = 0; s < 3; ++s)
        p.drawText(QRect(xSegni + s * passo - 10, y0 + 4, 20, 18), Qt::AlignCenter, QString::fromLatin1(segni[s]));
    p.drawText(QRect(xSegni + 3 * passo + 16, y0 + 4, 3 * 38 - 4, 18),
               Qt::AlignCenter, QString::fromLatin1("% / VALORI"));

    int y = y0 + 24;
    for (int i = 0; i < righe; ++i) {
        if (i > 0 && i % m.gruppo == 0) y += 4;
        if ((i / m.gruppo) % 2 == 0) p.fillRect(QRect(x0 + 2, y, larghezza - 2 * x0 - 4, riga), chiaro);
        p.setPen(QPen(m.colore.lighter(140), 1));
        p.drawLine(x0 + 4, y + riga, larghezza - x0 - 4, y + riga);
        p.setPen(m.colore.darker(150));
        p.setFont(Carattere("Liberation Sans", 11, QFont::Bold));
        p.drawText(QRect(xNum, y, 26, riga), Qt::AlignRight | Qt::AlignVCenter, QString::number(i + 1));
        // The name field.
        p.setPen(QPen(m.colore.lighter(120), 1));
        p.setBrush(Qt::white);
        p.drawRect(QRect(xNome, y + 3, m.corsaPiu ? 190 : 250, riga - 6));
        if (m.corsaPiu) {
            p.setFont(Carattere("Liberation Sans", 9, QFont::Normal, true));
            p.setPen(m.colore.darker(110));
            p.drawText(QRect(xNome + 196, y, 70, riga), Qt::AlignLeft | Qt::AlignVCenter,
                       QString::fromUtf8(i % 2 == 0 ? "1º arrivato" : "2º arrivato"));
        }
        // The three sign circles.
        for (int s = 0; s < 3; ++s) {
            const QPointF c(xSegni + s * passo, y + riga / 2.0);
            p.setPen(QPen(m.colore, 1.5));
            p.setBrush(Qt::white);
            p.drawEllipse(c, 8, 8);
            p.setPen(m.colore.lighter(130));
            p.setFont(Carattere("Liberation Sans", 9));
            p.drawText(QRectF(c.x() - 8, c.y() - 8, 16, 16), Qt::AlignCenter, QString::fromLatin1(segni[s]));
        }
        // Three small boxes for percentages or values.
        for (int k = 0; k < 3; ++k) {
            p.setPen(QPen(m.colore.lighter(150), 1));
            p.setBrush(Qt::white);
            p.drawRect(QRect(xSegni + 3 * passo + 16 + k * 38, y + 3, 34, riga - 6));
        }
        y += riga;
    }

    // Footer: the extra Totip race or the stake line.
    const int yPiede = basso + 10;
    p.setFont(Carattere("Liberation Sans", 12, QFont::Bold));
    p.setPen(m.colore.darker(130));
    if (m.corsaPiu) {
        p.drawText(QRect(x0, yPiede, 100, 22), Qt::AlignLeft | Qt::AlignVCenter, QString::fromLatin1("CORSA +"));
        for (int n = 0; n < 16; ++n) {
            const QRect r(x0 + 90 + n * 30, yPiede, 24, 22);
            p.setPen(QPen(m.colore, 1.5));
            p.setBrush(Qt::white);
            p.drawRoundedRect(r, 4, 4);
            p.setFont(Carattere("Liberation Sans", 10, QFont::Bold));
            p.drawText(r, Qt::AlignCenter, QString::number(n + 1));
        }
    } else {
        p.drawText(QRect(x0, yPiede, larghezza - 2 * x0, 22), Qt::AlignLeft | Qt::AlignVCenter,
                   QString::fromUtf8("Colonne ______    Importo £ __________"));
    }
    p.setFont(Carattere("Liberation Sans", 9, QFont::Normal, true));
    p.setPen(m.colore.darker(110));
    p.drawText(QRect(x0, altezza - 20, larghezza - 2 * x0, 16), Qt::AlignRight | Qt::AlignVCenter,
               QString::fromLatin1("Morella - schedina di lavoro"));
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
        p.drawText(QRectF(c.x() - 25 * s, c.y() - 25 * s, 50 * s, 50 * s), Qt::AlignCenter, QString::fromLatin1(segni[k]));
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

    const TModulo totip{"TOTIP", "Concorso ippico nazionale", QColor(20, 120, 60), QColor(236, 246, 232), 12, 2, true};
    const TModulo toto{"TOTOCALCIO", "Concorso pronostici sul calcio", QColor(190, 40, 40), QColor(250, 236, 232), 13, 3,
                       false};
    const TModulo enalotto{"ENALOTTO", "Concorso a pronostici", QColor(30, 70, 160), QColor(234, 240, 252), 12, 3, false};

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
