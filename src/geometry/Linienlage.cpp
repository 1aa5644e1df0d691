#include "geometry/Linienlage.h"

#include <algorithm>
#include <cmath>

#include "geometry/Numerik.h"
#include "geometry/Raumgeometrie.h"
#include "geometry/Toleranz.h"

namespace quodral {

namespace {

// The distance of the point at w from the segment from the origin to d (w and d differences
// from the segment's start), with the dot product `mal` of the space they lie in.
template <class P, class Mal> double abstandVonStrecke(const P& w, const P& d, Mal mal) {
    const double dd = mal(d, d);
    const double t = dd > 0 ? std::clamp(mal(w, d) / dd, 0.0, 1.0) : 0.0;
    P r = w;
    for (std::size_t i = 0; i < r.size(); ++i) r[i] -= t * d[i];
    return std::sqrt(mal(r, r));
}

bool imRechenbereich(double quadrat) {
    return quadrat >= grenzen::kleinstesSeitenquadrat && quadrat <= grenzen::groesstesSeitenquadrat;
}

// The squared length of a direction brought to computing size; 0 where it has no direction.
double laengenquadrat(const Tripel& u) {
    const double q = skalar(u, u);
    return std::isfinite(q) ? q : 0;
}

}  // namespace

double rundungsSpielraum(double betrag) {
    // The position tolerance of no extent is its rounding term alone.
    return lagetoleranz(0.0, betrag);
}

bool unterGrenze(double x, double grenze, double betrag) {
    if (x < grenze) return true;
    // The rounding term grows no faster than the coordinate (a multiple of its last place):
    // at or above that of 1 times the coordinate it cannot hold, and need not be found.
    static const double jeEinheit = rundungsSpielraum(1.0);
    if (!(x < jeEinheit * betrag)) return false;
    return x < rundungsSpielraum(betrag);
}

double rundungsbetrag(std::initializer_list<Tripel> orte) {
    double m = 0;
    if (orte.size() == 0) return m;
    const Tripel& erster = *orte.begin();
    const auto achse = [&](double Tripel::*k) {
        double groesste = 0;
        bool verschieden = false;
        for (const Tripel& o : orte) {
            verschieden = verschieden || !(o.*k == erster.*k);
            groesste = std::max(groesste, std::fabs(o.*k));
        }
        if (verschieden) m = std::max(m, groesste);
    };
    achse(&Tripel::x);
    achse(&Tripel::y);
    achse(&Tripel::z);
    return m;
}

Tripel zumRechnen(const Tripel& d) { return imRechenbereich(skalar(d, d)) ? d : aufEins(d); }

bool richtungenParallel(const Tripel& a, const Tripel& b, double grenze) {
    const Tripel u = zumRechnen(a), v = zumRechnen(b);
    const double uu = laengenquadrat(u), vv = laengenquadrat(v);
    if (!(uu > 0) || !(vv > 0)) return true;
    const Tripel k = kreuz(u, v);
    return skalar(k, k) < grenze * grenze * uu * vv;
}

bool parallelZurEbene(const Tripel& d, const Tripel& n) {
    const Tripel u = zumRechnen(d), m = zumRechnen(n);
    const double uu = laengenquadrat(u), mm = laengenquadrat(m);
    if (!(uu > 0) || !(mm > 0)) return true;
    const double s = skalar(u, m);
    return s * s < grenzen::nullTest * grenzen::nullTest * uu * mm;
}

std::optional<bool> liegtAuf(const Tripel& p, const Tripel& a, const Tripel& d, Linienstueck stueck) {
    const bool gegeben = imRechenbereich(skalar(d, d));
    const Tripel u = gegeben ? d : aufEins(d);
    const double uu = laengenquadrat(u);
    if (!(uu > 0)) return std::nullopt;
    const double lu = std::sqrt(uu);
    // The foot's signed distance from a along d, and p's distance from the line.
    const Tripel w = p - a;
    double laengs = 0, quer = 0;
    if (imRechenbereich(skalar(w, w))) {
        laengs = skalar(u, w) / lu;
        quer = laenge(kreuz(u, w)) / lu;
    } else {
        // A step too long or too short to square (or none): measured at about unit size too.
        const Zweiermass mass(groessteKomponente(w));
        const Tripel v = mass.auf(w);
        laengs = mass.zurueck(skalar(u, v) / lu);
        quer = mass.zurueck(betrag(kreuz(u, v)) / lu);
    }
    // On the line: decided for every part as for the line, never below the rounding of the
    // largest coordinate of p and the anchor, whatever axes they share: the point and the
    // places the line was given by carry that rounding on every axis, so that a point lies on
    // the line through A and B as it lies on the line through B and A (a segment's far end,
    // however far out, widens no bound across it).
    const double anDerLinie = std::max(groessteKomponente(p), groessteKomponente(a));
    if (!unterGrenze(quer, grenzen::ortsschaerfe, anDerLinie)) return false;
    // Between the ends: a foot `ueber` beyond an end lies at that end, within the zero test at
    // the rounding of the largest coordinate of p and the ends.
    const double anDenEnden =
        stueck == Linienstueck::strecke ? std::max(anDerLinie, groessteKomponente(a + d)) : anDerLinie;
    const auto amEnde = [&](double ueber) {
        return ueber <= 0 || unterGrenze(ueber, grenzen::nullTest, anDenEnden);
    };
    switch (stueck) {
    case Linienstueck::gerade: return true;
    case Linienstueck::strahl: return amEnde(-laengs);
    case Linienstueck::strecke: return amEnde(-laengs) && amEnde(laengs - (gegeben ? lu : betrag(d)));
    }
    return false;
}

std::optional<Tripel> ebenenNormale(const Tripel& a, const Tripel& b, const Tripel& c) {
    const Dreieckslage d = dreieckslage(a, b, c);
    if (!std::isfinite(d.seite) || unterGrenze(d.seite, grenzen::ortsschaerfe, d.betrag) ||
        unterGrenze(d.hoehe, grenzen::ortsschaerfe, d.betrag))
        return std::nullopt;
    return d.normale;
}

bool kollinear(const Tripel& a, const Tripel& b, const Tripel& c) { return !ebenenNormale(a, b, c); }

std::optional<Tripel> ebenenNormaleMitLinie(const Tripel& p, const Tripel& a, const Tripel& d) {
    const std::optional<bool> auf = liegtAuf(p, a, d, Linienstueck::gerade);
    const std::optional<Tripel> u = einheitsvektor(d);
    if (!auf || *auf || !u) return std::nullopt;
    // Off the line by more than ortsschaerfe: the part of a − p across the line, at about unit size,
    // keeps the normal square to the line to the last digit.
    const Tripel w = aufEins(a - p);
    return einheitsvektor(kreuz(*u, w - skalar(w, *u) * *u));
}

bool windschief(const Tripel& a, const Tripel& r0, const Tripel& b, const Tripel& s0) {
    // The lines meet exactly when b lies in the plane through the first line along both
    // directions, whose normal is the cross product k of the directions (at computing size).
    // Its plain products are off by a few units of the last place of |r|·|s|, which turns the
    // normal by that over |k| and moves b, |w| away, by that times |w|. Where this could reach
    // a ten-thousandth of the zero test, and the angle is below 30 degrees (beyond it the turn
    // stays below the positions' own rounding), every component is rounded once instead
    // (kreuzGenau): so only the positions' rounding remains at every angle the parallel test
    // leaves.
    const Tripel r = zumRechnen(r0), s = zumRechnen(s0);
    const Tripel w = b - a;
    const double rs = skalar(r, r) * skalar(s, s);
    Tripel k = kreuz(r, s);
    const double grenze =
        std::min(grenzen::genauesKreuzWinkelquadrat, grenzen::genauesKreuzJeAbstandsquadrat * skalar(w, w));
    if (skalar(k, k) < rs * grenze) k = kreuzGenau(r, s);
    const double kk = skalar(k, k);
    if (!(kk > 0)) return false;
    const double abstand = std::fabs(skalar(k, w)) / std::sqrt(kk);
    const double betrag = std::max(groessteKomponente(a), groessteKomponente(b));
    return !unterGrenze(abstand, grenzen::nullTest, betrag);
}

std::optional<Tripel> geradenTreffpunkt(const Tripel& a, const Tripel& r, const Tripel& b, const Tripel& s) {
    if (windschief(a, r, b, s)) return std::nullopt;
    // With the directions at computing size, so that directions beyond the range of their
    // squares give the point that shorter ones along them give.
    const Tripel u = zumRechnen(r);
    const Tripel v = zumRechnen(s);
    const Tripel n = kreuz(u, v);
    const Tripel p = a + (skalar(kreuz(b - a, v), n) / skalar(n, n)) * u;
    if (!endlich(p)) return std::nullopt;
    return p;
}

std::optional<Tripel> geradeStrahlTreffpunkt(const Tripel& a, const Tripel& r, const Tripel& b, const Tripel& s) {
    if (ohneRichtung(r) || ohneRichtung(s) || richtungenParallel(r, s, grenzen::nullTest))
        return std::nullopt;
    const std::optional<Tripel> p = geradenTreffpunkt(a, r, b, s);
    // A ray without direction would hold its start point's place only.
    if (!p || !liegtAuf(*p, b, s, Linienstueck::strahl).value_or(istNull(betrag(*p - b)))) return std::nullopt;
    return p;
}

double streckenabstand(const Punkt2& p, const Punkt2& a, const Punkt2& b) {
    return abstandVonStrecke(minus2(p, a), minus2(b, a), skalar2);
}

double streckenabstand(const Tripel& p, const Tripel& a, const Tripel& b) {
    const auto feld = [](const Tripel& t) { return std::array<double, 3>{t.x, t.y, t.z}; };
    const auto mal = [](const std::array<double, 3>& u, const std::array<double, 3>& v) {
        return u[0] * v[0] + u[1] * v[1] + u[2] * v[2];
    };
    return abstandVonStrecke(feld(p - a), feld(b - a), mal);
}

}  // namespace quodral
