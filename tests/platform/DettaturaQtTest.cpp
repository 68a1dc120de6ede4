// The Qt side of the dictation: the timer on the event loop and the Qt Multimedia player on
// the real voice file. Where the machine has no sound device only what needs none is checked.
#include <gtest/gtest.h>
#include <QAudioDevice>
#include <QFile>
#include <QMediaDevices>
#include <QTest>
#include <filesystem>

#include "Dettatura.h"
#include "LettoreAudioQt.h"
#include "TemporizzatoreQt.h"

using namespace morella;

namespace {

std::string FileVocaleCostruito()
{
    return (std::filesystem::path(MORELLA_CLI_PATH).parent_path() / "Wav" / NomeFileVocale).string();
}

class TLettoreMuto : public TLettoreAudio {
   public:
    bool Apri(const std::string&) override { return true; }
    void Chiudi() override {}
    void Ferma() override {}
    void Suona(int daMs, int aMs) override { suonati.push_back({daMs, aMs}); }
    std::vector<TTrattoVoce> suonati;
};

}  // namespace

TEST(TemporizzatoreQt, ScattaFinchéNonSiFerma)
{
    TTemporizzatoreQt t;
    int scatti = 0;
    t.ImpostaAzione([&] { ++scatti; });
    t.Avvia(10);
    EXPECT_TRUE(t.Attivo());
    EXPECT_EQ(t.Periodo(), 10);
    QTRY_VERIFY_WITH_TIMEOUT(scatti >= 3, 2000);
    t.ImpostaPeriodo(20);
    EXPECT_TRUE(t.Attivo());
    EXPECT_EQ(t.Periodo(), 20);
    t.Ferma();
    EXPECT_FALSE(t.Attivo());
    const int fermo = scatti;
    QTest::qWait(60);
    EXPECT_EQ(scatti, fermo);
    // A stopped timer remembers a new period for its next start.
    t.ImpostaPeriodo(30);
    EXPECT_FALSE(t.Attivo());
    EXPECT_EQ(t.Periodo(), 30);
}

TEST(TemporizzatoreQt, GuidaLaDettatura)
{
    TTemporizzatoreQt t;
    TLettoreMuto lettore;
    TListaColonne lista;
    TColonna c{};
    c.s.fill(SegnoX);
    lista.Aggiungi(c);
    TDettatura d(lettore, t);
    ASSERT_TRUE(d.Prepara(CostruisciSchedine(lista), "voce.Wav"));
    d.ImpostaPausaTraSegni(1);
    d.Avvia();
    EXPECT_EQ(t.Periodo(), 1100);
    QTRY_COMPARE_WITH_TIMEOUT(lettore.suonati.size(), std::size_t{1}, 3000);
    EXPECT_EQ(lettore.suonati[0], (TTrattoVoce{1000, 2000}));
    d.Ferma();
    EXPECT_FALSE(t.Attivo());
}

TEST(LettoreAudioQt, UnFileMancanteOIllegibileNonSiApre)
{
    TLettoreAudioQt l(3000);
    EXPECT_FALSE(l.Apri("/nessuna/cartella/vocal.Wav"));
    EXPECT_FALSE(l.Aperto());
    const std::string finto = (std::filesystem::temp_directory_path() / "morella-non-vocale.Wav").string();
    {
        QFile f(QString::fromStdString(finto));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("questo non e' un file sonoro\n");
    }
    EXPECT_FALSE(l.Apri(finto));
    EXPECT_FALSE(l.Aperto());
    std::filesystem::remove(finto);
    // Nothing open: the other operations are harmless.
    l.Suona(0, 1000);
    l.Ferma();
    l.Chiudi();
    EXPECT_FALSE(l.InRiproduzione());

    // The dictation refuses to play when its player cannot open the file.
    TTemporizzatoreQt t;
    TDettatura d(l, t);
    TListaColonne lista;
    lista.Aggiungi(TColonna{});
    EXPECT_FALSE(d.Prepara(CostruisciSchedine(lista), "/nessuna/cartella/vocal.Wav"));
    EXPECT_THROW(d.Avvia(), std::exception);
    EXPECT_FALSE(t.Attivo());
}

TEST(LettoreAudioQt, IlFileVocaleSiApre)
{
    TLettoreAudioQt l;
    const std::string file = FileVocaleCostruito();
    ASSERT_TRUE(std::filesystem::exists(file)) << file;
    if (!QMediaPlayer().isAvailable()) GTEST_SKIP() << "nessun servizio multimediale su questa macchina";
    ASSERT_TRUE(l.Apri(file)) << l.Errore().toStdString();
    EXPECT_TRUE(l.Aperto());
    QTRY_VERIFY_WITH_TIMEOUT(l.Durata() > 0, 3000);
    EXPECT_NEAR(static_cast<double>(l.Durata()), 7000.0, 100.0);
    // Without a sound device a word is silence, not a crash.
    if (QMediaDevices::audioOutputs().isEmpty()) {
        l.Suona(6000, 6900);
        QTest::qWait(200);
        EXPECT_FALSE(l.InRiproduzione());
    }
    l.Chiudi();
    EXPECT_FALSE(l.Aperto());
    EXPECT_EQ(l.Durata(), 0);
}

TEST(LettoreAudioQt, SuonaUnTrattoEsiFermaAllaFine)
{
    TLettoreAudioQt l;
    if (!QMediaPlayer().isAvailable() || QMediaDevices::audioOutputs().isEmpty())
        GTEST_SKIP() << "nessuna uscita audio su questa macchina";
    ASSERT_TRUE(l.Apri(FileVocaleCostruito())) << l.Errore().toStdString();
    l.Suona(1000, 2000);
    QTRY_VERIFY_WITH_TIMEOUT(l.InRiproduzione(), 3000);
    QTRY_VERIFY_WITH_TIMEOUT(!l.InRiproduzione(), 3000);
    EXPECT_GE(l.Posizione(), 1000);
    EXPECT_LE(l.Posizione(), 2300);
    // A new word cuts the one playing.
    l.Suona(6000, 6900);
    QTRY_VERIFY_WITH_TIMEOUT(l.InRiproduzione(), 3000);
    l.Ferma();
    EXPECT_FALSE(l.InRiproduzione());
}
