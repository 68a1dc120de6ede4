#include "FileColonne.h"

#include <unistd.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <optional>

#include "Errore.h"

namespace morella {

namespace {

constexpr const char* MessaggioCaricamento = "Impossibile Caricare Il File Colonnare";
constexpr const char* MessaggioLettura = MessaggioLetturaColonne;
constexpr const char* MessaggioScrittura = "Errore Durante la Scrittura del File Colonnare";
constexpr const char* DomandaSovrascrivi = "Il File è Gia Presente su Disco. Vuoi Sovrascriverlo";

// Only a regular file the program may read; asking a FIFO would wait for a writer.
bool ApribileInLettura(const std::string& file)
{
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) return false;
    return ::access(file.c_str(), R_OK) == 0;
}

}  // namespace

std::size_t ColonneCoperte(const TColonna& c)
{
    std::size_t n = 1;
    for (int i = 0; i < NumEvents; ++i) {
        int segni = NumeroSegni(c[static_cast<std::size_t>(i)] & MascheraSegni);
        if (segni >= 2) n *= static_cast<std::size_t>(segni);
    }
    return n;
}

TBytes ImmagineColonne(const TListaColonne& lista)
{
    const std::size_t dimensione = static_cast<std::size_t>(DimensioneRecordColonna());
    TBytes dati(lista.size() * dimensione);
    if (dimensione == DimensioneColonna) {
        if (!dati.empty()) std::memcpy(dati.data(), lista.Colonne().data(), dati.size());
    } else {
        std::uint8_t* p = dati.data();
        for (const TColonna& c : lista) {
            std::memcpy(p, c.s.data(), dimensione);
            p += dimensione;
        }
    }
    return dati;
}

bool LeggiColonne(TListaColonne& lista, TLettoreBinario& lettore, bool espandi, std::size_t massimoColonne)
{
    lista.Svuota();
    const std::size_t dimensione = static_cast<std::size_t>(DimensioneRecordColonna());
    const std::size_t record = lettore.Rimanenti() / dimensione;

    if (!espandi && dimensione == DimensioneColonna) {
        // Records and memory share the layout: one copy moves them all.
        auto& colonne = lista.Colonne();
        colonne.resize(record);
        if (record) lettore.Blocco(colonne.data(), record * dimensione);
    } else {
        if (!espandi) lista.Riserva(record);
        for (std::size_t r = 0; r < record; ++r) {
            TColonna c{};
            lettore.Blocco(c.s.data(), dimensione);
            if (!espandi) {
                lista.Aggiungi(c);
                continue;
            }
            if (ColonneCoperte(c) > massimoColonne - lista.size()) {
                lista.Svuota();
                throw EErrore(MessaggioLettura);
            }
            lista.AggiungiEspansa(c);
        }
    }
    return lettore.Rimanenti() == 0;
}

bool SalvaColonne(const TListaColonne& lista, const std::string& file)
{
    if (DimensioneRecordColonna() == DimensioneColonna)
        return SalvaSicuro(file, reinterpret_cast<const std::uint8_t*>(lista.Colonne().data()),
                           lista.size() * DimensioneColonna);
    return SalvaSicuro(file, ImmagineColonne(lista));
}

bool CaricaColonne(TListaColonne& lista, const std::string& file, bool espandi)
{
    lista.Svuota();
    if (!ApribileInLettura(file)) throw EErrore(MessaggioCaricamento);
    std::optional<TLettoreBinario> lettore = TLettoreBinario::Apri(file, DimensioneMassimaFileColonne);
    if (!lettore) throw EErrore(MessaggioLettura);
    return LeggiColonne(lista, *lettore, espandi);
}

void CopiaDaMemoria(const TListaColonne& sorgente, TListaColonne& destinazione, bool accorpamentoAutomatico,
                    TOsservatoreAccorpamento* oss)
{
    destinazione = sorgente;
    Accorpamento(destinazione, accorpamentoAutomatico, oss);
}

bool CaricaDaFile(const std::string& file, TListaColonne& destinazione, bool accorpamentoAutomatico,
                  TOsservatoreAccorpamento* oss)
{
    destinazione.Svuota();
    if (!ApribileInLettura(file)) throw EErrore(MessaggioCaricamento);
    std::optional<TLettoreBinario> lettore = TLettoreBinario::Apri(file, DimensioneMassimaFileColonne);
    if (!lettore) throw EErrore(MessaggioCaricamento);
    if (lettore->Dimensione() == 0) return false;
    LeggiColonne(destinazione, *lettore, false);
    Accorpamento(destinazione, accorpamentoAutomatico, oss);
    return true;
}

void EsportaColonne(const TListaColonne& lista, const std::string& file, TDomanda& domanda)
{
    if (FileEsiste(file) &&
        domanda.Chiedi(TitoloInformazione, DomandaSovrascrivi, PulsanteSi | PulsanteNo) != PulsanteSi)
        return;
    if (!SalvaColonne(lista, file)) throw EErrore(MessaggioScrittura);
}

}  // namespace morella
