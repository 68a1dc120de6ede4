#include <gtest/gtest.h>

#include <filesystem>

#include "Archivio.h"
#include "CartellaTemporanea.h"
#include "Cartelle.h"
#include "DocumentoSchedina.h"
#include "Errore.h"
#include "UTSistema.h"

using namespace morella;
using morella::test::LeggiTutto;
using morella::test::ScriviTutto;
using morella::test::TCartellaTemporanea;

namespace {

std::int32_t Int32(const TBytes& b, std::size_t o)
{
    return static_cast<std::int32_t>(b[o] | (b[o + 1] << 8) | (b[o + 2] << 16) |
                                     (static_cast<unsigned>(b[o + 3]) << 24));
}

TContenutoSchedina Schedina()
{
    TContenutoSchedina s;
    s.NomiEventi[0][0] = "1º Arrivato Lunghissimo";
    s.NomiEventi[1][0] = "Caffè";
    for (int i = 0; i < 12; ++i) s.Pronostico[static_cast<std::size_t>(i)] = 1;
    s.Pronostico[0] = 7;
    s.Pronostico[1] = 3;
    s.CorsaPiu = 0x0007;
    s.Percentuali[0] = {"70", "50", ""};
    s.Percentuali[1] = {"", " ", "abc"};
    s.Percentuali[2] = {"150", "10", "10"};
    s.Valori[0] = {"12", "x", "-3"};
    s.Valori[1] = {"9999", "10000", ""};
    return s;
}

}  // namespace

TEST(Sistema, RegoleDellePercentuali)
{
    EXPECT_EQ(NormalizzaPercentuali({"70", "50", ""}), (std::array<std::int32_t, 3>{70, 30, 0}));
    EXPECT_EQ(NormalizzaPercentuali({"", "", ""}), (std::array<std::int32_t, 3>{0, 0, 0}));
    EXPECT_EQ(NormalizzaPercentuali({"0", "-4", "x"}), (std::array<std::int32_t, 3>{0, 0, 0}));
    EXPECT_EQ(NormalizzaPercentuali({"150", "10", "10"}), (std::array<std::int32_t, 3>{100, 0, 0}));
    EXPECT_EQ(NormalizzaPercentuali({"20", "30", "99"}), (std::array<std::int32_t, 3>{20, 30, 50}));
    EXPECT_EQ(NormalizzaPercentuali({"", "", "40"}), (std::array<std::int32_t, 3>{0, 0, 100}));
    EXPECT_EQ(InteroDaTesto(" 42 "), 42);
    EXPECT_EQ(InteroDaTesto("4 2"), 0);
    EXPECT_EQ(InteroDaTesto("99999999999"), 0);
}

TEST(Sistema, LayoutDelFileEAndataERitorno)
{
    TCartellaTemporanea dir;
    ImpostaDirectoryProgramma(dir.Percorso().string());
    TSistema s;
    TDocumentoSchedina(s).AcquisisceTutto(Schedina());
    TDocumentoSchedina(s).NumeroChange("7");
    s.Commento = {"prima riga", "più giù"};
    s.Partecipanti = 3;
    s.NomiPartecipanti = {"Anna", "Bruno", "Carla"};
    const TBytes b = s.Immagine();

    EXPECT_EQ(Int32(b, 0), 20);
    EXPECT_EQ(Int32(b, 4), 7);
    // Names: cut to twelve characters, Windows-1252 on disk.
    EXPECT_EQ(b[8], 12);
    EXPECT_EQ(b[9], '1');
    EXPECT_EQ(b[10], 0xBA);
    EXPECT_EQ(b[8 + 26], 5);
    EXPECT_EQ(b[8 + 26 + 5], 0xE8);
    EXPECT_EQ(b[346], 7);
    EXPECT_EQ(b[347], 3);
    EXPECT_EQ(b[360], 7);
    EXPECT_EQ(b[361], 0);
    // Values (offset 362) come before the percentages (offset 518) in the file.
    EXPECT_EQ(Int32(b, 362), 12);
    EXPECT_EQ(Int32(b, 366), 0);
    EXPECT_EQ(Int32(b, 370), 0);  // a value cell holds digits only
    EXPECT_EQ(Int32(b, 374), 9999);
    EXPECT_EQ(Int32(b, 378), 0);
    EXPECT_EQ(Int32(b, 518), 70);
    EXPECT_EQ(Int32(b, 522), 30);
    EXPECT_EQ(Int32(b, 530), 0);  // the row of blanks
    EXPECT_EQ(Int32(b, 542), 100);
    // The tail: comment, names, -1 ends each list, then the participants.
    EXPECT_EQ(Int32(b, b.size() - 4), 3);

    std::string file = dir.File("prova.Mrl");
    ASSERT_TRUE(s.SalvaCome(file, *std::make_unique<TRispostaFissa>(PulsanteSi)));
    EXPECT_EQ(LeggiTutto(file), b);

    TSistema letto;
    letto.Carica(file);
    EXPECT_FALSE(letto.Modificato);
    EXPECT_EQ(letto.Dati().NomiEventi[0][0], "1º Arrivato ");
    EXPECT_EQ(letto.Dati().NomiEventi[1][0], "Caffè");
    EXPECT_EQ(letto.Commento, s.Commento);
    EXPECT_EQ(letto.NomiPartecipanti, s.NomiPartecipanti);
    EXPECT_EQ(letto.Dati().Impostazioni, s.Dati().Impostazioni);
    EXPECT_EQ(letto.Immagine(), b);
}

