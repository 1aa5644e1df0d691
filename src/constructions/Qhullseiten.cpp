#include "constructions/Qhullseiten.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <numeric>
#include <utility>
#include <vector>

#include "constructions/Seitenverschmelzung.h"
#include "geometry/Ausgleichsebene.h"
#include "geometry/Grenzen.h"
#include "geometry/Linienlage.h"
#include "geometry/Numerik.h"
#include "geometry/Raumgeometrie.h"
#include "geometry/Seitenflaeche.h"
#include "geometry/Toleranz.h"
#include "text/Zahlen.h"

extern "C" {
#include <libqhull_r/qhull_ra.h>
}

namespace quodral::huellensuche {

namespace {

// The frame qhull computes in: the places as differences from the centre of their box (where
// the coordinates carry the most digits), three coordinates each, in the frame of `achsen`
// (the rows of the map from those differences), and the rounding of qhull's distances there
// (two units of the last place of the largest coordinate). A normal qhull finds in that frame
// is the one of the places' differences mapped back (by the transposed map).
struct Rechenrahmen {
    std::vector<coordT> koord;
    std::array<Tripel, 3> achsen{Tripel{1, 0, 0}, Tripel{0, 1, 0}, Tripel{0, 0, 1}};
    double rundung = 0;
    Tripel normale(const double* n) const { return n[0] * achsen[0] + n[1] * achsen[1] + n[2] * achsen[2]; }
};

// The centre of the places' box.
Tripel boxmitte(const std::vector<Tripel>& p) {
    const Lagebox box = lagebox(p);
    return {box.lo[0] / 2 + box.hi[0] / 2, box.lo[1] / 2 + box.hi[1] / 2, box.lo[2] / 2 + box.hi[2] / 2};
}

// The frame with the rounding of qhull's distances in it: a couple of units of the last place
// of its largest coordinate (grenzen::qhullRundungsStellen).
Rechenrahmen mitRundung(Rechenrahmen r) {
    double groesste = 0;
    for (const coordT k : r.koord) groesste = std::max(groesste, std::fabs(k));
    r.rundung = grenzen::qhullRundungsStellen * letzteStelle(groesste);
    return r;
}

// The places about the centre of their box, as they are.
Rechenrahmen gewoehnlicherRahmen(const std::vector<Tripel>& p) {
    const Tripel mitte = boxmitte(p);
    Rechenrahmen r;
    r.koord.resize(3 * p.size());
    for (std::size_t i = 0; i < p.size(); ++i) {
        r.koord[3 * i] = p[i].x - mitte.x;
        r.koord[3 * i + 1] = p[i].y - mitte.y;
        r.koord[3 * i + 2] = p[i].z - mitte.z;
    }
    return mitRundung(std::move(r));
}

// x + y as a double and its rounding error (Knuth's two-sum): exactly their sum.
std::pair<double, double> zweiSumme(double x, double y) {
    const double s = x + y, z = s - x;
    return {s, (x - (s - z)) + (y - z)};
}

// The height of q over the plane through m with the unit normal n, to about the last digit:
// the difference q − m carried with its rounding errors, each product with its own (by fused
// multiply-add), and their sum with its errors (Ogita, Rump and Oishi's dot product in twice
// the working precision). A slab a few tolerances thick far from the origin is as thick as a
// few dozen units of the last place of its coordinates; its heights keep their digits so.
double genaueHoehe(const Tripel& q, const Tripel& m, const Tripel& n) {
    const auto [dx, ex] = zweiSumme(q.x, -m.x);
    const auto [dy, ey] = zweiSumme(q.y, -m.y);
    const auto [dz, ez] = zweiSumme(q.z, -m.z);
    double summe = 0, fehler = n.x * ex + n.y * ey + n.z * ez;
    for (const auto& [a, b] : {std::pair{n.x, dx}, std::pair{n.y, dy}, std::pair{n.z, dz}}) {
        const double produkt = a * b;
        const auto [s, e] = zweiSumme(summe, produkt);
        summe = s;
        fehler += e + std::fma(a, b, -produkt);
    }
    return summe + fehler;
}

// The places of a thin cloud in the frame of its best plane (unit normal n): their parts along
// two unit directions in it, and their heights over it to about the last digit, stretched by
// the power of two `dehnung`. A slab a few tolerances thick whose extent is a thousand million
// times its width, far from the origin, is only a few dozen units of the last place of its
// coordinates thick; its broad sides and its narrow rim meet at angles of the order of the
// rounding of qhull's distances, and a point beside the rim lies within that rounding of the
// planes on both sides of it, so that qhull takes it for a point on them and never makes it a
// corner (the outline loses corners, and places lie outside the hull). Stretched to about as
// thick as it is wide, the slab has faces that meet at ordinary angles. An affine map keeps
// what is convex: the corners and faces qhull finds there are those of the cloud; the parts
// in the plane are rounded as any coordinate (which moves no place off the nearly flat faces
// by more than the rounding times their slope).
Rechenrahmen gedehnterRahmen(const std::vector<Tripel>& p, const Ausgleichsebene& ebene, double dehnung) {
    const Tripel& n = ebene.normale;
    const Tripel mitte = boxmitte(p);
    const Tripel e1 = querZu(n);
    const Tripel e2 = kreuz(n, e1);
    Rechenrahmen r;
    r.achsen = {e1, e2, dehnung * n};
    r.koord.resize(3 * p.size());
    for (std::size_t i = 0; i < p.size(); ++i) {
        const Tripel d = p[i] - mitte;
        r.koord[3 * i] = skalar(e1, d);
        r.koord[3 * i + 1] = skalar(e2, d);
        r.koord[3 * i + 2] = dehnung * genaueHoehe(p[i], ebene.punkt, n);
    }
    return mitRundung(std::move(r));
}

// A facet whose corners lie within the tolerance of one line (two places a few tolerances
// apart seen from a corner far off) is no polygon: the polygons' own test takes it for a
// line, and its area would be lost to every measure. It goes into the facet across its
// longest edge: that facet takes its other corners between the edge's ends, where they lie
// within the tolerance of the edge's line, its foot between them. The surface stays closed,
// and the corners stay corners. Per facet the facet it went into (itself where it stayed);
// the faces that took one gain its neighbours.
std::vector<std::size_t> schmaleAufnehmen(const Orte& o, std::vector<Rohseite>& seiten) {
    const std::vector<Tripel>& p = o.p;
    std::vector<std::size_t> wohin(seiten.size());
    std::iota(wohin.begin(), wohin.end(), std::size_t{0});
    const auto ende = [&](std::size_t f) { return endeVon(wohin, f); };
    for (std::size_t f = 0; f < seiten.size(); ++f) {
        if (seiten[f].flaeche.dimension() >= 2) continue;
        const std::vector<std::size_t>& e = seiten[f].ecken();
        const std::size_t m = e.size();
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
            const std::vector<std::size_t>& h = seiten[g].ecken();
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
        const auto& [g, stelle] = *gegenueber;
        std::vector<std::size_t> h = seiten[g].ecken();
        if (std::any_of(rest.begin(), rest.end(), [&](std::size_t i) { return std::find(h.begin(), h.end(), i) != h.end(); }))
            continue;
        h.insert(h.begin() + static_cast<std::ptrdiff_t>(stelle) + 1, rest.begin(), rest.end());
        seiten[g].flaeche = o.seite(std::move(h));
        seiten[g].nachbarn.insert(seiten[g].nachbarn.end(), seiten[f].nachbarn.begin(), seiten[f].nachbarn.end());
        wohin[f] = g;
    }
    return wohin;
}

// A sink for qhull's messages: its failures are answered by refusing the hull.
FILE* stilleDatei() {
    static FILE* datei = std::fopen("/dev/null", "w");
    return datei != nullptr ? datei : stderr;
}

// --- Build: one run of qhull -----------------------------------------------------------------

// How one run of qhull merges: its facets merge within the centrum radius `radius` (0: only
// where rounding makes them non-convex), qhull taking `rundung` for the rounding error of its
// distances (0: its own estimate); `zerlegt`: every facet qhull merged is handed on as the
// triangles of its corners (qhull's triangulated output), so that no face stands that qhull
// merged beyond what a polygon holds (four corners a few rounding errors off one plane, which
// qhull cannot tell apart far from its origin, and which a polygon of their own small extent
// calls no plane); the search then merges them where the merged face is a polygon.
struct Laufart {
    double radius = 0, rundung = 0;
    bool zerlegt = false;
};

// The facets of the places through qhull, computing in the frame r, merged as `art` says: each
// facet's corners in their order round it, counter-clockwise seen from outside, and its
// neighbours, the slivers taken into their neighbours; and per place that is no corner the face
// qhull keeps it with. False where qhull fails.
bool qhullBauen(const Orte& o, const Rechenrahmen& r, const Laufart& art, Rohhuelle& huelle) {
    std::vector<Rohseite>& seiten = huelle.seiten;
    seiten.clear();
    const std::size_t n = o.p.size();
    // qhull may change the coordinates it is handed: it gets a copy.
    std::vector<coordT> koord = r.koord;

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
    if (art.radius > 0) option('C', art.radius);
    if (art.rundung > 0) option('E', art.rundung);
    if (art.zerlegt) std::strcat(befehl, " Qt");
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
    if (art.zerlegt) qh_triangulate(qh);

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

    // Each facet as a face over its corners in their order round it, counter-clockwise seen
    // from outside (the sense of qhull's normal, taken back from qhull's frame), and the
    // facets across its edges.
    seiten.reserve(F);
    for (std::size_t f = 0; f < F; ++f) {
        // The corners go into the face as they are; only a face built against qhull's normal
        // is built again, from them reversed.
        std::vector<std::size_t> ecken;
        vertexT* vertex;
        vertexT** vertexp;
        if (facetten[f]->simplicial) {
            // A triangle: its three corners, the first two swapped where qhull made it with top
            // orientation (whose corners run clockwise seen from outside, qh_ORIENTclock).
            ecken.reserve(3);
            FOREACHvertex_(facetten[f]->vertices) ecken.push_back(punktNr(vertex->point));
            if (facetten[f]->toporient) std::swap(ecken[0], ecken[1]);
        } else {
            setT* umlauf = qh_facet3vertex(qh, facetten[f]);
            ecken.reserve(static_cast<std::size_t>(qh_setsize(qh, umlauf)));
            FOREACHvertex_(umlauf) ecken.push_back(punktNr(vertex->point));
            qh_settempfree(qh, &umlauf);
        }
        Seitenflaeche flaeche = o.seite(std::move(ecken));
        if (skalar(flaeche.flaechenvektor(), r.normale(facetten[f]->normal)) < 0) {
            const std::vector<std::size_t>& bisher = flaeche.ecken().index();
            flaeche = o.seite(std::vector<std::size_t>(bisher.rbegin(), bisher.rend()));
        }
        std::vector<std::size_t> nachbarn;
        nachbarn.reserve(static_cast<std::size_t>(qh_setsize(qh, facetten[f]->neighbors)));
        facetT* neighbor;
        facetT** neighborp;
        FOREACHneighbor_(facetten[f]) nachbarn.push_back(nummerVon[neighbor->id]);
        seiten.push_back({std::move(flaeche), std::move(nachbarn), nullptr});
    }
    // The slivers go into their neighbours; the faces that stay are numbered afresh, and each
    // facet is known by the face it ended in.
    const std::vector<std::size_t> nummer = bleibendeSeiten(seiten, schmaleAufnehmen(o, seiten));

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
        for (std::size_t i : s.ecken()) istEcke[i] = true;
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

// --- Check: the faces, the surface and the points -------------------------------------------

// The outcome of one run of qhull.
// gut: every face passes every check. seiteFehlerhaft: a check failed, but every face is a
// convex polygon by the polygons' own test, so that it counts in every measure. unkonvex: a
// face is none. offen: the surface is not closed. fehler: qhull failed.
enum class Lauf { gut, seiteFehlerhaft, unkonvex, offen, fehler };

// The faces close up: every edge of a face is run the other way by one other face, and by no
// other face its own way. (A face that a sliver left out leaves a hole, and a sliver that went
// into a face beside it across the wrong edge leaves an edge run twice.) Per place the places
// its edges run to and those whose edges run to it, each sorted: they are the same, once each.
bool geschlossen(const std::vector<Rohseite>& seiten, std::size_t orte) {
    std::vector<std::size_t> ab(orte + 1, 0);
    for (const Rohseite& s : seiten)
        for (std::size_t i : s.ecken()) ++ab[i + 1];
    for (std::size_t i = 0; i < orte; ++i) ab[i + 1] += ab[i];
    std::vector<std::size_t> nach(ab.back()), von(ab.back()), freiNach(ab.begin(), ab.end() - 1), freiVon = freiNach;
    for (const Rohseite& s : seiten) {
        const std::vector<std::size_t>& e = s.ecken();
        for (std::size_t k = 0; k < e.size(); ++k) {
            const std::size_t a = e[k], b = e[(k + 1) % e.size()];
            nach[freiNach[a]++] = b;
            // Each corner starts as many edges as it ends: the place at b takes one in.
            if (freiVon[b] == ab[b + 1]) return false;
            von[freiVon[b]++] = a;
        }
    }
    for (std::size_t a = 0; a < orte; ++a) {
        const auto n0 = nach.begin() + static_cast<std::ptrdiff_t>(ab[a]), n1 = nach.begin() + static_cast<std::ptrdiff_t>(ab[a + 1]);
        const auto v0 = von.begin() + static_cast<std::ptrdiff_t>(ab[a]), v1 = von.begin() + static_cast<std::ptrdiff_t>(ab[a + 1]);
        std::sort(n0, n1);
        std::sort(v0, v1);
        if (std::adjacent_find(n0, n1) != n1 || !std::equal(n0, n1, v0, v1)) return false;
    }
    return true;
}

// The faces one by one: every corner within the tolerance of the face's plane and its corners
// convex (a clear triangle is, without further question), with half the side tolerance of a
// polygon within its corners' tolerance; and, without that margin and as the polygon will ask
// it once registered, by the polygon's own test.
struct Seitenpruefung {
    bool gut = true, konvex = true;
};
Seitenpruefung seitenPruefen(const Orte& o, const std::vector<Rohseite>& seiten) {
    Seitenpruefung ergebnis;
    for (const Rohseite& s : seiten) {
        const std::vector<std::size_t>& e = s.ecken();
        const bool eben = std::all_of(e.begin(), e.end(), [&](std::size_t i) { return s.liegtAuf(o.p[i], o.eps); });
        const bool konvex = s.flaeche.konvexInDerToleranz(grenzen::seitenKonvexAnteil);
        ergebnis.konvex = ergebnis.konvex && (konvex || s.flaeche.konvex());
        ergebnis.gut = ergebnis.gut && eben && konvex;
    }
    return ergebnis;
}

// The surface round the faces: every corner one of two faces at least (two faces that one plane
// holds with their union convex are one face, and a corner the merge leaves to it and to one
// other face, off the edge between them, stays a corner of both, which meet there along two
// edges), and the surface convex: no corner of a neighbour beyond the tolerance outside a
// face's plane. (Closed and convex at every edge, it is the surface of a convex solid.)
bool oberflaecheKonvex(const Orte& o, const std::vector<Rohseite>& seiten) {
    std::vector<std::size_t> anzahl(o.p.size(), 0);
    for (const Rohseite& s : seiten)
        for (std::size_t i : s.ecken()) ++anzahl[i];
    if (std::any_of(anzahl.begin(), anzahl.end(), [](std::size_t a) { return a == 1; })) return false;
    for (const Rohseite& s : seiten)
        for (std::size_t g : s.nachbarn)
            for (std::size_t i : seiten[g].ecken())
                if (!(s.hoehe(o.p[i]) <= o.eps)) return false;
    return true;
}

// The points kept with the faces lie within the tolerance of their face's plane and of its
// neighbours' or below them: none may lie beyond the tolerance outside either plane, nor beside
// the hull: a merge that left a point so far out dropped a corner of the true hull. Every face's
// plane passes such a point within the tolerance, but that says little where faces meet at a
// small angle: beside a thin solid a point half its width away passes the plane of every face.
// So where it lies within the tolerance of a face's plane, it must lie within it of that face
// (its foot on the plane in the face or within the tolerance of its border) or of one reached
// from it over faces whose planes pass as near: the nearest point of the surface is on one of
// them. A point lying deeper below the plane of every face round its own than the tolerance is
// inside.
bool punkteInnenOderAuf(const Orte& o, const std::vector<Rohseite>& seiten, const std::vector<std::size_t>& bei) {
    const std::vector<Tripel>& p = o.p;
    const double eps = o.eps;
    const auto hoehe = [&](std::size_t f, std::size_t i) { return seiten[f].hoehe(p[i]); };
    const auto aufSeite = [&](std::size_t f, std::size_t i) {
        const Seitenflaeche& s = seiten[f].flaeche;
        return s.lageInDerEbene(s.inDerEbene(p[i]), eps) != Seitenflaeche::Lage::aussen;
    };
    std::vector<std::size_t> gesehen(seiten.size(), keine);
    std::vector<std::size_t> schlange;
    const auto innenOderAuf = [&](std::size_t i, std::size_t f) {
        std::size_t start = f;
        for (std::size_t g : seiten[f].nachbarn)
            if (hoehe(g, i) > hoehe(start, i)) start = g;
        if (hoehe(start, i) < -eps) return true;
        schlange.assign(1, start);
        gesehen[start] = i;
        for (std::size_t k = 0; k < schlange.size(); ++k) {
            const std::size_t g = schlange[k];
            if (aufSeite(g, i)) return true;
            for (std::size_t h : seiten[g].nachbarn)
                if (gesehen[h] != i && seiten[h].liegtAuf(p[i], eps)) {
                    gesehen[h] = i;
                    schlange.push_back(h);
                }
        }
        return false;
    };
    for (std::size_t i = 0; i < p.size(); ++i) {
        const std::size_t f = bei[i];
        if (f == keine) continue;
        if (!(hoehe(f, i) <= eps)) return false;
        for (std::size_t g : seiten[f].nachbarn)
            if (!(hoehe(g, i) <= eps)) return false;
        if (!innenOderAuf(i, f)) return false;
    }
    return true;
}

// The checks of a run (see Huellensuche.h): the surface closes, every face passes, the surface
// is convex, and every point kept with a face lies inside the hull or on it.
Lauf pruefen(const Orte& o, const std::vector<Rohseite>& seiten, const std::vector<std::size_t>& bei) {
    if (!geschlossen(seiten, o.p.size())) return Lauf::offen;
    const Seitenpruefung s = seitenPruefen(o, seiten);
    if (s.gut && oberflaecheKonvex(o, seiten) && punkteInnenOderAuf(o, seiten, bei)) return Lauf::gut;
    return s.konvex ? Lauf::seiteFehlerhaft : Lauf::unkonvex;
}

// One run of qhull in the frame r, its neighbours in one plane merged, and every face checked.
Lauf qhullSeiten(const Orte& o, const Rechenrahmen& r, const Laufart& art, Rohhuelle& h) {
    if (!qhullBauen(o, r, art, h)) return Lauf::fehler;
    verschmelzen(o, h);
    return pruefen(o, h.seiten, h.bei);
}

}  // namespace

std::optional<Rohhuelle> raeumlicheSeiten(const Orte& o, const Tripel& naeherung) {
    const std::vector<Tripel>& p = o.p;
    const double eps = o.eps;
    // qhull computes with the places about the centre of their box, where the coordinates carry
    // the most digits, told the rounding of its distances there (grenzen::qhullRundungsStellen).
    if (p.size() > static_cast<std::size_t>(std::numeric_limits<int>::max() / 4)) return std::nullopt;
    const Rechenrahmen rahmen = gewoehnlicherRahmen(p);
    Rohhuelle seiten;
    // The faces of the last run that failed a check on a closed surface, and of the last one
    // whose faces were all convex polygons all the same.
    std::optional<Rohhuelle> zuletzt, zuletztKonvex;
    const auto versuchen = [&](const Rechenrahmen& r, double radius, double rundung, bool zerlegt = false) {
        const Lauf lauf = qhullSeiten(o, r, {radius, rundung, zerlegt}, seiten);
        if (lauf == Lauf::gut) return true;
        if (lauf == Lauf::seiteFehlerhaft) zuletztKonvex = seiten;
        if (lauf != Lauf::fehler && lauf != Lauf::offen) zuletzt = std::move(seiten);
        return false;
    };
    // The merging radius a share of the tolerance first, then smaller ones
    // (grenzen::ersterVerschmelzradius and what follows it), then qhull's merging of rounding
    // errors alone, with the rounding told and with qhull's own estimate of it, should the
    // smaller one have failed it.
    double radius = grenzen::ersterVerschmelzradius * eps;
    for (int k = 0; k <= grenzen::kleinereVerschmelzradien; ++k, radius *= grenzen::verschmelzradiusSchritt)
        if (versuchen(rahmen, radius, rahmen.rundung)) return seiten;
    if (versuchen(rahmen, 0, rahmen.rundung) || versuchen(rahmen, 0, 0)) return seiten;
    // A thin cloud in the frame of its best plane, stretched, its facets merged by the search
    // alone.
    if (const std::optional<Ausgleichsebene> e = ausgleichsebene(p, naeherung); e && e->abstand > 0) {
        const double weite = lagebox(p).weite();
        if (2 * e->abstand < grenzen::duennAnteil * weite) {
            const double dehnung = std::ldexp(1.0, std::ilogb(weite / (2 * e->abstand)));
            const Rechenrahmen gedehnt = gedehnterRahmen(p, *e, dehnung);
            if (versuchen(gedehnt, 0, gedehnt.rundung)) return seiten;
        }
    }
    // qhull's facets as triangles, merged by the search alone where the merged face is a
    // polygon.
    if (versuchen(rahmen, 0, rahmen.rundung, true)) return seiten;
    // Not even the faces of qhull's own rounding pass every check (a place a tolerance or two
    // from another far from the origin, where qhull's arithmetic cannot see the slivers
    // between them): they are the hull all the same, those whose faces all count in every
    // measure where there are such. A surface that is not closed is never the hull: where every
    // run leaves one, there is none.
    return zuletztKonvex ? zuletztKonvex : zuletzt;
}

}  // namespace quodral::huellensuche
