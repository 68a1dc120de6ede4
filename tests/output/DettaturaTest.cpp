// The dictation tick by tick: a timer fired by hand and a player that records what it is told.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CartellaTemporanea.h"
#include "Dettatura.h"
#include "Errore.h"
#include "SimulazioneDettatura.h"

using namespace morella;

namespace {

class TTimerProva : public TTemporizzatore {
   public:
    void Avvia(int periodoMs) override
    {
        acceso = true;
        periodo = periodoMs;
    }
    void Ferma() override { acceso = false; }
    void ImpostaPeriodo(int periodoMs) override { periodo = periodoMs; }
    void Scatto() { Scatta(); }

    bool acceso = false;
    int periodo = 0;
};

class TLettoreProva : public TLettoreAudio {
   public:
    bool Apri(const std::string& file) override
    {
        aperto = file;
        return fileEsiste;
    }
    void Chiudi() override { ++chiusure; }
    void Ferma() override { ++fermate; }
    void Suona(int daMs, int aMs) override { suonati.push_back({daMs, aMs}); }

    bool fileEsiste = true;
    std::string aperto;
    int chiusure = 0;
    int fermate = 0;
    std::vector<TTrattoVoce> suonati;
};

// One entry per sign said: which schedina was on view and which cell was marked.
struct TDetto {
    int schedina;
    TCellaDetta cella;
    bool operator==(const TDetto&) const = default;
};

class TTaccuino : public TOsservatoreDettatura {
   public:
    explicit TTaccuino(const TDettatura& d) : d_(d) {}
    void SegnoDetto() override { detti.push_back({d_.NumeroVista(), *d_.CellaDetta()}); }
    void SchedinaMostrata() override { ++mostrate; }
    void StatoCambiato() override { ++stati; }

    std::vector<TDetto> detti;
    int mostrate = 0;
    int stati = 0;

   private:
    const TDettatura& d_;
};

// Column i (0-based in the list), event e: sign set (i + e) mod 7 + 1, so every word occurs
// and a column can be told from its neighbours by what it says.
TSegni SegnoAtteso(int colonna, int evento)
{
    return static_cast<TSegni>((colonna + evento) % 7 + 1);
}

std::vector<TSchedinaVin> Schedine(int colonne)
{
    TListaColonne lista;
    for (int i = 0; i < colonne; ++i) {
        TColonna c{};
        for (int e = 0; e < NumEvents; ++e) c[static_cast<std::size_t>(e)] = SegnoAtteso(i, e);
        lista.Aggiungi(c);
    }
    return CostruisciSchedine(lista);
}

class Dettatura : public ::testing::Test {
   protected:
    TTimerProva timer;
    TLettoreProva lettore;
    TDettatura d{lettore, timer};
    TTaccuino taccuino{d};

    void Prepara(int colonne)
    {
        d.ImpostaOsservatore(&taccuino);
        ASSERT_TRUE(d.Prepara(Schedine(colonne), "voce.Wav"));
        d.ImpostaPausaDopoSchedina(false);
    }
    // Fires the timer as a real one would: only while it runs.
    int Scatti(int quanti)
    {
        int fatti = 0;
        for (; fatti < quanti && timer.acceso; ++fatti) timer.Scatto();
        return fatti;
    }
    int FinoAllaFine() { return Scatti(100000); }

    // Checks that every sign said was played from its own stretch of the voice file.
    void ControllaParole() const
    {
        ASSERT_EQ(lettore.suonati.size(), taccuino.detti.size());
        for (std::size_t k = 0; k < taccuino.detti.size(); ++k) {
            const TDetto& t = taccuino.detti[k];
            const int colonnaNellaLista = (t.schedina - 1) * 4 + t.cella.colonna - 1;
            EXPECT_EQ(lettore.suonati[k], TrattoVoce(SegnoAtteso(colonnaNellaLista, t.cella.evento - 1)))
                << "parola " << k;
        }
    }
};

std::vector<TDetto> PerColonne(int schedina, int colonne)
{
    std::vector<TDetto> v;
    for (int c = 1; c <= colonne; ++c)
        for (int e = 1; e <= NumEvents; ++e) v.push_back({schedina, {c, e}});
    return v;
}

std::vector<TDetto> PerRighe(int schedina, int colonne)
{
    std::vector<TDetto> v;
    for (int e = 1; e <= NumEvents; ++e)
        for (int c = 1; c <= colonne; ++c) v.push_back({schedina, {c, e}});
    return v;
}

template <typename T>
void Accoda(std::vector<T>& a, const std::vector<T>& b)
{
    a.insert(a.end(), b.begin(), b.end());
}

}  // namespace

