#include "velmora/protection/hidden_entries_page.h"

#include "velmora/core/themed_icon.h"
#include "velmora/core/translator.h"
#include "velmora/pane/alerts.h"
#include "velmora/pane/root_list_beside.h"
#include "velmora/pane/rows.h"
#include "velmora/store/store.h"

#include "device/objc/class_builder.h"
#include "device/preferences/specifier.h"
#include "device/preferences/table_cell.h"

namespace velmora::protection {

namespace {

namespace objc = device::objc;
using core::Translator;
using device::foundation::PlistValue;
using device::preferences::PSSpecifier;

}  // namespace

void allSpecifiersController::buildRows(core::EntryList& list)
{
    const pane::RowAccessors hide{"setHideSpecifierValue:forSpecifier:", "isHidden:"};
    list.clear();
    list.push_back(pane::groupWithFooter(Translator("div_desc")));
    core::Entry dividers = pane::makeRow(Translator(store::options::kDividers), this, "PSSwitchCell", hide);
    pane::setIcon(dividers, core::themedIcon("noTabs"));
    list.push_back(dividers);
    list.push_back(pane::emptyGroup());
    for (const core::Entry& entry : core::sharedState().allEntries) {
        // Bluetooth stays in the list whatever is chosen here.
        if (entry->cellType() == device::preferences::PSGroupCell || entry->nameOrEmpty() == "Bluetooth") {
            continue;
        }
        core::Entry row = pane::entrySwitch(*entry, this, hide);
        row->setPropertyForKey(entry->identifier().value_or(""), "identifier");
        list.push_back(row);
    }
}

PlistValue allSpecifiersController::isHidden(PSSpecifier* row)
{
    return store::storedValue(store::Store::Hide, row->nameOrEmpty());
}

void allSpecifiersController::setHideSpecifierValueForSpecifier(PlistValue value, PSSpecifier* row)
{
    auto keepAlive = retained<allSpecifiersController>();
    std::string name = row->nameOrEmpty();
    bool hidden = value.boolValue();
    if (!store::storeValue(store::Store::Hide, name, hidden)) {
        pane::showNotSaved(*this, row);
        return;
    }
    // A stored order was arranged without the sections; once the dividers return it no longer fits.
    // It goes before the root list beside is rebuilt, so that list never shows it with dividers.
    if (name == Translator(store::options::kDividers) && !hidden) {
        store::remove(store::Store::Position);
    }
    core::sharedState().listIsCurrent = false;
    pane::rebuildRootListBeside(*this);
}

void registerAllSpecifiersController()
{
    objc::ClassBuilder<allSpecifiersController>(device::preferences::PSListController::className)
        .method<&allSpecifiersController::isHidden>("isHidden:")
        .method<&allSpecifiersController::setHideSpecifierValueForSpecifier>("setHideSpecifierValue:forSpecifier:");
}

}  // namespace velmora::protection
