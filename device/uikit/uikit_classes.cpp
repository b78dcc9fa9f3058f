#include "device/uikit/uikit_classes.h"

#include "device/objc/class_builder.h"
#include "device/uikit/application.h"
#include "device/uikit/bar_button_item.h"
#include "device/uikit/button.h"
#include "device/uikit/control.h"
#include "device/uikit/gesture_recognizer.h"
#include "device/uikit/image.h"
#include "device/uikit/image_view.h"
#include "device/uikit/keyboard.h"
#include "device/uikit/label.h"
#include "device/uikit/modal_ui.h"
#include "device/uikit/navigation_bar.h"
#include "device/uikit/navigation_controller.h"
#include "device/uikit/pan_gesture_recognizer.h"
#include "device/uikit/refresh_control.h"
#include "device/uikit/scroll_view.h"
#include "device/uikit/split_view_controller.h"
#include "device/uikit/table_view.h"
#include "device/uikit/table_view_cell.h"
#include "device/uikit/table_view_cell_controls.h"
#include "device/uikit/tap_gesture_recognizer.h"

namespace device::uikit {

using objc::ClassBuilder;

void registerUIKitClasses()
{
    ClassBuilder<UIImage>("NSObject");
    ClassBuilder<UIBarButtonItem>("NSObject");
    ClassBuilder<UINavigationItem>("NSObject");
    ClassBuilder<UIView>("NSObject");
    ClassBuilder<UIWindow>("UIView");
    ClassBuilder<UILabel>("UIView");
    ClassBuilder<UIImageView>("UIView");
    ClassBuilder<UIControl>("UIView");
    ClassBuilder<UISwitch>("UIControl");
    ClassBuilder<UIButton>("UIControl");
    ClassBuilder<UIRefreshControl>("UIControl");
    ClassBuilder<UIScrollView>("UIView").method<&UIScrollView::handlePan>("handlePan:");
    ClassBuilder<UITableView>("UIScrollView");
    ClassBuilder<UITableViewCell>("UIView");
    ClassBuilder<UITableViewCellEditControl>("UIControl");
    ClassBuilder<UITableViewCellReorderControl>("UIControl");
    ClassBuilder<UITableViewCellDeleteConfirmationButton>("UIButton");
    ClassBuilder<UINavigationBar>("UIView");
    ClassBuilder<UINavigationButton>("UIButton");
    ClassBuilder<UIKeyboardKey>("UIButton");
    ClassBuilder<UIGestureRecognizer>("NSObject");
    ClassBuilder<UITapGestureRecognizer>("UIGestureRecognizer");
    ClassBuilder<UIPanGestureRecognizer>("UIGestureRecognizer");
    ClassBuilder<UIScrollViewPanGestureRecognizer>("UIPanGestureRecognizer");
    ClassBuilder<UIViewController>("NSObject")
        .method<&UIViewController::viewWillAppear>("viewWillAppear:")
        .method<&UIViewController::viewWillDisappear>("viewWillDisappear:")
        .method<&UIViewController::viewDidAppear>("viewDidAppear:");
    ClassBuilder<UINavigationController>("UIViewController")
        .method<&UINavigationController::forwardViewWillAppear>("viewWillAppear:");
    ClassBuilder<UISplitViewController>("UIViewController")
        .method<&UISplitViewController::forwardViewWillAppear>("viewWillAppear:");
    registerModalUIClasses();
}

}  // namespace device::uikit
