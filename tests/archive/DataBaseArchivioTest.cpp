// The archive database: where each table lies in "archdb.mra" and what it holds, the round
// trip, every sort of damaged file (rebuilt, never trusted), the rebuild's steps and range,
// the cached tables against a fresh scan of each kind, and saving the pair.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>

#include "CartellaTemporanea.h"
#include "Configurazione.h"
#include "EditoreArchivio.h"
#include "UTCondiz.h"
#include "UtArcAna.h"

using namespace morella;
using morella::test::LeggiTutto;
using morella::test::ScriviTutto;
using morella::test::TCartellaTemporanea;
using morella::test::TGiocoTemporaneo;
namespace fs = std::filesystem;

namespace {

T_Concorso Fai(std::int32_t stagione, int numero, const char* colonna)
{
    T_Concorso c;
    c.Stagione = stagione;
    c.Numero = static_cast<std::uint8_t>(numero);
    EXPECT_GE(ColonnaDaTesto(colonna, c.ColonnaVincente), 0) << colonna;
    c.AggiornaCompleto();
    return c;
}

// n contests in order with random single signs; every `ogniIncompleto`-th one has an empty
// event and so is incomplete.
T_Archivio Casuale(int n, unsigned seme, int ogniIncompleto = 0)
{
    std::mt19937 g(seme);
    T_Archivio a;
    for (int i = 0; i < n; ++i) {
        T_Concorso c;
        c.Stagione = 1990 + i / 40;
        c.Numero = static_cast<std::uint8_t>(1 + i % 40);
        for (int e = 0; e < NumEvents; ++e)
            c.ColonnaVincente[static_cast<std::size_t>(e)] = SegnoDaCifra(g() % 3);
        if (ogniIncompleto > 0 && i % ogniIncompleto == ogniIncompleto - 1) c.ColonnaVincente[3] = 0;
        c.AggiornaCompleto();
        a.Aggiungi(c);
    }
    return a;
}

std::int16_t I16(const TBytes& b, std::size_t o)
{
    std::int16_t v;
    std::memcpy(&v, b.data() + o, 2);
    return v;
}
std::int32_t I32(const TBytes& b, std::size_t o)
{
    std::int32_t v;
    std::memcpy(&v, b.data() + o, 4);
    return v;
}
void Metti16(TBytes& b, std::int16_t v)
{
    b.insert(b.end(),
             {static_cast<std::uint8_t>(v), static_cast<std::uint8_t>(static_cast<std::uint16_t>(v) >> 8)});
}
void Metti32(TBytes& b, std::int32_t v)
{
    const auto u = static_cast<std::uint32_t>(v);
    for (int k = 0; k < 4; ++k) b.push_back(static_cast<std::uint8_t>(u >> (8 * k)));
}

// A table record by hand: entry i of the first list holds (i+1, i+2, i+3) plus `base`, of
// the second list the same plus 100.
TBytes RecordTabella(std::int16_t m, std::int32_t contati, std::uint8_t riservato, std::int32_t base = 0)
{
    TBytes b;
    Metti16(b, m);
    Metti32(b, contati);
    b.push_back(riservato);
    for (int i = 0; i <= m; ++i)
        for (int lista = 0; lista < 2; ++lista)
            for (int campo = 1; campo <= 3; ++campo) Metti32(b, base + i + campo + 100 * lista);
    return b;
}

// Where table k starts in an image.
std::size_t Inizio(const TBytes& b, int k)
{
    std::size_t o = 0;
    for (int i = 0; i < k; ++i) o += 7 + 24 * (static_cast<std::size_t>(I16(b, o)) + 1);
    return o;
}

void ConfrontaTabelle(const T_FrequenzeRitardi& attesa, const T_FrequenzeRitardi& vista,
                      const std::string& dove)
{
    ASSERT_EQ(attesa.ValoreMassimo(), vista.ValoreMassimo()) << dove;
    EXPECT_EQ(attesa.ConcorsiContati(), vista.ConcorsiContati()) << dove;
    for (int i = 0; i <= attesa.ValoreMassimo(); ++i)
        for (bool prima : {true, false}) {
            const TElemRFRM& a = attesa.Elemento(prima, i);
            const TElemRFRM& v = vista.Elemento(prima, i);
            EXPECT_EQ(a.Frequenza, v.Frequenza) << dove << " entry " << i << (prima ? " first" : " second");
            EXPECT_EQ(a.Ritardo, v.Ritardo) << dove << " entry " << i;
            EXPECT_EQ(a.RitardoMassimo, v.RitardoMassimo) << dove << " entry " << i;
        }
}

TDataBaseArchivio Ricostruito(const T_Archivio& a)
{
    T_Archivio copia = a;
    copia.RicalcolaDataBase();
    return *copia.DataBase();
}

struct TPassi : TOsservatoreDataBase {
    std::vector<std::string> eventi;
    void Inizio(const std::string& titolo) override { eventi.push_back("inizio " + titolo); }
    void Passo(int passo, int passi) override
    {
        eventi.push_back(std::to_string(passo) + "/" + std::to_string(passi));
    }
    void Fine() override { eventi.push_back("fine"); }
};

const std::vector<std::string> PassiAttesi = {
    "inizio Aggiornamento DataBase", "1/7", "2/7", "3/7", "4/7", "5/7", "6/7", "7/7", "fine"};

}  // namespace

