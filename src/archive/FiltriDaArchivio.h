// Turning a range of archive contests into filter columns of a panel ("Inserimento Colone
// filtro dall'archivo"): the range and accepted points the dialog asks for, and the
// operation that appends one filter column per complete contest in the range.
#pragma once

#include <cstdint>
#include <vector>

#include "Archivio.h"
#include "DialoghiRicerca.h"

namespace morella {

class TQuadro;
class TSessioneQuadri;

// Appends to `quadro`, in archive order, a filter column on the winning column of every
// complete contest from the first to the last contest of `estremi`, admitting `puntiAmmessi`
// (points outside 0..NumEvents are ignored); it stops when the panel has no room for
// another condition. Returns how many were appended.
int InserisciColonneFiltro(const T_Archivio& archivio, const TEstremiConcorsi& estremi,
                           const std::vector<int>& puntiAmmessi, TQuadro& quadro);

// "Concorsi Da Inserire". Both seasons open on the season of the last contest, the first
// number on 1 and the last on the last contest's number; seasons stay within those of the
// archive's first and last contest, numbers within 1..99.
class TDialogoInsCol {
   public:
    explicit TDialogoInsCol(const T_Archivio& archivio);

    const TEstremiConcorsi& Estremi() const { return estremi_; }
    const TStagioniArchivio& Limiti() const { return limiti_; }

    void ImpostaPrimaStagione(std::int32_t stagione);
    void ImpostaUltimaStagione(std::int32_t stagione);
    void ImpostaPrimoNumero(std::int32_t numero);
    void ImpostaUltimoNumero(std::int32_t numero);

    // The points the new filter columns admit, 0..NumEvents; none at first.
    std::vector<int> PuntiAmmessi;

    // OK: the filter columns go into `quadro`; see InserisciColonneFiltro.
    int Conferma(const T_Archivio& archivio, TQuadro& quadro) const;
    // The same into the panel the panel editor is showing, which then counts as modified
    // when anything was added.
    int Conferma(const T_Archivio& archivio, TSessioneQuadri& sessione) const;

   private:
    TEstremiConcorsi estremi_;
    TStagioniArchivio limiti_;
};

}  // namespace morella
