#include "app/Fenster.h"

namespace quodral {

namespace {

Fenster* installiertesFenster = nullptr;

}  // namespace

void fensterEinsetzen(Fenster* fenster) {
    installiertesFenster = fenster;
    if (fenster == nullptr) {
        dreierfrageEinsetzen({});
        return;
    }
    dreierfrageEinsetzen([fenster](const std::string& frage, const std::string& option1, const std::string& option2,
                                   const std::string& option3) {
        return fenster->auswahlAus3(frage, option1, option2, option3);
    });
}

Fenster* eingesetztesFenster() { return installiertesFenster; }

}  // namespace quodral
