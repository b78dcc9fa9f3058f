#include "velmora/pane/icon_chooser.h"

#include "velmora/core/themed_icon.h"
#include "velmora/core/translator.h"
#include "velmora/pane/alerts.h"
#include "velmora/pane/rows.h"
#include "velmora/pane/tag_scratch.h"
#include "velmora/store/store.h"

#include "device/foundation/file_manager.h"
#include "device/objc/class_builder.h"

namespace velmora::pane {

namespace {

namespace objc = device::objc;
using device::foundation::PlistValue;
using device::preferences::PSSpecifier;

// The path row is told apart by its English label.
constexpr std::string_view kPathRowLabel = "Icon Path";
constexpr long kFirstIconRow = 3;
constexpr long kPathRow = 1;

bool isIconRow(const PSSpecifier& row)
{
    return !row.isGroup() && row.nameOrEmpty() != kPathRowLabel;
}

// Whether the stored ticks mark the chosen icon and no other.
bool ticksOnly(const device::foundation::PlistDictionary& icons, const std::string& chosen)
{
    for (const auto& [label, tick] : icons) {
        const std::string* text = tick.string();
        if ((label == chosen) != (text && *text == "true")) {
            return false;
        }
    }
    return icons.contains(chosen);
}

}  // namespace

std::string IconController::theme() const
{
    return core::selectedTheme();
}

std::string IconController::iconFolder() const
{
    return core::themeFolder(theme()).append("/Icons");
}

void IconController::buildRows(core::EntryList& list)
{
    list.clear();
    core::Entry pathGroup = makeRow("", this, "PSGroupCell");
    pathGroup->setPropertyForKey(core::Translator("desc_path"), "footerText");
    list.push_back(pathGroup);
    list.push_back(makeRow(core::Translator("Path"), this, "PSEditTextCell", {"doNothing:", "getIconTag"}));
    list.push_back(emptyGroup());
    std::string folder = iconFolder();
    for (const std::string& file : device::foundation::FileManager::defaultManager().contentsOfDirectoryAtPath(folder)) {
        if (!file.ends_with(kIconSuffix)) {
            continue;
        }
        core::Entry icon = makeRow(file.substr(0, file.size() - kIconSuffix.size()), this, "PSStaticTextCell",
                                   {"setValueForSpecifier:defaultValue:", {}});
        setIcon(icon, imageAtPath(folder + "/" + file));
        list.push_back(icon);
    }
}

void IconController::listItemSelected(device::uikit::NSIndexPath indexPath)
{
    if (indexPath.section != 0) {
        PSListItemsController::listItemSelected(indexPath);
    }
}

void IconController::setValueForSpecifierDefaultValue(PSSpecifier* selected, PlistValue)
{
    auto keepAlive = retained<IconController>();
    if (!selected) {
        return;
    }
    auto icons = store::load(store::Store::Icons);
    auto ticks = icons;
    std::string chosen = selected->nameOrEmpty();
    std::string chosenPath;
    for (const core::Entry& row : specifiers()) {
        if (isIconRow(*row)) {
            std::string label = row->nameOrEmpty();
            ticks[label] = label == chosen ? "true" : "false";
            if (label == chosen) {
                chosenPath = iconFolder() + "/" + label + std::string(kIconSuffix);
            }
        }
    }
    // The tag takes its icon from the scratch store, so the ticks must not tell of another one. A
    // write that fails where the store already says the same (the chooser opening on its own tick)
    // shows nothing untrue.
    bool saved = store::save(store::Store::Icons, ticks) || ticksOnly(icons, chosen);
    if (saved && !chosenPath.empty() && !setScratchText(store::keys::kNewTagIcon, chosenPath)
        && scratchText(store::keys::kNewTagIcon) != chosenPath) {
        store::save(store::Store::Icons, icons);
        saved = false;
    }
    showTicks(saved ? ticks : store::load(store::Store::Icons));
    if (auto pathRow = specifierAtIndex(kPathRow)) {
        reloadSpecifier(pathRow.get());
    }
    view()->endEditing(true);
    if (!saved) {
        showNotSaved();
    }
}

void IconController::showTicks(const device::foundation::PlistDictionary& icons)
{
    for (const core::Entry& row : specifiers()) {
        if (isIconRow(*row)) {
            row->setPropertyForKey(store::readString(icons, row->nameOrEmpty()) == "true", "checked");
        }
    }
}

void IconController::viewWillAppear(bool animated)
{
    PSListItemsController::viewWillAppear(animated);
    auto icons = store::load(store::Store::Icons);
    const core::EntryList& list = specifiers();
    for (std::size_t position = 0; position < list.size(); ++position) {
        const PSSpecifier& row = *list[position];
        if (isIconRow(row) && store::readString(icons, row.nameOrEmpty()) == "true") {
            objc::msgSend<void>(this, "listItemSelected:",
                                device::uikit::NSIndexPath{1, static_cast<long>(position) - kFirstIconRow});
            return;
        }
    }
}

void IconController::doNothing(PlistValue value, PSSpecifier* row)
{
    const std::string* text = value.string();
    if (text && !setScratchText(store::keys::kNewTagIcon, *text)) {
        showNotSaved(*this, row);
    }
}

PlistValue IconController::getIconTag(PSSpecifier*)
{
    return scratchValue(store::keys::kNewTagIcon);
}

void registerIconController()
{
    objc::ClassBuilder<IconController>(device::preferences::PSListItemsController::className)
        .method<&IconController::listItemSelected>("listItemSelected:")
        .method<&IconController::setValueForSpecifierDefaultValue>("setValueForSpecifier:defaultValue:")
        .method<&IconController::viewWillAppear>("viewWillAppear:")
        .method<&IconController::doNothing>("doNothing:")
        .method<&IconController::getIconTag>("getIconTag");
}

}  // namespace velmora::pane
