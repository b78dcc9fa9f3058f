#pragma once

#include "device/render/screen_description.h"
#include "device/settings/settings_app.h"

#include <map>
#include <ostream>
#include <string>

namespace monkey {

// The class of the page in front: what is presented, else the top of the navigation stack.
std::string frontPageClass(device::settings::SettingsApp& app);

// The places a run has been: the class of the page in front (whatever the language), and what was
// over it or happening on it (a lock screen, an alert, a sheet, editing mode, uncovered swipe buttons).
class Coverage {
public:
    void record(device::settings::SettingsApp& app, const device::render::ScreenDescription& screen);
    // Each place with how many steps ended there, then the pages of Velmora never reached.
    void report(std::ostream& out) const;
    // The pages of Velmora never reached.
    std::vector<std::string> missedPages() const;

private:
    std::map<std::string, long> m_visits;
};

}  // namespace monkey
