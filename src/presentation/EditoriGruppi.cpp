#include "EditoriGruppi.h"

#include <algorithm>
#include <cstdio>

#include "CorniceEditore.h"
#include "Sequele.h"

namespace morella {

std::string ControllaIntervallo(const TIntervallo& i)
{
    if (i.Minimo > i.Massimo) return MessaggioMinimoMassimo;
    if (i.Livello < 1 || i.Livello > LivelloMassimoIntervallo) return MessaggioLivelloIntervallo;
    return {};
}

std::string AggiungiIntervallo(TTabellaIntervalli& t, const TIntervallo& intervallo)
{
    if (t.NumeroIntervalli >= TTabellaIntervalli::MassimoIntervalli) return MessaggioTroppiIntervalli;
    std::string errore = ControllaIntervallo(intervallo);
    if (errore.empty()) t.Aggiungi(intervallo);
    return errore;
}

std::string CambiaIntervallo(TTabellaIntervalli& t, int indice, const TIntervallo& intervallo)
{
    if (indice < 0 || indice >= t.NumeroIntervalli) return {};
    std::string errore = ControllaIntervallo(intervallo);
    if (errore.empty()) t.Intervalli[static_cast<std::size_t>(indice)] = intervallo;
    return errore;
}

bool EliminaIntervallo(TTabellaIntervalli& t, int indice)
{
    if (indice < 0 || indice >= t.NumeroIntervalli) return false;
    const auto inizio = t.Intervalli.begin() + indice;
    std::rotate(inizio, inizio + 1, t.Intervalli.begin() + t.NumeroIntervalli);
    --t.NumeroIntervalli;
    t.Intervalli[static_cast<std::size_t>(t.NumeroIntervalli)] = TIntervallo{};
    return true;
}

bool StessiIntervalli(const TTabellaIntervalli& a, const TTabellaIntervalli& b)
{
    if (a.Link != b.Link || a.NumeroIntervalli != b.NumeroIntervalli) return false;
    for (int i = 0; i < a.NumeroIntervalli; ++i) {
        const TIntervallo& x = a.Intervalli[static_cast<std::size_t>(i)];
        const TIntervallo& y = b.Intervalli[static_cast<std::size_t>(i)];
        if (x.Minimo != y.Minimo || x.Massimo != y.Massimo || x.Stato != y.Stato || x.Livello != y.Livello)
            return false;
    }
    return true;
}

std::string TestoLimite(double valore)
{
    char testo[40];
    std::snprintf(testo, sizeof testo, "%.10g", valore);
    return testo;
}

std::string TestoStatoIntervallo(int stato)
{
    return stato == StatoInRecupero ? "In Recupero" : "Ammesso";
}

TEsitoSequela ControllaSequela(const TSceltaSequela& s)
{
    TEsitoSequela e;
    if (s.Tipo == TSequele::SequelaSchema) {
        e.SulloSchema = true;
        if (!s.SchemaContiguo) {
            e.Messaggio = MessaggioSequelaNonContigua;
            return e;
        }
        while (e.Lunghezza < NumEvents && s.Schema[static_cast<std::size_t>(e.Lunghezza)] != 0) ++e.Lunghezza;
    } else {
        e.Lunghezza = s.Lunghezza;
    }
    if (e.Lunghezza < 2) {
        e.Messaggio = MessaggioSequelaCorta;
    } else if (e.Lunghezza > s.EventiCampo) {
        e.Messaggio = MessaggioSequelaLunga;
    } else if (s.PassoTrovata < 1 || s.PassoNonTrovata < 1) {
        e.Messaggio = MessaggioPassoSequela;
        e.SulloSchema = false;
    } else {
        e.SulloSchema = false;
    }
    return e;
}

const char* TestoTipoSequela(int tipo)
{
    static const char* const testi[] = {"Schema",     "Monotermine", "Bitermine",
                                        "Tritermine", "Generica",    "Specchio"};
    return tipo >= 1 && tipo <= 6 ? testi[tipo - 1] : "";
}

std::string TestoPortataGruppo(int minimo, int massimo)
{
    return "Punti Raggiungibili : da " + std::to_string(minimo) + " a " + std::to_string(massimo);
}

int MassimoInizialeLink(const TTabellaValori& t, int eventi)
{
    int alto = eventi;
    for (int s = 0; s < 2; ++s) alto = std::max(alto, t.MassimoAmmesso(s));
    return std::min(alto, t.Massimo());
}

TCopiaLink::TCopiaLink(const TElencoLink& link) : totale_(link.ErroriTotali)
{
    for (const TLink& l : link.Link) errori_.push_back(l.Errori);
}

bool TCopiaLink::Conferma(TElencoLink& link) const
{
    bool cambiato = false;
    for (std::size_t i = 0; i < errori_.size(); ++i)
        if (!StessiValori(errori_[i], link.Link[i].Errori))
            cambiato = RiportaTabella(true, errori_[i], link.Link[i].Errori) || cambiato;
    if (!StessiValori(totale_, link.ErroriTotali))
        cambiato = RiportaTabella(true, totale_, link.ErroriTotali) || cambiato;
    return cambiato;
}

}  // namespace morella
