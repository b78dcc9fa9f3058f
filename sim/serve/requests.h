#pragma once

#include "sim/serve/device_session.h"

#include "device/uikit/geometry.h"

#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace sim::serve {

// The bodies of the POST requests, read from JSON; each reader answers the request or what is
// wrong with it.
template <typename Request>
using Read = std::variant<Request, std::string>;

// {"phase": "down"|"move"|"up", "x": points, "y": points}; a move may carry the points the finger
// passed through instead, {"phase": "move", "points": [{"x": .., "y": ..}, ...]}, so that a page
// whose requests fall behind the finger sends them together rather than drop them.
struct TouchRequest {
    TouchPhase phase = TouchPhase::Down;
    std::vector<device::uikit::CGPoint> points;
};
Read<TouchRequest> readTouch(std::string_view body);

// {"text": "abc"} or {"key": "backspace"|"return"}
struct KeyRequest {
    Key key = Key::Text;
    std::string text;
};
Read<KeyRequest> readKey(std::string_view body);

// {"line": "tap Done; show"}
struct CommandRequest {
    std::string line;
};
Read<CommandRequest> readCommand(std::string_view body);

// {"action": "switch", "device": "phone"|"tablet"}, {"action": "relaunch"|"reset"},
// {"action": "language", "language": "fr"}
struct DeviceRequest {
    enum class Action { Switch, Relaunch, Reset, Language };
    Action action = Action::Relaunch;
    std::string value;  // the device or the language
};
Read<DeviceRequest> readDevice(std::string_view body);

}  // namespace sim::serve
