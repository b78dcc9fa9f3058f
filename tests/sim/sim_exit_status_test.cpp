#include "tests/sim/sim_run.h"
#include "tests/support/booted_device.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using testing::HasSubstr;
using testing::IsEmpty;
using testing_support::BootedDevice;
using testing_support::Library;
using testing_support::runSim;

class SimExitStatus : public testing::Test {
protected:
    void SetUp() override { m_device = &m_phone.boot(); }

    testing_support::SimRun run(std::string_view script, sim::Separators separators = sim::Separators::Lines)
    {
        return runSim(*m_device, script, separators);
    }

private:
    BootedDevice m_phone{"phone", Library::None};
    device::settings::Device* m_device = nullptr;
};

TEST_F(SimExitStatus, AFailedExpectationExitsWithOneNamingTheLineAndShowingTheScreen)
{
    auto missing = run("# the root list\nexpect Airplane Mode\nexpect Nowhere To Be Seen\necho never");
    EXPECT_EQ(missing.exit, 1);
    EXPECT_THAT(missing.err, HasSubstr("test, line 3: expect: the screen does not show \"Nowhere To Be Seen\""));
    EXPECT_THAT(missing.err, HasSubstr("Airplane Mode"));
    EXPECT_THAT(missing.out, IsEmpty());

    auto present = run("expect-not \"Wi-Fi\"");
    EXPECT_EQ(present.exit, 1);
    EXPECT_THAT(present.err, HasSubstr("test, line 1: expect-not: the screen shows \"Wi-Fi\""));
}

TEST_F(SimExitStatus, AnUnknownCommandOrMalformedLineStopsTheScriptBeforeAnythingRuns)
{
    struct Case {
        std::string_view script;
        std::string_view message;
    };
    for (const auto& [script, message] : std::initializer_list<Case>{
             {"echo first\n\nfly away", "test, line 3: unknown command \"fly\""},
             {"echo first\nwait soon", "test, line 2: wait: needs a number of seconds"},
             {"echo first\nexpect \"Airplane", "test, line 2: expect: the quote that opens the text is never closed"},
             {"echo first\nshow everything", "test, line 2: show: takes no arguments"},
             {"echo first\nswipe Wi-Fi up", "test, line 2: swipe: expects TEXT left|right [POINTS]"},
             {"echo first\ntap Wi-Fi #0", "test, line 2: tap: expects #N"},
         }) {
        auto result = run(script);
        EXPECT_EQ(result.exit, 2) << script;
        EXPECT_THAT(result.err, HasSubstr(message)) << script;
        EXPECT_THAT(result.out, IsEmpty()) << script;
    }
}

TEST_F(SimExitStatus, CommandLineTextSplitsAtSemicolonsOutsideQuotes)
{
    auto quoted = run("echo \"a;b\"; echo c;# a comment", sim::Separators::LinesAndSemicolons);
    EXPECT_EQ(quoted.exit, 0) << quoted.err;
    EXPECT_EQ(quoted.out, "a;b\nc\n");

    auto wrong = run("echo a; bogus", sim::Separators::LinesAndSemicolons);
    EXPECT_EQ(wrong.exit, 2);
    EXPECT_THAT(wrong.err, HasSubstr("test, line 1, command 2: unknown command \"bogus\""));
}
