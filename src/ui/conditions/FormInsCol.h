// "Inserimento Colone filtro dall'archivo": the first and last contest ("Concorsi Da
// Inserire", season and number each) and the points the new filter columns accept. The
// rules of the range are TDialogoInsCol's; the panel editor adds the columns on OK.
#pragma once

#include <QDialog>
#include <vector>

#include "FiltriDaArchivio.h"

class QCheckBox;
class QSpinBox;

namespace morella::ui {

inline constexpr const char* TitoloInsCol = "Inserimento Colone filtro dall'archivo";

class TFormInsCol : public QDialog {
    Q_OBJECT
   public:
    TFormInsCol(const T_Archivio& archivio, QWidget* parent = nullptr);

    // The accepted points ticked into the dialog's model (the range follows every edit).
    void Acquisisci();
    const TDialogoInsCol& Dialogo() const { return dialogo_; }

   private:
    void Mostra();

    TDialogoInsCol dialogo_;
    QSpinBox* primaStagione_;
    QSpinBox* primoNumero_;
    QSpinBox* ultimaStagione_;
    QSpinBox* ultimoNumero_;
    std::vector<QCheckBox*> punti_;
};

}  // namespace morella::ui
