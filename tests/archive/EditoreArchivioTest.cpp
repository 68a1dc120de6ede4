#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "CartellaTemporanea.h"
#include "CsvArchivio.h"
#include "EditoreArchivio.h"
#include "Errore.h"

using namespace morella;
using morella::test::LeggiTutto;
using morella::test::TCartellaTemporanea;
using morella::test::TGiocoTemporaneo;

namespace {

// Answers the questions in the order given (0 once they run out) and remembers them.
class TCopione : public TDomanda {
   public:
    int Chiedi(const std::string& titolo, const std::string& testo, int pulsanti) override
    {
        domande.emplace_back(titolo, testo);
        if (risposte.empty()) return 0;
        const int r = risposte.front();
        risposte.pop_front();
        return r & pulsanti;
    }
    std::deque<int> risposte;
    std::vector<std::pair<std::string, std::string>> domande;
};

T_Concorso Fai(std::int32_t stagione, int numero, const char* colonna = "1X21X21X21X2")
{
    T_Concorso c;
    c.Stagione = stagione;
    c.Numero = static_cast<std::uint8_t>(numero);
    EXPECT_GE(ColonnaDaTesto(colonna, c.ColonnaVincente), 0);
    c.AggiornaCompleto();
    return c;
}

using VP = std::vector<std::pair<int, int>>;

VP Chiavi(const T_Archivio& a)
{
    VP k;
    for (const auto& c : a.Concorsi()) k.emplace_back(c.Stagione, c.Numero);
    return k;
}

class EditoreArchivio : public ::testing::Test {
   protected:
    // 1998/1, 1998/5, 1999/2, 2000/1 with distinct columns, written to the folder and opened.
    void SetUp() override
    {
        archivio.Aggiungi(Fai(1998, 1, "111111111111"));
        archivio.Aggiungi(Fai(1998, 5, "XXXXXXXXXXXX"));
        archivio.Aggiungi(Fai(1999, 2, "222222222222"));
        archivio.Aggiungi(Fai(2000, 1, "1X21X21X21X2"));
        ASSERT_TRUE(archivio.Salva(cartella.Percorso().string()));
        editore.Apri();
    }

    TCartellaTemporanea cartella;
    T_Archivio archivio;
    T_ImpostazioniRicerca ricerca;
    TCopione domanda;
    TEditoreArchivio editore{archivio, ricerca, domanda, cartella.Percorso().string()};
};

}  // namespace

TEST_F(EditoreArchivio, AperturaMostraLUltimo)
{
    EXPECT_EQ(editore.IndiceInEsame(), 3);
    EXPECT_EQ(editore.Stagione(), "2000");
    EXPECT_EQ(editore.Numero(), "1");
    EXPECT_EQ(editore.Colonna(), "1X21X21X21X2");
    EXPECT_FALSE(editore.Modificato());

    editore.ImpostaColonna("1x21x21x21x2");
    EXPECT_EQ(editore.Colonna(), "1X21X21X21X2");  // the field is upper case: no change
    EXPECT_FALSE(editore.Modificato());
    editore.ImpostaNumero("2");
    EXPECT_TRUE(editore.Modificato());
    editore.Apri();  // every opening starts clean
    EXPECT_FALSE(editore.Modificato());
    EXPECT_EQ(editore.Numero(), "1");

    // One character per event; the Corsa + bytes are not events; a double is no winning
    // sign and shows as "*"; a column without signs shows empty.
    TColonna c{};
    EXPECT_EQ(TestoColonnaVincente(c), "");
    ASSERT_EQ(ColonnaDaTesto("1X2*1X21X21X", c), 1);
    c.ImpostaCorsaPiu(0xFFFF);
    c[1] = 3;
    EXPECT_EQ(TestoColonnaVincente(c), "1*2*1X21X21X");
}

