#include "mappings/Abbilden.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "Ortsvergleich.h"

namespace quodral {

using testhilfe::amOrt;

TEST(DrehungUmGerade, RechteHandRegel) {
    const Gerade achse(Punkt("", 1, 1, 0), Vektor(0, 0, 2));
    struct Fall {
        const char* was;
        Punkt p;
        Gerade g;
        double winkel;
        testhilfe::Ort bild;
    };
    const Fall faelle[] = {
        // A quarter turn about the z axis takes the x direction to the y direction.
        {"z, 90", Punkt("", 1, 0, 0), zAchse, 90, {0, 1, 0}},
        {"z, -90", Punkt("", 1, 0, 0), zAchse, -90, {0, -1, 0}},
        {"z, 180", Punkt("", 1, 0, 0), zAchse, 180, {-1, 0, 0}},
        // The reversed axis turns the other way; the length of the direction plays no part.
        {"-z, 90", Punkt("", 1, 0, 0), Gerade(origo, Vektor(0, 0, -1)), 90, {0, -1, 0}},
        {"7z, 90", Punkt("", 1, 0, 0), Gerade(origo, Vektor(0, 0, 7)), 90, {0, 1, 0}},
        // About the x axis, y goes to z; about the y axis, z goes to x.
        {"x, 90", Punkt("", 0, 1, 0), xAchse, 90, {0, 0, 1}},
        {"y, 90", Punkt("", 0, 0, 1), yAchse, 90, {1, 0, 0}},
        // A third of a turn about the space diagonal cycles the axes.
        {"Raumdiagonale, 120", Punkt("", 1, 0, 0), Gerade(origo, Vektor(1, 1, 1)), 120, {0, 1, 0}},
        // About an axis beside the origin; its points stay, a full turn brings every point back.
        {"Achse neben dem Ursprung", Punkt("", 2, 1, 5), achse, 90, {1, 2, 5}},
        {"Punkt der Achse", Punkt("", 1, 1, -3), achse, 37, {1, 1, -3}},
        {"volle Drehung", Punkt("", 3.5, -2, 4), achse, 360, {3.5, -2, 4}},
        // No direction, or no finite angle: the point stays as it is.
        {"Achse ohne Richtung", Punkt("", 1, 0, 0), Gerade(origo, Vektor(0, 0, 0)), 90, {1, 0, 0}},
        {"unendlicher Winkel", Punkt("", 1, 0, 0), zAchse, std::numeric_limits<double>::infinity(), {1, 0, 0}},
        {"Winkel nan", Punkt("", 1, 0, 0), zAchse, std::nan(""), {1, 0, 0}},
    };
    for (const Fall& f : faelle)
        EXPECT_TRUE(amOrt(punktDrehenUmGerade(f.p, f.g, f.winkel), f.bild.x, f.bild.y, f.bild.z, 1e-12)) << f.was;
    // The distance from the axis is kept, and so are the name and the remark.
    Punkt q("P", 3.5, -2, 4);
    q.rem = "Ecke";
    const Punkt b = punktDrehenUmGerade(q, achse, 23);
    EXPECT_NEAR(b.dist(achse), q.dist(achse), 1e-12);
    EXPECT_EQ(b.name, "P");
    EXPECT_EQ(b.rem, "Ecke");
}

}  // namespace quodral
