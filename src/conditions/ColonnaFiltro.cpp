#include "ColonnaFiltro.h"

#include <cstring>

#include "ElencoCondizioni.h"
#include "Link.h"

namespace morella {

TColonnaFiltro::TColonnaFiltro(TElencoCondizioni* elenco)
    : TCondizioneATabelle(TipoColonnaFiltro, elenco, {TTabellaValori(NumEvents, true)}, {NumEvents})
{
}

void TColonnaFiltro::ImpostaColonna(const TColonna& colonna)
{
    ColonnaFiltro = TColonna{};
    for (int i = 0; i < NumEvents; ++i)
        ColonnaFiltro[static_cast<std::size_t>(i)] =
            static_cast<TSegni>(colonna[static_cast<std::size_t>(i)] & 7);
}

bool TColonnaFiltro::Filtra() const
{
    for (int i = 0; i < NumEvents; ++i)
        if (ColonnaFiltro[static_cast<std::size_t>(i)] & 7) return true;
    return false;
}

void TColonnaFiltro::CostruisciFiltro() const
{
    TFiltro f;
    f.Colonna = ColonnaFiltro;
    f.Eventi = NumEvents;
    std::array<std::uint8_t, 16> segni{};
    for (int i = 0; i < NumEvents; ++i) {
        const auto s = static_cast<std::uint8_t>(ColonnaFiltro[static_cast<std::size_t>(i)] & 7);
        segni[static_cast<std::size_t>(i)] = s;
        if (s) f.Filtrati |= TMaschera{1} << i;
        for (std::size_t k = 0; k < 3; ++k)
            if (s & (1u << k)) f.Ammessi[k] |= TMaschera{1} << i;
    }
    std::memcpy(&f.Basso, segni.data(), 8);
    std::memcpy(&f.Alto, segni.data() + 8, 8);

    // The place of a filtered event among the filtered ones, counted from 0.
    auto posto = [&](int evento) { return ContaBit(f.Filtrati & ((TMaschera{1} << evento) - 1)); };
    f.PassoAlto = ContaBit(f.Filtrati & 0x7Fu);
    for (unsigned x = 0; x < f.PackBasso.size(); ++x) {
        unsigned v = 0;
        for (int j = 0; j < 7; ++j)
            if ((x >> j) & (f.Filtrati >> j) & 1u) v |= 1u << posto(j);
        f.PackBasso[x] = static_cast<std::uint16_t>(v);
    }
    for (unsigned x = 0; x < f.PackAlto.size(); ++x) {
        unsigned v = 0;
        for (int j = 0; j < 6; ++j)
            if ((x >> j) & (f.Filtrati >> (j + 7)) & 1u) v |= 1u << (posto(j + 7) - f.PassoAlto);
        f.PackAlto[x] = static_cast<std::uint16_t>(v);
    }
    filtro_ = f;
}

TMaschera TColonnaFiltro::Colpi(const TFiltro& f, const TColonnaEsaminata& c)
{
    using dettaglio::ByteNulli;
    using dettaglio::Raccogli;
    // A developed column holds one sign per event, and its sign masks are at hand.
    if ((c.Segni[0] | c.Segni[1] | c.Segni[2]) == c.Eventi)
        return (c.Segni[0] & f.Ammessi[0]) | (c.Segni[1] & f.Ammessi[1]) | (c.Segni[2] & f.Ammessi[2]);
    // Otherwise (empty or multi-sign events) a hit is an event where the column and the
    // filter share a sign: the byte of their AND is not 0. The filter holds no bit above the
    // signs and nothing past the events, so marks in the column and the Corsa + bytes drop
    // out by themselves.
    std::uint64_t basso = 0, alto = 0;
    std::memcpy(&basso, c.Colonna.s.data(), 8);
    std::memcpy(&alto, c.Colonna.s.data() + DimensioneColonna - 8, 8);
    alto >>= 8 * (16 - DimensioneColonna);  // bytes 8..13 at the low end
    const TMaschera nulli = Raccogli(ByteNulli(basso & f.Basso)) | Raccogli(ByteNulli(alto & f.Alto)) << 8;
    return ~nulli & f.Filtrati;
}

TMisura TColonnaFiltro::Misura(const TColonnaEsaminata& c, bool tutti) const
{
    const TFiltro& f = Filtro();
    const auto& t = tabelle_[TabellaPunti];
    const TMaschera colpi = Colpi(f, c);
    TMisura m;
    if (tutti || t.Sotto[0].InUso) m.Valore = ContaBit(colpi);
    if (tutti || t.Sotto[1].InUso) m.Run = Serie(f, colpi);
    return m;
}

bool TColonnaFiltro::Verifica(const TColonnaEsaminata& c)
{
    const TMisura m = Misura(c, false);
    const auto& t = tabelle_[TabellaPunti];
    if (TSommeTra* somme = SommeTraAttive()) t.SommaTra(m.Valore, m.Run, *somme);
    return t.Ammette(m.Valore, m.Run, Link());
}

bool TColonnaFiltro::Scrivi(TScrittoreBinario& f) const
{
    f.Byte(tipo_);
    ScriviTabelle(f);
    f.Blocco(ColonnaFiltro.s.data(), DimensioneColonna);
    f.Booleano(Attivato);
    return true;
}

bool TColonnaFiltro::Leggi(TLettoreBinario& f)
{
    if (!LeggiTabelle(f)) return false;
    TColonna colonna{};
    if (!f.Blocco(colonna.s.data(), DimensioneColonna)) return false;
    ColonnaFiltro = colonna;
    bool attivato = true;
    if (!f.Booleano(attivato)) return false;
    Attivato = attivato;
    return true;
}

bool TColonnaFiltro::Prepara()
{
    const bool tabella = tabelle_[TabellaPunti].Prepara(Attivato);
    const bool ignorata = elenco_ && elenco_->IgnoraInArchivio(TipoColonnaFiltro);
    Attivo = tabella && Filtra() && !ignorata;
    Filtro();  // built here rather than on the first column
    return Attivo;
}

void TColonnaFiltro::Stampa(TRigheStampa& stampa) const
{
    TCondizione::Stampa(stampa);
    stampa.Rientro += 2;
    std::string testo = "Colonna ";
    for (int i = 0; i < NumEvents; ++i) {
        const TSegni s = ColonnaFiltro[static_cast<std::size_t>(i)] & 7;
        const std::string segni = TestoSegni(s);
        testo += s == 0 ? "*" : segni.size() == 1 ? segni : "(" + segni + ")";
    }
    stampa.Riga(testo);
    Tabella(TabellaPunti).Stampa(Didascalia(TabellaPunti), stampa);
    stampa.Rientro -= 2;
}

std::unique_ptr<TColonnaFiltro> CreaColonnaFiltro(const TColonna& colonna,
                                                  const std::vector<int>& puntiAmmessi,
                                                  TElencoCondizioni* elenco)
{
    auto c = std::make_unique<TColonnaFiltro>(elenco);
    c->ImpostaColonna(colonna);
    for (int p : puntiAmmessi) c->Tabella(TColonnaFiltro::TabellaPunti).ImpostaStato(0, p, StatoAmmesso);
    return c;
}

}  // namespace morella
