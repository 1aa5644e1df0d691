#include <gtest/gtest.h>

#include "model/Modellhilfe.h"

namespace quodral {

using namespace testhilfe;
using Formeln = Anfangszustand;

TEST_F(Formeln, TextformMitDemAktuellenWert) {
    EXPECT_EQ(Formel("r", "2.5").alsString(), "r = 2.5 mit dem Wert 2.500.\n");
    dezimalen = 0;
    EXPECT_EQ(Formel("r", "2.5").alsString(), "r = 2.5 mit dem Wert 2.\n");
    dezimalen = 3;
    // The term stands as stored, blanks included; a term without a value shows 0.
    EXPECT_EQ(Formel("d", "ABSTAND P  Q").alsString(), "d = ABSTAND P  Q mit dem Wert 0.000.\n");
    // The value follows the objects, the record stays as it is.
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