TEST(DataBaseArchivio, PosizioneEContenutoDelleTabelleNelFile)
{
    TGiocoTemporaneo totip(GiocoTotip);
    T_Archivio a;
    a.Aggiungi(Fai(2000, 1, "111111111111"));
    a.Aggiungi(Fai(2000, 2, "2X11X2X1X121"));
    a.RicalcolaDataBase();
    const TBytes b = a.ImmagineDataBase();

    // The initial M of every table, in file order, for 12 events: nothing here goes beyond.
    const int m[21] = {12, 12, 12, 6, 12, 6, 6, 12, 11, 6, 6, 6, 90, 12, 12, 4, 12, 12, 4, 12, 12};
    std::size_t attesa = 0;
    for (int k = 0; k < 21; ++k) {
        const std::size_t o = Inizio(b, k);
        ASSERT_LT(o + 7, b.size());
        EXPECT_EQ(o, attesa) << "table " << k;
        EXPECT_EQ(I16(b, o), m[k]) << "table " << k;
        // Repetitions start from the third contest: with two, nothing is counted.
        EXPECT_EQ(I32(b, o + 2), k == 13 || k == 14 ? 0 : 2) << "table " << k;
        EXPECT_EQ(b[o + 6], 0) << "reserved byte of table " << k;
        attesa += 7 + 24 * (static_cast<std::size_t>(m[k]) + 1);
    }
    EXPECT_EQ(b.size(), attesa);
    EXPECT_EQ(b.size(), 7299u);

    // Sign "1": 12 events (run 12), then 5 (run 2). Entry i of the first list at 7 + 24 i,
    // of the second 12 bytes after it; each frequency, delay, maximum delay.
    auto voce = [&](int tabella, int i, bool prima, int campo) {
        return I32(b, Inizio(b, tabella) + 7 + 24 * static_cast<std::size_t>(i) + (prima ? 0 : 12) +
                          4 * static_cast<std::size_t>(campo));
    };
    EXPECT_EQ(voce(0, 12, true, 0), 1);
    EXPECT_EQ(voce(0, 12, true, 1), 1);
    EXPECT_EQ(voce(0, 12, true, 2), 1);
    EXPECT_EQ(voce(0, 5, true, 0), 1);
    EXPECT_EQ(voce(0, 5, true, 1), 0);
    EXPECT_EQ(voce(0, 5, true, 2), 1);
    EXPECT_EQ(voce(0, 0, true, 1), 2);
    EXPECT_EQ(voce(0, 12, false, 0), 1);
    EXPECT_EQ(voce(0, 2, false, 0), 1);
    EXPECT_EQ(voce(0, 2, false, 1), 0);
    EXPECT_EQ(voce(0, 1, false, 0), 0);
    // Sign "X": none, then 4.
    EXPECT_EQ(voce(1, 0, true, 0), 1);
    EXPECT_EQ(voce(1, 4, true, 0), 1);
    // Formule derivate: the index of each column.
    TFormuleDerivate fd;
    EXPECT_EQ(voce(12, fd.Formula(TColonnaEsaminata(a.Concorso(0).ColonnaVincente)), true, 0), 1);
    EXPECT_EQ(voce(12, fd.Formula(TColonnaEsaminata(a.Concorso(1).ColonnaVincente)), true, 0), 1);

    // Vortex: sign, arms, position of the direct walk, then of the inverse one. On the
    // second column the three differ, so a table out of place shows.
    for (int inverso = 0; inverso < 2; ++inverso) {
        SCOPED_TRACE(inverso ? "inverse" : "direct");
        const TEsitoVortice e =
            CamminaVortice(TColonnaEsaminata(a.Concorso(1).ColonnaVincente), 1, 12, !inverso);
        ASSERT_TRUE(e.Segno != e.Bracci && e.Bracci != e.Posizione && e.Segno != e.Posizione);
        int attese[3][13] = {};
        for (int k = 0; k < 2; ++k) {
            const TEsitoVortice w =
                CamminaVortice(TColonnaEsaminata(a.Concorso(k).ColonnaVincente), 1, 12, !inverso);
            ++attese[0][w.Segno];
            ++attese[1][w.Bracci];
            ++attese[2][w.Posizione];
        }
        for (int t = 0; t < 3; ++t)
            for (int i = 0; i <= m[15 + 3 * inverso + t]; ++i)
                EXPECT_EQ(voce(15 + 3 * inverso + t, i, true, 0), attese[t][i])
                    << "table " << t << " value " << i;
    }
}

