#include "FormQuadro.h"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <filesystem>

#include "Archivio.h"
#include "Cartelle.h"
#include "CorniceEditore.h"
#include "DatiSistema.h"
#include "EditoriCondizioni.h"
#include "ElencoCondizioni.h"
#include "Errore.h"
#include "FileQuadri.h"
#include "FormAlbero.h"
#include "FormInsCol.h"
#include "PannelloSc.h"

namespace morella::ui {

namespace {

QString Q(const std::string& s)
{
    return QString::fromStdString(s);
}

QToolButton* BottoneDi(QWidget* padre, QAction* a)
{
    auto* b = new QToolButton(padre);
    b->setDefaultAction(a);
    b->setObjectName(a->objectName() + QStringLiteral("Btn"));
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    return b;
}

}  // namespace

TFormQuadro::TFormQuadro(QWidget* parent) : TFormCondizione(TitoloEditore(TipoQuadro), parent)
{
    setObjectName(QStringLiteral("FormQuadro"));
    modello_ = std::make_unique<TModelloQuadro>(domanda_);

    // Commands: in the menu bar and, the ones used most, as buttons over the rows.
    auto* barraMenu = new QMenuBar(this);
    barraMenu->setObjectName(QStringLiteral("MenuQuadro"));
    layout()->setMenuBar(barraMenu);
    QMenu* quadro = barraMenu->addMenu(QStringLiteral("&Quadro"));
    QMenu* condizioni = barraMenu->addMenu(QStringLiteral("&Condizioni"));
    menuNuova_ = new QMenu(QStringLiteral("Nuova"), this);
    menuNuova_->setObjectName(QStringLiteral("MenuNuova"));
    for (const auto& [tipo, testo] : VociNuova()) {
        QAction* a = menuNuova_->addAction(Q(testo));
        a->setObjectName(QStringLiteral("Nuova%1").arg(tipo));
        connect(a, &QAction::triggered, this, [this, t = tipo] { Nuova(t); });
    }
    condizioni->addMenu(menuNuova_);
    QAction* taglia = NuovaAzione("Taglia", QStringLiteral("Taglia"), &TFormQuadro::Taglia);
    taglia->setShortcut(QKeySequence::Cut);
    QAction* copia = NuovaAzione("Copia", QStringLiteral("Copia"), &TFormQuadro::Copia);
    copia->setShortcut(QKeySequence::Copy);
    QAction* incolla = NuovaAzione("Incolla", QStringLiteral("Incolla"), &TFormQuadro::Incolla);
    incolla->setShortcut(QKeySequence::Paste);
    QAction* elimina = NuovaAzione("Elimina", QStringLiteral("Elimina"), &TFormQuadro::Elimina);
    condizioni->addActions({taglia, copia, incolla, elimina});
    condizioni->addSeparator();
    condizioni->addAction(
        NuovaAzione("CaricaCondizioni", QStringLiteral("Carica"), &TFormQuadro::CaricaCondizioni));
    condizioni->addAction(
        NuovaAzione("SalvaCondizioni", QStringLiteral("Salva"), &TFormQuadro::SalvaCondizioni));
    condizioni->addSeparator();
    condizioni->addAction(NuovaAzione("ColonneArchivio", QStringLiteral("Colonne Filtro Dall'Archivio"),
                                      &TFormQuadro::ColonneDaArchivio));
    condizioni->addAction(NuovaAzione("Adatta", QStringLiteral("Adatta"), &TFormQuadro::Adatta));
    quadro->addAction(
        NuovaAzione("CaricaQuadro", QStringLiteral("Carica Quadro"), &TFormQuadro::CaricaQuadro));
    quadro->addAction(NuovaAzione("SalvaQuadro", QStringLiteral("Salva Quadro"), &TFormQuadro::SalvaQuadro));
    quadro->addSeparator();
    QAction* precedente =
        NuovaAzione("QuadroPrecedente", QStringLiteral("Quadro Precedente"), &TFormQuadro::QuadroPrecedente);
    QAction* alberoA =
        NuovaAzione("AlberoCondizioni", QStringLiteral("Albero Condizioni"), &TFormQuadro::ApriAlbero);
    quadro->addActions({precedente, alberoA});

    auto* testa = new QHBoxLayout;
    auto* etichettaNome = new QLabel(QStringLiteral("Nome Del Quadro"), this);
    nome_ = new QLineEdit(this);
    nome_->setObjectName(QStringLiteral("NomeQuadro"));
    nome_->setMaxLength(255);
    etichettaNome->setBuddy(nome_);
    didascalia_ = new QLabel(this);
    didascalia_->setObjectName(QStringLiteral("Didascalia"));
    testa->addWidget(etichettaNome);
    testa->addWidget(nome_, 1);
    testa->addWidget(didascalia_);
    Area()->addLayout(testa);

    auto* comandi = new QHBoxLayout;
    auto* nuova = new QToolButton(this);
    nuova->setObjectName(QStringLiteral("NuovaBtn"));
    nuova->setText(QStringLiteral("Nuova"));
    nuova->setMenu(menuNuova_);
    nuova->setPopupMode(QToolButton::InstantPopup);
    comandi->addWidget(nuova);
    for (QAction* a : {taglia, copia, incolla, elimina}) comandi->addWidget(BottoneDi(this, a));
    comandi->addSpacing(12);
    comandi->addWidget(BottoneDi(this, precedente));
    comandi->addWidget(BottoneDi(this, alberoA));
    comandi->addStretch(1);
    Area()->addLayout(comandi);

    // The seven rows and their scroll bar, beside the coupon panel that "Adatta" reads.
    auto* centro = new QHBoxLayout;
    auto* elenco = new QGroupBox(QStringLiteral("Condizioni"), this);
    elenco->setObjectName(QStringLiteral("Righe"));
    auto* griglia = new QGridLayout(elenco);
    griglia->setSpacing(2);
    for (int i = 0; i < TModelloQuadro::RigheVisibili; ++i) {
        TRigaWidget& r = righe_[static_cast<std::size_t>(i)];
        r.Marca = new QCheckBox(elenco);
        r.Marca->setObjectName(QStringLiteral("Marca%1").arg(i));
        r.Testo = new QPushButton(elenco);
        r.Testo->setObjectName(QStringLiteral("Riga%1").arg(i));
        r.Testo->setCheckable(true);
        r.Testo->setFlat(true);
        r.Testo->setAutoDefault(false);
        r.Testo->setStyleSheet(QStringLiteral("text-align: left; padding: 2px 6px;"));
        // Wide enough for a long name; on a wide screen the rows stay together at the left.
        const int x = fontMetrics().horizontalAdvance(QLatin1Char('x'));
        r.Testo->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        r.Testo->setMinimumWidth(x * 18);
        r.Testo->setMaximumWidth(x * 40);
        r.Apri = new QToolButton(elenco);
        r.Apri->setObjectName(QStringLiteral("Apri%1").arg(i));
        r.Apri->setText(QStringLiteral("Modifica"));
        // An empty row keeps its room: the list and its scroll bar do not move.
        for (QWidget* w : {static_cast<QWidget*>(r.Marca), static_cast<QWidget*>(r.Testo),
                           static_cast<QWidget*>(r.Apri)}) {
            QSizePolicy sp = w->sizePolicy();
            sp.setRetainSizeWhenHidden(true);
            w->setSizePolicy(sp);
        }
        griglia->addWidget(r.Marca, i, 0);
        griglia->addWidget(r.Testo, i, 1);
        griglia->addWidget(r.Apri, i, 2);
        connect(r.Marca, &QCheckBox::toggled, this, [this, i](bool marcato) {
            if (aggiornando_) return;
            const auto righe = modello_->Righe();
            if (i < static_cast<int>(righe.size()))
                modello_->Marca(righe[static_cast<std::size_t>(i)].Posizione, marcato);
            MostraComandi();
        });
        connect(r.Testo, &QPushButton::clicked, this, [this, i] {
            if (aggiornando_) return;
            const auto righe = modello_->Righe();
            if (i >= static_cast<int>(righe.size())) return;
            const TRigaQuadro& riga = righe[static_cast<std::size_t>(i)];
            modello_->Seleziona(riga.Corrente ? 0 : riga.Posizione);
            MostraRighe();
        });
        connect(r.Apri, &QToolButton::clicked, this, [this, i] { ApriRiga(i); });
    }
    barra_ = new QScrollBar(Qt::Vertical, elenco);
    barra_->setObjectName(QStringLiteral("ScrollBar"));
    barra_->setPageStep(TModelloQuadro::RigheVisibili);
    griglia->addWidget(barra_, 0, 3, TModelloQuadro::RigheVisibili, 1);
    griglia->setColumnStretch(1, 1);
    griglia->setColumnStretch(4, 1);
    connect(barra_, &QScrollBar::valueChanged, this, [this](int v) {
        if (aggiornando_) return;
        modello_->Scorri(v);
        MostraRighe();
    });
    centro->addWidget(elenco, 1);

    auto* adatta = new QGroupBox(QStringLiteral("Partite Da Adattare"), this);
    adatta->setObjectName(QStringLiteral("GruppoAdatta"));
    auto* la = new QVBoxLayout(adatta);
    pannello_ = new TPannelloSc(adatta);
    pannello_->setObjectName(QStringLiteral("PannelloSc"));
    la->addWidget(pannello_);
    auto* adattaBtn = BottoneDi(adatta, Comando("Adatta"));
    la->addWidget(adattaBtn, 0, Qt::AlignRight);
    la->addWidget(BottoneDi(adatta, Comando("ColonneArchivio")), 0, Qt::AlignRight);
    centro->addWidget(adatta);
    Area()->addLayout(centro);

    auto* relazione = new QGroupBox(QStringLiteral("Relazione Tra le Condizioni"), this);
    relazione->setObjectName(QStringLiteral("Relazione"));
    auto* lr = new QHBoxLayout(relazione);
    // The mode and the relation are two separate choices: each has a parent of its own.
    auto* riquadroModo = new QWidget(relazione);
    auto* modo = new QVBoxLayout(riquadroModo);
    modo->setContentsMargins(0, 0, 0, 0);
    preset_ = new QRadioButton(QStringLiteral("Preset"), riquadroModo);
    preset_->setObjectName(QStringLiteral("Preset"));
    particolari_ = new QRadioButton(QStringLiteral("Particolari"), riquadroModo);
    particolari_->setObjectName(QStringLiteral("Particolari"));
    modo->addWidget(preset_);
    modo->addWidget(particolari_);
    lr->addWidget(riquadroModo);
    lr->addSpacing(16);
    auto* riquadroRelazioni = new QWidget(relazione);
    auto* rel = new QGridLayout(riquadroRelazioni);
    rel->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < 4; ++i) {
        auto* b = new QRadioButton(Q(TestoRelazione(i)), riquadroRelazioni);
        b->setObjectName(QStringLiteral("Relazione%1").arg(i));
        relazioni_[static_cast<std::size_t>(i)] = b;
        rel->addWidget(b, i / 2, i % 2);
        connect(b, &QRadioButton::clicked, this, [this, i] {
            if (aggiornando_) return;
            Salva();
            modello_->ImpostaRelazione(i);
            Ricarica(false);
        });
    }
    lr->addWidget(riquadroRelazioni);
    lr->addStretch(1);
    connect(preset_, &QRadioButton::clicked, this, [this] {
        if (aggiornando_) return;
        Salva();
        modello_->ImpostaPreset(true);
        Ricarica(false);
    });
    connect(particolari_, &QRadioButton::clicked, this, [this] {
        if (aggiornando_) return;
        Salva();
        modello_->ImpostaPreset(false);
        Ricarica(false);
    });
    Area()->addWidget(relazione);

