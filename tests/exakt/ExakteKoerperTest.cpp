// The convex hull (KHUELLE), the common solid of two polyhedra and the part of a line in a
// solid (SCHNITT) against an exact reference, over families of clouds at scales from 1e-12 to
// 1e12 and offsets up to 1e12. Each family is a generator of a cloud of extent about 1 around
// the origin; each place turns it (unless the family is about axis-parallel faces), scales it
// and moves it. A case whose cloud is about as thick as the tolerance (where "flat or solid" is
// the tolerance's own choice) is left out and named in the output; every other case must give
// the exact solid.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <numbers>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "exakt/ExakteReferenz.h"
#include "exakt/Huellenfaelle.h"
#include "exakt/Koerperpruefung.h"
#include "model/Objekte.h"

namespace quodral {

namespace {

using exakt::Ort;
using namespace pruefung;

const std::vector<Lage> lagen{{1e-12, 0}, {1e-12, 1e-10}, {1e-4, 0}, {1e-4, 1e-2}, {1, 0},      {1, 1e6},
                              {1e6, 0},   {1e6, 1e12},    {1e8, 0},  {1e12, 0},    {1e12, 1e12}};

Wolke verschoben(Wolke w, double x, double y, double z) {
    for (Ort& o : w) o = {o[0] + x, o[1] + y, o[2] + z};
    return w;
}

// --- The families, each of extent about 1 around the origin ----------------------------------

// (k+1)^3 points of spacing 1/k: corners, edge points, face points and inner points.
Wolke gitter(int k) {
    Wolke w;
    for (int i = 0; i <= k; ++i)
        for (int j = 0; j <= k; ++j)
            for (int l = 0; l <= k; ++l) w.push_back({double(i) / k - 0.5, double(j) / k - 0.5, double(l) / k - 0.5});
    return w;
}

Wolke um45(Wolke w) {
    const double c = std::cos(std::numbers::pi / 4), s = std::sin(std::numbers::pi / 4);
    for (Ort& o : w) o = {c * o[0] - s * o[1], s * o[0] + c * o[1], o[2]};
    return w;
}

Wolke quader(double a, double b, double c) {
    Wolke w;
    for (double x : {-a / 2, a / 2})
        for (double y : {-b / 2, b / 2})
            for (double z : {-c / 2, c / 2}) w.push_back({x, y, z});
    return w;
}

// The corner tetrahedron with its fourth corner moved: faces as narrow as the move.
Wolke tetraeder(Ort d) { return {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, d}; }

// The unit cube with its corner (1, 1, 1) cut off a width w from it: a triangle w wide.
Wolke abgeschnitteneEcke(double w) {
    Wolke r;
    for (const Ort& o : quader(1, 1, 1))
        if (o != Ort{0.5, 0.5, 0.5}) r.push_back(o);
    for (int a = 0; a < 3; ++a) {
        Ort o{0.5, 0.5, 0.5};
        o[a] -= w;
        r.push_back(o);
    }
    return r;
}

// The unit cube with points on its top face lifted between eps/2 and eps out of it.
Wolke fastKoplanar(std::mt19937& z, double eps) {
    std::uniform_real_distribution<double> u(-0.45, 0.45), h(0.5, 1);
    Wolke w = quader(1, 1, 1);
    for (int i = 0; i < 10; ++i) w.push_back({u(z), u(z), 0.5 + eps * h(z)});
    return w;
}

// The unit cube with points on all its faces moved between eps/2 and eps in or out.
Wolke wuerfelFlaechen(std::mt19937& z, double eps) {
    std::uniform_real_distribution<double> u(-0.5, 0.5), h(0.5, 1);
    Wolke w = quader(1, 1, 1);
    for (int i = 0; i < 24; ++i) {
        Ort o{u(z), u(z), u(z)};
        o[i % 3] = (i % 2 == 0 ? 0.5 : -0.5) + (i % 4 < 2 ? eps : -eps) * h(z);
        w.push_back(o);
    }
    return w;
}

// n points of a unit square at heights from 0 to eps: a slab eps thick.
Wolke platte(std::mt19937& z, double eps, int n) {
    std::uniform_real_distribution<double> u(-0.5, 0.5), h(0, 1);
    Wolke w;
    for (int i = 0; i < n; ++i) w.push_back({u(z), u(z), eps * h(z)});
    return w;
}

Wolke kugel(std::mt19937& z, int n, double r) {
    std::normal_distribution<double> g;
    Wolke w;
    for (int i = 0; i < n; ++i) {
        const double a = g(z), b = g(z), c = g(z), l = std::sqrt(a * a + b * b + c * c);
        w.push_back({r * a / l, r * b / l, r * c / l});
    }
    return w;
}

// qhull's test spiral, `rbox n l D3`: one turn of a helix of radius and height 1 around the
// z axis, n points at equal steps.
Wolke spirale(int n) {
    Wolke w;
    for (int i = 0; i < n; ++i) {
        const double t = 2 * std::numbers::pi * i / (n - 1);
        w.push_back({0.5 * std::cos(t), 0.5 * std::sin(t), 0.5 * (2.0 * i / (n - 1) - 1.0)});
    }
    return w;
}

// A prism over a regular n-gon of radius 0.5, of height 1.
Wolke prisma(int n) {
    Wolke w;
    for (int i = 0; i < n; ++i) {
        const double t = 2 * std::numbers::pi * i / n;
        for (double z : {-0.5, 0.5}) w.push_back({0.5 * std::cos(t), 0.5 * std::sin(t), z});
    }
    return w;
}

// --- The cases ------------------------------------------------------------------------------

struct Familie {
    std::string name;
    std::function<Wolke(std::mt19937&)> wolke;
    bool drehen = true;
    std::vector<Lage> nur = {};   // these places only; all places when empty
};

// Both hulls typed as KHUELLE and checked, then SCHNITT X HA HB against the exact common
// part of their corners' hulls: every corner of X inside both, and the volume.
void schnittFall(const std::string& titel, const Wolke& a, const Wolke& b, Bilanz& bilanz) {
    const exakt::Huelle refA = exakt::exakteHuelle(a), refB = exakt::exakteHuelle(b);
    Wolke beide = a;
    beide.insert(beide.end(), b.begin(), b.end());
    const double tol = pruefung::toleranz(beide);
    std::string grund = auslassgrund(refA, pruefung::toleranz(a));
    if (grund.empty()) grund = auslassgrund(refB, pruefung::toleranz(b));
    if (!zuPruefen(titel, grund, bilanz)) return;
    Befund f;
    pruefung::Sitzung s;
    s.wolke("A", a, "KA");
    s.wolke("B", b, "KB");
    for (const auto& [h, k, w, ref] : {std::tuple{"HA", "KA", &a, &refA}, std::tuple{"HB", "KB", &b, &refB}}) {
        const std::string antwort = s.tippen(std::string("KHUELLE ") + h + " " + k);
        if (!istPolyeder(h)) f(std::string("KHUELLE ") + h + " abgelehnt: " + einzeilig(antwort));
        else pruefung::pruefeKoerper(h, *w, *ref, ref->volumen, pruefung::toleranz(*w), f);
    }
    if (!istPolyeder("HA") || !istPolyeder("HB")) return melden(titel, f);
    const double soll = exakt::schnittvolumen(pruefung::eckenVon("HA"), pruefung::eckenVon("HB"));
    const std::string antwort = s.tippen("SCHNITT X HA HB");
    if (soll == 0) {
        if (istPolyeder("X") || antwort.find("keinen gemeinsamen Körper") == std::string::npos)
            f("SCHNITT ohne gemeinsamen Körper: " + einzeilig(antwort));
    } else if (!istPolyeder("X")) {
        f("SCHNITT abgelehnt (exakt " + kurz(soll) + "): " + einzeilig(antwort));
    } else {
        const Wolke ecken = pruefung::eckenVon("X");
        pruefung::pruefeKoerper("X", ecken, exakt::exakteHuelle(ecken), soll, tol, f);
        pruefung::pruefeInnen("HA", ecken, tol, "Ecken von X", f);
        pruefung::pruefeInnen("HB", ecken, tol, "Ecken von X", f);
        pruefung::pruefeSchnappschuss(s, f);
    }
    melden(titel, f);
}

void huellen(const std::vector<Familie>& familien) {
    Bilanz bilanz;
    unsigned saat = 1;
    for (const Familie& f : familien) {
        std::mt19937 z(saat++);
        const Wolke w = f.wolke(z);
        unsigned drehung = 100;
        for (const Lage& l : f.nur.empty() ? lagen : f.nur)
            huelleFall(titel(f.name, l), bewegt(w, l, f.drehen, drehung++), bilanz);
    }
    EXPECT_GT(bilanz.geprueft, 0);
}

// The second cloud of each pair is the first one moved, both then placed alike.
struct Paar {
    std::string name;
    std::function<Wolke(std::mt19937&)> wolke;
    Ort verschiebung;
    bool drehen = true;
    std::vector<Lage> nur = {};   // these places only; all places when empty
};

void schnitte(const std::vector<Paar>& paare) {
    Bilanz bilanz;
    unsigned saat = 50;
    for (const Paar& p : paare) {
        std::mt19937 z(saat++);
        const Wolke a = p.wolke(z);
        const Wolke b = verschoben(a, p.verschiebung[0], p.verschiebung[1], p.verschiebung[2]);
        unsigned drehung = 200;
        for (const Lage& l : p.nur.empty() ? lagen : p.nur) {
            schnittFall(titel(p.name, l), bewegt(a, l, p.drehen, drehung), bewegt(b, l, p.drehen, drehung), bilanz);
            ++drehung;
        }
    }
    EXPECT_GT(bilanz.geprueft, 0);
}

// --- Lines through a solid --------------------------------------------------------------

// A line of the unit frame: through the place `durch` along `richtung`.
struct Linie {
    std::string name;
    Ort durch, richtung;
};

// Lines through the cube of abgeschnitteneEcke(w), whose short edge runs on the top face from
// (q − w, q, q) to (q, q − w, q) along x + y = 2r, t the tolerance in the unit frame.
std::vector<Linie> linienDurchDieEcke(double w, double t) {
    const double q = 0.5, r = (1 - w) / 2, m = q - w / 2, d = 20 * t / std::sqrt(3.0);
    return {{"Deckfläche, 0.7 von der kurzen Kante", {0, 0, 0}, {0, 0, 1}},
            {"Deckfläche, 100 Toleranzen von der kurzen Kante", {r - 70 * t, r - 70 * t, 0}, {0, 0, 1}},
            {"durch das kleine Dreieck", {q - w / 4, q - w / 4, 0}, {0, 0, 1}},
            {"durch das kleine Dreieck zur fernen Ecke", {q - w / 3, q - w / 3, q - w / 3}, {1, 1, 1}},
            {"längs der kurzen Kante", {m, m, q}, {1, -1, 0}},
            {"berührt die kurze Kante", {m, m, q}, {-1, -1, 1}},
            {"20 Toleranzen neben der kurzen Kante", {m + d, m + d, q + d}, {1, -1, 0}},
            {"berührt eine Ecke des kleinen Dreiecks", {q - w, q, q}, {1, -1, 1}},
            {"berührt eine Würfelecke", {q, -q, -q}, {1, 1, 1}},
            {"längs einer Würfelkante", {-q, -q, -q}, {1, 0, 0}},
            {"berührt eine Würfelkante", {0, -q, -q}, {0, 1, -1}},
            {"von Kante zu Kante", {0, -q, -q}, {0, 1, 1}}};
}

// KHUELLE of the cloud at the place, then GERADE and SCHNITT with the hull for every line (its
// anchor placed as the cloud, its direction only turned), against the exact hull, with a shell
// of four tolerances in which the hull's faces lie: every point of the answer lies on the line
// and not beyond the shell, the answer holds every point deeper inside than the shell, and it
// finds the line wherever the line meets the exact hull.
void geradenFall(const std::string& titel, const Wolke& einheit, const std::vector<Linie>& linien, const Lage& l,
                 unsigned drehung, Bilanz& bilanz) {
    const Wolke w = bewegt(einheit, l, true, drehung);
    const double tol = pruefung::toleranz(w), schale = 4 * tol;
    if (!zuPruefen(titel, auslassgrund(exakt::exakteHuelle(w), tol), bilanz)) return;
    Befund f;
    pruefung::Sitzung s;
    if (!huelleGetippt(s, w, f)) return melden(titel, f);
    for (std::size_t i = 0; i < linien.size(); ++i) {
        const std::string k(1, static_cast<char>('a' + i)), y = "Y" + k, was = linien[i].name + ": ";
        const Ort a = bewegt({linien[i].durch}, l, true, drehung).front();
        const Ort r = bewegt({linien[i].richtung}, {1, 0}, true, drehung).front();
        Punkt("A" + k, a[0], a[1], a[2]).einlisten();
        Punkt("B" + k, a[0] + r[0], a[1] + r[1], a[2] + r[2]).einlisten();
        s.tippen("GERADE G" + k + " A" + k + " B" + k);
        const Gerade g = *finde(geradenListe, "G" + k);
        const std::string text = s.tippen("SCHNITT " + y + " H G" + k);
        std::vector<std::string> namen;
        if (text == "Polyeder und Gerade schneiden sich im Punkt " + y + ".") namen = {y};
        else if (text == "Polyeder und Gerade schneiden sich in der Strecke " + y + " mit den Endpunkten " + y + "1 und " +
                             y + "2.")
            namen = {y + "1", y + "2"};
        else if (text != "Die Gerade G" + k + " verläuft außerhalb des Polyeders H.")
            f(was + einzeilig(text));
        // The exact parts of the line: in the hull grown by the shell, in the hull, deeper inside.
        const Ort ap{g.ap.x, g.ap.y, g.ap.z}, rv{g.rv.x1, g.rv.x2, g.rv.x3};
        const auto aussen = exakt::exakterDurchgang(w, ap, rv, -schale), tief = exakt::exakterDurchgang(w, ap, rv, schale);
        std::vector<double> t;   // the answer's points as parameters along the line
        for (const std::string& n : namen) {
            const Punkt& p = *finde(punktListe, n);
            t.push_back((p.ortsvektor() - g.ap.ortsvektor()) * g.rv / (g.rv * g.rv));
            if (g.dist(p) > schale) f(was + n + " liegt " + kurz(g.dist(p)) + " neben der Geraden");
            if (!aussen || t.back() < aussen->t0 || t.back() > aussen->t1) f(was + n + " liegt außerhalb");
        }
        if (t.empty() && exakt::exakterDurchgang(w, ap, rv)) f(was + "keinen Schnitt gefunden");
        if (tief && (t.size() != 2 || t[0] > tief->t0 || t[1] < tief->t1))
            f(was + einzeilig(text) + " statt der Strecke über " + kurz(tief->t0) + " bis " + kurz(tief->t1));
    }
    melden(titel, f);
}

// --- Plane sections of a solid ----------------------------------------------------------------

// Planes of the unit frame (through a point, with a normal) through the solids below, t the
// tolerance there: through the middle, along the top face, through the small triangle of the
// cut corner (1e-7 wide), 3 and 0.5 tolerances below the corner (0.5, 0.5, 0.5), along an edge.
std::vector<std::pair<Ort, Ort>> schnittebenen(double t) {
    const double q = 0.5, d3 = q - 3 * t / std::sqrt(3.0), d05 = q - 0.5 * t / std::sqrt(3.0);
    return {{{0, 0, 0}, {1, 2, 3}},    {{0, 0, q}, {0, 0, 1}},       {{0, 0, q - 5e-8}, {0, 0, 1}},
            {{d3, d3, d3}, {1, 1, 1}}, {{d05, d05, d05}, {1, 1, 1}}, {{q, q, 0}, {1, 1, 0}}};
}

// How far q lies outside the convex polygon of the corners, in the plane with unit normal ±n,
// by the lines of its edges longer than `lang`, whose directions the rounding cannot turn.
double ausserhalbVon(const std::vector<Vektor>& ecken, const Vektor& q, Vektor n, double lang) {
    Vektor umlauf = nullvec;   // the sense of the walk
    for (std::size_t i = 1; i + 1 < ecken.size(); ++i) umlauf = umlauf + (ecken[i] - ecken[0]).kreuz(ecken[i + 1] - ecken[0]);
    if (umlauf * n < 0) n = -1.0 * n;
    double weit = 0;
    for (std::size_t i = 0; i < ecken.size(); ++i) {
        const Vektor k = ecken[(i + 1) % ecken.size()] - ecken[i];
        if (betrag(k) > lang) weit = std::max(weit, -(k.kreuz(q - ecken[i]) * n) / betrag(k));
    }
    return weit;
}

// KHUELLE of the cloud at the place, then SCHNITT of the hull with every plane (its point placed
// as the cloud, its normal only turned), against the exact hull with a shell of four
// tolerances: the section is a convex polygon by its own test, every corner lies within two
// tolerances of the plane and not beyond the shell, and along lines of the plane through its
// point and through every corner of the hull put into the plane (so that a feature near a
// corner is looked at) the section holds every point deeper inside than the shell.
void ebenenFall(const std::string& titel, const Wolke& einheit, const Lage& l, unsigned drehung, Bilanz& bilanz) {
    const Wolke w = bewegt(einheit, l, true, drehung);
    const double tol = pruefung::toleranz(w), schale = 4 * tol;
    const exakt::Huelle ref = exakt::exakteHuelle(w);
    if (!zuPruefen(titel, auslassgrund(ref, tol), bilanz)) return;
    Befund f;
    pruefung::Sitzung s;
    if (!huelleGetippt(s, w, f)) return melden(titel, f);
    const auto v = [](const Ort& o) { return Vektor(o[0], o[1], o[2]); };
    const auto o = [](const Vektor& x) { return Ort{x.x1, x.x2, x.x3}; };
    const auto ebenen = schnittebenen(tol / l.massstab);
    for (std::size_t i = 0; i < ebenen.size(); ++i) {
        const std::string k = std::to_string(i), was = "Ebene " + k + ": ";
        const Vektor a = v(bewegt({ebenen[i].first}, l, true, drehung).front());
        const Vektor n = *einheitsvektor(v(bewegt({ebenen[i].second}, {1, 0}, true, drehung).front()));
        Ebene(Punkt("", a.x1, a.x2, a.x3), n).einlistenAls("E" + k);
        const std::string text = s.tippen("SCHNITT S" + k + " H E" + k);
        std::vector<Vektor> ecken;
        if (const Polygon* pg = finde(polygonListe, "S" + k)) {
            ecken = ortsvektoren(pg->punkte());
            ecken.pop_back();
            if (!pg->istKonvex() || !pg->istEben()) f(was + "nicht konvex und eben");
        } else if (text != "Die Ebene E" + k + " verläuft außerhalb des Polyeders H") {
            f(was + einzeilig(text));
        }
        for (const Vektor& c : ecken) {
            const auto d = exakt::exakterDurchgang(w, o(c), o(n), -schale);
            if (std::fabs(n * (c - a)) > 2 * tol || !d || d->t0 > 0 || d->t1 < 0) f(was + "Ecke außerhalb");
        }
        const Vektor u = *einheitsvektor(n.kreuz(std::fabs(n.x1) < 0.6 ? evec1 : evec2)), u2 = n.kreuz(u);
        std::vector<Vektor> durch{a};
        for (const Ort& c : ref.ecken) durch.push_back(v(c) - (n * (v(c) - a)) * n);
        for (const Vektor& p : durch)
            for (const Vektor& r : {u, u2, u + u2, u - u2})
                if (const auto d = exakt::exakterDurchgang(w, o(p), o(r), schale))
                    for (double t : {d->t0, d->t1})
                        if (ecken.empty() || ausserhalbVon(ecken, p + t * r, n, 100 * tol) > tol)
                            f(was + einzeilig(text) + " verfehlt einen Punkt");
    }
    melden(titel, f);
}

}  // namespace

// The reference itself on solids whose measures are known.
TEST(ExakteReferenz, BekannteKoerper) {
    const exakt::Huelle w = exakt::exakteHuelle(gitter(2));
    EXPECT_EQ(w.ecken.size(), 8u);   // edge, face and inner points are none
    EXPECT_EQ(w.volumen, 1.0);
    EXPECT_EQ(exakt::exakteHuelle(tetraeder({0, 0, 3})).volumen, 0.5);
    EXPECT_FALSE(exakt::exakteHuelle(quader(1, 1, 0)).raeumlich);
    EXPECT_EQ(exakt::schnittvolumen(quader(1, 1, 1), verschoben(quader(1, 1, 1), 0.5, 0.25, 0)), 0.375);
    EXPECT_EQ(exakt::schnittvolumen(quader(1, 1, 1), verschoben(quader(1, 1, 1), 1.5, 0, 0)), 0.0);
    EXPECT_DOUBLE_EQ(exakt::schnittvolumen(tetraeder({0, 0, 1}), verschoben(tetraeder({0, 0, 1}), 0.5, 0, 0)), 1.0 / 48);
    const double h = 0.5;
    std::vector<std::vector<Ort>> wuerfel{{{-h, -h, -h}, {h, -h, -h}, {h, h, -h}, {-h, h, -h}},
                                          {{-h, -h, h}, {h, -h, h}, {h, h, h}, {-h, h, h}},
                                          {{-h, -h, -h}, {h, -h, -h}, {h, -h, h}, {-h, -h, h}},
                                          {{-h, h, -h}, {h, h, -h}, {h, h, h}, {-h, h, h}},
                                          {{-h, -h, -h}, {-h, h, -h}, {-h, h, h}, {-h, -h, h}},
                                          {{h, -h, -h}, {h, h, -h}, {h, h, h}, {h, -h, h}}};
    EXPECT_EQ(exakt::flaechensummenVolumen(wuerfel), 1.0);
    // Seen from inside, the six faces cover every direction once, also from a point 1e-9 below
    // the top face of a box a million times wider than thick; a face twice covers a sixth more.
    EXPECT_LT(std::fabs(exakt::raumwinkelUeberschuss(wuerfel, {0, 0, 0}, {0.1, -0.2, 0.3})), 1e-12);
    std::vector<std::vector<Ort>> platte = wuerfel;
    for (auto& f : platte)
        for (Ort& o : f) o = {o[0] * 1e6, o[1] * 1e6, o[2] * 1e-3};
    EXPECT_LT(std::fabs(exakt::raumwinkelUeberschuss(platte, {0, 0, 0}, {0, 0, 0.5e-3 - 1e-9})), 1e-12);
    wuerfel.push_back(wuerfel.front());
    EXPECT_NEAR(exakt::raumwinkelUeberschuss(wuerfel, {0, 0, 0}, {0, 0, 0}), 4 * std::numbers::pi / 6, 1e-12);
}

TEST(ExakteHuelle, Zufallswolken) {
    huellen({{"Zufall 40", [](std::mt19937& z) { return zufallswolke(z, 40); }},
             {"Raster 1/30, 42", [](std::mt19937& z) { return zufallswolke(z, 42, 1.0 / 30); }}});
}

TEST(ExakteHuelle, GedrehteGitter) {
    // The lattice of edge 1 turned 45 degrees about z, also moved to (3.25, −1.5, 0.75) from its
    // corner, and under random turns with 4^3 points.
    huellen({{"Gitter 3^3 um 45° (z)", [](std::mt19937&) { return um45(gitter(2)); }, false},
             {"Gitter 3^3 um 45° (z) nach (3.25, -1.5, 0.75)",
              [](std::mt19937&) { return verschoben(um45(verschoben(gitter(2), 0.5, 0.5, 0.5)), 3.25, -1.5, 0.75); },
              false},
             {"Gitter 3^3", [](std::mt19937&) { return gitter(2); }},
             {"Gitter 4^3", [](std::mt19937&) { return gitter(3); }}});
}

TEST(ExakteHuelle, SchmaleSeiten) {
    std::vector<Familie> f;
    for (double w : {1e-7, 1e-5, 1e-3}) {
        f.push_back({"dünnes Tetraeder " + kurz(w), [w](std::mt19937&) { return tetraeder({w, 1, w}); }});
        f.push_back({"abgeschnittene Ecke " + kurz(w), [w](std::mt19937&) { return abgeschnitteneEcke(w); }});
    }
    f.push_back({"flaches Tetraeder 2.7283e-6", [](std::mt19937&) { return tetraeder({0, 0, 2.7283e-6}); }});
    huellen(f);
}

TEST(ExakteHuelle, FastKoplanar) {
    std::vector<Familie> f;
    for (double e : {1e-14, 1e-10, 1e-7, 1e-6, 1e-4})
        f.push_back({"Würfel, Deckpunkte +" + kurz(e), [e](std::mt19937& z) { return fastKoplanar(z, e); }});
    for (double e : {1e-12, 1e-6})
        f.push_back({"Würfel, Flächenpunkte ±" + kurz(e), [e](std::mt19937& z) { return wuerfelFlaechen(z, e); }});
    for (double e : {1e-6, 1e-4})
        for (int n : {5, 10})
            f.push_back({"Platte " + kurz(e) + ", " + std::to_string(n) + " Punkte",
                         [e, n](std::mt19937& z) { return platte(z, e, n); }});
    huellen(f);
}

TEST(ExakteHuelle, Kugeln) {
    huellen({{"Kugel 150", [](std::mt19937& z) { return kugel(z, 150, 0.5); }},
             {"Kugel 2000, Radius 0.1", [](std::mt19937& z) { return kugel(z, 2000, 0.1); }, true, {{1, 0}}}});
}

TEST(ExakteHuelle, Spiralen) {
    huellen({{"Spirale 100", [](std::mt19937&) { return spirale(100); }},
             {"Spirale 10000 (rbox 10000 l D3) x100", [](std::mt19937&) { return spirale(10000); }, false,
              {{100, 0}}}});
}

TEST(ExakteHuelle, Quader) {
    // QUADER 1e6 1 0.001 at the place of scale 1e6; the corner tetrahedron of edge 1e12 too.
    huellen({{"Quader 1 : 1e-6 : 1e-9", [](std::mt19937&) { return quader(1, 1e-6, 1e-9); }, false},
             {"Würfel", [](std::mt19937&) { return quader(1, 1, 1); }},
             {"Ecktetraeder", [](std::mt19937&) { return tetraeder({0, 0, 1}); }, false}});
}

// The hull at the ends of the range doubles carry: clouds of extent 1e80 and 1e-100, about the
// origin and far from it, have the faces of their exact hull, and the program's own volume and
// areas are those of the exact hull there too.
TEST(ExakteHuelle, AnDenGrenzenDesZahlbereichs) {
    const std::vector<Lage> grenzen{{1e80, 0}, {1e80, 3e81}, {1e-100, 0}, {1e-100, 3e-99}};
    huellen({{"Zufall 40", [](std::mt19937& z) { return zufallswolke(z, 40); }, true, grenzen},
             {"Würfel", [](std::mt19937&) { return quader(1, 1, 1); }, true, grenzen},
             {"Ecktetraeder", [](std::mt19937&) { return tetraeder({0, 0, 1}); }, false, grenzen},
             {"Gitter 3^3", [](std::mt19937&) { return gitter(2); }, true, grenzen},
             {"Kugel 150", [](std::mt19937& z) { return kugel(z, 150, 0.5); }, true, grenzen},
             {"Würfel, Flächenpunkte ±1e-6", [](std::mt19937& z) { return wuerfelFlaechen(z, 1e-6); }, true, grenzen},
             {"Platte 1e-4, 10 Punkte", [](std::mt19937& z) { return platte(z, 1e-4, 10); }, true, grenzen}});
}

// Seven random points and one or two a few tolerances from one of them, at extents from 1e-3
// to 1e7, near the origin and far from it: the slivers between near points are faces or lie
// in their neighbours, and every face is a convex polygon that counts in every measure.
TEST(ExakteHuelle, NahePunkte) {
    Bilanz bilanz;
    for (const Lage& l : std::vector<Lage>{{1e-3, 0}, {1, 0}, {1e3, 1e4}, {4.6e6, 0}, {1e7, 1e8}})
        for (unsigned saat = 1; saat <= 8; ++saat) {
            std::mt19937 z(saat);
            Wolke w = bewegt(zufallswolke(z, 7), l, true, saat);
            const double tol = pruefung::toleranz(w);
            std::uniform_real_distribution<double> weite(2, 8);
            for (unsigned k = 0; k <= saat % 2; ++k) {
                const Ort a = w[z() % w.size()], d = kugel(z, 1, weite(z) * tol)[0];
                w.push_back({a[0] + d[0], a[1] + d[1], a[2] + d[2]});
            }
            huelleFall(titel("Nahe Punkte " + std::to_string(saat), l), w, bilanz);
        }
}

// Clouds of 20 to 100 points within 0.92 or 3 tolerances of a plane, at the scales 1e-3 and 1,
// turned: one face or a thin solid, with every point inside or on it and every corner of
// the outline a corner of it.
TEST(ExakteHuelle, FastFlacheWolken) {
    for (const double massstab : {1e-3, 1.0})
        for (unsigned saat = 1; saat <= 10; ++saat) {
            std::mt19937 z(saat);
            const int n = 20 + static_cast<int>(z() % 81);
            Wolke w = platte(z, 1e-8 * (saat % 2 == 1 ? 1.84 : 6), n);
            for (Ort& o : w) o[2] -= 1e-8 * (saat % 2 == 1 ? 0.92 : 3);
            Wolke ebene{{1, 0, 0}, {0, 1, 0}};
            w = bewegt(w, {massstab, 0}, true, saat);
            ebene = bewegt(ebene, {1, 0}, true, saat);
            pruefung::Sitzung s;
            Befund b;
            if (huelleGetippt(s, w, b))
                pruefung::pruefeFlacheWolke("H", w, ebene[0], ebene[1], pruefung::toleranz(w), b);
            melden("Fast flach " + std::to_string(saat) + " @ " + kurz(massstab), b);
        }
}

// Slabs of twenty points two to eight tolerances thick and 4e8 across, at coordinates of that
// size, turned: the tolerance is the rounding of such coordinates, and the slab only a few
// dozen units of their last place thick, so that its broad sides and its rim meet at angles of
// the order of the rounding of the hull's own distances. Besides the checks of every hull,
// every corner of the outline is a corner of the hull.
TEST(ExakteHuelle, DuennePlattenFern) {
    Bilanz bilanz;
    for (unsigned saat = 1; saat <= 48; ++saat) {
        std::mt19937 z(saat);
        // A tolerance of 9.5e-7 at coordinates of 5e8 is 2.4e-15 of the extent 4e8.
        const double dicke = (2 + 6.0 * (saat - 1) / 47) * 2.4e-15;
        const Wolke w = bewegt(platte(z, dicke, 20), {4e8, 5e8}, true, saat);
        const Wolke achsen = bewegt({{1, 0, 0}, {0, 1, 0}}, {1, 0}, true, saat);
        huelleFall("Dünne Platte fern " + std::to_string(saat), w, bilanz, [&](Befund& b) {
            pruefung::pruefeFlacheWolke("H", w, achsen[0], achsen[1], pruefung::toleranz(w), b);
        });
    }
    EXPECT_GT(bilanz.geprueft, 0);
}

// The area of the convex outline of the points' (x, y) (Andrew's monotone chain).
double umrissflaeche(Wolke w) {
    const auto links = [](const Ort& o, const Ort& a, const Ort& b) {
        return (a[0] - o[0]) * (b[1] - o[1]) - (a[1] - o[1]) * (b[0] - o[0]) > 0;
    };
    std::sort(w.begin(), w.end(), [](const Ort& a, const Ort& b) { return a[0] < b[0] || (a[0] == b[0] && a[1] < b[1]); });
    Wolke h;
    for (int lauf = 0; lauf < 2; ++lauf) {
        const std::size_t anfang = h.size();
        for (const Ort& q : w) {
            while (h.size() >= anfang + 2 && !links(h[h.size() - 2], h.back(), q)) h.pop_back();
            h.push_back(q);
        }
        h.pop_back();
        std::reverse(w.begin(), w.end());
    }
    double a = 0;
    for (std::size_t i = 0; i < h.size(); ++i) a += h[i][0] * h[(i + 1) % h.size()][1] - h[(i + 1) % h.size()][0] * h[i][1];
    return a / 2;
}

// Clouds that a plane holds within 0.8 tolerances are flat, whatever three of their points
// span: pentagons with points inside and random clouds of 6 to 30 points, and slabs of 5 to 40
// points, at heights within ±0.8 tolerances of the plane z = 0, turned, at the scales 1e-3, 1
// and 1e3 (the tolerance taken at each place). Each is one face, the hull polygon of the cloud
// (every corner of its outline a corner, every point within the tolerance of it), with the
// area of that outline and no volume.
TEST(ExakteHuelle, FlacheWolkenSindFlach) {
    int geprueft = 0;
    for (const double massstab : {1e-3, 1.0, 1e3})
        for (unsigned saat = 1; saat <= 30; ++saat) {
            std::mt19937 z(saat + 1000 * static_cast<unsigned>(std::log10(massstab) + 3));
            std::uniform_real_distribution<double> u(-0.5, 0.5), hoehe(-0.8, 0.8);
            Wolke eben;
            std::string art;
            if (saat % 3 == 0) {
                art = "Fünfeck";
                for (int k = 0; k < 5; ++k) {
                    const double t = 2 * std::numbers::pi * (k + 0.3 * u(z)) / 5;
                    eben.push_back({0.5 * std::cos(t), 0.5 * std::sin(t), 0});
                }
                for (int k = 0; k < 1 + static_cast<int>(saat % 4); ++k) eben.push_back({0.2 * u(z), 0.2 * u(z), 0});
            } else if (saat % 3 == 1) {
                art = "Wolke";
                for (int k = 0; k < 6 + static_cast<int>(z() % 25); ++k) eben.push_back({u(z), u(z), 0});
            } else {
                art = "Platte";
                eben = platte(z, 0, 5 + static_cast<int>(z() % 36));
            }
            const double t = pruefung::toleranz(bewegt(eben, {massstab, 0}, true, saat)) / massstab;
            for (Ort& o : eben) o[2] = (saat % 3 == 2 ? (z() % 2 == 0 ? -0.8 : 0.8) : hoehe(z)) * t;
            const Wolke w = bewegt(eben, {massstab, 0}, true, saat);
            const Wolke achsen = bewegt({{1, 0, 0}, {0, 1, 0}}, {1, 0}, true, saat);
            pruefung::Sitzung s;
            Befund b;
            if (huelleGetippt(s, w, b)) {
                const Polyeder& h = *finde(polyederListe, "H");
                const double soll = umrissflaeche(eben) * massstab * massstab;
                if (h.seiten.size() != 1) b(std::to_string(h.seiten.size()) + " Seiten statt einer");
                else pruefung::pruefeFlacheWolke("H", w, achsen[0], achsen[1], pruefung::toleranz(w), b);
                if (!(std::fabs(h.flaeche() - soll) <= 1e-9 * soll) || h.volumen() != 0)
                    b("Fläche " + kurz(h.flaeche()) + " statt " + kurz(soll) + ", Volumen " + kurz(h.volumen()));
            }
            ++geprueft;
            melden("Flach: " + art + " " + std::to_string(saat) + " @ " + kurz(massstab), b);
        }
    EXPECT_EQ(geprueft, 90);
}

// Long narrow flat clouds: the ends of a segment, a point off its middle by a billionth or a
// ten millionth of its length and one on it: one triangle of the three, with its exact area.
TEST(ExakteHuelle, LangeSchmaleFlacheWolken) {
    for (const auto& [laenge, abstand] : {std::pair{1e3, 1e-6}, {1e3, 1e-4}, {1e8, 0.1}, {1.0, 1e-7}})
        for (unsigned saat = 1; saat <= 3; ++saat) {
            const Wolke w = bewegt({{0, 0, 0}, {laenge, 0, 0}, {laenge / 2, abstand, 0}, {laenge / 4, 0, 0}}, {1, 0}, true, saat);
            const Ort a = exakt::flaechenvektor({w[0], w[1], w[2]});
            const double soll = std::hypot(a[0], a[1], a[2]);
            pruefung::Sitzung s;
            s.wolke("P", w, "K");
            const std::string antwort = s.tippen("KHUELLE H K");
            Befund b;
            const Polyeder* h = finde(polyederListe, "H");
            const std::vector<Ort> ecken = pruefung::eckenVon("H");
            if (h == nullptr || h->seiten.size() != 1 || std::set<Ort>(ecken.begin(), ecken.end()) != std::set<Ort>(w.begin(), w.end() - 1))
                b("nicht das Dreieck der drei äußeren Punkte: " + einzeilig(antwort));
            else if (!(std::fabs(h->flaeche() - soll) <= 1e-12 * soll) || h->volumen() != 0)
                b("Fläche " + kurz(h->flaeche()) + " statt " + kurz(soll) + ", Volumen " + kurz(h->volumen()));
            melden("Lang und schmal " + kurz(laenge) + " : " + kurz(abstand) + ", Drehung " + std::to_string(saat), b);
        }
}

TEST(ExakterSchnitt, Koerperpaare) {
    std::vector<Paar> zufall;
    // The hull of 42 points of ZUFALLSPUNKTKLUMPEN and its copy moved by (−0.3, 0.5, 0.5), six
    // draws as they are.
    for (int i = 1; i <= 6; ++i)
        zufall.push_back({"ZUFALLSPUNKTKLUMPEN 42, Ziehung " + std::to_string(i),
                          [](std::mt19937& z) { return zufallspunktklumpen(z, 42); }, {-0.3, 0.5, 0.5}, false, {{1, 0}}});
    schnitte(zufall);
    schnitte({{"Würfel achsenparallel, halb", [](std::mt19937&) { return quader(1, 1, 1); }, {0.5, 0, 0}, false},
              {"Würfel getrennt", [](std::mt19937&) { return quader(1, 1, 1); }, {1.5, 0, 0}, false},
              {"Würfel gedreht, Achtel", [](std::mt19937&) { return quader(1, 1, 1); }, {0.5, 0.5, 0.5}},
              {"Raster-Hüllen 1/30, 42", [](std::mt19937& z) { return zufallswolke(z, 42, 1.0 / 30); },
               {-0.1, 0.15, 0.15}},
              {"Tetraeder", [](std::mt19937&) { return tetraeder({0, 0, 1}); }, {0.3, 0.2, 0.1}},
              {"Prismen über dem 16-Eck", [](std::mt19937&) { return prisma(16); }, {0.1, 0, 0}}});
}

TEST(ExakteGerade, DurchDieAbgeschnitteneEcke) {
    // The cut 14 and 141 tolerances wide: the line meets the solid as exactly as its faces lie.
    Bilanz bilanz;
    unsigned drehung = 300;
    for (double w : {1e-7, 1e-6})
        for (const Lage& l : lagen) {
            const double tol = pruefung::toleranz(bewegt(abgeschnitteneEcke(w), l, true, drehung)) / l.massstab;
            geradenFall(titel("abgeschnittene Ecke " + kurz(w), l), abgeschnitteneEcke(w), linienDurchDieEcke(w, tol), l,
                        drehung++, bilanz);
        }
    EXPECT_GT(bilanz.geprueft, 0);
}

TEST(ExakterEbenenschnitt, VonEinemMilliardstelBisZurMilliarde) {
    // The cube, the cube with its corner cut off 1e-7 wide and a random cloud, from 1e-9 to 1e9
    // and far from the origin.
    const std::vector<Lage> orte{{1e-9, 0}, {1e-9, 1e-3}, {1e-6, 0}, {1e-6, 1}, {1, 0},
                                 {1, 1e6},  {1e3, 1e9},   {1e9, 0},  {1e9, 1e12}};
    std::mt19937 z(7);
    const std::vector<std::pair<std::string, Wolke>> koerper{
        {"Würfel", quader(1, 1, 1)}, {"abgeschnittene Ecke 1e-7", abgeschnitteneEcke(1e-7)}, {"Zufall 40", zufallswolke(z, 40)}};
    Bilanz bilanz;
    unsigned drehung = 400;
    for (const auto& [name, wolke] : koerper)
        for (const Lage& l : orte) ebenenFall(titel(name, l), wolke, l, drehung++, bilanz);
    EXPECT_GT(bilanz.geprueft, 0);
}

}  // namespace quodral