TEST(Sistema, FileVuotoFinaleEOrdineDelleImpostazioni)
{
    TCartellaTemporanea dir;
    ImpostaDirectoryProgramma(dir.Percorso().string());
    TSistema s;
    TImpostazioniSviluppo imp = s.Dati().Impostazioni;
    imp.UsaCondizioni = false;  // memory order: conditions, autoreduction, save, percentages,
    imp.Autoriduzione = true;   // accurate, guarantee; the file order differs
    imp.SalvaAutomaticamente = false;
    imp.CalcoloPercentuali = true;
    imp.Accurata = false;
    imp.GaranziaN1 = true;
    s.ImpostazioniSviluppoCambiate(imp);
    EXPECT_TRUE(s.Modificato);
    EXPECT_FALSE(s.Dati().Sviluppato);
    TBytes b = s.Immagine();
    // Empty comment and no names: -1, -1 and the count 1.
    ASSERT_GE(b.size(), 12u);
    EXPECT_EQ(Int32(b, b.size() - 12), -1);
    EXPECT_EQ(Int32(b, b.size() - 8), -1);
    EXPECT_EQ(Int32(b, b.size() - 4), 1);
    // Settings block: from prediction, source (256), use conditions, autoreduction,
    // percentages, automatic save, guarantee, accurate, destination (256).
    std::size_t fine = b.size() - 12;
    std::size_t dest = fine - 256;
    EXPECT_EQ(b[dest - 1], 0);            // accurate
    EXPECT_EQ(b[dest - 2], 1);            // guarantee N - 1
    EXPECT_EQ(b[dest - 3], 0);            // automatic save
    EXPECT_EQ(b[dest - 4], 1);            // percentages
    EXPECT_EQ(b[dest - 5], 1);            // autoreduction
    EXPECT_EQ(b[dest - 6], 0);            // use conditions
    EXPECT_EQ(b[dest - 6 - 256 - 1], 1);  // from prediction
}

