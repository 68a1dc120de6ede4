#include "OperazioniFile.h"

#include <limits>
#include <optional>
#include <vector>

#include "Errore.h"
#include "FileBinario.h"
#include "FileColonne.h"

namespace morella {

namespace {

constexpr const char* MessaggioOperazioni = MessaggioOperazioniFile;
constexpr int Nessuna = -1;

// Base-3 code of a column whose every event holds one sign; -1 otherwise.
int CodiceSingola(const TColonna& c)
{
    int codice = 0;
    for (int i = 0; i < NumEvents; ++i) {
        int cifra = CifraSegno(c[i] & MascheraSegni);
        if (cifra < 0) return -1;
        codice = codice * 3 + cifra;
    }
    return codice;
}

bool HaEventoVuoto(const TColonna& c)
{
    for (int i = 0; i < NumEvents; ++i)
        if ((c[i] & MascheraSegni) == 0) return true;
    return false;
}

// The columns of each single-sign code, oldest first. A table indexed by the code when the
// columns are many enough to fill a good part of it, a small hash table otherwise.
struct TCatena {
    int testa = Nessuna;
    int coda = Nessuna;
};

class TCateneCodici {
   public:
    explicit TCateneCodici(std::size_t colonne)
    {
        std::size_t codici = 1;
        for (int i = 0; i < NumEvents; ++i) codici *= 3;
        std::size_t capacita = 16;
        while (capacita < 2 * colonne) capacita *= 2;
        diretto_ = capacita >= codici;
        if (diretto_) capacita = codici;
        maschera_ = capacita - 1;
        catene_.resize(capacita);
        if (!diretto_) codici_.assign(capacita, Nessuna);
    }

    TCatena* Cerca(int codice) { return Posto(codice, false); }
    TCatena& Di(int codice) { return *Posto(codice, true); }

   private:
    TCatena* Posto(int codice, bool crea)
    {
        if (diretto_) return &catene_[static_cast<std::size_t>(codice)];
        std::size_t h = (static_cast<std::size_t>(codice) * 0x9E3779B97F4A7C15ull >> 20) & maschera_;
        for (;; h = (h + 1) & maschera_) {
            if (codici_[h] == codice) return &catene_[h];
            if (codici_[h] != Nessuna) continue;
            if (!crea) return nullptr;
            codici_[h] = codice;
            return &catene_[h];
        }
    }

    bool diretto_ = false;
    std::size_t maschera_ = 0;
    std::vector<TCatena> catene_;
    std::vector<int> codici_;
};

// The working list of the operation. Single-sign columns are found through their code, so
// files of developed columns are combined in linear time; only condensed columns are
// compared one by one. A column with an empty event shares no sign with anything: it stays
// in the list but is never found.
class TListaDiLavoro {
   public:
    TListaDiLavoro(const TListaColonne& iniziale, std::size_t aggiunte) : catene_(iniziale.size() + aggiunte)
    {
        colonne_.reserve(iniziale.size());
        for (const TColonna& c : iniziale) Aggiungi(c);
    }

    void Aggiungi(const TColonna& c)
    {
        const int p = static_cast<int>(colonne_.size());
        colonne_.push_back(c);
        viva_.push_back(1);
        seguente_.push_back(Nessuna);
        const int codice = CodiceSingola(c);
        if (codice >= 0) {
            TCatena& catena = catene_.Di(codice);
            if (catena.coda == Nessuna)
                catena.testa = p;
            else
                seguente_[catena.coda] = p;
            catena.coda = p;
            ++singoleVive_;
        } else if (!HaEventoVuoto(c)) {
            condensate_.push_back(p);
        }
    }

    void Rimuovi(int p)
    {
        viva_[p] = 0;
        if (CodiceSingola(colonne_[p]) >= 0)
            --singoleVive_;
        else if (!HaEventoVuoto(colonne_[p]) && ++condensateMorte_ > condensate_.size() / 2)
            RipulisciCondensate();
    }

    // The first live column sharing a sign with c in every event, or Nessuna.
    int PrimaPresente(const TColonna& c)
    {
        if (HaEventoVuoto(c)) return Nessuna;
        int migliore = std::numeric_limits<int>::max();
        for (int p : condensate_)
            if (viva_[p] && ErroriColonna(colonne_[p], c) == 0) {
                migliore = p;
                break;
            }
        const int codice = CodiceSingola(c);
        if (codice >= 0) {
            int p = PrimaDelCodice(codice);
            if (p != Nessuna && p < migliore) migliore = p;
        } else if (singoleVive_ > 0) {
            int p = PrimaSingolaCoperta(c, migliore);
            if (p != Nessuna && p < migliore) migliore = p;
        }
        return migliore == std::numeric_limits<int>::max() ? Nessuna : migliore;
    }

    TListaColonne Risultato() const
    {
        TListaColonne r;
        r.Riserva(colonne_.size());
        for (std::size_t p = 0; p < colonne_.size(); ++p)
            if (viva_[p]) r.Aggiungi(colonne_[p]);
        return r;
    }

   private:
    int PrimaDelCodice(int codice)
    {
        TCatena* catena = catene_.Cerca(codice);
        if (!catena) return Nessuna;
        // Removed columns are dropped from the front of their chain when next met.
        int& p = catena->testa;
        while (p != Nessuna && !viva_[p]) p = seguente_[p];
        if (p == Nessuna) catena->coda = Nessuna;
        return p;
    }

