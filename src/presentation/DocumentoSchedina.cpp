#include "DocumentoSchedina.h"

#include "EditorSchedina.h"

namespace morella {

void TDocumentoSchedina::AcquisisceTutto(const TContenutoSchedina& s)
{
    TDatiSistema& d = sistema_.Dati();
    for (int i = 0; i < MaxEventi; ++i)
        for (int k = 0; k < 2; ++k)
            d.NomiEventi[static_cast<std::size_t>(i)][static_cast<std::size_t>(k)] = TagliaCaratteri(
                s.NomiEventi[static_cast<std::size_t>(i)][static_cast<std::size_t>(k)], CapacitaNomeEvento);
    d.Pronostico = s.Pronostico;
    if (Gioco == GiocoTotip) d.CorsaPiu = s.CorsaPiu;
    for (std::size_t i = 0; i < MaxEventi; ++i) {
        d.Percentuali[i] = NormalizzaPercentuali(s.Percentuali[i]);
        for (std::size_t k = 0; k < 3; ++k) {
            // Only digits fit a value cell: anything else is no value.
            const std::int32_t v = InteroDaTesto(s.Valori[i][k]);
            d.Valori[i][k] = v >= 0 && v <= ValoreMassimo ? v : 0;
        }
    }
    sistema_.Modificato = true;
}

TContenutoSchedina TDocumentoSchedina::ImpostaTutto() const
{
    const TDatiSistema& d = sistema_.Dati();
    TContenutoSchedina s;
    s.NomiEventi = d.NomiEventi;
    s.Pronostico = d.Pronostico;
    s.CorsaPiu = Gioco == GiocoTotip ? d.CorsaPiu : TMascheraCorsaPiu{0};
    for (std::size_t i = 0; i < MaxEventi; ++i)
        for (std::size_t k = 0; k < 3; ++k) {
            s.Percentuali[i][k] = TestoCella(d.Percentuali[i][k]);
            s.Valori[i][k] = TestoCella(d.Valori[i][k]);
        }
    s.Numero = std::to_string(d.Numero);
    return s;
}

bool TDocumentoSchedina::NumeroChange(const std::string& testo)
{
    auto numero = NumeroConcorsoDaTesto(testo);
    if (!numero) return false;
    sistema_.Dati().Numero = *numero;
    sistema_.Modificato = true;
    return true;
}

}  // namespace morella
