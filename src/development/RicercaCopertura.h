// Local search for a small cover: elements 0..M-1, each with its ball (the elements within the
// guarantee's distance, itself included; the relation is symmetric, so the ball of u is also
// the set of columns that cover u). A fixed number of chosen elements is moved around to
// cover everything, with weights on the elements left uncovered; each time nothing is
// uncovered the solution is kept and one chosen element is dropped.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace morella {

// The balls as one array: the ball of e is vicini[inizio[e] .. inizio[e + 1]).
struct TPalle {
    std::vector<std::uint32_t> inizio;
    std::vector<std::int32_t> vicini;
    int Elementi() const { return inizio.empty() ? 0 : static_cast<int>(inizio.size()) - 1; }
};

// A small deterministic generator (the same sequence on every platform for a given seed).
class TCasuale {
   public:
    explicit TCasuale(std::uint64_t seme) : stato_(seme * 0x9E3779B97F4A7C15ull + 0x632BE59BD9B4E019ull) {}
    std::uint64_t Prossimo()
    {
        std::uint64_t z = (stato_ += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    int Sotto(int n) { return static_cast<int>(Prossimo() % static_cast<std::uint64_t>(n)); }

   private:
    std::uint64_t stato_;
};

class TRicercaCopertura {
   public:
    // `copertura` must cover every element. Setting up touches every ball of the cover (tens
    // of milliseconds on the largest lists): `interrompi`, when given, is asked along the way,
    // and a search interrupted there finds nothing.
    TRicercaCopertura(const TPalle& palle, const std::vector<int>& copertura, std::uint64_t seme,
                      const std::function<bool()>& interrompi = {});

    // Paired steps choose the element to drop together with the one to add, so that what they
    // cover in common counts; without weights the search minimises the uncovered elements as
    // they are. Both suit large irregular lists (a conditioned system), where a few elements
    // left uncovered for long would grow heavy enough to outweigh many others.
    void ScambiInCoppia(bool si) { inCoppia_ = si; }
    void SenzaPesi(bool si) { senzaPesi_ = si; }

    // Searches until `ferma` says so (asked every few steps) or no smaller cover can exist.
    // `ferma` gets the current number of chosen elements and the best size so far.
    void Cerca(const std::function<bool(int colonneOra, int migliore)>& ferma);

    const std::vector<int>& Migliore() const { return migliore_; }
    std::int64_t Passi() const { return passi_; }

   private:
    void Aggiungi(int c);
    void Togli(int s);
    void SegnaScoperto(int u);
    void SegnaCoperto(int u);
    int ScegliDaTogliere();
    int ScegliDaAggiungere(int u);
    void Appesantisci(int u);
    void TogliLaMeno();  // drops the chosen element that loses least, once all is covered
    void PassoInCoppia();

    const TPalle& palle_;
    TCasuale caso_;
    int m_;
    int minimo_;  // no cover can be smaller: M over the largest ball, rounded up
    // What a step touches of an element, together in memory.
    struct TStato {
        std::int32_t coperture = 0;  // chosen elements covering it
        std::int32_t chi = 0;        // xor of those: the one coverer when there is one
        std::int32_t peso = 1;
        std::uint8_t scelto = 0;
        std::uint8_t configurazione = 1;  // may be added again: its surroundings changed
    };
    std::vector<TStato> stato_;
    // Per element, whether exactly one chosen element covers it: a byte each, so the paired
    // step's scan over the balls of the candidates stays in the cache.
    std::vector<std::uint8_t> unico_;
    std::vector<std::int64_t>
        punteggio_;                  // not chosen: weight it would cover; chosen: - weight only it covers
    std::vector<std::int64_t> eta_;  // step of the last change
    std::vector<int> scelti_, posScelto_;
    std::vector<int> scoperti_, posScoperto_;
    std::vector<int> migliore_;
    std::vector<std::int64_t>
        condiviso_;  // paired steps: per chosen element, weight shared with the one to add
    std::vector<int> toccati_;
    bool inCoppia_ = false, senzaPesi_ = false;
    bool interrotta_ = false;  // while setting up
    int ultimoAggiunto_ = -1;
    std::int64_t passi_ = 0;
};

}  // namespace morella
