#include "FormuleDerivate.h"

#include <algorithm>

#include "Distribuzione.h"

namespace morella {

namespace {

int MassimoFormule()
{
    return Triangolare(NumEvents) + NumEvents;  // the index of the all-"X" column
}

}  // namespace

TFormuleDerivate::TFormuleDerivate(TElencoCondizioni* elenco)
    : TCondizioneATabelle(TipoFormuleDerivate, elenco, {}, {MassimoFormule()}),
      Massimo(static_cast<std::int16_t>(MassimoFormule()))
{
}

bool TFormuleDerivate::SerieAmmette(int, const TMisura& m) const
{
    if (!Attivo) return true;
    return m.Valore >= 0 && m.Valore < NumeroFormule && FormuleAmmesse[static_cast<std::size_t>(m.Valore)];
}

bool TFormuleDerivate::Scrivi(TScrittoreBinario& f) const
{
    ScriviIntestazione(f);
    for (bool ammessa : FormuleAmmesse) f.Booleano(ammessa);
    return true;
}

bool TFormuleDerivate::Leggi(TLettoreBinario& f)
{
    bool attivato = true;
    if (!f.Booleano(attivato)) return false;
    Attivato = attivato;
    // All or nothing: a short block leaves the flags as they were.
    std::array<std::uint8_t, DimensioneCorpo> corpo{};
    if (!f.Blocco(corpo.data(), corpo.size())) return false;
    for (std::size_t i = 0; i < corpo.size(); ++i) FormuleAmmesse[i] = corpo[i] != 0;
    return true;
}

bool TFormuleDerivate::Prepara()
{
    // Flags beyond the game's last distribution (set under another game) never count.
    const auto fine = FormuleAmmesse.begin() + std::min<int>(Massimo, NumeroFormule - 1) + 1;
    Attivo = Attivato && std::any_of(FormuleAmmesse.begin(), fine, [](bool a) { return a; });
    return Attivo;
}

void TFormuleDerivate::Stampa(TRigheStampa& stampa) const
{
    TCondizione::Stampa(stampa);
    if (!Attivo) return;
    stampa.Rientro += 2;
    stampa.Riga("Formule Ammesse");
    std::string riga;
    int inRiga = 0;
    for (int i = 0; i <= Massimo && i < NumeroFormule; ++i) {
        if (!FormuleAmmesse[static_cast<std::size_t>(i)]) continue;
        riga += TestoDistribuzione(i);
        if (++inRiga == 8) {
            stampa.Riga(riga);
            riga.clear();
            inRiga = 0;
        }
    }
    if (!riga.empty()) stampa.Riga(riga);
    stampa.Rientro -= 2;
}

void TFormuleDerivate::Azzera()
{
    FormuleAmmesse.fill(false);
    Attivato = true;
}

}  // namespace morella
