#include "FrequenzeRitardi.h"

#include <algorithm>
#include <limits>
#include <stdexcept>
#include <utility>

namespace morella {

namespace {

// Counters stop at the top instead of wrapping into negative numbers.
void Incrementa(std::int32_t& v)
{
    if (v < std::numeric_limits<std::int32_t>::max()) ++v;
}

void Invecchia(std::vector<TElemRFRM>& lista, std::size_t uscito)
{
    for (std::size_t i = 0; i < lista.size(); ++i) {
        if (i == uscito) continue;
        TElemRFRM& e = lista[i];
        Incrementa(e.Ritardo);
        if (e.Ritardo > e.RitardoMassimo) e.RitardoMassimo = e.Ritardo;
    }
    lista[uscito].Ritardo = 0;
}

}  // namespace

void T_FrequenzeRitardi::Azzera(int valoreMassimo)
{
    valoreMassimo = std::clamp(valoreMassimo, 0, ValoreMassimoAmmesso);
    const auto n = static_cast<std::size_t>(valoreMassimo) + 1;
    prima_.assign(n, TElemRFRM{});
    seconda_.assign(n, TElemRFRM{});
    valoreMassimo_ = static_cast<std::int16_t>(valoreMassimo);
    concorsiContati_ = 0;
}

bool T_FrequenzeRitardi::Registra(int a, int b, bool conRitardi)
{
    if (a < 0 || b < 0 || a > ValoreMassimoAmmesso || b > ValoreMassimoAmmesso) return false;
    Incrementa(concorsiContati_);
    const int massimo = std::max(a, b);
    if (massimo > valoreMassimo_) {
        prima_.resize(static_cast<std::size_t>(massimo) + 1);
        seconda_.resize(static_cast<std::size_t>(massimo) + 1);
        valoreMassimo_ = static_cast<std::int16_t>(massimo);
    }
    const auto ia = static_cast<std::size_t>(a);
    const auto ib = static_cast<std::size_t>(b);
    Incrementa(prima_[ia].Frequenza);
    Incrementa(seconda_[ib].Frequenza);
    if (conRitardi) {
        Invecchia(prima_, ia);
        Invecchia(seconda_, ib);
    }
    return true;
}

T_FrequenzeRitardi T_FrequenzeRitardi::Copia() const
{
    T_FrequenzeRitardi copia;
    copia.prima_ = prima_;
    copia.seconda_ = seconda_;
    copia.valoreMassimo_ = valoreMassimo_;
    copia.concorsiContati_ = concorsiContati_;
    return copia;
}

const TElemRFRM& T_FrequenzeRitardi::Elemento(bool primaLista, int i) const
{
    const auto& lista = primaLista ? prima_ : seconda_;
    if (i < 0 || static_cast<std::size_t>(i) >= lista.size()) throw std::out_of_range("T_FrequenzeRitardi");
    return lista[static_cast<std::size_t>(i)];
}

TElemRFRM& T_FrequenzeRitardi::Elemento(bool primaLista, int i)
{
    return const_cast<TElemRFRM&>(std::as_const(*this).Elemento(primaLista, i));
}

const TElemRFRM& T_FrequenzeRitardi::Letto(int i) const
{
    static const TElemRFRM vuoto{};
    const auto& lista = selettore_ ? prima_ : seconda_;
    if (i < 0 || static_cast<std::size_t>(i) >= lista.size()) return vuoto;
    return lista[static_cast<std::size_t>(i)];
}

}  // namespace morella
