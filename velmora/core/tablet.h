#pragma once

namespace velmora::core {

// Layouts, arrange mode, sorting, swipe gestures and the section map differ on a tablet.
bool isTablet();

}  // namespace velmora::core
