// A fresh folder under the system's temporary directory, removed with everything in it
// when the test ends; and a guard that restores the game after a test switched it.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "Gioco.h"

namespace morella::test {

class TCartellaTemporanea {
   public:
    TCartellaTemporanea();
    ~TCartellaTemporanea();
    TCartellaTemporanea(const TCartellaTemporanea&) = delete;
    TCartellaTemporanea& operator=(const TCartellaTemporanea&) = delete;

    const std::filesystem::path& Percorso() const { return percorso_; }
    std::string File(const std::string& nome) const { return (percorso_ / nome).string(); }

   private:
    std::filesystem::path percorso_;
};

class TGiocoTemporaneo {
   public:
    explicit TGiocoTemporaneo(int gioco) : vecchio_(Gioco) { ImpostaGioco(gioco); }
    ~TGiocoTemporaneo() { ImpostaGioco(vecchio_); }
    TGiocoTemporaneo(const TGiocoTemporaneo&) = delete;
    TGiocoTemporaneo& operator=(const TGiocoTemporaneo&) = delete;

   private:
    int vecchio_;
};

std::vector<std::uint8_t> LeggiTutto(const std::string& percorso);
void ScriviTutto(const std::string& percorso, const std::vector<std::uint8_t>& dati);

}  // namespace morella::test
