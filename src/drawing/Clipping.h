#pragma once
// The frame of the world window and the clipping of line images to it; the cutting of paths
// and labels to a box around the drawing area before they reach the canvas.
//
// A line of the scene is infinite; the drawing shows only the portion of its image that lies
// in the world window. The frame is rebuilt from the current window at every clipping, so a
// zoom or pan takes effect at once.
//
// A point far from the window, or almost at the eye's height, has its view point millions of
// units outside the drawing area. Painters work in fixed point and lose or misplace pieces
// whose ends lie that far out, so every path is cut to a box somewhat larger than the drawing
// area before it is stroked: what lies beyond it is invisible anyway, even with the widest pen.

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "drawing/Leinwand.h"
#include "drawing/Sichtabbildung.h"
#include "model/Gerade.h"
#include "model/Punkt.h"
#include "model/Strecke.h"
#include "model/Vektor.h"

namespace quodral {

// The frame's corners as a closed chain in the picture plane: upper left, lower left,
// lower right, upper right, upper left again.
inline std::vector<Punkt> rpunkte;
// The frame's edges: left (downwards), bottom, right (upwards), top.
inline std::vector<Strecke> rstrecken;
// Extra frame paths by name; nothing fills it, the drawing empties and strokes it.
inline std::map<std::string, std::pair<Vektor, Vektor>> rahmenListe;

// rpunkte from the current world window.
void rahmenpunkteSetzen();
// rpunkte, then rstrecken from them.
void rahmenstreckenSetzen();

// The visible portion of the image of g seen from the current eye auge: the segment that the
// image line cuts out of the frame, its first end being the hit found first in edge order
// (left, bottom, right, top). A corner counts once although two edges report it; an image
// line along an edge is cut by the two edges across it. The null segment from the origin to
// the origin when the image misses the frame, touches it in one corner only, or does not
// exist (g passes through the eye, or runs parallel to the picture plane at the eye's height).
Strecke gerade2xyStrecke(const Gerade& g);
// The same for the eye `auge` and the world window from xmin to xmax and ymin to ymax, reading
// and writing no global (the drawing clips on its own thread with this).
Strecke gerade2xyStrecke(const Gerade& g, const Punkt& auge, double xmin, double xmax, double ymin, double ymax);

// The box around the drawing area (view coordinates) to which paths are cut: the drawing area
// with a margin of this width on every side. The box of an area of side `seite` runs from
// sichtkastenMin to seite + sichtkastenRand; sichtkastenMax is the upper bound of the
// 800 × 800 area's box.
inline constexpr double sichtkastenRand = 1000.0;
inline constexpr double sichtkastenMin = -sichtkastenRand;
inline constexpr double sichtkastenMax = fensterBreite + sichtkastenRand;

// The point lies in the box of the area of side `seite`, shrunk by `abstand` on every side (a
// circle of that radius about it lies in the box); false for a point that is not finite.
bool imSichtkasten(Sichtpunkt p, double abstand = 0.0, double seite = fensterBreite);

// Cuts the straight piece from a to b to the box; false when nothing of it lies inside (or an
// end is not finite). The cut piece lies on the same line and runs the same way; an end inside
// the box stays exactly as it was. A piece between ends so far out that rounding loses where
// it crosses the box is left out too (false): what comes back always lies in the box.
bool stueckKappen(Sichtpunkt& a, Sichtpunkt& b, double seite = fensterBreite);

// The path as a painter should get it, drawing the same inside the box: straight pieces cut
// to the box, arcs whose circle is not wholly inside it left out, and a new piece begun after
// every gap. A path that lies inside the box comes back step for step as it was.
Pfad pfadKappen(const Pfad& pfad, double seite = fensterBreite);

// The frame globals emptied (test reset).
void clippingZuruecksetzen();

}  // namespace quodral
