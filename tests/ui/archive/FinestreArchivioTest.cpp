// The archive windows driven from the main window's menu: the editor reaches the files
// exactly as morella-cli does (another program's lock included), the search settings, the
// view of the largest archive with its timings, and the Internet update against a real FTP
// server (success, a refused file, "&Chiudi" in mid-transfer).
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/file.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCheckBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrintPreviewWidget>
#include <QScrollBar>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimer>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "BloccoArchivio.h"
#include "CsvArchivio.h"
#include "DialoghiRicerca.h"
#include "EditoreArchivio.h"
#include "EseguiCli.h"
#include "FinestraProva.h"
#include "FormEditconcprec.h"
#include "FormInternet.h"
#include "FormvisArchivio.h"
#include "ServerFtpProva.h"

using namespace morella;
using morella::test::LeggiTutto;
using morella::test::Premi;
using morella::test::TCartellaTemporanea;
using morella::test::TFinestraPrinc;
namespace fs = std::filesystem;

namespace {

T_Concorso Fai(std::int32_t stagione, int numero, const char* colonna)
{
    T_Concorso c;
    c.Stagione = stagione;
    c.Numero = static_cast<std::uint8_t>(numero);
    EXPECT_GE(ColonnaDaTesto(colonna, c.ColonnaVincente), 0);
    c.AggiornaCompleto();
    return c;
}

// Every season 1930..2099 with all its 99 contests: the largest archive there is.
void ArchivioCompleto(T_Archivio& a)
{
    std::uint32_t stato = 7;
    for (int s = 1930; s <= 2099; ++s)
        for (int n = 1; n <= 99; ++n) {
            T_Concorso c;
            c.Stagione = s;
            c.Numero = static_cast<std::uint8_t>(n);
            for (int e = 0; e < NumEvents; ++e) {
                stato = stato * 1103515245u + 12345u;
                c.ColonnaVincente[static_cast<std::size_t>(e)] =
                    static_cast<TSegni>(1u << ((stato >> 16) % 3));
            }
            c.AggiornaCompleto();
            a.Aggiungi(c);
        }
}

// The main window on an archive of a few contests, saved in its Archivi folder and loaded.
struct TFinestraArchivio : TFinestraPrinc {
    TFinestraArchivio()
    {
        archivio.Aggiungi(Fai(2023, 1, "1X21X21X21X2"));
        archivio.Aggiungi(Fai(2023, 2, "111XXX222111"));
        archivio.Aggiungi(Fai(2024, 1, "X2X2X2111XX2"));
        EXPECT_TRUE(archivio.Salva(CartellaArchivi()));
        archivio.Carica(CartellaArchivi(), sistema.Ricerca);
        w->AggiornaAbilitazioni();
    }
    std::string Cartella() const { return CartellaArchivi(); }
    // The editor from its menu item, driven by `pilota`.
    void Editor(std::function<int(ui::TFormEditconcprec&)> pilota)
    {
        servizi.AttendiDialogo(
            [p = std::move(pilota)](QDialog& d) { return p(dynamic_cast<ui::TFormEditconcprec&>(d)); });
        A("Editazione1")->trigger();
        servizi.VerificaConsumate();
    }
};

void Scrivi(QDialog& d, const char* campo, const QString& testo)
{
    auto* e = d.findChild<QLineEdit*>(QString::fromLatin1(campo));
    ASSERT_NE(e, nullptr) << campo;
    e->setText(testo);
}

// A copy of the archive folder where morella-cli does the same changes.
struct TGemello {
    TCartellaTemporanea dir;
    explicit TGemello(const std::string& archivi)
    {
        fs::create_directories(dir.Percorso() / "Archivi");
        for (const char* f : {"archivio.mra", "archdb.mra"})
            fs::copy_file(fs::path(archivi) / f, dir.Percorso() / "Archivi" / f);
    }
    void Cli(const std::string& argomenti)
    {
        const morella::test::TEsito e = morella::test::EseguiCli(dir.Percorso(), argomenti);
        ASSERT_EQ(e.codice, 0) << argomenti << ": " << e.err;
    }
    void StessiFile(const std::string& archivi) const
    {
        for (const char* f : {"archivio.mra", "archdb.mra"})
            EXPECT_EQ(LeggiTutto((fs::path(archivi) / f).string()),
                      LeggiTutto((dir.Percorso() / "Archivi" / f).string()))
                << f;
    }
};

// Another process that holds the archive's lock until it is killed. The child of a process
// with threads makes system calls only: no allocation between fork and exit.
pid_t FiglioCheBlocca(const std::string& cartella)
{
    const std::string file = (fs::path(cartella) / NomeFileBlocco).string();
    int tubo[2];
    if (::pipe(tubo) != 0) return -1;
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(tubo[0]);
        const int fd = ::open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        if (fd < 0 || ::flock(fd, LOCK_EX) != 0) ::_exit(3);
        (void)!::write(tubo[1], "x", 1);
        for (;;) ::pause();
    }
    ::close(tubo[1]);
    char c = 0;
    (void)!::read(tubo[0], &c, 1);
    ::close(tubo[0]);
    return c == 'x' ? pid : -1;
}

