#include "constructions/Huellensuche.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <limits>
#include <numeric>
#include <optional>

#include "geometry/Ausgleichsebene.h"
#include "geometry/Raumgeometrie.h"
#include "geometry/Toleranz.h"
#include "geometry/Vieleckpruefung.h"
#include "text/Zahlen.h"

extern "C" {
#include <libqhull_r/qhull_ra.h>
}

namespace quodral::huellensuche {

namespace {

constexpr std::size_t keine = std::numeric_limits<std::size_t>::max();

Tripel ort(const Punkt& p) { return {p.x, p.y, p.z}; }

// The normal as ebeneDurch computes it: (c − a) × (c − b).
Tripel normaleWieEbeneDurch(const Punkt& a, const Punkt& b, const Punkt& c) {
    return kreuz(ort(c) - ort(a), ort(c) - ort(b));
}

// =============================================================================================
// The cloud's shape: a point, a line, a plane or space, within the tolerance

struct Gestalt {
    int dimension = 0;
    // From dimension 2 on: the unit normal of a plane that holds the cloud within the
    // tolerance (of dimension 3, the plane that came nearest), in the sense of the first turn
    // of the points in their order.
    Tripel normale;
};

// The one rule for flat (geometry/Ausgleichsebene.h) with the cloud's tolerance for places,
// lines and planes alike.
Gestalt gestalt(const std::vector<Tripel>& p, double eps) {
    const Flachlage f = flachlage(p, {eps, eps, eps});
    return {f.dimension, f.normale};
}

// =============================================================================================
// The faces of a cloud that spans space, through qhull

// A face as qhull gives it, in numbers of places: its corners in order round it
// (counter-clockwise seen from outside), its points (corners and coplanar points), the faces
// across its edges, and its plane: its outward unit normal and a point of it.
struct Rohseite {
    std::vector<std::size_t> ecken;
    std::vector<std::size_t> punkte;
    std::vector<std::size_t> nachbarn;   // the faces across its edges, by their numbers
    Tripel normale;
    Tripel anker;
};

// The hull as one run of qhull leaves it: its faces, and per place the face qhull keeps it
// with (keine for a corner).
struct Rohhuelle {
    std::vector<Rohseite> seiten;
    std::vector<std::size_t> bei;
};

// The area vector of the corners i of places p in their order: the sum of the fan's cross
// products from the first, each rounded once (a sliver's normal stays square to its long
// edges).
Tripel flaechenvektor(const std::vector<Tripel>& p, const std::vector<std::size_t>& ecken) {
    Tripel summe;
    for (std::size_t k = 1; k + 1 < ecken.size(); ++k)
        summe = summe + kreuzGenau(p[ecken[k]] - p[ecken[0]], p[ecken[k + 1]] - p[ecken[0]]);
    return summe;
}

// A facet whose corners lie within the tolerance of one line (two places a few tolerances
// apart seen from a corner far off) is no polygon: the polygons' own test takes it for a
// line, and its area would be lost to every measure. It goes into the facet across its
// longest edge: that facet takes its other corners between the edge's ends, where they lie
// within the tolerance of the edge's line, its foot between them. The surface stays closed,
// and the corners stay corners. Per facet the facet it went into (itself where it stayed);
// the faces that took one gain its neighbours.
std::vector<std::size_t> schmaleAufnehmen(const std::vector<Tripel>& p, const Zweiermass& mass,
                                          std::vector<Rohseite>& seiten) {
    std::vector<std::size_t> wohin(seiten.size());
    std::iota(wohin.begin(), wohin.end(), std::size_t{0});
    const auto ende = [&](std::size_t f) {
        while (wohin[f] != f) f = wohin[f];
        return f;
    };
    const auto vek = [&](std::size_t i) { return mass.zurueck(p[i]); };
    std::vector<Tripel> orte;
    for (std::size_t f = 0; f < seiten.size(); ++f) {
        std::vector<std::size_t>& e = seiten[f].ecken;
        const std::size_t m = e.size();
        if (m == 3 && klaresDreieck(vek(e[0]), vek(e[1]), vek(e[2]))) continue;
        orte.clear();
        for (std::size_t i : e) orte.push_back(vek(i));
        if (ebenenlage(orte).dimension >= 2) continue;
        // The longest edge e[k] → e[k + 1], and the face across it, which runs the other way.
        std::size_t k = 0;
        double laengste = -1;
        for (std::size_t j = 0; j < m; ++j)
            if (const double l = laenge(p[e[(j + 1) % m]] - p[e[j]]); l > laengste) {
                laengste = l;
                k = j;
            }
        const std::size_t a = e[k], b = e[(k + 1) % m];
        // The face and the place in its walk after which the sliver's corners go.
        std::optional<std::pair<std::size_t, std::size_t>> gegenueber;
        bool gleichsinnig = false;
        for (std::size_t g0 : seiten[f].nachbarn) {
            const std::size_t g = ende(g0);
            if (g == f) continue;
            const std::vector<std::size_t>& h = seiten[g].ecken;
            for (std::size_t j = 0; j < h.size() && !gegenueber; ++j) {
                const std::size_t weiter = h[(j + 1) % h.size()];
                if (h[j] == b && weiter == a) gegenueber = std::pair{g, j};
                if (h[j] == a && weiter == b) {
                    // The sliver's sense was qhull's, taken from a normal a sliver barely
                    // carries: its neighbour's is sound.
                    gegenueber = std::pair{g, j};
                    gleichsinnig = true;
                }
            }
            if (gegenueber) break;
        }
        if (!gegenueber) continue;
        // The sliver's other corners in the order from b to a round it (the other way round
        // where its sense was wrong); none may be a corner of that face already.
        std::vector<std::size_t> rest;
        for (std::size_t j = 2; j < m; ++j) rest.push_back(e[(k + j) % m]);
        if (gleichsinnig) std::reverse(rest.begin(), rest.end());
        auto& [g, stelle] = *gegenueber;
        std::vector<std::size_t>& h = seiten[g].ecken;
        if (std::any_of(rest.begin(), rest.end(), [&](std::size_t i) { return std::find(h.begin(), h.end(), i) != h.end(); }))
            continue;
        h.insert(h.begin() + static_cast<std::ptrdiff_t>(stelle) + 1, rest.begin(), rest.end());
        seiten[g].nachbarn.insert(seiten[g].nachbarn.end(), seiten[f].nachbarn.begin(), seiten[f].nachbarn.end());
        e.clear();
        wohin[f] = g;
    }
    for (std::size_t f = 0; f < seiten.size(); ++f) wohin[f] = ende(f);
    return wohin;
}

// The faces that stay after some went into others (wohin: per face the face it went into,
// itself where it stayed), numbered afresh in their order, their neighbours renumbered
// (without repeats, and without the face itself). Per old face the number of the face it
// ended in.
std::vector<std::size_t> bleibendeSeiten(std::vector<Rohseite>& seiten, const std::vector<std::size_t>& wohin) {
    const std::size_t F = seiten.size();
    std::vector<std::size_t> nummer(F);
    std::size_t neu = 0;
    for (std::size_t f = 0; f < F; ++f)
        if (wohin[f] == f) nummer[f] = neu++;
    for (std::size_t f = 0; f < F; ++f) nummer[f] = nummer[wohin[f]];
    std::vector<Rohseite> bleibende;
    bleibende.reserve(neu);
    for (std::size_t f = 0; f < F; ++f) {
        if (wohin[f] != f) continue;
        Rohseite& s = seiten[f];
        for (std::size_t& g : s.nachbarn) g = nummer[g];
        std::sort(s.nachbarn.begin(), s.nachbarn.end());
        s.nachbarn.erase(std::unique(s.nachbarn.begin(), s.nachbarn.end()), s.nachbarn.end());
        s.nachbarn.erase(std::remove(s.nachbarn.begin(), s.nachbarn.end(), nummer[f]), s.nachbarn.end());
        bleibende.push_back(std::move(s));
    }
    seiten = std::move(bleibende);
    return nummer;
}

// A sink for qhull's messages: its failures are answered by refusing the hull.
FILE* stilleDatei() {
    static FILE* datei = std::fopen("/dev/null", "w");
    return datei != nullptr ? datei : stderr;
}

// --- Build: one run of qhull -----------------------------------------------------------------

// The facets of the places p through qhull, whose facets merge within the centrum radius
// `radius` (0: only where rounding makes them non-convex), qhull taking `rundung` for the
// rounding error of its distances (0: its own estimate): each facet's corners in their order
// round it, counter-clockwise seen from outside, its neighbours and qhull's normal, the
// slivers taken into their neighbours; and per place that is no corner the face qhull keeps it
// with. qhull is handed the places about the centre of their box (koord, three coordinates
// each), where the coordinates carry the most digits. False where qhull fails.
bool qhullBauen(const std::vector<Tripel>& p, const Zweiermass& mass, std::vector<coordT> koord, double radius,
                double rundung, Rohhuelle& huelle) {
    std::vector<Rohseite>& seiten = huelle.seiten;
    seiten.clear();
    const std::size_t n = p.size();

    qhT qhSpeicher;
    qhT* qh = &qhSpeicher;
    qh_zero(qh, stilleDatei());
    // Qc and Qi keep every point that is no corner with the facet it lies least below, also a
    // point inside the first few facets, which is handed on to the face it lies on when that
    // face appears. qhull builds the hull merging only what its rounding makes non-convex (C-0),
    // and then merges the facets that are not convex by the centrum radius (C), dropping the
    // corners that merging leaves on an edge or inside a face. (Merging while the hull grows,
    // C- with the radius, gives the same faces, but on qhull's spiral it keeps rebuilding the
    // neighbourhoods of its two ends, each a corner of thousands of facets: four times slower.)
    char befehl[96] = "qhull Qc Qi C-0";
    // An option with a number in the shortest text that reads back as it, e.g. " C5e-09".
    const auto option = [&](char buchstabe, double wert) {
        const std::size_t stelle = std::strlen(befehl);
        befehl[stelle] = ' ';
        befehl[stelle + 1] = buchstabe;
        *std::to_chars(befehl + stelle + 2, befehl + sizeof befehl - 1, wert).ptr = '\0';
    };
    if (radius > 0) option('C', radius);
    if (rundung > 0) option('E', rundung);
    // qhull reads the numbers of its options with strtod, which follows the locale.
    const ImCGebietsschema zahlenImC;
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
    if (ausgang != 0) return false;

    // The facets, numbered by their ids.
    std::vector<facetT*> facetten;
    std::vector<std::size_t> nummerVon(qh->facet_id, 0);
    facetT* facet;
    FORALLfacets {
        nummerVon[facet->id] = facetten.size();
        facetten.push_back(facet);
    }
    const std::size_t F = facetten.size();
    const auto punktNr = [&](pointT* pt) { return static_cast<std::size_t>(qh_pointid(qh, pt)); };

    // Each facet's corners in their order round it, counter-clockwise seen from outside (the
    // sense of qhull's normal), and the facets across its edges.
    seiten.resize(F);
    for (std::size_t f = 0; f < F; ++f) {
        Rohseite& s = seiten[f];
        vertexT* vertex;
        vertexT** vertexp;
        if (facetten[f]->simplicial) {
            // A triangle: its three corners, in their order below.
            FOREACHvertex_(facetten[f]->vertices) s.ecken.push_back(punktNr(vertex->point));
        } else {
            setT* ecken = qh_facet3vertex(qh, facetten[f]);
            FOREACHvertex_(ecken) s.ecken.push_back(punktNr(vertex->point));
            qh_settempfree(qh, &ecken);
        }
        const Tripel qn{facetten[f]->normal[0], facetten[f]->normal[1], facetten[f]->normal[2]};
        if (skalar(flaechenvektor(p, s.ecken), qn) < 0) std::reverse(s.ecken.begin(), s.ecken.end());
        s.normale = qn;
        facetT* neighbor;
        facetT** neighborp;
        FOREACHneighbor_(facetten[f]) s.nachbarn.push_back(nummerVon[neighbor->id]);
    }
    // The slivers go into their neighbours; the faces that stay are numbered afresh, and each
    // facet is known by the face it ended in.
    const std::vector<std::size_t> nummer = bleibendeSeiten(seiten, schmaleAufnehmen(p, mass, seiten));

    // The points qhull keeps with a facet (every point that is no corner: those merging left
    // off the corners, those near it and those inside). A corner that merging drops is not
    // always kept with a facet; such a point is taken with the facet qhull finds it least below.
    std::vector<std::size_t>& bei = huelle.bei;
    bei.assign(n, keine);
    for (std::size_t f = 0; f < F; ++f) {
        if (facetten[f]->coplanarset == nullptr) continue;
        pointT* point;
        pointT** pointp;
        FOREACHpoint_(facetten[f]->coplanarset) bei[punktNr(point)] = nummer[f];
    }
    std::vector<bool> istEcke(n, false);
    for (const Rohseite& s : seiten)
        for (std::size_t i : s.ecken) istEcke[i] = true;
    for (std::size_t i = 0; i < n; ++i) {
        if (istEcke[i]) {
            bei[i] = keine;
            continue;
        }
        if (bei[i] != keine) continue;
        realT abstand = 0;
        boolT draussen = False;
        facetT* best = qh_findbestfacet(qh, &koord[3 * i], qh_ALL, &abstand, &draussen);
        if (best == nullptr) return false;
        bei[i] = nummer[nummerVon[best->id]];
    }
    return true;
}

// --- The plane of each face -----------------------------------------------------------------

// The plane of a face through the mean of its corners, with the normal of the area its corners
// enclose (the mean plane of a merged facet, which qhull's hyperplane of the facet merged into
// need not be); qhull's normal where the corners enclose no area that doubles carry.
void ebeneSetzen(const std::vector<Tripel>& p, Rohseite& s) {
    Tripel summe;
    for (std::size_t i : s.ecken) summe = summe + p[i];
    const Tripel flaeche = flaechenvektor(p, s.ecken);
    const double fl = laenge(flaeche);
    if (fl > 0 && std::isfinite(fl)) s.normale = (1 / fl) * flaeche;
    s.anker = (1.0 / static_cast<double>(s.ecken.size())) * summe;
}

// The signed distance of place i from the plane of face s, positive outside.
double hoehe(const std::vector<Tripel>& p, const Rohseite& s, std::size_t i) { return skalar(s.normale, p[i] - s.anker); }

// --- Merge: neighbours that one plane holds -------------------------------------------------

// Faces whose corners lie farther than this many tolerances from each other's plane (both
// ways) are not tried for a merge: a plane that held both within the tolerance would keep each
// one's corners within a few tolerances of the other's plane, unless both are slivers a few
// tolerances wide (which qhull's merging and the sliver step have taken already).
constexpr double nahGenug = 8;

// qhull merges facets by the centrum radius, one neighbour at a time, and so can leave two
// neighbours apart that one plane holds within the tolerance (in a slab a few tolerances
// thick, the facets of its broad sides). A face of the hull is a maximal set of points on a
// supporting plane: neighbours merge where the best plane of their corners and of the points
// qhull keeps with them holds all of these within the tolerance (geometry/Ausgleichsebene.h),
// no corner of a face next to them lies beyond the tolerance outside it, and the merged face
// is a convex polygon by the polygons' own test (with half its side tolerance, as every face
// is checked). The merged face runs round both, without the edge they shared; an end of that
// edge left a corner of two faces only lies on the edge between them and is dropped from
// both, which stay convex. Repeated until no two neighbours merge; the faces are then numbered
// afresh and every point kept with a face that went goes with the merged one.
void verschmelzen(const std::vector<Tripel>& p, const Zweiermass& mass, Rohhuelle& huelle, double eps) {
    std::vector<Rohseite>& seiten = huelle.seiten;
    const std::size_t S = seiten.size();
    std::vector<std::vector<std::size_t>> behalten(S);
    for (std::size_t i = 0; i < p.size(); ++i)
        if (huelle.bei[i] != keine) behalten[huelle.bei[i]].push_back(i);
    std::vector<std::size_t> anzahl(p.size(), 0);   // per corner the faces it is a corner of
    for (const Rohseite& s : seiten)
        for (std::size_t i : s.ecken) ++anzahl[i];
    std::vector<std::size_t> wohin(S);
    std::iota(wohin.begin(), wohin.end(), std::size_t{0});
    const auto ende = [&](std::size_t f) {
        while (wohin[f] != f) f = wohin[f];
        return f;
    };
    const auto nah = [&](const Rohseite& s, const Rohseite& t) {
        return std::all_of(t.ecken.begin(), t.ecken.end(),
                           [&](std::size_t i) { return std::fabs(hoehe(p, s, i)) <= nahGenug * eps; });
    };
    const auto konvex = [&](const std::vector<std::size_t>& ecken) {
        if (ecken.size() < 3) return false;
        std::vector<Tripel> kette;
        for (std::size_t i : ecken) kette.push_back(mass.zurueck(p[i]));
        kette.push_back(kette.front());
        return kettenKonvex(kette, 0.5);
    };
    std::vector<std::size_t> stelle(p.size(), keine);   // a corner's place in g's walk, while tried

    // Merges g into f where it may; true where it did.
    const auto versuchen = [&](std::size_t f, std::size_t g) {
        const std::vector<std::size_t>& a = seiten[f].ecken;
        const std::vector<std::size_t>& b = seiten[g].ecken;
        const std::size_t na = a.size(), nb = b.size();
        for (std::size_t j = 0; j < nb; ++j) stelle[b[j]] = j;
        // The edges of f that g runs the other way: one unbroken chain a[k0] ... a[k0 + m].
        const auto geteilt = [&](std::size_t k) {
            const std::size_t u = stelle[a[k % na]], v = stelle[a[(k + 1) % na]];
            return u != keine && v != keine && (v + 1) % nb == u;
        };
        std::size_t m = 0, k0 = na;
        for (std::size_t k = 0; k < na; ++k) {
            if (!geteilt(k)) continue;
            ++m;
            if (!geteilt(k + na - 1)) k0 = k0 == na ? k : na + 1;   // a second start: two chains
        }
        std::vector<std::size_t> walk, innen;
        std::size_t tb = 0;
        const bool eineKette = m >= 1 && m < na && m < nb && k0 < na;
        if (eineKette) {
            tb = stelle[a[(k0 + m) % na]];
            for (std::size_t j = m; j <= na; ++j) walk.push_back(a[(k0 + j) % na]);
            for (std::size_t j = m + 1; j < nb; ++j) walk.push_back(b[(tb + j) % nb]);
            for (std::size_t j = 1; j < m; ++j) innen.push_back(a[(k0 + j) % na]);
        }
        for (std::size_t j = 0; j < nb; ++j) stelle[b[j]] = keine;
        if (!eineKette) return false;
        // Inside the merged face the chain's inner corners are corners of no face any more.
        if (std::any_of(innen.begin(), innen.end(), [&](std::size_t i) { return anzahl[i] != 2; })) return false;
        // The chain's ends, a corner of one face less; one left a corner of two lies on an edge
        // and goes from the merged face and from the other face at it.
        std::vector<std::pair<std::size_t, std::size_t>> fallen;   // (corner, face that loses it too)
        for (std::size_t e : {a[k0], a[(k0 + m) % na]}) {
            if (anzahl[e] < 3) return false;
            if (anzahl[e] > 3) continue;
            std::optional<std::size_t> dritte;
            for (const std::vector<std::size_t>* liste : {&seiten[f].nachbarn, &seiten[g].nachbarn})
                for (std::size_t h0 : *liste) {
                    const std::size_t h = ende(h0);
                    if (h == f || h == g || dritte) continue;
                    const std::vector<std::size_t>& c = seiten[h].ecken;
                    if (std::find(c.begin(), c.end(), e) != c.end()) dritte = h;
                }
            if (!dritte) return false;
            fallen.emplace_back(e, *dritte);
        }
        std::vector<std::size_t> neu;
        for (std::size_t i : walk)
            if (std::none_of(fallen.begin(), fallen.end(), [&](const auto& x) { return x.first == i; })) neu.push_back(i);
        // A corner that goes lies on the edge that stays: within the tolerance of the segment
        // between its neighbours in the merged walk.
        for (const auto& [e, h] : fallen) {
            const std::size_t j = static_cast<std::size_t>(std::find(walk.begin(), walk.end(), e) - walk.begin());
            const Tripel& u = p[walk[(j + walk.size() - 1) % walk.size()]];
            const Tripel d = p[walk[(j + 1) % walk.size()]] - u, q = p[e] - u;
            const double l = laenge(d), t = skalar(q, d);
            if (!(l > 0) || t < 0 || t > l * l || laenge(kreuz(d, q)) > eps * l) return false;
        }
        if (!konvex(neu)) return false;
        std::vector<std::pair<std::size_t, std::vector<std::size_t>>> andere;
        for (const auto& [e, h] : fallen) {
            std::vector<std::size_t> c = seiten[h].ecken;
            c.erase(std::remove(c.begin(), c.end(), e), c.end());
            for (auto& [h2, c2] : andere)
                if (h2 == h) c2.erase(std::remove(c2.begin(), c2.end(), e), c2.end());
            if (std::none_of(andere.begin(), andere.end(), [&](const auto& x) { return x.first == h; }))
                andere.emplace_back(h, std::move(c));
        }
        for (const auto& [h, c] : andere)
            if (!konvex(c)) return false;
        // The best plane of the corners of both and the points kept with them.
        std::vector<std::size_t> alle = walk;
        alle.insert(alle.end(), innen.begin(), innen.end());
        alle.insert(alle.end(), behalten[f].begin(), behalten[f].end());
        alle.insert(alle.end(), behalten[g].begin(), behalten[g].end());
        const Tripel flaeche = flaechenvektor(p, neu);
        const std::optional<Ausgleichsebene> e = ausgleichsebene(p, flaeche, alle);
        if (!e || !(e->abstand <= eps)) return false;
        Rohseite vereint;
        vereint.normale = skalar(e->normale, flaeche) < 0 ? -e->normale : e->normale;
        vereint.anker = e->punkt;
        // No corner of a face next to both lies beyond the tolerance outside that plane.
        for (const std::vector<std::size_t>* liste : {&seiten[f].nachbarn, &seiten[g].nachbarn})
            for (std::size_t h0 : *liste)
                for (std::size_t i : seiten[ende(h0)].ecken)
                    if (hoehe(p, vereint, i) > eps) return false;
        // Merged.
        for (std::size_t i : innen) anzahl[i] = 0;
        for (std::size_t i : {a[k0], a[(k0 + m) % na]}) --anzahl[i];
        for (const auto& [i, h] : fallen) anzahl[i] = 0;
        for (auto& [h, c] : andere) {
            seiten[h].ecken = std::move(c);
            ebeneSetzen(p, seiten[h]);
        }
        vereint.ecken = std::move(neu);
        vereint.nachbarn = seiten[f].nachbarn;
        vereint.nachbarn.insert(vereint.nachbarn.end(), seiten[g].nachbarn.begin(), seiten[g].nachbarn.end());
        seiten[f] = std::move(vereint);
        seiten[g].ecken.clear();
        behalten[f].insert(behalten[f].end(), behalten[g].begin(), behalten[g].end());
        behalten[f].insert(behalten[f].end(), innen.begin(), innen.end());
        for (const auto& [i, h] : fallen) behalten[f].push_back(i);
        for (std::size_t i : innen) huelle.bei[i] = f;
        for (const auto& [i, h] : fallen) huelle.bei[i] = f;
        wohin[g] = f;
        return true;
    };

    bool verschmolzen = false;
    for (bool weiter = true; weiter;) {
        weiter = false;
        for (std::size_t f = 0; f < S; ++f) {
            if (wohin[f] != f) continue;
            for (std::size_t k = 0; k < seiten[f].nachbarn.size(); ++k) {
                const std::size_t g = ende(seiten[f].nachbarn[k]);
                if (g == f || !(nah(seiten[f], seiten[g]) || nah(seiten[g], seiten[f]))) continue;
                if (versuchen(f, g)) weiter = verschmolzen = true;
            }
        }
    }
    if (!verschmolzen) return;
    for (std::size_t f = 0; f < S; ++f) wohin[f] = ende(f);
    const std::vector<std::size_t> nummer = bleibendeSeiten(seiten, wohin);
    for (std::size_t& f : huelle.bei)
        if (f != keine) f = nummer[f];
}

// --- Assign: the points onto their faces ------------------------------------------------------

// Each face holds its corners, and every point kept with it or with a neighbour (qhull's bei)
// that lies within the tolerance of its plane: a point on an edge belongs to both faces.
void zuordnen(const std::vector<Tripel>& p, std::vector<Rohseite>& seiten, const std::vector<std::size_t>& bei,
              double eps) {
    for (Rohseite& s : seiten) s.punkte = s.ecken;
    for (std::size_t i = 0; i < p.size(); ++i) {
        const std::size_t f = bei[i];
        if (f == keine) continue;
        const auto nimm = [&](std::size_t g) {
            if (std::fabs(hoehe(p, seiten[g], i)) <= eps) seiten[g].punkte.push_back(i);
        };
        nimm(f);
        for (std::size_t g : seiten[f].nachbarn) nimm(g);
    }
    for (Rohseite& s : seiten) {
        std::sort(s.punkte.begin(), s.punkte.end());
        s.punkte.erase(std::unique(s.punkte.begin(), s.punkte.end()), s.punkte.end());
    }
}

// --- Check: the faces, the surface and the points -------------------------------------------

// The outcome of one run of qhull.
// gut: every face passes every check. seiteFehlerhaft: a check failed, but every face is a
// convex polygon by the polygons' own test, so that it counts in every measure. unkonvex: a
// face is none. fehler: qhull failed.
enum class Lauf { gut, seiteFehlerhaft, unkonvex, fehler };

// Every face within the tolerance of its plane and convex, every corner a corner of three
// faces, the surface convex, and every point kept with a face inside the hull or on it (see
// Huellensuche.h).
Lauf pruefen(const std::vector<Tripel>& p, const Zweiermass& mass, const std::vector<Rohseite>& seiten,
             const std::vector<std::size_t>& bei, double eps) {
    const std::size_t S = seiten.size();
    bool allesGut = true, alleKonvex = true;
    std::vector<Tripel> kette;
    for (const Rohseite& s : seiten) {
        // Every corner within the tolerance of the face's plane, and its corners convex (a clear
        // triangle is, without further question).
        bool eben = true;
        for (std::size_t i : s.ecken) eben = eben && std::fabs(hoehe(p, s, i)) <= eps;
        kette.clear();
        for (std::size_t i : s.ecken) kette.push_back(mass.zurueck(p[i]));
        kette.push_back(kette.front());
        const bool konvex = kettenKonvex(kette, 0.5);
        // Without the margin, as the polygon will ask it once registered.
        alleKonvex = alleKonvex && (konvex || kettenKonvex(kette));
        allesGut = allesGut && eben && konvex;
    }
    const auto ergebnis = [&] { return allesGut ? Lauf::gut : alleKonvex ? Lauf::seiteFehlerhaft : Lauf::unkonvex; };
    // Every corner is one of three faces at least: where a sliver went into a face that was
    // already its neighbour across another edge, two faces meet in two edges, and the corner
    // between them is none of a convex solid.
    {
        std::vector<std::size_t> anzahl(p.size(), 0);
        for (const Rohseite& s : seiten)
            for (std::size_t i : s.ecken) ++anzahl[i];
        for (std::size_t a : anzahl) allesGut = allesGut && (a == 0 || a >= 3);
    }
    // The surface is convex: no corner of a neighbour lies beyond the tolerance outside a
    // face's plane. (Closed and convex at every edge, it is the surface of a convex solid.)
    for (std::size_t f = 0; f < S && allesGut; ++f)
        for (std::size_t g : seiten[f].nachbarn)
            for (std::size_t i : seiten[g].ecken) allesGut = allesGut && hoehe(p, seiten[f], i) <= eps;
    if (!allesGut) return ergebnis();
    // Place i lies within the tolerance of face f's polygon: within it of its plane, and its
    // foot on the plane within it of every edge's line, on the inner side.
    const auto ueberSeite = [&](std::size_t f, std::size_t i) {
        const std::vector<std::size_t>& e = seiten[f].ecken;
        for (std::size_t k = 0; k < e.size(); ++k) {
            const Tripel& a = p[e[k]];
            const Tripel kante = p[e[(k + 1) % e.size()]] - a;
            const double l = laenge(kante);
            if (!(l > eps)) continue;
            // Counter-clockwise about the outward normal: (b − a) × n points away from the face.
            if (skalar(kreuz(kante, seiten[f].normale), p[i] - a) > eps * l) return false;
        }
        return true;
    };
    // Place i, kept with face f, lies inside the hull or on it. Every face's plane passes it
    // within the tolerance (checked below), but that says little where faces meet at a
    // small angle: beside a thin solid a point half its width away passes the plane of every
    // face. So where it lies within the tolerance of a face's plane, it must lie within it of
    // that face or of one reached from it over faces whose planes pass as near: the nearest
    // point of the surface is on one of them. A point lying deeper below the plane of every
    // face round its own than the tolerance is inside.
    std::vector<std::size_t> gesehen(S, keine);
    std::vector<std::size_t> schlange;
    const auto innenOderAuf = [&](std::size_t i, std::size_t f) {
        std::size_t start = f;
        for (std::size_t g : seiten[f].nachbarn)
            if (hoehe(p, seiten[g], i) > hoehe(p, seiten[start], i)) start = g;
        if (hoehe(p, seiten[start], i) < -eps) return true;
        schlange.assign(1, start);
        gesehen[start] = i;
        for (std::size_t k = 0; k < schlange.size(); ++k) {
            const std::size_t g = schlange[k];
            if (ueberSeite(g, i)) return true;
            for (std::size_t h : seiten[g].nachbarn)
                if (gesehen[h] != i && std::fabs(hoehe(p, seiten[h], i)) <= eps) {
                    gesehen[h] = i;
                    schlange.push_back(h);
                }
        }
        return false;
    };
    // The points kept with a face lie within the tolerance of its plane and of its
    // neighbours' or below them: none may lie beyond the tolerance outside either plane, nor
    // beside the hull: a merge that left a point so far out dropped a corner of the true hull.
    for (std::size_t i = 0; i < p.size() && allesGut; ++i) {
        const std::size_t f = bei[i];
        if (f == keine) continue;
        allesGut = hoehe(p, seiten[f], i) <= eps;
        for (std::size_t g : seiten[f].nachbarn) allesGut = allesGut && hoehe(p, seiten[g], i) <= eps;
        allesGut = allesGut && innenOderAuf(i, f);
    }
    return ergebnis();
}

// One run of qhull, its faces' planes set, its neighbours in one plane merged, its points
// assigned, and every face checked.
Lauf qhullSeiten(const std::vector<Tripel>& p, const Zweiermass& mass, const std::vector<coordT>& koord,
                 double eps, double radius, double rundung, std::vector<Rohseite>& seiten) {
    Rohhuelle h;
    if (!qhullBauen(p, mass, koord, radius, rundung, h)) return Lauf::fehler;
    for (Rohseite& s : h.seiten) ebeneSetzen(p, s);
    verschmelzen(p, mass, h, eps);
    zuordnen(p, h.seiten, h.bei, eps);
    const Lauf lauf = pruefen(p, mass, h.seiten, h.bei, eps);
    seiten = std::move(h.seiten);
    return lauf;
}

// The faces of a cloud of places that spans space: qhull's merged facets, or, where one of
// them fails its check, those of a smaller merging radius (see Huellensuche.h).
std::optional<std::vector<Rohseite>> raeumlicheSeiten(const std::vector<Tripel>& p, const Zweiermass& mass, double eps) {
    // qhull computes with the places about the centre of their box, where the coordinates carry
    // the most digits. The rounding error of its distances: two units of the last place of the
    // largest coordinate it computes with. qhull's own estimate is a worst case of 7 to 11 units, and it merges every
    // facet whose centre lies within twice its estimate of a neighbour's plane, which moves
    // corners by up to about sixty units, beyond the tolerance's sixteen; a distance is off by
    // one or two. Every face is checked against the tolerance afterwards, so an estimate too
    // small for some cloud costs a second run, never a wrong face.
    if (p.size() > static_cast<std::size_t>(std::numeric_limits<int>::max() / 4)) return std::nullopt;
    const Lagebox box = lagebox(p);
    const Tripel mitte{box.lo[0] / 2 + box.hi[0] / 2, box.lo[1] / 2 + box.hi[1] / 2, box.lo[2] / 2 + box.hi[2] / 2};
    std::vector<coordT> koord(3 * p.size());
    double groesste = 0;
    for (std::size_t i = 0; i < p.size(); ++i) {
        koord[3 * i] = p[i].x - mitte.x;
        koord[3 * i + 1] = p[i].y - mitte.y;
        koord[3 * i + 2] = p[i].z - mitte.z;
        for (int k = 0; k < 3; ++k) groesste = std::max(groesste, std::fabs(koord[3 * i + k]));
    }
    const double rundung = 2 * letzteStelle(groesste);
    std::vector<Rohseite> seiten;
    // The faces of the last run that failed a check, and of the last one whose faces were all
    // convex polygons all the same.
    std::optional<std::vector<Rohseite>> zuletzt, zuletztKonvex;
    // Half the tolerance first: a single merge moves a far corner up to three times the
    // centrum radius off the neighbour's plane, half as much off the plane of both. Last,
    // qhull's own estimate of its rounding, should the smaller one have failed it.
    const std::pair<double, double> laeufe[] = {{eps / 2, rundung}, {eps / 8, rundung}, {eps / 32, rundung},
                                                {0.0, rundung}, {0.0, 0.0}};
    for (const auto& [radius, r] : laeufe) {
        const Lauf lauf = qhullSeiten(p, mass, koord, eps, radius, r, seiten);
        if (lauf == Lauf::gut) return seiten;
        if (lauf == Lauf::seiteFehlerhaft) zuletztKonvex = seiten;
        if (lauf != Lauf::fehler) zuletzt = seiten;
    }
    // Not even the faces of qhull's own rounding pass every check (a place a tolerance or two
    // from another far from the origin, where qhull's arithmetic cannot see the slivers
    // between them): they are the hull all the same, those whose faces all count in every
    // measure where there are such.
    return zuletztKonvex ? zuletztKonvex : zuletzt;
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
                const Tripel nn = normaleWieEbeneDurch(pkte[s[a]], pkte[s[b]], pkte[s[c]]);
                if (std::fabs(skalar(nn, nn)) >= grenze) return std::array<std::size_t, 3>{s[a], s[b], s[c]};
            }
    return std::nullopt;
}

// The cloud as the search computes with it: its places brought to an extent between 1 and 2
// by a power of two (Zweiermass, which changes no digit), and its tolerance with them. qhull
// and every test of a face see a cloud of about unit size, whatever its extent: no product of
// differences overflows or falls among the subnormal numbers, and since scaling by a power of
// two commutes with every rounding, each decision is the one the given places would have where
// their products are doubles.
struct Einheitswolke {
    std::vector<Tripel> p;
    Zweiermass mass{0};
    double eps = 0;
    // The tolerance of the given places (the polygons' own tests of a face take those).
    double gegebeneToleranz = 0;
};

Einheitswolke einheitswolke(const std::vector<Punkt>& pkte) {
    const Lagebox box = lagebox(ortsvektoren(pkte));
    Einheitswolke w;
    w.mass = Zweiermass(box.weite());
    w.p.reserve(pkte.size());
    for (const Punkt& q : pkte) w.p.push_back(w.mass.auf(ort(q)));
    w.gegebeneToleranz = lagetoleranz(box);
    w.eps = w.mass.auf(w.gegebeneToleranz);
    return w;
}

}  // namespace

