#pragma once
// A face in its own plane: the one place where a polygon, a face of a solid or a flat cloud is
// put into its plane, and where a point, a line or a plane is measured against it. Built once
// from the corners in their order round the face:
// - its plane, through the mean of its corners, with the unit normal of the area the chain
//   encloses (in the sense in which the chain runs round; for a chain that encloses next to
//   nothing, one folded back on itself, that of its corners' span, Vieleckpruefung.h),
// - its frame e1, e2 in that plane (e1 × e2 the normal),
// - its scale: the power of two (Zweiermass) that brings its extent to about 1; every
//   decision is taken on the corners' differences brought to that scale, which keeps every
//   digit, so that no square overflows or underflows at any extent and a face far from the
//   origin keeps the digits its corners carry,
// - its tolerance, the rule of Toleranz.h for its corners (or the tolerance of the solid it
//   belongs to),
// - its corners in the plane's coordinates and the convex outline of these.
// Every question is answered from these, so that a polygon, the faces of a hull and the faces
// of a solid give the same answers at every scale.

#include <array>
#include <cstddef>
#include <utility>
#include <vector>

#include "geometry/Tripel.h"
#include "geometry/Vektor.h"

namespace quodral {

struct Ebenenlage;

// The corners of a face in their order: its own, or places of a set that many faces share (the
// cloud of a hull), named by their indices, so that no face keeps a copy of them. Read as a
// list: its size, a corner by its number, and a walk over them.
class Eckenfolge {
public:
    Eckenfolge() = default;
    explicit Eckenfolge(std::vector<Tripel> eigene) : eigene_(std::move(eigene)) {}
    // The places orte[i] for i in index, in that order; the set must outlive the corners.
    Eckenfolge(const std::vector<Tripel>& orte, std::vector<std::size_t> index) : orte_(&orte), index_(std::move(index)) {}

    std::size_t size() const { return orte_ != nullptr ? index_.size() : eigene_.size(); }
    bool empty() const { return size() == 0; }
    const Tripel& operator[](std::size_t i) const { return orte_ != nullptr ? (*orte_)[index_[i]] : eigene_[i]; }
    const Tripel& front() const { return (*this)[0]; }
    const Tripel& back() const { return (*this)[size() - 1]; }
    // The indices into the shared set, in the corners' order (none for corners of its own).
    const std::vector<std::size_t>& index() const { return index_; }

    class Zeiger {
    public:
        Zeiger(const Eckenfolge* folge, std::size_t i) : folge_(folge), i_(i) {}
        const Tripel& operator*() const { return (*folge_)[i_]; }
        Zeiger& operator++() {
            ++i_;
            return *this;
        }
        bool operator==(const Zeiger& z) const { return i_ == z.i_; }

    private:
        const Eckenfolge* folge_;
        std::size_t i_;
    };
    Zeiger begin() const { return {this, 0}; }
    Zeiger end() const { return {this, size()}; }

private:
    std::vector<Tripel> eigene_;
    const std::vector<Tripel>* orte_ = nullptr;
    std::vector<std::size_t> index_;
};

class Seitenflaeche {
public:
    // A point of the face's plane in its frame, at its scale.
    using Ebenenpunkt = std::array<double, 2>;
    enum class Lage { innen, rand, aussen };

    // The face of the corners in their order (a closed chain may repeat its first corner at
    // the end), its decisions within the tolerance of its corners or the one given.
    explicit Seitenflaeche(const std::vector<Tripel>& ecken);
    Seitenflaeche(const std::vector<Tripel>& ecken, double toleranz);
    explicit Seitenflaeche(const std::vector<Vektor>& ecken);
    Seitenflaeche(const std::vector<Vektor>& ecken, double toleranz);
    // The face of the places orte[i] for i in ecken, in that order, where the places are given
    // brought to about unit size by `mass` (as a hull computes with its cloud): it keeps no copy
    // of them (orte must outlive it), scales them no further, and answers as the face of the
    // places as they were given would, brought by `mass` (its own tolerance and its shape judged
    // on the given places), its decisions within `toleranz` (at the places' scale). Such a face
    // runs round: its last corner is joined to its first, whether repeated or not, as the
    // closed polygon of its corners is.
    Seitenflaeche(const std::vector<Tripel>& orte, std::vector<std::size_t> ecken, const Zweiermass& mass,
                  double toleranz);
    // The face made over another set of places that holds its corners under other indices
    // (orte[i] for i in ecken, the very places it has, in its order): nothing is measured again.
    void umstellen(const std::vector<Tripel>& orte, std::vector<std::size_t> ecken);
    // The face of the same corners in another order round it (orte[i] for i in ecken, at the
    // same scale, started elsewhere or run the other way, the first repeated at the end or
    // not): exactly the face built from them so, measuring again only what depends on the order.
    void umlaufen(const std::vector<Tripel>& orte, std::vector<std::size_t> ecken);

