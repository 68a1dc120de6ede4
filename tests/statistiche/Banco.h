// What the statistics tests share: a system with its own archive built from column texts,
// predictions from text, and the frequency/delay table of a list of values recounted the
// slow way, contest by contest.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "Archivio.h"
#include "Sistema.h"
#include "TestoColonne.h"

namespace morella::test {

struct TBanco {
    T_Archivio archivio;
    TSistema sistema{&archivio};

    TDatiSistema& Dati() { return sistema.Dati(); }
    TElencoCondizioni& Condizioni() { return *sistema.Dati().Condizioni; }

    // Contests numbered 1, 2, ... of one season, then the search range over all of them.
    void Concorsi(const std::vector<std::string>& colonne, std::int32_t stagione = 2000)
    {
        std::uint8_t numero = 1;
        for (const auto& testo : colonne) {
            T_Concorso c;
            c.Stagione = stagione;
            c.Numero = numero++;
            c.ColonnaVincente = Col(testo);
            c.AggiornaCompleto();
            archivio.Aggiungi(c);
        }
        sistema.Ricerca.TuttoLArchivio(archivio);
    }

    void Pronostico(const std::string& testo) { sistema.Dati().Pronostico = Col(testo); }
};

// A value of the first or second measure, registered once per contest.
struct TAttesoValore {
    int Frequenza = 0, Ritardo = 0, RitardoMassimo = 0;
};

// The literal count: frequency, contests since the last one it came out in, and the
// longest stretch of contests without it.
inline TAttesoValore Riconta(const std::vector<int>& valori, int v)
{
    TAttesoValore a;
    int assenza = 0;
    for (int x : valori) {
        if (x == v) {
            ++a.Frequenza;
            assenza = 0;
        } else {
            ++assenza;
            a.RitardoMassimo = std::max(a.RitardoMassimo, assenza);
        }
    }
    a.Ritardo = assenza;
    return a;
}

// Every entry 0..massimo of one list of the table against the literal count.
inline void ControllaTabella(const T_FrequenzeRitardi& t, bool prima, const std::vector<int>& valori,
                             int massimo)
{
    ASSERT_GE(t.ValoreMassimo(), massimo);
    EXPECT_EQ(t.ConcorsiContati(), static_cast<int>(valori.size()));
    for (int v = 0; v <= massimo; ++v) {
        const TAttesoValore a = Riconta(valori, v);
        const TElemRFRM& e = t.Elemento(prima, v);
        EXPECT_EQ(e.Frequenza, a.Frequenza) << "valore " << v;
        EXPECT_EQ(e.Ritardo, a.Ritardo) << "valore " << v;
        EXPECT_EQ(e.RitardoMassimo, a.RitardoMassimo) << "valore " << v;
    }
}

}  // namespace morella::test
