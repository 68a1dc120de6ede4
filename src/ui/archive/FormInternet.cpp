#include "FormInternet.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "Archivio.h"
#include "ClientFtpCurl.h"
#include "Errore.h"
#include "Fabbriche.h"
#include "ServiziUi.h"
#include "Sistema.h"

namespace morella::ui {

namespace {

constexpr const char* IndirizzoPaginaAggiornamenti = "https://www.morella.example/aggiornamenti";
constexpr const char* RigaInterrotto = "Aggiornamento interrotto: gli archivi non sono cambiati.";

// What "&Chiudi" throws through the transfer: the core stops as on a failure.
struct TInterrotto {};

}  // namespace

// ---- Impostazioni di collegamento ----

TFormImpCollegamento::TFormImpCollegamento(TSistema& sistema, QWidget* parent)
    : QDialog(parent), sistema_(sistema)
{
    setObjectName(QStringLiteral("FormImpCollegamento"));
    setWindowTitle(QStringLiteral("Impostazioni di collegamento"));
    const TCollegamento c = LeggiCollegamento(sistema.Dati().Configurazione);
    auto campo = [this](const char* nome, const std::string& testo) {
        auto* e = new QLineEdit(QString::fromStdString(testo), this);
        e->setObjectName(QString::fromLatin1(nome));
        e->setMaxLength(100);
        e->setMinimumWidth(e->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 40);
        return e;
    };
    posta_ = campo("EditPosta", c.IndirizzoPosta);
    host_ = campo("EditHost", c.HostFtp);
    directory_ = campo("EditDirectory", c.DirectoryFtp);
    auto* f = new QFormLayout;
    f->addRow(QStringLiteral("Indirizzo di posta elettronica"), posta_);
    f->addRow(QStringLiteral("Nome dell' Host"), host_);
    f->addRow(QStringLiteral("Directory :"), directory_);
    auto* nota =
        new QLabel(QStringLiteral("Il nome dell'host e la directory sono già impostati, ma in futuro "
                                  "potrebbero cambiare: le indicazioni aggiornate sono nella pagina "
                                  "<a href=\"%1\">%1</a>.")
                       .arg(QString::fromLatin1(IndirizzoPaginaAggiornamenti)),
                   this);
    nota->setObjectName(QStringLiteral("LabelNota"));
    nota->setWordWrap(true);
    nota->setOpenExternalLinks(true);
    auto* l = new QVBoxLayout(this);
    l->addLayout(f);
    l->addWidget(nota);
    l->addWidget(PulsantiOkAnnulla(this));
}

void TFormImpCollegamento::accept()
{
    const TCollegamento campi{posta_->text().toStdString(), host_->text().toStdString(),
                              directory_->text().toStdString()};
    try {
        ImpostaCollegamento(sistema_.Dati().Configurazione, campi, FileConfigurazione());
    } catch (const EErrore& e) {
        Servizi().MostraErrore(this, e.what());
        return;
    }
    QDialog::accept();
}

// ---- Aggiornamento tramite Internet ----

class TFormAggiornamento::TOsservatore final : public TOsservatoreAggiornamento {
   public:
    explicit TOsservatore(TFormAggiornamento& f) : f_(f) {}
    void Occupato(bool si) override
    {
        if (si)
            QApplication::setOverrideCursor(Qt::BusyCursor);
        else
            QApplication::restoreOverrideCursor();
    }
    void Stato(const std::string& testo) override
    {
        f_.stato_->setText(QString::fromStdString(testo));
        f_.lungo_.Pompa(false);
    }
    void NomeFile(const std::string& testo) override { f_.file_->setText(QString::fromStdString(testo)); }
    void Progresso(int percento) override
    {
        f_.barra_->setValue(percento);
        f_.lungo_.Pompa(false);
    }
    void RigaRegistro(const std::string& riga) override
    {
        f_.registro_->appendPlainText(QString::fromStdString(riga));
        f_.lungo_.Pompa(false);
    }
    // Only here does "&Chiudi" stop the work: the core cleans up after this call alone.
    void Attendi() override
    {
        f_.lungo_.Pompa(false);
        if (f_.lungo_.AnnullamentoChiesto()) throw TInterrotto{};
    }

