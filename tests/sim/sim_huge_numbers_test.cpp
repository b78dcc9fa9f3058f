#include "tests/sim/sim_run.h"
#include "tests/support/booted_device.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using testing_support::BootedDevice;
using testing_support::jsonLines;
using testing_support::Library;
using testing_support::rowLabelled;
using testing_support::runSim;

// Every command ends promptly whatever its numbers say: the work is bounded by what the screen or
// the field can hold, and the outcome is the same as for the largest number that still matters.
TEST(SimHugeNumbers, ScrollingFartherThanTheListReachesItsEndAndReturns)
{
    BootedDevice phone("phone", Library::None);
    auto run = runSim(phone.boot(), "scroll 1e308\ntap 160 400\ndump\nback\nscroll 3000\ntap 160 400\ndump\nback\n"
                                    "scroll -1e308\ntap 160 150\ndump");
    ASSERT_EQ(run.exit, 0) << run.err;
    auto lines = jsonLines(run.out);
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0]["page"]["title"], lines[1]["page"]["title"]);
    EXPECT_NE(lines[0]["page"]["title"], "Settings");
    EXPECT_EQ(lines[2]["page"]["title"], "Wi-Fi") << "back at the top";
}

TEST(SimHugeNumbers, ErasingMoreThanAFieldHoldsEmptiesIt)
{
    BootedDevice phone("phone", Library::None);
    auto run = runSim(phone.boot(), "tap General\ntap About\ntap Name\nerase 9223372036854775807\ndump\n"
                                    "type Velmora\nerase 1e300\ntype V\ndump");
    ASSERT_EQ(run.exit, 0) << run.err;
    auto lines = jsonLines(run.out);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_TRUE(rowLabelled(lines[0]["page"], "Name")["value"].is_null()) << "an empty field shows nothing";
    EXPECT_EQ(rowLabelled(lines[1]["page"], "Name")["value"], "V");
}

TEST(SimHugeNumbers, ALanguageCodeOfAnyLengthIsCheckedWithoutCrashing)
{
    BootedDevice phone("phone", Library::None);
    std::string code = "en";
    for (int i = 0; i < 20000; ++i) {
        code += "-abcd";
    }
    auto accepted = runSim(phone.boot(), "language " + code + "\necho changed");
    EXPECT_EQ(accepted.exit, 0) << accepted.err.substr(0, 200);
    EXPECT_EQ(accepted.out, "changed\n");
    auto refused = runSim(phone.device(), "language " + code + "-x");
    EXPECT_EQ(refused.exit, 2);
    EXPECT_THAT(refused.err, testing::HasSubstr("test, line 1: language: \"" + code.substr(0, 40)));
}
