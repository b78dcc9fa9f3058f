#include "sim/serve/replies.h"
#include "sim/serve/routes.h"
#include "sim/serve/web_assets.h"

#include <httplib.h>

#include <charconv>
#include <regex>

namespace sim::serve {

namespace {

// Long enough that a waiting page asks rarely, short enough that a request never outlives a
// connection's patience.
constexpr std::chrono::milliseconds kLongestFrameWait{20000};

void replyFrame(httplib::Response& response, const Frame& frame)
{
    if (!frame.png) {
        replyError(response, 503, "the device has drawn no frame yet");
        return;
    }
    response.set_header("X-Frame", std::to_string(frame.number));
    response.set_content(*frame.png, "image/png");
}

std::optional<std::uint64_t> frameNumber(const std::string& text)
{
    std::uint64_t number = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
    if (error != std::errc() || end != text.data() + text.size()) {
        return std::nullopt;
    }
    return number;
}

template <typename Describe>
httplib::Server::Handler described(DeviceThread& device, Describe describe)
{
    return [&device, describe](const httplib::Request&, httplib::Response& response) {
        replyJson(response, device.call(Screen::Still, describe));
    };
}

}  // namespace

void addViewRoutes(httplib::Server& server, DeviceThread& device, const FrameStore& frames)
{
    for (const WebAsset& asset : webAssets()) {
        std::string pattern = std::regex_replace(std::string(asset.path), std::regex(R"(\.)"), R"(\.)");
        server.Get(pattern, [&asset](const httplib::Request&, httplib::Response& response) {
            response.set_content(asset.body.data(), asset.body.size(), std::string(asset.contentType));
        });
    }

    // Without "after", the frame shown now; with it, the first one newer than that number, waited for.
    server.Get("/frame", [&frames](const httplib::Request& request, httplib::Response& response) {
        if (!request.has_param("after")) {
            replyFrame(response, frames.latest());
            return;
        }
        auto after = frameNumber(request.get_param_value("after"));
        if (!after) {
            replyError(response, 400, "\"after\" is a frame number");
            return;
        }
        replyFrame(response, frames.waitNewer(*after, kLongestFrameWait));
    });

    server.Get("/screenshot", [&device, &frames](const httplib::Request&, httplib::Response& response) {
        Frame frame = frames.latest();
        replyFrame(response, frame);
        std::string name = device.call(Screen::Still, [](DeviceSession& session) {
            return session.state()["device"].get<std::string>();
        });
        response.set_header("Content-Disposition",
                            "attachment; filename=\"velmora-" + name + "-" + std::to_string(frame.number) + ".png\"");
    });

    server.Get("/state", [&device](const httplib::Request&, httplib::Response& response) {
        auto state = device.call(Screen::Still, [](DeviceSession& session) { return session.state(); });
        state["settled"] = device.isSettled();
        state["frame"] = device.frameNumber();
        replyJson(response, state);
    });
    server.Get("/screen", described(device, [](DeviceSession& session) { return session.screen(); }));
    server.Get("/stores", described(device, [](DeviceSession& session) { return session.stores(); }));
    server.Get("/targets", described(device, [](DeviceSession& session) { return session.targets(); }));
}

}  // namespace sim::serve
