#pragma once
// The table of kinds: one row for every kind of the two kind indexes (the twelve of index1,
// the five of index3), holding what the parts of the program that decide by kind need of it.
// Registration, the resets, the listings, the object descriptions, deletion, the collectives
// and the mappings ask the row of a kind instead of each deciding again which registry holds
// it, how it is written, how it is drawn at first and how it goes. A row's registry is the
// one its record type names for registration (Eintragsart in model/Registrierung.h), so that
// the pairing of a kind and its registry is written once.
//
// A kind's record can be fetched as a Datensatz, one value for every record type, so that
// code working on any record (a mapping, a description) needs no switch over kinds.

#include <functional>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

#include "model/Arten.h"
#include "model/Attribute.h"
#include "model/Objekte.h"

namespace quodral {

// A record of any kind. The prisms and pyramids of index3 are Polyeder records.
using Datensatz =
    std::variant<Punkt, Vektor, Gerade, Strahl, Strecke, Ebene, Kreis, Kugel, Polygon, Klumpen, Formel, Kegel, Zylinder, Polyeder>;
// Every kind has its record type here but the collectives, which have no records, and the
// prisms and pyramids, which are polyhedra: a new kind without its record type, or a record
// type without its kind, stops the build here.
static_assert(std::variant_size_v<Datensatz> + 3 == detail::grafikArtTexte.size() + detail::grafik3DArtTexte.size());

// A kind of either kind index.
using Objektart = std::variant<grafikArt, grafik3DArt>;

// A map of positions, and its linear part: the map of directions and normals that goes with
// it (for a translation the identity, for a rotation the same rotation about the origin).
using Punktabbildung = std::function<Punkt(const Punkt&)>;
using Linearteil = std::function<Vektor(const Vektor&)>;

// What LOESCHE does with an object of a kind named in its statement.
enum class Loeschregel {
    wennUngebunden,  // removed when no other object is bound to it, otherwise kept and reported
    immer,           // removed whatever is bound to it (nothing but a cluster names a polyhedron)
    nie,             // left as it is
};

// How DARSTELLUNG sets the visibility of an object of a kind.
enum class Darstellungsoption {
    keine,        // refused: "Objekte vom Typ ... haben keine Darstellungsoption."
    eigene,       // the record's own visibility
    mitEcken,     // a polygon's, and that of each of its corners
    ueberSeiten,  // a polyhedron is seen through its faces: each face is set as a polygon
    kollektiv,    // every record of the collective's kind, where that kind has a display option
};

// How KLON copies an object of a kind, and under which name the copy of the object itself goes.
enum class Klonweise {
    nicht,          // refused: "Klonen ist nur für geometrische Objekte vorgesehen." (terms, collectives)
    vektor,         // refused: "Es gibt keinen Grund, einen Vekgtor zu klonen."
    unterEintrag,   // under the name map's entry for the object
    unterVorsatz,   // under the prefix itself (polygons and polyhedra)
    unterFreiemNamen,  // under the next free name after the object's own (clusters)
};

// How the listing of a kind (PUNKTE, GERADEN ...) lays out its body.
enum class Listengestalt {
    punkte,     // a line break, the count line, a line break, a blank and the bracketed names
    vektoren,   // two line breaks, the count line, two blanks and the bracketed names
    eintraege,  // the count line, then one line per object: its name and its text form
    formeln,    // the count line and a blank line, then per formula a blank, its text form and a line break
};

// The texts and the layout of a kind's listing. The word for exactly one object is the
// kind's own word (rawValue: "Punkt", "Kreis").
struct Listenform {
    std::string_view ueberschrift;  // the heading
    std::string_view leer;          // the text when the registry is empty
    std::string_view mehrzahl;      // the word for any count but one
    Listengestalt gestalt = Listengestalt::eintraege;
};

// How the description of a kind (WASIST) phrases its record: the name and a lead-in (or the
// text form alone), the text form, a closing, and the remark with its own closing where the
// kind shows it.
struct Beschreibungsform {
    std::optional<std::string_view> vorsatz;
    std::string_view schluss;
    std::optional<std::string_view> nachBemerkung;
};

// How the answers on the measures and the centre of an object of a kind name it: the words
// before the object's name are the measure's words, the kind in the genitive and a blank
// ("Das Volumen der Kugel ", "Der Schwerpunkt ... des Kegels ").
struct Massworte {
    std::string_view genitiv;                     // "des Kegels", "der Kugel"
    std::string_view flaeche = "Die Oberfläche";  // the words of its area ("Der Flächeinhalt" for a flat figure)
    std::string_view zentrum = "Schwerpunkt";     // its centre ("Mittelpunkt" where it is one)
};

struct Artzeile {
    Objektart art{};

