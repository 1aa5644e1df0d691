// The statements PRISMA, DREIBEIN, STERN, ZUFALLSPUNKTKLUMPEN and KLON where a transcript cannot
// look: the places of random points (they differ from run to run, so a transcript checks only
// their names), names held back by a running construction, and a clone whose parts vanished
// behind its back. Their answers are in the transcripts.

#include "commands/Vervielfaeltigung.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "FrischerStart.h"
#include "Handlerlauf.h"
#include "checks/Kontrolle.h"
#include "model/KoerperHilfe.h"
#include "model/Loeschen.h"
#include "model/Objekte.h"

namespace quodral {

using testhilfe::punkt;

namespace {

using Worte = std::vector<std::string>;
using Handler = void (*)(const Worte&);

class Vervielfaeltigung : public FrischerStart {
protected:
    // Runs the statement as the dispatcher hands it to its handler; true when it was recorded.
    static bool lauf(Handler h, const Worte& w) { return handlerLauf(h, w); }
};

}  // namespace

// Every random point lies in the cube from -100/30 to 99/30 on a grid of 1/30, and the
// cluster holds exactly the points that were made.
TEST_F(Vervielfaeltigung, ZufallspunkteInIhrenGrenzen) {
    ASSERT_TRUE(lauf(&zufallsPunktKlumpen, {"Z", "300"}));
    EXPECT_EQ(quittung, "Der Klumpen Z mit 300 Zufallspunkten wurde erzeugt.");
    const Klumpen& z = klumpenListe.at("Z");
    EXPECT_EQ(z.zelle.size(), 300u);
    EXPECT_EQ(punktListe.size(), 300u);
    for (const std::string& n : z.zelle) {
        ASSERT_TRUE(punktListe.contains(n)) << n;
        const Punkt& p = punktListe.at(n);
        for (const double c : {p.x, p.y, p.z}) {
            EXPECT_GE(c, -100.0 / 30) << n;
            EXPECT_LE(c, 99.0 / 30) << n;
            EXPECT_NEAR(c * 30, std::round(c * 30), 1e-9) << n;
        }
    }
}

// A name that a running construction holds back is refused by every statement here before
// anything is registered, and the refusal leaves the check state alone.
TEST_F(Vervielfaeltigung, ReservierterNameWirdAbgelehnt) {
    testhilfe::seite("G", {"A", "B", "C"});
    punkt("A", 0, 0, 0);
    punkt("B", 2, 0, 0);
    punkt("C", 0, 2, 0);
    ASSERT_TRUE(Klumpen("K", {"B", "C"}).einlisten());
    const std::size_t punkte = punktListe.size();
    blockierteNamen.insert("N");

    const struct {
        Handler h;
        Worte w;
    } faelle[] = {
        {&defPrisma, {"N", "G", "1"}},
        {&dreibein, {"N", "90", "90", "90"}},
        {&defStern, {"N", "A", "K"}},
        {&zufallsPunktKlumpen, {"N", "3"}},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.w.front() + " " + f.w[1]);
        EXPECT_FALSE(lauf(f.h, f.w));
        EXPECT_TRUE(checkResultat);
        EXPECT_EQ(quittung, "Der Name N ist für eine laufende Konstruktion reserviert; das Objekt wurde nicht gespeichert.");
        EXPECT_FALSE(index1.contains("N") || index3.contains("N"));
        EXPECT_EQ(punktListe.size(), punkte);
    }
}

// A cone whose base circle vanished behind its back: KLON refuses it, records nothing and
// leaves no copy behind.
TEST_F(Vervielfaeltigung, KlonEinesUnvollstaendigenKegels) {
    punkt("M", 0, 0, 0);
    punkt("S", 0, 0, 3);
    ASSERT_TRUE(Kreis("k", punktListe.at("M"), 1, Ebene(punktListe.at("M"), Vektor(0, 0, 1))).einlistenAls("k"));
    ASSERT_TRUE(Kegel("Kg", "k", "S").einlistenAls("Kg"));
    auslisten("k");

    EXPECT_FALSE(lauf(&klonen, {"C", "Kg"}));
    EXPECT_EQ(quittung, "Das Objekt Kg ist nicht vollständig vorhanden.");
    EXPECT_TRUE(checkResultat);
    EXPECT_FALSE(punktListe.contains("CS"));
    EXPECT_FALSE(kegelListe.contains("CKg"));
}

}  // namespace quodral
