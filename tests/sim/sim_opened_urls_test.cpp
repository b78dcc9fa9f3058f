#include "device/objc/class_builder.h"
#include "device/uikit/application.h"
#include "device/uikit/bar_button_item.h"
#include "tests/sim/sim_run.h"
#include "tests/support/booted_device.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using nlohmann::ordered_json;
using testing::HasSubstr;
using testing::Not;
using testing_support::BootedDevice;
using testing_support::jsonLines;
using testing_support::Library;
using testing_support::runSim;

namespace {

// A button's target that opens links, as a page that links elsewhere does.
class LinkOpener : public device::objc::Object {
public:
    static constexpr std::string_view className = "SimTestLinkOpener";

    void open(device::objc::id)
    {
        for (const auto& url : m_urls) {
            device::uikit::UIApplication::sharedApplication().openURL(url);
        }
    }

    std::vector<std::string> m_urls;
};

// Puts a "Follow" button that opens urls in the root page's navigation bar; the button holds its
// target weakly, so the caller keeps the answer.
std::shared_ptr<LinkOpener> addFollowButton(BootedDevice& phone, std::vector<std::string> urls)
{
    device::objc::ClassBuilder<LinkOpener>("NSObject").method<&LinkOpener::open>("open:");
    auto opener = device::objc::create<LinkOpener>();
    opener->m_urls = std::move(urls);
    phone.root()->navigationItem()->setRightBarButtonItem(device::uikit::UIBarButtonItem::initWithTitle(
        "Follow", device::uikit::UIBarButtonItemStyle::Plain, opener.get(), device::objc::sel_registerName("open:")));
    return opener;
}

}  // namespace

TEST(SimOpenedUrls, DumpListsTheUrlsOpenedDuringTheLastCommandOnly)
{
    BootedDevice phone("phone", Library::None);
    auto& device = phone.boot();
    auto opener = addFollowButton(phone, {"twitter://user?screen_name=velmora", "fb://profile/velmora", "https://velmora.example"});
    auto run = runSim(device, "dump\ntap Follow\ndump\ndump\ntap Follow\nwait 1\ndump");
    ASSERT_EQ(run.exit, 0) << run.err;
    auto lines = jsonLines(run.out);
    ASSERT_EQ(lines.size(), 4u);
    EXPECT_EQ(lines[0]["opened"], ordered_json::array());
    EXPECT_EQ(lines[1]["opened"], (ordered_json{"twitter://user?screen_name=velmora", "https://velmora.example"}))
        << "no installed application handles fb:";
    EXPECT_EQ(lines[2]["opened"], ordered_json::array()) << "dump itself opens nothing";
    EXPECT_EQ(lines[3]["opened"], ordered_json::array()) << "a wait after the tap is the last command";
}

TEST(SimOpenedUrls, ShowPrintsTheOpenedUrlsUnderTheScreen)
{
    BootedDevice phone("phone", Library::None);
    auto& device = phone.boot();
    auto opener = addFollowButton(phone, {"cydia://package/com.corvane.velmora", "http://velmora.example"});
    auto run = runSim(device, "show\ntap Follow\nshow");
    ASSERT_EQ(run.exit, 0) << run.err;
    auto opened = run.out.rfind("\nopened:\ncydia://package/com.corvane.velmora\nhttp://velmora.example\n");
    ASSERT_NE(opened, std::string::npos) << run.out;
    EXPECT_EQ(run.out.find("opened:"), opened + 1) << "the first show opened nothing";
    EXPECT_GT(opened, run.out.rfind("Weather+")) << "the URLs come under the screen";
}

TEST(SimOpenedUrls, TheTabletOpensOnlyTheBrowsersUrls)
{
    BootedDevice tablet("tablet", Library::None);
    auto& device = tablet.boot();
    auto opener = addFollowButton(tablet, {"twitter://user?screen_name=velmora", "https://velmora.example"});
    auto run = runSim(device, "tap Follow\ndump\nshow");
    ASSERT_EQ(run.exit, 0) << run.err;
    EXPECT_EQ(jsonLines(run.out.substr(0, run.out.find('\n') + 1))[0]["opened"],
              (ordered_json{"https://velmora.example"}));
    EXPECT_THAT(run.out, Not(HasSubstr("opened:"))) << "show after dump: nothing opened during dump";
}
