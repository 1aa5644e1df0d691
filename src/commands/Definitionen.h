#pragma once
// The definitions of the three kinds everything else is built from: PUNKT (a point by three
// coordinate terms), VEKTOR (a vector by the arrow between two points or by three component
// terms) and SEI (a named formula). Their handlers defPunkt, defVektor and definiereFormel are
// declared with all the others in commands/Handler.h.

#include <cstddef>
#include <string>
#include <vector>

#include "commands/Handler.h"

namespace quodral {

// The words from w[von] on, joined by single blanks: the term of a formula as it is stored,
// whatever separators stood between the words.
std::string worteVerbinden(const std::vector<std::string>& w, std::size_t von);

}  // namespace quodral
