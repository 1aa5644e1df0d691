#include "drawing/Projektion.h"

namespace quodral {

void augenZuruecksetzen() {
    augez = augezStart;
    auge = Punkt("Auge", -1.0, 2.0, augezStart);
    auge1 = auge;
    auge2 = Punkt("Auge", -0.5, 2.0, augezStart);
    augen = {auge1, auge1};
}

}  // namespace quodral
