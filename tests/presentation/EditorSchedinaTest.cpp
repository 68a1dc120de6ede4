// The coupon editor's rules: hit tests, number fields, percentage rows, lamps, and the
// document side of the editor (ImpostaTutto, the contest number, comment, participants).
#include <gtest/gtest.h>

#include "Abilitazioni.h"
#include "CartellaTemporanea.h"
#include "Cartelle.h"
#include "ComandiConfigurazione.h"
#include "DocumentoSchedina.h"
#include "EditorSchedina.h"
#include "Errore.h"
#include "TipiCondizione.h"
#include "UTSistema.h"

using namespace morella;
using morella::test::TCartellaTemporanea;
using morella::test::TGiocoTemporaneo;

TEST(EditorSchedina, ClicSulPronosticoSoloDentroIlCerchio)
{
    TGeometriaPronostico g;  // diameter 15, steps 18, gaps 10
    const int w = 10 + 3 * 18 + 10, h = 10 + 12 * 18 + 10;
    // Centre of "X" of event 3: (10 + 18 + 7, 10 + 36 + 7).
    EXPECT_EQ(CellaPronostico(g, w, h, 12, 35, 53), (TCella{2, 1}));
    // On the rim (7 pixels right of the centre) it still counts; the cell's corner does not.
    EXPECT_EQ(CellaPronostico(g, w, h, 12, 42, 53), (TCella{2, 1}));
    EXPECT_FALSE(CellaPronostico(g, w, h, 12, 28, 46));  // top-left corner of the cell
    EXPECT_FALSE(CellaPronostico(g, w, h, 12, 45, 63));  // bottom-right corner
    // Inside the gaps, beyond the last event, or past the third sign nothing is hit.
    EXPECT_FALSE(CellaPronostico(g, w, h, 12, 5, 17));
    EXPECT_FALSE(CellaPronostico(g, w, h + 40, 12, 17, 10 + 12 * 18 + 7));
    EXPECT_TRUE(CellaPronostico(g, w, h + 40, 13, 17, 10 + 12 * 18 + 7));
    EXPECT_FALSE(CellaPronostico(g, w + 40, h, 12, 10 + 3 * 18 + 7, 17));
    // A compact editor (diameter and row step two pixels smaller) finds its own rows.
    TGeometriaPronostico compatto;
    compatto.Diametro = 13;
    compatto.DeltaY = 16;
    EXPECT_EQ(CellaPronostico(compatto, w, h, 12, 16, 10 + 11 * 16 + 6), (TCella{11, 0}));
}

TEST(EditorSchedina, ClicSullaCorsaPiuEInversioni)
{
    TGeometriaCorsaPiu g;
    const int w = 5 + 8 * 20 + 5, h = 5 + 2 * 15 + 5;
    EXPECT_EQ(CellaCorsaPiu(g, w, h, 5, 5), (TCella{0, 0}));
    EXPECT_EQ(CellaCorsaPiu(g, w, h, 5 + 7 * 20 + 14, 5 + 15 + 12), (TCella{1, 7}));
    EXPECT_FALSE(CellaCorsaPiu(g, w, h, 5 + 15, 6));  // between two boxes
    EXPECT_FALSE(CellaCorsaPiu(g, w, h, 6, 5 + 13));  // below the first box
    TMascheraCorsaPiu m = InvertiCavallo(0, {1, 7});
    EXPECT_EQ(m, 0x8000);
    EXPECT_FALSE(CorsaPiuCompleta(m));
    EXPECT_TRUE(CorsaPiuCompleta(InvertiCavallo(m, {0, 0})));
    TPronostico p{};
    InvertiSegno(p, {4, 2});
    InvertiSegno(p, {4, 0});
    EXPECT_EQ(p[4], 5);
    InvertiSegno(p, {4, 2});
    EXPECT_EQ(p[4], 1);
}

