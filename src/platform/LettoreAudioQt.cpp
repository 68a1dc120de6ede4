#include "LettoreAudioQt.h"

#include <QAudioDevice>
#include <QEventLoop>
#include <QFileInfo>
#include <QMediaDevices>
#include <QUrl>
#include <algorithm>

namespace morella {

namespace {

bool Caricato(QMediaPlayer::MediaStatus s)
{
    return s == QMediaPlayer::LoadedMedia || s == QMediaPlayer::BufferedMedia ||
           s == QMediaPlayer::BufferingMedia;
}

bool Definitivo(QMediaPlayer::MediaStatus s)
{
    return Caricato(s) || s == QMediaPlayer::InvalidMedia;
}

// Qt picks its media backend once, at the first player: unless the user chose one, take
// FFmpeg's. It ships with Qt Multimedia itself and reads a waveform file with nothing else
// installed, whereas the GStreamer backend needs the plugin packages and, missing them,
// brings the program down at the first player it builds.
void ScegliBackend()
{
    if (!qEnvironmentVariableIsSet("QT_MEDIA_BACKEND")) qputenv("QT_MEDIA_BACKEND", "ffmpeg");
}

}  // namespace

TLettoreAudioQt::TLettoreAudioQt(int attesaMs) : attesaMs_(attesaMs)
{
    ScegliBackend();
    fine_.setSingleShot(true);
    fine_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&fine_, &QTimer::timeout, [this] { Ferma(); });
}

TLettoreAudioQt::~TLettoreAudioQt()
{
    Chiudi();
}

bool TLettoreAudioQt::Apri(const std::string& file)
{
    Chiudi();
    errore_.clear();
    const QString percorso = QString::fromStdString(file);
    const QFileInfo info(percorso);
    if (!info.isFile() || !info.isReadable()) {
        errore_ = QStringLiteral("file mancante");
        return false;
    }
    auto uscita = std::make_unique<QAudioOutput>();
    auto lettore = std::make_unique<QMediaPlayer>();
    if (!lettore->isAvailable()) {
        errore_ = QStringLiteral("nessun servizio multimediale");
        return false;
    }
    lettore->setAudioOutput(uscita.get());

    // The backend reads the file in the background: wait here, within a bound, for its verdict,
    // so a file it cannot play is refused now and not on every word.
    QEventLoop attesa;
    QTimer scadenza;
    scadenza.setSingleShot(true);
    QObject::connect(&scadenza, &QTimer::timeout, &attesa, &QEventLoop::quit);
    QObject::connect(lettore.get(), &QMediaPlayer::mediaStatusChanged, &attesa, [&attesa](auto s) {
        if (Definitivo(s)) attesa.quit();
    });
    QObject::connect(lettore.get(), &QMediaPlayer::errorOccurred, &attesa, &QEventLoop::quit);
    lettore->setSource(QUrl::fromLocalFile(info.absoluteFilePath()));
    if (!Definitivo(lettore->mediaStatus()) && lettore->error() == QMediaPlayer::NoError) {
        scadenza.start(attesaMs_);
        attesa.exec();
    }
    QObject::disconnect(lettore.get(), nullptr, &attesa, nullptr);
    if (!Caricato(lettore->mediaStatus()) || lettore->error() != QMediaPlayer::NoError) {
        errore_ =
            lettore->errorString().isEmpty() ? QStringLiteral("file non leggibile") : lettore->errorString();
        return false;
    }

    QObject::connect(lettore.get(), &QMediaPlayer::positionChanged, [this](qint64 p) { ControllaFine(p); });
    // The stretch's own clock starts when the sound really does.
    QObject::connect(
        lettore.get(), &QMediaPlayer::playbackStateChanged, [this](QMediaPlayer::PlaybackState s) {
            if (s == QMediaPlayer::PlayingState && fineMs_ >= 0 && lettore_)
                fine_.start(static_cast<int>(std::max<qint64>(0, fineMs_ - lettore_->position())));
        });
    uscita_ = std::move(uscita);
    lettore_ = std::move(lettore);
    return true;
}

void TLettoreAudioQt::Chiudi()
{
    Ferma();
    lettore_.reset();
    uscita_.reset();
}

void TLettoreAudioQt::Ferma()
{
    fine_.stop();
    fineMs_ = -1;
    // Pausing keeps the file ready, so the next word starts without reloading.
    if (lettore_ && lettore_->playbackState() == QMediaPlayer::PlayingState) lettore_->pause();
}

void TLettoreAudioQt::Suona(int daMs, int aMs)
{
    if (!lettore_ || aMs <= daMs) return;
    Ferma();
    // Without a sound device Qt's renderer writes into nothing and crashes: the dictation then
    // goes on in silence, the view still marking every sign in turn. A device plugged in
    // later is taken up at the next word.
    if (QMediaDevices::audioOutputs().isEmpty()) return;
    if (uscita_->device().isNull()) uscita_->setDevice(QMediaDevices::defaultAudioOutput());
    fineMs_ = aMs;
    lettore_->setPosition(daMs);
    lettore_->play();
    fine_.start(aMs - daMs);
}

void TLettoreAudioQt::ControllaFine(qint64 posizione)
{
    if (fineMs_ >= 0 && posizione >= fineMs_) Ferma();
}

bool TLettoreAudioQt::InRiproduzione() const
{
    return lettore_ && lettore_->playbackState() == QMediaPlayer::PlayingState;
}

qint64 TLettoreAudioQt::Durata() const
{
    return lettore_ ? lettore_->duration() : 0;
}

qint64 TLettoreAudioQt::Posizione() const
{
    return lettore_ ? lettore_->position() : 0;
}

QString TLettoreAudioQt::Errore() const
{
    return errore_;
}

}  // namespace morella
