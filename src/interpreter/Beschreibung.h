#pragma once
// The description of one object, asked for by a statement that is nothing but its name.

#include <string>

namespace quodral {

// Writes the description of the named object into quittung and returns it: one German
// answer per kind, built from the record's text form, its remark and, for polygons and
// polyhedra, a few measures and classifications. A collective name, and a name whose record
// is missing from its registry, answer the failure text misserfolg. Describing a polyhedron
// examines it and so stores its class in its record; nothing else changes (formula values are
// evaluated with the check state saved and restored around them).
std::string wasist(const std::string& name);

}  // namespace quodral
