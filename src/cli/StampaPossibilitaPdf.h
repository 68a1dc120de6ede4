// The winning possibilities of a reduction printed to a PDF file, the same pages the desktop
// program prints from "Possibilità di Incolonnamento". Only with the desktop layer
// (MORELLA_STAMPA_PDF), whose Qt printer writes the PDF.
#pragma once

#include <string>

#include "PossibilitaVincita.h"

namespace morella::cli {

// Through the safe save: a failure leaves an existing file as it was and throws
// "Impossibile Stampare Le Tabelle".
void StampaPossibilitaPdf(const std::string& file, const T_ListaTipiDiVincite& possibilita,
                          const TPronostico& pronostico);

}  // namespace morella::cli
