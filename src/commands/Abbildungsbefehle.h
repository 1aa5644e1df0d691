#pragma once
// The mappings and motions as statements: SPIEGELUNG (also SPIEGELE, SPIEGELN), DREHUNG (also
// DREHEN, DREHE), STRECKUNG (also STRECKEN with parameters), VERSCHIEBUNG (also VERSCHIEBE),
// STRECKENANTRAG, WENDE, BEWEGUNG (also BEWEGE, BEAME) and XYBEWEGUNG. Their handlers spiegele,
// drehen, streckungStart, verschiebe, streckenAntragStart, wende, beamen and xyBewegung are
// declared with all the others in commands/Handler.h.
//
// A statement that takes a new name builds an image under it; with the name of the mapped
// object itself it moves that object in place (mappings/Abbilden.h).

#include "commands/Handler.h"
