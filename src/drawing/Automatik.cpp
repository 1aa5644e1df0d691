#include "drawing/Automatik.h"

#include <set>
#include <string>

#include "drawing/Einstellungen.h"
#include "mappings/Abbilden.h"
#include "model/Gerade.h"
#include "model/Objekte.h"

namespace quodral {

namespace {

// A translation step is 0.1 long.
constexpr double schrittweite = 0.1;

// The automatic object exists and has a place in space. A formula, a vector or a collective
// (alleGeraden...) is in index1 too, but there is nothing of it to move.
bool autoObjektBeweglich() { return indexNr(autoObjekt) != 0 && !ohneLage(autoObjekt); }

// The axis of the rotation effect; empty for the effects that do not rotate.
std::string drehachseVon(bewegungsart art) {
    switch (art) {
    case bewegungsart::drehen: return drehAchse;
    case bewegungsart::xdrehen: return "xAchse";
    case bewegungsart::ydrehen: return "yAchse";
    case bewegungsart::zdrehen: return "zAchse";
    default: return "";
    }
}

}  // namespace

void autoDreh() {
    if (!autoObjektBeweglich()) return;
    const std::string achse = drehachseVon(bArt);
    // Only a line of the line registry is an axis: a segment or ray of that name is not, and
    // a coordinate axis that the user deleted is not there to turn about.
    if (achse.empty() || !istGerade(achse)) return;
    dDrehungStart(autoObjekt, achse, drehWinkel);
}

void autoStreck(double f) {
    if (!autoObjektBeweglich()) return;
    const grafikArt* zentrum = finde(index1, streckZentrum);
    if (zentrum == nullptr || *zentrum != grafikArt::punkt) return;
    dStreckung(autoObjekt, streckZentrum, f, {});
}

void autoschieb(double vz) {
    Vektor v;
    switch (bArt) {
    case bewegungsart::verschieben:
        if (const std::optional<Vektor> e = einheitsvektor(richtung)) v = (vz * schrittweite) * *e;
        break;
    case bewegungsart::xverschieben: v = Vektor(vz * schrittweite, 0, 0); break;
    case bewegungsart::yverschieben: v = Vektor(0, vz * schrittweite, 0); break;
    case bewegungsart::zverschieben: v = Vektor(0, 0, vz * schrittweite); break;
    default: break;
    }
    if (v.x1 == 0 && v.x2 == 0 && v.x3 == 0) return;
    if (!autoObjektBeweglich()) return;
    schonVerschoben.clear();
    dVerschiebung(autoObjekt, v);
}

}  // namespace quodral
