// The sequence, values, percentages, filter-column, points-between and link editors fit the
// screen of the run with an element shown; with MORELLA_SCREENSHOTS=DIR (run under xvfb-run
// at 640 x 480, 1024 x 768 and 1920 x 1080) they are also saved for a look by eye.
#include <gtest/gtest.h>

#include "ColonnaFiltro.h"
#include "CondizioneAPesi.h"
#include "DatiSistema.h"
#include "ElencoCondizioni.h"
#include "FabbricaCondizioni.h"
#include "FormEditoriGruppi.h"
#include "FormRec.h"
#include "ProvaUi.h"
#include "PuntiTra.h"
#include "Sequele.h"
#include "Sistema.h"
#include "Valori.h"

using namespace morella;
using morella::test::Fotografa;

TEST(SchermateGruppi, EditoriConUnElemento)
{
    test::TGiocoTemporaneo gioco(GiocoToto);
    TSistema sistema;
    TElencoCondizioni& elenco = *sistema.Dati().Condizioni;
    auto& sequele = *elenco.Condizione<TGruppoCondizioni>(TipoGruppoSequele);
    auto s = std::make_unique<TSequele>();
    s->Schema[0] = Segno1;
    s->Schema[1] = SegnoX;
    s->Lunghezza = 2;
    sequele.Aggiungi(std::move(s));
    for (TipoCondizione tipo : {TipoGruppoValori, TipoGruppoPercentuali}) {
        auto& g = *elenco.Condizione<TGruppoCondizioni>(tipo);
        std::unique_ptr<TCondizione> e = CreaCondizione(TipoElementoDelGruppo(tipo), &elenco);
        auto& p = dynamic_cast<TCondizioneAPesi&>(*e);
        p.Partite[1] = p.Partite[4] = true;
        p.Intervalli.Aggiungi({1, 12.5, StatoInRecupero, 2});
        g.Aggiungi(std::move(e));
    }
    auto& filtri = *elenco.Condizione<TGruppoCondizioni>(TipoGruppoColonneFiltro);
    auto f = std::make_unique<TColonnaFiltro>();
    f->ColonnaFiltro[0] = Segno1 | SegnoX;
    filtri.Aggiungi(std::move(f));
    elenco.Condizione<TPuntiTra>(TipoPuntiTra)->Gruppo(1).Aggiungi({3, 7, StatoAmmesso, 1});

    const std::pair<TipoCondizione, const char*> editori[] = {
        {TipoGruppoSequele, "FormSequela"},
        {TipoGruppoValori, "FormValori"},
        {TipoGruppoPercentuali, "FormPercentuali"},
        {TipoGruppoColonneFiltro, "FormListaColFiltro"},
        {TipoPuntiTra, "FormPtTra"},
    };
    for (const auto& [tipo, nome] : editori) {
        std::unique_ptr<ui::TFormCondizione> d;
        if (tipo == TipoGruppoSequele)
            d = std::make_unique<ui::TFormSequela>();
        else if (tipo == TipoGruppoColonneFiltro)
            d = std::make_unique<ui::TFormListaColFiltro>();
        else if (tipo == TipoPuntiTra)
            d = std::make_unique<ui::TFormPtTra>();
        else
            d = std::make_unique<ui::TFormPVP>(tipo);
        d->ImpostaOggetto(*elenco.Condizione(tipo));
        d->AggiornaForm();
        Fotografa(*d, QString::fromLatin1(nome));
    }
    ui::TFormRec link(*sistema.Dati().Link, &elenco);
    Fotografa(link, QStringLiteral("FormRec"));
    ui::TFormAnalisiColonneFiltrate analisi(*sistema.Dati().Link, 'A');
    Fotografa(analisi, QStringLiteral("FormAnalisiColonneFiltrate"));
}
