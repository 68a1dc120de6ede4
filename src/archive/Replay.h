// The system replayed over the archive: every winning column in the search range goes
// through the system's conditions, per prize category, and what came out (frequency, mean
// cycle, delays) feeds the page "Informazioni Statistiche Sul Sistema".
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "FrequenzeRitardi.h"

namespace morella {

class T_Archivio;
class TElencoCondizioni;
class TSistema;
struct TDatiSistema;
struct T_ImpostazioniRicerca;

inline constexpr const char* StatoAnalisiArchivio = "Analisi Dell'Archivio in Corso..";
inline constexpr const char* TestoInfinito = "Infinito";

// Values of the category's table: the winning column was let through or not.
constexpr int ValoreMancato = 0;
constexpr int ValoreCentrato = 1;

// What one prize category found. Positions count the examined contests from 1.
struct TRisultatoCategoria {
    T_FrequenzeRitardi Frequenze{ValoreCentrato};
    double CicloMedio = 0;
    std::int32_t RitardoMinimo = 0;  // of the waits beyond the mean cycle
    std::int32_t RitardoMassimo = 0;
    double RitardoMedio = 0;
    std::int32_t RitardoAttuale = 0;   // current wait beyond the mean cycle
    std::int32_t Assenza = 0;          // examined contests since the last hit
    std::int32_t UltimaUscita = 0;     // position of the last hit, 0 when none
    std::vector<std::int32_t> Uscite;  // positions of the hits, increasing

    std::int32_t Centrati() const { return static_cast<std::int32_t>(Uscite.size()); }
    void Azzera() { *this = TRisultatoCategoria{}; }
};

// The three categories: index 0 is the first ("1º"), 2 the third.
struct TRisultatiRicercaArchivio {
    std::array<TRisultatoCategoria, 3> Categorie{};
    std::int32_t Esaminati = 0;  // contests replayed by the last run
};

// Progress and cancel of the statistics window. Every call has an empty default.
class TOsservatoreReplay {
   public:
    virtual ~TOsservatoreReplay() = default;
    virtual void Stato(const std::string& /*testo*/) {}
    // Gauge 0..100; called only when the value changes.
    virtual void Progresso(int /*percento*/) {}
    // Polled once per examined contest; true stops the replay at once.
    virtual bool Annullato() { return false; }
};

struct TEsitoReplay {
    std::int32_t Esaminati = 0;
    std::int32_t Concorsi = 0;  // contests in the archive
    bool Annullato = false;
    std::string Stato;  // "Concorsi Esaminati : n Su m"; empty when cancelled
};

// Replays the archive through the container, filling ricerca.RisultatiRicerca for the
// ricerca.CategorieCercate categories (the third never for Toto). The container is in
// archive mode, with ricerca as its search settings, only for the duration: whatever the
// way out (end, cancel, exception) its mode and sources are as they were before. A cancel
// keeps what was gathered so far, with the derived figures computed on it.
TEsitoReplay ReplayArchivio(TElencoCondizioni& condizioni, T_ImpostazioniRicerca& ricerca,
                            const T_Archivio& archivio, TOsservatoreReplay* osservatore = nullptr);
// The same on the open system, its search settings and its archive (none: an empty one).
TEsitoReplay ReplayArchivio(TSistema& sistema, TOsservatoreReplay* osservatore = nullptr);

// The derived figures of a category from its hit list and table, after `esaminati`
// contests: last hit, mean cycle, current wait and the waits beyond the mean cycle.
void CalcolaRitardi(TRisultatoCategoria& categoria, std::int32_t esaminati);

// Which of the buttons "1º", "2º", "3º" can be pressed after a replay of k categories.
std::array<bool, 3> CategorieAbilitate(int categorieCercate, int gioco);

// What the statistics page shows for one category (1..3). Texts hold the value only; the
// captions are the constants below. The convenience items exist only for category 1 of
// a developed system.
struct TPaginaStatistiche {
    std::string CicloMedio, RitardoMedio;  // two decimals
    std::string RitardoMinimo, RitardoMassimo, SettimaneDiAssenza, RitardoAttuale;
    double PercentualeUscite = 0;  // pie "Frequenza Storica :", hits and the rest
    double PercentualeMancati = 0;
    bool MostraConvenienza = false;
    double PercentualeFiltrate = 0;  // pie "Colonne Filtrate :", removed and kept
    double PercentualeRimaste = 0;
    std::string FattoreDiConvenienza;  // two decimals or "Infinito"; empty without contests
};

inline constexpr const char* CaptionCicloMedio = "Ciclo Medio :";
inline constexpr const char* CaptionRitardoMedio = "Ritardo Medio :";
inline constexpr const char* CaptionRitardoMinimo = "Ritardo Minimo :";
inline constexpr const char* CaptionRitardoMassimo = "Ritardo Massimo :";
inline constexpr const char* CaptionSettimaneDiAssenza = "Settimane Di  Assenza :";
inline constexpr const char* CaptionRitardiCiclo = "Ritardi Riferiti al Ciclo Medio :";
inline constexpr const char* CaptionRitardoAttuale = "Ritardo Attuale :";
inline constexpr const char* CaptionFrequenzaStorica = "Frequenza Storica :";
inline constexpr const char* CaptionColonneFiltrate = "Colonne Filtrate :";
inline constexpr const char* CaptionFattoreConvenienza = "Fattore Di Convenienza :";

// Category outside 1..3 gives an empty page.
TPaginaStatistiche PaginaStatistiche(const TRisultatiRicercaArchivio& risultati, int categoria,
                                     const TDatiSistema& dati);

}  // namespace morella