TEST(DataBaseArchivio, TabellaConMDueEGiroDiLetturaIdentico)
{
    // A hand-made file: table 0 with M = 2 and a reserved byte, the others M = 0.
    TBytes file = RecordTabella(2, 77, 0xA5, 1000);
    EXPECT_EQ(file.size(), 79u);
    for (int k = 1; k < 21; ++k) {
        const TBytes r = RecordTabella(0, k, static_cast<std::uint8_t>(k), k);
        file.insert(file.end(), r.begin(), r.end());
    }
    TDataBaseArchivio db;
    TLettoreBinario l(file);
    ASSERT_TRUE(db.Leggi(l));
    const T_FrequenzeRitardi& t = db.Tabella(0);
    EXPECT_EQ(t.ValoreMassimo(), 2);
    EXPECT_EQ(t.ConcorsiContati(), 77);
    EXPECT_EQ(t.Riservato(), 0xA5);
    EXPECT_EQ(t.Elemento(true, 2), (TElemRFRM{1003, 1004, 1005}));
    EXPECT_EQ(t.Elemento(false, 2), (TElemRFRM{1103, 1104, 1105}));
    EXPECT_EQ(db.Immagine(), file);

    // Through the files. A hand-made database beside contests it does not describe is well
    // formed but not trusted: the load rebuilds it from the contests.
    TCartellaTemporanea cartella;
    const std::string dir = cartella.Percorso().string();
    T_Archivio a = Casuale(120, 7);
    ScriviTutto(cartella.File("archivio.mra"), a.ImmagineConcorsi());
    ScriviTutto(cartella.File("archdb.mra"), file);
    T_Archivio letto;
    EXPECT_FALSE(letto.Carica(dir));
    EXPECT_TRUE(letto.EsitoCaricamento().ConcorsiInteri);
    EXPECT_FALSE(letto.EsitoCaricamento().DataBaseLetto);
    EXPECT_TRUE(*letto.DataBase() == Ricostruito(a));

    // The real database of the contests, with reserved bytes of its own: load, then save,
    // gives the same bytes.
    a.RicalcolaDataBase();
    TBytes vero = a.ImmagineDataBase();
    vero[6] = 0xA5;
    ScriviTutto(cartella.File("archdb.mra"), vero);
    ASSERT_TRUE(letto.Carica(dir));
    EXPECT_TRUE(letto.DataBase()->StessiConteggi(*a.DataBase()));
    EXPECT_EQ(letto.DataBase()->Tabella(0).Riservato(), 0xA5);
    ASSERT_TRUE(letto.Salva(dir));
    EXPECT_EQ(LeggiTutto(cartella.File("archdb.mra")), vero);
    EXPECT_EQ(LeggiTutto(cartella.File("archivio.mra")), a.ImmagineConcorsi());
    EXPECT_TRUE(DataBaseIntero(vero.data(), vero.size()));
    for (const auto& voce : fs::directory_iterator(cartella.Percorso()))
        EXPECT_TRUE(voce.path().filename() == "archivio.mra" || voce.path().filename() == "archdb.mra")
            << voce.path();
}

