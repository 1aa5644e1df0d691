#pragma once
// The per-statement check state, the family of checks on parameter words, the error
// report, and the name rule with free-name allocation.

#include <set>
#include <string>
#include <vector>

#include "model/Arten.h"

namespace quodral {

enum class modus { learn, exec, input };

inline bool checkResultat = true;   // true while every check of the current statement passed
inline std::string mListe;          // the collected error sentences
inline bool lok = true;             // true when the current statement is to be recorded
inline modus aktuellerModus = modus::learn;

// The nine reserved names every start begins with.
std::set<std::string> startNamen();
inline std::set<std::string> verbrauchteNamen = startNamen();

bool nameErlaubt(const std::string& name);
bool nameFrei(const std::string& name);
bool namensTest(const std::string& name);
std::string nextFreeName(const std::string& anfang);

void checkStart(const std::string& name);
void namenCheck(const std::string& name);
std::string namenVorCheck(const std::string& name);
void indexCheck(const std::string& name, const std::vector<grafikArt>& obs);
void index3Check(const std::string& name, const std::vector<grafik3DArt>& obs);
void wertCheck(const std::string& x);
void intCheck(const std::string& x);
void doubleCheckX(const std::string& x);
void paramCheck(int anzSoll, int anzIst);
void fehlerMitteilung();

}  // namespace quodral
