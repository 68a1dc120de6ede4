#include "FormPrinc.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>

#include "Abilitazioni.h"
#include "Archivio.h"
#include "ComandiConfigurazione.h"
#include "EditSchedina.h"
#include "Errore.h"
#include "FormAiuto.h"
#include "Icone.h"
#include "RegistroFinestre.h"
#include "ServiziUi.h"

namespace morella::ui {

// ---- Status line: four panels at fixed places ----

class TBarraStato : public QWidget {
   public:
    explicit TBarraStato(QWidget* parent) : QWidget(parent)
    {
        for (const char* nome : {"PDoppie", "PTriple", "PColonneI", "PColonneF"}) {
            auto* l = new QLabel(this);
            l->setObjectName(QString::fromLatin1(nome));
            l->setFrameShape(QFrame::Panel);
            l->setFrameShadow(QFrame::Sunken);
            pannelli_.push_back(l);
        }
        setMinimumHeight(pannelli_[0]->sizeHint().height() + 4);
    }
    void Imposta(const TStatusLine& s)
    {
        pannelli_[0]->setText(QString::fromStdString(s.Doppie) + QStringLiteral("  "));
        pannelli_[1]->setText(QString::fromStdString(s.Triple) + QStringLiteral("  "));
        pannelli_[2]->setText(QString::fromStdString(s.ColonneIniziali) + QStringLiteral("  "));
        pannelli_[3]->setText(QString::fromStdString(s.ColonneFinali) + QStringLiteral("  "));
        Disponi();
    }

   protected:
    void resizeEvent(QResizeEvent*) override { Disponi(); }

   private:
    // PDoppie at the left margin, PTriple 8 pixels after it; PColonneF 8 pixels from the
    // right edge and PColonneI 8 pixels to its left.
    void Disponi()
    {
        for (QLabel* l : pannelli_) l->adjustSize();
        const int h = height() - 2;
        auto metti = [h](QLabel* l, int x) { l->setGeometry(x, 1, l->width(), h); };
        metti(pannelli_[0], 4);
        metti(pannelli_[1], pannelli_[0]->geometry().right() + 1 + 8);
        metti(pannelli_[3], width() - 8 - pannelli_[3]->width());
        metti(pannelli_[2], pannelli_[3]->x() - 8 - pannelli_[2]->width());
    }
    std::vector<QLabel*> pannelli_;
};

// ---- Background ----

TSfondo::TSfondo(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Sfondo"));
    pannello_ = new QWidget(this);
    pannello_->setObjectName(QStringLiteral("PannelloSchedina"));
    pannello_->setAutoFillBackground(true);
}

void TSfondo::ImpostaImmagine(const QPixmap& p)
{
    immagine_ = p;
    update();
}

void TSfondo::CentraPannello()
{
    const QSize s = pannello_->size();
    pannello_->move(std::max(0, (width() - s.width()) / 2), std::max(0, (height() - s.height()) / 2));
}

void TSfondo::resizeEvent(QResizeEvent*)
{
    if (Ridimensionato) Ridimensionato(size());
    CentraPannello();
}

void TSfondo::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (immagine_.isNull() || immagine_.width() <= 0 || immagine_.height() <= 0) {
        p.fillRect(rect(), QColor(0, 60, 110));
        return;
    }
    // Tiled from the top-left corner: (width div picture width + 1) by (height div picture height + 1).
    const int colonne = width() / immagine_.width() + 1, righe = height() / immagine_.height() + 1;
    for (int r = 0; r < righe; ++r)
        for (int c = 0; c < colonne; ++c)
            p.drawPixmap(c * immagine_.width(), r * immagine_.height(), immagine_);
}

// ---- Main window ----