TEST(Sistema, FileTroncatoORottoNonSiMescolaColSistemaAperto)
{
    TCartellaTemporanea dir;
    ImpostaDirectoryProgramma(dir.Percorso().string());
    TSistema s;
    TDocumentoSchedina(s).AcquisisceTutto(Schedina());
    TDocumentoSchedina(s).NumeroChange("9");
    s.Commento = {"mio"};
    const TBytes intero = s.Immagine();
    std::string file = dir.File("corto.Mrl");

    // Cut inside the percentages, or with a comment length the file cannot hold: refused,
    // and the open system keeps its data, its name and its modified flag.
    TBytes corto = intero;
    corto[0] = 19;
    corto.resize(600);
    TBytes rotto = intero;
    rotto.resize(rotto.size() - 12 - 7);
    for (std::uint8_t x : {0xFF, 0xFF, 0xFF, 0x7F}) rotto.push_back(x);
    TSistema aperto;
    TDocumentoSchedina(aperto).NumeroChange("4");
    const TBytes primaDi = aperto.Immagine();
    for (const TBytes* b : {&corto, &rotto}) {
        ScriviTutto(file, *b);
        EXPECT_THROW(aperto.Carica(file), EErrore);
        EXPECT_EQ(aperto.Immagine(), primaDi);
        EXPECT_TRUE(aperto.Modificato);
        EXPECT_NE(aperto.NomeFile, file);
        EXPECT_EQ(FormatoSistema(), FormatoSistemaIniziale);
    }

    // Cut where the percentages begin: an older, shorter file. A different format number
    // loads all the same; what the file lacks takes the defaults, not the open system's.
    corto.resize(518);
    ScriviTutto(file, corto);
    aperto.Dati().Impostazioni.FileDestinazione = "altrove.Col";
    aperto.Carica(file);
    EXPECT_EQ(FormatoSistema(), 19);
    EXPECT_EQ(aperto.NomeFile, file);
    EXPECT_FALSE(aperto.Modificato);
    EXPECT_EQ(aperto.Dati().Numero, 9);
    EXPECT_EQ(aperto.Dati().Pronostico, s.Dati().Pronostico);
    EXPECT_EQ(aperto.Dati().Valori, s.Dati().Valori);
    EXPECT_EQ(aperto.Dati().Percentuali, TTabellaSegni{});
    EXPECT_EQ(aperto.Dati().Impostazioni, TImpostazioniSviluppo::Predefinite());
    EXPECT_TRUE(aperto.Commento.empty());
    ImpostaFormatoSistema(FormatoSistemaIniziale);

    EXPECT_THROW(aperto.Carica(dir.File("manca.Mrl")), EErrore);
    EXPECT_EQ(aperto.NomeFile, file);
}

TEST(Sistema, SalvaChiedeUnNomeSoloAlPrimoSalvataggio)
{
    TCartellaTemporanea dir;
    ImpostaDirectoryProgramma(dir.Percorso().string());
    std::filesystem::create_directories(CartellaSistemi());
    TSistema s;
    EXPECT_TRUE(s.SalvaRichiedeNome());
    TRispostaFissa si(PulsanteSi), no(PulsanteNo);
    ASSERT_TRUE(s.SalvaCome(dir.File("mio.Mrl"), si));
    EXPECT_EQ(si.domande, 0);  // a new file: no question
    EXPECT_FALSE(s.SalvaRichiedeNome());
    TDocumentoSchedina(s).NumeroChange("3");
    s.Salva();
    EXPECT_FALSE(s.Modificato);

    // Save As over an existing file asks; No leaves everything as it was.
    TSistema altro;
    TDocumentoSchedina(altro).NumeroChange("5");
    EXPECT_FALSE(altro.SalvaCome(dir.File("mio.Mrl"), no));
    EXPECT_EQ(no.ultimoTesto, DomandaSovrascriviSistema);
    EXPECT_TRUE(altro.Modificato);
    TSistema controllo;
    controllo.Carica(dir.File("mio.Mrl"));
    EXPECT_EQ(controllo.Dati().Numero, 3);

    // A failed save keeps the old file, the old name and the modified flag.
    std::filesystem::create_directory(dir.File("cartella.Mrl"));
    EXPECT_THROW(s.SalvaCome(dir.File("cartella.Mrl"), si), EErrore);
    EXPECT_EQ(s.NomeFile, dir.File("mio.Mrl"));
    EXPECT_TRUE(s.Modificato);
}

