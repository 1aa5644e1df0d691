#pragma once
// The derived constructions: AUFPUNKT (a point of an object), LOTFUSSPUNKT (the foot of a
// perpendicular), PARALLELE, ORTHOGONALE (also SENKRECHTE), TANGENTEN (the tangent planes of
// a sphere through a line), KEGELSCHNITT (the section of a cone by a plane) and ZERLEGUNG
// (also ZERLEGE: a segment or circle divided into equal parts). Their handlers aufpunktSetzen,
// lotfusspunkt0, parallele, orthogonale, defTangenten, defKegelschnitt and zerlegung are
// declared with all the others in commands/Handler.h.

#include "commands/Handler.h"
