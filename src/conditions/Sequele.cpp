#include "Sequele.h"

#include <algorithm>

#include "Link.h"

namespace morella {

namespace {

// Steps beyond the longest range end the walk after one window all the same; held here so
// that a huge step from a damaged file cannot overflow the position.
constexpr std::int32_t PassoMassimo = MaxEventi + 1;

std::int32_t PassoValido(std::int32_t passo)
{
    return std::clamp<std::int32_t>(passo, 1, PassoMassimo);
}

// Bit s-1 set when some event s..s+l-1 is in m (l >= 1), by doubling the window.
TMaschera OrFinestra(TMaschera m, int l)
{
    int ampiezza = 1;
    while (ampiezza * 2 <= l) {
        m |= m >> ampiezza;
        ampiezza *= 2;
    }
    if (ampiezza < l) m |= m >> (l - ampiezza);
    return m;
}

// The low l bits in reverse order.
std::uint32_t Rovescia(std::uint32_t x, int l)
{
    x = ((x & 0x5555u) << 1) | ((x >> 1) & 0x5555u);
    x = ((x & 0x3333u) << 2) | ((x >> 2) & 0x3333u);
    x = ((x & 0x0F0Fu) << 4) | ((x >> 4) & 0x0F0Fu);
    x = ((x & 0x00FFu) << 8) | ((x >> 8) & 0x00FFu);
    return x >> (16 - l);
}

// The walk of the judged windows: from the first start, a match advances by PassoTrovata,
// a miss by PassoNonTrovata. `trovate` has bit s-1 for each start s whose window matches.
TMisura Cammina(TMaschera trovate, const TPianoSequela& p)
{
    trovate &= p.Inizi;
    if (p.PassoTrovata == 1 && p.PassoNonTrovata == 1) return {ContaBit(trovate), PiuLungo(trovate)};
    TMisura m;
    int serie = 0;
    for (int s = p.Da; s <= p.UltimoInizio;) {
        if ((trovate >> (s - 1)) & 1u) {
            ++m.Valore;
            m.Run = std::max(m.Run, ++serie);
            s += p.PassoTrovata;
        } else {
            serie = 0;
            s += p.PassoNonTrovata;
        }
    }
    return m;
}

// Σ 3^j over the set bits j of a six-bit mask: with the "X" events and the "2" events of a
// window, x + 2 * y is its base-3 code.
constexpr std::array<std::uint16_t, 64> Tre = [] {
    std::array<std::uint16_t, 64> t{};
    for (unsigned m = 0; m < 64; ++m) {
        unsigned v = 0, peso = 1;
        for (unsigned j = 0; j < 6; ++j, peso *= 3)
            if (m & (1u << j)) v += peso;
        t[m] = static_cast<std::uint16_t>(v);
    }
    return t;
}();

// Types 5 and 6 with windows of up to six events: each window counted in the slot of its
// code, so that a repeat is found at once instead of searched for.
TMisura RaccogliPerCodice(const TColonnaEsaminata& c, const TPianoSequela& p, TRaccoltaSequela& r)
{
    std::array<std::uint16_t, MaxEventi + 1> ordine;  // codes in order of first appearance
    int numero = 0;
    const int l = p.Lunghezza;
    const TMaschera f = p.Finestra;
    const TMaschera singoli = c.Segni[0] | c.Segni[1] | c.Segni[2];
    for (int i = 0; i < p.NumeroIniziRaccolta; ++i) {
        const int s = p.IniziRaccolta[static_cast<std::size_t>(i)];
        const int b = s - 1;
        if (((singoli >> b) & f) != f) continue;  // a window without a sign in every event has no code
        const auto x = static_cast<std::uint8_t>((c.Segni[1] >> b) & f);
        const auto y = static_cast<std::uint8_t>((c.Segni[2] >> b) & f);
        const std::size_t codice = Tre[x] + 2u * Tre[y];
        if (r.Conteggio[codice] == 0) {
            ordine[static_cast<std::size_t>(numero++)] = static_cast<std::uint16_t>(codice);
            r.Catena[codice] = 1;
        } else {
            const int distanza = s - r.Ultimo[codice];
            if (p.SenzaSovrapposizioni && distanza < l) continue;
            r.Catena[codice] = static_cast<std::uint8_t>(distanza == l ? r.Catena[codice] + 1 : 1);
        }
        ++r.Conteggio[codice];
        r.Ultimo[codice] = static_cast<std::uint8_t>(s);
        r.CatenaMassima[codice] = std::max(r.CatenaMassima[codice], r.Catena[codice]);
    }

    TMisura m;
    if (p.Tipo == TSequele::Generica) {
        std::size_t migliore = numero > 0 ? ordine[0] : 0;
        for (int e = 1; e < numero; ++e)
            if (r.Conteggio[ordine[static_cast<std::size_t>(e)]] > r.Conteggio[migliore])
                migliore = ordine[static_cast<std::size_t>(e)];
        if (numero > 0) m = {r.Conteggio[migliore], r.CatenaMassima[migliore]};
    } else {
        // Each pair of mirrored windows once, from its smaller code; a palindrome has none.
        for (int e = 0; e < numero; ++e) {
            const std::size_t codice = ordine[static_cast<std::size_t>(e)];
            const std::size_t specchio = p.Specchi[codice];
            if (specchio > codice && r.Conteggio[specchio] > 0)
                m.Valore += std::min(r.Conteggio[codice], r.Conteggio[specchio]);
        }
    }
    for (int e = 0; e < numero; ++e) {
        const std::size_t codice = ordine[static_cast<std::size_t>(e)];
        r.Conteggio[codice] = r.CatenaMassima[codice] = 0;
    }
    return m;
}

// Types 5 and 6 with longer windows, which are few: collected in order of first appearance
// and looked up one by one.
TMisura Raccogli(const TColonnaEsaminata& c, const TPianoSequela& p)
{
    struct TVoce {
        std::uint32_t Chiave;  // "X" events in the low half, "2" events in the high half
        int Conteggio, Ultimo, Catena, CatenaMassima;
    };
    std::array<TVoce, MaxEventi + 1> voci;
    int numero = 0;
    const int l = p.Lunghezza;
    const TMaschera f = p.Finestra;
    const TMaschera singoli = c.Segni[0] | c.Segni[1] | c.Segni[2];
    for (int i = 0; i < p.NumeroIniziRaccolta; ++i) {
        const int s = p.IniziRaccolta[static_cast<std::size_t>(i)];
        const int b = s - 1;
        if (((singoli >> b) & f) != f) continue;  // a window without a sign in every event has no code
        // With a single sign in every event the "X" and "2" events say which window it is.
        const std::uint32_t chiave = ((c.Segni[1] >> b) & f) | (((c.Segni[2] >> b) & f) << 16);
        int e = 0;
        while (e < numero && voci[static_cast<std::size_t>(e)].Chiave != chiave) ++e;
        if (e == numero) voci[static_cast<std::size_t>(numero++)] = {chiave, 0, 0, 0, 0};
        TVoce& v = voci[static_cast<std::size_t>(e)];
        if (v.Conteggio > 0) {
            if (p.SenzaSovrapposizioni && s - v.Ultimo < l) continue;
            v.Catena = s - v.Ultimo == l ? v.Catena + 1 : 1;
        } else {
            v.Catena = 1;
        }
        ++v.Conteggio;
        v.Ultimo = s;
        v.CatenaMassima = std::max(v.CatenaMassima, v.Catena);
    }
    if (numero == 0) return {};

    if (p.Tipo == TSequele::Generica) {
        int migliore = 0;
        for (int e = 1; e < numero; ++e)
            if (voci[static_cast<std::size_t>(e)].Conteggio >
                voci[static_cast<std::size_t>(migliore)].Conteggio)
                migliore = e;
        return {voci[static_cast<std::size_t>(migliore)].Conteggio,
                voci[static_cast<std::size_t>(migliore)].CatenaMassima};
    }
    // Each window has one mirror, so every pair is found once from its first entry.
    int coppie = 0;
    for (int e = 0; e < numero; ++e) {
        const std::uint32_t k = voci[static_cast<std::size_t>(e)].Chiave;
        const std::uint32_t specchio = Rovescia(k & 0xFFFFu, l) | (Rovescia(k >> 16, l) << 16);
        if (specchio == k) continue;
        for (int g = e + 1; g < numero; ++g)
            if (voci[static_cast<std::size_t>(g)].Chiave == specchio) {
                coppie += std::min(voci[static_cast<std::size_t>(e)].Conteggio,
                                   voci[static_cast<std::size_t>(g)].Conteggio);
                break;
            }
    }
    return {coppie, 0};
}

}  // namespace

TSequele::TSequele(TElencoCondizioni* elenco)
    : TCondizioneATabelle(TipoSequele, elenco, {TTabellaValori(NumEvents - 1, true)}, {NumEvents - 1})
{
    piano_ = Piano();
}

std::string TSequele::Didascalia(int i) const
{
    return i == 0 ? "Presenze" : "";
}

std::string TSequele::TestoTipo() const
{
    switch (TipoSequela) {
        case Monotermine:
            return "Monotermine";
        case Bitermine:
            return "Bitermine";
        case Tritermine:
            return "Tritermine";
        case Generica:
            return "Generica";
        case Specchio:
            return "Specchio";
        default:
            return TestoColonna(Schema).substr(0, static_cast<std::size_t>(std::max(Lunghezza, 0)));
    }
}

TChiaveSequela TSequele::Chiave() const
{
    return {TipoSequela,          Lunghezza,           PassoTrovata, PassoNonTrovata,
            tabelle_[0].DaEvento, tabelle_[0].AEvento, NumEvents,    Schema};
}

TPianoSequela TSequele::Piano() const
{
    TPianoSequela p;
    p.Chiave = Chiave();
    p.Tipo = TipoSequela >= SequelaSchema && TipoSequela <= Specchio ? TipoSequela : SequelaSchema;
    p.Lunghezza = Lunghezza;
    p.PassoTrovata = PassoValido(PassoTrovata);
    p.PassoNonTrovata = PassoValido(PassoNonTrovata);
    p.Da = std::max<int>(tabelle_[0].DaEvento, 1);
    p.A = std::min<int>(tabelle_[0].AEvento, NumEvents);
    const int l = Lunghezza;
    p.UltimoInizio = p.Da - 1;
    if (l < 1 || l > p.A - p.Da + 1) return p;  // no window fits
    p.UltimoInizio = p.A - l + 1;
    p.Inizi = MascheraEventi(p.Da, p.UltimoInizio);
    p.Finestra = (TMaschera{1} << l) - 1;

    p.SchemaValido = true;
    for (int j = 0; j < l; ++j) {
        const int cifra = CifraSegno(Schema[static_cast<std::size_t>(j)] & MascheraSegni);
        if (cifra < 0) p.SchemaValido = false;
        p.SegniSchema[static_cast<std::size_t>(j)] = static_cast<std::uint8_t>(std::max(cifra, 0));
    }

    // The collected windows advance by PassoTrovata every time, except in the overlap-free
    // setting (a step of L after a match, 1 after a miss), where every start is looked at
    // and the overlapping repeats are left out instead.
    p.SenzaSovrapposizioni = p.PassoTrovata == l && p.PassoNonTrovata == 1;
    const int passo = p.SenzaSovrapposizioni ? 1 : p.PassoTrovata;
    for (int s = p.Da; s <= p.UltimoInizio; s += passo)
        p.IniziRaccolta[static_cast<std::size_t>(p.NumeroIniziRaccolta++)] = static_cast<std::int8_t>(s);
    if ((p.Tipo == Generica || p.Tipo == Specchio) && l <= TRaccoltaSequela::LunghezzaMassima)
        for (std::uint32_t x = 0; x < (1u << l); ++x)
            for (std::uint32_t y = 0; y < (1u << l); ++y)
                if ((x & y) == 0)
                    p.Specchi[Tre[x] + 2u * Tre[y]] =
                        static_cast<std::uint16_t>(Tre[Rovescia(x, l)] + 2u * Tre[Rovescia(y, l)]);
    return p;
}

TMisura TSequele::MisuraCon(const TColonnaEsaminata& c, const TPianoSequela& p) const
{
    if (p.Inizi == 0) return {};
    switch (p.Tipo) {
        case Monotermine:
        case Bitermine:
        case Tritermine: {
            const int l = p.Lunghezza;
            const TMaschera a1 = OrFinestra(c.Segni[0], l), ax = OrFinestra(c.Segni[1], l),
                            a2 = OrFinestra(c.Segni[2], l);
            const TMaschera tre = a1 & ax & a2;
            const TMaschera almenoDue = (a1 & ax) | (a1 & a2) | (ax & a2);
            const TMaschera trovate = p.Tipo == Monotermine ? (a1 | ax | a2) & ~almenoDue
                                      : p.Tipo == Bitermine ? almenoDue & ~tre
                                                            : tre;
            return Cammina(trovate, p);
        }
        case Generica:
        case Specchio:
            return p.Lunghezza <= TRaccoltaSequela::LunghezzaMassima ? RaccogliPerCodice(c, p, raccolta_)
                                                                     : Raccogli(c, p);
        default: {
            if (!p.SchemaValido) return {};
            TMaschera trovate = p.Inizi;
            for (int j = 0; j < p.Lunghezza; ++j)
                trovate &= c.Segni[p.SegniSchema[static_cast<std::size_t>(j)]] >> j;
            return Cammina(trovate, p);
        }
    }
}

TMisura TSequele::Misura(const TColonnaEsaminata& c) const
{
    // The plan of the last Prepara, unless the settings changed since.
    return piano_.Chiave == Chiave() ? MisuraCon(c, piano_) : MisuraCon(c, Piano());
}

void TSequele::StatisticaArchivio()
{
    piano_ = Piano();
    TCondizioneATabelle::StatisticaArchivio();
}

void TSequele::StatisticaColonne()
{
    piano_ = Piano();
    TCondizioneATabelle::StatisticaColonne();
}

void TSequele::AzzeraStatistiche()
{
    piano_ = Piano();
    TCondizioneATabelle::AzzeraStatistiche();
}

bool TSequele::Verifica(const TColonnaEsaminata& c)
{
    const TMisura m = MisuraCon(c, piano_);
    const auto& t = tabelle_[0];
    if (TSommeTra* somme = SommeTraAttive()) t.SommaTra(m.Valore, m.Run, *somme);
    return t.Ammette(m.Valore, m.Run, Link());
}

bool TSequele::Scrivi(TScrittoreBinario& f) const
{
    ScriviIntestazione(f);
    ScriviTabelle(f);
    f.Blocco(Schema.s.data(), Schema.s.size());
    f.Intero32(Lunghezza);
    f.Intero32(PassoTrovata);
    f.Intero32(PassoNonTrovata);
    f.Intero32(TipoSequela);
    return true;
}

bool TSequele::Leggi(TLettoreBinario& f)
{
    bool attivato = true;
    if (!f.Booleano(attivato)) return false;
    Attivato = attivato;
    if (!LeggiTabelle(f)) return false;
    TColonna schema{};
    std::int32_t lunghezza = 0, trovata = 0, nonTrovata = 0, tipo = 0;
    if (!f.Blocco(schema.s.data(), schema.s.size())) return false;
    for (auto& b : schema.s) b &= MascheraSegni;
    Schema = schema;
    if (!f.Intero32(lunghezza)) return false;
    Lunghezza = lunghezza >= 0 && lunghezza <= DimensioneColonna ? lunghezza : 0;
    if (!f.Intero32(trovata)) return false;
    PassoTrovata = std::max<std::int32_t>(trovata, 1);
    if (!f.Intero32(nonTrovata)) return false;
    PassoNonTrovata = std::max<std::int32_t>(nonTrovata, 1);
    if (!f.Intero32(tipo)) return false;
    TipoSequela = tipo >= SequelaSchema && tipo <= Specchio ? tipo : SequelaSchema;
    AllineaConsecutivita();
    return true;
}

bool TSequele::Prepara()
{
    AllineaConsecutivita();
    piano_ = Piano();
    Attivo = tabelle_[0].Prepara(Attivato);
    return Attivo;
}

void TSequele::Stampa(TRigheStampa& stampa) const
{
    TCondizione::Stampa(stampa);
    stampa.Rientro += 2;
    stampa.Riga("Sequela " + TestoTipo() + "    " + "Lunghezza : " + std::to_string(Lunghezza) +
                "    Passo Trovata : " + std::to_string(PassoTrovata) +
                "    Passo NonTrovata : " + std::to_string(PassoNonTrovata));
    tabelle_[0].Stampa(Didascalia(0), stampa);
    stampa.Rientro -= 2;
}

}  // namespace morella
