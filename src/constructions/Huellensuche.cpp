#include "constructions/Huellensuche.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <deque>
#include <limits>
#include <map>
#include <optional>

#include "checks/Punktmengen.h"
#include "constructions/Huellen.h"
#include "constructions/Kalkulation.h"
#include "constructions/Klumpenbau.h"
#include "model/Ebenenkonstruktion.h"

namespace quodral::huellensuche {

namespace {

// =============================================================================================
// Exact arithmetic on integer points
//
// Coordinates stay within ±2^40. Differences are then below 2^41, cross products of two
// differences below 2^83 and every determinant or plane offset below 2^126: all exact in
// 128-bit integers.

using i128 = __int128;
constexpr long long gitterGrenze = 1LL << 40;

struct GP {
    long long x = 0, y = 0, z = 0;
    friend bool operator<(const GP& a, const GP& b) {
        if (a.x != b.x) return a.x < b.x;
        if (a.y != b.y) return a.y < b.y;
        return a.z < b.z;
    }
};

struct V3 {
    i128 x = 0, y = 0, z = 0;
};

V3 alsV3(const GP& a) { return {a.x, a.y, a.z}; }
V3 diff(const GP& a, const GP& b) { return {i128(a.x) - b.x, i128(a.y) - b.y, i128(a.z) - b.z}; }
V3 kreuz(const V3& a, const V3& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
i128 skalar(const V3& a, const V3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
bool istNullV3(const V3& a) { return a.x == 0 && a.y == 0 && a.z == 0; }
int vorzeichen(i128 v) { return (v > 0) - (v < 0); }
i128 betrag(i128 v) { return v < 0 ? -v : v; }
i128 ggT(i128 a, i128 b) {
    a = betrag(a);
    b = betrag(b);
    while (b != 0) {
        const i128 r = a % b;
        a = b;
        b = r;
    }
    return a;
}

// A face of the exact hull: outward normal n and offset o (n · p = o on the plane, n · p < o
// inside), the points on its plane and its corners counter-clockwise seen from outside.
struct Seite {
    V3 n;
    i128 o = 0;
    std::vector<int> punkte;
    std::vector<int> rand;
};

// The corners of the convex hull of coplanar points, counter-clockwise about n, points on
// an edge left out. The plane is projected along the axis of n's largest component.
std::vector<int> rand2d(const std::vector<GP>& pt, std::vector<int> ps, const V3& n) {
    const i128 ax = betrag(n.x), ay = betrag(n.y), az = betrag(n.z);
    const int achse = (az >= ax && az >= ay) ? 2 : (ax >= ay ? 0 : 1);
    const int sinn = vorzeichen(achse == 0 ? n.x : achse == 1 ? n.y : n.z);
    const auto proj = [&](int i) -> std::pair<long long, long long> {
        const GP& p = pt[i];
        if (achse == 2) return {p.x, p.y};
        if (achse == 0) return {p.y, p.z};
        return {p.z, p.x};
    };
    std::sort(ps.begin(), ps.end(), [&](int a, int b) { return proj(a) < proj(b); });
    const auto dreh = [&](int o, int a, int b) {
        const auto [ox, oy] = proj(o);
        const auto [axx, ayy] = proj(a);
        const auto [bx, by] = proj(b);
        return (i128(axx) - ox) * (i128(by) - oy) - (i128(ayy) - oy) * (i128(bx) - ox);
    };
    if (ps.size() < 3) return ps;
    std::vector<int> h(2 * ps.size());
    std::size_t k = 0;
    for (std::size_t i = 0; i < ps.size(); ++i) {
        while (k >= 2 && dreh(h[k - 2], h[k - 1], ps[i]) <= 0) --k;
        h[k++] = ps[i];
    }
    for (std::size_t i = ps.size() - 1, t = k + 1; i-- > 0;) {
        while (k >= t && dreh(h[k - 2], h[k - 1], ps[i]) <= 0) --k;
        h[k++] = ps[i];
    }
    h.resize(k - 1);
    if (sinn < 0) std::reverse(h.begin(), h.end());
    return h;
}

// The exact convex hull of distinct integer points.
struct Gitterhuelle {
    enum class Form { leer, punkt, linie, eben, raum };
    Form form = Form::leer;
    std::vector<Seite> seiten;
    std::vector<std::pair<int, int>> nachbarn;  // faces meeting in an edge, each pair once
    std::vector<int> ecken;                      // the hull's corners, ascending
};

// Gift wrapping over the points of `menge` (which span space): from a first face, the face
// beyond each edge is found by turning the edge's plane about the edge until it meets the
// last point, every comparison exact.
class Wickler {
public:
    Wickler(const std::vector<GP>& pt, std::vector<int> menge) : pt_(pt), menge_(std::move(menge)) {}

    std::vector<Seite> seiten;
    std::vector<std::pair<int, int>> nachbarn;

    void wickeln() {
        // The least point in (x, y, z) order; the plane x = x0 touches the set there, and the
        // line through it along y lies in that plane.
        const int p0 = *std::min_element(menge_.begin(), menge_.end(), [&](int a, int b) { return pt_[a] < pt_[b]; });
        const GP q0{pt_[p0].x, pt_[p0].y + 1, pt_[p0].z};
        const int p1 = drehen(pt_[p0], q0, V3{1, 0, 0});
        const int p2 = drehen(pt_[p0], pt_[p1], kreuz(diff(q0, pt_[p0]), diff(pt_[p1], pt_[p0])));
        V3 n = kreuz(diff(pt_[p1], pt_[p0]), diff(pt_[p2], pt_[p0]));
        for (int i : menge_) {
            const i128 s = skalar(n, diff(pt_[i], pt_[p0]));
            if (s > 0) n = {-n.x, -n.y, -n.z};
            if (s != 0) break;
        }
        std::deque<int> offen{anlegen(n, skalar(n, alsV3(pt_[p0])))};
        while (!offen.empty()) {
            const int f = offen.front();
            offen.pop_front();
            const std::vector<int> rand = seiten[f].rand;
            const int aussen = abseits(f);
            for (std::size_t t = 0; t < rand.size(); ++t) {
                const int u = rand[t];
                const int v = rand[(t + 1) % rand.size()];
                const int innen = rand[(t + 2) % rand.size()];
                const int w = ueberKante(u, v, innen, aussen);
                V3 m = kreuz(diff(pt_[v], pt_[u]), diff(pt_[w], pt_[u]));
                if (skalar(m, diff(pt_[innen], pt_[u])) > 0) m = {-m.x, -m.y, -m.z};
                const std::size_t vorher = seiten.size();
                const int g = anlegen(m, skalar(m, alsV3(pt_[u])));
                if (seiten.size() > vorher) offen.push_back(g);
                nachbarn.emplace_back(std::min(f, g), std::max(f, g));
            }
        }
        std::sort(nachbarn.begin(), nachbarn.end());
        nachbarn.erase(std::unique(nachbarn.begin(), nachbarn.end()), nachbarn.end());
    }

private:
    const std::vector<GP>& pt_;
    std::vector<int> menge_;
    std::map<std::array<i128, 4>, int> bekannt_;

    // Turns a plane about the line through a and b, which lies in a plane (normal nEbene) with
    // every point on one side: the point of the largest turning angle, so that the plane
    // through a, b and it has every point on one side. The turn starts at a point off that
    // plane: from there every other point lies less than half a turn away, so that "beyond
    // the plane through the best point so far" orders all points, even those that lie in the
    // first plane on either side of the line.
    int drehen(const GP& a, const GP& b, const V3& nEbene) {
        const V3 ab = diff(b, a);
        int w = -1;
        for (int i : menge_)
            if (skalar(nEbene, diff(pt_[i], a)) != 0) {
                w = i;
                break;
            }
        V3 n = kreuz(ab, diff(pt_[w], a));
        for (int i : menge_)
            if (skalar(n, diff(pt_[i], a)) > 0) {
                w = i;
                n = kreuz(ab, diff(pt_[w], a));
            }
        return w;
    }

    // A point off the plane of face f.
    int abseits(int f) const {
        for (int i : menge_)
            if (skalar(seiten[f].n, alsV3(pt_[i])) != seiten[f].o) return i;
        return menge_.front();
    }

    // The corner beyond the edge u → v of a face whose point `innen` lies off the edge: the
    // plane through the edge is turned away from the face until no point lies beyond it,
    // starting at the point w off the face's plane.
    int ueberKante(int u, int v, int innen, int w) const {
        const GP& a = pt_[u];
        const V3 uv = diff(pt_[v], a);
        V3 m = kreuz(uv, diff(pt_[w], a));
        int seiteInnen = vorzeichen(skalar(m, diff(pt_[innen], a)));
        for (int i : menge_)
            if (vorzeichen(skalar(m, diff(pt_[i], a))) == -seiteInnen) {
                w = i;
                m = kreuz(uv, diff(pt_[w], a));
                seiteInnen = vorzeichen(skalar(m, diff(pt_[innen], a)));
            }
        return w;
    }

    // The face of this plane (outward normal n, offset o): a known one, or a new one with the
    // points on its plane and its corners.
    int anlegen(const V3& n, i128 o) {
        const i128 g = ggT(ggT(n.x, n.y), n.z);
        const std::array<i128, 4> schluessel{n.x / g, n.y / g, n.z / g, o / g};
        if (const auto it = bekannt_.find(schluessel); it != bekannt_.end()) return it->second;
        Seite s;
        s.n = n;
        s.o = o;
        for (int i : menge_)
            if (skalar(n, alsV3(pt_[i])) == o) s.punkte.push_back(i);
        s.rand = rand2d(pt_, s.punkte, n);
        seiten.push_back(std::move(s));
        const int nr = static_cast<int>(seiten.size()) - 1;
        bekannt_.emplace(schluessel, nr);
        return nr;
    }
};

Gitterhuelle gitterhuelle(const std::vector<GP>& pt) {
    Gitterhuelle h;
    const int m = static_cast<int>(pt.size());
    if (m == 0) return h;
    h.form = Gitterhuelle::Form::punkt;
    if (m == 1) return h;
    const V3 d1 = diff(pt[1], pt[0]);
    int p2 = -1;
    for (int i = 2; i < m && p2 < 0; ++i)
        if (!istNullV3(kreuz(d1, diff(pt[i], pt[0])))) p2 = i;
    h.form = Gitterhuelle::Form::linie;
    if (p2 < 0) return h;
    const V3 n = kreuz(d1, diff(pt[p2], pt[0]));
    int p3 = -1;
    for (int i = 0; i < m && p3 < 0; ++i)
        if (skalar(n, diff(pt[i], pt[0])) != 0) p3 = i;
    h.form = Gitterhuelle::Form::eben;
    if (p3 < 0) return h;
    h.form = Gitterhuelle::Form::raum;

    // Points strictly inside the hull of the extreme points in 26 directions cannot touch the
    // boundary: they are set aside before the walk.
    std::vector<int> alle(static_cast<std::size_t>(m));
    for (int i = 0; i < m; ++i) alle[static_cast<std::size_t>(i)] = i;
    std::vector<int> extrem;
    for (int a = -1; a <= 1; ++a)
        for (int b = -1; b <= 1; ++b)
            for (int c = -1; c <= 1; ++c) {
                if (a == 0 && b == 0 && c == 0) continue;
                int best = 0;
                i128 bestW = a * i128(pt[0].x) + b * i128(pt[0].y) + c * i128(pt[0].z);
                for (int i = 1; i < m; ++i) {
                    const i128 w = a * i128(pt[i].x) + b * i128(pt[i].y) + c * i128(pt[i].z);
                    if (w > bestW) {
                        bestW = w;
                        best = i;
                    }
                }
                extrem.push_back(best);
            }
    std::sort(extrem.begin(), extrem.end());
    extrem.erase(std::unique(extrem.begin(), extrem.end()), extrem.end());
    std::vector<int> menge = alle;
    bool raeumlich = false;
    if (extrem.size() >= 4) {
        const V3 e1 = diff(pt[extrem[1]], pt[extrem[0]]);
        for (std::size_t i = 2; i < extrem.size() && !raeumlich; ++i)
            for (std::size_t j = i + 1; j < extrem.size() && !raeumlich; ++j)
                raeumlich = skalar(kreuz(e1, diff(pt[extrem[i]], pt[extrem[0]])), diff(pt[extrem[j]], pt[extrem[0]])) != 0;
    }
    if (raeumlich) {
        Wickler kern(pt, extrem);
        kern.wickeln();
        menge.clear();
        for (int i = 0; i < m; ++i) {
            bool innen = true;
            for (const Seite& s : kern.seiten)
                if (skalar(s.n, alsV3(pt[i])) >= s.o) {
                    innen = false;
                    break;
                }
            if (!innen) menge.push_back(i);
        }
    }

    Wickler w(pt, menge);
    w.wickeln();
    h.seiten = std::move(w.seiten);
    h.nachbarn = std::move(w.nachbarn);
    for (const Seite& s : h.seiten) h.ecken.insert(h.ecken.end(), s.rand.begin(), s.rand.end());
    std::sort(h.ecken.begin(), h.ecken.end());
    h.ecken.erase(std::unique(h.ecken.begin(), h.ecken.end()), h.ecken.end());
    return h;
}

// Distinct integer points of the given ones: the points, and per distinct point the indices
// of the given points at it (ascending).
struct Verteilung {
    std::vector<GP> punkte;
    std::vector<std::vector<std::size_t>> herkunft;
};

Verteilung verteilen(const std::vector<GP>& g) {
    Verteilung v;
    std::map<GP, int> nummer;
    for (std::size_t i = 0; i < g.size(); ++i) {
        const auto [it, neu] = nummer.emplace(g[i], static_cast<int>(v.punkte.size()));
        if (neu) {
            v.punkte.push_back(g[i]);
            v.herkunft.emplace_back();
        }
        v.herkunft[static_cast<std::size_t>(it->second)].push_back(i);
    }
    return v;
}

// The given points behind the distinct points of the list, ascending.
std::vector<std::size_t> herkuenfte(const Verteilung& v, const std::vector<int>& ps) {
    std::vector<std::size_t> r;
    for (int p : ps) {
        const auto& h = v.herkunft[static_cast<std::size_t>(p)];
        r.insert(r.end(), h.begin(), h.end());
    }
    std::sort(r.begin(), r.end());
    return r;
}

// =============================================================================================
// The plain search's arithmetic, operation for operation (so that every value is the same
// double): the normal of ebeneDurch, its null test, and the side value of istRandebene.

struct D3 {
    double x, y, z;
};

D3 normaleWieEbeneDurch(const Punkt& a, const Punkt& b, const Punkt& c) {
    const double u1 = c.x - a.x, u2 = c.y - a.y, u3 = c.z - a.z;
    const double v1 = c.x - b.x, v2 = c.y - b.y, v3 = c.z - b.z;
    return {u2 * v3 - u3 * v2, u3 * v1 - u1 * v3, u1 * v2 - u2 * v1};
}
bool nullNormale(const D3& n) { return std::fabs(n.x * n.x + n.y * n.y + n.z * n.z) < 1e-8; }
double seitenwert(const Punkt& p, const Punkt& a, const D3& n) {
    return (p.x - a.x) * n.x + (p.y - a.y) * n.y + (p.z - a.z) * n.z;
}

constexpr double rundung = 1.12e-16;  // unit roundoff of double, a little above 2^-53

double groessterBetrag(const std::vector<Punkt>& pkte) {
    double m = 0;
    for (const Punkt& p : pkte) m = std::max({m, std::fabs(p.x), std::fabs(p.y), std::fabs(p.z)});
    return m;
}

// =============================================================================================
// The lattice way

// The denominators tried, smallest first (the coarsest lattice gives the widest margins).
constexpr std::array<int, 22> nenner{1, 2, 3, 4, 5, 6, 8, 10, 12, 15, 16, 20, 24, 25, 30, 32, 40, 48, 50, 60, 64, 80};

// Whether every comparison of the plain search on points within delta of the lattice of
// step h, with coordinates up to M, falls as the exact lattice values decide. The bounds
// follow the operations: differences, the normal (c − a) × (c − b), side values (p − a)·n,
// the cross product of two normals and the distance of a point from a plane; each is taken
// twice as a margin. Exact lattice values of the normal are 0 or at least h², of side values
// 0 or at least h³ in magnitude, of the cross product of two normals 0 or at least h⁴; a
// normal is at most 12 M² long.
bool gitterTraegt(double M, double delta, double h) {
    const double u = rundung;
    const double eD = 2 * delta + 2 * M * u;
    const double eN = 8 * M * eD + 16 * M * M * u;
    const double EN = 2 * (1.75 * eN);
    const double Nmax = 12 * M * M * 1.01 + EN;
    const double ED = 2 * (3 * (2 * M * eN + Nmax * eD) + 6 * (2 * M * Nmax) * u);
    const double EX = 2 * (7 * Nmax * EN + EN * EN + 6 * Nmax * Nmax * u);
    const double h2 = h * h, h3 = h2 * h, h4 = h3 * h;
    const bool normalen = EN * EN <= 0.5e-8 && h2 - EN > 0 && (h2 - EN) * (h2 - EN) >= 1.02e-8 && EN < 0.99e-6;
    const bool seiten = ED <= 0.5e-8 && h3 - ED >= 1.02e-7;
    const bool parallel = EX <= 0.5e-8 && h4 - EX >= 1.02e-8;
    const bool abstaende = normalen && ED / (h2 - EN) + 1e-14 * (M + 1) <= 0.9e-8 && (h3 - ED) / Nmax >= 1.02e-8;
    return normalen && seiten && parallel && abstaende;
}

// The integer coordinates of the points on the coarsest lattice of the list that carries
// them, or nothing.
std::optional<std::vector<GP>> aufGitter(const std::vector<Punkt>& pkte) {
    const double M = groessterBetrag(pkte);
    for (int q : nenner) {
        std::vector<GP> g;
        g.reserve(pkte.size());
        double delta = 0;
        bool passt = true;
        const auto ganz = [&](double x, long long& k) {
            const double y = x * q;
            if (!(std::fabs(y) < double(gitterGrenze))) return false;
            k = std::llround(y);
            // How far the point may be off the lattice enters the bounds of gitterTraegt.
            const double d = std::fabs(x - double(k) / q);
            if (!(d <= 1e-9)) return false;
            delta = std::max(delta, d);
            return true;
        };
        for (const Punkt& p : pkte) {
            GP k;
            if (!ganz(p.x, k.x) || !ganz(p.y, k.y) || !ganz(p.z, k.z)) {
                passt = false;
                break;
            }
            g.push_back(k);
        }
        if (passt) {
            if (gitterTraegt(M, delta, 1.0 / q)) return g;
            return std::nullopt;  // finer lattices have smaller margins still
        }
    }
    return std::nullopt;
}

// The last triple i < j < k of the ascending indices whose plane ebeneDurch gives.
std::optional<std::array<std::size_t, 3>> letztesTripel(const std::vector<Punkt>& pkte,
                                                        const std::vector<std::size_t>& s) {
    if (s.size() < 3) return std::nullopt;
    for (std::size_t a = s.size() - 2; a-- > 0;)
        for (std::size_t b = s.size() - 1; b-- > a + 1;)
            for (std::size_t c = s.size(); c-- > b + 1;)
                if (!nullNormale(normaleWieEbeneDurch(pkte[s[a]], pkte[s[b]], pkte[s[c]])))
                    return std::array<std::size_t, 3>{s[a], s[b], s[c]};
    return std::nullopt;
}

std::optional<Ebenenbefund> gitterEbenen(const std::vector<Punkt>& pkte) {
    const std::optional<std::vector<GP>> g = aufGitter(pkte);
    if (!g) return std::nullopt;
    const Verteilung v = verteilen(*g);
    const Gitterhuelle h = gitterhuelle(v.punkte);

    std::vector<std::vector<std::size_t>> flaechen;
    if (h.form == Gitterhuelle::Form::eben) {
        std::vector<std::size_t> alle(pkte.size());
        for (std::size_t i = 0; i < alle.size(); ++i) alle[i] = i;
        flaechen.push_back(std::move(alle));
    } else if (h.form == Gitterhuelle::Form::raum) {
        for (const Seite& s : h.seiten) flaechen.push_back(herkuenfte(v, s.punkte));
    } else {
        return std::nullopt;  // orthonorm found a plane the lattice does not: leave it to the plain search
    }

    // Every triple of a face passes and all of them are equal planes; the plain search keeps
    // the last one, and the faces follow in the order of these last triples.
    std::vector<std::array<std::size_t, 3>> letzte;
    for (const auto& f : flaechen) {
        const auto t = letztesTripel(pkte, f);
        if (!t) return std::nullopt;
        letzte.push_back(*t);
    }
    std::sort(letzte.begin(), letzte.end());
    Ebenenbefund b;
    b.weg = Weg::gitter;
    for (const auto& t : letzte) b.ebenen.push_back(*ebeneDurch(pkte[t[0]], pkte[t[1]], pkte[t[2]]));
    return b;
}

std::optional<Kantenbefund> gitterKanten(const std::vector<Punkt>& pkte) {
    const std::optional<std::vector<GP>> g = aufGitter(pkte);
    if (!g) return std::nullopt;
    const Verteilung v = verteilen(*g);
    const Gitterhuelle h = gitterhuelle(v.punkte);
    Kantenbefund b;
    b.weg = Weg::gitter;
    if (h.form != Gitterhuelle::Form::raum) return b;  // no two different boundary planes anywhere
    // A pair is an edge when both points lie on two faces at once, at different places.
    for (const auto& [f1, f2] : h.nachbarn) {
        std::vector<int> a = h.seiten[static_cast<std::size_t>(f1)].punkte;
        std::vector<int> c = h.seiten[static_cast<std::size_t>(f2)].punkte;
        std::sort(a.begin(), a.end());
        std::sort(c.begin(), c.end());
        std::vector<int> gemeinsam;
        std::set_intersection(a.begin(), a.end(), c.begin(), c.end(), std::back_inserter(gemeinsam));
        for (int p : gemeinsam)
            for (int q : gemeinsam) {
                if (p == q) continue;
                for (std::size_t i : v.herkunft[static_cast<std::size_t>(p)])
                    for (std::size_t j : v.herkunft[static_cast<std::size_t>(q)]) b.kanten.emplace_back(i, j);
            }
    }
    std::sort(b.kanten.begin(), b.kanten.end());
    b.kanten.erase(std::unique(b.kanten.begin(), b.kanten.end()), b.kanten.end());
    return b;
}

// =============================================================================================
// The rounded way

// The points rounded to a dyadic grid, the exact hull of the rounded points, and what it
// tells about the true points: a lower bound of how deep inside the true hull each lies,
// and the corners that stand for all points in side tests.
struct Gerundet {
    double rho = 0;                       // every point lies within rho of its rounded point
    std::vector<double> tiefe;            // lower bound of each point's depth in the true hull
    std::vector<std::size_t> zeugen;      // the points at the corners of the rounded hull
    double M = 0;                         // the largest coordinate magnitude

    // The faces' planes of the rounded hull in grid units, with the grid's centre and step.
    struct Ebenenform {
        double nx, ny, nz, nn;
        GP a;
    };
    std::vector<Ebenenform> formen;
    double mitte[3] = {0, 0, 0};
    double g = 1;
    double fehler = 0;                    // the rounding of a depth as computed

    // A lower bound of the depth of the place (x, y, z) in the true hull: its least distance
    // inside the rounded hull's face planes, less rho (by which the two hulls differ) and the
    // rounding of the computation.
    double tiefeVon(double x, double y, double z) const {
        const double xs = (x - mitte[0]) / g, ys = (y - mitte[1]) / g, zs = (z - mitte[2]) / g;
        double t = std::numeric_limits<double>::infinity();
        for (const Ebenenform& f : formen)
            t = std::min(t, (f.nx * (double(f.a.x) - xs) + f.ny * (double(f.a.y) - ys) + f.nz * (double(f.a.z) - zs)) / f.nn);
        return t * g - rho - fehler;
    }

    // Whether a plane through both points can have every point on one side or within
    // `abstand` of it: the midpoint lies in such a plane, and so no deeper than `abstand` in the
    // hull. A generous allowance covers that a computed plane holds its points only up to
    // rounding. False only where no such plane can exist.
    bool paarAmRand(const Punkt& a, const Punkt& b, double abstand) const {
        const double grenze = abstand + 1e-9 * (M + 1);
        return tiefeVon(a.x / 2 + b.x / 2, a.y / 2 + b.y / 2, a.z / 2 + b.z / 2) <= grenze;
    }
};

std::optional<Gerundet> runden(const std::vector<Punkt>& pkte) {
    Gerundet r;
    r.M = groessterBetrag(pkte);
    if (!std::isfinite(r.M) || pkte.empty()) return std::nullopt;
    double lo[3] = {pkte[0].x, pkte[0].y, pkte[0].z}, hi[3] = {lo[0], lo[1], lo[2]};
    for (const Punkt& p : pkte) {
        const double c[3] = {p.x, p.y, p.z};
        for (int i = 0; i < 3; ++i) {
            lo[i] = std::min(lo[i], c[i]);
            hi[i] = std::max(hi[i], c[i]);
        }
    }
    const double mitte[3] = {(lo[0] + hi[0]) / 2, (lo[1] + hi[1]) / 2, (lo[2] + hi[2]) / 2};
    double weite = 0;
    for (int i = 0; i < 3; ++i) weite = std::max({weite, hi[i] - mitte[i], mitte[i] - lo[i]});
    if (!(weite > 0) || !std::isfinite(weite)) return std::nullopt;
    // The grid step: a power of two with every rounded coordinate within ±2^40.
    const double g = std::ldexp(1.0, std::ilogb(weite) + 1 - 40);
    if (!(g > 0) || !std::isfinite(g)) return std::nullopt;
    std::vector<GP> gp;
    gp.reserve(pkte.size());
    for (const Punkt& p : pkte)
        gp.push_back({std::llround((p.x - mitte[0]) / g), std::llround((p.y - mitte[1]) / g),
                      std::llround((p.z - mitte[2]) / g)});
    // Half a step per coordinate, and the rounding of the subtraction of the centre.
    r.rho = std::sqrt(3.0) * (0.5 * g + 4 * rundung * (r.M + weite)) * 1.01;

    const Verteilung v = verteilen(gp);
    const Gitterhuelle h = gitterhuelle(v.punkte);
    if (h.form != Gitterhuelle::Form::raum) return std::nullopt;
    for (int e : h.ecken) {
        const auto& her = v.herkunft[static_cast<std::size_t>(e)];
        r.zeugen.insert(r.zeugen.end(), her.begin(), her.end());
    }
    // The six points extreme along the axes first: they settle most side tests at once.
    std::stable_partition(r.zeugen.begin(), r.zeugen.end(), [&](std::size_t i) {
        const Punkt& p = pkte[i];
        return p.x == lo[0] || p.x == hi[0] || p.y == lo[1] || p.y == hi[1] || p.z == lo[2] || p.z == hi[2];
    });

    // The depth of a point in the rounded hull is its least distance inside the faces'
    // planes; the true hull differs from the rounded one by at most rho, and so does the depth.
    for (const Seite& s : h.seiten) {
        const double nx = double(s.n.x), ny = double(s.n.y), nz = double(s.n.z);
        r.formen.push_back(
            {nx, ny, nz, std::sqrt(nx * nx + ny * ny + nz * nz), v.punkte[static_cast<std::size_t>(s.rand[0])]});
    }
    std::copy(mitte, mitte + 3, r.mitte);
    r.g = g;
    r.fehler = g * 1e-3 + 1e-13 * (r.M + weite);
    r.tiefe.resize(pkte.size());
    for (std::size_t i = 0; i < pkte.size(); ++i) r.tiefe[i] = r.tiefeVon(pkte[i].x, pkte[i].y, pkte[i].z);
    return r;
}

// The error of a side value (p − a)·n as computed, for coordinates up to M.
double seitenFehler(double M, const D3& n) {
    return 16 * rundung * (2 * M) * (std::fabs(n.x) + std::fabs(n.y) + std::fabs(n.z)) + 1e-300;
}

std::optional<Ebenenbefund> gerundeteEbenen(const std::vector<Punkt>& pkte) {
    const std::optional<Gerundet> r = runden(pkte);
    if (!r) return std::nullopt;
    // A point of a boundary plane lies within 1e-7 / |nv| of the boundary, and |nv| ≥ 1e-4.
    std::vector<std::size_t> kandidaten;
    for (std::size_t i = 0; i < pkte.size(); ++i)
        if (r->tiefe[i] <= 1.01e-3) kandidaten.push_back(i);

    std::vector<Ebene> ebenen;
    const std::size_t c = kandidaten.size();
    for (std::size_t ia = 0; ia + 2 < c; ++ia)
        for (std::size_t ib = ia + 1; ib + 1 < c; ++ib) {
            // No boundary plane holds a chord through the inside: on a cloud whose points all
            // lie near the boundary (a sphere), most pairs are such chords.
            if (!r->paarAmRand(pkte[kandidaten[ia]], pkte[kandidaten[ib]], 1.01e-3)) continue;
            for (std::size_t ic = ib + 1; ic < c; ++ic) {
                const Punkt& a = pkte[kandidaten[ia]];
                const Punkt& b = pkte[kandidaten[ib]];
                const Punkt& cc = pkte[kandidaten[ic]];
                const D3 n = normaleWieEbeneDurch(a, b, cc);
                if (nullNormale(n)) continue;
                bool oben = false, unten = false;
                double hoechst = -std::numeric_limits<double>::infinity();
                double tiefst = std::numeric_limits<double>::infinity();
                for (std::size_t w : r->zeugen) {
                    const double d = seitenwert(pkte[w], a, n);
                    if (d > 1e-8) oben = true;
                    else if (d < -1e-7) unten = true;
                    if (oben && unten) break;
                    hoechst = std::max(hoechst, d);
                    tiefst = std::min(tiefst, d);
                }
                if (oben && unten) continue;
                // Every point's side value lies within 2·rho·|n| of the corners' values.
                const double spiel = 2 * r->rho * std::sqrt(n.x * n.x + n.y * n.y + n.z * n.z) + 2 * seitenFehler(r->M, n);
                const bool keinerOben = !oben && hoechst + spiel <= 1e-8;
                const bool keinerUnten = !unten && tiefst - spiel >= -1e-7;
                const Ebene e = *ebeneDurch(a, b, cc);
                if (keinerOben || keinerUnten || istRandebene(e, pkte)) ebenen.push_back(e);
            }
        }
    Ebenenbefund b;
    b.weg = Weg::gerundet;
    b.ebenen = reduziereEbenen(ebenen);
    return b;
}

// istTrennebene (points within 1e-8 of the plane aside, the others all on one side), decided
// by the corners where they settle it.
bool trennebene(const Ebene& e, const std::vector<Punkt>& pkte, const Gerundet& r) {
    bool positiv = false, negativ = false;
    double hoechst = -std::numeric_limits<double>::infinity();
    double tiefst = std::numeric_limits<double>::infinity();
    const double nn = e.nv.norm();
    for (std::size_t w : r.zeugen) {
        const Punkt& p = pkte[w];
        const double d = (p.ortsvektor() - e.ap.ortsvektor()) * e.nv;
        hoechst = std::max(hoechst, d / nn);
        tiefst = std::min(tiefst, d / nn);
        if (e.enthaelt(p)) continue;
        if (d > 0) positiv = true;
        else if (d < 0) negativ = true;
        if (positiv && negativ) return false;
    }
    // Every point's distance lies within 2·rho of the corners' distances; a point nearer than
    // 1e-8 (with room for the rounding of the distance) is set aside, one farther away lies
    // on the side of its sign.
    const double spiel = 2 * r.rho + 64 * rundung * (r.M + 1) + 2 * seitenFehler(r.M, D3{e.nv.x1, e.nv.x2, e.nv.x3}) / nn;
    if (!positiv && hoechst + spiel <= 1e-8 * (1 - 1e-6)) return true;
    if (!negativ && tiefst - spiel >= -1e-8 * (1 - 1e-6)) return true;
    return istTrennebene(e, pkte);
}

std::optional<Kantenbefund> gerundeteKanten(const std::vector<Punkt>& pkte) {
    const std::optional<Gerundet> r = runden(pkte);
    if (!r) return std::nullopt;
    // A point of an edge's plane lies within 1e-8 of the boundary.
    std::vector<std::size_t> kandidaten;
    for (std::size_t i = 0; i < pkte.size(); ++i)
        if (r->tiefe[i] <= 1.01e-8) kandidaten.push_back(i);
    Kantenbefund b;
    b.weg = Weg::gerundet;
    for (std::size_t i : kandidaten)
        for (std::size_t j : kandidaten) {
            // An edge's planes hold both its points: a chord through the inside is none.
            if (!r->paarAmRand(pkte[i], pkte[j], 1.01e-8)) continue;
            std::optional<Ebene> erste;
            for (std::size_t l : kandidaten) {
                if (!ebeneBildend(pkte[i], pkte[j], pkte[l])) continue;
                const std::optional<Ebene> e = ebeneDurch(pkte[i], pkte[j], pkte[l]);
                if (!e || !trennebene(*e, pkte, *r)) continue;
                if (!erste) {
                    erste = e;
                } else if (!(*erste == *e)) {
                    b.kanten.emplace_back(i, j);
                    break;
                }
            }
        }
    return b;
}

// The plain edge search of sammleRandkanten, over points.
std::vector<std::pair<std::size_t, std::size_t>> schlichteKanten(const std::vector<Punkt>& pts) {
    std::vector<std::pair<std::size_t, std::size_t>> kanten;
    for (std::size_t i = 0; i < pts.size(); ++i)
        for (std::size_t j = 0; j < pts.size(); ++j) {
            std::optional<Ebene> erste;
            for (std::size_t l = 0; l < pts.size(); ++l) {
                if (!ebeneBildend(pts[i], pts[j], pts[l])) continue;
                const std::optional<Ebene> e = ebeneDurch(pts[i], pts[j], pts[l]);
                if (!e || !istTrennebene(*e, pts)) continue;
                if (!erste) {
                    erste = e;
                } else if (!(*erste == *e)) {
                    kanten.emplace_back(i, j);
                    break;
                }
            }
        }
    return kanten;
}

}  // namespace

Ebenenbefund randebenen(const std::vector<Punkt>& pkte) {
    // The same first test as the plain search: points that span no plane have none.
    if (orthonorm(pkte).size() < 2) return {};
    if (std::optional<Ebenenbefund> b = gitterEbenen(pkte)) return *b;
    if (std::optional<Ebenenbefund> b = gerundeteEbenen(pkte)) return *b;
    return {reduziereEbenen(sammleRandebenen(pkte)), Weg::schlicht};
}

Kantenbefund randkanten(const std::vector<Punkt>& pkte) {
    if (pkte.size() <= 3) return {};
    if (std::optional<Kantenbefund> b = gitterKanten(pkte)) return *b;
    if (std::optional<Kantenbefund> b = gerundeteKanten(pkte)) return *b;
    return {schlichteKanten(pkte), Weg::schlicht};
}

}  // namespace quodral::huellensuche
