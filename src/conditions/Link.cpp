#include "Link.h"

#include <algorithm>

namespace morella {

TLink::TLink(std::uint8_t lettera) : Errori(MassimoErroriLink, false), lettera_(lettera) {}

std::string TLink::Didascalia() const
{
    return "Errori Ammessi Nella Link " + std::string(1, static_cast<char>(lettera_));
}

bool TLink::ErroreLink(int livello)
{
    ++ErroriCorrenti;
    ++Usi;
    const auto l = static_cast<std::size_t>(std::clamp(livello, 0, NumeroLivelli));
    if (contatori_[l]++ == 0)
        toccati_[static_cast<std::size_t>(numeroToccati_++)] = static_cast<std::uint8_t>(l);
    if (contatori_[l] > l) {
        ++RifiutiPerLivello[l];
        return false;
    }
    return true;
}

int TLink::Contatore(int livello) const
{
    if (livello < 0 || livello > NumeroLivelli) return 0;
    return static_cast<int>(contatori_[static_cast<std::size_t>(livello)]);
}

void TLink::AzzeraColonna()
{
    for (int i = 0; i < numeroToccati_; ++i) contatori_[toccati_[static_cast<std::size_t>(i)]] = 0;
    numeroToccati_ = 0;
    ErroriCorrenti = 0;
}

void TLink::AzzeraStatistiche()
{
    RifiutiPerLivello.fill(0);
    RifiutiPerErrori.fill(0);
    Usi = 0;
}

TElencoLink::TElencoLink() : ErroriTotali(MassimoErroriLink, false)
{
    for (int i = 0; i < NumeroLink; ++i)
        Link[static_cast<std::size_t>(i)] = TLink(static_cast<std::uint8_t>('A' + i));
}

void TElencoLink::ImpostaLettereInUso(const std::string& lettere)
{
    lettereInUso_.clear();
    for (char ch : lettere) {
        const auto l = static_cast<std::uint8_t>(ch);
        if (LetteraValida(l) && lettereInUso_.find(ch) == std::string::npos && lettereInUso_.size() < 80)
            lettereInUso_ += ch;
    }
}

bool TElencoLink::ErroreLink(std::uint8_t lettera, int livello)
{
    if (!LetteraValida(lettera)) return false;
    caricati_ |= std::uint32_t{1} << (lettera - 'A');
    return DellaLettera(lettera).ErroreLink(livello);
}

void TElencoLink::AzzeraCaricati()
{
    for (int i = 0; i < NumeroLink; ++i)
        if (caricati_ & (std::uint32_t{1} << i)) Link[static_cast<std::size_t>(i)].AzzeraColonna();
    caricati_ = 0;
}

bool TElencoLink::VerificaErrori()
{
    int totale = 0;
    bool linkBuone = true;
    for (char ch : lettereInUso_) {
        TLink& l = DellaLettera(static_cast<std::uint8_t>(ch));
        // The link tables charge nothing further: an in recupero count of errors is admitted.
        if (linkBuone && !l.Errori.Ammette(l.ErroriCorrenti, 0, nullptr)) {
            ++l.RifiutiPerErrori[static_cast<std::size_t>(std::min(l.ErroriCorrenti, 255))];
            linkBuone = false;
        }
        totale += l.ErroriCorrenti;
    }
    if (!linkBuone) return false;
    if (!ErroriTotali.Ammette(totale, 0, nullptr)) {
        ++RifiutiPerTotale[static_cast<std::size_t>(std::min(totale, 255))];
        return false;
    }
    return true;
}

void TElencoLink::AzzeraStatistiche()
{
    for (auto& l : Link) l.AzzeraStatistiche();
    RifiutiPerTotale.fill(0);
}

void TElencoLink::Prepara()
{
    for (auto& l : Link) l.Errori.Prepara(true);
    ErroriTotali.Prepara(true);
}

void TElencoLink::Azzera()
{
    for (auto& l : Link) l.Errori.Azzera();
    ErroriTotali.Azzera();
}

void TElencoLink::Scrivi(TScrittoreBinario& f) const
{
    for (const auto& l : Link) l.Errori.Scrivi(f);
    ErroriTotali.Scrivi(f);
}

bool TElencoLink::Leggi(TLettoreBinario& f)
{
    for (auto& l : Link)
        if (!l.Errori.Leggi(f)) return false;
    return ErroriTotali.Leggi(f);
}

}  // namespace morella

namespace morella {

bool TElencoLink::Attivo() const
{
    return ErroriTotali.Attivo ||
           std::any_of(Link.begin(), Link.end(), [](const TLink& l) { return l.Errori.Attivo; });
}

void TElencoLink::Stampa(TRigheStampa& stampa) const
{
    for (const TLink& l : Link) l.Errori.Stampa(l.Didascalia(), stampa);
    ErroriTotali.Stampa("Errori Ammessi In Totale", stampa);
}

}  // namespace morella