fs::path programmaDi(const TFinestraPrinc& f)
{
    return f.programma.Cartella().Percorso();
}

}  // namespace

TEST(FinestreArchivio, LEditorCambiaIFileComeLaRigaDiComando)
{
    TFinestraArchivio f;
    TGemello cli(f.Cartella());

    // "Aggiungi" proposes 2024/2; the player types its column.
    f.Editor([](ui::TFormEditconcprec& d) {
        morella::test::Fotografa(d, QStringLiteral("FormEditconcprec"));
        Premi(d, "AggiungiBtn");
        EXPECT_EQ(d.findChild<QLineEdit*>(QStringLiteral("EditNumero"))->text(), "2");
        Scrivi(d, "EditColonna", QStringLiteral("2 2 2 1 1 1 x x x 1 2 1"));
        return Premi(d, "OKBtn");
    });
    cli.Cli("archivio aggiungi 2024 2 222111XXX121");
    cli.StessiFile(f.Cartella());
    EXPECT_EQ(f.archivio.NumeroConcorsi(), 4);
    EXPECT_TRUE(f.A("Visualizzazione1")->isEnabled());

    // A changed column of the last contest, then the first contest deleted.
    f.Editor([](ui::TFormEditconcprec& d) {
        Scrivi(d, "EditColonna", QStringLiteral("111111111111"));
        return Premi(d, "OKBtn");
    });
    cli.Cli("archivio aggiungi 2024 2 111111111111 --sostituisci");
    cli.StessiFile(f.Cartella());
    f.servizi.AttendiDomanda(TitoloConferma, DomandaEliminaConcorso, PulsanteSi | PulsanteNo, PulsanteSi);
    f.Editor([](ui::TFormEditconcprec& d) {
        Premi(d, "PrimoBtn");
        Premi(d, "EliminaBtn");
        return Premi(d, "OKBtn");
    });
    cli.Cli("archivio elimina 2023 1");
    cli.StessiFile(f.Cartella());

    // "Annulla" with a typed contest asks first; on "No" the editor stays, on "Si" the
    // files and the archive in memory stay as they were.
    const auto prima = LeggiTutto(T_Archivio::FileArchivio(f.Cartella()));
    f.servizi.AttendiDomanda(TitoloConferma, DomandaAbbandonaModifiche, PulsanteSi | PulsanteNo, PulsanteNo);
    f.servizi.AttendiDomanda(TitoloConferma, DomandaAbbandonaModifiche, PulsanteSi | PulsanteNo, PulsanteSi);
    f.Editor([](ui::TFormEditconcprec& d) {
        Premi(d, "AggiungiBtn");
        Scrivi(d, "EditColonna", QStringLiteral("222222222222"));
        EXPECT_EQ(Premi(d, "AnnullaBtn"), -1);  // still open
        return Premi(d, "AnnullaBtn");
    });
    EXPECT_EQ(LeggiTutto(T_Archivio::FileArchivio(f.Cartella())), prima);
    EXPECT_EQ(f.archivio.NumeroConcorsi(), 3);
    EXPECT_TRUE(f.servizi.Errori.empty());
}

