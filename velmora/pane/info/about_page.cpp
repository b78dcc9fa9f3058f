#include "velmora/pane/info/info_pages.h"

#include "velmora/core/translator.h"
#include "velmora/pane/info/header_cell.h"
#include "velmora/pane/info/package.h"
#include "velmora/pane/rows.h"

#include "device/uikit/application.h"

namespace velmora::pane {

namespace {

struct SocialClient {
    std::string_view scheme;
    std::string_view profileURL;
};

// The social network's own clients first, then its web page.
constexpr SocialClient kClients[] = {
    {"tweetbot:", "tweetbot:///user_profile/"},
    {"tweetings:", "tweetings:///user?screen_name="},
    {"twitter:", "twitter://user?screen_name="},
};
constexpr std::string_view kWebFollowPage = "https://twitter.com/intent/follow?screen_name=";

}  // namespace

void AboutUs::buildRows(core::EntryList& list)
{
    core::Entry banner = groupWithFooter(core::Translator("corvane"));
    banner->setPropertyForKey(std::string(HeaderCell::className), "headerCellClass");
    core::Entry follow = makeRow(core::Translator("followme"), this, "PSLinkCell");
    follow->setAction(device::objc::sel_registerName("follow"));
    list = {banner, emptyGroup(), emptyGroup(), follow};
}

void AboutUs::follow()
{
    auto& application = device::uikit::UIApplication::sharedApplication();
    for (const SocialClient& client : kClients) {
        if (application.canOpenURL(std::string(client.scheme))) {
            application.openURL(std::string(client.profileURL).append(kSocialHandle));
            return;
        }
    }
    application.openURL(std::string(kWebFollowPage).append(kSocialHandle));
}

}  // namespace velmora::pane
