#include "LungaElaborazione.h"

#include <QCoreApplication>
#include <QEvent>

namespace morella::ui {

// While the work pumps events, the player's input may reach only its window: a command of the
// main window (New, Load, another development) would change the data under the engine.
class TLungaElaborazione::TFiltroInput : public QObject {
   public:
    explicit TFiltroInput(QWidget* finestra) : finestra_(finestra) {}
    bool eventFilter(QObject* o, QEvent* e) override
    {
        switch (e->type()) {
            case QEvent::MouseButtonPress:
            case QEvent::MouseButtonRelease:
            case QEvent::MouseButtonDblClick:
            case QEvent::KeyPress:
            case QEvent::KeyRelease:
            case QEvent::Shortcut:
            case QEvent::ShortcutOverride:
            case QEvent::Wheel:
            case QEvent::Close: {
                // A shortcut of another window's action reaches the action, not a widget.
                auto* w = qobject_cast<QWidget*>(o);
                const bool nostro = w ? w->window() == finestra_ : e->type() != QEvent::Shortcut;
                if (nostro) return false;
                e->ignore();
                return true;
            }
            default:
                return false;
        }
    }

   private:
    QWidget* finestra_;
};

TLungaElaborazione::TLungaElaborazione(QWidget& finestra) : finestra_(finestra) {}

TLungaElaborazione::~TLungaElaborazione() = default;

void TLungaElaborazione::Esegui(const std::function<void()>& lavoro, const std::function<void()>& fine)
{
    if (inCorso_) return;
    TFiltroInput filtro(&finestra_);
    QCoreApplication::instance()->installEventFilter(&filtro);
    inCorso_ = true;
    annullato_ = false;
    ultimaPompa_ = std::chrono::steady_clock::now();
    struct TFine {
        TLungaElaborazione& l;
        TFiltroInput& filtro;
        const std::function<void()>& fine;
        ~TFine()
        {
            QCoreApplication::instance()->removeEventFilter(&filtro);
            l.inCorso_ = false;
            if (fine) fine();
        }
    } chiusura{*this, filtro, fine};
    Pompa(true);
    lavoro();
}

void TLungaElaborazione::Pompa(bool forza)
{
    const auto ora = std::chrono::steady_clock::now();
    if (!forza && ora - ultimaPompa_ < IntervalloEventi) return;
    QCoreApplication::processEvents();
    ultimaPompa_ = std::chrono::steady_clock::now();
}

bool TLungaElaborazione::Annullato()
{
    Pompa(false);
    return annullato_;
}

void TLungaElaborazione::Avanza(QProgressBar& gauge, TIndicatore& indicatore, int percento, bool finale)
{
    if (indicatore.Aggiorna(percento, finale)) gauge.setValue(indicatore.Mostrata());
    Pompa(false);
}

}  // namespace morella::ui
