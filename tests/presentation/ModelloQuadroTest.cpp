// The panel editor's state: the copy "Annulla" throws away, what OK gives back, the seven
// rows in sight, the commands that lead somewhere, the counts that follow the list, and the
// filter columns taken from the archive.
#include <gtest/gtest.h>

#include <set>

#include "Archivio.h"
#include "CartellaTemporanea.h"
#include "ColonnaEsaminata.h"
#include "FiltriDaArchivio.h"
#include "ModelloGruppo.h"
#include "ModelloQuadro.h"
#include "NumeroSegni.h"

using namespace morella;

namespace {

TBytes Blocco(const TCondizione& c)
{
    TScrittoreBinario f;
    c.Scrivi(f);
    return f.Dati();
}

// Root: twenty conditions of number of signs named C1..C20, then a sub-panel holding one.
TQuadro Radice()
{
    TQuadro q;
    q.Nome = "Quadro";
    for (int i = 1; i <= 20; ++i) {
        auto c = std::make_unique<TNumeroSegni>();
        c->Nome = "C" + std::to_string(i);
        q.Aggiungi(std::move(c));
    }
    auto sotto = std::make_unique<TQuadro>();
    sotto->Nome = "Sub Quadro";
    sotto->Aggiungi(std::make_unique<TNumeroSegni>());
    q.Aggiungi(std::move(sotto));
    q.AggiornaPreset();
    q.ImpostaPercorso("");
    return q;
}

// The counts AND admits for the panel's own list: exactly its number of sub-conditions.
bool AndAmmetteSolo(const TQuadro& q, int k)
{
    for (int v = 0; v <= 999; ++v)
        if ((q.CondizioniAccettate.Stato(0, v) == StatoAmmesso) != (v == k)) return false;
    return true;
}

}  // namespace

TEST(ModelloQuadro, AnnullaLasciaTuttoEOkRestituisceLaCopia)
{
    TQuadro radice = Radice();
    const TBytes prima = Blocco(radice);
    TRispostaFissa risposta(PulsanteOk);
    TModelloQuadro m(risposta);
    m.Apri(radice);

    // Add, cut, paste, delete, rename: all on the copy.
    m.Marca(1, true);
    m.Marca(2, true);
    EXPECT_EQ(m.Taglia(), 2);
    EXPECT_TRUE(AndAmmetteSolo(m.Corrente(), 19));
    m.Seleziona(1);
    EXPECT_TRUE(m.Incolla());
    EXPECT_TRUE(AndAmmetteSolo(m.Corrente(), 21));
    ASSERT_NE(m.Nuova(TipoColonnaFiltro), nullptr);
    EXPECT_EQ(m.Corrente().Elemento(0).Tipo(), TipoColonnaFiltro);  // before the selected row
    EXPECT_TRUE(AndAmmetteSolo(m.Corrente(), 22));
    m.Marca(22, true);
    EXPECT_EQ(m.Elimina(), 1);
    EXPECT_TRUE(AndAmmetteSolo(m.Corrente(), 21));
    EXPECT_EQ(Blocco(radice), prima);
    EXPECT_TRUE(m.Modificato());

    // Opened again without OK: the system's panel, as it was.
    m.Apri(radice);
    EXPECT_FALSE(m.Modificato());
    EXPECT_FALSE(m.Conferma(radice));
    EXPECT_EQ(Blocco(radice), prima);

    // A change inside a nested panel reaches the system only through OK, whole.
    ASSERT_TRUE(m.ApriSottoQuadro(21));
    ASSERT_NE(m.Nuova(TipoNumeroSegni), nullptr);
    m.ImpostaRelazione(RelazioneOr);
    TQuadro* stesso = &radice;
    EXPECT_TRUE(m.Conferma(radice));
    EXPECT_EQ(&radice, stesso);
    EXPECT_EQ(Blocco(radice), Blocco(m.Lavoro()));
    const auto& sotto = static_cast<const TQuadro&>(radice.Elemento(20));
    EXPECT_EQ(sotto.Conta(), 2);
    EXPECT_EQ(sotto.Relazione, RelazioneOr);
    EXPECT_EQ(sotto.Elemento(1).Percorso, "\\Quadro\\Sub Quadro\\Numero Di Segni");

    // The next use opens on the panel the last one showed.
    m.Apri(radice);
    EXPECT_EQ(m.Sessione().Livello(), 1);
    EXPECT_TRUE(m.Comandi().QuadroPrecedente);
    EXPECT_TRUE(m.QuadroPrecedente());
    EXPECT_FALSE(m.Comandi().QuadroPrecedente);
}

