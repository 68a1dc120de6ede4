// What the dialogs choosing a range of archive contests decide, without their windows: the
// search settings ("Impostazioni Di Ricerca") with their limits and the order they keep,
// and the start and end contest of the archive table print ("Stampa Archivio").
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>

#include "Archivio.h"
#include "ImpostazioniRicerca.h"

namespace morella {

// A range of contests: from a season and a number to a season and a number.
struct TEstremiConcorsi {
    std::int32_t PrimaStagione = 0;
    std::int32_t PrimoNumero = 0;
    std::int32_t UltimaStagione = 0;
    std::int32_t UltimoNumero = 0;

    bool operator==(const TEstremiConcorsi&) const = default;
};

// Contest numbers the range dialogs let the player choose.
inline constexpr std::int32_t NumeroMinimoRicerca = 1;
inline constexpr std::int32_t NumeroMassimoRicerca = 99;

// The seasons a range dialog may choose: those of the first and the last contest. An
// empty archive leaves the seasons the archive editor accepts.
TStagioniArchivio LimitiStagioni(const T_Archivio& archivio);

// "Impostazioni Di Ricerca". Seasons stay within the archive, numbers within 1..99, and the
// range stays ordered: a first season set above the last comes down to it, a last season
// set below the first goes up to it, and while the seasons are equal the first number is
// never above the last one (editing the first number lowers it, editing the last number
// raises it, and moving a season pulls the other season's number along).
class TDialogoImpRic {
   public:
    // Shows the settings as they are, brought within the limits of this archive.
    TDialogoImpRic(const T_ImpostazioniRicerca& ricerca, const T_Archivio& archivio);

    const TEstremiConcorsi& Estremi() const { return estremi_; }
    const TStagioniArchivio& Limiti() const { return limiti_; }

    void ImpostaPrimaStagione(std::int32_t stagione);
    void ImpostaUltimaStagione(std::int32_t stagione);
    void ImpostaPrimoNumero(std::int32_t numero);
    void ImpostaUltimoNumero(std::int32_t numero);

    // "Cerca Vincite": 1, 2 or 3 categories ("1º Categoria", "1º e 2º Cat.", "1º , 2º e 3º
    // Cat."); anything else is brought within 1..3.
    int Categorie() const { return categorie_; }
    void ImpostaCategorie(int categorie);

    // "Ignora i seguenti condizionamenti".
    bool IgnoraColonneFiltro = true;
    bool IgnoraRipetizioni = true;
    bool IgnoraValori = true;
    bool IgnoraPercentuali = true;

    // OK: every field into the settings. "Annulla" simply does not call it.
    void Conferma(T_ImpostazioniRicerca& ricerca) const;

   private:
    TEstremiConcorsi estremi_;
    TStagioniArchivio limiti_;
    int categorie_ = 1;
};

// What "Impostazioni Di Ricerca" tells under the range: how many contests of the archive the
// chosen range takes (only complete ones when only complete ones count), their share of the
// archive in whole percent (0 for an empty archive), and a warning when the search would
// find nothing: the archive is empty, or no contest lies in the range.
inline constexpr const char* MessaggioArchivioVuotoRicerca = "L'archivio non contiene concorsi.";
inline constexpr const char* MessaggioNessunConcorsoRicerca = "Nessun concorso nell'intervallo di ricerca.";
struct TRiepilogoRicerca {
    int NelIntervallo = 0;
    int Totale = 0;
    int Percentuale = 0;
    std::string Avviso;  // empty when the range takes at least one contest
    // "Concorsi nell'intervallo : N su M (P%)"
    std::string Testo() const;
};
TRiepilogoRicerca RiepilogoRicerca(const T_Archivio& archivio, const TEstremiConcorsi& estremi,
                                   bool soloCompleti);

// "Stampa Archivio": the start and the end contest of the table. It opens on the whole
// archive. The start season stays between the archive's first season and the end season,
// the end season between the start season and the archive's last season; a season pushed
// back against the other brings its own number with it when the order needs it, and while
// the seasons are equal an edited start number is lowered to the end one and an edited end
// number raised to the start one. Numbers run 1..99.
class TDialogoStampaArch {
   public:
    explicit TDialogoStampaArch(const T_Archivio& archivio);

    const TEstremiConcorsi& Estremi() const { return estremi_; }
    const TStagioniArchivio& Limiti() const { return limiti_; }

    void ImpostaStagioneIniziale(std::int32_t stagione);  // Annoinf1
    void ImpostaConcorsoIniziale(std::int32_t numero);    // Concorso1
    void ImpostaStagioneFinale(std::int32_t stagione);    // annoinf2
    void ImpostaConcorsoFinale(std::int32_t numero);      // Concorso2

   private:
    TEstremiConcorsi estremi_;
    TStagioniArchivio limiti_;
};

// The contests a table from `estremi` prints, as indices of the first and the last: the
// first contest equal to the start or after it, and the one equal to the end or else the
// last before it. Nothing when no contest lies between them.
std::optional<std::pair<int, int>> ConcorsiDaStampare(const T_Archivio& archivio,
                                                      const TEstremiConcorsi& estremi);

}  // namespace morella