    accettate_ = new TGraphPt(this);
    accettate_->setObjectName(QStringLiteral("PtAccettate"));
    accettate_->ImpostaTitolo(QStringLiteral("Condizioni Accettate"));
    Area()->addWidget(accettate_, 0, Qt::AlignLeft);
    LegaTabella(accettate_, [](TCondizione& c) -> TTabellaValori* {
        auto* q = dynamic_cast<TQuadro*>(&c);
        return q ? &q->CondizioniAccettate : nullptr;
    });
    Area()->addStretch(1);

    albero_ = new TFormAlbero(this);
    connect(albero_, &TFormAlbero::NodoAttivato, this, [this](int riga) {
        Salva();
        modello_->AttivaNodo(riga);
        Ricarica(true);
        albero_->Disegna(modello_->Sessione().Albero());
    });
}

TFormQuadro::~TFormQuadro() = default;

QAction* TFormQuadro::NuovaAzione(const char* nome, const QString& testo, void (TFormQuadro::*fai)())
{
    auto* a = new QAction(testo, this);
    a->setObjectName(QString::fromLatin1(nome));
    connect(a, &QAction::triggered, this, fai);
    addAction(a);
    return a;
}

QAction* TFormQuadro::Comando(const char* nome) const
{
    return findChild<QAction*>(QString::fromLatin1(nome));
}

