// Chief header of the contest archive: contests, the archive and its file, the search
// settings, the frequency-and-delay tables and the statistics over them.
#pragma once

#include "Analisi.h"
#include "Archivio.h"
#include "Concorso.h"
#include "DerivateAnalisi.h"
#include "FrequenzeRitardi.h"
#include "ImpostazioniRicerca.h"
#include "StatisticheSegni.h"
#include "TitoliAnalisi.h"
