#pragma once
// Andrew's monotone chain: the convex hull of points of a plane that are sorted
// lexicographically by their two coordinates, as the vertices counter-clockwise, the first
// not repeated at the end. The hull polygon of a face and the convexity test of a polygon both
// walk it; they differ only in when a point counts as strictly to the left of an edge (exactly,
// or farther than a tolerance), which `links(o, a, b)` decides: b lies to the left of the line
// from o through a. Points that are not strictly to the left are passed over, so collinear
// points on an edge never become vertices.

#include <cstddef>
#include <vector>

namespace quodral {

template <class T, class Links>
std::vector<T> monotoneKette(const std::vector<T>& sortiert, const Links& links) {
    if (sortiert.empty()) return {};
    std::vector<T> h(2 * sortiert.size() + 1);
    std::size_t k = 0;
    // The lower chain from left to right, then the upper chain back.
    for (std::size_t i = 0; i < sortiert.size(); ++i) {
        while (k >= 2 && !links(h[k - 2], h[k - 1], sortiert[i])) --k;
        h[k++] = sortiert[i];
    }
    for (std::size_t i = sortiert.size() - 1, unten = k + 1; i-- > 0;) {
        while (k >= unten && !links(h[k - 2], h[k - 1], sortiert[i])) --k;
        h[k++] = sortiert[i];
    }
    h.resize(k - 1);
    return h;
}

}  // namespace quodral