void TFormQuadro::Prepara(const TQuadro& radice)
{
    modello_->Apri(radice);
    // Every event takes part in "Adatta" until the player says otherwise.
    const TElencoCondizioni* elenco = radice.Elenco();
    const TDatiSistema* dati = elenco ? elenco->Dati : nullptr;
    pannello_->ImpostaGioco(morella::Gioco);
    pannello_->ImpostaPronostico(dati ? dati->Pronostico : TPronostico{});
    std::array<bool, MaxEventi> tutti{};
    for (int i = 0; i < morella::NumEvents && i < MaxEventi; ++i) tutti[static_cast<std::size_t>(i)] = true;
    pannello_->ImpostaSelezionati(tutti);
    ImpostaOggetto(modello_->Corrente());
    AggiornaForm();
}

int TFormQuadro::Esegui(TCondizione& c)
{
    auto* radice = dynamic_cast<TQuadro*>(&c);
    // One panel editor: a panel reached from inside it opens in place, never a second run.
    if (!radice || isVisible()) return EsitoAnnullato;
    Prepara(*radice);
    const bool confermato = Servizi().EseguiDialogo(*this) == QDialog::Accepted;
    bool cambiato = false;
    if (confermato) {
        AcquisisceForm();
        cambiato = modello_->Conferma(*radice);
    }
    albero_->hide();
    return EsitoEditore(confermato, cambiato);
}

