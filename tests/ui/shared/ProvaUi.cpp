#include "ProvaUi.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include <cstdio>

#include "Cartelle.h"

namespace morella::test {

TServiziProva::TServiziProva()
{
    morella::ui::ImpostaServizi(this);
}

TServiziProva::~TServiziProva()
{
    // A scripted answer the program never asked for is a step the test expected and the
    // program skipped: that fails the test as surely as an unexpected question.
    VerificaConsumate();
    morella::ui::ImpostaServizi(nullptr);
}

void TServiziProva::AttendiDomanda(std::string titolo, std::string testo, int pulsanti, int risposta)
{
    domande_.push_back({std::move(titolo), std::move(testo), pulsanti, risposta});
}

void TServiziProva::AttendiFile(std::optional<std::string> percorso)
{
    file_.push_back(std::move(percorso));
}

void TServiziProva::AttendiDialogo(std::function<int(QDialog&)> pilota)
{
    dialoghi_.push_back(std::move(pilota));
}

void TServiziProva::VerificaConsumate()
{
    for (const auto& d : domande_) ADD_FAILURE() << "Domanda attesa ma mai posta: " << d.Testo;
    if (!file_.empty()) ADD_FAILURE() << file_.size() << " scelte di file attese ma mai chieste";
    if (!dialoghi_.empty()) ADD_FAILURE() << dialoghi_.size() << " dialoghi attesi ma mai aperti";
    domande_.clear();
    file_.clear();
    dialoghi_.clear();
}

int TServiziProva::Chiedi(QWidget*, const std::string& titolo, const std::string& testo, int pulsanti)
{
    if (domande_.empty()) {
        ADD_FAILURE() << "Finestra di messaggio inattesa: [" << titolo << "] " << testo;
        return 0;
    }
    TDomandaAttesa d = domande_.front();
    domande_.pop_front();
    EXPECT_EQ(titolo, d.Titolo);
    EXPECT_EQ(testo, d.Testo);
    EXPECT_EQ(pulsanti, d.Pulsanti) << testo;
    return d.Risposta;
}

std::optional<std::string> TServiziProva::ScegliFile(QWidget*, const morella::ui::TRichiestaFile& richiesta)
{
    RichiesteFile.push_back(richiesta);
    if (file_.empty()) {
        ADD_FAILURE() << "Scelta di file inattesa: " << richiesta.Titolo;
        return std::nullopt;
    }
    auto r = file_.front();
    file_.pop_front();
    return r;
}

int TServiziProva::EseguiDialogo(QDialog& dialogo)
{
    Titoli.push_back(dialogo.windowTitle().toStdString());
    if (dialoghi_.empty()) {
        ADD_FAILURE() << "Dialogo inatteso: " << dialogo.windowTitle().toStdString();
        return QDialog::Rejected;
    }
    auto pilota = dialoghi_.front();
    dialoghi_.pop_front();
    dialogo.show();
    const int r = pilota(dialogo);
    dialogo.hide();
    return r;
}

void TServiziProva::MostraErrore(QWidget*, const std::string& messaggio)
{
    Errori.push_back(messaggio);
}

void TServiziProva::ApriAiuto(QWidget*, int argomento)
{
    Aiuti.push_back(argomento);
}

int Premi(QDialog& d, const char* pulsante)
{
    auto* b = d.findChild<QPushButton*>(QString::fromLatin1(pulsante));
    if (!b) {
        ADD_FAILURE() << "Nessun pulsante " << pulsante << " in " << d.windowTitle().toStdString();
        return QDialog::Rejected;
    }
    d.setResult(-1);
    b->click();
    return d.result();
}

TProgrammaProva::TProgrammaProva(int gioco) : gioco_(gioco), vecchia_(DirectoryProgramma())
{
    ImpostaDirectoryProgramma(dir_.Percorso().string());
    CreaCartelleDiLavoro();
}

TProgrammaProva::~TProgrammaProva()
{
    ImpostaDirectoryProgramma(vecchia_);
}

QString CartellaSchermate()
{
    return qEnvironmentVariable("MORELLA_SCREENSHOTS");
}

void Fotografa(QWidget& w, const QString& nome)
{
    w.show();
    QTest::qWait(50);
    const QRect schermo = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE(w.frameGeometry().width(), schermo.width()) << nome.toStdString();
    EXPECT_LE(w.frameGeometry().height(), schermo.height()) << nome.toStdString();
    if (CartellaSchermate().isEmpty()) return;
    QDir().mkpath(CartellaSchermate());
    const QSize s = QGuiApplication::primaryScreen()->size();
    const QString file =
        QDir(CartellaSchermate())
            .filePath(QStringLiteral("%1_%2x%3.png").arg(nome).arg(s.width()).arg(s.height()));
    ASSERT_TRUE(w.grab().save(file)) << file.toStdString();
    std::printf("[ schermata ] %s (%dx%d)\n", qPrintable(file), w.width(), w.height());
}

}  // namespace morella::test
