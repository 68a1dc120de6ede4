// The archive view's rows: header texts per tick set, empty cells where the view leaves
// them empty, and values checked against plain counting written out here from scratch.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "CartellaTemporanea.h"
#include "MisureColonna.h"
#include "VistaArchivio.h"

using namespace morella;
using morella::test::TGiocoTemporaneo;

namespace {

using TTesti = std::vector<std::string>;

// A column as signs '1', 'X', '2' or '*' (no sign).
TColonna Col(const std::string& testo)
{
    TColonna c{};
    for (std::size_t i = 0; i < testo.size(); ++i)
        c[i] = testo[i] == '1' ? Segno1 : testo[i] == 'X' ? SegnoX : testo[i] == '2' ? Segno2 : 0;
    return c;
}

T_Archivio Archivio(const std::vector<std::string>& colonne)
{
    T_Archivio a;
    std::uint8_t numero = 1;
    for (const std::string& testo : colonne) {
        T_Concorso c;
        c.Stagione = 2023;
        c.Numero = numero++;
        c.ColonnaVincente = Col(testo);
        c.AggiornaCompleto();
        a.Aggiungi(c);
    }
    return a;
}

TGruppiSpuntati Gruppi(std::initializer_list<TGruppoVista> gruppi)
{
    TGruppiSpuntati g;
    for (TGruppoVista x : gruppi) Spunta(g, x);
    return g;
}

TGruppiSpuntati Tutti()
{
    TGruppiSpuntati g;
    g.set();
    return g;
}

std::string S(int v)
{
    return std::to_string(v);
}

// ---- plain counting, one event at a time -------------------------------------------------

// Count and longest block of sign s.
std::pair<int, int> ContaSegno(const std::string& c, char s)
{
    int n = 0, run = 0, massimo = 0;
    for (char x : c) {
        run = x == s ? run + 1 : 0;
        n += x == s;
        massimo = std::max(massimo, run);
    }
    return {n, massimo};
}

// Changes of sign: how many, the longest streak of them, and how many land on each sign.
TTesti Interruzioni(const std::string& c)
{
    int n = 0, streak = 0, massimo = 0;
    std::map<char, int> verso;
    for (std::size_t i = 1; i < c.size(); ++i) {
        if (c[i] != c[i - 1]) {
            ++n;
            ++streak;
            ++verso[c[i]];
        } else {
            streak = 0;
        }
        massimo = std::max(massimo, streak);
    }
    return {S(n), S(massimo), S(verso['1']), S(verso['X']), S(verso['2'])};
}

// Blocks of equal signs by the parity of their length: even count, longest streak of even
// blocks, odd count, longest streak of odd blocks.
TTesti PariDispari(const std::string& c)
{
    std::vector<int> blocchi;
    for (std::size_t i = 0; i < c.size();) {
        std::size_t j = i;
        while (j < c.size() && c[j] == c[i]) ++j;
        blocchi.push_back(static_cast<int>(j - i));
        i = j;
    }
    TTesti r;
    for (int parita : {0, 1}) {
        int n = 0, streak = 0, massimo = 0;
        for (int b : blocchi) {
            if (b % 2 == parita) {
                ++n;
                massimo = std::max(massimo, ++streak);
            } else {
                streak = 0;
            }
        }
        r.push_back(S(n));
        r.push_back(S(massimo));
    }
    return r;
}

// Events equal to the reference column, and the longest block of them.
std::pair<int, int> Uguali(const std::string& c, const std::string& rif)
{
    int n = 0, run = 0, massimo = 0;
    for (std::size_t i = 0; i < c.size(); ++i) {
        const bool uguale = c[i] == rif[i] && rif[i] != '*';
        n += uguale;
        run = uguale ? run + 1 : 0;
        massimo = std::max(massimo, run);
    }
    return {n, massimo};
}

// Windows of length l with exactly `distinti` different signs, walked with a step of
// `passoTrovata` after a match and 1 after a miss: matches and the longest streak of them.
std::pair<int, int> Finestre(const std::string& c, int l, int distinti, int passoTrovata)
{
    int n = 0, streak = 0, massimo = 0;
    const int e = static_cast<int>(c.size());
    for (int s = 0; s + l <= e;) {
        std::string w = c.substr(static_cast<std::size_t>(s), static_cast<std::size_t>(l));
        std::sort(w.begin(), w.end());
        const bool trovata = std::unique(w.begin(), w.end()) - w.begin() == distinti;
        if (trovata) {
            ++n;
            massimo = std::max(massimo, ++streak);
        } else {
            streak = 0;
        }
        s += trovata ? passoTrovata : 1;
    }
    return {n, massimo};
}

// The windows of length l collected for "Generica" and "Specchio": every window with a step
// of 1, a repeat that starts less than l after the last kept one of the same window left
// out when the step is l; occurrences per window.
std::map<std::string, int> Raccolta(const std::string& c, int l, int passoTrovata)
{
    const bool senzaSovrapposizioni = passoTrovata == l;
    const int passo = senzaSovrapposizioni ? 1 : passoTrovata;
    std::map<std::string, int> conteggi;
    std::map<std::string, int> ultimo;
    for (int s = 0; s + l <= static_cast<int>(c.size()); s += passo) {
        const std::string w = c.substr(static_cast<std::size_t>(s), static_cast<std::size_t>(l));
        if (senzaSovrapposizioni && ultimo.count(w) && s - ultimo[w] < l) continue;
        ++conteggi[w];
        ultimo[w] = s;
    }
    return conteggi;
}

int PiuFrequente(const std::string& c, int l, int passoTrovata)
{
    int massimo = 0;
    for (const auto& [w, n] : Raccolta(c, l, passoTrovata)) massimo = std::max(massimo, n);
    return massimo;
}

int Specchiate(const std::string& c, int l, int passoTrovata)
{
    const auto conteggi = Raccolta(c, l, passoTrovata);
    int coppie = 0;
    for (const auto& [w, n] : conteggi) {
        const std::string r(w.rbegin(), w.rend());
        if (r > w && conteggi.count(r)) coppie += std::min(n, conteggi.at(r));
    }
    return coppie;
}

// The cells of a length group, counted here.
TTesti Sequele(const std::string& c, int l)
{
    TTesti r;
    const int tipi = l == 2 ? 2 : 3;  // distinct signs 1, 2 (and 3 from length 3)
    for (int d = 1; d <= tipi; ++d) {
        const auto [n, run] = Finestre(c, l, d, l);
        r.push_back(S(n));
        r.push_back(S(run));
        r.push_back(S(Finestre(c, l, d, 1).first));
    }
    r.push_back(S(PiuFrequente(c, l, l)));
    r.push_back(S(PiuFrequente(c, l, 1)));
    r.push_back(S(Specchiate(c, l, l)));
    return r;
}

const std::vector<std::string> Colonne = {
    "1X21X21X21X2",  // 0
    "111XXX222111",  // 1
    "1111XX2X1212",  // 2
    "1X2*1X2*1X2*",  // 3: incomplete
    "X2X2X2111XX2",  // 4
    "112211221122",  // 5
    "111111111111",  // 6
};

class VistaArchivio : public ::testing::Test {
   protected:
    TGiocoTemporaneo gioco{GiocoTotip};
    T_Archivio archivio = Archivio(Colonne);
};

}  // namespace

