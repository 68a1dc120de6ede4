// TmmPrinter: every printed page of the program is laid out in millimetres on a virtual
// page 8 inches wide and 1991/180 inches high, stretched over the printable area of the
// chosen printer, so that a calibration prints at the same relative place on any printer.
#pragma once

#include <string>

#include "TelaStampa.h"

namespace morella {

// The print font: tables and page numbers; coupons use it at 12 points, bold.
TFontStampa FontStampa();
// The font of the program's windows, for the reports that copy a window.
TFontStampa FontSchermo();

inline constexpr const char* TestoPiedePagina = "Pagina Nº ";

class TmmPrinter {
   public:
    // The two scales come from the canvas's printable size now; later orientation changes
    // are not seen by this object.
    explicit TmmPrinter(TTelaStampa& tela);

    TTelaStampa& Tela() { return tela_; }
    int NumeroPagina() const { return pagina_; }

    void IniziaDocumento();
    // Footer (in the print font; the current font is kept), then a new page.
    void NuovaPagina();
    // Footer, then the end of the document.
    void ChiudiDocumento();
    // Pages and documents without a footer (coupons).
    void NuovaPaginaSenzaPiede();
    void ChiudiDocumentoSenzaPiede();

    void ImpostaFont(const TFontStampa& font) { tela_.ImpostaFont(font); }

    // The top of the page number at the foot, in mm: whatever the page holds stays above it.
    double AltoPiede();

    void ScriviCentrato(const std::string& testo, double y);
    void Scrivi(const std::string& testo, double x, double y);
    double LarghezzaPagina() const;
    double AltezzaPagina() const;
    double LarghezzaTesto(const std::string& testo);
    double AltezzaTesto(const std::string& testo);
    void MuoviA(double x, double y);
    void LineaA(double x, double y);
    void Linea(double x1, double y1, double x2, double y2);
    // Outline only: four lines round the rectangle.
    void Rettangolo(double x1, double y1, double x2, double y2);
    // White fill with a white pen; the pen goes back to black.
    void CancellaArea(double x1, double y1, double x2, double y2);
    // A solid black box with a black outline; the brush goes back to white.
    void Quadratino(double x1, double y1, double x2, double y2);
    // A solid black disc inside the square of side d at (x, y); the brush goes back to white.
    void Cerchio(double x, double y, double d);

    // Millimetres to dots, truncated toward zero; and back.
    int XPunti(double mm) const;
    int YPunti(double mm) const;
    double XMm(int punti) const;
    double YMm(int punti) const;

   private:
    void Piede();

    TTelaStampa& tela_;
    double scalaX_;
    double scalaY_;
    int pagina_ = 1;
    int penX_ = 0;
    int penY_ = 0;
};

// Millimetres to dots at a given scale (dots per inch), as TmmPrinter converts them.
int MillimetriInPunti(double mm, double scala);

}  // namespace morella