TEST(ModelloQuadro, SetteRigheEComandi)
{
    TQuadro radice = Radice();
    TRispostaFissa risposta(PulsanteOk);
    TModelloQuadro m(risposta);
    m.Apri(radice);
    EXPECT_EQ(m.MassimoScorrimento(), 14);
    auto righe = m.Righe();
    ASSERT_EQ(righe.size(), 7u);
    EXPECT_EQ(righe[0].Testo, "1  C1");
    EXPECT_EQ(righe[0].Tipo, "Numero Di Segni");
    m.Scorri(99);
    righe = m.Righe();
    EXPECT_EQ(m.PrimaRiga(), 14);
    EXPECT_EQ(righe.back().Testo, "21  Sub Quadro");
    EXPECT_TRUE(righe.back().Quadro);
    EXPECT_EQ(m.Didascalia(), "Condizioni Nel Quadro : 21");

    TComandiQuadro atteso;
    EXPECT_EQ(m.Comandi(), atteso);
    m.Marca(21, true);
    EXPECT_TRUE(m.Righe().back().Marcato);
    atteso.Taglia = atteso.Copia = atteso.Elimina = atteso.SalvaCondizioni = true;
    EXPECT_EQ(m.Comandi(), atteso);
    EXPECT_EQ(m.Sessione().Copia(), 1);
    atteso.Incolla = true;
    EXPECT_EQ(m.Comandi(), atteso);
    m.ImpostaPreset(false);
    atteso.Relazioni = false;
    atteso.TabellaAccettate = true;
    EXPECT_EQ(m.Comandi(), atteso);

    // Deleting rows in sight pulls the view back within range; the selected row follows.
    m.Seleziona(21);
    EXPECT_TRUE(m.Righe().back().Corrente);
    for (int p = 10; p <= 21; ++p) m.Marca(p, true);
    EXPECT_EQ(m.Elimina(), 12);
    EXPECT_EQ(m.PrimaRiga(), 2);
    EXPECT_EQ(m.Selezionata(), 0);
    EXPECT_EQ(m.PosizioneInserimento(), 10);
    EXPECT_EQ(m.Righe().size(), 7u);

    // "Nuova" offers every kind a panel holds, the panel as "Sub Quadro".
    const auto voci = VociNuova();
    EXPECT_EQ(voci.size(), 20u);
    std::set<std::string> testi;
    for (const auto& v : voci) testi.insert(v.second);
    EXPECT_EQ(testi.size(), voci.size());  // a group and its element read differently
    EXPECT_TRUE(testi.count("Sub Quadro") && testi.count("Gruppo Valori") && testi.count("Valori"));
}

TEST(ModelloQuadro, ColonneFiltroDallArchivio)
{
    test::TGiocoTemporaneo gioco(GiocoTotip);
    T_Archivio archivio;
    TRispostaFissa risposta(PulsanteOk);
    // An empty archive: the command is refused with its message.
    EXPECT_FALSE(ArchivioPerColonneFiltro(&archivio, risposta));
    EXPECT_FALSE(ArchivioPerColonneFiltro(nullptr, risposta));
    EXPECT_EQ(risposta.domande, 2);
    EXPECT_EQ(risposta.ultimoTesto, "L'Archivio Non Contiene Alcun Concorso.");
    EXPECT_EQ(risposta.ultimoTitolo, "Informazione");

    for (int n = 1; n <= 30; ++n) {
        T_Concorso c;
        c.Stagione = 2001;
        c.Numero = static_cast<std::uint8_t>(n);
        ASSERT_GE(ColonnaDaTesto(n == 7 ? "1X21X21X21X*" : "1X21X21X21X2", c.ColonnaVincente), 0);
        c.AggiornaCompleto();
        archivio.Aggiungi(c);
    }
    EXPECT_TRUE(ArchivioPerColonneFiltro(&archivio, risposta));

    TQuadro radice = Radice();
    TModelloQuadro m(risposta);
    m.Apri(radice);
    TDialogoInsCol d(archivio);
    d.ImpostaPrimoNumero(5);
    d.ImpostaUltimoNumero(10);
    d.PuntiAmmessi = {12};
    // Contests 5..10 less the incomplete one: five columns, the counts follow.
    risposta.domande = 0;
    EXPECT_EQ(m.ColonneDaArchivio(d, archivio), 5);
    EXPECT_EQ(risposta.domande, 0);
    EXPECT_EQ(m.Corrente().Conta(), 26);
    EXPECT_EQ(m.Corrente().Elemento(25).Tipo(), TipoColonnaFiltro);
    EXPECT_TRUE(AndAmmetteSolo(m.Corrente(), 26));

    // Room for two only: two added, then "Spazio Insufficiente !".
    while (m.Corrente().Conta() < 997) m.Corrente().Aggiungi(std::make_unique<TNumeroSegni>());
    EXPECT_EQ(m.ColonneDaArchivio(d, archivio), 2);
    EXPECT_EQ(m.Corrente().Conta(), 999);
    EXPECT_EQ(risposta.domande, 1);
    EXPECT_EQ(risposta.ultimoTesto, "Spazio Insufficiente !");
    EXPECT_TRUE(AndAmmetteSolo(m.Corrente(), 999));
}
