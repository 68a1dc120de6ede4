#include "DialoghiRicerca.h"

#include <algorithm>

#include "EditoreArchivio.h"

namespace morella {

namespace {

std::int32_t LimitaNumero(std::int32_t numero)
{
    return std::clamp(numero, NumeroMinimoRicerca, NumeroMassimoRicerca);
}

std::int32_t LimitaStagione(std::int32_t stagione, const TStagioniArchivio& limiti)
{
    return std::clamp(stagione, limiti.Prima, limiti.Ultima);
}

// Season first, then number, as the archive is ordered.
int Confronta(std::int32_t stagioneA, std::int32_t numeroA, const T_Concorso& b)
{
    if (stagioneA != b.Stagione) return stagioneA < b.Stagione ? -1 : 1;
    if (numeroA != b.Numero) return numeroA < b.Numero ? -1 : 1;
    return 0;
}

}  // namespace

TStagioniArchivio LimitiStagioni(const T_Archivio& archivio)
{
    const auto stagioni = archivio.PrimaEUltimaStagione();
    if (!stagioni) return {StagioneMinimaEditor, StagioneMassimaEditor};
    // The file's order is taken as it stands, so the first contest need not be the older:
    // the limits must still be a range.
    return {std::min(stagioni->Prima, stagioni->Ultima), std::max(stagioni->Prima, stagioni->Ultima)};
}

// ---- Impostazioni Di Ricerca ----

std::string TRiepilogoRicerca::Testo() const
{
    return "Concorsi nell'intervallo : " + std::to_string(NelIntervallo) + " su " + std::to_string(Totale) +
           " (" + std::to_string(Percentuale) + "%)";
}

TRiepilogoRicerca RiepilogoRicerca(const T_Archivio& archivio, const TEstremiConcorsi& estremi,
                                   bool soloCompleti)
{
    T_ImpostazioniRicerca ricerca;
    ricerca.PrimaStagione = estremi.PrimaStagione;
    ricerca.PrimoNumero = estremi.PrimoNumero;
    ricerca.UltimaStagione = estremi.UltimaStagione;
    ricerca.UltimoNumero = estremi.UltimoNumero;
    ricerca.SoloCompleti = soloCompleti;
    TRiepilogoRicerca r;
    r.Totale = archivio.NumeroConcorsi();
    for (const T_Concorso& c : archivio.Concorsi()) r.NelIntervallo += ricerca.NelIntervallo(c) ? 1 : 0;
    if (r.Totale > 0) r.Percentuale = static_cast<int>(std::int64_t{r.NelIntervallo} * 100 / r.Totale);
    if (r.Totale == 0)
        r.Avviso = MessaggioArchivioVuotoRicerca;
    else if (r.NelIntervallo == 0)
        r.Avviso = MessaggioNessunConcorsoRicerca;
    return r;
}

TDialogoImpRic::TDialogoImpRic(const T_ImpostazioniRicerca& ricerca, const T_Archivio& archivio)
    : IgnoraColonneFiltro(ricerca.IgnoraColonneFiltro),
      IgnoraRipetizioni(ricerca.IgnoraRipetizioni),
      IgnoraValori(ricerca.IgnoraValori),
      IgnoraPercentuali(ricerca.IgnoraPercentuali),
      limiti_(LimitiStagioni(archivio))
{
    ImpostaCategorie(ricerca.CategorieCercate);
    estremi_.PrimaStagione = LimitaStagione(ricerca.PrimaStagione, limiti_);
    estremi_.UltimaStagione = LimitaStagione(ricerca.UltimaStagione, limiti_);
    estremi_.PrimoNumero = LimitaNumero(ricerca.PrimoNumero);
    estremi_.UltimoNumero = LimitaNumero(ricerca.UltimoNumero);
    // A range that came in reversed is shown as if its first contest had just been typed.
    if (estremi_.PrimaStagione > estremi_.UltimaStagione) estremi_.PrimaStagione = estremi_.UltimaStagione;
    if (estremi_.PrimaStagione == estremi_.UltimaStagione && estremi_.PrimoNumero > estremi_.UltimoNumero)
        estremi_.PrimoNumero = estremi_.UltimoNumero;
}

void TDialogoImpRic::ImpostaPrimaStagione(std::int32_t stagione)
{
    auto& e = estremi_;
    e.PrimaStagione = std::min(LimitaStagione(stagione, limiti_), e.UltimaStagione);
    if (e.PrimaStagione == e.UltimaStagione && e.UltimoNumero < e.PrimoNumero) e.UltimoNumero = e.PrimoNumero;
}

void TDialogoImpRic::ImpostaUltimaStagione(std::int32_t stagione)
{
    auto& e = estremi_;
    e.UltimaStagione = std::max(LimitaStagione(stagione, limiti_), e.PrimaStagione);
    if (e.PrimaStagione == e.UltimaStagione && e.PrimoNumero > e.UltimoNumero) e.PrimoNumero = e.UltimoNumero;
}

void TDialogoImpRic::ImpostaPrimoNumero(std::int32_t numero)
{
    auto& e = estremi_;
    e.PrimoNumero = LimitaNumero(numero);
    if (e.PrimaStagione == e.UltimaStagione && e.PrimoNumero > e.UltimoNumero) e.PrimoNumero = e.UltimoNumero;
}

void TDialogoImpRic::ImpostaUltimoNumero(std::int32_t numero)
{
    auto& e = estremi_;
    e.UltimoNumero = LimitaNumero(numero);
    if (e.PrimaStagione == e.UltimaStagione && e.UltimoNumero < e.PrimoNumero) e.UltimoNumero = e.PrimoNumero;
}

void TDialogoImpRic::ImpostaCategorie(int categorie)
{
    categorie_ = std::clamp(categorie, 1, 3);
}

void TDialogoImpRic::Conferma(T_ImpostazioniRicerca& ricerca) const
{
    ricerca.PrimaStagione = estremi_.PrimaStagione;
    ricerca.PrimoNumero = estremi_.PrimoNumero;
    ricerca.UltimaStagione = estremi_.UltimaStagione;
    ricerca.UltimoNumero = estremi_.UltimoNumero;
    ricerca.CategorieCercate = categorie_;
    ricerca.IgnoraColonneFiltro = IgnoraColonneFiltro;
    ricerca.IgnoraRipetizioni = IgnoraRipetizioni;
    ricerca.IgnoraValori = IgnoraValori;
    ricerca.IgnoraPercentuali = IgnoraPercentuali;
}

// ---- Stampa Archivio ----

TDialogoStampaArch::TDialogoStampaArch(const T_Archivio& archivio) : limiti_(LimitiStagioni(archivio))
{
    if (archivio.Vuoto()) {
        estremi_ = {limiti_.Prima, NumeroMinimoRicerca, limiti_.Ultima, NumeroMassimoRicerca};
        return;
    }
    estremi_.PrimaStagione = LimitaStagione(archivio.Primo().Stagione, limiti_);
    estremi_.PrimoNumero = LimitaNumero(archivio.Primo().Numero);
    estremi_.UltimaStagione =
        std::max(LimitaStagione(archivio.Ultimo().Stagione, limiti_), estremi_.PrimaStagione);
    estremi_.UltimoNumero = LimitaNumero(archivio.Ultimo().Numero);
    if (estremi_.PrimaStagione == estremi_.UltimaStagione && estremi_.PrimoNumero > estremi_.UltimoNumero)
        estremi_.PrimoNumero = estremi_.UltimoNumero;
}

void TDialogoStampaArch::ImpostaStagioneIniziale(std::int32_t stagione)
{
    auto& e = estremi_;
    e.PrimaStagione = std::min(std::max(stagione, limiti_.Prima), e.UltimaStagione);
    if (e.PrimaStagione == e.UltimaStagione && e.PrimoNumero > e.UltimoNumero) e.PrimoNumero = e.UltimoNumero;
}

void TDialogoStampaArch::ImpostaConcorsoIniziale(std::int32_t numero)
{
    auto& e = estremi_;
    e.PrimoNumero = LimitaNumero(numero);
    if (e.PrimaStagione == e.UltimaStagione && e.PrimoNumero > e.UltimoNumero) e.PrimoNumero = e.UltimoNumero;
}

void TDialogoStampaArch::ImpostaStagioneFinale(std::int32_t stagione)
{
    auto& e = estremi_;
    e.UltimaStagione = std::max(std::min(stagione, limiti_.Ultima), e.PrimaStagione);
    if (e.PrimaStagione == e.UltimaStagione && e.UltimoNumero < e.PrimoNumero) e.UltimoNumero = e.PrimoNumero;
}

void TDialogoStampaArch::ImpostaConcorsoFinale(std::int32_t numero)
{
    auto& e = estremi_;
    e.UltimoNumero = LimitaNumero(numero);
    if (e.PrimaStagione == e.UltimaStagione && e.UltimoNumero < e.PrimoNumero) e.UltimoNumero = e.PrimoNumero;
}

std::optional<std::pair<int, int>> ConcorsiDaStampare(const T_Archivio& archivio,
                                                      const TEstremiConcorsi& estremi)
{
    const auto& concorsi = archivio.Concorsi();
    const int n = archivio.NumeroConcorsi();
    int primo = 0;
    while (primo < n && Confronta(estremi.PrimaStagione, estremi.PrimoNumero,
                                  concorsi[static_cast<std::size_t>(primo)]) > 0)
        ++primo;
    int ultimo = n - 1;
    while (ultimo >= 0 && Confronta(estremi.UltimaStagione, estremi.UltimoNumero,
                                    concorsi[static_cast<std::size_t>(ultimo)]) < 0)
        --ultimo;
    if (primo >= n || ultimo < 0 || primo > ultimo) return std::nullopt;
    return std::pair{primo, ultimo};
}

}  // namespace morella
