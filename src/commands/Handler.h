#pragma once
// The statement handlers: one free function per statement keyword. Each takes the words of
// the statement after the keyword (never an empty list) and returns nothing; it answers in
// `quittung`, reports failed checks through the check state and `fehlerMitteilung()`, and
// clears `lok` when the statement is not to be recorded. The dispatcher reaches every one of
// them through the keyword registry (interpreter/Schluesselwoerter.h).

#include <string>
#include <vector>

namespace quodral {

// The common shape of a handler, as the keyword registry stores it.
using HandlerFunktion = void (*)(const std::vector<std::string>& w);

// --- Help, comments and deletion -------------------------------------------------------
void hilfstext(const std::vector<std::string>& w);     // ? KEYWORD: how a keyword is used
void kommentar(const std::vector<std::string>& w);     // * ...: a comment line, recorded
void loeschbefehl(const std::vector<std::string>& w);  // LOESCHE: deletes unbound objects

// --- Definitions of objects by their data or their parts -------------------------------
void defPunkt(const std::vector<std::string>& w);         // point by coordinates and others
void defVektor(const std::vector<std::string>& w);        // vector
void definiereFormel(const std::vector<std::string>& w);  // SEI: a named formula
void defGerade(const std::vector<std::string>& w);        // line
void defStrahl(const std::vector<std::string>& w);        // ray
void defStrecke(const std::vector<std::string>& w);       // segment
void defEbene(const std::vector<std::string>& w);         // plane
void defKreis(const std::vector<std::string>& w);         // circle
void defKugel(const std::vector<std::string>& w);         // sphere
void defKlumpen(const std::vector<std::string>& w);       // cluster of objects
void mit(const std::vector<std::string>& w);              // adds members to a cluster
void ohne(const std::vector<std::string>& w);             // removes members from a cluster
void defPolygon(const std::vector<std::string>& w);       // polygon by its corners
void defPolyeder(const std::vector<std::string>& w);      // polyhedron by its faces
void defKegel(const std::vector<std::string>& w);         // cone over a circle
void defZylinder(const std::vector<std::string>& w);      // cylinder over a circle
void defPyramide(const std::vector<std::string>& w);      // pyramid over a polygon
void wieHoch(const std::vector<std::string>& w);          // HOEHE: height of a solid (query)

// --- Statement generators: they write statements of their own and run them -------------
void defNEck(const std::vector<std::string>& w);      // regular polygon
void einpassen(const std::vector<std::string>& w);    // regular polygon through three corners
void defQuader(const std::vector<std::string>& w);    // cuboid
void defRechteck(const std::vector<std::string>& w);  // rectangle
void duplikat(const std::vector<std::string>& w);     // copy of a polyhedron on fresh names

// --- Solids, stars, clusters and clones built from other objects ----------------------
void bestimmeSchwerpunkt(const std::vector<std::string>& w);  // centre of gravity
void defPrisma(const std::vector<std::string>& w);            // PRISMA and PRISMA1
void dreibein(const std::vector<std::string>& w);             // tripod of given angles
void defStern(const std::vector<std::string>& w);             // star polygon from a point to a cluster
void zufallsPunktKlumpen(const std::vector<std::string>& w);  // cluster of random points
void klonen(const std::vector<std::string>& w);               // copies under a new prefix

// --- Derived constructions --------------------------------------------------------------
void aufpunktSetzen(const std::vector<std::string>& w);   // anchor point of an object
void lotfusspunkt0(const std::vector<std::string>& w);    // foot of a perpendicular
void orthogonale(const std::vector<std::string>& w);      // perpendicular line or plane
void parallele(const std::vector<std::string>& w);        // parallel line or plane
void defTangenten(const std::vector<std::string>& w);     // tangent planes to a sphere through a line
void defKegelschnitt(const std::vector<std::string>& w);  // section of a cone with a plane
void zerlegung(const std::vector<std::string>& w);        // division of a segment or circle

// --- Intersections and hulls ------------------------------------------------------------
void schnitt(const std::vector<std::string>& w);          // intersection of two objects
void defpSchnitt(const std::vector<std::string>& w);      // section of a polyhedron with a plane or line
void defEckenklumpen(const std::vector<std::string>& w);  // corners of a polyhedron as a cluster
void defHuelle(const std::vector<std::string>& w);        // linear hull of points
void kHuelle(const std::vector<std::string>& w);          // convex hull of a point cluster as a polyhedron
void umhuelle(const std::vector<std::string>& w);         // edges of the convex hull of a cluster

// --- Mappings and motions -------------------------------------------------------------
void spiegele(const std::vector<std::string>& w);             // reflection
void drehen(const std::vector<std::string>& w);               // rotation about a line
void streckungStart(const std::vector<std::string>& w);       // central dilation
void verschiebe(const std::vector<std::string>& w);           // translation
void streckenAntragStart(const std::vector<std::string>& w);  // laying off a segment
void beamen(const std::vector<std::string>& w);               // rigid motion of one polygon onto another
void xyBewegung(const std::vector<std::string>& w);           // three points into normal position
void wende(const std::vector<std::string>& w);                // reverses a line-like object or polygon

// --- Measurements -----------------------------------------------------------------------
void abstand(const std::vector<std::string>& w);             // distance of two objects
void berechneWinkel(const std::vector<std::string>& w);      // angle
void laengeBerechnen(const std::vector<std::string>& w);     // length
void welcherDurchmesser(const std::vector<std::string>& w);  // diameter
void berechneRadius(const std::vector<std::string>& w);      // radius
void berechneFlaeche(const std::vector<std::string>& w);     // area
void berechneVolumen(const std::vector<std::string>& w);     // volume

// --- Settings of the automatic motion and of the number output -----------------------
void autoObjektSetzen(const std::vector<std::string>& w);     // the object the wheel moves
void drehAchseSetzen(const std::vector<std::string>& w);      // rotation axis
void drehWinkelSetzen(const std::vector<std::string>& w);     // rotation angle
void setzeRichtung(const std::vector<std::string>& w);        // translation direction
void streckZentrumSetzen(const std::vector<std::string>& w);  // dilation centre
void scroll(const std::vector<std::string>& w);               // what the wheel does
void dezimalenWahl(const std::vector<std::string>& w);        // number of decimals

// --- Visibility, labels and destruction ----------------------------------------------
void beschrifte(const std::vector<std::string>& w);          // BESCHRIFTE, ZEIGE, SICHTBAR
void beschrifteAuswahl(const std::vector<std::string>& w);   // labels by name prefix
void entschrifte(const std::vector<std::string>& w);         // visible without label
void entschrifteAuswahl(const std::vector<std::string>& w);  // the same by name prefix
void verbirg(const std::vector<std::string>& w);             // hides objects
void verbirgAuswahl(const std::vector<std::string>& w);      // hides by name prefix
void rotteAus(const std::vector<std::string>& w);            // VERNICHTE: deletes with parts

}  // namespace quodral
