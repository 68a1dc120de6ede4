#include "GraficiStatistiche.h"

#include <QAction>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QBuffer>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QDialog>
#include <QEvent>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTableWidget>
#include <QValueAxis>
#include <cmath>
#include <filesystem>

#include "Domanda.h"
#include "Errore.h"
#include "Fabbriche.h"
#include "FileBinario.h"
#include "ServiziUi.h"

namespace morella::ui {

namespace {

// The steps of a value axis fitted to the chart's height: a short chart shows every other
// step (or only the ends) rather than labels squeezed to "...".
int TaccheCheStanno(int passi, int altezza)
{
    constexpr int AltezzaTacca = 24;  // pixels a label needs
    for (int n : {passi, passi / 2, 2, 1})
        if (n >= 1 && passi % n == 0 && altezza / n >= AltezzaTacca) return n + 1;
    return 2;
}

class TAdattaTacche : public QObject {
   public:
    using QObject::QObject;
    bool eventFilter(QObject* o, QEvent* e) override
    {
        if (e->type() == QEvent::Resize) Adatta(static_cast<QChartView*>(o));
        return false;
    }
    static void Adatta(QChartView* vista)
    {
        for (QAbstractAxis* a : vista->chart()->axes(Qt::Vertical))
            if (auto* v = qobject_cast<QValueAxis*>(a)) {
                const int passi = v->property("passi").toInt();
                const int alto = static_cast<int>(vista->chart()->plotArea().height());
                if (passi > 0 && alto > 0) v->setTickCount(TaccheCheStanno(passi, alto));
            }
    }
};

}  // namespace

void RiempiGrafico(QChartView* vista, const TGraficoBarre& g)
{
    if (!vista->property("tacche").toBool()) {
        vista->installEventFilter(new TAdattaTacche(vista));
        vista->setProperty("tacche", true);
    }
    QChart* chart = vista->chart();
    chart->removeAllSeries();
    for (QAbstractAxis* asse : chart->axes()) {
        chart->removeAxis(asse);
        delete asse;
    }
    auto* serie = new QBarSeries;
    for (const TInsiemeBarre& i : g.Insiemi) {
        auto* insieme = new QBarSet(QString::fromStdString(i.Nome));
        for (double v : i.Valori) *insieme << v;
        serie->append(insieme);
    }
    chart->addSeries(serie);
    auto* categorie = new QBarCategoryAxis;
    for (const std::string& e : g.Etichette) categorie->append(QString::fromStdString(e));
    chart->addAxis(categorie, Qt::AlignBottom);
    serie->attachAxis(categorie);
    auto* valori = new QValueAxis;
    valori->setRange(g.Scala.Minimo, g.Scala.Massimo);
    const double passi = g.Scala.Passo > 0 ? (g.Scala.Massimo - g.Scala.Minimo) / g.Scala.Passo : 1;
    valori->setTickCount(std::clamp(static_cast<int>(std::lround(passi)) + 1, 2, 101));
    valori->setProperty("passi", std::clamp(static_cast<int>(std::lround(passi)), 1, 100));
    valori->setLabelFormat(DecimaliScala(g.Scala) == 0 ? QStringLiteral("%.0f") : QStringLiteral("%.1f"));
    chart->addAxis(valori, Qt::AlignLeft);
    serie->attachAxis(valori);
    chart->legend()->setVisible(g.Insiemi.size() > 1);
    vista->show();
    TAdattaTacche::Adatta(vista);
}

void AdattaAlloSchermo(QWidget& finestra, int larghezza, int altezza)
{
    const QScreen* schermo = finestra.screen() ? finestra.screen() : QGuiApplication::primaryScreen();
    const QSize area = schermo ? schermo->availableGeometry().size() : QSize(1024, 768);
    const QSize massima = area - QSize(8, 30);
    const QSize voluta = QSize(larghezza, altezza).boundedTo(area * 0.9);
    finestra.resize(voluta.expandedTo(finestra.minimumSizeHint()).boundedTo(massima));
}

QChartView* TortaCompatta(const char* nome)
{
    QChartView* vista = Torta(nome);
    QFont f = vista->chart()->legend()->font();
    if (f.pointSizeF() > 7) f.setPointSizeF(f.pointSizeF() - 1);
    vista->chart()->legend()->setFont(f);
    return vista;
}

QTableWidget* GrigliaTabella(const char* nome)
{
    auto* g = new QTableWidget;
    g->setObjectName(QString::fromLatin1(nome));
    g->setEditTriggers(QAbstractItemView::NoEditTriggers);
    g->setSelectionMode(QAbstractItemView::NoSelection);
    g->verticalHeader()->hide();
    g->verticalHeader()->setDefaultSectionSize(g->fontMetrics().height() + 6);
    g->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    g->horizontalHeader()->setMinimumSectionSize(g->fontMetrics().horizontalAdvance(QStringLiteral("00000")));
    return g;
}

void RiempiGriglia(QTableWidget* griglia, const TTabellaTesto& t)
{
    griglia->clear();
    griglia->setColumnCount(static_cast<int>(t.Intestazioni.size()));
    griglia->setRowCount(static_cast<int>(t.Righe.size()));
    QStringList intestazioni;
    for (const auto& s : t.Intestazioni) intestazioni << QString::fromStdString(s);
    griglia->setHorizontalHeaderLabels(intestazioni);
    for (int r = 0; r < static_cast<int>(t.Righe.size()); ++r) {
        const auto& riga = t.Righe[static_cast<std::size_t>(r)];
        for (int c = 0; c < static_cast<int>(riga.size()); ++c) {
            auto* cella = new QTableWidgetItem(QString::fromStdString(riga[static_cast<std::size_t>(c)]));
            cella->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            griglia->setItem(r, c, cella);
        }
    }
}

namespace {

bool FiniscePer(const std::string& nome, const std::string& coda)
{
    if (nome.size() < coda.size()) return false;
    for (std::size_t i = 0; i < coda.size(); ++i)
        if (std::tolower(static_cast<unsigned char>(nome[nome.size() - coda.size() + i])) != coda[i])
            return false;
    return true;
}

TBytes Png(QChartView* vista)
{
    QImage immagine(vista->size().expandedTo(QSize(1, 1)), QImage::Format_ARGB32);
    immagine.fill(Qt::white);
    {
        QPainter p(&immagine);
        p.setRenderHint(QPainter::Antialiasing);
        vista->render(&p);
    }
    QByteArray dati;
    QBuffer buffer(&dati);
    buffer.open(QIODevice::WriteOnly);
    immagine.save(&buffer, "PNG");
    return TBytes(dati.begin(), dati.end());
}

}  // namespace

bool SalvaGrafico(QWidget* padre, QChartView* vista, const std::function<std::string()>& svg,
                  const std::string& nomeProposto)
{
    TRichiestaFile r;
    r.Salva = true;
    r.Titolo = TitoloSalvaGrafico;
    r.Filtro = FiltroGrafico;
    r.Estensione = "png";
    r.Nome = nomeProposto;
    const auto file = Servizi().ScegliFile(padre, r);
    if (!file) return false;
    std::error_code errore;
    if (std::filesystem::exists(*file, errore) &&
        Servizi().Chiedi(padre, TitoloConferma, "Il file esiste gia. Vuoi sovrascriverlo ? ",
                         PulsanteSi | PulsanteNo) != PulsanteSi)
        return false;
    TBytes dati;
    if (FiniscePer(*file, ".svg")) {
        const std::string testo = svg ? svg() : std::string();
        dati.assign(testo.begin(), testo.end());
    } else {
        dati = Png(vista);
    }
    if (dati.empty() || !SalvaSicuro(*file, dati)) {
        Servizi().MostraErrore(padre, MessaggioSalvaGrafico);
        return false;
    }
    return true;
}

void AggiungiSalvataggio(QChartView* vista, std::function<std::string()> svg, std::string nomeProposto)
{
    auto* azione = new QAction(QStringLiteral("Salva Immagine..."), vista);
    azione->setObjectName(QStringLiteral("SalvaImmagine"));
    vista->addAction(azione);
    vista->setContextMenuPolicy(Qt::ActionsContextMenu);
    QObject::connect(azione, &QAction::triggered, vista, [vista, svg = std::move(svg), nomeProposto] {
        SalvaGrafico(vista->window(), vista, svg, nomeProposto);
    });
}

void StampaTabelle(QWidget* padre, const std::string& titolo, std::vector<TSezioneStampa> sezioni,
                   const std::string& messaggio)
{
    try {
        Servizi().AnteprimaEStampa(padre,
                                   [titolo, sezioni = std::move(sezioni), messaggio](TTelaStampa& tela) {
                                       StampaTabelleAnalisi(titolo, sezioni, messaggio, tela);
                                   });
    } catch (const EErrore& e) {
        Servizi().MostraErrore(padre, e.what());
    }
}

QLabel* EtichettaTitolo(const std::string& testo)
{
    auto* titolo = new QLabel(QString::fromStdString(testo));
    titolo->setObjectName(QStringLiteral("LabelTitolo"));
    QFont f = titolo->font();
    f.setBold(true);
    titolo->setFont(f);
    return titolo;
}

QComboBox* SceltaSerie(const T_Analisi& analisi)
{
    auto* serie = new QComboBox;
    serie->setObjectName(QStringLiteral("ComboSerie"));
    for (const auto& s : analisi.Serie) serie->addItem(QString::fromStdString(s.Nome));
    return serie;
}

QLabel* EtichettaAvviso(const std::string& testo)
{
    auto* a = EtichettaValore("LabelAvviso");
    a->setWordWrap(true);
    a->setText(QString::fromStdString(testo));
    a->setVisible(!testo.empty());
    return a;
}

QHBoxLayout* PiedeAnalisi(QDialog* d, QLabel* avviso, QChartView* barre, std::function<std::string()> svg,
                          const std::string& nome, std::function<void()> stampa)
{
    auto* salva = Pulsante(d, "BtnSalvaGrafico", QStringLiteral("Salva Grafico..."));
    QObject::connect(salva, &QPushButton::clicked, d,
                     [d, barre, svg, nome] { SalvaGrafico(d, barre, svg, nome); });
    auto* bStampa = Pulsante(d, "BtnStampa", QStringLiteral("Stampa"));
    QObject::connect(bStampa, &QPushButton::clicked, d, std::move(stampa));
    auto* ok = Pulsante(d, "OKBtn", QStringLiteral("OK"));
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, d, &QDialog::accept);
    auto* piede = new QHBoxLayout;
    piede->addWidget(avviso, 1);
    piede->addWidget(salva);
    piede->addWidget(bStampa);
    piede->addWidget(ok);
    return piede;
}

}  // namespace morella::ui