TEST_F(VistaArchivio, HeaderTextsFollowTheTickedBoxesInDisplayOrder)
{
    // Nothing ticked: the three contest columns alone.
    EXPECT_TRUE(GruppiMostrati(TGruppiSpuntati{}).empty());
    EXPECT_EQ(SottotitoliVista(TGruppiSpuntati{}), (TTesti{"Anno", "Num.", "  Colonna"}));

    // Ticked in any order, shown in the table's order.
    const auto g = Gruppi({TGruppoVista::Quartine, TGruppoVista::Vortici, TGruppoVista::NumeroSegni});
    EXPECT_EQ(GruppiMostrati(g), (std::vector<TGruppoVista>{TGruppoVista::NumeroSegni, TGruppoVista::Vortici,
                                                            TGruppoVista::Quartine}));
    EXPECT_EQ(SottotitoliVista(g), (TTesti{"Anno", "Num.", "  Colonna", "Pt", "Cs", "Pt", "Cs", "Pt", "Cs",
                                           "Ps",   "Br",   "Sg",        "Ps", "Br", "Sg", "Pt", "Cs", "Pt",
                                           "Pt",   "Cs",   "Pt",        "Pt", "Cs", "Pt", "Pt", "Pt", "Pt"}));

    const auto& vortici = DescrizioneGruppo(TGruppoVista::Vortici);
    EXPECT_EQ(vortici.Casella, "Vortici");
    EXPECT_EQ(vortici.Titolo, "Vortice Dir.    Voritice Inv.");
    EXPECT_EQ(vortici.Didascalie, "Ps.  Br.  Sg.   Ps.  Br.  Sg.");
    const auto& segni = DescrizioneGruppo(TGruppoVista::NumeroSegni);
    EXPECT_EQ(segni.Titolo, "       Numero Di Segni ");
    EXPECT_EQ(segni.Didascalie, "      1               X               2  ");
    const auto& quartine = DescrizioneGruppo(TGruppoVista::Quartine);
    EXPECT_EQ(quartine.Titolo, "                     Sequele Di Lunghezza 4                       ");
    EXPECT_EQ(quartine.Didascalie, "    M4      MN      B4       BN       T4       TN     J4   JN   S4");
    const auto& coppie = DescrizioneGruppo(TGruppoVista::Accoppiate);
    EXPECT_EQ(coppie.Didascalie, "    M2      MN      B2       BN     J2   JN   S2");
    EXPECT_EQ(coppie.Sottotitoli, (TTesti{"Pt", "Cs", "Pt", "Pt", "Cs", "Pt", "Pt", "Pt", "Pt"}));
    EXPECT_EQ(DescrizioneGruppo(TGruppoVista::Interruzioni).Sottotitoli,
              (TTesti{"Pt", "Cs", "Pt", "Pt", "Pt"}));
    EXPECT_EQ(DescrizioneGruppo(TGruppoVista::Ripetizioni).Didascalie, "1 Prec.   2 Prec.");
    EXPECT_EQ(DescrizioneGruppo(TGruppoVista::FormuleDerivate).Titolo, " F. Derivate");

    // Every box: the column counts of the table, 67 condition columns in all.
    const int colonne[NumeroGruppiVista] = {6, 5, 4, 4, 2, 6, 4, 3, 9, 12, 12};
    for (int i = 0; i < NumeroGruppiVista; ++i) {
        EXPECT_EQ(DescrizioniGruppi()[static_cast<std::size_t>(i)].Gruppo, static_cast<TGruppoVista>(i));
        EXPECT_EQ(DescrizioniGruppi()[static_cast<std::size_t>(i)].Sottotitoli.size(),
                  static_cast<std::size_t>(colonne[i]));
    }
    EXPECT_EQ(SottotitoliVista(Tutti()).size(), 70u);
}

