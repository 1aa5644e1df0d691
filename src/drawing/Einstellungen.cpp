#include "drawing/Einstellungen.h"

namespace quodral {

void einstellungenZuruecksetzen() {
    autoObjekt = "po";
    drehAchse = "g";
    drehWinkel = 2.0;
    streckZentrum = "A";
    richtung = Vektor{1.0, 1.0, 1.0};
    bArt = bewegungsart::xverschieben;

    zeichenFarbe = {systemSchwarz, systemSchwarz};
    aktuelleFarbe = systemSchwarz;
    aktuelleBreite = 1;
    fontsize = fontsizeStart;
    dreiD = false;
    t_Control = false;
    t_Alt = false;
    t_Command = false;
    tX = 0;
    tY = 0;
}

void fontSizeX(double st) {
    if (st > 0 && fontsize < fontsizeMax)
        fontsize += 1.0;
    else if (st < 0 && fontsize > fontsizeMin)
        fontsize -= 1.0;
}

}  // namespace quodral
