#include "velmora/rootlist/tag_chooser.h"

#include "velmora/core/shared_state.h"

#include "device/objc/message.h"

namespace velmora::rootlist {

bool _showCarrier(device::objc::id self, device::objc::SEL cmd)
{
    return device::objc::callImp<bool>(core::sharedState().previous(core::InstalledMethod::ShowCarrier), self, cmd);
}

}  // namespace velmora::rootlist
