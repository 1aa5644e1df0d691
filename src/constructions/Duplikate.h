#pragma once
// Duplicates of polyhedra: what a copy of a polyhedron on fresh names is made from.
//
// The duplicate is written as statements (a point per corner, a polygon per face, the
// polyhedron), which the interpreter runs one after the other while the copy is made. Each of
// them changes the registries, so the source is read once, before the first statement, into a
// template that holds copies of its corners and faces; nothing of the registries is held
// across a generated statement.

#include <optional>
#include <string>
#include <vector>

#include "model/Punkt.h"

namespace quodral {

struct Duplikatvorlage {
    // A face of the source: its name and its corner entries in order, the repeated first
    // corner and the break marker "-" included.
    struct Seite {
        std::string name;
        std::vector<std::string> ecken;
    };

    std::vector<Punkt> ecken;   // every corner of every face once, in the order of the corner set
    std::vector<Seite> seiten;  // the faces in the order of the polyhedron's face list
};

// The template of the registered polyhedron of that name. Nothing when the name is no
// polyhedron, or a face is not a registered polygon, or a corner of a face is not a
// registered point: a copy of a polyhedron with missing parts would have holes.
std::optional<Duplikatvorlage> duplikatVorlage(const std::string& polyedername);

// The statements of the copy build it: every face's entries are a corner list POLYGON takes
// (eckenKontrolle, and a corner among them) and the faces pass the face test of POLYEDER
// (polyederSeitenTauglich). The copy's corners lie where the source's lie (each coordinate
// written so that it reads back as the same double) and stand one for one for them, so its
// statements pass exactly when the source passes this. A source that fails it (a corner
// moved since its solid was built, so that a face folded) gives no copy.
bool duplikatNachbaubar(const std::string& polyedername);

}  // namespace quodral
