// The system file ("Mrl"): format number, number, event names, prediction, Corsa +,
// values, percentages, the condition and link blocks, the development settings in their
// file order, the comment, the participant names and their count.
#include <algorithm>
#include <functional>

#include "Cartelle.h"
#include "Sistema.h"

namespace morella {

namespace {

constexpr std::int32_t FineListaStringhe = -1;

void ScriviStringhe(TScrittoreBinario& f, const std::vector<std::string>& righe)
{
    for (const std::string& r : righe) {
        std::string byte = Windows1252DaUtf8(r);
        f.Intero32(static_cast<std::int32_t>(byte.size()));
        f.Blocco(byte.data(), byte.size());
    }
    f.Intero32(FineListaStringhe);
}

// Lines up to the -1 that ends the list. A length that is neither -1 nor one the rest of
// the file can hold, or a list the file ends inside, is not a list this program wrote.
bool LeggiStringhe(TLettoreBinario& f, std::vector<std::string>& righe)
{
    righe.clear();
    for (;;) {
        std::int32_t lunghezza;
        if (!f.Intero32(lunghezza)) return false;
        if (lunghezza == FineListaStringhe) return true;
        if (lunghezza < 0 || static_cast<std::size_t>(lunghezza) > f.Rimanenti()) return false;
        std::string byte(static_cast<std::size_t>(lunghezza), '\0');
        f.Blocco(byte.data(), byte.size());
        righe.push_back(Utf8DaWindows1252(byte));
    }
}

void ScriviTabella(TScrittoreBinario& f, const TTabellaSegni& t)
{
    for (const auto& riga : t)
        for (std::int32_t v : riga) f.Intero32(v);
}

// A table of 13 rows of three entries, each entry within [minimo, massimo].
bool LeggiTabella(TLettoreBinario& f, TTabellaSegni& t, std::int32_t minimo, std::int32_t massimo)
{
    for (auto& riga : t)
        for (std::int32_t& v : riga)
            if (!f.Intero32(v) || v < minimo || v > massimo) return false;
    return true;
}

// The coupon writes percentage rows that add up to 100, or a row of zeros.
bool PercentualiPossibili(const TTabellaSegni& t)
{
    return std::all_of(t.begin(), t.end(), [](const auto& riga) {
        const std::int32_t somma = riga[0] + riga[1] + riga[2];
        return somma == 0 || somma == 100;
    });
}

// A setting byte is 0 or 1.
bool LeggiScelta(TLettoreBinario& f, bool& v)
{
    std::uint8_t b = 0;
    if (!f.Byte(b) || b > 1) return false;
    v = b == 1;
    return true;
}

// A counted string whose length byte fits its capacity; the characters themselves are
// taken as they are.
bool LeggiContata(TLettoreBinario& f, std::string& v, int capacita)
{
    if (f.Rimanenti() < static_cast<std::size_t>(capacita) + 1 || *f.Corrente() > capacita) return false;
    return f.StringaContata(v, capacita);
}

// The optimised reduction's settings follow the participants' count, where a reader of the
// plain format stops: a tag, the length of the body, then the body, so that a later version
// may add fields behind these.
constexpr char EtichettaOttimizzazione[4] = {'O', 'T', 'T', 'M'};
constexpr std::int32_t LunghezzaOttimizzazione = 9;

void ScriviOttimizzazione(TScrittoreBinario& f, const TImpostazioniSviluppo& s)
{
    f.Blocco(EtichettaOttimizzazione, sizeof EtichettaOttimizzazione);
    f.Intero32(LunghezzaOttimizzazione);
    f.Booleano(s.Ottimizzata);
    f.Intero32(s.SecondiOttimizzazione);
    f.Intero32(static_cast<std::int32_t>(s.SemeOttimizzazione));
}

// A file without the block (or with one this version cannot read) does not use the option.
void LeggiOttimizzazione(TLettoreBinario& f, TImpostazioniSviluppo& s)
{
    const TImpostazioniSviluppo predefinite;
    s.Ottimizzata = predefinite.Ottimizzata;
    s.SecondiOttimizzazione = predefinite.SecondiOttimizzazione;
    s.SemeOttimizzazione = predefinite.SemeOttimizzazione;
    char etichetta[4];
    std::int32_t lunghezza = 0, secondi = 0, seme = 0;
    bool ottimizzata = false;
    if (f.AllaFine() || !f.Blocco(etichetta, sizeof etichetta) ||
        !std::equal(etichetta, etichetta + 4, EtichettaOttimizzazione) || !f.Intero32(lunghezza) ||
        lunghezza < LunghezzaOttimizzazione || static_cast<std::size_t>(lunghezza) > f.Rimanenti() ||
        !LeggiScelta(f, ottimizzata) || !f.Intero32(secondi) || !f.Intero32(seme))
        return;
    s.Ottimizzata = ottimizzata;
    s.SecondiOttimizzazione = std::clamp(secondi, 0, SecondiOttimizzazioneMassimi);
    s.SemeOttimizzazione = static_cast<std::uint32_t>(seme);
    if (s.Ottimizzata) s.Accurata = true;
}

}  // namespace

TBytes TSistema::Immagine() const
{
    const TDatiSistema& d = *dati_;
    TScrittoreBinario f;
    f.Riserva(16384);
    f.Intero32(FormatoSistemaIniziale);
    f.Intero32(d.Numero);
    for (const auto& nomi : d.NomiEventi)
        for (const std::string& nome : nomi) f.StringaContata(nome, CapacitaNomeEvento);
    f.Blocco(d.Pronostico.s.data(), d.Pronostico.s.size());
    f.Naturale16(d.CorsaPiu);
    ScriviTabella(f, d.Valori);
    ScriviTabella(f, d.Percentuali);
    d.Condizioni->Scrivi(f);
    d.Link->Scrivi(f);
    const TImpostazioniSviluppo& s = d.Impostazioni;
    f.Booleano(s.DaPronostico);
    f.StringaContata(s.FileSorgente, CapacitaFileSviluppo);
    f.Booleano(s.UsaCondizioni);
    f.Booleano(s.Autoriduzione);
    f.Booleano(s.CalcoloPercentuali);
    f.Booleano(s.SalvaAutomaticamente);
    f.Booleano(s.GaranziaN1);
    f.Booleano(s.Accurata);
    f.StringaContata(s.FileDestinazione, CapacitaFileSviluppo);
    ScriviStringhe(f, Commento);
    ScriviStringhe(f, NomiPartecipanti);
    f.Intero32(Partecipanti);
    if (UsaOttimizzazione(s)) ScriviOttimizzazione(f, s);
    return std::move(f.Dati());
}

namespace {

// What a system file holds, read apart from the open system: the blocks the file lacks keep
// the defaults of a new system.
struct TSistemaLetto {
    std::int32_t formato = FormatoSistemaIniziale;
    TDatiSistema dati;
    std::vector<std::string> commento, nomiPartecipanti;
    std::int32_t partecipanti = 1;
};

// The blocks in file order. The file may end before any of them (an older, shorter file),
// never inside one, and no block may hold what the program never writes. The format number
// and the system number are taken as they are: older files carry other format numbers, and
// the number is whatever was typed.
bool LeggiBlocchi(TLettoreBinario& f, TSistemaLetto& l)
{
    TDatiSistema& d = l.dati;
    TImpostazioniSviluppo& s = d.Impostazioni;
    const auto nomi = [&] {
        for (auto& coppia : d.NomiEventi)
            for (std::string& nome : coppia)
                if (!LeggiContata(f, nome, CapacitaNomeEvento)) return false;
        return true;
    };
    const auto pronostico = [&] {
        if (!f.Blocco(d.Pronostico.s.data(), d.Pronostico.s.size())) return false;
        // The bytes past the events are the Corsa + mask or unused: any value goes.
        for (int i = 0; i < NumEvents; ++i)
            if ((d.Pronostico[static_cast<std::size_t>(i)] & ~MascheraSegni) != 0) return false;
        return true;
    };
    const auto partecipanti = [&] {
        return f.Intero32(l.partecipanti) && l.partecipanti >= 1 && l.partecipanti <= MassimoPartecipanti;
    };
    const std::function<bool()> blocchi[] = {
        [&] { return f.Intero32(l.formato); },
        [&] { return f.Intero32(d.Numero); },
        nomi,
        pronostico,
        [&] { return f.Naturale16(d.CorsaPiu); },
        [&] { return LeggiTabella(f, d.Valori, 0, ValoreMassimo); },
        [&] { return LeggiTabella(f, d.Percentuali, 0, 100) && PercentualiPossibili(d.Percentuali); },
        [&] { return d.Condizioni->Leggi(f); },
        [&] { return d.Link->Leggi(f); },
        [&] { return LeggiScelta(f, s.DaPronostico); },
        [&] { return LeggiContata(f, s.FileSorgente, CapacitaFileSviluppo); },
        [&] { return LeggiScelta(f, s.UsaCondizioni); },
        [&] { return LeggiScelta(f, s.Autoriduzione); },
        [&] { return LeggiScelta(f, s.CalcoloPercentuali); },
        [&] { return LeggiScelta(f, s.SalvaAutomaticamente); },
        [&] { return LeggiScelta(f, s.GaranziaN1); },
        [&] { return LeggiScelta(f, s.Accurata); },
        [&] { return LeggiContata(f, s.FileDestinazione, CapacitaFileSviluppo); },
        [&] { return LeggiStringhe(f, l.commento); },
        [&] { return LeggiStringhe(f, l.nomiPartecipanti); },
        partecipanti,
    };
    // Not a single block: nothing of a system.
    if (f.AllaFine()) return false;
    for (const auto& blocco : blocchi) {
        if (f.AllaFine()) return true;
        if (!blocco()) return false;
    }
    LeggiOttimizzazione(f, s);
    return true;
}

}  // namespace

bool TSistema::LeggiImmagine(TLettoreBinario& f)
{
    TSistemaLetto letto;
    if (!LeggiBlocchi(f, letto)) return false;

    TDatiSistema& d = *dati_;
    TDatiSistema& n = letto.dati;
    ImpostaFormatoSistema(letto.formato);
    d.Numero = n.Numero;
    d.NomiEventi = n.NomiEventi;
    d.Pronostico = n.Pronostico;
    d.CorsaPiu = n.CorsaPiu;
    d.Valori = n.Valori;
    d.Percentuali = n.Percentuali;
    // The conditions point at the links: the old ones go first, and the new ones belong to
    // this system from now on.
    d.Condizioni.reset();
    d.Link = std::move(n.Link);
    d.Condizioni = std::move(n.Condizioni);
    d.Condizioni->Dati = &d;
    d.Impostazioni = n.Impostazioni;
    Commento = std::move(letto.commento);
    NomiPartecipanti = std::move(letto.nomiPartecipanti);
    Partecipanti = letto.partecipanti;
    Modificato = false;
    return true;
}

}  // namespace morella
