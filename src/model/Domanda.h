// The question seam: how the core asks the player to confirm something or shows an
// information box. The desktop program answers with its message box, the tests and
// the command-line tool with a scripted answer.
#pragma once

#include <string>

namespace morella {

// Buttons of a question, as bits; the answer is the bit of the button pressed, 0 when the
// box was closed without pressing any.
constexpr int PulsanteOk = 1;
constexpr int PulsanteSi = 2;
constexpr int PulsanteNo = 4;
constexpr int PulsanteAnnulla = 8;

inline constexpr const char* TitoloInformazione = "Informazione";
inline constexpr const char* TitoloConferma = "Conferma";

class TDomanda {
   public:
    virtual ~TDomanda() = default;
    virtual int Chiedi(const std::string& titolo, const std::string& testo, int pulsanti) = 0;
};

// Always gives the same answer; for batch work and tests.
class TRispostaFissa : public TDomanda {
   public:
    explicit TRispostaFissa(int risposta) : risposta_(risposta) {}
    int Chiedi(const std::string& titolo, const std::string& testo, int pulsanti) override
    {
        ultimoTitolo = titolo;
        ultimoTesto = testo;
        ultimiPulsanti = pulsanti;
        ++domande;
        return risposta_ & pulsanti;
    }
    std::string ultimoTitolo, ultimoTesto;
    int ultimiPulsanti = 0;
    int domande = 0;

   private:
    int risposta_;
};

}  // namespace morella
