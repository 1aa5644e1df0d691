#pragma once
// The settings of the automatic motions: which object the scroll wheel moves, and about which
// axis, by which angle, along which direction and from which centre it moves it.
//
// A setting is a plain name or value; it is not checked when it is set or read. A name that
// denotes no object (yet) makes the motion step do nothing. The start values name the polygon
// "po" and the line "g" that the start program builds. Clearing the registries leaves these
// settings alone.

#include <string>

#include "model/Vektor.h"

namespace quodral {

inline std::string autoObjekt = "po";     // the object that the scroll wheel moves
inline std::string drehAchse = "g";       // the line about which "Drehen" turns it
inline double drehWinkel = 2.0;           // rotation step in degrees; the wheel sets its sign
inline std::string streckZentrum = "A";   // the point from which the dilation step stretches
inline Vektor richtung{1.0, 1.0, 1.0};    // direction of the translation step (only its direction counts)

// The motion settings back to their start values (test reset).
void einstellungenZuruecksetzen();

}  // namespace quodral
