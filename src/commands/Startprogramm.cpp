#include "commands/Startprogramm.h"

#include <string>

#include "commands/Generatoren.h"
#include "drawing/Einstellungen.h"
#include "interpreter/Befehle.h"
#include "model/Objekte.h"
#include "text/Zahlen.h"

namespace quodral {

void experiment() {
    if (!anweisungsListe.empty()) {
        quittung = "Das Startprogramm ist nur für Verwendung bei leerer Anweisungsliste vorgesehen.";
        return;
    }
    Generatorlauf lauf;
    // The corners of the cube, D at the origin, and its space diagonal g from D to F.
    for (const char* anweisung : {"Punkt,D,0,0,0", "Punkt,A,1.5,0,0", "Punkt,B,1.5,1.5,0", "Punkt,C,0,1.5,0",
                                  "Punkt,E,1.5,0,1.5", "Punkt,F,1.5,1.5,1.5", "Punkt,G,0,1.5,1.5", "Punkt,H,0,0,1.5",
                                  "Gerade,g,D,F"})
        if (!lauf.anweisung(anweisung)) return lauf.abschliessen();
    // A setting, not an object: run, but not part of the list.
    execute("scroll dreh");
    // An open path along all twelve edges of the cube, some of them twice.
    if (!lauf.anweisung("Polygon,po,D,A,E,H,D,C,B,F,G,C,B,A,E,F,E,H,G")) return lauf.abschliessen();

    quittung = "Eine Startkonstellation mit einem Polygon po in Würfelform und einer Geraden g wurde hergestellt.\n";
    quittung += "Drehachse: " + drehAchse + ",  autoObjekt: " + autoObjekt + ",  Drehwinkel: " + kurzform(drehWinkel) +
                "° , Scroll dreh.";
    lok = true;
}

}  // namespace quodral
