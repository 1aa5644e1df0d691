#include "model/Registrierung.h"

namespace quodral::eintrag {

namespace {

// Only the free collectives are in a kind index without being in use.
bool kollektivGesperrt(const std::string& name, bool kollektivUebernehmen) {
    return !kollektivUebernehmen && (index1.contains(name) || index3.contains(name));
}

}  // namespace

Eintragung namensRegel(const std::string& name, bool kollektivUebernehmen) {
    if (!nameErlaubt(name)) return Eintragung::nameUnzulaessig;
    if (nameVerbraucht(name)) return Eintragung::nameVergeben;
    if (blockierteNamen.contains(name)) return Eintragung::nameReserviert;
    if (kollektivGesperrt(name, kollektivUebernehmen)) return Eintragung::nameVergeben;
    return Eintragung::eingetragen;
}

Eintragung namensRegelFreierName(const std::string& name, bool kollektivUebernehmen) {
    if (!nameErlaubt(name)) return Eintragung::nameUnzulaessig;
    if (kollektivGesperrt(name, kollektivUebernehmen)) return Eintragung::nameVergeben;
    return Eintragung::eingetragen;
}

bool gelistetAls(const std::string& name, grafikArt art) {
    const grafikArt* eintrag = finde(index1, name);
    return eintrag != nullptr && *eintrag == art;
}

bool gelistetAls(const std::string& name, grafik3DArt art) {
    const grafik3DArt* eintrag = finde(index3, name);
    return eintrag != nullptr && *eintrag == art;
}

}  // namespace quodral::eintrag
