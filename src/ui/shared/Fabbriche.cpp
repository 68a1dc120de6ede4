#include "Fabbriche.h"

#include <QApplication>
#include <QBarCategoryAxis>
#include <QBarSeries>
#include <QBarSet>
#include <QChart>
#include <QChartView>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPieSeries>
#include <QPieSlice>
#include <QPushButton>
#include <QValueAxis>
#include <cmath>

namespace morella::ui {

QPushButton* Pulsante(QWidget* padre, const char* nome, const QString& testo, const QString& suggerimento)
{
    auto* b = new QPushButton(testo, padre);
    b->setObjectName(QString::fromLatin1(nome));
    if (!suggerimento.isEmpty()) b->setToolTip(suggerimento);
    b->setAutoDefault(false);
    return b;
}

QDialogButtonBox* PulsantiOkAnnulla(QDialog* dialogo, const QString& ok)
{
    auto* box = new QDialogButtonBox(dialogo);
    auto* b = box->addButton(ok, QDialogButtonBox::AcceptRole);
    b->setObjectName(QStringLiteral("OKBtn"));
    b->setDefault(true);
    auto* a = box->addButton(QStringLiteral("Annulla"), QDialogButtonBox::RejectRole);
    a->setObjectName(QStringLiteral("AnnullaBtn"));
    QObject::connect(box, &QDialogButtonBox::accepted, dialogo, &QDialog::accept);
    QObject::connect(box, &QDialogButtonBox::rejected, dialogo, &QDialog::reject);
    return box;
}

QLabel* EtichettaValore(const char* nome, const QString& campione)
{
    auto* l = new QLabel;
    l->setObjectName(QString::fromLatin1(nome));
    if (!campione.isEmpty()) l->setMinimumWidth(l->fontMetrics().horizontalAdvance(campione));
    return l;
}

namespace {

QChartView* Vista(const char* nome)
{
    auto* chart = new QChart;
    chart->setBackgroundRoundness(0);
    chart->setMargins(QMargins(0, 0, 0, 0));
    chart->legend()->setAlignment(Qt::AlignBottom);
    chart->legend()->setFont(QApplication::font());
    auto* vista = new QChartView(chart);
    vista->setObjectName(QString::fromLatin1(nome));
    vista->setRenderHint(QPainter::Antialiasing);
    QSizePolicy sp = vista->sizePolicy();
    sp.setRetainSizeWhenHidden(true);
    vista->setSizePolicy(sp);
    return vista;
}

}  // namespace

QChartView* Torta(const char* nome)
{
    QChartView* vista = Vista(nome);
    vista->setMinimumSize(260, 190);
    return vista;
}

void RiempiTorta(QChartView* vista, const std::vector<TFetta>& fette)
{
    QChart* chart = vista->chart();
    chart->removeAllSeries();
    auto* serie = new QPieSeries;
    const QColor colori[] = {QColor(0, 128, 255), QColor(255, 128, 0)};
    int i = 0;
    for (const TFetta& f : fette) {
        QPieSlice* s = serie->append(
            QStringLiteral("%1 %2%").arg(QString::fromStdString(f.etichetta)).arg(f.valore, 0, 'f', 1),
            f.valore);
        s->setColor(colori[i++ % 2]);
    }
    chart->addSeries(serie);
    vista->show();
}

QChartView* Barre(const char* nome)
{
    QChartView* vista = Vista(nome);
    vista->chart()->legend()->hide();
    vista->setMinimumSize(260, 190);
    return vista;
}

void RiempiBarre(QChartView* vista, const TDatiBarre& dati)
{
    QChart* chart = vista->chart();
    chart->removeAllSeries();
    for (QAbstractAxis* asse : chart->axes()) {
        chart->removeAxis(asse);
        delete asse;
    }
    auto* insieme = new QBarSet(QString());
    for (double v : dati.Valori) *insieme << v;
    auto* serie = new QBarSeries;
    serie->append(insieme);
    chart->addSeries(serie);
    auto* categorie = new QBarCategoryAxis;
    for (const std::string& e : dati.Etichette) categorie->append(QString::fromStdString(e));
    chart->addAxis(categorie, Qt::AlignBottom);
    serie->attachAxis(categorie);
    auto* valori = new QValueAxis;
    valori->setRange(dati.Minimo, dati.Massimo);
    if (dati.Passo > 0)
        valori->setTickCount(static_cast<int>(std::lround((dati.Massimo - dati.Minimo) / dati.Passo)) + 1);
    chart->addAxis(valori, Qt::AlignLeft);
    serie->attachAxis(valori);
    vista->show();
}

}  // namespace morella::ui