    // 0 all corners within the tolerance of one place, 1 of one line, 2 of one plane (their
    // best plane holds them within 1e-4 of the extent), 3 none of these (ebenenlage,
    // Vieleckpruefung.h). The plane and the frame exist from dimension 2 on (for 3, the plane
    // the chain's area gives); a face of another dimension than 2 holds no point, meets no line
    // and is not convex.
    int dimension() const { return dimension_; }
    const Eckenfolge& ecken() const { return ecken_; }
    const Tripel& mitte() const { return mitte_; }
    const Tripel& normale() const { return normale_; }
    const Tripel& e1() const { return e1_; }
    const Tripel& e2() const { return e2_; }
    // The largest side of the box around the corners.
    double ausdehnung() const { return ausdehnung_; }
    // The tolerance of its decisions (that of its corners, Toleranz.h, by which its shape is
    // judged, unless another was given).
    double toleranz() const { return toleranz_; }
    const Zweiermass& mass() const { return mass_; }

    // The signed distance of p from the face's plane, positive on the side its normal points to
    // (0 for a face of another dimension than 2).
    double abstand(const Tripel& p) const { return mass_.zurueck(skalar(mass_.auf(p - mitte_), normale_)); }

    // The projection of p into the plane, in the face's frame and at its scale.
    Ebenenpunkt inDerEbene(const Tripel& p) const;
    // The corners in the plane, in their order, and the indices of those on the convex outline,
    // counter-clockwise about the normal (no corner on the line through its neighbours). With
    // eps > 0 a corner within eps of the line through its neighbours is none either.
    const std::vector<Ebenenpunkt>& ebenenecken() const;
    const std::vector<std::size_t>& umriss() const;
    std::vector<std::size_t> umriss(double eps) const;

    // Where p lies. The border is a band in the plane: a point farther from the plane than the
    // tolerance lies outside, however it lies over the face, above an edge too (the tolerance
    // of the plane is the face's own, or the height of its corner farthest off the plane where
    // that is more, so that its corners lie on it); a point within it lies on the border when
    // it lies within `rand` of the outline's border, else inside or outside as it lies inside
    // the outline or not. rand is the tolerance unless given.
    Lage lage(const Tripel& p) const { return lage(p, toleranz_); }
    Lage lage(const Tripel& p, double rand) const;
    // The same for a point of the plane given in its frame (inDerEbene).
    Lage lageInDerEbene(const Ebenenpunkt& q, double rand) const;

    // The chain runs once round a convex figure: its corners span a plane, every edge longer
    // than 1e-4 of the extent leaves all corners on one side of its line (a corner within 1e-8
    // of the extent of the line, never less than the tolerance of its corners and at most 1e-4
    // of the extent, takes no side; each corner measured from the nearer end of the edge), and
    // the chain, its last corner joined to its first, runs once around the mean of its corners,
    // with three edges longer than the tolerance at least and none running straight back along
    // the one before it (both within half the tolerance of one line). An open chain (its first
    // corner not repeated, not a face of a hull) is judged without its closing edge, as an open
    // polygon is. anteil scales the side tolerance.
    bool konvex(double anteil = 1.0) const;
    // The same with the side tolerance of its corners alone (at most 1e-4 of the extent), as a
    // merge of faces within a tolerance of one plane asks: the merged face stays convex within
    // that tolerance in its plane too. A face that passes this passes konvex.
    bool konvexInDerToleranz(double anteil = 1.0) const;

