#pragma once
// The per-statement check state, the family of checks on parameter words, the error
// report, and the name rule with free-name allocation.

#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "model/Arten.h"

namespace quodral {

// The program mode: set to input for a typed statement, to exec for a replay.
enum class modus { learn, exec, input };
std::string rawValue(modus m);
template <> std::optional<modus> ausRawValue<modus>(std::string_view text);

inline bool checkResultat = true;   // true while every check of the current statement passed
inline std::string mListe;          // the collected error sentences
inline bool lok = true;             // true when the current statement is to be recorded
inline modus aktuellerModus = modus::learn;

// The nine reserved names every start begins with.
std::set<std::string> startNamen();
inline std::set<std::string> verbrauchteNamen = startNamen();

// The characters of names: a name starts with a letter of the alphabet and consists of
// characters that are allowed and are no operator symbols (so "*" is out).
inline const std::set<std::string> alphabet{
    "a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l", "m", "n", "o", "p", "q", "r",
    "s", "t", "u", "v", "w", "x", "y", "z", "A", "B", "C", "D", "E", "F", "G", "H", "I", "J",
    "K", "L", "M", "N", "O", "P", "Q", "R", "S", "T", "U", "V", "W", "X", "Y", "Z"};
inline const std::set<std::string> erlaubteZeichen{
    "A", "B", "C", "D", "E", "F", "G", "H", "I", "J", "K", "L", "M", "N", "O", "P", "Q", "R", "S", "T", "U", "V",
    "W", "X", "Y", "Z", "a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l", "m", "n", "o", "p", "q", "r",
    "s", "t", "u", "v", "w", "x", "y", "z", "0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "_", "*"};
inline const std::set<std::string> erlaubteSymbole{"(", ")", "+", "-", "*", "/", ":", "∗", "^"};
inline const std::set<std::string> ziffern{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "."};

bool nameErlaubt(const std::string& name);
bool nameFrei(const std::string& name);
bool namensTest(const std::string& name);
std::string nextFreeName(const std::string& anfang);

void checkStart(const std::string& name);
void namenCheck(const std::string& name);
std::string namenVorCheck(const std::string& name);
void indexCheck(const std::string& name, const std::vector<grafikArt>& obs);
void index3Check(const std::string& name, const std::vector<grafik3DArt>& obs);
// The word is a number, a formula name or a measurement term (defined with the terms).
void wertCheck(const std::string& x);
void intCheck(const std::string& x);
void doubleCheckX(const std::string& x);
void paramCheck(int anzSoll, int anzIst);
void fehlerMitteilung();

// The check state and the names in use back to their start values (test reset).
void kontrolleZuruecksetzen();

}  // namespace quodral
