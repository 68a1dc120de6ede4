// Pictures of the development windows for a look by eye: written only when the environment
// names a folder in MORELLA_SCREENSHOTS (run under xvfb-run at several screen sizes).
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <QTextBrowser>
#include <QUrl>

#include "CartellaTemporanea.h"
#include "Cartelle.h"
#include "FormPossibilita.h"
#include "FormSviluppo.h"
#include "PannelloSc.h"
#include "Sistema.h"

using namespace morella;

namespace {

QString CartellaSchermate()
{
    return qEnvironmentVariable("MORELLA_SCREENSHOTS");
}

// A window as the player would see it: no larger than the screen it is on.
void Fotografa(QWidget& w, const QString& nome, bool adatta = true)
{
    const QRect schermo = QGuiApplication::primaryScreen()->availableGeometry();
    if (adatta) w.adjustSize();
    w.resize(w.size().boundedTo(schermo.size()));
    w.show();
    QTest::qWait(50);
    const QSize s = QGuiApplication::primaryScreen()->size();
    const QString file =
        QDir(CartellaSchermate())
            .filePath(QStringLiteral("%1_%2x%3.png").arg(nome).arg(s.width()).arg(s.height()));
    ASSERT_TRUE(w.grab().save(file)) << file.toStdString();
    std::printf("[ schermata ] %s (%dx%d)\n", qPrintable(file), w.width(), w.height());
}

}  // namespace

TEST(Schermate, FinestreDelloSviluppo)
{
    if (CartellaSchermate().isEmpty()) GTEST_SKIP() << "MORELLA_SCREENSHOTS not set";
    QDir().mkpath(CartellaSchermate());
    test::TGiocoTemporaneo gioco(GiocoTotip);
    test::TCartellaTemporanea dir;
    ImpostaDirectoryProgramma(dir.Percorso().string());
    CreaCartelleDiLavoro();

    TSistema s;
    auto& d = s.Dati();
    const TSegni segni[] = {7, 3, 1, 7, 6, 2, 7, 5, 4, 3, 1, 3};
    const char* nomi[] = {"Varenne", "Ribot",      "Tornese",   "Crevalcore", "Falbravv", "Sharif",
                          "Nearco",  "Toscanella", "Gaio Nero", "Orsetto",    "Berlino",  "Zibello"};
    for (int i = 0; i < 12; ++i) {
        d.Pronostico[static_cast<std::size_t>(i)] = segni[i];
        d.NomiEventi[static_cast<std::size_t>(i)][0] = nomi[i];
    }
    s.Partecipanti = 3;
    d.Impostazioni.UsaCondizioni = false;
    d.Impostazioni.Autoriduzione = true;
    d.Impostazioni.CalcoloPercentuali = true;
    d.Impostazioni.SalvaAutomaticamente = false;

    ui::TFormSviluppo sviluppo(s);
    sviluppo.Esegui();
    Fotografa(sviluppo, QStringLiteral("FormSviluppo"));

    ui::TFormPossibilita possibilita(s, &sviluppo);
    Fotografa(possibilita, QStringLiteral("FormPossibilita"));

    ui::TPannelloSc pannello;
    pannello.ImpostaGioco(GiocoToto);
    pannello.ImpostaTipo(3);
    TTabellaSegni perc{};
    for (auto& r : perc) r = {50, 30, 20};
    pannello.ImpostaPercentuali(perc);
    std::array<std::array<std::string, 2>, MaxEventi> squadre{};
    for (int i = 0; i < 13; ++i)
        squadre[static_cast<std::size_t>(i)] = {"Casa " + std::to_string(i + 1), "Ospite"};
    pannello.ImpostaNomi(squadre);
    std::array<bool, MaxEventi> sel{};
    sel[2] = sel[7] = true;
    pannello.ImpostaSelezionati(sel);
    Fotografa(pannello, QStringLiteral("PannelloSc"));
}

TEST(Schermate, PossibilitaDelToto)
{
    if (CartellaSchermate().isEmpty()) GTEST_SKIP() << "MORELLA_SCREENSHOTS not set";
    QDir().mkpath(CartellaSchermate());
    test::TGiocoTemporaneo gioco(GiocoToto);
    test::TCartellaTemporanea dir;
    ImpostaDirectoryProgramma(dir.Percorso().string());
    CreaCartelleDiLavoro();
    TSistema s;
    auto& d = s.Dati();
    const TSegni segni[] = {1, 3, 7, 2, 5, 4, 7, 1, 6, 3, 1, 2, 7};
    const char* casa[] = {"Atalanta", "Bologna", "Cagliari", "Empoli", "Fiorentina", "Genoa", "Inter",
                          "Juventus", "Lazio",   "Milan",    "Napoli", "Roma",       "Torino"};
    const char* ospiti[] = {"Verona",    "Udinese",   "Sassuolo", "Lecce",   "Monza", "Salernitana", "Spezia",
                            "Cremonese", "Sampdoria", "Parma",    "Palermo", "Bari",  "Venezia"};
    for (int i = 0; i < 13; ++i) {
        d.Pronostico[static_cast<std::size_t>(i)] = segni[i];
        d.NomiEventi[static_cast<std::size_t>(i)] = {casa[i], ospiti[i]};
    }
    d.Impostazioni.UsaCondizioni = false;
    d.Impostazioni.Autoriduzione = true;
    d.Impostazioni.CalcoloPercentuali = true;
    d.Impostazioni.SalvaAutomaticamente = false;
    d.Impostazioni.GaranziaN1 = false;  // N - 1 without conditions would take a ready-made reduction
    ui::TFormSviluppo sviluppo(s);
    sviluppo.Esegui();
    ui::TFormPossibilita possibilita(s, &sviluppo);
    Fotografa(possibilita, QStringLiteral("FormPossibilitaToto"));
}

TEST(Schermate, PaginaDiAiuto)
{
    if (CartellaSchermate().isEmpty()) GTEST_SKIP() << "MORELLA_SCREENSHOTS not set";
    QDir().mkpath(CartellaSchermate());
    // The help pages as a rich-text browser shows them.
    const QString aiuto =
        QFileInfo(QStringLiteral(MORELLA_CLI_PATH)).absolutePath() + QStringLiteral("/Help");
    for (const char* pagina : {"1", "25"}) {
        QTextBrowser b;
        b.setSearchPaths({aiuto});
        b.setSource(QUrl::fromLocalFile(aiuto + QStringLiteral("/%1.html").arg(QString::fromLatin1(pagina))));
        b.resize(560, 520);
        Fotografa(b, QStringLiteral("Aiuto%1").arg(QString::fromLatin1(pagina)), false);
    }
}
