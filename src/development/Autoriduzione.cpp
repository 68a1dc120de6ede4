// The run of the autoreduction: first phase (packing columns far apart), second phase
// (covering with a falling threshold), winning possibilities, clean-up. Which columns lie in
// reach of which is left to a geometry (AutoriduzioneMotore.h); everything that decides the
// result lives here once, so the fast and the plain engine cannot drift apart.
#include "Autoriduzione.h"

#include <algorithm>

#include "AutoriduzioneMotore.h"

namespace morella {

namespace {

using namespace riduzione;

constexpr int PassiTraControlli = 50;  // candidates between two looks at "Annulla"
constexpr int ConteggioMassimo = 255;  // a stored count fits in one byte

class TRiduzione {
   public:
    TRiduzione(TListaColonne& lista, int garanzia, bool accurata, TOsservatoreRiduzione& oss, bool rapido)
        : lista_(lista),
          accurata_(accurata),
          oss_(oss),
          totale_(lista.Conta()),
          marchi_(lista.size(), Libera),
          conteggio_(lista.size(), 0)
    {
        geo_ = rapido ? CreaGeometriaRapida(lista, garanzia, marchi_)
                      : CreaGeometriaSemplice(lista, garanzia, marchi_);
    }

    void Riduci()
    {
        if (totale_ == 0) return;
        PrimaFase();
        if (!accurata_) RimuoviSoloCoperte();
        SecondaFase();
    }

    bool Annullata() const { return annullata_; }
    int Totale() const { return totale_; }
    int Tenute() const { return tenute_; }
    int Coperte() const { return coperte_; }

    // Returns false when cancelled (the store is then left empty).
    bool CalcolaPossibilita(T_ListaTipiDiVincite& possibilita, const TPronostico& pronostico)
    {
        return riduzione::CalcolaPossibilita(*geo_, marchi_, possibilita, pronostico, oss_);
    }

    // The selected columns in their list order; the marks never left this object.
    void TieniSelezionate()
    {
        std::vector<TColonna> tenute;
        tenute.reserve(static_cast<std::size_t>(tenute_));
        for (std::size_t p = 0; p < lista_.size(); ++p)
            if (marchi_[p] & Selezionata) tenute.push_back(lista_[p]);
        lista_.Colonne() = std::move(tenute);
    }

   private:
    void Segna(int p, std::uint8_t segni)
    {
        std::uint8_t& m = marchi_[static_cast<std::size_t>(p)];
        const bool eraLibera = m == Libera;
        m |= segni;
        if (segni & Selezionata) {
            ++tenute_;
            geo_->HaSelezionato(p, primaFase_);
        }
        if (segni & SoloCoperta) {
            ++coperte_;
            if (eraLibera) geo_->HaCoperto(p);
            oss_.AggiornaRid(totale_, tenute_, false, coperte_);
        }
    }

    void SelezionaECopri(int p)
    {
        Segna(p, SelezionataECoperta);
        geo_->RaccogliLibere(p, ricordate_);
        for (int q : ricordate_) Segna(q, SoloCoperta);
    }

    // Packing: the head, then every column farther than 2f from all columns chosen so far.
    void PrimaFase()
    {
        primaFase_ = true;
        SelezionaECopri(0);
        b0_ = coperte_ - 1;
        for (int c = 1; c < totale_; ++c) {
            if (oss_.Annullato()) {
                annullata_ = true;
                break;
            }
            if (geo_->Distante(c)) SelezionaECopri(c);
        }
        primaFase_ = false;
    }

    void SecondaFase()
    {
        int sogliaLibere = b0_, sogliaCoperte = b0_;
        primoPasso_ = true;
        while (coperte_ < totale_ && !annullata_) {
            int massimo = 0;
            Passata(Libera, sogliaLibere, massimo);
            sogliaLibere = massimo;
            if (!accurata_) RimuoviSoloCoperte();
            if (sogliaCoperte > 1 && !annullata_) {
                massimo = 0;
                Passata(SoloCoperta, sogliaCoperte, massimo);
                sogliaCoperte = massimo;
            }
            primoPasso_ = false;
        }
    }

