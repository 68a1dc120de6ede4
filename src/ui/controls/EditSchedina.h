// The coupon editor: event names, prediction, Corsa +, contest number, the percentage and
// value tables with their lamps, over the coupon picture of the game. It reports every
// change of the player's with OnModificato; the main window then takes its content into the
// system (AcquisisceTutto) and gives it back after New and Load (ImpostaTutto).
#pragma once

#include <QPixmap>
#include <QWidget>

#include "ControlliSchedina.h"
#include "DatiSistema.h"
#include "DocumentoSchedina.h"
#include "GeometriaSchedina.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace morella::ui {

// The coupon picture, drawn for the layout `da`, fitted onto the layout `a`.
QPixmap SfondoDallaMaschera(const QPixmap& maschera, const geometria::TDisposizione& da,
                            const geometria::TDisposizione& a);

// The event names: numbers, and the team names for the football pool (editable) or the
// fixed row labels of Enalotto and Totip (read-only).
class TEditPartite : public QWidget {
    Q_OBJECT
   public:
    explicit TEditPartite(QWidget* parent = nullptr);

    int CelWidth = 80;
    int CelHeight = 18;

    void ImpostaGioco(int gioco);
    void ImpostaAltezzaRighe(int altezza);
    // Names loaded by program code (football pool only; the labels of the others stay).
    void ImpostaNomi(const std::array<std::array<std::string, 2>, MaxEventi>& nomi);
    std::array<std::array<std::string, 2>, MaxEventi> Nomi() const;
    void Azzera();
    bool Modificato() const { return modificato_; }
    void AzzeraModificato() { modificato_ = false; }
    QTableWidget* Grid() const { return grid_; }
    QSize sizeHint() const override;

   signals:
    void OnModificato();

   private:
    QTableWidget* grid_;
    int gioco_ = GiocoToto;
    bool caricando_ = false;
    bool modificato_ = false;
};

class TEditSchedina : public QWidget {
    Q_OBJECT
   public:
    explicit TEditSchedina(QWidget* parent = nullptr);

    // Events, coupon picture and layout of a game; false when the picture could not be
    // loaded (the editor works without it).
    bool ImpostaGioco(int gioco);
    int Gioco() const { return gioco_; }
    // Where every part goes at a pitch (the same layout the coupon pictures are drawn by).
    geometria::TDisposizione Disposizione(int deltaY) const;
    // The pitch that fits an area of the window, with a frame of `bordo` pixels around.
    int PassoPerArea(int larghezza, int altezza, int bordo) const;
    // The smaller rows and circles of a screen at most 640 pixels wide.
    void ImpostaCompatto(bool compatto);
    // Rows of the given pitch (16 compact, 18 standard, more on a large screen); every
    // other measure of the coupon follows.
    void ImpostaGrandezza(int deltaY);
    int DeltaY() const { return deltaY_; }

    // What the player typed, with the percentage rows brought to their rule first (the
    // cells show the normalised row afterwards).
    TContenutoSchedina Contenuto();
    // Loaded by program code: names, prediction, Corsa +, tables and number.
    void ImpostaContenuto(const TContenutoSchedina& c);
    QString NumeroTesto() const;
    void Azzera();

    bool Modificato() const;
    void AzzeraModificato();
    // No cell of the coupon's grids stays selected (a new system starts with none).
    void AzzeraSelezione();
    bool PercentualiComplete() const { return percComplete_; }
    bool ValoriCompleti() const { return valComplete_; }

    TEditPartite* Partite;
    TEditpronostico* Pronostico;
    TEditCorsaPiu* CorsaPiu;
    QLineEdit* Numero;
    QTableWidget* GridPerc;
    QTableWidget* GridVal;
    TSemaforo* SPronostico;
    TSemaforo* SPercentuali;
    TSemaforo* SValori;
    QPushButton* BtnAnalisi;
    QPushButton* BtnAzzera;
    QPushButton* BtnArchivio;

   signals:
    void OnModificato();
    // The contest number as typed, after every edit of the player's.
    void NumeroModificato(const QString& testo);

   protected:
    void paintEvent(QPaintEvent*) override;

   private:
    void Disponi();
    void CellaModificata();
    void AggiornaSemafori();
    TCelleTabella Celle(const QTableWidget& grid) const;
    void ImpostaCelle(QTableWidget& grid, const TCelleTabella& celle);
    void Colora();
    int Eventi() const { return EventiDelGioco(gioco_); }

    QLabel* etichettaPronostico_;
    QLabel* etichettaPerc_;
    QLabel* etichettaVal_;
    QLabel* etichettaNumero_;
    QLabel* etichettaCorsaPiu_;
    QPixmap maschera_;
    QPixmap sfondo_;  // the picture fitted to the current layout
    int gioco_ = GiocoToto;
    int deltaY_ = 18;
    bool caricando_ = false;
    bool modificato_ = false;
    bool percComplete_ = false;
    bool valComplete_ = false;
};

}  // namespace morella::ui
