#include "TemporizzatoreQt.h"

namespace morella {

TTemporizzatoreQt::TTemporizzatoreQt()
{
    // The rhythm of the words is what the player hears: keep it steady.
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, [this] { Scatta(); });
}

void TTemporizzatoreQt::Avvia(int periodoMs)
{
    timer_.start(periodoMs);
}

void TTemporizzatoreQt::Ferma()
{
    timer_.stop();
}

// QTimer restarts a running timer on the new interval, so the change is heard at once.
void TTemporizzatoreQt::ImpostaPeriodo(int periodoMs)
{
    timer_.setInterval(periodoMs);
}

}  // namespace morella
