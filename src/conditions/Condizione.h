// The condition: the header every kind shares and its fourteen operations, always in the
// same order, as virtual functions. A kind is built from its kind byte by CreaCondizione;
// its editor is reached through a registry that the user interface fills at start-up, so
// the core never sees a widget.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "ColonnaEsaminata.h"
#include "FileBinario.h"
#include "RigheStampa.h"
#include "TabellaValori.h"
#include "TipiCondizione.h"

namespace morella {

class TCondizione;
class TElencoCondizioni;
class TElencoLink;
class TEsameTraLink;
class TmmPrinter;

// Opens the modal editor of a condition; the result is the dialog's (0 when it was closed
// without confirming).
using TEditoreCondizione = std::function<int(TCondizione&)>;
// The user interface registers one editor per kind; an empty function removes it.
void RegistraEditore(TipoCondizione tipo, TEditoreCondizione editore);
// Whether a kind has an editor yet; the menus leave the others disabled.
bool EditoreRegistrato(TipoCondizione tipo);

class TCondizione {
   public:
    // Header.
    bool Attivo = false;   // derived by Prepara: enabled and some table admits something
    bool Attivato = true;  // the user's switch
    std::string Nome;      // at most 255 characters
    std::string Percorso;  // parent's path, "\", Nome; built by ImpostaPercorso
    bool Marcato = false;  // selection in the panel editor; never stored

    TipoCondizione Tipo() const { return tipo_; }
    // The container whose links, points-between sums and error list this condition uses;
    // nullptr for a condition standing alone (then in recupero values are simply admitted).
    TElencoCondizioni* Elenco() const { return elenco_; }

    // The fourteen operations, in their fixed order.
    virtual void ImpostaPercorso(const std::string& testo);  // 0
    virtual void StatisticaArchivio();                       // 1
    virtual void StatisticaColonne();                        // 2
    virtual void ContaColonna(const TColonna& colonna);      // 3
    virtual int Modifica();                                  // 4
    virtual bool Verifica(const TColonnaEsaminata& c) = 0;   // 5
    virtual bool Scrivi(TScrittoreBinario& f) const = 0;     // 6: the whole block
    virtual bool Leggi(TLettoreBinario& f) = 0;              // 7: kind byte already read
    virtual void AzzeraStatistiche();                        // 8
    virtual bool Prepara() = 0;                              // 9
    virtual void EsameTraLink(TEsameTraLink& esame) const;   // 10
    virtual void Stampa(TRigheStampa& stampa) const;         // 11
    // Slot 11 on paper: the description above as a framed block of the system report at
    // the running y (millimetres, moved past the block), left edge x. Laid out by the
    // report code in output/, the same for every kind.
    void StampaBlocco(double& y, TmmPrinter& stampante, double x) const;
    virtual ~TCondizione() = default;  // 12 (Distruggi)
    virtual void ImpostaDefault();     // 13

    // A copy of the header and of every table and field of the kind (paste, analysis).
    virtual std::unique_ptr<TCondizione> Clona() const = 0;
    // Moves the condition (and a group's elements) under another container.
    virtual void ImpostaElenco(TElencoCondizioni* elenco) { elenco_ = elenco; }

    TCondizione& operator=(const TCondizione&) = delete;

   protected:
    TCondizione(TipoCondizione tipo, TElencoCondizioni* elenco);
    TCondizione(const TCondizione&) = default;

    // What Verifica needs from the container, cheap enough for the hot loop.
    TElencoLink* Link() const;
    TSommeTra* SommeTraAttive() const;  // nullptr unless the points-between condition is active
    bool RaccogliErrori() const;
    void AggiungiErrore(const TCondizione* condizione) const;

    // kind byte and Attivato, the opening of most blocks
    void ScriviIntestazione(TScrittoreBinario& f) const
    {
        f.Byte(tipo_);
        f.Booleano(Attivato);
    }

    TipoCondizione tipo_;
    TElencoCondizioni* elenco_;
};

}  // namespace morella
