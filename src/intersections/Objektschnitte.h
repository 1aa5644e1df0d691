#pragma once
// The intersection of two named objects as the statements SCHNITT, PSCHNITT and ECKENKLUMPEN
// carry it out: the common points of every admitted pair of kinds, the section of a
// polyhedron with a line, the cluster of a polyhedron's corners, and the registration of what
// they find under the statement's new name.
//
// The work comes in two layers. `schneide` is pure: it takes two records and tells what they
// have in common (a point, two points, a segment still to be named, a ray, a line, a plane, a
// circle, a sphere, a copy of a polygon, nothing), or why the pair is refused. The routines
// below it read the records by name, register the result and write the answer; what their
// handler still has to do (refuse, report a missing record or a refused registration) they
// hand back as a Schnittausgang. Nothing is registered by a refused or empty intersection.

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "model/Objekte.h"
#include "model/Registrierung.h"
#include "state/Zustand.h"

namespace quodral {

// ---------------------------------------------------------------------------------------
// What a statement-level routine leaves to its handler

struct Schnittausgang {
    enum class Art {
        beantwortet,       // the result (or the news that there is none) is registered and answered
        abgelehnt,         // refused with the sentence `text`; nothing registered
        unvollstaendig,    // the object `text` is listed, but its record or its parts are gone
        nichtEingetragen,  // the registration refused a record for the reason `bericht`; nothing stays
    };
    Art art = Art::beantwortet;
    std::string text;
    Eintragung bericht = Eintragung::eingetragen;

    static Schnittausgang beantwortet() { return {}; }
    static Schnittausgang abgelehnt(std::string satz) { return {Art::abgelehnt, std::move(satz)}; }
    static Schnittausgang fehlt(std::string name) { return {Art::unvollstaendig, std::move(name)}; }
    static Schnittausgang nichtEingetragen(Eintragung bericht) { return {Art::nichtEingetragen, {}, bericht}; }
};


// The records one intersection registers, taken out again when a later one is refused, so
// that a result is registered whole or not at all.
class Eintragungen {
public:
    template <class R> bool eintragen(const R& record, const std::string& name) {
        bericht_ = quodral::eintragen(record, name);
        if (!eingetragen(bericht_)) return false;
        namen_.push_back(name);
        return true;
    }
    // Takes out every record registered here, the last first.
    void zuruecknehmen();
    // Takes out the one record of that name, when it was registered here.
    void herausnehmen(const std::string& name);
    Eintragung bericht() const { return bericht_; }

private:
    std::vector<std::string> namen_;
    Eintragung bericht_ = Eintragung::eingetragen;
};

// ---------------------------------------------------------------------------------------
// The pure intersection of two records

// The kinds that SCHNITT intersects with each other (a cluster is handled by its points).
using Schnittobjekt = std::variant<Punkt, Gerade, Strahl, Strecke, Ebene, Kreis, Kugel, Polygon>;

struct KeinSchnitt {};
// Two distinct common points, in the order in which they are named.
struct Punktepaar {
    Punkt erster;
    Punkt zweiter;
};
// A common segment whose end points are yet to be registered: the first end is named first.
struct Schnittstrecke {
    Punkt anfang;
    Punkt ende;
};
// The pair cannot be intersected; the sentence says why.
struct Schnittablehnung {
    std::string satz;
};

// What two objects have in common. Points, lines, circles and planes that the intersection
// computes carry the empty name; a copy of one of the objects (a line, ray, plane, circle,
// sphere or polygon that lies wholly in the other) keeps its embedded points.
using Schnittbefund = std::variant<Schnittablehnung, KeinSchnitt, Punkt, Punktepaar, Schnittstrecke, Strahl, Gerade,
                                   Ebene, Kreis, Kugel, Polygon>;

// The common points of two objects, whose records carry their names (for the sentences of a
// refusal). A pair of two kinds is computed in a fixed order of the kinds (point, the straight
// ones, plane, circle, sphere, polygon) whichever way it is given, so that a result comes out
// the same either way; two objects of one kind are taken as given. Two points, and the ends
// of a segment, come in the order of increasing parameter along the first object of that
// order (along its carrier line, its circle's common line ...).
Schnittbefund schneide(const Schnittobjekt& a, const Schnittobjekt& b);

// Why the object cannot take part in an intersection at all: a polygon that is not closed,
// plane and convex; a line, ray or segment without a carrier line. Nothing for a fit object.
std::optional<Schnittablehnung> untauglich(const Schnittobjekt& o);

// The point lies in the object (is the point, lies on the line, in the plane, on the circle
// or sphere, inside or on the border of the polygon).
bool liegtIn(const Schnittobjekt& o, const Punkt& p);

// ---------------------------------------------------------------------------------------
// The statement-level routines

// SCHNITT of two objects of index1 (the first may be a cluster) under the new name sn: the
// result registered (a point, two points as the cluster sn, a segment with its end points, a
// ray, line, plane, circle, sphere or polygon, or a cluster of the cluster's points lying on
// the second object), or nothing when they have nothing in common; the answer in quittung.
Schnittausgang schnittX(const std::string& sn, const std::string& o1n, const std::string& o2n);

// The section of the polyhedron pyn with the line gn: the segment schn between the first and
// the last point where the line meets a face (its end points registered first), the point
// schn where it touches, or the answer that the line passes by.
Schnittausgang polyederGeradeSchnitt(const std::string& schn, const std::string& pyn, const std::string& gn);

// Registers the cluster kn of the corner points of the polyhedron obj. Nothing when the
// polyhedron has no corner (nothing is registered then); otherwise the registration's report.
std::optional<Eintragung> bildeEckenKlumpen(const std::string& kn, const std::string& obj);

// The points sorted by their parameter along the line (stable for equal parameters).
std::vector<Punkt> entlang(std::vector<Punkt> punkte, const Gerade& g);

}  // namespace quodral
