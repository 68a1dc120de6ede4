// The two lists of the derived formulas editor: the distributions a column may not have
// ("Formule  Escluse") and those it may have ("Formule Incluse"), each in index order,
// moved between the lists one selection or all at a time. A formula is shown as its index
// followed by its counts of "1", "X" and "2".
#pragma once

#include <array>
#include <string>
#include <vector>

namespace morella {

class TListeFormule {
   public:
    static constexpr int NumeroFormule = 106;
    using TFlag = std::array<bool, NumeroFormule>;

    // The lists of the formulas 0..massimo from the admitted flags.
    TListeFormule(const TFlag& ammesse, int massimo);

    std::vector<int> Escluse() const { return Lista(false); }
    std::vector<int> Incluse() const { return Lista(true); }
    int Massimo() const { return massimo_; }
    bool Inclusa(int formula) const;

    // "->" and "<-": the given formulas (positions 0..Massimo; others ignored) change list.
    void Includi(const std::vector<int>& formule) { Sposta(formule, true); }
    void Escludi(const std::vector<int>& formule) { Sposta(formule, false); }
    // ">>" and "<<".
    void IncludiTutte();
    void EscludiTutte();

    // Whether the lists differ from the flags they were built from.
    bool Modificato() const { return attuali_ != iniziali_; }
    // Copies the lists into the flags 0..Massimo; flags beyond Massimo are left as they are.
    void Copia(TFlag& ammesse) const;

    // The text of a formula in the lists: its index in three places, then N1-NX-N2.
    static std::string Testo(int formula);

   private:
    std::vector<int> Lista(bool incluse) const;
    void Sposta(const std::vector<int>& formule, bool includi);

    int massimo_;
    TFlag iniziali_;
    TFlag attuali_;
};

}  // namespace morella