TEST(DataBaseArchivio, FileMancanteORovinatoERicostruito)
{
    TCartellaTemporanea cartella;
    const std::string dir = cartella.Percorso().string();
    const T_Archivio a = Casuale(200, 11, 9);
    const TDataBaseArchivio atteso = Ricostruito(a);
    ScriviTutto(cartella.File("archivio.mra"), a.ImmagineConcorsi());

    T_Archivio letto;
    T_ImpostazioniRicerca ricerca;
    ricerca.SoloCompleti = false;  // the rebuild at load does not follow the player's range
    ricerca.PrimaStagione = 1994;
    EXPECT_FALSE(letto.Carica(dir, ricerca));  // no "archdb.mra"
    EXPECT_TRUE(letto.EsitoCaricamento().ConcorsiInteri);
    EXPECT_FALSE(letto.EsitoCaricamento().DataBaseLetto);
    EXPECT_EQ(letto.Concorsi(), a.Concorsi());
    ASSERT_NE(letto.DataBase(), nullptr);
    EXPECT_TRUE(*letto.DataBase() == atteso);
    EXPECT_EQ(letto.DataBase()->Tabella(0).ConcorsiContati(), 200 - 200 / 9);  // complete ones only
    EXPECT_FALSE(fs::exists(cartella.File("archdb.mra"))) << "loading writes nothing";

    const TBytes buono = atteso.Immagine();
    const std::size_t fineTabella0 = Inizio(buono, 1);
    std::vector<std::pair<std::string, TBytes>> rovinati;
    rovinati.push_back({"empty", {}});
    for (std::size_t n : {std::size_t{1}, std::size_t{6}, std::size_t{7}, fineTabella0 - 1, fineTabella0,
                          fineTabella0 + 3, buono.size() - 1})
        rovinati.push_back({"cut at " + std::to_string(n),
                            TBytes(buono.begin(), buono.begin() + static_cast<std::ptrdiff_t>(n))});
    TBytes lungo = buono;
    lungo.push_back(0);
    rovinati.push_back({"one byte too many", lungo});
    lungo = buono;
    lungo.insert(lungo.end(), buono.begin(), buono.begin() + static_cast<std::ptrdiff_t>(fineTabella0));
    rovinati.push_back({"a 22nd table", lungo});
    TBytes negativo = buono;
    negativo[0] = 0xFF;
    negativo[1] = 0xFF;  // M = -1
    rovinati.push_back({"negative M", negativo});
    TBytes enorme = RecordTabella(0, 0, 0);
    enorme[0] = 0xFF;
    enorme[1] = 0x7F;  // M = 32767 and a body of one entry pair
    rovinati.push_back({"M 32767, short body", enorme});
    TBytes contatiNegativi = buono;
    contatiNegativi[Inizio(buono, 5) + 5] = 0x80;
    rovinati.push_back({"negative contests counted", contatiNegativi});
    TBytes frequenzaNegativa = buono;
    frequenzaNegativa[Inizio(buono, 20) + 7 + 24 * 3 + 12 + 3] = 0xFF;
    rovinati.push_back({"negative frequency", frequenzaNegativa});

    for (const auto& [nome, dati] : rovinati) {
        SCOPED_TRACE(nome);
        ScriviTutto(cartella.File("archdb.mra"), dati);
        T_Archivio b;
        EXPECT_FALSE(b.Carica(dir));
        EXPECT_TRUE(b.EsitoCaricamento().ConcorsiInteri);
        EXPECT_FALSE(b.EsitoCaricamento().DataBaseLetto);
        ASSERT_NE(b.DataBase(), nullptr);
        EXPECT_TRUE(*b.DataBase() == atteso);
        EXPECT_EQ(LeggiTutto(cartella.File("archdb.mra")), dati) << "the bad file is left alone";
        EXPECT_FALSE(DataBaseIntero(dati.data(), dati.size()));

        TDataBaseArchivio db;
        TLettoreBinario l(dati);
        EXPECT_FALSE(db.Leggi(l));
        EXPECT_TRUE(db == TDataBaseArchivio{}) << "a refused read changes nothing";
    }

    // A whole database beside contests cut short describes contests no longer all there.
    {
        ScriviTutto(cartella.File("archdb.mra"), buono);
        TBytes corto = a.ImmagineConcorsi();
        corto.resize(corto.size() - 30);
        ScriviTutto(cartella.File("archivio.mra"), corto);
        T_Archivio b;
        EXPECT_FALSE(b.Carica(dir));
        EXPECT_FALSE(b.EsitoCaricamento().ConcorsiInteri);
        EXPECT_FALSE(b.EsitoCaricamento().DataBaseLetto);
        ASSERT_EQ(b.NumeroConcorsi(), 198);
        EXPECT_TRUE(*b.DataBase() == Ricostruito(b));
        EXPECT_FALSE(*b.DataBase() == atteso);
        ScriviTutto(cartella.File("archivio.mra"), a.ImmagineConcorsi());
    }
    // Longer than any database can be: refused without reading it.
    {
        std::ofstream(cartella.File("archdb.mra")).close();
        fs::resize_file(cartella.File("archdb.mra"), DimensioneMassimaDataBase + 1);
        T_Archivio b;
        EXPECT_FALSE(b.Carica(dir));
        EXPECT_TRUE(*b.DataBase() == atteso);
    }
    // The editor loads without a word when only the database is missing or bad.
    {
        T_Archivio b;
        TRispostaFissa domanda(0);
        TEditoreArchivio editore(b, ricerca, domanda, dir);
        EXPECT_NO_THROW(editore.CaricaArchivio());
        EXPECT_TRUE(*b.DataBase() == atteso);
    }
}

