#pragma once

#include "device/preferences/list_controller.h"
#include "device/settings/profile.h"

#include <map>
#include <memory>
#include <string>

namespace device::settings {

// The host Settings app's root list. Its own reloadSpecifiers, viewWillAppear:,
// tableView:didSelectRowAtIndexPath:, _showCarrier, shouldReloadSpecifiersOnResume and dealloc are
// registered on this class itself, so that a library replacing them changes this class only.
//
// Building its list, it shows the carrier row (identifier CARRIER) only when _showCarrier, sent
// through the runtime, answers YES; its own _showCarrier answers YES when the profile has that row.
class PrefsListController : public preferences::PSListController {
public:
    static constexpr std::string_view className = "PrefsListController";

    ~PrefsListController() override;

    preferences::SpecifierList& specifiers() override;
    void showController(std::shared_ptr<uikit::UIViewController> controller) override;

    void hostReloadSpecifiers();
    void hostViewWillAppear(bool animated);
    void hostTableViewDidSelectRowAtIndexPath(uikit::UITableView* table, uikit::NSIndexPath indexPath);
    bool hostShowCarrier();
    bool hostShouldReloadSpecifiersOnResume();
    void hostDealloc();

    // The host's switches and text rows keep their values for as long as the app runs.
    foundation::PlistValue readPreferenceValue(preferences::PSSpecifier* specifier);
    void setPreferenceValueSpecifier(foundation::PlistValue value, preferences::PSSpecifier* specifier);
    // The value of a switch or text row of the root list or of a host page, by a key unique to the row.
    foundation::PlistValue storedValue(const std::string& key, const preferences::PSSpecifier& row) const;
    void setStoredValue(const std::string& key, foundation::PlistValue value);

    // What the host does when the app returns to the foreground.
    void applicationWillEnterForeground();

private:
    std::map<std::string, foundation::PlistValue> m_storedValues;
};

// The page behind an ordinary host entry: the rows its profile entry lists. Its switches and text
// rows keep their values in the root list, so that they outlast the page.
class HostPageController : public preferences::PSListController {
public:
    static constexpr std::string_view className = "HostPageController";

    preferences::SpecifierList& specifiers() override;
    foundation::PlistValue readPreferenceValue(preferences::PSSpecifier* specifier);
    void setPreferenceValueSpecifier(foundation::PlistValue value, preferences::PSSpecifier* specifier);

protected:
    // The rows as the list now holds them become the page's rows, so that the page opens so again.
    void keepRowsAsListed();

private:
    PrefsListController* hostRoot() const;
    std::string switchKey(const preferences::PSSpecifier& row) const;
};

// Builds host entries from profile rows, the way the host reads its own plists.
preferences::SpecifierList specifiersFromProfile(const std::vector<ProfileEntry>& entries, objc::id target);

void registerSettingsClasses();
void setRunningProfile(const DeviceProfile* profile);
const DeviceProfile& runningProfile();

}  // namespace device::settings
