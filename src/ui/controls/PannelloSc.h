// The coupon panel with selectable events: one row per event with its number, names,
// prediction and (for values and percentages) the values; a selected row is highlighted.
// The rules live in TModelloPannelloSc; this widget draws it and turns clicks into rows.
#pragma once

#include <QWidget>

#include "ModelloPannelloSc.h"

namespace morella::ui {

class TPannelloSc : public QWidget {
    Q_OBJECT
   public:
    explicit TPannelloSc(QWidget* parent = nullptr);

    // Published sizes, in pixels at the default font; the widget grows them with its font.
    int Gioco = 1;
    int NumEvents = 13;
    int LNum = 20, LSquadra = 63, LPro = 25, LValori = 77, ARighe = 15, Gap1 = 1, Gap3 = 2;

    TModelloPannelloSc& Modello() { return modello_; }
    const TModelloPannelloSc& Modello() const { return modello_; }

    void ImpostaGioco(int gioco);
    void ImpostaTipo(int tipo);
    void ImpostaNomi(const std::array<std::array<std::string, 2>, MaxEventi>& nomi);
    void ImpostaPercentuali(const TTabellaSegni& t);
    void ImpostaValori(const TTabellaSegni& t);
    void ImpostaPronostico(const TPronostico& p);
    void ImpostaSelezionabili(const std::array<bool, MaxEventi>& flag);
    void ImpostaSelezionati(const std::array<bool, MaxEventi>& flag);
    void ImpostaSquadre(const std::array<std::array<bool, 2>, MaxEventi>& flag);
    void ImpostaSelezionaPartiteSingole(bool s) { modello_.SelezionaPartiteSingole = s; }
    void ImpostaPtPerVittoria(int punti) { modello_.PtPerVittoria = punti; }

    // One byte per event (13), 1 when selected.
    std::array<std::uint8_t, MaxEventi> Selezionati() const { return modello_.Selezionati(); }
    // The lowest and highest total the selected events of the game can give.
    TIntervalloSelezione Intervallo() const { return modello_.Intervallo(NumEvents); }
    bool Modificato() const { return modello_.Modificato; }
    void ImpostaModificato(bool m) { modello_.Modificato = m; }

    // Row and zone under a point of the widget; -1 as row outside the rows.
    int RigaIn(const QPoint& p) const;
    TZonaPannello ZonaIn(const QPoint& p) const;
    QRect RettangoloRiga(int evento) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

   signals:
    void OnModificato();

   protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent* e) override;

   private:
    struct TMisure {
        int num, squadra, pro, valori, riga;
    };
    TMisure Misure() const;
    bool DueNomi() const { return Gioco == GiocoToto || modello_.Tipo == 1; }

    TModelloPannelloSc modello_;
};

}  // namespace morella::ui
