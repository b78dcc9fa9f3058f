#include "velmora/protection/protected_entries_page.h"

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

// Switches on the root list are settings in themselves: they open nothing that could be guarded.
bool canBeProtected(const PSSpecifier& entry)
{
    return entry.cellType() != device::preferences::PSGroupCell && entry.cellType() != device::preferences::PSSwitchCell;
}

}  // namespace

void protectionController::buildRows(core::EntryList& list)
{
    list.clear();
    list.push_back(pane::makeRow(Translator("passcode"), this, "PSLinkCell", {}, "passwordController"));
    core::Entry items = pane::makeRow(Translator("items"), this, "PSGroupCell");
    pane::setAlignment(items, 1);
    items->setPropertyForKey(Translator("desc_list"), "footerText");
    list.push_back(items);
    list.push_back(pane::emptyGroup());
    auto* root = dynamic_cast<device::preferences::PSListController*>(pane::rootListAbove(*this));
    if (!root) {
        return;
    }
    for (const core::Entry& entry : root->specifiers()) {
        if (canBeProtected(*entry)) {
            list.push_back(pane::entrySwitch(*entry, this, {"setProtected:forSpecifier:", "isProtected:"}));
        }
    }
}

PlistValue protectionController::isProtected(PSSpecifier* row)
{
    return store::storedValue(store::Store::Protected, row->nameOrEmpty());
}

void protectionController::setProtectedForSpecifier(PlistValue value, PSSpecifier* row)
{
    if (!store::storeValue(store::Store::Protected, row->nameOrEmpty(), value.boolValue())) {
        pane::showNotSaved(*this, row);
    }
}

void registerProtectionController()
{
    objc::ClassBuilder<protectionController>(device::preferences::PSListController::className)
        .method<&protectionController::isProtected>("isProtected:")
        .method<&protectionController::setProtectedForSpecifier>("setProtected:forSpecifier:");
}

}  // namespace velmora::protection