TFormPrinc::TFormPrinc(TSistema& sistema, QWidget* parent, int larghezzaSchermo)
    : QMainWindow(parent), sistema_(sistema)
{
    setObjectName(QStringLiteral("FormPrinc"));
    setMinimumSize(640, 480);
    RegistroFinestre().sistemaAperto = &sistema_;
    connect(this, &QObject::destroyed, [aperto = &sistema_] {
        if (RegistroFinestre().sistemaAperto == aperto) RegistroFinestre().sistemaAperto = nullptr;
    });
    sfondo_ = new TSfondo(this);
    setCentralWidget(sfondo_);
    editor_ = new TEditSchedina(sfondo_->Pannello());
    editor_->move(4, 4);

    const bool mascheraCaricata = editor_->ImpostaGioco(Gioco);
    // The coupon is sized for the screen at first (a width given by the caller stands for a
    // screen of the usual 16:9 shape; the bars take about 80 pixels of its height), then
    // follows the window: every resize of the background may give it another pitch.
    int altezzaSchermo = larghezzaSchermo * 9 / 16;
    if (larghezzaSchermo <= 0 && screen()) {
        larghezzaSchermo = screen()->geometry().width();
        altezzaSchermo = screen()->availableGeometry().height();
    }
    AdattaSchedina(QSize(larghezzaSchermo, altezzaSchermo - 80));
    sfondo_->Ridimensionato = [this](QSize area) { AdattaSchedina(area); };

    CreaMenu();
    CreaToolbar();
    barra_ = new TBarraStato(statusBar());
    statusBar()->addWidget(barra_, 1);
    statusBar()->setSizeGripEnabled(false);

    connect(editor_, &TEditSchedina::OnModificato, this, [this] { Esegui([this] { AcquisisceTutto(); }); });
    connect(editor_, &TEditSchedina::NumeroModificato, this, [this](const QString& t) {
        if (documento_.NumeroChange(t.toStdString())) AggiornaStatusLine();
    });
    // The coupon editor's "Analisi" and "Archivio" open windows of the statistics area.
    connect(editor_->BtnAnalisi, &QPushButton::clicked, this, [this] {
        Esegui([this] {
            if (const auto& analisi = RegistroFinestre().analisiSchedina) analisi(sistema_, this);
        });
    });
    connect(editor_->BtnArchivio, &QPushButton::clicked, this, [this] {
        Esegui([this] {
            if (const auto& archivio = RegistroFinestre().archivioSchedina) archivio(sistema_, this);
        });
    });

    // Missing pictures never stop the program: it says so once, when the window is up, and
    // goes on without them.
    if (!mascheraCaricata) avvisi_.push_back(MessaggioMaschera);
    if (!CaricaSfondo()) avvisi_.push_back(MessaggioSfondo);
    AggiornaStatusLine();
    AggiornaAbilitazioni();
}

bool TFormPrinc::CaricaSfondo()
{
    QPixmap p;
    const bool ok = CaricaImmagine(p, FileSfondo(sistema_.Dati().Configurazione));
    sfondo_->ImpostaImmagine(p);
    return ok;
}

void TFormPrinc::Esegui(const std::function<void()>& comando)
{
    try {
        comando();
    } catch (const EErrore& e) {
        Servizi().MostraErrore(this, e.what());
    } catch (const std::bad_alloc&) {
        Servizi().MostraErrore(this, "Memoria Esaurita");
    } catch (const std::exception& e) {
        Servizi().MostraErrore(this, e.what());
    }
    AggiornaStatusLine();
    AggiornaAbilitazioni();
}

QAction* TFormPrinc::Voce(QMenu* menu, const char* nome, const QString& testo, const QKeySequence& tasto,
                          int aiuto, std::function<void()> comando)
{
    QAction* a = menu->addAction(testo);
    a->setObjectName(QString::fromLatin1(nome));
    if (!tasto.isEmpty()) a->setShortcut(tasto);
    a->setProperty("argomentoAiuto", aiuto);
    Collega(a, nome, std::move(comando));
    return a;
}

void TFormPrinc::Collega(QAction* a, const char* comandoRegistrato, std::function<void()> comando)
{
    if (comando) {
        connect(a, &QAction::triggered, this, [this, comando] { Esegui(comando); });
        return;
    }
    // A command whose window lives in another area: the registry runs it, and while the
    // registry has no entry for it the item stays off.
    const std::string chiave(comandoRegistrato);
    registrati_[a] = chiave;
    connect(a, &QAction::triggered, this, [this, chiave] {
        Esegui([this, chiave] {
            const auto& comandi = RegistroFinestre().comandi;
            const auto it = comandi.find(chiave);
            if (it == comandi.end() || !it->second) return;
            TContestoComando contesto{sistema_, this, [this] { DopoComando(); }};
            it->second(contesto);
        });
    });
}