TEST_F(VistaArchivio, RowsHaveOneCellPerSubHeading)
{
    TVistaArchivio vista(archivio);
    ASSERT_EQ(vista.NumeroRighe(), static_cast<int>(Colonne.size()));

    const TRigaVista nessuno = vista.Riga(0, TGruppiSpuntati{});
    EXPECT_EQ(nessuno.Celle(), (TTesti{"2023", "1", "1X21X21X21X2"}));
    EXPECT_TRUE(nessuno.Valori.empty());

    for (int i = 0; i < vista.NumeroRighe(); ++i) {
        const TRigaVista r = vista.Riga(i, Tutti());
        EXPECT_EQ(r.Celle().size(), SottotitoliVista(Tutti()).size()) << i;
        ASSERT_EQ(r.Valori.size(), static_cast<std::size_t>(NumeroGruppiVista));
        for (std::size_t g = 0; g < r.Valori.size(); ++g)
            EXPECT_EQ(r.Valori[g], vista.Celle(i, static_cast<TGruppoVista>(g))) << i << " " << g;
    }
}

TEST_F(VistaArchivio, IncompleteContestShowsItsColumnAndNoValues)
{
    TVistaArchivio vista(archivio);
    const TRigaVista r = vista.Riga(3, Tutti());
    EXPECT_FALSE(r.Completo);
    EXPECT_EQ(r.Anno, "2023");
    EXPECT_EQ(r.Numero, "4");
    EXPECT_EQ(r.Colonna, "1X2*1X2*1X2*");
    for (const auto& gruppo : r.Valori)
        for (const std::string& cella : gruppo) EXPECT_EQ(cella, "");

    // A contest with no known sign at all still shows one star per event.
    T_Archivio vuoto = Archivio({"************"});
    TVistaArchivio v2(vuoto);
    EXPECT_EQ(v2.Riga(0, Tutti()).Colonna, "************");
    EXPECT_EQ(v2.Riga(0, Tutti()).Valori[0], TTesti(6));
}

