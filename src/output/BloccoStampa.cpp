#include "BloccoStampa.h"

#include "Condizione.h"
#include "Link.h"
#include "RigheStampa.h"

namespace morella {

namespace {
constexpr double MargineAlto = 5;
constexpr double Rientro = 5;
constexpr double SpazioSotto = 5;
}  // namespace

void StampaBloccoRighe(TmmPrinter& p, double& y, double x, const std::string& titolo,
                       const std::vector<std::string>& righe)
{
    const double altezzaTitolo = p.AltezzaTesto(titolo);
    const double riga = p.AltezzaTesto("XXXXXX");
    const double pagina = p.AltezzaPagina();
    // Lines stay clear of the page number at the foot.
    const double limite = pagina - p.AltezzaTesto(TestoPiedePagina) - 3;
    const double altezza = altezzaTitolo + 5 + riga * static_cast<double>(righe.size());
    const bool staInUnaPagina = MargineAlto + altezza + SpazioSotto <= pagina;
    if (pagina < y + altezza + SpazioSotto &&
        (staInUnaPagina || limite < y + altezzaTitolo + 5 + riga)) {
        p.NuovaPagina();
        y = MargineAlto;
    }
    double alto = y;
    p.ScriviCentrato(titolo, y);
    y += altezzaTitolo + 5;
    const double destra = p.LarghezzaPagina() - x;
    for (const std::string& testo : righe) {
        if (limite < y + riga) {
            p.Rettangolo(x, alto, destra, y);
            p.NuovaPagina();
            y = alto = MargineAlto;
        }
        p.Scrivi(testo, x + Rientro, y);
        y += riga;
    }
    p.Rettangolo(x, alto, destra, y);
    y += SpazioSotto;
}

void TCondizione::StampaBlocco(double& y, TmmPrinter& stampante, double x) const
{
    TRigheStampa descrizione;
    Stampa(descrizione);
    // The first line is the condition's name: it is the block's title.
    std::vector<std::string> righe;
    std::string titolo = Nome;
    if (!descrizione.Righe.empty()) {
        titolo = descrizione.Righe.front();
        righe.assign(descrizione.Righe.begin() + 1, descrizione.Righe.end());
    }
    StampaBloccoRighe(stampante, y, x, titolo, righe);
}

void TElencoLink::StampaBlocco(double& y, TmmPrinter& stampante, double x) const
{
    TRigheStampa descrizione;
    Stampa(descrizione);
    StampaBloccoRighe(stampante, y, x, "Link", descrizione.Righe);
}

}  // namespace morella