bool TFormPrinc::InAttesa(QAction* a) const
{
    const auto it = registrati_.find(a);
    if (it == registrati_.end()) return false;
    const auto& comandi = RegistroFinestre().comandi;
    const auto c = comandi.find(it->second);
    return c == comandi.end() || !c->second;
}

void TFormPrinc::DopoComando()
{
    ImpostaTutto();
    AggiornaStatusLine();
    AggiornaAbilitazioni();
}

void TFormPrinc::CreaMenu()
{
    QMenuBar* mb = menuBar();
    auto menu = [&](const char* nome, const QString& testo) {
        QMenu* m = mb->addMenu(testo);
        if (nome) m->setObjectName(QString::fromLatin1(nome));
        m->installEventFilter(this);
        return m;
    };
    auto sotto = [this](QMenu* padre, const char* nome, const QString& testo) {
        QMenu* m = padre->addMenu(testo);
        m->setObjectName(QString::fromLatin1(nome));
        m->installEventFilter(this);
        return m;
    };
    const QKeySequence nessuno;

    QMenu* sistemi = menu("Sistemi1", QStringLiteral("&Sistemi"));
    Voce(sistemi, "New1", QStringLiteral("&Nuovo"), nessuno, Aiuto::Nuovo, [this] { New1Click(); });
    Voce(sistemi, "Carica", QStringLiteral("&Carica..."), Qt::Key_F3, Aiuto::Carica,
         [this] { CaricaClick(); });
    Voce(sistemi, "Save1", QStringLiteral("&Salva"), Qt::Key_F2, Aiuto::Salva, [this] { Save1Click(); });
    Voce(sistemi, "SalvaCome", QStringLiteral("Salva Co&me..."), nessuno, Aiuto::SalvaCome,
         [this] { SalvaComeClick(); });
    Voce(sistemi, "Cancella", QStringLiteral("Cance&lla"), nessuno, Aiuto::Cancella,
         [this] { CancellaClick(); });
    sistemi->addSeparator();
    Voce(sistemi, "Commento", QStringLiteral("C&ommento"), nessuno, Aiuto::Commento,
         [this] { CommentoClick(); });
    Voce(sistemi, "Soci1", QStringLiteral("Partecipanti"), nessuno, Aiuto::Partecipanti,
         [this] { Soci1Click(); });

    menuCondizioni_ = menu("Condizionamenti", QStringLiteral("&Condizioni"));
    for (const TDescrizioneTipo& c : DescrizioniTipi()) {
        if (!*c.NomeVoce) continue;  // element kinds live only inside their groups
        if (c.Tipo == TipoPuntiTra)
            Voce(menuCondizioni_, "Link1", QStringLiteral("&Link"), QKeySequence(Qt::CTRL | Qt::Key_L),
                 Aiuto::Link, {})
                ->setCheckable(true);
        const QKeySequence tasto =
            c.TastoCtrl ? QKeySequence(QStringLiteral("Ctrl+") + QChar::fromLatin1(c.TastoCtrl))
                        : QKeySequence();
        QAction* a = Voce(menuCondizioni_, c.NomeVoce, QString::fromUtf8(c.Voce), tasto, c.Aiuto,
                          [this, slot = int(c.Tipo)] { CondizioneClick(slot); });
        a->setCheckable(true);
        a->setProperty("slot", int(c.Tipo));
    }
    // Opening the menu recomputes the marks, and the items too: an editor registered after the
    // last change of the document is offered at once.
    connect(menuCondizioni_, &QMenu::aboutToShow, this, [this] {
        AggiornaAbilitazioni();
        AggiornaSegniCondizioni();
    });

    QMenu* elaborazione = menu("Elaborazione1", QStringLiteral("&Elaborazione"));
    Voce(elaborazione, "ImpostazioneSv", QStringLiteral("&Impostazioni"), nessuno, Aiuto::Impostazioni,
         [this] { ImpostazioneSvClick(); });
    Voce(elaborazione, "CalcoloColonne1", QStringLiteral("&Calcolo Colonne"), Qt::Key_F5,
         Aiuto::CalcoloColonne, [this] { CalcoloColonne1Click(); });
    Voce(elaborazione, "AnalisiStatistica1", QStringLiteral("Analisi &Statistica"), Qt::Key_F9,
         Aiuto::AnalisiStatistica, {});
    Voce(elaborazione, "AnalisiRidotto1", QStringLiteral("Analisi &Ridotto"), Qt::Key_F10,
         Aiuto::AnalisiRidotto, [this] { AnalisiRidotto1Click(); });

    QMenu* colonne = menu("Colonne1", QStringLiteral("Co&lonne"));
    QMenu* visualizza = sotto(colonne, "Visualizza1", QStringLiteral("&Visualizza"));
    Voce(visualizza, "VisDaMemoria1", QStringLiteral("Da &Memoria"), nessuno, Aiuto::Visualizza, {});
    Voce(visualizza, "DaFile3", QStringLiteral("Da &File"), nessuno, Aiuto::Visualizza, {});
    QMenu* dettatura = sotto(colonne, "DettaturaaVoce1", QStringLiteral("&Dettatura a Voce"));
    Voce(dettatura, "DetDaMemoria1", QStringLiteral("Da &Memoria"), nessuno, Aiuto::Dettatura, {});
    Voce(dettatura, "DaFile4", QStringLiteral("Da &File"), nessuno, Aiuto::Dettatura, {});
    QMenu* spoglio = sotto(colonne, "Spoglio1", QStringLiteral("&Spoglio"));
    Voce(spoglio, "SpoglioDaMemoria1", QStringLiteral("Da &Memoria"), Qt::Key_F7, Aiuto::Spoglio, {});
    Voce(spoglio, "DaFile1", QStringLiteral("Da &File"), nessuno, Aiuto::Spoglio, {});
    Voce(colonne, "Operazioni1", QStringLiteral("&Operazioni"), nessuno, Aiuto::Operazioni, {});
    Voce(colonne, "SalvasuDisco1", QStringLiteral("Salva su Dis&co"), nessuno, Aiuto::SalvaSuDisco,
         [this] { SalvasuDisco1Click(); });

    QMenu* archivio = menu("Archivio1", QStringLiteral("&Archivio"));
    Voce(archivio, "Editazione1", QStringLiteral("&Aggiornamento"), nessuno, Aiuto::ArchivioAggiornamento,
         {});
    Voce(archivio, "Visualizzazione1", QStringLiteral("&Visualizzazione"), nessuno,
         Aiuto::ArchivioVisualizzazione, {});
    Voce(archivio, "ImpostazioniDiRicerca1", QStringLiteral("&Impostazioni Di Ricerca"),
         QKeySequence(Qt::CTRL | Qt::Key_R), Aiuto::ImpostazioniRicerca, {});

    QMenu* impostazioni = menu("Impostazioni2", QStringLiteral("&Impostazioni"));
    Voce(impostazioni, "Accorpamentoautomatico1", QStringLiteral("Accorpamento automatico"), nessuno,
         Aiuto::Accorpamento, [this] { AccorpamentoautomaticoClick(); })
        ->setCheckable(true);
    Voce(impostazioni, "CostoColonna", QStringLiteral("&Costo Colonna"), nessuno, Aiuto::CostoColonna,
         [this] { CostoColonnaClick(); });
    Voce(impostazioni, "MotivoDiSfondo1", QStringLiteral("&Motivo Di Sfondo"), nessuno, Aiuto::Sfondo,
         [this] { MotivoDiSfondo1Click(); });

    QMenu* internet = menu("Internet1", QStringLiteral("Internet"));
    Voce(internet, "Impostazioni1", QStringLiteral("&Impostazioni"), nessuno, Aiuto::InternetImpostazioni,
         {});
    Voce(internet, "Aggiornamento1", QStringLiteral("&Aggiornamento"), nessuno, Aiuto::InternetAggiornamento,
         {});

    QMenu* stampa = menu("Stampa1", QStringLiteral("Stam&pa"));
    Voce(stampa, "TaraturaStampante1", QStringLiteral("&Taratura Stampante"), nessuno,
         Gioco == GiocoToto ? Aiuto::TaraturaToto : Aiuto::TaraturaAltri, {});
    QMenu* stampaColonne = sotto(stampa, "StampaColonne1", QStringLiteral("&Stampa Colonne"));
    stampaColonne->menuAction()->setProperty("argomentoAiuto", Aiuto::StampaColonne);
    Voce(stampaColonne, "StDamemoria1", QStringLiteral("Da Memoria"), Qt::Key_F8, Aiuto::StampaColonne, {});
    Voce(stampaColonne, "DaFile2", QStringLiteral("Da File "), nessuno, Aiuto::StampaColonne, {});
    Voce(stampa, "StampaProspetto", QStringLiteral("Stampa &Prospetto"), Qt::Key_F6, Aiuto::StampaProspetto,
         [this] { StampaProspettoClick(); });

    // F1 outside the menus: the contents page.
    auto* contenuti = new QAction(this);
    contenuti->setObjectName(QStringLiteral("AiutoF1"));
    contenuti->setShortcut(Qt::Key_F1);
    connect(contenuti, &QAction::triggered, this, [this] { Servizi().ApriAiuto(this, Aiuto::Sommario); });
    addAction(contenuti);

    QMenu* help = menu("Help1", QStringLiteral("&Help"));
    Voce(help, "Indice1", QStringLiteral("Sommario"), nessuno, Aiuto::Sommario,
         [this] { Servizi().ApriAiuto(this, Aiuto::Sommario); });
    Voce(help, "About1", QStringLiteral("About"), nessuno, Aiuto::About,
         [this] { MostraInformazioniSu(this); });
}

