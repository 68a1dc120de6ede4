// The one exception type of the core: it carries the fixed Italian message that the
// desktop program shows in its message box and the command-line tool prints.
#pragma once

#include <stdexcept>
#include <string>

namespace morella {

class EErrore : public std::runtime_error {
   public:
    explicit EErrore(const std::string& messaggio) : std::runtime_error(messaggio) {}
};

}  // namespace morella