    // --- The registry of the kind (none for the collectives: they have no records).
    // A copy of the record registered under the name; nothing when there is none.
    std::optional<Datensatz> (*finde)(const std::string& name) = nullptr;
    // Removes the record of that name from the registry (nothing else); true when there was one.
    bool (*entfernen)(const std::string& name) = nullptr;
    // The names the registry holds, in its order (ascending byte order).
    std::vector<std::string> (*namen)() = nullptr;
    // The number of records the registry holds.
    std::size_t (*anzahl)() = nullptr;
    // The registry back to its start contents (the line registry to the three axes); a kind
    // that shares the registry of another (prisms and pyramids are polyhedra) leaves it to
    // that kind's row, so that a walk over the table resets each registry once.
    void (*leeren)() = nullptr;

    // --- Text forms, as the listings and descriptions show them.
    // The record's text form alsString(); nothing when no record is registered under the name.
    std::optional<std::string> (*textform)(const std::string& name) = nullptr;
    // The record's remark rem; the empty text for kinds that carry none; nothing when no
    // record is registered under the name.
    std::optional<std::string> (*bemerkung)(const std::string& name) = nullptr;

    // --- Listing and description.
    // The kind's listing; none for the kinds without one (collectives, prisms, pyramids).
    std::optional<Listenform> auflistung{};
    // The kind's description by its text form; none for the collectives, which have nothing
    // to describe, and for polygons and polyhedra, which are described by their measures.
    std::optional<Beschreibungsform> beschreibung{};

    // --- Registration.
    // The drawing attributes a new object of the kind starts with; none for the kinds drawn
    // without attributes of their own (planes, spheres) or not drawn at all.
    std::optional<Attribut> standardAttribute{};
    // The kind's place in the order in which the scene is drawn (1 first, then 2 ...): its objects
    // are drawn after those of every kind with a lower place. 0 for a kind that is not drawn.
    int zeichenfolge = 0;

    // --- The collective that stands for all objects of the kind.
    // Its name ("allePunkte"); empty for none.
    std::string_view kollektiv{};
    // The name stays free: it is in the kind index from the start but not in use, and an
    // object may take it over (alleStrahlen, alleKugeln).
    bool kollektivFrei = false;
    // LOESCHE takes the collective for every object of its kind.
    bool kollektivLoeschbar = false;
    // The word that gives every object of the kind the colour chosen in the drawing view's
    // pop-up, in any mix of upper and lower case; empty for none.
    std::string_view farbwort{};

    // --- Deletion.
    Loeschregel loeschregel = Loeschregel::wennUngebunden;
    // VERNICHTE for the kinds that take their parts along (clusters, polygons, polyhedra): the
    // object with every part nothing else is bound to; false when the object had to stay.
    // nullptr for the kinds without such parts.
    bool (*vernichten)(const std::string& name) = nullptr;
    // The order in which the members of a vanishing cluster are taken, lowest first: those
    // that bind others go before those they bind, so that freed parts go in the same sweep.
    int loeschRang = 0;
    // The clause on the record that the deletion report gives after "Das GeoObjekt <name> "
    // (beschreibungVon); nothing when no record is registered under the name, or for a kind
    // without one (formulas, solids, collectives).
    std::optional<std::string> (*klausel)(const std::string& name) = nullptr;

    // --- Mapping.
    // The record mapped by the point map and its linear part: positions by the point map,
    // directions and normals by the linear part, radii by the map's factor of lengths (1 for a
    // motion; never measured again between mapped points). Name, visibility, remark and the
    // names of embedded points stay. A record that names other records (polygon corners,
    // cluster members, polyhedron faces, a cone's base circle and height point) keeps those
    // names: mapping its parts is the caller's business. A record of another kind is given
    // back as it is.
    Datensatz (*abbilden)(const Datensatz& record, const Punktabbildung& punktabbildung, const Linearteil& linearteil,
                          double laengenfaktor) = nullptr;
    // The objects of the kind lie somewhere, so that a mapping or a motion moves them; terms,
    // vectors and collectives do not.
    bool lage = true;

