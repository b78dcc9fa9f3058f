#include "device/uikit/screen.h"

#include "device/foundation/system_info.h"

namespace device::uikit {

namespace {
UIScreen g_mainScreen;
UIDevice g_currentDevice;
}  // namespace

UIScreen& UIScreen::mainScreen()
{
    return g_mainScreen;
}

void UIScreen::configure(CGSize size, double scale)
{
    g_mainScreen.m_size = size;
    g_mainScreen.m_scale = scale;
}

UIDevice& UIDevice::currentDevice()
{
    return g_currentDevice;
}

std::string UIDevice::model() const
{
    return foundation::SystemInfo::current().model;
}

UIUserInterfaceIdiom UIDevice::userInterfaceIdiom() const
{
    return model().starts_with("iPad") ? UIUserInterfaceIdiom::Pad : UIUserInterfaceIdiom::Phone;
}

std::string UIDevice::systemVersion() const
{
    return foundation::SystemInfo::current().systemVersion;
}

}  // namespace device::uikit
