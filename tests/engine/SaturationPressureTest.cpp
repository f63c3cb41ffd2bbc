#include "PsychroFun.h"

#include <gtest/gtest.h>

TEST(SaturationPressure, Smoke) { EXPECT_NEAR(basPsychroFun::SaturationPressure(20, "SI"), 2.33879, 1e-5); }
