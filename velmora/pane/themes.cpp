#include "velmora/pane/themes.h"

#include "velmora/core/themed_icon.h"
#include "velmora/core/translator.h"
#include "velmora/pane/alerts.h"
#include "velmora/pane/root_list_beside.h"
#include "velmora/pane/right_button.h"
#include "velmora/pane/rows.h"
#include "velmora/pane/tag_scratch.h"
#include "velmora/store/store.h"

#include "device/foundation/file_manager.h"
#include "device/objc/class_builder.h"

namespace velmora::pane {

namespace {

namespace objc = device::objc;
using core::Translator;
using device::foundation::FileManager;
using device::foundation::PlistValue;

constexpr std::string_view kPreviewName = "theme";

std::string themeDirectory()
{
    std::string folder = core::themeFolder("");
    folder.pop_back();
    return folder;
}

std::string selectedInStore()
{
    return store::readString(store::load(store::Store::Theme), store::keys::kSelectedTheme);
}

}  // namespace

void ThemeController::buildRows(core::EntryList& list)
{
    list.clear();
    for (const std::string& name : FileManager::defaultManager().contentsOfDirectoryAtPath(themeDirectory())) {
        core::Entry link = makeRow(name, this, "PSLinkCell", {}, "Theme");
        std::string preview = core::themeFolder(name).append("/").append(kPreviewName).append(kIconSuffix);
        if (FileManager::defaultManager().fileExistsAtPath(preview)) {
            setIcon(link, imageAtPath(preview));
        }
        list.push_back(link);
    }
}

void Theme::buildRows(core::EntryList& list)
{
    list.clear();
    core::Entry heading = makeRow(title(), this, "PSGroupCell");
    setAlignment(heading, 1);
    list.push_back(heading);
    list.push_back(emptyGroup());
    list.push_back(makeRow(Translator("developed"), this, "PSTitleValueCell", {{}, "dev"}));
    list.push_back(emptyGroup());
    std::string folder = core::themeFolder(title());
    for (const std::string& file : FileManager::defaultManager().contentsOfDirectoryAtPath(folder)) {
        if (!file.ends_with(kIconSuffix)) {
            continue;
        }
        std::string name = file.substr(0, file.size() - kIconSuffix.size());
        if (name == kPreviewName) {
            continue;
        }
        core::Entry icon = makeRow(name, this, "PSStaticTextCell");
        setIcon(icon, imageAtPath(folder + "/" + file));
        list.push_back(icon);
    }
}

void Theme::viewWillAppear(bool animated)
{
    PSListController::viewWillAppear(animated);
    if (selectedInStore() != title()) {
        addButton();
    }
}

void Theme::addButton()
{
    setRightButton(*this, Translator("select"), "SelectTheme");
}

void Theme::SelectTheme()
{
    auto keepAlive = retained<Theme>();
    if (!store::storeValue(store::Store::Theme, store::keys::kSelectedTheme, title())) {
        showNotSaved();
        return;
    }
    navigationItem()->setRightBarButtonItem(nullptr);
    core::sharedState().listIsCurrent = false;
    showAlert(Translator("selected"), Translator("sel"), Translator("OK"));
    rebuildRootListBeside(*this);
}

PlistValue Theme::dev(device::preferences::PSSpecifier*)
{
    auto text = FileManager::defaultManager().contentsAtPath(core::themeFolder(title()) + "/developer.txt");
    return PlistValue(text && !text->empty() ? *text : Translator("unknown"));
}

void registerThemeClasses()
{
    objc::ClassBuilder<ThemeController>(device::preferences::PSListController::className);
    objc::ClassBuilder<Theme>(device::preferences::PSListController::className)
        .method<&Theme::addButton>("addButton")
        .method<&Theme::viewWillAppear>("viewWillAppear:")
        .method<&Theme::SelectTheme>("SelectTheme")
        .method<&Theme::dev>("dev");
}

}  // namespace velmora::pane