void TFormQuadro::Ricarica(bool tutto)
{
    if (tutto) {
        ImpostaOggetto(modello_->Corrente());
        const bool a = Oggetto()->Attivato;
        RadioAttivato()->setChecked(a);
        RadioDisattivato()->setChecked(!a);
    }
    AggiornaTabelle();
    AggiornaControlli(modello_->Corrente());
}

void TFormQuadro::AggiornaControlli(TCondizione& c)
{
    auto* q = dynamic_cast<TQuadro*>(&c);
    if (!q) return;
    aggiornando_ = true;
    nome_->setText(Q(q->Nome));
    preset_->setChecked(q->Preset);
    particolari_->setChecked(!q->Preset);
    for (int i = 0; i < 4; ++i) relazioni_[static_cast<std::size_t>(i)]->setChecked(q->Relazione == i);
    aggiornando_ = false;
    MostraRighe();
}

bool TFormQuadro::AcquisisceControlli(TCondizione& c)
{
    const std::string nome = nome_->text().toStdString();
    if (nome == c.Nome) return false;
    c.Nome = nome;
    // The panel's path names it, and its sub-conditions' paths follow.
    c.ImpostaPercorso(c.Percorso.substr(0, c.Percorso.rfind('\\')));
    return true;
}

void TFormQuadro::AzzeraControlli()
{
    if (auto* q = dynamic_cast<TQuadro*>(Oggetto())) {
        // The switch and the table go back to their defaults; the sub-conditions stay.
        q->AzzeraTabelle();
        q->AggiornaPreset();
        AggiornaTabelle();
    }
}

