#include "ListeFormule.h"

#include <algorithm>
#include <cstdio>

#include "Distribuzione.h"

namespace morella {

TListeFormule::TListeFormule(const TFlag& ammesse, int massimo)
    : massimo_(std::clamp(massimo, -1, NumeroFormule - 1)), iniziali_(ammesse), attuali_(ammesse)
{
}

bool TListeFormule::Inclusa(int formula) const
{
    return formula >= 0 && formula <= massimo_ && attuali_[static_cast<std::size_t>(formula)];
}

std::vector<int> TListeFormule::Lista(bool incluse) const
{
    std::vector<int> r;
    for (int i = 0; i <= massimo_; ++i)
        if (attuali_[static_cast<std::size_t>(i)] == incluse) r.push_back(i);
    return r;
}

void TListeFormule::Sposta(const std::vector<int>& formule, bool includi)
{
    for (int f : formule)
        if (f >= 0 && f <= massimo_) attuali_[static_cast<std::size_t>(f)] = includi;
}

void TListeFormule::IncludiTutte()
{
    std::fill(attuali_.begin(), attuali_.begin() + massimo_ + 1, true);
}

void TListeFormule::EscludiTutte()
{
    std::fill(attuali_.begin(), attuali_.begin() + massimo_ + 1, false);
}

void TListeFormule::Copia(TFlag& ammesse) const
{
    std::copy(attuali_.begin(), attuali_.begin() + massimo_ + 1, ammesse.begin());
}

std::string TListeFormule::Testo(int formula)
{
    const TDistribuzione d = DistribuzioneDaIndice(formula);
    char buf[32];
    std::snprintf(buf, sizeof buf, "%3d   %2d-%2d-%2d", formula, d.n1, d.nx, d.n2);
    return buf;
}

}  // namespace morella
