#pragma once

#include "velmora/core/installed_method.h"

#include "device/objc/runtime.h"

#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace device::foundation {
class NSTimer;
}
namespace device::objc {
class Object;
}
namespace device::preferences {
class PSSpecifier;
}
namespace device::uikit {
class UIImage;
}

namespace velmora::core {

using Entry = std::shared_ptr<device::preferences::PSSpecifier>;
using EntryList = std::vector<Entry>;

// The pages and table objects that keep their rows in a process-wide list, indexing `pageLists`; with
// `tweakSection` these are the 22 per-page lists.
enum class PageList : std::size_t {
    Passcode,
    ProtectedEntries,
    HiddenEntries,
    PaneRoot,
    General,
    Advanced,
    TagList,
    AddTag,
    Icons,
    TagEditor,
    ThemeList,
    Theme,
    Information,
    ChangeLog,
    UserGuide,
    SoftwareUpdate,
    About,
    Works,
    Editable,
    TagFolder,
    Test,
};

inline constexpr std::size_t kPageListCount = static_cast<std::size_t>(PageList::Test) + 1;

// The protected row whose selection the lock screen re-sends once the right passcode is typed.
struct PendingSelection {
    std::weak_ptr<device::objc::Object> tableView;
    std::int32_t row = 0;
    std::int32_t section = 0;
};

// Process-wide state shared by every part of the library. Everything runs on the host's main thread,
// so nothing here is locked. It lives as long as the process: no controller's end releases it.
struct SharedState {
    SharedState();
    ~SharedState();
    SharedState(const SharedState&) = delete;
    SharedState& operator=(const SharedState&) = delete;

    bool listIsCurrent = false;
    std::int32_t sectionCount = 0;
    EntryList allEntries;
    EntryList tweakSection;
    std::map<std::string, EntryList> sectionMap;
    std::vector<std::string> duplicateNames;
    EntryList listSnapshot;
    std::shared_ptr<device::foundation::NSTimer> loopTimer;
    std::string texto;
    std::weak_ptr<device::objc::Object> tu;
    float lastOffset = -1.0f;
    // The number the next created tag receives.
    std::int32_t nextTagNumber = 0;
    std::vector<std::string> supported;

    PendingSelection pendingSelection;
    // Lets the next selection through the gate: set by the keypad just before it re-sends one.
    bool unlockGranted = false;
    // The digits typed on the lock screen; absent until its first key press and after it closes.
    std::optional<std::vector<std::string>> digitBuffer;

    std::array<std::shared_ptr<EntryList>, kPageListCount> pageLists;
    std::map<std::string, std::shared_ptr<EntryList>> pageDictionary;

    std::shared_ptr<device::objc::Object> editable;
    std::shared_ptr<device::objc::Object> test;
    std::shared_ptr<device::objc::Object> sort;

    std::array<device::objc::IMP, kInstalledMethodCount> previousImplementations{};
    device::objc::IMP previous(InstalledMethod method) const
    {
        return previousImplementations[static_cast<std::size_t>(method)];
    }

    // The open tag folder page; its members in stored order are pageLists[PageList::TagFolder].
    EntryList addModeEntries;
    EntryList searchBaseEntries;
    std::string folderTagName;
    std::weak_ptr<device::objc::Object> folderSavedDataSource;
    std::weak_ptr<device::objc::Object> folderSavedDelegate;
    bool addingEntries = false;
    bool folderSheetShown = false;
    // The tablet's arrange sheet: its table, and whether "remove" emptied it.
    std::weak_ptr<device::objc::Object> folderArrangeTable;
    bool folderCleared = false;

    // Arrange mode and sorting. positionsReset is set only between resetPos and the
    // setEditingState it sends, so that leaving arrange mode writes no order.
    bool positionsReset = false;
    std::weak_ptr<device::objc::Object> savedDataSource;
    std::weak_ptr<device::objc::Object> savedDelegate;
    // The root list that opened the last sort sheet; the sheet's choices go to it.
    std::weak_ptr<device::objc::Object> sortController;

    // Swipe actions and the tag chooser. Only one cell is open at a time: the scroller last moved by
    // a swipe, and the offset it rests at (0 closed, both buttons' widths open).
    std::vector<std::weak_ptr<device::objc::Object>> lastVisibleCells;
    std::weak_ptr<device::objc::Object> openCellScroller;
    float swipeRestOffset = 0;
    // The key window as it was when "More" was tapped, until the chooser has been made from it.
    std::shared_ptr<device::uikit::UIImage> windowSnapshot;
    // Recognisers, sheets and tables hold their delegates weakly: these keep them alive.
    std::shared_ptr<device::objc::Object> gestureDelegate;
    std::shared_ptr<device::objc::Object> sheetDelegate;
    std::shared_ptr<device::objc::Object> chooserSource;
};

SharedState& sharedState();

// The static initialiser's work: a fresh shared state, as at the start of a process.
void createSharedState();

}  // namespace velmora::core