QAction* TFormPrinc::Pulsante(const char* nome, const QString& suggerimento, std::function<void()> comando,
                              const char* voce)
{
    auto* barra = findChild<QToolBar*>(QStringLiteral("ToolBar"));
    QAction* a = barra->addAction(IconaPulsante(QString::fromLatin1(nome)), suggerimento);
    a->setObjectName(QString::fromLatin1(nome));
    a->setToolTip(suggerimento);
    if (QWidget* w = barra->widgetForAction(a)) w->setObjectName(QString::fromLatin1(nome));
    Collega(a, voce ? voce : nome, std::move(comando));
    return a;
}

void TFormPrinc::CreaToolbar()
{
    auto* barra = addToolBar(QStringLiteral("Comandi"));
    barra->setObjectName(QStringLiteral("ToolBar"));
    barra->setMovable(false);
    barra->setIconSize(QSize(24, 24));
    Pulsante("SpeedNuovo", QStringLiteral("Nuovo Sistema"), [this] { New1Click(); });
    Pulsante("SpeedCarica", QStringLiteral("Carica Sistema"), [this] { CaricaClick(); });
    Pulsante("SpeedSalva", QStringLiteral("Salva Sistema"), [this] { Save1Click(); });
    Pulsante("SpeedHelp", QStringLiteral("Help"), [this] { Servizi().ApriAiuto(this, Aiuto::Sommario); });
    Pulsante("SpeedUscita", QStringLiteral("Uscita"), [this] { close(); });
    barra->addSeparator();
    Pulsante("SpeedCommento", QStringLiteral("Commento"), [this] { CommentoClick(); });
    Pulsante("SpeedQuadro", QStringLiteral("Quadri"), [this] { CondizioneClick(TipoQuadro); });
    Pulsante("SpeedStSche", QStringLiteral("Stampa Schedine"), {}, "StDamemoria1");
    Pulsante("SpeedStProsp", QStringLiteral("Stampa Prospetto"), [this] { StampaProspettoClick(); });
    Pulsante("SpeedSviluppa", QStringLiteral("Sviluppo"), [this] { CalcoloColonne1Click(); });
    Pulsante("SpeedSpoglio", QStringLiteral("Spoglio"), {}, "SpoglioDaMemoria1");
    Pulsante("SpeedVis", QStringLiteral("Visualizza colonne"), {}, "VisDaMemoria1");
    Pulsante("SpeedButton14", QStringLiteral("Aggiornamento Tramite Internet"), {}, "Aggiornamento1");
}

