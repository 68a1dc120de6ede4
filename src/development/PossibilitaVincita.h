// The winning possibilities of a reduced system: for the exact prediction and for a wrong sign
// at each event, which mixes of full points / one point less / two points less the kept columns
// give and how often; plus what the window "Possibilità di Incolonnamento" shows of them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "Colonna.h"

namespace morella {

// One winning type: kept columns with full points (c0), one point less (c1), two less (c2).
struct TTipoDiVincita {
    int c0 = 0;
    int c1 = 0;
    int c2 = 0;
    int occorrenze = 0;
    double probabilita = 0.0;

    bool operator==(const TTipoDiVincita&) const = default;
};

// The order of a list: on 13 events only full points and one less count; otherwise full
// points outweigh any number of one-less, which outweigh any number of two-less.
std::int64_t PesoTipoDiVincita(int c0, int c1, int c2);

// The winning types of one case (exact prediction, or an error at one event), heaviest first.
class TElencoTipiDiVincita {
   public:
    // Counts one more occurrence of (c0, c1, c2); a new type goes before the first type whose
    // weight is not above its own, so it precedes older types of the same weight.
    void Registra(int c0, int c1, int c2);
    void Svuota();
    void CalcolaProbabilita(int colonneEsaminate);

    const std::vector<TTipoDiVincita>& Tipi() const { return tipi_; }
    double SommaProbabilita() const;

    bool operator==(const TElencoTipiDiVincita& altro) const { return tipi_ == altro.tipi_; }

   private:
    std::vector<TTipoDiVincita> tipi_;
    // Position of each type in tipi_, so that counting an occurrence costs no walk of the list.
    std::unordered_map<std::uint64_t, std::size_t> posizioni_;
};

// The store owned by the system: list 0 for the exact prediction, list i for a wrong sign at
// event i; and the mean probability of keeping a prize with an error on a double or a single.
class T_ListaTipiDiVincite {
   public:
    T_ListaTipiDiVincite() { Svuota(); }

    // NumEvents + 1 empty lists; both averages -1.
    void Svuota();
    // Probabilities of every type (occurrences / examined columns) and the two averages over
    // the events the prediction holds as doubles and as singles (-1 when there are none).
    void Concludi(int colonneEsaminate, const TPronostico& pronostico);

    int NumeroListe() const { return static_cast<int>(liste_.size()); }
    TElencoTipiDiVincita& Lista(int i) { return liste_.at(static_cast<std::size_t>(i)); }
    const TElencoTipiDiVincita& Lista(int i) const { return liste_.at(static_cast<std::size_t>(i)); }
    double MediaDoppie() const { return mediaDoppie_; }
    double MediaSingole() const { return mediaSingole_; }

    bool operator==(const T_ListaTipiDiVincite&) const = default;

   private:
    std::vector<TElencoTipiDiVincita> liste_;
    double mediaDoppie_ = -1.0;
    double mediaSingole_ = -1.0;
};

// ---- What the window shows -------------------------------------------------------------

constexpr int RigheMinimeGriglia = 7;

// A grid as texts: the headings NumEvents, NumEvents - 1, (NumEvents - 2 on 12 events), "Perc.",
// then one row per type in stored order, padded with blank rows to at least seven.
struct TGrigliaPossibilita {
    std::vector<std::string> intestazioni;
    std::vector<std::vector<std::string>> righe;
};
TGrigliaPossibilita GrigliaPossibilita(const TElencoTipiDiVincita& elenco);

// A probability as a percentage with two decimals ("12.50"); blank for a missing average (-1).
std::string TestoPercentuale(double probabilita);

// Events of the coupon panel: a triple cannot go wrong, so it cannot be chosen; the first
// event that can is chosen when the window opens (1-based, 0 when every event is a triple).
struct TEventiPossibilita {
    std::vector<bool> selezionabile;  // index 0 = event 1
    int primoSelezionato = 0;
};
TEventiPossibilita EventiPossibilita(const TPronostico& pronostico);

// The group "Percentuale Media".
struct TPercentualeMedia {
    std::string etichettaDoppia = "Errore  su una Doppia  :";
    std::string valoreDoppia;
    std::string etichettaFissa = "Errore  su una Fissa     :";
    std::string valoreFissa;
};
TPercentualeMedia PercentualeMedia(const T_ListaTipiDiVincite& possibilita);

}  // namespace morella
