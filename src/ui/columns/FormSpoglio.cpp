#include "FormSpoglio.h"

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <QValueAxis>
#include <utility>

#include "CorniceEditore.h"
#include "EditColonna.h"
#include "Fabbriche.h"
#include "FormAccorpa.h"
#include "FormVisVin.h"
#include "PannelloSc.h"
#include "RegistroFinestre.h"
#include "ServiziUi.h"
#include "Sistema.h"

namespace morella::ui {

TFormSpoglio::TFormSpoglio(TSistema& sistema, QWidget* parent)
    : QDialog(parent), sistema_(sistema), lungo_(*this)
{
    setObjectName(QStringLiteral("FormSpoglio"));
    setWindowTitle(QStringLiteral("Spoglio"));
    setModal(false);

    pannello_ = new TPannelloSc;
    pannello_->setObjectName(QStringLiteral("PannelloSc1"));
    auto* gruppoPronostico = new QGroupBox(QStringLiteral("Pronostico"));
    auto* lp = new QVBoxLayout(gruppoPronostico);
    lp->addWidget(pannello_, 0, Qt::AlignHCenter);

    vincente_ = new TEditColonna;
    vincente_->setObjectName(QStringLiteral("EditVincente"));
    vincente_->ImpostaSingolo(true);
    connect(vincente_, &TEditColonna::OnModificato, this, &TFormSpoglio::Esegui);
    // The caption on two lines: the column is narrow, and the chart wants the room.
    auto* gruppoVincente = new QFrame;
    gruppoVincente->setFrameShape(QFrame::StyledPanel);
    auto* lv = new QVBoxLayout(gruppoVincente);
    auto* titoloVincente = new QLabel(QStringLiteral("Colonna\nVincente"));
    titoloVincente->setAlignment(Qt::AlignHCenter);
    lv->addWidget(titoloVincente);
    lv->addWidget(vincente_, 0, Qt::AlignHCenter);
    lv->addStretch();

    grafico_ = Barre("Grafico");
    // Wide enough for a label under every bar; a small screen gets a narrower chart with
    // smaller labels so that the whole window still fits.
    const QScreen* schermo = QGuiApplication::primaryScreen();
    piccolo_ = !schermo || schermo->availableGeometry().width() < 800;
    grafico_->setMinimumSize(piccolo_ ? 230 : 380, 150);
    // The three totals one under the other, so the window fits a small screen.
    gruppoCategorie_ = new QWidget;
    auto* lc = new QGridLayout(gruppoCategorie_);
    lc->setContentsMargins(0, 0, 0, 0);
    const char* nomi[] = {"Categoria1", "Categoria2", "Categoria3"};
    for (int k = 0; k < 3; ++k) {
        auto* titolo = new QLabel(QString::fromStdString(TitoloCategoria(k)));
        titolo->setObjectName(QStringLiteral("TitoloCategoria%1").arg(k + 1));
        categorie_[static_cast<std::size_t>(k)] = EtichettaValore(nomi[k], QStringLiteral("1594323"));
        categorie_[static_cast<std::size_t>(k)]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        lc->addWidget(titolo, k, 0);
        lc->addWidget(categorie_[static_cast<std::size_t>(k)], k, 1);
    }
    lc->setColumnStretch(2, 1);

    errori_ = new QListWidget;
    errori_->setObjectName(QStringLiteral("ListaErrori"));
    errori_->setMinimumHeight(errori_->fontMetrics().height() * 4);
    // The entry is opened once the list has finished its own signal: opening may change the
    // system, and the list is rebuilt when it does.
    connect(errori_, &QListWidget::itemActivated, this, [this](QListWidgetItem* voce) {
        const int riga = errori_->row(voce);
        QMetaObject::invokeMethod(
            this,
            [this, riga] {
                if (riga >= 0 && riga < errori_->count()) ApriVoce(errori_->item(riga));
            },
            Qt::QueuedConnection);
    });
    auto* gruppoErrori = new QGroupBox(QStringLiteral("Condizioni Sbagliate"));
    auto* le = new QVBoxLayout(gruppoErrori);
    le->addWidget(errori_);

    visualizza_ = Pulsante(this, "BtnVisualizza", QStringLiteral("Visualizza"));
    connect(visualizza_, &QPushButton::clicked, this, &TFormSpoglio::VisualizzaClick);
    auto* ok = Pulsante(this, "OKBtn", QStringLiteral("OK"));
    connect(ok, &QPushButton::clicked, this, &QDialog::close);

    auto* sinistra = new QVBoxLayout;
    sinistra->addWidget(gruppoPronostico);
    sinistra->addStretch();
    auto* destra = new QVBoxLayout;
    destra->addWidget(grafico_, 1);
    destra->addWidget(gruppoCategorie_);
    destra->addWidget(gruppoErrori);
    auto* corpo = new QHBoxLayout;
    corpo->addLayout(sinistra);
    corpo->addWidget(gruppoVincente);
    corpo->addLayout(destra, 1);
    auto* pulsanti = new QHBoxLayout;
    pulsanti->addStretch();
    pulsanti->addWidget(visualizza_);
    pulsanti->addWidget(ok);
    auto* tutto = new QVBoxLayout(this);
    tutto->addLayout(corpo, 1);
    tutto->addLayout(pulsanti);

    connect(&AvvisiSistema(), &TAvvisiSistema::SistemaCambiato, this, &TFormSpoglio::SistemaCambiato);
    Esegui();
}

TFormSpoglio::~TFormSpoglio() = default;

void TFormSpoglio::Apri()
{
    const TDatiSistema& d = sistema_.Dati();
    pannello_->ImpostaGioco(Gioco);
    pannello_->ImpostaNomi(d.NomiEventi);
    pannello_->ImpostaPronostico(d.Pronostico);
    vincente_->ImpostaGioco(Gioco);
    Esegui();
    show();
    raise();
    activateWindow();
}

void TFormSpoglio::Esegui()
{
    // A winning column changed while the counting runs: that count stops at its next step
    // and the new column is counted after it.
    if (lungo_.InCorso()) {
        ripeti_ = true;
        lungo_.ChiediAnnullamento();
        return;
    }
    TColonna vincente{};
    vincente_->LeggiColonna(vincente);
    std::optional<TVistaSpoglio> vista;
    if (!ColonnaVincenteCompleta(vincente) || colonne_.Vuota()) {
        vista = VistaSpoglio(colonne_, vincente);
    } else {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        lungo_.Esegui(
            [&] { vista = VistaSpoglio(colonne_, vincente, [this] { return !lungo_.Annullato(); }); },
            [] { QApplication::restoreOverrideCursor(); });
    }
    if (!vista) {
        if (std::exchange(ripeti_, false)) Esegui();
        return;
    }
    vista_ = std::move(*vista);
    errori_->clear();
    sbagliate_.clear();
    grafico_->setVisible(vista_.Completa);
    gruppoCategorie_->setVisible(vista_.Completa);
    visualizza_->setEnabled(vista_.Completa);
    if (!vista_.Completa) return;
    RiempiBarre(grafico_, TDatiBarre{vista_.Valori, vista_.Etichette, 0, vista_.Massimo, 0});
    // Counts of columns: whole numbers on the scale. Every points value keeps its label
    // under its bar, also in the narrow chart of a small screen.
    for (QAbstractAxis* asse : grafico_->chart()->axes(Qt::Vertical))
        if (auto* valori = qobject_cast<QValueAxis*>(asse)) valori->setLabelFormat(QStringLiteral("%.0f"));
    QFont piccolo = font();
    piccolo.setPointSizeF(piccolo.pointSizeF() * (piccolo_ ? 0.7 : 0.9));
    for (QAbstractAxis* asse : grafico_->chart()->axes()) {
        asse->setLabelsFont(piccolo);
        asse->setTruncateLabels(false);
    }
    grafico_->chart()->setMargins(QMargins(2, 2, 2, 2));
    for (int k = 0; k < 3; ++k) {
        const auto i = static_cast<std::size_t>(k);
        categorie_[i]->setText(QString::fromStdString(vista_.Categorie[i]));
        findChild<QLabel*>(QStringLiteral("TitoloCategoria%1").arg(k + 1))
            ->setText(QString::fromStdString(TitoloCategoria(k)));
    }
    sbagliate_ = EsaminaVincente(sistema_, vincente);
    for (const TVoceSbagliata& v : sbagliate_) errori_->addItem(QString::fromStdString(v.Nome));
}

void TFormSpoglio::ApriVoce(QListWidgetItem* voce)
{
    const int riga = errori_->row(voce);
    if (riga < 0 || riga >= static_cast<int>(sbagliate_.size())) return;
    TCondizione* c = sbagliate_[static_cast<std::size_t>(riga)].Condizione;
    if (!c) return;  // "Pronostico" opens nothing
    if (!SistemaDaSegnare(c->Modifica())) return;
    sistema_.Modificato = true;
    if (DopoModifica) DopoModifica();
    emit AvvisiSistema().SistemaCambiato();
}

void TFormSpoglio::SistemaCambiato()
{
    // New, Load, an editor's OK or a development may have replaced every condition the list
    // points at: the examination is done again on the system as it is now. A closed window
    // only drops it; opening it again redoes it.
    if (!isVisible()) {
        errori_->clear();
        sbagliate_.clear();
        return;
    }
    const TDatiSistema& d = sistema_.Dati();
    pannello_->ImpostaNomi(d.NomiEventi);
    pannello_->ImpostaPronostico(d.Pronostico);
    Esegui();
}

void TFormSpoglio::VisualizzaClick()
{
    if (!vista_.Completa) return;
    TColonna vincente{};
    vincente_->LeggiColonna(vincente);
    TFormVisVin finestra(colonne_, vincente, vista_.Risultato, this);
    Servizi().EseguiDialogo(finestra);
}

// ---- Registry ----------------------------------------------------------------------------

namespace {
QPointer<TFormSpoglio> finestraSpoglio;

TFormSpoglio& Finestra(TContestoComando& c)
{
    // One window for the whole run; a different system (only in tests) gets a new one.
    if (finestraSpoglio && &finestraSpoglio->Sistema() != &c.Sistema) delete finestraSpoglio.data();
    if (!finestraSpoglio) finestraSpoglio = new TFormSpoglio(c.Sistema, c.Finestra);
    finestraSpoglio->DopoModifica = c.Aggiorna;
    return *finestraSpoglio;
}
}  // namespace

TFormSpoglio* FinestraSpoglio()
{
    return finestraSpoglio.data();
}

void RegistraSpoglio()
{
    auto& comandi = RegistroFinestre().comandi;
    comandi["SpoglioDaMemoria1"] = [](TContestoComando& c) {
        TFormSpoglio& f = Finestra(c);
        RiempiDaMemoria(c.Sistema, f.Colonne(), c.Finestra);
        f.Apri();
    };
    comandi["DaFile1"] = [](TContestoComando& c) {
        // Read into a list of its own: a failed or empty file leaves an open window as it was.
        TListaColonne lista;
        if (!RiempiDaFile(c.Sistema, lista, c.Finestra)) return;
        TFormSpoglio& f = Finestra(c);
        f.Colonne() = std::move(lista);
        f.Apri();
    };
}

}  // namespace morella::ui
