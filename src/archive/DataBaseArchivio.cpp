#include "DataBaseArchivio.h"

#include <stdexcept>

#include "Archivio.h"
#include "CondizioneATabelle.h"
#include "ElencoCondizioni.h"
#include "ImpostazioniRicerca.h"

namespace morella {

namespace {

// The vortex condition keeps its series as position, arms, sign for the direct walk and
// then for the inverse one; the file keeps each walk as sign, arms, position.
constexpr std::array<TTabelleDiTipo, PassiAggiornamentoDataBase> TipiDataBase = {{
    {TipoNumeroSegni, 0, 3, {0, 1, 2, 0, 0, 0}},
    {TipoPariDispari, 3, 2, {0, 1, 0, 0, 0, 0}},
    {TipoSimmetrie, 5, 3, {0, 1, 2, 0, 0, 0}},
    {TipoInterruzioni, 8, 4, {0, 1, 2, 3, 0, 0}},
    {TipoFormuleDerivate, 12, 1, {0, 0, 0, 0, 0, 0}},
    {TipoRipetizioni, 13, 2, {0, 1, 0, 0, 0, 0}},
    {TipoVortice, 15, 6, {2, 1, 0, 5, 4, 3}},
}};

// The progress window closes on every way out of the rebuild.
class TFinestraAggiornamento {
   public:
    explicit TFinestraAggiornamento(TOsservatoreDataBase* osservatore) : osservatore_(osservatore)
    {
        if (osservatore_) osservatore_->Inizio(TitoloAggiornamentoDataBase);
    }
    ~TFinestraAggiornamento()
    {
        if (osservatore_) osservatore_->Fine();
    }
    TFinestraAggiornamento(const TFinestraAggiornamento&) = delete;
    TFinestraAggiornamento& operator=(const TFinestraAggiornamento&) = delete;

    void Passo(int passo)
    {
        if (osservatore_) osservatore_->Passo(passo, PassiAggiornamentoDataBase);
    }

