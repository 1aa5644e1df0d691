#include "geometry/Seitenflaeche.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <utility>

#include "geometry/Grenzen.h"
#include "geometry/Linienlage.h"
#include "geometry/Raumgeometrie.h"
#include "geometry/Toleranz.h"
#include "geometry/Vieleckpruefung.h"

namespace quodral {

namespace {

using Ebenenpunkt = Seitenflaeche::Ebenenpunkt;

// The diagonal of a box over its largest side, at most: every corner of a face lies within
// this many extents of its mean.
constexpr double wurzelDrei = 1.7320508075688772;
// Up to this many corners the side test compares every edge with every corner; beyond, it asks
// the support function of their outline.
constexpr std::size_t wenigeEcken = 16;
// Up to this many vertices of the outline the support function compares them all: fewer
// products than finding the direction among their normals.
constexpr std::size_t wenigeUmrissecken = 8;

// The largest value of a linear function over points of a plane, from their convex hull: the
// side test asks it for every edge, which would otherwise compare every edge with every corner.
class Stuetzfunktion {
public:
    explicit Stuetzfunktion(const std::vector<Ebenenpunkt>& p) {
        for (std::size_t i : konvexeHuelle2d(p)) huelle_.push_back(p[i]);
        const std::size_t m = huelle_.size();
        // Few vertices are all compared (maximum below): no directions are needed.
        if (m <= wenigeUmrissecken) return;
        // The vertex after edge i is the farthest one for every direction between the outward
        // normals of edge i and edge i + 1.
        for (std::size_t i = 0; i < m; ++i) {
            const Ebenenpunkt& a = huelle_[i];
            const Ebenenpunkt& b = huelle_[(i + 1) % m];
            normalen_.emplace_back(std::atan2(-(b[0] - a[0]), b[1] - a[1]), (i + 1) % m);
        }
        std::sort(normalen_.begin(), normalen_.end());
    }