QAction* TFormPrinc::Azione(const QString& nome) const
{
    for (QAction* a : findChildren<QAction*>(nome)) return a;
    // Menu items belong to their menus.
    for (QMenu* m : findChildren<QMenu*>())
        for (QAction* a : m->actions())
            if (a->objectName() == nome) return a;
    return nullptr;
}

QStringList TFormPrinc::ComandiInAttesa() const
{
    QStringList nomi;
    for (const auto& [a, chiave] : registrati_)
        if (InAttesa(a)) nomi << a->objectName();
    nomi.sort();
    return nomi;
}

void TFormPrinc::Abilita(const char* nome, bool stato)
{
    QAction* a = Azione(QString::fromLatin1(nome));
    if (!a) return;
    a->setEnabled(stato && !InAttesa(a));
}

void TFormPrinc::AggiornaAbilitazioni()
{
    const TDatiSistema& d = sistema_.Dati();
    TStatoDocumento s;
    s.Colonne = d.Colonne.Conta();
    s.Concorsi = d.Archivio ? d.Archivio->NumeroConcorsi() : 0;
    s.PronosticoCompleto = editor_->Pronostico->PronosticoCompleto();
    s.DaFileColonnare = !d.Impostazioni.DaPronostico;
    s.ValoriAttivi = editor_->ValoriCompleti();
    s.PercentualiAttive = editor_->PercentualiComplete();
    s.PossibilitaCalcolate = d.PossibilitaCalcolate;
    const TAbilitazioni a = morella::AggiornaAbilitazioni(s);
    const auto& registro = RegistroFinestre();

    // The registered commands without a rule of their own: on when their window is there.
    for (const auto& [azione, chiave] : registrati_) azione->setEnabled(!InAttesa(azione));
    menuCondizioni_->menuAction()->setEnabled(a.Condizioni);
    // A condition's item opens its editor; the kinds whose editors are not there yet stay off.
    for (QAction* v : menuCondizioni_->actions()) {
        const int slot = v->property("slot").toInt();
        if (slot == 0) continue;
        v->setEnabled(VoceCondizioneAbilitata(a, slot, EditoreRegistrato(static_cast<TipoCondizione>(slot))));
    }
    Abilita("SpeedQuadro", a.Condizioni && EditoreRegistrato(TipoQuadro));
    Abilita("CalcoloColonne1", a.CalcoloColonne && static_cast<bool>(registro.sviluppo));
    Abilita("SpeedSviluppa", a.CalcoloColonne && static_cast<bool>(registro.sviluppo));
    Abilita("AnalisiRidotto1", a.AnalisiRidotto && static_cast<bool>(registro.possibilita));
    Abilita("AnalisiStatistica1", a.AnalisiStatistica);
    Abilita("Visualizzazione1", a.VisualizzaArchivio);
    for (const char* nome : {"VisDaMemoria1", "DetDaMemoria1", "SpoglioDaMemoria1", "StDamemoria1",
                             "SpeedVis", "SpeedStSche", "SpeedSpoglio"})
        Abilita(nome, a.DaMemoria);
    Abilita("SalvasuDisco1", a.SalvaSuDisco);
    editor_->BtnAnalisi->setEnabled(a.AnalisiSchedina && static_cast<bool>(registro.analisiSchedina));
    editor_->BtnArchivio->setEnabled(a.ArchivioSchedina && static_cast<bool>(registro.archivioSchedina));
    // A submenu none of whose items can run is off as well.
    for (const char* nome : {"Visualizza1", "DettaturaaVoce1", "Spoglio1", "StampaColonne1"})
        if (auto* m = findChild<QMenu*>(QString::fromLatin1(nome))) {
            const auto voci = m->actions();
            m->menuAction()->setEnabled(
                std::any_of(voci.begin(), voci.end(), [](QAction* v) { return v->isEnabled(); }));
        }
}