TEST(EditoreArchivioVuoto, AperturaAggiungeUnConcorsoNuovo)
{
    T_Archivio archivio;
    T_ImpostazioniRicerca ricerca;
    TRispostaFissa domanda(PulsanteSi);
    TCartellaTemporanea cartella;
    TEditoreArchivio editore(archivio, ricerca, domanda, cartella.Percorso().string());
    EXPECT_THROW(editore.CaricaArchivio(), EErrore);  // no file yet
    editore.Apri();
    ASSERT_EQ(archivio.NumeroConcorsi(), 1);
    EXPECT_EQ(editore.Stagione(), std::to_string(AnnoCorrente()));
    EXPECT_EQ(editore.Numero(), "1");
    EXPECT_EQ(editore.Colonna(), "");
    // An empty column is not a column: the new contest must be typed in before leaving it.
    EXPECT_FALSE(editore.Conferma());
    EXPECT_EQ(domanda.ultimoTesto, MessaggioColonnaVincenteNonValida);
}

TEST_F(EditoreArchivio, ColonnaVincenteControllata)
{
    editore.Primo();
    const T_Concorso prima = archivio.Concorso(0);

    for (const char* sbagliata : {"1X21X21X21X", "1X21X21X21X21", "1X21X21X21XA", "", "1X21X21X2(1X)"}) {
        editore.ImpostaColonna(sbagliata);
        EXPECT_FALSE(editore.Successivo()) << sbagliata;
        EXPECT_EQ(editore.IndiceInEsame(), 0);
        EXPECT_EQ(editore.CampoDaCorreggere(), TCampoEditor::Colonna);
        ASSERT_FALSE(domanda.domande.empty());
        EXPECT_EQ(domanda.domande.back(), std::make_pair(std::string("Informazione"),
                                                         std::string("La Colonna Vincente Non è Valida.")));
        EXPECT_EQ(archivio.Concorso(0), prima);
    }

    // Blanks between groups are removed; a star is an unknown event and the contest is then
    // not complete, so no scan counting only complete contests sees it.
    editore.ImpostaColonna("1X2 1X2 1X2 1X2");
    ASSERT_TRUE(editore.Successivo());
    EXPECT_EQ(TestoColonna(archivio.Concorso(0).ColonnaVincente), "1X21X21X21X2");
    EXPECT_EQ(archivio.Concorso(0).Completo, 1);
    EXPECT_EQ(editore.IndiceInEsame(), 1);
    EXPECT_EQ(editore.CampoDaCorreggere(), TCampoEditor::Nessuno);

    editore.ImpostaColonna("XXXXXXXXXXX*");
    ASSERT_TRUE(editore.Precedente());
    const T_Concorso& incompleto = archivio.Concorso(1);
    EXPECT_EQ(incompleto.ColonnaVincente[11], 0);
    EXPECT_EQ(incompleto.Completo, 0);
    ricerca.TuttoLArchivio(archivio);
    EXPECT_FALSE(ricerca.NelIntervallo(incompleto));
}

TEST_F(EditoreArchivio, StagioneENumeroControllati)
{
    editore.ImpostaNumero("1 0");  // blanks dropped: 10
    ASSERT_TRUE(editore.ControllaconcorsoInEsame());
    EXPECT_EQ(archivio.Concorso(3).Numero, 10);

    for (const char* n : {"", "100"}) {
        editore.ImpostaNumero(n);
        EXPECT_FALSE(editore.ControllaconcorsoInEsame()) << n;
        EXPECT_EQ(editore.CampoDaCorreggere(), TCampoEditor::Numero);
    }
    editore.ImpostaNumero("10");
    editore.ImpostaStagione("20x0");
    EXPECT_FALSE(editore.ControllaconcorsoInEsame());
    EXPECT_EQ(editore.CampoDaCorreggere(), TCampoEditor::Stagione);
    EXPECT_EQ(domanda.domande.back().second, MessaggioStagioneNonValida);

    // A contest read from the file outside the editor's limits can still be passed over.
    archivio.Concorso(0).Stagione = 1900;
    archivio.Concorso(0).Numero = 150;
    editore.ImpostaStagione("2000");
    ASSERT_TRUE(editore.Primo());
    EXPECT_EQ(editore.Stagione(), "1900");
    EXPECT_TRUE(editore.Successivo());
    EXPECT_EQ(archivio.Concorso(0).Numero, 150);
}

