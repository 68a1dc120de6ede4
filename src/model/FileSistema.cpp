// The system file ("Mrl"): format number, number, event names, prediction, Corsa +,
// values, percentages, the condition and link blocks, the development settings in their
// file order, the comment, the participant names and their count.
#include <algorithm>

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

// Lines are read while the file goes on and the length is not -1. A length that the rest
// of the file cannot hold is a short block: reading stops there.
bool LeggiStringhe(TLettoreBinario& f, std::vector<std::string>& righe)
{
    righe.clear();
    while (!f.AllaFine()) {
        std::int32_t lunghezza;
        if (!f.Intero32(lunghezza)) return false;
        if (lunghezza == FineListaStringhe) return true;
        if (lunghezza < 0 || static_cast<std::size_t>(lunghezza) > f.Rimanenti()) {
            f.Interrompi();
            return false;
        }
        std::string byte(static_cast<std::size_t>(lunghezza), '\0');
        f.Blocco(byte.data(), byte.size());
        righe.push_back(Utf8DaWindows1252(byte));
    }
    return true;
}

void ScriviTabella(TScrittoreBinario& f, const TTabellaSegni& t)
{
    for (const auto& riga : t)
        for (std::int32_t v : riga) f.Intero32(v);
}

bool LeggiTabella(TLettoreBinario& f, TTabellaSegni& t)
{
    TTabellaSegni letta;
    for (auto& riga : letta)
        for (std::int32_t& v : riga)
            if (!f.Intero32(v)) return false;
    t = letta;
    return true;
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
        !f.Booleano(ottimizzata) || !f.Intero32(secondi) || !f.Intero32(seme))
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

bool TSistema::LeggiImmagine(TLettoreBinario& f)
{
    TDatiSistema& d = *dati_;
    std::int32_t formato;
    if (!f.Intero32(formato)) return false;
    ImpostaFormatoSistema(formato);
    if (!f.Intero32(d.Numero)) return false;
    for (auto& nomi : d.NomiEventi)
        for (std::string& nome : nomi)
            if (!f.StringaContata(nome, CapacitaNomeEvento)) return false;
    TPronostico p;
    if (!f.Blocco(p.s.data(), p.s.size())) return false;
    d.Pronostico = p;
    if (!f.Naturale16(d.CorsaPiu)) return false;
    if (!LeggiTabella(f, d.Valori) || !LeggiTabella(f, d.Percentuali)) return false;
    if (!d.Condizioni->Leggi(f)) return false;
    if (!d.Link->Leggi(f)) return false;
    TImpostazioniSviluppo& s = d.Impostazioni;
    if (!f.Booleano(s.DaPronostico) || !f.StringaContata(s.FileSorgente, CapacitaFileSviluppo) ||
        !f.Booleano(s.UsaCondizioni) || !f.Booleano(s.Autoriduzione) || !f.Booleano(s.CalcoloPercentuali) ||
        !f.Booleano(s.SalvaAutomaticamente) || !f.Booleano(s.GaranziaN1) || !f.Booleano(s.Accurata) ||
        !f.StringaContata(s.FileDestinazione, CapacitaFileSviluppo))
        return false;
    if (!LeggiStringhe(f, Commento) || !LeggiStringhe(f, NomiPartecipanti)) return false;
    std::int32_t partecipanti;
    if (!f.Intero32(partecipanti)) return false;
    // Nothing outside 1..100 can have been typed; a damaged count must not divide by zero later.
    Partecipanti = std::clamp(partecipanti, 1, MassimoPartecipanti);
    LeggiOttimizzazione(f, s);
    Modificato = false;
    return true;
}

}  // namespace morella
