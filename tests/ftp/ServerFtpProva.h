// A real FTP server for the tests: tests/ftp/server_ftp.py (pyftpdlib) run as a child
// process on a free loopback port, killed when the object goes.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace morella::test {

class TServerFtpProva {
   public:
    // Starts the server in the given mode (see server_ftp.py) serving `home`, and returns
    // once it listens. Throws std::runtime_error when it cannot start, also when no Python
    // with pyftpdlib is installed.
    TServerFtpProva(const std::string& modo, const std::filesystem::path& home);
    ~TServerFtpProva();
    TServerFtpProva(const TServerFtpProva&) = delete;
    TServerFtpProva& operator=(const TServerFtpProva&) = delete;

    int Porta() const { return porta_; }

   private:
    pid_t pid_ = -1;
    int porta_ = 0;
};

// A loopback port where nobody listens (bound once and released).
int PortaChiusa();

// `quanti` contest records the archive editor could have stored (seasons 2058..2061, whose
// bytes hold line ends, numbers 10, 13 and 26, unknown signs among known ones, Corsa +
// bytes CR LF): a text-mode transfer would change them, the update's checks accept them.
std::vector<std::uint8_t> ArchivioSensato(std::size_t quanti, unsigned seme);

}  // namespace morella::test
