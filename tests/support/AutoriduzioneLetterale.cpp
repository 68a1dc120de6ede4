#include "AutoriduzioneLetterale.h"

#include <algorithm>
#include <vector>

namespace morella::test {

namespace {

struct TNodo {
    TColonna c;
    int succ;
};

class TLetterale {
   public:
    TLetterale(TListaColonne& lista, int garanzia, bool accurata, TOsservatoreRiduzione& oss)
        : lista_(lista), n_(NumEvents), f_(garanzia == 2 ? 2 : 1), accurata_(accurata), o_(oss)
    {
        for (std::size_t i = 0; i < lista.size(); ++i)
            nodi_.push_back({lista[i], i + 1 < lista.size() ? static_cast<int>(i) + 1 : -1});
        testa_ = nodi_.empty() ? -1 : 0;
        totale_ = lista.Conta();
    }

    TEsitoRiduzione Esegui(bool calcoloPercentuali, T_ListaTipiDiVincite* possibilita,
                           const TPronostico& pronostico)
    {
        TEsitoRiduzione esito;
        esito.totale = totale_;
        o_.AggiornaRid(totale_, 0, true, 0);
        if (testa_ >= 0) {
            PrimaFase();
            if (!accurata_) RimuoviSoloCoperti();
            SecondaFase();
        }
        esito.tenute = tenute_;
        esito.coperte = coperte_;
        if (annullato_) {
            esito.annullata = true;
            lista_.Svuota();
            return esito;
        }
        esito.fattore = tenute_ > 0 ? static_cast<double>(coperte_) / tenute_ : 0.0;
        o_.AggiornaRid(coperte_, tenute_, true, coperte_);
        if (calcoloPercentuali && possibilita) {
            o_.Stato(TestoCalcoloPossibilita);
            o_.Percentuale(0);
            esito.possibilitaCalcolate = Possibilita(*possibilita, pronostico);
            esito.possibilitaAnnullate = !esito.possibilitaCalcolate;
        }
        // Clean-up: only selected nodes remain, their bytes back to the signs alone.
        std::vector<TColonna> tenute;
        for (int x = testa_; x >= 0; x = nodi_[U(x)].succ) {
            TColonna& c = nodi_[U(x)].c;
            if (!(c[0] & 128)) continue;
            c[0] &= 7;
            c[U(n_ - 1)] &= 7;
            c[U(n_ - 2)] &= 7;
            tenute.push_back(c);
        }
        lista_.Colonne() = std::move(tenute);
        return esito;
    }

   private:
    static std::size_t U(int i) { return static_cast<std::size_t>(i); }
    int Marchi(int x) const { return nodi_[U(x)].c[0] & 192; }
    int Conteggio(int x) const
    {
        const TColonna& c = nodi_[U(x)].c;
        return ((c[U(n_ - 1)] >> 4) << 4) | (c[U(n_ - 2)] >> 4);
    }
    void ImpostaConteggio(int x, int v)
    {
        TColonna& c = nodi_[U(x)].c;
        c[U(n_ - 1)] = static_cast<TSegni>((c[U(n_ - 1)] & 0x0F) | ((v >> 4) << 4));
        c[U(n_ - 2)] = static_cast<TSegni>((c[U(n_ - 2)] & 0x0F) | ((v & 0x0F) << 4));
    }
    int Distanza(int a, int b) const { return DistanzaColonne(nodi_[U(a)].c, nodi_[U(b)].c); }
    bool InPortata(int a, int b) const
    {
        const int d = Distanza(a, b);
        return d >= 1 && d <= f_;
    }
    void Segna(int x, int segni)
    {
        nodi_[U(x)].c[0] = static_cast<TSegni>(nodi_[U(x)].c[0] | segni);
        if (segni & 128) ++tenute_;
        if (segni & 64) {
            ++coperte_;
            o_.AggiornaRid(totale_, tenute_, false, coperte_);
        }
    }
    void CopriIntorno(int a)
    {
        for (int x = testa_; x >= 0; x = nodi_[U(x)].succ)
            if (Marchi(x) == 0 && InPortata(a, x)) Segna(x, 64);
    }

    void PrimaFase()
    {
        const int a = testa_;
        Segna(a, 192);
        CopriIntorno(a);
        b0_ = coperte_ - 1;
        int ultima = a;
        for (int c = nodi_[U(a)].succ; c >= 0; c = nodi_[U(c)].succ) {
            if (o_.Annullato()) {
                annullato_ = true;
                break;
            }
            if (Distanza(c, ultima) <= 2 * f_) continue;
            bool lontano = true;
            for (int s = testa_; s >= 0 && lontano; s = nodi_[U(s)].succ)
                if ((Marchi(s) & 128) && Distanza(c, s) <= 2 * f_) lontano = false;
            if (!lontano) continue;
            Segna(c, 192);
            CopriIntorno(c);
            ultima = c;
        }
    }

    void RimuoviSoloCoperti()
    {
        int prec = -1;
        for (int x = testa_; x >= 0;) {
            const int succ = nodi_[U(x)].succ;
            if (Marchi(x) == 64) {
                if (prec < 0)
                    testa_ = succ;
                else
                    nodi_[U(prec)].succ = succ;
            } else {
                prec = x;
            }
            x = succ;
        }
    }

