// The editors of the conditions that judge the whole column with value tables: one value
// table control per table, titled with the table's caption, on the shared editor frame; the
// vortex with its two pages and its admitted signs as check boxes. Also the one function
// that registers every condition editor at start-up.
#pragma once

#include <QString>
#include <array>
#include <vector>

#include "FormCondizione.h"
#include "TipiCondizione.h"

class QCheckBox;
class QTabWidget;

namespace morella::ui {

// The caption of a kind's editor window.
QString TitoloEditore(TipoCondizione tipo);

// A condition of tables shown one control under the other.
class TFormTabelle : public TFormCondizione {
    Q_OBJECT
   public:
    TFormTabelle(TipoCondizione tipo, QWidget* parent = nullptr);
};

// "Vortice": pages "Diretto" and "Inverso", each with "Posizione", "Bracci" and the admitted
// signs as three check boxes under "Segni Ammessi".
class TFormVortice : public TFormCondizione {
    Q_OBJECT
   public:
    explicit TFormVortice(QWidget* parent = nullptr);
    QTabWidget* Pagine() const { return pagine_; }
    // Page 0 "Diretto", 1 "Inverso"; sign 0 "1", 1 "X", 2 "2".
    QCheckBox* Casella(int pagina, int segno) const;

   protected:
    void AggiornaControlli(TCondizione& c) override;
    bool AcquisisceControlli(TCondizione& c) override;
    void AzzeraControlli() override;

   private:
    QTabWidget* pagine_;
    std::array<std::array<QCheckBox*, 3>, 2> caselle_{};
    std::array<bool, 2> segniAzzerati_{};
};

// Registers the editor of every condition kind the desktop layer has; called once at
// start-up, before the main window reads the registry.
void RegistraEditoriCondizioni();

}  // namespace morella::ui
