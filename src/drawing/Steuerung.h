#pragma once
// The controls beside the drawing: a name field, a colour pop-up and buttons. The user types
// an object name (or a number, or a keyword) into the name field and presses a button: the
// stereo switch, the locator, hiding doubled labels, fitting the world window to all points,
// the label size, an object's line width, or the colour chosen in the pop-up.
//
// And the drawing itself, with the keyboard focus: the scroll wheel pans, zooms or moves the
// automatic object by one step, as the modifier keys held with it choose; the arrow keys move
// the label of the point named in the name field. The view's widget only translates its
// toolkit's events into the plain values below.
//
// The controls never write the answer text of the main window: a name or keyword they cannot
// use is reported in the name field ("??", or " ??" appended), some with the system beep.

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "drawing/Leinwand.h"
#include "drawing/Sichtabbildung.h"
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

    // The box of a label as the view writes it in the label font of the size (view units).
    // Without a font at hand, the core's bound.
    virtual Textmass textMessen(std::string_view text, double groesse) { return textmassSchaetzung(text, groesse); }

    // The side of the view's drawing area, in view units.
    virtual double zeichenSeite() { return fensterBreite; }
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

// Fits the world window to the images of all points (weltfensterEinpassen): one scale on both
// axes, the points inside the view rectangle of the view's drawing area and the labels of the
// drawing (as wide and high as the view measures them, at their offsets) whole wherever they
// can be: the fewest cut while the figure keeps at least half the size of the plain fit, then
// the largest figure. Points that all map to one spot, or none, leave the window as it is.
// Redraws.
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
// object with attributes; a kind's colour word (Artzeile::farbwort: "alleStrecken",
// "alleGeraden", "allePolygone", "allePolyeder") in any mix of upper and lower case for every
// object of that kind. Anything else puts "??" into the name field, with the beep.
void faerbe(GrafikPort& port, const std::string& wasn);

// Gives the named object the colour of the selected pop-up item. A name without attributes
// is left alone. Without a valid selection the field shows "??", the beep sounds and the
// colour stays.
void farbAuswahl(GrafikPort& port, const std::string& wasn);

// ---------------------------------------------------------------------------------------
// Scroll wheel and keys

// One scroll-wheel event over the drawing, as the windowing system delivers it: the angles the
// wheel turned, in eighths of a degree (120 for one notch of a common wheel), and the keys held
// with it, by the names of a PC keyboard.
struct Radereignis {
    double winkelX = 0;       // horizontal
    double winkelY = 0;       // vertical, positive when the wheel turns away from the user
    bool strg = false;        // Ctrl: the Control key
    bool alt = false;         // Alt: the Option key
    bool umschalt = false;    // Shift: the Command key
    bool meta = false;        // Meta (the logo key): the Command key too
};

// The wheel step of an event: the larger (in size) of its vertical and horizontal angle, over
// 120, keeping its sign. Some desktops turn the wheel with Alt held into horizontal scrolling,
// so a horizontal angle counts like a vertical one. Nothing for an event without any angle.
std::optional<double> radSchritt(const Radereignis& e);

// The scroll wheel. The modifier flags t_Control, t_Alt, t_Command are taken from the event,
// then with the step dy, first match wins:
//   Control without Command      pan sideways by dy / 10 (Option may be held too);
//   Option without Command       pan up or down by dy / 10;
//   Command and Control          zoom in by 0.1 for dy < 0, out by 0.1 otherwise;
//   Command and Option           one step of the wheel's effect bArt: the eye one unit nearer
//                                the picture plane for dy >= 0 and farther for dy < 0 (a step
//                                to or below the plane is not made); a rotation by drehWinkel,
//                                negative for dy >= 0 (the setting keeps the sign); a
//                                translation by 0.1, backwards for dy >= 0; a dilation by 0.99
//                                for dy >= 0 and by 1.01 for dy < 0; nothing for keine;
//   anything else                nothing.
// Then the view is redrawn. An event without any angle is ignored altogether.
// The wheel is no statement: the answer text and the verdicts of the statement in hand stay
// as they were, although the motions run through the statements' mappings.
void scrollWheel(GrafikPort& port, const Radereignis& e);

// The keys the drawing tells apart.
enum class Taste { links, rechts, hoch, runter, andere };

// A key pressed in the drawing: when the name field names a point that has drawing attributes,
// an arrow key moves its label one view unit that way (any other key leaves it), and the view
// is redrawn. Otherwise nothing happens.
void keyDown(GrafikPort& port, Taste taste);

}  // namespace quodral
