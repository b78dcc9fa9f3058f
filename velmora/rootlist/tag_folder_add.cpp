#include "velmora/core/translator.h"
#include "velmora/pane/alerts.h"
#include "velmora/pane/right_button.h"
#include "velmora/pane/root_list_beside.h"
#include "velmora/pane/rows.h"
#include "velmora/rootlist/tag_folder.h"
#include "velmora/rootlist/tag_folder_members.h"
#include "velmora/store/advanced_options.h"
#include "velmora/store/store_definitions.h"
#include "velmora/store/tag_members.h"

#include "device/objc/message.h"
#include "device/uikit/search_bar.h"

namespace velmora::rootlist {

namespace objc = device::objc;
using device::foundation::PlistValue;
using device::preferences::PSSpecifier;

void TagFolder::Edit()
{
    auto keepAlive = retained<TagFolder>();
    core::SharedState& state = core::sharedState();
    state.addingEntries = true;
    pane::setRightButton(*this, core::Translator("done"), "Done");
    bool animated = store::advancedOption(store::options::kAnimate);
    for (const core::Entry& member : folderEntries()) {
        removeSpecifierAnimated(member.get(), animated);
    }
    for (const core::Entry& entry : folderCandidates(title())) {
        core::Entry row = pane::entrySwitch(*entry, this, {"setFolderSpecifierValue:forSpecifier:", "isSpecifierInFolder:"});
        row->setPropertyForKey(entry->identifier().value_or(""), "identifier");
        if (!isSpecifierInFolder(row.get()).boolValue()) {
            addSpecifierAnimated(row, animated);
        }
    }
    state.addModeEntries = currentList();
}

// Membership is stored under the entry's name, as every reader of the tag's record expects.
PlistValue TagFolder::isSpecifierInFolder(PSSpecifier* row)
{
    if (auto flag = store::memberFlag(title(), row->nameOrEmpty())) {
        return *flag;
    }
    return PlistValue();
}

void TagFolder::setFolderSpecifierValueForSpecifier(PlistValue value, PSSpecifier* row)
{
    auto keepAlive = retained<TagFolder>();
    if (!store::setMemberFlags(title(), {row->nameOrEmpty()}, value.boolValue())) {
        view()->endEditing(true);
        pane::showNotSaved(*this, row);
        return;
    }
    core::sharedState().listIsCurrent = false;
    view()->endEditing(true);
}

// The keyboard goes first: its going would put the search's "Done" back over the "Edit" button. The
// rebuilt rows are unfiltered, so the search text goes too.
void TagFolder::Done()
{
    auto keepAlive = retained<TagFolder>();
    core::sharedState().addingEntries = false;
    view()->endEditing(true);
    if (auto* searchBar = dynamic_cast<device::uikit::UISearchBar*>(table()->tableHeaderView())) {
        searchBar->setText("");
    }
    addButton();
    objc::msgSend<void>(this, "reloadSpecifiers");
    pane::rebuildRootListBeside(*this);
}

}  // namespace velmora::rootlist
