#include "ServiziUi.h"

#include "GeometriaAnteprima.h"
#include "TelaQt.h"

#include <QDialog>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>

#include "FormAiuto.h"
#include "FormMessage.h"

namespace morella::ui {

namespace {
TServiziUi*& Installati()
{
    static TServiziUi* servizi = nullptr;
    return servizi;
}
}  // namespace

TServiziUi& Servizi()
{
    static TServiziUi reali;
    return Installati() ? *Installati() : reali;
}

void ImpostaServizi(TServiziUi* servizi)
{
    Installati() = servizi;
}

int TServiziUi::Chiedi(QWidget* padre, const std::string& titolo, const std::string& testo, int pulsanti)
{
    TFormMessage box(padre);
    box.Prepara(titolo, testo, pulsanti);
    return box.Esegui();
}

std::string FiltroQt(const std::string& filtro)
{
    // Pairs of description and pattern separated by '|'.
    std::string risultato;
    std::size_t inizio = 0;
    while (inizio < filtro.size()) {
        std::size_t a = filtro.find('|', inizio);
        if (a == std::string::npos) break;
        std::size_t b = filtro.find('|', a + 1);
        std::string descrizione = filtro.substr(inizio, a - inizio);
        std::string modello = filtro.substr(a + 1, b == std::string::npos ? std::string::npos : b - a - 1);
        if (descrizione.find('(') == std::string::npos) descrizione += " (" + modello + ")";
        if (!risultato.empty()) risultato += ";;";
        risultato += descrizione;
        if (b == std::string::npos) break;
        inizio = b + 1;
    }
    return risultato.empty() ? filtro : risultato;
}

std::optional<std::string> TServiziUi::ScegliFile(QWidget* padre, const TRichiestaFile& r)
{
    QFileDialog dialogo(padre, QString::fromStdString(r.Titolo), QString::fromStdString(r.Cartella),
                        QString::fromStdString(FiltroQt(r.Filtro)));
    dialogo.setAcceptMode(r.Salva ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialogo.setFileMode(r.Salva ? QFileDialog::AnyFile
                                : (r.DeveEsistere ? QFileDialog::ExistingFile : QFileDialog::AnyFile));
    dialogo.setDefaultSuffix(QString::fromStdString(r.Estensione));
    // The overwrite question is the program's own, asked after the choice.
    dialogo.setOption(QFileDialog::DontConfirmOverwrite, true);
    if (!r.Nome.empty()) dialogo.selectFile(QString::fromStdString(r.Nome));
    if (dialogo.exec() != QDialog::Accepted || dialogo.selectedFiles().isEmpty()) return std::nullopt;
    return dialogo.selectedFiles().first().toStdString();
}

int TServiziUi::EseguiDialogo(QDialog& dialogo)
{
    return dialogo.exec();
}

bool TServiziUi::AnteprimaEStampa(QWidget* padre, const TLavoroStampa& lavoro)
{
    return piattaforma::AnteprimaEStampa(padre, lavoro, [this, padre](QDialog& d) {
        // Sized for the screen it opens on, so its toolbar is whole.
        const QScreen* schermo =
            padre && padre->screen() ? padre->screen() : QGuiApplication::primaryScreen();
        const QRect area = schermo ? schermo->availableGeometry() : QRect(0, 0, 1024, 768);
        const TGeometriaAnteprima g = GeometriaAnteprima(area.width(), area.height());
        if (g.Massimizzata) {
            // The whole area first: a desktop without a window manager ignores "maximised".
            d.setGeometry(area);
            d.setWindowState(d.windowState() | Qt::WindowMaximized);
        } else {
            d.resize(g.Larghezza, g.Altezza);
            d.move(area.center() - QPoint(g.Larghezza / 2, g.Altezza / 2));
        }
        return EseguiDialogo(d);
    });
}

bool TServiziUi::StampaDiretta(QWidget* padre, const TLavoroStampa& lavoro)
{
    return piattaforma::StampaDiretta(padre, lavoro, [this](QDialog& d) { return EseguiDialogo(d); });
}

void TServiziUi::MostraErrore(QWidget* padre, const std::string& messaggio)
{
    TFormMessage box(padre);
    box.Prepara("Morella", messaggio, PulsanteOk);
    box.Esegui();
}

void TServiziUi::ApriAiuto(QWidget* padre, int argomento)
{
    TFormAiuto::Apri(padre, argomento);
}

}  // namespace morella::ui
