#include "constructions/Huellensuche.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <limits>
#include <numeric>
#include <optional>

#include "constructions/Kalkulation.h"
#include "model/Ebenenkonstruktion.h"

extern "C" {
#include <libqhull_r/qhull_ra.h>
}

namespace quodral::huellensuche {

namespace {

// =============================================================================================
// Small vector arithmetic on plain triples

struct D3 {
    double x = 0, y = 0, z = 0;
};

D3 minus(const D3& a, const D3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
D3 kreuz(const D3& a, const D3& b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
double skalar(const D3& a, const D3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
double laenge(const D3& a) { return std::sqrt(skalar(a, a)); }
D3 mal(double s, const D3& a) { return {s * a.x, s * a.y, s * a.z}; }
D3 alsD3(const Punkt& p) { return {p.x, p.y, p.z}; }

// The normal as ebeneDurch computes it: (c − a) × (c − b).
D3 normaleWieEbeneDurch(const Punkt& a, const Punkt& b, const Punkt& c) {
    return kreuz(minus(alsD3(c), alsD3(a)), minus(alsD3(c), alsD3(b)));
}

// For every point, the faces that hold it: the faces of point i are
// liste[ab[i]] ... liste[ab[i + 1] − 1], in ascending order of the faces.
struct SeitenJePunkt {
    std::vector<std::size_t> ab, liste;
    SeitenJePunkt(const std::vector<std::vector<std::size_t>>& seiten, std::size_t n) : ab(n + 1, 0) {
        for (const auto& f : seiten)
            for (std::size_t i : f) ++ab[i + 1];
        for (std::size_t i = 0; i < n; ++i) ab[i + 1] += ab[i];
        liste.resize(ab[n]);
        std::vector<std::size_t> frei(ab.begin(), ab.end() - 1);
        for (std::size_t f = 0; f < seiten.size(); ++f)
            for (std::size_t i : seiten[f]) liste[frei[i]++] = f;
    }
};

// =============================================================================================
// The cloud's shape: a point, a line, a plane or space, within the tolerance

struct Gestalt {
    int dimension = 0;
    D3 normale;  // unit normal of the plane through three extreme points (dimension ≥ 2)
};

Gestalt gestalt(const std::vector<D3>& p, double eps) {
    Gestalt g;
    if (p.empty()) return g;
    std::size_t i0 = 0;
    for (std::size_t i = 1; i < p.size(); ++i)
        if (p[i].x < p[i0].x) i0 = i;
    std::size_t i1 = i0;
    double d1 = 0;
    for (std::size_t i = 0; i < p.size(); ++i)
        if (const double d = laenge(minus(p[i], p[i0])); d > d1) {
            d1 = d;
            i1 = i;
        }
    if (!(d1 > eps)) return g;
    g.dimension = 1;
    const D3 r = mal(1 / d1, minus(p[i1], p[i0]));
    std::size_t i2 = i0;
    double d2 = 0;
    for (std::size_t i = 0; i < p.size(); ++i)
        if (const double d = laenge(kreuz(r, minus(p[i], p[i0]))); d > d2) {
            d2 = d;
            i2 = i;
        }
    if (!(d2 > eps)) return g;
    g.dimension = 2;
    const D3 n = kreuz(r, minus(p[i2], p[i0]));
    g.normale = mal(1 / laenge(n), n);
    for (const D3& q : p)
        if (std::fabs(skalar(g.normale, minus(q, p[i0]))) > eps) {
            g.dimension = 3;
            break;
        }
    return g;
}

// =============================================================================================
// The faces of a cloud that spans space, through qhull

struct Roh {
    std::vector<std::vector<std::size_t>> punkte;
    std::vector<D3> normalen;
};

// A sink for qhull's messages: its failures are answered by refusing the hull.
FILE* stilleDatei() {
    static FILE* datei = std::fopen("/dev/null", "w");
    return datei != nullptr ? datei : stderr;
}

std::optional<Roh> raeumlicheSeiten(const std::vector<D3>& p, double eps) {
    const std::size_t n = p.size();
    if (n > static_cast<std::size_t>(std::numeric_limits<int>::max() / 4)) return std::nullopt;
    // About the centre of the bounding box, where the coordinates carry the most digits.
    D3 lo = p[0], hi = p[0];
    for (const D3& q : p) {
        lo = {std::min(lo.x, q.x), std::min(lo.y, q.y), std::min(lo.z, q.z)};
        hi = {std::max(hi.x, q.x), std::max(hi.y, q.y), std::max(hi.z, q.z)};
    }
    const D3 mitte{lo.x / 2 + hi.x / 2, lo.y / 2 + hi.y / 2, lo.z / 2 + hi.z / 2};
    std::vector<coordT> koord(3 * n);
    for (std::size_t i = 0; i < n; ++i) {
        koord[3 * i] = p[i].x - mitte.x;
        koord[3 * i + 1] = p[i].y - mitte.y;
        koord[3 * i + 2] = p[i].z - mitte.z;
    }

    qhT qhSpeicher;
    qhT* qh = &qhSpeicher;
    qh_zero(qh, stilleDatei());
    // Qc and Qi keep every point that is no corner with its nearest facet.
    char befehl[] = "qhull Qc Qi";
    const int ausgang = qh_new_qhull(qh, 3, static_cast<int>(n), koord.data(), False, befehl, nullptr, stilleDatei());
    // qhull's memory goes whatever happens below, a failure included.
    struct Freigabe {
        qhT* qh;
        ~Freigabe() {
            qh_freeqhull(qh, !qh_ALL);
            int kurz = 0, lang = 0;
            qh_memfreeshort(qh, &kurz, &lang);
        }
    } freigabe{qh};

    std::optional<Roh> ergebnis;
    if (ausgang == 0) {
        qh_vertexneighbors(qh);
        // The facets, numbered, with plane, area, corners, kept points and neighbours.
        std::vector<facetT*> facetten;
        // Facet ids run below qh->facet_id: a facet's number is looked up by its id directly.
        std::vector<std::size_t> nummerVon(qh->facet_id, 0);
        facetT* facet;
        FORALLfacets {
            nummerVon[facet->id] = facetten.size();
            facetten.push_back(facet);
        }
        const auto nummer = [&nummerVon](facetT* f) { return nummerVon.at(f->id); };
        const std::size_t F = facetten.size();
        const auto punktNr = [&](pointT* pt) { return static_cast<std::size_t>(qh_pointid(qh, pt)); };

        // The facets' corners (as point numbers, in qhull's order), their kept points, and
        // every corner's facets, read once into flat lists: the faces below visit each facet
        // many times over, and these lists spare the walks through qhull's sets.
        constexpr std::size_t ohne = std::numeric_limits<std::size_t>::max();
        std::vector<std::size_t> eckNummer(qh->vertex_id, ohne);  // vertex id -> corner number
        std::vector<std::size_t> eckPunkt;                         // corner number -> point
        std::vector<std::size_t> fEcken, fEckenAb{0}, fPunkte, fPunkteAb{0}, fDazu, fDazuAb{0};
        fEckenAb.reserve(F + 1);
        fPunkteAb.reserve(F + 1);
        fDazuAb.reserve(F + 1);
        for (facetT* f : facetten) {
            vertexT* vertex;
            vertexT** vertexp;
            FOREACHvertex_(f->vertices) {
                if (eckNummer.at(vertex->id) == ohne) {
                    eckNummer[vertex->id] = eckPunkt.size();
                    eckPunkt.push_back(punktNr(vertex->point));
                }
                fEcken.push_back(eckNummer[vertex->id]);
                fPunkte.push_back(eckPunkt[eckNummer[vertex->id]]);
            }
            fEckenAb.push_back(fEcken.size());
            fPunkteAb.push_back(fPunkte.size());
            if (f->coplanarset != nullptr) {
                pointT* point;
                pointT** pointp;
                FOREACHpoint_(f->coplanarset) fDazu.push_back(punktNr(point));
            }
            fDazuAb.push_back(fDazu.size());
        }
        std::vector<std::size_t> eFacetten, eFacettenAb(eckPunkt.size() + 1, 0);
        {
            std::vector<vertexT*> ecke(eckPunkt.size(), nullptr);
            vertexT* vertex;
            FORALLvertices {
                if (vertex->id < eckNummer.size() && eckNummer[vertex->id] != ohne) ecke[eckNummer[vertex->id]] = vertex;
            }
            for (std::size_t e = 0; e < ecke.size(); ++e) {
                facetT* neighbor;
                facetT** neighborp;
                if (ecke[e] != nullptr) FOREACHneighbor_(ecke[e]) eFacetten.push_back(nummer(neighbor));
                eFacettenAb[e + 1] = eFacetten.size();
            }
        }
        std::vector<double> flaeche(F);
        for (std::size_t f = 0; f < F; ++f) flaeche[f] = qh_facetarea(qh, facetten[f]);
        std::vector<std::size_t> reihe(F);
        std::iota(reihe.begin(), reihe.end(), std::size_t{0});
        std::stable_sort(reihe.begin(), reihe.end(), [&](std::size_t a, std::size_t b) { return flaeche[a] > flaeche[b]; });

        // The signed distance of point i from a plane through the point a with unit normal m.
        const auto abstand = [&](std::size_t i, const D3& m, const D3& a) { return skalar(m, minus(p[i], a)); };

        std::vector<int> gruppe(F, -1);
        std::vector<unsigned> marke(n, 0), fmarke(F, 0);
        unsigned stempel = 0;
        Roh roh;
        std::vector<std::size_t> region, kandidaten;
        for (std::size_t s : reihe) {
            if (gruppe[s] >= 0) continue;
            const int g = static_cast<int>(roh.punkte.size());
            const D3 m{facetten[s]->normal[0], facetten[s]->normal[1], facetten[s]->normal[2]};
            const D3 a = p[fPunkte[fPunkteAb[s]]];
            // The face grows over neighbours whose corners all lie on the first facet's plane.
            region.assign(1, s);
            gruppe[s] = g;
            for (std::size_t k = 0; k < region.size(); ++k) {
                facetT* neighbor;
                facetT** neighborp;
                FOREACHneighbor_(facetten[region[k]]) {
                    const std::size_t h = nummer(neighbor);
                    if (gruppe[h] >= 0) continue;
                    bool eben = skalar(m, D3{neighbor->normal[0], neighbor->normal[1], neighbor->normal[2]}) > 0;
                    for (std::size_t k2 = fPunkteAb[h]; eben && k2 < fPunkteAb[h + 1]; ++k2)
                        eben = std::fabs(abstand(fPunkte[k2], m, a)) <= eps;
                    if (!eben) continue;
                    gruppe[h] = g;
                    region.push_back(h);
                }
            }
            // The face's plane: the facets' normals weighted by area, through its outermost corner.
            D3 summe;
            for (std::size_t f : region)
                summe = {summe.x + flaeche[f] * facetten[f]->normal[0], summe.y + flaeche[f] * facetten[f]->normal[1],
                         summe.z + flaeche[f] * facetten[f]->normal[2]};
            const double sl = laenge(summe);
            const D3 mm = sl > 0 ? mal(1 / sl, summe) : m;
            // Candidates: the corners and kept points of every facet that shares a corner with
            // the face.
            ++stempel;
            kandidaten.clear();
            const auto nimm = [&](std::size_t i) {
                if (marke[i] != stempel) {
                    marke[i] = stempel;
                    kandidaten.push_back(i);
                }
            };
            for (std::size_t f : region)
                for (std::size_t k = fEckenAb[f]; k < fEckenAb[f + 1]; ++k) {
                    const std::size_t e = fEcken[k];
                    for (std::size_t l = eFacettenAb[e]; l < eFacettenAb[e + 1]; ++l) {
                        const std::size_t h = eFacetten[l];
                        if (fmarke[h] == stempel) continue;
                        fmarke[h] = stempel;
                        for (std::size_t k2 = fPunkteAb[h]; k2 < fPunkteAb[h + 1]; ++k2) nimm(fPunkte[k2]);
                        for (std::size_t k2 = fDazuAb[h]; k2 < fDazuAb[h + 1]; ++k2) nimm(fDazu[k2]);
                    }
                }
            double hoechst = -std::numeric_limits<double>::infinity();
            D3 anker;
            for (std::size_t f : region)
                for (std::size_t k = fPunkteAb[f]; k < fPunkteAb[f + 1]; ++k) {
                    const D3& q = p[fPunkte[k]];
                    if (const double w = skalar(mm, q); w > hoechst) {
                        hoechst = w;
                        anker = q;
                    }
                }
            std::vector<std::size_t> drin;
            for (std::size_t i : kandidaten)
                if (std::fabs(abstand(i, mm, anker)) <= eps) drin.push_back(i);
            std::sort(drin.begin(), drin.end());
            roh.punkte.push_back(std::move(drin));
            roh.normalen.push_back(mm);
        }
        ergebnis = std::move(roh);
    }
    if (!ergebnis) return std::nullopt;

    // Only maximal sets are faces: a set within another (or equal to an earlier one) goes.
    Roh& roh = *ergebnis;
    const std::size_t F = roh.punkte.size();
    const SeitenJePunkt seitenVon(roh.punkte, n);
    std::vector<bool> bleibt(F, true);
    std::vector<std::size_t> zaehler(F, 0);
    std::vector<std::size_t> beruehrt;
    for (std::size_t f = 0; f < F; ++f) {
        if (roh.punkte[f].size() < 3) {
            bleibt[f] = false;
            continue;
        }
        beruehrt.clear();
        for (std::size_t i : roh.punkte[f])
            for (std::size_t k = seitenVon.ab[i]; k < seitenVon.ab[i + 1]; ++k)
                if (const std::size_t g = seitenVon.liste[k]; g != f && zaehler[g]++ == 0) beruehrt.push_back(g);
        for (std::size_t g : beruehrt) {
            if (zaehler[g] == roh.punkte[f].size() && bleibt[g] &&
                (roh.punkte[g].size() > roh.punkte[f].size() || g < f))
                bleibt[f] = false;
            zaehler[g] = 0;
        }
    }
    Roh rein;
    for (std::size_t f = 0; f < F; ++f)
        if (bleibt[f]) {
            rein.punkte.push_back(std::move(roh.punkte[f]));
            rein.normalen.push_back(roh.normalen[f]);
        }
    return rein;
}

// =============================================================================================
// The plain search's order

// The last triple i < j < k of the ascending indices whose normal passes the plain search's
// null test (squared length at least 1e-8), brought to the cloud's scale where its extent is
// below 1 (at least (1e-4 · extent²)²): a small cloud's triples are no less planes than a
// large one's.
std::optional<std::array<std::size_t, 3>> letztesTripel(const std::vector<Punkt>& pkte,
                                                        const std::vector<std::size_t>& s, double grenze) {
    if (s.size() < 3) return std::nullopt;
    for (std::size_t a = s.size() - 2; a-- > 0;)
        for (std::size_t b = s.size() - 1; b-- > a + 1;)
            for (std::size_t c = s.size(); c-- > b + 1;) {
                const D3 nn = normaleWieEbeneDurch(pkte[s[a]], pkte[s[b]], pkte[s[c]]);
                if (std::fabs(skalar(nn, nn)) >= grenze) return std::array<std::size_t, 3>{s[a], s[b], s[c]};
            }
    return std::nullopt;
}

double ausdehnung(const std::vector<D3>& p) {
    if (p.empty()) return 0;
    D3 lo = p[0], hi = p[0];
    for (const D3& q : p) {
        lo = {std::min(lo.x, q.x), std::min(lo.y, q.y), std::min(lo.z, q.z)};
        hi = {std::max(hi.x, q.x), std::max(hi.y, q.y), std::max(hi.z, q.z)};
    }
    return std::max({hi.x - lo.x, hi.y - lo.y, hi.z - lo.z});
}

double toleranzVon(const std::vector<D3>& p) {
    double M = 0;
    for (const D3& q : p) M = std::max({M, std::fabs(q.x), std::fabs(q.y), std::fabs(q.z)});
    return 1e-8 * ausdehnung(p) + 64 * std::numeric_limits<double>::epsilon() * M;
}

std::vector<D3> alsD3(const std::vector<Punkt>& pkte) {
    std::vector<D3> p;
    p.reserve(pkte.size());
    for (const Punkt& q : pkte) p.push_back(alsD3(q));
    return p;
}

// The points at different places: of points within eps of one another (swept in the order
// of their projection on a direction no coordinate plane contains) the first stands for all.
// gleich receives for every point the number of the place it is at.
std::vector<D3> verschiedene(const std::vector<D3>& p, double eps, std::vector<std::size_t>& gleich) {
    const D3 d{0.7071067811865476, 0.5773502691896258, 0.4082482904638631};
    std::vector<double> w(p.size());
    for (std::size_t i = 0; i < p.size(); ++i) w[i] = skalar(p[i], d);
    std::vector<std::size_t> reihe(p.size());
    std::iota(reihe.begin(), reihe.end(), std::size_t{0});
    std::sort(reihe.begin(), reihe.end(), [&](std::size_t a, std::size_t b) { return w[a] < w[b] || (w[a] == w[b] && a < b); });
    constexpr std::size_t offen = std::numeric_limits<std::size_t>::max();
    gleich.assign(p.size(), offen);
    std::vector<D3> orte;
    for (std::size_t a = 0; a < reihe.size(); ++a) {
        const std::size_t i = reihe[a];
        if (gleich[i] != offen) continue;
        gleich[i] = orte.size();
        for (std::size_t b = a + 1; b < reihe.size() && w[reihe[b]] - w[i] <= eps; ++b)
            if (gleich[reihe[b]] == offen && laenge(minus(p[reihe[b]], p[i])) <= eps) gleich[reihe[b]] = orte.size();
        orte.push_back(p[i]);
    }
    return orte;
}

}  // namespace

double toleranz(const std::vector<Punkt>& pkte) { return toleranzVon(alsD3(pkte)); }

std::optional<Vektor> flacheNormale(const std::vector<Punkt>& pkte) {
    if (orthonorm(pkte).size() < 2) return std::nullopt;
    const std::vector<D3> p = alsD3(pkte);
    const Gestalt g = gestalt(p, toleranzVon(p));
    if (g.dimension != 2) return std::nullopt;
    return Vektor(g.normale.x, g.normale.y, g.normale.z);
}

namespace {

// The faces of the cloud's true hull in qhull's order: points and unit normals, no planes.
Ebenenbefund seiten(const std::vector<Punkt>& pkte) {
    Ebenenbefund b;
    // The same first test as the plain search: points that span no plane have none.
    if (orthonorm(pkte).size() < 2) return b;
    const std::vector<D3> p = alsD3(pkte);
    const double eps = toleranzVon(p);
    const Gestalt g = gestalt(p, eps);
    if (g.dimension < 2) return b;

    Roh roh;
    std::vector<std::size_t> gleich;
    if (g.dimension == 2) {
        std::vector<std::size_t> alle(p.size());
        std::iota(alle.begin(), alle.end(), std::size_t{0});
        roh.punkte.push_back(std::move(alle));
        roh.normalen.push_back(g.normale);
        b.flach = true;
    } else if (std::optional<Roh> r = raeumlicheSeiten(verschiedene(p, eps, gleich), eps)) {
        // Each face holds every point at the place of one of its points.
        roh = std::move(*r);
        // The points at place d: an[anAb[d]] ... an[anAb[d + 1] − 1], ascending.
        std::vector<std::size_t> anAb(gleich.size() + 1, 0), an(gleich.size());
        for (std::size_t d : gleich) ++anAb[d + 1];
        for (std::size_t d = 0; d < gleich.size(); ++d) anAb[d + 1] += anAb[d];
        {
            std::vector<std::size_t> frei(anAb.begin(), anAb.end() - 1);
            for (std::size_t i = 0; i < gleich.size(); ++i) an[frei[gleich[i]]++] = i;
        }
        std::vector<std::size_t> alle;
        for (auto& f : roh.punkte) {
            alle.clear();
            for (std::size_t d : f) alle.insert(alle.end(), an.begin() + anAb[d], an.begin() + anAb[d + 1]);
            std::sort(alle.begin(), alle.end());
            f.assign(alle.begin(), alle.end());
        }
    } else {
        b.fehler = true;
        return b;
    }
    b.punkte = std::move(roh.punkte);
    b.normalen.reserve(roh.normalen.size());
    for (const D3& m : roh.normalen) b.normalen.emplace_back(m.x, m.y, m.z);
    return b;
}

}  // namespace

Ebenenbefund randebenen(const std::vector<Punkt>& pkte) {
    Ebenenbefund roh = seiten(pkte);
    if (roh.punkte.empty()) return roh;
    Ebenenbefund b;
    b.flach = roh.flach;
    const std::vector<D3> p = alsD3(pkte);
    const double L = ausdehnung(p);
    const double grenze = L >= 1 ? 1e-8 : 1e-8 * (L * L) * (L * L);
    std::vector<std::pair<std::array<std::size_t, 3>, std::size_t>> schluessel;
    for (std::size_t f = 0; f < roh.punkte.size(); ++f) {
        const auto t = letztesTripel(pkte, roh.punkte[f], grenze);
        // A face always has three points off one line; should rounding hide them, the face
        // stands behind the others.
        schluessel.emplace_back(t ? *t : std::array<std::size_t, 3>{pkte.size(), pkte.size(), f}, f);
    }
    std::sort(schluessel.begin(), schluessel.end());
    for (const auto& [t, f] : schluessel) {
        std::optional<Ebene> e;
        if (t[0] < pkte.size()) e = ebeneDurch(pkte[t[0]], pkte[t[1]], pkte[t[2]]);
        const Vektor& m = roh.normalen[f];
        if (!e) e = Ebene(pkte[roh.punkte[f].front()], m);
        b.ebenen.push_back(*e);
        b.punkte.push_back(std::move(roh.punkte[f]));
        b.normalen.push_back(m);
    }
    return b;
}

std::vector<std::pair<std::size_t, std::size_t>> randkanten(const std::vector<Punkt>& pkte) {
    std::vector<std::pair<std::size_t, std::size_t>> kanten;
    if (pkte.size() <= 3) return kanten;
    // The edges come out sorted: the faces need not stand in the plain search's order.
    const Ebenenbefund b = seiten(pkte);
    if (b.flach || b.punkte.size() < 2) return kanten;
    const double eps = toleranz(pkte);
    // Two faces meet in an edge where they share two points at different places; every pair
    // of their common points at different places is an edge of the plain search.
    const SeitenJePunkt seitenVon(b.punkte, pkte.size());
    std::vector<std::size_t> zaehler(b.punkte.size(), 0);
    std::vector<std::size_t> beruehrt;
    for (std::size_t f = 0; f < b.punkte.size(); ++f) {
        beruehrt.clear();
        for (std::size_t i : b.punkte[f])
            for (std::size_t k = seitenVon.ab[i]; k < seitenVon.ab[i + 1]; ++k)
                if (const std::size_t g = seitenVon.liste[k]; g > f && zaehler[g]++ == 0) beruehrt.push_back(g);
        for (std::size_t g : beruehrt) {
            if (zaehler[g] >= 2) {
                std::vector<std::size_t> gemeinsam;
                std::set_intersection(b.punkte[f].begin(), b.punkte[f].end(), b.punkte[g].begin(), b.punkte[g].end(),
                                      std::back_inserter(gemeinsam));
                for (std::size_t i : gemeinsam)
                    for (std::size_t j : gemeinsam)
                        if (i != j && (pkte[i].ortsvektor() - pkte[j].ortsvektor()).norm() > eps)
                            kanten.emplace_back(i, j);
            }
            zaehler[g] = 0;
        }
    }
    std::sort(kanten.begin(), kanten.end());
    kanten.erase(std::unique(kanten.begin(), kanten.end()), kanten.end());
    return kanten;
}

}  // namespace quodral::huellensuche
