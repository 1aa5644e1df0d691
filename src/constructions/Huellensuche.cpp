#include "constructions/Huellensuche.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <limits>
#include <memory>
#include <numeric>
#include <optional>

#include "geometry/Ausgleichsebene.h"
#include "geometry/Grenzen.h"
#include "geometry/Linienlage.h"
#include "geometry/Numerik.h"
#include "geometry/Raumgeometrie.h"
#include "geometry/Seitenflaeche.h"
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

// The places the faces of a run are built over: the cloud's distinct places brought to unit
// size (Einheitswolke below), the scale that brought them there, and the tolerance at that
// size. Each face of the hull is a face in its own plane over these places (Seitenflaeche.h),
// and every question asked of a face (its plane, how far a place lies from it, whether a place
// lies over it, whether it is convex) is the face's own.
struct Orte {
    const std::vector<Tripel>& p;
    const Zweiermass& mass;
    double eps;
    // The face of the places with these indices, in their order.
    Seitenflaeche seite(std::vector<std::size_t> ecken) const { return Seitenflaeche(p, std::move(ecken), mass, eps); }
};

// A face as the search builds it: the face over its corners in their order round it
// (counter-clockwise seen from outside, its normal pointing out) and the faces across its
// edges (by their numbers).
struct Rohseite {
    Seitenflaeche flaeche;
    std::vector<std::size_t> nachbarn;
    // Of a face merged from several: the plane that holds its corners (theirs and of the faces
    // it took in) within the tolerance, their best plane. Its own plane, through the mean of
    // its corners, may pass a corner inside it farther off: the point below the base of a
    // pyramid that the three faces round it shared lies a tolerance and more below the base's
    // corners, and within the tolerance of the plane that holds them all.
    // (Held apart, so that the thousands of faces that took none in stay small to move.)
    std::shared_ptr<const Ausgleichsebene> traeger;
    const std::vector<std::size_t>& ecken() const { return flaeche.ecken().index(); }
    // The height of p over the face along its outward normal: over its own plane, or over the
    // plane that holds it where p lies lower there. A place lies below the face, or within the
    // tolerance of it, where it does so for one of the two.
    double hoehe(const Tripel& p) const {
        const double h = flaeche.abstand(p);
        return traeger ? std::min(h, ueberTraeger(p)) : h;
    }
    bool liegtAuf(const Tripel& p, double eps) const {
        return std::fabs(flaeche.abstand(p)) <= eps || (traeger && std::fabs(ueberTraeger(p)) <= eps);
    }
    // The height of p over the plane that holds a merged face.
    double ueberTraeger(const Tripel& p) const { return skalar(traeger->normale, p - traeger->punkt); }
};

// The hull as one run of qhull leaves it: its faces, and per place the face qhull keeps it
// with (keine for a corner).
struct Rohhuelle {
    std::vector<Rohseite> seiten;
    std::vector<std::size_t> bei;
};

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

