// Saving onto and reading from what is not a plain file: links, devices, FIFOs, folders,
// endless sources. Nothing may be replaced that is not a regular file, and no read may
// block or grow without bound.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <future>
#include <thread>

#include "CartellaTemporanea.h"
#include "FileBinario.h"
#include "SenzaPrivilegi.h"

using namespace morella;
using morella::test::LeggiTutto;
using morella::test::ScriviTutto;
using morella::test::TCartellaTemporanea;
namespace fs = std::filesystem;

namespace {

const TBytes Nuovi = {'n', 'u', 'o', 'v', 'o'};

// A character device like /dev/null or /dev/full, made inside the temporary folder so that
// a faulty save can never touch the real one; nothing when this process may not make one.
bool CreaDispositivo(const std::string& percorso, unsigned minore)
{
    if (::mknod(percorso.c_str(), S_IFCHR | 0666, makedev(1, minore)) != 0) return false;
    const int fd = ::open(percorso.c_str(), O_WRONLY);
    if (fd < 0) return false;  // a file system mounted without devices
    ::close(fd);
    return true;
}

}  // namespace

TEST(FileSpeciali, UnCollegamentoRestaESiAggiornaIlFileACuiPorta)
{
    TCartellaTemporanea t;
    fs::create_directories(t.Percorso() / "altrove");
    ScriviTutto(t.File("altrove/vero.Col"), {'v', 'e', 'c', 'c', 'h', 'i', 'o'});
    fs::create_symlink("altrove/vero.Col", t.Percorso() / "link.Col");  // relative link
    fs::create_symlink(t.Percorso() / "link.Col", t.Percorso() / "catena.Col");

    ASSERT_TRUE(SalvaSicuro(t.File("catena.Col"), Nuovi));
    EXPECT_TRUE(fs::is_symlink(t.Percorso() / "catena.Col"));
    EXPECT_TRUE(fs::is_symlink(t.Percorso() / "link.Col"));
    EXPECT_EQ(LeggiTutto(t.File("altrove/vero.Col")), Nuovi);
    // No temporary file is left behind, here or where the link leads.
    EXPECT_EQ(std::distance(fs::directory_iterator(t.Percorso() / "altrove"), fs::directory_iterator()), 1);

    // A link to a file still to be made makes it where the link points.
    fs::create_symlink("altrove/futuro.Col", t.Percorso() / "sospeso.Col");
    ASSERT_TRUE(SalvaSicuro(t.File("sospeso.Col"), Nuovi));
    EXPECT_TRUE(fs::is_symlink(t.Percorso() / "sospeso.Col"));
    EXPECT_EQ(LeggiTutto(t.File("altrove/futuro.Col")), Nuovi);
}

