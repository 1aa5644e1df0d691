#pragma once
// The words of a statement and the form in which a statement is stored in the statement list.
//
// The splitter itself lives with the text helpers (the term evaluation below the interpreter
// uses it too).

#include <string>
#include <vector>

#include "text/Woerter.h"

namespace quodral {

// The normal form of one statement, as stored in the statement list: every word preceded by two
// blanks, the first word upper-cased; the keywords that the registry stores as comments (NECK,
// EINPASSEN, QUADER and RECHTECK) become comment lines ("* " before the keyword), because the
// statements they expand into are stored themselves.
std::string enthackterString(const std::string& s);

// Rewrites every line of the statement list: empty lines are dropped, the others rebuilt from
// their words with the keyword upper-cased (a comment's "*" stays a word of its own).
void formatiereAnwendungsliste();

// The first character of a name, as a prefix for fresh names; "x" for a name of fewer than
// two characters.
std::string erstLetter(const std::string& name);

}  // namespace quodral
