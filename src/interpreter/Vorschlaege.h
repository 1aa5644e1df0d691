#pragma once
// Help for a statement that cannot be dispatched: the keywords that begin like the input,
// and the usage text that "? KEYWORD" answers with. The topics are the spellings that the
// keyword registry marks as such; the help texts live with the other help texts
// (checks/Hilfe.h).

#include <string>
#include <vector>

namespace quodral {

// The help topics that begin with the first three characters of the input (a shorter input
// is padded with "?" and so matches none), as "\n\nMögliche Schlüsselwort-Wahl: " + the topics,
// each followed by two blanks, + "  - mit passender Parameteranzahl."; the empty text when
// no topic fits. Case-sensitive: the topics are upper case, so "kugel" gets nothing.
std::string kandidatenVorschlag(const std::string& inp);

// Handler of "? KEYWORD": "Verwendung von " + the upper-cased keyword + ":\n\n" + its help
// text. Further words are ignored; the statement is not recorded (the help clears lok).
void hilfstext(const std::vector<std::string>& w);

}  // namespace quodral
