// The derived constructions in the cases no typed statement reaches: lines and planes whose
// direction or normal is the null vector (no statement makes one), polygons without a corner
// point, names held back by a running construction, cones whose parts are gone. Each is
// refused without claiming success and without touching the check state, so that a saved list
// holding such a line still replays. What the statements answer otherwise is in the
// transcripts.

#include "commands/Konstruktionen.h"

#include <gtest/gtest.h>

#include "FrischerStart.h"
#include "Handlerlauf.h"
#include "checks/Kontrolle.h"
#include "model/KoerperHilfe.h"
#include "model/Objekte.h"

namespace quodral {

using testhilfe::punkt;

namespace {

using Worte = std::vector<std::string>;
using Handler = void (*)(const Worte&);

class Konstruktionen : public FrischerStart {
protected:
    void SetUp() override {
        FrischerStart::SetUp();
        punkt("A", 0, 0, 0);
        punkt("B", 2, 0, 0);
        punkt("P", 1, 2, 3);
        // A line and a plane without direction, as a mapping by a tiny factor could leave them.
        Gerade(punktListe.at("A"), Vektor(0, 0, 0)).einlistenAls("g0");
        Ebene(punktListe.at("A"), Vektor(0, 0, 0)).einlistenAls("e0");
    }

    // Runs the statement as the dispatcher hands it to its handler; true when it was recorded.
    static bool lauf(Handler h, const Worte& w) { return handlerLauf(h, w); }
};

}  // namespace

// A null direction or normal fixes no foot, parallel, orthogonal or tangent plane: nothing is
// registered, the answer says why, and the check state stays as it was.
TEST_F(Konstruktionen, NullrichtungBautNichts) {
    Kugel(Punkt("M", 5, 5, 5), 1).einlistenAls("K");
    struct Fall {
        Handler h;
        Worte w;
        const char* antwort;
    };
    const Fall faelle[] = {
        {lotfusspunkt0, {"F", "P", "g0"}, "Die Richtung von g0 ist der Nullvektor; es wurde nichts konstruiert."},
        {lotfusspunkt0, {"F", "P", "e0"}, "Der Normalenvektor von e0 ist der Nullvektor; es wurde nichts konstruiert."},
        {parallele, {"F", "g0", "P"}, "Die Richtung von g0 ist der Nullvektor; es wurde nichts konstruiert."},
        {parallele, {"F", "e0", "P"}, "Der Normalenvektor von e0 ist der Nullvektor; es wurde nichts konstruiert."},
        {orthogonale, {"F", "g0", "P"}, "Die Richtung von g0 ist der Nullvektor; es wurde nichts konstruiert."},
        {orthogonale, {"F", "e0", "P"}, "Der Normalenvektor von e0 ist der Nullvektor; es wurde nichts konstruiert."},
        {defTangenten, {"F", "g0", "K"}, "Die Richtung von g0 ist der Nullvektor; es wurde nichts konstruiert."},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.w[1]);
        EXPECT_FALSE(lauf(f.h, f.w));
        EXPECT_EQ(quittung, f.antwort);
        EXPECT_TRUE(checkResultat);
        EXPECT_FALSE(index1.contains("F"));
        EXPECT_FALSE(index1.contains("F1"));
    }
}

// A polygon whose entries name no point has no anchor point; AUFPUNKT does not claim one.
TEST_F(Konstruktionen, AufpunktOhneEckpunkt) {
    Polygon("q", {"-", "-"}).einlisten();
    EXPECT_FALSE(lauf(aufpunktSetzen, {"X", "q"}));
    EXPECT_EQ(quittung, "Das Objekt q hat keinen Punkt, der als Aufpunkt dienen könnte.");
    EXPECT_TRUE(checkResultat);
    EXPECT_FALSE(index1.contains("X"));
}

// A name that a running construction holds back passes the name check (it is not in use yet)
// but is not taken: nothing is built under it or next to it, and the reservation stays for
// the construction that made it.
TEST_F(Konstruktionen, ReservierterNameBautNichts) {
    Gerade(punktListe.at("A"), Vektor(1, 0, 0)).einlistenAls("g");
    Strecke(punktListe.at("A"), punktListe.at("B")).einlistenAls("s");
    punkt("M", 0, 5, 0);
    Kugel(punktListe.at("M"), 1).einlistenAls("K");
    punkt("O", 0, 0, 0);
    punkt("S", 0, 0, 4);
    Ebene e0(punktListe.at("O"), Vektor(0, 0, 1));
    e0.einlistenAls("E0");
    Kreis("k", punktListe.at("O"), 2, e0).einlisten();
    ASSERT_TRUE(Kegel("Kg", "k", "S").einlistenAls("Kg"));
    Ebene(Punkt("", 0, 0, 2), Vektor(0, 0, 1)).einlistenAls("H");

    const std::pair<Handler, Worte> anweisungen[] = {
        {aufpunktSetzen, {"R", "g"}},       {lotfusspunkt0, {"R", "P", "g"}}, {orthogonale, {"R", "g", "P"}},
        {defTangenten, {"R", "g", "K"}},    {defKegelschnitt, {"R", "Kg", "H", "8"}},
        {zerlegung, {"R", "s", "4"}},
    };
    for (const auto& [h, w] : anweisungen) {
        SCOPED_TRACE(w.front() + " " + w[1]);
        blockierteNamen = {"R"};
        EXPECT_FALSE(lauf(h, w));
        EXPECT_EQ(quittung, "Der Name R ist für eine laufende Konstruktion reserviert; das Objekt wurde nicht gespeichert.");
        EXPECT_EQ(blockierteNamen, std::set<std::string>{"R"});
        for (const char* n : {"R", "R1", "R2", "RZ"}) EXPECT_FALSE(index1.contains(n)) << n;
    }
    // PARALLELE refuses a name that is not free without a sentence of its own.
    blockierteNamen = {"R"};
    EXPECT_FALSE(lauf(parallele, {"R", "g", "P"}));
    EXPECT_EQ(quittung, misserfolg);
    EXPECT_FALSE(index1.contains("R"));
}

// A cone whose base circle has gone cannot be cut; nothing is registered.
TEST_F(Konstruktionen, KegelOhneBasiskreis) {
    punkt("S", 0, 0, 4);
    Ebene e0(punktListe.at("A"), Vektor(0, 0, 1));
    Kreis("k", punktListe.at("A"), 2, e0).einlisten();
    ASSERT_TRUE(Kegel("Kg", "k", "S").einlistenAls("Kg"));
    Ebene(Punkt("", 0, 0, 2), Vektor(0, 0, 1)).einlistenAls("H");
    kreisListe.erase("k");
    EXPECT_FALSE(lauf(defKegelschnitt, {"p", "Kg", "H", "8"}));
    EXPECT_EQ(quittung, "Das Objekt Kg ist nicht vollständig vorhanden.");
    EXPECT_FALSE(index1.contains("p"));
    EXPECT_FALSE(index1.contains("p1"));
}

}  // namespace quodral
