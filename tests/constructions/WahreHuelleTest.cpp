// The convex hull against an exact brute-force hull: clouds of integer points (or of doubles
// brought exactly onto an integer grid) whose faces are found by trying every triple of points
// with every side decided in 128-bit integers; the product sees the same clouds turned to
// random orientations, scaled from 1e-3 to 1e6 and moved away from the origin. Same faces
// (as sets of point indices), same corners of every face polygon, same volume.

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "FrischerStart.h"
#include "Zufallsort.h"
#include "constructions/Huellen.h"
#include "constructions/Huellensuche.h"
#include "model/Objekte.h"
#include "state/Zustand.h"

namespace quodral {

namespace {

using i128 = __int128;
using G = std::array<long long, 3>;
using Seitenmenge = std::set<std::vector<std::size_t>>;

// The points of each face handed over.
Seitenmenge punkteDerSeiten(const huellensuche::Ebenenbefund& b) {
    Seitenmenge m;
    for (const huellensuche::Huellenseite& s : b.seiten) m.insert(s.punkte);
    return m;
}

struct Referenz {
    Seitenmenge seiten;
    std::map<std::vector<std::size_t>, std::set<std::size_t>> ecken;  // per face its extreme points
    double volumen = 0;
};

std::array<i128, 3> differenz(const G& a, const G& b) { return {i128(a[0]) - b[0], i128(a[1]) - b[1], i128(a[2]) - b[2]}; }
std::array<i128, 3> kreuz(const std::array<i128, 3>& a, const std::array<i128, 3>& b) {
    return {a[1] * b[2] - a[2] * b[1], a[2] * b[0] - a[0] * b[2], a[0] * b[1] - a[1] * b[0]};
}
i128 skalar(const std::array<i128, 3>& a, const std::array<i128, 3>& b) { return a[0] * b[0] + a[1] * b[1] + a[2] * b[2]; }

// Every triple off one line spans a plane; where all points lie on one side of it, the points
// on it form a face. The extreme points of a face are those not between two others of it.
Referenz exakteHuelle(const std::vector<G>& g) {
    Referenz r;
    const std::size_t n = g.size();
    std::vector<std::array<i128, 3>> normalen;
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t j = i + 1; j < n; ++j)
            for (std::size_t k = j + 1; k < n; ++k) {
                const auto nv = kreuz(differenz(g[j], g[i]), differenz(g[k], g[i]));
                if (nv[0] == 0 && nv[1] == 0 && nv[2] == 0) continue;
                int oben = 0, unten = 0;
                std::vector<std::size_t> auf;
                for (std::size_t l = 0; l < n; ++l) {
                    const i128 s = skalar(nv, differenz(g[l], g[i]));
                    if (s > 0) ++oben;
                    else if (s < 0) ++unten;
                    else auf.push_back(l);
                }
                if ((oben == 0 || unten == 0) && oben + unten > 0 && r.seiten.insert(auf).second)
                    normalen.push_back(oben == 0 ? nv : std::array<i128, 3>{-nv[0], -nv[1], -nv[2]});
            }
    // A corner of a face: a point that lies on no segment between two other points of it.
    for (const auto& f : r.seiten) {
        std::set<std::size_t> e;
        for (std::size_t p : f) {
            bool zwischen = false;
            for (std::size_t a : f)
                for (std::size_t b : f) {
                    if (zwischen || a == b || g[a] == g[p] || g[b] == g[p] || g[a] == g[b]) continue;
                    const auto pa = differenz(g[a], g[p]), pb = differenz(g[b], g[p]);
                    const auto c = kreuz(pa, pb);
                    zwischen = c[0] == 0 && c[1] == 0 && c[2] == 0 && skalar(pa, pb) < 0;
                }
            // Of coincident points the one named last stands for them.
            for (std::size_t q : f) zwischen = zwischen || (q > p && g[q] == g[p]);
            if (!zwischen) e.insert(p);
        }
        r.ecken[f] = e;
    }
    // The volume: per face, the pyramid from the first point of the cloud over a fan of the
    // face's corners ordered by angle about the face's centroid.
    std::size_t nr = 0;
    for (const auto& f : r.seiten) {
        const auto nv = normalen[nr++];
        std::vector<std::size_t> e(r.ecken[f].begin(), r.ecken[f].end());
        double c[3] = {0, 0, 0};
        for (std::size_t p : e)
            for (int a = 0; a < 3; ++a) c[a] += double(g[p][a]) / double(e.size());
        const double nd[3] = {double(nv[0]), double(nv[1]), double(nv[2])};
        const double nl = std::sqrt(nd[0] * nd[0] + nd[1] * nd[1] + nd[2] * nd[2]);
        double u[3] = {double(g[e[0]][0]) - c[0], double(g[e[0]][1]) - c[1], double(g[e[0]][2]) - c[2]};
        const double w[3] = {(nd[1] * u[2] - nd[2] * u[1]) / nl, (nd[2] * u[0] - nd[0] * u[2]) / nl,
                             (nd[0] * u[1] - nd[1] * u[0]) / nl};
        std::sort(e.begin(), e.end(), [&](std::size_t a, std::size_t b) {
            const auto winkel = [&](std::size_t p) {
                const double d[3] = {double(g[p][0]) - c[0], double(g[p][1]) - c[1], double(g[p][2]) - c[2]};
                return std::atan2(d[0] * w[0] + d[1] * w[1] + d[2] * w[2], d[0] * u[0] + d[1] * u[1] + d[2] * u[2]);
            };
            return winkel(a) < winkel(b);
        });
        for (std::size_t t = 1; t + 1 < e.size(); ++t) {
            const auto a = differenz(g[e[0]], g[0]), b = differenz(g[e[t]], g[0]), d = differenz(g[e[t + 1]], g[0]);
            r.volumen += std::fabs(double(skalar(a, kreuz(b, d)))) / 6.0;
        }
    }
    return r;
}

// A random rotation (a unit quaternion), a scale and a shift.
struct Lage {
    double m[3][3];
    double s;
    double v[3];
};

Lage zufallsLage(std::mt19937& z, double s) {
    const auto d = testhilfe::zufallsdrehung(z);
    std::normal_distribution<double> n;
    Lage L{{{d[0][0], d[0][1], d[0][2]}, {d[1][0], d[1][1], d[1][2]}, {d[2][0], d[2][1], d[2][2]}},
           s,
           {n(z) * 40 * s, n(z) * 40 * s, n(z) * 40 * s}};
    return L;
}

std::vector<Punkt> bewegt(const std::vector<G>& g, const Lage& L, double einheit) {
    std::vector<Punkt> w;
    for (const G& p : g) {
        double x[3];
        for (int i = 0; i < 3; ++i)
            x[i] = L.v[i] + L.s * einheit * (L.m[i][0] * double(p[0]) + L.m[i][1] * double(p[1]) + L.m[i][2] * double(p[2]));
        w.emplace_back("", x[0], x[1], x[2]);
    }
    return w;
}

class WahreHuelle : public FrischerStart {};

// The faces found for the moved points, then the hull built from them as registered points:
// its face polygons must run round exactly the extreme points of the faces, and the volume
// that their corner walks enclose must be the exact one.
void pruefen(const std::vector<G>& g, const Lage& L, double einheit = 1) {
    const Referenz r = exakteHuelle(g);
    const std::vector<Punkt> w = bewegt(g, L, einheit);
    const huellensuche::Ebenenbefund b = huellensuche::randebenen(w);
    const Seitenmenge ist = punkteDerSeiten(b);
    ASSERT_EQ(ist, r.seiten);
    ASSERT_EQ(b.seiten.size(), r.seiten.size());  // no face twice

    zustandZuruecksetzen();
    std::set<std::string> namen;
    for (std::size_t i = 0; i < w.size(); ++i) {
        const std::string n = "P" + std::string(i < 10 ? "00" : i < 100 ? "0" : "") + std::to_string(i);
        Punkt(n, w[i].x, w[i].y, w[i].z).einlisten();
        namen.insert(n);
    }
    const Huellenbau bau = baueKonvexeHuelle("H", Klumpen("", namen));
    ASSERT_EQ(bau, Huellenbau::gebaut);
    const Polyeder& pd = polyederListe.at("H");
    ASSERT_EQ(pd.seiten.size(), r.seiten.size());
    std::set<std::set<std::size_t>> eckenIst, eckenSoll;
    for (const auto& [f, e] : r.ecken) eckenSoll.insert(e);
    // Each face's outward normal from its corner walk (Newell), and the volume by Gauss.
    const double mx = w[0].x, my = w[0].y, mz = w[0].z;
    double volumen = 0;
    for (const std::string& s : pd.seiten) {
        const std::vector<std::string>& ecken = polygonListe.at(s).ecken;
        ASSERT_EQ(ecken.front(), ecken.back());
        std::set<std::size_t> e;
        double nx = 0, ny = 0, nz = 0;
        for (std::size_t i = 0; i + 1 < ecken.size(); ++i) {
            e.insert(std::stoul(ecken[i].substr(1)));
            const Punkt& p = punktListe.at(ecken[i]);
            const Punkt& q = punktListe.at(ecken[i + 1]);
            const double px = p.x - mx, py = p.y - my, pz = p.z - mz, qx = q.x - mx, qy = q.y - my, qz = q.z - mz;
            nx += py * qz - pz * qy;
            ny += pz * qx - px * qz;
            nz += px * qy - py * qx;
        }
        EXPECT_EQ(e.size() + 1, ecken.size()) << s << ": a corner twice";
        eckenIst.insert(e);
        const Punkt& a = punktListe.at(ecken[0]);
        volumen += std::fabs((a.x - mx) * nx + (a.y - my) * ny + (a.z - mz) * nz) / 6;
    }
    EXPECT_EQ(eckenIst, eckenSoll);
    const double soll = r.volumen * std::pow(L.s * einheit, 3);
    EXPECT_NEAR(volumen, soll, 1e-9 * soll);
}

std::vector<G> gitterwuerfel(int k) {
    std::vector<G> g;
    for (int x = 0; x <= k; ++x)
        for (int y = 0; y <= k; ++y)
            for (int z = 0; z <= k; ++z) g.push_back({x, y, z});
    return g;
}

std::vector<G> zufallsganz(std::mt19937& z, int n, int r) {
    std::uniform_int_distribution<int> wurf(-r, r);
    std::vector<G> g;
    for (int i = 0; i < n; ++i) g.push_back({wurf(z), wurf(z), wurf(z)});
    return g;
}

// Up to 1e8, where the polygons' side tolerance has grown with their extent far beyond 1e-8.
const std::array<double, 6> massstaebe{1e-3, 1, 37.5, 1e4, 1e6, 1e8};

}  // namespace

