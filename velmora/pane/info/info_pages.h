#pragma once

#include "velmora/pane/pane_list_controller.h"

#include "device/foundation/plist_value.h"

#include <string_view>

// The information pages of the pane, reached from the general page.
namespace velmora::pane {

using PSListController = device::preferences::PSListController;
using PSSpecifier = device::preferences::PSSpecifier;
using device::foundation::PlistValue;

class infoController : public PaneListController<PSListController, core::PageList::Information> {
public:
    static constexpr std::string_view className = "infoController";

    PlistValue Name(PSSpecifier* row);
    PlistValue Autor(PSSpecifier* row);
    PlistValue Version(PSSpecifier* row);
    PlistValue getLanguage(PSSpecifier* row);

protected:
    void buildRows(core::EntryList& list) override;
};

class ChangeLogController : public PaneListController<PSListController, core::PageList::ChangeLog> {
public:
    static constexpr std::string_view className = "ChangeLogController";

protected:
    void buildRows(core::EntryList& list) override;
};

// How the pane works, topic by topic, and the one recovery action: emptying the tag store.
class userGuideController : public PaneListController<PSListController, core::PageList::UserGuide> {
public:
    static constexpr std::string_view className = "userGuideController";

    void removeCorrupeted();

protected:
    void buildRows(core::EntryList& list) override;
};

class softwareupdateController : public PaneListController<PSListController, core::PageList::SoftwareUpdate> {
public:
    static constexpr std::string_view className = "softwareupdateController";

    void viewWillAppear(bool animated);

protected:
    void buildRows(core::EntryList& list) override;
};

class AboutUs : public PaneListController<PSListController, core::PageList::About> {
public:
    static constexpr std::string_view className = "AboutUs";

    void follow();

protected:
    void buildRows(core::EntryList& list) override;
};

// The maker's other packages, each opening its page in the package manager.
class worksController : public PaneListController<PSListController, core::PageList::Works> {
public:
    static constexpr std::string_view className = "worksController";

    void openPackage(PSSpecifier* row);

protected:
    void buildRows(core::EntryList& list) override;
};

void registerInformationPages();

}  // namespace velmora::pane
