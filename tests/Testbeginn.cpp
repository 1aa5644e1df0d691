// The entry of the core test programs: the core starts as in every program built on it, then
// the tests run.

#include <gtest/gtest.h>

#include "app/Programmstart.h"

int main(int argc, char** argv) {
    quodral::kernStarten();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
