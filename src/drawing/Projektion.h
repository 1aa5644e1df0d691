#pragma once
// The central projection of the scene onto the picture plane z = 0.
//
// Every point is joined to the eye by a straight line; where that line meets the picture
// plane is the point's image. The eye stands augez above the plane, a little off the z axis
// so that the z axis does not shrink to a single point. The drawing projects from auge, which
// each drawing pass sets to its entry of augen: twice auge1 normally, auge1 and auge2 (half a
// unit further right) for the stereo pair.

#include <array>
#include <optional>

#include "model/Ebene.h"
#include "model/Gerade.h"
#include "model/Punkt.h"
#include "model/Strecke.h"

namespace quodral {

inline constexpr double augezStart = 16.0;

inline double augez = augezStart;                          // the eye's distance from the picture plane
inline Punkt auge{"Auge", -1.0, 2.0, augezStart};          // the eye of the current drawing pass
inline Punkt auge1{"Auge", -1.0, 2.0, augezStart};         // the single eye, and the left one in stereo
inline Punkt auge2{"Auge", -0.5, 2.0, augezStart};         // the right eye of the stereo pair
inline std::array<Punkt, 2> augen{Punkt{"Auge", -1.0, 2.0, augezStart},   // the eye of each pass:
                                  Punkt{"Auge", -1.0, 2.0, augezStart}};  // twice auge1 unless stereo

// The picture plane z = 0 (unnamed origin, normal (0, 0, 1)); built from literals so that it
// does not depend on the initialisation order of other files.
inline const Ebene pEbene{Punkt("", 0, 0, 0), Vektor(0, 0, 1)};

// The eye points back to their start values.
void augenZuruecksetzen();

// Sets the eye's distance from the picture plane, and every eye point (auge, auge1, auge2 and
// both entries of augen) moves to that height at once, so the next drawing shows it. A height
// that is not a finite number above 0 would put the eye at or below the picture plane and is
// refused: nothing changes and the answer is false.
bool augezSetzen(double hoehe);

// The image of p seen from the eye ap, a point of the picture plane (empty name, record
// defaults). Sets lok: true when the image exists, false when it does not (p is the eye
// itself, or the line from the eye to p runs parallel to the picture plane); then the result
// is the origin. A point of the picture plane is its own image; a point beyond the eye
// has one too, on the far side of the eye's foot.
Punkt punktBild(const Punkt& ap, const Punkt& p);

// The same image as plain coordinates, without building a record or touching lok: false where
// punktBild finds no image (then bild is left as it was). The drawing projects every point of
// the scene through this, on whatever thread it runs.
struct Bildkoordinaten {
    double x = 0;
    double y = 0;
    double z = 0;
};
bool bildVon(const Punkt& ap, double px, double py, double pz, Bildkoordinaten& bild);

// The image of a segment: the segment between the images of its end points, or the unit
// segment eStrecke when the first end has no image. lok is left as the last projection set it.
Strecke streckenBild(const Punkt& ap, const Strecke& s);

// The image of a line: the line through the images of its anchor and of anchor + direction,
// or the x axis when either of these points has no image or the two images coincide. lok is
// left as the last projection set it.
Gerade geradenBild(const Punkt& ap, const Gerade& g);

// The box of the picture plane that holds the images of all registered points (hidden ones
// included) seen from the eye auge; nothing when no point has an image. A point without an
// image (one at the eye's height) is left out, as the drawing leaves it out. lok is left as it
// was.
struct XYExtreme {
    double xmin = 0;
    double xmax = 0;
    double ymin = 0;
    double ymax = 0;
};
std::optional<XYExtreme> bildausdehnung();

}  // namespace quodral
