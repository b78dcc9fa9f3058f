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
#include <unordered_set>
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
    const EntryList& list = root.specifiers();
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

// The number a key of an order file stands for when it is exactly the decimal key of a place below
// count; any other key is never looked up.
std::optional<std::size_t> placeOfKey(std::string_view key, std::size_t count)
{
    if (key.empty() || (key.size() > 1 && key.front() == '0')) {
        return std::nullopt;
    }
    std::size_t place = 0;
    for (char digit : key) {
        if (digit < '0' || digit > '9') {
            return std::nullopt;
        }
        place = place * 10 + static_cast<std::size_t>(digit - '0');
        if (place >= count) {
            return std::nullopt;
        }
    }
    return place;
}

// The identifiers of an order file by place, "0" to the number of keys less one, from one walk over
// its keys; a place without a string holds none.
std::vector<const std::string*> identifiersByPlace(const store::PlistDictionary& positions)
{
    std::vector<const std::string*> identifiers(positions.size(), nullptr);
    for (const auto& [key, value] : positions) {
        if (auto place = placeOfKey(key, identifiers.size())) {
            identifiers[*place] = value.string();
        }
    }
    return identifiers;
}

void applyStoredOrder(PSListController& root, bool animate)
{
    std::string positionPath = store::storePath(store::Store::Position);
    if (!device::foundation::FileManager::defaultManager().fileExistsAtPath(positionPath)) {
        return;
    }
    EntryList current = root.specifiers();
    auto positions = store::load(positionPath);
    root.removeContiguousSpecifiersAnimated(current, animate);

    std::unordered_map<std::string, Entry> firstByIdentifier;
    firstByIdentifier.reserve(current.size());
    for (const Entry& entry : current) {
        if (auto identifier = entry->identifier()) {
            firstByIdentifier.try_emplace(*identifier, entry);
        }
    }
    std::unordered_set<const device::preferences::PSSpecifier*> placed;
    placed.reserve(current.size());
    for (const std::string* identifier : identifiersByPlace(positions)) {
        auto found = identifier ? firstByIdentifier.find(*identifier) : firstByIdentifier.end();
        if (found == firstByIdentifier.end()) {
            continue;
        }
        root.addSpecifierAnimated(found->second, animate);
        placed.insert(found->second.get());
    }
    // Group entries the stored order does not name are dropped.
    for (const Entry& entry : current) {
        if (!entry->isGroup() && !placed.contains(entry.get())) {
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
