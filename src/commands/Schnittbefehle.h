#pragma once
// The intersections as statements: SCHNITT (also SCHNEIDE, SCHNEIDEN) of two objects, PSCHNITT
// (the section of a polyhedron with a plane or a line) and ECKENKLUMPEN (the cluster of a
// polyhedron's corners). Their handlers schnitt, defpSchnitt and defEckenklumpen are declared
// with all the others in commands/Handler.h; the work is done by the routines of
// intersections/Objektschnitte.h and constructions/Schnitte.h.

#include "commands/Handler.h"
