#include "Accorpamento.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <limits>
#include <vector>

namespace morella {

// Within a pass only the column being grown (A) ever changes, and every column it can still
// absorb lies after it, so those hold the values they had when the pass began. A pass
// therefore indexes its starting columns once, and for the current A asks "which is the
// first live column after the cursor equal to A with one event changed?" by looking up each
// such variant, instead of comparing A with every later column. The columns, their order,
// the factor and the state left by a cancel are those of the plain pairwise walk.

namespace {

constexpr int Nessuna = -1;
constexpr std::uint8_t FiltroVuoto = 0;
constexpr std::uint8_t FiltroMisto = 255;

struct TChiave {
    std::uint64_t basso = 0;
    std::uint64_t alto = 0;
    bool operator==(const TChiave&) const = default;
};

void ImpostaByte(TChiave& k, int b, std::uint8_t v)
{
    std::uint64_t& parola = b < 8 ? k.basso : k.alto;
    int spostamento = 8 * (b & 7);
    parola = (parola & ~(0xFFull << spostamento)) | (std::uint64_t{v} << spostamento);
}

// Tabulation hashing: one random word per byte and value, a column hashes to the XOR of the
// words of its bytes, so the hash of a column with one byte changed costs two XORs.
struct TTabulazione {
    std::array<std::array<std::uint64_t, 256>, DimensioneColonna> parola;
    constexpr TTabulazione() : parola{}
    {
        std::uint64_t x = 0x2545F4914F6CDD1Dull;
        for (auto& riga : parola)
            for (auto& w : riga) {
                x += 0x9E3779B97F4A7C15ull;  // splitmix64
                std::uint64_t z = x;
                z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
                z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
                w = z ^ (z >> 31);
            }
    }
};
constexpr TTabulazione Tabulazione;

class TIndicePasso {
   public:
    // Indexes the columns at the given positions (ascending).
    void Costruisci(const std::vector<TColonna>& colonne, const std::vector<std::int32_t>& posizioni,
                    bool forzaHash);
    // First live position after `cursore` holding `a` with exactly one event changed; Nessuna
    // when there is none. `evento` receives the event that differs.
    int Cerca(const TColonna& a, int cursore, int& evento);
    void Elimina(int posizione)
    {
        const std::int32_t j = voceDi_[posizione];
        if (j != Nessuna) salto_[j] = j + 1;
    }

   private:
    struct TPosto {
        std::uint32_t impronta;  // upper half of the hash
        std::int32_t gruppo;
    };
    static std::uint32_t Impronta(std::uint64_t hash) { return static_cast<std::uint32_t>(hash >> 32); }

    TChiave ChiaveDi(const TColonna& c) const;
    std::uint64_t HashDi(const TColonna& c) const;
    int GruppoHash(std::uint64_t hash, const TChiave& k) const;
    std::uint8_t& Filtro(int evento, std::uint64_t hash)
    {
        return filtro_[(static_cast<std::size_t>(evento) << bitFiltro_) | (hash >> (64 - bitFiltro_))];
    }
    int PrimoVivoDopo(int gruppo, int cursore);
    int Trova(int j);
    void Considera(int gruppo, int cursore, int e, int& migliore, int& evento);

    int byte_ = 0;    // bytes compared: the events, and for Totip the Corsa + mask
    int eventi_ = 0;  // bytes that may differ: the events alone
    std::array<std::vector<std::uint8_t>, DimensioneColonna> valori_;
    std::array<std::array<std::int16_t, 256>, DimensioneColonna> cifra_{};
    std::array<std::uint64_t, DimensioneColonna> peso_{};
    bool denso_ = false;

    // Positions grouped by value, ascending inside each group: group g is
    // voci_[inizio_[g] .. inizio_[g+1]).
    std::vector<std::int32_t> inizio_;
    std::vector<std::int32_t> voci_;
    std::vector<std::int32_t> voceDi_;
    // The first live entry at or after j, path-halved; removing an entry points it at j + 1.
    std::vector<std::int32_t> salto_;