TEST(DataBaseArchivio, RicalcoloPassiScalaPuntiEIntervallo)
{
    TGiocoTemporaneo totip(GiocoTotip);
    T_Archivio a;
    a.Aggiungi(Fai(2000, 1, "111111111111"));
    a.Aggiungi(Fai(2000, 2, "XXXXXX111111"));
    a.Aggiungi(Fai(2000, 3, "1111XX222222"));
    a.Aggiungi(Fai(2000, 4, "222222222222"));

    TPassi passi;
    TConfigurazione configurazione;
    configurazione.ScalaPunti = 3;
    const TConfigurazione prima = configurazione;
    T_ImpostazioniRicerca ricerca;
    ricerca.PrimaStagione = ricerca.UltimaStagione = 2000;
    ricerca.PrimoNumero = ricerca.UltimoNumero = 3;
    a.RicalcolaDataBase(&ricerca, &passi, &configurazione);
    EXPECT_EQ(passi.eventi, PassiAttesi);
    EXPECT_EQ(configurazione.ScalaPunti, 2);
    EXPECT_EQ(configurazione.CostoColonna, prima.CostoColonna);

    // Only contest 3 is in range; its repetitions are still measured against contests 2
    // and 1, which are not.
    const TDataBaseArchivio& db = *a.DataBase();
    EXPECT_EQ(db.Tabella(0).ConcorsiContati(), 1);
    EXPECT_EQ(db.Tabella(0).Elemento(true, 4).Frequenza, 1);  // four "1"
    EXPECT_EQ(db.Tabella(13).ConcorsiContati(), 1);
    // Against "XXXXXX111111": events 5 and 6, run 2. Against "111111111111": events 1-4, run 4.
    EXPECT_EQ(db.Tabella(13).Elemento(true, 2).Frequenza, 1);
    EXPECT_EQ(db.Tabella(13).Elemento(false, 2).Frequenza, 1);
    EXPECT_EQ(db.Tabella(14).Elemento(true, 4).Frequenza, 1);
    EXPECT_EQ(db.Tabella(14).Elemento(false, 4).Frequenza, 1);

    // Without a range: the whole archive, and no configuration is needed.
    a.RicalcolaDataBase();
    EXPECT_EQ(a.DataBase()->Tabella(0).ConcorsiContati(), 4);
    EXPECT_EQ(a.DataBase()->Tabella(13).ConcorsiContati(), 2);

    // The window closes even when the rebuild cannot finish.
    struct TGuasto : TPassi {
        void Passo(int passo, int passi) override
        {
            TPassi::Passo(passo, passi);
            if (passo == 3) throw std::runtime_error("guasto");
        }
    } guasto;
    EXPECT_THROW(a.RicalcolaDataBase(nullptr, &guasto), std::runtime_error);
    EXPECT_EQ(guasto.eventi.back(), "fine");
    EXPECT_EQ(a.DataBase()->Tabella(0).ConcorsiContati(), 4) << "the old tables stay";
}

