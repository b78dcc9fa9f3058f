#include "sim/serve/replies.h"
#include "sim/serve/requests.h"
#include "sim/serve/routes.h"

#include <httplib.h>

namespace sim::serve {

namespace {

using Json = nlohmann::ordered_json;

// Reads the body with `read`; a body it cannot read is answered 400 and goes no further.
template <typename Reader, typename Act>
httplib::Server::Handler action(Reader read, Act act)
{
    return [read, act](const httplib::Request& request, httplib::Response& response) {
        auto parsed = read(request.body);
        if (auto* error = std::get_if<std::string>(&parsed)) {
            replyError(response, 400, *error);
            return;
        }
        act(std::get<0>(parsed), response);
    };
}

// The answer to a change the device accepted or refused, with the frame it shows afterwards.
void replyChange(httplib::Response& response, DeviceThread& device, const std::optional<std::string>& refused,
                 int refusedStatus = 400)
{
    if (refused) {
        replyError(response, refusedStatus, *refused);
        return;
    }
    replyJson(response, {{"frame", device.frameNumber()}});
}

std::optional<std::string> changeDevice(DeviceSession& session, const DeviceRequest& request)
{
    switch (request.action) {
    case DeviceRequest::Action::Switch:
        return session.switchTo(request.value);
    case DeviceRequest::Action::Relaunch:
        session.relaunch();
        return std::nullopt;
    case DeviceRequest::Action::Reset:
        return session.reset();
    case DeviceRequest::Action::Language:
        return session.setLanguage(request.value);
    }
    return std::nullopt;
}

}  // namespace

void addActionRoutes(httplib::Server& server, DeviceThread& device)
{
    server.Post("/touch", action(readTouch, [&device](const TouchRequest& touch, httplib::Response& response) {
                    replyChange(response, device, device.call(Screen::Moves, [touch](DeviceSession& session) {
                        return session.touch(touch.phase, touch.points);
                    }));
                }));

    server.Post("/key", action(readKey, [&device](const KeyRequest& key, httplib::Response& response) {
                    replyChange(response, device, device.call(Screen::Moves, [key](DeviceSession& session) {
                        return session.key(key.key, key.text);
                    }));
                }));

    // A command that failed still ran: its status and output are the answer, as at the prompt.
    server.Post("/command", action(readCommand, [&device](const CommandRequest& command, httplib::Response& response) {
                    ConsoleReply reply = device.call(
                        Screen::Moves, [command](DeviceSession& session) { return session.run(command.line); });
                    replyJson(response, {{"status", static_cast<int>(reply.status)},
                                         {"output", reply.output},
                                         {"frame", device.frameNumber()}});
                }));

    server.Post("/device", action(readDevice, [&device](const DeviceRequest& change, httplib::Response& response) {
                    auto refused = device.call(Screen::Moves, [change](DeviceSession& session) {
                        return changeDevice(session, change);
                    });
                    bool bootFailed = change.action == DeviceRequest::Action::Switch
                                      || change.action == DeviceRequest::Action::Reset;
                    replyChange(response, device, refused, bootFailed ? 500 : 400);
                }));
}

}  // namespace sim::serve
