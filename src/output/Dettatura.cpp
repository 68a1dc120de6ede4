#include "Dettatura.h"

#include <algorithm>
#include <utility>

#include "Cartelle.h"
#include "Errore.h"
#include "Gioco.h"

namespace morella {

std::string FileVocale()
{
    return UnisciPercorso(CartellaWav(), NomeFileVocale);
}

TTrattoVoce TrattoVoce(TSegni segni)
{
    const int v = segni & MascheraSegni;
    if (v == 0) return {};
    // The last word is recorded a little short of its slot.
    return {(v - 1) * 1000, v * 1000 - (v == 7 ? 100 : 0)};
}

TDettatura::TDettatura(TLettoreAudio& lettore, TTemporizzatore& temporizzatore)
    : lettore_(lettore), temporizzatore_(temporizzatore)
{
    temporizzatore_.ImpostaAzione([this] { Scatto(); });
}

TDettatura::~TDettatura()
{
    Chiudi();
    temporizzatore_.ImpostaAzione(nullptr);
}

bool TDettatura::Prepara(std::vector<TSchedinaVin> schedine, const std::string& fileVocale)
{
    Chiudi();
    schedine_ = std::move(schedine);
    const int n = NumeroSchedine();
    daSchedina_ = n > 0 ? 1 : 0;
    aSchedina_ = n;
    corrente_ = daSchedina_;
    colonna_ = evento_ = 1;
    MostraSchedina();
    // Without the voice the schedine can still be looked at; only playing is refused.
    voceDisponibile_ = lettore_.Apri(fileVocale);
    AvvisaStato();
    return voceDisponibile_;
}

void TDettatura::Chiudi()
{
    SpegniTimer();
    inPausa_ = false;
    if (voceDisponibile_) lettore_.Chiudi();
    voceDisponibile_ = false;
}

TStatoDettatura TDettatura::Stato() const
{
    if (timerAcceso_) return TStatoDettatura::InCorso;
    return inPausa_ ? TStatoDettatura::InPausa : TStatoDettatura::Inattiva;
}

void TDettatura::Avvia()
{
    if (schedine_.empty()) return;
    if (!voceDisponibile_) throw EErrore(MessaggioFileVocale);
    AccendiTimer();
    if (inPausa_)
        inPausa_ = false;
    else
        colonna_ = evento_ = 1;
    AvvisaStato();
}

void TDettatura::Pausa()
{
    if (schedine_.empty()) return;
    if (!voceDisponibile_) throw EErrore(MessaggioFileVocale);
    inPausa_ = !inPausa_;
    if (inPausa_)
        SpegniTimer();
    else
        AccendiTimer();
    AvvisaStato();
}

void TDettatura::Ferma()
{
    SpegniTimer();
    inPausa_ = false;
    // The first schedina of the range goes on view, so the next Play reads real columns.
    corrente_ = daSchedina_;
    colonna_ = evento_ = 1;
    MostraSchedina();
    AvvisaStato();
}

void TDettatura::Scatto()
{
    // A tick queued before the timer went off says nothing.
    if (!timerAcceso_ || schedine_.empty()) return;
    const TSchedinaVin& s = schedine_[static_cast<std::size_t>(corrente_ - 1)];
    Di(s.colonne[static_cast<std::size_t>(colonna_ - 1)].colonna[static_cast<std::size_t>(evento_ - 1)]);
    Avanza();
}

void TDettatura::Di(TSegni segni)
{
    lettore_.Ferma();
    cellaDetta_ = TCellaDetta{colonna_, evento_};
    if (osservatore_) osservatore_->SegnoDetto();
    // An empty event has no word: its tick passes in silence with the cell marked.
    const TTrattoVoce tratto = TrattoVoce(segni);
    if (tratto.a > tratto.da) lettore_.Suona(tratto.da, tratto.a);
}

void TDettatura::Avanza()
{
    if (ordine_ == TOrdineDettatura::PerColonne) {
        if (evento_ < NumEvents) {
            ++evento_;
            return;
        }
        evento_ = 1;
        if (colonna_ < colonneInSchedina_) {
            ++colonna_;
            return;
        }
        colonna_ = 1;
    } else {
        if (colonna_ < colonneInSchedina_) {
            ++colonna_;
            return;
        }
        colonna_ = 1;
        if (evento_ < NumEvents) {
            ++evento_;
            return;
        }
        evento_ = 1;
    }
    ProssimaSchedina();
}

void TDettatura::ProssimaSchedina()
{
    // The last schedina may have been moved below the one being read: stop there too rather
    // than run on past the range or the list.
    if (corrente_ >= aSchedina_ || corrente_ >= NumeroSchedine()) {
        Ferma();
        return;
    }
    ++corrente_;
    if (pausaDopoSchedina_) {
        inPausa_ = true;
        SpegniTimer();
    }
    MostraSchedina();
    AvvisaStato();
}

void TDettatura::MostraSchedina()
{
    cellaDetta_.reset();
    colonneInSchedina_ = 0;
    if (corrente_ >= 1 && corrente_ <= NumeroSchedine()) {
        // A short last schedina ends at its first empty slot.
        const auto& c = schedine_[static_cast<std::size_t>(corrente_ - 1)].colonne;
        colonneInSchedina_ = 4;
        if (c[3].Vuoto()) colonneInSchedina_ = 3;
        if (c[2].Vuoto()) colonneInSchedina_ = 2;
        if (c[1].Vuoto()) colonneInSchedina_ = 1;
    }
    if (osservatore_) osservatore_->SchedinaMostrata();
}

void TDettatura::ImpostaDallaSchedina(int numero)
{
    if (schedine_.empty()) return;
    daSchedina_ = std::clamp(numero, 1, aSchedina_);
    // Playing or not, the dictation moves to the new first schedina and reads it from its
    // first sign on the next tick.
    corrente_ = daSchedina_;
    colonna_ = evento_ = 1;
    MostraSchedina();
}

void TDettatura::ImpostaAllaSchedina(int numero)
{
    if (schedine_.empty()) return;
    aSchedina_ = std::clamp(numero, daSchedina_, NumeroSchedine());
}

void TDettatura::ImpostaPausaTraSegni(int decimi)
{
    pausa_ = std::clamp(decimi, PausaMinima, PausaMassima);
    temporizzatore_.ImpostaPeriodo(Periodo());
}

int TDettatura::NumeroVista() const
{
    if (corrente_ < 1 || corrente_ > NumeroSchedine()) return 0;
    return schedine_[static_cast<std::size_t>(corrente_ - 1)].numero;
}

std::array<TColonna, 4> TDettatura::ColonneVista() const
{
    std::array<TColonna, 4> colonne{};
    if (corrente_ < 1 || corrente_ > NumeroSchedine()) return colonne;
    const auto& s = schedine_[static_cast<std::size_t>(corrente_ - 1)];
    for (std::size_t k = 0; k < 4; ++k) colonne[k] = s.colonne[k].colonna;
    if (cellaDetta_)
        colonne[static_cast<std::size_t>(cellaDetta_->colonna - 1)]
               [static_cast<std::size_t>(cellaDetta_->evento - 1)] |= SegnoEvidenziato;
    return colonne;
}

void TDettatura::AccendiTimer()
{
    temporizzatore_.Avvia(Periodo());
    timerAcceso_ = true;
}

void TDettatura::SpegniTimer()
{
    if (timerAcceso_) temporizzatore_.Ferma();
    timerAcceso_ = false;
}

void TDettatura::AvvisaStato()
{
    if (osservatore_) osservatore_->StatoCambiato();
}

}  // namespace morella