   private:
    TOsservatoreDataBase* osservatore_;
};

void ScriviTabella(TScrittoreBinario& s, const T_FrequenzeRitardi& t)
{
    s.Intero16(t.ValoreMassimo());
    s.Intero32(t.ConcorsiContati());
    s.Byte(t.Riservato());
    for (int i = 0; i <= t.ValoreMassimo(); ++i) {
        for (bool prima : {true, false}) {
            const TElemRFRM& e = t.Elemento(prima, i);
            s.Intero32(e.Frequenza);
            s.Intero32(e.Ritardo);
            s.Intero32(e.RitardoMassimo);
        }
    }
}

bool LeggiElemento(TLettoreBinario& l, TElemRFRM& e)
{
    return l.Intero32(e.Frequenza) && l.Intero32(e.Ritardo) && l.Intero32(e.RitardoMassimo) &&
           e.Frequenza >= 0 && e.Ritardo >= 0 && e.RitardoMassimo >= 0;
}

bool LeggiTabella(TLettoreBinario& l, T_FrequenzeRitardi& t)
{
    std::int16_t massimo = 0;
    std::int32_t contati = 0;
    std::uint8_t riservato = 0;
    if (!l.Intero16(massimo) || !l.Intero32(contati) || !l.Byte(riservato)) return false;
    if (massimo < 0 || contati < 0) return false;
    // The entries must all be there before room is made for them.
    const auto voci = static_cast<std::size_t>(massimo) + 1;
    if (l.Rimanenti() / DimensioneCoppiaElementi < voci) return false;
    t.Azzera(massimo);
    t.ImpostaConcorsiContati(contati);
    t.ImpostaRiservato(riservato);
    for (int i = 0; i <= massimo; ++i)
        if (!LeggiElemento(l, t.Elemento(true, i)) || !LeggiElemento(l, t.Elemento(false, i))) return false;
    return true;
}

bool StesseTabelle(const T_FrequenzeRitardi& a, const T_FrequenzeRitardi& b, bool conRiservato = true)
{
    if (a.ValoreMassimo() != b.ValoreMassimo() || a.ConcorsiContati() != b.ConcorsiContati() ||
        (conRiservato && a.Riservato() != b.Riservato()))
        return false;
    for (int i = 0; i <= a.ValoreMassimo(); ++i)
        for (bool prima : {true, false})
            if (!(a.Elemento(prima, i) == b.Elemento(prima, i))) return false;
    return true;
}

}  // namespace

const std::array<TTabelleDiTipo, PassiAggiornamentoDataBase>& TDataBaseArchivio::Tipi()
{
    return TipiDataBase;
}

const TTabelleDiTipo* TDataBaseArchivio::DelTipo(TipoCondizione tipo)
{
    for (const TTabelleDiTipo& t : TipiDataBase)
        if (t.Tipo == tipo) return &t;
    return nullptr;
}

TDataBaseArchivio::TDataBaseArchivio() = default;

void TDataBaseArchivio::Ricalcola(const T_Archivio& archivio, const T_ImpostazioniRicerca& ricerca,
                                  TOsservatoreDataBase* osservatore)
{
    TFinestraAggiornamento finestra(osservatore);
    // A container standing alone gives the seven conditions their defaults (every table
    // over the whole column) and the sources their archive scan reads.
    TElencoCondizioni elenco;
    elenco.Sorgenti.Archivio = &archivio;
    elenco.Sorgenti.Ricerca = &ricerca;
    std::array<T_FrequenzeRitardi, NumeroTabelleDataBase> nuove;
    int passo = 0;
    for (const TTabelleDiTipo& tipo : TipiDataBase) {
        auto* condizione = dynamic_cast<TCondizioneATabelle*>(elenco.Condizione(tipo.Tipo));
        if (!condizione || condizione->NumeroSerie() != tipo.Numero)
            throw std::logic_error("TDataBaseArchivio: a database kind without its series");
        condizione->StatisticaArchivio();
        for (int k = 0; k < tipo.Numero; ++k)
            nuove[static_cast<std::size_t>(tipo.Prima + k)] =
                condizione->StatistichePrime(tipo.Serie[static_cast<std::size_t>(k)]).Copia();
        finestra.Passo(++passo);
    }
    tabelle_ = std::move(nuove);
}

bool TDataBaseArchivio::Leggi(TLettoreBinario& lettore)
{
    std::array<T_FrequenzeRitardi, NumeroTabelleDataBase> lette;
    for (T_FrequenzeRitardi& t : lette)
        if (!LeggiTabella(lettore, t)) return false;
    if (!lettore.AllaFine()) return false;
    tabelle_ = std::move(lette);
    return true;
}

void TDataBaseArchivio::Scrivi(TScrittoreBinario& scrittore) const
{
    for (const T_FrequenzeRitardi& t : tabelle_) ScriviTabella(scrittore, t);
}

TBytes TDataBaseArchivio::Immagine() const
{
    TScrittoreBinario s;
    std::size_t dimensione = 0;
    for (const T_FrequenzeRitardi& t : tabelle_)
        dimensione += DimensioneTestaTabella +
                      DimensioneCoppiaElementi * (static_cast<std::size_t>(t.ValoreMassimo()) + 1);
    s.Riserva(dimensione);
    Scrivi(s);
    return std::move(s.Dati());
}

bool TDataBaseArchivio::TabelleDelTipo(TipoCondizione tipo, std::vector<T_FrequenzeRitardi>& tabelle) const
{
    const TTabelleDiTipo* t = DelTipo(tipo);
    if (!t) return false;
    // Series s is the table whose entry in Serie is s.
    std::vector<T_FrequenzeRitardi> copie(static_cast<std::size_t>(t->Numero));
    for (int k = 0; k < t->Numero; ++k)
        copie[static_cast<std::size_t>(t->Serie[static_cast<std::size_t>(k)])] =
            Tabella(t->Prima + k).Copia();
    tabelle = std::move(copie);
    return true;
}

bool TDataBaseArchivio::operator==(const TDataBaseArchivio& altro) const
{
    for (std::size_t i = 0; i < tabelle_.size(); ++i)
        if (!StesseTabelle(tabelle_[i], altro.tabelle_[i])) return false;
    return true;
}

bool TDataBaseArchivio::StessiConteggi(const TDataBaseArchivio& altro) const
{
    for (std::size_t i = 0; i < tabelle_.size(); ++i)
        if (!StesseTabelle(tabelle_[i], altro.tabelle_[i], false)) return false;
    return true;
}

bool DataBaseIntero(const std::uint8_t* dati, std::size_t n)
{
    if (n > DimensioneMassimaDataBase) return false;
    TLettoreBinario lettore(dati, n);
    TDataBaseArchivio db;
    return db.Leggi(lettore);
}

}  // namespace morella
