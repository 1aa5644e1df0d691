#include "checks/Punktmengen.h"

#include <utility>

#include "model/Ebene.h"
#include "model/Gerade.h"

namespace quodral {

int extremEntfernterPunktPos(const std::vector<Punkt>& pts) {
    if (pts.size() <= 2) return 0;
    std::size_t pos = 1;
    for (std::size_t i = 2; i < pts.size(); ++i)
        if (pts[i].dist(pts[0]) > pts[pos].dist(pts[0])) pos = i;
    return static_cast<int>(pos);
}

std::vector<Punkt> sortiert(const std::vector<Punkt>& uf) {
    std::vector<Punkt> a = uf;
    const std::size_t n = a.size();
    if (n <= 2) return a;
    std::swap(a[0], a[static_cast<std::size_t>(extremEntfernterPunktPos(a))]);
    // Bubble sort by the distance from the new first point: equal distances keep their order.
    for (std::size_t durchgang = 1; durchgang < n; ++durchgang)
        for (std::size_t i = 1; i + 1 < n; ++i)
            if (a[i + 1].dist(a[0]) < a[i].dist(a[0])) std::swap(a[i], a[i + 1]);
    return a;
}

bool sindKollinear(const std::vector<Punkt>& pts) {
    if (pts.size() < 3) return true;
    const std::vector<Punkt> s = sortiert(pts);
    const Punkt& anfang = s.front();
    const Punkt& ende = s.back();
    if (anfang == ende) return true;   // the two ends coincide, so do all points
    const auto g = geradeDurch(anfang, ende);
    if (!g) return true;
    for (std::size_t i = 1; i + 1 < s.size(); ++i)
        if (!g->enthaelt(s[i])) return false;
    return true;
}

bool sindKomplanar(const std::vector<Punkt>& pts) {
    if (sindKollinear(pts)) return true;
    const std::vector<Punkt> s = sortiert(pts);
    const auto g = geradeDurch(s.front(), s.back());
    if (!g) return false;
    std::size_t j = 0;
    for (std::size_t i = 1; i + 1 < s.size(); ++i)
        if (!g->enthaelt(s[i])) j = i;
    if (j == 0) return false;
    // The point off the line spans the plane with the two ends: the normal is no null vector,
    // however small the triangle.
    const Vektor a = s.front().ortsvektor();
    const Ebene e(s.front(), (s.back().ortsvektor() - a).kreuz(s[j].ortsvektor() - a));
    for (const Punkt& p : s)
        if (!e.enthaelt(p)) return false;
    return true;
}

bool istTrennebene(const Ebene& e, const std::vector<Punkt>& punkte) {
    int positiv = 0;
    int negativ = 0;
    for (const Punkt& p : punkte) {
        if (e.enthaelt(p)) continue;
        const double d = (p.ortsvektor() - e.ap.ortsvektor()) * e.nv;
        if (d > 0) ++positiv;
        else if (d < 0) ++negativ;
    }
    return positiv == 0 || negativ == 0;
}

}  // namespace quodral