TEST(TrattiVoce, UnSecondoPerParolaLUltimaPiuCorta)
{
    EXPECT_EQ(TrattoVoce(Segno1), (TTrattoVoce{0, 1000}));
    EXPECT_EQ(TrattoVoce(SegnoX), (TTrattoVoce{1000, 2000}));
    EXPECT_EQ(TrattoVoce(Segno2), (TTrattoVoce{3000, 4000}));
    EXPECT_EQ(TrattoVoce(Segno1 | Segno2), (TTrattoVoce{4000, 5000}));
    EXPECT_EQ(TrattoVoce(7), (TTrattoVoce{6000, 6900}));
    // The view's mark never changes the word.
    EXPECT_EQ(TrattoVoce(static_cast<TSegni>(SegnoX | SegnoEvidenziato)), (TTrattoVoce{1000, 2000}));
    EXPECT_EQ(TrattoVoce(0), (TTrattoVoce{0, 0}));
}

TEST_F(Dettatura, PerColonneNoveColonneTreSchedineLUltimaCorta)
{
    Prepara(9);
    EXPECT_EQ(d.NumeroSchedine(), 3);
    EXPECT_EQ(d.DallaSchedina(), 1);
    EXPECT_EQ(d.AllaSchedina(), 3);
    EXPECT_EQ(d.Stato(), TStatoDettatura::Inattiva);
    EXPECT_EQ(lettore.aperto, "voce.Wav");
    EXPECT_FALSE(timer.acceso);

    d.Avvia();
    EXPECT_EQ(d.Stato(), TStatoDettatura::InCorso);
    EXPECT_EQ(timer.periodo, 1500);
    EXPECT_EQ(FinoAllaFine(), 9 * 12);

    std::vector<TDetto> atteso = PerColonne(1, 4);
    Accoda(atteso, PerColonne(2, 4));
    Accoda(atteso, PerColonne(3, 1));
    EXPECT_EQ(taccuino.detti, atteso);
    ControllaParole();
    // Every word silences the one before it.
    EXPECT_EQ(lettore.fermate, 9 * 12);

    // The end of the range stops the timer and puts the first schedina back on view.
    EXPECT_EQ(d.Stato(), TStatoDettatura::Inattiva);
    EXPECT_FALSE(timer.acceso);
    EXPECT_EQ(d.NumeroVista(), 1);
    EXPECT_EQ(d.ColonneInSchedina(), 4);
    EXPECT_FALSE(d.CellaDetta());
}

TEST_F(Dettatura, PerRigheUnEventoDiTutteLeColonneAllaVolta)
{
    Prepara(6);
    d.ImpostaOrdine(TOrdineDettatura::PerRighe);
    d.Avvia();
    EXPECT_EQ(FinoAllaFine(), 6 * 12);
    std::vector<TDetto> atteso = PerRighe(1, 4);
    Accoda(atteso, PerRighe(2, 2));
    EXPECT_EQ(taccuino.detti, atteso);
    ControllaParole();
}

TEST_F(Dettatura, IlTotocalcioDettaTrediciEventi)
{
    test::TGiocoTemporaneo toto(GiocoToto);
    Prepara(2);
    d.Avvia();
    EXPECT_EQ(FinoAllaFine(), 2 * 13);
    EXPECT_EQ(taccuino.detti, PerColonne(1, 2));
    ControllaParole();
}