    // --- Visibility, cloning and measures: what DARSTELLUNG, KLON and the measuring statements
    // and terms read of a kind.
    Darstellungsoption darstellungsoption = Darstellungsoption::keine;
    // The visibility the record of that name keeps in its registry; nullptr when there is no
    // record. nullptr for the kinds whose records keep none.
    darstellung* (*vision)(const std::string& name) = nullptr;
    Klonweise klonweise = Klonweise::nicht;
    // Whether ABSTAND and the term abstand measure the distance to objects of the kind.
    bool abstand = false;
    // The record of that name is there, and so is every record its measures are read from (a
    // cone's base circle and apex, a cylinder's base circle and height point).
    bool (*messbar)(const std::string& name) = nullptr;
    // The diameter and the length (a perimeter, a segment's or vector's length, the sum of a
    // polyhedron's edges) of the record of that name; nothing when no record is registered under
    // the name. nullptr for the kinds without such a measure.
    std::optional<double> (*durchmesser)(const std::string& name) = nullptr;
    std::optional<double> (*laenge)(const std::string& name) = nullptr;
    // The radius of a circle or sphere.
    std::optional<double> (*radius)(const std::string& name) = nullptr;
    // The area and the volume the terms flaeche and volumen read: the area of a circle, a
    // sphere or a solid (a polygon's area is a statement's answer only), the volume of a sphere
    // or a solid.
    std::optional<double> (*flaeche)(const std::string& name) = nullptr;
    std::optional<double> (*volumen)(const std::string& name) = nullptr;
    // The height of a cone or cylinder: its height point's distance from the base plane.
    std::optional<double> (*hoehe)(const std::string& name) = nullptr;
    // The centre SCHWERPUNKT constructs: the centre of gravity of a solid or polygon, the midpoint
    // of a segment, the centre record of a circle or sphere (with its name); nothing when no
    // record is registered under the name, or when a polygon or polyhedron has no corners.
    std::optional<Punkt> (*schwerpunkt)(const std::string& name) = nullptr;
    std::optional<Massworte> massworte{};
};

// Every row, one per kind: the kinds of index1 in their enumeration order, then those of index3.
const std::vector<Artzeile>& artentabelle();

const Artzeile& artzeile(grafikArt art);
const Artzeile& artzeile(grafik3DArt art);
const Artzeile& artzeile(Objektart art);

// The row of the kind under which the name is registered: index1 first, then index3;
// nullptr for a name that neither holds.
const Artzeile* artzeileVon(const std::string& name);

// The kind of a record, as its registration enters it in the kind index.
Objektart artVon(const Datensatz& record);

// The record mapped by the row of its own kind (see Artzeile::abbilden).
Datensatz abbilden(const Datensatz& record, const Punktabbildung& punktabbildung, const Linearteil& linearteil,
                   double laengenfaktor = 1.0);

// The lambdas of a visit over a Datensatz, one for each record type. Written without a
// catch-all, a visit that misses a record type does not compile: the compiler names every
// place a new kind must fill.
template <class... F> struct JeRecord : F... {
    using F::operator()...;
    // A record type without a lambda of its own is refused even where it would convert to
    // the type of another lambda.
    template <class R> void operator()(const R&) const = delete;
};
template <class... F> JeRecord(F...) -> JeRecord<F...>;

// The parts of a record of any kind: f(name, rolle) for each (see model/Teile.h).
template <class F> void teileVon(const Datensatz& record, F&& f) {
    std::visit([&f](const auto& r) { fuerTeile(r, f); }, record);
}

// Calls f(std::type_identity<R>{}) for every record type R of a Datensatz, in their order.
template <class F> void fuerJedenRecordtyp(F&& f) {
    [&f]<std::size_t... I>(std::index_sequence<I...>) {
        (f(std::type_identity<std::variant_alternative_t<I, Datensatz>>{}), ...);
    }(std::make_index_sequence<std::variant_size_v<Datensatz>>{});
}

// The row of the kind whose collective has exactly this name; nullptr for any other name.
const Artzeile* kollektivZeile(std::string_view kollektiv);

// The names the collective stands for: those of its kind's registry at this moment; none for
// a name that is no collective.
std::vector<std::string> namenImKollektiv(const std::string& kollektiv);

// Every registry of the table back to its start contents (see Artzeile::leeren).
void registerLeeren();

}  // namespace quodral
