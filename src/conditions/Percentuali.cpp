#include "Percentuali.h"

#include <bit>
#include <cstring>

#include "Link.h"

namespace morella {

namespace {

// One step of the product, written once so that both measures round alike.
inline double Applica(double percentuale, double x)
{
    return percentuale * x / 100.0;
}

}  // namespace

TPercentuali::TPercentuali(TElencoCondizioni* elenco) : TCondizioneAPesi(TipoPercentuali, elenco) {}

const TTabellaSegni* TPercentuali::TabellaDelSistema() const
{
    return elenco_ && elenco_->Dati ? &elenco_->Dati->Percentuali : nullptr;
}

double TPercentuali::Misura(const TColonnaEsaminata& c) const
{
    const TTabellaSegni* tabella = TabellaDelSistema();
    bool qualcuna = false;
    double x = 100.0;
    for (int i = 0; i < NumEvents; ++i) {
        if (!Partite[static_cast<std::size_t>(i)]) continue;
        qualcuna = true;
        const int cifra = CifraSegno(c.Colonna[static_cast<std::size_t>(i)] & MascheraSegni);
        if (cifra >= 0) x = Applica(static_cast<double>(Peso(tabella, i, cifra)), x);
    }
    return qualcuna ? x : 0.0;
}

void TPercentuali::PreparaPesi()
{
    const TTabellaSegni* tabella = TabellaDelSistema();
    qualcuna_ = false;
    for (int i = 0; i < MaxEventi; ++i) {
        const auto e = static_cast<std::size_t>(i);
        fattori_[e].fill(0.0);
        applica_[e] = 0;
        if (i >= NumEvents || !Partite[e]) continue;
        qualcuna_ = true;
        for (int cifra = 0; cifra < 3; ++cifra) {
            fattori_[e][SegnoDaCifra(cifra)] = static_cast<double>(Peso(tabella, i, cifra));
            applica_[e] = static_cast<std::uint8_t>(applica_[e] | (1u << SegnoDaCifra(cifra)));
        }
    }
    parziali_[0] = 100.0;
    memoriaValida_ = false;
}

bool TPercentuali::Verifica(const TColonnaEsaminata& c)
{
    if (!qualcuna_) return Intervalli.Ammette(0.0, Link());
    // The signs of the events, eight to a word, to find the first one that changed.
    constexpr std::uint64_t sette = 0x0707070707070707ULL;
    std::uint64_t bassa = 0, alta = 0;
    std::memcpy(&bassa, c.Colonna.s.data(), 8);
    std::memcpy(&alta, c.Colonna.s.data() + 8, DimensioneColonna - 8);
    bassa &= sette;
    alta &= sette & ((std::uint64_t{1} << (8 * (NumEvents - 8))) - 1);  // not the Corsa + bytes
    int primo = 0;
    if (memoriaValida_) {
        if (const std::uint64_t d = bassa ^ ultimaBassa_)
            primo = std::countr_zero(d) / 8;
        else if (const std::uint64_t d2 = alta ^ ultimaAlta_)
            primo = 8 + std::countr_zero(d2) / 8;
        else
            primo = NumEvents;
    }
    for (int i = primo; i < NumEvents; ++i) {
        const auto e = static_cast<std::size_t>(i);
        const unsigned b = c.Colonna[e] & MascheraSegni;
        const double x = parziali_[e];
        parziali_[e + 1] = (applica_[e] >> b) & 1u ? Applica(fattori_[e][b], x) : x;
    }
    ultimaBassa_ = bassa;
    ultimaAlta_ = alta;
    memoriaValida_ = true;
    return Intervalli.Ammette(parziali_[static_cast<std::size_t>(NumEvents)], Link());
}

}  // namespace morella
