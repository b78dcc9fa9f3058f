#include "velmora/core/installer.h"

#include "velmora/core/controller_lifecycle.h"
#include "velmora/core/shared_state.h"
#include "velmora/protection/keypad.h"
#include "velmora/protection/selection_gate.h"
#include "velmora/rootlist/arrange_mode.h"
#include "velmora/rootlist/on_show.h"
#include "velmora/rootlist/rebuild.h"
#include "velmora/rootlist/sorting.h"
#include "velmora/rootlist/swipe_actions.h"
#include "velmora/rootlist/tag_chooser.h"

#include <string>

namespace velmora::core {

namespace {

namespace objc = device::objc;

template <class Function>
objc::IMP imp(Function* function)
{
    return reinterpret_cast<objc::IMP>(function);
}

void install(objc::Class cls, const MethodInstallation& row, SharedState& state)
{
    objc::SEL selector = objc::sel_registerName(row.selector);
    objc::Method existing = objc::class_getInstanceMethod(cls, selector);
    auto& previous = state.previousImplementations[static_cast<std::size_t>(row.method)];
    if (row.kind == InstallKind::Replaced) {
        if (existing) {
            previous = objc::method_getImplementation(existing);
            objc::method_setImplementation(existing, row.implementation);
        }
        return;
    }
    if (!existing) {
        objc::class_addMethod(cls, selector, row.implementation, std::string(row.typesWhenAdded).c_str());
        return;
    }
    previous = objc::method_getImplementation(existing);
    if (!objc::class_addMethod(cls, selector, row.implementation, objc::method_getTypeEncoding(existing))) {
        objc::method_setImplementation(existing, row.implementation);
    }
}

}  // namespace

const std::array<MethodInstallation, kInstalledMethodCount>& installedMethods()
{
    using enum InstalledMethod;
    using enum InstallKind;
    static const std::array<MethodInstallation, kInstalledMethodCount> table{{
        {ReloadSpecifiers, "reloadSpecifiers", Replaced, {}, imp(&rootlist::reloadSpecifiers)},
        {Dealloc, "dealloc", Replaced, {}, imp(&dealloc)},
        {ShouldReloadSpecifiersOnResume, "shouldReloadSpecifiersOnResume", Replaced, {},
         imp(&shouldReloadSpecifiersOnResume)},
        {SortAZ, "sortAZ", Added, "v@:", imp(&rootlist::sortAZ)},
        {SortZA, "sortZA", Added, "v@:", imp(&rootlist::sortZA)},
        {SetEditingState, "setEditingState", Added, "v@:", imp(&rootlist::setEditingState)},
        {ArrangeCompleted, "ArrangeCompleted", Added, "v@:", imp(&rootlist::ArrangeCompleted)},
        {ResetPos, "resetPos", Added, "v@:", imp(&rootlist::resetPos)},
        {ShowCarrier, "_showCarrier", Replaced, {}, imp(&rootlist::_showCarrier)},
        {Looping, "Looping", Added, "v@:", imp(&rootlist::Looping)},
        {DismissTagsController, "dismissTagsController", Added, "v@:", imp(&protection::dismissTagsController)},
        {DismissPassController, "dismissPassController:", Added, "v@:@", imp(&protection::dismissPassController)},
        {ViewWillAppear, "viewWillAppear:", Replaced, {}, imp(&rootlist::viewWillAppear)},
        {TableViewDidSelectRowAtIndexPath, "tableView:didSelectRowAtIndexPath:", Replaced, {},
         imp(&protection::tableViewDidSelectRowAtIndexPath)},
        {SortType, "sortType:", Added, "v@:@", imp(&rootlist::sortType)},
        {ButtonPressed, "buttonPressed:", Added, "v@:@", imp(&protection::buttonPressed)},
        {ButtonReleased, "buttonReleased:", Added, "v@:@", imp(&protection::buttonReleased)},
        {Swipe, "Swipe:", Added, "v@:@", imp(&rootlist::Swipe)},
        {Tapped, "Tapped:", Added, "v@:@", imp(&rootlist::Tapped)},
    }};
    return table;
}

void CHConstructor6540()
{
    void* pool = objc::objc_autoreleasePoolPush();
    objc::Class cls = objc::objc_getClass("PrefsListController");
    if (cls) {
        SharedState& state = sharedState();
        for (const MethodInstallation& row : installedMethods()) {
            install(cls, row, state);
        }
    }
    objc::objc_autoreleasePoolPop(pool);
}

}  // namespace velmora::core
