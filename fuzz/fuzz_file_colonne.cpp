// The column-file reader on arbitrary bytes, for every game: plain and expanded loading,
// saving back, merging and the file operations on what was read.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

#include "Accorpamento.h"
#include "Errore.h"
#include "FileColonne.h"
#include "OperazioniFile.h"

using namespace morella;

namespace {

// One scratch file per run, removed at exit (a plain array outlives every exit handler).
char fileDiLavoro[] = "/tmp/fuzz_file_colonne.XXXXXX";

const char* FileDiLavoro()
{
    static const bool creato = [] {
        int fd = mkstemp(fileDiLavoro);
        if (fd < 0) std::abort();
        close(fd);
        std::atexit([] { std::remove(fileDiLavoro); });
        return true;
    }();
    (void)creato;
    return fileDiLavoro;
}

void Verifica(bool condizione)
{
    if (!condizione) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dati, std::size_t n)
{
    for (int gioco : {GiocoTotip, GiocoToto, GiocoEnalotto}) {
        ImpostaGioco(gioco);
        const std::size_t dimensione = static_cast<std::size_t>(DimensioneRecordColonna());

        TListaColonne lista;
        TLettoreBinario lettore(dati, n);
        const bool intero = LeggiColonne(lista, lettore, false);
        Verifica(intero == (n % dimensione == 0));
        Verifica(lista.size() == n / dimensione);
        const TBytes immagine = ImmagineColonne(lista);
        Verifica(immagine.size() == lista.size() * dimensione);
        Verifica(immagine.empty() || std::memcmp(immagine.data(), dati, immagine.size()) == 0);

        // Expansion within a small ceiling, so that one input cannot take the whole memory.
        TListaColonne espansa;
        TLettoreBinario secondo(dati, n);
        try {
            LeggiColonne(espansa, secondo, true, 1 << 16);
            Verifica(espansa.size() >= lista.size() || espansa.size() == 0);
        } catch (const EErrore&) {
            Verifica(espansa.Vuota());
        }

        // The same bytes through the file reader (written plainly: a safe save would sync
        // the disk on every input).
        if (std::FILE* f = std::fopen(FileDiLavoro(), "wb")) {
            const bool scritto = std::fwrite(dati, 1, n, f) == n;
            if (std::fclose(f) == 0 && scritto) {
                TListaColonne riletta;
                Verifica(CaricaColonne(riletta, FileDiLavoro(), false) == intero);
                Verifica(riletta == lista);
            }
        }

        if (lista.size() <= 1500) {
            TListaColonne unita = lista;
            const double fattore = Accorpa(unita);
            Verifica(fattore >= 1.0 && unita.size() <= lista.size());
            OperaColonne(TOperazioneFile::Or, lista, unita);
            OperaColonne(TOperazioneFile::And, unita, lista);
            OperaColonne(TOperazioneFile::Xor, lista, unita);
        }
    }
    return 0;
}
