#include "sim/serve/requests.h"

#include <nlohmann/json.hpp>

#include <cmath>

namespace sim::serve {

namespace {

using Json = nlohmann::json;

constexpr std::size_t kLongestText = 1000;
constexpr std::size_t kLongestLine = 4000;
constexpr std::size_t kMostPoints = 200;

// What is wrong with a body, thrown by the readers of its fields and answered by readBody.
struct BadBody {
    std::string message;
};

std::string stringField(const Json& object, const char* name, std::size_t longest = kLongestText)
{
    auto found = object.find(name);
    if (found == object.end() || !found->is_string()) {
        throw BadBody{"\"" + std::string(name) + "\" is missing or not a string"};
    }
    auto text = found->get<std::string>();
    if (text.size() > longest) {
        throw BadBody{"\"" + std::string(name) + "\" is longer than " + std::to_string(longest) + " bytes"};
    }
    return text;
}

double numberField(const Json& object, const char* name)
{
    auto found = object.find(name);
    if (found == object.end() || !found->is_number() || !std::isfinite(found->get<double>())) {
        throw BadBody{"\"" + std::string(name) + "\" is missing or not a number"};
    }
    return found->get<double>();
}

template <typename Reader>
auto readBody(std::string_view body, Reader read) -> Read<decltype(read(Json()))>
{
    Json json = Json::parse(body, nullptr, false);
    if (json.is_discarded()) {
        return std::string("the body is not JSON");
    }
    if (!json.is_object()) {
        return std::string("the body is not a JSON object");
    }
    try {
        return read(json);
    } catch (const BadBody& bad) {
        return bad.message;
    }
}

}  // namespace

Read<TouchRequest> readTouch(std::string_view body)
{
    return readBody(body, [](const Json& json) {
        TouchRequest touch;
        std::string phase = stringField(json, "phase");
        auto points = json.find("points");
        if (phase == "move" && points != json.end()) {
            if (!points->is_array() || points->empty() || points->size() > kMostPoints) {
                throw BadBody{"\"points\" is a list of 1 to " + std::to_string(kMostPoints) + " points"};
            }
            for (const Json& point : *points) {
                if (!point.is_object()) {
                    throw BadBody{"each of \"points\" is an object with \"x\" and \"y\""};
                }
                touch.points.push_back({numberField(point, "x"), numberField(point, "y")});
            }
        } else {
            touch.points.push_back({numberField(json, "x"), numberField(json, "y")});
        }
        if (phase == "move") {
            touch.phase = TouchPhase::Move;
        } else if (phase == "up") {
            touch.phase = TouchPhase::Up;
        } else if (phase != "down") {
            throw BadBody{"\"phase\" is down, move or up"};
        }
        return touch;
    });
}

Read<KeyRequest> readKey(std::string_view body)
{
    return readBody(body, [](const Json& json) {
        if (json.contains("text")) {
            return KeyRequest{Key::Text, stringField(json, "text")};
        }
        std::string key = json.contains("key") ? stringField(json, "key") : "";
        if (key == "backspace") {
            return KeyRequest{Key::Backspace, {}};
        }
        if (key == "return") {
            return KeyRequest{Key::Return, {}};
        }
        throw BadBody{"the body names a \"text\" to type or a \"key\": backspace or return"};
    });
}

Read<CommandRequest> readCommand(std::string_view body)
{
    return readBody(body, [](const Json& json) { return CommandRequest{stringField(json, "line", kLongestLine)}; });
}

Read<DeviceRequest> readDevice(std::string_view body)
{
    return readBody(body, [](const Json& json) {
        std::string action = stringField(json, "action");
        if (action == "relaunch") {
            return DeviceRequest{DeviceRequest::Action::Relaunch, {}};
        }
        if (action == "reset") {
            return DeviceRequest{DeviceRequest::Action::Reset, {}};
        }
        if (action == "switch") {
            std::string device = stringField(json, "device");
            if (device != "phone" && device != "tablet") {
                throw BadBody{"\"device\" is phone or tablet"};
            }
            return DeviceRequest{DeviceRequest::Action::Switch, device};
        }
        if (action == "language") {
            return DeviceRequest{DeviceRequest::Action::Language, stringField(json, "language")};
        }
        throw BadBody{"\"action\" is switch, relaunch, reset or language"};
    });
}

}  // namespace sim::serve
