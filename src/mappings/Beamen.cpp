#include "mappings/Beamen.h"

#include <cmath>
#include <set>

#include "geometry/Grenzen.h"
#include "geometry/Numerik.h"

namespace quodral {

namespace {


double grad(double bogen) { return bogen * 180.0 / pi; }

// The unit vector of v with the empty name (v not null and finite).
Vektor einheit(const Vektor& v) { return einheitsvektor(v).value_or(nullvec); }

// The component of v across the unit vector u.
Vektor quer(const Vektor& v, const Vektor& u) { return v - (v * u) * u; }

// Numbers that leave their range stay as they come out (see gedrehterPunkt): a motion that
// would carry an object out of range is refused, never left half done.
Vektor gedreht(const Vektor& v, const Gerade& achse, double w) {
    return gedrehterPunkt(Punkt("", v.x1, v.x2, v.x3), Gerade(origo, achse.rv), w).ortsvektor();
}

}  // namespace

std::optional<Bezugsrahmen> rahmenAusPunkten(const Punkt& p1, const Punkt& p2, const Punkt& p3) {
    const Vektor d1 = p2.ortsvektor() - p1.ortsvektor();
    const double l1 = betrag(d1);
    if (!(l1 >= grenzen::ortsschaerfe) || !std::isfinite(l1)) return std::nullopt;
    const Vektor d = einheit(d1);
    const Vektor rest = quer(p3.ortsvektor() - p1.ortsvektor(), d);
    const double l2 = betrag(rest);
    if (!(l2 >= grenzen::ortsschaerfe) || !std::isfinite(l2)) return std::nullopt;
    // The normal of the span, perpendicular to d by construction.
    return Bezugsrahmen{Punkt("", p1.x, p1.y, p1.z), d, einheit(d.kreuz(rest))};
}

std::optional<Bezugsrahmen> polygonRahmen(const Polygon& pol) {
    const std::vector<Punkt> ecken = pol.punkte();
    if (ecken.empty()) return std::nullopt;
    const Punkt& a = ecken.front();
    std::size_t i = 1;
    while (i < ecken.size() && !(a.dist(ecken[i]) > grenzen::ortsschaerfe)) ++i;
    if (i >= ecken.size()) return std::nullopt;
    const Punkt& b = ecken[i];
    for (std::size_t j = i + 1; j < ecken.size(); ++j)
        if (const auto rahmen = rahmenAusPunkten(a, b, ecken[j])) return rahmen;
    return std::nullopt;
}

BeamQuintett bewegungZwischen(const Bezugsrahmen& von, const Bezugsrahmen& nach) {
    BeamQuintett q;
    // First the normal onto the normal: about their common perpendicular by the angle between
    // them. Normals that are parallel need no turn; opposite ones a half turn about d1, which
    // is perpendicular to n1.
    const Vektor c = von.n.kreuz(nach.n);
    const double s = betrag(c);
    const double cosinus = von.n * nach.n;
    if (!istNull(s)) {
        q.achse1 = Gerade(von.a, einheit(c));
        q.winkel1 = grad(std::atan2(s, cosinus));
    } else if (cosinus > 0) {
        q.achse1 = Gerade(von.a, von.n);
        q.winkel1 = 0;
    } else {
        q.achse1 = Gerade(von.a, von.d);
        q.winkel1 = 180;
    }
    q.verschiebung = nach.a.ortsvektor() - von.a.ortsvektor();
    // Then, in the plane of the second frame, the carried direction onto d2.
    q.achse2 = Gerade(nach.a, nach.n);
    const Vektor d = gedreht(von.d, q.achse1, q.winkel1);
    q.winkel2 = grad(std::atan2(d.kreuz(nach.d) * nach.n, d * nach.d));
    q.gueltig = true;
    return q;
}

Abbildung starreBewegung(const BeamQuintett& q) {
    return {.punkt =
                [q](const Punkt& p) {
                    const Punkt erst = gedrehterPunkt(p, q.achse1, q.winkel1);
                    const Vektor dann = erst.ortsvektor() + q.verschiebung;
                    Punkt bild = gedrehterPunkt(Punkt("", dann.x1, dann.x2, dann.x3), q.achse2, q.winkel2);
                    // A zero left negative by the rotation reads as a plain zero.
                    bild.x += 0.0;
                    bild.y += 0.0;
                    bild.z += 0.0;
                    return bild;
                },
            .richtung =
                [q](const Vektor& v) {
                    const Vektor bild = gedreht(gedreht(v, q.achse1, q.winkel1), q.achse2, q.winkel2);
                    Vektor w = v;
                    w.x1 = bild.x1 + 0.0;
                    w.x2 = bild.x2 + 0.0;
                    w.x3 = bild.x3 + 0.0;
                    return w;
                }};
}

void genBeamQuintett(const Polygon& po1, const Polygon& po2) {
    beamQuintett.gueltig = false;
    if (!po1.istKonvex() || !po2.istKonvex()) return;
    const std::optional<Bezugsrahmen> r1 = polygonRahmen(po1);
    const std::optional<Bezugsrahmen> r2 = polygonRahmen(po2);
    if (!r1 || !r2) return;
    beamQuintett = bewegungZwischen(*r1, *r2);
}

void setzeXYZBeamQuintett(const std::vector<Punkt>& punkte) {
    beamQuintett.gueltig = false;
    if (punkte.size() != 3) return;
    const std::optional<Bezugsrahmen> r = rahmenAusPunkten(punkte[0], punkte[1], punkte[2]);
    if (!r) return;
    beamQuintett = bewegungZwischen(*r, Bezugsrahmen{origo, evec1, evec3});
}

bool koerperBeamen(const std::string& neun, const std::string& objn) {
    if (neun != objn || !beamQuintett.gueltig) {
        lok = false;
        return false;
    }
    const grafik3DArt* koerper = finde(index3, objn);
    const bool rund = koerper != nullptr && (*koerper == grafik3DArt::kegel || *koerper == grafik3DArt::zylinder);
    if (rund || ohneLage(objn) || indexNr(objn) == 0) {
        lok = false;
        quittung = objn + " ist kein bewegbares Objekt.";
        return false;
    }
    std::set<std::string> bewegt;
    return amOrtAbbilden(objn, starreBewegung(beamQuintett), bewegt);
}

}  // namespace quodral
