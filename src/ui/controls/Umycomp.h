// The program's own controls: the coupon editor and its parts, the column entry, the
// four-column view, the coupon panel, the column card and the chart labels.
#pragma once

#include "ControlliSchedina.h"
#include "EditColonna.h"
#include "EditSchedina.h"
#include "Legenda.h"
#include "PannelloCF.h"
#include "PannelloSc.h"
#include "QuattroColonne.h"
