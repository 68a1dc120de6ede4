#include "AdattaFiltri.h"

#include "ColonnaFiltro.h"

namespace morella {

namespace {

// What an event of the prototype stands for. Only the signs count: the upper bits of a
// byte never make an event take part.
enum class TRuolo { Nessuno, Singola, Doppia, Tripla };

TRuolo Ruolo(TSegni b)
{
    b &= MascheraSegni;
    if (b == 0) return TRuolo::Nessuno;
    if (EUnaTripla(b)) return TRuolo::Tripla;
    return EUnaDoppia(b) ? TRuolo::Doppia : TRuolo::Singola;
}

// The next event after `dopo` (1-based, 0 = from the start) whose signs form a double or a
// triple as asked; 0 when there is none.
int Prossimo(const TPronostico& p, int dopo, TRuolo ruolo)
{
    for (int i = dopo + 1; i <= NumEvents; ++i)
        if (Ruolo(p[static_cast<std::size_t>(i - 1)]) == ruolo) return i;
    return 0;
}

void Riscrivi(TQuadro& quadro, int da, const TColonna& prototipo, const TPronostico& mascherato)
{
    for (int i = da; i < quadro.Conta(); ++i) {
        TCondizione& e = quadro.Elemento(i);
        if (e.Tipo() == TipoQuadro) {
            Riscrivi(static_cast<TQuadro&>(e), 0, prototipo, mascherato);
        } else if (e.Tipo() == TipoColonnaFiltro) {
            auto& filtro = static_cast<TColonnaFiltro&>(e);
            filtro.ColonnaFiltro = AdattaColonna(prototipo, filtro.ColonnaFiltro, mascherato);
        }
    }
}

}  // namespace

std::string MessaggioAdatta(TEsitoAdatta esito)
{
    switch (esito) {
        case TEsitoAdatta::SenzaPrototipo:
            return MessaggioSenzaPrototipo;
        case TEsitoAdatta::NonCoincidono:
            return MessaggioNonCoincidono;
        default:
            return {};
    }
}

TPronostico PronosticoMascherato(const TPronostico& pronostico, TMaschera selezionati)
{
    TPronostico p{};
    for (int i = 1; i <= NumEvents; ++i)
        if (selezionati & (TMaschera{1} << (i - 1)))
            p[static_cast<std::size_t>(i - 1)] = pronostico[static_cast<std::size_t>(i - 1)] & MascheraSegni;
    return p;
}

bool PrototipoCoincide(const TColonna& prototipo, const TPronostico& mascherato)
{
    int doppie = 0, triple = 0;
    for (int i = 0; i < NumEvents; ++i) {
        const TRuolo r = Ruolo(prototipo[static_cast<std::size_t>(i)]);
        if (r == TRuolo::Singola) return false;
        doppie += r == TRuolo::Doppia;
        triple += r == TRuolo::Tripla;
        const TRuolo p = Ruolo(mascherato[static_cast<std::size_t>(i)]);
        doppie -= p == TRuolo::Doppia;
        triple -= p == TRuolo::Tripla;
    }
    return doppie == 0 && triple == 0;
}

TColonna AdattaColonna(const TColonna& prototipo, const TColonna& filtro, const TPronostico& mascherato)
{
    TColonna r{};
    int doppia = Prossimo(mascherato, 0, TRuolo::Doppia);
    int tripla = Prossimo(mascherato, 0, TRuolo::Tripla);
    for (int i = 1; i <= NumEvents; ++i) {
        const auto k = static_cast<std::size_t>(i - 1);
        const TRuolo ruolo = Ruolo(prototipo[k]);
        if (ruolo == TRuolo::Tripla) {
            // A prototype with more triples than the prediction has nowhere to put them.
            if (tripla == 0) continue;
            r[static_cast<std::size_t>(tripla - 1)] = filtro[k] & MascheraSegni;
            tripla = Prossimo(mascherato, tripla, TRuolo::Tripla);
        } else if (ruolo != TRuolo::Nessuno) {
            if (doppia == 0) continue;
            // The double's two signs in the order "1", "X", "2": the lower bit, then the other.
            const TSegni d = mascherato[static_cast<std::size_t>(doppia - 1)] & MascheraSegni;
            const TSegni primo = static_cast<TSegni>(d & (~d + 1));
            const TSegni secondo = static_cast<TSegni>(d & ~primo);
            const TSegni scelta = filtro[k] & MascheraSegni;
            r[static_cast<std::size_t>(doppia - 1)] = scelta == 1 ? primo : scelta == 2 ? secondo : 0;
            doppia = Prossimo(mascherato, doppia, TRuolo::Doppia);
        }
    }
    return r;
}

TEsitoAdatta AdattaColonneFiltro(TQuadro& quadro, const TPronostico& mascherato)
{
    int posizione = -1;
    for (int i = 0; i < quadro.Conta(); ++i)
        if (quadro.Elemento(i).Tipo() == TipoColonnaFiltro) {
            posizione = i;
            break;
        }
    if (posizione < 0) return TEsitoAdatta::SenzaPrototipo;
    const TColonna prototipo = static_cast<const TColonnaFiltro&>(quadro.Elemento(posizione)).ColonnaFiltro;
    if (!PrototipoCoincide(prototipo, mascherato)) return TEsitoAdatta::NonCoincidono;
    Riscrivi(quadro, posizione + 1, prototipo, mascherato);
    quadro.Elimina(posizione + 1);
    return TEsitoAdatta::Fatto;
}

}  // namespace morella
