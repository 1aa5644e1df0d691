#pragma once
// The parts of a record: the other objects it names. A polygon names its corners, a polyhedron
// its faces, a cluster its members, a cone or cylinder its base circle and height point; a
// segment or ray holds its points by value, but the names those points carry count too.
//
// Every record type says which parts it has by a function fuerTeile(record, f), written beside
// the record: f(name, rolle) is called once for each part, in the record's own order. A record
// type that names nothing returns KeineTeile. There is no default: a record type without its
// own fuerTeile is refused by the deleted catch-all below, so that a new kind does not build
// until it says what it names. Deletion (what is bound to what), cloning (what is copied with
// an object), the mappings (what moves with an object) and the snapshot (what must be written
// before an object) all read this one visit.

#include <concepts>
#include <optional>
#include <string>
#include <utility>

#include "model/Arten.h"

namespace quodral {

// What a part is to the record that names it.
enum class Teilrolle {
    ecke,         // a polygon's corner point (the break marker "-" is no part)
    seite,        // a polyhedron's face polygon
    glied,        // a cluster's member, of any kind
    basis,        // a cone's or cylinder's base circle
    hoehenpunkt,  // a cone's apex, a cylinder's top point
    punktname,    // the name that a point held by value carries: a segment's ends, a ray's start
};

// The kind of object that a part of this role is, and which the record binds: while the record
// stands, the part must not vanish under it. A cluster binds none of its members: a member may
// go, and the cluster keeps the others.
constexpr std::optional<grafikArt> gebundeneArt(Teilrolle rolle) {
    switch (rolle) {
    case Teilrolle::ecke:
    case Teilrolle::hoehenpunkt:
    case Teilrolle::punktname: return grafikArt::punkt;
    case Teilrolle::seite: return grafikArt::polygon;
    case Teilrolle::basis: return grafikArt::kreis;
    case Teilrolle::glied: return std::nullopt;
    }
    return std::nullopt;
}

// What fuerTeile gives back says what else the record is:
//   - KeineTeile: it names no other object;
//   - HaeltPunkte: it holds its points by value, and its parts are only the names those points
//     carry (a segment, a ray): a mapping moves its own numbers;
//   - nothing (void): it is made of its parts alone and has no position of its own (a polygon,
//     a cluster, a solid): a mapping moves its parts where they are registered.
struct KeineTeile {};
struct HaeltPunkte {};

// A record type without a fuerTeile of its own is refused, even where it would convert to a
// type that has one (a new solid of revolution to the base of cones and cylinders).
template <class R, class F> void fuerTeile(const R&, F&&) = delete;

namespace detail {
struct TeilUebergehen {
    void operator()(const std::string&, Teilrolle) const {}
};

template <class R>
using Teileart = decltype(fuerTeile(std::declval<const R&>(), detail::TeilUebergehen{}));
}  // namespace detail

// Records of type R may name parts: walks over every record can pass the other types by. (A
// type without its fuerTeile stops the build here too.)
template <class R> inline constexpr bool mitTeilen = !std::same_as<detail::Teileart<R>, KeineTeile>;
// Records of type R are made of their parts alone.
template <class R> inline constexpr bool ausTeilen = std::same_as<detail::Teileart<R>, void>;

}  // namespace quodral
