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
    return std::move(s.Dati());
}

void ScriviConfigurazione(const TConfigurazione& configurazione, const std::string& file)
{
    if (!SalvaSicuro(file, ImmagineConfigurazione(configurazione)))
        throw EErrore(MessaggioSalvaConfigurazione);
}

}  // namespace morella
