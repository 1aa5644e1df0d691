#pragma once
// The listings of one object kind each, behind the one-word commands PUNKTE, VEKTOREN,
// GERADEN, STRECKEN, STRAHLEN, EBENEN, POLYGONE, FORMELN, KLUMPEN, KUGELN, KREISE, KEGEL,
// ZYLINDER and POLYEDER. Listings only read: no registry, no check state and no lok changes
// (formula values are evaluated with the check state saved and restored around them).

#include <string>

#include "model/Artentabelle.h"

namespace quodral {

// The listing of one kind, as its listing word answers (the keyword registry's listing rows
// name the kind).
std::string auflistung(Objektart art);

}  // namespace quodral