TEST(Sistema, ConfermaPrimaDiAbbandonare)
{
    TSistema s;
    int salvataggi = 0;
    auto salva = [&] {
        ++salvataggi;
        return true;
    };
    TRispostaFissa annulla(PulsanteAnnulla);
    EXPECT_TRUE(s.Conferma(annulla, true, salva));  // not modified: no question
    EXPECT_EQ(annulla.domande, 0);
    TDocumentoSchedina(s).NumeroChange("2");
    EXPECT_FALSE(s.Conferma(annulla, true, salva));
    EXPECT_EQ(annulla.ultimiPulsanti, PulsanteSi | PulsanteNo | PulsanteAnnulla);
    TRispostaFissa no(PulsanteNo), si(PulsanteSi);
    EXPECT_TRUE(s.Conferma(no, true, salva));
    EXPECT_EQ(salvataggi, 0);
    EXPECT_TRUE(s.Conferma(si, false, salva));
    EXPECT_EQ(si.ultimiPulsanti, PulsanteSi | PulsanteNo);
    EXPECT_EQ(salvataggi, 1);
    // Giving up the name dialog after "Si" does not throw the system away.
    EXPECT_FALSE(s.Conferma(si, true, [] { return false; }));
}

TEST(Sistema, NuovoAzzeraMaTieneLeImpostazioni)
{
    TSistema s;
    TDocumentoSchedina(s).AcquisisceTutto(Schedina());
    s.Commento = {"x"};
    s.Partecipanti = 4;
    TImpostazioniSviluppo imp = s.Dati().Impostazioni;
    imp.Autoriduzione = true;
    imp.FileDestinazione = "Colonne/Esempio.Col";  // the previous system's columns
    s.ImpostazioniSviluppoCambiate(imp);
    s.Dati().Configurazione.CostoColonna = 1000;
    s.Dati().Colonne.Aggiungi(TColonna{});
    s.Dati().Sviluppato = true;
    s.Nuovo();
    EXPECT_EQ(s.NomeFile, "SENZANOME.MRL");
    EXPECT_TRUE(s.SenzaNome);
    EXPECT_FALSE(s.Modificato);
    EXPECT_EQ(s.Dati().Pronostico, TPronostico{});
    EXPECT_EQ(s.Dati().Numero, 1);
    EXPECT_TRUE(s.Dati().Colonne.Vuota());
    EXPECT_FALSE(s.Dati().Sviluppato);
    EXPECT_TRUE(s.Commento.empty());
    EXPECT_EQ(s.Partecipanti, 1);
    EXPECT_TRUE(s.Dati().Impostazioni.Autoriduzione);
    EXPECT_EQ(s.Dati().Impostazioni.FileDestinazione, TImpostazioniSviluppo::Predefinite().FileDestinazione);
    EXPECT_EQ(s.Dati().Configurazione.CostoColonna, 1000);
}

TEST(Sistema, SalvaComePortaConSeLaDestinazioneChiamataComeIlSistema)
{
    TCartellaTemporanea dir;
    ImpostaDirectoryProgramma(dir.Percorso().string());
    TRispostaFissa si(PulsanteSi);
    TSistema s;
    s.NomeFile = dir.File("Esempio.Mrl");
    s.SenzaNome = false;
    std::string& destinazione = s.Dati().Impostazioni.FileDestinazione;
    destinazione = "Colonne/esempio.COL";
    ASSERT_TRUE(s.SalvaCome(dir.File("Mio Sistema.Mrl"), si));
    EXPECT_EQ(destinazione, "Colonne/Mio Sistema.Col");
    TSistema letto;
    letto.Carica(dir.File("Mio Sistema.Mrl"));
    EXPECT_EQ(letto.Dati().Impostazioni.FileDestinazione, "Colonne/Mio Sistema.Col");
    // Written on another machine: its folder stays.
    destinazione = "C:\\MORELLA\\COLONNE\\MIO SISTEMA.col";
    ASSERT_TRUE(s.SalvaCome(dir.File("Terzo.Mrl"), si));
    EXPECT_EQ(destinazione, "C:\\MORELLA\\COLONNE\\Terzo.Col");

    // A destination named otherwise stays; a failed save leaves it as it was.
    destinazione = "Colonne/Comune.Col";
    ASSERT_TRUE(s.SalvaCome(dir.File("Quarto.Mrl"), si));
    EXPECT_EQ(destinazione, "Colonne/Comune.Col");
    destinazione = "Colonne/Quarto.Col";
    std::filesystem::create_directory(dir.File("cartella.Mrl"));
    EXPECT_THROW(s.SalvaCome(dir.File("cartella.Mrl"), si), EErrore);
    EXPECT_EQ(destinazione, "Colonne/Quarto.Col");
}

