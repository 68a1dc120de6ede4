#include "PuntiTra.h"

#include "ElencoCondizioni.h"
#include "EsameTraLink.h"
#include "Link.h"

namespace morella {

TPuntiTra::TPuntiTra(TElencoCondizioni* elenco) : TCondizione(TipoPuntiTra, elenco) {}

std::int32_t TPuntiTra::NumeroGruppi() const
{
    for (int g = NumeroGruppiTra; g >= 1; --g)
        if (Gruppo(g).NumeroIntervalli > 0) return g;
    return 0;
}

bool TPuntiTra::AmmetteSomme(const TSommeTra& somme)
{
    TElencoLink* link = Link();
    for (int g = 1; g <= gruppiInUso_; ++g)
        if (!Gruppo(g).Ammette(static_cast<double>(somme[static_cast<std::size_t>(g)]), link)) return false;
    return true;
}

bool TPuntiTra::Verifica(const TColonnaEsaminata&)
{
    // The sums live in the container, filled by the tables of the conditions tested before
    // this one; standing alone nothing has been added, and every sum is 0.
    if (elenco_) return AmmetteSomme(elenco_->SommeTra);
    return AmmetteSomme(TSommeTra{});
}

bool TPuntiTra::Scrivi(TScrittoreBinario& f) const
{
    ScriviIntestazione(f);
    const std::int32_t gruppi = NumeroGruppi();
    f.Intero32(gruppi);
    for (int g = 1; g <= gruppi; ++g) Gruppo(g).Scrivi(f);
    return true;
}

bool TPuntiTra::Leggi(TLettoreBinario& f)
{
    for (auto& t : PuntiAmmessi) t = TTabellaIntervalli{};
    gruppiInUso_ = 0;
    Attivo = false;
    bool attivato = true;
    if (!f.Booleano(attivato)) return false;
    Attivato = attivato;
    std::int32_t gruppi = 0;
    if (!f.Intero32(gruppi)) return false;
    if (gruppi < 0 || gruppi > NumeroGruppiTra) {
        // Not a count this block can hold: what follows cannot be trusted either.
        f.Interrompi();
        return false;
    }
    for (int g = 1; g <= gruppi; ++g)
        if (!Gruppo(g).Leggi(f)) return false;
    return true;
}

bool TPuntiTra::Prepara()
{
    gruppiInUso_ = 0;
    for (int g = 1; g <= NumeroGruppiTra; ++g)
        if (Gruppo(g).Prepara(Attivato)) gruppiInUso_ = g;
    Attivo = gruppiInUso_ > 0;
    return Attivo;
}

void TPuntiTra::EsameTraLink(TEsameTraLink& esame) const
{
    // Only the letters: the groups' own tables add nothing to any group.
    for (int g = 1; g <= NumeroGruppiTra; ++g)
        esame.Esamina(*this, Gruppo(g), "Punti Ammessi Gruppo " + std::to_string(g));
}

void TPuntiTra::Stampa(TRigheStampa& stampa) const
{
    TCondizione::Stampa(stampa);
    stampa.Rientro += 2;
    for (int g = 1; g <= NumeroGruppiTra; ++g) {
        const auto& t = Gruppo(g);
        if (t.NumeroIntervalli <= 0) continue;
        stampa.Riga("Gruppo " + std::to_string(g) + "  Punti Ammessi");
        stampa.Rientro += 2;
        t.Stampa(stampa);
        stampa.Rientro -= 2;
    }
    stampa.Rientro -= 2;
}

void TPuntiTra::AzzeraGruppi()
{
    for (auto& t : PuntiAmmessi) t.Azzera();
    Attivato = true;
}

}  // namespace morella