TEST(DataBaseArchivio, TabelleDataBaseUgualiAllaScansioneDiOgniTipo)
{
    for (int gioco : {GiocoTotip, GiocoToto}) {
        TGiocoTemporaneo g(gioco);
        TCartellaTemporanea cartella;
        const std::string dir = cartella.Percorso().string();
        T_Archivio scritto = Casuale(300, 5 + static_cast<unsigned>(gioco), 13);
        ASSERT_TRUE(scritto.Salva(dir));  // never rebuilt: Salva counts a fresh one
        T_Archivio a;
        T_ImpostazioniRicerca ricerca;
        ASSERT_TRUE(a.Carica(dir, ricerca));  // the cache comes from the file

        TElencoCondizioni elenco;
        elenco.Sorgenti.Archivio = &a;
        elenco.Sorgenti.Ricerca = &ricerca;
        for (TipoCondizione tipo : {TipoNumeroSegni, TipoPariDispari, TipoVortice, TipoSimmetrie,
                                    TipoInterruzioni, TipoFormuleDerivate, TipoRipetizioni}) {
            SCOPED_TRACE("game " + std::to_string(gioco) + " kind " + std::to_string(tipo));
            auto fresca = CreaCondizione(tipo, &elenco);
            auto* c = dynamic_cast<TCondizioneATabelle*>(fresca.get());
            ASSERT_NE(c, nullptr);
            c->StatisticaArchivio();
            std::vector<T_FrequenzeRitardi> tabelle;
            ASSERT_TRUE(a.TabelleDataBase(*c, tabelle));
            ASSERT_EQ(static_cast<int>(tabelle.size()), c->NumeroSerie());
            for (int s = 0; s < c->NumeroSerie(); ++s)
                ConfrontaTabelle(c->StatistichePrime(s), tabelle[static_cast<std::size_t>(s)],
                                 "series " + std::to_string(s));
        }

        std::vector<T_FrequenzeRitardi> nessuna;
        for (TipoCondizione altro : {TipoModulo, TipoQuadro, TipoPuntiTra, TipoConsecutivita, TipoValori}) {
            auto c = CreaCondizione(altro, &elenco);
            ASSERT_NE(c, nullptr);
            EXPECT_FALSE(a.TabelleDataBase(*c, nessuna)) << int{altro};
        }
        EXPECT_TRUE(nessuna.empty());
        // An archive never loaded nor rebuilt has nothing to give.
        EXPECT_FALSE(T_Archivio{}.TabelleDataBase(*CreaCondizione(TipoNumeroSegni), nessuna));
    }
}

TEST(DataBaseArchivio, SalvataggioFallitoLasciaIVecchiFile)
{
    TCartellaTemporanea cartella;
    const std::string dir = cartella.Percorso().string();
    T_Archivio vecchio = Casuale(30, 3);
    ASSERT_TRUE(vecchio.Salva(dir));
    const TBytes archivio = LeggiTutto(cartella.File("archivio.mra"));
    const TBytes dataBase = LeggiTutto(cartella.File("archdb.mra"));

    T_Archivio nuovo = Casuale(50, 4);
    nuovo.RicalcolaDataBase();
    // The database cannot be written: neither file changes.
    fs::create_directories(cartella.Percorso() / "archdb.nuovo" / "occupato");
    EXPECT_FALSE(nuovo.Salva(dir));
    EXPECT_EQ(LeggiTutto(cartella.File("archivio.mra")), archivio);
    EXPECT_EQ(LeggiTutto(cartella.File("archdb.mra")), dataBase);
    EXPECT_FALSE(fs::exists(cartella.File("archivio.nuovo")));
    fs::remove_all(cartella.Percorso() / "archdb.nuovo");

    // The old database cannot be put aside: again neither file changes.
    fs::create_directories(cartella.Percorso() / "archdb.mra.prec" / "occupato");
    EXPECT_FALSE(nuovo.Salva(dir));
    EXPECT_EQ(LeggiTutto(cartella.File("archivio.mra")), archivio);
    EXPECT_EQ(LeggiTutto(cartella.File("archdb.mra")), dataBase);
    EXPECT_FALSE(fs::exists(cartella.File("archivio.nuovo")));
    EXPECT_FALSE(fs::exists(cartella.File("archdb.nuovo")));
    fs::remove_all(cartella.Percorso() / "archdb.mra.prec");

    // A folder that does not exist: nothing is made.
    EXPECT_FALSE(nuovo.Salva(cartella.File("manca")));
    EXPECT_FALSE(fs::exists(cartella.File("manca")));

    ASSERT_TRUE(nuovo.Salva(dir));
    EXPECT_EQ(LeggiTutto(cartella.File("archivio.mra")), nuovo.ImmagineConcorsi());
    EXPECT_EQ(LeggiTutto(cartella.File("archdb.mra")), nuovo.ImmagineDataBase());
}

