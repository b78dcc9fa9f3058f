#include "velmora/rootlist/tag_folder_arrange.h"

#include "velmora/core/tablet.h"
#include "velmora/core/translator.h"
#include "velmora/pane/alerts.h"
#include "velmora/pane/right_button.h"
#include "velmora/rootlist/arrange_sheet.h"
#include "velmora/rootlist/tag_folder.h"
#include "velmora/store/advanced_options.h"
#include "velmora/store/store_definitions.h"
#include "velmora/store/tag_members.h"

#include "device/objc/class_builder.h"
#include "device/objc/message.h"
#include "device/uikit/navigation_controller.h"

namespace velmora::rootlist {

namespace {

namespace objc = device::objc;
namespace ui = device::uikit;
using core::Translator;

bool animateOption()
{
    return store::advancedOption(store::options::kAnimate);
}

std::vector<std::string> namesOf(const core::EntryList& entries)
{
    std::vector<std::string> names;
    for (const core::Entry& entry : entries) {
        names.push_back(entry->nameOrEmpty());
    }
    return names;
}

// The page is rebuilt from the stored order afterwards, so an order that was not stored is not shown.
void writeOrder(const std::string& tagName)
{
    if (!store::saveTagOrder(tagName, namesOf(TagFolder::folderEntries()))) {
        pane::showNotSaved();
    }
}

bool validRow(ui::NSIndexPath indexPath)
{
    return indexPath.row >= 0 && indexPath.row < static_cast<long>(TagFolder::folderEntries().size());
}

}  // namespace

long Editable::numberOfSectionsInTableView(ui::UITableView*)
{
    return core::sharedState().folderCleared ? 0 : 1;
}

long Editable::tableViewNumberOfRowsInSection(ui::UITableView*, long)
{
    return static_cast<long>(TagFolder::folderEntries().size());
}

bool Editable::tableViewCanMoveRowAtIndexPath(ui::UITableView*, ui::NSIndexPath)
{
    return true;
}

ui::UITableViewCellEditingStyle Editable::tableViewEditingStyleForRowAtIndexPath(ui::UITableView*, ui::NSIndexPath)
{
    return ui::UITableViewCellEditingStyle::Delete;
}

bool Editable::tableViewShouldIndentWhileEditingRowAtIndexPath(ui::UITableView*, ui::NSIndexPath)
{
    return false;
}

std::shared_ptr<ui::UITableViewCell> Editable::tableViewCellForRowAtIndexPath(ui::UITableView*, ui::NSIndexPath indexPath)
{
    const core::EntryList& entries = TagFolder::folderEntries();
    return arrangeCell(validRow(indexPath) ? &entries[static_cast<std::size_t>(indexPath.row)] : nullptr);
}

void Editable::tableViewMoveRowAtIndexPathToIndexPath(ui::UITableView*, ui::NSIndexPath from, ui::NSIndexPath to)
{
    core::EntryList& entries = TagFolder::folderEntries();
    if (from == to || !validRow(from) || to.row < 0 || to.row >= static_cast<long>(entries.size())) {
        return;
    }
    core::Entry moved = entries[static_cast<std::size_t>(from.row)];
    entries.erase(entries.begin() + from.row);
    entries.insert(entries.begin() + to.row, moved);
}

void Editable::tableViewCommitEditingStyleForRowAtIndexPath(ui::UITableView* table, ui::UITableViewCellEditingStyle,
                                                            ui::NSIndexPath indexPath)
{
    if (!validRow(indexPath)) {
        return;
    }
    core::EntryList& entries = TagFolder::folderEntries();
    core::SharedState& state = core::sharedState();
    if (!store::setMemberFlags(state.folderTagName, {entries[static_cast<std::size_t>(indexPath.row)]->nameOrEmpty()},
                               false)) {
        pane::showNotSaved();
        return;
    }
    state.listIsCurrent = false;
    table->beginUpdates();
    table->deleteRowsAtIndexPathsWithRowAnimation({indexPath}, ui::UITableViewRowAnimation::Fade);
    entries.erase(entries.begin() + indexPath.row);
    table->endUpdates();
}

void TagFolder::setEditing()
{
    if (core::isTablet()) {
        presentArrangeSheet();
    } else {
        setEditingInPage();
    }
}

// The page's own table takes the arrange data source while arranging, and gets its own back after.
void TagFolder::setEditingInPage()
{
    auto keepAlive = retained<TagFolder>();
    core::SharedState& state = core::sharedState();
    ui::UITableView* pageTable = table();
    if (!pageTable->isEditing()) {
        pageTable->setTableHeaderView(nullptr);
        pageTable->setDelegate(state.editable.get());
        pageTable->setDataSource(state.editable.get());
        pane::setRightButton(*this, Translator("done"), "setEditing");
        pageTable->setEditingAnimated(true, animateOption());
        return;
    }
    installSearchHeader();
    pageTable->setDelegate(state.folderSavedDelegate.lock().get());
    pageTable->setDataSource(state.folderSavedDataSource.lock().get());
    addButton();
    writeOrder(title());
    objc::msgSend<void>(this, "reloadSpecifiers");
    pageTable->setEditingAnimated(false, animateOption());
}

void TagFolder::presentArrangeSheet()
{
    core::SharedState& state = core::sharedState();
    state.folderCleared = false;
    auto arrangeTable = rootlist::presentArrangeSheet(*this, state.editable.get(),
                                                      arrangeButton("remove", *this, "removeAll"),
                                                      arrangeButton("done", *this, "ArrangeComplete"));
    state.folderArrangeTable = objc::weakReference(arrangeTable.get());
}

void TagFolder::ArrangeComplete()
{
    auto keepAlive = retained<TagFolder>();
    writeOrder(title());
    objc::msgSend<void>(this, "reloadSpecifiers");
    ui::UIViewController* parent = parentController();
    if (!parent) {
        dismissViewControllerAnimated(animateOption());
        return;
    }
    auto keepParent = parent->retained<ui::UIViewController>();
    parent->dismissViewControllerAnimated(animateOption());
    if (objc::respondsTo(parent, "reloadSpecifiers")) {
        objc::msgSend<void>(parent, "reloadSpecifiers");
    }
}

// The sheet's table empties at once; the list it showed stays, so "done" still writes that order.
void TagFolder::removeAll()
{
    core::SharedState& state = core::sharedState();
    if (!store::setMemberFlags(state.folderTagName, namesOf(folderEntries()), false)) {
        pane::showNotSaved();
        return;
    }
    if (auto arrangeTable = std::dynamic_pointer_cast<ui::UITableView>(state.folderArrangeTable.lock())) {
        arrangeTable->beginUpdates();
        state.folderCleared = true;
        arrangeTable->deleteSectionsWithRowAnimation({0}, ui::UITableViewRowAnimation::Fade);
        arrangeTable->endUpdates();
    }
    state.listIsCurrent = false;
}

void registerFolderArrangeTable()
{
    objc::ClassBuilder<Editable>(device::preferences::PSViewController::className)
        .method<&Editable::numberOfSectionsInTableView>("numberOfSectionsInTableView:")
        .method<&Editable::tableViewNumberOfRowsInSection>("tableView:numberOfRowsInSection:")
        .method<&Editable::tableViewCanMoveRowAtIndexPath>("tableView:canMoveRowAtIndexPath:")
        .method<&Editable::tableViewEditingStyleForRowAtIndexPath>("tableView:editingStyleForRowAtIndexPath:")
        .method<&Editable::tableViewShouldIndentWhileEditingRowAtIndexPath>(
            "tableView:shouldIndentWhileEditingRowAtIndexPath:")
        .method<&Editable::tableViewCellForRowAtIndexPath>("tableView:cellForRowAtIndexPath:")
        .method<&Editable::tableViewMoveRowAtIndexPathToIndexPath>("tableView:moveRowAtIndexPath:toIndexPath:")
        .method<&Editable::tableViewCommitEditingStyleForRowAtIndexPath>(
            "tableView:commitEditingStyle:forRowAtIndexPath:");
}

}  // namespace velmora::rootlist
