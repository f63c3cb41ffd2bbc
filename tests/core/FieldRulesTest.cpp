// The More/Less digit rules of the format patterns, and where an entry is
// stored.

#include "core/FieldRules.h"

#include "core/FieldTable.h"
#include "engine/PsychroFun.h"

#include <array>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

namespace {

using namespace calculator;

TEST(DigitRules, MoreAddsDecimalsUpToEight) {
    EXPECT_EQ(MoreDigits("####0.00"), "####0.000");
    EXPECT_EQ(MoreDigits("####0."), "####0.0");
    EXPECT_EQ(MoreDigits("0.00000000"), "0.00000000"); // eight: unchanged
    // Without a point every character counts as a decimal.
    EXPECT_EQ(MoreDigits("##"), "##0");
    EXPECT_EQ(MoreDigits("########"), "########");
    EXPECT_EQ(MoreDigits(""), "0");
}

TEST(DigitRules, LessStopsAtThePoint) {
    std::string pattern = "0.00";
    const std::string expected[] = {"0.0", "0.", "0."};
    for (const std::string& next : expected) {
        pattern = LessDigits(pattern);
        EXPECT_EQ(pattern, next);
    }
    EXPECT_EQ(LessDigits("####0."), "####0.");
    // Without a point the last character goes while there is one.
    EXPECT_EQ(LessDigits("#0"), "#");
    EXPECT_EQ(LessDigits(""), "");
}

// Where each entry field's value goes, and what it brings along: only the
// field's own member changes, except that pressure and altitude derive each
// other through the standard atmosphere (the marker where one has none).
TEST(StoreEntry, StoresIntoTheFieldsMemberAndCouplesTheAtmosphere) {
    namespace psy = basPsychroFun;
    constexpr float kUntouched = 123.0f;
    const auto marker = static_cast<float>(psy::kNoResult);
    const std::array<float CalcState::*, 15> members{
        &CalcState::Tdb, &CalcState::Twb, &CalcState::Tdp, &CalcState::Patm, &CalcState::Alt,
        &CalcState::Phi, &CalcState::W,   &CalcState::Ws,  &CalcState::V,    &CalcState::Rho,
        &CalcState::H,   &CalcState::Pw,  &CalcState::Pws, &CalcState::Mu,   &CalcState::Dv};
    struct Row {
        int field;
        float value;
        std::vector<std::pair<float CalcState::*, float>> changed;
    };
    const Row rows[] = {
        {kDryBulb, 75.0f, {{&CalcState::Tdb, 75.0f}}},
        {kWetBulb, 60.0f, {{&CalcState::Twb, 60.0f}}},
        {kRelativeHumidity, 0.5f, {{&CalcState::Phi, 0.5f}}},
        {kHumidityRatio, 0.01f, {{&CalcState::W, 0.01f}}},
        {kEnthalpy, 30.0f, {{&CalcState::H, 30.0f}}},
        {kAtmosphericPressure,
         12.0f,
         {{&CalcState::Patm, 12.0f},
          {&CalcState::Alt, static_cast<float>(psy::AltitudeFromPressure(12.0, "IP"))}}},
        {kAltitude,
         1000.0f,
         {{&CalcState::Alt, 1000.0f},
          {&CalcState::Patm, static_cast<float>(psy::PressureFromAltitude(1000.0, "IP"))}}},
        // Beyond the standard atmosphere's polynomial: no pressure.
        {kAltitude, 70000.0f, {{&CalcState::Alt, 70000.0f}, {&CalcState::Patm, marker}}},
        {kAltitude, -3000.0f, {{&CalcState::Alt, -3000.0f}, {&CalcState::Patm, marker}}},
        // Results are never entries.
        {kDewPoint, 50.0f, {}},
        {kMoistureConcentration, 50.0f, {}},
    };
    for (const Row& row : rows) {
        CalcState s;
        for (const auto m : members)
            s.*m = kUntouched;
        StoreEntry(s, row.field, row.value);
        for (const auto m : members) {
            float expected = kUntouched;
            for (const auto& [member, value] : row.changed) {
                if (member == m)
                    expected = value;
            }
            EXPECT_EQ(s.*m, expected) << "field " << row.field << ", value " << row.value;
        }
    }
}

} // namespace
