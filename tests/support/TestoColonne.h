// Columns for the tests: written as the player types them (single signs, "*" for an empty
// event, multi-sign events in parentheses, an optional "+horses" for Totip), or by their
// place in a development.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <string_view>

#include "TestoColonnaEsteso.h"

namespace morella::test {

// The column of a text the test knows to be valid (a failed test otherwise).
inline TColonna Col(std::string_view testo)
{
    const auto c = ColonnaDaTestoEsteso(testo);
    EXPECT_TRUE(c.has_value()) << testo;
    return c.value_or(TColonna{});
}

// The column of a development with this base-3 code, the first event varying slowest (event
// NumEvents is the lowest digit).
inline TColonna DaCodice(std::uint32_t codice)
{
    TColonna c{};
    for (int i = NumEvents - 1; i >= 0; --i, codice /= 3)
        c[static_cast<std::size_t>(i)] = SegnoDaCifra(static_cast<int>(codice % 3));
    return c;
}

}  // namespace morella::test
