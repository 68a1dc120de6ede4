// The data record of the open system: event names, prediction, Corsa +, percentages and
// values, the development settings, and the objects the system owns (columns, conditions,
// links, configuration, winning possibilities). Also the rules its dialogs apply.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "Colonna.h"
#include "Configurazione.h"
#include "ElencoCondizioni.h"
#include "Link.h"
#include "ListaColonne.h"
#include "PossibilitaVincita.h"

namespace morella {

class T_Archivio;

constexpr int CapacitaNomeEvento = 12;
constexpr int CapacitaFileSviluppo = 255;
// A value on the coupon has at most four digits.
constexpr std::int32_t ValoreMassimo = 9999;

inline constexpr std::int32_t SecondiOttimizzazionePredefiniti = 10;
inline constexpr std::int32_t SecondiOttimizzazioneMassimi = 3600;

struct TImpostazioniSviluppo {
    bool DaPronostico = true;  // " Pronostico" or " File Colonnare"
    std::string FileSorgente;
    bool UsaCondizioni = true;
    bool Autoriduzione = false;
    bool SalvaAutomaticamente = false;
    bool CalcoloPercentuali = false;
    bool Accurata = true;    // " Accurata" or " Veloce"
    bool GaranziaN1 = true;  // " N - 1" or " N - 2"
    std::string FileDestinazione;
    // " Ottimizzata": the accurate reduction, then a search for fewer columns with the same
    // guarantee for at most SecondiOttimizzazione seconds; Accurata stays true with it. Kept
    // in a trailing block of the system file that only systems using them carry.
    bool Ottimizzata = false;
    std::int32_t SecondiOttimizzazione = SecondiOttimizzazionePredefiniti;
    std::uint32_t SemeOttimizzazione = 1;

    // The defaults at start-up: "DefSorg.Col" and "DefDest.Col" in the column folder.
    static TImpostazioniSviluppo Predefinite();
    bool operator==(const TImpostazioniSviluppo&) const = default;
};

// Per event (1..13) the three entries "1", "X", "2".
using TTabellaSegni = std::array<std::array<std::int32_t, 3>, MaxEventi>;

struct TDatiSistema {
    TDatiSistema();
    TDatiSistema(const TDatiSistema&) = delete;
    TDatiSistema& operator=(const TDatiSistema&) = delete;

    TListaColonne Colonne;
    // The links come first: the conditions charge their errors on them.
    std::unique_ptr<TElencoLink> Link;
    std::unique_ptr<TElencoCondizioni> Condizioni;
    T_Archivio* Archivio = nullptr;
    T_ListaTipiDiVincite Possibilita;

    // Per event: first name (race or home team), second name (away team, Toto only).
    std::array<std::array<std::string, 2>, MaxEventi> NomiEventi;
    TPronostico Pronostico{};
    TTabellaSegni Percentuali{};
    TTabellaSegni Valori{};
    TMascheraCorsaPiu CorsaPiu = 0;
    std::int32_t Numero = 1;
    TConfigurazione Configurazione;
    bool Sviluppato = false;
    bool PossibilitaCalcolate = false;
    std::int32_t ColonneFinali = 0;
    TImpostazioniSviluppo Impostazioni = TImpostazioniSviluppo::Predefinite();

    // Conditions and links created anew with their defaults (a new system).
    void RicreaCondizioni();
};

// An integer as typed in a grid cell; anything else counts as 0.
std::int32_t InteroDaTesto(const std::string& testo);

// One row of percentages: nothing above 0 gives 0, 0, 0; otherwise "1" is cut to 100, "X" to
// what is left, and "2" takes the rest.
std::array<std::int32_t, 3> NormalizzaPercentuali(const std::array<std::string, 3>& riga);

// Participants between 1 and 100; with more than one, as many names as participants.
inline constexpr const char* MessaggioNomiSoci =
    "Il numero dei nomi dei soci non corrisponde a quello specificato";
std::optional<std::string> ControllaPartecipanti(int partecipanti, int numeroNomi);

// The development-settings dialog: which controls are enabled, and why OK may be refused.
struct TControlliSviluppo {
    bool Garanzia, Tipo, Percentuali;  // only with " Autoriduzione"
    bool Destinazione;                 // only with " Salva Automaticamente le Colonne"
    bool TempoOttimizzazione;          // only with " Autoriduzione" and " Ottimizzata"
};

// The three reduction types of the dialog's radio group: " Accurata", " Veloce", " Ottimizzata".
enum class TTipoRiduzione { Accurata, Veloce, Ottimizzata };
TTipoRiduzione TipoRiduzione(const TImpostazioniSviluppo& s);
void ImpostaTipoRiduzione(TImpostazioniSviluppo& s, TTipoRiduzione tipo);
// The optimisation's settings differ from the defaults: the system file carries its block.
bool UsaOttimizzazione(const TImpostazioniSviluppo& s);
TControlliSviluppo ControlliAbilitati(const TImpostazioniSviluppo& s);
inline constexpr const char* MessaggioSorgenteMancante = "Il File Sorgente non Esiste.";
inline constexpr const char* MessaggioPercentualiVeloce =
    "Non è possibile abilitare il calcolo delle percentuali unitamente alla riduzione veloce";
inline constexpr const char* MessaggioTempoOttimizzazione =
    "Il tempo di ottimizzazione deve essere compreso tra 0 e 3600 secondi";
// The message of the refusal, nothing when the settings are accepted.
// A source written on another machine is looked up in the column folder first.
std::optional<std::string> ControllaImpostazioniSviluppo(const TImpostazioniSviluppo& s);
// The source file the development reads: the stored one, or its name in the column folder.
std::string FileSorgenteEffettivo(const TImpostazioniSviluppo& s);

}  // namespace morella
