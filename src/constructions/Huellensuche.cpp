#include "constructions/Huellensuche.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <memory>
#include <numeric>
#include <optional>

#include "constructions/Qhullseiten.h"
#include "constructions/Rohhuelle.h"
#include "constructions/Seitenordnung.h"
#include "geometry/Ausgleichsebene.h"
#include "geometry/Grenzen.h"
#include "geometry/Raumgeometrie.h"
#include "geometry/Seitenflaeche.h"
#include "geometry/Toleranz.h"
#include "geometry/Vieleckpruefung.h"

namespace quodral::huellensuche {

namespace {

Tripel ort(const Punkt& p) { return {p.x, p.y, p.z}; }

// The places of the points as given.
std::vector<Tripel> gegebeneOrte(const std::vector<Punkt>& pkte) {
    std::vector<Tripel> orte;
    orte.reserve(pkte.size());
    for (const Punkt& q : pkte) orte.push_back(ort(q));
    return orte;
}

// =============================================================================================
// The cloud as the search computes with it

// The cloud's places brought to an extent between 1 and 2 by a power of two (Zweiermass, which
// changes no digit), and its tolerance with them. qhull and every test of a face see a cloud of
// about unit size, whatever its extent: no product of differences overflows or falls among the
// subnormal numbers, and since scaling by a power of two commutes with every rounding, each
// decision is the one the given places would have where their products are doubles. The places
// are held where no move of the cloud moves them: the faces handed over keep no copy of them.
struct Einheitswolke {
    std::shared_ptr<std::vector<Tripel>> orte = std::make_shared<std::vector<Tripel>>();
    Zweiermass mass{0};
    double eps = 0;
    const std::vector<Tripel>& p() const { return *orte; }
};

Einheitswolke einheitswolke(const std::vector<Punkt>& pkte) {
    Einheitswolke w;
    std::vector<Tripel>& p = *w.orte;
    p = gegebeneOrte(pkte);
    const Lagebox box = lagebox(p);
    w.mass = Zweiermass(box.weite());
    for (Tripel& t : p) t = w.mass.auf(t);
    w.eps = w.mass.auf(lagetoleranz(box));
    return w;
}

// What the cloud spans by the one rule for flat (geometry/Ausgleichsebene.h), with its
// tolerance for places, lines and planes alike: from dimension 2 on with the unit normal of a
// plane that holds it within the tolerance (of dimension 3, the plane that came nearest), in
// the sense of the first turn of the points in their order.
Flachlage gestalt(const Einheitswolke& w) { return flachlage(w.p(), {w.eps, w.eps, w.eps}); }

// =============================================================================================
// The faces as the search found them

// One face as the search found it, in qhull's order: its points, its corners in their order
// round it (counter-clockwise seen from outside, of points at one place the one with the
// largest index), one point of each place it holds (none listed where every place of the cloud
// is one point: the face's points are its places), its outward unit normal, and the face as the
// search built it over the cloud's distinct places (its corners in the order of ecken), with
// the faces across its edges. The one face of a flat cloud holds every point and has neither
// corners nor a face built yet.
struct Fund {
    std::vector<std::size_t> punkte, ecken, stellen;
    Tripel normale;
    std::optional<Rohseite> roh;
};

struct Seitenbefund {
    Einheitswolke wolke;
    std::vector<Fund> seiten;
    bool flach = false, fehler = false;
};

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

// The points of each place of the cloud (the places' numbers as ortsgruppen gives them): the
// points at place d are an[ab[d]] ... an[ab[d + 1] − 1], ascending.
struct Ortspunkte {
    std::vector<std::size_t> ab, an;
    Ortspunkte(const Ortsgruppen& g) : ab(g.vertreter.size() + 1, 0), an(g.ort.size()) {
        for (std::size_t d : g.ort) ++ab[d + 1];
        std::partial_sum(ab.begin(), ab.end(), ab.begin());
        std::vector<std::size_t> frei(ab.begin(), ab.end() - 1);
        for (std::size_t i = 0; i < g.ort.size(); ++i) an[frei[g.ort[i]]++] = i;
    }
};

// The faces of a cloud that spans space, as the search found them over its distinct places,
// with the points of those places: each face holds every point at the place of one of its
// points, and its corners are the places' representatives.
std::vector<Fund> raeumlicheFunde(Rohhuelle&& roh, std::vector<std::vector<std::size_t>>&& punkte, const Ortsgruppen& g) {
    const std::vector<std::size_t>& vertreter = g.vertreter;
    // Where every place is one point (most clouds), the places are the points themselves.
    const bool einzeln = vertreter.size() == g.ort.size();
    const Ortspunkte an(g);
    std::vector<Fund> funde(roh.seiten.size());
    for (std::size_t f = 0; f < funde.size(); ++f) {
        Fund& fund = funde[f];
        const Rohseite& s = *(fund.roh = std::move(roh.seiten[f]));
        fund.normale = s.flaeche.normale();
        if (einzeln) {
            fund.ecken = s.ecken();
            fund.punkte = std::move(punkte[f]);
            continue;
        }
        for (std::size_t d : punkte[f])
            fund.punkte.insert(fund.punkte.end(), an.an.begin() + an.ab[d], an.an.begin() + an.ab[d + 1]);
        std::sort(fund.punkte.begin(), fund.punkte.end());
        fund.ecken.reserve(s.ecken().size());
        for (std::size_t d : s.ecken()) fund.ecken.push_back(vertreter[d]);
        fund.stellen.reserve(punkte[f].size());
        for (std::size_t d : punkte[f]) fund.stellen.push_back(vertreter[d]);
        std::sort(fund.stellen.begin(), fund.stellen.end());
    }
    return funde;
}

Seitenbefund seiten(const std::vector<Punkt>& pkte) {
    Seitenbefund b;
    b.wolke = einheitswolke(pkte);
    const Einheitswolke& w = b.wolke;
    const std::vector<Tripel>& p = w.p();
    const Flachlage g = gestalt(w);
    if (g.dimension < 2) return b;
    if (g.dimension == 2) {
        Fund& alle = b.seiten.emplace_back();
        alle.punkte.resize(p.size());
        std::iota(alle.punkte.begin(), alle.punkte.end(), std::size_t{0});
        alle.normale = g.normale;
        b.flach = true;
        return b;
    }
    // The points at different places: of points within eps of one another one stands for all,
    // the one with the largest index (the one that can be a corner). (Grouped at unit size,
    // where every distance is that of the given places scaled.)
    const Ortsgruppen orte = ortsgruppen(p, w.eps);
    std::vector<Tripel> verschiedene;
    verschiedene.reserve(orte.vertreter.size());
    for (std::size_t i : orte.vertreter) verschiedene.push_back(p[i]);
    const Orte einheitsorte{verschiedene, w.mass, w.eps};
    std::optional<Rohhuelle> roh = raeumlicheSeiten(einheitsorte, g.normale);
    if (!roh) {
        b.fehler = true;
        return b;
    }
    b.seiten = raeumlicheFunde(std::move(*roh), zuordnen(einheitsorte, *roh), orte);
    return b;
}

// =============================================================================================
// The one face of a flat cloud

// The corners of the outline of the places (indices into them, counter-clockwise about the
// face's normal) that span a plane by the polygons' own rule (see huellenpolygon, Huellensuche.h);
// none where they span no plane.
std::vector<std::size_t> flacheEcken(const std::vector<Tripel>& orte, const Seitenflaeche& flaeche, double eps) {
    // The corners' places and how they lie (ebenenlage); at least three corners where they
    // span a plane.
    std::vector<Tripel> ort;
    const auto lageDer = [&](const std::vector<std::size_t>& e) {
        ort.clear();
        for (std::size_t i : e) ort.push_back(orte[i]);
        return ebenenlage(ort);
    };
    std::vector<std::size_t> ecken = flaeche.umriss(eps);
    if (ecken.size() >= 3 && lageDer(ecken).dimension == 2) return ecken;
    ecken = flaeche.umriss();
    if (ecken.size() < 3) return {};
    // The places farthest from the line of the corners join them, one by one, each between the
    // two corners round the outline that it lies between as seen from their mean in the plane.
    const std::vector<Seitenflaeche::Ebenenpunkt>& eben = flaeche.ebenenecken();
    std::vector<bool> istEcke(orte.size(), false);
    for (std::size_t i : ecken) istEcke[i] = true;
    for (Ebenenlage lage = lageDer(ecken); lage.dimension != 2; lage = lageDer(ecken)) {
        const Tripel anfang = *std::min_element(ort.begin(), ort.end(), vor);
        std::optional<std::size_t> fernste;
        double weit = -1;
        for (std::size_t i = 0; i < orte.size(); ++i)
            if (const double d = betrag(kreuz(Tripel(lage.e1), orte[i] - anfang)); !istEcke[i] && d > weit) {
                weit = d;
                fernste = i;
            }
        if (!fernste) return {};
        double mx = 0, my = 0;
        for (std::size_t i : ecken) {
            mx += eben[i][0] / static_cast<double>(ecken.size());
            my += eben[i][1] / static_cast<double>(ecken.size());
        }
        const auto winkel = [&](std::size_t i) { return std::atan2(eben[i][1] - my, eben[i][0] - mx); };
        // The corners turned to start at the one of least angle, so that the angles ascend.
        std::rotate(ecken.begin(), std::min_element(ecken.begin(), ecken.end(), [&](std::size_t a, std::size_t b) {
                                       return winkel(a) < winkel(b);
                                   }),
                    ecken.end());
        const double w = winkel(*fernste);
        const auto stelle = std::find_if(ecken.begin(), ecken.end(), [&](std::size_t i) { return winkel(i) > w; });
        ecken.insert(stelle, *fernste);
        istEcke[*fernste] = true;
    }
    return ecken;
}

// The hull polygon of points within the tolerance of a plane (genHuellenPolygon, Huellen.h; see
// huellenpolygon): its corners as a face in its own plane (Seitenflaeche.h). Of points at one
// place (within the tolerance of one another, ortsgruppen) only the last can be a corner. It
// runs counter-clockwise about the points' first turn where they make one in their plane, else
// against the first turn of the chain by the one rule for flat, whose sense the flat normal has
// (flach), and starts as anfangen says (Seitenordnung.h). Indices into the points, the first
// repeated at the end; none where they span no plane.
std::vector<std::size_t> flachesUmlauf(const std::vector<Tripel>& orte, const Tripel& flach) {
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
    std::vector<std::size_t> ecken = flacheEcken(verschiedene, flaeche, eps);
    if (ecken.empty()) return {};
    if (skalar(sinn, flaeche.normale()) < 0) std::reverse(ecken.begin(), ecken.end());
    anfangen(verschiedene, ecken, sinn);
    for (std::size_t& k : ecken) k = stellen[k];
    return ecken;
}

// =============================================================================================
// The hand-over

// No faces: qhull failed.
Ebenenbefund gescheitert() {
    Ebenenbefund b;
    b.fehler = true;
    return b;
}

// The findings handed over, without their faces yet: the cloud's places at unit size and
// their scale.
Ebenenbefund leererBefund(const Seitenbefund& roh) {
    Ebenenbefund b;
    b.orte = roh.wolke.orte;
    b.mass = roh.wolke.mass;
    b.flach = roh.flach;
    return b;
}

// The face handed over over the cloud's places at unit size with its corners in the walk w
// (at least three: every face the search hands over is a polygon), its points and normal: the
// face the search built, started where the walk starts (a flat cloud's one face, which the
// search did not build, built so).
Huellenseite uebergeben(const Ebenenbefund& b, const Seitenbefund& roh, Fund&& fund, std::vector<std::size_t>&& w) {
    if (!fund.roh) return {Seitenflaeche(*b.orte, std::move(w), b.mass, roh.wolke.eps), std::move(fund.punkte), fund.normale, {}};
    Seitenflaeche flaeche = std::move(fund.roh->flaeche);
    flaeche.umlaufen(*b.orte, std::move(w));
    return {std::move(flaeche), std::move(fund.punkte), fund.normale, {}};
}

}  // namespace

std::vector<std::size_t> huellenpolygon(const std::vector<Punkt>& pkte) {
    const Einheitswolke w = einheitswolke(pkte);
    const Flachlage g = gestalt(w);
    if (g.dimension != 2) return {};
    return flachesUmlauf(gegebeneOrte(pkte), g.normale);
}

Ebenenbefund huellenseiten(const std::vector<Punkt>& pkte) {
    Seitenbefund roh = seiten(pkte);
    if (roh.fehler) return gescheitert();
    Ebenenbefund b = leererBefund(roh);
    b.seiten.reserve(roh.seiten.size());
    // The flat cloud's one face, its hull polygon.
    if (roh.flach) {
        std::vector<std::size_t> w = flachesUmlauf(gegebeneOrte(pkte), roh.seiten.front().normale);
        if (w.size() < 3) return gescheitert();
        b.seiten.push_back(uebergeben(b, roh, std::move(roh.seiten.front()), std::move(w)));
        return b;
    }
    // The faces as the search built them, over the cloud's places as they are.
    for (Fund& fund : roh.seiten) {
        Seitenflaeche flaeche = std::move(fund.roh->flaeche);
        flaeche.umstellen(*b.orte, std::move(fund.ecken));
        b.seiten.push_back({std::move(flaeche), std::move(fund.punkte), fund.normale, {}});
    }
    return b;
}

Ebenenbefund randebenen(const std::vector<Punkt>& pkte) {
    Seitenbefund roh = seiten(pkte);
    if (roh.fehler) return gescheitert();
    Ebenenbefund b = leererBefund(roh);
    if (roh.seiten.empty()) return b;
    const std::vector<Tripel> gegeben = gegebeneOrte(pkte);
    // The order's key is asked of the places as given, or of those brought to an extent
    // between 1 and 2 where the cloud's is below 1 (Seitenordnung.h).
    const bool klein = roh.wolke.mass.exponent() < 0;
    const std::vector<Tripel>& schluesselorte = klein ? roh.wolke.p() : gegeben;
    std::vector<std::pair<std::array<std::size_t, 3>, std::size_t>> schluessel;
    schluessel.reserve(roh.seiten.size());
    for (std::size_t f = 0; f < roh.seiten.size(); ++f) {
        const auto t = letztesTripel(schluesselorte, roh.seiten[f].punkte);
        // A face whose points hold no spanning triple stands behind the others.
        schluessel.emplace_back(t ? *t : std::array<std::size_t, 3>{pkte.size(), pkte.size(), f}, f);
    }
    std::sort(schluessel.begin(), schluessel.end());
    // The faces in that order, each walked as its polygon is registered and built once so.
    b.seiten.reserve(schluessel.size());
    std::vector<Tripel> raum;
    for (const auto& [t, f] : schluessel) {
        Fund& fund = roh.seiten[f];
        std::vector<std::size_t> w = roh.flach ? flachesUmlauf(gegeben, fund.normale)
                                               : seitenumlauf(gegeben, fund.punkte, fund.stellen, fund.ecken, fund.normale, raum);
        if (w.size() < 3) return gescheitert();
        b.seiten.push_back(uebergeben(b, roh, std::move(fund), std::move(w)));
        if (t[0] < pkte.size()) b.seiten.back().tripel = t;
    }
    return b;
}

std::vector<std::pair<std::size_t, std::size_t>> randkanten(const std::vector<Punkt>& pkte) {
    std::vector<std::pair<std::size_t, std::size_t>> kanten;
    if (pkte.size() <= 3) return kanten;
    // The edges come out sorted: the faces need not stand in the plain search's order.
    const Seitenbefund b = seiten(pkte);
    if (b.flach || b.seiten.size() < 2) return kanten;
    const double eps = lagetoleranz(ortsvektoren(pkte));
    // Two faces meet in an edge where they share two points at different places, and faces
    // that do are neighbours across an edge of the hull; every pair of their common points at
    // different places is an edge of the plain search.
    std::vector<std::size_t> gemeinsam;
    for (std::size_t f = 0; f < b.seiten.size(); ++f)
        for (std::size_t g : b.seiten[f].roh->nachbarn) {
            if (g <= f) continue;
            const std::vector<std::size_t>&pf = b.seiten[f].punkte, &pg = b.seiten[g].punkte;
            gemeinsam.clear();
            std::set_intersection(pf.begin(), pf.end(), pg.begin(), pg.end(), std::back_inserter(gemeinsam));
            for (std::size_t i : gemeinsam)
                for (std::size_t j : gemeinsam)
                    if (i != j && betrag(ort(pkte[i]) - ort(pkte[j])) > eps) kanten.emplace_back(i, j);
        }
    std::sort(kanten.begin(), kanten.end());
    kanten.erase(std::unique(kanten.begin(), kanten.end()), kanten.end());
    return kanten;
}

}  // namespace quodral::huellensuche
