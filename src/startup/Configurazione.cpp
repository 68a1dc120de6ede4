#include "Configurazione.h"

#include <algorithm>

#include "Cartelle.h"
#include "Errore.h"

namespace morella {

namespace {

void Scrivi(TScrittoreBinario& s, const TTaraturaToto& t)
{
    for (double v : {t.XPrimaCol, t.YPrimaCol, t.DistanzaSegniOriz, t.DistanzaSegniVert, t.SpazioColonne,
                     t.ScrittaX, t.ScrittaY, t.DiametroSegno})
        s.Reale(v);
}

void Scrivi(TScrittoreBinario& s, const TTaraturaSchedina& t)
{
    for (double v : {t.XPrimaCol, t.YPrimaCol, t.DistanzaSegniOriz, t.DistanzaSegniVert, t.ScrittaX,
                     t.ScrittaY, t.LargQuadro, t.AltQuadro})
        s.Reale(v);
    s.Byte(t.Da4Colonne);
    s.Blocco(t.Riservati.data(), t.Riservati.size());
}

void Leggi(TLettoreBinario& l, TTaraturaToto& t)
{
    for (double* v : {&t.XPrimaCol, &t.YPrimaCol, &t.DistanzaSegniOriz, &t.DistanzaSegniVert,
                      &t.SpazioColonne, &t.ScrittaX, &t.ScrittaY, &t.DiametroSegno})
        l.Reale(*v);
}

void Leggi(TLettoreBinario& l, TTaraturaSchedina& t)
{
    for (double* v : {&t.XPrimaCol, &t.YPrimaCol, &t.DistanzaSegniOriz, &t.DistanzaSegniVert, &t.ScrittaX,
                      &t.ScrittaY, &t.LargQuadro, &t.AltQuadro})
        l.Reale(*v);
    l.Byte(t.Da4Colonne);
    l.Blocco(t.Riservati.data(), t.Riservati.size());
}

// The currency follows the fixed part, where a reader that knows only lire stops: a tag, the
// length of the body, then the body, so that a later version may add fields behind these.
constexpr char EtichettaValuta[4] = {'V', 'A', 'L', 'U'};
constexpr std::int32_t LunghezzaValuta = 5;

bool ValutaPredefinita(const TConfigurazione& c)
{
    return c.Valuta == TValuta::Lire && c.CostoCentesimi == CostoCentesimiPredefinito;
}

void ScriviValuta(TScrittoreBinario& s, const TConfigurazione& c)
{
    s.Blocco(EtichettaValuta, sizeof EtichettaValuta);
    s.Intero32(LunghezzaValuta);
    s.Byte(static_cast<std::uint8_t>(c.Valuta));
    s.Intero32(c.CostoCentesimi);
}

// Lire at the defaults unless a whole block of a known currency is there.
void LeggiValuta(TLettoreBinario& l, TConfigurazione& c)
{
    c.Valuta = TValuta::Lire;
    c.CostoCentesimi = CostoCentesimiPredefinito;
    char etichetta[4];
    std::int32_t lunghezza = 0, centesimi = 0;
    std::uint8_t valuta = 0;
    if (l.AllaFine() || !l.Blocco(etichetta, sizeof etichetta) ||
        !std::equal(etichetta, etichetta + 4, EtichettaValuta) || !l.Intero32(lunghezza) ||
        lunghezza < LunghezzaValuta || static_cast<std::size_t>(lunghezza) > l.Rimanenti() ||
        !l.Byte(valuta) || !l.Intero32(centesimi) || valuta > static_cast<std::uint8_t>(TValuta::Euro))
        return;
    c.Valuta = static_cast<TValuta>(valuta);
    c.CostoCentesimi = std::clamp(centesimi, 0, CostoCentesimiMassimo);
}

}  // namespace

namespace {

bool Tra(double v, double massimo)
{
    return v >= 0.0 && v <= massimo;
}

}  // namespace

bool TaraturaNellaPagina(const TTaraturaToto& t)
{
    constexpr double L = LarghezzaPaginaTaratura, A = AltezzaPaginaTaratura;
    return Tra(t.XPrimaCol, L) && Tra(t.YPrimaCol, A) && Tra(t.DistanzaSegniOriz, L) &&
           Tra(t.DistanzaSegniVert, A) && Tra(t.SpazioColonne, std::max(L, A)) && Tra(t.ScrittaX, L) &&
           Tra(t.ScrittaY, A) && Tra(t.DiametroSegno, std::min(L, A));
}

bool TaraturaNellaPagina(const TTaraturaSchedina& t)
{
    constexpr double L = LarghezzaPaginaTaratura, A = AltezzaPaginaTaratura;
    return Tra(t.XPrimaCol, L) && Tra(t.YPrimaCol, A) && Tra(t.DistanzaSegniOriz, L) &&
           Tra(t.DistanzaSegniVert, A) && Tra(t.ScrittaX, L) && Tra(t.ScrittaY, A) && Tra(t.LargQuadro, L) &&
           Tra(t.AltQuadro, A);
}

bool CorreggiTaratura(TTaraturaStampa& t)
{
    bool ok = true;
    for (TTaraturaToto* b : {&t.TotoOrizzontale, &t.TotoVerticale}) {
        if (TaraturaNellaPagina(*b)) continue;
        *b = TTaraturaToto{};
        ok = false;
    }
    for (TTaraturaSchedina* b : {&t.Enalotto, &t.Totip}) {
        if (TaraturaNellaPagina(*b)) continue;
        TTaraturaSchedina predefinita;
        predefinita.Da4Colonne = b->Da4Colonne;
        predefinita.Riservati = b->Riservati;
        *b = predefinita;
        ok = false;
    }
    return ok;
}

std::string SfondoPredefinito()
{
    return UnisciPercorso(CartellaSfondi(), NomeSfondoPredefinito);
}

void TConfigurazione::RipristinaPredefiniti()
{
    const TConfigurazione nuova;
    CostoColonna = nuova.CostoColonna;
    ScalaPunti = nuova.ScalaPunti;
    Sfondo = nuova.Sfondo;
    Taratura = nuova.Taratura;
    Valuta = nuova.Valuta;
    CostoCentesimi = nuova.CostoCentesimi;
}

std::string FileConfigurazione()
{
    return UnisciPercorso(DirectoryProgramma(), NomeFileConfigurazione);
}

void LeggiConfigurazione(TConfigurazione& configurazione, TLettoreBinario& lettore)
{
    // Read into a copy: a block read only in part must not leave half a value behind.
    TConfigurazione letta = configurazione;
    lettore.Intero32(letta.CostoColonna);
    lettore.Byte(letta.ScalaPunti);
    lettore.StringaContata(letta.Sfondo, CapacitaSfondo);
    lettore.StringaContata(letta.IndirizzoPosta, CapacitaInternet);
    lettore.StringaContata(letta.HostFtp, CapacitaInternet);
    lettore.StringaContata(letta.DirectoryFtp, CapacitaInternet);
    lettore.Booleano(letta.AccorpamentoAutomatico);
    Leggi(lettore, letta.Taratura.TotoOrizzontale);
    Leggi(lettore, letta.Taratura.TotoVerticale);
    Leggi(lettore, letta.Taratura.Enalotto);
    Leggi(lettore, letta.Taratura.Totip);

    if (!lettore.Interrotto()) {
        LeggiValuta(lettore, letta);
        configurazione = std::move(letta);
        return;
    }
    // A reader that stopped leaves the fields it never reached as they were, so these
    // four hold either what the file gave or the caller's previous values.
    configurazione.IndirizzoPosta = std::move(letta.IndirizzoPosta);
    configurazione.HostFtp = std::move(letta.HostFtp);
    configurazione.DirectoryFtp = std::move(letta.DirectoryFtp);
    configurazione.AccorpamentoAutomatico = letta.AccorpamentoAutomatico;
    configurazione.RipristinaPredefiniti();
}

void LeggiConfigurazione(TConfigurazione& configurazione, const std::string& file)
{
    auto lettore = TLettoreBinario::Apri(file);
    if (!lettore) {
        configurazione.RipristinaPredefiniti();
        return;
    }
    LeggiConfigurazione(configurazione, *lettore);
}

TBytes ImmagineConfigurazione(const TConfigurazione& configurazione)
{
    TScrittoreBinario s;
    s.Riserva(DimensioneFileConfigurazione);
    s.Intero32(configurazione.CostoColonna);
    s.Byte(configurazione.ScalaPunti);
    s.StringaContata(configurazione.Sfondo, CapacitaSfondo);
    s.StringaContata(configurazione.IndirizzoPosta, CapacitaInternet);
    s.StringaContata(configurazione.HostFtp, CapacitaInternet);
    s.StringaContata(configurazione.DirectoryFtp, CapacitaInternet);
    s.Booleano(configurazione.AccorpamentoAutomatico);
    Scrivi(s, configurazione.Taratura.TotoOrizzontale);
    Scrivi(s, configurazione.Taratura.TotoVerticale);
    Scrivi(s, configurazione.Taratura.Enalotto);
    Scrivi(s, configurazione.Taratura.Totip);
    if (!ValutaPredefinita(configurazione)) ScriviValuta(s, configurazione);
    return std::move(s.Dati());
}

void ScriviConfigurazione(const TConfigurazione& configurazione, const std::string& file)
{
    if (!SalvaSicuro(file, ImmagineConfigurazione(configurazione)))
        throw EErrore(MessaggioSalvaConfigurazione);
}

}  // namespace morella
