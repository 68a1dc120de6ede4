// Small helpers shared by the tests of the history and weight kinds: columns from text, from
// a base-3 code or at random (with empty, multi-sign and marked events), and whole blocks.
#pragma once

#include <memory>
#include <random>

#include <gtest/gtest.h>

#include "TestoColonne.h"

#include "AiutiCondizioni.h"
#include "UTCondiz.h"

namespace morella::test::storia {

using test::Blocco;

using test::Col;
using test::DaCodice;

// Mostly single signs; sometimes an empty event, a double, a triple or a byte carrying a
// working mark; random Corsa + bytes for Totip.
inline TColonna Casuale(std::mt19937& g)
{
    TColonna c{};
    for (int i = 0; i < NumEvents; ++i) {
        const auto r = g() % 16;
        const auto segno = SegnoDaCifra(static_cast<int>(g() % 3));
        c[static_cast<std::size_t>(i)] = static_cast<TSegni>(r < 12    ? segno
                                                             : r == 12 ? 0
                                                             : r == 13 ? 7 - segno
                                                             : r == 14 ? 7
                                                                       : 0x40 | segno);
    }
    if (NumEvents == 12) c.ImpostaCorsaPiu(static_cast<TMascheraCorsaPiu>(g()));
    return c;
}

// A whole block, kind byte first, into a fresh object of that kind; ok when it was read
// whole and nothing is left over.
inline std::unique_ptr<TCondizione> Rileggi(const TBytes& b, bool& ok)
{
    TLettoreBinario r(b);
    std::uint8_t tipo = 0;
    ok = r.Byte(tipo);
    auto c = CreaCondizione(tipo);
    ok = ok && c && c->Leggi(r) && r.AllaFine();
    return c;
}

}  // namespace morella::test::storia
