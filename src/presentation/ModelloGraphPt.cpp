#include "ModelloGraphPt.h"

#include <algorithm>

namespace morella {

TColpoGraphPt TGeometriaGraphPt::ZonaIn(int x, int y) const
{
    const int alto = std::min(YSu, YBox);
    const int basso = YGiu() + ABtn;
    if (y < alto || y >= basso) return {};
    if (x >= X0 && x < X0 + LFreccia) return {TZonaGraphPt::FrecciaSinistra, -1};
    if (x >= XFrecciaDestra() && x < XFrecciaDestra() + LFreccia) return {TZonaGraphPt::FrecciaDestra, -1};
    if (x < XBox(0) || x >= XFrecciaDestra() || LBox <= 0) return {};
    const int box = (x - XBox(0)) / LBox;
    if (y >= YBox && y < YBox + ABox) return {TZonaGraphPt::Valore, box};
    if (y >= YSu && y < YSu + ABtn) return {TZonaGraphPt::LivelloSu, box};
    if (y >= YGiu() && y < YGiu() + ABtn) return {TZonaGraphPt::LivelloGiu, box};
    return {};
}

TModelloGraphPt::TModelloGraphPt()
{
    for (auto& v : voci_) v.assign(NumeroVoci, TVoceGraphPt{});
}

void TModelloGraphPt::ImpostaTabella(const TTabellaValori& t)
{
    for (std::size_t k = 0; k < 2; ++k) {
        auto& voci = voci_[k];
        std::fill(voci.begin(), voci.end(), TVoceGraphPt{});
        const auto& sotto = t.Sotto[k];
        const int n = std::min({t.Massimo() + 1, NumeroVoci, static_cast<int>(sotto.Valori.size())});
        for (int i = 0; i < n; ++i) {
            const TCoppiaValore c = sotto.Valori[static_cast<std::size_t>(i)];
            TVoceGraphPt& v = voci[static_cast<std::size_t>(i)];
            v.Stato = c.Stato <= StatoInRecupero ? c.Stato : StatoEscluso;
            v.Livello = c.Livello;
        }
        link_[k] = sotto.Link >= 'A' && sotto.Link <= 'Z' ? static_cast<char>(sotto.Link) : 'A';
        tra_[k] = std::clamp<int>(sotto.GruppoTra, 0, GruppoTraMassimo);
    }
    da_ = std::clamp<int>(t.DaEvento, 1, std::max(1, NumEvents));
    a_ = std::clamp<int>(t.AEvento, da_, std::max(da_, NumEvents));
    scostamento_ = 0;
    pagina_ = TPaginaGraphPt::Punti;
    CorreggiPagina();
    Modificato = false;
}

void TModelloGraphPt::LeggiTabella(TTabellaValori& t) const
{
    for (std::size_t k = 0; k < 2; ++k) {
        auto& sotto = t.Sotto[k];
        const int n = std::min({t.Massimo() + 1, NumeroVoci, static_cast<int>(sotto.Valori.size())});
        for (int i = 0; i < n; ++i) {
            const TVoceGraphPt& v = voci_[k][static_cast<std::size_t>(i)];
            // A value in recupero at level 0 could never be recovered: it is written as the
            // level 1 it was shown as. Elsewhere the byte goes back as it came.
            const std::uint8_t livello = v.Stato == StatoInRecupero && v.Livello == 0 ? 1 : v.Livello;
            sotto.Valori[static_cast<std::size_t>(i)] = {v.Stato, livello};
        }
        sotto.Link = static_cast<std::uint8_t>(link_[k]);
        sotto.GruppoTra = static_cast<std::int16_t>(tra_[k]);
    }
    t.DaEvento = static_cast<std::int16_t>(da_);
    t.AEvento = static_cast<std::int16_t>(a_);
}

const TVoceGraphPt& TModelloGraphPt::Voce(int tabella, int valore) const
{
    static const TVoceGraphPt nessuna{};
    if (valore < 0 || valore >= NumeroVoci) return nessuna;
    return voci_[Indice(tabella)][static_cast<std::size_t>(valore)];
}

int TModelloGraphPt::Livello(int tabella, int valore) const
{
    return std::max<int>(1, Voce(tabella, valore).Livello);
}

bool TModelloGraphPt::PaginaDisponibile(TPaginaGraphPt p) const
{
    switch (p) {
        case TPaginaGraphPt::Punti:
            return TipoPunti;
        case TPaginaGraphPt::Consecutivita:
            return TipoCons;
        case TPaginaGraphPt::Campo:
            return TipoCampo;
    }
    return false;
}

bool TModelloGraphPt::MostraPagina(TPaginaGraphPt p)
{
    if (!PaginaDisponibile(p)) return false;
    pagina_ = p;
    return true;
}

void TModelloGraphPt::CorreggiPagina()
{
    if (PaginaDisponibile(pagina_)) return;
    for (TPaginaGraphPt p : {TPaginaGraphPt::Punti, TPaginaGraphPt::Consecutivita, TPaginaGraphPt::Campo})
        if (PaginaDisponibile(p)) {
            pagina_ = p;
            return;
        }
}

bool TModelloGraphPt::PaginaMarcata(TPaginaGraphPt p) const
{
    if (p == TPaginaGraphPt::Campo) return da_ != 1 || a_ != NumEvents;
    const auto& voci = voci_[p == TPaginaGraphPt::Consecutivita ? 1 : 0];
    const int ultimo = std::min(PtTotali, NumeroVoci - 1);
    for (int i = std::max(0, PtIniziale); i <= ultimo; ++i)
        if (voci[static_cast<std::size_t>(i)].Stato != StatoEscluso) return true;
    return false;
}

int TModelloGraphPt::BoxUsati() const
{
    const int valori = std::min(PtTotali, NumeroVoci - 1) - std::max(0, PtIniziale) + 1;
    return std::clamp(std::min(PtVisibili, valori), 0, NumeroVoci);
}

int TModelloGraphPt::ScostamentoMassimo() const
{
    // The last page ends on PtTotali itself, so the highest value can always be reached.
    const int valori = std::min(PtTotali, NumeroVoci - 1) - std::max(0, PtIniziale) + 1;
    return std::max(0, valori - std::max(1, PtVisibili));
}

int TModelloGraphPt::ValoreDelBox(int box) const
{
    if (box < 0 || box >= BoxUsati()) return -1;
    const int valore = box + std::min(scostamento_, ScostamentoMassimo()) + std::max(0, PtIniziale);
    return valore <= std::min(PtTotali, NumeroVoci - 1) ? valore : -1;
}

bool TModelloGraphPt::Scorri(int passo)
{
    const int nuovo = std::clamp(scostamento_ + passo, 0, ScostamentoMassimo());
    if (nuovo == scostamento_) return false;
    scostamento_ = nuovo;
    return true;
}

TVoceGraphPt* TModelloGraphPt::VoceDelBox(int box)
{
    if (pagina_ == TPaginaGraphPt::Campo) return nullptr;
    const int valore = ValoreDelBox(box);
    if (valore < 0) return nullptr;
    return &voci_[static_cast<std::size_t>(TabellaMostrata())][static_cast<std::size_t>(valore)];
}

bool TModelloGraphPt::Cambia()
{
    Modificato = true;
    return true;
}

bool TModelloGraphPt::ClicValore(int box)
{
    TVoceGraphPt* v = VoceDelBox(box);
    if (!v) return false;
    switch (v->Stato) {
        case StatoEscluso:
            v->Stato = StatoAmmesso;
            break;
        case StatoAmmesso:
            v->Stato = RecVisibili ? StatoInRecupero : StatoEscluso;
            break;
        default:
            v->Stato = StatoEscluso;
            break;
    }
    return Cambia();
}

bool TModelloGraphPt::AlzaLivello(int box)
{
    TVoceGraphPt* v = VoceDelBox(box);
    if (!v || !RecVisibili || v->Stato != StatoInRecupero || v->Livello >= LivelloMassimo) return false;
    v->Livello = static_cast<std::uint8_t>(std::max<int>(1, v->Livello) + 1);
    return Cambia();
}

bool TModelloGraphPt::AbbassaLivello(int box)
{
    TVoceGraphPt* v = VoceDelBox(box);
    if (!v || !RecVisibili || v->Stato != StatoInRecupero || v->Livello <= 1) return false;
    --v->Livello;
    return Cambia();
}

bool TModelloGraphPt::CambiaLink(char lettera)
{
    if (pagina_ == TPaginaGraphPt::Campo) return false;
    if (lettera >= 'a' && lettera <= 'z') lettera = static_cast<char>(lettera - 'a' + 'A');
    if (lettera < 'A' || lettera > 'Z') lettera = 'A';
    link_[static_cast<std::size_t>(TabellaMostrata())] = lettera;
    return Cambia();
}

bool TModelloGraphPt::CambiaGruppoTra(int gruppo)
{
    if (pagina_ == TPaginaGraphPt::Campo) return false;
    tra_[static_cast<std::size_t>(TabellaMostrata())] = std::clamp(gruppo, 0, GruppoTraMassimo);
    return Cambia();
}

bool TModelloGraphPt::CambiaDaEvento(int da)
{
    da_ = std::clamp(da, 1, std::max(1, NumEvents));
    a_ = std::max(a_, da_);
    return Cambia();
}

bool TModelloGraphPt::CambiaAEvento(int a)
{
    a_ = std::clamp(a, da_, std::max(da_, NumEvents));
    return Cambia();
}

}  // namespace morella
