// Columns written as the player types them, for the tests: single signs, "*" for an empty
// event, multi-sign events in parentheses, an optional "+horses" for Totip.
#pragma once

#include <gtest/gtest.h>

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

}  // namespace morella::test
