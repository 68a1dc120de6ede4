// Any bytes read as "archdb.mra": either they are a whole database that counts exactly what
// the contests give, which writes back to the very same bytes and gives every kind its
// tables, or they are refused and the database is the rebuild from the contests.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "Archivio.h"
#include "FabbricaCondizioni.h"
#include "Gioco.h"

using namespace morella;

namespace {

// A few contests for the rebuild after a refusal, and what that rebuild writes.
const T_Archivio& Contesti()
{
    static const T_Archivio archivio = [] {
        ImpostaGioco(GiocoTotip);
        T_Archivio a;
        const char* colonne[] = {"1X21X21X21X2", "111111111111", "2X11X2X1X121", "XXXX22221111",
                                 "12X12X12X12X"};
        std::uint8_t numero = 1;
        for (const char* testo : colonne) {
            T_Concorso c;
            c.Stagione = 2005;
            c.Numero = numero++;
            ColonnaDaTesto(testo, c.ColonnaVincente);
            c.AggiornaCompleto();
            a.Aggiungi(c);
        }
        return a;
    }();
    return archivio;
}

const TDataBaseArchivio& DataBaseRicostruito()
{
    static const TDataBaseArchivio db = [] {
        T_Archivio a = Contesti();
        a.RicalcolaDataBase();
        return *a.DataBase();
    }();
    return db;
}

const TBytes& Ricostruito()
{
    static const TBytes immagine = DataBaseRicostruito().Immagine();
    return immagine;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n)
{
    const TBytes ingresso(dati, dati + n);
    TDataBaseArchivio db;
    TLettoreBinario diretto(ingresso);
    const bool intero = db.Leggi(diretto);
    if (intero != DataBaseIntero(dati, n)) std::abort();
    if (intero ? db.Immagine() != ingresso : !(db == TDataBaseArchivio{})) std::abort();

    // As the archive loads it. A refusal rebuilds from the contests, always the same way and
    // far slower than the read, so only a share of the refused inputs goes this far.
    if (!intero && n % 16 != 0) return 0;
    // A whole file is kept only when it counts what the contests give.
    const bool coerente = intero && db.StessiConteggi(DataBaseRicostruito());
    T_Archivio archivio = Contesti();
    TLettoreBinario lettore(ingresso);
    if (archivio.LeggiDataBase(lettore) != coerente || archivio.DataBase() == nullptr) std::abort();
    if (archivio.ImmagineDataBase() != (coerente ? ingresso : Ricostruito())) std::abort();

    for (const TTabelleDiTipo& tipo : TDataBaseArchivio::Tipi()) {
        const auto condizione = CreaCondizione(tipo.Tipo);
        std::vector<T_FrequenzeRitardi> tabelle;
        if (!archivio.TabelleDataBase(*condizione, tabelle)) std::abort();
        if (static_cast<int>(tabelle.size()) != tipo.Numero) std::abort();
        for (int k = 0; k < tipo.Numero; ++k) {
            const T_FrequenzeRitardi& t = archivio.DataBase()->Tabella(tipo.Prima + k);
            const T_FrequenzeRitardi& c =
                tabelle[static_cast<std::size_t>(tipo.Serie[static_cast<std::size_t>(k)])];
            if (c.ValoreMassimo() != t.ValoreMassimo() || c.ConcorsiContati() != t.ConcorsiContati())
                std::abort();
        }
    }
    return 0;
}
