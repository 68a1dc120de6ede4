#include "SessioneQuadri.h"

#include <algorithm>

#include "AdattaFiltri.h"
#include "Cartelle.h"
#include "FabbricaCondizioni.h"
#include "FileQuadri.h"

namespace morella {

namespace {

// A copy is a new condition: no selection, down to the sub-conditions of a copied panel.
void TogliMarche(TCondizione& c)
{
    c.Marcato = false;
    if (auto* g = dynamic_cast<TGruppoCondizioni*>(&c))
        for (int i = 0; i < g->Conta(); ++i) TogliMarche(g->Elemento(i));
}

}  // namespace

TSessioneQuadri::TSessioneQuadri(TQuadro& radice, TDomanda& domanda)
    : radice_(&radice),
      domanda_(domanda),
      nomeFileQuadro_(UnisciPercorso(CartellaQuadri(), NomeQuadroDefault))
{
}

void TSessioneQuadri::ImpostaRadice(TQuadro& radice)
{
    radice_ = &radice;
    percorso_.clear();
}

TQuadro& TSessioneQuadri::Corrente()
{
    TQuadro* q = radice_;
    for (std::size_t i = 0; i < percorso_.size(); ++i) {
        const int p = percorso_[i];
        if (p < 1 || p > q->Conta() || q->Elemento(p - 1).Tipo() != TipoQuadro) {
            percorso_.resize(i);
            break;
        }
        q = &static_cast<TQuadro&>(q->Elemento(p - 1));
    }
    return *q;
}

int TSessioneQuadri::Livello()
{
    Corrente();
    return static_cast<int>(percorso_.size());
}

const std::vector<int>& TSessioneQuadri::Percorso()
{
    Corrente();
    return percorso_;
}

bool TSessioneQuadri::ApriSottoQuadro(int posizione)
{
    TQuadro& q = Corrente();
    if (posizione < 1 || posizione > q.Conta() || q.Elemento(posizione - 1).Tipo() != TipoQuadro)
        return false;
    percorso_.push_back(posizione);
    return true;
}

bool TSessioneQuadri::QuadroPrecedente()
{
    Corrente();
    if (percorso_.empty()) return false;
    percorso_.pop_back();
    return true;
}

bool TSessioneQuadri::ApriPercorso(const std::vector<int>& percorso)
{
    const std::vector<int> vecchio = percorso_;
    percorso_ = percorso;
    Corrente();
    if (percorso_.size() == percorso.size()) return true;
    percorso_ = vecchio;
    return false;
}

bool TSessioneQuadri::CiStanno(const std::vector<std::unique_ptr<TCondizione>>& nuove)
{
    TQuadro& q = Corrente();
    int livelli = 0;
    for (const auto& c : nuove) livelli = std::max(livelli, LivelliQuadri(*c));
    const bool conta = q.Conta() + static_cast<int>(nuove.size()) <= TQuadro::MassimoSottoCondizioni;
    // A file written from this tree must read back: nested panels stay within the bound.
    const bool profondita = Livello() + livelli <= TQuadro::MassimaProfondita;
    if (conta && profondita) return true;
    domanda_.Chiedi(TitoloInformazione, MessaggioSpazioInsufficiente, PulsanteOk);
    return false;
}

void TSessioneQuadri::InserisciTutte(std::vector<std::unique_ptr<TCondizione>> nuove, int posizione)
{
    TQuadro& q = Corrente();
    const int inizio = std::clamp(posizione, 1, q.Conta() + 1);
    int i = 0;
    for (auto& c : nuove) {
        TogliMarche(*c);
        TCondizione* p = c.get();
        if (q.Inserisci(inizio + i, std::move(c))) {
            p->ImpostaPercorso(q.Percorso);
            ++i;
        }
    }
    ListaCambiata();
}

void TSessioneQuadri::ListaCambiata()
{
    Corrente().AggiornaPreset();
    Modificato = true;
}

TCondizione* TSessioneQuadri::Nuova(TipoCondizione tipo, int posizione)
{
    auto c = CreaCondizione(tipo, Corrente().Elenco());
    if (!c) return nullptr;
    if (tipo == TipoQuadro) c->Nome = NomeSottoQuadro;
    std::vector<std::unique_ptr<TCondizione>> nuove;
    nuove.push_back(std::move(c));
    if (!CiStanno(nuove)) return nullptr;
    TCondizione* p = nuove.front().get();
    InserisciTutte(std::move(nuove), posizione);
    return p;
}

int TSessioneQuadri::NumeroMarcati()
{
    const TQuadro& q = Corrente();
    int n = 0;
    for (int i = 0; i < q.Conta(); ++i) n += q.Elemento(i).Marcato ? 1 : 0;
    return n;
}

void TSessioneQuadri::Marca(int posizione, bool marcato)
{
    TQuadro& q = Corrente();
    if (posizione >= 1 && posizione <= q.Conta()) q.Elemento(posizione - 1).Marcato = marcato;
}

int TSessioneQuadri::Copia()
{
    const TQuadro& q = Corrente();
    appunti_.clear();
    for (int i = 0; i < q.Conta(); ++i) {
        const TCondizione& e = q.Elemento(i);
        if (!e.Marcato) continue;
        appunti_.push_back(e.Clona());
        TogliMarche(*appunti_.back());
    }
    return NumeroAppunti();
}

int TSessioneQuadri::Elimina()
{
    TQuadro& q = Corrente();
    int eliminati = 0;
    for (int p = q.Conta(); p >= 1; --p)
        if (q.Elemento(p - 1).Marcato && q.Elimina(p)) ++eliminati;
    if (eliminati > 0) ListaCambiata();
    return eliminati;
}

int TSessioneQuadri::Taglia()
{
    const int n = Copia();
    Elimina();
    return n;
}

bool TSessioneQuadri::Incolla(int posizione)
{
    if (appunti_.empty()) return false;
    std::vector<std::unique_ptr<TCondizione>> copie;
    copie.reserve(appunti_.size());
    for (const auto& c : appunti_) copie.push_back(c->Clona());
    if (!CiStanno(copie)) return false;
    InserisciTutte(std::move(copie), posizione);
    return true;
}

void TSessioneQuadri::SalvaQuadro(const std::string& percorso)
{
    SalvaFileQuadro(percorso, Radice());
    nomeFileQuadro_ = percorso;
}

bool TSessioneQuadri::CaricaQuadro(const std::string& percorso)
{
    TQuadro& radice = Radice();
    if (radice.Conta() > 0 &&
        domanda_.Chiedi(TitoloConferma, DomandaSostituisciQuadro, PulsanteSi | PulsanteNo) != PulsanteSi)
        return false;
    // Read whole before anything is touched: a damaged file leaves the panel as it was.
    auto letto = CaricaFileQuadro(percorso, radice.Elenco());
    radice.Assumi(std::move(*letto));
    radice.AggiornaPreset();
    // The root sits in its container slot, whose path starts from nothing.
    radice.ImpostaPercorso("");
    percorso_.clear();
    nomeFileQuadro_ = percorso;
    Modificato = true;
    return true;
}

void TSessioneQuadri::SalvaCondizioni(const std::string& percorso)
{
    const TQuadro& q = Corrente();
    std::vector<const TCondizione*> marcate;
    for (int i = 0; i < q.Conta(); ++i)
        if (q.Elemento(i).Marcato) marcate.push_back(&q.Elemento(i));
    SalvaFileCondizioni(percorso, marcate);
}

int TSessioneQuadri::CaricaCondizioni(const std::string& percorso, int posizione)
{
    auto lette = CaricaFileCondizioni(percorso, Corrente().Elenco());
    if (lette.empty()) return 0;
    if (!CiStanno(lette)) return 0;
    const int n = static_cast<int>(lette.size());
    InserisciTutte(std::move(lette), posizione);
    return n;
}

bool TSessioneQuadri::Adatta(const TPronostico& pronostico, TMaschera selezionati)
{
    TQuadro& q = Corrente();
    const TEsitoAdatta esito = AdattaColonneFiltro(q, PronosticoMascherato(pronostico, selezionati));
    if (esito != TEsitoAdatta::Fatto) {
        domanda_.Chiedi(TitoloInformazione, MessaggioAdatta(esito), PulsanteOk);
        return false;
    }
    ListaCambiata();
    return true;
}

std::vector<TNodoAlbero> TSessioneQuadri::Albero()
{
    const TQuadro& corrente = Corrente();
    return AlberoCondizioni(Radice(), &corrente);
}

int TSessioneQuadri::AttivaNodo(int riga)
{
    const auto albero = Albero();
    if (riga < 0 || riga >= static_cast<int>(albero.size())) return -1;
    const std::vector<int> percorso = PercorsoNodo(albero, riga);
    if (albero[static_cast<std::size_t>(riga)].Quadro) return ApriPercorso(percorso) ? 0 : -1;
    // Any other condition: its parent panel is a prefix of the path.
    const std::vector<int> vecchio = percorso_;
    percorso_.assign(percorso.begin(), percorso.end() - 1);
    TQuadro& padre = Corrente();
    const bool trovato =
        percorso_.size() + 1 == percorso.size() && percorso.back() >= 1 && percorso.back() <= padre.Conta();
    TCondizione* c = trovato ? &padre.Elemento(percorso.back() - 1) : nullptr;
    percorso_ = vecchio;
    return c ? c->Modifica() : -1;
}

}  // namespace morella
