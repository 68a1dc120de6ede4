// The description of a condition for the system report, as plain lines of text. The
// report decides fonts and page breaks; a condition only says what to print.
#pragma once

#include <string>
#include <vector>

namespace morella {

struct TRigheStampa {
    std::vector<std::string> Righe;
    int Rientro = 0;  // blanks put before every line added from now on

    void Riga(const std::string& testo)
    {
        Righe.push_back(std::string(static_cast<std::size_t>(Rientro), ' ') + testo);
    }
};

}  // namespace morella
