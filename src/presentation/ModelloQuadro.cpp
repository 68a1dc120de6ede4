#include "ModelloQuadro.h"

#include <algorithm>

#include "Archivio.h"
#include "FiltriDaArchivio.h"
#include "ImpostazioniRicerca.h"
#include "ModelloGruppo.h"
#include "TipiCondizione.h"

namespace morella {

namespace {

std::string NomeTipo(const TCondizione& c)
{
    return c.Tipo() == TipoQuadro ? NomeSottoQuadro : NomeDefault(c.Tipo());
}

}  // namespace

std::vector<std::pair<TipoCondizione, std::string>> VociNuova()
{
    std::vector<std::pair<TipoCondizione, std::string>> voci;
    const TQuadro prova;
    for (const TDescrizioneTipo& d : DescrizioniTipi()) {
        if (!prova.AmmetteElemento(d.Tipo)) continue;
        // The name a new condition of the kind gets, which tells a group ("Gruppo Valori")
        // from its element ("Valori"); a panel made here is a "Sub Quadro".
        voci.emplace_back(d.Tipo, d.Tipo == TipoQuadro ? NomeSottoQuadro : d.NomeDefault);
    }
    return voci;
}

bool ArchivioPerColonneFiltro(const T_Archivio* archivio, TDomanda& domanda)
{
    if (archivio && !archivio->Vuoto()) return true;
    domanda.Chiedi(TitoloInformazione, MessaggioArchivioVuoto, PulsanteOk);
    return false;
}

TModelloQuadro::TModelloQuadro(TDomanda& domanda) : domanda_(domanda), sessione_(vuoto_, domanda) {}

void TModelloQuadro::Apri(const TQuadro& radice)
{
    copia_ = std::make_unique<TQuadro>(radice);
    copia_->ImpostaPercorso("");
    // The root is not touched while the editor is open: OK compares with it then, which
    // keeps the opening of a large panel quick.
    radice_ = &radice;
    sessione_.ImpostaRadice(*copia_);
    // Back where the last use stood, as far as the tree still goes there.
    std::vector<int> percorso = ultimoPercorso_;
    while (!percorso.empty() && !sessione_.ApriPercorso(percorso)) percorso.pop_back();
    sessione_.Modificato = false;
    prima_ = 0;
    selezionata_ = 0;
}

bool TModelloQuadro::Modificato() const
{
    return copia_ && radice_ && TModelloGruppo::Impronta(*copia_) != TModelloGruppo::Impronta(*radice_);
}

bool TModelloQuadro::Conferma(TQuadro& radice)
{
    if (!copia_) return false;
    ultimoPercorso_ = sessione_.Percorso();
    if (&radice != radice_ || !Modificato()) return false;
    radice.Assumi(TQuadro(*copia_));
    radice.ImpostaPercorso("");
    return true;
}

int TModelloQuadro::MassimoScorrimento()
{
    return std::max(0, Corrente().Conta() - RigheVisibili);
}

void TModelloQuadro::Scorri(int prima)
{
    prima_ = std::clamp(prima, 0, MassimoScorrimento());
}

std::vector<TRigaQuadro> TModelloQuadro::Righe()
{
    Scorri(prima_);
    const TQuadro& q = Corrente();
    std::vector<TRigaQuadro> righe;
    for (int i = prima_; i < q.Conta() && i < prima_ + RigheVisibili; ++i) {
        const TCondizione& c = q.Elemento(i);
        TRigaQuadro r;
        r.Posizione = i + 1;
        r.Tipo = NomeTipo(c);
        r.Testo = std::to_string(i + 1) + "  " + (c.Nome.empty() ? r.Tipo : c.Nome);
        r.Marcato = c.Marcato;
        r.Attivato = c.Attivato;
        r.Quadro = c.Tipo() == TipoQuadro;
        r.Corrente = i + 1 == selezionata_;
        righe.push_back(std::move(r));
    }
    return righe;
}

void TModelloQuadro::Seleziona(int posizione)
{
    selezionata_ = posizione >= 1 && posizione <= Corrente().Conta() ? posizione : 0;
}

int TModelloQuadro::PosizioneInserimento()
{
    Seleziona(selezionata_);
    return selezionata_ > 0 ? selezionata_ : Corrente().Conta() + 1;
}

TComandiQuadro TModelloQuadro::Comandi()
{
    TComandiQuadro c;
    const bool marcati = sessione_.NumeroMarcati() > 0;
    c.QuadroPrecedente = sessione_.Livello() > 0;
    c.Taglia = c.Copia = c.Elimina = c.SalvaCondizioni = marcati;
    c.Incolla = sessione_.NumeroAppunti() > 0;
    c.Relazioni = Corrente().Preset;
    c.TabellaAccettate = !Corrente().Preset;
    return c;
}

std::string TModelloQuadro::Didascalia()
{
    std::string testo = "Condizioni Nel Quadro : " + std::to_string(Corrente().Conta());
    const int livello = sessione_.Livello();
    if (livello > 0) testo += "   (Livello " + std::to_string(livello) + ")";
    return testo;
}

void TModelloQuadro::DopoLista()
{
    Seleziona(selezionata_);
    Scorri(prima_);
}

TCondizione* TModelloQuadro::Nuova(TipoCondizione tipo)
{
    TCondizione* c = sessione_.Nuova(tipo, PosizioneInserimento());
    DopoLista();
    return c;
}

int TModelloQuadro::Taglia()
{
    const int n = sessione_.Taglia();
    DopoLista();
    return n;
}

int TModelloQuadro::Elimina()
{
    const int n = sessione_.Elimina();
    DopoLista();
    return n;
}

bool TModelloQuadro::Incolla()
{
    const bool fatto = sessione_.Incolla(PosizioneInserimento());
    DopoLista();
    return fatto;
}

int TModelloQuadro::CaricaCondizioni(const std::string& percorso)
{
    const int n = sessione_.CaricaCondizioni(percorso, PosizioneInserimento());
    DopoLista();
    return n;
}

bool TModelloQuadro::CaricaQuadro(const std::string& percorso)
{
    const bool fatto = sessione_.CaricaQuadro(percorso);
    if (fatto) prima_ = 0, selezionata_ = 0;
    return fatto;
}

int TModelloQuadro::ColonneDaArchivio(const TDialogoInsCol& dialogo, const T_Archivio& archivio)
{
    // The dialog's own range: the search settings of the other archive scans stay as they are.
    T_ImpostazioniRicerca intervallo;
    intervallo.PrimaStagione = dialogo.Estremi().PrimaStagione;
    intervallo.PrimoNumero = dialogo.Estremi().PrimoNumero;
    intervallo.UltimaStagione = dialogo.Estremi().UltimaStagione;
    intervallo.UltimoNumero = dialogo.Estremi().UltimoNumero;
    intervallo.SoloCompleti = true;
    const auto& concorsi = archivio.Concorsi();
    const auto voluti = std::count_if(concorsi.begin(), concorsi.end(),
                                      [&](const T_Concorso& c) { return intervallo.NelIntervallo(c); });
    const int aggiunte = dialogo.Conferma(archivio, sessione_);
    if (aggiunte < voluti) domanda_.Chiedi(TitoloInformazione, MessaggioSpazioInsufficiente, PulsanteOk);
    DopoLista();
    return aggiunte;
}

bool TModelloQuadro::ApriSottoQuadro(int posizione)
{
    if (!sessione_.ApriSottoQuadro(posizione)) return false;
    prima_ = 0, selezionata_ = 0;
    return true;
}

bool TModelloQuadro::QuadroPrecedente()
{
    if (!sessione_.QuadroPrecedente()) return false;
    prima_ = 0, selezionata_ = 0;
    return true;
}

bool TModelloQuadro::ApriPercorso(const std::vector<int>& percorso)
{
    if (!sessione_.ApriPercorso(percorso)) return false;
    prima_ = 0, selezionata_ = 0;
    return true;
}

int TModelloQuadro::AttivaNodo(int riga)
{
    const std::vector<int> prima = sessione_.Percorso();
    const int esito = sessione_.AttivaNodo(riga);
    if (sessione_.Percorso() != prima) prima_ = 0, selezionata_ = 0;
    DopoLista();
    return esito;
}

void TModelloQuadro::Riallinea()
{
    Corrente().AggiornaPreset();
    DopoLista();
}

void TModelloQuadro::ImpostaPreset(bool preset)
{
    TQuadro& q = Corrente();
    q.Preset = preset;
    q.AggiornaPreset();
}

}  // namespace morella
