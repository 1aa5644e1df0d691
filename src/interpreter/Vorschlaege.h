#pragma once
// Help for a statement that cannot be dispatched: the keywords that begin like the input,
// and the usage text that "? KEYWORD" answers with. The topics are the spellings that the
// keyword registry marks as such; the help texts live with the other help texts
// (checks/Hilfe.h).

#include <string>
#include <string_view>
#include <vector>

namespace quodral {

// The help topics that begin with the first three characters of the input (a shorter input
// is padded with "?" and so matches none), as "\n\nMögliche Schlüsselwort-Wahl: " + the topics,
// each followed by two blanks, + "  - mit passender Parameteranzahl."; the empty text when
// no topic fits. Case-sensitive: the topics are upper case, so "kugel" gets nothing.
std::string kandidatenVorschlag(const std::string& inp);

// The help text for a topic, normally a statement keyword in any letter case ("fläche" finds
// FLÄCHE, "lotfußpunkt" LOTFUSSPUNKT, a decomposed umlaut its composed spelling): the text
// under the key that the keyword registry gives the spelling. "?" gives the overview of all
// keywords; a topic without a text gives the topic as typed followed by
// " ist kein vorgesehenes Schlüsselwort!". A statement answered by help alone is never
// recorded, so every call clears lok.
std::string hilfe(const std::string& thema);

// The same for a topic whose help key is known already (hilfeschluessel): the text under the
// key, or the topic followed by the sentence for a topic without a text. Clears lok.
std::string hilfe(std::string_view schluessel, const std::string& thema);

// Handler of "? KEYWORD": "Verwendung von " + the upper-cased keyword + ":\n\n" + its help
// text. Further words are ignored; the statement is not recorded (the help clears lok).
void hilfstext(const std::vector<std::string>& w);

}  // namespace quodral
