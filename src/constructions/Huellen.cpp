#include "constructions/Huellen.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

#include "constructions/Huellensuche.h"
#include "constructions/Kalkulation.h"
#include "constructions/Klumpenbau.h"
#include "intersections/Schneiderei.h"
#include "measurement/Analyse.h"
#include "model/Gerade.h"
#include "model/Ebenenkonstruktion.h"
#include "model/Loeschen.h"
#include "model/Namen.h"
#include "model/Numerik.h"
#include "model/Objekte.h"
#include "model/Registrierung.h"
#include "model/Strahl.h"
#include "model/Strecke.h"
#include "state/Zustand.h"
#include "text/Zahlen.h"

namespace quodral {

// =============================================================================================
// Hull polygon of coplanar points

namespace {

// A direction shorter than this makes every cosine 0; the walk is closed when it comes back
// this near to its first corner.
constexpr double kurzeRichtung = 1e-5;
constexpr double schlussAbstand = 1e-5;
constexpr int hoechstSchritte = 5000;

double cosZwischen(const Vektor& v, const Vektor& w) {
    const double lv = v.norm();
    const double lw = w.norm();
    if (!(lv >= kurzeRichtung) || !(lw >= kurzeRichtung)) return 0.0;
    return (v * w) / (lv * lw);
}

// The points of the walk by their index in the candidate list.
struct Randlauf {
    std::vector<std::string> namen;
    std::vector<Vektor> orte;