TEST(DataBaseArchivio, ConfermaDellEditoreRicalcolaSuTuttoLArchivio)
{
    TGiocoTemporaneo totip(GiocoTotip);
    TCartellaTemporanea cartella;
    const std::string dir = cartella.Percorso().string();
    T_Archivio iniziale = Casuale(40, 9);
    ASSERT_TRUE(iniziale.Salva(dir));

    T_Archivio a;
    T_ImpostazioniRicerca ricerca;
    TRispostaFissa domanda(PulsanteSi);
    TEditoreArchivio editore(a, ricerca, domanda, dir);
    TPassi passi;
    TConfigurazione configurazione;
    configurazione.ScalaPunti = 4;
    editore.ImpostaAggiornamentoDataBase(&configurazione, &passi);
    editore.CaricaArchivio();
    editore.Apri();
    ASSERT_TRUE(editore.Aggiungi());
    editore.ImpostaColonna("1X21X21X21X2");
    // A narrower range (and incomplete contests counted) must not reach the saved tables.
    ricerca.PrimaStagione = 1991;
    ricerca.SoloCompleti = false;
    ASSERT_TRUE(editore.Conferma());

    EXPECT_EQ(passi.eventi, PassiAttesi);
    EXPECT_EQ(configurazione.ScalaPunti, 2);
    ASSERT_EQ(a.NumeroConcorsi(), 41);
    EXPECT_TRUE(*a.DataBase() == Ricostruito(a));
    EXPECT_EQ(a.DataBase()->Tabella(0).ConcorsiContati(), 41);
    EXPECT_EQ(LeggiTutto(cartella.File("archdb.mra")), Ricostruito(a).Immagine());
}

// A file in perfect shape that does not describe the contests beside it must not reach the
// statistics: tables with nothing counted, or one count off, are rebuilt at load.
TEST(DataBaseArchivio, FileBenFormatoMaIncoerenteVieneRicostruito)
{
    TCartellaTemporanea cartella;
    const std::string dir = cartella.Percorso().string();
    const T_Archivio a = Casuale(150, 5, 7);
    const TDataBaseArchivio atteso = Ricostruito(a);
    ScriviTutto(cartella.File("archivio.mra"), a.ImmagineConcorsi());

    TBytes vuote;
    for (int k = 0; k < NumeroTabelleDataBase; ++k) {
        const TBytes r = RecordTabella(0, 0, 0);
        vuote.insert(vuote.end(), r.begin(), r.end());
    }
    TBytes contoSbagliato = atteso.Immagine();
    contoSbagliato[Inizio(contoSbagliato, 9) + 2] ^= 1;  // contests counted of table 9
    TBytes frequenzaSpostata = atteso.Immagine();
    frequenzaSpostata[Inizio(frequenzaSpostata, 0) + 7] += 1;  // one more in entry 0
    for (const auto& [nome, dati] :
         std::vector<std::pair<std::string, TBytes>>{{"21 tables of one empty entry", vuote},
                                                     {"a count that is not the archive's", contoSbagliato},
                                                     {"one frequency off", frequenzaSpostata}}) {
        SCOPED_TRACE(nome);
        ASSERT_TRUE(DataBaseIntero(dati.data(), dati.size()));
        ScriviTutto(cartella.File("archdb.mra"), dati);
        T_Archivio b;
        EXPECT_FALSE(b.Carica(dir));
        EXPECT_TRUE(b.EsitoCaricamento().ConcorsiInteri);
        EXPECT_FALSE(b.EsitoCaricamento().DataBaseLetto);
        EXPECT_TRUE(*b.DataBase() == atteso);
        std::vector<T_FrequenzeRitardi> tabelle;
        ASSERT_TRUE(b.TabelleDataBase(*CreaCondizione(TipoNumeroSegni), tabelle));
        EXPECT_EQ(tabelle[0].ConcorsiContati(), atteso.Tabella(0).ConcorsiContati());
    }
}
