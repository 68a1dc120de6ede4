// Runs a piece of a test as a user without privileges: permissions do not stop root, so a
// test of "a file the user may not open or write" would prove nothing when run as root.
// The piece runs in a forked child, as "nobody" when the test runs as root, and its result
// comes back as the child's exit status.
#pragma once

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <functional>

namespace morella::test {

inline constexpr uid_t UtenteSenzaPrivilegi = 65534;  // nobody

// The child's exit status (0..255); -1 when the child could not start or drop its privileges.
inline int EseguiSenzaPrivilegi(const std::function<int()>& prova)
{
    const pid_t pid = ::fork();
    if (pid < 0) return -1;
    if (pid == 0) {
        if (::geteuid() == 0 && (::setgroups(0, nullptr) != 0 || ::setgid(UtenteSenzaPrivilegi) != 0 ||
                                 ::setuid(UtenteSenzaPrivilegi) != 0 || ::setuid(0) == 0))
            ::_exit(255);
        int esito = 254;
        try {
            esito = prova();
        } catch (...) {
        }
        ::_exit(esito);
    }
    int stato = 0;
    if (::waitpid(pid, &stato, 0) != pid || !WIFEXITED(stato)) return -1;
    const int esito = WEXITSTATUS(stato);
    return esito == 255 ? -1 : esito;
}

// A folder the unprivileged child may enter and write in (a test folder is private).
inline void ApriATutti(const std::filesystem::path& cartella)
{
    std::filesystem::permissions(cartella, std::filesystem::perms::all);
}

}  // namespace morella::test
