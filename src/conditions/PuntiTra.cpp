#include "PuntiTra.h"

#include <algorithm>
#include <array>

#include "Archivio.h"
#include "Consecutivita.h"
#include "ElencoCondizioni.h"
#include "EsameTraLink.h"
#include "ImpostazioniRicerca.h"
#include "Link.h"
#include "ListaColonne.h"
#include "Quadro.h"
#include "Ripetizioni.h"
#include "ScansioneArchivio.h"

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
    for (int g = 1; g <= gruppiInUso_; ++g) {
        if ((gruppiSaltati_ >> g) & 1U) continue;
        if (!Gruppo(g).Ammette(static_cast<double>(somme[static_cast<std::size_t>(g)]), link)) return false;
    }
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
    gruppiSaltati_ = 0;
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

// ---- statistics of one group ----

namespace {

// No kind measures more series than this.
constexpr int SerieMassime = 8;

}  // namespace

void TPuntiTra::ImpostaGruppoAnalizzato(int gruppo)
{
    gruppoAnalizzato_ = std::clamp(gruppo, 1, NumeroGruppiTra);
    piano_ = TPiano{};
}

void TPuntiTra::ImpostaElenco(TElencoCondizioni* elenco)
{
    TCondizione::ImpostaElenco(elenco);
    piano_ = TPiano{};
}

int TPuntiTra::MassimoSerie() const
{
    return std::clamp<int>(Gruppo(gruppoAnalizzato_).NumeroIntervalli, 0,
                           TTabellaIntervalli::MassimoIntervalli);
}

int TPuntiTra::IndiceIntervallo(double valore) const
{
    const TTabellaIntervalli& t = Gruppo(gruppoAnalizzato_);
    const int n = MassimoSerie();
    for (int i = 0; i < n; ++i) {
        const TIntervallo& intervallo = t.Intervalli[static_cast<std::size_t>(i)];
        if (intervallo.Minimo <= valore && valore <= intervallo.Massimo) return i;
    }
    return n;
}

bool TPuntiTra::SerieAmmette(const TMisura& m) const
{
    const TTabellaIntervalli& t = Gruppo(gruppoAnalizzato_);
    if (!t.InUso) return true;
    if (m.Valore < 0 || m.Valore >= MassimoSerie()) return false;
    const auto stato = t.Intervalli[static_cast<std::size_t>(m.Valore)].Stato;
    return stato == 1 || stato == 2;
}

void TPuntiTra::RaccogliContributi(TCondizione& c) const
{
    // Only what the development verifies adds to the sums.
    if (!(c.Attivo && c.Attivato) || &c == this) return;
    const int g = gruppoAnalizzato_;
    if (c.Tipo() == TipoQuadro) {
        auto& quadro = static_cast<TQuadro&>(c);
        const TTabellaValori& t = quadro.CondizioniAccettate;
        for (int k = 0; k < (t.ConConsecutivita() ? 2 : 1); ++k)
            if (t.Sotto[static_cast<std::size_t>(k)].GruppoTra == g && t.HaStati(k))
                piano_.Contributi.push_back({TContributo::TFonte::Quadro, &c, 0, k});
        for (int i = 0; i < quadro.Conta(); ++i) RaccogliContributi(quadro.Elemento(i));
        return;
    }
    if (auto* gruppo = dynamic_cast<TGruppoCondizioni*>(&c)) {
        for (int i = 0; i < gruppo->Conta(); ++i) RaccogliContributi(gruppo->Elemento(i));
        return;
    }
    auto* tabelle = dynamic_cast<TCondizioneATabelle*>(&c);
    if (!tabelle) return;
    // The kind's own examination says which of its tables take part (a consecutiveness
    // element only through its runs table).
    auto esame = TEsameTraLink::PerGruppo(g);
    tabelle->EsameTraLink(esame);
    for (const TElemTraLink& e : esame.Elementi) {
        int i = 0;
        while (i < tabelle->NumeroTabelle() && &tabelle->Tabella(i) != e.Tabella) ++i;
        if (i == tabelle->NumeroTabelle()) continue;
        if (c.Tipo() == TipoConsecutivita)
            piano_.Contributi.push_back({TContributo::TFonte::Consecutivita, &c, 0, e.SottoTabella});
        else if (tabelle->NumeroSerie() == tabelle->NumeroTabelle())  // table i is measured by series i
            piano_.Contributi.push_back({TContributo::TFonte::Serie, &c, i, e.SottoTabella});
    }
}

