// The description of a condition for the system report, as plain lines of text. The
// report decides fonts and page breaks; a condition only says what to print, and which
// runs of lines form one table (the report may set tables side by side).
#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace morella {

struct TRigheStampa {
    std::vector<std::string> Righe;
    // [first, last) line of each table, in order.
    std::vector<std::pair<std::size_t, std::size_t>> Tabelle;
    int Rientro = 0;  // blanks put before every line added from now on

    void Riga(const std::string& testo)
    {
        Righe.push_back(std::string(static_cast<std::size_t>(Rientro), ' ') + testo);
    }
    void IniziaTabella() { inizioTabella_ = Righe.size(); }
    void ChiudiTabella()
    {
        if (Righe.size() > inizioTabella_) Tabelle.emplace_back(inizioTabella_, Righe.size());
    }

   private:
    std::size_t inizioTabella_ = 0;
};

}  // namespace morella
