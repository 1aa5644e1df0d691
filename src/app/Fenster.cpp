#include "app/Fenster.h"

namespace quodral {

namespace {

Fenster* installiertesFenster = nullptr;

}  // namespace

void fensterEinsetzen(Fenster* fenster) { installiertesFenster = fenster; }

Fenster* eingesetztesFenster() { return installiertesFenster; }

std::string auswahlAus3(const std::string& frage, const std::string& option1, const std::string& option2,
                        const std::string& option3) {
    if (installiertesFenster == nullptr) return "Fehler";
    return installiertesFenster->auswahlAus3(frage, option1, option2, option3);
}

}  // namespace quodral
