// The editor of the group of differentiated consecutiveness: one element at a time on the
// group frame, with its sign and its two value tables.
#pragma once

#include <array>

#include "FormGruppo.h"

class QRadioButton;

namespace morella::ui {

class TGraphPt;

class TFormConsecutivita : public TFormGruppo {
    Q_OBJECT

   public:
    explicit TFormConsecutivita(QWidget* parent = nullptr);

   protected:
    void MostraElemento(const TCondizione* e) override;
    void AcquisisceElemento(TCondizione& e) override;

   private:
    std::array<QRadioButton*, 3> segni_{};
    TGraphPt* conteggi_ = nullptr;
    TGraphPt* run_ = nullptr;
};

}  // namespace morella::ui
