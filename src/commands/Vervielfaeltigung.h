#pragma once
// Compound objects built at once from registered parts, and copies:
//   PRISMA, PRISMA1      a prism over a base polygon, shifted by a height along the base's
//                        normal, by a registered vector or by three coordinates;
//   DREIBEIN             three unit legs from the origin with given pairwise angles;
//   STERN                a star polygon from a point to every point of a point cluster;
//   ZUFALLSPUNKTKLUMPEN  a cluster of random points;
//   KLON, KLONE, KLONEN  a copy of an object and all its parts under names made from a prefix.
// Their handlers defPrisma, dreibein, defStern, zufallsPunktKlumpen and klonen are declared
// with all the others in commands/Handler.h.

#include "commands/Handler.h"
