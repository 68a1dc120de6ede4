// The optimised reduction in the system: its settings in the file's trailing block (absent
// unless used, so older files stay byte for byte), the dialog's rules, and the development
// running it.
#include <gtest/gtest.h>

#include "CartellaTemporanea.h"
#include "Cartelle.h"
#include "Sviluppo.h"
#include "UTSistema.h"

using namespace morella;
using morella::test::TCartellaTemporanea;

namespace {

TBytes ImmagineCon(void (*cambia)(TImpostazioniSviluppo&))
{
    TSistema s;
    s.Commento = {"riga"};
    cambia(s.Dati().Impostazioni);
    return s.Immagine();
}

bool Leggi(TSistema& s, const TBytes& b)
{
    TLettoreBinario f(b);
    return s.LeggiImmagine(f);
}

}  // namespace

TEST(OttimizzazioneSistema, BloccoInCodaSoloSeUsato)
{
    TCartellaTemporanea dir;
    ImpostaDirectoryProgramma(dir.Percorso().string());
    const TBytes semplice = ImmagineCon([](TImpostazioniSviluppo&) {});
    const TBytes ottimizzata = ImmagineCon([](TImpostazioniSviluppo& s) {
        ImpostaTipoRiduzione(s, TTipoRiduzione::Ottimizzata);
        s.SecondiOttimizzazione = 25;
        s.SemeOttimizzazione = 7;
    });
    // The plain file is what it always was; the new one adds 17 bytes behind it.
    ASSERT_EQ(ottimizzata.size(), semplice.size() + 17);
    EXPECT_TRUE(std::equal(semplice.begin(), semplice.end(), ottimizzata.begin()));
    const std::size_t coda = semplice.size();
    EXPECT_EQ(std::string(ottimizzata.begin() + static_cast<long>(coda),
                          ottimizzata.begin() + static_cast<long>(coda) + 4),
              "OTTM");
    EXPECT_EQ(ottimizzata[coda + 4], 9);
    EXPECT_EQ(ottimizzata[coda + 8], 1);
    EXPECT_EQ(ottimizzata[coda + 9], 25);
    EXPECT_EQ(ottimizzata[coda + 13], 7);

    TSistema s;
    ASSERT_TRUE(Leggi(s, ottimizzata));
    const TImpostazioniSviluppo& imp = s.Dati().Impostazioni;
    EXPECT_EQ(TipoRiduzione(imp), TTipoRiduzione::Ottimizzata);
    EXPECT_EQ(imp.SecondiOttimizzazione, 25);
    EXPECT_EQ(imp.SemeOttimizzazione, 7u);
    EXPECT_EQ(s.Immagine(), ottimizzata);
    // A plain file read afterwards does not keep the option.
    ASSERT_TRUE(Leggi(s, semplice));
    EXPECT_EQ(TipoRiduzione(s.Dati().Impostazioni), TTipoRiduzione::Accurata);
    EXPECT_EQ(s.Dati().Impostazioni.SecondiOttimizzazione, SecondiOttimizzazionePredefiniti);
    EXPECT_EQ(s.Immagine(), semplice);
}

TEST(OttimizzazioneSistema, BloccoDannegiatoNonFermaIlCaricamento)
{
    TCartellaTemporanea dir;
    ImpostaDirectoryProgramma(dir.Percorso().string());
    const TBytes buono = ImmagineCon([](TImpostazioniSviluppo& s) {
        ImpostaTipoRiduzione(s, TTipoRiduzione::Ottimizzata);
        s.SecondiOttimizzazione = 30;
    });
    const std::size_t coda = buono.size() - 17;
    TBytes etichetta = buono, corto = buono, tempo = buono, lungo = buono;
    etichetta[coda] = 'X';
    corto.resize(buono.size() - 3);
    tempo[coda + 9] = 0xFF;  // -1 seconds... and more: a negative count
    tempo[coda + 10] = tempo[coda + 11] = tempo[coda + 12] = 0xFF;
    lungo[coda + 4] = 100;  // a body longer than the file
    for (const TBytes* b : {&etichetta, &corto, &lungo}) {
        TSistema s;
        EXPECT_TRUE(Leggi(s, *b));
        EXPECT_FALSE(s.Dati().Impostazioni.Ottimizzata);
        EXPECT_EQ(s.Dati().Impostazioni.SecondiOttimizzazione, SecondiOttimizzazionePredefiniti);
    }
    TSistema s;
    EXPECT_TRUE(Leggi(s, tempo));
    EXPECT_TRUE(s.Dati().Impostazioni.Ottimizzata);
    EXPECT_EQ(s.Dati().Impostazioni.SecondiOttimizzazione, 0);
}

TEST(OttimizzazioneSistema, RegoleDelDialogo)
{
    TImpostazioniSviluppo s;
    EXPECT_EQ(TipoRiduzione(s), TTipoRiduzione::Accurata);
    EXPECT_FALSE(UsaOttimizzazione(s));
    ImpostaTipoRiduzione(s, TTipoRiduzione::Veloce);
    EXPECT_FALSE(s.Accurata);
    ImpostaTipoRiduzione(s, TTipoRiduzione::Ottimizzata);
    EXPECT_TRUE(s.Accurata && s.Ottimizzata);
    EXPECT_TRUE(UsaOttimizzazione(s));
    EXPECT_FALSE(ControlliAbilitati(s).TempoOttimizzazione);
    s.Autoriduzione = true;
    EXPECT_TRUE(ControlliAbilitati(s).TempoOttimizzazione);
    // The winning possibilities go with the optimised reduction as with the accurate one.
    s.CalcoloPercentuali = true;
    EXPECT_FALSE(ControllaImpostazioniSviluppo(s));
    s.SecondiOttimizzazione = SecondiOttimizzazioneMassimi + 1;
    EXPECT_EQ(ControllaImpostazioniSviluppo(s), std::string(MessaggioTempoOttimizzazione));
    s.SecondiOttimizzazione = -1;
    EXPECT_EQ(ControllaImpostazioniSviluppo(s), std::string(MessaggioTempoOttimizzazione));
    s.SecondiOttimizzazione = 0;
    EXPECT_FALSE(ControllaImpostazioniSviluppo(s));
    ImpostaTipoRiduzione(s, TTipoRiduzione::Accurata);
    EXPECT_FALSE(UsaOttimizzazione(s) && s.Ottimizzata);
}

TEST(OttimizzazioneSistema, LoSviluppoLaUsa)
{
    TCartellaTemporanea dir;
    ImpostaDirectoryProgramma(dir.Percorso().string());
    ImpostaGioco(GiocoTotip);
    TSistema s;
    for (int i = 0; i < 12; ++i) s.Dati().Pronostico[static_cast<std::size_t>(i)] = i < 4 ? 7 : 1;
    auto& imp = s.Dati().Impostazioni;
    imp.Autoriduzione = true;
    imp.CalcoloPercentuali = true;
    ImpostaTipoRiduzione(imp, TTipoRiduzione::Ottimizzata);
    imp.SecondiOttimizzazione = 1;
    const TEsitoSviluppo e = Sviluppa(s);
    ASSERT_TRUE(e.ottimizzazione.has_value());
    EXPECT_EQ(e.ottimizzazione->colonneAccurata, 9);
    EXPECT_EQ(s.Dati().Colonne.Conta(), 9);  // the perfect code of four triples
    EXPECT_TRUE(s.Dati().PossibilitaCalcolate);
    imp.GaranziaN1 = false;
    ImpostaTipoRiduzione(imp, TTipoRiduzione::Accurata);
    EXPECT_FALSE(Sviluppa(s).ottimizzazione.has_value());
}
