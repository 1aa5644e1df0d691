#pragma once
// The name rule of the object model and the set of names in use. A name is plain ASCII: a
// letter, then letters, digits and "_". Names in use and names that a running construction
// holds back are not free; fresh names are made from a prefix and the smallest free number.

#include <set>
#include <string>
#include <vector>

#include "state/Namensvorbehalt.h"
#include "state/Zustand.h"

namespace quodral {

// The nine reserved names every start begins with.
std::set<std::string> startNamen();
inline Namensmenge verbrauchteNamen = startNamen();

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

bool nameErlaubt(const std::string& name);
bool nameFrei(const std::string& name);
bool namensTest(const std::string& name);
// The name itself when it is free, else the prefix followed by the smallest number that makes
// a name in use neither in verbrauchteNamen nor in blockierteNamen ("P9" is followed by "P10").
// Remembers per prefix how far the numbers are taken, so that handing out many names of one
// prefix costs constant time per name.
std::string nextFreeName(const std::string& anfang);

// The first `anzahl` names that nextFreeName(anfang) hands out one after another when each is
// put in use before the next is asked for, in that order: the prefix itself where it is free,
// then the prefix followed by the smallest free numbers, ascending. Found in one walk; until
// their caller registers them they are free, and the same names would be handed out again.
std::vector<std::string> freieNamen(const std::string& anfang, std::size_t anzahl);

// verbrauchteNamen.contains(name). For the name nextFreeName handed out last the answer is
// known while that set has not changed since, and no search is made.
bool nameVerbraucht(const std::string& name);

// Registration tells that it has put the name into verbrauchteNamen: when nextFreeName handed
// it out last, the next search for its prefix starts after it.
void nameInGebrauch(const std::string& name);

// The same for `anzahl` names, the last of them `letzter`, all in verbrauchteNamen now: when
// they are the names freieNamen handed out last, the next search starts after them.
void namenInGebrauch(const std::string& letzter, std::size_t anzahl);

}  // namespace quodral