TEST_F(Dettatura, PausaDopoOgniSchedinaEPulsantePausa)
{
    Prepara(9);
    d.ImpostaPausaDopoSchedina(true);
    d.Avvia();
    // The first schedina, then a halt with the next one on view.
    EXPECT_EQ(FinoAllaFine(), 48);
    EXPECT_EQ(d.Stato(), TStatoDettatura::InPausa);
    EXPECT_EQ(d.NumeroVista(), 2);
    // A tick that was already queued says nothing.
    timer.Scatto();
    EXPECT_EQ(taccuino.detti.size(), 48u);

    // Play carries on with the next schedina from its first sign.
    d.Avvia();
    Scatti(5);
    EXPECT_EQ(taccuino.detti.back(), (TDetto{2, {1, 5}}));

    // The pause button halts and resumes where the dictation stood.
    d.Pausa();
    EXPECT_EQ(d.Stato(), TStatoDettatura::InPausa);
    EXPECT_FALSE(timer.acceso);
    d.Pausa();
    EXPECT_EQ(d.Stato(), TStatoDettatura::InCorso);
    Scatti(1);
    EXPECT_EQ(taccuino.detti.back(), (TDetto{2, {1, 6}}));
    // So does Play after the pause button.
    d.Pausa();
    d.Avvia();
    Scatti(1);
    EXPECT_EQ(taccuino.detti.back(), (TDetto{2, {1, 7}}));

    // Play while playing starts the schedina over.
    d.Avvia();
    Scatti(1);
    EXPECT_EQ(taccuino.detti.back(), (TDetto{2, {1, 1}}));

    EXPECT_EQ(FinoAllaFine(), 47);
    EXPECT_EQ(d.Stato(), TStatoDettatura::InPausa);
    d.Avvia();
    EXPECT_EQ(FinoAllaFine(), 12);
    // After the last schedina the dictation stops instead of halting.
    EXPECT_EQ(d.Stato(), TStatoDettatura::Inattiva);
    ControllaParole();
}

TEST_F(Dettatura, UnIntervalloDiUnaSchedinaEStopRipartonoDallaPrima)
{
    Prepara(12);
    d.ImpostaAllaSchedina(2);
    d.ImpostaDallaSchedina(2);
    EXPECT_EQ(d.NumeroVista(), 2);
    d.Avvia();
    EXPECT_EQ(FinoAllaFine(), 48);
    EXPECT_EQ(taccuino.detti, PerColonne(2, 4));
    EXPECT_EQ(d.Stato(), TStatoDettatura::Inattiva);

    // Stop in the middle: Play starts again with the first schedina of the range.
    taccuino.detti.clear();
    lettore.suonati.clear();
    d.Avvia();
    Scatti(20);
    d.Ferma();
    EXPECT_EQ(d.Stato(), TStatoDettatura::Inattiva);
    EXPECT_FALSE(timer.acceso);
    d.Avvia();
    Scatti(1);
    EXPECT_EQ(taccuino.detti.back(), (TDetto{2, {1, 1}}));
    ControllaParole();
}

TEST_F(Dettatura, DopoUnaSchedinaCortaLaPrimaSiLeggeIntera)
{
    // The range ends on the short third schedina, or Stop comes while it is read; either way
    // the next Play must read the four columns of the first schedina, not the one column left
    // over from the third.
    Prepara(9);
    d.Avvia();
    EXPECT_EQ(FinoAllaFine(), 9 * 12);
    taccuino.detti.clear();
    lettore.suonati.clear();
    d.Avvia();
    EXPECT_EQ(Scatti(48), 48);
    EXPECT_EQ(taccuino.detti, PerColonne(1, 4));

    EXPECT_EQ(Scatti(50), 50);
    EXPECT_EQ(d.NumeroVista(), 3);
    d.Ferma();
    taccuino.detti.clear();
    lettore.suonati.clear();
    d.ImpostaAllaSchedina(1);
    d.Avvia();
    EXPECT_EQ(FinoAllaFine(), 48);
    EXPECT_EQ(taccuino.detti, PerColonne(1, 4));
    ControllaParole();
}

