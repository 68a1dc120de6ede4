#include "FormTarTotipEna.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "ArgomentiAiuto.h"
#include "Configurazione.h"
#include "Errore.h"
#include "Fabbriche.h"
#include "Gioco.h"
#include "ServiziUi.h"
#include "Sistema.h"

namespace morella::ui {

namespace {

QGroupBox* Coppia(QWidget* padre, const char* titolo, const char* etichetta1, QSpinBox* a,
                  const char* etichetta2, QSpinBox* b)
{
    auto* g = new QGroupBox(QString::fromUtf8(titolo), padre);
    auto* l = new QFormLayout(g);
    l->addRow(QString::fromUtf8(etichetta1), a);
    if (b) l->addRow(QString::fromUtf8(etichetta2), b);
    return g;
}

QRadioButton* Radio(QWidget* padre, const char* nome, const char* testo)
{
    auto* r = new QRadioButton(QString::fromUtf8(testo), padre);
    r->setObjectName(QString::fromLatin1(nome));
    return r;
}

}  // namespace

QSpinBox* TFormTarTotipEna::Spin(const char* nome, int massimo)
{
    auto* s = new QSpinBox(this);
    s->setObjectName(QString::fromLatin1(nome));
    s->setRange(0, massimo);
    return s;
}

TFormTarTotipEna::TFormTarTotipEna(TSistema& sistema, QWidget* parent)
    : QDialog(parent), sistema_(sistema), toto_(Gioco == GiocoToto)
{
    setObjectName(QStringLiteral("FormTarTotipEna"));
    setWindowTitle(QStringLiteral("Taratura Per la Stampa Delle Schedine"));
    x_ = Spin("XPrimaCol", MassimoCoordinataTaratura);
    y_ = Spin("YPrimaCol", MassimoCoordinataTaratura);
    oriz_ = Spin("DistanzaSegniOriz", MassimoCoordinataTaratura);
    vert_ = Spin("distanzaSegniVert", MassimoCoordinataTaratura);
    scrittaX_ = Spin("ScrittaX", MassimoCoordinataTaratura);
    scrittaY_ = Spin("ScrittaY", MassimoCoordinataTaratura);

    auto* griglia = new QGridLayout;
    griglia->addWidget(Coppia(this, "Coordinate Prima Colonna", "X :", x_, "Y :", y_), 0, 0);
    griglia->addWidget(Coppia(this, "Distanza Segni", "Orizzontale", oriz_, "Verticale", vert_), 0, 1);
    griglia->addWidget(Coppia(this, "Coordinate Della Scritta", "X :", scrittaX_, "Y :", scrittaY_), 1, 0);
    auto* tipo = new QGroupBox(this);
    auto* lt = new QVBoxLayout(tipo);
    if (toto_) {
        spazio_ = Spin("SpazioColonne", MassimoCoordinataTaratura);
        diametro_ = Spin("DiametroSegno", MassimoQuadroTaratura);
        griglia->addWidget(Coppia(this, "Segno", "Diametro", diametro_, "Spazio Colonne", spazio_), 1, 1);
        tipo->setTitle(QStringLiteral("Orientamento"));
        versoOriz_ = Radio(tipo, "RadioOriz", " Orizzontale");
        versoVert_ = Radio(tipo, "RadioVert", " Verticale");
        lt->addWidget(versoOriz_);
        lt->addWidget(versoVert_);
        versoOriz_->setChecked(true);
        // Each orientation has its own block: the spins show the one chosen.
        connect(versoOriz_, &QRadioButton::toggled, this, [this] { Mostra(); });
    } else {
        larg_ = Spin("LargQuadro", MassimoQuadroTaratura);
        alt_ = Spin("AltQuadro", MassimoQuadroTaratura);
        griglia->addWidget(Coppia(this, "Dimensione Quadratino", "Larghezza", larg_, "Altezza", alt_), 1, 1);
        tipo->setTitle(QStringLiteral("Tipo Di Schedina"));
        radio4_ = Radio(tipo, "Radio4", " Da 4 Colonne");
        radio8_ = Radio(tipo, "Radio8", " Da 8 Colonne");
        lt->addWidget(radio4_);
        lt->addWidget(radio8_);
    }
    griglia->addWidget(tipo, 2, 0, 1, 2);

    auto* box = PulsantiOkAnnulla(this);
    auto* test = Pulsante(this, "TestBtn", QStringLiteral("Test"));
    box->addButton(test, QDialogButtonBox::ActionRole);
    auto* aiuto = Pulsante(this, "AiutoBtn", QStringLiteral("Aiuto"));
    box->addButton(aiuto, QDialogButtonBox::HelpRole);
    connect(test, &QPushButton::clicked, this, [this] { TestClick(); });
    connect(aiuto, &QPushButton::clicked, this,
            [this] { Servizi().ApriAiuto(this, toto_ ? Aiuto::TaraturaToto : Aiuto::TaraturaAltri); });

    auto* l = new QVBoxLayout(this);
    l->addWidget(new QLabel(QStringLiteral("Valori Espressi in Decimi di Millimetro"), this));
    l->addLayout(griglia);
    l->addWidget(box);
    Mostra();
}

TVersoToto TFormTarTotipEna::Verso() const
{
    return versoVert_ && versoVert_->isChecked() ? TVersoToto::Verticale : TVersoToto::Orizzontale;
}

void TFormTarTotipEna::Mostra()
{
    TTaraturaStampa& t = sistema_.Dati().Configurazione.Taratura;
    if (toto_) {
        const TValoriTaraturaToto v = MostraTaraturaToto(TaraturaToto(t, Verso()));
        x_->setValue(v.XPrimaCol);
        y_->setValue(v.YPrimaCol);
        oriz_->setValue(v.DistanzaSegniOriz);
        vert_->setValue(v.DistanzaSegniVert);
        scrittaX_->setValue(v.ScrittaX);
        scrittaY_->setValue(v.ScrittaY);
        spazio_->setValue(v.SpazioColonne);
        diametro_->setValue(v.DiametroSegno);
        return;
    }
    const TValoriTaratura v = MostraTaratura(TaraturaDelGioco(t));
    x_->setValue(v.XPrimaCol);
    y_->setValue(v.YPrimaCol);
    oriz_->setValue(v.DistanzaSegniOriz);
    vert_->setValue(v.DistanzaSegniVert);
    scrittaX_->setValue(v.ScrittaX);
    scrittaY_->setValue(v.ScrittaY);
    larg_->setValue(v.LargQuadro);
    alt_->setValue(v.AltQuadro);
    (v.Radio4 ? radio4_ : radio8_)->setChecked(true);
}

TValoriTaratura TFormTarTotipEna::Valori() const
{
    TValoriTaratura v;
    v.XPrimaCol = x_->value();
    v.YPrimaCol = y_->value();
    v.DistanzaSegniOriz = oriz_->value();
    v.DistanzaSegniVert = vert_->value();
    v.ScrittaX = scrittaX_->value();
    v.ScrittaY = scrittaY_->value();
    v.LargQuadro = larg_ ? larg_->value() : 0;
    v.AltQuadro = alt_ ? alt_->value() : 0;
    v.Radio4 = radio4_ && radio4_->isChecked();
    return v;
}

TValoriTaraturaToto TFormTarTotipEna::ValoriToto() const
{
    return {x_->value(),      y_->value(),        oriz_->value(),     vert_->value(),
            spazio_->value(), scrittaX_->value(), scrittaY_->value(), diametro_->value()};
}

bool TFormTarTotipEna::NellaPagina() const
{
    const bool ok = toto_ ? TaraturaNellaPagina(AcquisisciTaraturaToto(ValoriToto()))
                          : TaraturaNellaPagina(AcquisisciTaratura(Valori()));
    if (!ok) Servizi().MostraErrore(const_cast<TFormTarTotipEna*>(this), MessaggioTaraturaFuoriPagina);
    return ok;
}

void TFormTarTotipEna::TestClick()
{
    if (!NellaPagina()) return;
    TConfigurazione& cfg = sistema_.Dati().Configurazione;
    TRispostaFissa ok(PulsanteOk);
    std::string errore;
    // The preview repaints the coupon as often as it likes; every run puts the stored values
    // back, whatever happens in it.
    Servizi().AnteprimaEStampa(this, [&](TTelaStampa& tela) {
        try {
            if (toto_)
                StampaProvaToto(ValoriToto(), Verso(), cfg, tela, ok, sistema_.NomeFile);
            else
                StampaProva(Valori(), cfg, tela, ok, sistema_.NomeFile);
        } catch (const std::exception& e) {
            errore = e.what();
        }
    });
    if (!errore.empty()) Servizi().MostraErrore(this, errore);
}

void TFormTarTotipEna::accept()
{
    if (!NellaPagina()) return;
    try {
        if (toto_)
            ConfermaTaraturaToto(ValoriToto(), Verso(), sistema_.Dati().Configurazione, FileConfigurazione());
        else
            ConfermaTaratura(Valori(), sistema_.Dati().Configurazione, FileConfigurazione());
    } catch (const EErrore& e) {
        // The values stay in memory for this run; the player learns they were not written.
        Servizi().MostraErrore(this, e.what());
    }
    QDialog::accept();
}

void TFormTarTotipEna::Esegui(TSistema& sistema, QWidget* padre)
{
    TFormTarTotipEna d(sistema, padre);
    Servizi().EseguiDialogo(d);
}

}  // namespace morella::ui
