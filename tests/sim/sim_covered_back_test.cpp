#include "device/uikit/alert_view.h"
#include "tests/sim/sim_run.h"
#include "tests/support/booted_device.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using testing::HasSubstr;
using testing_support::BootedDevice;
using testing_support::jsonLines;
using testing_support::Library;
using testing_support::runSim;

TEST(SimCoveredBack, BackCannotReachAButtonUnderAnAlert)
{
    BootedDevice phone("phone", Library::None);
    auto& device = phone.boot();
    ASSERT_EQ(runSim(device, "tap Wi-Fi").exit, 0);
    auto alert = device::uikit::UIAlertView::initWithTitleMessageDelegateCancelButtonTitleOtherButtonTitles(
        "Wait", "", nullptr, "OK");
    alert->show();

    auto covered = runSim(device, "back");
    EXPECT_EQ(covered.exit, 2);
    EXPECT_THAT(covered.err, HasSubstr("back: the navigation bar shows no back button"));

    auto closed = runSim(device, "tap OK\nback\ndump");
    ASSERT_EQ(closed.exit, 0) << closed.err;
    EXPECT_EQ(jsonLines(closed.out).at(0)["page"]["title"], "Settings");
}