TEST_F(Dettatura, IlCambioDellIntervalloDuranteLaDettatura)
{
    Prepara(12);
    d.Avvia();
    Scatti(10);
    // A new first schedina is read from its first sign on the next tick.
    d.ImpostaDallaSchedina(3);
    EXPECT_EQ(d.NumeroVista(), 3);
    EXPECT_EQ(d.Stato(), TStatoDettatura::InCorso);
    Scatti(1);
    EXPECT_EQ(taccuino.detti.back(), (TDetto{3, {1, 1}}));
    FinoAllaFine();
    EXPECT_EQ(taccuino.detti.back(), (TDetto{3, {4, 12}}));
    EXPECT_EQ(d.NumeroVista(), 3);

    // The last schedina moved below the one being read: the dictation ends with it.
    d.ImpostaDallaSchedina(1);
    d.ImpostaPausaDopoSchedina(true);
    d.Avvia();
    FinoAllaFine();
    EXPECT_EQ(d.NumeroVista(), 2);
    d.ImpostaAllaSchedina(1);
    d.Avvia();
    EXPECT_EQ(FinoAllaFine(), 48);
    EXPECT_EQ(taccuino.detti.back(), (TDetto{2, {4, 12}}));
    EXPECT_EQ(d.Stato(), TStatoDettatura::Inattiva);

    // The range keeps within the list, the first never past the last.
    d.ImpostaAllaSchedina(9);
    EXPECT_EQ(d.AllaSchedina(), 3);
    d.ImpostaDallaSchedina(5);
    EXPECT_EQ(d.DallaSchedina(), 3);
    EXPECT_EQ(d.NumeroVista(), 3);
    d.ImpostaAllaSchedina(1);
    EXPECT_EQ(d.AllaSchedina(), 3);
    d.ImpostaDallaSchedina(-4);
    EXPECT_EQ(d.DallaSchedina(), 1);
}

TEST_F(Dettatura, LaPausaTraISegniCambiaIlPeriodoSubito)
{
    Prepara(4);
    EXPECT_EQ(d.Periodo(), 1500);
    d.Avvia();
    d.ImpostaPausaTraSegni(20);
    EXPECT_EQ(timer.periodo, 3000);
    EXPECT_TRUE(timer.acceso);
    d.ImpostaPausaTraSegni(0);
    EXPECT_EQ(d.Periodo(), 1100);
    d.ImpostaPausaTraSegni(99);
    EXPECT_EQ(d.Periodo(), 6000);
    d.Pausa();
    d.ImpostaPausaTraSegni(3);
    d.Pausa();
    EXPECT_EQ(timer.periodo, 1300);
}

TEST_F(Dettatura, SoloLaCellaDettaPortaIlSegno)
{
    Prepara(5);
    const auto pulite = d.ColonneVista();
    for (const TColonna& c : pulite)
        for (TSegni s : c.s) EXPECT_EQ(s & SegnoEvidenziato, 0);
    d.Avvia();
    Scatti(14);  // the 14th sign: column 2, event 2
    ASSERT_EQ(d.CellaDetta(), (TCellaDetta{2, 2}));
    auto vista = d.ColonneVista();
    int segnate = 0;
    for (std::size_t k = 0; k < 4; ++k)
        for (std::size_t e = 0; e < vista[k].s.size(); ++e) {
            if (vista[k][e] & SegnoEvidenziato) ++segnate;
            EXPECT_EQ(vista[k][e] & ~SegnoEvidenziato, pulite[k][e]);
        }
    EXPECT_EQ(segnate, 1);
    EXPECT_TRUE(vista[1][1] & SegnoEvidenziato);
    // The mark lives in the view only: the next sign moves it.
    Scatti(1);
    vista = d.ColonneVista();
    EXPECT_FALSE(vista[1][1] & SegnoEvidenziato);
    EXPECT_TRUE(vista[1][2] & SegnoEvidenziato);
}

TEST_F(Dettatura, UnEventoVuotoPassaInSilenzio)
{
    TListaColonne lista;
    TColonna c{};
    for (int e = 0; e < NumEvents; ++e) c[static_cast<std::size_t>(e)] = Segno1;
    c[3] = 0;
    lista.Aggiungi(c);
    d.ImpostaOsservatore(&taccuino);
    ASSERT_TRUE(d.Prepara(CostruisciSchedine(lista), "voce.Wav"));
    d.Avvia();
    EXPECT_EQ(FinoAllaFine(), 12);
    EXPECT_EQ(taccuino.detti.size(), 12u);
    EXPECT_EQ(lettore.suonati.size(), 11u);
    EXPECT_EQ(lettore.fermate, 12);
}

