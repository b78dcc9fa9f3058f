#pragma once

#include "velmora/pane/pane_list_controller.h"

#include "device/foundation/plist_value.h"

#include <string_view>

namespace velmora::pane {

// A link per folder of the theme directory.
class ThemeController
    : public PaneListController<device::preferences::PSListController, core::PageList::ThemeList> {
public:
    static constexpr std::string_view className = "ThemeController";

protected:
    void buildRows(core::EntryList& list) override;
};

// One theme, known by the page's title: its name, author and icons, and a select button unless it is
// the selected theme.
class Theme : public PaneListController<device::preferences::PSListController, core::PageList::Theme> {
public:
    static constexpr std::string_view className = "Theme";

    void addButton();
    void viewWillAppear(bool animated);
    void SelectTheme();
    device::foundation::PlistValue dev(device::preferences::PSSpecifier* row);

protected:
    void buildRows(core::EntryList& list) override;
};

void registerThemeClasses();

}  // namespace velmora::pane
