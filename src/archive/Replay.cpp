#include "Replay.h"

#include <algorithm>
#include <cstdio>

#include "Archivio.h"
#include "ElencoCondizioni.h"
#include "Gioco.h"
#include "ImpostazioniRicerca.h"
#include "Sistema.h"

namespace morella {

namespace {

class TNessunOsservatoreReplay final : public TOsservatoreReplay {};

// Puts the container in archive mode with the replay's settings and archive, and gives
// back exactly what it found on every way out: a cancelled or failed replay must not leave
// the next development ignoring kinds.
class TModoArchivio {
   public:
    TModoArchivio(TElencoCondizioni& condizioni, const T_ImpostazioniRicerca& ricerca,
                  const T_Archivio& archivio)
        : condizioni_(condizioni), modo_(condizioni.ModoArchivio), sorgenti_(condizioni.Sorgenti)
    {
        condizioni_.Sorgenti.Ricerca = &ricerca;
        condizioni_.Sorgenti.Archivio = &archivio;
        condizioni_.ModoArchivio = true;
    }
    ~TModoArchivio()
    {
        condizioni_.ModoArchivio = modo_;
        condizioni_.Sorgenti = sorgenti_;
    }
    TModoArchivio(const TModoArchivio&) = delete;
    TModoArchivio& operator=(const TModoArchivio&) = delete;

