#include "velmora/core/translator.h"
#include "velmora/pane/right_button.h"
#include "velmora/rootlist/tag_folder.h"
#include "velmora/store/advanced_options.h"
#include "velmora/store/store_definitions.h"

#include "device/preferences/specifier.h"

#include <algorithm>
#include <cctype>

namespace velmora::rootlist {

namespace {

std::string lowerCase(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

}  // namespace

void TagFolder::searchBarTextDidBeginEditing(device::uikit::UISearchBar*)
{
    pane::setRightButton(*this, "Hide KB", "hideKeyBoard");
    core::SharedState& state = core::sharedState();
    if (!state.addingEntries) {
        state.searchBaseEntries = folderEntries();
    }
}

void TagFolder::searchBarTextDidEndEditing(device::uikit::UISearchBar*)
{
    pane::setRightButton(*this, core::Translator("done"), "Done");
}

// Group entries always stay; other rows stay when their name begins with the text, in any case.
void TagFolder::searchBarTextDidChange(device::uikit::UISearchBar*, std::string text)
{
    auto keepAlive = retained<TagFolder>();
    core::SharedState& state = core::sharedState();
    const core::EntryList& source = state.addingEntries ? state.addModeEntries : state.searchBaseEntries;
    bool animated = store::advancedOption(store::options::kAnimate);
    if (text.empty()) {
        removeContiguousSpecifiersAnimated(core::EntryList(currentList()), animated);
        for (const core::Entry& entry : source) {
            addSpecifierAnimated(entry, animated);
        }
        return;
    }
    std::string prefix = lowerCase(std::move(text));
    core::EntryList kept = state.addingEntries ? state.addModeEntries : folderEntries();
    for (const core::Entry& entry : core::EntryList(source)) {
        if (!entry->isGroup() && !lowerCase(entry->nameOrEmpty()).starts_with(prefix)) {
            removeSpecifierAnimated(entry.get(), animated);
            std::erase(kept, entry);
        }
    }
    for (std::size_t position = 0; position < kept.size(); ++position) {
        if (indexOfSpecifier(kept[position].get()) < 0) {
            insertSpecifierAtIndexAnimated(kept[position], static_cast<long>(position), animated);
        }
    }
}

}  // namespace velmora::rootlist