TEST_F(EditoreArchivio, CorsaPiuAzzerataSoloSeLaColonnaCambia)
{
    archivio.Concorso(2).ColonnaVincente.ImpostaCorsaPiu(0x0102);
    archivio.Concorso(3).ColonnaVincente.ImpostaCorsaPiu(0x0304);
    editore.ImpostaStagione("2000");
    ASSERT_TRUE(editore.Precedente());  // 3 stored as it was: its horses stay
    EXPECT_EQ(archivio.Concorso(3).ColonnaVincente.CorsaPiu(), 0x0304);
    editore.ImpostaColonna("1X21X21X21XX");
    ASSERT_TRUE(editore.Successivo());
    EXPECT_EQ(archivio.Concorso(2).ColonnaVincente.CorsaPiu(), 0);
    EXPECT_EQ(archivio.Concorso(2).ColonnaVincente[11], SegnoX);
}

TEST(EditoreArchivioToto, TredicesimoEventoNelByteDodici)
{
    TGiocoTemporaneo toto(1);
    T_Archivio archivio;
    archivio.Aggiungi(Fai(2001, 1, "1111111111111"));
    T_ImpostazioniRicerca ricerca;
    TRispostaFissa domanda(0);
    TEditoreArchivio editore(archivio, ricerca, domanda, "/nonesiste");
    editore.Apri();
    EXPECT_EQ(editore.Colonna(), "1111111111111");
    editore.ImpostaColonna("111111111111");  // twelve signs are one short
    EXPECT_FALSE(editore.ControllaconcorsoInEsame());
    editore.ImpostaColonna("1111111111112");
    ASSERT_TRUE(editore.ControllaconcorsoInEsame());
    EXPECT_EQ(archivio.Concorso(0).ColonnaVincente[12], Segno2);
    EXPECT_EQ(archivio.Concorso(0).ColonnaVincente[13], 0);
    EXPECT_EQ(archivio.Concorso(0).Completo, 1);
}

TEST_F(EditoreArchivio, RiposizionamentoConDomanda)
{
    // 1998/5 renamed 1998/1: the replace question, and "No" leaves the list as it was.
    editore.Primo();
    editore.Successivo();
    editore.ImpostaNumero("1");
    editore.ImpostaColonna("2X12X12X12X1");
    domanda.risposte = {PulsanteNo};
    EXPECT_FALSE(editore.Successivo());
    ASSERT_EQ(domanda.domande.size(), 1u);
    EXPECT_EQ(domanda.domande[0],
              std::make_pair(std::string("Conferma"),
                             std::string("Il Concorso è già in memoria. Devo Sostituirlo ?")));
    EXPECT_EQ(Chiavi(archivio), (VP{{1998, 1}, {1998, 5}, {1999, 2}, {2000, 1}}));
    EXPECT_EQ(TestoColonna(archivio.Concorso(1).ColonnaVincente), "XXXXXXXXXXXX");
    EXPECT_EQ(editore.IndiceInEsame(), 1);
    EXPECT_EQ(editore.Numero(), "1");

    // The same store asks again; "Si" puts the edited contest over the older one.
    domanda.risposte = {PulsanteSi};
    ASSERT_TRUE(editore.Precedente());
    EXPECT_EQ(domanda.domande.size(), 2u);
    EXPECT_EQ(Chiavi(archivio), (VP{{1998, 1}, {1999, 2}, {2000, 1}}));
    EXPECT_EQ(TestoColonna(archivio.Concorso(0).ColonnaVincente), "2X12X12X12X1");
    EXPECT_EQ(editore.IndiceInEsame(), 0);

    // A new number of its own: moved into place without a question.
    editore.Ultimo();
    editore.ImpostaStagione("1998");
    editore.ImpostaNumero("3");
    ASSERT_TRUE(editore.ControllaconcorsoInEsame());
    EXPECT_EQ(Chiavi(archivio), (VP{{1998, 1}, {1998, 3}, {1999, 2}}));
    EXPECT_EQ(domanda.domande.size(), 2u);
}

