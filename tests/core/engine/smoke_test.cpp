#include <gtest/gtest.h>
#include "engine/model.h"
TEST(Smoke, Builds) { morvane::Model m; EXPECT_EQ(m.inputs.MaxStates, 100); }
