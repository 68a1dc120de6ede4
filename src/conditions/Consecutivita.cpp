#include "Consecutivita.h"

#include "EsameTraLink.h"
#include "Link.h"

namespace morella {

TConsecutivita::TConsecutivita(TElencoCondizioni* elenco)
    : TCondizioneATabelle(TipoConsecutivita, elenco,
                          {TTabellaValori(NumEvents, false), TTabellaValori(NumEvents, false)}, {NumEvents})
{
}

std::string TConsecutivita::Didascalia(int i) const
{
    return i == TabellaConteggi ? "Numero Di Segni" : i == TabellaRun ? "Consecutività" : "";
}

TMisura TConsecutivita::Misura(const TColonnaEsaminata& c) const
{
    const auto& run = tabelle_[TabellaRun];
    const TMaschera segni = c.DelSegno(Segno) & MascheraEventi(run.DaEvento, run.AEvento);
    return {ContaBit(segni), PiuLungo(segni)};
}

bool TConsecutivita::SerieAmmette(int, const TMisura& m) const
{
    return !SiApplica(m.Valore) || tabelle_[TabellaRun].AmmetteSenzaLink(m.Run, 0);
}

void TConsecutivita::ImpostaPercorso(const std::string& testo)
{
    Percorso = testo + "\\" + Nome + " Segno " + TestoSegni(Segno);
}

bool TConsecutivita::Verifica(const TColonnaEsaminata& c)
{
    // The counts table only chooses the columns the element applies to: its links, levels
    // and range play no part.
    const TMisura m = Misura(c);
    if (!SiApplica(m.Valore)) return true;
    const auto& run = tabelle_[TabellaRun];
    if (TSommeTra* somme = SommeTraAttive()) run.SommaTra(m.Run, 0, *somme);
    return run.Ammette(m.Run, 0, Link());
}

bool TConsecutivita::Scrivi(TScrittoreBinario& f) const
{
    ScriviIntestazione(f);
    f.Byte(Segno);
    ScriviTabelle(f);
    return true;
}

bool TConsecutivita::Leggi(TLettoreBinario& f)
{
    bool attivato = true;
    std::uint8_t segno = 0;
    if (!f.Booleano(attivato)) return false;
    Attivato = attivato;
    if (!f.Byte(segno)) return false;
    // Only a single sign makes sense here; anything else is taken as the default "1".
    Segno = segno == Segno1 || segno == SegnoX || segno == Segno2 ? segno : Segno1;
    return LeggiTabelle(f);
}

bool TConsecutivita::Prepara()
{
    const bool conteggi = tabelle_[TabellaConteggi].Prepara(Attivato);
    const bool run = tabelle_[TabellaRun].Prepara(Attivato);
    Attivo = conteggi && run;
    return Attivo;
}

void TConsecutivita::EsameTraLink(TEsameTraLink& esame) const
{
    // Only the runs table is ever charged to a link or added to a points-between group.
    esame.Esamina(*this, tabelle_[TabellaRun], Didascalia(TabellaRun));
}

void TConsecutivita::Stampa(TRigheStampa& stampa) const
{
    stampa.Riga(Nome + " Segno " + TestoSegni(Segno) + (Attivato ? "" : "  (Disattivato)"));
    stampa.Rientro += 2;
    for (int i = 0; i < NumeroTabelle(); ++i) Tabella(i).Stampa(Didascalia(i), stampa);
    stampa.Rientro -= 2;
}

}  // namespace morella