TEST(EditorSchedina, CampiNumerici)
{
    EXPECT_TRUE(TestoCampoAccettabile(TCampoNumerico::Concorso, "12"));
    EXPECT_FALSE(TestoCampoAccettabile(TCampoNumerico::Concorso, "123"));
    EXPECT_TRUE(TestoCampoAccettabile(TCampoNumerico::Percentuale, "100"));
    EXPECT_FALSE(TestoCampoAccettabile(TCampoNumerico::Percentuale, "1000"));
    EXPECT_TRUE(TestoCampoAccettabile(TCampoNumerico::Valore, "9999"));
    EXPECT_FALSE(TestoCampoAccettabile(TCampoNumerico::Valore, "99999"));
    EXPECT_TRUE(TestoCampoAccettabile(TCampoNumerico::Valore, ""));
    for (const char* t : {"-5", "5.", "a", " 5"})
        EXPECT_FALSE(TestoCampoAccettabile(TCampoNumerico::Percentuale, t)) << t;

    EXPECT_EQ(NumeroConcorsoDaTesto("07"), 7);
    EXPECT_EQ(NumeroConcorsoDaTesto(" 12 "), 12);
    EXPECT_FALSE(NumeroConcorsoDaTesto(""));
    EXPECT_FALSE(NumeroConcorsoDaTesto("  "));
    EXPECT_FALSE(NumeroConcorsoDaTesto("1a"));
    EXPECT_FALSE(NumeroConcorsoDaTesto("-3"));
}

TEST(EditorSchedina, RigheDiPercentuali)
{
    using R = std::array<std::string, 3>;
    EXPECT_EQ(TestiPercentuali(R{"70", "50", ""}), (R{"70", "30", ""}));
    EXPECT_EQ(TestiPercentuali(R{"100", "20", "5"}), (R{"100", "", ""}));
    EXPECT_EQ(TestiPercentuali(R{"150", "", ""}), (R{"100", "", ""}));
    EXPECT_EQ(TestiPercentuali(R{"0", "0", "40"}), (R{"0", "0", "100"}));
    EXPECT_EQ(TestiPercentuali(R{"20", "30", "7"}), (R{"20", "30", "50"}));
    EXPECT_EQ(TestiPercentuali(R{"", "x", "0"}), (R{"", "", ""}));
    EXPECT_EQ(TestoCella(0), "");
    EXPECT_EQ(TestoCella(45), "45");
}

TEST(EditorSchedina, Lampade)
{
    TGiocoTemporaneo totip(GiocoTotip);
    TPronostico p{};
    for (int i = 0; i < 12; ++i) p[static_cast<std::size_t>(i)] = 1;
    EXPECT_FALSE(LampadaPronostico(p, 0x0001, GiocoTotip));  // one horse is not enough
    EXPECT_TRUE(LampadaPronostico(p, 0x0003, GiocoTotip));
    p[11] = 0;
    EXPECT_FALSE(LampadaPronostico(p, 0x0003, GiocoTotip));
    {
        TGiocoTemporaneo toto(GiocoToto);
        TPronostico q{};
        for (int i = 0; i < 13; ++i) q[static_cast<std::size_t>(i)] = 2;
        EXPECT_TRUE(LampadaPronostico(q, 0, GiocoToto));
    }
    TCelleTabella t;  // every cell an empty string
    for (int i = 0; i < 12; ++i) t[static_cast<std::size_t>(i)][2] = "5";
    EXPECT_TRUE(TabellaCompleta(t, 12));
    EXPECT_FALSE(TabellaCompleta(t, 13));  // Toto's thirteenth row is empty
    t[3] = {"0", "abc", " "};
    EXPECT_FALSE(TabellaCompleta(t, 12));
    EXPECT_EQ(EtichettaEvento(GiocoTotip, 1), " 2º Arrivato");
    EXPECT_EQ(EtichettaEvento(GiocoEnalotto, 11), " Roma 2º");
    EXPECT_EQ(EtichettaEvento(GiocoToto, 0), "");
}

TEST(EditorSchedina, LeLampadeRosseDiconoCosaManca)
{
    TGiocoTemporaneo totip(GiocoTotip);
    TPronostico p{};
    for (int e = 0; e < 12; ++e) p[static_cast<std::size_t>(e)] = e == 3 ? 0 : 1;
    EXPECT_EQ(MotivoPronostico(p, 0x0001, GiocoTotip),
              "Pronostico: evento 4 senza segni\nCorsa +: almeno due cavalli");
    p[3] = 2;
    EXPECT_EQ(MotivoPronostico(p, 0x0001, GiocoTotip), "Corsa +: almeno due cavalli");
    EXPECT_EQ(MotivoPronostico(p, 0x0003, GiocoTotip), "");
    EXPECT_EQ(MotivoPronostico(p, 0, GiocoEnalotto), "");  // no Corsa + outside Totip

    TCelleTabella celle;
    for (std::size_t e = 0; e < celle.size(); ++e) celle[e][0] = celle[e][2] = "50";
    celle[3][0] = "0";
    celle[3][2] = "";
    EXPECT_EQ(MotivoTabella("Percentuali", celle, 12), "Percentuali: riga 4 incompleta");
    celle[3][1] = "7";
    EXPECT_EQ(MotivoTabella("Valori", celle, 12), "");
    EXPECT_EQ(MotivoTabella("Valori", celle, 12).empty(), TabellaCompleta(celle, 12));
}