void TFormPrinc::AggiornaSegniCondizioni()
{
    TElencoCondizioni& elenco = *sistema_.Dati().Condizioni;
    elenco.Prepara();
    for (QAction* v : menuCondizioni_->actions()) {
        const int slot = v->property("slot").toInt();
        if (slot > 0) {
            // Marked as the development would take it: switched on and admitting something.
            const TCondizione* c = elenco.Condizione(slot);
            v->setChecked(SpuntaVoce(v->isEnabled(), c && c->Attivo && c->Attivato));
        }
    }
    if (QAction* link = Azione(QStringLiteral("Link1")))
        link->setChecked(
            SpuntaVoce(link->isEnabled(), !sistema_.Dati().Condizioni->CalcolaLettereInUso().empty()));
}

void TFormPrinc::AggiornaStatusLine()
{
    const TStatusLine s = sistema_.AggiornaStatusLine();
    barra_->Imposta(s);
    // Qt's marker of unsaved changes: the title bar shows "*" while the system is modified.
    setWindowTitle(QString::fromStdString(s.Titolo) + QStringLiteral("[*]"));
    setWindowModified(sistema_.Modificato);
}

void TFormPrinc::AdattaSchedina(QSize area)
{
    const int passo = editor_->PassoPerArea(area.width(), area.height(), 8);
    if (passo == editor_->DeltaY() && sfondo_->Pannello()->width() == editor_->width() + 8) return;
    editor_->ImpostaGrandezza(passo);
    sfondo_->Pannello()->resize(editor_->width() + 8, editor_->height() + 8);
    sfondo_->CentraPannello();
}

