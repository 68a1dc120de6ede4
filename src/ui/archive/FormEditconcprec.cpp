#include "FormEditconcprec.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "ArgomentiAiuto.h"
#include "CsvArchivio.h"
#include "Errore.h"
#include "Fabbriche.h"
#include "Gioco.h"
#include "LungaElaborazione.h"
#include "Sistema.h"

namespace morella::ui {

// The "Aggiornamento DataBase" window while OK rebuilds the database: seven equal steps.
class TFormEditconcprec::TProgressoDataBase final : public TOsservatoreDataBase {
   public:
    explicit TProgressoDataBase(QWidget* padre) : finestra_(padre), lungo_(finestra_)
    {
        finestra_.setObjectName(QStringLiteral("FormAggiornamentoDataBase"));
        finestra_.setWindowTitle(QStringLiteral("Aggiornamento DataBase"));
        barra_ = new QProgressBar(&finestra_);
        barra_->setObjectName(QStringLiteral("Gauge"));
        barra_->setTextVisible(false);
        barra_->setMinimumWidth(finestra_.fontMetrics().horizontalAdvance(QLatin1Char('M')) * 24);
        auto* l = new QVBoxLayout(&finestra_);
        l->addWidget(barra_);
    }
    void Inizio(const std::string& titolo) override
    {
        finestra_.setWindowTitle(QString::fromStdString(titolo));
        barra_->setRange(0, 7);
        barra_->setValue(0);
        finestra_.show();
        lungo_.Pompa(true);
    }
    void Passo(int passo, int passi) override
    {
        barra_->setRange(0, passi);
        barra_->setValue(passo);
        lungo_.Pompa(false);
    }
    void Fine() override { finestra_.hide(); }
    TLungaElaborazione& Lungo() { return lungo_; }

   private:
    QDialog finestra_;
    TLungaElaborazione lungo_;
    QProgressBar* barra_ = nullptr;
};

TFormEditconcprec::TFormEditconcprec(TSistema& sistema, QWidget* parent)
    : QDialog(parent), sistema_(sistema), domanda_(this)
{
    setObjectName(QStringLiteral("FormEditconcprec"));
    setWindowTitle(QStringLiteral("Aggiornamento Archivio"));
    editore_ = std::make_unique<TEditoreArchivio>(*sistema.Dati().Archivio, sistema.Ricerca, domanda_);
    progresso_ = std::make_unique<TProgressoDataBase>(this);
    editore_->ImpostaAggiornamentoDataBase(&sistema.Dati().Configurazione, progresso_.get());

    auto campo = [this](const char* nome, int lunghezza) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QString::fromLatin1(nome));
        e->setMaxLength(lunghezza);
        return e;
    };
    stagione_ = campo("EditStagione", 6);
    numero_ = campo("EditNumero", 4);
    // Blanks between groups are allowed: room for one after every sign.
    colonna_ = campo("EditColonna", 2 * NumEvents);
    colonna_->setMinimumWidth(colonna_->fontMetrics().horizontalAdvance(QLatin1Char('X')) * (NumEvents + 8));
    connect(colonna_, &QLineEdit::textEdited, this, [this](const QString& t) {
        // Upper case as it is typed, the cursor where it was.
        const int cursore = colonna_->cursorPosition();
        colonna_->setText(t.toUpper());
        colonna_->setCursorPosition(cursore);
    });

    auto* dati = new QGroupBox(QStringLiteral("Concorso"), this);
    auto* f = new QFormLayout(dati);
    f->addRow(QStringLiteral("&Stagione"), stagione_);
    f->addRow(QStringLiteral("Concorso &Nº"), numero_);
    f->addRow(QStringLiteral("&Colonna Vincente"), colonna_);

    auto* mosse = new QGridLayout;
    auto aggiungi = [&](const char* nome, const QString& testo, int r, int c, auto azione) {
        QPushButton* b = Pulsante(this, nome, testo);
        connect(b, &QPushButton::clicked, this, azione);
        mosse->addWidget(b, r, c);
    };
    aggiungi("PrimoBtn", QStringLiteral("Primo"), 0, 0, [this] { Muovi(&TEditoreArchivio::Primo); });
    aggiungi("PrecedenteBtn", QStringLiteral("Precedente"), 0, 1,
             [this] { Muovi(&TEditoreArchivio::Precedente); });
    aggiungi("SuccessivoBtn", QStringLiteral("Successivo"), 0, 2,
             [this] { Muovi(&TEditoreArchivio::Successivo); });
    aggiungi("UltimoBtn", QStringLiteral("Ultimo"), 0, 3, [this] { Muovi(&TEditoreArchivio::Ultimo); });
    aggiungi("AggiungiBtn", QStringLiteral("Aggiungi"), 1, 0, [this] { Muovi(&TEditoreArchivio::Aggiungi); });
    aggiungi("EliminaBtn", QStringLiteral("Elimina"), 1, 1, [this] { Elimina(); });
    aggiungi("ImportaCsvBtn", QStringLiteral("Importa CSV..."), 1, 2, [this] { ImportaCsv(); });
    aggiungi("EsportaCsvBtn", QStringLiteral("Esporta CSV..."), 1, 3, [this] { EsportaCsv(); });

    QDialogButtonBox* piede = PulsantiOkAnnulla(this);
    QPushButton* aiuto = piede->addButton(QStringLiteral("Aiuto"), QDialogButtonBox::HelpRole);
    aiuto->setObjectName(QStringLiteral("AiutoBtn"));
    aiuto->setAutoDefault(false);
    connect(aiuto, &QPushButton::clicked, this,
            [this] { Servizi().ApriAiuto(this, Aiuto::ArchivioAggiornamento); });

    auto* l = new QVBoxLayout(this);
    l->addWidget(dati);
    l->addLayout(mosse);
    l->addWidget(piede);
}