    // One pass over the candidates of one kind (free, or covered only) in list order.
    void Passata(std::uint8_t tipo, int soglia, int& massimo)
    {
        // The walk ends when the cursor falls off the last column still in the list.
        int ultima = totale_ - 1;
        while (ultima >= 0 && marchi_[static_cast<std::size_t>(ultima)] == Rimossa) --ultima;
        const std::uint8_t* marchi = marchi_.data();
        int p = 0;
        int passo = 0;
        while (coperte_ < totale_) {
            if (!primoPasso_ && !Scorri(tipo, soglia, ultima, p, passo, massimo)) return;
            // Removed columns carry a mark of their own and so never match a kind.
            while (p <= ultima && marchi[p] != tipo) ++p;
            if (++passo % PassiTraControlli == 0 && oss_.Annullato()) {
                annullata_ = true;
                return;
            }
            if (p > ultima) return;
            std::uint8_t& conteggio = conteggio_[static_cast<std::size_t>(p)];
            massimo = std::max<int>(massimo, conteggio);
            if (primoPasso_ || conteggio >= soglia) {
                const int trovate = geo_->Scansiona(p, soglia, ricordate_);
                conteggio = static_cast<std::uint8_t>(std::min(trovate, ConteggioMassimo));
                if (trovate < soglia) {
                    massimo = std::max(massimo, trovate);
                } else {
                    for (int q : ricordate_) Segna(q, SoloCoperta);
                    Segna(p, tipo == Libera ? SelezionataECoperta : Selezionata);
                }
            }
            if (p == ultima) return;
            ++p;
        }
    }

    // Past the first pass most candidates only raise the maximum and count as a step, which
    // changes nothing else; whole blocks of such columns are taken at once. A block with a
    // candidate to scan, and the last column of the list, are left to the step-by-step walk.
    // Returns false when cancelled.
    bool Scorri(std::uint8_t tipo, int soglia, int ultima, int& p, int& passo, int& massimo)
    {
        constexpr int Blocco = 64;
        const std::uint8_t* marchi = marchi_.data();
        const std::uint8_t* conteggi = conteggio_.data();
        while (p + Blocco <= ultima) {
            // Branch-free so that it runs on whole vectors: the count of candidates and the
            // highest stored count among them.
            std::uint8_t candidate = 0, piuAlto = 0;
            for (int i = p; i < p + Blocco; ++i) {
                const std::uint8_t maschera = static_cast<std::uint8_t>(-static_cast<int>(marchi[i] == tipo));
                candidate = static_cast<std::uint8_t>(candidate + (maschera & 1));
                piuAlto = std::max(piuAlto, static_cast<std::uint8_t>(conteggi[i] & maschera));
            }
            // A candidate is scanned when its count reaches the threshold (every one at 0).
            const bool daScansionare = soglia <= 0 ? candidate > 0 : piuAlto >= soglia;
            if (daScansionare) return true;
            // The looks at "Annulla" those steps would have made.
            for (int k = (passo + candidate) / PassiTraControlli - passo / PassiTraControlli; k > 0; --k)
                if (oss_.Annullato()) {
                    annullata_ = true;
                    return false;
                }
            passo += candidate;
            massimo = std::max<int>(massimo, piuAlto);
            p += Blocco;
        }
        return true;
    }

    // The "Veloce" variant forgets covered-only columns for good.
    void RimuoviSoloCoperte()
    {
        for (std::size_t p = 0; p < marchi_.size(); ++p)
            if (marchi_[p] == SoloCoperta) marchi_[p] = Rimossa;
    }

