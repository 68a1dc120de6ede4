// The archive lock between processes: a second writer waits and then fails with the
// program's message, the lock goes with a process that dies, and one process may take it
// again while it holds it.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>

#include "Archivio.h"
#include "BloccoArchivio.h"
#include "CartellaTemporanea.h"
#include "EditoreArchivio.h"
#include "Errore.h"
#include "SenzaPrivilegi.h"

using namespace morella;
using morella::test::TCartellaTemporanea;
using Orologio = std::chrono::steady_clock;

namespace {

// A child process that takes the lock, says so through a pipe and then sleeps until killed.
pid_t FiglioCheBlocca(const std::string& cartella)
{
    int tubo[2];
    if (::pipe(tubo) != 0) return -1;
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(tubo[0]);
        try {
            TBloccoArchivio blocco(cartella, std::chrono::milliseconds(0));
            (void)!::write(tubo[1], "x", 1);
            for (;;) ::pause();
        } catch (...) {
            ::_exit(3);
        }
    }
    ::close(tubo[1]);
    char c = 0;
    (void)!::read(tubo[0], &c, 1);
    ::close(tubo[0]);
    return c == 'x' ? pid : -1;
}

// Whether a writer with its own open of the lock file could take it now.
bool LiberoPerUnAltro(const std::string& cartella)
{
    const int fd = ::open((std::filesystem::path(cartella) / NomeFileBlocco).c_str(), O_RDWR);
    if (fd < 0) return false;
    const bool libero = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    ::close(fd);
    return libero;
}

void Termina(pid_t pid)
{
    ::kill(pid, SIGKILL);
    int stato = 0;
    ::waitpid(pid, &stato, 0);
}

}  // namespace

TEST(BloccoArchivio, UnSecondoScrittoreAttendeEPoiFallisceConIlMessaggio)
{
    TCartellaTemporanea t;
    const pid_t figlio = FiglioCheBlocca(t.Percorso().string());
    ASSERT_GT(figlio, 0);

    const auto inizio = Orologio::now();
    try {
        TBloccoArchivio blocco(t.Percorso().string(), std::chrono::milliseconds(300));
        ADD_FAILURE() << "the lock was taken twice";
    } catch (const EErrore& e) {
        EXPECT_STREQ(e.what(), MessaggioArchivioOccupato);
    }
    const auto attesa = Orologio::now() - inizio;
    EXPECT_GE(attesa, std::chrono::milliseconds(250));
    EXPECT_LT(attesa, std::chrono::seconds(3));

    // The holder dies without letting go: the lock goes with it.
    Termina(figlio);
    TBloccoArchivio blocco(t.Percorso().string(), std::chrono::milliseconds(300));
    EXPECT_TRUE(std::filesystem::exists(t.Percorso() / NomeFileBlocco));
}

TEST(BloccoArchivio, LoStessoProcessoLoRiprendeEUnAltroAttendeLaFine)
{
    TCartellaTemporanea t;
    const std::string cartella = t.Percorso().string();
    {
        TBloccoArchivio esterno(cartella, std::chrono::milliseconds(0));
        TBloccoArchivio interno(cartella, std::chrono::milliseconds(0));  // the editor inside a command
        // Held by this process: another open of the lock file, as another process makes,
        // cannot take it.
        EXPECT_FALSE(LiberoPerUnAltro(cartella));
    }
    EXPECT_TRUE(LiberoPerUnAltro(cartella));
    // Released: a child takes it at once.
    const pid_t figlio = FiglioCheBlocca(cartella);
    EXPECT_GT(figlio, 0);
    if (figlio > 0) Termina(figlio);

    // Without the folder there is nothing to lock, and no error from the lock itself.
    EXPECT_NO_THROW(TBloccoArchivio((t.Percorso() / "manca").string(), std::chrono::milliseconds(0)));
    EXPECT_FALSE(std::filesystem::exists(t.Percorso() / "manca"));
}

// A lock file that cannot be taken never lets a writer through unlocked: a link (a loop,
// one leading nowhere, one leading out of the folder) is not followed and nothing is
// created where it points.
TEST(BloccoArchivio, UnCollegamentoAlPostoDelBloccoFermaLoScrittore)
{
    TCartellaTemporanea t, fuori;
    const std::filesystem::path blocco = t.Percorso() / NomeFileBlocco;
    const std::filesystem::path vittima = fuori.Percorso() / "creato";
    for (const std::filesystem::path& meta : {std::filesystem::path(NomeFileBlocco), vittima}) {
        std::filesystem::remove(blocco);
        std::filesystem::create_symlink(meta, blocco);
        try {
            TBloccoArchivio b(t.Percorso().string(), std::chrono::milliseconds(0));
            ADD_FAILURE() << "a writer went on without the lock, link to " << meta;
        } catch (const EErrore& e) {
            EXPECT_STREQ(e.what(), MessaggioArchivioOccupato);
        }
        EXPECT_TRUE(std::filesystem::is_symlink(blocco));
        EXPECT_FALSE(std::filesystem::exists(vittima)) << "a file was created outside the folder";
    }
    // The failed attempt left nothing held: with the link gone the lock is taken.
    std::filesystem::remove(blocco);
    EXPECT_NO_THROW(TBloccoArchivio(t.Percorso().string(), std::chrono::milliseconds(0)));
}

