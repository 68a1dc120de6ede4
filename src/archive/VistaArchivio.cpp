#include "VistaArchivio.h"

#include <algorithm>

#include "Distribuzione.h"

namespace morella {

namespace {

std::vector<std::string> Ripeti(std::initializer_list<const char*> blocco, int volte)
{
    std::vector<std::string> r;
    for (int i = 0; i < volte; ++i) r.insert(r.end(), blocco.begin(), blocco.end());
    return r;
}

// One sequence column of a length group: the type, whether its second length setting is
// the group's length (the column named with the digit) or 1 (the "N" column), and whether
// it shows the run beside the count.
struct TColonnaSequela {
    std::int32_t Tipo;
    bool ConLunghezza;
    bool ConRun;
};

// Length 2 has no three-sign windows, hence no "T" columns.
constexpr std::array<TColonnaSequela, 7> ColonneCoppie = {{
    {TSequele::Monotermine, true, true},
    {TSequele::Monotermine, false, false},
    {TSequele::Bitermine, true, true},
    {TSequele::Bitermine, false, false},
    {TSequele::Generica, true, false},
    {TSequele::Generica, false, false},
    {TSequele::Specchio, true, false},
}};
constexpr std::array<TColonnaSequela, 9> ColonneLunghe = {{
    {TSequele::Monotermine, true, true},
    {TSequele::Monotermine, false, false},
    {TSequele::Bitermine, true, true},
    {TSequele::Bitermine, false, false},
    {TSequele::Tritermine, true, true},
    {TSequele::Tritermine, false, false},
    {TSequele::Generica, true, false},
    {TSequele::Generica, false, false},
    {TSequele::Specchio, true, false},
}};

std::vector<std::string> SottotitoliSequele(int lunghezza)
{
    std::vector<std::string> r;
    auto aggiungi = [&r](const auto& colonne) {
        for (const TColonnaSequela& c : colonne) {
            r.emplace_back("Pt");
            if (c.ConRun) r.emplace_back("Cs");
        }
    };
    if (lunghezza == 2)
        aggiungi(ColonneCoppie);
    else
        aggiungi(ColonneLunghe);
    return r;
}

std::array<TDescrizioneGruppo, NumeroGruppiVista> CreaDescrizioni()
{
    using G = TGruppoVista;
    return {{
        {G::NumeroSegni, "Numero Di Segni", "       Numero Di Segni ",
         "      1               X               2  ", Ripeti({"Pt", "Cs"}, 3)},
        {G::Interruzioni,
         "Interruzioni",
         "        Interruzioni ",
         "   Gl.          1      X      2 ",
         {"Pt", "Cs", "Pt", "Pt", "Pt"}},
        {G::PariDispari, "Pari e Dispari", "   Pari e Dispari", "  Pari       Dispari",
         Ripeti({"Pt", "Cs"}, 2)},
        {G::Simmetrie, "Simmetrie", "     Simmetrie", " Dirette   Inverse", Ripeti({"Pt", "Cs"}, 2)},
        {G::Modulo, "Modulo", "Modulo", "Sm. Pr.", {"Pt", "Pt"}},
        {G::Vortici, "Vortici", "Vortice Dir.    Voritice Inv.", "Ps.  Br.  Sg.   Ps.  Br.  Sg.",
         Ripeti({"Ps", "Br", "Sg"}, 2)},
        {G::Ripetizioni, "Ripetizioni", "     Ripetizioni", "1 Prec.   2 Prec.", Ripeti({"Pt", "Cs"}, 2)},
        {G::FormuleDerivate, "Formule Derivate", " F. Derivate", "  1     X     2", {"Pt", "Pt", "Pt"}},
        {G::Accoppiate, "Accoppiate", "             Sequele Di Lunghezza 2",
         "    M2      MN      B2       BN     J2   JN   S2", SottotitoliSequele(2)},
        {G::Terzine, "Terzine", "                     Sequele Di Lunghezza 3",
         "    M3      MN      B3       BN       T3       TN     J3   JN   S3", SottotitoliSequele(3)},
        {G::Quartine, "Quartine", "                     Sequele Di Lunghezza 4                       ",
         "    M4      MN      B4       BN       T4       TN     J4   JN   S4", SottotitoliSequele(4)},
    }};
}

std::string Numero(int v)
{
    return std::to_string(v);
}

const char* TestoSegnoVortice(int segno)
{
    static constexpr const char* Testi[3] = {"1", "X", "2"};
    return segno >= 0 && segno < 3 ? Testi[segno] : "*";
}

}  // namespace

const std::array<TDescrizioneGruppo, NumeroGruppiVista>& DescrizioniGruppi()
{
    static const std::array<TDescrizioneGruppo, NumeroGruppiVista> descrizioni = CreaDescrizioni();
    return descrizioni;
}

const TDescrizioneGruppo& DescrizioneGruppo(TGruppoVista g)
{
    return DescrizioniGruppi()[static_cast<std::size_t>(g)];
}

std::vector<TGruppoVista> GruppiMostrati(const TGruppiSpuntati& gruppi)
{
    std::vector<TGruppoVista> r;
    for (const TDescrizioneGruppo& d : DescrizioniGruppi())
        if (Spuntato(gruppi, d.Gruppo)) r.push_back(d.Gruppo);
    return r;
}

std::vector<std::string> SottotitoliVista(const TGruppiSpuntati& gruppi)
{
    std::vector<std::string> r(SottotitoliConcorso.begin(), SottotitoliConcorso.end());
    for (TGruppoVista g : GruppiMostrati(gruppi)) {
        const auto& s = DescrizioneGruppo(g).Sottotitoli;
        r.insert(r.end(), s.begin(), s.end());
    }
    return r;
}

std::vector<std::string> TRigaVista::Celle() const
{
    std::vector<std::string> r = {Anno, Numero, Colonna};
    for (const auto& gruppo : Valori) r.insert(r.end(), gruppo.begin(), gruppo.end());
    return r;
}

std::string TestoColonnaVista(const TColonna& colonna)
{
    std::string testo;
    for (int i = 0; i < NumEvents; ++i) {
        const TSegni s = colonna[static_cast<std::size_t>(i)] & MascheraSegni;
        testo += EUnSingolo(s) ? TestoSegni(s) : std::string("*");
    }
    return testo;
}

TVistaArchivio::TVistaArchivio(const T_Archivio& archivio) : archivio_(archivio) {}

TRigaVista TVistaArchivio::Riga(int indice, const TGruppiSpuntati& gruppi)
{
    const T_Concorso& concorso = archivio_.Concorso(indice);
    TRigaVista riga;
    riga.Anno = Numero(concorso.Stagione);
    riga.Numero = Numero(concorso.Numero);
    riga.Colonna = TestoColonnaVista(concorso.ColonnaVincente);
    riga.Completo = concorso.Completo != 0;
    const TColonnaEsaminata c(concorso.ColonnaVincente);
    for (TGruppoVista g : GruppiMostrati(gruppi))
        riga.Valori.push_back(riga.Completo
                                  ? Misura(indice, c, g)
                                  : std::vector<std::string>(DescrizioneGruppo(g).Sottotitoli.size()));
    return riga;
}

std::vector<std::string> TVistaArchivio::Celle(int indice, TGruppoVista gruppo)
{
    const T_Concorso& concorso = archivio_.Concorso(indice);
    if (concorso.Completo == 0) return std::vector<std::string>(DescrizioneGruppo(gruppo).Sottotitoli.size());
    return Misura(indice, TColonnaEsaminata(concorso.ColonnaVincente), gruppo);
}

std::vector<std::string> TVistaArchivio::Misura(int indice, const TColonnaEsaminata& c, TGruppoVista gruppo)
{
    TMisura m[6];
    auto coppie = [&m](int quante) {
        std::vector<std::string> r;
        for (int i = 0; i < quante; ++i) {
            r.push_back(Numero(m[i].Valore));
            r.push_back(Numero(m[i].Run));
        }
        return r;
    };
    switch (gruppo) {
        case TGruppoVista::NumeroSegni:
            numeroSegni_.Misura(c, true, m);
            return coppie(3);
        case TGruppoVista::Interruzioni:
            interruzioni_.Misura(c, true, m);
            return {Numero(m[TInterruzioni::TabellaGlobali].Valore),
                    Numero(m[TInterruzioni::TabellaGlobali].Run), Numero(m[1].Valore), Numero(m[2].Valore),
                    Numero(m[3].Valore)};
        case TGruppoVista::PariDispari:
            pariDispari_.Misura(c, true, m);
            return coppie(2);  // "Pari", then "Dispari"
        case TGruppoVista::Simmetrie:
            simmetrie_.Misura(c, true, m);
            return coppie(2);  // direct, then inverse
        case TGruppoVista::Modulo:
            modulo_.Misura(c, m);
            return {Numero(m[TModulo::TabellaSomma].Valore), Numero(m[TModulo::TabellaProdotto].Valore)};
        case TGruppoVista::Vortici: {
            std::vector<std::string> r;
            for (bool inverso : {false, true}) {
                const TEsitoVortice v = vortice_.Cammina(c, inverso);
                r.push_back(Numero(v.Posizione));
                r.push_back(Numero(v.Bracci));
                r.emplace_back(TestoSegnoVortice(v.Segno));
            }
            return r;
        }
        case TGruppoVista::Ripetizioni: {
            // Against the two contests just before this one; the first two have nothing to
            // be compared with.
            if (indice < 2) return std::vector<std::string>(4);
            ripetizioni_.ImpostaRiferimenti(&archivio_.Concorso(indice - 1).ColonnaVincente,
                                            &archivio_.Concorso(indice - 2).ColonnaVincente);
            ripetizioni_.Misura(c, true, m);
            return coppie(2);
        }
        case TGruppoVista::FormuleDerivate: {
            const TDistribuzione d = DistribuzioneDaIndice(formuleDerivate_.Formula(c));
            return {Numero(d.n1), Numero(d.nx), Numero(d.n2)};
        }
        case TGruppoVista::Accoppiate:
            return Sequele(c, 2);
        case TGruppoVista::Terzine:
            return Sequele(c, 3);
        case TGruppoVista::Quartine:
            return Sequele(c, 4);
    }
    return {};
}

TMisura TVistaArchivio::MisuraSequela(const TColonnaEsaminata& c, std::int32_t tipo, int lunghezza,
                                      int secondaLunghezza)
{
    sequela_.TipoSequela = tipo;
    sequela_.Lunghezza = lunghezza;
    sequela_.PassoTrovata = secondaLunghezza;
    return sequela_.Misura(c);
}

std::vector<std::string> TVistaArchivio::Sequele(const TColonnaEsaminata& c, int lunghezza)
{
    std::vector<std::string> r;
    auto misura = [&](const auto& colonne) {
        for (const TColonnaSequela& colonna : colonne) {
            const TMisura m = MisuraSequela(c, colonna.Tipo, lunghezza, colonna.ConLunghezza ? lunghezza : 1);
            r.push_back(Numero(m.Valore));
            if (colonna.ConRun) r.push_back(Numero(m.Run));
        }
    };
    if (lunghezza == 2)
        misura(ColonneCoppie);
    else
        misura(ColonneLunghe);
    return r;
}

TScorrimentoVista ScorrimentoVista(int concorsi, int righeVisibili)
{
    TScorrimentoVista s;
    s.Massimo = std::max(0, concorsi - righeVisibili + 1);
    s.Posizione = s.Massimo;
    return s;
}

}  // namespace morella