TEST(FinestreArchivio, IlBloccoDiUnAltroProgrammaEUnMessaggioENienteSiPerde)
{
    TFinestraArchivio f;
    const pid_t figlio = FiglioCheBlocca(f.Cartella());
    ASSERT_GT(figlio, 0);
    const auto prima = LeggiTutto(T_Archivio::FileArchivio(f.Cartella()));
    f.Editor([&](ui::TFormEditconcprec& d) {
        d.Editore().ImpostaAttesaBlocco(std::chrono::milliseconds(100));
        Premi(d, "AggiungiBtn");
        Scrivi(d, "EditColonna", QStringLiteral("1X21X21X21X2"));
        EXPECT_EQ(Premi(d, "OKBtn"), -1);  // refused: the editor stays open on the typed contest
        EXPECT_EQ(f.servizi.Errori, std::vector<std::string>{MessaggioArchivioOccupato});
        EXPECT_EQ(LeggiTutto(T_Archivio::FileArchivio(f.Cartella())), prima);
        EXPECT_EQ(d.findChild<QLineEdit*>(QStringLiteral("EditColonna"))->text(), "1X21X21X21X2");
        ::kill(figlio, SIGKILL);
        ::waitpid(figlio, nullptr, 0);
        return Premi(d, "OKBtn");
    });
    T_Archivio letto;
    letto.Carica(f.Cartella());
    ASSERT_EQ(letto.NumeroConcorsi(), 4);
    EXPECT_EQ(letto.Ultimo(), Fai(2024, 2, "1X21X21X21X2"));

    // Another program saves while the editor is open: OK refuses to write over it, and
    // "Annulla" then shows what that program saved.
    f.servizi.Errori.clear();
    f.servizi.AttendiDomanda(TitoloConferma, DomandaAbbandonaModifiche, PulsanteSi | PulsanteNo, PulsanteSi);
    f.Editor([&](ui::TFormEditconcprec& d) {
        const morella::test::TEsito e =
            morella::test::EseguiCli(programmaDi(f), "archivio aggiungi 2024 3 222222222222");
        EXPECT_EQ(e.codice, 0) << e.err;
        Scrivi(d, "EditColonna", QStringLiteral("111111111111"));
        EXPECT_EQ(Premi(d, "OKBtn"), -1);
        EXPECT_EQ(f.servizi.Errori, std::vector<std::string>{MessaggioArchivioCambiato});
        return Premi(d, "AnnullaBtn");
    });
    ASSERT_EQ(f.archivio.NumeroConcorsi(), 5);
    EXPECT_EQ(f.archivio.Ultimo(), Fai(2024, 3, "222222222222"));
}

TEST(FinestreArchivio, LEditorEsportaEImportaUnFileCsv)
{
    TFinestraArchivio f;
    const std::string csv = f.programma.File("foglio.csv");
    f.servizi.AttendiFile(csv);
    f.Editor([](ui::TFormEditconcprec& d) {
        Premi(d, "EsportaCsvBtn");
        return Premi(d, "AnnullaBtn");
    });
    EXPECT_EQ(f.servizi.RichiesteFile.back().Titolo, "Esporta L'Archivio In Un File CSV");
    // A bad row: its line and field named, nothing changed; then the good file merged.
    {
        std::ofstream(f.programma.File("errato.csv"), std::ios::binary)
            << IntestazioneCsvArchivio(';')
            << "\n2025;1;1;1;1;1;1;1;1;1;1;1;1;1;;1\n2025;2;1;1;1;1;1;1;1;1;1;7;1;1;;1\n";
        std::ofstream(csv, std::ios::app) << "2025,1,1,X,2,1,X,2,1,X,2,1,X,2,,1\r\n";
    }
    f.servizi.AttendiFile(f.programma.File("errato.csv"));
    f.servizi.AttendiFile(csv);
    f.servizi.AttendiDomanda(
        TitoloConferma,
        "Il file contiene 4 concorsi. Vuoi che sostituiscano tutto l'archivio ? (No: sono uniti "
        "all'archivio)",
        PulsanteSi | PulsanteNo | PulsanteAnnulla, PulsanteNo);
    f.Editor([&f](ui::TFormEditconcprec& d) {
        Premi(d, "ImportaCsvBtn");
        EXPECT_EQ(f.servizi.Errori,
                  std::vector<std::string>{"Riga 3, campo \"Evento 10\": La Colonna Vincente Non è Valida."});
        Premi(d, "ImportaCsvBtn");
        EXPECT_EQ(d.findChild<QLineEdit*>(QStringLiteral("EditStagione"))->text(), "2025");
        return Premi(d, "OKBtn");
    });
    T_Archivio letto;
    letto.Carica(f.Cartella());
    ASSERT_EQ(letto.NumeroConcorsi(), 4);
    EXPECT_EQ(letto.Ultimo(), Fai(2025, 1, "1X21X21X21X2"));
}

