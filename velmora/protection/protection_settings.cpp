#include "velmora/protection/protection_settings.h"

#include "velmora/store/store.h"

namespace velmora::protection {

bool protectionIsActive(const device::foundation::PlistDictionary& protectedStore)
{
    return store::readBool(protectedStore, store::keys::kProtectionEnabled)
        && !store::readString(protectedStore, store::keys::kPassword).empty();
}

}  // namespace velmora::protection
