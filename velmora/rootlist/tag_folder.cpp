#include "velmora/rootlist/tag_folder.h"

#include "velmora/core/tablet.h"
#include "velmora/core/translator.h"
#include "velmora/pane/right_button.h"
#include "velmora/rootlist/tag_folder_members.h"
#include "velmora/store/advanced_options.h"
#include "velmora/store/store_definitions.h"

#include "device/objc/class_builder.h"
#include "device/objc/message.h"
#include "device/uikit/action_sheet.h"
#include "device/uikit/application.h"
#include "device/uikit/search_bar.h"
#include "device/uikit/window.h"

namespace velmora::rootlist {

namespace {

namespace objc = device::objc;
namespace ui = device::uikit;
using core::Translator;

// The choice sheet's buttons in the platform's numbering: the destructive one first.
constexpr long kAddEntriesButton = 0;
constexpr long kArrangeButton = 1;

}  // namespace

void TagFolder::buildRows(core::EntryList& list)
{
    list = folderMembers(title());
    core::sharedState().folderTagName = title();
}

void TagFolder::viewWillAppear(bool animated)
{
    auto keepAlive = retained<TagFolder>();
    core::SharedState& state = core::sharedState();
    state.folderSheetShown = false;
    PSListController::viewWillAppear(animated);
    state.folderCleared = false;
    if (!core::isTablet()) {
        state.folderSavedDataSource = objc::weakReference(table()->dataSource());
        state.folderSavedDelegate = objc::weakReference(table()->delegate());
    }
    installSearchHeader();
    addButton();
    objc::msgSend<void>(this, "reloadSpecifiers");
    state.addingEntries = false;
}

// The tablet shows it too: its arrange mode leaves the page's table alone.
void TagFolder::installSearchHeader()
{
    if (!store::advancedOption(store::options::kSearchBox)) {
        return;
    }
    auto searchBar = objc::create<ui::UISearchBar>(ui::CGRectMake(0, 0, 320, 44));
    searchBar->setPlaceholder(Translator("search") + title());
    searchBar->setSearchBarStyle(ui::UISearchBarStyle::Minimal);
    searchBar->setShowsCancelButton(false);
    searchBar->setDelegate(this);
    table()->setTableHeaderView(searchBar);
}

void TagFolder::addButton()
{
    pane::setRightButton(*this, Translator("edit"), "ChooseEdit");
}

void TagFolder::ChooseEdit()
{
    core::SharedState& state = core::sharedState();
    if (ui::UIActionSheet::visibleSheet() || (core::isTablet() && state.folderSheetShown)) {
        return;
    }
    auto sheet = ui::UIActionSheet::initWithTitleDelegateCancelButtonTitleDestructiveButtonTitleOtherButtonTitles(
        Translator("title_sheet"), this, Translator("cancel"), Translator("add"), {Translator("r/r")});
    if (core::isTablet()) {
        sheet->showFromBarButtonItemAnimated(navigationItem()->rightBarButtonItem(),
                                             store::advancedOption(store::options::kAnimate));
        state.folderSheetShown = true;
    } else {
        sheet->showInView(ui::UIApplication::sharedApplication().keyWindow());
    }
}

void TagFolder::actionSheetClickedButtonAtIndex(ui::UIActionSheet*, long index)
{
    auto keepAlive = retained<TagFolder>();
    if (index == kAddEntriesButton) {
        Edit();
    } else if (index == kArrangeButton) {
        setEditing();
    }
    core::sharedState().folderSheetShown = false;
}

void TagFolder::actionSheetCancel(ui::UIActionSheet*)
{
    core::sharedState().folderSheetShown = false;
}

void TagFolder::hideKeyBoard()
{
    view()->endEditing(true);
}

void registerTagFolder()
{
    objc::ClassBuilder<TagFolder>(device::preferences::PSListController::className)
        .method<&TagFolder::viewWillAppear>("viewWillAppear:")
        .method<&TagFolder::addButton>("addButton")
        .method<&TagFolder::ChooseEdit>("ChooseEdit")
        .method<&TagFolder::actionSheetClickedButtonAtIndex>("actionSheet:clickedButtonAtIndex:")
        .method<&TagFolder::actionSheetCancel>("actionSheetCancel:")
        .method<&TagFolder::hideKeyBoard>("hideKeyBoard")
        .method<&TagFolder::Edit>("Edit")
        .method<&TagFolder::Done>("Done")
        .method<&TagFolder::setFolderSpecifierValueForSpecifier>("setFolderSpecifierValue:forSpecifier:")
        .method<&TagFolder::isSpecifierInFolder>("isSpecifierInFolder:")
        .method<&TagFolder::searchBarTextDidBeginEditing>("searchBarTextDidBeginEditing:")
        .method<&TagFolder::searchBarTextDidEndEditing>("searchBarTextDidEndEditing:")
        .method<&TagFolder::searchBarTextDidChange>("searchBar:textDidChange:")
        .method<&TagFolder::setEditing>("setEditing")
        .method<&TagFolder::ArrangeComplete>("ArrangeComplete")
        .method<&TagFolder::removeAll>("removeAll");
}

}  // namespace velmora::rootlist
