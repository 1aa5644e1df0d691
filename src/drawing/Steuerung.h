#pragma once
// The controls beside the drawing: a name field, a colour pop-up and buttons. The user types
// an object name (or a number, or a keyword) into the name field and presses a button: the
// stereo switch, the locator, hiding doubled labels, fitting the world window to all points,
// the label size, an object's line width, or the colour chosen in the pop-up.
//
// The controls never write the answer text of the main window: a name or keyword they cannot
// use is reported in the name field ("??", or " ??" appended), some with the system beep.

#include <array>
#include <optional>
#include <string>

#include "model/Attribute.h"

namespace quodral {

// What the controls need of the view that holds them.
class GrafikPort {
public:
    virtual ~GrafikPort() = default;

    // The text of the name field, and replacing it.
    virtual std::string suchText() = 0;
    virtual void suchTextSetzen(const std::string& text) = 0;

    // The index of the item selected in the colour pop-up; -1 when none is selected.
    virtual int farbIndex() = 0;

    // The system beep.
    virtual void piepen() = 0;

    // Redraws the view at once, before the call returns.
    virtual void neuZeichnen() = 0;
};

// The colours of the pop-up's items, in item order.
inline constexpr std::array<farbe, 6> farbWahlFarben{farbe::schwarz, farbe::rot,    farbe::blau,
                                                     farbe::gruen,   farbe::orange, farbe::braun};

// The colour of a pop-up item; nothing for an index outside 0 to 5.
std::optional<farbe> farbeVonIndex(int index);

// Switches the stereo mode: the two passes from the two eyes in cyan and red, or back to one
// eye in black. Redraws.
void dismiss(GrafikPort& port);

// The locator, with the text of the name field:
//   - a finite decimal number sets the eye's distance from the picture plane (a height at or
//     below the plane is refused with the beep);
//   - a point's name: two lines through the point, parallel to the x and the y axis, are
//     drawn once and removed again;
//   - a polygon's name: the circle through its first three corners is drawn once and removed
//     again (nothing is drawn and the beep sounds when these corners fix no circle).
// The temporary objects take free names and only they are removed afterwards; the user's
// objects are never touched.
void woIst(GrafikPort& port);

// Hides the labels of points that lie on an earlier one. Redraws.
void entDoppeln(GrafikPort& port);

// Fits the world window to the images of all points. Redraws.
void punkteFang(GrafikPort& port);

// The label font one point smaller when the name field holds exactly "-", one point larger
// for any other text. Redraws.
void fontUpDown(GrafikPort& port);

// The next line width of the object named in the name field, and a redraw; " ??" appended to
// the field when no object has that name.
void linieUpDown(GrafikPort& port);

// Colours the object or objects named in the name field (faerbe). Redraws.
void farbAuswahlB(GrafikPort& port);

// Decides which names get the chosen colour, first match wins: the members of a cluster; an
// object with attributes; "allestrecken", "allegeraden", "allepolygone", "allepolyeder" in
// any mix of upper and lower case for every object of that kind. Anything else puts "??"
// into the name field, with the beep.
void faerbe(GrafikPort& port, const std::string& wasn);

// Gives the named object the colour of the selected pop-up item. A name without attributes
// is left alone. Without a valid selection the field shows "??", the beep sounds and the
// colour stays.
void farbAuswahl(GrafikPort& port, const std::string& wasn);

}  // namespace quodral
