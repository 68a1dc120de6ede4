// The statistics area's registration: F9 "Analisi Statistica", the condition editors'
// "Archivio" and "Analisi", the coupon editor's "Archivio" and "Analisi".
#include "RegistrazioneStatistiche.h"

#include <QApplication>
#include <QCursor>
#include <QPointer>
#include <QTabWidget>

#include "Analisi.h"
#include "Archivio.h"
#include "EditoriCondizioni.h"
#include "ElencoCondizioni.h"
#include "Errore.h"
#include "FormAnalisi.h"
#include "FormArchivio.h"
#include "FormCondizione.h"
#include "FormGruppo.h"
#include "FormInfoStat.h"
#include "FormSegni.h"
#include "ImpostazioniRicerca.h"
#include "PuntiTra.h"
#include "RegistroFinestre.h"
#include "ServiziUi.h"
#include "Sistema.h"

namespace morella::ui {

namespace {

QPointer<TFormInfoStat> finestraInfoStat;

// The busy cursor while a short scan runs without a window of its own.
struct TCursoreOccupato {
    TCursoreOccupato() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~TCursoreOccupato() { QApplication::restoreOverrideCursor(); }
    TCursoreOccupato(const TCursoreOccupato&) = delete;
    TCursoreOccupato& operator=(const TCursoreOccupato&) = delete;
};

// What an analysis of `c` reads: its system's data, and the search settings of the open
// system when the condition is one of its own (else the whole archive).
struct TFonteAnalisi {
    const TDatiSistema* Dati = nullptr;
    T_ImpostazioniRicerca Ricerca;
};

std::optional<TFonteAnalisi> Fonte(const TCondizione& c)
{
    const TElencoCondizioni* elenco = c.Elenco();
    if (!elenco || !elenco->Dati) return std::nullopt;
    TFonteAnalisi f;
    f.Dati = elenco->Dati;
    const TSistema* aperto = RegistroFinestre().sistemaAperto;
    if (aperto && &aperto->Dati() == f.Dati)
        f.Ricerca = aperto->Ricerca;
    else if (f.Dati->Archivio)
        f.Ricerca.TuttoLArchivio(*f.Dati->Archivio);
    return f;
}

// What an editor's "Archivio" / "Analisi" analyses: its condition, or for a group of
// elements the element on the page.
const TCondizione* Analizzata(const TCondizione& c, QWidget* padre)
{
    if (Analizzabile(c.Tipo())) return &c;
    if (auto* gruppo = qobject_cast<TFormGruppo*>(padre))
        if (const TCondizione* e = gruppo->ElementoMostrato(); e && Analizzabile(e->Tipo())) return e;
    return nullptr;
}

// The vortex walk on show in its editor, the points-between group the condition analyses.
T_SceltaAnalisi Scelta(const TCondizione& c, QWidget* padre)
{
    T_SceltaAnalisi s;
    if (auto* vortice = qobject_cast<TFormVortice*>(padre))
        s.VorticeInverso = vortice->Pagine()->currentIndex() == 1;
    if (c.Tipo() == TipoPuntiTra) s.GruppoTra = static_cast<const TPuntiTra&>(c).GruppoAnalizzato();
    return s;
}

// The condition as its editor shows it now, unsaved changes included.
std::unique_ptr<TCondizione> ComeNellEditore(QWidget* padre)
{
    auto* editore = qobject_cast<TFormCondizione*>(padre);
    return editore ? editore->CopiaDalForm() : nullptr;
}

void ApriArchivioCondizione(TCondizione& c, QWidget* padre)
{
    const auto fonte = Fonte(c);
    const auto copia = ComeNellEditore(padre);
    const TCondizione* analizzata = Analizzata(copia ? *copia : c, padre);
    if (!fonte || !analizzata) return;
    try {
        T_Analisi a;
        {
            TCursoreOccupato cursore;
            a = Analizza(*analizzata, true, *fonte->Dati, fonte->Ricerca, Scelta(*analizzata, padre));
        }
        TFormArchivio finestra(std::move(a), padre);
        Servizi().EseguiDialogo(finestra);
    } catch (const EErrore& e) {
        Servizi().MostraErrore(padre, e.what());
    }
}

void ApriAnalisiCondizione(TCondizione& c, QWidget* padre)
{
    const auto fonte = Fonte(c);
    const auto copia = ComeNellEditore(padre);
    const TCondizione* analizzata = Analizzata(copia ? *copia : c, padre);
    if (!fonte || !analizzata) return;
    try {
        T_Analisi a;
        {
            TFrmAnalProgress progresso(padre);
            progresso.Esegui([&](TOsservatoreAnalisi& oss) {
                a = Analizza(*analizzata, false, *fonte->Dati, fonte->Ricerca, Scelta(*analizzata, padre),
                             &oss);
            });
        }
        TFormAnalisiCF finestra(std::move(a), padre);
        Servizi().EseguiDialogo(finestra);
    } catch (const EErrore& e) {
        Servizi().MostraErrore(padre, e.what());
    }
}

void ApriInfoStat(TContestoComando& contesto)
{
    // One window; a new run on the same system reuses it.
    if (finestraInfoStat && &finestraInfoStat->Sistema() != &contesto.Sistema) delete finestraInfoStat.data();
    if (!finestraInfoStat) {
        finestraInfoStat = new TFormInfoStat(contesto.Sistema, contesto.Finestra);
        finestraInfoStat->setAttribute(Qt::WA_DeleteOnClose);
        finestraInfoStat->setWindowFlag(Qt::Window);
        // The page shows the system as it was replayed: another system or other conditions
        // make it stale.
        QObject::connect(&AvvisiSistema(), &TAvvisiSistema::SistemaCambiato, finestraInfoStat.data(),
                         [f = finestraInfoStat.data()] {
                             if (!f->Lungo().InCorso()) f->close();
                         });
    }
    finestraInfoStat->show();
    finestraInfoStat->raise();
    finestraInfoStat->Esegui();
}

}  // namespace

TFormInfoStat* FinestraInfoStat()
{
    return finestraInfoStat.data();
}

void RegistraFinestreStatistiche()
{
    TRegistroFinestre& r = RegistroFinestre();
    r.comandi["AnalisiStatistica1"] = ApriInfoStat;
    r.archivioCondizione = ApriArchivioCondizione;
    r.analisiCondizione = ApriAnalisiCondizione;
    r.archivioSchedina = [](TSistema& sistema, QWidget* padre) {
        const T_Archivio vuoto;
        const T_Archivio& archivio = sistema.Dati().Archivio ? *sistema.Dati().Archivio : vuoto;
        T_StatisticheSegni st;
        {
            TCursoreOccupato cursore;
            st = StatisticheSegni(archivio, sistema.Ricerca);
        }
        TFormProArc finestra(st, padre);
        Servizi().EseguiDialogo(finestra);
    };
    r.analisiSchedina = [](TSistema& sistema, QWidget* padre) {
        TFormProAna finestra(FrequenzeSegniColonne(sistema.Dati().Colonne), padre);
        Servizi().EseguiDialogo(finestra);
    };
}

}  // namespace morella::ui
