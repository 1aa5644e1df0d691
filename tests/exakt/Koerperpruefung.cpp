#include "exakt/Koerperpruefung.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <map>
#include <numbers>
#include <set>

#include "Szenenstand.h"
#include "geometry/ExakteWerte.h"
#include "app/Zuruecksetzen.h"
#include "interpreter/Schnappschuss.h"
#include "model/Objekte.h"
#include "state/Zustand.h"

namespace quodral::pruefung {

namespace {

using V = std::array<double, 3>;

V minus(const V& a, const V& b) { return {a[0] - b[0], a[1] - b[1], a[2] - b[2]}; }
V kreuz(const V& a, const V& b) { return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]}; }
double skalar(const V& a, const V& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }
double laenge(const V& a) { return std::sqrt(skalar(a, a)); }

// Four significant digits, for the messages.
std::string zahl(double x) {
    char puffer[32];
    const auto [ende, fehler] = std::to_chars(puffer, puffer + sizeof puffer, x, std::chars_format::general, 4);
    return fehler == std::errc{} ? std::string(puffer, ende) : "?";
}

std::string gekuerzt(const std::string& text, std::size_t n = 240) {
    return text.size() <= n ? text : text.substr(0, n) + " …";
}

double groessteKoordinate(const std::vector<Ort>& orte) {
    double m = 0;
    for (const Ort& o : orte)
        for (double d : o) m = std::max(m, std::fabs(d));
    return m;
}

double ulp(double x) { return std::nextafter(x, std::numeric_limits<double>::infinity()) - x; }

// A face as read back: its corner walk (the repeated first corner left off), the places as
// registered and relative to the face's first corner (one rounding each, so that a narrow face
// far from the origin keeps its shape), the unit normal of the walk (of its area vector,
// computed exactly, so that a sliver keeps it), the mean of the corners relative to the first,
// and how far the corners stray from that plane.
struct Seite {
    std::string name;
    std::vector<std::string> namen;
    std::vector<Ort> orte;
    std::vector<V> e;
    V n{}, m{};
    double abweichung = 0, flaeche = 0;
    // The signed distance of a place from the face's plane, along its normal.
    double abstand(const Ort& o) const { return skalar(n, minus(minus(o, orte[0]), m)); }
};

// The places as the checks compute with them: every coordinate scaled by the power of two
// that brings the solid's extent to about 1 (exactly, every digit kept), so that no square of
// a cross product overflows or underflows at any extent the hull takes (1e-100 to 1e80 and
// beyond); tolerances, volumes and surfaces are scaled alike.
struct Skala {
    int exponent = 0;
    double laenge(double x) const { return std::ldexp(x, -exponent); }
    double flaeche(double x) const { return std::ldexp(x, -2 * exponent); }
    double volumen(double x) const { return std::ldexp(x, -3 * exponent); }
    double zurueck(double x) const { return std::ldexp(x, exponent); }
    Ort ort(const Ort& o) const { return {laenge(o[0]), laenge(o[1]), laenge(o[2])}; }
    std::vector<Ort> orte(const std::vector<Ort>& w) const {
        std::vector<Ort> r;
        for (const Ort& o : w) r.push_back(ort(o));
        return r;
    }
};

// The scale of places: of the largest side of their box.
Skala skalaVon(const std::vector<Ort>& orte) {
    double weite = 0;
    for (int a = 0; a < 3 && !orte.empty(); ++a) {
        const auto [lo, hi] = std::minmax_element(orte.begin(), orte.end(), [a](const Ort& x, const Ort& y) { return x[a] < y[a]; });
        weite = std::max(weite, (*hi)[a] - (*lo)[a]);
    }
    return {weite > 0 && std::isfinite(weite) ? std::ilogb(weite) : 0};
}

struct Gelesen {
    Skala skala;   // the places below are scaled by it
    std::vector<Seite> seiten;
    Ort ursprung{};   // the first corner: places relative to it keep their digits
    V innen{};        // the mean of all corners relative to the first: inside a convex solid
    std::vector<std::string> maengel;   // missing faces or corners, open walks
};

