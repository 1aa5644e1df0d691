#include "measurement/Analyse.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <map>
#include <optional>
#include <utility>

#include "geometry/Numerik.h"
#include "model/Objekte.h"

namespace quodral {

std::vector<std::string> reinigeSeiten(const std::vector<std::string>& altseiten) {
    std::vector<std::string> seiten;
    for (const std::string& s : altseiten) {
        const Polygon* pol = finde(polygonListe, s);
        if (pol != nullptr && pol->ebene()) seiten.push_back(s);
    }
    return seiten;
}

// Comparing every pair costs the square of the face count. The test holds for two normals
// when the cross product of their unit vectors is shorter than 1e-4, that is sin θ < 1e-4 for
// the angle θ between them: the unit normals, one of them turned round where θ is obtuse, lie
// less than 1.001e-4 apart in every coordinate (4.001e-4 below leaves room). On a grid of
// cells 1e-3 wide such unit normals fall into the same or neighbouring cells: only those are
// candidates, and each candidate is decided by the test itself, so that the pairs are exactly
// those of the full comparison. Normals without a unit vector (null or not finite, never those
// of a face) are compared pair by pair.
std::vector<std::pair<std::size_t, std::size_t>> parallelePaare(const std::vector<Vektor>& normalen) {
    const std::size_t n = normalen.size();
    std::vector<std::pair<std::size_t, std::size_t>> paare;
    // Ebene::istParallelZu of two planes with these normals.
    const auto parallel = [&](std::size_t i, std::size_t j) {
        return richtungenParallel(normalen[i], normalen[j], grenzen::gleicheRichtung);
    };
    std::vector<Vektor> einheiten;
    einheiten.reserve(n);
    for (const Vektor& nv : normalen) {
        const std::optional<Vektor> e = einheitsvektor(nv);
        if (!e) break;
        einheiten.push_back(*e);
    }
    if (einheiten.size() < n) {
        for (std::size_t i = 0; i + 1 < n; ++i)
            for (std::size_t j = i + 1; j < n; ++j)
                if (parallel(i, j)) paare.emplace_back(i, j);
        return paare;
    }
    constexpr double zelle = 1e-3;
    using Schluessel = std::int64_t;
    // Cell indices lie within ±1001: three of them fit into one key.
    const auto schluessel = [](std::int64_t a, std::int64_t b, std::int64_t c) {
        return ((a + 2048) << 24) | ((b + 2048) << 12) | (c + 2048);
    };
    const auto zellen = [](const Vektor& u) {
        return std::array<std::int64_t, 3>{static_cast<std::int64_t>(std::floor(u.x1 / zelle)),
                                           static_cast<std::int64_t>(std::floor(u.x2 / zelle)),
                                           static_cast<std::int64_t>(std::floor(u.x3 / zelle))};
    };
    // Each unit normal is entered in both senses, so that the cells around one sense of the
    // other normal find it either way. The cells in use are kept in a table of four times as
    // many slots as entries, found by their key's hash and the slots after it; each holds the
    // chain of its entries (entry 2i + s is normal i in sense s).
    constexpr Schluessel leer = -1;
    std::size_t plaetze = 16;
    while (plaetze < 8 * n) plaetze *= 2;
    std::vector<Schluessel> zellschluessel(plaetze, leer);
    std::vector<std::size_t> erster(plaetze);
    constexpr std::size_t ende = static_cast<std::size_t>(-1);
    std::vector<std::size_t> naechster(2 * n, ende);
    const auto platz = [&](Schluessel k) {
        std::size_t h = static_cast<std::size_t>(static_cast<std::uint64_t>(k) * 0x9E3779B97F4A7C15ull >> 20) & (plaetze - 1);
        while (zellschluessel[h] != leer && zellschluessel[h] != k) h = (h + 1) & (plaetze - 1);
        return h;
    };
    for (std::size_t i = 0; i < n; ++i)
        for (std::size_t sinn = 0; sinn < 2; ++sinn) {
            const auto z = zellen(sinn == 0 ? einheiten[i] : -1.0 * einheiten[i]);
            const Schluessel k = schluessel(z[0], z[1], z[2]);
            const std::size_t h = platz(k);
            const std::size_t eintrag = 2 * i + sinn;
            if (zellschluessel[h] == leer) zellschluessel[h] = k;
            else naechster[eintrag] = erster[h];
            erster[h] = eintrag;
        }
    // The cells a partner can lie in: those that the interval of 4.001e-4 (a little more,
    // against rounding at the cells' borders) about each coordinate reaches, mostly one or two
    // per coordinate instead of three.
    constexpr double reichweite = 4.01 * grenzen::gleicheRichtung;
    const auto bereich = [](double x) {
        return std::array<std::int64_t, 2>{static_cast<std::int64_t>(std::floor((x - reichweite) / zelle)),
                                           static_cast<std::int64_t>(std::floor((x + reichweite) / zelle))};
    };
    std::vector<std::size_t> kandidaten;
    for (std::size_t i = 0; i < n; ++i) {
        kandidaten.clear();
        const Vektor& u = einheiten[i];
        const auto bx = bereich(u.x1), by = bereich(u.x2), bz = bereich(u.x3);
        for (std::int64_t a = bx[0]; a <= bx[1]; ++a)
            for (std::int64_t b = by[0]; b <= by[1]; ++b)
                for (std::int64_t c = bz[0]; c <= bz[1]; ++c) {
                    const std::size_t h = platz(schluessel(a, b, c));
                    if (zellschluessel[h] == leer) continue;
                    for (std::size_t e = erster[h]; e != ende; e = naechster[e])
                        if (e / 2 > i) kandidaten.push_back(e / 2);
                }
        std::sort(kandidaten.begin(), kandidaten.end());
        kandidaten.erase(std::unique(kandidaten.begin(), kandidaten.end()), kandidaten.end());
        for (std::size_t j : kandidaten)
            if (parallel(i, j)) paare.emplace_back(i, j);
    }
    return paare;
}

namespace {

// The faces with carrier planes, each looked up by its name when the prism test first needs
// its edges.
class Seitenpolygone {
public:
    explicit Seitenpolygone(const std::vector<std::string>& namen, std::vector<const Polygon*> bekannt = {})
        : namen_(namen), polygone_(std::move(bekannt)) {
        polygone_.resize(namen.size(), nullptr);
    }
    std::size_t size() const { return namen_.size(); }
    // The edges of face m, as Polygon::streckenFolge gives them.
    std::vector<Strecke> kanten(std::size_t m) {
        if (polygone_[m] == nullptr) polygone_[m] = finde(polygonListe, namen_[m]);
        return polygone_[m] != nullptr ? polygone_[m]->streckenFolge() : std::vector<Strecke>{};
    }

private:
    const std::vector<std::string>& namen_;
    std::vector<const Polygon*> polygone_;
};

// The prism test for one pair of parallel faces i and j: the edges of the first other face
// give a lateral direction that leaves the plane of i; every edge of every face must then
// run either parallel to that plane or along the lateral direction. A pair without such a
// direction (all edges of the other face parallel to the plane) fails.
bool prismaPaar(Seitenpolygone& flaechen, const std::vector<Vektor>& normalen, std::size_t i, std::size_t j) {
    // Gerade::istParallelZu of the plane of face i.
    const auto parallelZuI = [&](const Gerade& h) { return parallelZurEbene(h.rv, normalen[i]); };
    std::optional<std::size_t> c;
    for (std::size_t m = 0; m < flaechen.size(); ++m)
        if (m != i && m != j) {
            c = m;
            break;
        }
    if (!c) return false;

    std::optional<Gerade> seitlich;
    for (const Strecke& s : flaechen.kanten(*c)) {
        const Gerade h = s.huelle();
        if (!parallelZuI(h)) {
            seitlich = h;
            break;
        }
    }
    if (!seitlich) return false;

    for (std::size_t m = 0; m < flaechen.size(); ++m)
        for (const Strecke& s : flaechen.kanten(m)) {
            const Gerade h = s.huelle();
            if (!parallelZuI(h) && !h.istParallelZu(*seitlich)) return false;
        }
    return true;
}

// The report from the faces with carrier planes (see Analyse.h).
std::string bericht(const std::vector<std::string>& seiten, const std::vector<std::size_t>& eintraege,
                    const std::vector<Vektor>& normalen, std::size_t eckenZahl, Seitenpolygone& flaechen) {
    const std::size_t n = seiten.size();

    // Census of the faces by their number of corners (a closed face repeats its first).
    std::map<int, int> zensus;
    for (int k = 3; k <= 12; ++k) zensus.emplace(k, 0);
    bool pyramide = false;
    for (const std::size_t e : eintraege) {
        const int k = static_cast<int>(e) - 1;
        if (eckenZahl > 0 && k == static_cast<int>(eckenZahl) - 1) pyramide = true;
        // Faces of fewer than 3 or more than 12 corners are left out of the census.
        if (auto it = zensus.find(k); it != zensus.end()) ++it->second;
    }

    // Looking at a solid never changes it: its class is told, not stored, so that neither its
    // record nor its drawing attributes change behind the user's back.
    std::string text;
    if (pyramide) {
        text = "Das Polyeder ist eine Pyramide.";
    } else if (n > 0) {
        // The pairs of parallel faces, found once; every test below runs over them.
        const std::vector<std::pair<std::size_t, std::size_t>> paare = parallelePaare(normalen);
        const std::size_t p = paare.size();

        if (2 * p == n && n == 6) {
            // Six faces in three parallel pairs: the largest angle between a face of a pair and
            // the other four faces tells the cuboid from the parallelepiped.
            double groessterWinkel = 0.0;
            for (const auto& [i, j] : paare)
                for (std::size_t m = 0; m < n; ++m) {
                    if (m == i || m == j) continue;
                    if (const auto w = winkel(normalen[i], normalen[m])) groessterWinkel = std::max(groessterWinkel, *w);
                }
            text = "\nDas Polyeder ist ein ";
            text += istNull(90 - groessterWinkel) ? "Quader." : "Parallelepiped.";
        } else if (2 * p == n) {
            text = "\nDas Polyeder hat paarweise parallele Seiten.";
        }

        if (text.empty() && p > 0) {
            // The prism test of a pair (i, j) reads only the face i and the first face that is
            // neither i nor j (one of the first three): each such combination is tested once.
            // Per face i and such a face c: 0 untested, 1 no prism, 2 prism.
            std::vector<std::array<unsigned char, 3>> geprueft(n, {0, 0, 0});
            bool prisma = false;
            for (const auto& [i, j] : paare) {
                std::size_t c = 0;
                while (c == i || c == j) ++c;
                if (c >= n) continue;
                unsigned char& befund = geprueft[i][c];
                if (befund == 0) befund = prismaPaar(flaechen, normalen, i, j) ? 2 : 1;
                prisma = befund == 2;
                if (prisma) break;
            }
            if (prisma) text = "Das Polyeder ist ein Prisma.";
        }
    }

    text += " Angaben zu den Polyederseiten:\n\n" + namenListenText(seiten) + "\n\n";
    for (const auto& [k, c] : zensus) {
        if (c == 0) continue;
        text += "      " + std::to_string(c) + " " + std::to_string(k) + "-" + (c == 1 ? "Eck" : "Ecke") + ".\n";
    }
    return text;
}

}  // namespace

std::string examPolyeder(const Polyeder& pd) {
    // The faces with a carrier plane, as reinigeSeiten keeps them, each looked up once.
    std::vector<std::string> seiten;
    std::vector<const Polygon*> flaechen;
    std::vector<std::size_t> eintraege;
    std::vector<Vektor> normalen;
    for (const std::string& s : pd.seiten) {
        const Polygon* pol = finde(polygonListe, s);
        if (pol == nullptr) continue;
        const std::optional<Ebene> e = pol->ebene();
        if (!e) continue;
        seiten.push_back(s);
        flaechen.push_back(pol);
        eintraege.push_back(pol->ecken.size());
        normalen.push_back(e->nv);
    }
    Seitenpolygone polygone(seiten, std::move(flaechen));
    return bericht(seiten, eintraege, normalen, pd.eckenMenge().size(), polygone);
}

std::string examPolyeder(const std::vector<std::string>& seiten, const std::vector<std::size_t>& eintraege,
                         const std::vector<Vektor>& normalen, std::size_t eckenZahl) {
    Seitenpolygone polygone(seiten);
    return bericht(seiten, eintraege, normalen, eckenZahl, polygone);
}

}  // namespace quodral