// Cubes with points on their edges and faces, a prism and a pyramid with edge midpoints.
TEST_F(WahreHuelle, KoerperInZufallslagen) {
    std::mt19937 z(31);
    std::vector<G> prisma{{0, 0, 0}, {4, 0, 0}, {1, 3, 0}, {0, 0, 5}, {4, 0, 5}, {1, 3, 5}, {2, 0, 0}, {2, 0, 5}, {4, 0, 2}};
    std::vector<G> pyramide{{0, 0, 0}, {4, 0, 0}, {4, 4, 0}, {0, 4, 0}, {2, 2, 6}, {2, 0, 0}, {1, 1, 3}, {2, 2, 0}};
    for (double s : massstaebe) {
        SCOPED_TRACE(s);
        const Lage L = zufallsLage(z, s);
        pruefen(gitterwuerfel(1), L);
        pruefen(gitterwuerfel(2), L);
        pruefen(gitterwuerfel(3), L);
        pruefen(prisma, L);
        pruefen(pyramide, L);
    }
}

// Random integer clouds, also with repeated points, and points on a sphere.
TEST_F(WahreHuelle, ZufallswolkenUndKugelpunkte) {
    std::mt19937 z(32);
    std::vector<G> kugel;
    for (int x = -5; x <= 5; ++x)
        for (int y = -5; y <= 5; ++y)
            for (int w = -5; w <= 5; ++w)
                if (x * x + y * y + w * w == 25) kugel.push_back({x, y, w});
    for (double s : massstaebe) {
        SCOPED_TRACE(s);
        for (int n : {4, 7, 15, 30}) {
            std::vector<G> g = zufallsganz(z, n, 20);
            pruefen(g, zufallsLage(z, s));
            for (int i = 0; i < n / 2; ++i) g.push_back(g[static_cast<std::size_t>(i * 3 % n)]);
            pruefen(g, zufallsLage(z, s));
        }
        pruefen(kugel, zufallsLage(z, s));
    }
}