Gelesen lies(const std::string& koerper) {
    Gelesen g;
    const Polyeder* p = finde(polyederListe, koerper);
    if (p == nullptr) {
        g.maengel.push_back(koerper + " ist kein Polyeder");
        return g;
    }
    g.skala = skalaVon(eckenVon(koerper));
    std::size_t anzahl = 0;
    for (const std::string& s : p->seiten) {
        const Polygon* pg = finde(polygonListe, s);
        if (pg == nullptr || pg->ecken.size() < 4 || pg->ecken.front() != pg->ecken.back()) {
            g.maengel.push_back("Seite " + s + " fehlt oder ist nicht geschlossen");
            continue;
        }
        Seite f{s, {pg->ecken.begin(), pg->ecken.end() - 1}, {}, {}, {}, {}, 0, 0};
        for (const std::string& e : f.namen) {
            const Punkt* q = finde(punktListe, e);
            if (q == nullptr) {
                g.maengel.push_back("Ecke " + e + " von " + s + " fehlt");
                continue;
            }
            const Ort o = g.skala.ort({q->x, q->y, q->z});
            if (anzahl == 0) g.ursprung = o;
            f.orte.push_back(o);
            f.e.push_back(minus(f.orte.back(), f.orte.front()));
            const V d = minus(f.orte.back(), g.ursprung);
            for (int a = 0; a < 3; ++a) g.innen[a] += d[a];
            ++anzahl;
        }
        if (f.e.size() != f.namen.size()) continue;
        V newell{0, 0, 0};
        for (std::size_t i = 0; i < f.e.size(); ++i) {
            const V k = kreuz(f.e[i], f.e[(i + 1) % f.e.size()]);
            for (int a = 0; a < 3; ++a) {
                newell[a] += k[a];
                f.m[a] += f.e[i][a] / static_cast<double>(f.e.size());
            }
        }
        f.flaeche = laenge(newell) / 2;
        const Ort a = exakt::flaechenvektor(f.orte);
        const double l = laenge(a);
        for (int k = 0; k < 3; ++k) f.n[k] = l > 0 ? a[k] / l : 0;
        for (const V& x : f.e) f.abweichung = std::max(f.abweichung, std::fabs(skalar(f.n, minus(x, f.m))));
        g.seiten.push_back(std::move(f));
    }
    for (double& a : g.innen) a /= static_cast<double>(std::max<std::size_t>(anzahl, 1));
    return g;
}

// Every face is a convex polygon by the polygons' own test: its FLAECHE has a value, and it
// counts in every measure.
void pruefeSeitenKonvex(const Gelesen& g, Befund& befund) {
    for (const Seite& f : g.seiten) {
        const Polygon& pg = *finde(polygonListe, f.name);
        if (!(pg.flaeche() > 0))
            befund("Seite " + f.name + " ist für das Polygon selbst nicht konvex");
    }
}

using P2 = std::array<double, 2>;

double kreuz2(const P2& o, const P2& a, const P2& b) { return (a[0] - o[0]) * (b[1] - o[1]) - (a[1] - o[1]) * (b[0] - o[0]); }

// The corners of the convex hull of points in a plane, counter-clockwise (Andrew's chain).
std::vector<P2> huelle2d(std::vector<P2> p) {
    std::sort(p.begin(), p.end());
    std::vector<P2> h(2 * p.size() + 1);
    std::size_t k = 0;
    for (int lauf = 0; lauf < 2; ++lauf) {
        const std::size_t anfang = k;
        for (const P2& q : p) {
            while (k >= anfang + 2 && kreuz2(h[k - 2], h[k - 1], q) <= 0) --k;
            h[k++] = q;
        }
        --k;
        std::reverse(p.begin(), p.end());
    }
    h.resize(k);
    return h;
}

}  // namespace

