#include "text/Woerter.h"

#include "text/Unicode.h"

namespace quodral {

std::vector<std::string> gehackterString2Stringfeld(const std::string& s) {
    std::vector<std::string> worte;
    std::string wort;
    // Walk by user-perceived characters: a separator followed by a combining mark is one
    // character that is no separator, and a combining mark never gets cut off its letter.
    // Each character is seen in place; only the words are copied.
    fuerJedesZeichen(s, [&](std::string_view z) {
        if (z.size() != 1 || !trennzeichen.contains(std::string(z))) {
            wort += z;
            return;
        }
        if (!wort.empty()) worte.push_back(std::move(wort));
        wort.clear();
    });
    // The last word is kept even when empty: it marks a trailing separator (or the empty text),
    // which the term evaluation counts as an argument.
    worte.push_back(std::move(wort));
    return worte;
}

}  // namespace quodral
