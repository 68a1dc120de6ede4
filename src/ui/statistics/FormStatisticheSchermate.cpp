#include "FormStatisticheSchermate.h"

#include <QDir>

#include "Archivio.h"
#include "ElencoCondizioni.h"
#include "FormAnalisi.h"
#include "FormArchivio.h"
#include "FormInfoStat.h"
#include "FormSegni.h"
#include "Schermate.h"
#include "Sistema.h"

namespace morella::ui {

namespace {

bool Scatta(QDialog& d, const QString& file)
{
    d.show();
    const bool ok = SalvaSchermata(d, file);
    d.hide();
    return ok;
}

}  // namespace

int SchermateStatistiche(TSistema& sistema, QWidget* padre, const QString& cartella)
{
    auto percorso = [&](const char* nome) { return QDir(cartella).filePath(QString::fromLatin1(nome)); };
    int scritte = 0;
    {
        TFormInfoStat d(sistema, padre);
        d.show();
        d.Esegui();
        scritte += Scatta(d, percorso("infostat.png"));
    }
    const TCondizione* segni = sistema.Dati().Condizioni->Condizione(TipoNumeroSegni);
    if (segni) {
        TFormAnalisiCF analisi(Analizza(*segni, false, sistema), padre);
        scritte += Scatta(analisi, percorso("analisi-colonnare.png"));
        TFormArchivio storico(Analizza(*segni, true, sistema), padre);
        scritte += Scatta(storico, percorso("andamento-storico.png"));
    }
    const T_Archivio vuoto;
    const T_Archivio& archivio = sistema.Dati().Archivio ? *sistema.Dati().Archivio : vuoto;
    {
        TFormProArc d(StatisticheSegni(archivio, sistema.Ricerca), padre);
        scritte += Scatta(d, percorso("segni-archivio.png"));
    }
    {
        TFormProAna d(FrequenzeSegniColonne(sistema.Dati().Colonne), padre);
        scritte += Scatta(d, percorso("segni-colonne.png"));
    }
    return scritte;
}

}  // namespace morella::ui
