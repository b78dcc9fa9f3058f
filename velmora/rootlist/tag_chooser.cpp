#include "velmora/rootlist/tag_chooser.h"

#include "velmora/core/shared_state.h"
#include "velmora/core/tablet.h"
#include "velmora/core/translator.h"
#include "velmora/protection/frosted_snapshot.h"
#include "velmora/rootlist/tags_table.h"
#include "velmora/store/store.h"

#include "device/objc/message.h"
#include "device/uikit/label.h"
#include "device/uikit/view_controller.h"

namespace velmora::rootlist {

namespace {

namespace objc = device::objc;
namespace uikit = device::uikit;

constexpr double kHeadingTop = 25;
constexpr double kHeadingHeight = 35;
constexpr double kTableTop = 70;
// The host list's sixth entry, counting its first group entry.
constexpr std::size_t kCarrierSwitchEntry = 5;

}  // namespace

void presentTagChooser(device::preferences::PSListController& root)
{
    core::SharedState& state = core::sharedState();
    auto page = objc::create<uikit::UIViewController>();
    uikit::UIView& view = *page->view();
    uikit::CGSize size = view.bounds().size;
    if (state.windowSnapshot) {
        if (auto frosted = protection::frostedSnapshot(*state.windowSnapshot)) {
            view.setBackgroundColor(uikit::UIColor::colorWithPatternImage(std::move(frosted)));
        }
    }

    auto heading = objc::create<uikit::UILabel>(uikit::CGRectMake(0, kHeadingTop, size.width, kHeadingHeight));
    heading->setText(core::Translator("select_tag"));
    if (auto font = uikit::UIFont::fontWithNameSize("HelveticaNeue", 27)) {
        heading->setFont(*font);
    }
    heading->setTextColor(uikit::UIColor::white(0.0, 0.35));
    heading->setTextAlignment(uikit::NSTextAlignment::Center);
    view.addSubview(heading);

    auto table = objc::create<uikit::UITableView>(uikit::CGRectMake(0, kTableTop, size.width, size.height - kTableTop));
    table->setBackgroundColor(uikit::UIColor::clearColor());
    state.chooserSource = objc::create<Tags>();
    table->setDataSource(state.chooserSource.get());
    table->setDelegate(state.chooserSource.get());
    view.addSubview(table);

    root.presentViewControllerAnimated(page, true);
}

bool _showCarrier(objc::id self, objc::SEL cmd)
{
    if (core::isTablet()) {
        return objc::callImp<bool>(core::sharedState().previous(core::InstalledMethod::ShowCarrier), self, cmd);
    }
    const core::EntryList& entries = core::sharedState().allEntries;
    // Before the first rebuild, or on a short list, there is no entry to ask about: the row shows.
    if (entries.size() <= kCarrierSwitchEntry) {
        return true;
    }
    return !store::readBool(store::load(store::Store::Hide), entries[kCarrierSwitchEntry]->nameOrEmpty());
}

}  // namespace velmora::rootlist
