#include "Contesto.h"

#include <unistd.h>

#include <cstdio>
#include <iostream>

#include "Errore.h"
#include "FileColonne.h"

namespace morella::cli {

TBarraProgresso::TBarraProgresso(std::string titolo)
    : titolo_(std::move(titolo)), attiva_(::isatty(STDERR_FILENO) == 1)
{
}

TBarraProgresso::~TBarraProgresso()
{
    if (attiva_ && ultima_ >= 0) std::cerr << "\r\033[K" << std::flush;
}

void TBarraProgresso::Mostra(const std::string& testo, int percentuale)
{
    if (!attiva_ || percentuale == ultima_) return;
    ultima_ = percentuale;
    const int larghezza = 30;
    int pieni = percentuale * larghezza / 100;
    std::string riga = titolo_ + " " + testo + " [" + std::string(static_cast<std::size_t>(pieni), '#') +
                       std::string(static_cast<std::size_t>(larghezza - pieni), ' ') + "] " +
                       std::to_string(percentuale) + "%";
    // A shorter line than the last one blanks what would be left of it.
    const std::size_t lunghezza = riga.size();
    if (lunghezza < lunghezza_) riga.append(lunghezza_ - lunghezza, ' ');
    lunghezza_ = lunghezza;
    std::cerr << "\r" << riga << std::flush;
}

void TBarraProgresso::Progresso(int passo, int percentuale)
{
    if (passo != ultimoPasso_) {
        ultimoPasso_ = passo;
        ultima_ = -1;
    }
    Mostra("Passo " + std::to_string(passo), percentuale);
}

void StampaJson(const nlohmann::json& j) { std::cout << j.dump() << "\n"; }

TListaColonne LeggiFileColonne(const std::string& file, bool espandi)
{
    TListaColonne lista;
    if (!CaricaColonne(lista, file, espandi))
        std::cerr << "Attenzione: " << file << " termina con un record incompleto, che non è stato letto.\n";
    return lista;
}

void ScriviFileColonne(const TListaColonne& lista, const std::string& file)
{
    if (!SalvaColonne(lista, file)) throw EErrore("Errore Durante la Scrittura del File Colonnare");
}

}  // namespace morella::cli
