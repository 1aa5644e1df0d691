#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FrischerStart.h"
#include "checks/Kontrolle.h"
#include "interpreter/Auflistung.h"
#include "interpreter/Befehle.h"
#include "interpreter/Beschreibung.h"
#include "interpreter/Interpret.h"
#include "model/Objekte.h"

// What no typed statement reaches: broken references, a polyhedron of a single face, and the
// check state around a formula's evaluation. The records are registered directly.

namespace quodral {

namespace {

struct BeschreibungTest : FrischerStart {};

TEST_F(BeschreibungTest, KaputteVerweiseWerdenVerweigert) {
    // A kind index entry without its record: nothing to describe, nothing to crash on.
    index1.insert_or_assign("geist", grafikArt::polygon);
    index3.insert_or_assign("hohl", grafik3DArt::zylinder);
    EXPECT_EQ(wasist("geist"), misserfolg);
    EXPECT_EQ(wasist("hohl"), misserfolg);
    // A polygon whose corners have gone is still described.
    Polygon("p", {"X", "Y", "X"}).einlisten();
    EXPECT_EQ(wasist("p").rfind("p ist das  Polygon mit der Eckpunktfolge [\"X\", \"Y\", \"X\"]..", 0), 0u) << quittung;
}

TEST_F(BeschreibungTest, FormelnAendernDenPruefzustandNicht) {
    // The term measures between names that do not exist: its value is 0, and looking at it
    // neither fails the statement nor leaves a sentence behind.
    Formel("f", "ABSTAND X Y").einlisten();
    checkResultat = true;
    mListe = "";
    lok = true;
    EXPECT_EQ(wasist("f"), "f = ABSTAND X Y mit dem Wert 0.000.\n");
    EXPECT_EQ(auflistung(grafikArt::formel),
              "Definierte Formeln:\n\n \n1 Formel:\n\n f = ABSTAND X Y mit dem Wert 0.000.\n\n");
    EXPECT_TRUE(checkResultat);
    EXPECT_EQ(mListe, "");
    EXPECT_TRUE(lok);
}

TEST_F(BeschreibungTest, AusgeartetesPolyederUndNamenlisten) {
    Punkt("A", 0, 0, 0).einlisten();
    Punkt("B", 1, 0, 0).einlisten();
    Punkt("C", 1, 1, 0).einlisten();
    Polygon("q", {"A", "B", "C", "A"}).einlisten();
    Polygon("p2", {"A", "B"}).einlisten();
    Polyeder("W", {"q"}).einlistenAls("W");
    EXPECT_EQ(auflistung(grafik3DArt::polyeder),
              "Definierte Polyeder:\n \n1 Polyeder:\nW:  zur Fläche des Polygons [\"q\"] ausgeartete Polyeder W.\n");
    // The listing word must be the whole statement.
    execute("POLYEDER");
    EXPECT_EQ(quittung, auflistung(grafik3DArt::polyeder));
    execute("POLYEDER ");
    EXPECT_NE(quittung, auflistung(grafik3DArt::polyeder));
    EXPECT_EQ(artzeile(grafikArt::polygon).namen(), (std::vector<std::string>{"p2", "q"}));
}

}  // namespace
}  // namespace quodral
