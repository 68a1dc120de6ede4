// The program's own controls: the coupon editor and its parts.
#pragma once

#include "ControlliSchedina.h"
#include "EditSchedina.h"
