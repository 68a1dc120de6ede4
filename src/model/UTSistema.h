// The system document and everything it is made of: games, signs, columns, predictions,
// the data record and the system object with its file.
#pragma once

#include "Colonna.h"
#include "DatiSistema.h"
#include "Distribuzione.h"
#include "Gioco.h"
#include "Segni.h"
#include "Sistema.h"