    // Hash mode: open addressing from the hash of a value to its group, and the value of
    // each group. Then, per event e, a table over the hash of the columns with e left out:
    // empty, the one value at e (its digit + 1) that all columns falling there hold, or
    // "several". A column whose slot is empty or holds only its own value at e has no
    // partner differing at e, and that settles most events without looking up any value.
    std::vector<TPosto> posti_;
    std::uint64_t maschera_ = 0;
    std::vector<TChiave> chiavi_;
    std::vector<std::uint8_t> filtro_;
    int bitFiltro_ = 0;  // log2 of the slots per event
};

TChiave TIndicePasso::ChiaveDi(const TColonna& c) const
{
    std::array<std::uint8_t, 16> b{};
    std::memcpy(b.data(), c.s.data(), static_cast<std::size_t>(byte_));
    TChiave k;
    std::memcpy(&k.basso, b.data(), 8);
    std::memcpy(&k.alto, b.data() + 8, 8);
    return k;
}

std::uint64_t TIndicePasso::HashDi(const TColonna& c) const
{
    std::uint64_t h = 0;
    for (int b = 0; b < byte_; ++b) h ^= Tabulazione.parola[b][c[b]];
    return h;
}

int TIndicePasso::GruppoHash(std::uint64_t hash, const TChiave& k) const
{
    for (std::uint64_t i = hash & maschera_;; i = (i + 1) & maschera_) {
        const TPosto& posto = posti_[i];
        if (posto.gruppo == Nessuna) return Nessuna;
        if (posto.impronta == Impronta(hash) && chiavi_[posto.gruppo] == k) return posto.gruppo;
    }
}

void TIndicePasso::Costruisci(const std::vector<TColonna>& colonne,
                              const std::vector<std::int32_t>& posizioni, bool forzaHash)
{
    const std::size_t n = posizioni.size();
    byte_ = Gioco == GiocoTotip ? DimensioneColonna : NumEvents;
    eventi_ = NumEvents;

    std::uint64_t prodotto = 1;
    const std::uint64_t limiteDenso = 4 * static_cast<std::uint64_t>(n) + 4096;
    for (int b = 0; b < byte_; ++b) {
        std::array<bool, 256> presente{};
        for (std::int32_t p : posizioni) presente[colonne[p][b]] = true;
        auto& valori = valori_[b];
        auto& cifra = cifra_[b];
        valori.clear();
        cifra.fill(-1);
        for (int v = 0; v < 256; ++v)
            if (presente[v]) {
                cifra[v] = static_cast<std::int16_t>(valori.size());
                valori.push_back(static_cast<std::uint8_t>(v));
            }
        peso_[b] = prodotto;
        if (prodotto <= limiteDenso) prodotto *= valori.size();
    }
    denso_ = !forzaHash && prodotto <= limiteDenso;

    // Group of every position.
    std::vector<std::uint32_t> gruppo(n);
    std::size_t gruppi;
    if (denso_) {
        for (std::size_t k = 0; k < n; ++k) {
            const TColonna& c = colonne[posizioni[k]];
            std::uint64_t codice = 0;
            for (int b = 0; b < byte_; ++b) codice += static_cast<std::uint64_t>(cifra_[b][c[b]]) * peso_[b];
            gruppo[k] = static_cast<std::uint32_t>(codice);
        }
        gruppi = static_cast<std::size_t>(prodotto);
    } else {
        std::size_t capacita = 16;
        while (capacita < 2 * n) capacita *= 2;
        maschera_ = capacita - 1;
        posti_.assign(capacita, TPosto{0, Nessuna});
        chiavi_.clear();
        bitFiltro_ = 4;
        while ((std::size_t{1} << bitFiltro_) < 4 * n) ++bitFiltro_;
        filtro_.assign(static_cast<std::size_t>(eventi_) << bitFiltro_, FiltroVuoto);
        for (std::size_t k = 0; k < n; ++k) {
            const TColonna& c = colonne[posizioni[k]];
            const std::uint64_t h = HashDi(c);
            for (int e = 0; e < eventi_; ++e) {
                std::uint8_t& f = Filtro(e, h ^ Tabulazione.parola[e][c[e]]);
                const int cifra = cifra_[e][c[e]];
                const std::uint8_t proprio =
                    cifra + 1 < FiltroMisto ? static_cast<std::uint8_t>(cifra + 1) : FiltroMisto;
                f = f == FiltroVuoto || f == proprio ? proprio : FiltroMisto;
            }
            const TChiave chiave = ChiaveDi(c);
            for (std::uint64_t i = h & maschera_;; i = (i + 1) & maschera_) {
                TPosto& posto = posti_[i];
                if (posto.gruppo == Nessuna) {
                    posto = TPosto{Impronta(h), static_cast<std::int32_t>(chiavi_.size())};
                    chiavi_.push_back(chiave);
                }
                if (posto.impronta == Impronta(h) && chiavi_[posto.gruppo] == chiave) {
                    gruppo[k] = static_cast<std::uint32_t>(posto.gruppo);
                    break;
                }
            }
        }
        gruppi = chiavi_.size();
    }

    // Counting sort by group keeps the positions ascending inside each group.
    inizio_.assign(gruppi + 1, 0);
    for (std::size_t k = 0; k < n; ++k) ++inizio_[gruppo[k] + 1];
    for (std::size_t g = 0; g < gruppi; ++g) inizio_[g + 1] += inizio_[g];
    voci_.resize(n);
    voceDi_.assign(colonne.size(), Nessuna);
    std::vector<std::int32_t> prossima(inizio_.begin(), inizio_.end() - 1);
    for (std::size_t k = 0; k < n; ++k) {
        std::int32_t j = prossima[gruppo[k]]++;
        voci_[j] = posizioni[k];
        voceDi_[posizioni[k]] = j;
    }
    salto_.resize(n + 1);
    for (std::size_t j = 0; j <= n; ++j) salto_[j] = static_cast<std::int32_t>(j);
}

int TIndicePasso::Trova(int j)
{
    auto& s = salto_;
    while (s[j] != j) {
        s[j] = s[s[j]];
        j = s[j];
    }
    return j;
}

int TIndicePasso::PrimoVivoDopo(int gruppo, int cursore)
{
    const std::int32_t* primo = voci_.data() + inizio_[gruppo];
    const std::int32_t* ultimo = voci_.data() + inizio_[gruppo + 1];
    if (primo == ultimo || ultimo[-1] <= cursore) return Nessuna;
    const std::int32_t* dopo = *primo > cursore ? primo : std::upper_bound(primo, ultimo, cursore);
    int j = Trova(static_cast<int>(dopo - voci_.data()));
    return voci_.data() + j < ultimo ? voci_[j] : Nessuna;
}

void TIndicePasso::Considera(int gruppo, int cursore, int e, int& migliore, int& evento)
{
    int p = PrimoVivoDopo(gruppo, cursore);
    if (p != Nessuna && (migliore == Nessuna || p < migliore)) {
        migliore = p;
        evento = e;
    }
}

int TIndicePasso::Cerca(const TColonna& a, int cursore, int& evento)
{
    // A value no starting column holds at some event can only be matched by changing that
    // very event (and once A holds one, nothing can make a second event match). The Corsa +
    // bytes never change.
    std::array<int, DimensioneColonna> cifre;
    int estranei = 0;
    int estraneo = 0;
    for (int b = 0; b < byte_; ++b) {
        cifre[b] = cifra_[b][a[b]];
        if (cifre[b] >= 0) continue;
        if (b >= eventi_ || ++estranei > 1) return Nessuna;
        estraneo = b;
    }
    const int da = estranei ? estraneo : 0;
    const int fino = estranei ? estraneo + 1 : eventi_;

    int migliore = Nessuna;
    if (denso_) {
        std::uint64_t codice = 0;
        for (int b = 0; b < byte_; ++b)
            if (cifre[b] >= 0) codice += static_cast<std::uint64_t>(cifre[b]) * peso_[b];
        for (int e = da; e < fino; ++e) {
            const int propria = cifre[e];
            const std::uint64_t peso = peso_[e];
            const std::uint64_t base =
                codice - (propria >= 0 ? static_cast<std::uint64_t>(propria) * peso : 0);
            const int quanti = static_cast<int>(valori_[e].size());
            for (int d = 0; d < quanti; ++d)
                if (d != propria)
                    Considera(static_cast<int>(base + static_cast<std::uint64_t>(d) * peso), cursore, e,
                              migliore, evento);
        }
    } else {
        const std::uint64_t hash = HashDi(a);
        const TChiave chiave = ChiaveDi(a);
        // All the filter slots first: independent reads, so their cache misses overlap.
        std::array<std::uint64_t, MaxEventi> senza;
        std::array<std::uint8_t, MaxEventi> filtro;
        for (int e = da; e < fino; ++e) {
            senza[e] = hash ^ Tabulazione.parola[e][a[e]];
            filtro[e] = Filtro(e, senza[e]);
        }
        for (int e = da; e < fino; ++e) {
            const std::uint8_t f = filtro[e];
            if (f == FiltroVuoto || (f != FiltroMisto && f == cifre[e] + 1)) continue;
            TChiave k = chiave;
            for (std::uint8_t v : valori_[e]) {
                if (v == a[e]) continue;
                ImpostaByte(k, e, v);
                int g = GruppoHash(senza[e] ^ Tabulazione.parola[e][v], k);
                if (g != Nessuna) Considera(g, cursore, e, migliore, evento);
            }
        }
    }
    return migliore;
}

int Percentuale(std::int64_t parte, std::int64_t totale)
{
    return totale > 0 ? static_cast<int>(parte * 100 / totale) : 100;
}

// Keeps the live columns, in order, with their flags.
void Compatta(std::vector<TColonna>& colonne, std::vector<std::uint8_t>& cresciuta,
              const std::vector<std::uint8_t>& viva)
{
    std::size_t k = 0;
    for (std::size_t p = 0; p < colonne.size(); ++p)
        if (viva[p]) {
            colonne[k] = colonne[p];
            cresciuta[k++] = cresciuta[p];
        }
    colonne.resize(k);
    cresciuta.resize(k);
}

}  // namespace

void TAvanzamentoAccorpamento::Segnala(int passo, int percentuale)
{
    if (!oss_) return;
    if (passo != passo_) {
        passo_ = passo;
    } else if (percentuale == mostrata_ ||
               (percentuale != 0 && percentuale != 100 && percentuale <= mostrata_ + 4)) {
        return;
    }
    mostrata_ = percentuale;
    oss_->Progresso(passo, percentuale);
}

double AccorpaConIndice(TListaColonne& lista, TOsservatoreAccorpamento* oss, TIndiceAccorpamento modo)
{
    std::vector<TColonna>& colonne = lista.Colonne();
    const std::size_t iniziali = colonne.size();
    TAvanzamentoAccorpamento avanzamento(oss);
    avanzamento.Segnala(1, 0);

    // A column that kept its value through the last pass was compared then with every later
    // column that also kept its value, and did not merge with it; it cannot now either. So
    // while it keeps its value it only needs to look among the columns that grew (when they
    // are few enough to be worth a second index), and among all of them once it grows.
    TIndicePasso tutte, cresciute;
    std::vector<std::int32_t> posizioni, posizioniCresciute;
    std::vector<std::uint8_t> viva;
    // Columns that grew in the last pass (at first nothing was compared: all of them), and in
    // this one.
    std::vector<std::uint8_t> cresciuta(colonne.size(), 1);
    std::vector<std::uint8_t> cresce;
    int passo = 1;
    bool unito = true;
    while (colonne.size() > 1 && unito) {
        unito = false;
        const int n = static_cast<int>(colonne.size());
        const bool forzaHash = modo == TIndiceAccorpamento::Hash;
        posizioni.resize(colonne.size());
        posizioniCresciute.clear();
        for (int p = 0; p < n; ++p) {
            posizioni[p] = p;
            if (cresciuta[p]) posizioniCresciute.push_back(p);
        }
        tutte.Costruisci(colonne, posizioni, forzaHash);
        const bool separate = posizioniCresciute.size() * 2 <= posizioni.size();
        if (separate) cresciute.Costruisci(colonne, posizioniCresciute, forzaHash);

        viva.assign(colonne.size(), 1);
        cresce.assign(colonne.size(), 0);
        int vive = n;
        int indiceA = 0;  // columns before A: all of them were A once and are still there
        for (int i = 0; i < n; ++i) {
            if (!viva[i]) continue;
            if (vive - indiceA - 1 <= 0) break;  // A is the last column
            TColonna a = colonne[i];
            bool traTutte = !separate || cresciuta[i];
            int cursore = i;
            int evento = 0;
            for (int p; (p = (traTutte ? tutte : cresciute).Cerca(a, cursore, evento)) != Nessuna;
                 cursore = p) {
                const TSegni prima = a[evento];
                a[evento] |= colonne[p][evento];
                if (a[evento] != prima) cresce[i] = traTutte = true;
                viva[p] = 0;
                tutte.Elimina(p);
                if (separate) cresciute.Elimina(p);
                --vive;
                unito = true;
            }
            colonne[i] = a;
            avanzamento.Segnala(passo, Percentuale(indiceA, vive));
            if (oss && oss->Annullato()) {
                Compatta(colonne, cresce, viva);
                return -1.0;
            }
            ++indiceA;
            avanzamento.Segnala(passo, Percentuale(indiceA, vive));
        }
        avanzamento.Segnala(passo, 100);
        ++passo;
        Compatta(colonne, cresce, viva);
        cresciuta.swap(cresce);
    }
    // An empty list has nothing to condense: its factor is 1, not 0/0.
    return colonne.empty() ? 1.0 : static_cast<double>(iniziali) / static_cast<double>(colonne.size());
}

double Accorpa(TListaColonne& lista, TOsservatoreAccorpamento* oss)
{
    return AccorpaConIndice(lista, oss, TIndiceAccorpamento::Automatico);
}

std::optional<double> Accorpamento(TListaColonne& lista, bool accorpamentoAutomatico,
                                   TOsservatoreAccorpamento* oss)
{
    if (!accorpamentoAutomatico) return std::nullopt;
    return Accorpa(lista, oss);
}

}  // namespace morella
