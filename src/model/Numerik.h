#pragma once
// The number rules (zero test, integer test, rounding, decimals) belong to the pure geometry
// below the records; the records and everything above them reach them through this header.

#include "geometry/Numerik.h"
