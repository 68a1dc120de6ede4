#include "TabellaValori.h"

#include <algorithm>

#include "Link.h"

namespace morella {

namespace {

std::string Allinea(int n, std::size_t larghezza)
{
    std::string t = std::to_string(n);
    return t.size() >= larghezza ? t : std::string(larghezza - t.size(), ' ') + t;
}

}  // namespace

TTabellaValori::TTabellaValori(int massimo, bool conConsecutivita)
    : massimo_(static_cast<std::int16_t>(std::clamp(massimo, 0, MassimoAssoluto))),
      conConsecutivita_(conConsecutivita)
{
    for (auto& s : Sotto) s.Valori.assign(static_cast<std::size_t>(massimo_) + 4, TCoppiaValore{});
    AEvento = static_cast<std::int16_t>(NumEvents);
}

void TTabellaValori::ImpostaStato(int sotto, int valore, std::uint8_t stato, std::uint8_t livello)
{
    if (sotto < 0 || sotto > 1 || valore < 0 || valore > massimo_) return;
    Sotto[static_cast<std::size_t>(sotto)].Valori[static_cast<std::size_t>(valore)] = {stato, livello};
}

std::uint8_t TTabellaValori::Livello(int sotto, int valore) const
{
    if (sotto < 0 || sotto > 1 || valore < 0 || valore > massimo_) return 0;
    return Sotto[static_cast<std::size_t>(sotto)].Valori[static_cast<std::size_t>(valore)].Livello;
}

void TTabellaValori::Azzera()
{
    for (auto& s : Sotto) {
        std::fill(s.Valori.begin(), s.Valori.end(), TCoppiaValore{});
        s.Link = 'A';
        s.GruppoTra = 0;
    }
    DaEvento = 1;
    AEvento = static_cast<std::int16_t>(NumEvents);
}

bool TTabellaValori::HaStati(int sotto) const
{
    const auto& v = Sotto[static_cast<std::size_t>(sotto)].Valori;
    return std::any_of(v.begin(), v.begin() + massimo_ + 1, [](TCoppiaValore c) { return c.Stato != 0; });
}

bool TTabellaValori::HaRecuperi(int sotto) const
{
    const auto& v = Sotto[static_cast<std::size_t>(sotto)].Valori;
    return std::any_of(v.begin(), v.begin() + massimo_ + 1,
                       [](TCoppiaValore c) { return c.Stato == StatoInRecupero; });
}

bool TTabellaValori::Prepara(bool abilitato)
{
    for (int k = 0; k < 2; ++k) {
        const auto& s = Sotto[static_cast<std::size_t>(k)];
        // The sums are fed whatever the owner's switch: a disabled condition is never
        // asked to verify, so it never adds anything.
        tra_[static_cast<std::size_t>(k)] = s.GruppoTra >= 1 && s.GruppoTra <= NumeroGruppiTra && HaStati(k);
    }
    if (!abilitato) {
        Sotto[0].InUso = Sotto[1].InUso = false;
        Attivo = false;
        return false;
    }
    Sotto[0].InUso = HaStati(0);
    Sotto[1].InUso = conConsecutivita_ && HaStati(1);
    Attivo = Sotto[0].InUso || Sotto[1].InUso;
    return Attivo;
}

bool TTabellaValori::Recupera(std::uint8_t lettera, int livello, TElencoLink* link)
{
    return link == nullptr || link->ErroreLink(lettera, livello);
}

bool TTabellaValori::AmmetteSenzaLink(int valore, int run) const
{
    if (!Attivo) return true;
    auto passa = [this](const TSottoTabella& s, int v) {
        return v >= 0 && v <= massimo_ && s.Valori[static_cast<std::size_t>(v)].Stato != StatoEscluso;
    };
    if (Sotto[0].InUso && !passa(Sotto[0], valore)) return false;
    if (Sotto[1].InUso && !passa(Sotto[1], run)) return false;
    return true;
}

int TTabellaValori::MinimoAmmesso(int sotto) const
{
    if (sotto < 0 || sotto > 1) return -1;
    for (int v = 0; v <= massimo_; ++v)
        if (Stato(sotto, v) != StatoEscluso) return v;
    return -1;
}

int TTabellaValori::MassimoAmmesso(int sotto) const
{
    if (sotto < 0 || sotto > 1) return -1;
    for (int v = massimo_; v >= 0; --v)
        if (Stato(sotto, v) != StatoEscluso) return v;
    return -1;
}

void TTabellaValori::Scrivi(TScrittoreBinario& f) const
{
    // The second sub-table is written even when the kind never uses it, so that every
    // table of a given Massimo has the same length.
    for (const auto& s : Sotto) {
        f.Booleano(s.InUso);
        f.Byte(s.Link);
        f.Intero16(s.GruppoTra);
        for (const auto& c : s.Valori) {
            f.Byte(c.Stato);
            f.Byte(c.Livello);
        }
    }
    f.Intero16(DaEvento);
    f.Intero16(AEvento);
}

bool TTabellaValori::Leggi(TLettoreBinario& f)
{
    std::array<std::uint8_t, DimensioneBlocco(MassimoAssoluto)> buf;
    const std::size_t n = DimensioneBlocco(massimo_);
    if (!f.Blocco(buf.data(), n)) return false;

    std::size_t p = 0;
    auto i16 = [&] {
        const auto v = static_cast<std::int16_t>(buf[p] | (buf[p + 1] << 8));
        p += 2;
        return v;
    };
    for (auto& s : Sotto) {
        s.InUso = buf[p++] != 0;
        s.Link = buf[p++];
        s.GruppoTra = i16();
        for (auto& c : s.Valori) {
            c.Stato = buf[p++];
            c.Livello = buf[p++];
            if (c.Stato > StatoInRecupero) c.Stato = StatoEscluso;
        }
    }
    DaEvento = i16();
    AEvento = i16();
    if (DaEvento < 1 || AEvento > NumEvents || DaEvento > AEvento) {
        DaEvento = 1;
        AEvento = static_cast<std::int16_t>(NumEvents);
    }
    return true;
}

void TTabellaValori::Stampa(const std::string& didascalia, TRigheStampa& stampa) const
{
    if (!Attivo) return;
    stampa.IniziaTabella();
    stampa.Riga(didascalia);
    const char* intestazioni[2] = {"Pt ", "Cs "};
    for (int k = 0; k < 2; ++k) {
        const auto& s = Sotto[static_cast<std::size_t>(k)];
        if (!s.InUso) continue;
        stampa.Riga(std::string(intestazioni[k]) + " Rec Liv");
        for (int v = 0; v <= massimo_; ++v) {
            const auto c = s.Valori[static_cast<std::size_t>(v)];
            if (c.Stato == StatoAmmesso)
                stampa.Riga(Allinea(v, 3));
            else if (c.Stato == StatoInRecupero)
                stampa.Riga(Allinea(v, 3) + "   *" + Allinea(c.Livello, 4));
        }
        std::string link = "Link " + std::string(1, static_cast<char>(s.Link));
        if (s.GruppoTra != 0) link += "  Tra " + std::to_string(s.GruppoTra);
        stampa.Riga(link);
    }
    stampa.Riga("Campo  Min " + std::to_string(DaEvento) + "  Max " + std::to_string(AEvento));
    stampa.ChiudiTabella();
}

}  // namespace morella
