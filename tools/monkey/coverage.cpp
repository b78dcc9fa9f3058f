#include "monkey/coverage.h"

#include "monkey/screen_reading.h"

#include "device/render/screen_controllers.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace monkey {

namespace {

// Velmora's places: its pane and the pane's subpages by class; the root list's tag folders, their
// arranging sheet, the root list's arrange mode and sort sheet, the tag chooser, the swipe buttons,
// the lock screen and the passcode prompts.
constexpr std::array<std::string_view, 27> kVelmoraPlaces{
    "VelmoraController", "GeneralsController", "advancedController", "TagsController", "addTagController",
    "FolderTagController", "IconController", "ThemeController", "Theme", "infoController", "ChangeLogController",
    "userGuideController", "softwareupdateController", "AboutUs", "worksController", "passwordController",
    "protectionController", "allSpecifiersController", "TagFolder", "arranging a tag folder",
    "lock screen", "swipe buttons on PrefsListController", "editing PrefsListController",
    "sheet over PrefsListController", "alert over addTagController", "page presented over PrefsListController",
    "presented over passwordController",
};

std::string className(const device::uikit::UIViewController* controller)
{
    if (!controller) {
        return "none";
    }
    auto* object = const_cast<device::uikit::UIViewController*>(controller);
    return device::objc::class_getName(device::objc::object_getClass(object));
}

bool hasSwipeButtons(const device::render::PageDescription& page)
{
    return std::any_of(page.sections.begin(), page.sections.end(), [](const auto& section) {
        return std::any_of(section.rows.begin(), section.rows.end(),
                           [](const auto& row) { return !row.uncoveredButtons.empty(); });
    });
}

}  // namespace

std::string frontPageClass(device::settings::SettingsApp& app)
{
    if (!app.window()) {
        return "none";
    }
    auto controllers = device::render::findScreenControllers(*app.window());
    return className(controllers.modalContent ? controllers.modalContent : controllers.page);
}

void Coverage::record(device::settings::SettingsApp& app, const device::render::ScreenDescription& screen)
{
    if (!app.window()) {
        return;
    }
    auto controllers = device::render::findScreenControllers(*app.window());
    std::string page = className(controllers.page);
    if (isLockScreen(screen)) {
        ++m_visits["lock screen"];
        return;
    }
    if (controllers.modalContent) {
        std::string presented = className(controllers.modalContent);
        // A plain page (the set-up screen, a passcode prompt, the tag chooser's list, the tablet's
        // arranging) is told apart by what it covers.
        if (presented == "UIViewController") {
            page = (screen.modal->page ? "page presented over " : "presented over ") + page;
        } else {
            page = presented;
        }
    }
    ++m_visits[page];
    if (controllers.master) {
        ++m_visits["beside: " + className(controllers.master)];
    }
    if (screen.alert) {
        ++m_visits["alert over " + page];
    }
    if (screen.sheet) {
        ++m_visits["sheet over " + page];
    }
    const auto& front = screen.modal && screen.modal->page ? *screen.modal->page : screen.page;
    if (front.editing) {
        ++m_visits["editing " + page];
        // In place on a phone, in a sheet of its own on a tablet.
        if (page.ends_with("TagFolder")) {
            ++m_visits["arranging a tag folder"];
        }
    }
    if (hasSwipeButtons(front) || (screen.master && hasSwipeButtons(*screen.master))) {
        ++m_visits["swipe buttons on " + (screen.master ? className(controllers.master) : page)];
    }
}

std::vector<std::string> Coverage::missedPages() const
{
    std::vector<std::string> missed;
    for (auto place : kVelmoraPlaces) {
        if (!m_visits.contains(std::string(place))) {
            missed.emplace_back(place);
        }
    }
    return missed;
}

void Coverage::report(std::ostream& out) const
{
    out << "places reached (" << m_visits.size() << "), with the steps that ended there:\n";
    for (const auto& [place, count] : m_visits) {
        out << "  " << place << ": " << count << "\n";
    }
    auto missed = missedPages();
    out << "Velmora's places reached: " << kVelmoraPlaces.size() - missed.size() << " of " << kVelmoraPlaces.size()
        << "\n";
    for (const auto& place : missed) {
        out << "  never reached: " << place << "\n";
    }
}

}  // namespace monkey