TEST_F(EditoreArchivio, PrimoPortatoInFondoESuccessivo)
{
    editore.Primo();
    editore.ImpostaStagione("2050");
    ASSERT_TRUE(editore.Successivo());
    EXPECT_EQ(Chiavi(archivio), (VP{{1998, 5}, {1999, 2}, {2000, 1}, {2050, 1}}));
    // The index did not follow the contest: one on from 0 is now what was the third.
    EXPECT_EQ(editore.IndiceInEsame(), 1);
    EXPECT_EQ(editore.Stagione(), "1999");
    EXPECT_EQ(editore.Numero(), "2");

    // At either end the moves stay put.
    ASSERT_TRUE(editore.Ultimo());
    ASSERT_TRUE(editore.Successivo());
    EXPECT_EQ(editore.IndiceInEsame(), 3);
    ASSERT_TRUE(editore.Primo());
    ASSERT_TRUE(editore.Precedente());
    EXPECT_EQ(editore.IndiceInEsame(), 0);
}

TEST_F(EditoreArchivio, IlConcorsoAggiuntoEControllatoPerIntero)
{
    // After number 99 "Aggiungi" proposes the next season's first contest.
    editore.ImpostaNumero("99");
    ASSERT_TRUE(editore.Aggiungi());
    EXPECT_EQ(editore.Stagione(), "2001");
    EXPECT_EQ(editore.Numero(), "1");
    EXPECT_EQ(archivio.Ultimo().Completo, 0);
    // The new contest is checked whole: a number past the limit must be corrected.
    editore.ImpostaNumero("100");
    editore.ImpostaColonna("1X21X21X21X2");
    EXPECT_FALSE(editore.Precedente());
    EXPECT_EQ(editore.CampoDaCorreggere(), TCampoEditor::Numero);
    EXPECT_EQ(domanda.domande.back().second, MessaggioNumeroNonValido);
    // Its column must be typed too: the empty field is not a column.
    editore.ImpostaStagione("2000");
    editore.ImpostaNumero("98");
    editore.ImpostaColonna("");
    EXPECT_FALSE(editore.Precedente());
    EXPECT_EQ(editore.CampoDaCorreggere(), TCampoEditor::Colonna);
    editore.ImpostaColonna("222111222111");
    ASSERT_TRUE(editore.Precedente());
    EXPECT_EQ(archivio.Concorso(3).Numero, 98);

    // A contest of the file with no known sign shows an empty field and can be passed over,
    // and stays as it was.
    archivio.Concorso(0).ColonnaVincente = TColonna{};
    archivio.Concorso(0).ColonnaVincente.ImpostaCorsaPiu(0x0102);
    ASSERT_TRUE(editore.Primo());
    EXPECT_EQ(editore.Colonna(), "");
    ASSERT_TRUE(editore.Successivo());
    EXPECT_EQ(archivio.Concorso(0).ColonnaVincente.CorsaPiu(), 0x0102);
}

TEST_F(EditoreArchivio, AggiungiEdElimina)
{
    editore.ImpostaColonna("12");
    EXPECT_FALSE(editore.Aggiungi());
    EXPECT_EQ(archivio.NumeroConcorsi(), 4);

    editore.ImpostaColonna("1X21X21X21X2");
    ASSERT_TRUE(editore.Aggiungi());
    ASSERT_EQ(archivio.NumeroConcorsi(), 5);
    EXPECT_EQ(editore.IndiceInEsame(), 4);
    EXPECT_EQ(editore.Stagione(), "2000");
    EXPECT_EQ(editore.Numero(), "2");
    EXPECT_EQ(editore.Colonna(), "");
    EXPECT_TRUE(editore.Modificato());

    // "Elimina" does not store: the last contest goes, typed column and all.
    editore.ImpostaColonna("junk");
    domanda.risposte = {PulsanteNo};
    EXPECT_FALSE(editore.Elimina());
    EXPECT_EQ(archivio.NumeroConcorsi(), 5);
    EXPECT_EQ(domanda.domande.back(),
              std::make_pair(std::string("Conferma"), std::string("Vuoi Eliminare Il Concorso In Esame ?")));
    domanda.risposte = {PulsanteSi};
    ASSERT_TRUE(editore.Elimina());
    EXPECT_EQ(archivio.NumeroConcorsi(), 4);
    EXPECT_EQ(editore.IndiceInEsame(), 3);
    EXPECT_EQ(editore.Stagione(), "2000");
    EXPECT_EQ(editore.Numero(), "1");

    editore.Primo();
    domanda.risposte = {PulsanteSi};
    ASSERT_TRUE(editore.Elimina());
    EXPECT_EQ(editore.IndiceInEsame(), 0);
    EXPECT_EQ(editore.Numero(), "5");
}