double toleranz(const std::vector<Punkt>& pkte) { return lagetoleranz(ortsvektoren(pkte)); }

std::optional<Vektor> flacheNormale(const std::vector<Punkt>& pkte) {
    const Einheitswolke w = einheitswolke(pkte);
    const Gestalt g = gestalt(w.p, w.eps);
    if (g.dimension != 2) return std::nullopt;
    return Vektor(g.normale);
}

namespace {

// The faces of the cloud's true hull in qhull's order: points, corners, places, neighbours and
// unit normals; randebenen puts them in the plain search's order.
Ebenenbefund seiten(const std::vector<Punkt>& pkte) {
    Ebenenbefund b;
    const Einheitswolke w = einheitswolke(pkte);
    const std::vector<Tripel>& p = w.p;
    const double eps = w.eps;
    const Gestalt g = gestalt(p, eps);
    if (g.dimension < 2) return b;

    if (g.dimension == 2) {
        std::vector<std::size_t> alle(p.size());
        std::iota(alle.begin(), alle.end(), std::size_t{0});
        b.punkte.push_back(std::move(alle));
        b.ecken.emplace_back();
        b.stellen.emplace_back();
        b.nachbarn.emplace_back();
        b.normalen.emplace_back(g.normale);
        b.flach = true;
        return b;
    }
    // The points at different places: of points within eps of one another one stands for all,
    // the one with the largest index (the one that can be a corner).
    const Ortsgruppen orte = ortsgruppen(ortsvektoren(pkte), w.gegebeneToleranz);
    const std::vector<std::size_t>& gleich = orte.ort;
    const std::vector<std::size_t>& vertreter = orte.vertreter;
    std::vector<Tripel> verschiedene;
    verschiedene.reserve(vertreter.size());
    for (std::size_t i : vertreter) verschiedene.push_back(p[i]);
    const std::optional<std::vector<Rohseite>> roh = raeumlicheSeiten(verschiedene, w.mass, eps);
    if (!roh) {
        b.fehler = true;
        return b;
    }
    // Each face holds every point at the place of one of its points; its corners are the
    // places' representatives. The points at place d: an[anAb[d]] ... an[anAb[d + 1] − 1],
    // ascending.
    std::vector<std::size_t> anAb(vertreter.size() + 1, 0), an(gleich.size());
    for (std::size_t d : gleich) ++anAb[d + 1];
    for (std::size_t d = 0; d < vertreter.size(); ++d) anAb[d + 1] += anAb[d];
    {
        std::vector<std::size_t> frei(anAb.begin(), anAb.end() - 1);
        for (std::size_t i = 0; i < gleich.size(); ++i) an[frei[gleich[i]]++] = i;
    }
    b.punkte.reserve(roh->size());
    b.ecken.reserve(roh->size());
    b.stellen.reserve(roh->size());
    b.nachbarn.reserve(roh->size());
    b.normalen.reserve(roh->size());
    std::vector<std::size_t> alle;
    for (const Rohseite& s : *roh) {
        alle.clear();
        for (std::size_t d : s.punkte) alle.insert(alle.end(), an.begin() + anAb[d], an.begin() + anAb[d + 1]);
        std::sort(alle.begin(), alle.end());
        b.punkte.emplace_back(alle.begin(), alle.end());
        std::vector<std::size_t> ecken;
        ecken.reserve(s.ecken.size());
        for (std::size_t d : s.ecken) ecken.push_back(vertreter[d]);
        b.ecken.push_back(std::move(ecken));
        b.nachbarn.push_back(s.nachbarn);
        std::vector<std::size_t> stellen;
        stellen.reserve(s.punkte.size());
        for (std::size_t d : s.punkte) stellen.push_back(vertreter[d]);
        std::sort(stellen.begin(), stellen.end());
        b.stellen.push_back(std::move(stellen));
        b.normalen.emplace_back(s.normale);
    }
    return b;
}

}  // namespace

