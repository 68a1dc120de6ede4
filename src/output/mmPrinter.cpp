#include "mmPrinter.h"

#include <cmath>

namespace morella {

namespace {
// Inches per millimetre, kept as the extended constant it always was: the product is
// rounded to a double before the scale multiplies it, so positions truncate the same way.
constexpr long double PolliciPerMm = 0.03937L;
constexpr double LarghezzaVirtuale = 1440.0;  // 1/180 inch
constexpr double AltezzaVirtuale = 1991.0;
}  // namespace

TFontStampa FontStampa()
{
    return TFontStampa{"Courier New", 8, false};
}
TFontStampa FontSchermo()
{
    return TFontStampa{"Arial", 8, false};
}

int MillimetriInPunti(double mm, double scala)
{
    const double pollici = static_cast<double>(static_cast<long double>(mm) * PolliciPerMm);
    return static_cast<int>(std::trunc(pollici * scala));
}

TmmPrinter::TmmPrinter(TTelaStampa& tela)
    : tela_(tela),
      scalaX_(tela.LarghezzaPunti() / LarghezzaVirtuale * 180.0),
      scalaY_(tela.AltezzaPunti() / AltezzaVirtuale * 180.0)
{
}

int TmmPrinter::XPunti(double mm) const
{
    return MillimetriInPunti(mm, scalaX_);
}
int TmmPrinter::YPunti(double mm) const
{
    return MillimetriInPunti(mm, scalaY_);
}
double TmmPrinter::XMm(int punti) const
{
    return static_cast<double>(punti / scalaX_ / PolliciPerMm);
}
double TmmPrinter::YMm(int punti) const
{
    return static_cast<double>(punti / scalaY_ / PolliciPerMm);
}

void TmmPrinter::IniziaDocumento()
{
    pagina_ = 1;
    tela_.IniziaDocumento();
}

// Every page number in the print font, whatever the page was written in, so that all the
// footers of a document look alike; the caller's font comes back.
void TmmPrinter::Piede()
{
    const double alto = AltoPiede();
    const TFontStampa corrente = tela_.Font();
    tela_.ImpostaFont(FontStampa());
    ScriviCentrato(TestoPiedePagina + std::to_string(pagina_), alto);
    tela_.ImpostaFont(corrente);
}

double TmmPrinter::AltoPiede()
{
    const TFontStampa corrente = tela_.Font();
    tela_.ImpostaFont(FontStampa());
    const double alto = AltezzaPagina() - AltezzaTesto(TestoPiedePagina) - 1;
    tela_.ImpostaFont(corrente);
    return alto;
}

void TmmPrinter::NuovaPagina()
{
    Piede();
    tela_.NuovaPagina();
    ++pagina_;
}

void TmmPrinter::ChiudiDocumento()
{
    Piede();
    tela_.ChiudiDocumento();
    ++pagina_;
}

void TmmPrinter::NuovaPaginaSenzaPiede()
{
    tela_.NuovaPagina();
    ++pagina_;
}

void TmmPrinter::ChiudiDocumentoSenzaPiede()
{
    tela_.ChiudiDocumento();
}

void TmmPrinter::ScriviCentrato(const std::string& testo, double y)
{
    Scrivi(testo, (LarghezzaPagina() - LarghezzaTesto(testo)) / 2, y);
}

void TmmPrinter::Scrivi(const std::string& testo, double x, double y)
{
    tela_.Testo(XPunti(x), YPunti(y), testo);
}

double TmmPrinter::LarghezzaPagina() const
{
    return XMm(tela_.LarghezzaPunti());
}
double TmmPrinter::AltezzaPagina() const
{
    return YMm(tela_.AltezzaPunti());
}
double TmmPrinter::LarghezzaTesto(const std::string& testo)
{
    return XMm(tela_.MisuraTesto(testo).Larghezza);
}
double TmmPrinter::AltezzaTesto(const std::string& testo)
{
    return YMm(tela_.MisuraTesto(testo).Altezza);
}

void TmmPrinter::MuoviA(double x, double y)
{
    penX_ = XPunti(x);
    penY_ = YPunti(y);
}

void TmmPrinter::LineaA(double x, double y)
{
    const int nx = XPunti(x);
    const int ny = YPunti(y);
    tela_.Linea(penX_, penY_, nx, ny);
    penX_ = nx;
    penY_ = ny;
}

void TmmPrinter::Linea(double x1, double y1, double x2, double y2)
{
    MuoviA(x1, y1);
    LineaA(x2, y2);
}

void TmmPrinter::Rettangolo(double x1, double y1, double x2, double y2)
{
    MuoviA(x1, y1);
    LineaA(x2, y1);
    LineaA(x2, y2);
    LineaA(x1, y2);
    LineaA(x1, y1);
}

void TmmPrinter::CancellaArea(double x1, double y1, double x2, double y2)
{
    tela_.ImpostaPennello(TColoreStampa::Bianco);
    tela_.ImpostaPenna(TColoreStampa::Bianco);
    tela_.Rettangolo(XPunti(x1), YPunti(y1), XPunti(x2), YPunti(y2));
    tela_.ImpostaPenna(TColoreStampa::Nero);
}

void TmmPrinter::Quadratino(double x1, double y1, double x2, double y2)
{
    tela_.ImpostaPenna(TColoreStampa::Nero);
    tela_.ImpostaPennello(TColoreStampa::Nero);
    tela_.Rettangolo(XPunti(x1), YPunti(y1), XPunti(x2), YPunti(y2));
    tela_.ImpostaPennello(TColoreStampa::Bianco);
}

void TmmPrinter::Cerchio(double x, double y, double d)
{
    tela_.ImpostaPenna(TColoreStampa::Nero);
    tela_.ImpostaPennello(TColoreStampa::Nero);
    tela_.Ellisse(XPunti(x), YPunti(y), XPunti(x + d), YPunti(y + d));
    tela_.ImpostaPennello(TColoreStampa::Bianco);
}

}  // namespace morella
