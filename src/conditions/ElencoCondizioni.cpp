#include "ElencoCondizioni.h"

#include "EsameTraLink.h"
#include "FabbricaCondizioni.h"
#include "ImpostazioniRicerca.h"
#include "Link.h"
#include "PuntiTra.h"

namespace morella {

TElencoCondizioni::TElencoCondizioni(TElencoLink* link) : link_(link)
{
    Crea();
}

TElencoCondizioni::~TElencoCondizioni() = default;

void TElencoCondizioni::Crea()
{
    numeroAttive_ = 0;
    for (int k = 1; k <= NumeroSlot; ++k) condizioni_[static_cast<std::size_t>(k)] = CreaCondizione(k, this);
    CompattaAttive();
}

TCondizione* TElencoCondizioni::Condizione(int slot) const
{
    if (slot < 1 || slot > NumeroSlot) return nullptr;
    return condizioni_[static_cast<std::size_t>(slot)].get();
}

void TElencoCondizioni::AzzeraStatistiche()
{
    for (auto& c : condizioni_)
        if (c) c->AzzeraStatistiche();
}

void TElencoCondizioni::Prepara()
{
    for (auto& c : condizioni_)
        if (c) c->Prepara();
}

void TElencoCondizioni::CompattaAttive()
{
    numeroAttive_ = 0;
    for (int k = 1; k <= NumeroSlot; ++k) {
        TCondizione* c = Condizione(k);
        if (c && c->Attivo && c->Attivato) attive_[static_cast<std::size_t>(numeroAttive_++)] = c;
    }
    const TCondizione* puntiTra = Condizione(TipoPuntiTra);
    puntiTraAttivo_ = puntiTra && puntiTra->Attivo && puntiTra->Attivato;
}

void TElencoCondizioni::ImpostaPercorsi()
{
    for (auto& c : condizioni_)
        if (c) c->ImpostaPercorso("");
}

std::string TElencoCondizioni::CalcolaLettereInUso() const
{
    std::string lettere;
    for (char l = 'A'; l <= 'Z'; ++l) {
        auto esame = TEsameTraLink::PerLettera(static_cast<std::uint8_t>(l));
        for (const auto& c : condizioni_)
            if (c && c->Attivato) c->EsameTraLink(esame);
        if (!esame.Elementi.empty()) lettere += l;
    }
    return lettere;
}

void TElencoCondizioni::PreparaVerifica(bool raccogliErrori)
{
    RaccogliErrori = raccogliErrori;
    if (raccogliErrori) Errori.clear();
    AzzeraStatistiche();
    Prepara();
    CompattaAttive();
    if (ModoArchivio && puntiTraAttivo_) SaltaGruppiTraIgnorati();
    if (link_) {
        link_->ImpostaLettereInUso(CalcolaLettereInUso());
        link_->AzzeraStatistiche();
        link_->Prepara();
        link_->AzzeraColonna();
    }
}

void TElencoCondizioni::SaltaGruppiTraIgnorati()
{
    // A filter column (or any kind the search settings ignore) that is switched off for the
    // replay adds nothing to its points-between group, so the group's sum would be judged
    // short and the system would seem to miss contests it would have won.
    auto* puntiTra = Condizione<TPuntiTra>(TipoPuntiTra);
    if (!puntiTra) return;
    for (int g = 1; g <= puntiTra->GruppiInUso(); ++g) {
        const TEsameTraLink esame = TEsameTraLink::DelGruppo(*this, g);
        for (const TElemTraLink& e : esame.Elementi)
            if (e.Condizione && IgnoraInArchivio(e.Condizione->Tipo())) {
                puntiTra->SaltaGruppo(g);
                break;
            }
    }
}

bool TElencoCondizioni::IgnoraInArchivio(TipoCondizione tipo) const
{
    const T_ImpostazioniRicerca* r = Sorgenti.Ricerca;
    if (!ModoArchivio || !r) return false;
    switch (tipo) {
        case TipoRipetizioni:
            return r->IgnoraRipetizioni;
        case TipoValori:
            return r->IgnoraValori;
        case TipoPercentuali:
            return r->IgnoraPercentuali;
        case TipoColonnaFiltro:
            return r->IgnoraColonneFiltro;
        default:
            return false;
    }
}

bool TElencoCondizioni::VerificaColonna(const TColonna& colonna)
{
    if (link_) link_->AzzeraColonna();
    if (puntiTraAttivo_) SommeTra.fill(0);
    bool accettata = true;
    if (numeroAttive_ > 0) {
        const TColonnaEsaminata c(colonna);
        for (int i = 0; i < numeroAttive_; ++i) {
            TCondizione* cond = attive_[static_cast<std::size_t>(i)];
            const bool esito = cond->Verifica(c);
            if (esito) continue;
            accettata = false;
            if (!RaccogliErrori) return false;
            // A simple group has already listed its failing elements.
            if (!TipoGruppoSemplice(cond->Tipo())) Errori.push_back({cond});
        }
    }
    if (!accettata) return false;
    return link_ == nullptr || link_->VerificaErrori();
}

bool TElencoCondizioni::Scrivi(TScrittoreBinario& f) const
{
    bool completo = true;
    for (int k = 1; k <= NumeroSlot; ++k) {
        if (const TCondizione* c = Condizione(k)) {
            if (!c->Scrivi(f)) return false;
        } else {
            completo = false;
        }
    }
    return completo;
}

bool TElencoCondizioni::Leggi(TLettoreBinario& f)
{
    for (int k = 1; k <= NumeroSlot; ++k) {
        TCondizione* c = Condizione(k);
        if (!c) continue;  // a kind this build lacks wrote nothing either
        std::uint8_t tipo = 0;
        if (!f.Byte(tipo)) return false;
        if (tipo != k || !c->Leggi(f)) return false;
    }
    return true;
}

}  // namespace morella
