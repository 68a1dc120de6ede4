// What the panel editor decides, without the drawing: which panel of the tree is being
// edited, the marked sub-conditions and the clipboard they are copied to, the room left in
// a panel, panel and conditions files, "Adatta", and the tree window's rows and double click.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "AlberoCondizioni.h"
#include "ColonnaEsaminata.h"
#include "Domanda.h"
#include "Quadro.h"

namespace morella {

inline constexpr const char* TitoloEditorQuadro = "Quadro";
inline constexpr const char* MessaggioSpazioInsufficiente = "Spazio Insufficiente !";
inline constexpr const char* DomandaSostituisciQuadro =
    "Questa Operazione Eliminerà Il Contenuto Attuale Del quadro. Confermi ? ";

class TSessioneQuadri {
   public:
    // The session works on the tree under `radice` (container slot 13) and asks the player
    // through `domanda`. Both must outlive it.
    TSessioneQuadri(TQuadro& radice, TDomanda& domanda);

    // Another root (a new system): the editor goes back to it; the clipboard stays.
    void ImpostaRadice(TQuadro& radice);

    TQuadro& Radice() const { return *radice_; }
    // The panel being edited. A path that no longer leads to a panel (the tree was changed
    // behind the session's back) is cut back to the part that still does.
    TQuadro& Corrente();
    // Panels above the one being edited: 0 at the root.
    int Livello();
    const std::vector<int>& Percorso();

    // Moving through the tree: into the panel at a 1-based position of the current one,
    // back to the enclosing panel ("Quadro Precedente"), or along a path from the root.
    bool ApriSottoQuadro(int posizione);
    bool QuadroPrecedente();
    bool ApriPercorso(const std::vector<int>& percorso);

    // A new sub-condition of a kind ("Nuova") at a 1-based position (beyond the count:
    // appended); a panel made here is named "Sub Quadro". nullptr when the kind is unknown
    // or there is no room ("Spazio Insufficiente !" shown).
    TCondizione* Nuova(TipoCondizione tipo, int posizione);

    // Sub-conditions of the current panel marked in the editor (`Marcato`).
    int NumeroMarcati();
    void Marca(int posizione, bool marcato);
    // "Copia": copies of the marked sub-conditions, in list order, replace the clipboard.
    int Copia();
    // "Taglia": copies them, then deletes them.
    int Taglia();
    // "Elimina": deletes every marked sub-condition.
    int Elimina();
    // "Incolla": copies of the clipboard at a 1-based position (never beyond the count plus
    // one), in their order. Refused with "Spazio Insufficiente !" when the panel would pass
    // 999 sub-conditions or the tree its nesting bound; then nothing changes.
    bool Incolla(int posizione);
    int NumeroAppunti() const { return static_cast<int>(appunti_.size()); }

    // "Salva Quadro": the root panel, whole, to a panel file (the one loading replaces); the
    // name is remembered.
    void SalvaQuadro(const std::string& percorso);
    // "Carica Quadro": asks first when the root holds anything; on "Si" the file's panel
    // replaces the root's contents and the editor goes back to the root. False when the
    // player declined. A file that cannot be read throws and changes nothing.
    bool CaricaQuadro(const std::string& percorso);
    // The name proposed to the next save: the last panel file loaded or saved, at first
    // "SenzaNom.QDR" in the "QuadriS" folder.
    const std::string& NomeFileQuadro() const { return nomeFileQuadro_; }
    // "Salva le Condizioni": the marked sub-conditions of the current panel.
    void SalvaCondizioni(const std::string& percorso);
    // "Carica": every condition of a conditions file inserted, in file order, at the
    // position used for pasting. Returns how many; 0 when refused for lack of room. A file
    // that cannot be read throws and changes nothing.
    int CaricaCondizioni(const std::string& percorso, int posizione);

    // "Adatta": the filter columns of the current panel rewritten on the system's prediction
    // masked to the events selected in the editor's coupon panel. False, with the message
    // shown, when there is no prototype or its doubles and triples do not match.
    bool Adatta(const TPronostico& pronostico, TMaschera selezionati);

    // The tree window's rows, with the panel being edited highlighted.
    std::vector<TNodoAlbero> Albero();
    // Double click on a row: a panel becomes the one being edited (result 0); any other
    // condition opens its own editor (the editor's result). -1 for a row that is not there.
    int AttivaNodo(int riga);

    // Something in the tree changed since the flag was last cleared: the system is to be
    // marked modified.
    bool Modificato = false;

   private:
    // Room for these in the current panel, by count and by nesting; the message otherwise.
    bool CiStanno(const std::vector<std::unique_ptr<TCondizione>>& nuove);
    void InserisciTutte(std::vector<std::unique_ptr<TCondizione>> nuove, int posizione);
    void ListaCambiata();

    TQuadro* radice_;
    TDomanda& domanda_;
    std::vector<int> percorso_;
    std::vector<std::unique_ptr<TCondizione>> appunti_;
    std::string nomeFileQuadro_;
};

}  // namespace morella
