#include "TabellaIntervalli.h"

#include <algorithm>
#include <cstring>
#include <sstream>

#include "Link.h"

namespace morella {

namespace {

std::string TestoReale(double v)
{
    std::ostringstream o;
    o << v;
    return o.str();
}

}  // namespace

bool TTabellaIntervalli::Prepara(bool abilitato)
{
    InUso = abilitato && NumeroIntervalli > 0;
    return InUso;
}

bool TTabellaIntervalli::Ammette(double valore, TElencoLink* link) const
{
    if (!InUso) return true;
    const int n = std::clamp<int>(NumeroIntervalli, 0, MassimoIntervalli);
    for (int i = 0; i < n; ++i) {
        const auto& t = Intervalli[static_cast<std::size_t>(i)];
        if (!(t.Minimo <= valore && valore <= t.Massimo)) continue;
        if (t.Stato == 1) return true;
        if (t.Stato == 2) return link == nullptr || link->ErroreLink(Link, t.Livello);
        return false;
    }
    return false;
}

bool TTabellaIntervalli::Aggiungi(const TIntervallo& intervallo)
{
    if (NumeroIntervalli < 0 || NumeroIntervalli >= MassimoIntervalli) return false;
    Intervalli[static_cast<std::size_t>(NumeroIntervalli++)] = intervallo;
    return true;
}

void TTabellaIntervalli::Scrivi(TScrittoreBinario& f) const
{
    for (const auto& t : Intervalli) {
        f.Reale(t.Minimo);
        f.Reale(t.Massimo);
        f.Intero16(t.Stato);
        f.Intero16(t.Livello);
    }
    f.Intero16(NumeroIntervalli);
    f.Byte(Link);
}

bool TTabellaIntervalli::Leggi(TLettoreBinario& f)
{
    std::array<std::uint8_t, DimensioneBlocco> buf;
    if (!f.Blocco(buf.data(), buf.size())) return false;
    std::size_t p = 0;
    for (auto& t : Intervalli) {
        std::memcpy(&t.Minimo, buf.data() + p, 8);
        std::memcpy(&t.Massimo, buf.data() + p + 8, 8);
        std::memcpy(&t.Stato, buf.data() + p + 16, 2);
        std::memcpy(&t.Livello, buf.data() + p + 18, 2);
        p += 20;
    }
    std::memcpy(&NumeroIntervalli, buf.data() + p, 2);
    NumeroIntervalli = static_cast<std::int16_t>(std::clamp<int>(NumeroIntervalli, 0, MassimoIntervalli));
    Link = buf[p + 2];
    return true;
}

void TTabellaIntervalli::Stampa(TRigheStampa& stampa) const
{
    const int n = std::clamp<int>(NumeroIntervalli, 0, MassimoIntervalli);
    stampa.IniziaTabella();
    std::string ammessi = "Intervalli Ammessi : ";
    int i = 0;
    for (; i < n && Intervalli[static_cast<std::size_t>(i)].Stato == 1; ++i) {
        const auto& t = Intervalli[static_cast<std::size_t>(i)];
        ammessi += TestoReale(t.Minimo) + "-" + TestoReale(t.Massimo) + " ";
    }
    stampa.Riga(ammessi);
    if (i < n) {
        stampa.Riga("Intervalli In Recupero : ");
        for (; i < n; ++i) {
            const auto& t = Intervalli[static_cast<std::size_t>(i)];
            stampa.Riga(TestoReale(t.Minimo) + "-" + TestoReale(t.Massimo) + " Liv " +
                        std::to_string(t.Livello));
        }
    }
    stampa.Riga("Link  " + std::string(1, static_cast<char>(Link)));
    stampa.ChiudiTabella();
}

}  // namespace morella
