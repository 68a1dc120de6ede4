#include "Valori.h"

#include "Link.h"

namespace morella {

TValori::TValori(TElencoCondizioni* elenco) : TCondizioneAPesi(TipoValori, elenco) {}

const TTabellaSegni* TValori::TabellaDelSistema() const
{
    return elenco_ && elenco_->Dati ? &elenco_->Dati->Valori : nullptr;
}

double TValori::Misura(const TColonnaEsaminata& c) const
{
    const TTabellaSegni* tabella = TabellaDelSistema();
    std::int64_t somma = 0;
    for (int i = 0; i < NumEvents; ++i) {
        const int cifra = CifraSegno(c.Colonna[static_cast<std::size_t>(i)] & MascheraSegni);
        if (Partite[static_cast<std::size_t>(i)] && cifra >= 0) somma += Peso(tabella, i, cifra);
    }
    return static_cast<double>(somma);
}

void TValori::PreparaPesi()
{
    const TTabellaSegni* tabella = TabellaDelSistema();
    for (int i = 0; i < MaxEventi; ++i) {
        auto& p = pesi_[static_cast<std::size_t>(i)];
        p.fill(0);
        if (i >= NumEvents || !Partite[static_cast<std::size_t>(i)]) continue;
        for (int cifra = 0; cifra < 3; ++cifra) p[SegnoDaCifra(cifra)] = Peso(tabella, i, cifra);
    }
}

bool TValori::Verifica(const TColonnaEsaminata& c)
{
    std::int64_t somma = 0;
    for (int i = 0; i < NumEvents; ++i)
        somma += pesi_[static_cast<std::size_t>(i)][c.Colonna[static_cast<std::size_t>(i)] & MascheraSegni];
    return Intervalli.Ammette(static_cast<double>(somma), Link());
}

}  // namespace morella