    // The first live single column that c covers, looking no further than `entro`: through
    // the codes c covers when they are fewer than the single columns, otherwise in list order.
    int PrimaSingolaCoperta(const TColonna& c, int entro)
    {
        std::size_t coperte = 1;
        for (int i = 0; i < NumEvents; ++i)
            coperte *= static_cast<std::size_t>(NumeroSegni(c[i] & MascheraSegni));
        if (coperte > static_cast<std::size_t>(singoleVive_)) {
            for (int p = 0; p < static_cast<int>(colonne_.size()) && p < entro; ++p)
                if (viva_[p] && CodiceSingola(colonne_[p]) >= 0 && ErroriColonna(colonne_[p], c) == 0)
                    return p;
            return Nessuna;
        }
        int cifre[MaxEventi][3];
        int quante[MaxEventi];
        for (int i = 0; i < NumEvents; ++i) {
            quante[i] = 0;
            for (int cifra = 0; cifra < 3; ++cifra)
                if (c[i] & SegnoDaCifra(cifra)) cifre[i][quante[i]++] = cifra;
        }
        int ruota[MaxEventi] = {};
        int migliore = Nessuna;
        for (;;) {
            int codice = 0;
            for (int i = 0; i < NumEvents; ++i) codice = codice * 3 + cifre[i][ruota[i]];
            int p = PrimaDelCodice(codice);
            if (p != Nessuna && (migliore == Nessuna || p < migliore)) migliore = p;
            int i = NumEvents - 1;
            while (i >= 0 && ++ruota[i] == quante[i]) ruota[i--] = 0;
            if (i < 0) break;
        }
        return migliore;
    }

    void RipulisciCondensate()
    {
        std::vector<int> vive;
        for (int p : condensate_)
            if (viva_[p]) vive.push_back(p);
        condensate_.swap(vive);
        condensateMorte_ = 0;
    }

    std::vector<TColonna> colonne_;
    std::vector<std::uint8_t> viva_;
    std::vector<int> seguente_;  // next column with the same code
    TCateneCodici catene_;
    int singoleVive_ = 0;
    std::vector<int> condensate_;  // ascending positions
    std::size_t condensateMorte_ = 0;
};

// Whole file into the list; false when it ends in a partial record.
bool LeggiSorgente(const std::string& file, TListaColonne& lista)
{
    std::optional<TLettoreBinario> lettore = TLettoreBinario::Apri(file, DimensioneMassimaFileColonne);
    if (!lettore) throw EErrore(MessaggioOperazioni);
    return LeggiColonne(lista, *lettore, false);
}

}  // namespace

std::optional<TListaColonne> OperaColonne(TOperazioneFile op, const TListaColonne& sorgente1,
                                          const TListaColonne& sorgente2, const TProseguiOperazione& prosegui)
{
    // Often enough for the progress window to turn its event loop, rarely enough to cost nothing.
    constexpr std::size_t Passo = 4096;
    const std::size_t totale = sorgente2.size();
    auto avanti = [&](std::size_t fatte) {
        return !prosegui || fatte % Passo != 0 || prosegui(fatte, totale);
    };
    TListaDiLavoro lista(sorgente1, op == TOperazioneFile::And ? 0 : sorgente2.size());
    if (op == TOperazioneFile::And) {
        TListaColonne r;
        for (std::size_t i = 0; i < totale; ++i) {
            if (!avanti(i)) return std::nullopt;
            if (lista.PrimaPresente(sorgente2[i]) != Nessuna) r.Aggiungi(sorgente2[i]);
        }
        if (prosegui && !prosegui(totale, totale)) return std::nullopt;
        return r;
    }
    for (std::size_t i = 0; i < totale; ++i) {
        if (!avanti(i)) return std::nullopt;
        const TColonna& c = sorgente2[i];
        int p = lista.PrimaPresente(c);
        if (p == Nessuna)
            lista.Aggiungi(c);
        else if (op == TOperazioneFile::Xor)
            lista.Rimuovi(p);
    }
    if (prosegui && !prosegui(totale, totale)) return std::nullopt;
    return lista.Risultato();
}

TListaColonne OperaColonne(TOperazioneFile op, const TListaColonne& sorgente1, const TListaColonne& sorgente2)
{
    return *OperaColonne(op, sorgente1, sorgente2, TProseguiOperazione{});
}

TEsitoOperazione OperazioneSuFile(TOperazioneFile op, const std::string& sorgente1,
                                  const std::string& sorgente2, const std::string& destinazione,
                                  const TProseguiOperazione& prosegui)
{
    TListaColonne a, b;
    if (!LeggiSorgente(sorgente1, a)) return TEsitoOperazione::SorgenteDanneggiata;
    if (!LeggiSorgente(sorgente2, b)) return TEsitoOperazione::SorgenteDanneggiata;
    std::optional<TListaColonne> risultato = OperaColonne(op, a, b, prosegui);
    if (!risultato) return TEsitoOperazione::Annullata;
    if (!SalvaColonne(*risultato, destinazione)) throw EErrore(MessaggioOperazioni);
    return TEsitoOperazione::Scritta;
}

bool OperazioneSuFile(TOperazioneFile op, const std::string& sorgente1, const std::string& sorgente2,
                      const std::string& destinazione)
{
    return OperazioneSuFile(op, sorgente1, sorgente2, destinazione, TProseguiOperazione{}) ==
           TEsitoOperazione::Scritta;
}

}  // namespace morella
