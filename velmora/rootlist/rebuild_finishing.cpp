#include "velmora/rootlist/rebuild_finishing.h"

#include "velmora/core/shared_state.h"
#include "velmora/core/tablet.h"
#include "velmora/store/store.h"

#include "device/foundation/file_manager.h"
#include "device/foundation/run_loop.h"
#include "device/objc/message.h"
#include "device/uikit/refresh_control.h"

#include <algorithm>
#include <unordered_map>
#include <utility>

namespace velmora::rootlist {

namespace {

namespace objc = device::objc;
using core::Entry;
using core::EntryList;
using device::preferences::PSListController;

constexpr double kLoopInterval = 0.2;

// A group entry directly followed by another group entry; a trailing group entry stays.
void removeEmptyGroups(PSListController& root, bool animate)
{
    EntryList list = root.specifiers();
    EntryList marked;
    for (std::size_t i = 0; i + 1 < list.size(); ++i) {
        if (list[i]->isGroup() && list[i + 1]->isGroup()) {
            marked.push_back(list[i]);
        }
    }
    for (const Entry& entry : marked) {
        root.removeSpecifierAnimated(entry.get(), animate);
    }
}

void applyStoredOrder(PSListController& root, bool animate)
{
    std::string positionPath = store::storePath(store::Store::Position);
    if (!device::foundation::FileManager::defaultManager().fileExistsAtPath(positionPath)) {
        return;
    }
    EntryList current = root.specifiers();
    EntryList remaining = current;
    auto positions = store::load(positionPath);
    root.removeContiguousSpecifiersAnimated(current, animate);

    std::unordered_map<std::string, Entry> firstByIdentifier;
    for (const Entry& entry : current) {
        if (auto identifier = entry->identifier()) {
            firstByIdentifier.try_emplace(*identifier, entry);
        }
    }
    for (std::size_t i = 0; i < positions.size(); ++i) {
        auto place = positions.find(store::decimalKey(static_cast<long>(i)));
        if (place == positions.end() || !place->second.isString()) {
            continue;
        }
        auto found = firstByIdentifier.find(*place->second.string());
        if (found == firstByIdentifier.end()) {
            continue;
        }
        root.addSpecifierAnimated(found->second, animate);
        std::erase(remaining, found->second);
    }
    // Group entries the stored order does not name are dropped.
    for (const Entry& entry : remaining) {
        if (!entry->isGroup()) {
            root.addSpecifierAnimated(entry, animate);
        }
    }
}

std::map<std::string, EntryList> sectionsOf(const EntryList& list, bool dividersHidden)
{
    std::map<std::string, EntryList> sections;
    if (dividersHidden) {
        EntryList& rows = sections["0"];
        std::copy_if(list.begin(), list.end(), std::back_inserter(rows), [](const Entry& e) { return !e->isGroup(); });
        return sections;
    }
    // On a tablet each section's list ends with the group entry that follows it.
    bool tablet = core::isTablet();
    long section = -1;
    EntryList currentSection;
    for (std::size_t i = 0; i < list.size(); ++i) {
        const Entry& entry = list[i];
        if (entry->isGroup()) {
            if (tablet) {
                currentSection.push_back(entry);
            }
            sections[store::decimalKey(section)] = std::exchange(currentSection, {});
            ++section;
            continue;
        }
        currentSection.push_back(entry);
        if (i + 1 == list.size()) {
            sections[store::decimalKey(section)] = std::exchange(currentSection, {});
        }
    }
    return sections;
}

void endRefreshing(PSListController& root)
{
    auto* table = root.table();
    if (!table) {
        return;
    }
    for (const auto& subview : table->subviews()) {
        auto* refresh = objc::as<device::uikit::UIRefreshControl>(subview.get());
        if (refresh && refresh->isRefreshing()) {
            refresh->endRefreshing();
        }
    }
}

void updateLoopTimer(PSListController& root, bool swipeCells)
{
    auto& timer = core::sharedState().loopTimer;
    bool running = timer && timer->isValid();
    if (swipeCells && !running) {
        timer = device::foundation::NSTimer::scheduledTimerWithTimeInterval(
            kLoopInterval, &root, objc::sel_registerName("Looping"), nullptr, true);
        timer->fire();
    } else if (!swipeCells && running) {
        timer->invalidate();
        timer.reset();
    }
}

}  // namespace

void finishRootList(PSListController& root, const RebuildSettings& settings)
{
    core::SharedState& state = core::sharedState();
    state.sectionMap.clear();
    removeEmptyGroups(root, settings.animate);
    state.listSnapshot = root.specifiers();
    applyStoredOrder(root, settings.animate);
    if (settings.dividersHidden) {
        state.sectionCount = 1;
    } else {
        removeEmptyGroups(root, settings.animate);
        state.sectionCount = static_cast<std::int32_t>(root.numberOfGroups());
    }
    state.sectionMap = sectionsOf(root.specifiers(), settings.dividersHidden);
    if (settings.pullToRefresh) {
        endRefreshing(root);
    }
    updateLoopTimer(root, settings.swipeCells);
}

}  // namespace velmora::rootlist
