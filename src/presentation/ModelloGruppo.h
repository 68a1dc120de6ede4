// The state of a group editor (consecutiveness, sequences, values, percentages, filter
// columns): it works on a copy of the group so that "Annulla" leaves the system's group as
// it was, shows one element at a time, says which buttons lead somewhere and what the
// position caption reads, and tells OK whether there is anything to give back.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "FileBinario.h"
#include "GruppoCondizioni.h"

namespace morella {

// Which of the editor's controls can be used at this moment.
struct TPulsantiGruppo {
    bool Primo = false;       // "PrimoBtn"
    bool Precedente = false;  // "SinistraBtn"
    bool Successivo = false;  // "DestraBtn"
    bool Ultimo = false;      // "UltimoBtn"
    bool Aggiungi = true;     // "AggiungiBtn"
    bool Elimina = false;     // "EliminaBtn"
    bool Elemento = false;    // the shown element's own controls (switch, tables, fields)
    bool operator==(const TPulsantiGruppo&) const = default;
};

class TModelloGruppo {
   public:
    // Builds a new, empty element of the group's kind.
    using TFabbricaElemento = std::function<std::unique_ptr<TCondizione>()>;

    // Starts on a copy of the group, on its first element (none when it is empty). Without a
    // factory, "AggiungiBtn" adds an element of the kind the group holds, with its defaults.
    explicit TModelloGruppo(const TGruppoCondizioni& gruppo, TFabbricaElemento fabbrica = {});

    // The working copy: the dialog reads and writes the group's own switch here.
    TGruppoCondizioni& Copia() { return *copia_; }
    const TGruppoCondizioni& Copia() const { return *copia_; }

    int Conta() const { return copia_->Conta(); }
    // 1-based position of the shown element; 0 when the group is empty.
    int Posizione() const { return posizione_; }
    bool Vuoto() const { return posizione_ == 0; }
    // The shown element of the copy; nullptr when the group is empty.
    TCondizione* Corrente() const { return Vuoto() ? nullptr : &copia_->Elemento(posizione_ - 1); }
    template <class T>
    T* CorrenteCome() const
    {
        return dynamic_cast<T*>(Corrente());
    }

    // Navigation; each returns whether the shown element changed.
    bool Primo() { return VaiA(1); }
    bool Precedente() { return VaiA(posizione_ - 1); }
    bool Successivo() { return VaiA(posizione_ + 1); }
    bool Ultimo() { return VaiA(Conta()); }
    bool VaiA(int posizione);

    // A new element at the end of the list, which becomes the shown one. Nothing when the
    // factory gives no element the group can hold.
    TCondizione* Aggiungi();
    // Removes the shown element; the one that takes its place is shown, or the previous one
    // when the last was removed. False when there is nothing to remove.
    bool Elimina();

    // "Azzera ": the group and each element switched on, every element's tables reset; the
    // elements, their order and their own fields (a sign, a column) stay. An element kind
    // with tables of another sort (intervals) passes its own reset, run after the switch.
    void Azzera(const std::function<void(TCondizione&)>& azzeraElemento = {});

    TPulsantiGruppo Pulsanti() const;
    // "Elemento 2 di 5", or "Nessun Elemento" for an empty group.
    std::string Didascalia() const;

    // Whether the copy would store differently from the group as it was when the editor
    // opened: an element added or removed, a table, a field or a switch changed. Derived
    // flags do not count, so a value clicked round back to where it was is no change.
    bool Modificato() const;
    // OK: when the copy differs, it replaces the content of the group (elements, switch)
    // and the elements get their paths again. Returns whether the group changed.
    bool Conferma(TGruppoCondizioni& gruppo) const;

    // The group's block as the file would hold it once prepared: what Modificato compares.
    static TBytes Impronta(const TGruppoCondizioni& gruppo);

   private:
    std::unique_ptr<TGruppoCondizioni> copia_;
    TBytes originale_;
    TFabbricaElemento fabbrica_;
    int posizione_ = 0;
};

}  // namespace morella
