#include "device/uikit/application.h"

#include "tests/support/booted_device.h"

#include <gtest/gtest.h>

namespace device::uikit {
namespace {

using testing_support::BootedDevice;
using testing_support::Library;
using Urls = std::vector<std::string>;

TEST(Application, ThePhoneOpensTheBrowsersAndItsInstalledApplicationsSchemesOnly)
{
    BootedDevice phone("phone", Library::None);
    phone.boot();
    auto& application = UIApplication::sharedApplication();
    for (const char* url : {"http://example.com", "https://example.com/a?b=c", "cydia://package/com.corvane.velmora",
                            "twitter://user?screen_name=velmora", "HTTPS://EXAMPLE.COM", "Cydia://x", "twitter:"}) {
        EXPECT_TRUE(application.canOpenURL(url)) << url;
    }
    for (const char* url : {"fb://profile/velmora", "mailto:someone@example.com", "cydiax://x", "cydi://x",
                            "example.com", "://cydia", "", "1http://x", "twit ter://x"}) {
        EXPECT_FALSE(application.canOpenURL(url)) << url;
    }

    EXPECT_TRUE(application.openURL("cydia://package/com.corvane.velmora"));
    EXPECT_FALSE(application.openURL("fb://profile/velmora"));
    EXPECT_TRUE(application.openURL("https://example.com"));
    EXPECT_EQ(application.openedURLs(), (Urls{"cydia://package/com.corvane.velmora", "https://example.com"}));
    EXPECT_EQ(application.takeOpenedURLs(), (Urls{"cydia://package/com.corvane.velmora", "https://example.com"}));
    EXPECT_TRUE(application.takeOpenedURLs().empty()) << "each URL is reported once";
    EXPECT_EQ(application.openedURLs().size(), 2u) << "the history stays";
}

TEST(Application, TheTabletHasOnlyTheBrowserAndARelaunchKeepsTheDevicesSchemes)
{
    {
        BootedDevice tablet("tablet", Library::None);
        tablet.boot();
        auto& application = UIApplication::sharedApplication();
        EXPECT_TRUE(application.canOpenURL("http://example.com"));
        EXPECT_FALSE(application.canOpenURL("cydia://package/com.corvane.velmora"));
        EXPECT_FALSE(application.openURL("twitter://user?screen_name=velmora"));
        EXPECT_TRUE(application.openedURLs().empty());
        EXPECT_TRUE(application.takeOpenedURLs().empty());
    }
    BootedDevice phone("phone", Library::None);
    auto& device = phone.boot();
    UIApplication::sharedApplication().openURL("cydia://x");
    device.relaunch();
    EXPECT_TRUE(UIApplication::sharedApplication().takeOpenedURLs().empty()) << "a new launch has no history";
    EXPECT_TRUE(UIApplication::sharedApplication().canOpenURL("cydia://x"));
}

}  // namespace
}  // namespace device::uikit
