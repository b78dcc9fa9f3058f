#include "device/settings/prefs_list_controller.h"

#include "device/objc/class_builder.h"
#include "device/settings/editable_page_controller.h"
#include "device/preferences/table_cell.h"
#include "device/uikit/image.h"
#include "device/uikit/navigation_controller.h"
#include "device/uikit/split_view_controller.h"

#include <algorithm>

namespace device::settings {

namespace {

const DeviceProfile* g_profile = nullptr;

constexpr std::string_view kHostIconFolder = "/Applications/Preferences.app/Icons/";
// The index of a page row's profile entry among the page's rows.
constexpr std::string_view kHostRowKey = "hostRow";
constexpr std::string_view kCarrierIdentifier = "CARRIER";

bool isCarrierRow(const ProfileEntry& entry)
{
    return entry.identifier.value_or(entry.label.value_or("")) == kCarrierIdentifier;
}

// Carries a host entry's page rows inside its specifier.
class HostPageRows : public objc::Object {
public:
    static constexpr std::string_view className = "HostPageRows";
    std::vector<ProfileEntry> rows;
};

}  // namespace

void setRunningProfile(const DeviceProfile* profile)
{
    g_profile = profile;
}

const DeviceProfile& runningProfile()
{
    static const DeviceProfile empty;
    return g_profile ? *g_profile : empty;
}

preferences::SpecifierList specifiersFromProfile(const std::vector<ProfileEntry>& entries, objc::id target)
{
    using preferences::PSSpecifier;
    preferences::SpecifierList list;
    for (const auto& entry : entries) {
        auto type = preferences::PSTableCell::cellTypeFromString(entry.cell).value_or(preferences::PSLinkCell);
        std::shared_ptr<PSSpecifier> specifier;
        if (type == preferences::PSGroupCell) {
            specifier = PSSpecifier::emptyGroupSpecifier();
            specifier->setName(entry.label);
            if (entry.footer) {
                specifier->setPropertyForKey(*entry.footer, "footerText");
            }
        } else {
            objc::Class detail = nullptr;
            if (type == preferences::PSLinkCell || type == preferences::PSLinkListCell) {
                detail = objc::objc_getClass(entry.editable ? HostEditablePageController::className
                                                            : HostPageController::className);
            }
            specifier = PSSpecifier::preferenceSpecifierNamed(entry.label.value_or(""), target, nullptr, nullptr,
                                                              detail, type, nullptr);
            if (type == preferences::PSSwitchCell || type == preferences::PSEditTextCell
                || type == preferences::PSSecureEditTextCell) {
                specifier->setAccessors(objc::sel_registerName("setPreferenceValue:specifier:"),
                                        objc::sel_registerName("readPreferenceValue:"));
            }
        }
        if (entry.identifier) {
            specifier->setIdentifier(*entry.identifier);
        }
        if (entry.value) {
            if (const auto* text = entry.value->string()) {
                specifier->setPropertyForKey(*text, "value");
            } else if (entry.value->isBool()) {
                specifier->setPropertyForKey(entry.value->boolValue(), "value");
            }
        }
        if (entry.icon) {
            if (auto icon = uikit::UIImage::imageWithContentsOfFile(std::string(kHostIconFolder) + *entry.icon + ".png")) {
                specifier->setPropertyForKey(std::static_pointer_cast<objc::Object>(icon), "iconImage");
            }
        }
        if (!entry.page.empty()) {
            auto rows = objc::create<HostPageRows>();
            rows->rows = entry.page;
            specifier->setPropertyForKey(std::static_pointer_cast<objc::Object>(rows), "hostPage");
        }
        list.push_back(std::move(specifier));
    }
    return list;
}

PrefsListController::~PrefsListController()
{
    objc::msgSend<void>(this, "dealloc");
}

preferences::SpecifierList& PrefsListController::specifiers()
{
    if (!hasSpecifiers()) {
        std::vector<ProfileEntry> entries = runningProfile().entries;
        // Asked through the runtime at every build, so that a replacement decides.
        if (!objc::msgSend<bool>(this, "_showCarrier")) {
            std::erase_if(entries, isCarrierRow);
        }
        setSpecifiers(specifiersFromProfile(entries, this));
    }
    return currentList();
}

void PrefsListController::showController(std::shared_ptr<uikit::UIViewController> controller)
{
    // On a tablet the root list stays on the left; what it opens replaces the pages on the right.
    auto* split = dynamic_cast<uikit::UISplitViewController*>(
        navigationController() ? navigationController()->parentViewController() : nullptr);
    if (!split || !split->detail()) {
        PSListController::showController(std::move(controller));
        return;
    }
    split->detail()->setViewControllersAnimated({std::move(controller)}, false);
}

void PrefsListController::hostReloadSpecifiers()
{
    PSListController::reloadSpecifiers();
}

void PrefsListController::hostViewWillAppear(bool animated)
{
    UIViewController::viewWillAppear(animated);
    specifiers();
    table()->setNeedsReload();
}

void PrefsListController::hostTableViewDidSelectRowAtIndexPath(uikit::UITableView* table, uikit::NSIndexPath indexPath)
{
    PSListController::tableViewDidSelectRowAtIndexPath(table, indexPath);
}

bool PrefsListController::hostShowCarrier()
{
    return std::ranges::any_of(runningProfile().entries, isCarrierRow);
}

bool PrefsListController::hostShouldReloadSpecifiersOnResume()
{
    return true;
}

void PrefsListController::hostDealloc()
{
}

foundation::PlistValue PrefsListController::readPreferenceValue(preferences::PSSpecifier* specifier)
{
    return storedValue(specifier->identifier().value_or(""), *specifier);
}

void PrefsListController::setPreferenceValueSpecifier(foundation::PlistValue value, preferences::PSSpecifier* specifier)
{
    setStoredValue(specifier->identifier().value_or(""), std::move(value));
}

foundation::PlistValue PrefsListController::storedValue(const std::string& key,
                                                        const preferences::PSSpecifier& row) const
{
    if (auto found = m_storedValues.find(key); found != m_storedValues.end()) {
        return found->second;
    }
    if (auto* value = row.propertyForKey("value")) {
        if (auto* flag = std::get_if<bool>(value)) {
            return *flag;
        }
        if (auto* text = std::get_if<std::string>(value)) {
            return *text;
        }
    }
    return false;
}

void PrefsListController::setStoredValue(const std::string& key, foundation::PlistValue value)
{
    m_storedValues.insert_or_assign(key, std::move(value));
}

void PrefsListController::applicationWillEnterForeground()
{
    if (objc::msgSend<bool>(this, "shouldReloadSpecifiersOnResume")) {
        objc::msgSend<void>(this, "reloadSpecifiers");
    }
}

preferences::SpecifierList& HostPageController::specifiers()
{
    if (!hasSpecifiers()) {
        std::vector<ProfileEntry> rows;
        if (auto* opener = specifier()) {
            if (auto page = opener->objectProperty<HostPageRows>("hostPage")) {
                rows = page->rows;
            }
        }
        auto list = specifiersFromProfile(rows, this);
        for (std::size_t i = 0; i < list.size(); ++i) {
            list[i]->setPropertyForKey(static_cast<long long>(i), std::string(kHostRowKey));
        }
        setSpecifiers(std::move(list));
    }
    return currentList();
}

void HostPageController::keepRowsAsListed()
{
    auto page = specifier() ? specifier()->objectProperty<HostPageRows>("hostPage") : nullptr;
    if (!page) {
        return;
    }
    std::vector<ProfileEntry> rows;
    auto& list = currentList();
    for (std::size_t i = 0; i < list.size(); ++i) {
        const auto* index = std::get_if<long long>(list[i]->propertyForKey(std::string(kHostRowKey)));
        if (index && *index >= 0 && static_cast<std::size_t>(*index) < page->rows.size()) {
            rows.push_back(page->rows[static_cast<std::size_t>(*index)]);
            list[i]->setPropertyForKey(static_cast<long long>(rows.size() - 1), std::string(kHostRowKey));
        }
    }
    page->rows = std::move(rows);
}

PrefsListController* HostPageController::hostRoot() const
{
    return dynamic_cast<PrefsListController*>(rootController());
}

std::string HostPageController::switchKey(const preferences::PSSpecifier& row) const
{
    std::string page = specifier() ? specifier()->identifier().value_or("") : std::string();
    return page + "/" + row.identifier().value_or("");
}

foundation::PlistValue HostPageController::readPreferenceValue(preferences::PSSpecifier* specifier)
{
    PrefsListController* root = hostRoot();
    return root ? root->storedValue(switchKey(*specifier), *specifier)
                : PSListController::readPreferenceValue(specifier);
}

void HostPageController::setPreferenceValueSpecifier(foundation::PlistValue value, preferences::PSSpecifier* specifier)
{
    if (PrefsListController* root = hostRoot()) {
        root->setStoredValue(switchKey(*specifier), std::move(value));
    } else {
        PSListController::setPreferenceValueSpecifier(std::move(value), specifier);
    }
}

void registerSettingsClasses()
{
    objc::ClassBuilder<HostPageRows>("NSObject");
    objc::ClassBuilder<PrefsListController>("PSListController")
        .method<&PrefsListController::hostReloadSpecifiers>("reloadSpecifiers")
        .method<&PrefsListController::hostDealloc>("dealloc")
        .method<&PrefsListController::hostShouldReloadSpecifiersOnResume>("shouldReloadSpecifiersOnResume")
        .method<&PrefsListController::hostShowCarrier>("_showCarrier")
        .method<&PrefsListController::hostViewWillAppear>("viewWillAppear:")
        .method<&PrefsListController::hostTableViewDidSelectRowAtIndexPath>("tableView:didSelectRowAtIndexPath:")
        .method<&PrefsListController::readPreferenceValue>("readPreferenceValue:")
        .method<&PrefsListController::setPreferenceValueSpecifier>("setPreferenceValue:specifier:");
    objc::ClassBuilder<HostPageController>("PSListController")
        .method<&HostPageController::readPreferenceValue>("readPreferenceValue:")
        .method<&HostPageController::setPreferenceValueSpecifier>("setPreferenceValue:specifier:");
    registerEditablePageClass();
}

}  // namespace device::settings
