#include "interpreter/Fragen.h"

namespace quodral {

namespace {

Dreierfrage& installierteFrage() {
    static Dreierfrage frage;
    return frage;
}

}  // namespace

void dreierfrageEinsetzen(Dreierfrage frage) { installierteFrage() = std::move(frage); }

std::string auswahlAus3(const std::string& frage, const std::string& option1, const std::string& option2,
                        const std::string& option3) {
    const Dreierfrage& f = installierteFrage();
    if (!f) return "Fehler";
    return f(frage, option1, option2, option3);
}

}  // namespace quodral
