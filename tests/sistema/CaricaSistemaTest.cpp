// Loading a system file apart from the open system: a file that ends between two blocks
// takes the defaults for the rest, one that ends inside a block or holds what the program
// never writes is refused and the open system stays exactly as it was.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "CartellaTemporanea.h"
#include "Cartelle.h"
#include "DocumentoSchedina.h"
#include "SistemaEsempio.h"
#include "UTSistema.h"

using namespace morella;
using morella::test::TCartellaTemporanea;
using morella::test::TGiocoTemporaneo;

namespace {

std::size_t ByteLista(const std::vector<std::string>& righe)
{
    std::size_t n = 4;
    for (const std::string& r : righe) n += 4 + Windows1252DaUtf8(r).size();
    return n;
}

// The end of every block of the system's image, in file order, worked out from the fields
// rather than from the reader under test.
std::vector<std::size_t> FiniDeiBlocchi(const TSistema& s)
{
    const TDatiSistema& d = s.Dati();
    TScrittoreBinario condizioni, link;
    d.Condizioni->Scrivi(condizioni);
    d.Link->Scrivi(link);
    std::vector<std::size_t> fini;
    std::size_t p = 0;
    for (std::size_t dimensione :
         {std::size_t{4},     std::size_t{4},   std::size_t{338},      std::size_t{14},
          std::size_t{2},     std::size_t{156}, std::size_t{156},      condizioni.Dati().size(),
          link.Dati().size(), std::size_t{1},   std::size_t{256},      std::size_t{1},
          std::size_t{1},     std::size_t{1},   std::size_t{1},        std::size_t{1},
          std::size_t{1},     std::size_t{256}, ByteLista(s.Commento), ByteLista(s.NomiPartecipanti),
          std::size_t{4}})
        fini.push_back(p += dimensione);
    return fini;
}

class CaricaSistema : public ::testing::Test {
   protected:
    TCartellaTemporanea dir;
    TGiocoTemporaneo gioco{GiocoTotip};
    void SetUp() override { ImpostaDirectoryProgramma(dir.Percorso().string()); }

    // An open system unlike the example in every block the example has.
    static void RendiDiverso(TSistema& s)
    {
        TDocumentoSchedina(s).NumeroChange("42");
        s.Dati().Pronostico[0] = 2;
        s.Dati().Valori[3][1] = 77;
        s.Dati().Impostazioni.FileDestinazione = "aperto.Col";
        s.Dati().Impostazioni.UsaCondizioni = false;
        s.Commento = {"aperto"};
        s.Partecipanti = 3;
        s.NomiPartecipanti = {"a", "b", "c"};
    }
};

}  // namespace

TEST_F(CaricaSistema, TestaDellEsempioAOgniLunghezza)
{
    const TBytes esempio = ImmagineEsempio(dir.Percorso().string());
    TSistema modello;
    {
        TLettoreBinario f(esempio);
        ASSERT_TRUE(modello.LeggiImmagine(f));
    }
    const std::vector<std::size_t> fini = FiniDeiBlocchi(modello);
    ASSERT_EQ(fini.back(), esempio.size());
    const TSistema vuoto;
    const TBytes predefinito = vuoto.Immagine();
    const std::vector<std::size_t> finiVuoto = FiniDeiBlocchi(vuoto);

    TSistema aperto;
    RendiDiverso(aperto);
    const TBytes suo = aperto.Immagine();
    int caricati = 0;
    for (std::size_t n = 0; n <= esempio.size(); ++n) {
        aperto.Modificato = true;
        TLettoreBinario f(esempio.data(), n);
        const auto blocco = std::find(fini.begin(), fini.end(), n);
        const bool confine = blocco != fini.end();
        ASSERT_EQ(aperto.LeggiImmagine(f), confine) << "head of " << n << " bytes";
        if (!confine) {
            ASSERT_EQ(aperto.Immagine(), suo) << "head of " << n << " bytes";
            ASSERT_TRUE(aperto.Modificato);
            continue;
        }
        // The blocks read, then a new system's blocks: nothing of the open system.
        TBytes atteso(esempio.begin(), esempio.begin() + static_cast<long>(n));
        atteso.insert(atteso.end(),
                      predefinito.begin() +
                          static_cast<long>(finiVuoto[static_cast<std::size_t>(blocco - fini.begin())]),
                      predefinito.end());
        ASSERT_EQ(aperto.Immagine(), atteso) << "head of " << n << " bytes";
        EXPECT_FALSE(aperto.Modificato);
        ++caricati;
        TLettoreBinario ritorno(suo);
        ASSERT_TRUE(aperto.LeggiImmagine(ritorno));
    }
    EXPECT_EQ(caricati, 21);
}

