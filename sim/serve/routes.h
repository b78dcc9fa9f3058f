#pragma once

#include "sim/serve/device_thread.h"
#include "sim/serve/frame_store.h"

namespace httplib {
class Server;
}

namespace sim::serve {

// The page and its assets, the frames, and what the device shows and keeps: GET requests, none of
// which moves the device's clock.
void addViewRoutes(httplib::Server& server, DeviceThread& device, const FrameStore& frames);

// What a person does to the device: touches, keys, console commands and device changes.
void addActionRoutes(httplib::Server& server, DeviceThread& device);

}  // namespace sim::serve
