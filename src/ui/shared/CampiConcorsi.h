// The four fields of a range of contests (first season, first number, last season, last
// number) that the search settings, the archive print and the archive's filter columns share.
#pragma once

#include <QSignalBlocker>
#include <QSpinBox>
#include <array>
#include <cstdint>
#include <functional>

#include "DialoghiRicerca.h"

namespace morella::ui {

using TCampiConcorsi = std::array<QSpinBox*, 4>;

// Makes the four fields into `campi`, named as given, seasons within the archive's and numbers
// within a season's.
inline void CreaCampiConcorsi(QWidget* padre, const TStagioniArchivio& limiti,
                              const std::array<const char*, 4>& nomi, const std::array<QSpinBox**, 4>& campi)
{
    for (std::size_t k = 0; k < campi.size(); ++k) {
        auto* s = new QSpinBox(padre);
        s->setObjectName(QString::fromLatin1(nomi[k]));
        const bool stagione = k % 2 == 0;
        s->setRange(stagione ? limiti.Prima : NumeroMinimoRicerca,
                    stagione ? limiti.Ultima : NumeroMassimoRicerca);
        *campi[k] = s;
    }
}

// Shows a range in its fields without running their handlers.
inline void MostraEstremi(const TCampiConcorsi& campi, const TEstremiConcorsi& e)
{
    const int valori[] = {e.PrimaStagione, e.PrimoNumero, e.UltimaStagione, e.UltimoNumero};
    for (std::size_t k = 0; k < campi.size(); ++k) {
        const QSignalBlocker blocco(campi[k]);
        campi[k]->setValue(valori[k]);
    }
}

// Every edit of a field goes to its setter of the model, then `mostra` shows the whole range
// again: the model keeps the range ordered and may move the other fields.
template <class TModello>
void LegaEstremi(QWidget* finestra, const TCampiConcorsi& campi, TModello& modello,
                 const std::array<void (TModello::*)(std::int32_t), 4>& imposta, std::function<void()> mostra)
{
    for (std::size_t k = 0; k < campi.size(); ++k)
        QObject::connect(campi[k], &QSpinBox::valueChanged, finestra,
                         [&modello, setter = imposta[k], mostra](int v) {
                             (modello.*setter)(v);
                             mostra();
                         });
}

}  // namespace morella::ui
