#include "ModelloGruppo.h"

#include "CondizioneATabelle.h"
#include "CorniceEditore.h"
#include "FabbricaCondizioni.h"

namespace morella {

namespace {

std::unique_ptr<TGruppoCondizioni> CopiaDi(const TGruppoCondizioni& gruppo)
{
    std::unique_ptr<TCondizione> c = gruppo.Clona();
    auto* g = dynamic_cast<TGruppoCondizioni*>(c.get());
    if (!g) return std::make_unique<TGruppoCondizioni>(gruppo);
    c.release();
    return std::unique_ptr<TGruppoCondizioni>(g);
}

}  // namespace

TModelloGruppo::TModelloGruppo(const TGruppoCondizioni& gruppo, TFabbricaElemento fabbrica)
    : copia_(CopiaDi(gruppo)), originale_(Impronta(gruppo)), fabbrica_(std::move(fabbrica))
{
    if (!fabbrica_) {
        const TipoCondizione tipo = TipoElementoDelGruppo(gruppo.Tipo());
        TElencoCondizioni* elenco = gruppo.Elenco();
        fabbrica_ = [tipo, elenco] { return CreaCondizione(tipo, elenco); };
    }
    posizione_ = Conta() > 0 ? 1 : 0;
}

bool TModelloGruppo::VaiA(int posizione)
{
    if (posizione < 1 || posizione > Conta() || posizione == posizione_) return false;
    posizione_ = posizione;
    return true;
}

TCondizione* TModelloGruppo::Aggiungi()
{
    if (!copia_->Aggiungi(fabbrica_())) return nullptr;
    posizione_ = Conta();
    return Corrente();
}

bool TModelloGruppo::Elimina()
{
    if (Vuoto() || !copia_->Elimina(posizione_)) return false;
    if (posizione_ > Conta()) posizione_ = Conta();
    return true;
}

void TModelloGruppo::Azzera(const std::function<void(TCondizione&)>& azzeraElemento)
{
    copia_->Attivato = true;
    for (int i = 0; i < Conta(); ++i) {
        TCondizione& e = copia_->Elemento(i);
        e.Attivato = true;
        if (auto* t = dynamic_cast<TCondizioneATabelle*>(&e)) t->AzzeraTabelle();
        if (azzeraElemento) azzeraElemento(e);
    }
}

TPulsantiGruppo TModelloGruppo::Pulsanti() const
{
    TPulsantiGruppo p;
    p.Primo = p.Precedente = posizione_ > 1;
    p.Successivo = p.Ultimo = posizione_ > 0 && posizione_ < Conta();
    p.Aggiungi = true;
    p.Elimina = p.Elemento = !Vuoto();
    return p;
}

std::string TModelloGruppo::Didascalia() const
{
    if (Vuoto()) return "Nessun Elemento";
    return "Elemento " + std::to_string(posizione_) + " di " + std::to_string(Conta());
}

TBytes TModelloGruppo::Impronta(const TGruppoCondizioni& gruppo)
{
    // Prepared on a copy standing alone: the derived flags then follow from the content
    // alone, and the system's container is not touched.
    std::unique_ptr<TGruppoCondizioni> g = CopiaDi(gruppo);
    g->ImpostaElenco(nullptr);
    g->Prepara();
    for (int i = 0; i < g->Conta(); ++i)
        if (auto* e = dynamic_cast<TCondizioneATabelle*>(&g->Elemento(i)))
            for (int t = 0; t < e->NumeroTabelle(); ++t) SoloScelte(e->Tabella(t));
    TScrittoreBinario f;
    g->Scrivi(f);
    return f.Dati();
}

bool TModelloGruppo::Modificato() const
{
    return Impronta(*copia_) != originale_;
}

bool TModelloGruppo::Conferma(TGruppoCondizioni& gruppo) const
{
    if (!Modificato()) return false;
    gruppo.Attivato = copia_->Attivato;
    gruppo.Svuota();
    for (int i = 0; i < Conta(); ++i) gruppo.Aggiungi(copia_->Elemento(i).Clona());
    // The derived state is stale until the next Prepara.
    gruppo.Attivo = false;
    for (int i = 0; i < gruppo.Conta(); ++i) gruppo.Elemento(i).ImpostaPercorso(gruppo.Percorso);
    return true;
}

}  // namespace morella
