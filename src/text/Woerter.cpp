#include "text/Woerter.h"

#include "text/Unicode.h"

namespace quodral {

std::vector<std::string> gehackterString2Stringfeld(const std::string& s) {
    std::vector<std::string> worte;
    std::string wort;
    // Walk by user-perceived characters: a separator followed by a combining mark is one
    // character that is no separator, and a combining mark never gets cut off its letter.
    for (const std::string& z : zeichen(s)) {
        if (trennzeichen.find(z) == trennzeichen.end()) {
            wort += z;
            continue;
        }
        if (!wort.empty()) worte.push_back(wort);
        wort.clear();
    }
    // The last word is kept even when empty: it marks a trailing separator (or the empty text),
    // which the term evaluation counts as an argument.
    worte.push_back(wort);
    return worte;
}

}  // namespace quodral
