// The columns windows fit the screen, and their pictures for a look by eye (written when
// MORELLA_SCREENSHOTS names a folder; run under xvfb at each screen size).
#include <QLineEdit>

#include "CondizioniRealistiche.h"
#include "EditColonna.h"
#include "FormAccorpa.h"
#include "FormOperazioni.h"
#include "FormSpoglio.h"
#include "FormVisCol.h"
#include "FormVisVin.h"
#include "ProvaColonne.h"

using namespace morella;
using namespace morella::test;

TEST(SchermateColonne, FinestreDelleColonne)
{
    for (int gioco : {GiocoTotip, GiocoToto}) {
        TFinestraColonne f(gioco);
        PronosticoDiProva(f.sistema);
        bench::CondizioniRealistiche(*f.sistema.Dati().Condizioni);
        const QString g = gioco == GiocoToto ? QStringLiteral("-toto") : QString();
        TListaColonne l = PrimeColonne(70, 11);
        l[2][3] = 3;
        {
            ui::TFormVisCol v(f.w.get());
            v.Colonne() = l;
            Fotografa(v, "viscol" + g);
        }
        {
            ui::TFormOperazioni o(f.w.get());
            o.findChild<QLineEdit*>("Source1")->setText(
                QString::fromStdString(FileColonnare("Sviluppo.Col")));
            Fotografa(o, "operazioni" + g);
        }
        {
            ui::TFormAccorpa a(f.w.get());
            Fotografa(a, "accorpa" + g);
        }
        ui::TFormSpoglio s(f.sistema, f.w.get());
        s.Colonne() = l;
        s.Apri();
        TColonna vincente = l[9];
        vincente[0] = SegnoDaCifra(2);
        s.Vincente()->ImpostaColonna(vincente);
        Fotografa(s, "spoglio" + g);
        ui::TFormVisVin vv(l, vincente, s.Vista().Risultato, &s);
        vv.ScegliPunti(NumEvents - 1);
        Fotografa(vv, "visvin" + g);
    }
}
