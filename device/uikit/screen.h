#pragma once

#include "device/uikit/geometry.h"

#include <string>

namespace device::uikit {

class UIScreen {
public:
    static UIScreen& mainScreen();
    static void configure(CGSize size, double scale);

    CGRect bounds() const { return {{0, 0}, m_size}; }
    double scale() const { return m_scale; }

private:
    CGSize m_size{320, 568};
    double m_scale = 2;
};

// The part of the screen a page's own view gets: below the status and navigation bars.
inline constexpr double kNavigationBarBottom = 64;

enum class UIUserInterfaceIdiom { Phone = 0, Pad = 1 };

class UIDevice {
public:
    static UIDevice& currentDevice();
    std::string model() const;
    std::string systemVersion() const;
    // A tablet is a device whose model begins with "iPad".
    UIUserInterfaceIdiom userInterfaceIdiom() const;
};

}  // namespace device::uikit
