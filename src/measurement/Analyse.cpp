#include "measurement/Analyse.h"

#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <utility>

#include "model/Numerik.h"
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

namespace {

// The prism test for one pair of parallel faces i and j: the edges of the first other face
// give a lateral direction that leaves the plane of i; every edge of every face must then
// run either parallel to that plane or along the lateral direction. A pair without such a
// direction (all edges of the other face parallel to the plane) fails.
bool prismaPaar(const std::vector<const Polygon*>& flaechen, const std::vector<Ebene>& ebenen, std::size_t i,
                std::size_t j) {
    const Ebene& e = ebenen[i];
    std::optional<std::size_t> c;
    for (std::size_t m = 0; m < flaechen.size(); ++m)
        if (m != i && m != j) {
            c = m;
            break;
        }
    if (!c) return false;

    std::optional<Gerade> seitlich;
    for (const Strecke& s : flaechen[*c]->streckenFolge()) {
        const Gerade h = s.huelle();
        if (!h.istParallelZu(e)) {
            seitlich = h;
            break;
        }
    }
    if (!seitlich) return false;

    for (const Polygon* pol : flaechen)
        for (const Strecke& s : pol->streckenFolge()) {
            const Gerade h = s.huelle();
            if (!h.istParallelZu(e) && !h.istParallelZu(*seitlich)) return false;
        }
    return true;
}

}  // namespace

std::string examPolyeder(const Polyeder& pd) {
    const std::size_t eckenZahl = pd.eckenMenge().size();
    const std::vector<std::string> seiten = reinigeSeiten(pd.seiten);
    std::vector<const Polygon*> flaechen;
    std::vector<Ebene> ebenen;
    for (const std::string& s : seiten) {
        const Polygon* pol = finde(polygonListe, s);
        flaechen.push_back(pol);
        ebenen.push_back(*pol->ebene());  // present: reinigeSeiten kept only such faces
    }
    const std::size_t n = flaechen.size();

    // Census of the faces by their number of corners (a closed face repeats its first).
    std::map<int, int> zensus;
    for (int k = 3; k <= 12; ++k) zensus.emplace(k, 0);
    bool pyramide = false;
    for (const Polygon* pol : flaechen) {
        const int k = static_cast<int>(pol->ecken.size()) - 1;
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
        // Each pair of parallel faces is compared once with the others; every comparison below
        // stays within the square of the face count.
        std::size_t p = 0;
        for (std::size_t i = 0; i + 1 < n; ++i)
            for (std::size_t j = i + 1; j < n; ++j)
                if (ebenen[i].istParallelZu(ebenen[j])) ++p;

        if (2 * p == n && n == 6) {
            // Six faces in three parallel pairs: the largest angle between a face of a pair and
            // the other four faces tells the cuboid from the parallelepiped.
            double groessterWinkel = 0.0;
            for (std::size_t i = 0; i + 1 < n; ++i)
                for (std::size_t j = i + 1; j < n; ++j) {
                    if (!ebenen[i].istParallelZu(ebenen[j])) continue;
                    for (std::size_t m = 0; m < n; ++m) {
                        if (m == i || m == j) continue;
                        if (const auto w = winkel(ebenen[i].nv, ebenen[m].nv))
                            groessterWinkel = std::max(groessterWinkel, *w);
                    }
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
            for (std::size_t i = 0; i + 1 < n && !prisma; ++i)
                for (std::size_t j = i + 1; j < n && !prisma; ++j) {
                    if (!ebenen[i].istParallelZu(ebenen[j])) continue;
                    std::size_t c = 0;
                    while (c == i || c == j) ++c;
                    if (c >= n) continue;
                    unsigned char& befund = geprueft[i][c];
                    if (befund == 0) befund = prismaPaar(flaechen, ebenen, i, j) ? 2 : 1;
                    prisma = befund == 2;
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

}  // namespace quodral
