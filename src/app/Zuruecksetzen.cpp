#include "app/Zuruecksetzen.h"

#include "checks/Kontrolle.h"
#include "model/Attribute.h"
#include "drawing/Clipping.h"
#include "drawing/Einstellungen.h"
#include "drawing/Projektion.h"
#include "drawing/Sichtabbildung.h"
#include "interpreter/Dateioperationen.h"
#include "interpreter/Interpret.h"
#include "mappings/Abbilden.h"
#include "geometry/Numerik.h"
#include "model/Objekte.h"

namespace quodral {

void zustandZuruecksetzen() {
    // One line per subsystem.
    objekteZuruecksetzen();           // registries, kind indexes, special points, statement list
    kontrolleZuruecksetzen();         // check state, mode, names in use
    interpreterZuruecksetzen();       // answer, reserved names, snapshot, interpreter settings
    dateioperationenZuruecksetzen();  // name of the current statement list
    attrListe.clear();                // drawing attributes of the objects
    augenZuruecksetzen();             // eye points
    sichtabbildungZuruecksetzen();    // world window
    clippingZuruecksetzen();          // frame
    numerikZuruecksetzen();           // number of decimals
    einstellungenZuruecksetzen();     // settings of the automatic motions
    abbildungenZuruecksetzen();       // done-sets of the mappings, the last rigid motion
}

}  // namespace quodral