    double maximum(double ux, double uy) const {
        const auto wert = [&](std::size_t i) { return ux * huelle_[i][0] + uy * huelle_[i][1]; };
        const std::size_t m = huelle_.size();
        double groesster = -std::numeric_limits<double>::infinity();
        if (m <= wenigeUmrissecken) {
            for (std::size_t i = 0; i < m; ++i) groesster = std::max(groesster, wert(i));
            return groesster;
        }
        const double t = std::atan2(uy, ux);
        auto it = std::upper_bound(normalen_.begin(), normalen_.end(), std::make_pair(t, m));
        const std::size_t v = (it == normalen_.begin() ? normalen_.back() : *(it - 1)).second;
        // The neighbours too, against rounding at the borders of the directions.
        for (std::size_t i : {v + m - 1, v, v + 1}) groesster = std::max(groesster, wert(i % m));
        return groesster;
    }

private:
    std::vector<Ebenenpunkt> huelle_;
    std::vector<std::pair<double, std::size_t>> normalen_;
};

// Three corners, or four with the first repeated.
bool dreieck(const Eckenfolge& q) { return q.size() == 3 || (q.size() == 4 && q[0] == q[3]); }

// The chain of corners q, its last corner joined to its first, runs once around: seen from
// the mean of its corners (inside the figure) it covers one full turn. A chain that runs
// round twice passes the side test of every edge, but it covers its area twice. Its edges
// longer than kurz (the tolerance; the short ends of a narrow face are shorter) must be three
// at least, and none may run straight back along the one before it (both within half of kurz
// of one line): a chain folded back on itself is no convex polygon either. (Measured by the
// turning of its edges instead, an edge a tolerance or two long at a tip sharper than the
// tolerance over its length has no direction that tells to which side the chain turns
// there; seen from inside the figure it turns by a sliver of an angle.) Every difference is
// taken at the scale, kurz too.
bool drehtEinmalUm(const Eckenfolge& q, const Zweiermass& mass, const Tripel& normale, double kurz) {
    if (q.empty()) return false;
    std::size_t kanten = 0;
    Tripel erste, vorige;
    double ersteLaenge = 0, vorigeLaenge = 0;
    // Two edges with unit directions a, b and lengths la, lb run straight back along one line.
    const auto zurueck = [&](const Tripel& a, double la, const Tripel& b, double lb) {
        return skalar(a, b) < 0 && laenge(kreuz(a, b)) * std::max(la, lb) <= kurz / 2;
    };
    for (std::size_t i = 0; i < q.size(); ++i) {
        const Tripel d = mass.auf(q[(i + 1) % q.size()] - q[i]);
        const double l = laenge(d);
        if (!std::isfinite(l)) return false;
        if (!(l > kurz)) continue;
        const Tripel e = (1 / l) * d;
        if (kanten == 0) {
            erste = e;
            ersteLaenge = l;
        } else if (zurueck(vorige, vorigeLaenge, e, l)) {
            return false;
        }
        vorige = e;
        vorigeLaenge = l;
        ++kanten;
    }
    if (kanten < 3 || zurueck(vorige, vorigeLaenge, erste, ersteLaenge)) return false;
    // The angles under which the edges are seen from the mean of the corners, each measured
    // about the normal.
    Tripel mitte;
    for (const Tripel& r : q) mitte = mitte + mass.auf(r - q[0]);
    mitte = (1.0 / static_cast<double>(q.size())) * mitte;
    double winkel = 0;
    for (std::size_t i = 0; i < q.size(); ++i) {
        const Tripel a = mass.auf(q[i] - q[0]) - mitte, b = mass.auf(q[(i + 1) % q.size()] - q[0]) - mitte;
        winkel += std::atan2(skalar(kreuzGenau(a, b), normale), skalar(a, b));
    }
    // A closed chain winds by whole turns: one turn lies between a half and one and a half.
    return std::fabs(winkel) > M_PI && std::fabs(winkel) < 3 * M_PI;
}

// A corner of the outline seen from a line over the face's plane, at the face's scale: its
// side (its signed distance from the line's image in the plane), the place of its foot along the
// line, and the rounding of that side (grenzen::eckenseiteStellen, never more than the face's
// tolerance). The side is measured from the line's anchor a, with the unit direction e and the
// plane's unit normal n (e's image in the plane has the length bild), so that a corner near the
// origin is measured to its own rounding, whatever the face's extent.
struct Eckensicht {
    double seite = 0, laengs = 0, rundung = 0;
};
Eckensicht eckensicht(const Tripel& ecke, const Tripel& a, const Tripel& e, const Tripel& n, double bild,
                      const Zweiermass& mass, double toleranz) {
    const Tripel w = mass.auf(ecke - a);
    const double rundung = grenzen::eckenseiteStellen * letzteStelle(std::max(groessteKomponente(ecke), groessteKomponente(a)));
    return {skalar(kreuz(e, w), n) / bild, skalar(e, w), mass.auf(std::min(rundung / bild, toleranz))};
}

}  // namespace

Seitenflaeche::Seitenflaeche(const std::vector<Tripel>& ecken) : ecken_(ecken) { bauen(); }

Seitenflaeche::Seitenflaeche(const std::vector<Tripel>& ecken, double toleranz)
    : ecken_(ecken), toleranz_(toleranz), eigene_(false) {
    bauen();
}

Seitenflaeche::Seitenflaeche(const std::vector<Vektor>& ecken)
    : ecken_(std::vector<Tripel>(ecken.begin(), ecken.end())) {
    bauen();
}

Seitenflaeche::Seitenflaeche(const std::vector<Vektor>& ecken, double toleranz)
    : ecken_(std::vector<Tripel>(ecken.begin(), ecken.end())), toleranz_(toleranz), eigene_(false) {
    bauen();
}

Seitenflaeche::Seitenflaeche(const std::vector<Tripel>& orte, std::vector<std::size_t> ecken, const Zweiermass& mass,
                             double toleranz)
    : ecken_(orte, std::move(ecken)), ortsmass_(mass), toleranz_(toleranz), eigene_(false), ring_(true) {
    bauen();
}

void Seitenflaeche::bauen() {
    anzahl_ = ecken_.size();
    if (anzahl_ > 1 && ecken_.front() == ecken_.back()) --anzahl_;
    if (anzahl_ == 0) return;
    // A clear triangle (the most faces of a hull) spans its plane whatever rounding does: its
    // shape need not be judged.
    // Judged on the places as given (the same ones where no scale brought them).
    const auto gegeben = [this](std::size_t i) { return ortsmass_.zurueck(ecken_[i]); };
    klar_ = dreieck(ecken_) && klaresDreieck(gegeben(0), gegeben(1), gegeben(2));
    Ebenenlage lage;
    if (klar_) {
        Lagebox box;
        for (std::size_t i = 0; i < anzahl_; ++i)
            for (int k = 0; const double c : {ecken_[i].x, ecken_[i].y, ecken_[i].z}) {
                box.lo[k] = i == 0 ? c : std::min(box.lo[k], c);
                box.hi[k] = i == 0 ? c : std::max(box.hi[k], c);
                ++k;
            }
        lage.dimension = 2;
        lage.ausdehnung = box.weite();
        for (int k = 0; k < 3; ++k) {
            box.lo[k] = ortsmass_.zurueck(box.lo[k]);
            box.hi[k] = ortsmass_.zurueck(box.hi[k]);
        }
        lage.toleranz = ortsmass_.auf(lagetoleranz(box));
    } else {
        std::vector<Tripel> orte;
        orte.reserve(ecken_.size());
        for (std::size_t i = 0; i < ecken_.size(); ++i) orte.push_back(gegeben(i));
        lage = ebenenlage(orte);
        lage.ausdehnung = ortsmass_.auf(lage.ausdehnung);
        lage.toleranz = ortsmass_.auf(lage.toleranz);
    }
    dimension_ = lage.dimension;
    ausdehnung_ = lage.ausdehnung;
    eigeneToleranz_ = lage.toleranz;
    if (eigene_) toleranz_ = eigeneToleranz_;
    mass_ = Zweiermass(ausdehnung_);
    anlegen(lage);
}

void Seitenflaeche::anlegen(const Ebenenlage& lage) {
    // The mean, from the differences to the first corner: no sum of far coordinates overflows.
    Tripel summe;
    for (std::size_t i = 0; i < anzahl_; ++i) summe = summe + mass_.auf(ecken_[i] - ecken_[0]);
    mitte_ = ecken_[0] + mass_.zurueck((1.0 / static_cast<double>(anzahl_)) * summe);
    // The fan from the first corner, each cross product carried to about its last digit.
    Tripel vektor;
    // (The last triangle of a closed chain, back to its repeated first corner, adds nothing.)
    for (std::size_t i = 1; i + 1 < anzahl_; ++i)
        vektor = vektor + kreuzDerDifferenzen(ecken_[0], ecken_[i], ecken_[i + 1], mass_);
    flaechenvektor_ = 0.5 * vektor;
    if (dimension_ < 2) return;
    // The normal of the enclosed area where the chain encloses one (grenzen::flaechennormaleNah). A
    // chain that encloses next to nothing (folded back on itself, or the points of a cloud in
    // no order) leaves a vector of rounding, in any direction: the span's normal stands, with
    // the sense of the chain's first turn.
    const std::optional<Tripel> a = einheitsvektor(flaechenvektor_);
    normale_ = a && (klar_ || std::fabs(skalar(*a, lage.normale)) > grenzen::flaechennormaleNah) ? *a : Tripel(lage.normale);
    // e1 along the span's longest line (of a clear triangle, its first edge), square to the normal.
    const Tripel e = klar_ ? mass_.auf(ecken_[1] - ecken_[0]) : Tripel(lage.e1);
    e1_ = einheitsvektor(e - skalar(e, normale_) * normale_).value_or(e);
    e2_ = kreuz(normale_, e1_);
}

Seitenflaeche::Ebenenpunkt Seitenflaeche::inDerEbene(const Tripel& p) const {
    const Tripel s = mass_.auf(p - mitte_);
    return {skalar(s, e1_), skalar(s, e2_)};
}

void Seitenflaeche::ebeneVorbereiten() const {
    if (vorbereitet_) return;
    vorbereitet_ = true;
    if (dimension_ < 2) return;
    eben_.reserve(anzahl_);
    for (std::size_t i = 0; i < anzahl_; ++i) eben_.push_back(inDerEbene(ecken_[i]));
    umriss_ = konvexeHuelle2d(eben_);
    // The tolerance of the plane: the face's own, or the height of its corner farthest off the
    // plane where that is more (a face flat within a ten-thousandth of its extent may have
    // corners that far off), so that its corners and edges lie in it.
    spiel_ = mass_.auf(toleranz_);
    for (std::size_t i = 0; i < anzahl_; ++i)
        spiel_ = std::max(spiel_, std::fabs(skalar(mass_.auf(ecken_[i] - mitte_), normale_)));
}

double Seitenflaeche::ebenenspiel() const {
    ebeneVorbereiten();
    return spiel_;
}

const std::vector<Seitenflaeche::Ebenenpunkt>& Seitenflaeche::ebenenecken() const {
    ebeneVorbereiten();
    return eben_;
}

const std::vector<std::size_t>& Seitenflaeche::umriss() const {
    ebeneVorbereiten();
    return umriss_;
}

std::vector<std::size_t> Seitenflaeche::umriss(double eps) const {
    ebeneVorbereiten();
    return konvexeHuelle2d(eben_, mass_.auf(eps));
}

double Seitenflaeche::randabstand(const Ebenenpunkt& q, bool& innen) const {
    ebeneVorbereiten();
    double abstand = std::numeric_limits<double>::infinity();
    innen = umriss_.size() >= 3;
    for (std::size_t i = 0; i < umriss_.size(); ++i) {
        const Ebenenpunkt& u = eben_[umriss_[i]];
        const Ebenenpunkt& v = eben_[umriss_[(i + 1) % umriss_.size()]];
        abstand = std::min(abstand, streckenabstand(q, u, v));
        innen = innen && orientierung(u, v, q) >= 0;
    }
    return abstand;
}

Seitenflaeche::Lage Seitenflaeche::lageInDerEbene(const Ebenenpunkt& q, double rand) const {
    if (dimension_ != 2 || !std::isfinite(q[0]) || !std::isfinite(q[1])) return Lage::aussen;
    bool innen = false;
    if (randabstand(q, innen) <= mass_.auf(rand)) return Lage::rand;
    return innen ? Lage::innen : Lage::aussen;
}

Seitenflaeche::Lage Seitenflaeche::lage(const Tripel& p, double rand) const {
    if (dimension_ != 2) return Lage::aussen;
    const Tripel s = mass_.auf(p - mitte_);
    if (!endlich(s)) return Lage::aussen;
    // The border is a band in the plane: a point farther from the plane than its tolerance lies
    // outside, above an edge too; within it, its place in the plane decides.
    if (std::fabs(skalar(s, normale_)) > ebenenspiel()) return Lage::aussen;
    return lageInDerEbene({skalar(s, e1_), skalar(s, e2_)}, rand);
}

bool Seitenflaeche::konvex(double anteil) const {
    // The side tolerance is the zero test taken relative to the extent, as for a polygon of
    // extent 1, never below the corners' own tolerance: a face a million long and a few
    // tolerances wide, whose corners stray off its plane about as far as it is wide, tilts its
    // normal about its axis, and the tilt moves its corners across its edges' lines by about
    // their strays; a hundred-millionth of the extent holds them.
    return konvexMit(anteil * std::max(eigeneToleranz_, grenzen::nullTest * ausdehnung_));
}

bool Seitenflaeche::konvexInDerToleranz(double anteil) const { return konvexMit(anteil * eigeneToleranz_); }

bool Seitenflaeche::konvexMit(double seitlich) const {
    if (klar_) return true;
    if (dimension_ != 2) return false;
    const Eckenfolge& q = ecken_;
    const double kurz = mass_.auf(grenzen::ortsschaerfe * ausdehnung_);
    const double eigene = mass_.auf(eigeneToleranz_);
    const double toleranz = std::min(mass_.auf(seitlich), kurz);
    // Three corners (a triangle, closed or not) leave each edge's line with the third on one
    // side: only the turning is asked.
    if (q.size() < 3 || dreieck(q)) return drehtEinmalUm(q, mass_, normale_, eigene);
    // The corners in the plane, from the first: the side of an edge's line is a linear
    // function of them, whose extremes over all corners lie on their convex hull (where the
    // corners are few, they are all asked).
    std::vector<Ebenenpunkt> eben;
    eben.reserve(q.size());
    for (const Tripel& r : q) {
        const Tripel d = mass_.auf(r - q.front());
        eben.push_back({skalar(d, e1_), skalar(d, e2_)});
    }
    std::optional<Stuetzfunktion> stuetze;
    if (q.size() > wenigeEcken) stuetze.emplace(eben);
    const auto maximum = [&](double ux, double uy) {
        if (stuetze) return stuetze->maximum(ux, uy);
        double m = -std::numeric_limits<double>::infinity();
        for (const Ebenenpunkt& r : eben) m = std::max(m, ux * r[0] + uy * r[1]);
        return m;
    };
    // Every edge must leave all corners on one side of its line within the plane; corners on
    // the edge's line itself take no side. An open chain has no closing edge; a face that runs
    // round (ring_) has it whether its first corner is repeated or not.
    const std::size_t kanten = ring_ ? anzahl_ : q.size() - 1;
    for (std::size_t i = 0; i < kanten; ++i) {
        const std::size_t j = (i + 1) % q.size();
        const Tripel d = mass_.auf(q[j] - q[i]);
        const double l = laenge(d);
        if (!(l > kurz)) continue;
        const Tripel u = (1 / l) * kreuz(normale_, d);
        const double ux = skalar(u, e1_);
        const double uy = skalar(u, e2_);
        const double eigen = ux * eben[i][0] + uy * eben[i][1];
        const double oben = maximum(ux, uy) - eigen;
        const double unten = -maximum(-ux, -uy) - eigen;
        if (!(oben > 0 && unten < 0 && oben >= toleranz && unten <= -toleranz)) continue;
        // Measured afresh, each corner from the nearer end of the edge: the coordinates in the
        // plane, relative to the first corner, round a corner next to the edge by as much as
        // the first corner lies far from it, which far from the origin is a good part of the
        // tolerance.
        double hoch = 0, tief = 0;
        for (const Tripel& r : q) {
            const Tripel d0 = mass_.auf(r - q[i]), d1 = mass_.auf(r - q[j]);
            const double w = skalar(u, skalar(d0, d0) <= skalar(d1, d1) ? d0 : d1);
            hoch = std::max(hoch, w);
            tief = std::min(tief, w);
        }
        if (hoch >= toleranz && tief <= -toleranz) return false;
    }
    return drehtEinmalUm(q, mass_, normale_, eigene);
}

double Seitenflaeche::flaeche() const { return mass_.zurueck(mass_.zurueck(laenge(flaechenvektor_))); }

Tripel Seitenflaeche::flaechenvektor() const { return mass_.zurueck(mass_.zurueck(flaechenvektor_)); }

double Seitenflaeche::umfang() const {
    double summe = 0;
    for (std::size_t i = 0; i < anzahl_; ++i) summe += betrag(mass_.auf(ecken_[(i + 1) % anzahl_] - ecken_[i]));
    return mass_.zurueck(summe);
}

void Seitenflaeche::umstellen(const std::vector<Tripel>& orte, std::vector<std::size_t> ecken) {
    ecken_ = Eckenfolge(orte, std::move(ecken));
}

void Seitenflaeche::umlaufen(const std::vector<Tripel>& orte, std::vector<std::size_t> ecken) {
    const bool klarVorher = klar_;
    ecken_ = Eckenfolge(orte, std::move(ecken));
    eben_.clear();
    umriss_.clear();
    vorbereitet_ = false;
    // A clear triangle stays one in the other order (its box, extent and tolerance are those of
    // its corners, whatever their order): only what hangs on where the chain starts is measured
    // again, as bauen would. Any other face is built afresh.
    const auto gegeben = [this](std::size_t i) { return ortsmass_.zurueck(ecken_[i]); };
    if (!klarVorher || !dreieck(ecken_) || !klaresDreieck(gegeben(0), gegeben(1), gegeben(2))) return bauen();
    anzahl_ = ecken_.size();
    if (ecken_.front() == ecken_.back()) --anzahl_;
    anlegen(Ebenenlage{});
}

std::vector<Tripel> Seitenflaeche::treffpunkte(const Tripel& a, const Tripel& u, double rand) const {
    if (dimension_ != 2) return {};
    const std::optional<Tripel> e = einheitsvektor(u);
    if (!e) return {};
    ebeneVorbereiten();
    const std::size_t k = umriss_.size();
    if (k < 3) return {};
    const Tripel& n = normale_;
    const double band = mass_.auf(rand);
    const double steigung = skalar(n, *e);
    // The line's point nearest the mean: the line in the plane is followed from there.
    const Tripel fuss = a + skalar(*e, mitte_ - a) * *e;
    if (!endlich(fuss)) return {};
    const Tripel vomFuss = mass_.auf(fuss - mitte_);
    // Over the face, within its box's diagonal of its mean, the line rises by at most its
    // slope times that diagonal.
    const double spiel = ebenenspiel();
    if (std::fabs(steigung) * wurzelDrei * mass_.auf(ausdehnung_) > spiel) {
        // The piercing point, found from the anchor in the face's frame and then laid into the
        // plane along its normal: an anchor in the plane is the point itself, and a line given by
        // far points meets the plane to the rounding of the face's own coordinates.
        const Tripel w = mass_.auf(a - mitte_);
        Tripel p = a + mass_.zurueck(-skalar(n, w) / steigung) * *e;
        p = p - mass_.zurueck(skalar(n, mass_.auf(p - mitte_))) * n;
        if (!endlich(p) || lageInDerEbene(inDerEbene(p), rand) == Lage::aussen) return {};
        return {p};
    }
    if (std::fabs(skalar(n, vomFuss)) > spiel) return {};
    // In the plane: each corner seen from the line's anchor (eckensicht), its place along the
    // line a step along the line itself; the line's image in the plane has the length bild at
    // unit direction.
    const double bild = std::hypot(skalar(*e, e1_), skalar(*e, e2_));
    if (!(bild > 0)) return {};
    std::vector<Eckensicht> sicht;
    sicht.reserve(k);
    for (std::size_t i = 0; i < k; ++i) {
        sicht.push_back(eckensicht(ecken_[umriss_[i]], a, *e, n, bild, mass_, toleranz_));
        if (!std::isfinite(sicht.back().seite) || !std::isfinite(sicht.back().laengs)) return {};
    }
    // The foot of a corner on the line.
    const auto fussVon = [&](std::size_t i) { return a + mass_.zurueck(sicht[i].laengs) * *e; };
    // Where it crosses the outline: through a corner on it (within the rounding of the corner's
    // and the anchor's coordinates: at the corner's foot), or at the point where an edge whose
    // ends lie on either side of it crosses it, taken along the edge (an edge along an axis keeps
    // its coordinate). Neither the tolerance nor the band moves these: a corner that the line
    // passes by, however near, is no crossing (the line touches the face there where it passes
    // within the band), and one it cuts off gives the crossings on its two edges.
    std::vector<std::pair<double, Tripel>> stellen;
    // The corner nearest the line, and of those within the band the first and the last along it.
    double naechste = std::numeric_limits<double>::infinity();
    std::size_t naechsteEcke = 0;
    std::optional<std::pair<double, std::size_t>> erste, letzte;
    for (std::size_t i = 0; i < k; ++i) {
        const std::size_t j = (i + 1) % k;
        const Eckensicht &p = sicht[i], &q = sicht[j];
        if (std::fabs(p.seite) <= p.rundung) {
            stellen.emplace_back(p.laengs, fussVon(i));
        } else if ((p.seite > 0 && q.seite < -q.rundung) || (p.seite < 0 && q.seite > q.rundung)) {
            const double s = p.seite / (p.seite - q.seite);
            const Tripel& von = ecken_[umriss_[i]];
            stellen.emplace_back(p.laengs + s * (q.laengs - p.laengs), von + s * (ecken_[umriss_[j]] - von));
        }
        if (std::fabs(p.seite) < naechste) {
            naechste = std::fabs(p.seite);
            naechsteEcke = i;
        }
        if (std::fabs(p.seite) <= band) {
            if (!erste || p.laengs < erste->first) erste = {p.laengs, i};
            if (!letzte || p.laengs > letzte->first) letzte = {p.laengs, i};
        }
    }
    if (!stellen.empty()) {
        // The chord between the first and the last crossing; one point where it is shorter than
        // the band is wide (a line through a corner, or across a corner next to it).
        const auto [vorn, hinten] = std::minmax_element(
            stellen.begin(), stellen.end(), [](const auto& x, const auto& y) { return x.first < y.first; });
        if (!endlich(vorn->second) || !endlich(hinten->second)) return {};
        if (hinten->first - vorn->first < band)
            return {vorn == hinten ? vorn->second : vorn->second + 0.5 * (hinten->second - vorn->second)};
        return {vorn->second, hinten->second};
    }
    // It crosses no edge: passing within the band of the outline, it touches the face, in its
    // point nearest to the outline (the foot of the nearest corner), or, where it runs beside an
    // edge within the band (both its corners are), in its stretch beside that edge.
    if (!(naechste <= band)) return {};
    std::vector<Tripel> punkte{fussVon(naechsteEcke)};
    if (letzte->first - erste->first >= band) punkte = {fussVon(erste->second), fussVon(letzte->second)};
    for (const Tripel& p : punkte)
        if (!endlich(p)) return {};
    return punkte;
}

std::vector<Tripel> Seitenflaeche::schnitt(const Tripel& anker, const Tripel& n) const {
    std::vector<Tripel> punkte;
    if (anzahl_ < 2) return punkte;
    std::vector<double> hoehe(anzahl_);
    for (std::size_t i = 0; i < anzahl_; ++i) hoehe[i] = skalar(n, ecken_[i] - anker);
    const auto hineingelegt = [&](std::size_t i) { return hoehe[i] == 0 ? ecken_[i] : ecken_[i] - hoehe[i] * n; };
    for (std::size_t k = 0; k < anzahl_; ++k) {
        std::size_t i = k, j = (k + 1) % anzahl_;
        if (vor(ecken_[j], ecken_[i])) std::swap(i, j);
        const double hi = hoehe[i], hj = hoehe[j];
        if (std::fabs(hi) <= toleranz_) punkte.push_back(hineingelegt(i));
        if (std::fabs(hj) <= toleranz_) punkte.push_back(hineingelegt(j));
        if ((hi < 0 && hj > 0) || (hi > 0 && hj < 0))
            punkte.push_back(ecken_[i] + (hi / (hi - hj)) * (ecken_[j] - ecken_[i]));
    }
    return punkte;
}

}  // namespace quodral