double toleranz(const std::vector<Ort>& wolke) {
    Ort lo{}, hi{};
    for (int a = 0; a < 3; ++a) {
        lo[a] = std::numeric_limits<double>::infinity();
        hi[a] = -lo[a];
    }
    for (const Ort& o : wolke)
        for (int a = 0; a < 3; ++a) {
            lo[a] = std::min(lo[a], o[a]);
            hi[a] = std::max(hi[a], o[a]);
        }
    const double ausdehnung = std::max({hi[0] - lo[0], hi[1] - lo[1], hi[2] - lo[2]});
    return std::max(1e-8 * std::min(ausdehnung, 1.0), 16 * ulp(groessteKoordinate(wolke)));
}

Sitzung::Neustart::Neustart() { zustandZuruecksetzen(); }
Sitzung::Neustart::~Neustart() { zustandZuruecksetzen(); }

void Sitzung::wolke(const std::string& praefix, const std::vector<Ort>& punkte, const std::string& klumpen) {
    std::set<std::string> namen;
    for (std::size_t i = 0; i < punkte.size(); ++i) {
        const std::string n = praefix + std::to_string(i + 1);
        Punkt(n, punkte[i][0], punkte[i][1], punkte[i][2]).einlisten();
        namen.insert(n);
    }
    Klumpen(klumpen, namen).einlisten();
}

std::string Sitzung::tippen(const std::string& anweisung) {
    fenster.eingabe = anweisung;
    vc.aktionB();
    return fenster.ausgabe;
}

std::vector<Ort> eckenVon(const std::string& koerper) {
    std::vector<Ort> orte;
    if (const Polyeder* p = finde(polyederListe, koerper))
        for (const std::string& e : p->eckenMenge())
            if (const Punkt* q = finde(punktListe, e)) orte.push_back({q->x, q->y, q->z});
    return orte;
}

namespace {

// One plane holds the places within tol: their least width, the least over the normals of
// three of them and over the cross products of two of their segments (a set's least width is
// that of a facet and the place farthest from it, or of two edges), is at most 2 tol, exactly.
bool eineEbeneHaelt(const std::vector<Ort>& orte, double tol) {
    std::vector<exakt::Q3> p;
    for (const Ort& o : orte) p.push_back(exakt::q({o[0], o[1], o[2]}));
    const mpq_class grenze = mpq_class(2 * tol) * mpq_class(2 * tol);
    const auto haelt = [&](const exakt::Q3& n) {
        const mpq_class nn = exakt::skalar(n, n);
        if (nn == 0) return false;
        mpq_class lo = exakt::skalar(n, p[0]), hi = lo;
        for (const exakt::Q3& x : p) {
            const mpq_class h = exakt::skalar(n, x);
            if (h < lo) lo = h;
            if (h > hi) hi = h;
        }
        return (hi - lo) * (hi - lo) <= grenze * nn;
    };
    const std::size_t m = p.size();
    for (std::size_t i = 0; i < m; ++i)
        for (std::size_t j = i + 1; j < m; ++j) {
            for (std::size_t k = j + 1; k < m; ++k)
                if (haelt(exakt::kreuz(p[j] - p[i], p[k] - p[i]))) return true;
            for (std::size_t k = i + 1; k < m; ++k)
                for (std::size_t l = k + 1; l < m; ++l)
                    if (k != j && l != j && haelt(exakt::kreuz(p[j] - p[i], p[l] - p[k]))) return true;
        }
    return false;
}

// The places (scaled as the solid g) inside it or within tol of it (scaled too); the most by
// which one lies outside, scaled. A place beyond a face's plane by more than tol lies on the
// face all the same where one plane holds it with the face's corners within tol: a face is a
// maximal set of points that one plane holds, and its own plane, through the mean of its
// corners, may pass a point that the faces merged into it shared farther off.
double innen(const Gelesen& g, const std::string& koerper, const std::vector<Ort>& orte, double tol,
             const std::string& was, Befund& befund) {
    if (g.seiten.empty()) return 0;
    std::set<Ort> ecken;
    for (const Seite& f : g.seiten) ecken.insert(f.orte.begin(), f.orte.end());
    // The sign that makes each face's distance positive outside.
    std::vector<double> aussenSeite;
    for (const Seite& f : g.seiten)
        aussenSeite.push_back(skalar(f.n, minus(minus(f.orte[0], g.ursprung), g.innen)) + skalar(f.n, f.m) < 0 ? -1.0
                                                                                                        : 1.0);
    std::size_t aussen = 0;
    double weitester = 0;
    for (const Ort& o : orte) {
        if (ecken.contains(o)) continue;
        double ueber = -std::numeric_limits<double>::infinity();
        for (std::size_t i = 0; i < g.seiten.size(); ++i) {
            const double h = aussenSeite[i] * g.seiten[i].abstand(o) - g.seiten[i].abweichung;
            if (h > tol) {
                std::vector<Ort> mitPunkt = g.seiten[i].orte;
                mitPunkt.push_back(o);
                if (eineEbeneHaelt(mitPunkt, tol)) continue;
            }
            ueber = std::max(ueber, h);
        }
        weitester = std::max(weitester, ueber);
        if (ueber > tol) ++aussen;
    }
    if (aussen > 0)
        befund(std::to_string(aussen) + " von " + std::to_string(orte.size()) + " " + was + " außerhalb von " + koerper +
               ", bis " + zahl(g.skala.zurueck(weitester)) + " (Toleranz " + zahl(g.skala.zurueck(tol)) + ")");
    return weitester;
}

}  // namespace

