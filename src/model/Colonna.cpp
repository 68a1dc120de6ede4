#include "Colonna.h"

#include <bit>

namespace morella {

TMascheraCorsaPiu TColonna::CorsaPiu() const
{
    return static_cast<TMascheraCorsaPiu>(s[12] | (s[13] << 8));
}

void TColonna::ImpostaCorsaPiu(TMascheraCorsaPiu maschera)
{
    s[12] = static_cast<TSegni>(maschera & 0xFF);
    s[13] = static_cast<TSegni>(maschera >> 8);
}

int NumeroDoppie(const TPronostico& p)
{
    int n = 0;
    for (int i = 0; i < NumEvents; ++i) n += EUnaDoppia(p[i]);
    return n;
}

int NumeroTriple(const TPronostico& p)
{
    int n = 0;
    for (int i = 0; i < NumEvents; ++i) n += EUnaTripla(p[i]);
    return n;
}

int NumeroSingole(const TPronostico& p)
{
    int n = 0;
    for (int i = 0; i < NumEvents; ++i) n += EUnSingolo(p[i]);
    return n;
}

int EventiCompilati(const TPronostico& p)
{
    for (int i = 0; i < NumEvents; ++i)
        if ((p[i] & MascheraSegni) == 0) return i;
    return NumEvents;
}

bool PronosticoVuoto(const TPronostico& p)
{
    for (int i = 0; i < NumEvents; ++i)
        if (p[i] != 0) return false;
    return true;
}

bool PronosticoCompleto(const TPronostico& p)
{
    return EventiCompilati(p) == NumEvents;
}

bool CorsaPiuCompleta(TMascheraCorsaPiu m)
{
    return std::popcount(m) > 1;
}

std::uint64_t ColonneIniziali(const TPronostico& p)
{
    std::uint64_t n = 1;
    for (int i = 0; i < NumEvents; ++i) {
        if (EUnaDoppia(p[i]))
            n *= 2;
        else if (EUnaTripla(p[i]))
            n *= 3;
    }
    return n;
}

int MoltiplicatoreCorsaPiu(TMascheraCorsaPiu m)
{
    if (Gioco != GiocoTotip) return 1;
    int k = std::popcount(m);
    return k > 1 ? k * (k - 1) / 2 : 1;
}

int MoltiplicatoreColonna(const TColonna& c)
{
    // Only Totip keeps a mask after the events; for the other games there is nothing to read.
    if (Gioco != GiocoTotip) return 1;
    return MoltiplicatoreCorsaPiu(c.CorsaPiu());
}

int ErroriColonna(const TColonna& a, const TColonna& b)
{
    int n = 0;
    for (int i = 0; i < NumEvents; ++i) n += (a[i] & b[i] & MascheraSegni) == 0;
    return n;
}

int DistanzaColonne(const TColonna& a, const TColonna& b)
{
    int n = 0;
    for (int i = 0; i < NumEvents; ++i) n += (a[i] & MascheraSegni) != (b[i] & MascheraSegni);
    return n;
}

int PrimoEventoMultiplo(const TColonna& c, int inizio)
{
    for (int p = inizio < 1 ? 1 : inizio; p <= NumEvents; ++p)
        if (NumeroSegni(c[p - 1] & MascheraSegni) >= 2) return p;
    return 0;
}

std::string TestoColonna(const TColonna& c)
{
    std::string t;
    for (int i = 0; i < NumEvents; ++i) {
        TSegni s = c[i] & MascheraSegni;
        t += s == 0 ? std::string("*") : TestoSegni(s);
    }
    return t;
}

int ColonnaDaTesto(std::string_view testo, TColonna& c)
{
    std::string t;
    for (char ch : testo)
        if (ch != ' ') t += ch;
    if (static_cast<int>(t.size()) != NumEvents) return -1;
    TColonna r{};
    int codice = 0;
    for (int i = 0; i < NumEvents; ++i) {
        char ch = t[static_cast<std::size_t>(i)];
        if (ch == '*') {
            r[i] = 0;
            codice = 1;
        } else if (ch == '1' || ch == 'X' || ch == 'x' || ch == '2') {
            r[i] = SegniDaTesto(std::string_view(&ch, 1));
        } else {
            return -1;
        }
    }
    c = r;
    return codice;
}

std::int64_t CostoColonne(std::int64_t numero, std::int64_t costoColonna)
{
    return numero * costoColonna;
}

std::string TestoCosto(std::int64_t importo, int partecipanti)
{
    if (partecipanti < 2) return std::to_string(importo);
    return std::to_string(importo / partecipanti) + " 1/" + std::to_string(partecipanti);
}

}  // namespace morella