TEST_F(CaricaSistema, ByteACasoRifiutati)
{
    const TBytes esempio = ImmagineEsempio(dir.Percorso().string());
    TSistema aperto;
    RendiDiverso(aperto);
    const TBytes suo = aperto.Immagine();
    std::mt19937 caso(22);
    for (int prova = 0; prova < 40; ++prova) {
        // Whole files of noise, and noise behind a sound head (into the condition block).
        TBytes b(18751);
        for (auto& x : b) x = static_cast<std::uint8_t>(caso());
        if (prova % 2) std::copy(esempio.begin(), esempio.begin() + 674, b.begin());
        TLettoreBinario f(b);
        EXPECT_FALSE(aperto.LeggiImmagine(f)) << prova;
        ASSERT_EQ(aperto.Immagine(), suo);
    }
}

TEST_F(CaricaSistema, ValoriImpossibiliRifiutatiTolleranzeTenute)
{
    TSistema s;
    s.Commento = {"riga"};
    const TBytes buono = s.Immagine();
    const std::size_t impostazioni = FiniDeiBlocchi(s)[8];
    const std::size_t partecipanti = buono.size() - 4;
    auto con = [&](std::size_t o, std::initializer_list<std::uint8_t> byte) {
        TBytes b = buono;
        std::copy(byte.begin(), byte.end(), b.begin() + static_cast<long>(o));
        return b;
    };
    auto int32 = [&](std::size_t o, std::int32_t v) {
        const auto u = static_cast<std::uint32_t>(v);
        return con(o, {static_cast<std::uint8_t>(u), static_cast<std::uint8_t>(u >> 8),
                       static_cast<std::uint8_t>(u >> 16), static_cast<std::uint8_t>(u >> 24)});
    };
    auto percentuali = [&](std::int32_t a, std::int32_t b, std::int32_t c) {
        TBytes r = int32(518, a);
        for (auto [o, v] : {std::pair{522, b}, std::pair{526, c}})
            for (int k = 0; k < 4; ++k)
                r[static_cast<std::size_t>(o + k)] =
                    static_cast<std::uint8_t>(static_cast<std::uint32_t>(v) >> (8 * k));
        return r;
    };

    const std::vector<std::pair<const char*, TBytes>> impossibili = {
        {"sign code 8", con(346, {8})},
        {"sign code of the last race", con(346 + 11, {0x80})},
        {"name longer than its capacity", con(8 + 13, {13})},
        {"value -1", int32(362, -1)},
        {"value 10000", int32(362 + 4 * 38, 10000)},
        {"percentage 101", percentuali(101, 0, 0)},
        {"negative percentage", percentuali(120, -20, 0)},
        {"row adding up to 70", percentuali(50, 20, 0)},
        {"condition kind out of its slot", con(674, {2})},
        {"setting byte 2", con(impostazioni, {2})},
        {"accurate setting byte 2", con(impostazioni + 1 + 256 + 5, {2})},
        {"comment line of negative length", int32(impostazioni + 519, -2)},
        {"no participants", int32(partecipanti, 0)},
        {"101 participants", int32(partecipanti, 101)},
    };
    for (const auto& [caso, b] : impossibili) {
        TSistema aperto;
        TDocumentoSchedina(aperto).NumeroChange("5");
        const TBytes suo = aperto.Immagine();
        TLettoreBinario f(b);
        EXPECT_FALSE(aperto.LeggiImmagine(f)) << caso;
        EXPECT_EQ(aperto.Immagine(), suo) << caso;
    }

    const std::vector<std::pair<const char*, TBytes>> possibili = {
        {"format 7", int32(0, 7)},
        {"contest 52838", int32(4, 52838)},
        {"any bytes in a name", con(8, {12, 0x00, 0xFF, 0x81, 0x7F, '\n'})},
        {"any Corsa + mask", con(360, {0xFF, 0xFF})},
        {"any bytes past the races", con(346 + 12, {0xFF, 0xEE})},
        {"values up to four digits", int32(362 + 4 * 38, 9999)},
        {"a row adding up to 100", percentuali(20, 30, 50)},
        {"a hundred participants", int32(partecipanti, 100)},
    };
    for (const auto& [caso, b] : possibili) {
        TSistema letto;
        TLettoreBinario f(b);
        EXPECT_TRUE(letto.LeggiImmagine(f)) << caso;
    }
    ImpostaFormatoSistema(FormatoSistemaIniziale);
}
