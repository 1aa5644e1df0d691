// Statements whose work is not yet available in this build. Each of these handlers leaves
// the answer that the dispatcher preset (the failure text with its keyword suggestions) and
// clears lok, so the statement is neither carried out nor recorded. A handler leaves this
// list when its statement is implemented.

#include <string>
#include <vector>

#include "checks/Kontrolle.h"
#include "commands/Handler.h"

#define QUODRAL_AUSSTEHEND(name) \
    void name(const std::vector<std::string>&) { lok = false; }

namespace quodral {

QUODRAL_AUSSTEHEND(defNEck)
QUODRAL_AUSSTEHEND(einpassen)
QUODRAL_AUSSTEHEND(defQuader)
QUODRAL_AUSSTEHEND(defRechteck)
QUODRAL_AUSSTEHEND(duplikat)
QUODRAL_AUSSTEHEND(defPrisma)
QUODRAL_AUSSTEHEND(dreibein)
QUODRAL_AUSSTEHEND(defStern)
QUODRAL_AUSSTEHEND(zufallsPunktKlumpen)
QUODRAL_AUSSTEHEND(klonen)
QUODRAL_AUSSTEHEND(schnitt)
QUODRAL_AUSSTEHEND(defpSchnitt)
QUODRAL_AUSSTEHEND(defEckenklumpen)
QUODRAL_AUSSTEHEND(defHuelle)
QUODRAL_AUSSTEHEND(kHuelle)
QUODRAL_AUSSTEHEND(umhuelle)
QUODRAL_AUSSTEHEND(spiegele)
QUODRAL_AUSSTEHEND(drehen)
QUODRAL_AUSSTEHEND(streckungStart)
QUODRAL_AUSSTEHEND(verschiebe)
QUODRAL_AUSSTEHEND(streckenAntragStart)
QUODRAL_AUSSTEHEND(beamen)
QUODRAL_AUSSTEHEND(xyBewegung)
QUODRAL_AUSSTEHEND(wende)

}  // namespace quodral
