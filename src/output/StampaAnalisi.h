// The print of the statistics windows' tables: a title at the top of the first page, then
// each table under its caption, a table that does not fit the rest of a page going on over
// the next ones, each piece headed by its heading row.
#pragma once

#include <string>
#include <vector>

#include "GrigliaStampa.h"
#include "TelaStampa.h"

namespace morella {

inline constexpr const char* MessaggioStampaTabelleAnalisi = "Impossibile Stampare Le Tabelle";
inline constexpr const char* MessaggioStampaTabellaArchivio = "Impossibilie Stampare la tabella";
inline constexpr const char* MessaggioStampaTabellaSegni = "Impossibile Stampare La Tabella";

struct TSezioneStampa {
    std::string Didascalia;
    TGrigliaStampa Griglia;
};

// A failure abandons the document and throws EErrore(messaggio).
void StampaTabelleAnalisi(const std::string& titolo, const std::vector<TSezioneStampa>& sezioni,
                          const std::string& messaggio, TTelaStampa& tela);

}  // namespace morella