// Another user's lock file: one we may only read still serialises us with its owner; one we
// may not open at all stops us with the lock's message.
TEST(BloccoArchivio, IlBloccoDiUnAltroUtente)
{
    TCartellaTemporanea t;
    const std::string cartella = t.Percorso().string();
    morella::test::ApriATutti(t.Percorso());
    const std::filesystem::path file = t.Percorso() / NomeFileBlocco;
    {
        TBloccoArchivio crea(cartella, std::chrono::milliseconds(0));
    }
    std::filesystem::permissions(file, std::filesystem::perms::owner_read |
                                           std::filesystem::perms::group_read |
                                           std::filesystem::perms::others_read);
    // 0: taken; 1: refused with the message; 2: anything else.
    const auto prova = [&] {
        try {
            TBloccoArchivio b(cartella, std::chrono::milliseconds(0));
            return 0;
        } catch (const EErrore& e) {
            return std::string(e.what()) == MessaggioArchivioOccupato ? 1 : 2;
        }
    };
    int esito = morella::test::EseguiSenzaPrivilegi(prova);
    if (esito < 0) GTEST_SKIP() << "cannot run a child without privileges here";
    EXPECT_EQ(esito, 0) << "a read-only lock file is still a lock";
    // Held by another process (a child of this one would share this process's hold).
    const pid_t tenuto = FiglioCheBlocca(cartella);
    ASSERT_GT(tenuto, 0);
    EXPECT_EQ(morella::test::EseguiSenzaPrivilegi(prova), 1) << "two writers at once";
    Termina(tenuto);
    if (::geteuid() != 0) GTEST_SKIP() << "the lock file is ours: cannot make it closed to us";
    std::filesystem::permissions(file, std::filesystem::perms::none);
    EXPECT_EQ(morella::test::EseguiSenzaPrivilegi(prova), 1) << "a lock we may not open was skipped";
}

// The desktop editor loads at start and saves much later: when another program saved the
// archive in between, its save is refused instead of dropping what that program added.
TEST(BloccoArchivio, LEditoreNonSalvaSopraUnArchivioCambiatoDaAltri)
{
    TCartellaTemporanea t;
    const std::string cartella = t.Percorso().string();
    {
        T_Archivio iniziale;
        T_Concorso c;
        c.Stagione = 2020;
        c.Numero = 1;
        iniziale.Aggiungi(c);
        ASSERT_TRUE(iniziale.Salva(cartella));
    }
    T_Archivio archivio;
    T_ImpostazioniRicerca ricerca;
    TRispostaFissa domanda(PulsanteOk);
    TEditoreArchivio editore(archivio, ricerca, domanda, cartella);
    editore.CaricaArchivio();
    editore.Apri();
    EXPECT_FALSE(archivio.CambiatoSuDisco(cartella));

    // Another program adds a contest and saves.
    {
        T_Archivio altro;
        altro.Carica(cartella);
        T_Concorso c;
        c.Stagione = 2020;
        c.Numero = 2;
        altro.Aggiungi(c);
        ASSERT_TRUE(altro.Salva(cartella));
    }
    EXPECT_TRUE(archivio.CambiatoSuDisco(cartella));

    ASSERT_TRUE(editore.Aggiungi());
    editore.ImpostaColonna("111111111111");
    try {
        editore.Conferma();
        ADD_FAILURE() << "saved over the other program's contest";
    } catch (const EErrore& e) {
        EXPECT_STREQ(e.what(), MessaggioArchivioCambiato);
    }
    T_Archivio suDisco;
    suDisco.Carica(cartella);
    ASSERT_EQ(suDisco.NumeroConcorsi(), 2);
    EXPECT_EQ(suDisco.Concorso(1).Numero, 2);

    // Reopened, the editor sees it and saves on top of it.
    editore.Chiudi();
    EXPECT_EQ(archivio.NumeroConcorsi(), 2);
    editore.Apri();
    ASSERT_TRUE(editore.Aggiungi());
    editore.ImpostaColonna("111111111111");
    EXPECT_TRUE(editore.Conferma());
    suDisco.Carica(cartella);
    EXPECT_EQ(suDisco.NumeroConcorsi(), 3);
}