    // The candidate other than s seen from s under the widest angle from v (smallest cosine).
    // start and startCos are the value to beat; a candidate replaces the best so far only
    // when its cosine is strictly smaller, so ties go to the earlier candidate.
    std::size_t weitester(std::size_t s, const Vektor& v, std::size_t start, double startCos) const {
        std::size_t best = start;
        double bestCos = startCos;
        for (std::size_t x = 0; x < orte.size(); ++x) {
            if (x == s) continue;
            const double c = cosZwischen(v, orte[x] - orte[s]);
            if (c < bestCos) {
                bestCos = c;
                best = x;
            }
        }
        return best;
    }
    // The second corner: the search starts from the first candidate and its cosine (0 when
    // that candidate is s itself).
    std::size_t zweiter(std::size_t s, const Vektor& rv) const {
        const double c0 = s == 0 ? 0.0 : cosZwischen(rv, orte[0] - orte[s]);
        return weitester(s, rv, 0, c0);
    }
    // Every later corner: the first candidate other than s is always taken first.
    std::size_t naechster(std::size_t s, const Vektor& v) const { return weitester(s, v, s, 2.0); }
};

// Index of the point farthest from z. The best starts as the second point; a point replaces
// it only when strictly farther, so of equally far points the second wins if it is one of
// them, otherwise the first of them in list order.
std::size_t fernster(const Vektor& z, const std::vector<Vektor>& orte) {
    std::size_t best = 1;
    double bestD = (orte[1] - z).norm();
    for (std::size_t i = 0; i < orte.size(); ++i) {
        const double d = (orte[i] - z).norm();
        if (d > bestD) {
            bestD = d;
            best = i;
        }
    }
    return best;
}

}  // namespace

std::vector<std::string> ohneDoppelpunkte(const std::vector<std::string>& namen) {
    std::vector<std::string> pn;
    std::vector<Vektor> orte;
    for (const std::string& n : namen)
        if (const Punkt* p = finde(punktListe, n)) {
            pn.push_back(n);
            orte.push_back(p->ortsvektor());
        }
    // A point stays when no later point of the list coincides with it. The points are swept
    // in the order of x, so that only neighbours within the tolerance in x are compared.
    std::vector<std::size_t> nachX(pn.size());
    std::iota(nachX.begin(), nachX.end(), std::size_t{0});
    std::sort(nachX.begin(), nachX.end(), [&](std::size_t a, std::size_t b) {
        return orte[a].x1 < orte[b].x1 || (orte[a].x1 == orte[b].x1 && a < b);
    });
    std::vector<bool> bleibt(pn.size(), true);
    const auto pruefen = [&](std::size_t i, std::size_t j) {
        // istNull of the distance: closer than 1e-8 means the same point.
        if (istNull((orte[i] - orte[j]).norm())) {
            if (i < j) bleibt[i] = false;
            else bleibt[j] = false;
        }
    };
    for (std::size_t a = 0; a < nachX.size(); ++a)
        for (std::size_t b = a + 1; b < nachX.size() && orte[nachX[b]].x1 - orte[nachX[a]].x1 < 1e-8; ++b)
            pruefen(nachX[a], nachX[b]);
    std::vector<std::string> ergebnis;
    for (std::size_t i = 0; i < pn.size(); ++i)
        if (bleibt[i]) ergebnis.push_back(pn[i]);
    return ergebnis;
}

double winkelCos(const std::string& sn, const Vektor& v, const std::string& xn) {
    const Punkt* s = finde(punktListe, sn);
    const Punkt* x = finde(punktListe, xn);
    if (s == nullptr || x == nullptr) return 0.0;
    return cosZwischen(v, x->ortsvektor() - s->ortsvektor());
}

bool lagentest(const Punkt& sp, const Punkt& rp, const Punkt& nP, const Punkt& fp) {
    const Strahl s(sp, rp.ortsvektor() - sp.ortsvektor());
    return geradeStrahlSchnitt(Strecke(nP, fp).huelle(), s).empty();
}

std::vector<std::string> genHuellenPolygon(const std::vector<std::string>& punktNamenfeld) {
    const LineareHuelle lh = lineareHuelle(punktNamenfeld);
    if (lh.dimension != 2) return {};

    Randlauf lauf;
    lauf.namen = ohneDoppelpunkte(punktNamenfeld);
    if (lauf.namen.size() < 3) return {};
    for (const std::string& n : lauf.namen) lauf.orte.push_back(punktListe.at(n).ortsvektor());  // just found

    const std::optional<Punkt> c = schwerpunkt(lauf.namen);
    if (!c) return {};
    const Vektor zv = c->ortsvektor();

    // The starting corner: the point farthest from the centroid. The line in the plane
    // through it perpendicular to its direction from the centroid has every point on one side.
    const std::size_t f = fernster(zv, lauf.orte);
    const Vektor F = lauf.orte[f];
    // The tangent at F. Its length is |F − C|·|n| with the normal as the linear hull gives it,
    // tiny for small figures; below the length where cosines are still taken it is brought to
    // unit length, so that small figures get their true hull.
    Vektor t = (F - zv).kreuz(lh.v);
    double tl = t.norm();
    // For a large figure (differences beyond about 1e51) the square of that length leaves the
    // range of doubles while the tangent itself does not: it is then brought to about the
    // size of F − C by a power of two, which keeps its direction exactly, so that the walk's
    // cosines can be taken.
    if (std::isinf(tl) && std::isfinite(t.x1) && std::isfinite(t.x2) && std::isfinite(t.x3)) {
        const Vektor r = F - zv;
        const auto exponent = [](const Vektor& v) {
            return std::ilogb(std::max({std::fabs(v.x1), std::fabs(v.x2), std::fabs(v.x3)}));
        };
        const int schritt = exponent(r) - exponent(t);
        t = Vektor(std::ldexp(t.x1, schritt), std::ldexp(t.x2, schritt), std::ldexp(t.x3, schritt));
        tl = t.norm();
    }
    if (!(tl > 0) || !std::isfinite(tl)) return {};
    if (tl < kurzeRichtung) t = (1.0 / tl) * t;
    const Vektor R = F + t;  // the reference point on the tangent

    // The neighbour of F on the side opposite to t.
    const std::size_t k = lauf.zweiter(f, t);
    std::vector<std::size_t> polygon;
    std::size_t erste = f;
    std::size_t naechste = k;
    // The ray from the centroid through R decides whether the list starts at F or at the
    // corner before it; either way the corners follow in the same sense around the hull.
    if (lagentest(c.value(), R.vektor2Punkt(), lauf.orte[k].vektor2Punkt(), F.vektor2Punkt())) {
        const std::size_t k2 = lauf.zweiter(f, (-1.0) * t);
        polygon.push_back(k2);
        erste = k2;
        naechste = f;
    } else {
        polygon.push_back(f);
    }

    Vektor vorige = R;  // the first step looks back to the reference point
    for (int schritt = 0; (lauf.orte[naechste] - lauf.orte[erste]).norm() > schlussAbstand && schritt < hoechstSchritte;
         ++schritt) {
        polygon.push_back(naechste);
        const Vektor v = vorige - lauf.orte[naechste];
        const std::size_t neu = lauf.naechster(naechste, v);
        vorige = lauf.orte[naechste];
        naechste = neu;
    }
    polygon.push_back(erste);

    std::vector<std::string> ecken;
    ecken.reserve(polygon.size());
    for (std::size_t i : polygon) ecken.push_back(lauf.namen[i]);
    return ecken;
}

// =============================================================================================
// Convex hull polyhedron: the plain search

std::pair<std::vector<std::string>, std::vector<Punkt>> punkteAusKlumpen(const Klumpen& kl) {
    std::pair<std::vector<std::string>, std::vector<Punkt>> ergebnis;
    for (const std::string& n : kl.zelle)
        if (const Punkt* p = finde(punktListe, n)) {
            ergebnis.first.push_back(n);
            ergebnis.second.push_back(*p);
        }
    return ergebnis;
}

bool istRandebene(const Ebene& e, const std::vector<Punkt>& pkte) {
    const Vektor a = e.ap.ortsvektor();
    bool oben = false;
    bool unten = false;
    for (const Punkt& p : pkte) {
        const double d = (p.ortsvektor() - a) * e.nv;
        if (d > 1e-8) oben = true;
        else if (d < -1e-7) unten = true;
        if (oben && unten) return false;
    }
    return true;
}

std::vector<Ebene> sammleRandebenen(const std::vector<Punkt>& pkte) {
    std::vector<Ebene> ebenen;
    if (orthonorm(pkte).size() < 2) return ebenen;
    const std::size_t n = pkte.size();
    for (std::size_t i = 0; i + 2 < n; ++i)
        for (std::size_t j = i + 1; j + 1 < n; ++j)
            for (std::size_t k = j + 1; k < n; ++k)
                if (const std::optional<Ebene> e = ebeneDurch(pkte[i], pkte[j], pkte[k]); e && istRandebene(*e, pkte))
                    ebenen.push_back(*e);
    return ebenen;
}

std::vector<Ebene> reduziereEbenen(const std::vector<Ebene>& eFeld) {
    std::vector<Ebene> ergebnis;
    for (std::size_t i = 0; i < eFeld.size(); ++i) {
        bool spaeterGleich = false;
        for (std::size_t j = i + 1; j < eFeld.size() && !spaeterGleich; ++j) spaeterGleich = eFeld[i] == eFeld[j];
        if (!spaeterGleich) ergebnis.push_back(eFeld[i]);
    }
    return ergebnis;
}

std::vector<std::pair<Ebene, std::vector<std::string>>> punkteEinebnen(const std::vector<std::string>& namen,
                                                                      const std::vector<Punkt>& pkte,
                                                                      const std::vector<Ebene>& eFeld) {
    std::vector<std::pair<Ebene, std::vector<std::string>>> ergebnis;
    for (const Ebene& e : eFeld) {
        std::vector<std::string> drin;
        for (std::size_t i = 0; i < pkte.size() && i < namen.size(); ++i)
            if (e.enthaelt(pkte[i])) drin.push_back(namen[i]);
        ergebnis.emplace_back(e, std::move(drin));
    }
    return ergebnis;
}

// =============================================================================================
// Convex hull polyhedron: building it

bool imHuellenbereich(const std::vector<Punkt>& pkte) {
    // The largest D with 16·D⁴ a double.
    static const double grenze = std::sqrt(std::sqrt(std::numeric_limits<double>::max() / 16));
    if (pkte.empty()) return true;
    double lo[3] = {pkte[0].x, pkte[0].y, pkte[0].z};
    double hi[3] = {lo[0], lo[1], lo[2]};
    for (const Punkt& p : pkte) {
        const double c[3] = {p.x, p.y, p.z};
        for (int i = 0; i < 3; ++i) {
            lo[i] = std::min(lo[i], c[i]);
            hi[i] = std::max(hi[i], c[i]);
        }
    }
    for (int i = 0; i < 3; ++i)
        if (!(hi[i] - lo[i] <= grenze)) return false;  // also a difference that overflows
    return true;
}

bool erzeugeKonvexeHuelle(const std::string& neun, const Klumpen& kl) {
    return baueKonvexeHuelle(neun, kl) == Huellenbau::gebaut;
}

Huellenbau baueKonvexeHuelle(const std::string& neun, const Klumpen& kl) {
    // A name the polyhedron cannot take (not allowed, or a collective's) is refused before
    // any face is registered.
    const std::string name = nextFreeName(neun);
    if (!eingetragen(eintrag::namensRegel(name, false))) return Huellenbau::nameAbgelehnt;
    const auto [namen, pkte] = punkteAusKlumpen(kl);
    if (!imHuellenbereich(pkte)) return Huellenbau::ausserhalb;
    const std::vector<Ebene> ebenen = randebenen(pkte);
    if (ebenen.empty()) return Huellenbau::keineEbene;

    // The polyhedron's name is held back while the faces take their names (nextFreeName has
    // passed over every name held back already, so this one was not).
    blockierteNamen.insert(name);
    std::vector<std::string> seiten;
    double umfaenge = 0;
    double flaechen = 0;
    for (const auto& [ebene, drin] : punkteEinebnen(namen, pkte, ebenen)) {
        const std::vector<std::string> ecken = genHuellenPolygon(drin);
        if (ecken.empty()) continue;  // no hull polygon: the face is left out, its name not taken
        const std::string fname = nextFreeName("pl");
        const Polygon seite(fname, ecken);
        if (!seite.einlisten()) continue;
        seiten.push_back(fname);
        umfaenge += seite.laenge();
        flaechen += seite.flaeche();
    }
    blockierteNamen.erase(name);
    // Boundary planes whose points give no hull polygon at all (with the fixed tolerances of
    // the distance tests, points far from the origin may lie off the very plane through them):
    // a polyhedron without faces would be no hull.
    if (seiten.empty()) return Huellenbau::keineEbene;

    const Polyeder pd(name, seiten);
    if (!pd.einlistenAls(name)) {
        // Nothing half-built stays behind: the faces go again.
        for (const std::string& s : seiten) auslisten(s);
        return Huellenbau::nameAbgelehnt;
    }
    lok = true;
    const double kanten = seiten.size() <= 1 ? umfaenge : umfaenge / 2;
    quittung = examPolyeder(pd) + "\nGesamtKantenlänge: " + kurzform(roundTo(kanten, dezimalen)) +
               "   Oberfläche: " + kurzform(roundTo(flaechen, dezimalen)) +
               "  Volumen: " + kurzform(roundTo(pd.volumen(), dezimalen));
    return Huellenbau::gebaut;
}

// =============================================================================================
// The fast searches (Huellensuche.h)

std::vector<Ebene> randebenen(const std::vector<Punkt>& pkte) { return huellensuche::randebenen(pkte).ebenen; }

std::vector<std::pair<std::size_t, std::size_t>> randKantenPaare(const std::vector<Punkt>& pts) {
    return huellensuche::randkanten(pts).kanten;
}

}  // namespace quodral
