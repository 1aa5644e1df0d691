#pragma once
// The scene drawing: every drawable object of the registries, projected from the eye onto the
// picture plane, mapped into the view and painted onto a Leinwand.
//
// The view keeps no picture of its own; each drawing paints the whole scene afresh. It runs
// in two passes, one per entry of the eye list augen: normally both passes draw the same
// picture in the same colour, in the stereo mode they draw the pictures of the two eyes in
// the two pass colours over each other, without labels and without the objects' own colours.
//
// Nothing here fails on a name: a missing corner, base circle or point is skipped, and so is
// a point without an image (one at the eye's height) and a line or ray whose image misses
// the world window.

#include <optional>

#include "drawing/Leinwand.h"
#include "drawing/Sichtabbildung.h"
#include "model/Kreis.h"
#include "model/Polygon.h"
#include "model/Punkt.h"

namespace quodral {

// The white of the empty drawing area.
inline constexpr Farbwert hintergrundWeiss{1, 1, 1, 1};

// Radius of the dot of a point and of a special point (view units).
inline constexpr double punktRadius = 2.0;
inline constexpr double sonderpunktRadius = 1.0;

// Where a label stands from its point when the point has no attributes, and where a
// polygon's name stands from the view point of its centroid.
inline constexpr double labelAbstandStandard = 2.0;
inline constexpr double polygonLabelAbstand = 2.0;

// The number of sides of the polygon that stands for a circle.
inline constexpr int kreisEcken = 36;

// The view point of p: its image seen from the current eye auge, mapped with the current
// world window; nothing when p has no image or its view point is not a finite number. The
// statement flag lok is left as it was.
std::optional<Sichtpunkt> sichtpunktVon(const Punkt& p);

// The whole scene: the drawing area filled white, then both passes. Leaves auge at the eye
// of the second pass, and writes the attributes (1, 1, 1, schwarz) for every line, circle,
// ray, segment and polygon drawn without attributes. The statement flag lok is left as it
// was.
void szeneZeichnen(Leinwand& leinwand);

// The image of the segment from von to bis in the current colour and width.
void streckeZeichnen(Leinwand& leinwand, const Punkt& von, const Punkt& bis);

// The image of the circle as a closed 36-gon in the current colour and width: from a point
// of the circle around its axis in steps of 10 degrees back to the start. A circle without a
// plane normal or without a positive radius is not drawn.
void kreiszeichnen(Leinwand& leinwand, const Kreis& k);

// The edges of the polygon between consecutive corners (none across the break marker "-"
// or a corner that is not registered), each in the current colour and width; in the normal
// mode the name of a fully visible polygon at its centroid.
void polygonZeichnen(Leinwand& leinwand, const Polygon& pol);

}  // namespace quodral