double pruefeInnen(const std::string& koerper, const std::vector<Ort>& orte, double tol, const std::string& was,
                   Befund& befund) {
    const Gelesen g = lies(koerper);
    return g.skala.zurueck(innen(g, koerper, g.skala.orte(orte), g.skala.laenge(tol), was, befund));
}

void pruefeKoerper(const std::string& name, const std::vector<Ort>& gegeben, const exakt::Huelle& referenz,
                   double gegebenesSoll, double gegebeneTol, Befund& befund) {
    const Gelesen g = lies(name);
    for (const std::string& m : g.maengel) befund(m);
    if (!g.maengel.empty() || g.seiten.empty()) return;
    const std::string vor = name + ": ";
    // Every place, tolerance and measure at the scale of the places read.
    const Skala& k = g.skala;
    const std::vector<Ort> wolke = k.orte(gegeben);
    const double tol = k.laenge(gegebeneTol), soll = k.volumen(gegebenesSoll), oberflaeche = k.flaeche(referenz.oberflaeche);
    std::set<Ort> referenzEcken;
    for (const Ort& o : referenz.ecken) referenzEcken.insert(k.ort(o));

    // A closed surface: every edge on exactly two faces, and Euler's V − E + F = 2.
    std::map<std::pair<std::string, std::string>, std::vector<std::size_t>> kanten;
    std::map<std::string, int> seitenAnEcke;
    for (std::size_t i = 0; i < g.seiten.size(); ++i) {
        const Seite& f = g.seiten[i];
        if (std::set<std::string>(f.namen.begin(), f.namen.end()).size() != f.namen.size())
            befund(vor + "Seite " + f.name + " hat eine Ecke zweimal");
        for (std::size_t k = 0; k < f.namen.size(); ++k) {
            kanten[std::minmax(f.namen[k], f.namen[(k + 1) % f.namen.size()])].push_back(i);
            ++seitenAnEcke[f.namen[k]];
        }
    }
    const auto offen = std::count_if(kanten.begin(), kanten.end(), [](const auto& k) { return k.second.size() != 2; });
    if (offen > 0) befund(vor + std::to_string(offen) + " Kanten liegen nicht an genau zwei Seiten");
    const long euler = static_cast<long>(seitenAnEcke.size()) - static_cast<long>(kanten.size()) +
                       static_cast<long>(g.seiten.size());
    if (euler != 2) befund(vor + "V − E + F = " + std::to_string(euler));

    // Every face in its plane, convex, running once round, with corners that are corners.
    std::size_t schief = 0, eingedellt = 0, umlauf = 0, ohneFlaeche = 0;
    double schiefst = 0;
    for (const Seite& f : g.seiten) {
        if (f.flaeche == 0) ++ohneFlaeche;
        if (f.abweichung > 2 * tol) {
            ++schief;
            schiefst = std::max(schiefst, f.abweichung);
        }
        // In the face's plane: an edge a few tolerances long turns by as much as its ends
        // stray from the plane, out of it.
        const auto eben = [&](const V& d) {
            const double h = skalar(d, f.n);
            return V{d[0] - h * f.n[0], d[1] - h * f.n[1], d[2] - h * f.n[2]};
        };
        double winkel = 0;
        for (std::size_t k = 0; k < f.e.size(); ++k) {
            const V &a = f.e[(k + f.e.size() - 1) % f.e.size()], &b = f.e[k], &c = f.e[(k + 1) % f.e.size()];
            const V u = eben(minus(b, a)), w = eben(minus(c, b)), ac = eben(minus(c, a));
            // A corner within the tolerance of its neighbours' line has no side to bend to.
            if (skalar(kreuz(u, w), f.n) < 0 && laenge(kreuz(ac, u)) / laenge(ac) > tol) ++eingedellt;
            // The walk runs once round the mean of its corners. (The turning of its edges
            // would not tell: an edge a tolerance or two long at a sharp tip may point
            // anywhere the tolerance allows.)
            const V p = eben(minus(b, f.m)), q = eben(minus(c, f.m));
            winkel += std::atan2(skalar(kreuz(p, q), f.n), skalar(p, q));
        }
        if (std::fabs(winkel - 2 * std::numbers::pi) > 1e-6) ++umlauf;
    }
    if (schief > 0) befund(vor + std::to_string(schief) + " Seiten nicht eben, bis " + zahl(schiefst));
    if (ohneFlaeche > 0) befund(vor + std::to_string(ohneFlaeche) + " Seiten ohne Fläche");
    // On a closed surface a corner of fewer than three faces is one of two faces that meet at
    // it along two edges: two neighbours that one plane holds with their union convex, merged,
    // may leave one to the merged face and one other. Where it lies within the tolerance of the
    // segment between its neighbours in a face, it is an edge point, not a corner.
    std::size_t kantenpunkte = 0;
    for (const Seite& f : g.seiten)
        for (std::size_t k = 0; k < f.namen.size(); ++k) {
            if (seitenAnEcke[f.namen[k]] >= 3) continue;
            const std::size_t m = f.namen.size();
            const V a = f.e[(k + m - 1) % m], b = f.e[(k + 1) % m], x = minus(f.e[k], a), ab = minus(b, a);
            const double t = std::clamp(skalar(x, ab) / skalar(ab, ab), 0.0, 1.0);
            if (laenge(V{x[0] - t * ab[0], x[1] - t * ab[1], x[2] - t * ab[2]}) <= tol) ++kantenpunkte;
        }
    if (kantenpunkte > 0) befund(vor + std::to_string(kantenpunkte) + " Ecken sind Kantenpunkte zweier Seiten");
    if (eingedellt > 0) befund(vor + std::to_string(eingedellt) + " Ecken nicht konvex");
    if (umlauf > 0) befund(vor + std::to_string(umlauf) + " Seiten laufen nicht genau einmal um");

    // The corners are extreme points of the cloud, or stand for one: of points within the
    // tolerance of one another (one place, which may reach a little farther where such points
    // chain) only one can be a corner.
    std::size_t keineEcke = 0;
    double fernste = 0;
    for (const Seite& f : g.seiten)
        for (const Ort& o : f.orte) {
            if (referenzEcken.contains(o)) continue;
            double naechste = std::numeric_limits<double>::infinity();
            for (const Ort& e : referenzEcken) naechste = std::min(naechste, laenge(minus(e, o)));
            if (naechste <= 2 * tol) continue;
            ++keineEcke;
            fernste = std::max(fernste, naechste);
        }
    if (keineEcke > 0)
        befund(vor + std::to_string(keineEcke) + " Seitenecken sind keine Ecken der exakten Hülle, bis " +
               zahl(fernste / tol) + " Toleranzen von einer");

    // The faces neither overlap nor leave a gap: seen from a point inside, they cover every
    // direction once, under the full solid angle 4π; a face twice, or two faces over one
    // another, cover more.
    std::vector<std::vector<Ort>> umlaeufe;
    for (const Seite& f : g.seiten) umlaeufe.push_back(f.orte);
    const double raum = exakt::raumwinkelUeberschuss(umlaeufe, g.ursprung, {g.innen[0], g.innen[1], g.innen[2]});
    if (std::fabs(raum) > 1e-9)
        befund(vor + "die Seiten decken vom Innern aus den Raumwinkel 4π " + (raum > 0 ? "+ " : "− ") +
               zahl(std::fabs(raum)) + " statt 4π");
    // Neighbours along an edge do not lie in one plane: the faces are maximal.
    const auto nah = [&](const Seite& s, const Seite& t) {
        return std::all_of(t.orte.begin(), t.orte.end(), [&](const Ort& o) { return std::fabs(s.abstand(o)) <= tol / 4; });
    };
    const auto eineEbene = std::count_if(kanten.begin(), kanten.end(), [&](const auto& k) {
        return k.second.size() == 2 && nah(g.seiten[k.second[0]], g.seiten[k.second[1]]) &&
               nah(g.seiten[k.second[1]], g.seiten[k.second[0]]);
    });
    if (eineEbene > 0) befund(vor + std::to_string(eineEbene) + " Kanten zwischen Seiten in einer Ebene");

    const double ueberstand = innen(g, name, wolke, tol, "Wolkenpunkten", befund);

    // The volume: the program's measure and the exact sum over the faces' corners. Beyond the
    // relative 1e-9, the surface may pass below cloud points as far as they lie outside it
    // (within the tolerance, as the check above holds), and a face merged of facets within the
    // tolerance of its plane moves the volume by as much as it strays from that plane.
    std::vector<std::vector<Ort>> orte;
    double gemergt = 0;
    for (const Seite& f : g.seiten) {
        orte.push_back(f.orte);
        gemergt += f.flaeche * f.abweichung;
    }
    const double spiel = 1e-9 * soll + oberflaeche * ueberstand + gemergt;
    const auto vergleiche = [&](double ist, const std::string& wie) {
        if (!(std::fabs(ist - soll) <= spiel))
            befund(vor + "Volumen " + wie + " " + zahl(k.zurueck(k.zurueck(k.zurueck(ist)))) + " statt " +
                   zahl(gegebenesSoll) + " (relativ " +
                   zahl((ist - soll) / soll) + ")");
    };
    vergleiche(k.volumen(finde(polyederListe, name)->volumen()), "(Maß des Programms)");
    vergleiche(exakt::flaechensummenVolumen(orte), "(exakt über die Seiten)");
    pruefeSeitenKonvex(g, befund);
}

