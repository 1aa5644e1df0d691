#include "model/Namen.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cstdint>
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

// The names handed out last: one by nextFreeName, a run by freieNamen (where the prefix itself
// was free and is all that was handed out, nothing is noted). How many, the last of them, their
// prefix, the first and the last number among them, and the state of verbrauchteNamen then:
// while that set has neither grown nor given a name up, the last name is still not in it.
struct Vergabe {
    std::string anfang, name;
    std::size_t anzahl = 0;
    long long erste = 0, letzte = 0;
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

// Hands `nimm` the first `anzahl` names that nextFreeName(anfang) gives one after another when
// each is put in use before the next is asked for: the prefix itself where it is free (or not
// allowed: its caller's name rule answers for it), then the prefix followed by the smallest
// numbers whose names are in neither set, ascending.
template <class Nimm> void vergeben(const std::string& anfang, std::size_t anzahl, Nimm&& nimm) {
    if (anzahl == 0) return;
    const std::size_t gesamt = anzahl;
    std::map<std::string, Zaehlstand>& staende = zaehlstaende();
    const auto bisher = staende.find(anfang);
    const bool verbraucht =
        (bisher != staende.end() && bisher->second.anfangVerbraucht &&
         bisher->second.neuanfangV == verbrauchteNamen.neuanfaenge() &&
         bisher->second.freigabenV == verbrauchteNamen.freigaben().size()) ||
        verbrauchteNamen.contains(anfang);
    if (!verbraucht && !blockierteNamen.contains(anfang)) {
        nimm(std::string(anfang));
        if (--anzahl == 0) return;
    }

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
    // Where the names asked for are many against the names in either set, one walk through the
    // sets finds the taken numbers of the prefix from i on; else each name is looked up in turn.
    const std::size_t stufen = std::bit_width(verbrauchteNamen.size());
    const bool durchgehen = anzahl * stufen >= verbrauchteNamen.size() + blockierteNamen.size();
    std::vector<long long> genommen;
    if (durchgehen) {
        for (const Namensmenge* menge : {&verbrauchteNamen, &blockierteNamen})
            for (const std::string& name : *menge)
                if (const std::optional<long long> n = nummerNach(anfang, name); n && *n >= i) genommen.push_back(*n);
        std::sort(genommen.begin(), genommen.end());
    }
    std::size_t weiter = 0;   // the first taken number not below the one asked about
    // Whether the name of the number n (written into kandidat) is taken.
    const auto besetzt = [&](long long n) {
        nummerieren(n);
        if (!durchgehen) return verbrauchteNamen.contains(kandidat) || blockierteNamen.contains(kandidat);
        while (weiter < genommen.size() && genommen[weiter] < n) ++weiter;
        return weiter < genommen.size() && genommen[weiter] == n;
    };
    Vergabe& vergabe = letzteVergabe();
    for (std::size_t k = 0; k < anzahl; ++k, ++i) {
        while (besetzt(i)) ++i;
        if (k == 0) vergabe.erste = i;
        if (k + 1 == anzahl) vergabe.name = kandidat;
        nimm(std::string(kandidat));
    }

    // The numbers below the first one handed out are taken now; the names handed out are not,
    // until their caller registers them, so the next search starts at the first again.
    stand = {vergabe.erste,
             verbrauchteNamen.neuanfaenge(),
             blockierteNamen.neuanfaenge(),
             verbrauchteNamen.freigaben().size(),
             blockierteNamen.freigaben().size(),
             verbraucht};
    vergabe.anfang = anfang;
    vergabe.anzahl = gesamt;
    vergabe.letzte = i - 1;
    vergabe.groesseV = verbrauchteNamen.size();
    vergabe.freigabenV = verbrauchteNamen.freigaben().size();
    vergabe.neuanfangV = verbrauchteNamen.neuanfaenge();
}

}  // namespace

std::string nextFreeName(const std::string& anfang) {
    std::string name;
    vergeben(anfang, 1, [&name](std::string&& n) { name = std::move(n); });
    return name;
}

std::vector<std::string> freieNamen(const std::string& anfang, std::size_t anzahl) {
    std::vector<std::string> namen;
    namen.reserve(anzahl);
    vergeben(anfang, anzahl, [&namen](std::string&& n) { namen.push_back(std::move(n)); });
    return namen;
}

bool nameVerbraucht(const std::string& name) {
    const Vergabe& v = letzteVergabe();
    if (!v.name.empty() && name == v.name && unveraendertSeit(v)) return false;
    return verbrauchteNamen.contains(name);
}

void nameInGebrauch(const std::string& name) { namenInGebrauch(name, 1); }

void namenInGebrauch(const std::string& letzter, std::size_t anzahl) {
    Vergabe& v = letzteVergabe();
    if (v.name.empty() || letzter != v.name) return;
    v.name.clear();
    if (anzahl != v.anzahl) return;
    // Every number below the first one handed out was taken then, and every number up to the
    // last is now either taken or in use; if neither set has given a name up since, that holds
    // still.
    const auto stand = zaehlstaende().find(v.anfang);
    if (stand == zaehlstaende().end()) return;
    Zaehlstand& z = stand->second;
    if (z.ab == v.erste && z.neuanfangV == verbrauchteNamen.neuanfaenge() &&
        z.freigabenV == verbrauchteNamen.freigaben().size() && z.neuanfangB == blockierteNamen.neuanfaenge() &&
        z.freigabenB == blockierteNamen.freigaben().size())
        z.ab = v.letzte + 1;
}

}  // namespace quodral
