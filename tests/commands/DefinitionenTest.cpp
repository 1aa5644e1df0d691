#include "commands/Definitionen.h"

#include <gtest/gtest.h>

#include "FrischerStart.h"
#include "checks/Kontrolle.h"
#include "interpreter/Interpret.h"
#include "model/Objekte.h"

// What PUNKT, VEKTOR and SEI answer is under test in the transcripts; here: a name held by a
// running construction is not reported as defined.

namespace quodral {

namespace {
class Definitionen : public FrischerStart {
protected:
    // As the dispatcher hands a statement to its handler.
    void SetUp() override {
        FrischerStart::SetUp();
        lok = true;
    }
};
}  // namespace

TEST_F(Definitionen, ReservierterNameWirdNichtAlsErfolgGemeldet) {
    // The check of names in use lets a reserved name pass, but registration refuses it.
    blockierteNamen.insert("A");
    quittung = misserfolg;
    defPunkt({"A", "1", "2", "3"});
    EXPECT_FALSE(punktListe.contains("A"));
    EXPECT_FALSE(lok);
    EXPECT_EQ(quittung.find("ist der Punkt"), std::string::npos) << quittung;

    lok = true;
    definiereFormel({"A", "2"});
    EXPECT_FALSE(formelListe.contains("A"));
    EXPECT_FALSE(lok);
    EXPECT_EQ(quittung.find("wurde gespeichert"), std::string::npos) << quittung;
}

}  // namespace quodral
