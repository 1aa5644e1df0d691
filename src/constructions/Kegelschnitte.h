#pragma once
// Cone sections: the section of a cone with a plane, approximated by the closed polygon whose
// corners are where n generator lines of the (double) cone meet the plane.

#include <string>
#include <vector>

#include "model/Ebene.h"
#include "model/Kegel.h"
#include "model/Punkt.h"

namespace quodral {

// The most corners one cone section statement may make.
inline constexpr long long kegelschnittHoechstzahl = 10000;

// The generator lines run from the apex through the n points that divide the base circle into
// equal arcs (kreisZerlegung, the circle's own point first); each full line that meets the
// plane in exactly one point gives that point. A generator parallel to the plane or lying in
// it gives none, so there are at most n points, in the order of the generators; a point may
// lie beyond the base or on the other side of the apex. None for a cone whose parts are gone.
std::vector<Punkt> kegelschnitt(const Kegel& kg, const Ebene& e, long long n);

// KEGELSCHNITT: with at least two section points, registers them as hidden points named
// pn1, pn2, ... (the next free numbers after pn, which is reserved meanwhile) and the closed
// polygon pn through them (the first corner repeated at the end). With fewer, nothing is
// registered. The count n is the word as typed, read as a whole number. Writes no answer and
// leaves lok alone; pn is free again afterwards unless the polygon holds it. True when the
// polygon was registered.
bool kegelEbeneSchnitt(const std::string& pn, const std::string& kn, const std::string& en, const std::string& n);

}  // namespace quodral
