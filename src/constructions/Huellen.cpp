#include "constructions/Huellen.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>
#include <unordered_map>

#include "constructions/Huellensuche.h"
#include "constructions/Kalkulation.h"
#include "constructions/Klumpenbau.h"
#include "intersections/Schneiderei.h"
#include "measurement/Analyse.h"
#include "model/Gerade.h"
#include "model/Ebenenkonstruktion.h"
#include "model/Loeschen.h"
#include "model/Namen.h"
#include "geometry/Ausgleichsebene.h"
#include "geometry/Grenzen.h"
#include "geometry/Linienlage.h"
#include "geometry/Numerik.h"
#include "geometry/Raumgeometrie.h"
#include "geometry/Seitenflaeche.h"
#include "geometry/Toleranz.h"
#include "geometry/Vieleckpruefung.h"
#include "model/Objekte.h"
#include "model/Registrierung.h"
#include "model/Strahl.h"
#include "model/Strecke.h"
#include "state/Namensvorbehalt.h"
#include "state/Zustand.h"
#include "text/Zahlen.h"

namespace quodral {

// =============================================================================================
// Hull polygon of coplanar points

namespace {

using grenzen::kurzeRichtung;

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

// The names and places left after removal of points at one place with another (within eps
// of one another, ortsgruppen): of each place the one named last in the list stays.
void ohneNahePunkte(std::vector<std::string>& namen, std::vector<Vektor>& orte, double eps) {
    const Ortsgruppen g = ortsgruppen(orte, eps);
    std::vector<bool> bleibt(orte.size(), false);
    for (std::size_t i : g.vertreter) bleibt[i] = true;
    std::size_t k = 0;
    for (std::size_t i = 0; i < orte.size(); ++i)
        if (bleibt[i]) {
            namen[k] = namen[i];
            orte[k] = orte[i];
            ++k;
        }
    namen.resize(k);
    orte.resize(k);
}

// The closed hull polygon of corners given in their order round the figure, counter-clockwise
// about sinn: the list starts where the walk of genHuellenPolygon starts, and repeats its
// first corner at the end. orte are the places of the figure's points (one per place), zv
// their centroid, ecken the corners' indices into them, turned in place into the polygon's.
// False, with ecken left empty, where the figure has no tangent at its farthest corner.
bool anfangen(const std::vector<Vektor>& orte, const Vektor& zv, std::vector<std::size_t>& ecken, const Vektor& sinn) {
    const auto keinAnfang = [&ecken] {
        ecken.clear();
        return false;
    };
    if (ecken.size() < 3 || orte.size() < 2) return keinAnfang();
    // The starting corner: the point farthest from the centroid (a corner: no point of a
    // segment lies farther from any place than both its ends).
    const std::size_t f = fernster(zv, orte);
    std::size_t stelle = 0;
    for (std::size_t i = 1; i < ecken.size(); ++i)
        if ((orte[ecken[i]] - orte[f]).norm() < (orte[ecken[stelle]] - orte[f]).norm()) stelle = i;
    std::rotate(ecken.begin(), ecken.begin() + static_cast<std::ptrdiff_t>(stelle), ecken.end());
    const Vektor F = orte[ecken[0]];

    // The tangent at F. Its length is |F − C|·|n| with the normal as the caller gives it,
    // tiny for small figures; below the length where directions are still taken it is brought
    // to unit length.
    Vektor t = (F - zv).kreuz(sinn);
    double tl = t.norm();
    // For a large figure (differences beyond about 1e51) that length, or its square, leaves the
    // range of doubles; for a tiny one (differences below about 1e-100) it falls below it. The
    // tangent is then brought to about the size of F − C by a power of two: the cross product
    // of the two factors each brought to unit size has its direction to the last bit.
    if (!std::isfinite(tl) || !(tl > 0)) {
        const Zweiermass zuR(groessteKomponente(F - zv));
        t = Vektor(zuR.zurueck(aufEins(kreuz(aufEins(F - zv), aufEins(sinn)))));
        tl = t.norm();
    }
    if (!(tl > 0) || !std::isfinite(tl)) return keinAnfang();
    if (tl < kurzeRichtung)
        if (const std::optional<Tripel> u = einheitsvektor(Tripel(t))) t = Vektor(*u);
    const Vektor R = F + t;  // the reference point on the tangent

    // The corners run from F to its neighbour k on the side opposite to t. The ray from the
    // centroid through R decides whether the list starts at F or at the corner before it.
    const Vektor K = orte[ecken[1]];
    if (lagentest(vektor2Punkt(zv), vektor2Punkt(R), vektor2Punkt(K), vektor2Punkt(F)))
        std::rotate(ecken.begin(), ecken.end() - 1, ecken.end());

    ecken.push_back(ecken.front());
    return true;
}

// The hull polygon of named points within eps of a plane, counter-clockwise about sinn (a
// normal of the plane in either sense), as genHuellenPolygon describes it. The places orte are
// those of the registered points namen. Its corners are those of the outline of the points as
// a face in its own plane (Seitenflaeche.h): the extreme points only, a point within eps of the
// line through its neighbours being none, unless that leaves corners that span no plane by
// the polygons' own rule (a needle a little wider than the tolerance, whose corners along its
// sides each lie within it of the line through their neighbours): then every corner of the
// outline stays. None where even those span no plane.
std::vector<std::string> umlauf(std::vector<std::string> namen, std::vector<Vektor> orte, const Vektor& sinn,
                                double eps) {
    ohneNahePunkte(namen, orte, eps);
    if (namen.size() < 3) return {};
    const Seitenflaeche flaeche(orte, eps);
    if (flaeche.dimension() < 2) return {};
    const auto spanntEbene = [&](const std::vector<std::size_t>& e) {
        std::vector<Tripel> ecken;
        for (std::size_t i : e) ecken.push_back(orte[i]);
        return e.size() >= 3 && ebenenlage(ecken).dimension == 2;
    };
    std::vector<std::size_t> ecken = flaeche.umriss(eps);
    if (!spanntEbene(ecken)) ecken = flaeche.umriss();
    if (!spanntEbene(ecken)) return {};
    if (skalar(sinn, flaeche.normale()) < 0) std::reverse(ecken.begin(), ecken.end());
    anfangen(orte, *ortsmittel(orte), ecken, sinn);
    std::vector<std::string> polygon;
    for (std::size_t i : ecken) polygon.push_back(namen[i]);
    return polygon;
}

// The first turn of points in their order (ersteDrehung, geometry/Ausgleichsebene.h), as the
// plain search's hull polygons run round, where every point after the turn's third one lies in
// the plane through the first with the turn's unit normal n; nothing where the points make no
// turn or stray from its plane. A point q lies in it where the step from q to its foot q + t·n,
// t = (a − q)·n / n·n, passes the zero test: measured as the plane's record measures it, so that
// far from the origin, where that step is below the last place of q's coordinates, q lies in it.
std::optional<Tripel> drehungInIhrerEbene(const std::vector<Tripel>& orte) {
    const std::optional<ErsteDrehung> d = ersteDrehung(orte);
    if (!d) return std::nullopt;
    const Tripel& a = orte.front();
    const Tripel n = *ebenenNormale(a, orte[d->c], orte[d->b]);
    for (std::size_t i = d->c + 1; i < orte.size(); ++i) {
        const Tripel& q = orte[i];
        const double t = skalar(a - q, n) / skalar(n, n);
        if (!istNull(betrag((q + t * n) - q))) return std::nullopt;
    }
    return d->vektor;
}

// The sense in which the hull polygon of a flat cloud runs round: that of its points' first
// turn where they make one in its plane. Where they lie in a plane only within the tolerance,
// the sense against the first turn of the chain by the one rule for flat, whose sense the
// normal of the flat cloud has (huellensuche::flacheNormale).
Tripel ebenenSinn(const std::vector<Tripel>& orte, const Tripel& flach) {
    return drehungInIhrerEbene(orte).value_or(-flach);
}

}  // namespace

bool lagentest(const Punkt& sp, const Punkt& rp, const Punkt& nP, const Punkt& fp) {
    // The line through nP and fp as the segment between them carries it (Strecke::huelle).
    const Strahl s(sp, rp.ortsvektor() - sp.ortsvektor());
    return geradeStrahlSchnitt(Gerade(nP, fp.ortsvektor() - nP.ortsvektor()), s).empty();
}

std::vector<std::string> genHuellenPolygon(const std::vector<std::string>& punktNamenfeld) {
    std::vector<std::string> namen;
    std::vector<Punkt> pkte;
    std::vector<Vektor> orte;
    for (const std::string& n : punktNamenfeld)
        if (const Punkt* p = finde(punktListe, n)) {
            namen.push_back(n);
            pkte.push_back(*p);
            orte.push_back(p->ortsvektor());
        }
    // The points must span a plane within the tolerance of their extent.
    const std::optional<Vektor> flach = huellensuche::flacheNormale(pkte);
    if (!flach) return {};
    const Vektor sinn(ebenenSinn(std::vector<Tripel>(orte.begin(), orte.end()), *flach));
    return umlauf(namen, orte, sinn, huellensuche::toleranz(pkte));
}

// =============================================================================================
// Convex hull polyhedron: the plain search

std::pair<std::vector<std::string>, std::vector<Punkt>> punkteAusKlumpen(const Klumpen& kl) {
    std::pair<std::vector<std::string>, std::vector<Punkt>> ergebnis;
    // Read only: the points are looked at, not changed.
    const auto& punkte = punktListe.karte();
    const auto nimm = [&](const std::string& n, const Punkt& p) {
        ergebnis.first.push_back(n);
        // The record without its remark (how the point was defined), which no hull reads.
        Punkt& q = ergebnis.second.emplace_back(n, p.x, p.y, p.z);
        q.vision = p.vision;
    };
    // Members and points are both ordered by name: where the members are many against the
    // points, one walk through both finds them all, else each is looked up.
    std::size_t stufen = 1;
    while (stufen < 64 && (std::size_t{1} << stufen) < punkte.size()) ++stufen;
    if (kl.zelle.size() * stufen >= punkte.size()) {
        auto it = punkte.begin();
        for (const std::string& n : kl.zelle) {
            while (it != punkte.end() && it->first < n) ++it;
            if (it == punkte.end()) break;
            if (it->first == n) nimm(n, it->second);
        }
    } else {
        for (const std::string& n : kl.zelle)
            if (const auto it = punkte.find(n); it != punkte.end()) nimm(n, it->second);
    }
    return ergebnis;
}

bool istRandebene(const Ebene& e, const std::vector<Punkt>& pkte) {
    const Vektor a = e.ap.ortsvektor();
    bool oben = false;
    bool unten = false;
    for (const Punkt& p : pkte) {
        const double d = (p.ortsvektor() - a) * e.nv;
        if (d > grenzen::nullTest) oben = true;
        else if (d < grenzen::randebeneUnten) unten = true;
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

// =============================================================================================
// Convex hull polyhedron: building it

bool imHuellenbereich(const std::vector<Punkt>& pkte) {
    const Lagebox b = lagebox(ortsvektoren(pkte));
    double weite = 0;
    for (int i = 0; i < 3; ++i) {
        if (!(b.hi[i] - b.lo[i] <= std::numeric_limits<double>::max())) return false;  // a difference that overflows
        weite = std::max(weite, b.hi[i] - b.lo[i]);
    }
    return weite == 0 || weite >= grenzen::kleinstesMass;
}

namespace {

// A measure of dimension k (1 a length, 2 an area, 3 a volume) given at the scale of a power
// of two, skaliert · 2^(k·exponent) being its true value, is a double: 0, or finite and not
// below the least normal double (Grenzen.h). The scaled value is one at about unit size, so
// the question is only the exponent's.
bool darstellbar(double skaliert, int exponent, int k) {
    if (skaliert == 0) return true;
    if (!std::isfinite(skaliert)) return false;
    const double wert = std::ldexp(std::fabs(skaliert), k * exponent);
    return std::isfinite(wert) && wert >= grenzen::kleinstesMass;
}

// Every measure of the hull the search found is a double: each edge, each face's perimeter and
// area, the total edge length, the surface and the volume, all taken on the places brought to
// unit size by the power of two of their extent (Zweiermass), whose true values are the scaled
// ones shifted in their exponents. A flat cloud's one face is the outline of its places in
// their plane; it encloses no volume.
bool masseImBereich(const std::vector<Punkt>& pkte, const huellensuche::Ebenenbefund& befund) {
    if (pkte.empty()) return true;
    const Zweiermass mass(lagebox(ortsvektoren(pkte)).weite());
    const int e = mass.exponent();
    std::vector<Tripel> p;
    p.reserve(pkte.size());
    for (const Punkt& q : pkte) p.push_back(mass.auf(Tripel(q.ortsvektor() - pkte.front().ortsvektor())));
    std::vector<std::vector<std::size_t>> umlaeufe;
    if (befund.flach) {
        const Seitenflaeche flach(p, mass.auf(huellensuche::toleranz(pkte)));
        if (flach.dimension() == 2) umlaeufe.push_back(flach.umriss());
    }
    const std::vector<std::vector<std::size_t>>& seiten = befund.flach ? umlaeufe : befund.ecken;
    double umfaenge = 0, flaechen = 0, volumen = 0;
    for (const std::vector<std::size_t>& w : seiten) {
        double umfang = 0;
        Tripel doppelt;   // twice the area vector
        for (std::size_t k = 0; k < w.size(); ++k) {
            const double kante = laenge(p[w[(k + 1) % w.size()]] - p[w[k]]);
            if (!darstellbar(kante, e, 1)) return false;
            umfang += kante;
            if (k >= 1 && k + 1 < w.size()) doppelt = doppelt + kreuz(p[w[k]] - p[w[0]], p[w[k + 1]] - p[w[0]]);
        }
        const double flaeche = laenge(doppelt) / 2;
        if (!darstellbar(umfang, e, 1) || !darstellbar(flaeche, e, 2)) return false;
        umfaenge += umfang;
        flaechen += flaeche;
        // The pyramid over the face from the first place (the walks run counter-clockwise
        // seen from outside).
        volumen += skalar(p[w[0]], doppelt) / 6;
    }
    const double kanten = seiten.size() <= 1 ? umfaenge : umfaenge / 2;
    return darstellbar(kanten, e, 1) && darstellbar(flaechen, e, 2) && (befund.flach || darstellbar(volumen, e, 3));
}

}  // namespace

bool quaderImHuellenbereich(double b, double l, double h) {
    // Each edge as m · 2^e with m between 1/2 and 1: a product of edges is the product of their
    // m at the sum of their exponents, and a sum is taken at the largest exponent of its terms
    // (a term so much smaller that it vanishes there adds nothing a double could carry). So
    // no product or sum overflows or underflows before it is judged, whatever the edges.
    struct Wert {
        double m = 0;
        int e = 0;
    };
    const auto zerlegt = [](double x) {
        Wert w;
        w.m = std::frexp(std::fabs(x), &w.e);
        return w;
    };
    const auto mal = [](const Wert& a, const Wert& c) { return Wert{a.m * c.m, a.e + c.e}; };
    const auto summe = [](std::initializer_list<Wert> ws, double faktor) {
        int e = std::numeric_limits<int>::min();
        for (const Wert& w : ws) e = std::max(e, w.e);
        double m = 0;
        for (const Wert& w : ws) m += std::ldexp(w.m, w.e - e);
        return Wert{faktor * m, e};
    };
    const Wert x = zerlegt(b), y = zerlegt(l), z = zerlegt(h);
    if (!std::isfinite(x.m) || !std::isfinite(y.m) || !std::isfinite(z.m)) return false;
    const Wert xy = mal(x, y), xz = mal(x, z), yz = mal(y, z);
    for (const Wert& w : {x, y, z, summe({x, y, z}, 4), xy, xz, yz, summe({xy, xz, yz}, 2), mal(xy, z)})
        if (!darstellbar(w.m, w.e, 1)) return false;
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
    const huellensuche::Ebenenbefund befund = huellensuche::randebenen(pkte);
    if (befund.fehler) return Huellenbau::rechenfehler;
    if (befund.punkte.empty()) return Huellenbau::keineEbene;
    if (!masseImBereich(pkte, befund)) return Huellenbau::ausserhalb;
    const double eps = huellensuche::toleranz(pkte);
    // The places of the points, read once for all faces.
    const std::vector<Vektor> ort = ortsvektoren(pkte);

    // The faces are worked out in three passes over all of them rather than face by face: their
    // corner walks, then their measures, then their registration. A pass runs one kind of work
    // through thousands of faces and keeps its code in the processor's caches; face by face,
    // the walk, the measures and the registries took turns and pushed one another out.
    const std::size_t seitenZahl = befund.punkte.size();
    // The corner walks as indices of the cloud, the first corner repeated at the end: face f's
    // runs from umlaufAnfang[f] to umlaufAnfang[f + 1].
    std::vector<std::size_t> umlaeufe, umlaufAnfang{0};
    umlaufAnfang.reserve(seitenZahl + 1);
    std::vector<Tripel> drinOrte;
    std::vector<std::string> drin;
    std::vector<Vektor> orte;
    std::vector<std::size_t> ecken;
    for (std::size_t f = 0; f < seitenZahl; ++f) {
        drinOrte.clear();
        for (std::size_t i : befund.punkte[f]) drinOrte.push_back(ort[i]);
        // Counter-clockwise about the first turn of the face's points where they make one in
        // its plane, as the hull polygon of these points runs; otherwise about the outward
        // normal. A flat cloud's face runs as its hull polygon does (its normal has the sense of
        // the first turn of its points).
        const Vektor& m = befund.normalen[f];
        const Vektor sinn(befund.flach ? ebenenSinn(drinOrte, m) : drehungInIhrerEbene(drinOrte).value_or(m));
        if (befund.flach) {
            drin.clear();
            orte.clear();
            for (std::size_t i : befund.punkte[f]) {
                drin.push_back(namen[i]);
                orte.push_back(ort[i]);
            }
            std::unordered_map<std::string, std::size_t> stelle;
            for (std::size_t i : befund.punkte[f]) stelle.emplace(namen[i], i);
            for (const std::string& e : umlauf(drin, orte, sinn, eps)) umlaeufe.push_back(stelle.at(e));
        } else {
            // The corners as the hull found them, counter-clockwise seen from outside; the walk
            // starts where the hull polygon of the face's points starts.
            const std::vector<std::size_t>& st = befund.stellen[f];
            orte.clear();
            for (std::size_t i : st) orte.push_back(ort[i]);
            ecken.clear();
            for (std::size_t i : befund.ecken[f])
                ecken.push_back(static_cast<std::size_t>(std::lower_bound(st.begin(), st.end(), i) - st.begin()));
            if (sinn * m < 0) std::reverse(ecken.begin(), ecken.end());
            anfangen(orte, *ortsmittel(orte), ecken, sinn);
            for (std::size_t k : ecken) umlaeufe.push_back(st[k]);
        }
        // A face the hull found is one: it is never left out. (Only a face without a tangent
        // at its farthest corner, beyond the digits of doubles, has no start.)
        if (umlaeufe.size() == umlaufAnfang.back()) return Huellenbau::rechenfehler;
        umlaufAnfang.push_back(umlaeufe.size());
    }

    // The faces as polygons of the corners' names, measured from their places.
    std::vector<Polygon> polygone;
    polygone.reserve(seitenZahl);
    std::vector<std::size_t> eintraege;   // per face the entries of its corner walk
    eintraege.reserve(seitenZahl);
    std::vector<Polygonmasse> masse;  // each face as the polygon measures it
    masse.reserve(seitenZahl);
    double umfaenge = 0;
    double flaechen = 0;
    // The distinct corners of the faces (the cloud's names are distinct).
    std::vector<bool> istEcke(pkte.size(), false);
    std::size_t eckenZahl = 0;
    std::vector<Tripel> kette;
    for (std::size_t f = 0; f < seitenZahl; ++f) {
        std::vector<std::string> eckfolge;
        eckfolge.reserve(umlaufAnfang[f + 1] - umlaufAnfang[f]);
        kette.clear();
        for (std::size_t k = umlaufAnfang[f]; k < umlaufAnfang[f + 1]; ++k) {
            const std::size_t i = umlaeufe[k];
            eckfolge.push_back(namen[i]);
            kette.push_back(ort[i]);
            if (!istEcke[i]) {
                istEcke[i] = true;
                ++eckenZahl;
            }
        }
        eintraege.push_back(eckfolge.size());
        const Polygon& seite = polygone.emplace_back(std::string(), std::move(eckfolge));
        masse.push_back(vermessen(seite, kette));
        umfaenge += masse.back().laenge;
        flaechen += masse.back().flaeche;
    }

    const double kanten = seitenZahl <= 1 ? umfaenge : umfaenge / 2;
    const double volumen = volumenAusSeiten(masse);
    // Measured as the answer gives them, the measures are doubles too (masseImBereich decided
    // on the same faces at unit size; this keeps a sum within a rounding of the largest double
    // from being answered as infinite).
    if (!std::isfinite(kanten) || !std::isfinite(flaechen) || !std::isfinite(volumen)) return Huellenbau::ausserhalb;

    // The faces take their names in their order. The polyhedron's name is held back meanwhile
    // (nextFreeName has passed over every name held back already, so this one was not).
    Namensvorbehalt vorbehalt(name);
    std::vector<std::string> seiten;
    seiten.reserve(seitenZahl);
    // Nothing half-built stays behind: the faces registered so far go again.
    const auto zuruecknehmen = [&seiten](Huellenbau ausgang) {
        for (const std::string& s : seiten) auslisten(s);
        return ausgang;
    };
    for (Polygon& seite : polygone) {
        std::string fname = nextFreeName("pl");
        if (!eingetragen(eintragen(std::move(seite), fname))) return zuruecknehmen(Huellenbau::nameAbgelehnt);
        seiten.push_back(std::move(fname));
    }
    vorbehalt.freigeben();

    if (!Polyeder(name, seiten).einlistenAls(name)) return zuruecknehmen(Huellenbau::nameAbgelehnt);
    lok = true;
    // The examination reads the faces with a carrier plane from their numbers here.
    std::vector<Vektor> normalen;
    normalen.reserve(masse.size());
    std::vector<std::string> mitEbene;
    std::vector<std::size_t> mitEbeneEintraege;
    const bool alleEben = std::all_of(masse.begin(), masse.end(), [](const Polygonmasse& m) { return m.ebene.has_value(); });
    for (std::size_t f = 0; f < masse.size(); ++f) {
        if (!masse[f].ebene) continue;
        normalen.push_back(masse[f].ebene->nv);
        if (alleEben) continue;
        mitEbene.push_back(seiten[f]);
        mitEbeneEintraege.push_back(eintraege[f]);
    }
    quittung = examPolyeder(alleEben ? seiten : mitEbene, alleEben ? eintraege : mitEbeneEintraege, normalen, eckenZahl) +
               "\nGesamtKantenlänge: " + kurzform(roundTo(kanten, dezimalen)) +
               "   Oberfläche: " + kurzform(roundTo(flaechen, dezimalen)) +
               "  Volumen: " + kurzform(roundTo(volumen, dezimalen));
    return Huellenbau::gebaut;
}

// =============================================================================================
// The fast searches (Huellensuche.h)

std::vector<Ebene> randebenen(const std::vector<Punkt>& pkte) {
    const huellensuche::Ebenenbefund b = huellensuche::randebenen(pkte);
    std::vector<Ebene> ebenen;
    ebenen.reserve(b.punkte.size());
    for (std::size_t f = 0; f < b.punkte.size(); ++f) {
        // The plane of the face's last triple, as the plain search keeps it; for a narrow face,
        // or one whose triple ebeneDurch refuses, the plane through its first point.
        std::optional<Ebene> e;
        if (const auto& t = b.tripel[f]) e = ebeneDurch(pkte[(*t)[0]], pkte[(*t)[1]], pkte[(*t)[2]]);
        ebenen.push_back(e ? std::move(*e) : Ebene(pkte[b.punkte[f].front()], b.normalen[f]));
    }
    return ebenen;
}

// =============================================================================================
// Boundary edges

std::optional<std::vector<std::pair<std::size_t, std::size_t>>> randKantenPaare(const std::vector<Punkt>& pts) {
    // The faces the convex hull polyhedron registers, from the same search; where it builds
    // none, there is no hull to take edges from.
    if (!imHuellenbereich(pts)) return std::nullopt;
    const huellensuche::Ebenenbefund befund = huellensuche::huellenseiten(pts);
    if (befund.fehler || (!befund.punkte.empty() && !masseImBereich(pts, befund))) return std::nullopt;
    std::vector<std::pair<std::size_t, std::size_t>> kanten;
    if (befund.flach) return kanten;
    // The edges are the sides of the faces' corner walks, and nothing else: a point of a face
    // that is no corner of it pairs with no other. Each edge lies on two faces; per corner its
    // neighbours along the walks (ab[i] ... ab[i + 1] − 1 in nachbar), then each list sorted
    // and freed of repeats gives the pairs in ascending order, both directions at once.
    std::vector<std::size_t> ab(pts.size() + 1, 0);
    const auto jedeSeite = [&befund](const auto& tun) {
        for (const std::vector<std::size_t>& ecken : befund.ecken)
            for (std::size_t k = 0; k < ecken.size(); ++k) tun(ecken[k], ecken[(k + 1) % ecken.size()]);
    };
    jedeSeite([&ab](std::size_t a, std::size_t b) {
        ++ab[a + 1];
        ++ab[b + 1];
    });
    std::partial_sum(ab.begin(), ab.end(), ab.begin());
    std::vector<std::size_t> nachbar(ab.back());
    {
        std::vector<std::size_t> frei(ab.begin(), ab.end() - 1);
        jedeSeite([&](std::size_t a, std::size_t b) {
            nachbar[frei[a]++] = b;
            nachbar[frei[b]++] = a;
        });
    }
    kanten.reserve(ab.back() / 2);
    for (std::size_t a = 0; a < pts.size(); ++a) {
        const auto anfang = nachbar.begin() + static_cast<std::ptrdiff_t>(ab[a]);
        const auto ende = nachbar.begin() + static_cast<std::ptrdiff_t>(ab[a + 1]);
        std::sort(anfang, ende);
        for (auto it = anfang; it != ende; ++it)
            if (it == anfang || *it != *(it - 1)) kanten.emplace_back(a, *it);
    }
    return kanten;
}

}  // namespace quodral
