#pragma once
// Numeric terms: every numeric parameter of a statement (a coordinate, a radius, an angle, a
// factor) is a term. A term is a number, the name of a formula (whose stored term is evaluated
// anew at each use, so that it follows the objects it measures), or one measurement keyword
// followed by object names, such as "ABSTAND P E" or "RADIUS k". There is no arithmetic and no
// nesting: the arguments of a measurement are names only, and a formula's term cannot name
// another formula.

#include <optional>
#include <string>
#include <utility>

namespace quodral {

struct Artzeile;

// The outcome of an evaluation: the success flag and the value. A failure always carries 0.0;
// a success always carries a finite value (a measurement that overflows fails).
using Termwert = std::pair<bool, double>;

// The value of a parameter word: a number, else the term of the formula of that name, else the
// text itself read as a term.
//
// Evaluating may clear checkResultat (a measurement keyword with the wrong number of names
// appends its count sentence to mListe; ABSTAND of an unknown name clears it without a
// sentence), but never sets it back to true: a term cannot undo an earlier failure of the
// statement that evaluates it.
Termwert wert(const std::string& x);

// The value of a term text: a number or a measurement term. Formula names are not looked up
// here; that is what keeps a formula from naming another formula.
//
// The keywords (compared upper-cased, the names exactly as written): WINKEL of three points
// (the angle at the middle one), of two planes (between their normals, 0 to 180) or of two
// lines, rays or segments; ABSTAND of two points, lines, planes or spheres; DURCHMESSER,
// RADIUS, LAENGE (or LÄNGE), VOLUMEN and FLAECHE of one object.
Termwert termdeutung(const std::string& term);

// A column of the table of kinds that reads one measure of the named object.
using Massspalte = std::optional<double> (*Artzeile::*)(const std::string&);

// Whether the measure `wert` of the object `name`, of the kind that the column `spalte` reads,
// can be answered (messwertDarstellbar, geometry/Numerik.h, on the object's diameter, with the
// measure's power of lengths: an area the second, a volume the third, any other the first):
// the statements and the terms refuse the same measures.
bool massDarstellbar(const std::string& name, double wert, Massspalte spalte);

// The value of a parameter word for a caller that only looks (a formula's text form, the
// listings, the object description): the check state (checkResultat, mListe and lok) is the
// same afterwards as before.
Termwert wertOhneFolgen(const std::string& x);

// The value a formula shows for its term: the term's value looked at as above, 0 for a term
// without one (a term that has lost its objects still shows a value). The program gives it to
// the formula records when it starts (app/Programmstart.h).
double formelwert(const std::string& term);

}  // namespace quodral
