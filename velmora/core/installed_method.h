#pragma once

#include <cstddef>

namespace velmora::core {

// The methods installed on PrefsListController, in installation order.
enum class InstalledMethod : std::size_t {
    ReloadSpecifiers,
    Dealloc,
    ShouldReloadSpecifiersOnResume,
    SortAZ,
    SortZA,
    SetEditingState,
    ArrangeCompleted,
    ResetPos,
    ShowCarrier,
    Looping,
    DismissTagsController,
    DismissPassController,
    ViewWillAppear,
    TableViewDidSelectRowAtIndexPath,
    SortType,
    ButtonPressed,
    ButtonReleased,
    Swipe,
    Tapped,
};

inline constexpr std::size_t kInstalledMethodCount = static_cast<std::size_t>(InstalledMethod::Tapped) + 1;

}  // namespace velmora::core
