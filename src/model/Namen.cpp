#include "model/Namen.h"

#include <array>
#include <charconv>
#include <map>
#include <optional>
#include <string_view>
#include <vector>

#include "model/Artentabelle.h"

namespace quodral {

std::set<std::string> startNamen() {
    // The collectives of the table of kinds but the free ones ("alleStrahlen", "alleKugeln"
    // are in index1 and stay free names), and the axes.
    std::set<std::string> namen;
    for (const Artzeile& z : artentabelle())
        if (!z.kollektiv.empty() && !z.kollektivFrei) namen.emplace(z.kollektiv);
    for (const auto& [name, achse] : startAchsen()) namen.insert(name);
    return namen;
}

// ---------------------------------------------------------------------------------------
// Names

namespace {

// Per byte: may it begin a name, may it stand in one. Read once from the character sets, so
// that the test of a name costs one table look-up per byte (every registration and every
// fresh name pass through it).
struct Zeichentafel {
    std::array<bool, 256> anfang{}, zeichen{};
    Zeichentafel() {
        for (int b = 0; b < 256; ++b) {
            const std::string z(1, static_cast<char>(b));
            anfang[b] = alphabet.contains(z);
            zeichen[b] = erlaubteZeichen.contains(z) && !erlaubteSymbole.contains(z);
        }
    }
};

const Zeichentafel& zeichentafel() {
    static const Zeichentafel tafel;
    return tafel;
}

}  // namespace

bool nameErlaubt(const std::string& name) {
    if (name.empty()) return false;
    // Names are plain ASCII. Walking the bytes one by one is enough: a character outside
    // ASCII (an umlaut, a combining mark, U+2217) consists of bytes of which none is in the
    // character sets, so it is refused exactly as a whole character would be.
    const Zeichentafel& tafel = zeichentafel();
    if (!tafel.anfang[static_cast<unsigned char>(name.front())]) return false;
    for (const char c : name)
        if (!tafel.zeichen[static_cast<unsigned char>(c)]) return false;
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

namespace {

// Where the search for a prefix may start: every number below `ab` was taken when the entry
// was written; the stamps say which names either set has given up since.
struct Zaehlstand {
    long long ab = 1;
    std::uint64_t neuanfangV = 0, neuanfangB = 0;
    std::size_t freigabenV = 0, freigabenB = 0;
    // The prefix itself was in verbrauchteNamen at the stamps: it stays there until that set
    // gives a name up or begins anew (blockierteNamen is small and asked each time).
    bool anfangVerbraucht = false;
};

std::map<std::string, Zaehlstand>& zaehlstaende() {
    static std::map<std::string, Zaehlstand> staende;
    return staende;
}

// The name nextFreeName handed out last, its prefix and number, and the state of
// verbrauchteNamen then: while that set has neither grown nor given a name up, the name is
// still not in it.
struct Vergabe {
    std::string anfang, name;
    long long nummer = 0;
    std::size_t groesseV = 0, freigabenV = 0;
    std::uint64_t neuanfangV = 0;
};

Vergabe& letzteVergabe() {
    static Vergabe vergabe;
    return vergabe;
}

bool unveraendertSeit(const Vergabe& v) {
    return verbrauchteNamen.size() == v.groesseV && verbrauchteNamen.neuanfaenge() == v.neuanfangV &&
           verbrauchteNamen.freigaben().size() == v.freigabenV;
}

// The number n when the name is the prefix followed by n as nextFreeName writes it.
std::optional<long long> nummerNach(const std::string& anfang, const std::string& name) {
    if (name.size() <= anfang.size() || name.compare(0, anfang.size(), anfang) != 0) return std::nullopt;
    const std::string_view rest = std::string_view(name).substr(anfang.size());
    if (rest.front() == '0') return std::nullopt;
    long long n = 0;
    const auto [ende, fehler] = std::from_chars(rest.data(), rest.data() + rest.size(), n);
    if (fehler != std::errc() || ende != rest.data() + rest.size()) return std::nullopt;
    return n;
}

// The smallest number whose name a set has given up since the stamp, or `ab` when none.
long long freigegebenAb(const Namensmenge& menge, std::uint64_t neuanfang, std::size_t freigaben,
                        const std::string& anfang, long long ab) {
    if (menge.neuanfaenge() != neuanfang) return 1;
    const std::vector<std::string>& log = menge.freigaben();
    for (std::size_t i = freigaben; i < log.size(); ++i)
        if (const std::optional<long long> n = nummerNach(anfang, log[i]); n && *n < ab) ab = *n;
    return ab;
}

}  // namespace

std::string nextFreeName(const std::string& anfang) {
    std::map<std::string, Zaehlstand>& staende = zaehlstaende();
    const auto bisher = staende.find(anfang);
    const bool verbraucht =
        (bisher != staende.end() && bisher->second.anfangVerbraucht &&
         bisher->second.neuanfangV == verbrauchteNamen.neuanfaenge() &&
         bisher->second.freigabenV == verbrauchteNamen.freigaben().size()) ||
        verbrauchteNamen.contains(anfang);
    // Free or not allowed: the prefix itself (its caller's name rule answers for it).
    if (!verbraucht && !blockierteNamen.contains(anfang)) return anfang;

    Zaehlstand& stand = bisher != staende.end() ? bisher->second : staende[anfang];
    long long i = freigegebenAb(verbrauchteNamen, stand.neuanfangV, stand.freigabenV, anfang, stand.ab);
    i = freigegebenAb(blockierteNamen, stand.neuanfangB, stand.freigabenB, anfang, i);
    // The prefix followed by the number's digits, written in place.
    std::string kandidat = anfang;
    const auto nummerieren = [&kandidat, &anfang](long long n) {
        std::array<char, 24> ziffern{};
        const char* ende = std::to_chars(ziffern.data(), ziffern.data() + ziffern.size(), n).ptr;
        kandidat.resize(anfang.size());
        kandidat.append(ziffern.data(), static_cast<std::size_t>(ende - ziffern.data()));
    };
    nummerieren(i);
    while (verbrauchteNamen.contains(kandidat) || blockierteNamen.contains(kandidat)) nummerieren(++i);

    // The numbers below i are taken now; the name handed out is not, until its caller
    // registers it, so the next search starts at it again.
    stand = {i,
             verbrauchteNamen.neuanfaenge(),
             blockierteNamen.neuanfaenge(),
             verbrauchteNamen.freigaben().size(),
             blockierteNamen.freigaben().size(),
             verbraucht};
    Vergabe& vergabe = letzteVergabe();
    vergabe.anfang = anfang;
    vergabe.name = kandidat;
    vergabe.nummer = i;
    vergabe.groesseV = verbrauchteNamen.size();
    vergabe.freigabenV = verbrauchteNamen.freigaben().size();
    vergabe.neuanfangV = verbrauchteNamen.neuanfaenge();
    return kandidat;
}

bool nameVerbraucht(const std::string& name) {
    const Vergabe& v = letzteVergabe();
    if (!v.name.empty() && name == v.name && unveraendertSeit(v)) return false;
    return verbrauchteNamen.contains(name);
}

void nameInGebrauch(const std::string& name) {
    Vergabe& v = letzteVergabe();
    if (v.name.empty() || name != v.name) return;
    v.name.clear();
    // Every number below the one handed out was taken when it was handed out; if neither set
    // has given a name up since, that holds still, and now for this number too.
    const auto stand = zaehlstaende().find(v.anfang);
    if (stand == zaehlstaende().end()) return;
    Zaehlstand& z = stand->second;
    if (z.ab == v.nummer && z.neuanfangV == verbrauchteNamen.neuanfaenge() &&
        z.freigabenV == verbrauchteNamen.freigaben().size() && z.neuanfangB == blockierteNamen.neuanfaenge() &&
        z.freigabenB == blockierteNamen.freigaben().size())
        z.ab = v.nummer + 1;
}

}  // namespace quodral
