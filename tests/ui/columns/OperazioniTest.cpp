// "Operazioni Su Files Colonnari" from its menu item: the same files as morella-cli opera,
// the overwrite question, a damaged second source, and an XOR of two Totip developments.
#include <QElapsedTimer>
#include <QLineEdit>
#include <QProgressBar>
#include <QRadioButton>

#include "FinestraProva.h"
#include "FormOperazioni.h"
#include "ProvaColonne.h"

using namespace morella;
using namespace morella::test;
using morella::ui::TFormOperazioni;

namespace {

// Fills the dialog: the sources through their "Cerca.." dialogs, the destination typed.
void Compila(TServiziProva& servizi, QDialog& d, const std::string& a, const std::string& b,
             const QString& destinazione, const char* operazione)
{
    servizi.AttendiFile(a);
    Premi(d, "CercaSource1");
    servizi.AttendiFile(b);
    Premi(d, "CercaSource2");
    d.findChild<QLineEdit*>("Dest")->setText(destinazione);
    d.findChild<QRadioButton*>(operazione)->setChecked(true);
}

}  // namespace

TEST(Operazioni, DannoGliStessiFileDiMorellaCliEChiedonoPrimaDiSovrascrivere)
{
    TFinestraColonne f;
    ASSERT_TRUE(f.A("Operazioni1")->isEnabled());
    // Overlapping developments, a repeated column and a condensed record that covers some.
    TListaColonne a = PrimeColonne(300, 5), b = PrimeColonne(300, 3);
    b.Aggiungi(b[10]);
    TColonna doppia = a[40];
    doppia[3] = 7;
    b.Aggiungi(doppia);
    const std::string fileA = Salva(a, "A.Col"), fileB = Salva(b, "B.Col");

    for (const char* op : {"or", "and", "xor"}) {
        const std::string radio = std::string("Radio") + static_cast<char>(op[0] - 32) + (op + 1);
        const QString dest = QString::fromLatin1(op) + ".Col";
        f.servizi.AttendiDialogo([&](QDialog& d) {
            EXPECT_EQ(d.windowTitle(), "Operazioni Su Files Colonnari");
            EXPECT_TRUE(d.findChild<QRadioButton*>("RadioOr")->isChecked());
            EXPECT_EQ(d.findChild<QLineEdit*>("Dest")->text(), "DestCol.col");
            Compila(f.servizi, d, fileA, fileB, dest, radio.c_str());
            return Premi(d, "OKBtn");
        });
        f.A("Operazioni1")->trigger();
        EXPECT_TRUE(f.servizi.Errori.empty()) << op;
        // A bare destination name lands in the column folder.
        Cli(std::string("opera ") + op + " '" + fileA + "' '" + fileB + "' -o '" + FileColonnare("cli.Col") +
            "'");
        EXPECT_EQ(LeggiTutto(FileColonnare(dest.toStdString())), LeggiTutto(FileColonnare("cli.Col"))) << op;
    }
    const auto& r = f.servizi.RichiesteFile;
    ASSERT_GE(r.size(), 2u);
    EXPECT_EQ(r[0].Titolo, "Seleziona il File Colonnare");
    EXPECT_EQ(r[0].Cartella, CartellaColonne());
    EXPECT_TRUE(r[0].DeveEsistere);
    EXPECT_EQ(r[0].Filtro, "File Colonnare (*.Col)|*.Col");

    // An existing destination: "No" keeps the dialog open and the file as it was, "Si"
    // replaces it. The destination's dialog starts on the file named in its field.
    const auto vecchio = LeggiTutto(FileColonnare("or.Col"));
    f.servizi.AttendiDialogo([&](QDialog& d) {
        Compila(f.servizi, d, fileA, fileA, QStringLiteral("or.Col"), "RadioXor");
        f.servizi.AttendiFile(std::nullopt);
        Premi(d, "CercaDest");
        EXPECT_EQ(f.servizi.RichiesteFile.back().Titolo, "Salva sul File Colonnare");
        EXPECT_EQ(f.servizi.RichiesteFile.back().Cartella, CartellaColonne());
        EXPECT_EQ(f.servizi.RichiesteFile.back().Nome, "or.Col");
        f.servizi.AttendiDomanda(TitoloInformazione, "Il File è Gia Presente su Disco. Vuoi Sovrascriverlo",
                                 PulsanteSi | PulsanteNo, PulsanteNo);
        Premi(d, "OKBtn");
        EXPECT_TRUE(d.isVisible());
        EXPECT_EQ(LeggiTutto(FileColonnare("or.Col")), vecchio);
        f.servizi.AttendiDomanda(TitoloInformazione, "Il File è Gia Presente su Disco. Vuoi Sovrascriverlo",
                                 PulsanteSi | PulsanteNo, PulsanteSi);
        return Premi(d, "OKBtn");
    });
    f.A("Operazioni1")->trigger();
    EXPECT_TRUE(LeggiTutto(FileColonnare("or.Col")).empty());  // a file XOR itself

    // A second source that breaks off mid-column: said, and nothing written.
    auto rotto = LeggiTutto(fileB);
    rotto.pop_back();
    ScriviTutto(FileColonnare("Rotto.Col"), rotto);
    const auto prima = LeggiTutto(FileColonnare("and.Col"));
    f.servizi.AttendiDomanda(TitoloInformazione, "Il File è Gia Presente su Disco. Vuoi Sovrascriverlo",
                             PulsanteSi | PulsanteNo, PulsanteSi);
    f.servizi.AttendiDialogo([&](QDialog& d) {
        Compila(f.servizi, d, fileA, FileColonnare("Rotto.Col"), QStringLiteral("and.Col"), "RadioAnd");
        return Premi(d, "OKBtn");
    });
    f.A("Operazioni1")->trigger();
    ASSERT_EQ(f.servizi.Errori.size(), 1u);
    EXPECT_EQ(f.servizi.Errori[0], "Impossibile Effettuare Le Operazioni Sui File");
    EXPECT_EQ(LeggiTutto(FileColonnare("and.Col")), prima);
}

