#pragma once
// The measurement queries ABSTAND, DURCHMESSER, RADIUS, WINKEL and LAENGE (also LÄNGE): they
// answer a question about objects that exist and build nothing. Their handlers, abstand,
// welcherDurchmesser, berechneRadius, berechneWinkel and laengeBerechnen, are declared with
// all other handlers. Only a successful RADIUS is recorded; the other queries never are.

#include "commands/Handler.h"
