// Runs the real morella-cli on a program folder and collects its exit status and both
// output streams: what the command-line tests check. The suites that include it define
// MORELLA_CLI_PATH.
#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace morella::test {

// The address sanitizer reserves terabytes of address space, so a limit on it ("ulimit -v")
// would stop every sanitized program at start: memory bounds are checked only without it.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool ConSanitizer = true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
inline constexpr bool ConSanitizer = true;
#else
inline constexpr bool ConSanitizer = false;
#endif
#else
inline constexpr bool ConSanitizer = false;
#endif

// "ulimit -v KB && " for a shell command line, or nothing under the sanitizer.
inline std::string LimiteMemoria(long kilobyte)
{
    return ConSanitizer ? std::string() : "ulimit -v " + std::to_string(kilobyte) + " && ";
}

struct TEsito {
    int codice;
    std::string out, err;
};

inline std::string LeggiTesto(const std::string& file)
{
    std::ifstream in(file);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

// `argomenti` after "--dir PROGRAMMA"; the working directory is `cartellaLavoro` (the
// program folder when empty) and the streams are kept there; stdin is empty.
inline TEsito EseguiCli(const std::filesystem::path& programma, const std::string& argomenti,
                        std::filesystem::path cartellaLavoro = {})
{
    if (cartellaLavoro.empty()) cartellaLavoro = programma;
    const std::string out = (cartellaLavoro / "stdout.txt").string();
    const std::string err = (cartellaLavoro / "stderr.txt").string();
    const std::string comando = "cd '" + cartellaLavoro.string() + "' && '" MORELLA_CLI_PATH "' --dir '" +
                                programma.string() + "' " + argomenti + " >'" + out + "' 2>'" + err +
                                "' </dev/null";
    const int stato = std::system(comando.c_str());
    return {WIFEXITED(stato) ? WEXITSTATUS(stato) : -1, LeggiTesto(out), LeggiTesto(err)};
}

}  // namespace morella::test
