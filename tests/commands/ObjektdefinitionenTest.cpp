// The definitions of lines, planes, circles, spheres and clusters in the cases no typed
// statement reaches: records gone behind the index's back, names held by a running
// construction, planes that came about elsewhere. What the statements answer otherwise is in
// the transcripts.

#include "commands/Objektdefinitionen.h"

#include <gtest/gtest.h>

#include "FrischerStart.h"
#include "Handlerlauf.h"
#include "checks/Kontrolle.h"
#include "interpreter/Interpret.h"
#include "model/KoerperHilfe.h"
#include "model/Objekte.h"

namespace quodral {

using testhilfe::punkt;

namespace {

using Worte = std::vector<std::string>;
using Handler = void (*)(const Worte&);

class Objektdefinitionen : public FrischerStart {
protected:
    void SetUp() override {
        FrischerStart::SetUp();
        punkt("A", 0, 0, 0);
        punkt("B", 2, 0, 0);
        punkt("C", 0, 2, 0);
        punkt("D", 0, 0, 2);
    }

    // Runs the statement as the dispatcher hands it to its handler; true when it was recorded.
    static bool lauf(Handler h, const Worte& w) { return handlerLauf(h, w); }
};

}  // namespace

// Solids join a cluster by their entry in the solid index; planes and formulas do not.
TEST_F(Objektdefinitionen, KlumpenNimmtKoerperAuf) {
    index3Eintragen("W", grafik3DArt::polyeder);
    Formel("f", "2").einlisten();
    EXPECT_TRUE(lauf(defKlumpen, {"K", "W", "f", "A"}));
    EXPECT_EQ(klumpenListe.at("K").zelle, (std::set<std::string>{"A", "W"}));
    EXPECT_EQ(quittung, "Der Klumpen K mit der Zellenmenge [\"A\", \"W\"] wurde definiert.");
}

// A name that the kind index still knows but whose record has gone is refused, and the
// look-up inserts nothing into the registry.
TEST_F(Objektdefinitionen, FehlenderEintragWirdAbgelehnt) {
    indexEintragen("X", grafikArt::punkt);
    EXPECT_FALSE(lauf(defGerade, {"g", "A", "X"}));
    EXPECT_EQ(quittung, "FEHLER: \n\nDas Objekt X ist nicht vorhanden.");
    EXPECT_FALSE(geradenListe.contains("g"));
    EXPECT_FALSE(punktListe.contains("X"));

    indexEintragen("K", grafikArt::klumpen);
    EXPECT_FALSE(lauf(defStrecke, {"s", "A", "K"}));
    EXPECT_FALSE(lauf(mit, {"K", "A"}));
    EXPECT_FALSE(lauf(ohne, {"K", "A"}));
    EXPECT_FALSE(klumpenListe.contains("K"));
}

// A name reserved by a running construction is not taken, and nothing is left half-built
// (the circle through three points registers no centre).
TEST_F(Objektdefinitionen, ReservierterNameBautNichts) {
    Gerade(punktListe.at("A"), Vektor(1, 0, 0)).einlistenAls("g");
    Klumpen("K", {"A", "B"}).einlisten();
    blockierteNamen.insert("R");
    const std::pair<Handler, Worte> anweisungen[] = {
        {defKreis, {"R", "A", "B", "C"}}, {defGerade, {"R", "A", "B"}}, {defEbene, {"R", "A", "B", "C"}},
        {defKugel, {"R", "A", "2"}},      {defKugel, {"R", "A", "B"}},  {defKugel, {"R", "A", "B", "C", "D"}},
        {defKlumpen, {"R", "A"}},
    };
    for (const auto& [h, w] : anweisungen) {
        EXPECT_FALSE(lauf(h, w)) << w.size() << " " << w[1] << ": " << quittung;
        EXPECT_FALSE(index1.contains("R")) << quittung;
    }
    EXPECT_FALSE(punktListe.contains("RM"));
    EXPECT_EQ(punktListe.size(), 4u);
    // The plane through a point and a line passes the reserved name by (it is named R1).
    lauf(defEbene, {"R", "D", "g"});
    EXPECT_FALSE(index1.contains("R"));
}

// A plane whose normal is too long to square measures its points as one with a unit normal:
// a circle is laid into it about a point of it, not about a point off it.
TEST_F(Objektdefinitionen, KreisInEinerEbeneMitLangerNormale) {
    Ebene(Punkt("", 0, 0, 0), Vektor(0, 0, 1e200)).einlistenAls("E");
    EXPECT_TRUE(lauf(defKreis, {"k", "A", "1", "E"})) << quittung;
    EXPECT_TRUE(kreisListe.contains("k"));
    EXPECT_FALSE(lauf(defKreis, {"k2", "D", "1", "E"}));
    EXPECT_NE(quittung.find("nicht in der Ebene E liegt"), std::string::npos) << quittung;
}

}  // namespace quodral
