#include "drawing/Einstellungen.h"

namespace quodral {

void einstellungenZuruecksetzen() {
    autoObjekt = "po";
    drehAchse = "g";
    drehWinkel = 2.0;
    streckZentrum = "A";
    richtung = Vektor{1.0, 1.0, 1.0};
}

}  // namespace quodral
