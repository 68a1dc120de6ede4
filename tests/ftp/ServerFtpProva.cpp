#include "ServerFtpProva.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <stdexcept>
#include <vector>

extern char** environ;

namespace morella::test {

namespace {

// From the absolute test-data path rather than __FILE__, which a compiler cache may have
// made relative to the build.
const std::filesystem::path ScriptServer =
    std::filesystem::path(MORELLA_TEST_DATA).parent_path() / "ftp" / "server_ftp.py";

// Runs a program and waits for it; its exit status, or -1 when it could not start.
int Esegui(const std::vector<std::string>& argomenti, posix_spawn_file_actions_t* azioni, pid_t* pid)
{
    std::vector<char*> argv;
    for (const std::string& a : argomenti) argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    pid_t figlio = -1;
    if (posix_spawnp(&figlio, argv[0], azioni, nullptr, argv.data(), environ) != 0) return -1;
    if (pid != nullptr) {
        *pid = figlio;
        return 0;
    }
    int stato = 0;
    while (waitpid(figlio, &stato, 0) < 0 && errno == EINTR) {
    }
    return WIFEXITED(stato) ? WEXITSTATUS(stato) : -1;
}

// The Debian interpreter first: the package python3-pyftpdlib belongs to it, while the
// "python3" found first on the PATH may be another installation.
const std::string& PythonConPyftpdlib()
{
    static const std::string interprete = [] {
        for (const char* candidato : {"/usr/bin/python3", "python3"})
            if (Esegui({candidato, "-c", "import pyftpdlib"}, nullptr, nullptr) == 0)
                return std::string(candidato);
        return std::string();
    }();
    return interprete;
}

}  // namespace

TServerFtpProva::TServerFtpProva(const std::string& modo, const std::filesystem::path& home)
{
    const std::string& python = PythonConPyftpdlib();
    if (python.empty())
        throw std::runtime_error("pyftpdlib is missing: install python3-pyftpdlib (scripts/setup)");
    int tubo[2];
    if (pipe(tubo) != 0) throw std::runtime_error("pipe failed");
    posix_spawn_file_actions_t azioni;
    posix_spawn_file_actions_init(&azioni);
    posix_spawn_file_actions_adddup2(&azioni, tubo[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&azioni, tubo[0]);
    posix_spawn_file_actions_addclose(&azioni, tubo[1]);
    const int esito = Esegui({python, ScriptServer.string(), home.string(), modo}, &azioni, &pid_);
    posix_spawn_file_actions_destroy(&azioni);
    close(tubo[1]);
    if (esito != 0) {
        close(tubo[0]);
        pid_ = -1;
        throw std::runtime_error("cannot start " + python);
    }

    // The server prints its port once the socket listens. A busy CI machine may take a
    // while to start Python, so the wait is generous, but bounded.
    std::string riga;
    const auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(30);
    while (riga.find('\n') == std::string::npos) {
        const auto resto =
            std::chrono::duration_cast<std::chrono::milliseconds>(limite - std::chrono::steady_clock::now());
        pollfd attesa{tubo[0], POLLIN, 0};
        if (resto.count() <= 0 || poll(&attesa, 1, static_cast<int>(resto.count())) <= 0) break;
        char buffer[64];
        const ssize_t n = read(tubo[0], buffer, sizeof buffer);
        if (n <= 0) break;
        riga.append(buffer, static_cast<std::size_t>(n));
    }
    close(tubo[0]);
    if (riga.rfind("PORTA ", 0) == 0) porta_ = std::atoi(riga.c_str() + 6);
    if (porta_ <= 0) {
        kill(pid_, SIGKILL);
        waitpid(pid_, nullptr, 0);
        pid_ = -1;
        throw std::runtime_error("the FTP server did not start: '" + riga + "'");
    }
}

TServerFtpProva::~TServerFtpProva()
{
    if (pid_ <= 0) return;
    kill(pid_, SIGKILL);
    while (waitpid(pid_, nullptr, 0) < 0 && errno == EINTR) {
    }
}

int PortaChiusa()
{
    const int s = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in indirizzo{};
    indirizzo.sin_family = AF_INET;
    indirizzo.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t lunghezza = sizeof indirizzo;
    int porta = 0;
    if (bind(s, reinterpret_cast<sockaddr*>(&indirizzo), sizeof indirizzo) == 0 &&
        getsockname(s, reinterpret_cast<sockaddr*>(&indirizzo), &lunghezza) == 0)
        porta = ntohs(indirizzo.sin_port);
    close(s);
    return porta;
}

std::vector<std::uint8_t> ArchivioSensato(std::size_t quanti, unsigned seme)
{
    std::vector<std::uint8_t> dati;
    std::uint32_t stato = seme * 2654435761u + 1;
    auto caso = [&stato] {
        stato = stato * 1103515245u + 12345u;
        return stato >> 16;
    };
    const std::uint8_t numeri[] = {10, 13, 26, 1, 99};
    const std::uint8_t segni[] = {1, 2, 4, 1, 2, 4, 0};
    for (std::size_t i = 0; i < quanti; ++i) {
        const std::int32_t stagione = 2058 + static_cast<std::int32_t>(i % 4);  // 0x080A..0x080D
        for (int b = 0; b < 4; ++b) dati.push_back(static_cast<std::uint8_t>(stagione >> (8 * b)));
        dati.push_back(numeri[caso() % 5]);
        bool completa = true;
        for (int e = 0; e < 12; ++e) {
            const std::uint8_t s = segni[caso() % 7];
            completa = completa && s != 0;
            dati.push_back(s);
        }
        dati.push_back('\r');
        dati.push_back('\n');
        dati.push_back(completa ? 1 : 0);
    }
    return dati;
}

}  // namespace morella::test