TEST(Operazioni, XorDiDueSviluppiTotipInMenoDiUnSecondoConAnnulla)
{
    TFinestraColonne f;
    const TListaColonne tutte = PrimeColonne(531441);
    TListaColonne rovescio;
    for (auto it = tutte.Colonne().rbegin(); it != tutte.Colonne().rend(); ++it) rovescio.Aggiungi(*it);
    const std::string a = Salva(tutte, "Tutte.Col"), b = Salva(rovescio, "Rovescio.Col");

    // "Annulla" midway: the dialog closes and nothing is written.
    f.servizi.AttendiDialogo([&](QDialog& d) {
        auto& o = dynamic_cast<TFormOperazioni&>(d);
        Compila(f.servizi, d, a, b, QStringLiteral("Xor.Col"), "RadioXor");
        o.DopoAvanzamento = [&](int percento) {
            EXPECT_FALSE(d.findChild<QLineEdit*>("Dest")->isEnabled());
            if (percento >= 20) Premi(d, "AnnullaBtn");
        };
        return Premi(d, "OKBtn");
    });
    f.A("Operazioni1")->trigger();
    EXPECT_FALSE(std::filesystem::exists(FileColonnare("Xor.Col")));

    QElapsedTimer t;
    qint64 durata = 0, attesaMassima = 0;
    f.servizi.AttendiDialogo([&](QDialog& d) {
        auto& o = dynamic_cast<TFormOperazioni&>(d);
        Compila(f.servizi, d, a, b, QStringLiteral("Xor.Col"), "RadioXor");
        QElapsedTimer passo;
        o.DopoAvanzamento = [&](int) {
            if (passo.isValid()) attesaMassima = std::max(attesaMassima, passo.elapsed());
            passo.start();
        };
        t.start();
        const int r = Premi(d, "OKBtn");
        durata = t.elapsed();
        EXPECT_EQ(d.findChild<QProgressBar*>("Gauge")->value(), 100);
        return r;
    });
    f.A("Operazioni1")->trigger();
    std::printf(
        "[ misura ] XOR di due file di 531441 colonne: %lld ms, attesa massima tra due passi della "
        "combinazione %lld ms\n",
        static_cast<long long>(durata), static_cast<long long>(attesaMassima));
    EXPECT_LT(durata, 1000);
    EXPECT_LT(attesaMassima, 50);
    EXPECT_TRUE(std::filesystem::exists(FileColonnare("Xor.Col")));
    EXPECT_TRUE(LeggiTutto(FileColonnare("Xor.Col")).empty());
}
