#pragma once
// The fixture of every test that touches the program's globals: it starts from the state of a
// freshly started program and leaves that state behind.

#include <gtest/gtest.h>

#include "app/Zuruecksetzen.h"

namespace quodral {

class FrischerStart : public ::testing::Test {
protected:
    void SetUp() override { zustandZuruecksetzen(); }
    void TearDown() override { zustandZuruecksetzen(); }
};

}  // namespace quodral
