#include "TestoColonnaEsteso.h"

#include <cctype>

namespace morella {

std::string TestoColonnaEsteso(const TColonna& c)
{
    std::string t;
    for (int i = 0; i < NumEvents; ++i) {
        TSegni s = c[i] & MascheraSegni;
        if (s == 0)
            t += '*';
        else if (EUnSingolo(s))
            t += TestoSegni(s);
        else
            t += "(" + TestoSegni(s) + ")";
    }
    if (Gioco == GiocoTotip && c.CorsaPiu() != 0) {
        TMascheraCorsaPiu m = c.CorsaPiu();
        t += '+';
        bool primo = true;
        for (int cavallo = 1; cavallo <= 16; ++cavallo) {
            if (!(m & (1u << (cavallo - 1)))) continue;
            if (!primo) t += ',';
            t += std::to_string(cavallo);
            primo = false;
        }
    }
    return t;
}

namespace {

std::optional<TColonna> Rifiuta(std::string* errore, const std::string& perche)
{
    if (errore) *errore = perche;
    return std::nullopt;
}

}  // namespace

// The whole character that starts at byte i, for a message: one byte of a multibyte UTF-8
// character would print as garbage. A byte that starts no valid character is shown as \xNN.
namespace {

std::string CarattereIntero(std::string_view testo, std::size_t i)
{
    const auto b = static_cast<unsigned char>(testo[i]);
    const std::size_t lunghezza = b < 0x80         ? 1
                                  : (b >> 5) == 6  ? 2
                                  : (b >> 4) == 14 ? 3
                                  : (b >> 3) == 30 ? 4
                                                   : 0;
    bool valido = lunghezza > 0 && i + lunghezza <= testo.size();
    for (std::size_t k = 1; valido && k < lunghezza; ++k)
        valido = (static_cast<unsigned char>(testo[i + k]) & 0xC0) == 0x80;
    if (valido) return std::string(testo.substr(i, lunghezza));
    static const char cifre[] = "0123456789ABCDEF";
    return std::string("\\x") + cifre[b >> 4] + cifre[b & 15];
}

}  // namespace

std::optional<TColonna> ColonnaDaTestoEsteso(std::string_view testo, std::string* errore)
{
    std::string t;
    for (char ch : testo)
        if (!std::isspace(static_cast<unsigned char>(ch))) t += ch;

    std::string_view segni = t;
    std::string_view cavalli;
    if (auto piu = t.find('+'); piu != std::string::npos) {
        if (Gioco != GiocoTotip) return Rifiuta(errore, "la Corsa + esiste solo nel Totip");
        segni = std::string_view(t).substr(0, piu);
        cavalli = std::string_view(t).substr(piu + 1);
    }

    TColonna c{};
    int evento = 0;
    for (std::size_t i = 0; i < segni.size(); ++i) {
        if (evento >= NumEvents) return Rifiuta(errore, "troppi eventi");
        char ch = segni[i];
        if (ch == '(') {
            auto chiusa = segni.find(')', i);
            if (chiusa == std::string_view::npos) return Rifiuta(errore, "parentesi non chiusa");
            TSegni s = SegniDaTesto(segni.substr(i + 1, chiusa - i - 1));
            if (s == 0) return Rifiuta(errore, "segni non validi nell'evento " + std::to_string(evento + 1));
            c[static_cast<std::size_t>(evento++)] = s;
            i = chiusa;
        } else if (ch == '*') {
            c[static_cast<std::size_t>(evento++)] = 0;
        } else {
            TSegni s = SegniDaTesto(std::string_view(&ch, 1));
            if (s == 0) return Rifiuta(errore, "carattere non valido '" + CarattereIntero(segni, i) + "'");
            c[static_cast<std::size_t>(evento++)] = s;
        }
    }
    if (evento != NumEvents)
        return Rifiuta(errore, "servono " + std::to_string(NumEvents) + " eventi, ne ho letti " +
                                   std::to_string(evento));

    if (!cavalli.empty() || segni.size() != t.size()) {
        TMascheraCorsaPiu m = 0;
        std::size_t i = 0;
        while (i <= cavalli.size()) {
            auto virgola = cavalli.find(',', i);
            auto numero =
                cavalli.substr(i, virgola == std::string_view::npos ? std::string_view::npos : virgola - i);
            if (numero.empty() || numero.size() > 2)
                return Rifiuta(errore, "cavallo della Corsa + non valido");
            int n = 0;
            for (char d : numero) {
                if (!std::isdigit(static_cast<unsigned char>(d)))
                    return Rifiuta(errore, "cavallo della Corsa + non valido");
                n = n * 10 + (d - '0');
            }
            if (n < 1 || n > 16) return Rifiuta(errore, "i cavalli della Corsa + vanno da 1 a 16");
            m = static_cast<TMascheraCorsaPiu>(m | (1u << (n - 1)));
            if (virgola == std::string_view::npos) break;
            i = virgola + 1;
        }
        c.ImpostaCorsaPiu(m);
    }
    return c;
}

}  // namespace morella
