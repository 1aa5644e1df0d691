#pragma once
// The per-statement check state, the family of checks on parameter words, the error
// report, and the name rule with free-name allocation.

#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "model/Arten.h"
#include "model/Namen.h"
#include "state/Zustand.h"

namespace quodral {

// The program mode: set to input for a typed statement, to exec for a replay.
enum class modus { learn, exec, input };
std::string rawValue(modus m);
template <> std::optional<modus> ausRawValue<modus>(std::string_view text);

inline modus aktuellerModus = modus::learn;

inline const std::set<std::string> ziffern{"0", "1", "2", "3", "4", "5", "6", "7", "8", "9", "."};

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

// The sentence for an object that cannot be made because its numbers would leave the range
// of doubles: "Das Objekt NAME kann nicht gebildet werden: seine Zahlen liegen außerhalb des
// darstellbaren Bereichs." (a definition, a mapping's new image, a common solid).
std::string zahlbereichSatz(const std::string& name);

// The check state and the names in use back to their start values (test reset).
void kontrolleZuruecksetzen();

}  // namespace quodral