void TFormQuadro::MostraRighe()
{
    aggiornando_ = true;
    barra_->setRange(0, modello_->MassimoScorrimento());
    barra_->setValue(modello_->PrimaRiga());
    const auto righe = modello_->Righe();
    for (std::size_t i = 0; i < righe_.size(); ++i) {
        TRigaWidget& w = righe_[i];
        const bool presente = i < righe.size();
        w.Marca->setVisible(presente);
        w.Testo->setVisible(presente);
        w.Apri->setVisible(presente);
        if (!presente) continue;
        const TRigaQuadro& r = righe[i];
        w.Marca->setChecked(r.Marcato);
        const QString testo = Q(r.Testo) + (r.Attivato ? QString() : QStringLiteral("  (Disattivato)"));
        w.Testo->setText(testo);
        w.Testo->setToolTip(Q(r.Tipo) + QStringLiteral(": ") + testo);
        w.Testo->setChecked(r.Corrente);
        w.Apri->setText(r.Quadro ? QStringLiteral("Apri") : QStringLiteral("Modifica"));
        const TCondizione& c = modello_->Corrente().Elemento(r.Posizione - 1);
        w.Apri->setEnabled(r.Quadro || EditoreRegistrato(c.Tipo()));
    }
    didascalia_->setText(Q(modello_->Didascalia()));
    aggiornando_ = false;
    MostraComandi();
}

void TFormQuadro::MostraComandi()
{
    const TComandiQuadro c = modello_->Comandi();
    Comando("QuadroPrecedente")->setEnabled(c.QuadroPrecedente);
    Comando("Taglia")->setEnabled(c.Taglia);
    Comando("Copia")->setEnabled(c.Copia);
    Comando("Elimina")->setEnabled(c.Elimina);
    Comando("SalvaCondizioni")->setEnabled(c.SalvaCondizioni);
    Comando("Incolla")->setEnabled(c.Incolla);
    for (QRadioButton* b : relazioni_) b->setEnabled(c.Relazioni);
    accettate_->setEnabled(c.TabellaAccettate);
}

void TFormQuadro::wheelEvent(QWheelEvent* e)
{
    const int passi = e->angleDelta().y() / 120;
    if (passi == 0) return TFormCondizione::wheelEvent(e);
    barra_->setValue(barra_->value() - passi);
    e->accept();
}

void TFormQuadro::ApriRiga(int indice)
{
    const auto righe = modello_->Righe();
    if (indice < 0 || indice >= static_cast<int>(righe.size())) return;
    const TRigaQuadro& r = righe[static_cast<std::size_t>(indice)];
    Salva();
    if (r.Quadro) {
        modello_->ApriSottoQuadro(r.Posizione);
        Ricarica(true);
        return;
    }
    // Any other condition edits in its own editor, the one its menu item or group opens.
    modello_->Corrente().Elemento(r.Posizione - 1).Modifica();
    modello_->Riallinea();
    Ricarica(false);
}

void TFormQuadro::Nuova(TipoCondizione tipo)
{
    Salva();
    modello_->Nuova(tipo);
    Ricarica(false);
}

void TFormQuadro::Taglia()
{
    Salva();
    modello_->Taglia();
    Ricarica(false);
}

void TFormQuadro::Copia()
{
    modello_->Sessione().Copia();
    MostraComandi();
}

void TFormQuadro::Incolla()
{
    Salva();
    modello_->Incolla();
    Ricarica(false);
}

void TFormQuadro::Elimina()
{
    Salva();
    modello_->Elimina();
    Ricarica(false);
}

