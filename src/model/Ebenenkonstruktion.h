#pragma once
// Planes made from other objects: by value (absent when the objects fix no plane) and by
// names (registered under a free name derived from the given one), and the plane z = 0.

#include <optional>
#include <string>

#include "model/Ebene.h"
#include "model/Gerade.h"
#include "model/Punkt.h"

namespace quodral {

// The plane z = 0 through the unnamed origin with normal (0, 0, 1); never registered.
// Built from literals, so that it does not depend on the initialisation of other files.
inline const Ebene xyEbene{Punkt("", 0, 0, 0), Vektor(0, 0, 1)};

// The plane through three points, anchored at a, with the unit normal of (b − a) × (c − a) (so
// a, b, c run counter-clockwise seen from the normal's side); absent where they span no plane:
// the two farthest apart within 1e-4 of each other, or the third within 1e-4 of their line
// (ebenenNormale, geometry/Linienlage.h).
std::optional<Ebene> ebeneDurch(const Punkt& a, const Punkt& b, const Punkt& c);

// The plane holding both lines; absent when they coincide or are skew.
std::optional<Ebene> ebeneDurchLinien(const Gerade& g1, const Gerade& g2);

// The plane through two lines, anchored at g1's anchor point, normal not normalised:
// for lines at a positive distance (distinct parallels) (g2.ap − g1.ap) × g1.rv, otherwise
// (lines that meet) g1.rv × g2.rv. The caller makes sure the two lines fix a plane
// (Gerade::ebeneBestimmendMit); identical lines give the zero normal.
Ebene ebeneDurchGG(const Gerade& g1, const Gerade& g2);

// The plane through the point and the line, anchored at the point, with the unit normal of
// g.rv × (g.ap − p); absent when the line contains the point (Gerade::enthaelt).
std::optional<Ebene> ebeneDurchPundG(const Punkt& p, const Gerade& g);

// By names: registers the plane under nextFreeName(en). Each sets lok false when it builds
// nothing. The two forms of the plane statement write their answer into quittung on success.
void ebeneDurch(const std::string& en, const std::string& an, const std::string& bn, const std::string& cn);
void ebeneDurchLinien(const std::string& en, const std::string& l1, const std::string& l2);
void ebeneDurchPundG(const std::string& en, const std::string& pn, const std::string& gn);

}  // namespace quodral
