// The audio player the dictation speaks through: one waveform file, played a stretch at a
// time between two millisecond positions. The desktop program plays it on the sound card;
// the command-line tool and the tests record what would be played.
#pragma once

#include <string>

namespace morella {

class TLettoreAudio {
   public:
    virtual ~TLettoreAudio() = default;

    // Opens the file for playing; false when it is missing or cannot be read as sound.
    virtual bool Apri(const std::string& file) = 0;
    virtual void Chiudi() = 0;
    // Silences whatever is playing; harmless when nothing is.
    virtual void Ferma() = 0;
    // Plays from `daMs` and stops by itself at `aMs`.
    virtual void Suona(int daMs, int aMs) = 0;
};

}  // namespace morella
