#include "velmora/rootlist/arrange_table.h"

#include "velmora/core/shared_state.h"
#include "velmora/core/tablet.h"
#include "velmora/rootlist/arrange_sheet.h"
#include "velmora/store/store.h"

#include "device/objc/class_builder.h"
#include "device/preferences/specifier.h"
#include "device/uikit/image.h"

#include <algorithm>

namespace velmora::rootlist {

namespace {

namespace uikit = device::uikit;
using core::EntryList;

EntryList* sectionEntries(long section)
{
    auto& map = core::sharedState().sectionMap;
    auto found = map.find(store::decimalKey(section));
    return found == map.end() ? nullptr : &found->second;
}

long rowCount(long section)
{
    const EntryList* entries = sectionEntries(section);
    return entries ? static_cast<long>(entries->size()) : 0;
}

bool isLastSection(long section)
{
    return section + 1 >= core::sharedState().sectionCount;
}

// On a tablet every section but the last ends with its group entry. A row may not come to rest below
// it: it goes to the start of the next section instead, or just above the group when none follows.
void keepTrailingGroupLast(uikit::UITableView* table, long section)
{
    EntryList* entries = sectionEntries(section);
    if (!entries || entries->size() < 2 || !(*entries)[entries->size() - 2]->isGroup()) {
        return;
    }
    core::Entry moved = entries->back();
    if (moved->isGroup()) {
        return;
    }
    entries->pop_back();
    if (isLastSection(section)) {
        entries->insert(entries->end() - 1, moved);
    } else {
        EntryList& next = core::sharedState().sectionMap[store::decimalKey(section + 1)];
        next.insert(next.begin(), moved);
    }
    table->setNeedsReload();
}

}  // namespace

long test::numberOfSectionsInTableView(uikit::UITableView*)
{
    return core::sharedState().sectionCount;
}

long test::tableViewNumberOfRowsInSection(uikit::UITableView*, long section)
{
    return rowCount(section);
}

bool test::tableViewCanMoveRowAtIndexPath(uikit::UITableView*, uikit::NSIndexPath indexPath)
{
    if (!core::isTablet() || isLastSection(indexPath.section)) {
        return true;
    }
    return indexPath.row + 1 < rowCount(indexPath.section);
}

uikit::UITableViewCellEditingStyle test::tableViewEditingStyleForRowAtIndexPath(uikit::UITableView*,
                                                                                uikit::NSIndexPath)
{
    return uikit::UITableViewCellEditingStyle::None;
}

bool test::tableViewShouldIndentWhileEditingRowAtIndexPath(uikit::UITableView*, uikit::NSIndexPath)
{
    return false;
}

std::shared_ptr<uikit::UITableViewCell> test::tableViewCellForRowAtIndexPath(uikit::UITableView*,
                                                                             uikit::NSIndexPath indexPath)
{
    const EntryList* entries = sectionEntries(indexPath.section);
    bool inRange = entries && indexPath.row >= 0 && indexPath.row < static_cast<long>(entries->size());
    return arrangeCell(inRange ? &(*entries)[static_cast<std::size_t>(indexPath.row)] : nullptr);
}

void test::tableViewMoveRowAtIndexPathToIndexPath(uikit::UITableView* table, uikit::NSIndexPath from,
                                                  uikit::NSIndexPath to)
{
    if (from == to) {
        return;
    }
    EntryList* source = sectionEntries(from.section);
    if (!source || from.row < 0 || from.row >= static_cast<long>(source->size())) {
        return;
    }
    bool tablet = core::isTablet();
    // Dropped onto the place of its own section's trailing group.
    if (tablet && from.section == to.section && to.row < static_cast<long>(source->size())
        && (*source)[static_cast<std::size_t>(to.row)]->isGroup() && !isLastSection(to.section)) {
        to = {to.section + 1, 0};
        table->setNeedsReload();
    }
    core::Entry moved = (*source)[static_cast<std::size_t>(from.row)];
    source->erase(source->begin() + from.row);
    EntryList& destination = core::sharedState().sectionMap[store::decimalKey(to.section)];
    long place = std::clamp<long>(to.row, 0, static_cast<long>(destination.size()));
    destination.insert(destination.begin() + place, moved);
    if (tablet && destination.back() == moved) {
        keepTrailingGroupLast(table, to.section);
    }
}

void registerArrangeTable()
{
    device::objc::ClassBuilder<test>(device::preferences::PSViewController::className)
        .method<&test::numberOfSectionsInTableView>("numberOfSectionsInTableView:")
        .method<&test::tableViewNumberOfRowsInSection>("tableView:numberOfRowsInSection:")
        .method<&test::tableViewCanMoveRowAtIndexPath>("tableView:canMoveRowAtIndexPath:")
        .method<&test::tableViewEditingStyleForRowAtIndexPath>("tableView:editingStyleForRowAtIndexPath:")
        .method<&test::tableViewShouldIndentWhileEditingRowAtIndexPath>(
            "tableView:shouldIndentWhileEditingRowAtIndexPath:")
        .method<&test::tableViewCellForRowAtIndexPath>("tableView:cellForRowAtIndexPath:")
        .method<&test::tableViewMoveRowAtIndexPathToIndexPath>("tableView:moveRowAtIndexPath:toIndexPath:");
}

}  // namespace velmora::rootlist