Ebenenbefund randebenen(const std::vector<Punkt>& pkte) {
    Ebenenbefund roh = seiten(pkte);
    if (roh.punkte.empty()) return roh;
    Ebenenbefund b;
    b.flach = roh.flach;
    const double L = ausdehnung(ortsvektoren(pkte));
    const double grenze = L >= 1 ? 1e-8 : 1e-8 * (L * L) * (L * L);
    std::vector<std::pair<std::array<std::size_t, 3>, std::size_t>> schluessel;
    for (std::size_t f = 0; f < roh.punkte.size(); ++f) {
        const auto t = letztesTripel(pkte, roh.punkte[f], grenze);
        // A face always has three points off one line; where the plain search's null test
        // sees none (a narrow face), the face stands behind the others.
        schluessel.emplace_back(t ? *t : std::array<std::size_t, 3>{pkte.size(), pkte.size(), f}, f);
    }
    std::sort(schluessel.begin(), schluessel.end());
    std::vector<std::size_t> neueNummer(schluessel.size());
    for (std::size_t k = 0; k < schluessel.size(); ++k) neueNummer[schluessel[k].second] = k;
    b.nachbarn.reserve(schluessel.size());
    b.tripel.reserve(schluessel.size());
    b.punkte.reserve(schluessel.size());
    b.ecken.reserve(schluessel.size());
    b.stellen.reserve(schluessel.size());
    b.normalen.reserve(schluessel.size());
    for (const auto& [t, f] : schluessel) {
        b.tripel.push_back(t[0] < pkte.size() ? std::optional(t) : std::nullopt);
        b.punkte.push_back(std::move(roh.punkte[f]));
        b.ecken.push_back(std::move(roh.ecken[f]));
        b.stellen.push_back(std::move(roh.stellen[f]));
        std::vector<std::size_t> nachbarn = std::move(roh.nachbarn[f]);
        for (std::size_t& g : nachbarn) g = neueNummer[g];
        b.nachbarn.push_back(std::move(nachbarn));
        b.normalen.push_back(roh.normalen[f]);
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
    // Two faces meet in an edge where they share two points at different places, and faces
    // that do are neighbours across an edge of the hull; every pair of their common points at
    // different places is an edge of the plain search.
    std::vector<std::size_t> gemeinsam;
    for (std::size_t f = 0; f < b.punkte.size(); ++f)
        for (std::size_t g : b.nachbarn[f]) {
            if (g <= f) continue;
            gemeinsam.clear();
            std::set_intersection(b.punkte[f].begin(), b.punkte[f].end(), b.punkte[g].begin(), b.punkte[g].end(),
                                  std::back_inserter(gemeinsam));
            for (std::size_t i : gemeinsam)
                for (std::size_t j : gemeinsam)
                    if (i != j && (pkte[i].ortsvektor() - pkte[j].ortsvektor()).norm() > eps) kanten.emplace_back(i, j);
        }
    std::sort(kanten.begin(), kanten.end());
    kanten.erase(std::unique(kanten.begin(), kanten.end()), kanten.end());
    return kanten;
}

}  // namespace quodral::huellensuche
