#pragma once
// The scene drawing: every drawable object of the registries, projected from the eye onto the
// picture plane, mapped into the view and painted onto a Leinwand.
//
// A drawing happens in two steps. Taking the scene (szeneAufnehmen) reads the registries and
// the view settings at one moment into a copy of its own, and leaves in the globals what a
// drawing has always left there; it runs where the statements run. Drawing that copy
// (szeneZeichnen with a Szenenabzug) reads nothing else and writes no global, so the view can
// do it on another thread while the next statement already runs.
//
// The scene is drawn in one pass per entry of the eye list augen: in the stereo mode the
// pictures of the two eyes in the two pass colours, without labels and without the objects'
// own colours. In the normal mode both entries are the same eye and colour, and the two passes
// would paint the same picture twice: it is painted once.
//
// Nothing here fails on a name: a missing corner, base circle or point is skipped, and so is
// a point without an image (one at the eye's height) and a line or ray whose image misses
// the world window.

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "drawing/Leinwand.h"
#include "drawing/Sichtabbildung.h"
#include "model/Attribute.h"
#include "model/Gerade.h"
#include "model/Kreis.h"
#include "model/Punkt.h"
#include "model/Strahl.h"
#include "model/Strecke.h"

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

// What the drawing needs of the registries and the view, copied at one moment. Each list is
// in the order of its registry (by name); attributes are those the object had when the copy
// was taken, after the drawing's own rule (objects drawn without attributes get the entry
// (1, 1, 1, schwarz)) was applied.
struct Szenenabzug {
    // The passes: the eye and the colour of each (one pass when both would paint the same).
    std::vector<Punkt> augen;
    std::vector<Farbwert> farben;
    bool stereo = false;
    double xmin = 0, xmax = 1, ymin = 0, ymax = 1;
    double schrift = 14;

    struct Punktdaten {
        std::string name;
        double x = 0, y = 0, z = 0;
        darstellung vision = darstellung::vollsichtbar;
        double dx = labelAbstandStandard, dy = labelAbstandStandard;   // the label's offset
    };
    // A drawn object with its attributes, when it has any.
    template <class R> struct Mit {
        R rec;
        std::optional<Attribut> attr;
    };
    struct Polygondaten {
        std::string name;
        std::vector<std::string> ecken;
        darstellung vision = darstellung::vollsichtbar;
        std::optional<Attribut> attr;
    };
    struct Zylinderdaten {
        std::optional<Kreis> basis, deckel;
    };

    std::vector<Punktdaten> punkte;   // the hidden ones too: polygons take corners from them
    std::vector<Punkt> sonder;
    std::vector<Mit<Gerade>> geraden;
    std::vector<Mit<Kreis>> kreise;
    std::vector<Mit<Strahl>> strahlen;
    std::vector<Mit<Strecke>> strecken;
    std::vector<Zylinderdaten> zylinder;
    std::vector<Polygondaten> polygone;
};

// Takes the scene as it is now. Leaves in the globals what a drawing leaves there: auge at the
// eye of the last pass, the frame paths emptied, the working width at 1, and the attributes
// (1, 1, 1, schwarz) for every line, circle, ray, segment and polygon that is drawn without
// attributes. The statement flag lok is left as it was.
Szenenabzug szeneAufnehmen();

// Draws the taken scene: the drawing area filled white, then the passes. Reads nothing but the
// copy and writes no global, so it may run on any thread.
void szeneZeichnen(Leinwand& leinwand, const Szenenabzug& szene);

// The whole scene as it is now: szeneAufnehmen, then szeneZeichnen.
void szeneZeichnen(Leinwand& leinwand);

// The view point of p: its image seen from the current eye auge, mapped with the current
// world window; nothing when p has no image or its view point is not a finite number. The
// statement flag lok is left as it was.
std::optional<Sichtpunkt> sichtpunktVon(const Punkt& p);

}  // namespace quodral
