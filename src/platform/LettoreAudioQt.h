// The dictation's audio player on Qt Multimedia: one waveform file, a stretch of it at a time.
#pragma once

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QTimer>
#include <memory>

#include "LettoreAudio.h"

namespace morella {

class TLettoreAudioQt : public TLettoreAudio {
   public:
    // `attesaMs`: how long opening may wait for the media backend to read the file.
    explicit TLettoreAudioQt(int attesaMs = 5000);
    ~TLettoreAudioQt() override;
    TLettoreAudioQt(const TLettoreAudioQt&) = delete;
    TLettoreAudioQt& operator=(const TLettoreAudioQt&) = delete;

    bool Apri(const std::string& file) override;
    void Chiudi() override;
    void Ferma() override;
    void Suona(int daMs, int aMs) override;

    bool Aperto() const { return lettore_ != nullptr; }
    bool InRiproduzione() const;
    qint64 Durata() const;     // ms; 0 when nothing is open
    qint64 Posizione() const;  // ms
    QString Errore() const;    // the backend's reason when opening failed

   private:
    void ControllaFine(qint64 posizione);

    int attesaMs_;
    std::unique_ptr<QAudioOutput> uscita_;
    std::unique_ptr<QMediaPlayer> lettore_;
    QTimer fine_;  // stops the stretch when the position reports come too sparsely
    qint64 fineMs_ = -1;
    QString errore_;
};

}  // namespace morella
