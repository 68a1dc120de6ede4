#include "FormRec.h"
#include "Fabbriche.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include "BloccoStampa.h"
#include "Domanda.h"
#include "ElencoCondizioni.h"
#include "EsameTraLink.h"
#include "GraphPt.h"
#include "ModificaLink.h"
#include "RegistroFinestre.h"
#include "ServiziUi.h"
#include "Sistema.h"
#include "mmPrinter.h"

namespace morella::ui {

namespace {

TGraphPt* TabellaErrori(QWidget* padre, const char* nome)
{
    auto* g = new TGraphPt(padre);
    g->setObjectName(QString::fromLatin1(nome));
    g->ImpostaLinkTra(false);
    g->ImpostaTipoCampo(false);
    g->ImpostaTipoCons(false);
    g->ImpostaNumEvents(NumEvents);
    return g;
}

// Shows the values 0..massimo of an error table, as many boxes at once as fit beside it.
void MostraFinoA(TGraphPt& g, int massimo)
{
    g.ImpostaPtTotali(massimo);
    g.ImpostaPtVisibili(std::min(massimo + 1, 26));
}

QSpinBox* Massimo(QWidget* padre, const char* nome)
{
    auto* s = new QSpinBox(padre);
    s->setObjectName(QString::fromLatin1(nome));
    s->setRange(0, MassimoErroriLink);
    return s;
}

}  // namespace

TFormRec::TFormRec(TElencoLink& link, const TElencoCondizioni* condizioni, QWidget* parent)
    : QDialog(parent), link_(link), condizioni_(condizioni), copia_(link)
{
    setObjectName(QStringLiteral("FormRec"));
    setWindowTitle(QStringLiteral("Link"));
    auto* l = new QVBoxLayout(this);

    auto* lettere = new QGridLayout;
    lettere->setSpacing(2);
    auto* gruppo = new QButtonGroup(this);
    gruppo->setExclusive(true);
    for (int i = 0; i < NumeroLink; ++i) {
        const QString testo(QChar::fromLatin1(static_cast<char>('A' + i)));
        auto* b = Pulsante(this, "", testo, QStringLiteral("Link ") + testo);
        b->setObjectName(QStringLiteral("Lettera") + testo);
        b->setCheckable(true);
        b->setFixedWidth(b->fontMetrics().horizontalAdvance(QStringLiteral("MM")) + 12);
        gruppo->addButton(b, i);
        lettere->addWidget(b, i / 13, i % 13);
        lettere_[static_cast<std::size_t>(i)] = b;
    }
    lettere_[0]->setChecked(true);
    auto* rigaLettere = new QHBoxLayout;
    rigaLettere->addLayout(lettere);
    rigaLettere->addStretch(1);
    l->addLayout(rigaLettere);

    ptLink_ = TabellaErrori(this, "PtLink");
    ptTutteLink_ = TabellaErrori(this, "PtTutteLink");
    ptTutteLink_->ImpostaTitolo(QStringLiteral("Errori Ammessi In Totale"));
    editMax_ = Massimo(this, "EditMax");
    editMaxLinks_ = Massimo(this, "EditMaxLinks");
    auto riga = [&](TGraphPt* g, QSpinBox* s) {
        auto* h = new QHBoxLayout;
        h->addWidget(g, 0, Qt::AlignLeft);
        auto* v = new QVBoxLayout;
        v->addWidget(new QLabel(QStringLiteral("Errori Massimi"), this));
        v->addWidget(s);
        v->addStretch(1);
        h->addLayout(v);
        h->addStretch(1);
        l->addLayout(h);
    };
    riga(ptLink_, editMax_);
    riga(ptTutteLink_, editMaxLinks_);

    titoloElenco_ = new QLabel(this);
    titoloElenco_->setObjectName(QStringLiteral("TitoloCondizioni"));
    elenco_ = new QListWidget(this);
    elenco_->setObjectName(QStringLiteral("Condizioni"));
    elenco_->setMinimumHeight(elenco_->fontMetrics().height() * 4);
    l->addWidget(titoloElenco_);
    l->addWidget(elenco_, 1);

    auto* pulsanti = new QHBoxLayout;
    auto* analisi = Pulsante(this, "AnalisiBtn", QStringLiteral("Analisi"));
    auto* ok = Pulsante(this, "OKBtn", QStringLiteral("OK"));
    ok->setDefault(true);
    auto* annulla = Pulsante(this, "AnnullaBtn", QStringLiteral("Annulla"));
    pulsanti->addWidget(analisi);
    pulsanti->addStretch(1);
    pulsanti->addWidget(ok);
    pulsanti->addWidget(annulla);
    l->addLayout(pulsanti);

    // The total table is the same whatever the letter: loaded once.
    editMaxLinks_->setValue(MassimoInizialeLink(copia_.Totale(), NumEvents));
    MostraFinoA(*ptTutteLink_, editMaxLinks_->value());
    ptTutteLink_->ImpostaTabella(copia_.Totale());
    MostraLettera();

    connect(editMax_, &QSpinBox::valueChanged, this, [this](int v) { MostraFinoA(*ptLink_, v); });
    connect(editMaxLinks_, &QSpinBox::valueChanged, this, [this](int v) { MostraFinoA(*ptTutteLink_, v); });
    connect(gruppo, &QButtonGroup::idClicked, this, [this](int i) {
        const auto nuova = static_cast<std::uint8_t>('A' + i);
        if (nuova == lettera_) return;
        if (!PrendiTabelle(false)) {
            lettere_[static_cast<std::size_t>(lettera_ - 'A')]->setChecked(true);
            return;
        }
        lettera_ = nuova;
        MostraLettera();
    });
    connect(analisi, &QPushButton::clicked, this, &TFormRec::ApriAnalisi);
    connect(ok, &QPushButton::clicked, this, [this] {
        if (PrendiTabelle(true)) accept();
    });
    connect(annulla, &QPushButton::clicked, this, &QDialog::reject);
}

void TFormRec::MostraLettera()
{
    const TTabellaValori& t = copia_.Errori(lettera_);
    ptLink_->ImpostaTitolo(QString::fromStdString(TLink(lettera_).Didascalia()));
    const QSignalBlocker zitto(editMax_);
    editMax_->setValue(MassimoInizialeLink(t, NumEvents));
    MostraFinoA(*ptLink_, editMax_->value());
    ptLink_->ImpostaTabella(t);
    elenco_->clear();
    if (condizioni_) {
        const TEsameTraLink esame = TEsameTraLink::DellaLettera(*condizioni_, lettera_);
        titoloElenco_->setText(QString::fromStdString(esame.Titolo()));
        for (const std::string& r : esame.Righe()) elenco_->addItem(QString::fromStdString(r));
    }
}

bool TFormRec::PrendiTabelle(bool totale)
{
    TModificaLink m;
    m.Lettera = lettera_;
    m.MassimoLink = editMax_->value();
    m.MassimoTotale = editMaxLinks_->value();
    if (ptLink_->Modificato()) {
        m.ErroriLink = copia_.Errori(lettera_);
        ptLink_->LeggiTabella(*m.ErroriLink);
    }
    if (totale && ptTutteLink_->Modificato()) {
        m.ErroriTotali = copia_.Totale();
        ptTutteLink_->LeggiTabella(*m.ErroriTotali);
    }
    const TEsitoModificaLink esito = ControllaModificaLink(m);
    if (esito != TEsitoModificaLink::Accettata) {
        Servizi().Chiedi(this, TitoloInformazione, MessaggioModificaLink(esito), PulsanteOk);
        return false;
    }
    if (m.ErroriLink) copia_.Errori(lettera_) = *m.ErroriLink;
    if (m.ErroriTotali) copia_.Totale() = *m.ErroriTotali;
    ptLink_->ImpostaModificato(false);
    return true;
}

void TFormRec::ApriAnalisi()
{
    TFormAnalisiColonneFiltrate analisi(link_, lettera_, this);
    Servizi().EseguiDialogo(analisi);
}

TFormAnalisiColonneFiltrate::TFormAnalisiColonneFiltrate(const TElencoLink& link, std::uint8_t lettera,
                                                         QWidget* parent)
    : QDialog(parent), analisi_(AnalizzaColonneFiltrate(link, lettera))
{
    setObjectName(QStringLiteral("FormAnalisiColonneFiltrate"));
    setWindowTitle(QString::fromUtf8(T_AnalisiColonneFiltrate::Titolo));
    auto* l = new QVBoxLayout(this);
    auto* griglie = new QHBoxLayout;
    for (std::size_t i = 0; i < griglie_.size(); ++i) {
        auto* colonna = new QVBoxLayout;
        QStringList titolo;
        if (i < analisi_.Griglie.size())
            for (const std::string& r : analisi_.Griglie[i].Titolo) titolo << QString::fromStdString(r);
        auto* etichetta = new QLabel(titolo.join(QLatin1Char('\n')), this);
        // Every title takes two lines, so the three grids start level.
        etichetta->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        etichetta->setMinimumHeight(etichetta->fontMetrics().lineSpacing() * 2);
        colonna->addWidget(etichetta);
        auto* g = new QTableWidget(this);
        g->setObjectName(QStringLiteral("Griglia%1").arg(i));
        g->setEditTriggers(QAbstractItemView::NoEditTriggers);
        g->setColumnCount(1);
        g->setHorizontalHeaderLabels({QString::fromUtf8(T_AnalisiColonneFiltrate::Colonna)});
        g->horizontalHeader()->setStretchLastSection(true);
        g->verticalHeader()->setDefaultSectionSize(g->fontMetrics().height() + 4);
        g->setMinimumWidth(g->fontMetrics().horizontalAdvance(QStringLiteral("Err. 255 100.1234567")));
        colonna->addWidget(g, 1);
        griglie->addLayout(colonna);
        griglie_[i] = g;
    }
    l->addLayout(griglie, 1);
    auto* pulsanti = new QHBoxLayout;
    valori_ = Pulsante(this, "ValoriBtn", QStringLiteral("Valori"));
    percentuali_ = Pulsante(this, "PercentualiBtn", QStringLiteral("%"));
    auto* gruppo = new QButtonGroup(this);
    for (QPushButton* b : {valori_, percentuali_}) {
        b->setCheckable(true);
        gruppo->addButton(b);
        pulsanti->addWidget(b);
    }
    valori_->setChecked(true);
    auto* stampa = Pulsante(this, "StampaBtn", QStringLiteral("Stampa"));
    auto* chiudi = Pulsante(this, "OKBtn", QStringLiteral("OK"));
    pulsanti->addStretch(1);
    pulsanti->addWidget(stampa);
    pulsanti->addWidget(chiudi);
    l->addLayout(pulsanti);
    connect(valori_, &QPushButton::toggled, this, &TFormAnalisiColonneFiltrate::Riempi);
    connect(stampa, &QPushButton::clicked, this, [this] {
        const bool percentuali = percentuali_->isChecked();
        Servizi().AnteprimaEStampa(this, [this, percentuali](TTelaStampa& tela) {
            TRigheStampa righe;
            analisi_.Stampa(righe, percentuali);
            TmmPrinter p(tela);
            p.IniziaDocumento();
            p.ImpostaFont(FontStampa());
            double y = 10;
            StampaBloccoRighe(p, y, 10, T_AnalisiColonneFiltrate::Titolo, righe);
            p.ChiudiDocumento();
        });
    });
    connect(chiudi, &QPushButton::clicked, this, &QDialog::accept);
    Riempi();
    const QSize schermo = screen() ? screen()->availableGeometry().size() : QSize(640, 480);
    resize(std::min(sizeHint().width(), schermo.width() - 8), std::min(480, schermo.height() - 30));
}

void TFormAnalisiColonneFiltrate::Riempi()
{
    const bool percentuali = percentuali_->isChecked();
    for (std::size_t i = 0; i < griglie_.size() && i < analisi_.Griglie.size(); ++i) {
        const TGrigliaRifiuti& d = analisi_.Griglie[i];
        QTableWidget* g = griglie_[i];
        g->setRowCount(d.Righe());
        QStringList etichette;
        for (int r = 0; r < d.Righe(); ++r) {
            etichette << (QString::fromStdString(d.Intestazione) + QLatin1Char(' ') +
                          QString::number(d.PrimaRiga + r))
                             .trimmed();
            auto* cella = new QTableWidgetItem(QString::fromStdString(d.Cella(r, percentuali)));
            cella->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            g->setItem(r, 0, cella);
        }
        g->setVerticalHeaderLabels(etichette);
    }
}

void EseguiEditoreLink(TSistema& sistema, QWidget* padre)
{
    TDatiSistema& d = sistema.Dati();
    if (!d.Link) return;
    TFormRec editor(*d.Link, d.Condizioni.get(), padre);
    if (Servizi().EseguiDialogo(editor) != QDialog::Accepted || !editor.Conferma()) return;
    sistema.Modificato = true;
    emit AvvisiSistema().SistemaCambiato();
}

}  // namespace morella::ui
