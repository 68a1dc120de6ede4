// The column list: the developed, loaded or merged columns of a system or of an output
// window, in order. Records are kept contiguous (14 bytes each) rather than one node per
// column; the order, the count and appending at the tail behave as a list.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "Colonna.h"

namespace morella {

class TListaColonne {
   public:
    using iterator = std::vector<TColonna>::iterator;
    using const_iterator = std::vector<TColonna>::const_iterator;

    int Conta() const { return static_cast<int>(colonne_.size()); }
    std::size_t size() const { return colonne_.size(); }
    bool Vuota() const { return colonne_.empty(); }

    TColonna& operator[](std::size_t i) { return colonne_[i]; }
    const TColonna& operator[](std::size_t i) const { return colonne_[i]; }
    iterator begin() { return colonne_.begin(); }
    iterator end() { return colonne_.end(); }
    const_iterator begin() const { return colonne_.begin(); }
    const_iterator end() const { return colonne_.end(); }

    void Svuota() { colonne_.clear(); }
    void Aggiungi(const TColonna& c) { colonne_.push_back(c); }
    // Appends every single column the record covers, the leftmost multi-sign event changing
    // slowest; signs in the order "1", "X", "2". The Corsa + bytes are copied unchanged.
    void AggiungiEspansa(const TColonna& record, bool svuotaPrima = false);
    void Riserva(std::size_t n) { colonne_.reserve(n); }

    // Direct access for the engines that rebuild the list in one go (merging, reduction).
    std::vector<TColonna>& Colonne() { return colonne_; }
    const std::vector<TColonna>& Colonne() const { return colonne_; }

    bool operator==(const TListaColonne&) const = default;

   private:
    std::vector<TColonna> colonne_;
};

// Calls f on every single column the list covers: a merged record stands for each of the
// columns it covers, in the order AggiungiEspansa gives them.
template <class F>
void PerOgniColonnaSingola(const TListaColonne& lista, F&& f)
{
    TListaColonne singole;
    for (const TColonna& c : lista) {
        if (PrimoEventoMultiplo(c) == 0) {
            f(c);
            continue;
        }
        singole.AggiungiEspansa(c, true);
        for (const TColonna& s : singole) f(s);
    }
}

}  // namespace morella
