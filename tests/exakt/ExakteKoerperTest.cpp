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
#include <charconv>
#include <cmath>
#include <cstdio>
#include <functional>
#include <numbers>
#include <optional>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "exakt/ExakteReferenz.h"
#include "Zufallsort.h"
#include "exakt/Koerperpruefung.h"
#include "model/Objekte.h"

namespace quodral {

namespace {

using exakt::Ort;
using pruefung::Befund;
using Wolke = std::vector<Ort>;

struct Lage {
    double massstab, versatz;
};
const std::vector<Lage> lagen{{1e-12, 0}, {1e-12, 1e-10}, {1e-4, 0}, {1e-4, 1e-2}, {1, 0},      {1, 1e6},
                              {1e6, 0},   {1e6, 1e12},    {1e8, 0},  {1e12, 0},    {1e12, 1e12}};

std::string kurz(double x) {
    char puffer[24];
    const auto [ende, fehler] = std::to_chars(puffer, puffer + sizeof puffer, x, std::chars_format::general, 3);
    return fehler == std::errc{} ? std::string(puffer, ende) : "?";
}

// A random rotation (a unit quaternion of the seed), the scale and the offset along a fixed
// oblique direction.
Wolke bewegt(const Wolke& w, const Lage& l, bool drehen, unsigned saat) {
    std::mt19937 z(saat);
    std::array<std::array<double, 3>, 3> m = {{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}};
    if (drehen) m = testhilfe::zufallsdrehung(z);
    const double richtung[3] = {0.6, -0.48, 0.64};
    Wolke r;
    for (const Ort& p : w) {
        Ort o;
        for (int i = 0; i < 3; ++i)
            o[i] = l.versatz * richtung[i] + l.massstab * (m[i][0] * p[0] + m[i][1] * p[1] + m[i][2] * p[2]);
        r.push_back(o);
    }
    return r;
}

// An answer on one line, for the table of findings.
std::string einzeilig(std::string text) {
    std::replace(text.begin(), text.end(), '\n', ' ');
    return text;
}

Wolke verschoben(Wolke w, double x, double y, double z) {
    for (Ort& o : w) o = {o[0] + x, o[1] + y, o[2] + z};
    return w;
}

// --- The families, each of extent about 1 around the origin ----------------------------------

// n random places in the cube of side weite about the origin, each coordinate rounded to a
// multiple of raster where one is given.
Wolke zufallswolke(std::mt19937& z, int n, double raster = 0, double weite = 1) {
    std::uniform_real_distribution<double> u(-weite / 2, weite / 2);
    Wolke w;
    for (int i = 0; i < n; ++i) {
        Ort o;
        for (double& x : o) x = raster > 0 ? std::round(u(z) / raster) * raster : u(z);
        w.push_back(o);
    }
    return w;
}

// The points of ZUFALLSPUNKTKLUMPEN: each coordinate (r − 100) / 30 for a uniform integer r
// from 0 to 199.
Wolke zufallspunktklumpen(std::mt19937& z, int n) {
    std::uniform_int_distribution<int> r(0, 199);
    Wolke w;
    for (int i = 0; i < n; ++i) {
        Ort o;
        for (double& x : o) x = (r(z) - 100) / 30.0;
        w.push_back(o);
    }
    return w;
}

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

// The counts of one test, printed at its end; a test none of whose cases could be checked fails.
struct Bilanz {
    int geprueft = 0;
    std::string ausgelassen;
    ~Bilanz() {
        const std::string zeile = "[exakt] " + std::to_string(geprueft) + " Fälle geprüft" +
                                  (ausgelassen.empty() ? "" : "; ausgelassen:" + ausgelassen) + "\n";
        std::fputs(zeile.c_str(), stdout);
    }
};

// Why the cloud cannot be checked at this place: it spans no solid within the tolerance, or
// is about as thick as the tolerance. Empty when it can.
std::string auslassgrund(const exakt::Huelle& h, double tol) {
    if (!h.raeumlich || h.dicke < tol / 4) return "flach";
    if (h.dicke < 2 * tol) return "Dicke nahe der Toleranz";
    return {};
}

void melden(const std::string& titel, const Befund& b) {
    if (b.ok()) return;
    std::string text;
    for (const std::string& m : b.meldungen) text += "\n    " + m;
    ADD_FAILURE() << titel << ":" << text;
}

// A case is checked unless the exact reference gives a reason to leave it out; then it is
// named among those left out.
bool zuPruefen(const std::string& titel, const std::string& grund, Bilanz& bilanz) {
    if (!grund.empty()) {
        bilanz.ausgelassen += " " + titel + " (" + grund + ")";
        return false;
    }
    ++bilanz.geprueft;
    return true;
}

// The cloud typed as the points P… of the cluster K, and its hull as KHUELLE H K: false, with
// the answer among the findings, where no polyhedron H was built.
bool huelleGetippt(pruefung::Sitzung& s, const Wolke& w, Befund& b) {
    s.wolke("P", w, "K");
    const std::string antwort = s.tippen("KHUELLE H K");
    if (istPolyeder("H")) return true;
    b("KHUELLE abgelehnt: " + einzeilig(antwort));
    return false;
}

// The hull of the cloud typed as KHUELLE and checked by `pruefen`, its snapshot replayed, and
// UMHUELLE of the same cloud against its faces.
void gebauteHuelle(const std::string& titel, const Wolke& w, const std::function<void(Befund&)>& pruefen) {
    Befund b;
    pruefung::Sitzung s;
    if (huelleGetippt(s, w, b)) {
        pruefen(b);
        pruefung::pruefeSchnappschuss(s, b);
        s.tippen("UMHUELLE U K");
        pruefung::pruefeKanten("U", "H", b);
    }
    melden(titel, b);
}

// The hull of the cloud built and checked against the exact one (with `weiter` too, where
// given).
void huelleFall(const std::string& titel, const Wolke& w, Bilanz& bilanz,
                const std::function<void(Befund&)>& weiter = {}) {
    const exakt::Huelle ref = exakt::exakteHuelle(w);
    const double tol = pruefung::toleranz(w);
    if (!zuPruefen(titel, auslassgrund(ref, tol), bilanz)) return;
    gebauteHuelle(titel, w, [&](Befund& b) {
        pruefung::pruefeKoerper("H", w, ref, ref.volumen, tol, b);
        if (weiter) weiter(b);
    });
}

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

std::string titel(const std::string& familie, const Lage& l) {
    return familie + " @ " + kurz(l.massstab) + (l.versatz != 0 ? " +" + kurz(l.versatz) : "");
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

// --- Degenerate clouds ----------------------------------------------------------------------

// Against the exact hull, clouds the plain search and qhull found hard: corners given twice a few
// tolerances apart far from the origin, flat needles, small clouds beside far points, coincident
// points and clouds at the ends of the range doubles carry. Each cloud is built or refused exactly
// as the rules for the true hull say: a cloud that spans a solid within the range is built
// whatever its duplicates, slivers, needles or far points, with every face a convex polygon by the
// polygon's own test that counts in every measure, a closed surface, UMHUELLE's edges those of its
// faces, and a snapshot that rebuilds every object; a cloud that one plane holds within the
// tolerance is one face; one whose measures are no doubles gets the range sentence.

namespace {

// The three points at F on the axes, before the cloud or after it (the cluster's order is that
// of the names: the far points first or last).
Wolke mitFernen(Wolke w, double F, bool vorn) {
    const Wolke fern{{F, 0, 0}, {0, F, 0}, {0, 0, F}};
    w.insert(vorn ? w.begin() : w.end(), fern.begin(), fern.end());
    return w;
}

// A flat cloud typed and built: one face, a convex polygon by its own test, holding every
// point within the tolerance of it and every corner of the outline in the plane of u and v;
// its snapshot rebuilds it, and UMHUELLE gives no edge.
void flachFall(const std::string& titel, const Wolke& w, const Ort& u, const Ort& v) {
    gebauteHuelle(titel, w, [&](Befund& b) {
        const Polyeder& h = *finde(polyederListe, "H");
        if (h.seiten.size() != 1) b(std::to_string(h.seiten.size()) + " Seiten statt einer");
        else pruefung::pruefeFlacheWolke("H", w, u, v, pruefung::toleranz(w), b);
    });
}

// The cloud's hull is refused with the range sentence.
void bereichFall(const std::string& titel, const Wolke& w) {
    pruefung::Sitzung s;
    s.wolke("P", w, "K");
    const std::string antwort = s.tippen("KHUELLE H K");
    Befund b;
    if (istPolyeder("H") || antwort.find("außerhalb des darstellbaren Bereichs") == std::string::npos)
        b("nicht der Satz des Zahlbereichs: " + einzeilig(antwort));
    melden(titel, b);
}

}  // namespace

// Six random places, each given twice a few tolerances apart (3 to 30), of extent 1e-3 to 1e3,
// near the origin and up to 1e9 from it: every one of the twelve points is a corner of the
// exact hull, and the slivers between the pairs are faces or lie on their neighbours' edges.
TEST(EntarteteWolken, DoppelteEckenFern) {
    Bilanz bilanz;
    for (const Lage& l : std::vector<Lage>{{1e-3, 0}, {1, 0}, {1, 1e6}, {1e3, 1e9}})
        for (unsigned saat = 1; saat <= 6; ++saat) {
            std::mt19937 z(saat);
            const Wolke sechs = bewegt(zufallswolke(z, 6), l, true, saat);
            const double tol = pruefung::toleranz(sechs);
            std::uniform_real_distribution<double> weite(3, 30);
            std::normal_distribution<double> g;
            Wolke w;
            for (const Ort& o : sechs) {
                const Ort d{g(z), g(z), g(z)};
                const double r = weite(z) * tol / std::hypot(d[0], d[1], d[2]);
                w.push_back(o);
                w.push_back({o[0] + r * d[0], o[1] + r * d[1], o[2] + r * d[2]});
            }
            huelleFall(titel("Doppelte Ecken " + std::to_string(saat), l), w, bilanz);
        }
    // Six places each given twice about 1e-7 apart at (927458, 371213, −44967): merged, two
    // faces about c10, c11 made a quadrangle that is no convex polygon.
    huelleFall("Zwölf Punkte, sechs Stellen doppelt",
               {{927458.4992024904, 371213.4828076001, -44967.35836048358},
                {927458.06661646, 371213.0919702314, -44967.225424212345},
                {927458.0580154795, 371213.13023688074, -44967.37801711055},
                {927458.0580155333, 371213.1302368017, -44967.37801705279},
                {927458.0917343016, 371213.1999684157, -44967.49062324389},
                {927458.504657935, 371213.634176906, -44967.37029164612},
                {927458.4424410468, 371213.35151257535, -44967.36713027589},
                {927458.4424410934, 371213.35151256976, -44967.367130222905},
                {927458.3560242588, 371213.22689661925, -44967.03486015825},
                {927457.5901580525, 371213.6095558006, -44966.97219537393},
                {927457.929076401, 371213.6655667174, -44967.66132553529},
                {927457.9290763322, 371213.6655667993, -44967.661325578345}},
               bilanz);
}

// Needles of 9 and 14 points a thousand long at the origin and a million long far from it (and
// of 30 a thousand long): two ends and a middle point (b, h) tolerances off the axis across and
// out of a plane (the middle one the other way), the others anywhere within those bounds. Half
// the middle point's height over the line of the ends, √(b² + h²) ≥ 1.1 tolerances, bounds the
// distance of every line from some point: no line holds a needle. Within 0.8 or 0.85 tolerances
// of that plane a needle is flat, one face (the plain search refused the needle whose outline
// lay within the tolerance of a line); three tolerances out of it, a thin solid. Each is decided
// by its exact least width.
TEST(EntarteteWolken, FlacheNadeln) {
    Bilanz bilanz;
    unsigned saat = 1;
    for (const auto& [laenge, l] : {std::pair{1e3, Lage{1, 0}}, {0.95e6, Lage{1, 1e6}}})
        for (const int n : {9, 14, 30})
            for (const auto& [b, h] : {std::pair{0.8, 0.8}, {0.7, 0.85}, {2.0, 0.8}, {3.0, 3.0}}) {
                std::mt19937 z(saat++);
                if (n == 30 && laenge > 1e3) continue;
                std::uniform_real_distribution<double> t(0, laenge), u(-1, 1);
                // In units of the tolerance of such a needle: 1e-8 for an extent above 1 and
                // coordinates below 2e6.
                const double tol = 1e-8;
                Wolke einheit{{0, b * tol, h * tol}, {laenge / 2, -b * tol, -h * tol}, {laenge, b * tol, h * tol}};
                for (int i = 3; i < n; ++i) einheit.push_back({t(z), b * tol * u(z), h * tol * u(z)});
                const Wolke w = bewegt(einheit, l, true, saat);
                const Wolke achsen = bewegt({{1, 0, 0}, {0, 1, 0}}, {1, 0}, true, saat);
                const std::string name = "Nadel " + kurz(laenge) + ", " + std::to_string(n) + " Punkte, " + kurz(b) +
                                         " × " + kurz(h) + (l.versatz != 0 ? " fern" : "");
                const double halb = exakt::halbeKleinsteBreite(w) / pruefung::toleranz(w);
                if (halb <= 0.9) {
                    ++bilanz.geprueft;
                    flachFall(name, w, achsen[0], achsen[1]);
                } else if (halb >= 2) {
                    huelleFall(name, w, bilanz);
                } else {
                    bilanz.ausgelassen += " " + name + " (halbe Breite " + kurz(halb) + " Toleranzen)";
                }
            }
    EXPECT_GT(bilanz.geprueft, 15);
}

// Small clouds beside three points on the axes at 1e6 to 1e13: random ones of extent 7e-4 and
// points of ZUFALLSPUNKTKLUMPEN shrunk by 1e-4 (several on each line along an axis), 7 to 100
// of them, named before the far points and after them. The far points' rounding is the
// tolerance; the small cloud is a place, a few places or many.
TEST(EntarteteWolken, KleineWolkenNebenFernenPunkten) {
    Bilanz bilanz;
    unsigned saat = 1;
    for (const double F : {1e6, 1e9, 1e12, 1e13})
        for (const int n : {7, 20, 100})
            for (const bool ausKlumpen : {false, true}) {
                std::mt19937 z(saat);
                // Points of ZUFALLSPUNKTKLUMPEN, many of which share a coordinate, so that lines
                // along the axes hold several of them exactly.
                const Wolke klein =
                    ausKlumpen ? bewegt(zufallspunktklumpen(z, n), {1e-4, 0}, false, 0) : zufallswolke(z, n, 0, 7e-4);
                const std::string name = std::string(ausKlumpen ? "Gitterpunkte" : "Zufallspunkte") + " " + std::to_string(n) +
                                         " neben " + kurz(F);
                huelleFall(name, mitFernen(klein, F, saat % 2 == 0), bilanz);
                ++saat;
            }
    // Twelve points of ZUFALLSPUNKTKLUMPEN shrunk by 1e-4 beside 1e9, four of them about 1e-7
    // off one plane: qhull, computing about the centre of the box at 5e8, merged them into one
    // facet that a polygon of their own extent calls no plane.
    Wolke zwoelf;
    for (const auto& [x, y, z] : std::vector<std::array<int, 3>>{{-78, 22, 81}, {54, -80, 10}, {88, 45, -85}, {75, 69, 63},
                                                                  {-64, -61, 90}, {-6, 80, -18}, {-8, 1, -23}, {81, -79, -40},
                                                                  {47, -21, -33}, {54, 17, -100}, {56, 5, 86}, {-18, 96, -15}})
        zwoelf.push_back({1e-4 * (x / 30.0), 1e-4 * (y / 30.0), 1e-4 * (z / 30.0)});
    huelleFall("Zwölf Gitterpunkte neben 1e9", mitFernen(zwoelf, 1e9, false), bilanz);
}

// Coincident points: the corners of a cube each given four times; 1,024 copies of one point
// beside three points at 1e12; a cube's corners with copies a tenth of a tolerance off; and
// three places of many points each beside three far points.
TEST(EntarteteWolken, ZusammenfallendePunkte) {
    Bilanz bilanz;
    Wolke wuerfel;
    for (int k = 0; k < 4; ++k)
        for (int i = 0; i < 8; ++i) wuerfel.push_back({double(i & 1), double(i >> 1 & 1), double(i >> 2 & 1)});
    huelleFall("Würfelecken viermal", bewegt(wuerfel, {1, 1e6}, true, 3), bilanz);
    Wolke nahe;
    std::mt19937 z(4);
    std::normal_distribution<double> g;
    for (int i = 0; i < 8; ++i)
        for (int k = 0; k < 3; ++k) nahe.push_back({(i & 1) + 1e-9 * g(z), (i >> 1 & 1) + 1e-9 * g(z), (i >> 2 & 1) + 1e-9 * g(z)});
    huelleFall("Würfelecken, Kopien eine zehntel Toleranz daneben", nahe, bilanz);
    huelleFall("1024 Kopien eines Punktes neben 1e12",
               mitFernen(Wolke(1024, Ort{0.25, -0.5, 0.125}), 1e12, true), bilanz);
    Wolke drei;
    for (int i = 0; i < 300; ++i) {
        const Ort m = i % 3 == 0 ? Ort{0, 0, 0} : i % 3 == 1 ? Ort{0.3, 0.1, -0.2} : Ort{-0.1, 0.4, 0.2};
        const Wolke d = zufallswolke(z, 1, 0, 6.7e-6);
        drei.push_back({m[0] + d[0][0], m[1] + d[0][1], m[2] + d[0][2]});
    }
    huelleFall("Drei Stellen zu je 100 Punkten neben 1e9", mitFernen(drei, 1e9, true), bilanz);
}

// At the ends of the range: a hull is built wherever its measures and the differences of its
// coordinates are doubles, and refused with the range sentence where one is not (the clouds far
// beyond it stand in the transcripts).
TEST(EntarteteWolken, AnDenEndenDesZahlbereichs) {
    const double s = std::ldexp(1.0, 511);
    // A right triangle of legs 3·2^511 and 2·2^511: its area 1.35e308 is a double, twice it not.
    flachFall("Rechtwinkliges Dreieck der Fläche 1.35e308", {{0, 0, 0}, {3 * s, 0, 0}, {0, 2 * s, 0}}, {1, 0, 0}, {0, 1, 0});
    // Regular tetrahedra of edge 2e103 (volume 9.4e308): beyond; of edge 1e102: within.
    const auto tetraeder = [](double a) {
        return Wolke{{0, 0, 0}, {a, 0, 0}, {a / 2, a * std::sqrt(3.0) / 2, 0},
                     {a / 2, a * std::sqrt(3.0) / 6, a * std::sqrt(2.0 / 3.0)}};
    };
    bereichFall("Tetraeder der Kante 2e103", tetraeder(2e103));
    Bilanz bilanz;
    huelleFall("Tetraeder der Kante 1e102", tetraeder(1e102), bilanz);
}

}  // namespace quodral