TEST_F(VistaArchivio, RepetitionsCompareWithTheTwoContestsBefore)
{
    TVistaArchivio vista(archivio);
    const auto rip = Gruppi({TGruppoVista::Ripetizioni});
    EXPECT_EQ(vista.Riga(0, rip).Valori[0], TTesti(4));
    EXPECT_EQ(vista.Riga(1, rip).Valori[0], TTesti(4));
    EXPECT_NE(vista.Riga(2, rip).Valori[0], TTesti(4));

    // Out of order on purpose: the references are taken again for every row.
    for (int i : {6, 2, 5, 4, 2}) {
        const std::string& c = Colonne[static_cast<std::size_t>(i)];
        if (c.find('*') != std::string::npos) continue;
        const auto [u1, r1] = Uguali(c, Colonne[static_cast<std::size_t>(i - 1)]);
        const auto [u2, r2] = Uguali(c, Colonne[static_cast<std::size_t>(i - 2)]);
        EXPECT_EQ(vista.Celle(i, TGruppoVista::Ripetizioni), (TTesti{S(u1), S(r1), S(u2), S(r2)})) << i;
    }
    // Contest 4 follows the incomplete one, whose unknown events repeat nothing.
    EXPECT_EQ(vista.Celle(4, TGruppoVista::Ripetizioni)[0], S(Uguali(Colonne[4], Colonne[3]).first));
}

