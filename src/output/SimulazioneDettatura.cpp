#include "SimulazioneDettatura.h"

#include <utility>

namespace morella {

namespace {

class TTemporizzatoreAMano : public TTemporizzatore {
   public:
    void Avvia(int) override {}
    void Ferma() override {}
    void ImpostaPeriodo(int) override {}
    void Fai() { Scatta(); }
};

// Takes note of every stretch played, with the cell the dictation had just marked.
class TLettoreTaccuino : public TLettoreAudio {
   public:
    explicit TLettoreTaccuino(const std::function<void(const TParolaDetta&)>& ricevi) : ricevi_(ricevi) {}
    void Collega(const TDettatura& dettatura) { dettatura_ = &dettatura; }

    bool Apri(const std::string&) override { return true; }
    void Chiudi() override {}
    void Ferma() override {}
    void Suona(int daMs, int aMs) override
    {
        TParolaDetta p;
        p.tratto = {daMs, aMs};
        p.schedina = dettatura_->NumeroVista();
        p.cella = dettatura_->CellaDetta().value_or(TCellaDetta{});
        const TColonna c = dettatura_->ColonneVista()[static_cast<std::size_t>(p.cella.colonna - 1)];
        p.parola = TestoSegni(c[static_cast<std::size_t>(p.cella.evento - 1)] & MascheraSegni);
        ricevi_(p);
    }

   private:
    const std::function<void(const TParolaDetta&)>& ricevi_;
    const TDettatura* dettatura_ = nullptr;
};

}  // namespace

std::vector<TParolaDetta> SimulaDettatura(const std::vector<TSchedinaVin>& schedine, int da, int a,
                                          TOrdineDettatura ordine)
{
    std::vector<TParolaDetta> parole;
    SimulaDettatura(schedine, da, a, ordine, [&parole](const TParolaDetta& p) { parole.push_back(p); });
    return parole;
}

void SimulaDettatura(const std::vector<TSchedinaVin>& schedine, int da, int a, TOrdineDettatura ordine,
                     const std::function<void(const TParolaDetta&)>& ricevi)
{
    TTemporizzatoreAMano timer;
    TLettoreTaccuino lettore(ricevi);
    TDettatura dettatura(lettore, timer);
    lettore.Collega(dettatura);
    dettatura.Prepara(schedine, std::string{});
    if (schedine.empty()) return;
    dettatura.ImpostaOrdine(ordine);
    dettatura.ImpostaAllaSchedina(a);
    dettatura.ImpostaDallaSchedina(da);
    dettatura.Avvia();
    // Every tick moves one cell on, so the run ends; the bound only guards against a fault.
    const std::size_t limite = schedine.size() * 4 * MaxEventi + 1;
    for (std::size_t scatti = 0; dettatura.Stato() != TStatoDettatura::Inattiva && scatti < limite;) {
        if (dettatura.Stato() == TStatoDettatura::InPausa) {
            dettatura.Avvia();
            continue;
        }
        timer.Fai();
        ++scatti;
    }
}

}  // namespace morella
