// The small controls of the coupon editor: the prediction circles, the Corsa + boxes and
// the two-light lamp. Each edits or shows one thing; the rules they apply (which circle a
// click hits, when the prediction is complete) come from the core's EditorSchedina.h.
#pragma once

#include <QColor>
#include <QWidget>

#include "Colonna.h"
#include "EditorSchedina.h"

namespace morella::ui {

inline const QColor ColoreArancio{255, 128, 0};
inline const QColor ColoreSegnoAcceso{0, 128, 255};
// The highlight of a selected row or card: the same light blue as a prediction's set signs.
inline const QColor AzzurroSelezione = ColoreSegnoAcceso;

// The prediction: one row of three circles ("1", "X", "2") per event.
class TEditpronostico : public QWidget {
    Q_OBJECT
   public:
    explicit TEditpronostico(QWidget* parent = nullptr);

    TGeometriaPronostico Geometria;
    QColor ColoreSfondo = ColoreArancio;

    void ImpostaGioco(int gioco);
    int Gioco() const { return gioco_; }
    void ImpostaGeometria(const TGeometriaPronostico& g);
    // Loaded by program code: not a change of the player's.
    void ImpostaPronostico(const TPronostico& p);
    const TPronostico& Pronostico() const { return pronostico_; }
    bool PronosticoCompleto() const { return completo_; }
    bool Modificato() const { return modificato_; }
    void AzzeraModificato() { modificato_ = false; }
    QSize sizeHint() const override;
    // Centre of a circle, for tests and tools that click it.
    QPoint CentroCerchio(int evento, int segno) const;

   signals:
    void OnModificato();

   protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;

   private:
    int Eventi() const { return EventiDelGioco(gioco_); }
    int gioco_ = GiocoToto;
    TPronostico pronostico_{};
    bool completo_ = false;
    bool modificato_ = false;
};

// The Corsa + horses: two rows of eight numbered boxes (Totip only).
class TEditCorsaPiu : public QWidget {
    Q_OBJECT
   public:
    explicit TEditCorsaPiu(QWidget* parent = nullptr);

    TGeometriaCorsaPiu Geometria;
    QColor ColoreSfondo = ColoreArancio;

    void ImpostaMaschera(TMascheraCorsaPiu m);
    TMascheraCorsaPiu Maschera() const { return maschera_; }
    bool PronosticoCompleto() const { return CorsaPiuCompleta(maschera_); }
    bool Modificato() const { return modificato_; }
    void AzzeraModificato() { modificato_ = false; }
    QSize sizeHint() const override;
    QPoint CentroCasella(int cavallo) const;  // horse 1..16

   signals:
    void OnModificato();

   protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;

   private:
    TMascheraCorsaPiu maschera_ = 0;
    bool modificato_ = false;
};

// Two lights one above the other: red over white while off, white over green when on.
class TSemaforo : public QWidget {
    Q_OBJECT
   public:
    explicit TSemaforo(QWidget* parent = nullptr);

    int Diametro = 15;
    int DeltaY = 17;
    int LeftGap = 4;
    int TopGap = 3;

    bool Stato() const { return stato_; }
    void ImpostaStato(bool stato);
    QSize sizeHint() const override;

   protected:
    void paintEvent(QPaintEvent*) override;

   private:
    bool stato_ = false;
};

}  // namespace morella::ui
