#include "Spoglio.h"

#include <algorithm>

namespace morella {

bool ColonnaVincenteCompleta(const TColonna& vincente)
{
    for (int i = 0; i < NumEvents; ++i)
        if (!EUnSingolo(vincente[i])) return false;
    return true;
}

TRisultatoSpoglio ContaPunti(const TListaColonne& lista, const TColonna& vincente)
{
    TRisultatoSpoglio r;
    AggiungiPunti(r, lista.Colonne().data(), lista.Colonne().data() + lista.size(), vincente);
    ConcludiPunti(r);
    return r;
}

void AggiungiPunti(TRisultatoSpoglio& r, const TColonna* da, const TColonna* a, const TColonna& vincente)
{
    const int e = NumEvents;
    for (const TColonna* p = da; p != a; ++p) {
        const TColonna& c = *p;
        // Fast path: a single column scores at once.
        bool singola = true;
        int errori = 0;
        for (int i = 0; i < e; ++i) {
            TSegni s = c[i] & MascheraSegni;
            if (!EUnSingolo(s)) {
                singola = false;
                break;
            }
            errori += (s & vincente[i] & MascheraSegni) == 0;
        }
        if (singola) {
            ++r.punti[static_cast<std::size_t>(e - errori)];
            continue;
        }
        // A condensed record: per event, one of its signs may be right and the others wrong;
        // the points of its columns follow from multiplying the events' choices out.
        // An empty event covers no column at all.
        std::array<std::int64_t, SlotPunti> modi{};
        modi[0] = 1;  // indexed by wrong events
        int eventi = 0;
        bool vuota = false;
        for (int i = 0; i < e; ++i) {
            TSegni s = c[i] & MascheraSegni;
            int giusti = (s & vincente[i] & MascheraSegni) ? 1 : 0;
            int sbagliati = NumeroSegni(s) - giusti;
            if (giusti + sbagliati == 0) {
                vuota = true;
                break;
            }
            for (int k = eventi + 1; k >= 0; --k)
                modi[static_cast<std::size_t>(k)] =
                    modi[static_cast<std::size_t>(k)] * giusti +
                    (k > 0 ? modi[static_cast<std::size_t>(k - 1)] * sbagliati : 0);
            ++eventi;
        }
        if (vuota) continue;
        for (int k = 0; k <= e; ++k)
            r.punti[static_cast<std::size_t>(e - k)] += modi[static_cast<std::size_t>(k)];
    }
}

void ConcludiPunti(TRisultatoSpoglio& r)
{
    const int e = NumEvents;
    r.massimo = 0;
    for (int p = 0; p <= e; ++p) r.massimo = std::max(r.massimo, r.punti[static_cast<std::size_t>(p)]);
    for (int k = 0; k < 3; ++k)
        r.categorie[static_cast<std::size_t>(k)] = e - k >= 0 ? r.punti[static_cast<std::size_t>(e - k)] : 0;
    r.scalaMassima = static_cast<double>(r.massimo) * 11.0 / 10.0;
}

std::vector<bool> PuntiAbilitati(const TRisultatoSpoglio& r)
{
    std::vector<bool> abilitati(static_cast<std::size_t>(NumEvents) + 1);
    for (int p = 0; p <= NumEvents; ++p)
        abilitati[static_cast<std::size_t>(p)] = r.punti[static_cast<std::size_t>(p)] != 0;
    return abilitati;
}

int PuntiIniziali(const TRisultatoSpoglio& r)
{
    for (int p = NumEvents; p >= 0; --p)
        if (r.punti[static_cast<std::size_t>(p)] != 0) return p;
    return 0;
}

namespace {

// Whether one of the single columns a record stands for has exactly `errori` wrong events.
// Each event adds a wrong event for sure (no right sign), maybe (right and wrong signs) or
// never (only the right sign), so the counts reachable form one unbroken range.
bool HaColonnaConErrori(const TColonna& c, const TColonna& vincente, int errori)
{
    int minimo = 0, massimo = 0;
    for (int i = 0; i < NumEvents; ++i) {
        const TSegni s = c[i] & MascheraSegni;
        if (s == 0) return false;  // an empty event covers no column
        const TSegni giusto = s & vincente[i] & MascheraSegni;
        minimo += giusto == 0;
        massimo += (s & ~giusto) != 0;
    }
    return minimo <= errori && errori <= massimo;
}

}  // namespace

std::vector<TSchedinaVin> SchedineConPunti(const TListaColonne& lista, const TColonna& vincente, int punti)
{
    const int bersaglio = NumEvents - punti;
    std::vector<TSchedinaVin> schedine;
    std::size_t restanti = lista.size();
    for (TSchedinaVin& s : CostruisciSchedine(lista)) {
        // Count the columns rather than test for an empty slot: a listed column may well
        // start with an empty event.
        std::size_t quante = std::min<std::size_t>(4, restanti);
        restanti -= quante;
        bool qualcuna = false;
        for (std::size_t k = 0; k < quante; ++k) {
            TSlotSchedina& slot = s.colonne[k];
            // A merged column is marked at every points value one of its columns scored.
            slot.segnata = HaColonnaConErrori(slot.colonna, vincente, bersaglio);
            qualcuna |= slot.segnata != 0;
        }
        if (qualcuna) schedine.push_back(s);
    }
    return schedine;
}

}  // namespace morella