    // The area vector of the fan of triangles from the first corner over the others in their
    // order (half the sum of their cross products), and its length, the area: for a plane
    // polygon its area times its unit normal; for corners a tolerance off one plane the mean of
    // its triangles, with which the pyramid over the fan has its exact volume, and the same
    // whichever corner the fan starts at (the sum of the triangles' own areas is not: of a
    // needle whose corners stray across its width, it counts the strays, more or less by where
    // it starts). Computed at the face's scale: wherever they are doubles, neither overflows nor
    // underflows.
    double flaeche() const;
    Tripel flaechenvektor() const;
    // The length of the closed chain of its corners in their order, its last corner joined to
    // its first (repeated at the end or not): each edge's length without squaring (betrag),
    // taken at the face's scale.
    double umfang() const;

    // The points where the line through a with direction u meets the face, its border a band
    // of width `rand` in the plane. Across the plane: the point where it pierces the plane,
    // when that lies in or on the face (lageInDerEbene with `rand`), found from a in the face's
    // frame and laid into the plane, so that an anchor in the plane is the point itself and a
    // line given by far points meets the plane to the face's own rounding. In the plane (over
    // the face within the tolerance of the plane): the chord between the first and the last
    // place where it crosses the outline, each the crossing with an edge or a corner on the line
    // (to the rounding of its side, grenzen::eckenseiteStellen, at the corner's foot), one point
    // where the chord is shorter than `rand`; the band never moves an end. Where it crosses no
    // edge, the band decides whether it touches: within `rand` of the outline, in its point
    // nearest to the outline, or beside an edge whose corners both lie within `rand` of it, in
    // its stretch beside that edge (one point where that is shorter than `rand`). None for a
    // null or non-finite direction.
    std::vector<Tripel> treffpunkte(const Tripel& a, const Tripel& u) const { return treffpunkte(a, u, toleranz_); }
    std::vector<Tripel> treffpunkte(const Tripel& a, const Tripel& u, double rand) const;

    // Where the plane through anker with the unit normal n meets the face's border: edge after
    // edge of the chain, its ends within the tolerance of the plane (each moved into it along
    // n), then the point where an edge whose ends lie on either side of the plane crosses it
    // (taken also where an end lies within the tolerance: an edge that runs nearly along the
    // plane crosses it far from that end). Each edge is cut from its end with the smaller
    // coordinates, so that two faces on one edge give the same point. The ends of the chord
    // the plane cuts from a convex face are among these points.
    std::vector<Tripel> schnitt(const Tripel& anker, const Tripel& n) const;

private:
    void bauen();
    // From the shape that bauen found: the mean, the area vector, the normal and the frame, all
    // measured from the first corner (lage is read where the face is no clear triangle).
    void anlegen(const Ebenenlage& lage);
    void ebeneVorbereiten() const;
    // konvex with the side tolerance `seitlich` (at the places' scale, at most 1e-4 of the extent).
    bool konvexMit(double seitlich) const;
    // The distance of q from the outline's border, and whether it lies inside the outline.
    double randabstand(const Ebenenpunkt& q, bool& innen) const;
    // The tolerance of the plane at the face's scale (ebeneVorbereiten).
    double ebenenspiel() const;

    Eckenfolge ecken_;
    // The scale by which the places were brought to the ones given (none where they are those).
    Zweiermass ortsmass_{0};
    std::size_t anzahl_ = 0;   // the corners without a repeated first one at the end
    int dimension_ = 0;
    double ausdehnung_ = 0, eigeneToleranz_ = 0, toleranz_ = 0;
    bool eigene_ = true;       // the tolerance is that of the corners
    bool ring_ = false;        // the corners run round, the last joined to the first
    Zweiermass mass_{0};
    Tripel mitte_, normale_, e1_, e2_;
    Tripel flaechenvektor_;    // at the face's scale (times 2^-2e)
    bool klar_ = false;        // a clear triangle (klaresDreieck)
    // Built on first use: the corners in the plane and their outline.
    mutable std::vector<Ebenenpunkt> eben_;
    mutable std::vector<std::size_t> umriss_;
    mutable double spiel_ = 0;
    mutable bool vorbereitet_ = false;
};

}  // namespace quodral
