#include "commands/Abfragen.h"

#include <gtest/gtest.h>

#include <string>

#include "FrischerStart.h"
#include "Handlerlauf.h"
#include "commands/Sichtbarkeitsbefehle.h"
#include "model/Objekte.h"
#include "state/Zustand.h"

// What the queries and the visibility statements answer is under test in the transcripts;
// here: states that no statement builds. A segment too short to carry a line, and a name
// whose kind index entry has lost its record, must never be measured as 0 or shown as set.

namespace quodral {

namespace {

class Abfragen : public FrischerStart {
protected:
    // As the window and the dispatcher hand a statement to its handler.
    void vorbereiten() { frischeAnweisung(); }

    bool nennt(const std::string& teil) const { return quittung.find(teil) != std::string::npos; }
};

}  // namespace

TEST_F(Abfragen, ZuKurzeStreckeHatKeinenWinkel) {
    // The segment statement refuses such end points; a mapping could still shrink a segment.
    ASSERT_TRUE(Strecke(Punkt("", 0, 0, 0), Punkt("", 5e-8, 0, 0)).einlistenAls("st"));
    vorbereiten();
    berechneWinkel({"st", "xAchse"});
    EXPECT_EQ(quittung, "Mindestens eine der Linien st, xAchse hat keine Richtung.");
    EXPECT_FALSE(lok);

    // A segment long enough has its direction: the angle with the y axis is 90.
    ASSERT_TRUE(Strecke(Punkt("", 0, 0, 0), Punkt("", 1e-3, 0, 0)).einlistenAls("st2"));
    vorbereiten();
    berechneWinkel({"st2", "yAchse"});
    EXPECT_EQ(quittung, "Der von den Linien st2 und yAchse gebildete Winkel hat die Weite 90.000º.");
}

TEST_F(Abfragen, FehlenderEintragWirdNichtGemessen) {
    ASSERT_TRUE(Punkt("B", 3, 4, 0).einlisten());
    // The kind index lists these names, but their records are gone.
    index1.insert_or_assign("A", grafikArt::punkt);
    index1.insert_or_assign("k", grafikArt::kugel);
    index1.insert_or_assign("K", grafikArt::kreis);
    index1.insert_or_assign("s", grafikArt::strecke);
    index1.insert_or_assign("v", grafikArt::vektor);

    vorbereiten();
    abstand({"A", "B"});
    EXPECT_FALSE(nennt("beträgt")) << quittung;
    EXPECT_FALSE(lok);

    vorbereiten();
    berechneRadius({"k"});
    EXPECT_FALSE(nennt("Radius")) << quittung;
    EXPECT_FALSE(lok);   // a radius answered would be recorded

    for (const char* name : {"K", "k"}) {
        vorbereiten();
        welcherDurchmesser({name});
        EXPECT_FALSE(nennt("beträgt")) << quittung;
        EXPECT_FALSE(lok);
    }
    for (const char* name : {"s", "v"}) {
        vorbereiten();
        laengeBerechnen({name});
        EXPECT_FALSE(nennt("beträgt")) << quittung;
        EXPECT_FALSE(lok);
    }

    // The point B itself still measures.
    vorbereiten();
    abstand({"B", "B"});
    EXPECT_EQ(quittung, "Der Abstand zwischen den Objekten B und B beträgt 0.000.");
}

TEST_F(Abfragen, FehlenderEintragWirdNichtAlsSichtbarGemeldet) {
    index1.insert_or_assign("g", grafikArt::gerade);
    vorbereiten();
    beschrifte({"g"});
    EXPECT_FALSE(nennt("Sichtbarkeit wurde")) << quittung;
    EXPECT_FALSE(lok);

    vorbereiten();
    verbirg({"g"});
    EXPECT_FALSE(nennt("verborgen.")) << quittung;
    EXPECT_FALSE(lok);

    vorbereiten();
    entschrifte({"g"});
    EXPECT_FALSE(nennt("gesetzt.")) << quittung;
    EXPECT_FALSE(lok);
}

}  // namespace quodral