// A column whose first event is empty is still one of the schedina's columns.
TEST_F(Dettatura, UnaColonnaConIlPrimoEventoVuotoSiDetta)
{
    TListaColonne lista;
    for (int i = 0; i < 3; ++i) {
        TColonna c{};
        for (int e = 1; e < NumEvents; ++e) c[static_cast<std::size_t>(e)] = Segno1;
        lista.Aggiungi(c);
    }
    d.ImpostaOsservatore(&taccuino);
    ASSERT_TRUE(d.Prepara(CostruisciSchedine(lista), "voce.Wav"));
    EXPECT_EQ(d.ColonneInSchedina(), 3);
    d.Avvia();
    EXPECT_EQ(FinoAllaFine(), 3 * NumEvents);
}

TEST_F(Dettatura, SenzaFileVocaleNonSiSuona)
{
    lettore.fileEsiste = false;
    d.ImpostaOsservatore(&taccuino);
    EXPECT_FALSE(d.Prepara(Schedine(5), "manca.Wav"));
    EXPECT_FALSE(d.VoceDisponibile());
    // The schedine can still be looked at.
    EXPECT_EQ(d.NumeroVista(), 1);
    EXPECT_EQ(d.ColonneInSchedina(), 4);
    try {
        d.Avvia();
        FAIL() << "Play without the voice file";
    } catch (const EErrore& e) {
        EXPECT_STREQ(e.what(), "Impossibile Caricare Il File Vocale");
    }
    EXPECT_THROW(d.Pausa(), EErrore);
    EXPECT_FALSE(timer.acceso);
    EXPECT_EQ(d.Stato(), TStatoDettatura::Inattiva);
    timer.Scatto();
    EXPECT_TRUE(lettore.suonati.empty());
    // Closing does not close what was never opened.
    d.Chiudi();
    EXPECT_EQ(lettore.chiusure, 0);
}

TEST_F(Dettatura, SenzaSchedineNonSuccedeNulla)
{
    d.ImpostaOsservatore(&taccuino);
    EXPECT_TRUE(d.Prepara({}, "voce.Wav"));
    EXPECT_EQ(d.NumeroSchedine(), 0);
    EXPECT_EQ(d.NumeroVista(), 0);
    d.Avvia();
    d.Pausa();
    d.ImpostaDallaSchedina(1);
    d.ImpostaAllaSchedina(1);
    EXPECT_FALSE(timer.acceso);
    EXPECT_EQ(d.Stato(), TStatoDettatura::Inattiva);
    EXPECT_EQ(d.ColonneVista(), (std::array<TColonna, 4>{}));
}

TEST_F(Dettatura, ChiudereSpegneEChiudeIlFile)
{
    Prepara(4);
    d.Avvia();
    Scatti(3);
    d.Chiudi();
    EXPECT_FALSE(timer.acceso);
    EXPECT_EQ(lettore.chiusure, 1);
    EXPECT_FALSE(d.VoceDisponibile());
    EXPECT_THROW(d.Avvia(), EErrore);
    // Preparing again opens the file once more.
    EXPECT_TRUE(d.Prepara(Schedine(4), "voce.Wav"));
    EXPECT_NO_THROW(d.Avvia());
}

TEST(SimulaDettatura, LeParoleDiUnIntervalloPerRighe)
{
    const auto parole = SimulaDettatura(Schedine(9), 2, 3, TOrdineDettatura::PerRighe);
    ASSERT_EQ(parole.size(), 4u * 12 + 12);
    EXPECT_EQ(parole[0].schedina, 2);
    EXPECT_EQ(parole[0].cella, (TCellaDetta{1, 1}));
    EXPECT_EQ(parole[0].parola, TestoSegni(SegnoAtteso(4, 0)));
    EXPECT_EQ(parole[0].tratto, TrattoVoce(SegnoAtteso(4, 0)));
    EXPECT_EQ(parole[1].cella, (TCellaDetta{2, 1}));
    EXPECT_EQ(parole[48].schedina, 3);
    EXPECT_EQ(parole.back().cella, (TCellaDetta{1, 12}));
    EXPECT_TRUE(SimulaDettatura({}, 1, 1, TOrdineDettatura::PerColonne).empty());
}