TEST(FinestreArchivio, ImpostazioniDiRicercaTengonoLOrdineEAvvisanoSenzaConcorsi)
{
    {
        TFinestraPrinc vuota;  // no archive at all: zeros and a word
        vuota.servizi.AttendiDialogo([](QDialog& d) {
            EXPECT_EQ(d.findChild<QLabel*>(QStringLiteral("LabelRiepilogo"))->text(),
                      "Concorsi nell'intervallo : 0 su 0 (0%)");
            EXPECT_EQ(d.findChild<QLabel*>(QStringLiteral("LabelAvviso"))->text(),
                      MessaggioArchivioVuotoRicerca);
            return Premi(d, "OKBtn");
        });
        vuota.A("ImpostazioniDiRicerca1")->trigger();
    }
    TFinestraArchivio f;
    f.servizi.AttendiDialogo([](QDialog& d) {
        morella::test::Fotografa(d, QStringLiteral("FormImpRic"));
        auto spin = [&d](const char* n) { return d.findChild<QSpinBox*>(QString::fromLatin1(n)); };
        EXPECT_EQ(spin("SpinPrimaStagione")->minimum(), 2023);
        EXPECT_EQ(spin("SpinPrimaStagione")->maximum(), 2024);
        spin("SpinPrimaStagione")->setValue(2024);  // the first number comes down to the last one
        EXPECT_EQ(spin("SpinPrimoNumero")->value(), 1);
        spin("SpinPrimoNumero")->setValue(5);
        EXPECT_EQ(spin("SpinPrimoNumero")->value(), 1);
        EXPECT_EQ(d.findChild<QLabel*>(QStringLiteral("LabelRiepilogo"))->text(),
                  "Concorsi nell'intervallo : 1 su 3 (33%)");
        d.findChild<QAbstractButton*>(QStringLiteral("Radio3Cat"))->setChecked(true);
        d.findChild<QAbstractButton*>(QStringLiteral("CheckValori"))->setChecked(false);
        return Premi(d, "OKBtn");
    });
    f.A("ImpostazioniDiRicerca1")->trigger();
    EXPECT_EQ(f.sistema.Ricerca.PrimaStagione, 2024);
    EXPECT_EQ(f.sistema.Ricerca.PrimoNumero, 1);
    EXPECT_EQ(f.sistema.Ricerca.CategorieCercate, 3);
    EXPECT_FALSE(f.sistema.Ricerca.IgnoraValori);
}

