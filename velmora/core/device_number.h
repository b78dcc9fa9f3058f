#pragma once

namespace velmora::core {

// The major model number read from the last three characters of the hardware model string, so
// "iPhone5,2" gives 5 and a two-digit "iPhone10,3" gives 0.
int deviceNumber();

}  // namespace velmora::core