TEST(EditorSchedina, ImpostaTuttoRestituisceCioCheLEditorMostra)
{
    TGiocoTemporaneo totip(GiocoTotip);
    TSistema s;
    TContenutoSchedina c;
    c.NomiEventi[0][0] = "Uno";
    c.Pronostico[0] = 3;
    c.CorsaPiu = 0x0101;
    c.Percentuali[0] = {"70", "50", ""};
    c.Valori[1] = {"", "12", "x"};
    TDocumentoSchedina(s).AcquisisceTutto(c);
    ASSERT_TRUE(TDocumentoSchedina(s).NumeroChange("42"));
    TContenutoSchedina r = TDocumentoSchedina(s).ImpostaTutto();
    EXPECT_EQ(r.NomiEventi[0][0], "Uno");
    EXPECT_EQ(r.Pronostico[0], 3);
    EXPECT_EQ(r.CorsaPiu, 0x0101);
    EXPECT_EQ(r.Percentuali[0], (std::array<std::string, 3>{"70", "30", ""}));
    EXPECT_EQ(r.Valori[1], (std::array<std::string, 3>{"", "12", ""}));
    EXPECT_EQ(r.Numero, "42");
}

TEST(EditorSchedina, NumeroVuotoONonNumericoRifiutato)
{
    TSistema s;
    ASSERT_TRUE(TDocumentoSchedina(s).NumeroChange("5"));
    s.Modificato = false;
    EXPECT_FALSE(TDocumentoSchedina(s).NumeroChange(""));
    EXPECT_FALSE(TDocumentoSchedina(s).NumeroChange("x"));
    EXPECT_EQ(s.Dati().Numero, 5);
    EXPECT_FALSE(s.Modificato);
}

TEST(EditorSchedina, CommentoEPartecipantiSegnanoLaModifica)
{
    TSistema s;
    EXPECT_FALSE(s.CambiaCommento({}));
    EXPECT_FALSE(s.Modificato);
    EXPECT_TRUE(s.CambiaCommento({"riga"}));
    EXPECT_TRUE(s.Modificato);

    s.Modificato = false;
    EXPECT_EQ(s.CambiaPartecipanti(3, {"a", "b"}), std::string(MessaggioNomiSoci));
    EXPECT_EQ(s.Partecipanti, 1);
    EXPECT_FALSE(s.Modificato);
    EXPECT_FALSE(s.CambiaPartecipanti(1, {}));  // unchanged: not modified
    EXPECT_FALSE(s.Modificato);
    EXPECT_FALSE(s.CambiaPartecipanti(3, {"a", "b", "c"}));
    EXPECT_EQ(s.Partecipanti, 3);
    EXPECT_TRUE(s.Modificato);
    EXPECT_FALSE(s.CambiaPartecipanti(500, std::vector<std::string>(100, "n")));
    EXPECT_EQ(s.Partecipanti, 100);
}

TEST(EditorSchedina, ConfermaChiusaDallaCorniceNonPerdeNulla)
{
    TSistema s;
    TDocumentoSchedina(s).NumeroChange("3");
    TRispostaFissa chiusa(0);
    EXPECT_FALSE(s.Conferma(chiusa, true, [] { return true; }));
    EXPECT_TRUE(s.Conferma(chiusa, false, [] { return true; }));
}