TEST(FinestreArchivio, LaVistaDelPiuGrandeArchivioSiApreEScorreSubito)
{
    TFinestraPrinc f;
    ArchivioCompleto(f.archivio);
    ASSERT_EQ(f.archivio.NumeroConcorsi(), 16830);
    f.w->AggiornaAbilitazioni();
    QElapsedTimer orologio;
    qint64 apertura = -1;
    f.servizi.AttendiDialogo([&](QDialog& q) {
        auto& d = dynamic_cast<ui::TFormvisArchivio&>(q);
        d.show();
        QApplication::processEvents();
        apertura = orologio.elapsed();
        const int visibili = d.RigheVisibili();
        QScrollBar* s = d.Scorrimento();
        // Opens at the end; the range's last position leaves the row past the last contest blank.
        EXPECT_EQ(s->maximum(), 16830 - visibili + 1);
        EXPECT_EQ(s->value(), s->maximum());
        EXPECT_EQ(d.Cella(0, 0), "Anno");
        EXPECT_EQ(d.Cella(visibili - 1, 0), "2099");
        EXPECT_EQ(d.Cella(visibili - 1, 1), "99");
        EXPECT_EQ(d.Cella(visibili, 0), "");
        // Every box ticked, then scrolling a page at a time from the end to the start.
        for (QCheckBox* c : d.findChildren<QCheckBox*>()) c->setChecked(true);
        std::vector<double> passi;
        for (int v = s->maximum(); v >= 0; v -= std::max(1, s->maximum() / 200)) {
            QElapsedTimer passo;
            passo.start();
            s->setValue(v);
            d.Righe()->viewport()->repaint();  // the grid drawn anew, not left to the next turn of the loop
            passi.push_back(static_cast<double>(passo.nsecsElapsed()) / 1e6);
        }
        morella::test::Fotografa(d, QStringLiteral("FormvisArchivio"));
        std::sort(passi.begin(), passi.end());
        std::cout << "[ misura    ] vista di 16830 concorsi: apertura " << apertura << " ms; passo di "
                  << "scorrimento con tutti i gruppi: mediana " << passi[passi.size() / 2] << " ms, 95% "
                  << passi[passi.size() * 95 / 100] << " ms, peggiore " << passi.back() << " ms\n";
        // The median: on a shared machine a single step may wait for another program.
        EXPECT_LT(passi[passi.size() / 2], 16.0);
        // "Stampa" opens "Stampa Archivio" on the whole archive; its OK prints the chosen
        // season, 99 contests in three groups of 40, through the preview.
        f.servizi.AttendiDialogo([](QDialog& p) {
            EXPECT_EQ(p.windowTitle(), "Stampa Archivio");
            EXPECT_EQ(p.findChild<QSpinBox*>(QStringLiteral("Annoinf1"))->value(), 1930);
            EXPECT_EQ(p.findChild<QSpinBox*>(QStringLiteral("Concorso2"))->value(), 99);
            morella::test::Fotografa(p, QStringLiteral("F123StampaArch"));
            p.findChild<QSpinBox*>(QStringLiteral("Annoinf1"))->setValue(2099);
            return Premi(p, "OKBtn");
        });
        int pagine = 0;
        f.servizi.AttendiDialogo([&pagine](QDialog& anteprima) {
            anteprima.show();
            QApplication::processEvents();
            if (auto* w = anteprima.findChild<QPrintPreviewWidget*>()) pagine = w->pageCount();
            return static_cast<int>(QDialog::Rejected);
        });
        Premi(d, "StampaBtn");
        EXPECT_GE(pagine, 3);
        EXPECT_EQ(pagine % 3, 0);  // every group of 40 takes as many pages as the others
        EXPECT_TRUE(f.servizi.Errori.empty());
        return Premi(d, "ChiudiBtn");
    });
    orologio.start();
    f.A("Visualizzazione1")->trigger();
    EXPECT_GE(apertura, 0);
    EXPECT_LT(apertura, 500);
}

// ---- Internet ----

class AggiornamentoInternet : public ::testing::Test {
   protected:
    TFinestraArchivio f;
    TCartellaTemporanea server;
    T_Archivio nuovo;

