#pragma once
// Trigonometry in degrees, the tripod of three unit legs with given pairwise angles, and the
// extreme image coordinates of all points, with which the view fits its window to the scene.

#include <string>
#include <vector>

namespace quodral {

// Sine and cosine of an angle in degrees (cosinus(90) leaves a residue of about 6e-17).
double sinus(double w);
double cosinus(double w);

// Builds the tripod under nextFreeName(name): three unit legs from the origin, leg 1 along
// the x axis, leg 2 in the xy-plane at the angle wnkl[0] from leg 1, leg 3 at the angle
// wnkl[1] from leg 2 and wnkl[2] from leg 1, on the side z > 0 for wnkl[0] between 0 and 180.
// Registers the origin (prefix name + "0"), the three leg ends and the open polygon
// leg 1, origin, leg 2, origin, leg 3, and answers "Das Dreibein ... wurde erzeugt.".
// Angles for which no third leg exists give leg 3 = leg 1; the statement refuses such angles
// before it calls this. Fewer than three angles, or one that is not a finite number, build
// nothing: the answer is false and lok false. So, too, when a part cannot be registered.
bool dreiBeinPolygon(const std::string& name, const std::vector<double>& wnkl);


}  // namespace quodral