TEST(Sistema, StatusLineETitolo)
{
    TSistema s;
    TStatusLine vuota = s.AggiornaStatusLine();
    EXPECT_EQ(vuota.ColonneFinali, "  Colonne Finali : ");
    EXPECT_EQ(vuota.ColonneIniziali, "  Colonne Iniziali : ");
    EXPECT_EQ(vuota.Doppie, "  Doppie : ");
    EXPECT_EQ(vuota.Titolo, " Morella 1.0 - SENZANOME");

    TDocumentoSchedina(s).AcquisisceTutto(Schedina());  // one triple, one double, horses 1-3: multiplier 3
    s.Partecipanti = 3;
    TColonna c{};
    c.ImpostaCorsaPiu(0x0007);
    for (int k = 0; k < 10; ++k) s.Dati().Colonne.Aggiungi(c);
    TStatusLine t = s.AggiornaStatusLine();
    EXPECT_EQ(t.ColonneIniziali, "  Colonne Iniziali : 18 (£ 14400)");
    EXPECT_EQ(t.ColonneFinali, "  Colonne Finali : 30 (£ 8000 1/3)");
    // In euro the same counts at 0,55 € a column; the lire cost is not used.
    s.Dati().Configurazione.Valuta = TValuta::Euro;
    s.Dati().Configurazione.CostoCentesimi = 55;
    EXPECT_EQ(s.AggiornaStatusLine().ColonneIniziali, "  Colonne Iniziali : 18 (€ 9,90)");
    EXPECT_EQ(s.AggiornaStatusLine().ColonneFinali, "  Colonne Finali : 30 (€ 5,50 1/3)");
    s.Dati().Configurazione.Valuta = TValuta::Lire;
    EXPECT_EQ(t.Doppie, "  Doppie : 1");
    EXPECT_EQ(t.Triple, "  Triple : 1");
    s.NomeFile = "/tmp/a.b/Prova.Mrl";
    EXPECT_EQ(s.AggiornaStatusLine().Titolo, " Morella 1.0 - Prova");
    EXPECT_EQ(NomeSenzaCartellaEdEstensione("C:\\SISTEMI\\X.MRL"), "X");
}

TEST(Sistema, RegoleDeiDialoghi)
{
    EXPECT_FALSE(ControllaPartecipanti(1, 0));
    EXPECT_FALSE(ControllaPartecipanti(2, 2));
    EXPECT_EQ(ControllaPartecipanti(3, 2), std::string(MessaggioNomiSoci));

    TImpostazioniSviluppo s;
    auto c = ControlliAbilitati(s);
    EXPECT_FALSE(c.Garanzia || c.Tipo || c.Percentuali || c.Destinazione);
    s.Autoriduzione = s.SalvaAutomaticamente = true;
    c = ControlliAbilitati(s);
    EXPECT_TRUE(c.Garanzia && c.Tipo && c.Percentuali && c.Destinazione);

    EXPECT_FALSE(ControllaImpostazioniSviluppo(s));
    s.CalcoloPercentuali = true;
    s.Accurata = false;
    EXPECT_EQ(ControllaImpostazioniSviluppo(s), std::string(MessaggioPercentualiVeloce));
    s.Accurata = true;
    s.DaPronostico = false;
    s.FileSorgente = "/non/esiste.Col";
    EXPECT_EQ(ControllaImpostazioniSviluppo(s), std::string(MessaggioSorgenteMancante));
}

TEST(Sistema, CancellaUnFileDiSistema)
{
    TCartellaTemporanea dir;
    std::string file = dir.File("via.Mrl");
    ScriviTutto(file, {1, 2, 3});
    TRispostaFissa no(PulsanteNo), si(PulsanteSi);
    EXPECT_FALSE(TSistema::Cancella(file, no));
    EXPECT_EQ(no.ultimoTitolo, TitoloConferma);
    EXPECT_EQ(no.ultimoTesto, "Vuoi Cancellare " + file + "?");
    EXPECT_TRUE(std::filesystem::exists(file));
    EXPECT_TRUE(TSistema::Cancella(file, si));
    EXPECT_FALSE(std::filesystem::exists(file));
    EXPECT_THROW(TSistema::Cancella(file, si), EErrore);
}
