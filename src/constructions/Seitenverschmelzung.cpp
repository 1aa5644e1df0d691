#include "constructions/Seitenverschmelzung.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numeric>
#include <optional>
#include <utility>
#include <vector>

#include "geometry/Ausgleichsebene.h"
#include "geometry/Grenzen.h"
#include "geometry/Linienlage.h"
#include "geometry/Raumgeometrie.h"

namespace quodral::huellensuche {

namespace {

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

// The walk round the faces' edges that no other of them runs the other way (kanten: all their
// edges), with per corner on that border the corner after it (weiter, sorted); none where the
// border does not close to one walk that passes each corner once.
std::optional<std::vector<std::size_t>> randUmlauf(const std::vector<std::pair<std::size_t, std::size_t>>& kanten,
                                                   std::vector<std::pair<std::size_t, std::size_t>>& weiter) {
    std::vector<std::pair<std::size_t, std::size_t>> sortiert = kanten;
    std::sort(sortiert.begin(), sortiert.end());
    weiter.clear();
    for (const auto& [a, b] : kanten)
        if (!std::binary_search(sortiert.begin(), sortiert.end(), std::pair{b, a})) weiter.emplace_back(a, b);
    if (weiter.size() < 3) return std::nullopt;
    const std::size_t randKanten = weiter.size();
    const std::size_t start = weiter.front().first;
    std::sort(weiter.begin(), weiter.end());
    for (std::size_t k = 1; k < weiter.size(); ++k)
        if (weiter[k].first == weiter[k - 1].first) return std::nullopt;
    std::vector<std::size_t> umlauf;
    for (std::size_t a = start;;) {
        umlauf.push_back(a);
        const auto it = std::lower_bound(weiter.begin(), weiter.end(), std::pair{a, std::size_t{0}});
        if (it == weiter.end() || it->first != a) return std::nullopt;
        a = it->second;
        if (a == start) break;
        if (umlauf.size() > randKanten) return std::nullopt;
    }
    // A second walk (the faces enclose another): not one face.
    if (umlauf.size() != randKanten) return std::nullopt;
    return umlauf;
}

// The one face beside the faces at corner i: across an edge of one of them.
std::optional<std::size_t> dritteSeite(const Verschmelzung& v, const std::vector<std::size_t>& gegend, std::size_t i) {
    for (std::size_t f : gegend)
        for (std::size_t h0 : v.seite(f).nachbarn) {
            const std::size_t h = v.ende(h0);
            const std::vector<std::size_t>& c = v.seite(h).ecken();
            if (std::find(gegend.begin(), gegend.end(), h) == gegend.end() && std::find(c.begin(), c.end(), i) != c.end())
                return h;
        }
    return std::nullopt;
}

// The shared chain: the walk round the faces (their edges that no other of them runs the
// other way, joined), the corners inside it, and the corners left a corner of two faces. None
// where the edges do not close to one walk that passes each corner once, or where a corner is
// left a corner of fewer than two faces.
std::optional<Vereinigung> gemeinsamerRand(const Verschmelzung& v, const std::vector<std::size_t>& gegend) {
    std::vector<std::pair<std::size_t, std::size_t>> kanten, weiter;
    for (std::size_t f : gegend) {
        const std::vector<std::size_t>& e = v.seite(f).ecken();
        for (std::size_t k = 0; k < e.size(); ++k) kanten.emplace_back(e[k], e[(k + 1) % e.size()]);
    }
    std::optional<std::vector<std::size_t>> umlauf = randUmlauf(kanten, weiter);
    if (!umlauf) return std::nullopt;
    Vereinigung u;
    u.umlauf = std::move(*umlauf);
    // The corners by the number of the faces among them that have them: those inside are
    // corners of no other face; one on the border stays a corner of the others and the merged
    // face, and where those are two, it may go from both (verschmelzungstest).
    std::vector<std::size_t> ecken;
    for (const auto& [a, b] : kanten) ecken.push_back(a);
    std::sort(ecken.begin(), ecken.end());
    for (std::size_t k = 0; k < ecken.size();) {
        std::size_t j = k;
        while (j < ecken.size() && ecken[j] == ecken[k]) ++j;
        const std::size_t i = ecken[k], dabei = j - k;
        k = j;
        if (v.anzahl[i] < dabei) return std::nullopt;
        const std::size_t sonst = v.anzahl[i] - dabei;
        const bool amRand = std::binary_search(weiter.begin(), weiter.end(), std::pair{i, std::size_t{0}},
                                               [](const auto& x, const auto& y) { return x.first < y.first; });
        if (!amRand && sonst != 0) return std::nullopt;
        if (!amRand) u.innen.push_back(i);
        if (!amRand || sonst > 1) continue;
        if (sonst < 1) return std::nullopt;
        const std::optional<std::size_t> dritte = dritteSeite(v, gegend, i);
        if (!dritte) return std::nullopt;
        u.fallen.emplace_back(i, *dritte);
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
    std::vector<std::pair<std::size_t, std::size_t>> gehen;   // the corners that go: (corner, the other face at it)
};

std::optional<Verschmolzen> verschmelzungstest(const Verschmelzung& v, const std::vector<std::size_t>& gegend,
                                               const Vereinigung& u) {
    const std::vector<Tripel>& p = v.o.p;
    const double eps = v.o.eps;
    const std::vector<std::size_t>& w = u.umlauf;
    // The corners left a corner of two faces go from both where each lies on the edge between
    // them (within the tolerance of the segment between its neighbours in the merged walk);
    // where one does not, they all stay corners of both, which meet at each along two edges.
    bool aufKanten = true;
    for (std::size_t k = 0; k < w.size() && aufKanten; ++k)
        if (std::any_of(u.fallen.begin(), u.fallen.end(), [&](const auto& x) { return x.first == w[k]; }))
            aufKanten = streckenabstand(p[w[k]], p[w[(k + w.size() - 1) % w.size()]], p[w[(k + 1) % w.size()]]) <= eps;
    std::vector<std::pair<std::size_t, std::size_t>> gehen;
    if (aufKanten) gehen = u.fallen;
    std::vector<std::size_t> neu;
    for (std::size_t i : w)
        if (std::none_of(gehen.begin(), gehen.end(), [&](const auto& x) { return x.first == i; })) neu.push_back(i);
    Verschmolzen ergebnis{v.o.seite(neu), {}, {}, std::move(gehen)};
    const auto geht = [&](std::size_t i) {
        return std::any_of(ergebnis.gehen.begin(), ergebnis.gehen.end(), [&](const auto& x) { return x.first == i; });
    };
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
    for (const auto& [i, h] : ergebnis.gehen) {
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
    for (const auto& [i, h] : m.gehen) {
        v.behalten[f].push_back(i);
        v.huelle.bei[i] = f;
    }
}

}  // namespace

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

}  // namespace quodral::huellensuche
