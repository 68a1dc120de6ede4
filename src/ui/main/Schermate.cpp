#include "Schermate.h"

#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>

#include "Applicazione.h"
#include "DialoghiSistema.h"
#include "EditColonna.h"
#include "EditSchedina.h"
#include "EditoriCondizioni.h"
#include "ElencoCondizioni.h"
#include "FormAccorpa.h"
#include "FormAiuto.h"
#include "FormAlbero.h"
#include "FormConsecutivita.h"
#include "FormDettSche.h"
#include "FormEditconcprec.h"
#include "FormEditoriGruppi.h"
#include "FormFormuleDerivate.h"
#include "FormImpRic.h"
#include "FormInsCol.h"
#include "FormInternet.h"
#include "FormMessage.h"
#include "FormOperazioni.h"
#include "FormPrinc.h"
#include "FormQuadro.h"
#include "FormRec.h"
#include "FormSpoglio.h"
#include "FormStSche.h"
#include "FormStatisticheSchermate.h"
#include "FormTarTotipEna.h"
#include "FormVisCol.h"
#include "FormvisArchivio.h"

namespace morella::ui {

bool SalvaSchermata(QWidget& finestra, const QString& file)
{
    QApplication::processEvents();
    return finestra.grab().save(file, "PNG");
}

namespace {

bool Dialogo(QDialog& d, const QString& file)
{
    d.show();
    const bool ok = SalvaSchermata(d, file);
    d.hide();
    return ok;
}

// The main window with one menu open beneath its bar, as the player sees it.
bool ConMenu(TFormPrinc& w, QMenu& menu, const QString& file)
{
    QApplication::processEvents();
    QPixmap finestra = w.grab();
    const QRect voce = w.menuBar()->actionGeometry(menu.menuAction());
    // What the menu recomputes when the player opens it (check marks, enabled items).
    Q_EMIT menu.aboutToShow();
    menu.ensurePolished();
    menu.resize(menu.sizeHint());
    const QPixmap tendina = menu.grab();
    QPainter p(&finestra);
    const QPoint origine = w.menuBar()->mapTo(&w, voce.bottomLeft());
    p.drawPixmap(origine, tendina);
    p.end();
    return finestra.save(file, "PNG");
}

}  // namespace

int ScattaSchermate(TApplicazione& app, const QString& cartella)
{
    QDir().mkpath(cartella);
    int scritte = 0;
    TFormPrinc* w = app.FormPrinc();
    if (!w) return 0;
    auto percorso = [&](const char* nome) { return QDir(cartella).filePath(QString::fromLatin1(nome)); };
    scritte += SalvaSchermata(*w, percorso("main.png"));
    for (QMenu* m : w->menuBar()->findChildren<QMenu*>(Qt::FindDirectChildrenOnly)) {
        if (m->objectName().isEmpty()) continue;
        const QString nome = QStringLiteral("menu-%1.png").arg(m->objectName());
        scritte += ConMenu(*w, *m, QDir(cartella).filePath(nome));
    }
    {
        TFormMessage box(w);
        box.Prepara(TitoloInformazione, DomandaSalvaSistema, PulsanteSi | PulsanteNo | PulsanteAnnulla);
        scritte += Dialogo(box, percorso("message.png"));
    }
    {
        TFormImpostazioni d(app.Sistema(), w);
        scritte += Dialogo(d, percorso("impostazioni.png"));
    }
    {
        TFormCostoColonna d(app.Sistema(), w);
        scritte += Dialogo(d, percorso("costo.png"));
    }
    {
        TFormPartecipanti d(app.Sistema(), w);
        scritte += Dialogo(d, percorso("partecipanti.png"));
    }
    {
        TFormCommento d(app.Sistema(), w);
        scritte += Dialogo(d, percorso("commento.png"));
    }
    // The condition editors on the system's own conditions (nothing is copied back).
    TElencoCondizioni& condizioni = *app.Sistema().Dati().Condizioni;
    for (TipoCondizione tipo :
         {TipoNumeroSegni, TipoPariDispari, TipoInterruzioni, TipoSimmetrie, TipoModulo, TipoRipetizioni,
          TipoVortice, TipoFormuleDerivate, TipoGruppoConsecutivita, TipoGruppoSequele, TipoGruppoValori,
          TipoGruppoPercentuali, TipoGruppoColonneFiltro, TipoPuntiTra}) {
        TCondizione* c = condizioni.Condizione(tipo);
        if (!c) continue;
        std::unique_ptr<TFormCondizione> d;
        if (tipo == TipoVortice)
            d = std::make_unique<TFormVortice>(w);
        else if (tipo == TipoFormuleDerivate)
            d = std::make_unique<TFormFormuleDerivate>(w);
        else if (tipo == TipoGruppoConsecutivita)
            d = std::make_unique<TFormConsecutivita>(w);
        else if (tipo == TipoGruppoSequele)
            d = std::make_unique<TFormSequela>(w);
        else if (tipo == TipoGruppoValori || tipo == TipoGruppoPercentuali)
            d = std::make_unique<TFormPVP>(tipo, w);
        else if (tipo == TipoGruppoColonneFiltro)
            d = std::make_unique<TFormListaColFiltro>(w);
        else if (tipo == TipoPuntiTra)
            d = std::make_unique<TFormPtTra>(w);
        else
            d = std::make_unique<TFormTabelle>(tipo, w);
        d->ImpostaOggetto(*c);
        d->AggiornaForm();
        scritte += Dialogo(*d, QDir(cartella).filePath(QStringLiteral("condizione-%1.png").arg(tipo)));
    }
    if (TElencoLink* link = app.Sistema().Dati().Link.get()) {
        TFormRec d(*link, &condizioni, w);
        scritte += Dialogo(d, percorso("link.png"));
    }
    {
        // The print windows on the system's columns, or on a few of a development when it has none.
        TListaColonne colonne = app.Sistema().Dati().Colonne;
        for (std::uint32_t i = 0; colonne.Conta() < 9; ++i) {
            TColonna c{};
            for (int e = 0; e < NumEvents; ++e)
                c[static_cast<std::size_t>(e)] = static_cast<TSegni>(1 << ((i + e) % 3));
            colonne.Aggiungi(c);
        }
        TFormStSche stampa(app.Sistema(), colonne, w);
        scritte += Dialogo(stampa, percorso("stampa-schedine.png"));
        TFormTarTotipEna taratura(app.Sistema(), w);
        scritte += Dialogo(taratura, percorso("taratura.png"));
        TFormDettSche dettatura(CostruisciSchedine(colonne), NuovaVoce(), w);
        scritte += Dialogo(dettatura, percorso("dettatura.png"));
    }
    // The columns windows on the system's columns (the example's, when it was loaded).
    {
        TFormVisCol d(w);
        d.Colonne() = app.Sistema().Dati().Colonne;
        scritte += Dialogo(d, percorso("viscol.png"));
    }
    {
        TFormOperazioni d(w);
        scritte += Dialogo(d, percorso("operazioni.png"));
    }
    {
        TFormAccorpa d(w);
        scritte += Dialogo(d, percorso("accorpa.png"));
    }
    {
        // The checking against the system's first column, when it has columns.
        TFormSpoglio d(app.Sistema(), w);
        d.Colonne() = app.Sistema().Dati().Colonne;
        d.Apri();
        if (!d.Colonne().Vuota()) d.Vincente()->ImpostaColonna(d.Colonne()[0]);
        scritte += Dialogo(d, percorso("spoglio.png"));
    }
    scritte += SchermateStatistiche(app.Sistema(), w, cartella);
    // The archive and Internet windows on the program's archive (nothing is saved).
    if (T_Archivio* archivio = app.Sistema().Dati().Archivio) {
        const bool vuoto = archivio->Vuoto();
        {
            TFormEditconcprec d(app.Sistema(), w);
            d.Apri();
            scritte += Dialogo(d, percorso("archivio-editor.png"));
        }
        if (vuoto) archivio->Svuota();  // the new contest the editor showed
        TFormImpRic ricerca(app.Sistema(), w);
        scritte += Dialogo(ricerca, percorso("archivio-ricerca.png"));
        TFormvisArchivio vista(*archivio, w);
        scritte += Dialogo(vista, percorso("archivio-vista.png"));
        TF123StampaArch stampa(*archivio, w);
        scritte += Dialogo(stampa, percorso("archivio-stampa.png"));
        TFormAggiornamento aggiornamento(app.Sistema(), w);
        scritte += Dialogo(aggiornamento, percorso("internet-aggiornamento.png"));
    }
    {
        TFormImpCollegamento d(app.Sistema(), w);
        scritte += Dialogo(d, percorso("internet-impostazioni.png"));
    }
    // The panel editor on the system's root panel, its tree, and the archive's filter columns.
    if (const auto* radice = condizioni.Condizione<TQuadro>(TipoQuadro)) {
        TFormQuadro d(w);
        d.Prepara(*radice);
        scritte += Dialogo(d, percorso("quadro.png"));
        TFormAlbero a(w);
        a.Disegna(d.Modello().Sessione().Albero());
        scritte += Dialogo(a, percorso("albero.png"));
    }
    {
        TFormInsCol d(app.Archivio(), w);
        scritte += Dialogo(d, percorso("inscol.png"));
    }
    {
        TFormAiuto d(w);
        d.MostraArgomento(1);
        scritte += Dialogo(d, percorso("aiuto.png"));
    }
    return scritte;
}

}  // namespace morella::ui
