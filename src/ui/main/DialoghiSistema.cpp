#include "DialoghiSistema.h"
#include "Fabbriche.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "Cartelle.h"
#include "ComandiConfigurazione.h"
#include "Errore.h"
#include "ServiziUi.h"

namespace morella::ui {

namespace {

QStringList Righe(const std::vector<std::string>& righe)
{
    QStringList l;
    for (const auto& r : righe) l << QString::fromStdString(r);
    return l;
}

}  // namespace

std::vector<std::string> RigheDiTesto(const QString& testo)
{
    QStringList righe = testo.split(QLatin1Char('\n'));
    while (!righe.isEmpty() && righe.last().trimmed().isEmpty()) righe.removeLast();
    std::vector<std::string> r;
    for (const QString& s : righe) r.push_back(s.toStdString());
    return r;
}

// ---- Commento ----

TFormCommento::TFormCommento(TSistema& sistema, QWidget* parent) : QDialog(parent), sistema_(sistema)
{
    setObjectName(QStringLiteral("FormCommento"));
    setWindowTitle(QStringLiteral("Commento"));
    memo_ = new QPlainTextEdit(this);
    memo_->setObjectName(QStringLiteral("Memo"));
    memo_->setPlainText(Righe(sistema.Commento).join(QLatin1Char('\n')));
    auto* l = new QVBoxLayout(this);
    l->addWidget(memo_);
    l->addWidget(PulsantiOkAnnulla(this, QStringLiteral("Ok")));
    resize(420, 300);
}

void TFormCommento::accept()
{
    sistema_.CambiaCommento(RigheDiTesto(memo_->toPlainText()));
    QDialog::accept();
}

int TFormCommento::Esegui(TSistema& sistema, QWidget* padre)
{
    TFormCommento d(sistema, padre);
    return Servizi().EseguiDialogo(d);
}

// ---- Partecipanti ----

TFormPartecipanti::TFormPartecipanti(TSistema& sistema, QWidget* parent) : QDialog(parent), sistema_(sistema)
{
    setObjectName(QStringLiteral("FormPartecipanti"));
    setWindowTitle(QStringLiteral("Partecipanti"));
    numero_ = new QSpinBox(this);
    numero_->setObjectName(QStringLiteral("SpinPartecipanti"));
    numero_->setRange(1, MassimoPartecipanti);
    numero_->setValue(sistema.Partecipanti);
    nomi_ = new QPlainTextEdit(this);
    nomi_->setObjectName(QStringLiteral("MemoNomi"));
    nomi_->setPlainText(Righe(sistema.NomiPartecipanti).join(QLatin1Char('\n')));
    auto* l = new QVBoxLayout(this);
    auto* riga = new QHBoxLayout;
    riga->addWidget(new QLabel(QStringLiteral("Numero dei Partecipanti al Sistema"), this));
    riga->addWidget(numero_);
    riga->addStretch();
    l->addLayout(riga);
    l->addWidget(new QLabel(QStringLiteral("Nomi dei Partecipanti "), this));
    l->addWidget(nomi_);
    l->addWidget(PulsantiOkAnnulla(this));
    resize(380, 340);
}

void TFormPartecipanti::accept()
{
    if (auto rifiuto = sistema_.CambiaPartecipanti(numero_->value(), RigheDiTesto(nomi_->toPlainText()))) {
        Servizi().Chiedi(this, TitoloInformazione, *rifiuto, PulsanteOk);
        return;
    }
    QDialog::accept();
}

int TFormPartecipanti::Esegui(TSistema& sistema, QWidget* padre)
{
    TFormPartecipanti d(sistema, padre);
    return Servizi().EseguiDialogo(d);
}

// ---- Impostazioni Di Sviluppo ----

TFormImpostazioni::TFormImpostazioni(TSistema& sistema, QWidget* parent) : QDialog(parent), sistema_(sistema)
{
    setObjectName(QStringLiteral("FormImpostazioni"));
    setWindowTitle(QStringLiteral("Impostazioni Di Sviluppo"));
    const TImpostazioniSviluppo& s = sistema.Dati().Impostazioni;
    auto nome = [](QWidget* w, const char* n) {
        w->setObjectName(QString::fromLatin1(n));
        return w;
    };

    auto* sorgente = new QGroupBox(QStringLiteral("Sorgente"), this);
    pronostico_ = new QRadioButton(QStringLiteral(" Pronostico"), sorgente);
    file_ = new QRadioButton(QStringLiteral(" File Colonnare"), sorgente);
    sorgente_ = new QLineEdit(QString::fromStdString(s.FileSorgente), sorgente);
    nome(pronostico_, "RadioPronostico");
    nome(file_, "RadioFile");
    nome(sorgente_, "EditSorgente");
    (s.DaPronostico ? pronostico_ : file_)->setChecked(true);
    auto* ls = new QGridLayout(sorgente);
    ls->addWidget(pronostico_, 0, 0);
    ls->addWidget(file_, 0, 1);
    ls->addWidget(sorgente_, 1, 0, 1, 2);

    condizioni_ = new QCheckBox(QStringLiteral(" Usa i Condizionamenti"), this);
    nome(condizioni_, "CheckCondizioni");
    condizioni_->setChecked(s.UsaCondizioni);

    auto* riduzione = new QGroupBox(QStringLiteral("Riduzione"), this);
    autoriduzione_ = new QCheckBox(QStringLiteral(" Autoriduzione"), riduzione);
    nome(autoriduzione_, "CheckAutoriduzione");
    autoriduzione_->setChecked(s.Autoriduzione);
    auto* garanzia = new QGroupBox(QStringLiteral("Garanzia"), riduzione);
    n1_ = new QRadioButton(QStringLiteral(" N - 1"), garanzia);
    n2_ = new QRadioButton(QStringLiteral(" N - 2"), garanzia);
    nome(n1_, "RadioN1");
    nome(n2_, "RadioN2");
    (s.GaranziaN1 ? n1_ : n2_)->setChecked(true);
    auto* lg = new QVBoxLayout(garanzia);
    lg->addWidget(n1_);
    lg->addWidget(n2_);
    auto* tipo = new QGroupBox(QStringLiteral("Tipo"), riduzione);
    accurata_ = new QRadioButton(QStringLiteral(" Accurata"), tipo);
    veloce_ = new QRadioButton(QStringLiteral(" Veloce"), tipo);
    ottimizzata_ = new QRadioButton(QStringLiteral(" Ottimizzata"), tipo);
    nome(accurata_, "RadioAccurata");
    nome(veloce_, "RadioVeloce");
    nome(ottimizzata_, "RadioOttimizzata");
    switch (TipoRiduzione(s)) {
        case TTipoRiduzione::Accurata:
            accurata_->setChecked(true);
            break;
        case TTipoRiduzione::Veloce:
            veloce_->setChecked(true);
            break;
        case TTipoRiduzione::Ottimizzata:
            ottimizzata_->setChecked(true);
            break;
    }
    // The optimised reduction's time budget, in seconds.
    tempo_ = new QSpinBox(tipo);
    nome(tempo_, "EditTempoOttimizzazione");
    tempo_->setRange(0, SecondiOttimizzazioneMassimi);
    tempo_->setSuffix(QStringLiteral(" s"));
    tempo_->setValue(s.SecondiOttimizzazione);
    auto* lt = new QGridLayout(tipo);
    lt->addWidget(accurata_, 0, 0, 1, 2);
    lt->addWidget(veloce_, 1, 0, 1, 2);
    lt->addWidget(ottimizzata_, 2, 0);
    lt->addWidget(tempo_, 2, 1);
    percentuali_ = new QCheckBox(QStringLiteral(" Calcolo Percentuali"), riduzione);
    nome(percentuali_, "CheckPercentuali");
    percentuali_->setChecked(s.CalcoloPercentuali);
    auto* lr = new QGridLayout(riduzione);
    // Two switches on one row, so the dialog still fits a 640 x 480 screen.
    lr->addWidget(autoriduzione_, 0, 0);
    lr->addWidget(percentuali_, 0, 1);
    lr->addWidget(garanzia, 1, 0);
    lr->addWidget(tipo, 1, 1);

    auto* salvataggio = new QGroupBox(QStringLiteral("Destinazione"), this);
    salva_ = new QCheckBox(QStringLiteral(" Salva Automaticamente le Colonne"), salvataggio);
    nome(salva_, "CheckSalva");
    salva_->setChecked(s.SalvaAutomaticamente);
    destinazione_ = new QLineEdit(QString::fromStdString(s.FileDestinazione), salvataggio);
    nome(destinazione_, "EditDestinazione");
    auto* ld = new QVBoxLayout(salvataggio);
    ld->addWidget(salva_);
    ld->addWidget(destinazione_);

    auto* l = new QVBoxLayout(this);
    l->addWidget(sorgente);
    l->addWidget(condizioni_);
    l->addWidget(riduzione);
    l->addWidget(salvataggio);
    l->addWidget(PulsantiOkAnnulla(this));

    auto tocca = [this] {
        toccato_ = true;
        Abilita();
    };
    for (QAbstractButton* b :
         std::initializer_list<QAbstractButton*>{pronostico_, file_, condizioni_, autoriduzione_, salva_,
                                                 percentuali_, accurata_, veloce_, ottimizzata_, n1_, n2_})
        connect(b, &QAbstractButton::clicked, this, tocca);
    connect(tempo_, &QSpinBox::valueChanged, this, tocca);
    for (QLineEdit* e : {sorgente_, destinazione_}) connect(e, &QLineEdit::textEdited, this, tocca);
    Abilita();
    setMinimumWidth(420);
}

void TFormImpostazioni::Abilita()
{
    const TControlliSviluppo c = ControlliAbilitati(Lette());
    n1_->parentWidget()->setEnabled(c.Garanzia);
    accurata_->parentWidget()->setEnabled(c.Tipo);
    tempo_->setEnabled(c.TempoOttimizzazione);
    percentuali_->setEnabled(c.Percentuali);
    destinazione_->setEnabled(c.Destinazione);
}

TImpostazioniSviluppo TFormImpostazioni::Lette() const
{
    TImpostazioniSviluppo s = sistema_.Dati().Impostazioni;
    s.DaPronostico = pronostico_->isChecked();
    s.FileSorgente = TagliaCaratteri(sorgente_->text().toStdString(), CapacitaFileSviluppo);
    s.UsaCondizioni = condizioni_->isChecked();
    s.Autoriduzione = autoriduzione_->isChecked();
    s.SalvaAutomaticamente = salva_->isChecked();
    s.CalcoloPercentuali = percentuali_->isChecked();
    ImpostaTipoRiduzione(s, ottimizzata_->isChecked() ? TTipoRiduzione::Ottimizzata
                            : accurata_->isChecked()  ? TTipoRiduzione::Accurata
                                                      : TTipoRiduzione::Veloce);
    s.SecondiOttimizzazione = tempo_->value();
    s.GaranziaN1 = n1_->isChecked();
    s.FileDestinazione = TagliaCaratteri(destinazione_->text().toStdString(), CapacitaFileSviluppo);
    return s;
}

void TFormImpostazioni::accept()
{
    const TImpostazioniSviluppo s = Lette();
    if (auto rifiuto = ControllaImpostazioniSviluppo(s)) {
        Servizi().Chiedi(this, TitoloInformazione, *rifiuto, PulsanteOk);
        return;
    }
    if (toccato_) sistema_.ImpostazioniSviluppoCambiate(s);
    QDialog::accept();
}

int TFormImpostazioni::Esegui(TSistema& sistema, QWidget* padre)
{
    TFormImpostazioni d(sistema, padre);
    return Servizi().EseguiDialogo(d);
}

// ---- Costo Colonna ----

TFormCostoColonna::TFormCostoColonna(TSistema& sistema, QWidget* parent) : QDialog(parent), sistema_(sistema)
{
    setObjectName(QStringLiteral("FormCostoColonna"));
    setWindowTitle(QStringLiteral("Costo Colonna"));
    const TConfigurazione& c = sistema.Dati().Configurazione;
    auto* gruppo = new QGroupBox(QStringLiteral("Valuta"), this);
    lire_ = new QRadioButton(QStringLiteral("Lire"), gruppo);
    lire_->setObjectName(QStringLiteral("RadioLire"));
    euro_ = new QRadioButton(QStringLiteral("Euro"), gruppo);
    euro_->setObjectName(QStringLiteral("RadioEuro"));
    costo_ = new QSpinBox(gruppo);
    costo_->setObjectName(QStringLiteral("SpinCosto"));
    costo_->setRange(CostoColonnaMinimo, CostoColonnaMassimo);
    costo_->setSingleStep(PassoCostoColonna);
    costo_->setValue(c.CostoColonna);
    // Euro with cents: a text field, so "0,50" is fifty cents and never fifty of anything.
    costoEuro_ =
        new QLineEdit(QString::fromStdString(TestoCostoColonna(c.CostoCentesimi, TValuta::Euro)), gruppo);
    costoEuro_->setObjectName(QStringLiteral("EditEuro"));
    costoEuro_->setToolTip(QStringLiteral("Euro e centesimi, per esempio 0,50"));
    (c.Valuta == TValuta::Euro ? euro_ : lire_)->setChecked(true);
    auto* lg = new QFormLayout(gruppo);
    lg->addRow(lire_, costo_);
    lg->addRow(euro_, costoEuro_);
    connect(lire_, &QRadioButton::toggled, this, [this] { MostraValuta(); });
    MostraValuta();
    auto* l = new QVBoxLayout(this);
    l->addWidget(gruppo);
    l->addWidget(PulsantiOkAnnulla(this));
}

void TFormCostoColonna::MostraValuta()
{
    costo_->setEnabled(lire_->isChecked());
    costoEuro_->setEnabled(euro_->isChecked());
}

void TFormCostoColonna::accept()
{
    const TValuta valuta = euro_->isChecked() ? TValuta::Euro : TValuta::Lire;
    std::int64_t costo = costo_->value();
    if (valuta == TValuta::Euro) {
        const auto letto = LeggiCostoColonna(costoEuro_->text().toStdString(), valuta);
        if (!letto) {
            // The dialog stays open on what the player typed.
            Servizi().MostraErrore(this, MessaggioCostoNonValido);
            costoEuro_->setFocus();
            return;
        }
        costo = *letto;
    }
    try {
        CambiaCostoColonna(sistema_.Dati().Configurazione, valuta, costo, FileConfigurazione());
    } catch (const EErrore& e) {
        // The cost stays for this run; the player learns it was not written.
        Servizi().MostraErrore(this, e.what());
    }
    QDialog::accept();
}

int TFormCostoColonna::Esegui(TSistema& sistema, QWidget* padre)
{
    TFormCostoColonna d(sistema, padre);
    return Servizi().EseguiDialogo(d);
}

}  // namespace morella::ui
