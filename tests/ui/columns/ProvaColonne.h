// What the columns windows' tests share: column lists in development order, files in the
// column folder, and the command-line tool run on the same files.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "Cartelle.h"
#include "FileColonne.h"
#include "FinestraProva.h"
#include "FinestreColonne.h"
#include "ListaColonne.h"

namespace morella::test {

// The first `quante` single columns of the full development, in its order (the last event
// changes fastest).
inline TListaColonne PrimeColonne(int quante, int salto = 1)
{
    TListaColonne l;
    l.Riserva(static_cast<std::size_t>(quante));
    for (int k = 0; k < quante; ++k) {
        TColonna c{};
        long long x = static_cast<long long>(k) * salto;
        for (int i = NumEvents - 1; i >= 0; --i, x /= 3)
            c[static_cast<std::size_t>(i)] = SegnoDaCifra(static_cast<int>(x % 3));
        l.Aggiungi(c);
    }
    return l;
}

inline std::string FileColonnare(const std::string& nome)
{
    return UnisciPercorso(CartellaColonne(), nome);
}

inline std::string Salva(const TListaColonne& l, const std::string& nome)
{
    const std::string file = FileColonnare(nome);
    EXPECT_TRUE(SalvaColonne(l, file)) << file;
    return file;
}

// morella-cli on the program directory of the test and the game in use; its standard output.
inline std::string Cli(const std::string& argomenti)
{
    const char* giochi[] = {"", "toto", "enalotto", "totip"};
    const std::string comando = "'" MORELLA_CLI_PATH "' --dir '" + DirectoryProgramma() + "' --gioco " +
                                giochi[Gioco] + " " + argomenti + " 2>/dev/null";
    std::string uscita;
    FILE* p = popen(comando.c_str(), "r");
    if (!p) return uscita;
    char buf[4096];
    for (std::size_t n; (n = fread(buf, 1, sizeof buf, p)) > 0;) uscita.append(buf, n);
    EXPECT_EQ(pclose(p), 0) << comando;
    return uscita;
}

// The main window with the columns area's commands registered before it is built.
struct TRegistraColonne {
    TRegistraColonne() { morella::ui::RegistraFinestreColonne(); }
};
struct TFinestraColonne : TRegistraColonne, TFinestraPrinc {
    explicit TFinestraColonne(int gioco = GiocoTotip) : TFinestraPrinc(gioco) {}
};

}  // namespace morella::test
