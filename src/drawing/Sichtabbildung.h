#pragma once
// The view mapping: the drawing shows a rectangle of the picture plane, the world window,
// stretched onto the square from (30, 30) to (770, 770) of an 800 × 800 drawing area.
//
// View coordinates have their origin at the lower left corner of the drawing area and y
// growing upwards. The view rectangle is square, so a world window of equal width and height
// keeps the picture undistorted. Only the world window ever moves (zoom, pan, fitting it to
// the points); the view rectangle is fixed for a drawing area of a given size.
//
// A view unit is a pixel of the window's own measure (the window system's logical pixel):
// line widths, label sizes and label offsets are given in it. A drawing area of another side
// than 800 (a window made larger or smaller) keeps the margin of 30 and maps the same world
// window onto its larger or smaller view rectangle, so the picture grows with the area while
// lines and labels keep their size beside the window's own text.

#include <cstddef>
#include <string>
#include <vector>

namespace quodral {

// A point of the drawing area, in view coordinates.
struct Sichtpunkt {
    double x = 0;
    double y = 0;
    bool operator==(const Sichtpunkt&) const = default;
};

// The drawing area and its margins.
inline constexpr double fensterBreite = 800.0;
inline constexpr double fensterHoehe = 800.0;
inline constexpr double randLinks = 30.0;
inline constexpr double randRechts = 30.0;
inline constexpr double randOben = 30.0;
inline constexpr double randUnten = 30.0;

// The view rectangle of the 800 × 800 area: lower left and upper right corner.
inline constexpr double lux = 30.0;
inline constexpr double luy = 30.0;
inline constexpr double rox = 770.0;
inline constexpr double roy = 770.0;

// The world window: the part of the picture plane that is shown. It always has a positive
// width and height.
inline constexpr double xminStart = -4.0;
inline constexpr double xmaxStart = 4.0;
inline constexpr double yminStart = -4.0;
inline constexpr double ymaxStart = 4.0;
inline double xmin = xminStart;
inline double xmax = xmaxStart;
inline double ymin = yminStart;
inline double ymax = ymaxStart;

// Base line width of the drawing; the frame is stroked one unit wider.
inline double linienDicke = 2.0;

// The last plane coordinates read back by originalX and originalY, as text.
inline std::string tempX = "0";
inline std::string tempY = "0";

// The view point of the plane point (x, y): the linear map sending the window's edges xmin,
// xmax, ymin, ymax to the view rectangle's edges lux, rox, luy, roy. Nothing is clamped: a
// point outside the window maps outside the rectangle. The window must have a width and a
// height (the window operations below never make it flat).
// `seite` is the side of the drawing area; its view rectangle runs from the margin to the
// side less the margin.
Sichtpunkt bildPunkt(double x, double y, double xmin, double xmax, double ymin, double ymax,
                     double seite = fensterBreite);

// The inverse mapping with the current world window: the plane x of the view x xw (and the
// plane y of the view y yw).
double originalXw(double xw);
double originalYw(double yw);
// The same as text with the current number of decimals, also kept in tempX (tempY).
std::string originalX(double xw);
std::string originalY(double yw);

// Sets the world window to x from links to rechts and y from unten to oben, when these give
// it a finite, positive width and height; otherwise the window stays and the answer is false.
bool weltfensterSetzen(double links, double rechts, double unten, double oben);

// The margin the fit leaves on each side, as a share of the fitted extent.
inline constexpr double einpassRand = 0.05;

// Where the fit makes room for labels, the window grows and the figure shrinks; it keeps at
// least this share of the size it has in the plain fit (its points' images span at least half
// of what they span there), so that no set of long labels shrinks it to a spot. A label that
// would need less of the figure is cut.
inline constexpr double figurBehaelt = 0.5;

// The fit tries, on each axis, the labels that may place the window (those reaching below or
// left of the view rectangle at the points' low edge) as the one that does; each try sweeps
// every label. Beyond this many label sweeps in all (a scene with thousands of labels moved to
// the left of their points), only the labels that reach farthest are tried, so that the fit
// stays within a blink of an eye.
inline constexpr std::size_t einpassWahlen = std::size_t{1} << 22;

// A box that the fit keeps inside the world window with the points: a label, which stands by
// the view point of the picture-plane point (x, y) and reaches from `links` to `rechts` and
// from `unten` to `oben` view units around that view point (its offset included). Its size in
// view units stays whatever the window, while the window's scale decides where its point lies.
struct Sichtkasten {
    double x = 0, y = 0;
    double links = 0, rechts = 0, unten = 0, oben = 0;
};

// Fits the world window to the extent from x links to rechts and y unten to oben (of the
// images of the points to be seen): a square around the extent's centre whose side is the
// extent's longer side with the margin einpassRand added on each side (the plain fit). The view
// rectangle is square, so the drawing keeps one scale on both axes (a square stays a square, a
// circle a circle). The boxes (the points' labels) of a drawing area of side `seite` are kept
// whole where they can be: among the square windows that keep the figure at least figurBehaelt
// of its plain size, the fit takes the one that cuts the fewest boxes, and of those the largest
// figure, placed as near the centred one as the boxes it keeps whole allow. It tries four ways
// in turn and takes the first that cuts no more boxes than the last: the boxes inside the view
// rectangle with the points inside their margin (the plain fit wherever that holds them all);
// the boxes reaching into the frame around the rectangle, up to einpassRand of the rectangle's
// side from the area's edge (a label wider than the rectangle on a small drawing); the points'
// margin giving way; and the frame giving way, boxes and points reaching to the area's edge,
// each point keeping the `punktGroesse` view units of its dot inside. An extent that is one
// spot (its longer side within the zero tolerance, or too small for doubles to tell the
// window's edges apart at its distance from the origin), or not a finite one, leaves the window
// as it is and gives false.
bool weltfensterEinpassen(double links, double rechts, double unten, double oben,
                          const std::vector<Sichtkasten>& kaesten = {}, double seite = fensterBreite,
                          double punktGroesse = 0);

// Pan: the window moves by st / 10 to the right (upwards), keeping its size. A step that is
// not a finite number moves nothing.
void horiShift(double st);
void vertiShift(double st);

// Zoom: all four edges move inwards by wert (outwards for a negative wert); the window keeps
// its centre. A narrowing step is made only while both the width and the height are above
// 0.4 and the narrowed window still has a width and a height; widening is always made. A
// step that is not a finite number changes nothing.
void zoom(double wert);

// The world window, the line width and the read-back texts back to their start values.
void sichtabbildungZuruecksetzen();

}  // namespace quodral
