#include "SceltaFormule.h"
#include "Fabbriche.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace morella::ui {

namespace {

QListWidget* Lista(QWidget* padre, const char* nome)
{
    auto* l = new QListWidget(padre);
    l->setObjectName(QString::fromLatin1(nome));
    l->setSelectionMode(QAbstractItemView::ExtendedSelection);
    // The counts line up only in a fixed-pitch font.
    l->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    l->setMinimumWidth(l->fontMetrics().horizontalAdvance(QStringLiteral("000   00-00-00")) + 40);
    // Room for a good part of the formulas at once; the dialog scrolls on a small screen.
    l->setMinimumHeight(l->fontMetrics().lineSpacing() * 16 + 8);
    return l;
}

// The narrow arrow buttons between the two lists.
QPushButton* Freccia(QWidget* padre, const char* testo, const char* nome, const char* suggerimento)
{
    auto* b = Pulsante(padre, nome, QString::fromLatin1(testo), QString::fromUtf8(suggerimento));
    b->setFixedWidth(b->fontMetrics().horizontalAdvance(QStringLiteral(">>")) + 28);
    return b;
}

}  // namespace

TSceltaFormule::TSceltaFormule(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("SceltaFormule"));
    escluse_ = Lista(this, "ListaEscluse");
    incluse_ = Lista(this, "ListaIncluse");
    auto* etichettaEscluse = new QLabel(QStringLiteral("Formule  Escluse"), this);
    etichettaEscluse->setObjectName(QStringLiteral("LabelEscluse"));
    etichettaEscluse->setBuddy(escluse_);
    auto* etichettaIncluse = new QLabel(QStringLiteral("Formule Incluse"), this);
    etichettaIncluse->setObjectName(QStringLiteral("LabelIncluse"));
    etichettaIncluse->setBuddy(incluse_);

    auto* includi = Freccia(this, "->", "IncludiBtn", "Includi le formule scelte");
    auto* escludi = Freccia(this, "<-", "EscludiBtn", "Escludi le formule scelte");
    auto* tutteIn = Freccia(this, ">>", "IncludiTutteBtn", "Includi tutte le formule");
    auto* tutteFuori = Freccia(this, "<<", "EscludiTutteBtn", "Escludi tutte le formule");
    auto* pulsanti = new QVBoxLayout;
    pulsanti->addStretch();
    for (auto* b : {includi, escludi, tutteIn, tutteFuori}) pulsanti->addWidget(b);
    pulsanti->addStretch();

    auto* g = new QGridLayout(this);
    g->setContentsMargins(0, 0, 0, 0);
    g->addWidget(etichettaEscluse, 0, 0);
    g->addWidget(etichettaIncluse, 0, 2);
    g->addWidget(escluse_, 1, 0);
    g->addLayout(pulsanti, 1, 1);
    g->addWidget(incluse_, 1, 2);
    g->setRowStretch(1, 1);

    connect(includi, &QPushButton::clicked, this, [this] { Sposta(escluse_, true); });
    connect(escludi, &QPushButton::clicked, this, [this] { Sposta(incluse_, false); });
    connect(tutteIn, &QPushButton::clicked, this, [this] { Tutte(true); });
    connect(tutteFuori, &QPushButton::clicked, this, [this] { Tutte(false); });
    // A double click moves one formula across, like its button.
    connect(escluse_, &QListWidget::itemDoubleClicked, this, [this] { Sposta(escluse_, true); });
    connect(incluse_, &QListWidget::itemDoubleClicked, this, [this] { Sposta(incluse_, false); });
}

void TSceltaFormule::Carica(const TListeFormule::TFlag& ammesse, int massimo)
{
    liste_.emplace(ammesse, massimo);
    Mostra();
}

void TSceltaFormule::Azzera()
{
    if (!liste_) return;
    liste_->EscludiTutte();
    Mostra();
    emit OnModificato();
}

void TSceltaFormule::Copia(TListeFormule::TFlag& ammesse) const
{
    if (liste_) liste_->Copia(ammesse);
}

std::vector<int> TSceltaFormule::Formule(const QListWidget* lista) const
{
    std::vector<int> r;
    for (int i = 0; i < lista->count(); ++i) r.push_back(lista->item(i)->data(Qt::UserRole).toInt());
    return r;
}

void TSceltaFormule::Mostra()
{
    // The formulas just moved stay selected in their new list, so a wrong move is undone
    // with the opposite button at once.
    const auto riempi = [](QListWidget* l, const std::vector<int>& formule, const std::vector<int>& scelte) {
        l->clear();
        for (int f : formule) {
            auto* item = new QListWidgetItem(QString::fromStdString(TListeFormule::Testo(f)), l);
            item->setData(Qt::UserRole, f);
            if (std::find(scelte.begin(), scelte.end(), f) != scelte.end()) item->setSelected(true);
        }
    };
    riempi(escluse_, liste_->Escluse(), spostate_);
    riempi(incluse_, liste_->Incluse(), spostate_);
    spostate_.clear();
}

void TSceltaFormule::Sposta(QListWidget* da, bool includi)
{
    if (!liste_) return;
    std::vector<int> scelte;
    for (int i = 0; i < da->count(); ++i)
        if (da->item(i)->isSelected()) scelte.push_back(da->item(i)->data(Qt::UserRole).toInt());
    if (scelte.empty()) return;
    if (includi)
        liste_->Includi(scelte);
    else
        liste_->Escludi(scelte);
    spostate_ = scelte;
    Mostra();
    emit OnModificato();
}

void TSceltaFormule::Tutte(bool includi)
{
    if (!liste_) return;
    if ((includi ? liste_->Escluse() : liste_->Incluse()).empty()) return;
    if (includi)
        liste_->IncludiTutte();
    else
        liste_->EscludiTutte();
    Mostra();
    emit OnModificato();
}

}  // namespace morella::ui
