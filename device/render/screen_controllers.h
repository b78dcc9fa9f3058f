#pragma once

#include "device/uikit/application.h"
#include "device/uikit/navigation_controller.h"

namespace device::render {

// The controllers whose views make up what a window shows.
struct ScreenControllers {
    // The page on top of the navigation stack: the detail side of a split layout.
    uikit::UIViewController* page = nullptr;
    uikit::UINavigationController* pageNavigation = nullptr;
    // A split layout's list beside the page.
    uikit::UIViewController* master = nullptr;
    uikit::UINavigationController* masterNavigation = nullptr;
    // The last controller of the presentation chain, and what it shows: the top of its navigation
    // stack when it is a navigation controller, else itself.
    uikit::UIViewController* modal = nullptr;
    uikit::UIViewController* modalContent = nullptr;
    uikit::UINavigationController* modalNavigation = nullptr;
};

ScreenControllers findScreenControllers(const uikit::UIWindow& window);

}  // namespace device::render
