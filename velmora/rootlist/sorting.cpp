#include "velmora/rootlist/sorting.h"

#include "velmora/core/shared_state.h"
#include "velmora/core/tablet.h"
#include "velmora/core/translator.h"
#include "velmora/pane/alerts.h"
#include "velmora/rootlist/arrange_mode.h"
#include "velmora/store/store.h"

#include "device/foundation/file_manager.h"
#include "device/objc/class_builder.h"
#include "device/objc/message.h"
#include "device/preferences/list_controller.h"
#include "device/uikit/application.h"
#include "device/uikit/window.h"

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

namespace velmora::rootlist {

namespace {

namespace objc = device::objc;
namespace uikit = device::uikit;
using device::preferences::PSListController;

enum class Direction { Ascending, Descending };

// The sheet numbers its buttons from the reset button, which only a stored order brings.
enum class SortChoice : long { Reset = 0, AToZ = 1, ZToA = 2 };

bool positionsStored()
{
    return device::foundation::FileManager::defaultManager().fileExistsAtPath(
        store::storePath(store::Store::Position));
}

// Names compare as their bytes do, so case decides before the alphabet: "Zebra" comes before "apple".
void sortEntries(objc::id self, Direction direction)
{
    auto* root = objc::as<PSListController>(self);
    if (!root) {
        return;
    }
    core::EntryList rows;
    for (const core::Entry& entry : root->specifiers()) {
        if (!entry->isGroup()) {
            rows.push_back(entry);
        }
    }
    std::vector<std::string> names;
    for (const core::Entry& entry : rows) {
        names.push_back(entry->nameOrEmpty());
    }
    if (direction == Direction::Ascending) {
        std::stable_sort(names.begin(), names.end());
    } else {
        std::stable_sort(names.begin(), names.end(), std::greater<>());
    }
    device::foundation::PlistDictionary order;
    for (const std::string& name : names) {
        auto first = std::find_if(rows.begin(), rows.end(), [&](const auto& e) { return e->nameOrEmpty() == name; });
        if (auto identifier = (*first)->identifier()) {
            order[store::decimalKey(static_cast<long>(order.size()))] = *identifier;
        }
    }
    closeArrangeMode(*root);
    bool saved = store::save(store::Store::Position, order);
    objc::msgSend<void>(self, "reloadSpecifiers");
    objc::msgSend<void>(self, "viewWillAppear:", true);
    if (!saved) {
        pane::showNotSaved();
    }
}

}  // namespace

void Sort::actionSheetClickedButtonAtIndex(uikit::UIActionSheet*, long index)
{
    auto controller = core::sharedState().sortController.lock();
    if (!controller) {
        return;
    }
    long choice = positionsStored() ? index : index + 1;
    switch (static_cast<SortChoice>(choice)) {
    case SortChoice::Reset:
        objc::msgSend<void>(controller.get(), "resetPos");
        break;
    case SortChoice::AToZ:
        objc::msgSend<void>(controller.get(), "sortAZ");
        break;
    case SortChoice::ZToA:
        objc::msgSend<void>(controller.get(), "sortZA");
        break;
    default:
        break;
    }
}

void registerSortDelegate()
{
    objc::ClassBuilder<Sort>(uikit::UIActionSheet::className)
        .method<&Sort::actionSheetClickedButtonAtIndex>("actionSheet:clickedButtonAtIndex:");
}

void sortAZ(objc::id self, objc::SEL)
{
    sortEntries(self, Direction::Ascending);
}

void sortZA(objc::id self, objc::SEL)
{
    sortEntries(self, Direction::Descending);
}

void sortType(objc::id self, objc::SEL, objc::id barButtonItem)
{
    core::SharedState& state = core::sharedState();
    state.sortController = objc::weakReference(self);
    std::optional<std::string> reset;
    if (positionsStored()) {
        reset = core::Translator("reset");
    }
    auto sheet = uikit::UIActionSheet::initWithTitleDelegateCancelButtonTitleDestructiveButtonTitleOtherButtonTitles(
        core::Translator("title_sheet"), state.sort.get(), core::Translator("cancel"), reset, {"A->Z", "Z->A"});
    if (core::isTablet()) {
        sheet->showFromBarButtonItemAnimated(objc::as<uikit::UIBarButtonItem>(barButtonItem), true);
    } else {
        sheet->showInView(uikit::UIApplication::sharedApplication().keyWindow());
    }
}

}  // namespace velmora::rootlist
