// The printer canvas over Qt: a paged device (a QPrinter or a PDF writer) and a QPainter, for
// the system printer (CUPS), a PDF file or the pages of a print preview. Fonts that are not installed
// ("Courier New", "Arial", "Small Fonts") are replaced by their metric-compatible Liberation faces.
#pragma once

#include <QFont>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>
#include <functional>
#include <memory>
#include <string>

#include "TelaStampa.h"

class QDialog;
class QWidget;

namespace morella::piattaforma {

class TTelaQt : public TTelaStampa {
   public:
    // `unSoloLavoro`: the documents begun and ended on this canvas go out as the pages of one
    // job (a PDF file or a preview cannot be reopened); otherwise each is a job of its own,
    // which the system printer ejects.
    TTelaQt(QPagedPaintDevice& printer, bool unSoloLavoro);
    ~TTelaQt() override;
    TTelaQt(const TTelaQt&) = delete;
    TTelaQt& operator=(const TTelaQt&) = delete;

    int LarghezzaPunti() const override;
    int AltezzaPunti() const override;
    TOrientamentoPagina Orientamento() const override;
    void ImpostaOrientamento(TOrientamentoPagina orientamento) override;
    void IniziaDocumento() override;
    void NuovaPagina() override;
    void ChiudiDocumento() override;
    void AbbandonaDocumento() override;
    void ImpostaFont(const TFontStampa& font) override;
    TFontStampa Font() const override { return font_; }
    void ImpostaPenna(TColoreStampa colore) override;
    void ImpostaPennello(TColoreStampa colore) override;
    void Testo(int x, int y, const std::string& testo) override;
    TDimensioniPunti MisuraTesto(const std::string& testo) override;
    void Linea(int x1, int y1, int x2, int y2) override;
    void Rettangolo(int x1, int y1, int x2, int y2) override;
    void Ellisse(int x1, int y1, int x2, int y2) override;

    // Ends a job still open (the canvas of one job); false when the device refused to end it.
    bool Concludi();
    // Whether anything was begun on this canvas since it was made.
    bool Iniziata() const { return iniziata_; }

   private:
    void Applica();

    // Keeps the C library from handing the memory of every page back to the system and
    // asking for it again on the next (the PDF engine compresses each page with buffers of
    // its own): for the life of the canvas. Without it a job of thousands of pages spends
    // most of its time in page faults.
    struct TMemoriaPagine {
        TMemoriaPagine();
        ~TMemoriaPagine();
        TMemoriaPagine(const TMemoriaPagine&) = delete;
        TMemoriaPagine& operator=(const TMemoriaPagine&) = delete;
    } memoria_;
    QPagedPaintDevice& printer_;
    QPainter painter_;
    bool unSoloLavoro_;
    bool aperto_ = false;  // a document begun and not ended
    bool pagine_ = false;  // the painter holds pages of the one job
    bool iniziata_ = false;
    TFontStampa font_;
    QFont qfont_;
    QColor penna_ = Qt::black;
    QColor pennello_ = Qt::white;
};

// The family this machine prints for a font name: the name itself when installed, else its
// Liberation counterpart.
QString FamigliaStampa(const std::string& nome);

// A printer writing a PDF file (A4, high resolution).
std::unique_ptr<QPrinter> StampantePdf(const std::string& file);

// Runs `lavoro` into a PDF file through the program's safe save: the pages go to a temporary
// file beside the target, which replaces it only after a complete, checked write; an
// interruption (SIGINT, SIGTERM) during the job leaves no temporary file behind. Any failure
// throws `messaggio` and leaves the old file as it was.
inline constexpr const char* MessaggioStampaPdf = "Impossibile Stampare";
void StampaPdf(const std::string& file, const std::function<void(TTelaStampa&)>& lavoro,
               const std::string& messaggio = MessaggioStampaPdf);

// Shows the pages of `lavoro` in a print preview; its print button sends them to the system
// printer. True when they were printed. The job runs again for every repaint of the preview
// and once more for the paper, so it must not ask the player anything (no pause between
// coupons: a pause only makes sense straight to the printer).
// `esegui` runs the dialog's modal loop and returns its result: the desktop program hands
// in its services' loop, so that a test drives the dialog instead of waiting on it.
using TEseguiDialogo = std::function<int(QDialog&)>;
bool AnteprimaEStampa(QWidget* genitore, const std::function<void(TTelaStampa&)>& lavoro,
                      const TEseguiDialogo& esegui = {});

// Straight to the system printer after the print dialog; true when printed.
bool StampaDiretta(QWidget* genitore, const std::function<void(TTelaStampa&)>& lavoro,
                   const TEseguiDialogo& esegui = {});

// A QGuiApplication on the offscreen platform for a tool without windows (PDF output of the
// command-line tool), unless the process already has an application. Qt's own diagnostics
// (in English, about its environment) are kept from the player: the tool reports failures
// in its own words.
class TAmbienteStampa {
   public:
    TAmbienteStampa();
    ~TAmbienteStampa();
    TAmbienteStampa(const TAmbienteStampa&) = delete;
    TAmbienteStampa& operator=(const TAmbienteStampa&) = delete;

   private:
    struct TDati;
    std::unique_ptr<TDati> dati_;
};

}  // namespace morella::piattaforma
