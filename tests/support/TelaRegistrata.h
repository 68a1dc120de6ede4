// A printer canvas that keeps every call, for the tests of the printed pages: positions
// come back in dots and are checked against millimetres converted as the printer does.
// Its page is 1440 x 1991 dots, so both scales are 180 dots per inch; text is as wide as
// a fixed-pitch font (0.6 of the size per character) and 1.2 times its size high.
#pragma once

#include <stdexcept>
#include <string>
#include <vector>

#include "TelaStampa.h"

namespace morella::test {

enum class TChiamata { Inizia, NuovaPagina, Chiudi, Abbandona, Testo, Linea, Rettangolo, Ellisse };

struct TRegistrazione {
    TChiamata Tipo = TChiamata::Inizia;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    std::string Testo;
    TColoreStampa Pennello = TColoreStampa::Bianco;
    TFontStampa Font;
    int Pagina = 1;  // page of the document it was drawn on
};

class TTelaRegistrata : public TTelaStampa {
   public:
    explicit TTelaRegistrata(int larghezza = 1440, int altezza = 1991)
        : larghezza_(larghezza), altezza_(altezza)
    {
    }

    std::vector<TRegistrazione> Chiamate;
    TOrientamentoPagina orientamento = TOrientamentoPagina::Verticale;
    int fallisciDopo = -1;  // throw on the n-th drawing call (0-based), -1 never

    int LarghezzaPunti() const override
    {
        return orientamento == TOrientamentoPagina::Verticale ? larghezza_ : altezza_;
    }
    int AltezzaPunti() const override
    {
        return orientamento == TOrientamentoPagina::Verticale ? altezza_ : larghezza_;
    }
    TOrientamentoPagina Orientamento() const override { return orientamento; }
    void ImpostaOrientamento(TOrientamentoPagina o) override { orientamento = o; }
    void IniziaDocumento() override
    {
        pagina_ = 1;
        Registra(R(TChiamata::Inizia));
    }
    void NuovaPagina() override
    {
        Registra(R(TChiamata::NuovaPagina));
        ++pagina_;
    }
    void ChiudiDocumento() override { Registra(R(TChiamata::Chiudi)); }
    void AbbandonaDocumento() override { Registra(R(TChiamata::Abbandona)); }
    void ImpostaFont(const TFontStampa& font) override { font_ = font; }
    TFontStampa Font() const override { return font_; }
    void ImpostaPenna(TColoreStampa) override {}
    void ImpostaPennello(TColoreStampa c) override { pennello_ = c; }
    void Testo(int x, int y, const std::string& t) override { Disegna(R(TChiamata::Testo, x, y, 0, 0, t)); }
    TDimensioniPunti MisuraTesto(const std::string& t) override
    {
        int caratteri = 0;
        for (unsigned char c : t) caratteri += (c & 0xC0) != 0x80;
        const double punto = font_.Punti * 180 / 72.0;
        return {static_cast<int>(caratteri * punto * 0.6), static_cast<int>(punto * 1.2)};
    }
    void Linea(int x1, int y1, int x2, int y2) override { Disegna(R(TChiamata::Linea, x1, y1, x2, y2)); }
    void Rettangolo(int x1, int y1, int x2, int y2) override
    {
        Disegna(R(TChiamata::Rettangolo, x1, y1, x2, y2));
    }
    void Ellisse(int x1, int y1, int x2, int y2) override { Disegna(R(TChiamata::Ellisse, x1, y1, x2, y2)); }

    std::vector<TRegistrazione> DelTipo(TChiamata tipo) const
    {
        std::vector<TRegistrazione> r;
        for (const auto& c : Chiamate)
            if (c.Tipo == tipo) r.push_back(c);
        return r;
    }
    int Conta(TChiamata tipo) const { return static_cast<int>(DelTipo(tipo).size()); }
    std::vector<std::string> Testi() const
    {
        std::vector<std::string> t;
        for (const auto& c : DelTipo(TChiamata::Testo)) t.push_back(c.Testo);
        return t;
    }

   private:
    static TRegistrazione R(TChiamata tipo, int x1 = 0, int y1 = 0, int x2 = 0, int y2 = 0,
                            std::string testo = {})
    {
        TRegistrazione r;
        r.Tipo = tipo;
        r.x1 = x1;
        r.y1 = y1;
        r.x2 = x2;
        r.y2 = y2;
        r.Testo = std::move(testo);
        return r;
    }
    void Registra(TRegistrazione r)
    {
        r.Pennello = pennello_;
        r.Font = font_;
        r.Pagina = pagina_;
        Chiamate.push_back(std::move(r));
    }
    void Disegna(TRegistrazione r)
    {
        if (fallisciDopo >= 0 && disegni_++ >= fallisciDopo) throw std::runtime_error("carta finita");
        Registra(std::move(r));
    }

    int larghezza_, altezza_;
    TFontStampa font_;
    TColoreStampa pennello_ = TColoreStampa::Bianco;
    int pagina_ = 1;
    int disegni_ = 0;
};

// Millimetres to the canvas's dots (180 per inch), truncated as the printer does.
inline int Punti(double mm)
{
    return static_cast<int>(static_cast<double>(mm * 0.03937L) * 180.0);
}

}  // namespace morella::test
