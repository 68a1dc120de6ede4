#include <gtest/gtest.h>

#include <filesystem>

#include "CartellaTemporanea.h"
#include "FileBinario.h"

using namespace morella;
using morella::test::LeggiTutto;
using morella::test::TCartellaTemporanea;

TEST(FileBinario, BlocchiLittleEndianEStringheContate)
{
    TScrittoreBinario w;
    w.Intero32(0x01020304);
    w.Intero16(-2);
    w.Booleano(true);
    w.Reale(40.7);
    w.StringaContata("1º Arrivato è", 12);
    const TBytes& d = w.Dati();
    ASSERT_EQ(d.size(), 4u + 2 + 1 + 8 + 13);
    EXPECT_EQ(d[0], 0x04);
    EXPECT_EQ(d[3], 0x01);
    EXPECT_EQ(d[4], 0xFE);
    EXPECT_EQ(d[5], 0xFF);
    EXPECT_EQ(d[6], 1);
    // Windows-1252 on disk: "º" is 0xBA and "è" 0xE8, one byte each; cut to 12 characters.
    EXPECT_EQ(d[15], 12);
    EXPECT_EQ(d[16], '1');
    EXPECT_EQ(d[17], 0xBA);
    EXPECT_EQ(d[15 + 12], ' ');  // the twelfth character; "è" was cut away

    TLettoreBinario r(d);
    std::int32_t i32;
    std::int16_t i16;
    bool b;
    double x;
    std::string s;
    ASSERT_TRUE(r.Intero32(i32) && r.Intero16(i16) && r.Booleano(b) && r.Reale(x) && r.StringaContata(s, 12));
    EXPECT_EQ(i32, 0x01020304);
    EXPECT_EQ(i16, -2);
    EXPECT_TRUE(b);
    EXPECT_EQ(x, 40.7);
    EXPECT_EQ(s, "1º Arrivato ");
    EXPECT_TRUE(r.AllaFine());
}

TEST(FileBinario, LaSequenzaSiFermaAlPrimoBloccoIncompleto)
{
    TBytes d = {1, 0, 0, 0, 7, 7};
    TLettoreBinario r(d);
    std::int32_t a = -1, b = -1;
    std::uint8_t c = 9;
    EXPECT_TRUE(r.Intero32(a));
    EXPECT_FALSE(r.Intero32(b));
    EXPECT_EQ(b, -1);  // untouched
    // Even a block that would fit is refused after the first short one.
    EXPECT_FALSE(r.Byte(c));
    EXPECT_EQ(c, 9);
    EXPECT_TRUE(r.Interrotto());
}

TEST(FileBinario, StringaContataConLunghezzaOltreLaCapacita)
{
    TBytes d = {250, 'a', 'b', 'c', 'd'};
    TLettoreBinario r(d);
    std::string s;
    ASSERT_TRUE(r.StringaContata(s, 4));
    EXPECT_EQ(s, "abcd");
}

TEST(FileBinario, Windows1252AndataERitorno)
{
    // Every byte survives Windows-1252 -> UTF-8 -> Windows-1252, the five holes included.
    std::string tutti;
    for (int b = 1; b < 256; ++b) tutti += static_cast<char>(b);
    EXPECT_EQ(Windows1252DaUtf8(Utf8DaWindows1252(tutti)), tutti);
    EXPECT_EQ(Utf8DaWindows1252("\x80"), "€");
    // Characters Windows-1252 lacks become "?", one per character, never broken bytes.
    EXPECT_EQ(Windows1252DaUtf8("a€字😀b"), "a\x80??b");
    // Malformed UTF-8 does not swallow the following text.
    EXPECT_EQ(Windows1252DaUtf8("\xC3x"), "?x");
    EXPECT_EQ(TagliaCaratteri("èèè", 2), "èè");
    EXPECT_EQ(TagliaCaratteri("ab", 5), "ab");

    TScrittoreBinario w;
    w.StringaContata("字字字字", 3);
    EXPECT_EQ(w.Dati(), (TBytes{3, '?', '?', '?'}));
}

TEST(FileBinario, SalvataggioSicuroNonDistruggeIlVecchioFile)
{
    TCartellaTemporanea dir;
    std::string f = dir.File("prova.bin");
    ASSERT_TRUE(SalvaSicuro(f, TBytes{1, 2, 3}));
    EXPECT_EQ(LeggiTutto(f), (TBytes{1, 2, 3}));
    ASSERT_TRUE(SalvaSicuro(f, TBytes{4}));
    EXPECT_EQ(LeggiTutto(f), (TBytes{4}));

    // A target that cannot be replaced (a folder in its place) fails and leaves no debris.
    std::string cartella = dir.File("sono_una_cartella");
    std::filesystem::create_directory(cartella);
    std::filesystem::create_directory(cartella + "/dentro");
    EXPECT_FALSE(SalvaSicuro(cartella, TBytes{9}));
    EXPECT_TRUE(std::filesystem::is_directory(cartella + "/dentro"));
    // A folder that does not exist fails too.
    EXPECT_FALSE(SalvaSicuro(dir.File("manca/x.bin"), TBytes{9}));
    int voci = 0;
    for (auto& e : std::filesystem::directory_iterator(dir.Percorso())) {
        (void)e;
        ++voci;
    }
    EXPECT_EQ(voci, 2);  // prova.bin and the folder; no temporary file left behind
    EXPECT_EQ(LeggiTutto(f), (TBytes{4}));
}

TEST(FileBinario, ApriUnFileMancanteNonDaNulla)
{
    TCartellaTemporanea dir;
    EXPECT_FALSE(TLettoreBinario::Apri(dir.File("non_esiste")).has_value());
    EXPECT_FALSE(FileEsiste(dir.File("non_esiste")));
}
