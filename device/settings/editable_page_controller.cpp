#include "device/settings/editable_page_controller.h"

#include "device/objc/class_builder.h"

#include <algorithm>

namespace device::settings {

std::shared_ptr<uikit::UIView> HostEditablePageController::loadView()
{
    auto view = HostPageController::loadView();
    showEditButton(false);
    return view;
}

void HostEditablePageController::showEditButton(bool editing)
{
    navigationItem()->setRightBarButtonItem(uikit::UIBarButtonItem::initWithTitle(
        editing ? "Done" : "Edit", editing ? uikit::UIBarButtonItemStyle::Done : uikit::UIBarButtonItemStyle::Bordered,
        this, objc::sel_registerName("toggleEditing:")));
}

void HostEditablePageController::toggleEditing(uikit::UIBarButtonItem*)
{
    bool editing = !table()->isEditing();
    table()->setEditingAnimated(editing, true);
    showEditButton(editing);
}

void HostEditablePageController::tableViewCommitEditingStyleForRowAtIndexPath(uikit::UITableView*,
                                                                             uikit::UITableViewCellEditingStyle style,
                                                                             uikit::NSIndexPath indexPath)
{
    if (style != uikit::UITableViewCellEditingStyle::Delete) {
        return;
    }
    if (auto row = specifierAtIndexPath(indexPath)) {
        removeSpecifierAnimated(row.get(), true);
        keepRowsAsListed();
    }
}

// The table has already moved the row's cell; the list follows, so that its next reload agrees.
void HostEditablePageController::tableViewMoveRowAtIndexPathToIndexPath(uikit::UITableView*, uikit::NSIndexPath from,
                                                                        uikit::NSIndexPath to)
{
    auto moved = specifierAtIndexPath(from);
    if (!moved || from == to) {
        return;
    }
    bool sameSection = from.section == to.section;
    bool afterLast = !sameSection && to.row >= rowsForGroup(to.section);
    auto anchor = specifierAtIndexPath(afterLast ? uikit::NSIndexPath{to.section, to.row - 1} : to);
    if (!anchor) {
        return;
    }
    bool placeAfter = afterLast || (sameSection && to.row > from.row);
    auto& list = currentList();
    list.erase(std::find(list.begin(), list.end(), moved));
    auto at = std::find(list.begin(), list.end(), anchor);
    list.insert(placeAfter ? std::next(at) : at, moved);
    keepRowsAsListed();
}

void registerEditablePageClass()
{
    objc::ClassBuilder<HostEditablePageController>("HostPageController")
        .method<&HostEditablePageController::toggleEditing>("toggleEditing:")
        .method<&HostEditablePageController::tableViewCommitEditingStyleForRowAtIndexPath>(
            "tableView:commitEditingStyle:forRowAtIndexPath:")
        .method<&HostEditablePageController::tableViewMoveRowAtIndexPathToIndexPath>(
            "tableView:moveRowAtIndexPath:toIndexPath:");
}

}  // namespace device::settings