    void SetUp() override
    {
        for (int n = 1; n <= 60; ++n) nuovo.Aggiungi(Fai(2025, n, "1X21X21X21X2"));
        ASSERT_TRUE(nuovo.Salva(server.Percorso().string()));
        auto& c = f.sistema.Dati().Configurazione;
        c.IndirizzoPosta = "giocatore@example.org";
        c.HostFtp = "127.0.0.1";
        c.DirectoryFtp = "/";
    }
    // "&Aggiorna" against the server in `modo`; `durante` runs on the window meanwhile.
    void Aggiorna(const std::string& modo, std::function<void(QDialog&)> durante = {})
    {
        test::TServerFtpProva ftp(modo, server.Percorso());
        f.servizi.AttendiDialogo([&](QDialog& q) {
            auto& d = dynamic_cast<ui::TFormAggiornamento&>(q);
            d.Opzioni.Porta = ftp.Porta();
            d.Opzioni.SecondiAttesa = 5;
            if (durante) durante(d);
            const int esito = Premi(d, "AggiornaBtn");
            morella::test::Fotografa(d, QStringLiteral("FormAggiornamento"));
            return esito == -1 ? Premi(d, "ChiudiBtn") : esito;
        });
        f.A("SpeedButton14")->trigger();
    }
    std::vector<std::uint8_t> vecchio = LeggiTutto(T_Archivio::FileArchivio(CartellaArchivi()));
    std::vector<std::uint8_t> vecchioDb = LeggiTutto(T_Archivio::FileDataBase(CartellaArchivi()));
    void Intatti()
    {
        EXPECT_EQ(LeggiTutto(T_Archivio::FileArchivio(CartellaArchivi())), vecchio);
        EXPECT_EQ(LeggiTutto(T_Archivio::FileDataBase(CartellaArchivi())), vecchioDb);
        for (const char* tmp : {"archivio.tmp", "archdb.tmp"})
            EXPECT_FALSE(fs::exists(fs::path(CartellaArchivi()) / tmp));
        EXPECT_EQ(f.archivio.NumeroConcorsi(), 3);
    }
};

TEST_F(AggiornamentoInternet, RiuscitoRileggeLArchivioInMemoria)
{
    f.servizi.AttendiDomanda(TitoloInformazione, MessaggioAggiornamentoCompletato, PulsanteOk, PulsanteOk);
    Aggiorna("normale");
    EXPECT_TRUE(f.servizi.Errori.empty()) << f.servizi.Errori.front();
    EXPECT_EQ(LeggiTutto(T_Archivio::FileArchivio(CartellaArchivi())), nuovo.ImmagineConcorsi());
    // The archive in memory is the download, so the editor's next save cannot undo it.
    EXPECT_EQ(f.archivio.Concorsi(), nuovo.Concorsi());
    EXPECT_EQ(f.sistema.Ricerca.PrimaStagione, 2025);
}

TEST_F(AggiornamentoInternet, UnFileRifiutatoLasciaIVecchiFile)
{
    fs::remove(server.Percorso() / "archdb.mra");
    Aggiorna("normale");
    EXPECT_EQ(f.servizi.Errori, std::vector<std::string>{MessaggioErroreTrasferimento});
    Intatti();
}

TEST_F(AggiornamentoInternet, ChiudiDuranteIlTrasferimentoLoFermaSenzaDanni)
{
    // About 200 bytes a second: the 1,200-byte archive takes six seconds.
    QElapsedTimer orologio;
    orologio.start();
    Aggiorna("lento", [](QDialog& d) {
        QTimer::singleShot(700, &d, [&d] {
            EXPECT_TRUE(dynamic_cast<ui::TFormAggiornamento&>(d).InCorso());
            Premi(d, "ChiudiBtn");
        });
    });
    EXPECT_LT(orologio.elapsed(), 3000);
    EXPECT_TRUE(f.servizi.Errori.empty());
    Intatti();
}

TEST(FinestreArchivio, ImpostazioniDiCollegamentoRifiutanoIControlliESalvano)
{
    TFinestraPrinc f;
    f.servizi.AttendiDialogo([&f](QDialog& d) {
        morella::test::Fotografa(d, QStringLiteral("FormImpCollegamento"));
        Scrivi(d, "EditPosta", QStringLiteral("giocatore@example.org"));
        Scrivi(d, "EditDirectory", QStringLiteral("archivi\r\nDELE archivio.mra"));
        EXPECT_EQ(Premi(d, "OKBtn"), -1);  // refused, the dialog stays on what was typed
        EXPECT_EQ(f.servizi.Errori.size(), 1u);
        Scrivi(d, "EditDirectory", QStringLiteral("pub/archivi"));
        return Premi(d, "OKBtn");
    });
    f.A("Impostazioni1")->trigger();
    TConfigurazione letta;
    LeggiConfigurazione(letta, FileConfigurazione());
    EXPECT_EQ(letta.IndirizzoPosta, "giocatore@example.org");
    EXPECT_EQ(letta.DirectoryFtp, "pub/archivi");
    EXPECT_EQ(f.sistema.Dati().Configurazione.DirectoryFtp, "pub/archivi");
}
