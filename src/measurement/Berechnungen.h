#pragma once
// The measures that are not distances: the diameter of a named object, and the answer
// helper of the measurement statements. (The statements FLAECHE and VOLUMEN are handled in
// commands/Messungen.cpp.)

#include <string>

namespace quodral {

// The diameter of the named cone, cylinder, polyhedron, circle (2r), sphere (2r) or polygon
// (largest corner distance); 0.0 for every other name, registered or not, and for an object
// whose parts are missing.
double welchenDurchmesserHat(const std::string& was);

// Sets the answer to the text.
void hinweis(const std::string& text);

}  // namespace quodral