// The face f ended in: where it went into another (wohin: per face the face it went into,
// itself while it stands), the one that one ended in.
std::size_t endeVon(const std::vector<std::size_t>& wohin, std::size_t f) {
    while (wohin[f] != f) f = wohin[f];
    return f;
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
    for (std::size_t f = 0; f < F; ++f) nummer[f] = nummer[endeVon(wohin, f)];
    const auto ordnen = [&nummer](Rohseite& s, std::size_t eigene) {
        for (std::size_t& g : s.nachbarn) g = nummer[g];
        std::sort(s.nachbarn.begin(), s.nachbarn.end());
        s.nachbarn.erase(std::unique(s.nachbarn.begin(), s.nachbarn.end()), s.nachbarn.end());
        s.nachbarn.erase(std::remove(s.nachbarn.begin(), s.nachbarn.end(), eigene), s.nachbarn.end());
    };
    // Where every face stayed (most hulls have no sliver), they keep their places.
    if (neu == F) {
        for (std::size_t f = 0; f < F; ++f) ordnen(seiten[f], f);
        return nummer;
    }
    std::vector<Rohseite> bleibende;
    bleibende.reserve(neu);
    for (std::size_t f = 0; f < F; ++f) {
        if (wohin[f] != f) continue;
        ordnen(seiten[f], nummer[f]);
        bleibende.push_back(std::move(seiten[f]));
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

// The facets of the places through qhull, computing in the frame r, whose facets merge within
// the centrum radius `radius` (0: only where rounding makes them non-convex), qhull taking
// `rundung` for the rounding error of its distances (0: its own estimate): each facet's
// corners in their order round it, counter-clockwise seen from outside, and its neighbours,
// the slivers taken into their neighbours; and per place that is no corner the face qhull
// keeps it with. False where qhull fails.
bool qhullBauen(const Orte& o, const Rechenrahmen& r, double radius, double rundung, Rohhuelle& huelle) {
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

// --- Merge: faces round a face that one plane holds -----------------------------------------

// qhull merges facets by the centrum radius, one neighbour at a time, and so can leave
// neighbours apart that one plane holds within the tolerance (in a slab a few tolerances thick,
// the facets of its broad sides; round a corner a tolerance off the plane of the facets about
// it, where no two of them make a convex polygon and all of them do). A face of the hull is a
// maximal set of points on a supporting plane: the faces round a face whose corners the best
// plane of them all holds within the tolerance (geometry/Ausgleichsebene.h), and which face
// the side it faces, are merged into one where the merged face, tested as a whole, runs once
// round them all, is a convex polygon by the polygons' own test (with half its side tolerance,
// as every face is checked), holds all their corners within the tolerance of its own plane and
// the places qhull keeps with them within it or below, and has no corner of a face next to it
// beyond the tolerance outside that plane. A corner inside the merged face goes with it; a
// corner left a corner of two faces lies on the edge between them and goes from both, which
// stay convex. Where the faces round a face fail as a whole, the face and one of them across
// its edges are tried, then those reached first. Repeated until no faces merge; the faces are
// then numbered afresh and every point kept with a face that went goes with the merged one.

// The state of the merge: per face the face it went into (itself while it stands), per face
// the places qhull keeps with it, per place the number of faces it is a corner of.
struct Verschmelzung {
    const Orte& o;
    Rohhuelle& huelle;
    std::vector<std::size_t> wohin;
    std::vector<std::vector<std::size_t>> behalten;
    std::vector<std::size_t> anzahl;
    std::vector<std::size_t> marke;   // per face the look at the surroundings of a face that last reached it
    std::size_t blick = 0;            // the number of that look
    // The neighbours that a look found near one plane and facing its side: the pairs that may
    // make one face.
    std::vector<std::pair<std::size_t, std::size_t>> paare;
    std::vector<std::size_t> ecken, mit;   // room for the corners of the faces looked at

    Verschmelzung(const Orte& orte, Rohhuelle& h)
        : o(orte), huelle(h), wohin(h.seiten.size()), behalten(h.seiten.size()), anzahl(orte.p.size(), 0),
          marke(h.seiten.size(), keine) {
        std::iota(wohin.begin(), wohin.end(), std::size_t{0});
        for (std::size_t i = 0; i < h.bei.size(); ++i)
            if (h.bei[i] != keine) behalten[h.bei[i]].push_back(i);
        for (const Rohseite& s : h.seiten)
            for (std::size_t i : s.ecken()) ++anzahl[i];
    }
    std::size_t ende(std::size_t f) const { return endeVon(wohin, f); }
    const Rohseite& seite(std::size_t f) const { return huelle.seiten[f]; }
};

// The faces round f that one plane holds with f within the tolerance, in the order they are
// reached (f first): each face across an edge of those taken that faces the side of that plane,
// whose corners the best plane of all corners taken so far holds along with them, with the
// places kept with any of them within the tolerance of that plane or below it.
void ebeneGegend(Verschmelzung& v, std::size_t f, std::vector<std::size_t>& gegend) {
    const std::vector<Tripel>& p = v.o.p;
    const double eps = v.o.eps;
    const std::size_t blick = ++v.blick;
    gegend.assign(1, f);
    v.marke[f] = blick;
    // The corners taken so far, and the plane that holds them (f's own to begin with).
    std::vector<std::size_t>& ecken = v.ecken;
    ecken = v.seite(f).ecken();
    const Rohseite& erste = v.seite(f);
    Tripel normale = erste.traeger ? erste.traeger->normale : erste.flaeche.normale();
    Tripel punkt = erste.traeger ? erste.traeger->punkt : erste.flaeche.mitte();
    const auto hoehe = [&](std::size_t i) { return skalar(normale, p[i] - punkt); };
    // The places kept with the faces lie within the tolerance of that plane or below it.
    const auto darunter = [&](std::size_t g) {
        return std::all_of(v.behalten[g].begin(), v.behalten[g].end(), [&](std::size_t i) { return hoehe(i) <= eps; });
    };
    if (!darunter(f)) return;
    for (std::size_t k = 0; k < gegend.size(); ++k)
        for (std::size_t g0 : v.seite(gegend[k]).nachbarn) {
            const std::size_t g = v.ende(g0);
            if (v.marke[g] == blick) continue;
            // A face that turns away from the plane (a thin solid's rim, folding back under its
            // broad side) is no part of a face on it, however near its corners lie.
            if (!(skalar(v.seite(g).flaeche.normale(), normale) > 0)) continue;
            const std::vector<std::size_t>& neue = v.seite(g).ecken();
            if (std::any_of(neue.begin(), neue.end(),
                            [&](std::size_t i) { return std::fabs(hoehe(i)) > grenzen::verschmelzNaehe * eps; }))
                continue;
            v.paare.emplace_back(gegend[k], g);
            const Tripel vorherNormale = normale, vorherPunkt = punkt;
            if (std::any_of(neue.begin(), neue.end(), [&](std::size_t i) { return std::fabs(hoehe(i)) > eps; })) {
                // Beyond the plane so far: the best plane of all corners decides.
                std::vector<std::size_t>& mit = v.mit;
                mit = ecken;
                mit.insert(mit.end(), neue.begin(), neue.end());
                const std::optional<Ausgleichsebene> e = ausgleichsebene(p, normale, mit);
                if (!e || !(e->abstand <= eps)) continue;
                normale = e->normale;
                punkt = e->punkt;
            }
            if (!darunter(g) || !std::all_of(gegend.begin(), gegend.end(), darunter)) {
                normale = vorherNormale;
                punkt = vorherPunkt;
                continue;
            }
            v.marke[g] = blick;
            gegend.push_back(g);
            ecken.insert(ecken.end(), neue.begin(), neue.end());
        }
}

// The faces merged: the walk round them all, its corners inside, and the corners that go from
// it and from the face beside it.
struct Vereinigung {
    std::vector<std::size_t> umlauf;   // the merged walk before the corners on an edge go
    std::vector<std::size_t> innen;    // corners of the faces that lie inside the merged one
    std::vector<std::pair<std::size_t, std::size_t>> fallen;   // (corner, the other face at it)
};

// The shared chain: the walk round the faces (their edges that no other of them runs the
// other way, joined), the corners inside it, and the corners left a corner of two faces. None
// where the edges do not close to one walk that passes each corner once, or where a corner is
// left a corner of fewer than two faces.
std::optional<Vereinigung> gemeinsamerRand(const Verschmelzung& v, const std::vector<std::size_t>& gegend) {
    std::vector<std::pair<std::size_t, std::size_t>> kanten;
    for (std::size_t f : gegend) {
        const std::vector<std::size_t>& e = v.seite(f).ecken();
        for (std::size_t k = 0; k < e.size(); ++k) kanten.emplace_back(e[k], e[(k + 1) % e.size()]);
    }
    std::vector<std::pair<std::size_t, std::size_t>> sortiert = kanten;
    std::sort(sortiert.begin(), sortiert.end());
    const auto innenKante = [&](std::size_t a, std::size_t b) {
        return std::binary_search(sortiert.begin(), sortiert.end(), std::pair{b, a});
    };
    // Per corner on the border the corner after it; a corner with two is passed twice.
    std::vector<std::pair<std::size_t, std::size_t>> weiter;
    for (const auto& [a, b] : kanten)
        if (!innenKante(a, b)) weiter.emplace_back(a, b);
    if (weiter.size() < 3) return std::nullopt;
    const std::size_t randKanten = weiter.size();
    const std::size_t start = weiter.front().first;
    std::sort(weiter.begin(), weiter.end());
    for (std::size_t k = 1; k < weiter.size(); ++k)
        if (weiter[k].first == weiter[k - 1].first) return std::nullopt;
    Vereinigung u;
    for (std::size_t a = start;;) {
        u.umlauf.push_back(a);
        const auto it = std::lower_bound(weiter.begin(), weiter.end(), std::pair{a, std::size_t{0}});
        if (it == weiter.end() || it->first != a) return std::nullopt;
        a = it->second;
        if (a == start) break;
        if (u.umlauf.size() > randKanten) return std::nullopt;
    }
    // A second walk (the faces enclose another): not one face.
    if (u.umlauf.size() != randKanten) return std::nullopt;
    // The corners by the number of the faces among them that have them: those inside are
    // corners of no other face; one on the border stays a corner of the others and the merged
    // face, and where those are two, it lies on the edge between them.
    std::vector<std::size_t> ecken;
    for (const auto& [a, b] : kanten) ecken.push_back(a);
    std::sort(ecken.begin(), ecken.end());
    for (std::size_t k = 0; k < ecken.size();) {
        std::size_t j = k;
        while (j < ecken.size() && ecken[j] == ecken[k]) ++j;
        const std::size_t i = ecken[k], dabei = j - k;
        if (v.anzahl[i] < dabei) return std::nullopt;
        const std::size_t sonst = v.anzahl[i] - dabei;
        const bool amRand = std::binary_search(weiter.begin(), weiter.end(), std::pair{i, std::size_t{0}},
                                               [](const auto& x, const auto& y) { return x.first < y.first; });
        if (!amRand) {
            if (sonst != 0) return std::nullopt;
            u.innen.push_back(i);
        } else if (sonst < 1) {
            return std::nullopt;
        } else if (sonst == 1) {
            // The one face beside them at it: across an edge of one of them.
            std::optional<std::size_t> dritte;
            for (std::size_t f : gegend)
                for (std::size_t h0 : v.seite(f).nachbarn) {
                    const std::size_t h = v.ende(h0);
                    const std::vector<std::size_t>& c = v.seite(h).ecken();
                    if (!dritte && std::find(gegend.begin(), gegend.end(), h) == gegend.end() &&
                        std::find(c.begin(), c.end(), i) != c.end())
                        dritte = h;
                }
            if (!dritte) return std::nullopt;
            u.fallen.emplace_back(i, *dritte);
        }
        k = j;
    }
    return u;
}

// The merged face and the faces beside it that lose a corner, where the merge holds: every
// corner that goes lies within the tolerance of the edge that stays, every face concerned is a
// convex polygon (with half its side tolerance), the merged face holds every point of the
// faces within the tolerance of its plane, and no corner of a face next to it lies beyond the
// tolerance outside that plane.
struct Verschmolzen {
    Seitenflaeche flaeche;
    Ausgleichsebene traeger;
    std::vector<std::pair<std::size_t, Seitenflaeche>> andere;
};

std::optional<Verschmolzen> verschmelzungstest(const Verschmelzung& v, const std::vector<std::size_t>& gegend,
                                               const Vereinigung& u) {
    const std::vector<Tripel>& p = v.o.p;
    const double eps = v.o.eps;
    const auto geht = [&](std::size_t i) {
        return std::any_of(u.fallen.begin(), u.fallen.end(), [&](const auto& x) { return x.first == i; });
    };
    const std::vector<std::size_t>& w = u.umlauf;
    std::vector<std::size_t> neu;
    for (std::size_t k = 0; k < w.size(); ++k) {
        if (!geht(w[k])) {
            neu.push_back(w[k]);
            continue;
        }
        // It lies on the edge that stays: within the tolerance of the segment between its
        // neighbours in the merged walk.
        const Tripel& a = p[w[(k + w.size() - 1) % w.size()]];
        const Tripel& b = p[w[(k + 1) % w.size()]];
        if (!(streckenabstand(p[w[k]], a, b) <= eps)) return std::nullopt;
    }
    Verschmolzen ergebnis{v.o.seite(neu), {}, {}};
    const Seitenflaeche& flaeche = ergebnis.flaeche;
    if (!flaeche.konvexInDerToleranz(grenzen::seitenKonvexAnteil)) return std::nullopt;
    // The plane that holds the corners of all the faces: their best plane, within the
    // tolerance.
    std::vector<std::size_t> alle;
    for (std::size_t f : gegend) alle.insert(alle.end(), v.seite(f).ecken().begin(), v.seite(f).ecken().end());
    const std::optional<Ausgleichsebene> traeger = ausgleichsebene(p, flaeche.normale(), alle);
    if (!traeger || !(traeger->abstand <= eps)) return std::nullopt;
    ergebnis.traeger = *traeger;
    if (skalar(ergebnis.traeger.normale, flaeche.normale()) < 0) ergebnis.traeger.normale = -ergebnis.traeger.normale;
    const Rohseite vereint{flaeche, {}, std::make_shared<const Ausgleichsebene>(ergebnis.traeger)};
    const auto hoehe = [&](std::size_t i) { return vereint.hoehe(p[i]); };
    // The faces all face the side the merged one faces: none folds back under another.
    if (std::any_of(gegend.begin(), gegend.end(),
                    [&](std::size_t f) { return !(skalar(v.seite(f).flaeche.normale(), flaeche.normale()) > 0); }))
        return std::nullopt;
    // The faces beside it without the corners that go.
    for (const auto& [i, h] : u.fallen) {
        if (std::any_of(ergebnis.andere.begin(), ergebnis.andere.end(), [&](const auto& x) { return x.first == h; }))
            continue;
        std::vector<std::size_t> c = v.seite(h).ecken();
        c.erase(std::remove_if(c.begin(), c.end(), geht), c.end());
        Seitenflaeche andere = v.o.seite(std::move(c));
        if (!andere.konvexInDerToleranz(grenzen::seitenKonvexAnteil)) return std::nullopt;
        ergebnis.andere.emplace_back(h, std::move(andere));
    }
    // Every place kept with the faces within the tolerance of that plane or below it, and no
    // corner of a face next to it beyond the tolerance outside it.
    const auto darunter = [&](std::size_t i) { return hoehe(i) <= eps; };
    for (std::size_t f : gegend)
        if (!std::all_of(v.behalten[f].begin(), v.behalten[f].end(), darunter)) return std::nullopt;
    for (std::size_t f : gegend)
        for (std::size_t h0 : v.seite(f).nachbarn)
            for (std::size_t i : v.seite(v.ende(h0)).ecken())
                if (!darunter(i)) return std::nullopt;
    return ergebnis;
}

// The bookkeeping of a merge: the first of the faces becomes the merged one and takes the
// others' neighbours and kept places, and the corners that went from it; the others go into
// it; the faces beside it that lost a corner take their new walks; every corner counts its
// faces afresh.
void verbuchen(Verschmelzung& v, const std::vector<std::size_t>& gegend, const Vereinigung& u, Verschmolzen&& m) {
    std::vector<Rohseite>& seiten = v.huelle.seiten;
    const std::size_t f = gegend.front();
    for (std::size_t g : gegend)
        for (std::size_t i : seiten[g].ecken()) --v.anzahl[i];
    for (std::size_t i : m.flaeche.ecken().index()) ++v.anzahl[i];
    for (auto& [h, flaeche] : m.andere) {
        for (std::size_t i : seiten[h].ecken()) --v.anzahl[i];
        for (std::size_t i : flaeche.ecken().index()) ++v.anzahl[i];
        seiten[h].flaeche = std::move(flaeche);
    }
    std::vector<std::size_t> nachbarn;
    for (std::size_t g : gegend) {
        nachbarn.insert(nachbarn.end(), seiten[g].nachbarn.begin(), seiten[g].nachbarn.end());
        if (g == f) continue;
        v.behalten[f].insert(v.behalten[f].end(), v.behalten[g].begin(), v.behalten[g].end());
        v.behalten[g].clear();
        v.wohin[g] = f;
    }
    seiten[f].flaeche = std::move(m.flaeche);
    seiten[f].traeger = std::make_shared<const Ausgleichsebene>(m.traeger);
    seiten[f].nachbarn = std::move(nachbarn);
    for (std::size_t i : u.innen) {
        v.behalten[f].push_back(i);
        v.huelle.bei[i] = f;
    }
    for (const auto& [i, h] : u.fallen) {
        v.behalten[f].push_back(i);
        v.huelle.bei[i] = f;
    }
}

void verschmelzen(const Orte& o, Rohhuelle& huelle) {
    Verschmelzung v(o, huelle);
    const std::size_t S = huelle.seiten.size();
    bool verschmolzen = false;
    std::vector<std::size_t> gegend;
    const auto versuchen = [&](const std::vector<std::size_t>& welche) {
        const std::optional<Vereinigung> u = gemeinsamerRand(v, welche);
        if (!u) return false;
        std::optional<Verschmolzen> m = verschmelzungstest(v, welche, *u);
        if (!m) return false;
        verbuchen(v, welche, *u, std::move(*m));
        return true;
    };
    for (bool weiter = true; weiter;) {
        weiter = false;
        for (std::size_t f = 0; f < S; ++f) {
            if (v.wohin[f] != f) continue;
            ebeneGegend(v, f, gegend);
            if (gegend.size() < 2) continue;
            // All of them; else f and one of them across an edge of f; else those reached
            // first.
            bool getan = versuchen(gegend);
            for (std::size_t k = 1; k < gegend.size() && !getan; ++k) {
                const std::vector<std::size_t>& n = v.seite(f).nachbarn;
                if (std::any_of(n.begin(), n.end(), [&](std::size_t g0) { return v.ende(g0) == gegend[k]; }))
                    getan = versuchen({f, gegend[k]});
            }
            for (std::size_t k = gegend.size() - 1; k > 2 && !getan; --k)
                getan = versuchen(std::vector<std::size_t>(gegend.begin(), gegend.begin() + static_cast<std::ptrdiff_t>(k)));
            if (getan) weiter = verschmolzen = true;
        }
        if (weiter) continue;
        // No two neighbours stay apart that one plane holds and whose union is convex: each
        // pair across an edge that a look found near one plane and facing one side is tried
        // on its own, which the faces round one of them, taken together, may have left out.
        std::vector<std::pair<std::size_t, std::size_t>> paare;
        std::swap(paare, v.paare);
        for (const auto& [f0, g0] : paare) {
            const std::size_t f = v.ende(f0), g = v.ende(g0);
            if (f != g && versuchen({f, g})) weiter = verschmolzen = true;
        }
    }
    if (!verschmolzen) return;
    const std::vector<std::size_t> nummer = bleibendeSeiten(huelle.seiten, v.wohin);
    for (std::size_t& f : huelle.bei)
        if (f != keine) f = nummer[f];
}

// --- Assign: the points onto their faces ------------------------------------------------------

// Per face its points, ascending: its corners, and every point kept with it or with a
// neighbour (qhull's bei) that lies within the tolerance of its plane (a point on an edge
// belongs to both faces).
std::vector<std::vector<std::size_t>> zuordnen(const Orte& o, const Rohhuelle& h) {
    const std::vector<Rohseite>& seiten = h.seiten;
    std::vector<std::vector<std::size_t>> punkte(seiten.size());
    for (std::size_t f = 0; f < seiten.size(); ++f) punkte[f] = seiten[f].ecken();
    for (std::size_t i = 0; i < o.p.size(); ++i) {
        const std::size_t f = h.bei[i];
        if (f == keine) continue;
        const auto nimm = [&](std::size_t g) {
            if (seiten[g].liegtAuf(o.p[i], o.eps)) punkte[g].push_back(i);
        };
        nimm(f);
        for (std::size_t g : seiten[f].nachbarn) nimm(g);
    }
    for (std::vector<std::size_t>& q : punkte) {
        std::sort(q.begin(), q.end());
        q.erase(std::unique(q.begin(), q.end()), q.end());
    }
    return punkte;
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

// Every face within the tolerance of its plane and convex, every corner a corner of three
// faces, the surface convex, and every point kept with a face inside the hull or on it (see
// Huellensuche.h).
Lauf pruefen(const Orte& o, const std::vector<Rohseite>& seiten, const std::vector<std::size_t>& bei) {
    const std::vector<Tripel>& p = o.p;
    const double eps = o.eps;
    const std::size_t S = seiten.size();
    if (!geschlossen(seiten, p.size())) return Lauf::offen;
    const auto hoehe = [&](std::size_t f, std::size_t i) { return seiten[f].hoehe(p[i]); };
    bool allesGut = true, alleKonvex = true;
    for (const Rohseite& s : seiten) {
        // Every corner within the tolerance of the face's plane, and its corners convex (a clear
        // triangle is, without further question).
        const std::vector<std::size_t>& e = s.ecken();
        const bool eben =
            std::all_of(e.begin(), e.end(), [&](std::size_t i) { return s.liegtAuf(p[i], eps); });
        const bool konvex = s.flaeche.konvexInDerToleranz(grenzen::seitenKonvexAnteil);
        // Without the margin, as the polygon will ask it once registered.
        alleKonvex = alleKonvex && (konvex || s.flaeche.konvex());
        allesGut = allesGut && eben && konvex;
    }
    const auto ergebnis = [&] { return allesGut ? Lauf::gut : alleKonvex ? Lauf::seiteFehlerhaft : Lauf::unkonvex; };
    // Every corner is one of three faces at least: where a sliver went into a face that was
    // already its neighbour across another edge, two faces meet in two edges, and the corner
    // between them is none of a convex solid.
    {
        std::vector<std::size_t> anzahl(p.size(), 0);
        for (const Rohseite& s : seiten)
            for (std::size_t i : s.ecken()) ++anzahl[i];
        for (std::size_t a : anzahl) allesGut = allesGut && (a == 0 || a >= 3);
    }
    // The surface is convex: no corner of a neighbour lies beyond the tolerance outside a
    // face's plane. (Closed and convex at every edge, it is the surface of a convex solid.)
    for (std::size_t f = 0; f < S && allesGut; ++f)
        for (std::size_t g : seiten[f].nachbarn)
            for (std::size_t i : seiten[g].ecken()) allesGut = allesGut && hoehe(f, i) <= eps;
    if (!allesGut) return ergebnis();
    // Place i lies within the tolerance of face f: its foot on the plane lies in the face or
    // within the tolerance of its border.
    const auto aufSeite = [&](std::size_t f, std::size_t i) {
        const Seitenflaeche& s = seiten[f].flaeche;
        return s.lageInDerEbene(s.inDerEbene(p[i]), eps) != Seitenflaeche::Lage::aussen;
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
    // The points kept with a face lie within the tolerance of its plane and of its
    // neighbours' or below them: none may lie beyond the tolerance outside either plane, nor
    // beside the hull: a merge that left a point so far out dropped a corner of the true hull.
    for (std::size_t i = 0; i < p.size() && allesGut; ++i) {
        const std::size_t f = bei[i];
        if (f == keine) continue;
        allesGut = hoehe(f, i) <= eps;
        for (std::size_t g : seiten[f].nachbarn) allesGut = allesGut && hoehe(g, i) <= eps;
        allesGut = allesGut && innenOderAuf(i, f);
    }
    return ergebnis();
}

// One run of qhull in the frame r, its neighbours in one plane merged, and every face checked.
Lauf qhullSeiten(const Orte& o, const Rechenrahmen& r, double radius, double rundung, Rohhuelle& h) {
    if (!qhullBauen(o, r, radius, rundung, h)) return Lauf::fehler;
    verschmelzen(o, h);
    return pruefen(o, h.seiten, h.bei);
}

// The faces of a cloud of places that spans space: qhull's merged facets, or, where one of
// them fails its check, those of a thin cloud's stretched frame or of a smaller merging radius
// (see Huellensuche.h). naeherung: the unit normal of a plane near the cloud's best one.
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
    const auto versuchen = [&](const Rechenrahmen& r, double radius, double rundung) {
        const Lauf lauf = qhullSeiten(o, r, radius, rundung, seiten);
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
    // Not even the faces of qhull's own rounding pass every check (a place a tolerance or two
    // from another far from the origin, where qhull's arithmetic cannot see the slivers
    // between them): they are the hull all the same, those whose faces all count in every
    // measure where there are such. A surface that is not closed is never the hull: where every
    // run leaves one, there is none.
    return zuletztKonvex ? zuletztKonvex : zuletzt;
}

// =============================================================================================
// The plain search's order

// The last triple i < j < k of the ascending indices whose normal passes the plain search's
// null test (squared length at least nullTest), brought to the cloud's scale where its extent is
// below 1 (at least nullTest · extent⁴): a small cloud's triples are no less planes than a
// large one's. Last in the order of the plain search, which tries i from the back, within it j
// from the back, within that k: the largest i, then the largest j, then the largest k.
//
// Found without trying every triple (a face of thousands of points at one place, beside two
// far ones, has millions of triples before its first plane): the points from i on hold a
// triple that passes exactly where i is at most the last triple's first index, since the
// points after that first index hold none; so the first index is the largest i for which they
// hold one, found by halving. Likewise its second: the largest j for which the first and the
// points from j on hold one. Whether points hold a passing triple is decided on three of them:
// p, q the one farthest from p, r the one farthest from their line; the doubled area V of p, q,
// r is at least a twelfth of that of every triple (all lie within |q − p| of p and within
// r's distance of the line), and none exceeds what the box round them allows; so the points
// hold a passing triple where p, q, r pass, and none where the lesser of 12 V and the box's
// bound, with the rounding of a normal as computed, falls short of the bound. Between the two
// (a few points about the bound, or points on a line far from the origin, whose rounding alone
// passes the plain search's absolute test) their triples are tried.
Tripel normaleDerIndizes(const std::vector<Punkt>& pkte, const std::vector<std::size_t>& s, std::size_t a,
                         std::size_t b, std::size_t c) {
    return normaleWieEbeneDurch(pkte[s[a]], pkte[s[b]], pkte[s[c]]);
}

bool bestehtTest(const Tripel& n, double grenze) { return std::fabs(skalar(n, n)) >= grenze; }

// The points s[erster] (where given) and s[von], s[von + 1], ... hold a triple whose normal, in
// their order, passes the null test.
bool haeltEbene(const std::vector<Punkt>& pkte, const std::vector<std::size_t>& s, std::optional<std::size_t> erster,
                std::size_t von, double grenze) {
    std::vector<std::size_t> w;
    if (erster) w.push_back(*erster);
    for (std::size_t k = von; k < s.size(); ++k) w.push_back(k);
    if (w.size() < 3) return false;
    const auto lage = [&](std::size_t k) { return ort(pkte[s[k]]); };
    const Tripel p = lage(w[0]);
    std::size_t q = w[1];
    double weit = -1;
    for (std::size_t k : w)
        if (const Tripel d = lage(k) - p; skalar(d, d) > weit) {
            weit = skalar(d, d);
            q = k;
        }
    std::size_t r = w[w.size() - 1] != q ? w[w.size() - 1] : w[1];
    double quer = -1;
    if (weit > 0) {
        const Tripel u = (1 / std::sqrt(weit)) * (lage(q) - p);
        for (std::size_t k : w)
            if (const Tripel d = kreuz(u, lage(k) - p); skalar(d, d) > quer) {
                quer = skalar(d, d);
                r = k;
            }
    }
    std::array<std::size_t, 3> t{w[0], q, r};
    std::sort(t.begin(), t.end());
    if (t[0] != t[1] && t[1] != t[2] && bestehtTest(normaleDerIndizes(pkte, s, t[0], t[1], t[2]), grenze)) return true;
    // No triple's doubled area exceeds 12 V, nor that of the box round the points: the
    // projection of a triangle on a coordinate plane lies in the box's rectangle there and
    // encloses at most half of it. No normal as computed strays from the true one by more than
    // grenzen::normalenRundung units of the last place of |q − p|².
    std::vector<Tripel> orte;
    orte.reserve(w.size());
    for (std::size_t k : w) orte.push_back(lage(k));
    const Lagebox box = lagebox(orte);
    const Tripel seiten{box.hi[0] - box.lo[0], box.hi[1] - box.lo[1], box.hi[2] - box.lo[2]};
    const double inBox = laenge({seiten.y * seiten.z, seiten.z * seiten.x, seiten.x * seiten.y});
    const double schranke = std::min(12 * std::sqrt(std::max(weit, 0.0) * std::max(quer, 0.0)), inBox) +
                            grenzen::normalenRundung * std::numeric_limits<double>::epsilon() * std::max(weit, 0.0);
    if (schranke * schranke * (1 + grenzen::projektionsRundung) < grenze) return false;
    for (std::size_t i = 0; i < w.size(); ++i)
        for (std::size_t j = i + 1; j < w.size(); ++j)
            for (std::size_t k = j + 1; k < w.size(); ++k)
                if (bestehtTest(normaleDerIndizes(pkte, s, w[i], w[j], w[k]), grenze)) return true;
    return false;
}

// The largest x in [lo, hi] for which gilt(x) holds, where it holds for every x up to some
// bound and for none beyond; nothing where it holds for none.
template <class F> std::optional<std::size_t> groessteMit(std::size_t lo, std::size_t hi, F gilt) {
    if (lo > hi || !gilt(lo)) return std::nullopt;
    while (lo < hi) {
        const std::size_t mitte = lo + (hi - lo + 1) / 2;
        if (gilt(mitte)) lo = mitte;
        else hi = mitte - 1;
    }
    return lo;
}

std::optional<std::array<std::size_t, 3>> letztesTripel(const std::vector<Punkt>& pkte,
                                                        const std::vector<std::size_t>& s, double grenze) {
    if (s.size() < 3) return std::nullopt;
    const std::size_t n = s.size();
    // Three points (the most faces of a hull) are their one triple.
    if (n == 3) {
        if (bestehtTest(normaleDerIndizes(pkte, s, 0, 1, 2), grenze)) return std::array<std::size_t, 3>{s[0], s[1], s[2]};
        return std::nullopt;
    }
    const std::optional<std::size_t> a =
        groessteMit(0, n - 3, [&](std::size_t i) { return haeltEbene(pkte, s, std::nullopt, i, grenze); });
    if (!a) return std::nullopt;
    const std::optional<std::size_t> b =
        groessteMit(*a + 1, n - 2, [&](std::size_t j) { return haeltEbene(pkte, s, *a, j, grenze); });
    if (!b) return std::nullopt;
    for (std::size_t c = n; c-- > *b + 1;)
        if (bestehtTest(normaleDerIndizes(pkte, s, *a, *b, c), grenze)) return std::array<std::size_t, 3>{s[*a], s[*b], s[c]};
    return std::nullopt;
}

// The cloud as the search computes with it: its places brought to an extent between 1 and 2
// by a power of two (Zweiermass, which changes no digit), and its tolerance with them. qhull
// and every test of a face see a cloud of about unit size, whatever its extent: no product of
// differences overflows or falls among the subnormal numbers, and since scaling by a power of
// two commutes with every rounding, each decision is the one the given places would have where
// their products are doubles. The places are held where no move of the cloud moves them: the
// faces handed over keep no copy of them.
struct Einheitswolke {
    std::shared_ptr<std::vector<Tripel>> orte = std::make_shared<std::vector<Tripel>>();
    Zweiermass mass{0};
    double eps = 0;
    const std::vector<Tripel>& p() const { return *orte; }
};

Einheitswolke einheitswolke(const std::vector<Punkt>& pkte) {
    Einheitswolke w;
    std::vector<Tripel>& p = *w.orte;
    p.reserve(pkte.size());
    for (const Punkt& q : pkte) p.push_back(ort(q));
    const Lagebox box = lagebox(p);
    w.mass = Zweiermass(box.weite());
    for (Tripel& t : p) t = w.mass.auf(t);
    w.eps = w.mass.auf(lagetoleranz(box));
    return w;
}

// The faces of the cloud's true hull as the search found them, in qhull's order: per face its
// points, its corners in their order round it (counter-clockwise seen from outside, of points
// at one place the one with the largest index), one point of each place it holds (none listed
// where every place of the cloud is one point: the face's points are its places), the faces
// across its edges and its outward unit normal; the one face of a flat cloud holds every point
// and has no corners yet.
struct Seitenbefund {
    Einheitswolke wolke;
    std::vector<std::vector<std::size_t>> punkte, ecken, stellen;
    std::vector<Tripel> normalen;
    // The faces as the search built them, over the cloud's distinct places (their corners in
    // the order of ecken), with their neighbours; none for a flat cloud.
    std::vector<Rohseite> roh;
    bool flach = false, fehler = false;
};

// How far a point may lie from a plane and still count as on it, for this cloud.
double toleranz(const std::vector<Punkt>& pkte) { return lagetoleranz(ortsvektoren(pkte)); }

// A unit normal of the cloud's plane when the cloud is flat: it spans a plane (not all points
// within the tolerance of one line) and its best plane holds all its points within the
// tolerance (the one rule for flat, geometry/Ausgleichsebene.h). Its sense is that of the
// first turn of the points in their order (flachlage).
std::optional<Tripel> flacheNormale(const std::vector<Punkt>& pkte) {
    const Einheitswolke w = einheitswolke(pkte);
    const Gestalt g = gestalt(w.p(), w.eps);
    if (g.dimension != 2) return std::nullopt;
    return g.normale;
}

Seitenbefund seiten(const std::vector<Punkt>& pkte) {
    Seitenbefund b;
    b.wolke = einheitswolke(pkte);
    const Einheitswolke& w = b.wolke;
    const std::vector<Tripel>& p = w.p();
    const double eps = w.eps;
    const Gestalt g = gestalt(p, eps);
    if (g.dimension < 2) return b;

    if (g.dimension == 2) {
        std::vector<std::size_t> alle(p.size());
        std::iota(alle.begin(), alle.end(), std::size_t{0});
        b.punkte.push_back(std::move(alle));
        b.ecken.emplace_back();
        b.stellen.emplace_back();
        b.normalen.push_back(g.normale);
        b.flach = true;
        return b;
    }
    // The points at different places: of points within eps of one another one stands for all,
    // the one with the largest index (the one that can be a corner). (Grouped at unit size,
    // where every distance is that of the given places scaled.)
    const Ortsgruppen orte = ortsgruppen(p, eps);
    const std::vector<std::size_t>& gleich = orte.ort;
    const std::vector<std::size_t>& vertreter = orte.vertreter;
    std::vector<Tripel> verschiedene;
    verschiedene.reserve(vertreter.size());
    for (std::size_t i : vertreter) verschiedene.push_back(p[i]);
    const Orte einheitsorte{verschiedene, w.mass, eps};
    std::optional<Rohhuelle> roh = raeumlicheSeiten(einheitsorte, g.normale);
    if (!roh) {
        b.fehler = true;
        return b;
    }
    std::vector<std::vector<std::size_t>> punkte = zuordnen(einheitsorte, *roh);
    // Where every place is one point (most clouds), the places are the points themselves.
    const bool einzeln = vertreter.size() == gleich.size();
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
    const std::size_t F = roh->seiten.size();
    b.punkte.reserve(F);
    b.ecken.reserve(F);
    b.stellen.reserve(F);
    b.normalen.reserve(F);
    std::vector<std::size_t> alle;
    for (std::size_t f = 0; f < F; ++f) {
        Rohseite& s = roh->seiten[f];
        b.normalen.push_back(s.flaeche.normale());
        if (einzeln) {
            b.ecken.emplace_back(s.ecken());
            b.punkte.push_back(std::move(punkte[f]));
            b.stellen.emplace_back();
            continue;
        }
        alle.clear();
        for (std::size_t d : punkte[f]) alle.insert(alle.end(), an.begin() + anAb[d], an.begin() + anAb[d + 1]);
        std::sort(alle.begin(), alle.end());
        b.punkte.emplace_back(alle.begin(), alle.end());
        std::vector<std::size_t> ecken;
        ecken.reserve(s.ecken().size());
        for (std::size_t d : s.ecken()) ecken.push_back(vertreter[d]);
        b.ecken.push_back(std::move(ecken));
        std::vector<std::size_t> stellen;
        stellen.reserve(punkte[f].size());
        for (std::size_t d : punkte[f]) stellen.push_back(vertreter[d]);
        std::sort(stellen.begin(), stellen.end());
        b.stellen.push_back(std::move(stellen));
    }
    b.roh = std::move(roh->seiten);
    return b;
}

// =============================================================================================
// The walk round a face as its polygon is registered

// Index of the place farthest from z. The best starts as the second place; a place replaces
// it only when strictly farther, so of equally far places the second wins if it is one of
// them, otherwise the first of them in list order.
std::size_t fernster(const Tripel& z, const std::vector<Tripel>& orte) {
    std::size_t best = 1;
    double bestD = betrag(orte[1] - z);
    for (std::size_t i = 0; i < orte.size(); ++i)
        if (const double d = betrag(orte[i] - z); d > bestD) {
            bestD = d;
            best = i;
        }
    return best;
}

// The closed walk of corners given in their order round the figure, counter-clockwise about
// sinn, as the hull polygon of the plain search runs: it starts at the corner nearest the place
// farthest from the centroid, or at the corner before it, and repeats its first corner at the
// end. orte are the places of the figure's points (one per place, given coordinates), ecken the
// corners' indices into them, turned in place into the walk's; left empty where the figure has
// no tangent at its farthest corner (the face is then refused).
void anfangen(const std::vector<Tripel>& orte, std::vector<std::size_t>& ecken, const Tripel& sinn) {
    if (ecken.size() < 3 || orte.size() < 2) {
        ecken.clear();
        return;
    }
    const Tripel zv = *ortsmittel(orte);
    // The starting corner: the point farthest from the centroid (a corner: no point of a
    // segment lies farther from any place than both its ends).
    const std::size_t f = fernster(zv, orte);
    std::size_t stelle = 0;
    double naechste = betrag(orte[ecken[0]] - orte[f]);
    for (std::size_t i = 1; i < ecken.size(); ++i)
        if (const double d = betrag(orte[ecken[i]] - orte[f]); d < naechste) {
            naechste = d;
            stelle = i;
        }
    std::rotate(ecken.begin(), ecken.begin() + static_cast<std::ptrdiff_t>(stelle), ecken.end());
    const Tripel F = orte[ecken[0]];

    // The tangent at F. Its length is |F − C|·|n| with the normal as the caller gives it,
    // tiny for small figures; below the length where directions are still taken it is brought
    // to unit length.
    Tripel t = kreuz(F - zv, sinn);
    double tl = betrag(t);
    // For a large figure the cross product's components leave the range of doubles; for a tiny
    // one they fall below it. The tangent is then brought to about the size of F − C by a power
    // of two: the cross product of the two factors each brought to unit size has its direction
    // to the last bit.
    if (!std::isfinite(tl) || !(tl > 0)) {
        const Zweiermass zuR(groessteKomponente(F - zv));
        t = zuR.zurueck(aufEins(kreuz(aufEins(F - zv), aufEins(sinn))));
        tl = betrag(t);
    }
    if (!(tl > 0) || !std::isfinite(tl)) {
        ecken.clear();
        return;
    }
    if (tl < grenzen::kurzeRichtung)
        if (const std::optional<Tripel> u = einheitsvektor(t)) t = *u;
    const Tripel R = F + t;  // the reference point on the tangent

    // The corners run from F to its neighbour k on the side opposite to t. The ray from the
    // centroid through R decides whether the list starts at F or at the corner before it.
    const Tripel K = orte[ecken[1]];
    if (!geradeStrahlTreffpunkt(K, F - K, zv, R - zv)) std::rotate(ecken.begin(), ecken.end() - 1, ecken.end());
    ecken.push_back(ecken.front());
}

// The first turn of points in their order (ersteDrehung, geometry/Ausgleichsebene.h), as the
// plain search's hull polygons run round, where every point after the turn's third one lies in
// the plane through the first with the turn's unit normal n; nothing where the points make no
// turn or stray from its plane. A point q lies in it where the step from q to its foot q + t·n,
// t = (a − q)·n / n·n, passes the zero test, never below the rounding of the coordinates of q
// and a: as the plane's record decides.
std::optional<Tripel> drehungInIhrerEbene(const std::vector<Tripel>& orte) {
    const std::optional<ErsteDrehung> d = ersteDrehung(orte);
    if (!d) return std::nullopt;
    const Tripel& a = orte.front();
    const Tripel& n = d->normale;
    for (std::size_t i = d->c + 1; i < orte.size(); ++i) {
        const Tripel& q = orte[i];
        const double t = skalar(a - q, n) / skalar(n, n);
        const double rundung = std::max(groessteKomponente(q), groessteKomponente(a));
        if (!unterGrenze(betrag((q + t * n) - q), grenzen::nullTest, rundung)) return std::nullopt;
    }
    return d->vektor;
}

// The hull polygon of points within the tolerance of a plane (genHuellenPolygon, Huellen.h):
// the corners of the outline of their places as a face in its own plane (Seitenflaeche.h), the
// extreme points only, a point within the tolerance of the line through its neighbours being
// none, unless that leaves corners that span no plane by the polygons' own rule (a needle a
// little wider than the tolerance, whose corners along its sides each lie within it of the
// line through their neighbours): then every corner of the outline stays. Of points at one
// place (within the tolerance of one another, ortsgruppen) only the last can be a corner. It
// runs counter-clockwise about the points' first turn where they make one in their plane, else
// against the first turn of the chain by the one rule for flat, whose sense the flat normal has
// (flacheNormale), and starts as anfangen says. Indices into the points, the first repeated at
// the end; none where they span no plane.
std::vector<std::size_t> flachesUmlauf(const std::vector<Punkt>& pkte, const Tripel& flach) {
    std::vector<Tripel> orte;
    orte.reserve(pkte.size());
    for (const Punkt& q : pkte) orte.push_back(ort(q));
    const Tripel sinn = drehungInIhrerEbene(orte).value_or(-flach);
    const double eps = lagetoleranz(lagebox(orte));
    const Ortsgruppen g = ortsgruppen(orte, eps);
    std::vector<std::size_t> stellen = g.vertreter;
    std::sort(stellen.begin(), stellen.end());
    if (stellen.size() < 3) return {};
    std::vector<Tripel> verschiedene;
    for (std::size_t i : stellen) verschiedene.push_back(orte[i]);
    const Seitenflaeche flaeche(verschiedene, eps);
    if (flaeche.dimension() < 2) return {};
    const auto spanntEbene = [&](const std::vector<std::size_t>& e) {
        std::vector<Tripel> ecken;
        for (std::size_t i : e) ecken.push_back(verschiedene[i]);
        return e.size() >= 3 && ebenenlage(ecken).dimension == 2;
    };
    std::vector<std::size_t> ecken = flaeche.umriss(eps);
    if (!spanntEbene(ecken)) ecken = flaeche.umriss();
    if (!spanntEbene(ecken)) return {};
    if (skalar(sinn, flaeche.normale()) < 0) std::reverse(ecken.begin(), ecken.end());
    anfangen(verschiedene, ecken, sinn);
    for (std::size_t& k : ecken) k = stellen[k];
    return ecken;
}

// The walk of face f of a cloud that spans space, as its polygon is registered: its corners as
// the hull found them, counter-clockwise about the first turn of the face's points where they
// make one in its plane, as the hull polygon of these points runs, otherwise about the outward
// normal; starting as anfangen says, over the face's places. Indices into the points, the
// first repeated at the end. gegeben: the points' places as given; orte: room for the face's
// places, kept from face to face.
std::vector<std::size_t> seitenumlauf(const std::vector<Tripel>& gegeben, const Seitenbefund& b, std::size_t f,
                                      std::vector<Tripel>& orte) {
    orte.clear();
    for (std::size_t i : b.punkte[f]) orte.push_back(gegeben[i]);
    const Tripel& m = b.normalen[f];
    const Tripel sinn = drehungInIhrerEbene(orte).value_or(m);
    const std::vector<std::size_t>& st = b.stellen[f].empty() ? b.punkte[f] : b.stellen[f];
    if (&st != &b.punkte[f] && st != b.punkte[f]) {
        orte.clear();
        for (std::size_t i : st) orte.push_back(gegeben[i]);
    }
    std::vector<std::size_t> ecken;
    ecken.reserve(b.ecken[f].size() + 1);
    for (std::size_t i : b.ecken[f])
        ecken.push_back(static_cast<std::size_t>(std::lower_bound(st.begin(), st.end(), i) - st.begin()));
    if (skalar(sinn, m) < 0) std::reverse(ecken.begin(), ecken.end());
    anfangen(orte, ecken, sinn);
    for (std::size_t& k : ecken) k = st[k];
    return ecken;
}

// No faces: qhull failed, or a face would span no plane.
Ebenenbefund gescheitert() {
    Ebenenbefund b;
    b.fehler = true;
    return b;
}

// The findings handed over, without their faces yet: the cloud's places at unit size and
// their scale, and per face its points and outward normal.
Ebenenbefund befundOhneSeiten(Seitenbefund& roh) {
    Ebenenbefund b;
    b.orte = roh.wolke.orte;
    b.mass = roh.wolke.mass;
    b.flach = roh.flach;
    b.punkte = std::move(roh.punkte);
    b.normalen.reserve(roh.normalen.size());
    for (const Tripel& n : roh.normalen) b.normalen.emplace_back(n);
    return b;
}

// The handed-over findings: per face its points, outward normal and face over the cloud's
// places, the corners in the given walks; none where a walk has no face that spans a plane (a
// face that no polygon could hold is never handed over: the hull is refused).
Ebenenbefund uebergeben(Seitenbefund&& roh, std::vector<std::vector<std::size_t>>&& umlaeufe) {
    Ebenenbefund b = befundOhneSeiten(roh);
    b.seiten.reserve(umlaeufe.size());
    for (std::vector<std::size_t>& w : umlaeufe) {
        if (w.size() < 3) return gescheitert();
        b.seiten.emplace_back(*b.orte, std::move(w), b.mass, roh.wolke.eps);
        if (b.seiten.back().dimension() != 2) return gescheitert();
    }
    return b;
}

}  // namespace

std::vector<std::size_t> huellenpolygon(const std::vector<Punkt>& pkte) {
    const std::optional<Tripel> flach = flacheNormale(pkte);
    if (!flach) return {};
    return flachesUmlauf(pkte, *flach);
}

Ebenenbefund huellenseiten(const std::vector<Punkt>& pkte) {
    Seitenbefund roh = seiten(pkte);
    if (roh.fehler) return gescheitert();
    // The flat cloud's one face, its hull polygon.
    if (roh.flach) {
        std::vector<std::vector<std::size_t>> umlauf{flachesUmlauf(pkte, roh.normalen.front())};
        return uebergeben(std::move(roh), std::move(umlauf));
    }
    // The faces as the search built them, over the cloud's places as they are.
    Ebenenbefund b = befundOhneSeiten(roh);
    b.seiten.reserve(roh.roh.size());
    for (std::size_t f = 0; f < roh.roh.size(); ++f) {
        roh.roh[f].flaeche.umstellen(*b.orte, std::move(roh.ecken[f]));
        b.seiten.push_back(std::move(roh.roh[f].flaeche));
    }
    return b;
}

Ebenenbefund randebenen(const std::vector<Punkt>& pkte) {
    Seitenbefund roh = seiten(pkte);
    if (roh.fehler) return gescheitert();
    if (roh.punkte.empty()) return {};
    const double L = roh.wolke.mass.zurueck(lagebox(roh.wolke.p()).weite());
    const double grenze = grenzen::nullTest * (L >= 1 ? 1 : (L * L) * (L * L));
    std::vector<std::pair<std::array<std::size_t, 3>, std::size_t>> schluessel;
    schluessel.reserve(roh.punkte.size());
    for (std::size_t f = 0; f < roh.punkte.size(); ++f) {
        const auto t = letztesTripel(pkte, roh.punkte[f], grenze);
        // A face always has three points off one line; where the plain search's null test
        // sees none (a narrow face), the face stands behind the others.
        schluessel.emplace_back(t ? *t : std::array<std::size_t, 3>{pkte.size(), pkte.size(), f}, f);
    }
    std::sort(schluessel.begin(), schluessel.end());
    // The faces in that order, each walked as its polygon is registered.
    std::vector<std::vector<std::size_t>> umlaeufe, punkte;
    std::vector<std::optional<std::array<std::size_t, 3>>> tripel;
    std::vector<Tripel> normalen;
    umlaeufe.reserve(schluessel.size());
    tripel.reserve(schluessel.size());
    punkte.reserve(schluessel.size());
    normalen.reserve(schluessel.size());
    std::vector<Tripel> gegeben, orte;
    if (!roh.flach) {
        gegeben.reserve(pkte.size());
        for (const Punkt& q : pkte) gegeben.push_back(ort(q));
    }
    for (const auto& [t, f] : schluessel) {
        tripel.push_back(t[0] < pkte.size() ? std::optional(t) : std::nullopt);
        umlaeufe.push_back(roh.flach ? flachesUmlauf(pkte, roh.normalen[f]) : seitenumlauf(gegeben, roh, f, orte));
        punkte.push_back(std::move(roh.punkte[f]));
        normalen.push_back(roh.normalen[f]);
    }
    roh.punkte = std::move(punkte);
    roh.normalen = std::move(normalen);
    Ebenenbefund b = uebergeben(std::move(roh), std::move(umlaeufe));
    b.tripel = std::move(tripel);
    return b;
}

std::vector<std::pair<std::size_t, std::size_t>> randkanten(const std::vector<Punkt>& pkte) {
    std::vector<std::pair<std::size_t, std::size_t>> kanten;
    if (pkte.size() <= 3) return kanten;
    // The edges come out sorted: the faces need not stand in the plain search's order.
    const Seitenbefund b = seiten(pkte);
    if (b.flach || b.punkte.size() < 2) return kanten;
    const double eps = toleranz(pkte);
    // Two faces meet in an edge where they share two points at different places, and faces
    // that do are neighbours across an edge of the hull; every pair of their common points at
    // different places is an edge of the plain search.
    std::vector<std::size_t> gemeinsam;
    for (std::size_t f = 0; f < b.punkte.size(); ++f)
        for (std::size_t g : b.roh[f].nachbarn) {
            if (g <= f) continue;
            gemeinsam.clear();
            std::set_intersection(b.punkte[f].begin(), b.punkte[f].end(), b.punkte[g].begin(), b.punkte[g].end(),
                                  std::back_inserter(gemeinsam));
            for (std::size_t i : gemeinsam)
                for (std::size_t j : gemeinsam)
                    if (i != j && betrag(ort(pkte[i]) - ort(pkte[j])) > eps) kanten.emplace_back(i, j);
        }
    std::sort(kanten.begin(), kanten.end());
    kanten.erase(std::unique(kanten.begin(), kanten.end()), kanten.end());
    return kanten;
}

}  // namespace quodral::huellensuche
