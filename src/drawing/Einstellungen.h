#pragma once
// The settings of the automatic motions: which object the scroll wheel moves, and about which
// axis, by which angle, along which direction and from which centre it moves it.
//
// A setting is a plain name or value; it is not checked when it is set or read. A name that
// denotes no object (yet) makes the motion step do nothing. The start values name the polygon
// "po" and the line "g" that the start program builds. Clearing the registries leaves these
// settings alone.
//
// Below them the settings of how the drawing looks: pass colours, the working colour and
// width, the label font, the stereo switch and the modifier keys of the drawing view.

#include <array>
#include <string>

#include "model/Attribute.h"
#include "model/Vektor.h"

namespace quodral {

inline std::string autoObjekt = "po";     // the object that the scroll wheel moves
inline std::string drehAchse = "g";       // the line about which "Drehen" turns it
inline double drehWinkel = 2.0;           // rotation step in degrees; the wheel sets its sign
inline std::string streckZentrum = "A";   // the point from which the dilation step stretches
inline Vektor richtung{1.0, 1.0, 1.0};    // direction of the translation step (only its direction counts)

// What the scroll wheel does to the automatic object (with Command and Option held): move the
// eye, rotate about the rotation axis or a coordinate axis, translate along the direction or
// a coordinate axis, dilate from the centre, or nothing. Chosen with the statement SCROLL.
enum class bewegungsart { aeugen, drehen, xdrehen, ydrehen, zdrehen, verschieben, xverschieben, yverschieben,
                          zverschieben, strecken, keine };
inline bewegungsart bArt = bewegungsart::xverschieben;

// ---------------------------------------------------------------------------------------
// How the drawing looks. Like the motion settings these outlive a restart of the registries.

// The colour of drawing pass 0 and pass 1: black twice, a cyan and a red picture in stereo.
inline std::array<Farbwert, 2> zeichenFarbe{systemSchwarz, systemSchwarz};
// The colour and line width of the object being drawn (working state of the drawing).
inline Farbwert aktuelleFarbe = systemSchwarz;
inline int aktuelleBreite = 1;

// The labels: a Palatino-like serif (the view falls back to another serif where it is
// missing) at fontsize points, polygon names polygonSchriftZuschlag points larger.
inline const std::string schriftFamilie = "Palatino";
inline constexpr double fontsizeStart = 14.0;
inline constexpr double fontsizeMin = 8.0;
inline constexpr double fontsizeMax = 48.0;
inline constexpr double polygonSchriftZuschlag = 3.0;
inline double fontsize = fontsizeStart;

// Stereo mode: two passes from the two eyes in two colours, without labels.
inline bool dreiD = false;

// The modifier keys held with the last scroll-wheel event over the drawing view.
inline bool t_Control = false;
inline bool t_Alt = false;
inline bool t_Command = false;

// Working copy of a point's label offsets while an arrow key moves the label.
inline int tX = 0;
inline int tY = 0;

// The label size one point up (st > 0) or down (st < 0), within 8 to 48 points; st = 0, or
// a step beyond the bounds, changes nothing.
void fontSizeX(double st);

// The motion and drawing settings back to their start values (test reset).
void einstellungenZuruecksetzen();

}  // namespace quodral