void TPuntiTra::CostruisciPiano() const
{
    piano_.Contributi.clear();
    piano_.Valido = true;
    if (!elenco_) return;
    for (int slot = 1; slot <= NumeroSlot; ++slot)
        if (TCondizione* c = elenco_->Condizione(slot)) RaccogliContributi(*c);
}

std::int64_t TPuntiTra::Somma(const TColonnaEsaminata& c, int indice) const
{
    if (!piano_.Valido) CostruisciPiano();
    const T_Archivio* archivio = elenco_ ? elenco_->Sorgenti.Archivio : nullptr;
    std::int64_t somma = 0;
    std::array<TMisura, SerieMassime> m{};
    for (const TContributo& k : piano_.Contributi) {
        TMisura misura;
        switch (k.Fonte) {
            case TContributo::TFonte::Serie: {
                const auto& t = static_cast<const TCondizioneATabelle&>(*k.Condizione);
                if (indice >= 0 && t.Tipo() == TipoRipetizioni) {
                    // Against the first or the second contest before this one; none, nothing.
                    const int prima = indice - 1 - k.Serie;
                    if (archivio && prima >= 0 && prima < archivio->NumeroConcorsi()) {
                        const auto& tabella = t.Tabella(k.Serie);
                        misura = TRipetizioni::MisuraContro(
                            c, TRipetizioni::RiferimentoDi(archivio->Concorso(prima).ColonnaVincente),
                            MascheraEventi(tabella.DaEvento, tabella.AEvento));
                    }
                } else {
                    t.MisuraSerie(c, m.data());
                    misura = m[static_cast<std::size_t>(k.Serie)];
                }
                break;
            }
            case TContributo::TFonte::Consecutivita: {
                // Only the columns the element applies to add their run.
                const auto& e = static_cast<const TConsecutivita&>(*k.Condizione);
                const TMisura x = e.Misura(c);
                if (e.Tabella(TConsecutivita::TabellaConteggi).Stato(0, x.Valore) == StatoAmmesso)
                    misura = {x.Run, 0};
                break;
            }
            case TContributo::TFonte::Quadro:
                // The full walk: the count the table is meant to judge, not a shortcut's.
                misura = static_cast<TQuadro&>(*k.Condizione).Misura(c);
                break;
        }
        somma += k.Sotto == 0 ? misura.Valore : misura.Run;
    }
    return somma;
}

std::int64_t TPuntiTra::SommaGruppo(const TColonnaEsaminata& c) const
{
    return Somma(c, -1);
}

TMisura TPuntiTra::MisuraSerie(const TColonnaEsaminata& c) const
{
    return {IndiceIntervallo(static_cast<double>(SommaGruppo(c))), 0};
}

void TPuntiTra::StatisticaArchivio()
{
    prime_.Azzera(MassimoSerie());
    CostruisciPiano();
    if (!elenco_ || !elenco_->Sorgenti.Archivio) return;
    ScandisciArchivio(elenco_, [&](const TColonna& vincente, int k) {
        const auto somma = Somma(TColonnaEsaminata(vincente), k);
        prime_.Registra(IndiceIntervallo(static_cast<double>(somma)), 0, true);
    });
    // The repetitions inside panels go back to the last two contests of the archive.
    for (const TContributo& k : piano_.Contributi)
        if (k.Fonte == TContributo::TFonte::Quadro) k.Condizione->Prepara();
}

void TPuntiTra::StatisticaColonne()
{
    seconde_.Azzera(MassimoSerie());
    CostruisciPiano();
    if (!elenco_ || !elenco_->Sorgenti.Colonne) return;
    auto registra = [&](const TColonna& c) {
        seconde_.Registra(MisuraSerie(TColonnaEsaminata(c)).Valore, 0, false);
    };
    PerOgniColonnaSingola(*elenco_->Sorgenti.Colonne, registra);
}

void TPuntiTra::ContaColonna(const TColonna& colonna)
{
    const TMisura m = MisuraSerie(TColonnaEsaminata(colonna));
    prime_.Registra(m.Valore, 0, false);
    if (SerieAmmette(m)) seconde_.Registra(m.Valore, 0, false);
}

void TPuntiTra::AzzeraStatistiche()
{
    prime_.Azzera(MassimoSerie());
    seconde_.Azzera(MassimoSerie());
    piano_ = TPiano{};
}

}  // namespace morella
