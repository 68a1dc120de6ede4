#include "CorniceEditore.h"

#include "Condizione.h"

namespace morella {

int EsitoEditore(bool confermato, bool cambiato)
{
    if (!confermato) return EsitoAnnullato;
    return cambiato ? EsitoCambiato : EsitoConfermato;
}

bool SistemaDaSegnare(int esito)
{
    return esito == EsitoCambiato;
}

bool ArchivioAbilitato(int concorsi, bool finestraPresente)
{
    return finestraPresente && concorsi > 1;
}

bool AnalisiAbilitata(bool finestraPresente, int colonne, bool pronosticoCompleto)
{
    return finestraPresente && colonne > 0 && pronosticoCompleto;
}

void SoloScelte(TTabellaValori& t)
{
    for (TSottoTabella& s : t.Sotto) {
        s.InUso = false;
        for (std::size_t v = 0; v < s.Valori.size(); ++v) {
            TCoppiaValore& c = s.Valori[v];
            if (static_cast<int>(v) > t.Massimo())
                c = {};
            else if (c.Stato != StatoInRecupero)
                c.Livello = 0;
            else if (c.Livello == 0)
                c.Livello = 1;
        }
    }
    t.Attivo = false;
}

bool StessiValori(const TTabellaValori& a, const TTabellaValori& b)
{
    if (a.Massimo() != b.Massimo() || a.DaEvento != b.DaEvento || a.AEvento != b.AEvento) return false;
    TTabellaValori x = a;
    TTabellaValori y = b;
    SoloScelte(x);
    SoloScelte(y);
    return x.Sotto == y.Sotto;
}

bool RiportaTabella(bool modificato, const TTabellaValori& letta, TTabellaValori& tabella)
{
    if (!modificato) return false;
    const bool cambiata = !StessiValori(letta, tabella);
    tabella = letta;
    for (auto& s : tabella.Sotto) s.InUso = false;
    tabella.Attivo = false;
    return cambiata;
}

bool RiportaAttivato(TCondizione& c, bool attivato)
{
    if (c.Attivato == attivato) return false;
    c.Attivato = attivato;
    return true;
}

TTabellaValori TabellaAzzerata(const TTabellaValori& t)
{
    TTabellaValori r = t;
    r.Azzera();
    return r;
}

std::array<bool, 3> CaselleSegni(const TTabellaValori& t)
{
    std::array<bool, 3> r{};
    for (int v = 0; v < 3; ++v) r[static_cast<std::size_t>(v)] = t.Stato(0, v) != StatoEscluso;
    return r;
}

bool SegniDaCaselle(const std::array<bool, 3>& caselle, TTabellaValori& t)
{
    bool cambiata = false;
    for (int v = 0; v < 3 && v <= t.Massimo(); ++v) {
        TCoppiaValore& c = t.Sotto[0].Valori[static_cast<std::size_t>(v)];
        const bool spuntata = caselle[static_cast<std::size_t>(v)];
        if (spuntata && c.Stato == StatoEscluso) {
            c.Stato = StatoAmmesso;
            cambiata = true;
        } else if (!spuntata && c.Stato != StatoEscluso) {
            c.Stato = StatoEscluso;
            cambiata = true;
        }
    }
    return cambiata;
}

}  // namespace morella
