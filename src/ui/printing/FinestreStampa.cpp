#include "FinestreStampa.h"

#include <QApplication>
#include <QCursor>

#include "Cartelle.h"
#include "FormAccorpa.h"
#include "FormDettSche.h"
#include "FormStSche.h"
#include "FormTarTotipEna.h"
#include "LettoreAudioQt.h"
#include "RegistroFinestre.h"
#include "ServiziUi.h"
#include "Sistema.h"
#include "TemporizzatoreQt.h"

namespace morella::ui {

namespace {

TFabbricaVoce& Fabbrica()
{
    static TFabbricaVoce fabbrica;
    return fabbrica;
}

}  // namespace

TListaColonne ColonneDaMemoria(const TSistema& sistema, QWidget* padre)
{
    TListaColonne colonne;
    RiempiDaMemoria(sistema, colonne, padre);
    return colonne;
}

std::optional<TListaColonne> ColonneDaFile(const TSistema& sistema, QWidget* padre)
{
    TListaColonne colonne;
    try {
        if (!RiempiDaFile(sistema, colonne, padre)) return std::nullopt;
    } catch (const std::exception& e) {
        Servizi().MostraErrore(padre, e.what());
        return std::nullopt;
    }
    return colonne;
}

TVoceDettatura NuovaVoce()
{
    if (Fabbrica()) return Fabbrica()();
    return {std::make_unique<TLettoreAudioQt>(), std::make_unique<TTemporizzatoreQt>()};
}

void ImpostaFabbricaVoce(TFabbricaVoce fabbrica)
{
    Fabbrica() = std::move(fabbrica);
}

void RegistraFinestreStampa()
{
    auto& comandi = RegistroFinestre().comandi;
    comandi["TaraturaStampante1"] = [](TContestoComando& c) {
        TFormTarTotipEna::Esegui(c.Sistema, c.Finestra);
    };
    comandi["StDamemoria1"] = [](TContestoComando& c) {
        TFormStSche::Esegui(c.Sistema, ColonneDaMemoria(c.Sistema, c.Finestra), c.Finestra);
    };
    comandi["DaFile2"] = [](TContestoComando& c) {
        if (auto colonne = ColonneDaFile(c.Sistema, c.Finestra))
            TFormStSche::Esegui(c.Sistema, std::move(*colonne), c.Finestra);
    };
    comandi["DetDaMemoria1"] = [](TContestoComando& c) {
        TFormDettSche::Esegui(ColonneDaMemoria(c.Sistema, c.Finestra), c.Finestra);
    };
    comandi["DaFile4"] = [](TContestoComando& c) {
        if (auto colonne = ColonneDaFile(c.Sistema, c.Finestra)) TFormDettSche::Esegui(*colonne, c.Finestra);
    };
}

}  // namespace morella::ui
