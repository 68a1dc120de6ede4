#include "EditoriCondizioni.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPointer>
#include <QTabWidget>
#include <QVBoxLayout>
#include <functional>
#include <memory>

#include "CondizioneATabelle.h"
#include "CorniceEditore.h"
#include "FabbricaCondizioni.h"
#include "FileBinario.h"
#include "FormConsecutivita.h"
#include "FormEditoriGruppi.h"
#include "FormFormuleDerivate.h"
#include "FormQuadro.h"
#include "FormRec.h"
#include "GruppoCondizioni.h"
#include "RegistroFinestre.h"

namespace morella::ui {

namespace {

TTabellaValori* TabellaDi(TCondizione& c, int i)
{
    auto* t = dynamic_cast<TCondizioneATabelle*>(&c);
    return t && i >= 0 && i < t->NumeroTabelle() ? &t->Tabella(i) : nullptr;
}

// The caption of a table's runs page, where the kind names it apart.
QString TitoloConsecutivita(TipoCondizione tipo, int tabella)
{
    if (tipo == TipoPariDispari)
        return tabella == 0 ? QStringLiteral("Consecutività Pari") : QStringLiteral("Consecutività Dispari");
    return {};
}

TGraphPt* NuovaTabella(QWidget* padre, const QString& titolo, int indice)
{
    auto* g = new TGraphPt(padre);
    g->setObjectName(QStringLiteral("GraphPt%1").arg(indice));
    g->ImpostaTitolo(titolo);
    return g;
}

// The windows kept for the whole run go with the application, before its own teardown.
std::vector<QPointer<QDialog>>& Permanenti()
{
    static std::vector<QPointer<QDialog>> finestre;
    return finestre;
}

void ChiudiPermanenti()
{
    for (auto& f : Permanenti()) delete f.data();
    Permanenti().clear();
}

// An editor made at its first use and kept, with what it shows, until the program ends.
template <class TForm>
TEditoreCondizione EditorePermanente(std::function<TForm*()> crea)
{
    auto finestra = std::make_shared<QPointer<TForm>>();
    return [finestra, crea](TCondizione& c) {
        if (!*finestra) {
            if (Permanenti().empty()) qAddPostRoutine(ChiudiPermanenti);
            *finestra = crea();
            Permanenti().push_back(finestra->data());
        }
        return (*finestra)->Esegui(c);
    };
}

// An editor made for one use only.
template <class TForm>
TEditoreCondizione EditorePerUso(std::function<std::unique_ptr<TForm>(QWidget*)> crea)
{
    return [crea](TCondizione& c) {
        const std::unique_ptr<TForm> f = crea(QApplication::activeWindow());
        return f->Esegui(c);
    };
}

// An element placed straight in a panel edits in its group's editor: the editor works on a
// group of that kind holding a copy of the element, and the element takes the copy back when
// OK changed it. (Elements the player deleted or added there have no place to go in the
// panel's row: the row keeps its element.)
TEditoreCondizione EditoreElemento(TipoCondizione tipoGruppo)
{
    return [tipoGruppo](TCondizione& elemento) {
        const std::unique_ptr<TCondizione> nuovo = CreaCondizione(tipoGruppo, elemento.Elenco());
        auto* gruppo = dynamic_cast<TGruppoCondizioni*>(nuovo.get());
        if (!gruppo || !gruppo->Aggiungi(elemento.Clona())) return 0;
        const int esito = gruppo->Modifica();
        if (!SistemaDaSegnare(esito)) return esito;
        if (gruppo->Conta() != 1) return EsitoEditore(true, false);
        TScrittoreBinario scritto;
        if (!gruppo->Elemento(0).Scrivi(scritto)) return EsitoEditore(true, false);
        TLettoreBinario letto(scritto.Dati());
        std::uint8_t tipo = 0;
        if (!letto.Byte(tipo) || !elemento.Leggi(letto)) return EsitoEditore(true, false);
        return esito;
    };
}

}  // namespace

QString TitoloEditore(TipoCondizione tipo)
{
    const TDescrizioneTipo* d = DescrizioneTipo(tipo);
    return d ? QString::fromUtf8(d->TitoloEditore) : QString();
}

TFormTabelle::TFormTabelle(TipoCondizione tipo, QWidget* parent)
    : TFormCondizione(TitoloEditore(tipo), parent)
{
    setObjectName(QStringLiteral("FormCondizione%1").arg(tipo));
    // The captions belong to the kind: a sample object tells them.
    const std::unique_ptr<TCondizione> campione = CreaCondizione(tipo);
    const auto* tabelle = dynamic_cast<const TCondizioneATabelle*>(campione.get());
    const int n = tabelle ? tabelle->NumeroTabelle() : 0;
    for (int i = 0; i < n; ++i) {
        TGraphPt* g = NuovaTabella(this, QString::fromStdString(tabelle->Didascalia(i)), i);
        g->ImpostaTitoloCons(TitoloConsecutivita(tipo, i));
        Area()->addWidget(g, 0, Qt::AlignLeft);
        LegaTabella(g, [i](TCondizione& c) { return TabellaDi(c, i); });
    }
    Area()->addStretch(1);
}

TFormVortice::TFormVortice(QWidget* parent) : TFormCondizione(TitoloEditore(TipoVortice), parent)
{
    setObjectName(QStringLiteral("FormVortice"));
    pagine_ = new QTabWidget(this);
    pagine_->setObjectName(QStringLiteral("PageControl"));
    static const char* const nomiPagine[2] = {"Diretto", "Inverso"};
    static const char* const segni[3] = {"1", "X", "2"};
    for (int p = 0; p < 2; ++p) {
        auto* pagina = new QWidget(pagine_);
        auto* l = new QVBoxLayout(pagina);
        l->setContentsMargins(4, 4, 4, 4);
        const int base = 3 * p;
        TGraphPt* posizione = NuovaTabella(pagina, QStringLiteral("Posizione"), base);
        TGraphPt* bracci = NuovaTabella(pagina, QStringLiteral("Bracci"), base + 1);
        l->addWidget(posizione, 0, Qt::AlignLeft);
        l->addWidget(bracci, 0, Qt::AlignLeft);
        LegaTabella(posizione, [base](TCondizione& c) { return TabellaDi(c, base); });
        LegaTabella(bracci, [base](TCondizione& c) { return TabellaDi(c, base + 1); });
        auto* gruppo = new QGroupBox(QStringLiteral("Segni Ammessi"), pagina);
        gruppo->setObjectName(QStringLiteral("SegniAmmessi"));
        auto* lg = new QHBoxLayout(gruppo);
        for (int s = 0; s < 3; ++s) {
            auto* c = new QCheckBox(QString::fromLatin1(segni[s]), gruppo);
            c->setObjectName(QStringLiteral("Segno") + QString::fromLatin1(segni[s]));
            caselle_[static_cast<std::size_t>(p)][static_cast<std::size_t>(s)] = c;
            lg->addWidget(c);
        }
        lg->addStretch(1);
        l->addWidget(gruppo);
        l->addStretch(1);
        pagine_->addTab(pagina, QString::fromLatin1(nomiPagine[p]));
    }
    Area()->addWidget(pagine_);
}

QCheckBox* TFormVortice::Casella(int pagina, int segno) const
{
    if (pagina < 0 || pagina > 1 || segno < 0 || segno > 2) return nullptr;
    return caselle_[static_cast<std::size_t>(pagina)][static_cast<std::size_t>(segno)];
}

void TFormVortice::AggiornaControlli(TCondizione& c)
{
    for (int p = 0; p < 2; ++p) {
        segniAzzerati_[static_cast<std::size_t>(p)] = false;
        const TTabellaValori* t = TabellaDi(c, 3 * p + 2);
        const std::array<bool, 3> spunte = t ? CaselleSegni(*t) : std::array<bool, 3>{};
        for (int s = 0; s < 3; ++s) Casella(p, s)->setChecked(spunte[static_cast<std::size_t>(s)]);
    }
}

bool TFormVortice::AcquisisceControlli(TCondizione& c)
{
    bool cambiato = false;
    for (int p = 0; p < 2; ++p) {
        TTabellaValori* t = TabellaDi(c, 3 * p + 2);
        if (!t) continue;
        TTabellaValori nuova = segniAzzerati_[static_cast<std::size_t>(p)] ? TabellaAzzerata(*t) : *t;
        std::array<bool, 3> spunte{};
        for (int s = 0; s < 3; ++s) spunte[static_cast<std::size_t>(s)] = Casella(p, s)->isChecked();
        SegniDaCaselle(spunte, nuova);
        if (!StessiValori(nuova, *t)) cambiato = RiportaTabella(true, nuova, *t) || cambiato;
    }
    return cambiato;
}

void TFormVortice::AzzeraControlli()
{
    for (int p = 0; p < 2; ++p) {
        segniAzzerati_[static_cast<std::size_t>(p)] = true;
        for (int s = 0; s < 3; ++s) Casella(p, s)->setChecked(false);
    }
}

void RegistraEditoriCondizioni()
{
    for (TipoCondizione gruppo : {TipoGruppoConsecutivita, TipoGruppoSequele, TipoGruppoValori,
                                  TipoGruppoPercentuali, TipoGruppoColonneFiltro})
        RegistraEditore(TipoElementoDelGruppo(gruppo), EditoreElemento(gruppo));
    // Kept for the whole run: they remember what they showed (the vortex's page, say).
    for (TipoCondizione tipo : {TipoNumeroSegni, TipoInterruzioni, TipoSimmetrie})
        RegistraEditore(tipo, EditorePermanente<TFormTabelle>([tipo] { return new TFormTabelle(tipo); }));
    RegistraEditore(TipoVortice, EditorePermanente<TFormVortice>([] { return new TFormVortice; }));
    // The panel editor remembers the panel it showed and what was copied.
    RegistraEditore(TipoQuadro, EditorePermanente<TFormQuadro>([] { return new TFormQuadro; }));
    // Made for each use.
    for (TipoCondizione tipo : {TipoPariDispari, TipoModulo, TipoRipetizioni})
        RegistraEditore(tipo, EditorePerUso<TFormTabelle>([tipo](QWidget* padre) {
                            return std::make_unique<TFormTabelle>(tipo, padre);
                        }));
    RegistraEditore(TipoFormuleDerivate, EditorePerUso<TFormFormuleDerivate>([](QWidget* padre) {
                        return std::make_unique<TFormFormuleDerivate>(padre);
                    }));
    RegistraEditore(TipoGruppoConsecutivita, EditorePerUso<TFormConsecutivita>([](QWidget* padre) {
                        return std::make_unique<TFormConsecutivita>(padre);
                    }));
    RegistraEditore(TipoGruppoSequele, EditorePerUso<TFormSequela>([](QWidget* padre) {
                        return std::make_unique<TFormSequela>(padre);
                    }));
    for (TipoCondizione tipo : {TipoGruppoValori, TipoGruppoPercentuali})
        RegistraEditore(tipo, EditorePerUso<TFormPVP>([tipo](QWidget* padre) {
                            return std::make_unique<TFormPVP>(tipo, padre);
                        }));
    RegistraEditore(TipoGruppoColonneFiltro, EditorePerUso<TFormListaColFiltro>([](QWidget* padre) {
                        return std::make_unique<TFormListaColFiltro>(padre);
                    }));
    RegistraEditore(TipoPuntiTra, EditorePerUso<TFormPtTra>(
                                      [](QWidget* padre) { return std::make_unique<TFormPtTra>(padre); }));
    // "&Link" is no condition of a slot: a command of the main window.
    RegistroFinestre().comandi["Link1"] = [](TContestoComando& c) {
        EseguiEditoreLink(c.Sistema, c.Finestra);
        if (c.Aggiorna) c.Aggiorna();
    };
}

}  // namespace morella::ui
