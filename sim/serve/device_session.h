#pragma once

#include "sim/command_result.h"
#include "sim/options.h"
#include "sim/simulator.h"

#include "device/graphics/bitmap.h"
#include "device/settings/device.h"
#include "device/uikit/touchscreen.h"

#include <nlohmann/json.hpp>

#include <filesystem>
#include <memory>
#include <optional>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace sim::serve {

enum class TouchPhase { Down, Move, Up };
enum class Key { Text, Backspace, Return };

struct ConsoleReply {
    Status status = Status::Ok;
    std::string output;  // what the commands printed, warnings and errors included, in order
};

// The device the web page drives, with the simulator's own commands. Lives on the device's thread:
// every call is made there.
class DeviceSession {
public:
    DeviceSession(Options options, std::optional<std::filesystem::path> dataFolder);
    ~DeviceSession();
    DeviceSession(const DeviceSession&) = delete;
    DeviceSession& operator=(const DeviceSession&) = delete;

    // Boots the device the options name; answers why it could not.
    std::optional<std::string> start();
    // False only when a switch to another profile failed and the previous one did not boot again;
    // then everything but a switch or a reset throws.
    bool hasDevice() const { return m_device != nullptr; }

    // The finger at points of the screen, in points, one frame each; an error when one is off the
    // screen. A down or an up has one point.
    std::optional<std::string> touch(TouchPhase phase, const std::vector<device::uikit::CGPoint>& points);
    bool isTouching() const { return m_finger && m_finger->isTouching(); }
    std::optional<std::string> key(Key key, const std::string& text);
    // One console line, which may hold several commands separated by ";", run as a script runs them.
    ConsoleReply run(const std::string& line);

    // Another profile ("phone" or "tablet"), each in its own device root.
    std::optional<std::string> switchTo(const std::string& device);
    void relaunch();
    std::optional<std::string> reset();
    std::optional<std::string> setLanguage(const std::string& code);

    // Something waits on the clock: an animation, a delayed call or a timer. When nothing does, time
    // passing changes nothing on screen.
    bool isWaitingOnClock() const;
    // One frame of device time, as the screen refreshes.
    void advanceFrame();
    device::graphics::Bitmap render();

    // Velmora's stores, as `prefs` prints them.
    nlohmann::ordered_json stores();
    // The device: its profile name, screen size in points and scale, language and root.
    nlohmann::ordered_json state();
    // The screen as `dump` describes it, with its text as `show` prints it.
    nlohmann::ordered_json screen();
    // What a finger can aim at by its text, with its frame on screen in points (and its row's).
    nlohmann::ordered_json targets();
    // What the device printed outside a console command: the warnings of a boot.
    std::string takeOutput();

private:
    std::optional<std::string> boot(const std::string& device, bool reset);
    std::optional<std::filesystem::path> rootFor(const std::string& device) const;
    void lift();
    device::settings::Device& running();

    Options m_options;
    std::optional<std::filesystem::path> m_dataFolder;
    std::string m_deviceName;
    std::set<std::string> m_booted;
    std::ostringstream m_output;
    std::unique_ptr<device::settings::Device> m_device;
    std::unique_ptr<Simulator> m_simulator;
    std::unique_ptr<device::uikit::Touchscreen> m_finger;
};

}  // namespace sim::serve
