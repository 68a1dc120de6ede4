// morella-cli riduci --percentuali --pdf: the winning possibilities on paper, read back from
// the PDF. Only in a build with the desktop layer, whose printer writes the PDF.
#ifdef MORELLA_STAMPA_PDF

#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>
#include <sstream>

#include "CartellaTemporanea.h"
#include "Cartelle.h"
#include "EseguiCli.h"
#include "FileColonne.h"
#include "PossibilitaVincita.h"
#include "TestoColonne.h"

using namespace morella;
using morella::test::EseguiCli;
using morella::test::TCartellaTemporanea;
using morella::test::TGiocoTemporaneo;

namespace {

std::vector<std::string> Parole(const std::string& riga)
{
    std::istringstream in(riga);
    std::vector<std::string> p;
    for (std::string s; in >> s;) p.push_back(s);
    return p;
}

bool Intero(const std::string& s)
{
    return !s.empty() && s.find_first_not_of("0123456789") == std::string::npos;
}

// A row of a table as the text layout gives it: three counts and a percentage at the end of
// the line (a caption may stand before them).
std::string RigaTabella(const std::string& riga)
{
    const auto p = Parole(riga);
    if (p.size() < 4) return {};
    const auto n = p.size();
    const std::string& perc = p[n - 1];
    const auto punto = perc.find('.');
    if (punto == std::string::npos || !Intero(perc.substr(0, punto)) || !Intero(perc.substr(punto + 1)))
        return {};
    for (std::size_t i = n - 4; i < n - 1; ++i)
        if (!Intero(p[i])) return {};
    return p[n - 4] + " " + p[n - 3] + " " + p[n - 2] + " " + perc;
}

TEST(CliPossibilitaPdf, OgniRigaDelJsonSulleSuePagineSopraIlNumero)
{
    TGiocoTemporaneo gioco(GiocoTotip);
    TCartellaTemporanea dir;
    ImpostaDirectoryProgramma(dir.Percorso().string());
    CreaCartelleDiLavoro();
    TListaColonne lista;
    lista.AggiungiEspansa(test::Col("(1X2)(1X2)(1X2)(1X2)(1X2)(1X)(1X)(1X)(1X)111"));
    ASSERT_TRUE(SalvaColonne(lista, dir.File("c.Col")));

    const auto e = EseguiCli(dir.Percorso(), "riduci c.Col -o r.Col --percentuali --pdf p.pdf --json");
    ASSERT_EQ(e.codice, 0) << e.err;
    const auto j = nlohmann::json::parse(e.out);
    EXPECT_EQ(j["pdf"], "p.pdf");

    // The rows of the exact prediction, then of an error at each event that is not a triple.
    std::vector<std::string> attese;
    for (const auto& l : j["possibilita"]["liste"]) {
        const int evento = l["evento"];
        if (evento >= 1 && evento <= 5) continue;
        for (const auto& t : l["tipi"])
            attese.push_back(std::to_string(t["c0"].get<int>()) + " " + std::to_string(t["c1"].get<int>()) +
                             " " + std::to_string(t["c2"].get<int>()) + " " +
                             TestoPercentuale(t["probabilita"].get<double>()));
    }
    ASSERT_GT(attese.size(), 60u);

    const std::string testo = dir.File("p.txt");
    ASSERT_EQ(std::system(("pdftotext -layout '" + dir.File("p.pdf") + "' '" + testo + "'").c_str()), 0);
    std::istringstream pagine(test::LeggiTesto(testo));
    std::vector<std::string> stampate;
    int numero = 0;
    for (std::string pagina; std::getline(pagine, pagina, '\f');) {
        if (Parole(pagina).empty()) continue;  // after the last form feed
        ++numero;
        std::istringstream righe(pagina);
        std::vector<std::string> testi;
        for (std::string r; std::getline(righe, r);)
            if (!Parole(r).empty()) testi.push_back(r);
        // The page number is a line of its own, the last of the page.
        ASSERT_FALSE(testi.empty());
        EXPECT_EQ(Parole(testi.back()), (std::vector<std::string>{"Pagina", "Nº", std::to_string(numero)}))
            << "pagina " << numero;
        for (const auto& r : testi)
            if (auto t = RigaTabella(r); !t.empty()) stampate.push_back(t);
    }
    EXPECT_GE(numero, 3);
    EXPECT_EQ(stampate, attese);

    // Without the possibilities there is nothing to print: a usage error, and no file.
    const auto senza = EseguiCli(dir.Percorso(), "riduci c.Col -o r2.Col --pdf q.pdf");
    EXPECT_EQ(senza.codice, 2);
    EXPECT_FALSE(std::filesystem::exists(dir.File("q.pdf")));
}

}  // namespace

#endif