TEST(ComandiConfigurazione, CostoAccorpamentoESfondo)
{
    TCartellaTemporanea dir;
    const std::string vecchia = DirectoryProgramma();
    ImpostaDirectoryProgramma(dir.Percorso().string());
    const std::string file = FileConfigurazione();
    TConfigurazione c;
    CambiaCostoColonna(c, 800, file);
    EXPECT_FALSE(FileEsiste(file));  // nothing changed, nothing written
    CambiaCostoColonna(c, 20000, file);
    EXPECT_EQ(c.CostoColonna, 10000);
    EXPECT_TRUE(FileEsiste(file));
    EXPECT_EQ(LimitaCostoColonna(-50), 0);
    EXPECT_FALSE(InvertiAccorpamentoAutomatico(c, file));
    TConfigurazione letta;
    LeggiConfigurazione(letta, file);
    EXPECT_FALSE(letta.AccorpamentoAutomatico);
    EXPECT_EQ(letta.CostoColonna, 10000);
    EXPECT_TRUE(InvertiAccorpamentoAutomatico(c, file));

    CambiaSfondo(c, "C:\\Morella\\SfondiS\\mare.Bmp", file);
    EXPECT_EQ(FileSfondo(c), UnisciPercorso(CartellaSfondi(), "mare.Bmp"));
    CambiaSfondo(c, std::string(300, 'a'), file);
    EXPECT_EQ(c.Sfondo.size(), 255u);
    // The system reads the configuration of its program directory when it is made.
    TSistema s;
    EXPECT_EQ(s.Dati().Configurazione.CostoColonna, 10000);
    ImpostaDirectoryProgramma(vecchia);
}

TEST(ComandiConfigurazione, SorgenteScrittaAltroveCercataNelleColonne)
{
    TCartellaTemporanea dir;
    const std::string vecchia = DirectoryProgramma();
    ImpostaDirectoryProgramma(dir.Percorso().string());
    CreaCartelleDiLavoro();
    TImpostazioniSviluppo imp = TImpostazioniSviluppo::Predefinite();
    imp.DaPronostico = false;
    imp.FileSorgente = "C:\\MORELLA\\COLONNE\\fonte.Col";
    EXPECT_EQ(ControllaImpostazioniSviluppo(imp), std::string(MessaggioSorgenteMancante));
    morella::test::ScriviTutto(UnisciPercorso(CartellaColonne(), "fonte.Col"),
                               {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 0, 0});
    EXPECT_FALSE(ControllaImpostazioniSviluppo(imp));
    EXPECT_EQ(FileSorgenteEffettivo(imp), UnisciPercorso(CartellaColonne(), "fonte.Col"));
    ImpostaDirectoryProgramma(vecchia);
}

TEST(Abilitazioni, RegoleDeiComandi)
{
    TStatoDocumento s;
    TAbilitazioni a = AggiornaAbilitazioni(s);
    EXPECT_FALSE(a.Condizioni);
    EXPECT_FALSE(a.CalcoloColonne);
    EXPECT_FALSE(a.DaMemoria);
    EXPECT_TRUE(a.SalvaSuDisco);
    EXPECT_TRUE(a.ArchivioSchedina);
    s.DaFileColonnare = true;  // a column file needs no prediction
    a = AggiornaAbilitazioni(s);
    EXPECT_TRUE(a.Condizioni);
    EXPECT_TRUE(a.CalcoloColonne);
    EXPECT_FALSE(a.AnalisiSchedina);
    s.Colonne = 1;
    EXPECT_TRUE(AggiornaAbilitazioni(s).DaMemoria);
    EXPECT_FALSE(AggiornaAbilitazioni(s).AnalisiSchedina);  // also needs the prediction
    s.PronosticoCompleto = true;
    EXPECT_TRUE(AggiornaAbilitazioni(s).AnalisiSchedina);
    s.Concorsi = 1;
    EXPECT_TRUE(AggiornaAbilitazioni(s).VisualizzaArchivio);
    EXPECT_FALSE(AggiornaAbilitazioni(s).AnalisiStatistica);
    s.Concorsi = 2;
    EXPECT_TRUE(AggiornaAbilitazioni(s).AnalisiStatistica);

    // A condition's item: its editor first, then the tables the values and percentages need.
    s.ValoriAttivi = true;
    a = AggiornaAbilitazioni(s);
    EXPECT_FALSE(VoceCondizioneAbilitata(a, TipoNumeroSegni, false));
    EXPECT_TRUE(VoceCondizioneAbilitata(a, TipoNumeroSegni, true));
    EXPECT_TRUE(VoceCondizioneAbilitata(a, TipoGruppoValori, true));
    EXPECT_FALSE(VoceCondizioneAbilitata(a, TipoGruppoPercentuali, true));
}
