// The voice file the build puts in the program directory: a plain waveform whose seven words
// each sound inside their own slot, so every stretch the dictation plays says one whole word.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "CartellaTemporanea.h"
#include "Dettatura.h"

using namespace morella;

namespace {

struct TOnda {
    int formato = 0, canali = 0, frequenza = 0, bit = 0;
    std::vector<std::int16_t> campioni;
};

std::uint32_t Le32(const std::vector<std::uint8_t>& b, std::size_t i)
{
    return b[i] | (b[i + 1] << 8) | (b[i + 2] << 16) | (static_cast<std::uint32_t>(b[i + 3]) << 24);
}

TOnda LeggiOnda(const std::string& file)
{
    const auto b = test::LeggiTutto(file);
    TOnda o;
    if (b.size() < 12 || std::string(b.begin(), b.begin() + 4) != "RIFF" ||
        std::string(b.begin() + 8, b.begin() + 12) != "WAVE")
        return o;
    for (std::size_t i = 12; i + 8 <= b.size();) {
        const std::string id(b.begin() + static_cast<std::ptrdiff_t>(i),
                             b.begin() + static_cast<std::ptrdiff_t>(i + 4));
        const std::size_t n = Le32(b, i + 4);
        const std::size_t dati = i + 8;
        if (dati + n > b.size()) break;
        if (id == "fmt ") {
            o.formato = b[dati] | (b[dati + 1] << 8);
            o.canali = b[dati + 2] | (b[dati + 3] << 8);
            o.frequenza = static_cast<int>(Le32(b, dati + 4));
            o.bit = b[dati + 14] | (b[dati + 15] << 8);
        } else if (id == "data") {
            for (std::size_t k = 0; k + 1 < n; k += 2)
                o.campioni.push_back(static_cast<std::int16_t>(b[dati + k] | (b[dati + k + 1] << 8)));
        }
        i = dati + n + (n & 1);
    }
    return o;
}

double Rms(const TOnda& o, int daMs, int aMs)
{
    const auto da = static_cast<std::size_t>(static_cast<long>(daMs) * o.frequenza / 1000);
    const auto a =
        std::min(o.campioni.size(), static_cast<std::size_t>(static_cast<long>(aMs) * o.frequenza / 1000));
    if (a <= da) return 0;
    double somma = 0;
    for (std::size_t k = da; k < a; ++k) somma += double(o.campioni[k]) * o.campioni[k];
    return std::sqrt(somma / double(a - da)) / 32768.0;
}

}  // namespace

TEST(FileVocale, SetteParoleOgnunaNelSuoSecondo)
{
    const std::string file =
        (std::filesystem::path(MORELLA_CLI_PATH).parent_path() / "Wav" / NomeFileVocale).string();
    ASSERT_TRUE(std::filesystem::exists(file)) << file;
    const TOnda o = LeggiOnda(file);
    EXPECT_EQ(o.formato, 1);  // plain PCM, which every player reads
    EXPECT_EQ(o.canali, 1);
    EXPECT_EQ(o.bit, 16);
    ASSERT_GT(o.frequenza, 0);
    const double durata = double(o.campioni.size()) / o.frequenza;
    EXPECT_NEAR(durata, 7.0, 0.05);
    ASSERT_GE(durata, 6.9);

    for (TSegni v = 1; v <= 7; ++v) {
        const TTrattoVoce t = TrattoVoce(v);
        // The word sounds within its stretch...
        EXPECT_GT(Rms(o, t.da, t.a), 0.01) << "parola " << int(v);
        // ...and the tail of every slot is silent, so cutting the last one at 6.9 s and
        // stopping any word at its slot's end lose nothing and take nothing from the next.
        EXPECT_LT(Rms(o, v * 1000 - 100, v * 1000), 0.001) << "parola " << int(v);
        // No word starts before its slot does.
        EXPECT_LT(Rms(o, t.da, t.da + 20), 0.001) << "parola " << int(v);
    }
}
