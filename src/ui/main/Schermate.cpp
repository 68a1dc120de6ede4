#include "Schermate.h"

#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>

#include "Applicazione.h"
#include "DialoghiSistema.h"
#include "EditSchedina.h"
#include "EditoriCondizioni.h"
#include "ElencoCondizioni.h"
#include "FormAiuto.h"
#include "FormAlbero.h"
#include "FormConsecutivita.h"
#include "FormFormuleDerivate.h"
#include "FormInsCol.h"
#include "FormMessage.h"
#include "FormPrinc.h"
#include "FormQuadro.h"

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
    for (TipoCondizione tipo : {TipoNumeroSegni, TipoPariDispari, TipoInterruzioni, TipoSimmetrie, TipoModulo,
                                TipoRipetizioni, TipoVortice, TipoFormuleDerivate, TipoGruppoConsecutivita}) {
        TCondizione* c = condizioni.Condizione(tipo);
        if (!c) continue;
        std::unique_ptr<TFormCondizione> d;
        if (tipo == TipoVortice)
            d = std::make_unique<TFormVortice>(w);
        else if (tipo == TipoFormuleDerivate)
            d = std::make_unique<TFormFormuleDerivate>(w);
        else if (tipo == TipoGruppoConsecutivita)
            d = std::make_unique<TFormConsecutivita>(w);
        else
            d = std::make_unique<TFormTabelle>(tipo, w);
        d->ImpostaOggetto(*c);
        d->AggiornaForm();
        scritte += Dialogo(*d, QDir(cartella).filePath(QStringLiteral("condizione-%1.png").arg(tipo)));
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
