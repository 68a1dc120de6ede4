#include "EditColonna.h"

#include <QKeyEvent>

namespace morella::ui {

namespace {

TTastoSegno TastoSegno(const QKeyEvent& e)
{
    switch (e.key()) {
        case Qt::Key_Up:
            return TTastoSegno::Su;
        case Qt::Key_Down:
            return TTastoSegno::Giu;
        case Qt::Key_Left:
            return TTastoSegno::Sinistra;
        case Qt::Key_Right:
            return TTastoSegno::Destra;
        case Qt::Key_Backspace:
            return TTastoSegno::Backspace;
        case Qt::Key_Insert:
            return TTastoSegno::Ins;
        case Qt::Key_Delete:
            return TTastoSegno::Canc;
        default:
            break;
    }
    const QString t = e.text();
    if (t.size() == 1 && t[0].unicode() < 128 &&
        (e.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier)) == 0)
        return TTastoSegno::Carattere;
    return TTastoSegno::Altro;
}

}  // namespace

// ---- TEditSegno ----

TEditSegno::TEditSegno(QWidget* parent) : QLineEdit(parent)
{
    setObjectName(QStringLiteral("EditSegno"));
    setMaxLength(CaratteriCampo(false));
    setAlignment(Qt::AlignCenter);
    // Text reaches the field only through the key filter: no pasting from a menu, no drops.
    setContextMenuPolicy(Qt::NoContextMenu);
    setAcceptDrops(false);
}

void TEditSegno::keyPressEvent(QKeyEvent* e)
{
    // The keys that belong to the dialog (confirm, cancel, next control) go on to it.
    switch (e->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            e->ignore();
            return;
        default:
            break;
    }
    const TTastoSegno tasto = TastoSegno(*e);
    QString restante = text();
    if (hasSelectedText()) restante.remove(selectionStart(), selectedText().size());
    const char carattere = tasto == TTastoSegno::Carattere ? e->text()[0].toLatin1() : '\0';
    const TEsitoTasto esito = FiltraTastoSegno(tasto, carattere, restante.toStdString());
    switch (esito.azione) {
        case TAzioneTasto::Inserisci:
            insert(QString(QChar::fromLatin1(esito.carattere)));
            break;
        case TAzioneTasto::Modifica:
            QLineEdit::keyPressEvent(e);
            break;
        case TAzioneTasto::Precedente:
            emit Precedente();
            break;
        case TAzioneTasto::Successivo:
            emit Successivo();
            break;
        case TAzioneTasto::Ingoia:
            break;
    }
    e->accept();
}

// ---- TEditColonna ----

TEditColonna::TEditColonna(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("EditColonna"));
    for (int i = 0; i < MaxEventi; ++i) {
        auto* campo = new TEditSegno(this);
        campo->setObjectName(QStringLiteral("EditSegno%1").arg(i + 1));
        campi_[static_cast<std::size_t>(i)] = campo;
        connect(campo, &QLineEdit::textChanged, this, [this, i](const QString& t) {
            if (caricando_ || !modello_.CampoCambiato(i, t.toStdString())) return;
            emit OnModificato();
        });
        connect(campo, &TEditSegno::Precedente, this, [this, i] { Sposta(i, true); });
        connect(campo, &TEditSegno::Successivo, this, [this, i] { Sposta(i, false); });
    }
    Disponi();
}

void TEditColonna::ImpostaGioco(int gioco)
{
    modello_.Gioco = gioco;
    Disponi();
}

void TEditColonna::ImpostaSingolo(bool singolo)
{
    modello_.Singolo = singolo;
    for (auto* c : campi_) c->setMaxLength(CaratteriCampo(singolo));
}

void TEditColonna::Disponi()
{
    for (int i = 0; i < MaxEventi; ++i) {
        auto* c = campi_[static_cast<std::size_t>(i)];
        c->setGeometry(0, YCampoSegno(i, modello_.Gioco, FieldHeight, Gap1, Gap2), FieldWidth, FieldHeight);
        c->setVisible(i < modello_.Eventi());
    }
    updateGeometry();
}

QSize TEditColonna::sizeHint() const
{
    const int ultimo = modello_.Eventi() - 1;
    return {FieldWidth, YCampoSegno(ultimo, modello_.Gioco, FieldHeight, Gap1, Gap2) + FieldHeight};
}

void TEditColonna::MostraCampo(int campo)
{
    caricando_ = true;
    Campo(campo)->setText(QString::fromStdString(modello_.TestoCampo(campo)));
    caricando_ = false;
}

void TEditColonna::ImpostaColonna(const TColonna& c)
{
    modello_.ImpostaColonna(c);
    for (int i = 0; i < MaxEventi; ++i) MostraCampo(i);
    emit OnModificato();
}

void TEditColonna::Sposta(int campo, bool su)
{
    const int altro = modello_.CampoVicino(campo, su);
    if (altro < 0) return;
    // Both fields show their signs in the usual order again ("X1" becomes "1X").
    MostraCampo(campo);
    MostraCampo(altro);
    Campo(altro)->setFocus();
}

}  // namespace morella::ui
