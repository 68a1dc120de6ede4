#include "Quadro.h"

#include <algorithm>

#include "Archivio.h"
#include "ElencoCondizioni.h"
#include "EsameTraLink.h"
#include "FabbricaCondizioni.h"
#include "ImpostazioniRicerca.h"
#include "ListaColonne.h"
#include "ScansioneArchivio.h"

namespace morella {

namespace {

// A text line longer than this is not one the editor could have written.
constexpr std::int32_t LunghezzaMassimaRiga = 1 << 20;

// While the statistics measure a panel, its sub-conditions are asked about columns outside
// any development: nothing they do may reach the container's links, error list or
// points-between sums. Everything is put back as it was when the measure is done.
class TMisuraIsolata {
   public:
    explicit TMisuraIsolata(TElencoCondizioni* elenco) : elenco_(elenco)
    {
        if (!elenco_) return;
        link_ = elenco_->Link();
        raccogli_ = elenco_->RaccogliErrori;
        somme_ = elenco_->SommeTra;
        elenco_->ImpostaLink(nullptr);
        elenco_->RaccogliErrori = false;
    }
    ~TMisuraIsolata()
    {
        if (!elenco_) return;
        elenco_->ImpostaLink(link_);
        elenco_->RaccogliErrori = raccogli_;
        elenco_->SommeTra = somme_;
    }
    TMisuraIsolata(const TMisuraIsolata&) = delete;
    TMisuraIsolata& operator=(const TMisuraIsolata&) = delete;

