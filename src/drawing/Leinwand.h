#pragma once
// What the scene drawing needs of a canvas. The Qt view paints with a QPainter, the tests
// record what is painted.
//
// Everything geometric happens before the canvas: the scene drawing hands over only paths cut
// to a box around the drawing area and labels whose place lies in that box (see Clipping.h),
// so a canvas paints what it gets and decides nothing.
//
// Coordinates are view coordinates of the 800 × 800 drawing area: origin at the lower left
// corner, y growing upwards. Angles are in degrees, counted counter-clockwise from the
// positive x direction as seen on the screen.

#include <string>
#include <vector>

#include "model/Attribute.h"
#include "drawing/Sichtabbildung.h"

namespace quodral {

// One step of a path.
struct Pfadschritt {
    enum class Art {
        bewegen,  // start a new piece at ziel
        linie,    // straight line from the current point to ziel
        bogen,    // circle arc around ziel with radius, from startWinkel to endWinkel
    };
    Art art = Art::bewegen;
    Sichtpunkt ziel;
    double radius = 0;
    double startWinkel = 0;
    double endWinkel = 0;
    bool operator==(const Pfadschritt&) const = default;
};

// A path of straight lines and circle arcs. An arc that follows a current point is joined to
// it by a straight line to the arc's start, and the arc's end becomes the current point;
// without a current point the arc begins a piece of its own. A line without a current point
// begins a piece at its end.
struct Pfad {
    std::vector<Pfadschritt> schritte;

    void bewegeZu(Sichtpunkt p) { schritte.push_back({Pfadschritt::Art::bewegen, p, 0, 0, 0}); }
    void linieZu(Sichtpunkt p) { schritte.push_back({Pfadschritt::Art::linie, p, 0, 0, 0}); }
    void bogen(Sichtpunkt mitte, double radius, double von, double bis) {
        schritte.push_back({Pfadschritt::Art::bogen, mitte, radius, von, bis});
    }
    // True when stroking the path would leave no mark: no line and no arc.
    bool leer() const {
        for (const Pfadschritt& s : schritte)
            if (s.art != Pfadschritt::Art::bewegen) return false;
        return true;
    }
};

class Leinwand {
public:
    virtual ~Leinwand() = default;

    // Fills the rectangle with the lower left corner (x, y) and the given width and height.
    virtual void rechteckFuellen(double x, double y, double breite, double hoehe, const Farbwert& farbe) = 0;

    // Strokes the path in the colour with the line width (view units).
    virtual void pfadZiehen(const Pfad& pfad, const Farbwert& farbe, double breite) = 0;

    // Writes the text in black in the label font (a Palatino-like serif) of the given size in
    // view units. The text's box stands on the point: its lower left corner, below the
    // descenders, is at `ort`, and the text extends to the right and upwards.
    virtual void textSchreiben(const std::string& text, Sichtpunkt ort, double groesse) = 0;
};

}  // namespace quodral