// A file the user may not write is kept, whether reached by name or through a link, by
// both ways of saving; a file the user may write in the same folder is saved.
TEST(FileSpeciali, UnFileCheNonSiPuoScrivereResta)
{
    TCartellaTemporanea t;
    morella::test::ApriATutti(t.Percorso());
    const TBytes vecchi = {'v', 'e', 'c', 'c', 'h', 'i', 'o'};
    ScriviTutto(t.File("sola.Mrl"), vecchi);
    fs::permissions(t.File("sola.Mrl"),
                    fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    fs::create_symlink("sola.Mrl", t.Percorso() / "link.Mrl");
    ScriviTutto(t.File("libera.Col"), vecchi);
    fs::permissions(t.File("libera.Col"), fs::perms::all);

    // One bit per save that went wrong.
    const int esito = morella::test::EseguiSenzaPrivilegi([&] {
        int sbagli = 0;
        if (SalvaSicuro(t.File("sola.Mrl"), Nuovi)) sbagli |= 1;
        if (SalvaSicuro(t.File("link.Mrl"), Nuovi)) sbagli |= 2;
        TScritturaSicura pezzi(t.File("sola.Mrl"));
        if (pezzi.Scrivi(Nuovi.data(), Nuovi.size()) && pezzi.Concludi()) sbagli |= 4;
        if (!SalvaSicuro(t.File("libera.Col"), Nuovi)) sbagli |= 8;
        return sbagli;
    });
    if (esito < 0) GTEST_SKIP() << "cannot run a child without privileges here";
    EXPECT_EQ(esito, 0);
    EXPECT_EQ(LeggiTutto(t.File("sola.Mrl")), vecchi);
    EXPECT_TRUE(fs::is_symlink(t.Percorso() / "link.Mrl"));
    EXPECT_EQ(LeggiTutto(t.File("libera.Col")), Nuovi);
    EXPECT_EQ(std::distance(fs::directory_iterator(t.Percorso()), fs::directory_iterator()),
              3);  // no leftovers

    if (::geteuid() == 0) {  // root may write any file, and the mode stays
        ASSERT_TRUE(SalvaSicuro(t.File("sola.Mrl"), Nuovi));
        EXPECT_EQ(fs::status(t.File("sola.Mrl")).permissions(),
                  fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    }
}

TEST(FileSpeciali, UnaCartellaOUnaFifoSenzaLettoreNonVengonoSostituite)
{
    TCartellaTemporanea t;
    fs::create_directories(t.Percorso() / "cartella");
    EXPECT_FALSE(SalvaSicuro(t.File("cartella"), Nuovi));
    EXPECT_TRUE(fs::is_directory(t.Percorso() / "cartella"));

    ASSERT_EQ(::mkfifo(t.File("tubo").c_str(), 0600), 0);
    auto esito = std::async(std::launch::async, [&] { return SalvaSicuro(t.File("tubo"), Nuovi); });
    // Nobody reads: the save fails at once instead of waiting for a reader.
    ASSERT_EQ(esito.wait_for(std::chrono::seconds(3)), std::future_status::ready);
    EXPECT_FALSE(esito.get());
    EXPECT_TRUE(fs::is_fifo(t.Percorso() / "tubo"));
}

TEST(FileSpeciali, UnaFifoConLettoreRiceveIByte)
{
    TCartellaTemporanea t;
    ASSERT_EQ(::mkfifo(t.File("tubo").c_str(), 0600), 0);
    auto letti = std::async(std::launch::async, [&] {
        const int fd = ::open(t.File("tubo").c_str(), O_RDONLY);
        TBytes dati;
        std::uint8_t buf[64];
        for (ssize_t r; (r = ::read(fd, buf, sizeof buf)) > 0;) dati.insert(dati.end(), buf, buf + r);
        ::close(fd);
        return dati;
    });
    // The reader opens its end in its own time.
    bool scritto = false;
    for (int i = 0; i < 200 && !scritto; ++i) {
        scritto = SalvaSicuro(t.File("tubo"), Nuovi);
        if (!scritto) std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ASSERT_TRUE(scritto);
    EXPECT_EQ(letti.get(), Nuovi);
    EXPECT_TRUE(fs::is_fifo(t.Percorso() / "tubo"));
}

TEST(FileSpeciali, UnDispositivoRestaTaleEUnaScritturaCortaFallisce)
{
    TCartellaTemporanea t;
    if (!CreaDispositivo(t.File("nulla"), 3) || !CreaDispositivo(t.File("pieno"), 7))
        GTEST_SKIP() << "character devices cannot be made here";
    EXPECT_TRUE(SalvaSicuro(t.File("nulla"), Nuovi));
    EXPECT_TRUE(fs::is_character_file(t.Percorso() / "nulla"));
    // Like /dev/full: every write fails, and so does the save.
    EXPECT_FALSE(SalvaSicuro(t.File("pieno"), Nuovi));
    EXPECT_TRUE(fs::is_character_file(t.Percorso() / "pieno"));
    // The same through a link.
    fs::create_symlink(t.Percorso() / "pieno", t.Percorso() / "link");
    EXPECT_FALSE(SalvaSicuro(t.File("link"), Nuovi));
    EXPECT_TRUE(fs::is_character_file(t.Percorso() / "pieno"));
}

TEST(FileSpeciali, LaLetturaRifiutaCioCheNonEUnFileRegolareOTroppoLungo)
{
    TCartellaTemporanea t;
    // An endless source is refused without reading it.
    auto zero = std::async(std::launch::async, [] { return TLettoreBinario::Apri("/dev/zero").has_value(); });
    ASSERT_EQ(zero.wait_for(std::chrono::seconds(3)), std::future_status::ready);
    EXPECT_FALSE(zero.get());

    // A FIFO nobody writes into would block the open for ever.
    ASSERT_EQ(::mkfifo(t.File("tubo").c_str(), 0600), 0);
    auto tubo =
        std::async(std::launch::async, [&] { return TLettoreBinario::Apri(t.File("tubo")).has_value(); });
    ASSERT_EQ(tubo.wait_for(std::chrono::seconds(3)), std::future_status::ready);
    EXPECT_FALSE(tubo.get());

    fs::create_directories(t.Percorso() / "cartella");
    EXPECT_FALSE(TLettoreBinario::Apri(t.File("cartella")));

    // The limit is the format's: exactly at it is read, one byte past it is not.
    ScriviTutto(t.File("dieci"), TBytes(10, 7));
    ASSERT_TRUE(TLettoreBinario::Apri(t.File("dieci"), 10));
    EXPECT_EQ(TLettoreBinario::Apri(t.File("dieci"), 10)->Dimensione(), 10u);
    EXPECT_FALSE(TLettoreBinario::Apri(t.File("dieci"), 9));
    // A link to a regular file is read as the file.
    fs::create_symlink(t.Percorso() / "dieci", t.Percorso() / "link");
    EXPECT_TRUE(TLettoreBinario::Apri(t.File("link"), 10));
}

// The pictures and help pages of the desktop program are read by the same rule: the bytes
// of a regular file, and nothing, at once, for a FIFO or an endless device.
TEST(FileSpeciali, IDocumentiSiLeggonoConLaStessaRegola)
{
    TCartellaTemporanea t;
    ASSERT_EQ(::mkfifo(t.File("intro.bmp").c_str(), 0600), 0);
    auto tubo = std::async(std::launch::async, [&] {
        return LeggiFileIntero(t.File("intro.bmp"), DimensioneMassimaDocumento).has_value() ||
               LeggiFileIntero("/dev/zero", DimensioneMassimaDocumento).has_value();
    });
    ASSERT_EQ(tubo.wait_for(std::chrono::seconds(3)), std::future_status::ready);
    EXPECT_FALSE(tubo.get());
    const TBytes pagina = {'<', 'p', '>'};
    ScriviTutto(t.File("1.html"), pagina);
    EXPECT_EQ(LeggiFileIntero(t.File("1.html"), DimensioneMassimaDocumento), pagina);
}