void pruefeKanten(const std::string& kanten, const std::string& koerper, Befund& befund) {
    const Klumpen* k = finde(klumpenListe, kanten);
    if (k == nullptr) return befund("UMHUELLE: " + kanten + " ist kein Klumpen");
    // Each side of a face walk in both directions; a solid of one face has no edge between two.
    std::set<std::pair<std::string, std::string>> soll;
    const Gelesen g = lies(koerper);
    if (g.seiten.size() > 1)
        for (const Seite& f : g.seiten)
            for (std::size_t i = 0; i < f.namen.size(); ++i) {
                const std::string &a = f.namen[i], &b = f.namen[(i + 1) % f.namen.size()];
                soll.insert({a, b});
                soll.insert({b, a});
            }
    std::map<std::pair<std::string, std::string>, int> ist;
    std::size_t keineStrecke = 0;
    for (const std::string& n : k->zelle)
        if (const Strecke* s = finde(streckenListe, n)) ++ist[{s->ap.name, s->ep.name}];
        else ++keineStrecke;
    std::size_t fremd = 0, doppelt = 0, fehlend = 0;
    for (const auto& [paar, anzahl] : ist) {
        fremd += soll.contains(paar) ? 0 : 1;
        doppelt += anzahl > 1 ? 1 : 0;
    }
    for (const auto& paar : soll) fehlend += ist.contains(paar) ? 0 : 1;
    const std::string vor = "UMHUELLE gegen die Seiten von " + koerper + ": ";
    if (keineStrecke > 0) befund(vor + std::to_string(keineStrecke) + " Glieder sind keine Strecken");
    if (fremd > 0) befund(vor + std::to_string(fremd) + " Strecken sind keine Seitenkanten");
    if (doppelt > 0) befund(vor + std::to_string(doppelt) + " Strecken mehrfach");
    if (fehlend > 0) befund(vor + std::to_string(fehlend) + " von " + std::to_string(soll.size()) +
                            " Kantenrichtungen fehlen");
}

