// Chief header of the contest archive: contests, the archive and its file, the search
// settings and the frequency-and-delay tables.
#pragma once

#include "Archivio.h"
#include "Concorso.h"
#include "FrequenzeRitardi.h"
#include "ImpostazioniRicerca.h"
