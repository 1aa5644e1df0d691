#include "model/Namen.h"

namespace quodral {

std::set<std::string> startNamen() {
    // "alleStrahlen" and "alleKugeln" are collectives in index1 but stay free names.
    return {"allePunkte", "alleGeraden", "alleStrecken", "allePolygone", "alleKreise",
            "alleKlumpen", "xAchse",      "yAchse",       "zAchse"};
}

// ---------------------------------------------------------------------------------------
// Names

bool nameErlaubt(const std::string& name) {
    if (name.empty()) return false;
    // Names are plain ASCII. Walking the bytes one by one is enough: a character outside
    // ASCII (an umlaut, a combining mark, U+2217) consists of bytes of which none is in the
    // character sets, so it is refused exactly as a whole character would be.
    if (!alphabet.contains(std::string(1, name.front()))) return false;
    for (const char c : name) {
        const std::string zeichen(1, c);
        if (!erlaubteZeichen.contains(zeichen) || erlaubteSymbole.contains(zeichen)) return false;
    }
    return true;
}

bool nameFrei(const std::string& name) {
    return nameErlaubt(name) && !verbrauchteNamen.contains(name) && !blockierteNamen.contains(name);
}

bool namensTest(const std::string& name) {
    if (nameFrei(name)) return true;
    if (verbrauchteNamen.contains(name))
        quittung = "Der Name -> " + name + " <- ist bereits für ein anderes Objekt vergeben.";
    else
        quittung = name + " ist kein erlaubter Name für ein Geo-Objekt.";
    return false;
}

std::string nextFreeName(const std::string& anfang) {
    if (nameFrei(anfang)) return anfang;
    std::string kandidat = anfang;
    for (long long i = 1; verbrauchteNamen.contains(kandidat) || blockierteNamen.contains(kandidat); ++i)
        kandidat = anfang + std::to_string(i);  // "P9" is followed by "P10"
    return kandidat;
}

}  // namespace quodral
