// The column text used by scripts and the command-line tool: one character per single sign,
// "*" for an empty event, a multi-sign event in parentheses ("(1X)", "(1X2)"), and for Totip
// an optional "+" followed by the Corsa + horses separated by commas ("1X21X21X21X2+1,2").
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "Colonna.h"

namespace morella {

std::string TestoColonnaEsteso(const TColonna& c);

// Nothing when the text is not a column of the current game; `errore` then says why.
std::optional<TColonna> ColonnaDaTestoEsteso(std::string_view testo, std::string* errore = nullptr);

}  // namespace morella