// Real points on a sphere and in a thin slab, brought exactly onto a grid of step 2^-24: the
// reference decides on the grid's integers, the product sees the doubles.
TEST_F(WahreHuelle, ReellePunkte) {
    std::mt19937 z(33);
    std::normal_distribution<double> n;
    for (int runde = 0; runde < 4; ++runde) {
        std::vector<G> kugel, platte;
        for (int i = 0; i < 40; ++i) {
            const double a = n(z), b = n(z), c = n(z), l = std::sqrt(a * a + b * b + c * c);
            kugel.push_back({std::llround(std::ldexp(a / l, 24)), std::llround(std::ldexp(b / l, 24)),
                             std::llround(std::ldexp(c / l, 24))});
            platte.push_back({std::llround(std::ldexp(n(z), 24)), std::llround(std::ldexp(n(z), 24)),
                              std::llround(std::ldexp(n(z), 14))});
        }
        Lage ohne{{{1, 0, 0}, {0, 1, 0}, {0, 0, 1}}, 1, {0, 0, 0}};
        pruefen(kugel, ohne, std::ldexp(1.0, -24));
        pruefen(platte, ohne, std::ldexp(1.0, -24));
        pruefen(kugel, zufallsLage(z, 1e3), std::ldexp(1.0, -24));
    }
}

