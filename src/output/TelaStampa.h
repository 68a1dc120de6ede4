// The printer canvas: what the printing layer needs from a printer, in device dots. The
// desktop program and the command-line tool give a Qt printer (system printer, PDF file,
// preview); the tests give a canvas that records every call.
#pragma once

#include <string>

namespace morella {

// A font by name, size in points and weight. The canvas picks a metric-compatible face
// when the named one is not installed.
struct TFontStampa {
    std::string Nome = "Courier New";
    double Punti = 8;
    bool Grassetto = false;
    bool operator==(const TFontStampa&) const = default;
};

enum class TColoreStampa { Nero, Bianco };

// Portrait or landscape paper.
enum class TOrientamentoPagina { Verticale, Orizzontale };

struct TDimensioniPunti {
    int Larghezza = 0;
    int Altezza = 0;
};

class TTelaStampa {
   public:
    virtual ~TTelaStampa() = default;

    // The printable area of the current orientation, in dots.
    virtual int LarghezzaPunti() const = 0;
    virtual int AltezzaPunti() const = 0;
    virtual TOrientamentoPagina Orientamento() const = 0;
    virtual void ImpostaOrientamento(TOrientamentoPagina orientamento) = 0;

    virtual void IniziaDocumento() = 0;
    virtual void NuovaPagina() = 0;
    virtual void ChiudiDocumento() = 0;
    // Drops the document in progress (after a failure); harmless when none is open.
    virtual void AbbandonaDocumento() = 0;

    virtual void ImpostaFont(const TFontStampa& font) = 0;
    virtual TFontStampa Font() const = 0;
    virtual void ImpostaPenna(TColoreStampa colore) = 0;
    virtual void ImpostaPennello(TColoreStampa colore) = 0;

    // UTF-8 text with its top-left corner at (x, y), in the current font.
    virtual void Testo(int x, int y, const std::string& testo) = 0;
    virtual TDimensioniPunti MisuraTesto(const std::string& testo) = 0;
    virtual void Linea(int x1, int y1, int x2, int y2) = 0;
    // Filled with the brush, outlined with the pen.
    virtual void Rettangolo(int x1, int y1, int x2, int y2) = 0;
    virtual void Ellisse(int x1, int y1, int x2, int y2) = 0;
};

}  // namespace morella
