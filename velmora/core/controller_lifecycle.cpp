#include "velmora/core/controller_lifecycle.h"

#include "velmora/core/shared_state.h"

#include "device/objc/message.h"

namespace velmora::core {

void dealloc(device::objc::id self, device::objc::SEL cmd)
{
    device::objc::callImp<void>(sharedState().previous(InstalledMethod::Dealloc), self, cmd);
}

bool shouldReloadSpecifiersOnResume(device::objc::id, device::objc::SEL)
{
    return false;
}

}  // namespace velmora::core
