// The editor of one value table of a condition: pages "P" (points), "Cs" (runs) and "Cm"
// (event range), a row of value boxes the player clicks through excluded, admitted and in
// recupero, level buttons above and below the boxes, arrows that page the row, and the link
// letter and points-between group of the table shown. The rules live in TModelloGraphPt.
#pragma once

#include <QString>
#include <QWidget>

#include "ModelloGraphPt.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QStackedWidget;
class QTimer;

namespace morella::ui {

class TGraphPt;

// The painted row of boxes with its captions and arrows.
class TGrigliaGraphPt : public QWidget {
   public:
    explicit TGrigliaGraphPt(TGraphPt& proprietario);
    // The layout of the boxes in this widget's coordinates.
    TGeometriaGraphPt Geometria() const;
    // The centre of a zone of a box (or of an arrow; box is then ignored).
    QPoint Punto(TZonaGraphPt zona, int box = 0) const;
    bool Ripete() const;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

   protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void leaveEvent(QEvent* e) override;

   private:
    int LarghezzaTesto() const;
    int AltezzaNumeri() const;
    void Ferma();

    TGraphPt& g_;
    QTimer* ripeti_;
    TZonaGraphPt freccia_ = TZonaGraphPt::Nessuna;  // the arrow held down
};

class TGraphPt : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString Titolo READ Titolo WRITE ImpostaTitolo)
    Q_PROPERTY(int PtTotali READ PtTotali WRITE ImpostaPtTotali)
    Q_PROPERTY(int PtVisibili READ PtVisibili WRITE ImpostaPtVisibili)
    Q_PROPERTY(int PtIniziale READ PtIniziale WRITE ImpostaPtIniziale)
    Q_PROPERTY(bool LinkTra READ LinkTra WRITE ImpostaLinkTra)
    Q_PROPERTY(bool Testo READ Testo WRITE ImpostaTesto)
    Q_PROPERTY(bool Bordo READ Bordo WRITE ImpostaBordo)
    Q_PROPERTY(bool RecVisibili READ RecVisibili WRITE ImpostaRecVisibili)
    Q_PROPERTY(bool TipoPunti READ TipoPunti WRITE ImpostaTipoPunti)
    Q_PROPERTY(bool TipoCons READ TipoCons WRITE ImpostaTipoCons)
    Q_PROPERTY(bool TipoCampo READ TipoCampo WRITE ImpostaTipoCampo)
    Q_PROPERTY(int NumEvents READ NumEvents WRITE ImpostaNumEvents)
    Q_PROPERTY(bool Modificato READ Modificato WRITE ImpostaModificato)

   public:
    explicit TGraphPt(QWidget* parent = nullptr);

    // Published pixel sizes (at the smallest font; a larger font widens them).
    int YBoxPt = 20, LBoxPt = 18, ABoxPt = 18, YBtn = 46, ABtn = 13, ARec = 14, YTra = 30, YLink = 74;

    // Load (program code: clears Modificato, the offset, shows the first available page)
    // and read back both sub-tables with letters, groups and range.
    void ImpostaTabella(const TTabellaValori& t);
    void LeggiTabella(TTabellaValori& t) const;
    bool Modificato() const { return modello_.Modificato; }
    void ImpostaModificato(bool m) { modello_.Modificato = m; }

    QString Titolo() const { return titolo_; }
    void ImpostaTitolo(const QString& t);
    // The caption while the runs page is shown; empty: Titolo.
    QString TitoloCons() const { return titoloCons_; }
    void ImpostaTitoloCons(const QString& t);
    int PtTotali() const { return modello_.PtTotali; }
    void ImpostaPtTotali(int v);
    int PtVisibili() const { return modello_.PtVisibili; }
    void ImpostaPtVisibili(int v);
    int PtIniziale() const { return modello_.PtIniziale; }
    void ImpostaPtIniziale(int v);
    bool LinkTra() const { return linkTra_; }
    void ImpostaLinkTra(bool v);
    bool Testo() const { return testo_; }
    void ImpostaTesto(bool v);
    bool Bordo() const { return bordo_; }
    void ImpostaBordo(bool v);
    bool RecVisibili() const { return modello_.RecVisibili; }
    void ImpostaRecVisibili(bool v);
    bool TipoPunti() const { return modello_.TipoPunti; }
    void ImpostaTipoPunti(bool v);
    bool TipoCons() const { return modello_.TipoCons; }
    void ImpostaTipoCons(bool v);
    bool TipoCampo() const { return modello_.TipoCampo; }
    void ImpostaTipoCampo(bool v);
    int NumEvents() const { return modello_.NumEvents; }
    void ImpostaNumEvents(int v);

    const TModelloGraphPt& Modello() const { return modello_; }
    // The page shown (program code, e.g. a test or a dialog restoring its view).
    void MostraPagina(TPaginaGraphPt p);

    // The parts, for tests and for the dialogs that lay them out.
    TGrigliaGraphPt* Griglia() const { return griglia_; }
    QPushButton* Pulsante(TPaginaGraphPt p) const;
    QComboBox* ComboLink() const { return link_; }
    QSpinBox* SpinTra() const { return tra_; }
    QSpinBox* SpinMin() const { return min_; }
    QSpinBox* SpinMax() const { return max_; }

   signals:
    void OnModificato();

   private:
    friend class TGrigliaGraphPt;
    // A change made by the player: repaint, recolour and tell the owner.
    void Cambiato();
    // Copies the model into the controls without any of them reporting a change.
    void Aggiorna();
    void AggiornaTitolo();

    TModelloGraphPt modello_;
    QString titolo_, titoloCons_;
    bool linkTra_ = true, testo_ = true, bordo_ = true;

    QGroupBox* cornice_;
    QPushButton* pagine_[3];
    QLabel* etichettaLink_;
    QComboBox* link_;
    QLabel* etichettaTra_;
    QSpinBox* tra_;
    QStackedWidget* stack_;
    TGrigliaGraphPt* griglia_;
    QSpinBox* min_;
    QSpinBox* max_;
};

}  // namespace morella::ui
