#include "app/Programmstart.h"

#include "measurement/Funktionen.h"
#include "model/Formel.h"

namespace quodral {

void kernStarten() { formelauswertungSetzen(&formelwert); }

}  // namespace quodral