TFormEditconcprec::~TFormEditconcprec() = default;

void TFormEditconcprec::Apri()
{
    editore_->Apri();
    Mostra();
}

void TFormEditconcprec::Mostra()
{
    stagione_->setText(QString::fromStdString(editore_->Stagione()));
    numero_->setText(QString::fromStdString(editore_->Numero()));
    colonna_->setText(QString::fromStdString(editore_->Colonna()));
}

void TFormEditconcprec::Leggi()
{
    editore_->ImpostaStagione(stagione_->text().toStdString());
    editore_->ImpostaNumero(numero_->text().toStdString());
    editore_->ImpostaColonna(colonna_->text().toStdString());
}

void TFormEditconcprec::Rifiutato()
{
    switch (editore_->CampoDaCorreggere()) {
        case TCampoEditor::Stagione:
            stagione_->setFocus();
            break;
        case TCampoEditor::Numero:
            numero_->setFocus();
            break;
        case TCampoEditor::Colonna:
            colonna_->setFocus();
            break;
        case TCampoEditor::Nessuno:
            break;
    }
}

void TFormEditconcprec::Muovi(bool (TEditoreArchivio::*mossa)())
{
    Leggi();
    if ((editore_.get()->*mossa)())
        Mostra();
    else
        Rifiutato();
}

void TFormEditconcprec::Elimina()
{
    if (editore_->Elimina()) Mostra();
}

void TFormEditconcprec::ImportaCsv()
{
    TRichiestaFile r;
    r.Titolo = "Importa Concorsi Da File CSV";
    r.Filtro = "File CSV|*.csv";
    r.Estensione = "csv";
    r.Cartella = CartellaArchivi();
    r.DeveEsistere = true;
    const std::optional<std::string> file = Servizi().ScegliFile(this, r);
    if (!file) return;
    std::vector<T_Concorso> concorsi;
    try {
        concorsi = CaricaCsvArchivio(*file);
    } catch (const EErrore& e) {
        Servizi().MostraErrore(this, e.what());
        return;
    }
    const int risposta = Servizi().Chiedi(
        this, TitoloConferma,
        "Il file contiene " + std::to_string(concorsi.size()) +
            " concorsi. Vuoi che sostituiscano tutto l'archivio ? (No: sono uniti all'archivio)",
        PulsanteSi | PulsanteNo | PulsanteAnnulla);
    if (risposta != PulsanteSi && risposta != PulsanteNo) return;
    Leggi();
    bool importati = false;
    try {
        importati = editore_->Importa(concorsi, risposta == PulsanteSi);
    } catch (const EErrore& e) {
        Servizi().MostraErrore(this, e.what());
        return;
    }
    if (importati)
        Mostra();
    else
        Rifiutato();
}

void TFormEditconcprec::EsportaCsv()
{
    // What is typed is stored first, so the file holds what the player sees.
    Leggi();
    if (!editore_->ControllaconcorsoInEsame()) {
        Rifiutato();
        return;
    }
    TRichiestaFile r;
    r.Salva = true;
    r.Titolo = "Esporta L'Archivio In Un File CSV";
    r.Filtro = "File CSV|*.csv";
    r.Estensione = "csv";
    r.Cartella = CartellaArchivi();
    r.Nome = "archivio.csv";
    const std::optional<std::string> file = Servizi().ScegliFile(this, r);
    if (!file) return;
    try {
        EsportaCsvArchivio(*sistema_.Dati().Archivio, *file);
    } catch (const EErrore& e) {
        Servizi().MostraErrore(this, e.what());
    }
}

void TFormEditconcprec::accept()
{
    Leggi();
    bool chiudi = false;
    try {
        progresso_->Lungo().Esegui([this, &chiudi] { chiudi = editore_->Conferma(); });
    } catch (const EErrore& e) {
        // The lock of another program, a file changed meanwhile, a failed save: nothing was
        // written, the typed contests are still here.
        Servizi().MostraErrore(this, e.what());
        return;
    }
    if (!chiudi) {
        Rifiutato();
        return;
    }
    try {
        editore_->Chiudi();  // reads back what was just saved
    } catch (const EErrore& e) {
        Servizi().MostraErrore(this, e.what());
    }
    QDialog::accept();
}

void TFormEditconcprec::reject()
{
    Leggi();
    if (!editore_->ConfermaAbbandono()) return;
    try {
        editore_->Chiudi();
    } catch (const EErrore& e) {
        Servizi().MostraErrore(this, e.what());
    }
    QDialog::reject();
}

}  // namespace morella::ui