void TFormQuadro::CaricaQuadro()
{
    TRichiestaFile r;
    r.Titolo = TitoloCaricaQuadro;
    r.Filtro = FiltroQuadri;
    r.Estensione = EstensioneQuadri;
    r.Cartella = CartellaQuadri();
    r.DeveEsistere = true;
    const auto file = Servizi().ScegliFile(this, r);
    if (!file) return;
    Salva();
    try {
        modello_->CaricaQuadro(*file);
    } catch (const EErrore& e) {
        Servizi().MostraErrore(this, e.what());
    }
    Ricarica(true);
}

void TFormQuadro::SalvaQuadro()
{
    Salva();
    TRichiestaFile r;
    r.Salva = true;
    r.Titolo = TitoloSalvaQuadro;
    r.Filtro = FiltroQuadri;
    r.Estensione = EstensioneQuadri;
    const std::filesystem::path proposto(modello_->Sessione().NomeFileQuadro());
    r.Cartella = proposto.parent_path().string();
    r.Nome = proposto.filename().string();
    const auto file = Servizi().ScegliFile(this, r);
    if (!file) return;
    try {
        modello_->Sessione().SalvaQuadro(*file);
    } catch (const EErrore& e) {
        Servizi().MostraErrore(this, e.what());
    }
}

void TFormQuadro::CaricaCondizioni()
{
    TRichiestaFile r;
    r.Titolo = TitoloCaricaCondizioni;
    r.Filtro = FiltroCondizioni;
    r.Estensione = EstensioneCondizioni;
    r.Cartella = CartellaQuadri();
    r.DeveEsistere = true;
    const auto file = Servizi().ScegliFile(this, r);
    if (!file) return;
    Salva();
    try {
        modello_->CaricaCondizioni(*file);
    } catch (const EErrore& e) {
        Servizi().MostraErrore(this, e.what());
    }
    Ricarica(false);
}

void TFormQuadro::SalvaCondizioni()
{
    TRichiestaFile r;
    r.Salva = true;
    r.Titolo = TitoloSalvaCondizioni;
    r.Filtro = FiltroCondizioni;
    r.Estensione = EstensioneCondizioni;
    r.Cartella = CartellaQuadri();
    const auto file = Servizi().ScegliFile(this, r);
    if (!file) return;
    try {
        modello_->Sessione().SalvaCondizioni(*file);
    } catch (const EErrore& e) {
        Servizi().MostraErrore(this, e.what());
    }
}

void TFormQuadro::QuadroPrecedente()
{
    Salva();
    modello_->QuadroPrecedente();
    Ricarica(true);
}

void TFormQuadro::ApriAlbero()
{
    Salva();
    albero_->Esegui(modello_->Sessione().Albero());
}

void TFormQuadro::ColonneDaArchivio()
{
    const TElencoCondizioni* elenco = modello_->Lavoro().Elenco();
    const TDatiSistema* dati = elenco ? elenco->Dati : nullptr;
    const T_Archivio* archivio = dati ? dati->Archivio : nullptr;
    if (!ArchivioPerColonneFiltro(archivio, domanda_)) return;
    TFormInsCol d(*archivio, this);
    if (Servizi().EseguiDialogo(d) != QDialog::Accepted) return;
    d.Acquisisci();
    Salva();
    modello_->ColonneDaArchivio(d.Dialogo(), *archivio);
    Ricarica(false);
}

void TFormQuadro::Adatta()
{
    const TElencoCondizioni* elenco = modello_->Lavoro().Elenco();
    const TDatiSistema* dati = elenco ? elenco->Dati : nullptr;
    TMaschera selezionati = 0;
    const auto scelti = pannello_->Selezionati();
    for (std::size_t i = 0; i < scelti.size(); ++i)
        if (scelti[i]) selezionati |= TMaschera{1} << i;
    Salva();
    modello_->Sessione().Adatta(dati ? dati->Pronostico : TPronostico{}, selezionati);
    modello_->Riallinea();
    Ricarica(false);
}

}  // namespace morella::ui