TEST_F(EditoreArchivio, EliminaLUnicoConcorso)
{
    archivio.Svuota();
    archivio.Aggiungi(Fai(1999, 7));
    editore.Apri();
    domanda.risposte = {PulsanteSi};
    ASSERT_TRUE(editore.Elimina());
    ASSERT_EQ(archivio.NumeroConcorsi(), 1);
    EXPECT_EQ(archivio.Concorso(0).Stagione, AnnoCorrente());
    EXPECT_EQ(archivio.Concorso(0).Numero, 1);
    EXPECT_EQ(archivio.Concorso(0).ColonnaVincente, TColonna{});
    EXPECT_EQ(editore.Colonna(), "");
    EXPECT_TRUE(editore.Modificato());
}

TEST_F(EditoreArchivio, ConfermaScriveIFileEChiusuraRilegge)
{
    const std::string file = T_Archivio::FileArchivio(cartella.Percorso().string());
    const auto prima = LeggiTutto(file);

    // Nothing changed: nothing written, and closing leaves memory alone.
    archivio.Concorso(0).Numero = 2;  // behind the editor's back: shows that no reload happens
    ASSERT_TRUE(editore.Conferma());
    editore.Chiudi();
    EXPECT_EQ(LeggiTutto(file), prima);
    EXPECT_EQ(archivio.Concorso(0).Numero, 2);
    archivio.Concorso(0).Numero = 1;

    // Changes confirmed: the range covers the whole archive again and the file holds the
    // records of memory, the edited column with its complete flag at byte 19.
    editore.Apri();
    ricerca.PrimaStagione = ricerca.UltimaStagione = 1999;
    editore.ImpostaColonna("1X21X21X21X*");
    ASSERT_TRUE(editore.Conferma());
    EXPECT_TRUE(ricerca.CopreTuttoLArchivio(archivio));
    const auto dopo = LeggiTutto(file);
    ASSERT_EQ(dopo.size(), 4 * DimensioneRecordConcorso);
    EXPECT_EQ(dopo, archivio.ImmagineConcorsi());
    const std::size_t r = 3 * DimensioneRecordConcorso;
    EXPECT_EQ(dopo[r + 4], 1);       // number
    EXPECT_EQ(dopo[r + 5 + 11], 0);  // the starred event
    EXPECT_EQ(dopo[r + 19], 0);      // not complete

    // Closing after a confirmation reads back what was just saved.
    editore.Chiudi();
    EXPECT_EQ(archivio.ImmagineConcorsi(), dopo);
    EXPECT_FALSE(editore.Modificato());
}

TEST_F(EditoreArchivio, ChiusuraAnnullaLeModifiche)
{
    const std::string file = T_Archivio::FileArchivio(cartella.Percorso().string());
    const auto salvato = LeggiTutto(file);
    domanda.risposte = {PulsanteSi};
    ASSERT_TRUE(editore.Elimina());
    ASSERT_TRUE(editore.Primo());
    editore.ImpostaStagione("2040");
    ASSERT_TRUE(editore.Successivo());
    ricerca.PrimaStagione = 0;
    editore.Chiudi();
    EXPECT_EQ(archivio.ImmagineConcorsi(), salvato);
    EXPECT_TRUE(ricerca.CopreTuttoLArchivio(archivio));
    EXPECT_EQ(LeggiTutto(file), salvato);

    // A file gone meanwhile: the undo cannot be done, and says so.
    editore.Apri();
    editore.ImpostaNumero("9");
    std::filesystem::remove(file);
    try {
        editore.Chiudi();
        FAIL() << "no error";
    } catch (const EErrore& e) {
        EXPECT_STREQ(e.what(), "Impossibile Annullare Le Modifiche.");
    }
}