   private:
    TElencoCondizioni* elenco_;
    TElencoLink* link_ = nullptr;
    bool raccogli_ = false;
    TSommeTra somme_{};
};

// Whether verifying a condition other than a panel can charge a link or add to a
// points-between group: some table of it takes part in a link with in recupero values, or
// belongs to a group. The examination the link editor uses tells both.
bool CaricaLinkOSomme(const TCondizione& c)
{
    for (char l = 'A'; l <= 'Z'; ++l) {
        auto esame = TEsameTraLink::PerLettera(static_cast<std::uint8_t>(l));
        c.EsameTraLink(esame);
        if (!esame.Elementi.empty()) return true;
    }
    for (int g = 1; g <= NumeroGruppiTra; ++g) {
        auto esame = TEsameTraLink::PerGruppo(g);
        c.EsameTraLink(esame);
        if (!esame.Elementi.empty()) return true;
    }
    return false;
}

bool AlimentaGruppi(const TTabellaValori& t)
{
    for (int k = 0; k < 2; ++k) {
        const int g = t.Sotto[static_cast<std::size_t>(k)].GruppoTra;
        if (g >= 1 && g <= NumeroGruppiTra && t.HaStati(k)) return true;
    }
    return false;
}

bool CaricaLink(const TTabellaValori& t)
{
    return (t.Sotto[0].InUso && t.HaRecuperi(0)) || (t.Sotto[1].InUso && t.HaRecuperi(1));
}

}  // namespace

std::string TestoRelazione(int relazione)
{
    switch (relazione) {
        case RelazioneAnd:
            return " AND (Tutte)";
        case RelazioneOr:
            return " OR (Almeno Una)";
        case RelazioneXor:
            return " XOR (Soltanto Una)";
        case RelazioneNot:
            return " NOT (Esclusione)";
        default:
            return {};
    }
}

TQuadro::TQuadro(TElencoCondizioni* elenco)
    : TGruppoCondizioni(TipoQuadro, elenco), CondizioniAccettate(MassimoSottoCondizioni, true)
{
}

TQuadro::TQuadro(const TQuadro& altro)
    : TGruppoCondizioni(altro),
      Preset(altro.Preset),
      Relazione(altro.Relazione),
      CondizioniAccettate(altro.CondizioniAccettate),
      Testi(altro.Testi),
      prime_(altro.prime_),
      seconde_(altro.seconde_)
{
}

bool TQuadro::AmmetteElemento(TipoCondizione tipo) const
{
    return TipoValido(tipo) && Conta() < MassimoSottoCondizioni;
}

void TQuadro::ScegliRelazione(int relazione)
{
    if (relazione < RelazioneAnd || relazione > RelazioneNot) return;
    Relazione = static_cast<std::uint8_t>(relazione);
    AggiornaPreset();
}

void TQuadro::AggiornaPreset()
{
    if (Preset) RicostruisciAccettate();
}

void TQuadro::RicostruisciAccettate()
{
    auto& t = CondizioniAccettate;
    t.Azzera();
    const int k = Conta();
    switch (Relazione) {
        case RelazioneAnd:
            t.ImpostaStato(0, k, StatoAmmesso, 0);
            break;
        case RelazioneOr:
            for (int v = 1; v <= k; ++v) t.ImpostaStato(0, v, StatoAmmesso, 0);
            break;
        case RelazioneXor:
            t.ImpostaStato(0, 1, StatoAmmesso, 0);
            break;
        default:
            t.ImpostaStato(0, 0, StatoAmmesso, 0);
            break;
    }
}

void TQuadro::AzzeraTabelle()
{
    CondizioniAccettate.Azzera();
    Attivato = true;
}

int TQuadro::Livelli() const
{
    int sotto = 0;
    for (const auto& e : elementi_) sotto = std::max(sotto, LivelliQuadri(*e));
    return 1 + sotto;
}

int LivelliQuadri(const TCondizione& c)
{
    return c.Tipo() == TipoQuadro ? static_cast<const TQuadro&>(c).Livelli() : 0;
}

void TQuadro::Assumi(TQuadro&& altro)
{
    Nome = std::move(altro.Nome);
    Attivato = altro.Attivato;
    Attivo = false;
    Preset = altro.Preset;
    Relazione = altro.Relazione;
    CondizioniAccettate = altro.CondizioniAccettate;
    Testi = std::move(altro.Testi);
    elementi_ = std::move(altro.elementi_);
    altro.Svuota();
    for (auto& e : elementi_) e->ImpostaElenco(elenco_);
    ListaCambiata();
    scorciatoia_ = TScorciatoia::Nessuna;
    rapidi_.Svuota();
    contaPreparata_ = -1;
}

// ---- verification ----

TMisura TQuadro::Cammina(const TColonnaEsaminata& c, TScorciatoia scorciatoia, bool raccogli)
{
    int valore = 0, run = 0, serie = 0;
    for (auto& e : elementi_) {
        // A sub-condition that is off or has nothing to judge lets the column through.
        const bool accetta = !(e->Attivo && e->Attivato) || e->Verifica(c);
        if (accetta) {
            if (scorciatoia == TScorciatoia::Or) return {1, 1};
            ++valore;
            run = std::max(run, ++serie);
        } else {
            if (scorciatoia == TScorciatoia::And) return {0, 0};
            serie = 0;
            // A simple group has listed its failing elements itself.
            if (raccogli && !TipoGruppoSemplice(e->Tipo())) AggiungiErrore(e.get());
        }
    }
    return {valore, run};
}

bool TQuadro::Verifica(const TColonnaEsaminata& c)
{
    TElencoCondizioni* elenco = elenco_;
    const std::size_t errori = elenco ? elenco->Errori.size() : 0;
    const bool raccogli = RaccogliErrori();
    // The shortcut was judged for the list as prepared; a list changed since then walks whole.
    const TScorciatoia scorciatoia =
        raccogli || contaPreparata_ != Conta() ? TScorciatoia::Nessuna : scorciatoia_;
    // With the AND shortcut the walk gives (0, 0) at the first refusal and (K, K) when all
    // accept; the marked set says which, when it applies.
    const int rapido = scorciatoia == TScorciatoia::And && rapidi_.Pronto() ? rapidi_.Giudica(c) : -1;
    const TMisura m = rapido < 0 ? Cammina(c, scorciatoia, raccogli)
                      : rapido   ? TMisura{0, 0}
                                 : TMisura{Conta(), Conta()};
    if (TSommeTra* somme = SommeTraAttive()) CondizioniAccettate.SommaTra(m.Valore, m.Run, *somme);
    const bool accetta = CondizioniAccettate.Ammette(m.Valore, m.Run, Link());
    // The failures inside a panel that accepts are nobody's concern.
    if (accetta && elenco && elenco->Errori.size() > errori)
        elenco->Errori.erase(elenco->Errori.begin() + static_cast<std::ptrdiff_t>(errori),
                             elenco->Errori.end());
    return accetta;
}

bool TQuadro::Prepara()
{
    CondizioniAccettate.Prepara(Attivato);
    bool qualcuno = false;
    bool effettiSotto = false;
    for (auto& e : elementi_) {
        // A sub-condition is enabled only while its panel is.
        const bool suo = e->Attivato;
        e->Attivato = Attivato && suo;
        e->Prepara();
        e->Attivato = suo;
        if (!(e->Attivo && e->Attivato)) continue;
        qualcuno = true;
        if (!effettiSotto)
            effettiSotto =
                e->Tipo() == TipoQuadro ? static_cast<const TQuadro&>(*e).HaEffetti() : CaricaLinkOSomme(*e);
    }
    Attivo = CondizioniAccettate.Attivo && qualcuno;
    const bool tabellaTra = AlimentaGruppi(CondizioniAccettate);
    effetti_ = Attivo && (effettiSotto || tabellaTra || CaricaLink(CondizioniAccettate));
    PreparaScorciatoia(effettiSotto, tabellaTra);
    return Attivo;
}

// Stopping the walk early only saves time: it is allowed when the verdict of the count table
// is bound to be the same as the full walk's, and when nothing the skipped sub-conditions
// would have done (charging links, feeding points-between groups) can still matter.
void TQuadro::PreparaScorciatoia(bool effettiSotto, bool tabellaTra)
{
    scorciatoia_ = TScorciatoia::Nessuna;
    rapidi_.Svuota();
    contaPreparata_ = Conta();
    if (!Preset || !Attivo) return;
    const auto& t = CondizioniAccettate;
    const int k = Conta();
    const bool senzaEffetti = !effettiSotto && !tabellaTra;
    if (Relazione == RelazioneAnd) {
        // Any failure gives a count below K; the table must refuse every such count outright
        // (no recovery), and refuse 0, which the shortcut reports.
        bool rifiuta = t.Sotto[0].InUso;
        for (int v = 0; rifiuta && v < k; ++v) rifiuta = t.Stato(0, v) == StatoEscluso;
        // The root panel's refusal ends the evaluation of the column; a nested one may not.
        const bool radice = elenco_ && elenco_->Condizione(TipoQuadro) == this;
        if (rifiuta && (radice || senzaEffetti)) scorciatoia_ = TScorciatoia::And;
        // Skipping the filters' own verification is allowed only when it does nothing else.
        if (scorciatoia_ == TScorciatoia::And && senzaEffetti) rapidi_.Prepara(elementi_);
    } else if (Relazione == RelazioneOr) {
        // Any success gives a count and a streak in 1..K; the shortcut reports 1 and 1, so the
        // table must treat every such pair as it treats (1, 1), links and levels included.
        auto uniforme = [&](int sotto) {
            if (!t.Sotto[static_cast<std::size_t>(sotto)].InUso) return true;
            for (int v = 2; v <= k; ++v)
                if (t.Stato(sotto, v) != t.Stato(sotto, 1) || t.Livello(sotto, v) != t.Livello(sotto, 1))
                    return false;
            return true;
        };
        if (uniforme(0) && uniforme(1) && senzaEffetti) scorciatoia_ = TScorciatoia::Or;
    }
}

TMisura TQuadro::Misura(const TColonnaEsaminata& c)
{
    const TMisuraIsolata isolata(elenco_);
    return Cammina(c, TScorciatoia::Nessuna, false);
}

// ---- statistics ----

void TQuadro::StatisticaArchivio()
{
    prime_.Azzera(MassimoSerie());
    if (!elenco_ || !elenco_->Sorgenti.Archivio) return;
    // A repetitions sub-condition compares each past contest with the two before it;
    // judged against the last two of the archive, the last contest would repeat itself.
    ScandisciArchivio(elenco_, [&](const TColonna& vincente, int) {
        const TMisura m = Misura(TColonnaEsaminata(vincente));
        prime_.Registra(m.Valore, m.Run, true);
    });
    // Those sub-conditions go back to the last two contests of the archive.
    Prepara();
}

void TQuadro::StatisticaColonne()
{
    seconde_.Azzera(MassimoSerie());
    if (!elenco_ || !elenco_->Sorgenti.Colonne) return;
    auto registra = [&](const TColonna& c) {
        const TMisura m = Misura(TColonnaEsaminata(c));
        seconde_.Registra(m.Valore, m.Run, false);
    };
    PerOgniColonnaSingola(*elenco_->Sorgenti.Colonne, registra);
}

void TQuadro::ContaColonna(const TColonna& colonna)
{
    const TMisura m = Misura(TColonnaEsaminata(colonna));
    prime_.Registra(m.Valore, m.Run, false);
    if (SerieAmmette(m)) seconde_.Registra(m.Valore, m.Run, false);
}

void TQuadro::AzzeraStatistiche()
{
    prime_.Azzera(MassimoSerie());
    seconde_.Azzera(MassimoSerie());
    TGruppoCondizioni::AzzeraStatistiche();
}

// ---- block ----

bool TQuadro::Scrivi(TScrittoreBinario& f) const
{
    f.Byte(tipo_);
    f.StringaContata(Nome, 255);
    f.Booleano(Preset);
    f.Byte(Relazione);
    f.Booleano(Attivato);
    CondizioniAccettate.Scrivi(f);
    for (const auto& riga : Testi) {
        const std::string byte = Windows1252DaUtf8(riga);
        f.Intero32(static_cast<std::int32_t>(byte.size()));
        f.Blocco(byte.data(), byte.size());
    }
    f.Intero32(-1);
    ScriviElementi(f);
    return true;
}

bool TQuadro::Leggi(TLettoreBinario& f)
{
    return LeggiCorpo(f, 0);
}

bool TQuadro::LeggiCorpo(TLettoreBinario& f, int profondita)
{
    std::string nome;
    bool preset = true, attivato = true;
    std::uint8_t relazione = 0;
    if (!f.StringaContata(nome, 255) || !f.Booleano(preset) || !f.Byte(relazione) || !f.Booleano(attivato))
        return false;
    Nome = std::move(nome);
    Preset = preset;
    // A relation the program does not know reads as the default one.
    Relazione = relazione <= RelazioneNot ? relazione : RelazioneAnd;
    Attivato = attivato;
    if (!CondizioniAccettate.Leggi(f) || !LeggiTesti(f)) return false;

    // The sub-conditions, as a group reads them, with the nesting of panels bounded.
    Svuota();
    for (;;) {
        std::uint8_t tipo = 0;
        if (!f.Byte(tipo)) return false;
        if (tipo == FineLista) return true;
        if (!AmmetteElemento(tipo)) return false;
        std::unique_ptr<TCondizione> elemento;
        if (tipo == TipoQuadro) {
            if (profondita >= MassimaProfondita) return false;
            auto sotto = std::make_unique<TQuadro>(elenco_);
            if (!sotto->LeggiCorpo(f, profondita + 1)) return false;
            elemento = std::move(sotto);
        } else {
            elemento = CreaCondizione(tipo, elenco_);
            if (!elemento || !elemento->Leggi(f)) return false;
        }
        elementi_.push_back(std::move(elemento));
        ListaCambiata();
    }
}

bool TQuadro::LeggiTesti(TLettoreBinario& f)
{
    std::vector<std::string> testi;
    for (;;) {
        std::int32_t n = 0;
        if (!f.Intero32(n)) return false;
        if (n == -1) break;
        if (n < 0 || n > LunghezzaMassimaRiga || static_cast<std::size_t>(n) > f.Rimanenti()) {
            f.Interrompi();
            return false;
        }
        std::string riga(static_cast<std::size_t>(n), '\0');
        if (!f.Blocco(riga.data(), riga.size())) return false;
        testi.push_back(Utf8DaWindows1252(riga));
    }
    Testi = std::move(testi);
    return true;
}

// ---- links, report ----

void TQuadro::EsameTraLink(TEsameTraLink& esame) const
{
    esame.Esamina(*this, CondizioniAccettate, "Condizioni Accettate");
    TGruppoCondizioni::EsameTraLink(esame);
}

void TQuadro::Stampa(TRigheStampa& stampa) const
{
    TCondizione::Stampa(stampa);
    stampa.Rientro += 2;
    stampa.Riga("Relazione Tra le Condizioni :" +
                (Preset ? TestoRelazione(Relazione) : std::string(" Particolari")));
    CondizioniAccettate.Stampa("Condizioni Accettate", stampa);
    for (const auto& riga : Testi) stampa.Riga(riga);
    for (const auto& e : elementi_) e->Stampa(stampa);
    stampa.Rientro -= 2;
}

}  // namespace morella
