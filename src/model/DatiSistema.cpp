#include "DatiSistema.h"

#include <algorithm>
#include <charconv>

#include "Cartelle.h"
#include "FileBinario.h"

namespace morella {

TImpostazioniSviluppo TImpostazioniSviluppo::Predefinite()
{
    TImpostazioniSviluppo s;
    s.FileSorgente = UnisciPercorso(CartellaColonne(), "DefSorg.Col");
    s.FileDestinazione = UnisciPercorso(CartellaColonne(), "DefDest.Col");
    return s;
}

TDatiSistema::TDatiSistema()
{
    RicreaCondizioni();
}

void TDatiSistema::RicreaCondizioni()
{
    // The conditions point at the links: drop them first, build the links first.
    Condizioni.reset();
    Link = std::make_unique<TElencoLink>();
    Condizioni = std::make_unique<TElencoCondizioni>(Link.get());
    Condizioni->Dati = this;
}

std::int32_t InteroDaTesto(const std::string& testo)
{
    std::size_t a = testo.find_first_not_of(' ');
    std::size_t b = testo.find_last_not_of(' ');
    if (a == std::string::npos) return 0;
    std::int32_t v = 0;
    const char* inizio = testo.data() + a;
    const char* fine = testo.data() + b + 1;
    if (*inizio == '+') ++inizio;
    auto [p, ec] = std::from_chars(inizio, fine, v);
    return ec == std::errc{} && p == fine ? v : 0;
}

std::array<std::int32_t, 3> NormalizzaPercentuali(const std::array<std::string, 3>& riga)
{
    std::int32_t p1 = InteroDaTesto(riga[0]), px = InteroDaTesto(riga[1]), p2 = InteroDaTesto(riga[2]);
    if (p1 <= 0 && px <= 0 && p2 <= 0) return {0, 0, 0};
    // A negative share means nothing: it is taken as 0 so the row still adds up to 100.
    p1 = std::clamp(p1, 0, 100);
    px = std::max(px, 0);
    if (p1 + px > 100) px = 100 - p1;
    return {p1, px, 100 - p1 - px};
}

std::optional<std::string> ControllaPartecipanti(int partecipanti, int numeroNomi)
{
    if (partecipanti > 1 && numeroNomi != partecipanti) return std::string(MessaggioNomiSoci);
    return std::nullopt;
}

TControlliSviluppo ControlliAbilitati(const TImpostazioniSviluppo& s)
{
    return {s.Autoriduzione, s.Autoriduzione, s.Autoriduzione, s.SalvaAutomaticamente,
            s.Autoriduzione && s.Ottimizzata};
}

TTipoRiduzione TipoRiduzione(const TImpostazioniSviluppo& s)
{
    if (s.Ottimizzata) return TTipoRiduzione::Ottimizzata;
    return s.Accurata ? TTipoRiduzione::Accurata : TTipoRiduzione::Veloce;
}

void ImpostaTipoRiduzione(TImpostazioniSviluppo& s, TTipoRiduzione tipo)
{
    // The optimised reduction starts from the accurate one; a reader that does not know it
    // finds " Accurata" in the file.
    s.Ottimizzata = tipo == TTipoRiduzione::Ottimizzata;
    s.Accurata = tipo != TTipoRiduzione::Veloce;
}

bool UsaOttimizzazione(const TImpostazioniSviluppo& s)
{
    return s.Ottimizzata || s.SecondiOttimizzazione != SecondiOttimizzazionePredefiniti ||
           s.SemeOttimizzazione != 1;
}

std::string FileSorgenteEffettivo(const TImpostazioniSviluppo& s)
{
    return RisolviPercorso(s.FileSorgente, CartellaColonne());
}

std::optional<std::string> ControllaImpostazioniSviluppo(const TImpostazioniSviluppo& s)
{
    if (!s.DaPronostico && !FileEsiste(FileSorgenteEffettivo(s)))
        return std::string(MessaggioSorgenteMancante);
    if (s.CalcoloPercentuali && !s.Accurata && !s.Ottimizzata) return std::string(MessaggioPercentualiVeloce);
    if (s.Ottimizzata &&
        (s.SecondiOttimizzazione < 0 || s.SecondiOttimizzazione > SecondiOttimizzazioneMassimi))
        return std::string(MessaggioTempoOttimizzazione);
    return std::nullopt;
}

}  // namespace morella
