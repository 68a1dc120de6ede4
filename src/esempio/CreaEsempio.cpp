// Writes the example system shipped in the program directory's "Sistemi" folder: a Totip
// coupon with triples and doubles, a few conditions, autoreduction N - 1 with the winning
// possibilities, and the columns saved automatically to "Colonne/Esempio.Col".
#include <cstdio>
#include <exception>

#include "Cartelle.h"
#include "Errore.h"
#include "Interruzioni.h"
#include "NumeroSegni.h"
#include "PariDispari.h"
#include "Sistema.h"

using namespace morella;

namespace {

void Ammetti(TTabellaValori& t, int sotto, int da, int a)
{
    for (int v = da; v <= a; ++v) t.ImpostaStato(sotto, v, StatoAmmesso);
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "uso: %s DIRECTORY_PROGRAMMA FILE.Mrl\n", argv[0]);
        return 2;
    }
    try {
        ImpostaGioco(GiocoTotip);
        ImpostaDirectoryProgramma(argv[1]);
        TSistema s;
        TDatiSistema& d = s.Dati();
        const char* corse[6] = {"Agnano", "San Siro", "Capannelle", "Tor di Valle", "Vinovo", "Montegiorgio"};
        for (int i = 0; i < 12; ++i) {
            d.NomiEventi[static_cast<std::size_t>(i)][0] =
                std::string(i % 2 == 0 ? "1º " : "2º ") + corse[i / 2];
        }
        // Five triples, three doubles, four singles: 3^5 x 2^3 = 1944 columns.
        const TSegni pronostico[12] = {7, 3, 1, 7, 5, 7, 2, 6, 7, 1, 7, 4};
        for (int i = 0; i < 12; ++i) d.Pronostico[static_cast<std::size_t>(i)] = pronostico[i];
        d.CorsaPiu = 0x0007;  // horses 1, 2, 3

        auto& segni = *d.Condizioni->Condizione<TNumeroSegni>(TipoNumeroSegni);
        Ammetti(segni.Tabella(0), 0, 3, 7);
        Ammetti(segni.Tabella(1), 0, 2, 6);
        Ammetti(segni.Tabella(2), 0, 1, 5);
        auto& interruzioni = *d.Condizioni->Condizione<TInterruzioni>(TipoInterruzioni);
        Ammetti(interruzioni.Tabella(0), 0, 5, 11);

        TImpostazioniSviluppo& imp = d.Impostazioni;
        imp.Autoriduzione = true;
        imp.CalcoloPercentuali = true;
        imp.SalvaAutomaticamente = true;
        imp.FileDestinazione = UnisciPercorso(CartellaColonne(), "Esempio.Col");
        s.Commento = {"Sistema di esempio: cinque triple e tre doppie,", "numero di segni e interruzioni."};
        s.Partecipanti = 2;
        s.NomiPartecipanti = {"Primo socio", "Secondo socio"};
        s.NomeFile = argv[2];
        s.Salva();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
