#pragma once
// The words of a statement and the form in which a statement is stored in the statement list.
//
// A statement is a keyword followed by parameters, separated by commas, semicolons or blanks.
// The splitter is shared by the dispatcher, the list editing, the replay checks, the point
// freezing and the term evaluation, so its exact rules matter: runs of separators count as one,
// leading separators are skipped, and only a trailing separator leaves an empty last word.

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

// The normal form of one statement, as stored in the statement list: every word preceded by two
// blanks, the first word upper-cased; NECK, EINPASSEN, QUADER and RECHTECK become comment lines
// ("* " before the keyword), because the statements they expand into are stored themselves.
std::string enthackterString(const std::string& s);

// Rewrites every line of the statement list: empty lines are dropped, the others rebuilt from
// their words with the keyword upper-cased (a comment's "*" stays a word of its own).
void formatiereAnwendungsliste();

// The first character of a name, as a prefix for fresh names; "x" for a name of fewer than
// two characters.
std::string erstLetter(const std::string& name);

}  // namespace quodral
