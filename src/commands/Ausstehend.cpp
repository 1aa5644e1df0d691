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
QUODRAL_AUSSTEHEND(aufpunktSetzen)
QUODRAL_AUSSTEHEND(lotfusspunkt0)
QUODRAL_AUSSTEHEND(orthogonale)
QUODRAL_AUSSTEHEND(parallele)
QUODRAL_AUSSTEHEND(defTangenten)
QUODRAL_AUSSTEHEND(defKegelschnitt)
QUODRAL_AUSSTEHEND(zerlegung)
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
QUODRAL_AUSSTEHEND(abstand)
QUODRAL_AUSSTEHEND(berechneWinkel)
QUODRAL_AUSSTEHEND(laengeBerechnen)
QUODRAL_AUSSTEHEND(welcherDurchmesser)
QUODRAL_AUSSTEHEND(berechneRadius)
QUODRAL_AUSSTEHEND(autoObjektSetzen)
QUODRAL_AUSSTEHEND(drehAchseSetzen)
QUODRAL_AUSSTEHEND(drehWinkelSetzen)
QUODRAL_AUSSTEHEND(setzeRichtung)
QUODRAL_AUSSTEHEND(streckZentrumSetzen)
QUODRAL_AUSSTEHEND(scroll)
QUODRAL_AUSSTEHEND(dezimalenWahl)
QUODRAL_AUSSTEHEND(beschrifte)
QUODRAL_AUSSTEHEND(beschrifteAuswahl)
QUODRAL_AUSSTEHEND(entschrifte)
QUODRAL_AUSSTEHEND(entschrifteAuswahl)
QUODRAL_AUSSTEHEND(verbirg)
QUODRAL_AUSSTEHEND(verbirgAuswahl)

}  // namespace quodral
