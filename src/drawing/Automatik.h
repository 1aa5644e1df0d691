#pragma once
// The automatic motions: one small step of the automatic object autoObjekt, made by the
// scroll wheel with Command and Option held. The object moves in place with all its parts
// (corners, members, base circles) and keeps its name; the next drawing shows it moved.
//
// Which motion is made is the wheel's effect bArt; axis, angle, centre and direction are the
// motion settings (drawing/Einstellungen.h). A step moves only a registered object that has a
// place in space: a name registered nowhere, a formula, a vector or a collective moves
// nothing, and neither does a rotation about an axis that is no registered line or a dilation
// from a centre that is no registered point.
//
// The steps go through the in-place mappings, which write their answer into quittung and
// their verdict into lok like a statement would; the caller decides whether that is kept.

namespace quodral {

// One rotation by drehWinkel degrees (its sign as the caller set it): about the line
// drehAchse for bArt drehen, about xAchse, yAchse or zAchse for xdrehen, ydrehen, zdrehen.
// Any other effect does nothing.
void autoDreh();

// One central dilation from the point streckZentrum by the factor f (the wheel passes 0.99
// or 1.01), whatever bArt is.
void autoStreck(double f);

// One translation by 0.1 along richtung (against it for vz < 0) for bArt verschieben, or
// along a coordinate axis for xverschieben, yverschieben, zverschieben. A direction shorter
// than the zero tolerance, or any other effect, moves nothing.
void autoschieb(double vz);

}  // namespace quodral