// Points moved off the faces of a cube by far less than the tolerance (1e-8 times the extent
// up to an extent of 1, 1e-8 beyond) keep its faces; a flat cloud, also one bent out of its
// plane by as little, has one face; a line none.
TEST_F(WahreHuelle, FastEbeneUndEbeneWolken) {
    std::mt19937 z(34);
    std::uniform_real_distribution<double> stoss(-1e-12, 1e-12);
    const std::vector<G> g = gitterwuerfel(3);
    const Referenz r = exakteHuelle(g);
    for (double s : massstaebe) {
        std::vector<Punkt> w = bewegt(g, zufallsLage(z, s), 1);
        const double t = std::min(s, 1.0);
        for (Punkt& p : w) p = Punkt("", p.x + t * stoss(z), p.y + t * stoss(z), p.z + t * stoss(z));
        const huellensuche::Ebenenbefund b = huellensuche::randebenen(w);
        EXPECT_EQ(punkteDerSeiten(b), r.seiten) << s;
        EXPECT_EQ(huellensuche::randkanten(w).size(), 2u * 12u * 6u) << s;  // four points on every edge
    }
    // Copies of the points closer than the tolerance: on every face of their originals.
    for (double s : massstaebe) {
        std::vector<Punkt> w = bewegt(g, zufallsLage(z, s), 1);
        const std::size_t n = w.size();
        const double t = std::min(s, 1.0);
        for (std::size_t i = 0; i < n; i += 3) w.emplace_back("", w[i].x + t * 3e-12, w[i].y, w[i].z - t * 2e-12);
        Seitenmenge soll;
        for (std::vector<std::size_t> f : r.seiten) {
            for (std::size_t i = 0; i < n; i += 3)
                if (std::find(f.begin(), f.end(), i) != f.end()) f.push_back(n + i / 3);
            std::sort(f.begin(), f.end());
            soll.insert(f);
        }
        const huellensuche::Ebenenbefund b = huellensuche::randebenen(w);
        EXPECT_EQ(punkteDerSeiten(b), soll) << s;
        // The edges: pairs of points at different lattice places on two faces at once.
        const auto ort = [&](std::size_t i) { return g[i < n ? i : (i - n) * 3]; };
        std::set<std::pair<std::size_t, std::size_t>> kanten;
        for (const auto& f1 : soll)
            for (const auto& f2 : soll) {
                if (f1 == f2) continue;
                std::vector<std::size_t> gemeinsam;
                std::set_intersection(f1.begin(), f1.end(), f2.begin(), f2.end(), std::back_inserter(gemeinsam));
                for (std::size_t a : gemeinsam)
                    for (std::size_t c : gemeinsam)
                        if (ort(a) != ort(c)) kanten.emplace(a, c);
            }
        const auto ist = huellensuche::randkanten(w);
        const std::set<std::pair<std::size_t, std::size_t>> istMenge(ist.begin(), ist.end());
        EXPECT_EQ(istMenge, kanten) << s;
        EXPECT_EQ(ist.size(), kanten.size());
    }
    std::vector<G> eben = zufallsganz(z, 30, 20);
    for (G& p : eben) p[2] = 0;
    for (double s : massstaebe) {
        std::vector<Punkt> w = bewegt(eben, zufallsLage(z, s), 1);
        const double t = std::min(s, 1.0);
        for (Punkt& p : w) p = Punkt("", p.x + t * stoss(z), p.y + t * stoss(z), p.z + t * stoss(z));
        const huellensuche::Ebenenbefund b = huellensuche::randebenen(w);
        ASSERT_EQ(b.seiten.size(), 1u) << s;
        EXPECT_TRUE(b.flach);
        EXPECT_EQ(b.seiten[0].punkte.size(), w.size());
        EXPECT_TRUE(huellensuche::randkanten(w).empty());
        std::vector<G> linie{{0, 0, 0}, {1, 2, 3}, {2, 4, 6}, {-5, -10, -15}};
        EXPECT_TRUE(huellensuche::randebenen(bewegt(linie, zufallsLage(z, s), 1)).seiten.empty()) << s;
    }
}

}  // namespace quodral
