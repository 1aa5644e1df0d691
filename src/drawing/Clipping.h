#pragma once
// The frame of the world window and the clipping of line images to it.
//
// A line of the scene is infinite; the drawing shows only the portion of its image that lies
// in the world window. The frame is rebuilt from the current window at every clipping, so a
// zoom or pan takes effect at once.

#include <map>
#include <string>
#include <utility>
#include <vector>

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

// The frame globals emptied (test reset).
void clippingZuruecksetzen();

}  // namespace quodral