TEST_F(VistaArchivio, ValuesMatchPlainCounting)
{
    TVistaArchivio vista(archivio);
    for (int i = 0; i < vista.NumeroRighe(); ++i) {
        const std::string& c = Colonne[static_cast<std::size_t>(i)];
        if (c.find('*') != std::string::npos) continue;
        SCOPED_TRACE(c);

        TTesti segni;
        for (char s : {'1', 'X', '2'}) {
            const auto [n, run] = ContaSegno(c, s);
            segni.push_back(S(n));
            segni.push_back(S(run));
        }
        EXPECT_EQ(vista.Celle(i, TGruppoVista::NumeroSegni), segni);
        EXPECT_EQ(
            vista.Celle(i, TGruppoVista::FormuleDerivate),
            (TTesti{S(ContaSegno(c, '1').first), S(ContaSegno(c, 'X').first), S(ContaSegno(c, '2').first)}));
        EXPECT_EQ(vista.Celle(i, TGruppoVista::Interruzioni), Interruzioni(c));
        EXPECT_EQ(vista.Celle(i, TGruppoVista::PariDispari), PariDispari(c));
        EXPECT_EQ(vista.Celle(i, TGruppoVista::Accoppiate), Sequele(c, 2));
        EXPECT_EQ(vista.Celle(i, TGruppoVista::Terzine), Sequele(c, 3));
        EXPECT_EQ(vista.Celle(i, TGruppoVista::Quartine), Sequele(c, 4));

        // The pattern kinds land in their own cells, direct before inverse.
        const TMisureColonna m = MisureColonna(Col(c));
        EXPECT_EQ(vista.Celle(i, TGruppoVista::Simmetrie),
                  (TTesti{S(m.SimmetrieDirette.Valore), S(m.SimmetrieDirette.Run),
                          S(m.SimmetrieInverse.Valore), S(m.SimmetrieInverse.Run)}));
        EXPECT_EQ(vista.Celle(i, TGruppoVista::Modulo), (TTesti{S(m.ModuloSomma), S(m.ModuloProdotto)}));
        const char* sg[3] = {"1", "X", "2"};
        EXPECT_EQ(
            vista.Celle(i, TGruppoVista::Vortici),
            (TTesti{S(m.VorticeDiretto.Posizione), S(m.VorticeDiretto.Bracci), sg[m.VorticeDiretto.Segno],
                    S(m.VorticeInverso.Posizione), S(m.VorticeInverso.Bracci), sg[m.VorticeInverso.Segno]}));
    }
}

TEST_F(VistaArchivio, SequencesOnTwelveEqualSigns)
{
    // Pairs of "1": six side by side with a step of 2, eleven overlapping; never two signs;
    // the most frequent pair the same; a palindrome has no mirror partner.
    TVistaArchivio vista(archivio);
    EXPECT_EQ(vista.Celle(6, TGruppoVista::Accoppiate),
              (TTesti{"6", "6", "11", "0", "0", "0", "6", "11", "0"}));
    EXPECT_EQ(vista.Celle(6, TGruppoVista::Quartine),
              (TTesti{"3", "3", "9", "0", "0", "0", "0", "0", "0", "3", "9", "0"}));
    // "1X21X2...": every triple has three signs; "1X2" and "2X1" never both occur.
    EXPECT_EQ(vista.Celle(0, TGruppoVista::Terzine),
              (TTesti{"0", "0", "0", "0", "0", "0", "4", "4", "10", "4", "4", "0"}));
}

TEST_F(VistaArchivio, TotoRowsCoverThirteenEvents)
{
    TGiocoTemporaneo toto(GiocoToto);
    T_Archivio a = Archivio({"1X21X21X21X21", "2222222222222", "XXXXXX1111111"});
    TVistaArchivio vista(a);
    const TRigaVista r = vista.Riga(2, Tutti());
    EXPECT_EQ(r.Colonna, "XXXXXX1111111");
    EXPECT_EQ(r.Valori[0], (TTesti{"7", "7", "6", "6", "0", "0"}));
    EXPECT_EQ(r.Valori[6], (TTesti{"0", "0", "5", "1"}));  // against "2222…", then "1X21X2…"
    EXPECT_EQ(r.Valori[7], (TTesti{"7", "6", "0"}));
}

TEST(ScorrimentoVista, RangeEndsAtTheLatestContests)
{
    EXPECT_EQ(ScorrimentoVista(100, 20), (TScorrimentoVista{0, 81, 81}));
    EXPECT_EQ(ScorrimentoVista(20, 20), (TScorrimentoVista{0, 1, 1}));
    EXPECT_EQ(ScorrimentoVista(19, 20), (TScorrimentoVista{0, 0, 0}));
    EXPECT_EQ(ScorrimentoVista(0, 20), (TScorrimentoVista{0, 0, 0}));
}
