#include "Analisi.h"

#include <algorithm>
#include <stdexcept>

#include "Archivio.h"
#include "CondizioneAPesi.h"
#include "Consecutivita.h"
#include "ElencoCondizioni.h"
#include "FormuleDerivate.h"
#include "PuntiTra.h"
#include "Quadro.h"
#include "Sistema.h"
#include "SviluppoAnalisi.h"
#include "TitoliAnalisi.h"

namespace morella {

namespace {

class TNessunOsservatore final : public TOsservatoreAnalisi {};

// ---- the statistic series of a condition, whatever its kind ----

const T_FrequenzeRitardi& Prime(const TCondizione& c, int s)
{
    if (c.Tipo() == TipoQuadro) return static_cast<const TQuadro&>(c).StatistichePrime();
    if (c.Tipo() == TipoPuntiTra) return static_cast<const TPuntiTra&>(c).StatistichePrime();
    return static_cast<const TCondizioneATabelle&>(c).StatistichePrime(s);
}

const T_FrequenzeRitardi& Seconde(const TCondizione& c, int s)
{
    if (c.Tipo() == TipoQuadro) return static_cast<const TQuadro&>(c).StatisticheSeconde();
    if (c.Tipo() == TipoPuntiTra) return static_cast<const TPuntiTra&>(c).StatisticheSeconde();
    return static_cast<const TCondizioneATabelle&>(c).StatisticheSeconde(s);
}

int MassimoSerie(const TCondizione& c, int s)
{
    if (c.Tipo() == TipoQuadro) return static_cast<const TQuadro&>(c).MassimoSerie();
    if (c.Tipo() == TipoPuntiTra) return static_cast<const TPuntiTra&>(c).MassimoSerie();
    return static_cast<const TCondizioneATabelle&>(c).MassimoSerie(s);
}

// ---- accepted values, from the settings as they stand ----

T_ValoriAmmessi DaTabella(const TTabellaValori& t, int sotto)
{
    T_ValoriAmmessi a;
    a.InUso = t.HaStati(sotto) && (sotto == 0 || t.ConConsecutivita());
    if (!a.InUso) return a;
    for (int v = 0; v <= t.Massimo(); ++v) a.Ammessi.push_back(t.Stato(sotto, v) != StatoEscluso);
    return a;
}

// Series i counts by interval: i accepted when its interval admits (or admits in
// recupero); the last value, "Altri", never is once some interval exists.
T_ValoriAmmessi DaIntervalli(const TTabellaIntervalli& t)
{
    T_ValoriAmmessi a;
    const int n = std::clamp<int>(t.NumeroIntervalli, 0, TTabellaIntervalli::MassimoIntervalli);
    a.InUso = n > 0;
    for (int i = 0; i < n; ++i) {
        const auto stato = t.Intervalli[static_cast<std::size_t>(i)].Stato;
        a.Ammessi.push_back(stato == 1 || stato == 2);
    }
    if (a.InUso) a.Ammessi.push_back(false);
    return a;
}

void Ammessi(const TCondizione& c, int s, T_SerieAnalisi& serie)
{
    switch (c.Tipo()) {
        case TipoQuadro: {
            const auto& t = static_cast<const TQuadro&>(c).CondizioniAccettate;
            serie.Ammessi = {DaTabella(t, 0), DaTabella(t, 1)};
            serie.ConSecondaMisura = true;
            return;
        }
        case TipoPuntiTra: {
            const auto& p = static_cast<const TPuntiTra&>(c);
            serie.Ammessi[0] = DaIntervalli(p.Gruppo(p.GruppoAnalizzato()));
            return;
        }
        case TipoValori:
        case TipoPercentuali:
            serie.Ammessi[0] = DaIntervalli(static_cast<const TCondizioneAPesi&>(c).Intervalli);
            return;
        case TipoFormuleDerivate: {
            const auto& f = static_cast<const TFormuleDerivate&>(c);
            auto& a = serie.Ammessi[0];
            const int fine = std::min<int>(f.Massimo, TFormuleDerivate::NumeroFormule - 1);
            for (int i = 0; i <= fine; ++i)
                a.Ammessi.push_back(f.FormuleAmmesse[static_cast<std::size_t>(i)]);
            a.InUso = std::find(a.Ammessi.begin(), a.Ammessi.end(), true) != a.Ammessi.end();
            return;
        }
        case TipoConsecutivita: {
            // The counts only choose the columns the element applies to: what it judges is
            // the longest run.
            const auto& e = static_cast<const TConsecutivita&>(c);
            serie.Ammessi[1] = DaTabella(e.Tabella(TConsecutivita::TabellaRun), 0);
            serie.ConSecondaMisura = true;
            return;
        }
        default: {
            const auto& t = static_cast<const TCondizioneATabelle&>(c).Tabella(s);
            serie.Ammessi = {DaTabella(t, 0), DaTabella(t, 1)};
            serie.ConSecondaMisura = t.ConConsecutivita();
            return;
        }
    }
}

// ---- the archive database ----

// The kinds the database keeps whose tables depend on the events measured.
bool TipoDelDataBaseConCampo(TipoCondizione tipo)
{
    return tipo == TipoNumeroSegni || tipo == TipoPariDispari || tipo == TipoVortice ||
           tipo == TipoSimmetrie || tipo == TipoInterruzioni || tipo == TipoRipetizioni;
}

bool SulleColonneIntere(const TCondizione& c)
{
    const auto& t = static_cast<const TCondizioneATabelle&>(c);
    for (int i = 0; i < t.NumeroTabelle(); ++i)
        if (t.Tabella(i).DaEvento > 1 || t.Tabella(i).AEvento < NumEvents) return false;
    return true;
}

// The database was counted over the whole archive and only on complete contests; a range
// that also counts incomplete ones sees other contests, unless there are none.
bool RicercaDelDataBase(const T_ImpostazioniRicerca& ricerca, const T_Archivio& archivio)
{
    if (!ricerca.CopreTuttoLArchivio(archivio)) return false;
    if (ricerca.SoloCompleti) return true;
    const auto& concorsi = archivio.Concorsi();
    return std::all_of(concorsi.begin(), concorsi.end(), [](const T_Concorso& c) { return c.Completo != 0; });
}

bool UsaDataBase(const TCondizione& c, const T_ImpostazioniRicerca& ricerca, const T_Archivio& archivio)
{
    if (c.Tipo() == TipoFormuleDerivate) return RicercaDelDataBase(ricerca, archivio);
    return TipoDelDataBaseConCampo(c.Tipo()) && SulleColonneIntere(c) &&
           RicercaDelDataBase(ricerca, archivio);
}

int NumeroSerieDi(const TCondizione& c)
{
    if (c.Tipo() == TipoQuadro || c.Tipo() == TipoPuntiTra) return 1;
    return static_cast<const TCondizioneATabelle&>(c).NumeroSerie();
}

// ---- names and labels ----

std::vector<std::string> Etichette(const TCondizione& c, int s, const T_SerieAnalisi& serie)
{
    std::vector<std::string> etichette;
    if (SerieAIntervalli(c.Tipo())) {
        const int n = MassimoSerie(c, s);
        for (int i = 0; i < n; ++i) etichette.push_back(std::to_string(i));
        etichette.push_back(EtichettaAltri);
        return etichette;
    }
    int massimo = MassimoSerie(c, s);
    for (const T_FrequenzeRitardi* t : {&serie.Archivio, &serie.Integr, &serie.CondS, &serie.Condiz})
        massimo = std::max<int>(massimo, t->ValoreMassimo());
    for (int i = 0; i <= massimo; ++i) etichette.push_back(std::to_string(i));
    return etichette;
}

// A copy of the system's conditions, so that the analysis can prepare and measure them
// (the points-between group reads them all) without touching the system's own.
void CopiaCondizioni(const TElencoCondizioni& da, TElencoCondizioni& a)
{
    TScrittoreBinario f;
    da.Scrivi(f);
    TLettoreBinario lettore(f.Dati());
    a.Leggi(lettore);
}

}  // namespace

bool Analizzabile(TipoCondizione tipo)
{
    return (tipo >= TipoNumeroSegni && tipo <= TipoRipetizioni) || tipo == TipoQuadro || tipo == TipoModulo ||
           tipo == TipoPuntiTra || tipo == TipoSequele || tipo == TipoValori || tipo == TipoPercentuali ||
           tipo == TipoConsecutivita || tipo == TipoColonnaFiltro;
}

T_Analisi Analizza(const TCondizione& condizione, bool soloArchivio, const TSistema& sistema,
                   const T_SceltaAnalisi& scelta, TOsservatoreAnalisi* osservatore)
{
    return Analizza(condizione, soloArchivio, sistema.Dati(), sistema.Ricerca, scelta, osservatore);
}

T_Analisi Analizza(const TCondizione& condizione, bool soloArchivio, const TDatiSistema& dati,
                   const T_ImpostazioniRicerca& ricerca, const T_SceltaAnalisi& scelta,
                   TOsservatoreAnalisi* osservatore)
{
    if (!Analizzabile(condizione.Tipo())) throw std::invalid_argument("Analizza: tipo senza analisi");
    TNessunOsservatore nessuno;
    TOsservatoreAnalisi& oss = osservatore ? *osservatore : nessuno;
    const T_Archivio vuoto;
    const T_Archivio& archivio = dati.Archivio ? *dati.Archivio : vuoto;

    // The analysis works on its own copies, in a container of its own that sees the
    // system's archive, search range, tables of values and percentages and columns, and
    // no links: in recupero values are simply admitted, nothing is charged.
    TElencoCondizioni elenco(nullptr);
    if (dati.Condizioni) CopiaCondizioni(*dati.Condizioni, elenco);
    elenco.Dati = &dati;
    elenco.Sorgenti.Archivio = &archivio;
    elenco.Sorgenti.Ricerca = &ricerca;
    elenco.Sorgenti.Colonne = &dati.Colonne;
    elenco.Prepara();
    elenco.CompattaAttive();

    std::unique_ptr<TCondizione> copia = condizione.Clona();
    copia->ImpostaElenco(&elenco);
    // "Cond.S." counts what the condition's settings keep, as the derived figures read
    // them, also while the player has it switched off: the switch is reported apart.
    copia->Attivato = true;
    T_SceltaAnalisi sceltaValida = scelta;
    sceltaValida.GruppoTra = std::clamp(scelta.GruppoTra, 1, NumeroGruppiTra);
    if (copia->Tipo() == TipoPuntiTra)
        static_cast<TPuntiTra&>(*copia).ImpostaGruppoAnalizzato(sceltaValida.GruppoTra);
    copia->Prepara();

    T_Analisi a;
    a.Tipo = condizione.Tipo();
    a.Attivato = condizione.Attivato;
    a.SoloArchivio = soloArchivio;
    const std::vector<int> indici = SerieAnalizzate(*copia, sceltaValida);
    a.Serie.resize(indici.size());

    // Archive part.
    std::vector<T_FrequenzeRitardi> dataBase;
    if (UsaDataBase(*copia, ricerca, archivio) && archivio.TabelleDataBase(*copia, dataBase) &&
        static_cast<int>(dataBase.size()) == NumeroSerieDi(*copia)) {
        a.DaDataBase = true;
        for (std::size_t i = 0; i < indici.size(); ++i)
            a.Serie[i].Archivio = dataBase[static_cast<std::size_t>(indici[i])].Copia();
    } else {
        copia->StatisticaArchivio();
        for (std::size_t i = 0; i < indici.size(); ++i)
            a.Serie[i].Archivio = Prime(*copia, indici[i]).Copia();
    }

    // Column part.
    if (!soloArchivio) {
        // The system's columns count only while they are the development of the prediction
        // and settings as they stand.
        if (dati.Sviluppato) copia->StatisticaColonne();
        for (std::size_t i = 0; i < indici.size(); ++i)
            a.Serie[i].Condiz = dati.Sviluppato ? Seconde(*copia, indici[i]).Copia()
                                                : T_FrequenzeRitardi(MassimoSerie(*copia, indici[i]));
        copia->AzzeraStatistiche();
        copia->Prepara();
        const TEsitoSviluppoAnalisi esito = SviluppaPerAnalisi(dati, *copia, oss);
        a.Completata = esito.Completata;
        a.ColonneEsaminate = esito.Esaminate;
        a.ColonneTotali = esito.Totali;
        for (std::size_t i = 0; i < indici.size(); ++i) {
            a.Serie[i].Integr = Prime(*copia, indici[i]).Copia();
            a.Serie[i].CondS = Seconde(*copia, indici[i]).Copia();
        }
    }

    // Names, labels, titles, accepted values.
    const std::vector<std::string> nomi = NomiSerieAnalisi(*copia, sceltaValida);
    for (std::size_t i = 0; i < indici.size(); ++i) {
        T_SerieAnalisi& s = a.Serie[i];
        if (i < nomi.size()) s.Nome = nomi[i];
        s.Etichette = Etichette(*copia, indici[i], s);
        Ammessi(*copia, indici[i], s);
    }
    a.Titoli = TitoliAnalisi(*copia, sceltaValida);
    return a;
}

}  // namespace morella