void pruefeSchnappschuss(Sitzung& sitzung, Befund& befund) {
    const testhilfe::Szenenstand vorher = testhilfe::szenenstand();
    // The list text of SCREENSHOT (the typed statement then offers it for saving).
    if (!screenshot()) befund("SCREENSHOT: " + gekuerzt(quittung));
    anweisungsListe = objektListe;
    sitzung.vc.execB();
    const std::string lauf = sitzung.fenster.ausgabe;
    if (lauf.find("FEHLER") != std::string::npos || lauf.find("nichts erzeugt") != std::string::npos)
        befund("Wiederholung des Schnappschusses: " + gekuerzt(lauf));
    // Every coordinate is written so that it reads back as the same double: the scene comes
    // back to the last bit, every face with the same corners.
    if (const ::testing::AssertionResult gleich = testhilfe::gleicherStand(testhilfe::szenenstand(), vorher); !gleich)
        befund("Schnappschuss: " + gekuerzt(gleich.message()));
}

void pruefeFlacheWolke(const std::string& name, const std::vector<Ort>& gegeben, const Ort& u, const Ort& v,
                       double gegebeneTol, Befund& befund) {
    const Gelesen g = lies(name);
    for (const std::string& m : g.maengel) befund(m);
    if (!g.maengel.empty() || g.seiten.empty()) return;
    const std::vector<Ort> wolke = g.skala.orte(gegeben);
    const double tol = g.skala.laenge(gegebeneTol);
    pruefeSeitenKonvex(g, befund);
    // Every corner of the outline in the plane off its neighbours' line is a corner of the
    // answer (so the answer's outline holds every point).
    const auto eben = [&](const Ort& o) { return P2{skalar(o, u), skalar(o, v)}; };
    std::set<P2> ecken;
    for (const Seite& f : g.seiten)
        for (const Ort& o : f.orte) ecken.insert(eben(o));
    std::vector<P2> wolkeEben;
    for (const Ort& o : wolke) wolkeEben.push_back(eben(o));
    const std::vector<P2> umriss = huelle2d(wolkeEben);
    std::size_t fehlend = 0;
    for (std::size_t k = 0; k < umriss.size(); ++k) {
        const P2 &a = umriss[(k + umriss.size() - 1) % umriss.size()], &b = umriss[(k + 1) % umriss.size()];
        if (kreuz2(a, umriss[k], b) / std::hypot(b[0] - a[0], b[1] - a[1]) > 2 * tol && !ecken.contains(umriss[k])) ++fehlend;
    }
    if (fehlend > 0) befund(name + ": " + std::to_string(fehlend) + " Ecken des Umrisses fehlen");
    // Off the plane: inside the solid, or near the one face. The points lie within the
    // tolerance of the plane the program found, and so do the corners; the face's own plane
    // may stray from that one by as much again where its corners do.
    if (g.seiten.size() > 1) {
        innen(g, name, wolke, tol, "Wolkenpunkten", befund);
        return;
    }
    const Seite& f = g.seiten[0];
    if (std::any_of(wolke.begin(), wolke.end(), [&](const Ort& o) { return std::fabs(f.abstand(o)) > 2 * tol + f.abweichung; }))
        befund(name + ": Wolkenpunkte liegen weiter als die Toleranz von der Seite");
}

}  // namespace quodral::pruefung
