// The hull at every scale builds a solid that its statements build again: over clouds on a
// sphere, on qhull's spiral, thin tetrahedra, cubes with points near their faces and turned
// lattices with edge points, from 1e-4 to 1e12 and moved far from the origin, every hull is
// built, its surface is closed (every edge on two faces, V − E + F = 2), every face passes the
// polygons' own tests also at the coordinates the snapshot writes, and every point of the cloud
// lies within the tolerance inside every face's plane.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "FrischerStart.h"
#include "checks/Polyederpruefung.h"
#include "constructions/Huellen.h"
#include "constructions/Huellensuche.h"
#include "geometry/Numerik.h"
#include "model/Objekte.h"

namespace quodral {

namespace {

using Wolke = std::vector<Vektor>;

Wolke kugel(std::mt19937& z, int n) {
    std::uniform_real_distribution<double> u(-1, 1), w(0, 2 * M_PI);
    Wolke p;
    for (int i = 0; i < n; ++i) {
        const double h = u(z), t = w(z), r = std::sqrt(1 - h * h);
        p.emplace_back(r * std::cos(t), r * std::sin(t), h);
    }
    return p;
}

Wolke spirale(int n) {
    Wolke p;
    for (int i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / (n - 1);
        p.emplace_back(0.5 * std::cos(2 * M_PI * t), 0.5 * std::sin(2 * M_PI * t), t - 0.5);
    }
    return p;
}

// The unit triangle with a fourth point h above a point of its longest edge's line: two faces
// about h wide.
Wolke duennesTetraeder(double h) { return {{0, 0, 0}, {1, 0, 0}, {0, 1, 0}, {h, 1 - h, h}}; }

// A cube's corners and points within d of its faces.
Wolke fastEbenerWuerfel(std::mt19937& z, double d) {
    Wolke p;
    for (int i = 0; i < 8; ++i) p.emplace_back(i / 4, i / 2 % 2, i % 2);
    std::uniform_real_distribution<double> x(0.05, 0.95), s(-d, d);
    for (int i = 0; i < 30; ++i) {
        const int seite = i % 6;
        const double e = seite % 2 == 0 ? std::fabs(s(z)) : 1 - std::fabs(s(z));
        const double a = x(z), b = x(z);
        p.push_back(seite / 2 == 0 ? Vektor(e, a, b) : seite / 2 == 1 ? Vektor(a, e, b) : Vektor(a, b, e));
    }
    return p;
}

// A 4 × 4 × 4 lattice: points on the edges and in the faces of a cube.
Wolke gitter() {
    Wolke p;
    for (int x = 0; x < 4; ++x)
        for (int y = 0; y < 4; ++y)
            for (int w = 0; w < 4; ++w) p.emplace_back(x / 3.0, y / 3.0, w / 3.0);
    return p;
}

// Turned about the axis (1, 2, 3), scaled and moved.
Wolke bewegt(const Wolke& w, double s, const Vektor& v) {
    const double c = std::cos(0.7), d = std::sin(0.7);
    const Vektor a = (1 / std::sqrt(14.0)) * Vektor(1, 2, 3);
    Wolke p;
    for (const Vektor& q : w) {
        const Vektor r = c * q + d * a.kreuz(q) + ((1 - c) * (a * q)) * a;
        p.push_back(v + s * r);
    }
    return p;
}

class HuellenMassstab : public FrischerStart {
protected:
    void pruefen(const Wolke& w, const std::string& was) {
        SCOPED_TRACE(was);
        zustandZuruecksetzen();
        std::set<std::string> namen;
        std::vector<Punkt> pkte;
        for (std::size_t i = 0; i < w.size(); ++i) {
            const std::string n = "P" + std::to_string(i);
            Punkt(n, w[i].x1, w[i].x2, w[i].x3).einlisten();
            namen.insert(n);
            pkte.emplace_back(n, w[i].x1, w[i].x2, w[i].x3);
        }
        ASSERT_EQ(baueKonvexeHuelle("H", Klumpen("", namen)), Huellenbau::gebaut);
        const Polyeder& pd = polyederListe.at("H");
        EXPECT_TRUE(polyederSeitenTauglich(pd.seiten));
        const double eps = huellensuche::toleranz(pkte);
        std::set<std::string> ecken;
        std::map<std::pair<std::string, std::string>, int> kanten;
        for (const std::string& s : pd.seiten) {
            const Polygon& f = polygonListe.at(s);
            EXPECT_TRUE(f.istKonvex() && f.istGeschlossen()) << s;
            std::vector<Punkt> gerundet;
            for (const Punkt& p : f.punkte()) gerundet.emplace_back("", DoubleTest(p.x), DoubleTest(p.y), DoubleTest(p.z));
            EXPECT_TRUE(eckenfolgeKonvex(gerundet)) << s << " at the snapshot's coordinates";
            for (std::size_t i = 0; i + 1 < f.ecken.size(); ++i) {
                ecken.insert(f.ecken[i]);
                ++kanten[std::minmax(f.ecken[i], f.ecken[i + 1])];
            }
            // Every point inside the face's plane, within the tolerance.
            const std::optional<Ebene> e = f.ebene();
            ASSERT_TRUE(e) << s;
            const Vektor m = (1 / e->nv.norm()) * e->nv;
            const std::optional<Punkt> sp = pd.schwerpunkt();
            ASSERT_TRUE(sp);
            const double innen = (sp->ortsvektor() - e->ap.ortsvektor()) * m < 0 ? 1 : -1;
            double weitester = 0;
            for (const Punkt& p : pkte) weitester = std::max(weitester, innen * ((p.ortsvektor() - e->ap.ortsvektor()) * m));
            EXPECT_LE(weitester, 2 * eps) << s;
        }
        // A cloud within the tolerance of a plane is one flat face (the thinnest tetrahedron far
        // out, where the coordinates' digits end above its height).
        if (pd.seiten.size() == 1) {
            EXPECT_TRUE(huellensuche::flacheNormale(pkte));
            return;
        }
        for (const auto& [k, anzahl] : kanten) EXPECT_EQ(anzahl, 2) << k.first << " " << k.second;
        EXPECT_EQ(static_cast<long>(ecken.size()) - static_cast<long>(kanten.size()) + static_cast<long>(pd.seiten.size()), 2);
    }
};

}  // namespace

TEST_F(HuellenMassstab, JedeWolkeJedeGroesse) {
    std::mt19937 z(27);
    const Wolke k = kugel(z, 100), sp = spirale(120), g = gitter();
    for (double s : {1e-4, 1.0, 1e6, 1e12}) {
        for (const Vektor& v : {Vektor(40 * s, -17 * s, 3 * s), Vektor(1e6, 2e6, -3e6)}) {
            // A cloud of extent 1e-4 at 1e6 lies below the digits of its coordinates.
            if (v.norm() > 1e6 && s < 1) continue;
            const std::string wo = " scale " + std::to_string(s) + " at " + std::to_string(v.x1);
            pruefen(bewegt(k, s, v), "sphere" + wo);
            pruefen(bewegt(sp, s, v), "spiral" + wo);
            pruefen(bewegt(g, s, v), "lattice" + wo);
            for (double h : {1e-7, 1e-3}) pruefen(bewegt(duennesTetraeder(h), s, v), "thin " + std::to_string(h) + wo);
            for (double d : {1e-14, 1e-7, 1e-4})
                pruefen(bewegt(fastEbenerWuerfel(z, d), s, v), "near faces " + std::to_string(d) + wo);
        }
    }
}

}  // namespace quodral