TEST(EditoreArchivioSalva, FallimentoLasciaLeModifiche)
{
    TCartellaTemporanea cartella;
    const std::string mancante = (cartella.Percorso() / "nessuna" / "cartella").string();
    T_Archivio archivio;
    archivio.Aggiungi(Fai(2001, 1));
    T_ImpostazioniRicerca ricerca;
    TRispostaFissa domanda(0);
    TEditoreArchivio editore(archivio, ricerca, domanda, mancante);
    editore.Apri();
    editore.ImpostaNumero("2");
    try {
        editore.Conferma();
        FAIL() << "no error";
    } catch (const EErrore& e) {
        EXPECT_STREQ(e.what(), "Impossibile Salvare le Modifiche.");
    }
    EXPECT_TRUE(editore.Modificato());
    EXPECT_EQ(archivio.Concorso(0).Numero, 2);
}

TEST_F(EditoreArchivio, AnnullaChiedePrimaDiPerdereIConcorsiScritti)
{
    EXPECT_TRUE(editore.ConfermaAbbandono());  // nothing typed: nothing to ask
    EXPECT_TRUE(domanda.domande.empty());

    editore.ImpostaColonna("1X21X21X21X2");
    ASSERT_TRUE(editore.Aggiungi());
    editore.ImpostaColonna("111111111111");
    domanda.risposte = {PulsanteNo, PulsanteSi};
    EXPECT_FALSE(editore.ConfermaAbbandono());
    ASSERT_EQ(domanda.domande.size(), 1u);
    EXPECT_EQ(domanda.domande[0],
              std::make_pair(std::string(TitoloConferma), std::string(DomandaAbbandonaModifiche)));
    EXPECT_EQ(archivio.NumeroConcorsi(), 5);
    EXPECT_TRUE(editore.ConfermaAbbandono());
    editore.Chiudi();
    EXPECT_EQ(archivio.NumeroConcorsi(), 4);
}

TEST_F(EditoreArchivio, ImportaUnisceOSostituisceEOKLoSalva)
{
    const std::string dir = cartella.Percorso().string();
    editore.ImpostaColonna("12");  // what is typed is stored first: refused, nothing changes
    EXPECT_FALSE(editore.Importa({Fai(2001, 1)}, false));
    EXPECT_EQ(archivio.NumeroConcorsi(), 4);

    editore.ImpostaColonna("1X21X21X21X2");
    ASSERT_TRUE(
        editore.Importa({Fai(2001, 1, "222222222222"), Fai(1999, 2, "111111111111"), Fai(1997, 9)}, false));
    EXPECT_EQ(Chiavi(archivio), (VP{{1997, 9}, {1998, 1}, {1998, 5}, {1999, 2}, {2000, 1}, {2001, 1}}));
    EXPECT_EQ(archivio.Concorso(3).ColonnaVincente, Fai(1999, 2, "111111111111").ColonnaVincente);
    EXPECT_EQ(editore.Stagione(), "2001");
    ASSERT_TRUE(editore.Conferma());
    T_Archivio letto;
    letto.Carica(dir);
    EXPECT_EQ(letto.Concorsi(), archivio.Concorsi());

    editore.Apri();
    ASSERT_TRUE(editore.Importa({Fai(1990, 3)}, true));
    EXPECT_EQ(Chiavi(archivio), (VP{{1990, 3}}));
    // Never an empty archive from an empty file, nor one too long to be loaded again.
    EXPECT_THROW(editore.Importa({}, true), EErrore);
    std::vector<T_Concorso> troppi;
    for (int s = 1930; s <= 2099; ++s)
        for (int n = 1; n <= 99; ++n) troppi.push_back(Fai(s, n));
    troppi.resize(static_cast<std::size_t>(MassimoConcorsiArchivio) + 1, Fai(2099, 99));
    for (std::size_t i = 16830; i < troppi.size(); ++i) troppi[i].Stagione = 2100 + static_cast<int>(i);
    EXPECT_THROW(editore.Importa(troppi, false), EErrore);
    EXPECT_EQ(Chiavi(archivio), (VP{{1990, 3}}));
}