   private:
    TFormAggiornamento& f_;
};

TFormAggiornamento::TFormAggiornamento(TSistema& sistema, QWidget* parent)
    : QDialog(parent), sistema_(sistema), lungo_(*this)
{
    setObjectName(QStringLiteral("FormAggiornamento"));
    setWindowTitle(QStringLiteral("Aggiornamento tramite Internet"));
    stato_ = EtichettaValore("LabelStato", QStringLiteral("Connessione in corso......"));
    file_ = EtichettaValore("LabelFile", QStringLiteral("archivio.mra"));
    barra_ = new QProgressBar(this);
    barra_->setObjectName(QStringLiteral("ProgressBar"));
    barra_->setRange(0, 100);
    registro_ = new QPlainTextEdit(this);
    registro_->setObjectName(QStringLiteral("MemoRegistro"));
    registro_->setReadOnly(true);
    registro_->setMinimumHeight(registro_->fontMetrics().height() * 6);
    registro_->setMinimumWidth(registro_->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 56);
    registro_->setLineWrapMode(QPlainTextEdit::NoWrap);

    auto* f = new QFormLayout;
    f->addRow(QStringLiteral("Stato :"), stato_);
    f->addRow(QStringLiteral("File :"), file_);
    f->addRow(barra_);
    aggiorna_ = Pulsante(this, "AggiornaBtn", QStringLiteral("&Aggiorna"));
    chiudi_ = Pulsante(this, "ChiudiBtn", QStringLiteral("&Chiudi"));
    connect(aggiorna_, &QPushButton::clicked, this, [this] { Aggiorna(); });
    connect(chiudi_, &QPushButton::clicked, this, [this] { Chiudi(); });
    auto* piede = new QDialogButtonBox(this);
    piede->addButton(aggiorna_, QDialogButtonBox::ActionRole);
    piede->addButton(chiudi_, QDialogButtonBox::RejectRole);
    auto* l = new QVBoxLayout(this);
    l->addLayout(f);
    l->addWidget(new QLabel(QStringLiteral("Registro :"), this));
    l->addWidget(registro_, 1);
    l->addWidget(piede);
}

TFormAggiornamento::~TFormAggiornamento() = default;

void TFormAggiornamento::Aggiorna()
{
    if (lungo_.InCorso()) return;
    stato_->clear();
    file_->clear();
    barra_->setValue(0);
    aggiorna_->setEnabled(false);
    TOsservatore osservatore(*this);
    TClientFtpCurl client;
    bool riuscito = false;
    std::string errore;
    try {
        lungo_.Esegui(
            [&] { AggiornaArchivio(sistema_.Dati().Configurazione, client, osservatore, Opzioni); });
        riuscito = true;
    } catch (const TInterrotto&) {
        registro_->appendPlainText(QString::fromLatin1(RigaInterrotto));
    } catch (const EErrore& e) {
        errore = e.what();
    }
    aggiorna_->setEnabled(true);
    if (riuscito) {
        // The files changed under the archive in memory: read them now, or the next save
        // of the editor would write the old contests back over the download.
        const std::string cartella =
            Opzioni.CartellaArchivi.empty() ? CartellaArchivi() : Opzioni.CartellaArchivi;
        try {
            sistema_.Dati().Archivio->Carica(cartella, sistema_.Ricerca);
        } catch (const EErrore& e) {
            errore = e.what();
        }
        if (DopoAggiornamento) DopoAggiornamento();
    }
    if (chiudiAllaFine_) {
        chiudiAllaFine_ = false;
        QDialog::reject();
        return;
    }
    if (!errore.empty())
        Servizi().MostraErrore(this, errore);
    else if (riuscito)
        Servizi().Chiedi(this, TitoloInformazione, MessaggioAggiornamentoCompletato, PulsanteOk);
}

void TFormAggiornamento::Chiudi()
{
    if (lungo_.InCorso()) {
        // The transfer stops at its next turn; the window goes when it has.
        chiudiAllaFine_ = true;
        lungo_.ChiediAnnullamento();
        return;
    }
    QDialog::reject();
}

void TFormAggiornamento::reject()
{
    Chiudi();
}

void TFormAggiornamento::closeEvent(QCloseEvent* e)
{
    if (lungo_.InCorso()) {
        e->ignore();
        Chiudi();
        return;
    }
    QDialog::closeEvent(e);
}

}  // namespace morella::ui
