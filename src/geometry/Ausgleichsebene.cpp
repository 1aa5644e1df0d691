#include "geometry/Ausgleichsebene.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numeric>
#include <tuple>

#include "geometry/Grenzen.h"
#include "geometry/Kleinstbreiten.h"
#include "geometry/Linienlage.h"
#include "geometry/Raumgeometrie.h"
#include "geometry/Toleranz.h"

namespace quodral {

namespace {

using grenzen::ausgleichsNeigung;
using grenzen::ausgleichsRunden;
using grenzen::ausgleichsTausche;

// A plane's frame: unit normal n, e1 × e2 = n, and an origin.
struct Rahmen {
    Tripel n, e1, e2, o;
};

Rahmen rahmenUm(const Tripel& n, const Tripel& o) {
    const Tripel e1 = querZu(n);
    return {n, e1, kreuz(n, e1), o};
}

// A place in the frame: along e1 and e2, and its height along n.
struct Lage2 {
    double x, y, h;
};

// Twice the signed area of the triangle a, b, c in the frame's plane.
double flaeche2(const Lage2& a, const Lage2& b, const Lage2& c) {
    return orientierung({a.x, a.y}, {b.x, b.y}, {c.x, c.y});
}

// The plane h = a0 + a1·x + a2·y.
struct Hoehenebene {
    double a0 = 0, a1 = 0, a2 = 0;
    double ueber(const Lage2& p) const { return p.h - (a0 + a1 * p.x + a2 * p.y); }
};

// The plane through three places with the heights v (instead of theirs).
Hoehenebene durch(const Lage2& a, const Lage2& b, const Lage2& c, double va, double vb, double vc) {
    const double d = flaeche2(a, b, c);
    Hoehenebene e;
    e.a1 = ((vb - va) * (c.y - a.y) - (vc - va) * (b.y - a.y)) / d;
    e.a2 = ((b.x - a.x) * (vc - va) - (c.x - a.x) * (vb - va)) / d;
    e.a0 = va - e.a1 * a.x - e.a2 * a.y;
    return e;
}

// A reference of four places and its best plane: the heights left are ±h, their signs those of
// the weights λ with Σ λ_k (1, x_k, y_k) = 0 (the signed areas of the triangles of the other
// three), so that no plane leaves all four less than |h| = |Σ λ_k h_k| / Σ |λ_k|.
struct Referenz {
    std::array<std::size_t, 4> k{};
    double h = 0;
    Hoehenebene ebene;
    bool gueltig = false;
};

Referenz loesen(const std::vector<Lage2>& q, const std::array<std::size_t, 4>& k) {
    Referenz r;
    r.k = k;
    const Lage2 &p0 = q[k[0]], &p1 = q[k[1]], &p2 = q[k[2]], &p3 = q[k[3]];
    const std::array<double, 4> lambda{flaeche2(p1, p2, p3), -flaeche2(p0, p2, p3), flaeche2(p0, p1, p3),
                                       -flaeche2(p0, p1, p2)};
    double summe = 0, gewichtet = 0;
    std::size_t groesste = 0;
    for (std::size_t m = 0; m < 4; ++m) {
        summe += std::fabs(lambda[m]);
        gewichtet += lambda[m] * q[k[m]].h;
        if (std::fabs(lambda[m]) > std::fabs(lambda[groesste])) groesste = m;
    }
    if (!(summe > 0)) return r;
    r.h = gewichtet / summe;
    // The plane through the three whose triangle is largest, each at its height less ±h.
    std::array<std::size_t, 3> drei{};
    std::size_t z = 0;
    for (std::size_t m = 0; m < 4; ++m)
        if (m != groesste) drei[z++] = m;
    const auto wert = [&](std::size_t m) { return q[k[m]].h - (lambda[m] > 0 ? r.h : lambda[m] < 0 ? -r.h : 0.0); };
    r.ebene = durch(q[k[drei[0]]], q[k[drei[1]]], q[k[drei[2]]], wert(drei[0]), wert(drei[1]), wert(drei[2]));
    r.gueltig = std::isfinite(r.ebene.a0) && std::isfinite(r.ebene.a1) && std::isfinite(r.ebene.a2);
    return r;
}

// The place with the largest height left over the plane, and that height.
std::pair<std::size_t, double> weitester(const std::vector<Lage2>& q, const Hoehenebene& e) {
    std::size_t j = 0;
    double m = -1;
    for (std::size_t i = 0; i < q.size(); ++i)
        if (const double r = std::fabs(e.ueber(q[i])); r > m) {
            m = r;
            j = i;
        }
    return {j, m};
}

// The plane (in the frame's heights) of least largest height, and a bound below that height:
// the height of the reference it was found on, which no plane can leave its four places below
// (de la Vallée Poussin), whether the exchange came to its end or not.
struct Anpassung {
    Hoehenebene ebene;
    double untereSchranke = 0;
};

// One round of the fit in the frame.
std::optional<Anpassung> anpassen(const std::vector<Lage2>& q) {
    // The start: the lowest place along e1, the one farthest from it, the one farthest from
    // their line (all seen along n), and the one farthest from the plane of these three.
    std::size_t a = 0;
    for (std::size_t i = 1; i < q.size(); ++i)
        if (q[i].x < q[a].x) a = i;
    std::size_t b = a;
    double db = 0;
    for (std::size_t i = 0; i < q.size(); ++i)
        if (const double d = std::hypot(q[i].x - q[a].x, q[i].y - q[a].y); d > db) {
            db = d;
            b = i;
        }
    std::size_t c = a;
    double dc = 0;
    for (std::size_t i = 0; i < q.size(); ++i)
        if (const double d = std::fabs(flaeche2(q[a], q[b], q[i])); d > dc) {
            dc = d;
            c = i;
        }
    if (!(dc > 0)) return std::nullopt;
    const Hoehenebene abc = durch(q[a], q[b], q[c], q[a].h, q[b].h, q[c].h);
    const auto [d, hd] = weitester(q, abc);
    if (!(hd > 0) || d == a || d == b || d == c) return Anpassung{abc, 0};
    Referenz ref = loesen(q, {a, b, c, d});
    if (!ref.gueltig) return Anpassung{abc, 0};
    for (int tausch = 0; tausch < ausgleichsTausche; ++tausch) {
        const auto [j, hj] = weitester(q, ref.ebene);
        if (hj <= std::fabs(ref.h) || std::find(ref.k.begin(), ref.k.end(), j) != ref.k.end()) break;
        // The place j comes in for the one whose going leaves the reference the largest height.
        Referenz best;
        for (std::size_t m = 0; m < 4; ++m) {
            std::array<std::size_t, 4> k = ref.k;
            k[m] = j;
            const Referenz r = loesen(q, k);
            if (r.gueltig && (!best.gueltig || std::fabs(r.h) > std::fabs(best.h))) best = r;
        }
        if (!best.gueltig || !(std::fabs(best.h) > std::fabs(ref.h))) break;
        ref = best;
    }
    return Anpassung{ref.ebene, std::fabs(ref.h)};
}

// The places in the frame.
void imRahmen(const std::vector<Tripel>& orte, const std::vector<std::size_t>& w, const Rahmen& r,
              std::vector<Lage2>& q) {
    q.resize(w.size());
    for (std::size_t i = 0; i < w.size(); ++i) {
        const Tripel d = orte[w[i]] - r.o;
        q[i] = {skalar(r.e1, d), skalar(r.e2, d), skalar(r.n, d)};
    }
}

// The plane of the frame's heights h = a0 + a1·x + a2·y as a plane in space: its unit normal
// n − a1·e1 − a2·e2, and its point o + a0·n.
std::optional<std::pair<Tripel, Tripel>> imRaum(const Rahmen& r, const Hoehenebene& p) {
    const std::optional<Tripel> n = einheitsvektor(r.n - p.a1 * r.e1 - p.a2 * r.e2);
    if (!n) return std::nullopt;
    return std::pair{*n, r.o + p.a0 * r.n};
}

// The largest distance of a place from the plane through punkt with the unit normal n: half the
// places' width along n where the plane lies in the middle of their slab.
double groessterAbstand(const std::vector<Tripel>& orte, const std::vector<std::size_t>& w, const Tripel& n,
                        const Tripel& punkt) {
    double m = 0;
    for (std::size_t i : w) m = std::max(m, std::fabs(skalar(n, orte[i] - punkt)));
    return m;
}

}  // namespace

std::optional<Ausgleichsebene> ausgleichsebene(const std::vector<Tripel>& orte, const Tripel& naeherung,
                                               const std::vector<std::size_t>& auswahl) {
    std::vector<std::size_t> alle;
    if (auswahl.empty()) {
        alle.resize(orte.size());
        std::iota(alle.begin(), alle.end(), std::size_t{0});
    }
    const std::vector<std::size_t>& w = auswahl.empty() ? alle : auswahl;
    const std::optional<Tripel> n0 = einheitsvektor(naeherung);
    if (w.size() < 3 || !n0) return std::nullopt;
    Rahmen r = rahmenUm(*n0, orte[w[0]]);
    std::vector<Lage2> q;
    Ausgleichsebene e;
    for (int runde = 0; runde < ausgleichsRunden; ++runde) {
        imRahmen(orte, w, r, q);
        const std::optional<Anpassung> p = anpassen(q);
        if (!p) return std::nullopt;
        const auto ebene = imRaum(r, p->ebene);
        if (!ebene) return std::nullopt;
        std::tie(e.normale, e.punkt) = *ebene;
        if (std::hypot(p->ebene.a1, p->ebene.a2) <= ausgleichsNeigung) break;
        r = rahmenUm(e.normale, r.o);
    }
    e.abstand = groessterAbstand(orte, w, e.normale, e.punkt);
    return e;
}

std::optional<Ausgleichsebene> duennsteEbene(const std::vector<Tripel>& orte, double band) {
    std::vector<std::size_t> w(orte.size());
    std::iota(w.begin(), w.end(), std::size_t{0});
    if (w.size() < 3) return std::nullopt;
    // The places' centre and the largest distance of a place from it: turning a direction by
    // the angle θ moves a place's part along it by at most 2 sin(θ/2) times that distance.
    const std::optional<Tripel> mitte = ortsmittel(orte);
    double weite = 0;
    for (const Tripel& o : orte) weite = std::max(weite, laenge(o - *mitte));
    // A cone of directions: a square [s0, s1] × [t0, t1] of the face of the cube square to the
    // axis k, each of its points (1, s, t) in the frame (e_k, e_k+1, e_k+2) a direction. The
    // three faces hold every direction or its opposite, which has the same width.
    struct Kegel {
        int k;
        double s0, s1, t0, t1, schranke;
    };
    const auto richtung = [](int k, double s, double t) {
        double c[3];
        c[k] = 1;
        c[(k + 1) % 3] = s;
        c[(k + 2) % 3] = t;
        return *einheitsvektor(Tripel{c[0], c[1], c[2]});
    };
    const auto schlechter = [](const Kegel& a, const Kegel& b) { return a.schranke > b.schranke; };
    std::vector<Kegel> offen;
    for (int k = 0; k < 3; ++k) offen.push_back({k, -1, 1, -1, 1, 0});
    std::optional<Ausgleichsebene> beste;
    std::vector<Lage2> q;
    for (int gesehen = 0; !offen.empty() && gesehen < grenzen::breitenkegel; ++gesehen) {
        // The cone with the least bound first.
        std::pop_heap(offen.begin(), offen.end(), schlechter);
        const Kegel z = offen.back();
        offen.pop_back();
        if (beste && z.schranke >= beste->abstand) continue;
        const double sm = (z.s0 + z.s1) / 2, tm = (z.t0 + z.t1) / 2;
        const Tripel m = richtung(z.k, sm, tm);
        double winkel = 0;
        for (const double s : {z.s0, z.s1})
            for (const double t : {z.t0, z.t1})
                winkel = std::max(winkel, std::acos(std::min(1.0, skalar(m, richtung(z.k, s, t)))));
        // The fit in the frame of the cone's middle direction: its plane, and its bound below
        // the largest height over any plane, of which the distance along a normal within the
        // cone is at least the cosine of their angle.
        const Rahmen r = rahmenUm(m, *mitte);
        imRahmen(orte, w, r, q);
        double schranke = 0;
        if (const std::optional<Anpassung> p = anpassen(q)) {
            schranke = p->untereSchranke * std::cos(winkel);
            if (const auto ebene = imRaum(r, p->ebene)) {
                const double abstand = groessterAbstand(orte, w, ebene->first, ebene->second);
                if (!beste || abstand < beste->abstand) beste = Ausgleichsebene{ebene->first, ebene->second, abstand};
            }
        }
        // And half the width along the middle direction, less what turning within the cone can
        // take off.
        double lo = 0, hi = 0;
        for (std::size_t i = 0; i < orte.size(); ++i) {
            const double h = skalar(m, orte[i] - *mitte);
            lo = i == 0 ? h : std::min(lo, h);
            hi = i == 0 ? h : std::max(hi, h);
        }
        schranke = std::max(schranke, (hi - lo) / 2 - 2 * std::sin(winkel / 2) * weite);
        if (beste && beste->abstand <= band) return beste;
        if (schranke > band || (beste && schranke >= beste->abstand) || winkel < grenzen::breitenkegelWinkel) continue;
        // Halved both ways.
        for (const auto& [s0, s1] : {std::pair{z.s0, sm}, std::pair{sm, z.s1}})
            for (const auto& [t0, t1] : {std::pair{z.t0, tm}, std::pair{tm, z.t1}}) {
                offen.push_back({z.k, s0, s1, t0, t1, schranke});
                std::push_heap(offen.begin(), offen.end(), schlechter);
            }
    }
    return beste;
}

double tetraederbreite(const Tripel& a, const Tripel& b, const Tripel& c, const Tripel& d) {
    const Tripel ab = b - a, ac = c - a, ad = d - a, bc = c - b, bd = d - b, cd = d - c;
    // Each height and each distance of opposite edges is six times the volume over the length
    // of a cross product: of two edges of the face, or of the two edges. Each cross product has
    // every component rounded once (kreuzGenau): of a needle's edges, nearly parallel, the plain
    // products keep only the digits their small difference leaves, and the volume, their dot
    // product with a third edge across them, would be rounding alone.
    const Tripel abc = kreuzGenau(ab, ac);
    const double sechsfach = std::fabs(skalar(abc, ad));
    const double quer = std::max({laenge(abc), laenge(kreuzGenau(ab, ad)), laenge(kreuzGenau(ac, ad)),
                                  laenge(kreuzGenau(bc, bd)), laenge(kreuzGenau(ab, cd)), laenge(kreuzGenau(ac, bd)),
                                  laenge(kreuzGenau(ad, bc))});
    return quer > 0 ? sechsfach / quer : 0;
}

namespace {

// The set as the one rule for flat measures it: the differences of its places from the lowest
// (smallest x, then y, then z), brought to about unit size by a power of two, which keeps every
// digit; measured from the lowest, the answer is one of the set of places, whatever their order
// and however often one is repeated.
class Flachmass {
public:
    Flachmass(const std::vector<Tripel>& orte, double L) : orte_(orte), mass_(L) {
        for (std::size_t i = 1; i < orte.size(); ++i) {
            if (vor(orte[i], orte[unten_])) unten_ = i;
        }
    }
    std::size_t anzahl() const { return orte_.size(); }
    std::size_t unten() const { return unten_; }
    const Zweiermass& mass() const { return mass_; }
    // The difference of place i from the lowest, at the scale.
    Tripel d(std::size_t i) const { return mass_.auf(orte_[i] - orte_[unten_]); }
    // The difference of place i from the first, at the scale.
    Tripel vomErsten(std::size_t i) const { return mass_.auf(orte_[i] - orte_.front()); }
    // All the differences, for the least widths where the extreme places leave the answer open.
    const std::vector<Tripel>& differenzen() {
        if (q_.empty())
            for (std::size_t i = 0; i < orte_.size(); ++i) q_.push_back(d(i));
        return q_;
    }
    // The place whose difference gives the largest wert, and that value (the first of equals).
    template <class F> std::pair<std::size_t, double> groesstes(F wert) const {
        std::size_t best = 0;
        double groesster = 0;
        for (std::size_t i = 0; i < orte_.size(); ++i)
            if (const double w = wert(d(i)); w > groesster) {
                groesster = w;
                best = i;
            }
        return {best, groesster};
    }

private:
    const std::vector<Tripel>& orte_;
    Zweiermass mass_;
    std::size_t unten_ = 0;
    std::vector<Tripel> q_;
};

// One place holds the set within punkt (at the scale): every place within punkt of the lowest;
// none where one lies farther than twice punkt (every place lies within twice the smallest
// ball's radius of the lowest); between, the smallest ball decides. d1: the distance of the
// farthest place from the lowest.
bool einOrt(Flachmass& m, double punkt, double d1) {
    if (!(d1 > punkt)) return true;
    return d1 <= 2 * punkt && kleinsteKugel(m.differenzen()).radius <= punkt;
}

// One line holds the set within punkt: every place within punkt of the line from the lowest
// along u (d2: the square of the largest distance from it); none where one lies farther than
// grenzen::keineGerade times punkt; between, the thinnest cylinder decides, measured square to
// that line (a line that holds them within punkt makes an angle below 2 punkt / d1 with it).
bool eineGerade(Flachmass& m, const Tripel& u, double punkt, double d2) {
    using grenzen::keineGerade;
    if (!(d2 > punkt * punkt)) return true;
    return d2 <= keineGerade * keineGerade * punkt * punkt && zylinderradius(m.differenzen(), u) <= punkt;
}

// The unit normal u × w of the plane through a line with unit direction u and a place at the
// difference d from a point of it, w the part of d across the line. Removing the part along
// the line first keeps the normal square to it to the last digit however narrow the set (the
// cross product of d itself keeps only the digits its small part across carries, and a set a
// thousand times longer than wide would tilt out of its own plane by as much).
Tripel senkrecht(const Tripel& u, const Tripel& d) {
    const Tripel w = d - skalar(d, u) * u;
    const Tripel k = kreuz(u, w);
    return (1 / laenge(k)) * k;
}

// The normal n in the sense of the first turn of the chain, seen from its first place: along
// (q[i] − q[0]) × (q[j] − q[0]), q[i] the first place farther than schritt from q[0] and q[j]
// the first after it farther than punkt off their line; n as it is where there is no such turn.
Tripel imSinnDerErstenDrehung(const Flachmass& m, Tripel n, double schritt, double punkt) {
    std::size_t i1 = 0;
    while (i1 < m.anzahl() && !(skalar(m.vomErsten(i1), m.vomErsten(i1)) > schritt * schritt)) ++i1;
    if (i1 >= m.anzahl()) return n;
    const Tripel r = m.vomErsten(i1);
    const Tripel ru = (1 / laenge(r)) * r;
    for (std::size_t i2 = i1 + 1; i2 < m.anzahl(); ++i2)
        if (const Tripel k = kreuz(ru, m.vomErsten(i2)); skalar(k, k) > punkt * punkt)
            return skalar(senkrecht(ru, m.vomErsten(i2)), n) < 0 ? -n : n;
    return n;
}

// Whether one plane holds the set within band (at the scale), n the unit normal of the plane
// through the lowest place, the one farthest from it and the one farthest from their line:
// where that plane holds every place within the band, so does the best plane. Beyond it, the
// plane through three extreme places may be tilted by the very deviations the band allows (a
// third of it at each of them can put a place far off their line more than the band away),
// while another plane holds every place. Four places whose tetrahedron is wider than twice the
// band span a solid whatever plane one takes; where they do not, the best plane near the plane
// of the three decides, which holds a set that is thin against its extent, and where it does
// not hold the places within the band, the thinnest plane of every direction (a needle's best
// plane turns freely about its axis, away from the plane of any three of its places). The
// unit normal of a plane that holds it, in n's sense; nothing where none does.
std::optional<Tripel> ebeneHaelt(Flachmass& m, const Tripel& n, std::size_t weitester, std::size_t fern, double band) {
    const auto [hoch, hoehe] = m.groesstes([&](const Tripel& d) { return std::fabs(skalar(d, n)); });
    if (hoehe <= band) return n;
    if (tetraederbreite(m.d(m.unten()), m.d(weitester), m.d(fern), m.d(hoch)) > 2 * grenzen::klarDick * band)
        return std::nullopt;
    std::optional<Ausgleichsebene> b = ausgleichsebene(m.differenzen(), n);
    if (!b || b->abstand > band) b = duennsteEbene(m.differenzen(), band);
    if (!b || !(b->abstand <= band)) return std::nullopt;
    return skalar(b->normale, n) < 0 ? -b->normale : b->normale;
}

}  // namespace

Flachlage flachlage(const std::vector<Tripel>& orte, const Flachgrenzen& schranken) {
    Flachlage lage;
    if (orte.empty()) return lage;
    const double L = lagebox(orte).weite();
    if (!std::isfinite(L) || !(L > 0)) return lage;
    Flachmass m(orte, L);
    const double punkt = m.mass().auf(schranken.punkt);
    // A place, then a line, then a plane, each on the place farthest from the one before
    // (lengths compared by their squares, at the scale).
    const auto [weitester, d1Quadrat] = m.groesstes([](const Tripel& r) { return skalar(r, r); });
    const double d1 = std::sqrt(d1Quadrat);
    if (einOrt(m, punkt, d1)) return lage;
    lage.dimension = 1;
    const Tripel u = (1 / d1) * m.d(weitester);
    lage.e1 = u;
    const auto [fern, d2] = m.groesstes([&](const Tripel& r) {
        const Tripel k = kreuz(u, r);
        return skalar(k, k);
    });
    if (eineGerade(m, u, punkt, d2)) return lage;
    lage.dimension = 2;
    lage.normale = imSinnDerErstenDrehung(m, senkrecht(u, m.d(fern)), m.mass().auf(schranken.schritt), punkt);
    const std::optional<Tripel> eben = ebeneHaelt(m, lage.normale, weitester, fern, m.mass().auf(schranken.ebene));
    if (eben) lage.normale = *eben;
    else lage.dimension = 3;
    return lage;
}

std::optional<ErsteDrehung> ersteDrehung(const std::vector<Tripel>& orte) {
    if (orte.empty()) return std::nullopt;
    const Tripel& a = orte.front();
    std::size_t b = 1;
    while (b < orte.size() && betrag(orte[b] - a) < grenzen::nullTest) ++b;
    for (std::size_t c = b + 1; c < orte.size(); ++c)
        if (const std::optional<Tripel> n = ebenenNormale(a, orte[c], orte[b]))
            return ErsteDrehung{kreuz(orte[b] - a, a - orte[c]), b, c, *n};
    return std::nullopt;
}

}  // namespace quodral
