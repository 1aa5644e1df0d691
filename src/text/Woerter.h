#pragma once
// The words of a statement. A statement is a keyword followed by parameters, separated by
// commas, semicolons or blanks. The splitter is shared by the dispatcher, the list editing, the
// replay checks, the point freezing and the term evaluation, so its exact rules matter: runs of
// separators count as one, leading separators are skipped, and only a trailing separator leaves
// an empty last word.

#include <set>
#include <string>
#include <vector>

namespace quodral {

// The word separators: comma, blank and semicolon. A tab, a line break or any other white
// space belongs to the word it stands in.
inline const std::set<std::string> trennzeichen{",", " ", ";"};

// Splits a statement into its words, walking it by user-perceived characters (a letter with a
// combining accent is one character, and a separator carrying a combining mark is none).
// Never empty: the empty text gives one empty word; a text ending in a separator ends in an
// empty word. Letter case is kept.
std::vector<std::string> gehackterString2Stringfeld(const std::string& s);

}  // namespace quodral