    TListaColonne& lista_;
    bool accurata_;
    TOsservatoreRiduzione& oss_;
    std::unique_ptr<TGeometria> geo_;
    int totale_;
    int coperte_ = 0;
    int tenute_ = 0;
    int b0_ = 0;
    bool annullata_ = false;
    bool primaFase_ = false;
    bool primoPasso_ = false;
    std::vector<std::uint8_t> marchi_;
    std::vector<std::uint8_t> conteggio_;
    std::vector<int> ricordate_;
};

}  // namespace

bool riduzione::CalcolaPossibilita(TGeometria& geo, const std::vector<std::uint8_t>& marchi,
                                   T_ListaTipiDiVincite& possibilita, const TPronostico& pronostico,
                                   TOsservatoreRiduzione& oss)
{
    possibilita.Svuota();
    int lunghezza = 0;
    for (std::uint8_t m : marchi) lunghezza += m != Rimossa;
    const int n = NumEvents;
    const int totale = static_cast<int>(marchi.size());
    TContiVincita conti;
    int esaminate = 0, mostrata = 0;
    for (int p = 0; p < totale; ++p) {
        if (marchi[static_cast<std::size_t>(p)] == Rimossa) continue;
        geo.ContaVincite(p, conti);
        for (int i = 0; i <= n; ++i) {
            const int* c = conti.c[i];
            if (conti.valida[i] && c[0] + c[1] + c[2] > 0) possibilita.Lista(i).Registra(c[0], c[1], c[2]);
        }
        ++esaminate;
        if (oss.Annullato()) {
            possibilita.Svuota();
            return false;
        }
        const int percento = static_cast<int>(static_cast<std::int64_t>(esaminate) * 100 / lunghezza);
        if (percento != mostrata) oss.Percentuale(mostrata = percento);
    }
    possibilita.Concludi(lunghezza, pronostico);
    if (mostrata != 100) oss.Percentuale(100);
    return true;
}

bool RiduzioneLenta(const TListaColonne& lista)
{
    return !riduzione::AdattaAlMotoreRapido(lista);
}

TEsitoRiduzione Autoriduci(TListaColonne& lista, int garanzia, bool accurata, bool calcoloPercentuali,
                           T_ListaTipiDiVincite* possibilita, const TPronostico& pronostico,
                           TOsservatoreRiduzione* oss, TMotoreRiduzione motore)
{
    TOsservatoreRiduzione muto;
    TOsservatoreRiduzione& o = oss ? *oss : muto;
    const int f = garanzia == 2 ? 2 : 1;

    // A record handed to us never carries bits above the signs; a damaged source might, and
    // they must not pass for signs (or for marks) here.
    for (TColonna& c : lista)
        for (int i = 0; i < NumEvents; ++i) c[static_cast<std::size_t>(i)] &= MascheraSegni;

    TEsitoRiduzione esito;
    esito.totale = lista.Conta();
    esito.motoreRapido = motore == TMotoreRiduzione::Automatico && riduzione::AdattaAlMotoreRapido(lista);
    o.AggiornaRid(esito.totale, 0, true, 0);

    TRiduzione r(lista, f, accurata, o, esito.motoreRapido);
    r.Riduci();
    esito.tenute = r.Tenute();
    esito.coperte = r.Coperte();
    if (r.Annullata()) {
        esito.annullata = true;
        lista.Svuota();
        return esito;
    }
    esito.fattore = esito.tenute > 0 ? static_cast<double>(esito.coperte) / esito.tenute : 0.0;
    o.AggiornaRid(esito.coperte, esito.tenute, true, esito.coperte);

    if (calcoloPercentuali && possibilita) {
        o.Stato(TestoCalcoloPossibilita);
        o.Percentuale(0);
        esito.possibilitaCalcolate = r.CalcolaPossibilita(*possibilita, pronostico);
        esito.possibilitaAnnullate = !esito.possibilitaCalcolate;
    }
    r.TieniSelezionate();
    return esito;
}

}  // namespace morella