void TFormPrinc::ImpostaTutto()
{
    editor_->ImpostaContenuto(documento_.ImpostaTutto());
    AggiornaStatusLine();
    AggiornaAbilitazioni();
}

void TFormPrinc::AcquisisceTutto()
{
    documento_.AcquisisceTutto(editor_->Contenuto());
    AggiornaAbilitazioni();
    AggiornaStatusLine();
}

void TFormPrinc::PrimoShow(const std::string& fileArgomento)
{
    for (const std::string& avviso : avvisi_) Servizi().MostraErrore(this, avviso);
    avvisi_.clear();
    AggiornaAbilitazioni();
    AcquisisceTutto();
    sistema_.Modificato = false;
    if (QAction* a = Azione(QStringLiteral("Accorpamentoautomatico1")))
        a->setChecked(sistema_.Dati().Configurazione.AccorpamentoAutomatico);
    if (!fileArgomento.empty())
        Esegui([&] {
            sistema_.Carica(fileArgomento);
            sistema_.SenzaNome = false;
            ImpostaTutto();
            sistema_.Modificato = false;
        });
    editor_->AzzeraModificato();
    AggiornaStatusLine();
}

void TFormPrinc::closeEvent(QCloseEvent* e)
{
    // A save that fails on the way out keeps the window, and the system, where they are.
    bool avanti = false;
    Esegui([&] {
        TDomandaUi domanda(this);
        avanti = sistema_.Conferma(domanda, true, [this] { return Save1Click(); });
    });
    if (avanti)
        e->accept();
    else
        e->ignore();
}

bool TFormPrinc::eventFilter(QObject* o, QEvent* e)
{
    // F1 on an open menu: the help page of the highlighted item.
    if (e->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(e)->key() == Qt::Key_F1) {
        if (auto* m = qobject_cast<QMenu*>(o)) {
            const QAction* a = m->activeAction();
            const int argomento = a && a->property("argomentoAiuto").isValid()
                                      ? a->property("argomentoAiuto").toInt()
                                      : Aiuto::Sommario;
            Servizi().ApriAiuto(this, argomento);
            return true;
        }
    }
    return QMainWindow::eventFilter(o, e);
}

}  // namespace morella::ui
