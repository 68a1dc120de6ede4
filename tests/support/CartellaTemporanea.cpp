#include "CartellaTemporanea.h"

#include <fstream>
#include <iterator>
#include <random>
#include <stdexcept>

namespace morella::test {

TCartellaTemporanea::TCartellaTemporanea()
{
    std::random_device rd;
    auto base = std::filesystem::temp_directory_path();
    for (int tentativo = 0; tentativo < 100; ++tentativo) {
        auto p = base / ("morella-test-" + std::to_string(rd()));
        if (std::filesystem::create_directory(p)) {
            percorso_ = p;
            return;
        }
    }
    throw std::runtime_error("cannot create a temporary folder");
}

TCartellaTemporanea::~TCartellaTemporanea()
{
    std::error_code ec;
    std::filesystem::remove_all(percorso_, ec);
}

std::vector<std::uint8_t> LeggiTutto(const std::string& percorso)
{
    std::ifstream f(percorso, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

void ScriviTutto(const std::string& percorso, const std::vector<std::uint8_t>& dati)
{
    std::ofstream f(percorso, std::ios::binary | std::ios::trunc);
    f.write(reinterpret_cast<const char*>(dati.data()), static_cast<std::streamsize>(dati.size()));
}

}  // namespace morella::test