   private:
    TElencoCondizioni& condizioni_;
    bool modo_;
    TSorgentiStatistiche sorgenti_;
};

// The other single signs of an event in the order "1", "X", "2": for 1 → X, 2; for X → 1, 2;
// for 2 → 1, X. An event of an incomplete contest (no sign, or several) tries every sign.
struct TAlternative {
    std::array<TSegni, 3> Segni{};
    int Numero = 0;
};

std::array<TAlternative, MaxEventi> Alternative(const TColonna& w)
{
    std::array<TAlternative, MaxEventi> alt{};
    for (int i = 0; i < NumEvents; ++i) {
        auto& a = alt[static_cast<std::size_t>(i)];
        const TSegni attuale = w[static_cast<std::size_t>(i)] & MascheraSegni;
        for (TSegni s : {Segno1, SegnoX, Segno2})
            if (s != attuale) a.Segni[static_cast<std::size_t>(a.Numero++)] = s;
    }
    return alt;
}

// Some column that differs from w in exactly one event passes; tried event by event from
// the first, and the search stops at the first success.
bool PassaADistanza1(TElencoCondizioni& condizioni, const TColonna& w)
{
    const auto alt = Alternative(w);
    TColonna c = w;
    for (int i = 0; i < NumEvents; ++i) {
        const auto ui = static_cast<std::size_t>(i);
        for (int a = 0; a < alt[ui].Numero; ++a) {
            c[ui] = alt[ui].Segni[static_cast<std::size_t>(a)];
            if (condizioni.VerificaColonna(c)) return true;
        }
        c[ui] = w[ui];
    }
    return false;
}

// The same at distance 2: each column at distance 1, in the order above, varied again.
// Varying the same event again, or an earlier one, only gives back w, a column at distance
// 1 (both already refused) or a pair met before, so only the later events are tried: the
// outcome is the same with a fraction of the evaluations.
bool PassaADistanza2(TElencoCondizioni& condizioni, const TColonna& w)
{
    const auto alt = Alternative(w);
    TColonna c = w;
    for (int i = 0; i < NumEvents; ++i) {
        const auto ui = static_cast<std::size_t>(i);
        for (int a = 0; a < alt[ui].Numero; ++a) {
            c[ui] = alt[ui].Segni[static_cast<std::size_t>(a)];
            for (int j = i + 1; j < NumEvents; ++j) {
                const auto uj = static_cast<std::size_t>(j);
                for (int b = 0; b < alt[uj].Numero; ++b) {
                    c[uj] = alt[uj].Segni[static_cast<std::size_t>(b)];
                    if (condizioni.VerificaColonna(c)) return true;
                }
                c[uj] = w[uj];
            }
        }
        c[ui] = w[ui];
    }
    return false;
}

void Registra(TRisultatoCategoria& categoria, bool centrato, std::int32_t posizione)
{
    const int valore = centrato ? ValoreCentrato : ValoreMancato;
    categoria.Frequenze.Registra(valore, valore, true);
    if (!centrato) return;
    categoria.UltimaUscita = posizione;
    categoria.Uscite.push_back(posizione);
}

std::string DueDecimali(double v)
{
    char testo[64];
    std::snprintf(testo, sizeof testo, "%.2f", v);
    return testo;
}

TEsitoReplay Esegui(TElencoCondizioni& condizioni, T_ImpostazioniRicerca& ricerca, const T_Archivio& archivio,
                    TOsservatoreReplay& oss)
{
    TRisultatiRicercaArchivio& risultati = ricerca.RisultatiRicerca;
    const int k = std::clamp(ricerca.CategorieCercate, 1, 3);
    const bool terza = k == 3 && Gioco != GiocoToto;
    // All three, not only the k asked for: a page left from an earlier run with more
    // categories must not pass for this one's.
    for (auto& c : risultati.Categorie) c.Azzera();
    risultati.Esaminati = 0;

    TEsitoReplay esito;
    esito.Concorsi = archivio.NumeroConcorsi();
    oss.Stato(StatoAnalisiArchivio);
    oss.Progresso(0);

    {
        TModoArchivio modo(condizioni, ricerca, archivio);
        condizioni.PreparaVerifica(false);

        auto& [prima, seconda, terzaCat] = risultati.Categorie;
        int mostrato = 0;
        std::int32_t esaminati = 0;
        const auto& concorsi = archivio.Concorsi();
        for (std::size_t indice = 0; indice < concorsi.size(); ++indice) {
            const T_Concorso& concorso = concorsi[indice];
            if (!ricerca.NelIntervallo(concorso)) continue;
            const int percento = static_cast<int>(static_cast<std::int64_t>(indice) * 100 / esito.Concorsi);
            if (percento != mostrato) oss.Progresso(mostrato = percento);
            ++esaminati;
            const TColonna& w = concorso.ColonnaVincente;
            condizioni.Sorgenti.ConcorsoInEsame = static_cast<int>(indice);

            const bool primoCentrato = condizioni.VerificaColonna(w);
            Registra(prima, primoCentrato, esaminati);
            if (!primoCentrato && k >= 2) {
                const bool secondo = PassaADistanza1(condizioni, w);
                Registra(seconda, secondo, esaminati);
                if (!secondo && terza) Registra(terzaCat, PassaADistanza2(condizioni, w), esaminati);
            }
            if (oss.Annullato()) {
                esito.Annullato = true;
                break;
            }
        }
        esito.Esaminati = esaminati;
        risultati.Esaminati = esaminati;
        for (auto& c : risultati.Categorie) CalcolaRitardi(c, esaminati);
    }
    // Back in normal mode, the active list again holds the kinds the replay left out.
    condizioni.Prepara();
    condizioni.CompattaAttive();

    if (!esito.Annullato) {
        esito.Stato = "Concorsi Esaminati : " + std::to_string(esito.Esaminati) + " Su " +
                      std::to_string(esito.Concorsi);
        oss.Stato(esito.Stato);
        oss.Progresso(100);
    }
    return esito;
}

}  // namespace

void CalcolaRitardi(TRisultatoCategoria& categoria, std::int32_t esaminati)
{
    // Positions count examined contests, so the wait since the last hit does too. For the
    // first category this is the table's own delay of the hits; the later categories see
    // only the contests the earlier ones missed, and their table's delay would mix the two
    // scales.
    categoria.UltimaUscita = categoria.Uscite.empty() ? 0 : categoria.Uscite.back();
    categoria.Assenza = std::max(0, esaminati - categoria.UltimaUscita);
    const std::int32_t centrati = categoria.Centrati();
    categoria.CicloMedio = centrati > 0 ? static_cast<double>(categoria.UltimaUscita) / centrati : 0.0;
    const auto ciclo = static_cast<std::int32_t>(categoria.CicloMedio);  // truncated
    categoria.RitardoAttuale = std::max(0, categoria.Assenza - ciclo);

    std::int32_t minimo = 0, massimo = 0, precedente = 0, positivi = 0;
    std::int64_t somma = 0;
    for (std::int32_t posizione : categoria.Uscite) {
        const std::int32_t eccesso = posizione - precedente - ciclo;
        precedente = posizione;
        if (eccesso <= 0) continue;
        minimo = positivi == 0 ? eccesso : std::min(minimo, eccesso);
        massimo = std::max(massimo, eccesso);
        somma += eccesso;
        ++positivi;
    }
    categoria.RitardoMinimo = minimo;
    categoria.RitardoMassimo = massimo;
    categoria.RitardoMedio = positivi > 0 ? static_cast<double>(somma) / positivi : 0.0;
}

TEsitoReplay ReplayArchivio(TElencoCondizioni& condizioni, T_ImpostazioniRicerca& ricerca,
                            const T_Archivio& archivio, TOsservatoreReplay* osservatore)
{
    TNessunOsservatoreReplay nessuno;
    return Esegui(condizioni, ricerca, archivio, osservatore ? *osservatore : nessuno);
}

TEsitoReplay ReplayArchivio(TSistema& sistema, TOsservatoreReplay* osservatore)
{
    const T_Archivio vuoto;
    const T_Archivio* archivio = sistema.Dati().Archivio;
    return ReplayArchivio(*sistema.Dati().Condizioni, sistema.Ricerca, archivio ? *archivio : vuoto,
                          osservatore);
}

std::array<bool, 3> CategorieAbilitate(int categorieCercate, int gioco)
{
    // Toto never replays the third category, so its page would only show an empty table.
    return {true, categorieCercate >= 2, categorieCercate >= 3 && gioco != GiocoToto};
}

TPaginaStatistiche PaginaStatistiche(const TRisultatiRicercaArchivio& risultati, int categoria,
                                     const TDatiSistema& dati)
{
    TPaginaStatistiche p;
    if (categoria < 1 || categoria > 3) return p;
    const TRisultatoCategoria& c = risultati.Categorie[static_cast<std::size_t>(categoria - 1)];
    p.CicloMedio = DueDecimali(c.CicloMedio);
    p.RitardoMedio = DueDecimali(c.RitardoMedio);
    p.RitardoMinimo = std::to_string(c.RitardoMinimo);
    p.RitardoMassimo = std::to_string(c.RitardoMassimo);
    p.SettimaneDiAssenza = std::to_string(c.Assenza);
    p.RitardoAttuale = std::to_string(c.RitardoAttuale);

    const std::int32_t contati = c.Frequenze.ConcorsiContati();
    if (contati > 0) {
        p.PercentualeUscite = c.Frequenze.Frequenza(ValoreCentrato) * 100.0 / contati;
        p.PercentualeMancati = c.Frequenze.Frequenza(ValoreMancato) * 100.0 / contati;
    }

    if (categoria != 1 || !dati.Sviluppato) return p;
    p.MostraConvenienza = true;
    // An incomplete prediction has no count of initial columns (the status line shows none).
    const double iniziali =
        PronosticoCompleto(dati.Pronostico) ? static_cast<double>(ColonneIniziali(dati.Pronostico)) : 0.0;
    if (iniziali > 0) {
        const double finali = std::max(0, dati.ColonneFinali);
        p.PercentualeFiltrate = std::clamp((iniziali - finali) / iniziali * 100.0, 0.0, 100.0);
        p.PercentualeRimaste = 100.0 - p.PercentualeFiltrate;
    }
    // Without any contest there is no miss share to compare with, and no factor to show.
    if (contati > 0)
        p.FattoreDiConvenienza = p.PercentualeMancati == 0
                                     ? TestoInfinito
                                     : DueDecimali(p.PercentualeFiltrate / p.PercentualeMancati);
    return p;
}

}  // namespace morella
