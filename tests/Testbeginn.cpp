// The entry of the core test programs: the core starts as in every program built on it, then
// the tests run.

#include <gtest/gtest.h>

#include <clocale>

#include "app/Programmstart.h"

int main(int argc, char** argv) {
    // The locale of the environment in full, its number format included (which the window resets
    // to "C"): under a German locale a number text that followed the locale would write a decimal
    // comma, and the tests would see it.
    std::setlocale(LC_ALL, "");
    quodral::kernStarten();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
