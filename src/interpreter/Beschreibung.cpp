#include "interpreter/Beschreibung.h"

#include <cmath>
#include <optional>
#include <string_view>
#include <variant>

#include "checks/Kontrolle.h"
#include "interpreter/Interpret.h"
#include "measurement/Analyse.h"
#include "model/Artentabelle.h"
#include "geometry/Numerik.h"
#include "text/Zahlen.h"

namespace quodral {

namespace {

// A measure rounded to the current decimals and written in its shortest form: 4.0, 6.283.
std::string gerundet(double x) { return kurzform(roundTo(x, dezimalen)); }

constexpr std::string_view ausserhalb = "liegt außerhalb des darstellbaren Bereichs";

std::string polygonText(const std::string& name, const Polygon& pol) {
    std::string text = name + " ist das ";
    if (pol.istEben()) text += " ebene";
    if (pol.istKonvex()) text += " und konvexe";
    text += " " + pol.alsString() + ".";
    // A measure that overflows is no number: the description says so, as the measurement
    // statements do, instead of printing "inf".
    const double laenge = pol.laenge();
    const double durchmesser = pol.durchmesser();
    text += "\n\n Seine Länge ";
    text += std::isfinite(laenge) ? "beträgt " + gerundet(laenge) : std::string(ausserhalb);
    text += ", sein Durchmesser ";
    text += std::isfinite(durchmesser) ? "ist " + gerundet(durchmesser) : std::string(ausserhalb);
    return text;
}

std::string polyederText(const std::string& name, const Polyeder& pd) {
    std::string text = name + " ist ein Polyeder";
    if (pd.istPyramide()) text += ", und zwar eine Pyramide";
    return text + "\n\n" + examPolyeder(pd);
}

// The description of a registered object; nothing when its record is missing or its kind
// (a collective) has nothing to describe.
std::optional<std::string> beschreibung(const std::string& name, const Artzeile& zeile) {
    const std::optional<Datensatz> rec = zeile.finde(name);
    if (!rec) return std::nullopt;
    // Polygons and polyhedra, prisms and pyramids among them, are described by their measures.
    if (const Polygon* pol = std::get_if<Polygon>(&*rec)) return polygonText(name, *pol);
    if (const Polyeder* pd = std::get_if<Polyeder>(&*rec)) return polyederText(name, *pd);
    const std::optional<Beschreibungsform>& f = zeile.beschreibung;
    if (!f) return std::nullopt;
    std::string text = f->vorsatz ? name + std::string(*f->vorsatz) : std::string();
    text += zeile.textform(name).value_or("") + std::string(f->schluss);
    if (f->nachBemerkung) text += zeile.bemerkung(name).value_or("") + std::string(*f->nachBemerkung);
    return text;
}

}  // namespace

std::string wasist(const std::string& name) {
    // Looking at an object changes nothing of the statement's check state, also where a
    // formula's term is evaluated for its value.
    std::optional<std::string> text;
    if (const Artzeile* zeile = artzeileVon(name)) {
        PruefzustandBewahren bewahrt;
        text = beschreibung(name, *zeile);
    }
    // A collective, and a name whose record is missing, has nothing to describe.
    quittung = text.value_or(misserfolg);
    return quittung;
}

}  // namespace quodral
