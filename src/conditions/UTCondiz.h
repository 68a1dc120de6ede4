// Chief header of the conditions: the condition model, the value and interval tables, the
// container and its evaluation, the links, and every kind built so far.
#pragma once

#include "ColonnaEsaminata.h"
#include "Condizione.h"
#include "CondizioneATabelle.h"
#include "Consecutivita.h"
#include "ElencoCondizioni.h"
#include "EsameTraLink.h"
#include "FabbricaCondizioni.h"
#include "GruppoCondizioni.h"
#include "Interruzioni.h"
#include "Link.h"
#include "NumeroSegni.h"
#include "PariDispari.h"
#include "RigheStampa.h"
#include "TabellaIntervalli.h"
#include "TabellaValori.h"
#include "TipiCondizione.h"