    void SecondaFase()
    {
        int tf = b0_, tc = b0_;
        primo_ = true;
        while (coperte_ < totale_ && !annullato_) {
            int massimo = 0;
            Passata(0, tf, massimo);
            tf = massimo;
            if (!accurata_) RimuoviSoloCoperti();
            if (tc > 1 && !annullato_) {
                massimo = 0;
                Passata(64, tc, massimo);
                tc = massimo;
            }
            primo_ = false;
        }
    }

    void Passata(int tipo, int soglia, int& massimo)
    {
        int p = testa_;
        int passo = 0;
        while (p >= 0 && coperte_ < totale_) {
            while (p >= 0 && Marchi(p) != tipo) p = nodi_[U(p)].succ;
            if (++passo % 50 == 0 && o_.Annullato()) {
                annullato_ = true;
                return;
            }
            if (p < 0) return;
            const int d = Conteggio(p);
            if (d > massimo) massimo = d;
            if ((primo_ || d >= soglia) && Scansiona(p, soglia, massimo)) {
                for (int r : ricordate_) Segna(r, 64);
                Segna(p, tipo == 0 ? 192 : 128);
            }
            p = nodi_[U(p)].succ;
        }
    }

    bool Scansiona(int p, int soglia, int& massimo)
    {
        ricordate_.clear();
        int trovate = 0;
        for (int x = testa_; x >= 0 && trovate < soglia; x = nodi_[U(x)].succ)
            if (Marchi(x) == 0 && InPortata(p, x)) {
                ricordate_.push_back(x);
                ++trovate;
            }
        ImpostaConteggio(p, std::min(trovate, 255));
        if (trovate < soglia) {
            if (trovate > massimo) massimo = trovate;
            return false;
        }
        return true;
    }

    void Conta(const TColonna& colonna, TElencoTipiDiVincita& elenco)
    {
        int c0 = 0, c1 = 0, c2 = 0;
        for (int s = testa_; s >= 0; s = nodi_[U(s)].succ) {
            if (!(Marchi(s) & 128)) continue;
            const int e = ErroriColonna(colonna, nodi_[U(s)].c);
            if (e == 0)
                ++c0;
            else if (e == 1)
                ++c1;
            else if (e == 2 && NumEvents == 12)
                ++c2;
        }
        if (c0 + c1 + c2 > 0) elenco.Registra(c0, c1, c2);
    }

    bool Possibilita(T_ListaTipiDiVincite& possibilita, const TPronostico& pronostico)
    {
        possibilita.Svuota();
        int lunghezza = 0;
        for (int x = testa_; x >= 0; x = nodi_[U(x)].succ) ++lunghezza;
        int indice = 0, mostrata = 0;
        for (int x = testa_; x >= 0; x = nodi_[U(x)].succ) {
            const TColonna colonna = nodi_[U(x)].c;
            Conta(colonna, possibilita.Lista(0));
            for (int i = 1; i <= n_; ++i) {
                if ((colonna[U(i - 1)] & 7) == 7) continue;
                TColonna copia = colonna;
                copia[U(i - 1)] = 0;
                Conta(copia, possibilita.Lista(i));
            }
            ++indice;
            if (o_.Annullato()) {
                possibilita.Svuota();
                return false;
            }
            const int percento = indice * 100 / lunghezza;
            if (percento != mostrata) o_.Percentuale(mostrata = percento);
        }
        possibilita.Concludi(lunghezza, pronostico);
        if (mostrata != 100) o_.Percentuale(100);
        return true;
    }

    TListaColonne& lista_;
    int n_;
    int f_;
    bool accurata_;
    TOsservatoreRiduzione& o_;
    std::vector<TNodo> nodi_;
    int testa_ = -1;
    int totale_ = 0;
    int coperte_ = 0;
    int tenute_ = 0;
    int b0_ = 0;
    bool annullato_ = false;
    bool primo_ = false;
    std::vector<int> ricordate_;
};

void Sviluppa(const TPronostico& p, int evento, TColonna& c, TListaColonne& lista)
{
    if (evento == NumEvents) {
        lista.Aggiungi(c);
        return;
    }
    for (TSegni s : {Segno1, SegnoX, Segno2}) {
        if (!(p[static_cast<std::size_t>(evento)] & s)) continue;
        c[static_cast<std::size_t>(evento)] = s;
        Sviluppa(p, evento + 1, c, lista);
    }
}

}  // namespace

TEsitoRiduzione AutoriduciLetterale(TListaColonne& lista, int garanzia, bool accurata,
                                    bool calcoloPercentuali, T_ListaTipiDiVincite* possibilita,
                                    const TPronostico& pronostico, TOsservatoreRiduzione* oss)
{
    TOsservatoreRiduzione muto;
    for (TColonna& c : lista)
        for (int i = 0; i < NumEvents; ++i) c[static_cast<std::size_t>(i)] &= 7;
    TLetterale r(lista, garanzia, accurata, oss ? *oss : muto);
    return r.Esegui(calcoloPercentuali, possibilita, pronostico);
}

TListaColonne SviluppaPronostico(const TPronostico& pronostico, TMascheraCorsaPiu corsaPiu)
{
    TListaColonne lista;
    TColonna c{};
    if (Gioco == GiocoTotip) c.ImpostaCorsaPiu(corsaPiu);
    Sviluppa(pronostico, 0, c, lista);
    return lista;
}

}  // namespace morella::test
