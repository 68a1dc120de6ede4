#include "SistemaEsempio.h"

#include <algorithm>
#include <filesystem>

#include "Cartelle.h"
#include "Gioco.h"
#include "Interruzioni.h"
#include "NumeroSegni.h"
#include "Sistema.h"

namespace morella {

namespace {

void Ammetti(TTabellaValori& t, int sotto, int da, int a)
{
    for (int v = da; v <= a; ++v) t.ImpostaStato(sotto, v, StatoAmmesso);
}

// The game and the program directory of the example, for as long as it is being made: a
// new system takes its default paths from the program directory.
class TAmbienteEsempio {
   public:
    explicit TAmbienteEsempio(const std::string& cartellaProgramma)
        : gioco_(Gioco), directory_(DirectoryProgramma())
    {
        ImpostaGioco(GiocoTotip);
        ImpostaDirectoryProgramma(cartellaProgramma);
    }
    ~TAmbienteEsempio()
    {
        ImpostaGioco(gioco_);
        ImpostaDirectoryProgramma(directory_);
    }
    TAmbienteEsempio(const TAmbienteEsempio&) = delete;
    TAmbienteEsempio& operator=(const TAmbienteEsempio&) = delete;

   private:
    int gioco_;
    std::string directory_;
};

std::string ColonneEsempio(const std::string& cartellaProgramma)
{
    return UnisciPercorso(UnisciPercorso(cartellaProgramma, NomeCartellaColonne), NomeColonneEsempio);
}

}  // namespace

TBytes ImmagineEsempio(const std::string& cartellaProgramma)
{
    TAmbienteEsempio ambiente(cartellaProgramma);
    TSistema s;
    TDatiSistema& d = s.Dati();
    const char* corse[6] = {"Agnano", "San Siro", "Capannelle", "Tor di Valle", "Vinovo", "Montegiorgio"};
    for (int i = 0; i < 12; ++i)
        d.NomiEventi[static_cast<std::size_t>(i)][0] = std::string(i % 2 == 0 ? "1º " : "2º ") + corse[i / 2];
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
    imp.FileDestinazione = ColonneEsempio(cartellaProgramma);
    s.Commento = {"Sistema di esempio: cinque triple e tre doppie,", "numero di segni e interruzioni."};
    s.Partecipanti = 2;
    s.NomiPartecipanti = {"Primo socio", "Secondo socio"};
    return s.Immagine();
}

bool CreaEsempioSeManca(const std::string& cartellaProgramma)
{
    namespace fs = std::filesystem;
    const std::string sistemi = UnisciPercorso(cartellaProgramma, NomeCartellaSistemi);
    std::error_code ec;
    if (!fs::is_directory(sistemi, ec)) return false;
    const std::string file = UnisciPercorso(sistemi, NomeSistemaEsempio);
    if (fs::exists(fs::symlink_status(file, ec))) {
        // Only an untouched example of another directory is replaced: read the destination
        // it names, and compare it whole with the example made for that directory.
        auto lettore = TLettoreBinario::Apri(file, DimensioneMassimaSistema);
        if (!lettore) return false;
        TAmbienteEsempio ambiente(cartellaProgramma);
        TSistema esistente;
        TLettoreBinario copia(lettore->Corrente(), lettore->Dimensione());
        if (!esistente.LeggiImmagine(copia)) return false;
        const fs::path destinazione(esistente.Dati().Impostazioni.FileDestinazione);
        const std::string altra = destinazione.parent_path().parent_path().string();
        if (destinazione.filename() != NomeColonneEsempio ||
            fs::weakly_canonical(altra, ec) == fs::weakly_canonical(cartellaProgramma, ec))
            return false;
        const TBytes suo = ImmagineEsempio(altra);
        if (suo.size() != lettore->Dimensione() || !std::equal(suo.begin(), suo.end(), lettore->Corrente()))
            return false;
    }
    return SalvaSicuro(file, ImmagineEsempio(cartellaProgramma));
}

}  // namespace morella
