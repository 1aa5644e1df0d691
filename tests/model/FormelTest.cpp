#include <gtest/gtest.h>

#include "app/Zuruecksetzen.h"
#include "checks/Kontrolle.h"
#include "drawing/Attribute.h"
#include "model/Numerik.h"
#include "model/Objekte.h"

namespace quodral {

namespace {
class Formeln : public ::testing::Test {
protected:
    void SetUp() override { zustandZuruecksetzen(); }
    void TearDown() override { zustandZuruecksetzen(); }
};
}  // namespace

TEST_F(Formeln, Registrierung) {
    Formel("r", "2.5").einlisten();
    ASSERT_TRUE(formelListe.contains("r"));
    EXPECT_EQ(formelListe.at("r").term, "2.5");
    EXPECT_EQ(index1.at("r"), grafikArt::formel);
    EXPECT_TRUE(verbrauchteNamen.contains("r"));
    EXPECT_FALSE(attrListe.contains("r"));   // a formula is never drawn
}

TEST_F(Formeln, BelegterNameAendertNichts) {
    Punkt("r", 1, 2, 3).einlisten();
    Formel("r", "2.5").einlisten();
    EXPECT_FALSE(formelListe.contains("r"));
    EXPECT_EQ(index1.at("r"), grafikArt::punkt);
    // A name reserved by a running construction is not free either.
    blockierteNamen.insert("s");
    Formel("s", "1").einlisten();
    EXPECT_FALSE(formelListe.contains("s"));
    EXPECT_FALSE(index1.contains("s"));
}

TEST_F(Formeln, EinlistenAlsBehaeltDenNamen) {
    const Formel f("r", "2.5");
    f.einlistenAls("q");
    EXPECT_EQ(f.name, "r");
    ASSERT_TRUE(formelListe.contains("q"));
    EXPECT_EQ(formelListe.at("q").name, "q");
    EXPECT_FALSE(formelListe.contains("r"));
}

TEST_F(Formeln, TextformMitDemAktuellenWert) {
    EXPECT_EQ(Formel("r", "2.5").alsString(), "r = 2.5 mit dem Wert 2.500.\n");
    dezimalen = 0;
    EXPECT_EQ(Formel("r", "2.5").alsString(), "r = 2.5 mit dem Wert 2.\n");
    dezimalen = 3;
    // The term stands as stored; a term without a value shows 0.
    EXPECT_EQ(Formel("d", "ABSTAND P  Q").alsString(), "d = ABSTAND P  Q mit dem Wert 0.000.\n");
}

TEST_F(Formeln, TextformFolgtDenObjekten) {
    Punkt("P", 0, 0, 0).einlisten();
    Punkt("Q", 1, 0, 0).einlisten();
    const Formel d("d", "ABSTAND P Q");
    EXPECT_EQ(d.alsString(), "d = ABSTAND P Q mit dem Wert 1.000.\n");
    punktListe.at("Q").x = 4;
    EXPECT_EQ(d.alsString(), "d = ABSTAND P Q mit dem Wert 4.000.\n");
}

TEST_F(Formeln, TextformLaesstDenPruefzustand) {
    // Looking at a formula whose term fails its count must not fail the statement in hand
    // nor leave a sentence behind; nor may it clear an earlier failure.
    checkResultat = true;
    mListe = "";
    lok = true;
    EXPECT_EQ(Formel("d", "ABSTAND P").alsString(), "d = ABSTAND P mit dem Wert 0.000.\n");
    EXPECT_TRUE(checkResultat);
    EXPECT_EQ(mListe, "");
    EXPECT_TRUE(lok);

    checkResultat = false;
    mListe = "vorher ";
    lok = false;
    Punkt("P", 0, 0, 0).einlisten();
    Punkt("Q", 0, 0, 2).einlisten();
    EXPECT_EQ(Formel("d", "ABSTAND P Q").alsString(), "d = ABSTAND P Q mit dem Wert 2.000.\n");
    EXPECT_FALSE(checkResultat);
    EXPECT_EQ(mListe, "vorher ");
    EXPECT_FALSE(lok);
}

}  // namespace quodral
