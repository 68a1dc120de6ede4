// The state of the panel editor ("Quadro"): it works on a copy of the root panel, so that
// "Annulla" leaves the system's tree as it was whatever was added, cut, pasted or loaded;
// it shows seven sub-conditions of the panel being edited at a time, says what each row
// reads and which commands lead somewhere, and tells OK whether there is anything to give
// back. The list operations themselves are the session's (TSessioneQuadri).
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "Domanda.h"
#include "FileBinario.h"
#include "Quadro.h"
#include "SessioneQuadri.h"

namespace morella {

class T_Archivio;
class TDialogoInsCol;

// One row of the editor's list.
struct TRigaQuadro {
    int Posizione = 0;      // 1-based in the panel being edited
    std::string Testo;      // "3  Numero Di Segni"
    std::string Tipo;       // what the kind is called ("Sub Quadro" for a panel)
    bool Marcato = false;   // selected for "Taglia", "Copia", "Elimina", "Salva"
    bool Attivato = true;   // the condition's own switch
    bool Quadro = false;    // opening it moves the editor into it
    bool Corrente = false;  // the insertion point of "Nuova", "Incolla", "Carica"
    bool operator==(const TRigaQuadro&) const = default;
};

// Which commands can be used at this moment.
struct TComandiQuadro {
    bool QuadroPrecedente = false;  // not at the root
    bool Taglia = false;            // some row marked
    bool Copia = false;
    bool Elimina = false;
    bool SalvaCondizioni = false;
    bool Incolla = false;           // something copied
    bool Relazioni = true;          // "Preset": the four relations choose the counts
    bool TabellaAccettate = false;  // "Particolari": the player edits the counts
    bool operator==(const TComandiQuadro&) const = default;
};

// What the "Nuova" pop-up offers, in menu order: every kind a panel holds.
std::vector<std::pair<TipoCondizione, std::string>> VociNuova();

// "Inserimento Colone filtro dall'archivo" needs contests to make columns from.
inline constexpr const char* MessaggioArchivioVuoto = "L'Archivio Non Contiene Alcun Concorso.";
// The command is refused (with the message asked through `domanda`) on an empty archive.
bool ArchivioPerColonneFiltro(const T_Archivio* archivio, TDomanda& domanda);

class TModelloQuadro {
   public:
    static constexpr int RigheVisibili = 7;

    // The session asks the player through `domanda`, which must outlive the model.
    explicit TModelloQuadro(TDomanda& domanda);

    // Opens the editor on a copy of `radice`, on the panel the last use was showing when it
    // is still there (else the root), scrolled to the top.
    void Apri(const TQuadro& radice);
    // OK: when the copy differs from the panel as it was at Apri, it replaces the root's
    // content (name, switches, counts, lines, sub-conditions). Returns whether it changed.
    bool Conferma(TQuadro& radice);
    // Whether the copy would store differently from the root, which the editor leaves alone
    // while it is open.
    bool Modificato() const;

    TSessioneQuadri& Sessione() { return sessione_; }
    TQuadro& Lavoro() { return *copia_; }
    TQuadro& Corrente() { return sessione_.Corrente(); }

    // Scrolling: the first row shown (0-based) within 0..MassimoScorrimento.
    int PrimaRiga() const { return prima_; }
    int MassimoScorrimento();
    void Scorri(int prima);
    // The rows in sight, at most seven.
    std::vector<TRigaQuadro> Righe();
    // The row clicked last: "Nuova", "Incolla" and "Carica" put what they add there
    // (before it); 0 for none, and then they append.
    int Selezionata() { return selezionata_; }
    void Seleziona(int posizione);
    int PosizioneInserimento();

    void Marca(int posizione, bool marcato) { sessione_.Marca(posizione, marcato); }
    TComandiQuadro Comandi();
    // "Condizioni Nel Quadro : 12", the level when below the root.
    std::string Didascalia();

    // The list commands; the view stays in range and the insertion point on a row.
    TCondizione* Nuova(TipoCondizione tipo);
    int Taglia();
    int Elimina();
    bool Incolla();
    int CaricaCondizioni(const std::string& percorso);
    bool CaricaQuadro(const std::string& percorso);
    // OK of "Inserimento Colone filtro dall'archivo": one filter column per complete
    // contest of the dialog's range, appended while the panel has room; when some did not
    // fit, "Spazio Insufficiente !". Returns how many were added.
    int ColonneDaArchivio(const TDialogoInsCol& dialogo, const T_Archivio& archivio);
    // Moving through the tree; the view goes back to the top.
    bool ApriSottoQuadro(int posizione);
    bool QuadroPrecedente();
    bool ApriPercorso(const std::vector<int>& percorso);
    // Double click on a row of the tree window: a panel becomes the one being edited, any
    // other condition opens its own editor (see TSessioneQuadri::AttivaNodo).
    int AttivaNodo(int riga);
    // After a change the session made behind the view's back (the tree, the archive).
    void Riallinea();

    // "Preset" (true) or "Particolari"; in preset mode the counts follow the relation.
    void ImpostaPreset(bool preset);
    void ImpostaRelazione(int relazione) { Corrente().ScegliRelazione(relazione); }

   private:
    void DopoLista();

    TDomanda& domanda_;
    TQuadro vuoto_;
    std::unique_ptr<TQuadro> copia_;
    TSessioneQuadri sessione_;
    const TQuadro* radice_ = nullptr;
    std::vector<int> ultimoPercorso_;
    int prima_ = 0;
    int selezionata_ = 0;
};

}  // namespace morella
