#include "device/uikit/system_sound.h"

#include "device/uikit/application.h"

namespace device::uikit {

void AudioServicesPlaySystemSound(SystemSoundID sound)
{
    UIApplication::sharedApplication().playSystemSound(static_cast<int>(sound));
}

}  // namespace device::uikit
