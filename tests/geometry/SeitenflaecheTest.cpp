// The face in its own plane at every scale doubles carry, near the origin and far from it,
// against exact arithmetic on the given doubles: where a point lies, whether a chain is convex,
// the area, and where a line meets the face. A case is asserted only where the exact values
// lie clearly on one side of the face's limits; between, either answer is right.

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <tuple>
#include <vector>

#include "geometry/ExakteWerte.h"
#include "geometry/Seitenflaeche.h"
#include "geometry/Toleranz.h"
#include "geometry/Vieleckpruefung.h"

namespace quodral {

namespace {

using Lage = Seitenflaeche::Lage;

// n corners spread round an ellipse of extent about s, in a plane of random direction, at
// `ferne` extents from the origin, each rounded to doubles; with the exact area vector of the
// chain they make, the plane they lie on to their rounding.
struct Figur {
    std::vector<Tripel> ecken;
    Tripel ort, u, v, n;   // centre; the ellipse's axes and normal (unit, in doubles)
    double s = 1;
    exakt::Q3 a;           // twice the exact area vector

    Figur(std::mt19937_64& zufall, double massstab, double ferne, int anzahl) : s(massstab) {
        std::uniform_real_distribution<double> gleich(-1, 1);
        n = *einheitsvektor(Tripel{gleich(zufall), gleich(zufall), gleich(zufall)});
        u = *einheitsvektor(kreuz(n, Tripel{0.3, -0.5, 0.8}));
        v = kreuz(n, u);
        ort = ferne * s * Tripel{0.6, -0.48, 0.64};
        const double b = 0.3 + 0.35 * (1 + gleich(zufall));
        for (int i = 0; i < anzahl; ++i) {
            const double w = 2 * M_PI * (i + 0.3 * gleich(zufall)) / anzahl;
            ecken.push_back(bei(std::cos(w), b * std::sin(w)));
        }
        a = exakt::doppelterFlaechenvektor(ecken);
    }
    Tripel bei(double x, double y, double h = 0) const { return ort + (s * x) * u + (s * y) * v + h * n; }
    // p lies on the inner side of the line from p0 to p1 (or on it), seen along the area vector.
    bool innen(const Tripel& p0, const Tripel& p1, const Tripel& p) const {
        return exakt::skalar(exakt::kreuz(exakt::q(p1) - exakt::q(p0), exakt::q(p) - exakt::q(p0)), a) >= 0;
    }
    // The squared distance of p from the outline's border, and whether it lies inside.
    mpq_class randabstand2(const Tripel& p, bool& drin) const {
        mpq_class d2 = exakt::streckenabstandsquadrat(ecken.back(), ecken[0], p);
        drin = innen(ecken.back(), ecken[0], p);
        for (std::size_t i = 0; i + 1 < ecken.size(); ++i) {
            d2 = std::min(d2, exakt::streckenabstandsquadrat(ecken[i], ecken[i + 1], p));
            drin = drin && innen(ecken[i], ecken[i + 1], p);
        }
        return d2;
    }
};

mpq_class quadrat(double x) { return mpq_class(x) * mpq_class(x); }

const double massstaebe[] = {1e-100, 1e-9, 1.0, 1e9, 1e100};

}  // namespace

// Points at the middle of the face, near two of its edges (inside and out, in the plane and
// above it) and off its plane, with a border as wide as the tolerance and as wide as a
// polygon's (1e-4 of the extent): the border is a band in the plane.
TEST(Seitenflaeche, LageWieDieExakteInJedemMassstab) {
    std::mt19937_64 zufall(5);
    int gepruefte = 0;
    for (double s : massstaebe)
        for (double ferne : {0.0, 1e4})
            for (int fall = 0; fall < 6; ++fall) {
                const Figur f(zufall, s, ferne, 3 + fall * 3);
                const Seitenflaeche seite(f.ecken);
                const double t = seite.toleranz();
                const mpq_class t2 = quadrat(t);
                const std::size_t k = f.ecken.size();
                for (const double rand : {t, std::max(t, 1e-4 * std::min(seite.ausdehnung(), 1.0))}) {
                    std::vector<Tripel> punkte;
                    for (double h : {0.0, 0.5, -0.5, 3.0, -3.0}) punkte.push_back(f.bei(0.05, -0.02, h * t));
                    for (std::size_t i : {std::size_t{0}, k / 2}) {
                        const Tripel a = f.ecken[i], b = f.ecken[(i + 1) % k];
                        const Tripel quer = *einheitsvektor(kreuz(b - a, f.n));
                        for (double w : {-3.0, -0.5, 0.5, 3.0})
                            for (double h : {0.0, 0.5})
                                punkte.push_back(a + 0.5 * (b - a) + (w * rand) * quer + (h * rand) * f.n);
                    }
                    for (const Tripel& p : punkte) {
                        bool drin = false;
                        const mpq_class d2 = f.randabstand2(p, drin), r2 = quadrat(rand);
                        const mpq_class h = exakt::skalar(f.a, exakt::q(p) - exakt::q(f.ecken[0]));
                        const mpq_class h2 = h * h / exakt::skalar(f.a, f.a);
                        const Lage lage = seite.lage(p, rand);
                        // The border is a band in the plane: off the plane is outside, above an
                        // edge too. In the plane, from the border by a fifth of it.
                        const mpq_class eben2 = d2 - h2;
                        const bool fern = eben2 > r2 * 1.44;
                        if (h2 > t2 * 1.44) EXPECT_EQ(lage, Lage::aussen) << s << " " << ferne << " " << fall;
                        else if (h2 > t2 * 0.64) continue;
                        else if (eben2 < r2 * 0.64) EXPECT_EQ(lage, Lage::rand) << s << " " << ferne << " " << fall;
                        else if (fern) EXPECT_EQ(lage, drin ? Lage::innen : Lage::aussen) << s << " " << fall;
                        else continue;
                        ++gepruefte;
                    }
                }
            }
    EXPECT_GT(gepruefte, 2000);
}

// Chains on an ellipse (convex), with one corner pushed in (not), in random order (mostly not),
// and run round twice (never): convex exactly where no corner turns the chain back by more
// than half the tolerance from the line of its neighbours (none where one is between that and
// ten tolerances).
TEST(Seitenflaeche, KonvexWieDerExakteOrientierungstest) {
    std::mt19937_64 zufall(8);
    int konvexe = 0, andere = 0;
    for (double s : massstaebe)
        for (double ferne : {0.0, 1e4})
            for (int fall = 0; fall < 40; ++fall) {
                Figur f(zufall, s, ferne, 3 + fall % 20);
                std::vector<Tripel>& e = f.ecken;
                const std::size_t k = e.size();
                if (fall % 4 == 1 && k > 3) e[k / 2] = f.ort + 0.3 * (e[k / 2] - f.ort);
                if (fall % 4 == 2) std::shuffle(e.begin(), e.end(), zufall);
                f.a = exakt::doppelterFlaechenvektor(e);
                std::vector<Tripel> kette = e;
                kette.push_back(e.front());
                if (fall % 4 == 3) {
                    kette.insert(kette.end(), e.begin() + 1, e.end());
                    kette.push_back(e.front());
                    EXPECT_FALSE(Seitenflaeche(kette).konvex()) << s << " " << fall;
                    continue;
                }
                const double t = lagetoleranz(std::vector<Vektor>(e.begin(), e.end()));
                bool rueckwaerts = false, unklar = false;
                for (std::size_t i = 0; i < k; ++i) {
                    const Tripel& a = e[(i + k - 1) % k];
                    const Tripel& b = e[(i + 1) % k];
                    if (!f.innen(a, b, e[i])) continue;   // it turns the chain the way it runs round
                    const mpq_class abstand2 = exakt::geradenabstandsquadrat(a, b - a, e[i]);
                    rueckwaerts = rueckwaerts || abstand2 > quadrat(10 * t);
                    unklar = unklar || abstand2 > quadrat(t / 2);
                }
                if (unklar && !rueckwaerts) continue;
                EXPECT_EQ(Seitenflaeche(kette).konvex(), !rueckwaerts) << s << " " << ferne << " " << fall;
                EXPECT_EQ(kettenKonvex(kette), !rueckwaerts);
                (rueckwaerts ? andere : konvexe)++;
            }
    EXPECT_GT(konvexe, 100);
    EXPECT_GT(andere, 100);
}

// The area and the area vector, at every scale whose areas are doubles: within a few units of
// the last place of the exact ones (and of the rounding of corners far from the origin).
TEST(Seitenflaeche, FlaecheWieDieExakte) {
    std::mt19937_64 zufall(13);
    for (double s : {1e-150, 1e-100, 1e-9, 1.0, 1e9, 1e100, 1e150})
        for (double ferne : {0.0, 1e3})
            for (int fall = 0; fall < 10; ++fall) {
                const Figur f(zufall, s, ferne, 3 + fall * 5);
                const Seitenflaeche seite(f.ecken);
                // The exact area vector over s², whose square is a double at every scale.
                const mpq_class nenner = 2 * quadrat(s);
                const exakt::Q3 a{f.a.x / nenner, f.a.y / nenner, f.a.z / nenner};
                const double flaeche = std::sqrt(exakt::skalar(a, a).get_d()) * s * s;
                const double fehler = (1e-14 + 1e-15 * ferne) * flaeche;
                EXPECT_NEAR(seite.flaeche(), flaeche, fehler) << s << " " << ferne << " " << fall;
                const Tripel v = seite.flaechenvektor();
                EXPECT_NEAR(v.x, a.x.get_d() * s * s, fehler);
                EXPECT_NEAR(v.y, a.y.get_d() * s * s, fehler);
                EXPECT_NEAR(v.z, a.z.get_d() * s * s, fehler);
            }
}

// Lines at 68 and at 3 degrees to the plane, given by points a thousand and a hundred million
// extents away: through a point inside they meet the face in one point, the exact meeting
// point of those doubles with the plane to the tolerance and the rounding of the given points;
// through a point outside they miss it. A line in the plane meets it in a chord, whose ends lie
// on its border and on the line.
TEST(Seitenflaeche, TreffpunktWieDerExakte) {
    std::mt19937_64 zufall(21);
    for (double s : massstaebe)
        for (double ferne : {0.0, 1e4})
            for (int fall = 0; fall < 8; ++fall) {
                const Figur f(zufall, s, ferne, 5 + fall);
                const Seitenflaeche seite(f.ecken);
                const double t = seite.toleranz();
                for (double winkel : {68.0, 3.0})
                    for (double weite : {1e3, 1e8})
                        for (const bool drin : {true, false}) {
                            const Tripel p = drin ? f.bei(0.1, 0.05) : f.bei(1.5, 0.2);
                            const Tripel d = std::cos(winkel * M_PI / 180) * f.u + std::sin(winkel * M_PI / 180) * f.n;
                            const Tripel a = p - (0.7 * weite * s) * d, b = p + (weite * s) * d;
                            const std::vector<Tripel> treffer = seite.treffpunkte(a, b - a);
                            ASSERT_EQ(treffer.size(), drin ? 1u : 0u) << s << " " << ferne << " " << fall << " " << winkel;
                            if (!drin) continue;
                            const exakt::Q3 qa = exakt::q(a), ab = exakt::q(b) - qa;
                            const mpq_class u = exakt::skalar(exakt::q(f.ecken[0]) - qa, f.a) / exakt::skalar(ab, f.a);
                            const exakt::Q3 fehler = exakt::q(treffer[0]) - exakt::Q3{qa.x + u * ab.x, qa.y + u * ab.y, qa.z + u * ab.z};
                            const double grenze = t + 16 * letzteStelle(groessteKomponente(a) + groessteKomponente(b));
                            EXPECT_LE(exakt::skalar(fehler, fehler), quadrat(grenze)) << s << " " << fall << " " << winkel;
                        }
                const Tripel a = f.bei(-5, 0.01), b = f.bei(5, 0.03);
                const std::vector<Tripel> sehne = seite.treffpunkte(a, b - a);
                ASSERT_EQ(sehne.size(), 2u) << s << " " << fall;
                for (const Tripel& q : sehne) {
                    bool drin = false;
                    EXPECT_LE(exakt::geradenabstandsquadrat(a, b - a, q), quadrat(2 * t));
                    EXPECT_LE(f.randabstand2(q, drin), quadrat(2 * t));
                }
            }
}

// A line in the face's plane meets it in the chord between the exact crossings of the given
// doubles with its outline, which the border band never widens, one point where that chord is
// shorter than the band; a line that crosses no edge touches the face where it passes within
// the band: beside an edge whose corners both lie in it, from the foot of the one to that of the
// other, past a corner in that corner's foot. Every point found lies on the line. At every
// scale, near the origin and far, for lines across the face, through a corner, beside an edge
// inside, within the band and beyond it, cutting a corner off a few units of the last place or a
// few bands from it (a blunt corner's chord is then several bands), and passing a corner outside
// within the band and beyond. Cases within a fifth of the band of either answer may answer
// either way.
TEST(Seitenflaeche, SehneZwischenDenExaktenKreuzungen) {
    using exakt::Q3;
    std::mt19937_64 zufall(34);
    int sehnen = 0, beruehrungen = 0, daneben = 0;
    // Each scale near the origin and far; at 1e15, the lines by a corner only (a line given by
    // an anchor three extents off there is known no closer than a few of the face's rounding).
    std::vector<std::tuple<double, double, bool>> lagen;
    for (double s : massstaebe)
        for (double ferne : {0.0, 1e4}) lagen.emplace_back(s, ferne, true);
    lagen.emplace_back(1e15, 0.0, false);
    for (const auto& [s, ferne, alle] : lagen)
            for (int fall = 0; fall < 6; ++fall) {
                const Figur f(zufall, s, ferne, 3 + fall * 3);
                const Seitenflaeche seite(f.ecken);
                const double t = seite.toleranz(), rand = std::max(t, 1e-4 * std::min(seite.ausdehnung(), 1.0));
                const std::size_t k = f.ecken.size();
                const Tripel a = f.ecken[0], kante = f.ecken[1] - f.ecken[0];
                const Tripel quer = *einheitsvektor(kreuz(kante, f.n)), laengs = *einheitsvektor(kante);
                // Each line through `mitte` along d, from an anchor `weg` before it.
                std::vector<std::tuple<Tripel, Tripel, double>> linien;
                if (alle) {
                    linien = {{f.bei(0.1, 0.05), f.u, 3 * s},
                              {f.bei(-0.2, 0.1), f.u + 0.7 * f.v, 3 * s},
                              {a, laengs + quer, 3 * s},
                              {a, laengs - quer, 3 * s}};
                    for (double w : {-0.5, 0.5, 1.5, -1.5}) linien.emplace_back(a + (w * rand) * quer, laengs, 3 * s);
                }
                // Square to the corner's bisector: cutting it off a dozen units of the last place
                // of its coordinates from it, a third of the band and three bands, and passing it
                // outside within the band and beyond, each from an anchor by the corner.
                const Tripel bis = *einheitsvektor(laengs + *einheitsvektor(f.ecken[k - 1] - a)), d = kreuz(bis, f.n);
                for (double w : {12 * letzteStelle(groessteKomponente(a)), 0.3 * rand, 3 * rand, -0.5 * rand, -2 * rand})
                    linien.emplace_back(a + w * bis, d, 3 * rand);
                for (const auto& [mitte, d, weg] : linien) {
                    const Tripel e = *einheitsvektor(d), anfang = mitte - weg * e, r = (6 * s) * e;
                    const std::vector<Tripel> treffer = seite.treffpunkte(anfang, r, rand);
                    const std::string fallname = std::to_string(s) + " " + std::to_string(ferne) + " " + std::to_string(fall);
                    // Exactly: the side of a place (its distance from the line in the plane times
                    // |r| |a|), its place along the line (times |r|), and the foot of a place.
                    const Q3 qa = exakt::q(anfang), qr = exakt::q(r);
                    const mpq_class rr = exakt::skalar(qr, qr), band2 = quadrat(rand);
                    const auto seiteVon = [&](const Q3& x) { return exakt::skalar(exakt::kreuz(x - qa, qr), f.a); };
                    const auto laengsVon = [&](const Q3& x) { return exakt::skalar(x - qa, qr); };
                    const auto bei = [](const Q3& p, const mpq_class& u, const Q3& v) {
                        return Q3{p.x + u * v.x, p.y + u * v.y, p.z + u * v.z};
                    };
                    const auto entlang = [&](const Q3& x, const Q3& y) { return laengsVon(x) < laengsVon(y); };
                    // The crossings with the outline, else the feet of the corners within the band.
                    std::vector<Q3> kreuzungen, fuesse;
                    bool klar = true;
                    for (std::size_t i = 0; i < k; ++i) {
                        const Q3 p = exakt::q(f.ecken[i]), q = exakt::q(f.ecken[(i + 1) % k]);
                        const mpq_class sp = seiteVon(p), sq = seiteVon(q);
                        if (sp == 0) kreuzungen.push_back(p);
                        else if (sgn(sp) * sgn(sq) < 0) kreuzungen.push_back(bei(p, sp / (sp - sq), q - p));
                        const mpq_class abstand2 = sp * sp / (rr * exakt::skalar(f.a, f.a));
                        if (abstand2 < band2 * 0.64) fuesse.push_back(bei(qa, laengsVon(p) / rr, qr));
                        else klar = klar && abstand2 > band2 * 1.44;
                    }
                    const std::vector<Q3>& stellen = kreuzungen.empty() ? fuesse : kreuzungen;
                    klar = klar || !kreuzungen.empty();
                    std::vector<Q3> erwartet;
                    if (!stellen.empty()) {
                        const auto [vorn, hinten] = std::minmax_element(stellen.begin(), stellen.end(), entlang);
                        const Q3 sehne = *hinten - *vorn;
                        const mpq_class laenge2 = exakt::skalar(sehne, sehne);
                        // Two ends, or one point: the middle of a short chord, a corner's foot.
                        if (laenge2 > band2 * 1.44) erwartet = {*vorn, *hinten};
                        else if (laenge2 < band2 * 0.64 && (stellen.size() == 1 || !kreuzungen.empty()))
                            erwartet = {bei(*vorn, mpq_class(1, 2), sehne)};
                        else klar = false;
                    }
                    if (!klar) continue;
                    ++(erwartet.empty() ? daneben : kreuzungen.empty() ? beruehrungen : sehnen);
                    ASSERT_EQ(treffer.size(), erwartet.size()) << fallname;
                    for (std::size_t i = 0; i < erwartet.size(); ++i) {
                        const Q3 fehler = exakt::q(treffer[i]) - erwartet[i];
                        EXPECT_LE(exakt::skalar(fehler, fehler), quadrat(2 * t)) << fallname;
                        EXPECT_LE(exakt::geradenabstandsquadrat(anfang, r, treffer[i]), quadrat(0.4 * t)) << fallname;
                    }
                }
            }
    EXPECT_GT(sehnen, 250);
    EXPECT_GT(beruehrungen, 60);
    EXPECT_GT(daneben, 40);
}

// A face over indices into places brought to unit size by a power of two, as a hull computes,
// is the face over the places as given, scaled: at every scale, for convex chains, dented ones
// and ones in random order.
TEST(Seitenflaeche, UeberGeteiltenOrtenWieUeberDenGegebenen) {
    std::mt19937_64 zufall(34);
    for (double s : massstaebe)
        for (double ferne : {0.0, 1e4})
            for (int fall = 0; fall < 12; ++fall) {
                Figur f(zufall, s, ferne, 3 + fall);
                std::vector<Tripel>& e = f.ecken;
                if (fall % 3 == 1 && e.size() > 3) e[1] = f.ort + 0.3 * (e[1] - f.ort);
                if (fall % 3 == 2) std::shuffle(e.begin(), e.end(), zufall);
                const Seitenflaeche gegeben(e);
                // The corners, last first, between points of the cloud that are none of them.
                std::vector<Tripel> wolke;
                std::vector<std::size_t> index(e.size());
                for (std::size_t i = e.size(); i-- > 0;) {
                    wolke.push_back(f.bei(0.1 * static_cast<double>(i), 0.2));
                    index[i] = wolke.size();
                    wolke.push_back(e[i]);
                }
                const Zweiermass mass(lagebox(wolke).weite());
                for (Tripel& o : wolke) o = mass.auf(o);
                const Seitenflaeche geteilt(wolke, index, mass, mass.auf(gegeben.toleranz()));
                const std::string fallname = std::to_string(s) + " " + std::to_string(ferne) + " " + std::to_string(fall);
                ASSERT_EQ(geteilt.dimension(), gegeben.dimension()) << fallname;
                EXPECT_EQ(geteilt.konvex(), gegeben.konvex()) << fallname;
                EXPECT_EQ(geteilt.konvex(0.5), gegeben.konvex(0.5)) << fallname;
                EXPECT_EQ(geteilt.normale(), gegeben.normale()) << fallname;
                EXPECT_EQ(geteilt.mitte(), mass.auf(gegeben.mitte())) << fallname;
                EXPECT_EQ(geteilt.flaeche(), mass.auf(mass.auf(gegeben.flaeche()))) << fallname;
                const double t = gegeben.toleranz();
                for (const Tripel& p : {f.bei(0.05, -0.02, 0.5 * t), f.bei(0.05, -0.02, 3 * t), f.bei(1.5, 0.1), e[0]}) {
                    EXPECT_EQ(geteilt.abstand(mass.auf(p)), mass.auf(gegeben.abstand(p))) << fallname;
                    EXPECT_EQ(geteilt.lage(mass.auf(p)), gegeben.lage(p)) << fallname;
                }
                // Started at every corner and run either way, the face is the one built so.
                for (std::size_t r = 0; r < index.size(); ++r)
                    for (const bool zurueck : {false, true}) {
                        std::vector<std::size_t> umlauf(index.begin() + static_cast<std::ptrdiff_t>(r), index.end());
                        umlauf.insert(umlauf.end(), index.begin(), index.begin() + static_cast<std::ptrdiff_t>(r));
                        if (zurueck) std::reverse(umlauf.begin(), umlauf.end());
                        umlauf.push_back(umlauf.front());
                        Seitenflaeche umgelaufen = geteilt;
                        umgelaufen.umlaufen(wolke, umlauf);
                        const Seitenflaeche neu(wolke, umlauf, mass, mass.auf(gegeben.toleranz()));
                        EXPECT_EQ(umgelaufen.mitte(), neu.mitte()) << fallname;
                        EXPECT_EQ(umgelaufen.normale(), neu.normale()) << fallname;
                        EXPECT_EQ(umgelaufen.e1(), neu.e1()) << fallname;
                        EXPECT_EQ(umgelaufen.flaechenvektor(), neu.flaechenvektor()) << fallname;
                        EXPECT_EQ(umgelaufen.konvex(), neu.konvex()) << fallname;
                    }
            }
}

}  // namespace quodral
