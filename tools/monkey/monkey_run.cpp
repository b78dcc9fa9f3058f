#include "monkey/monkey_run.h"

#include "monkey/action_chooser.h"
#include "monkey/coverage.h"
#include "monkey/device_session.h"
#include "monkey/protection_watch.h"
#include "monkey/root_list_check.h"
#include "monkey/sandbox.h"
#include "monkey/screen_reading.h"
#include "monkey/store_checks.h"

#include <chrono>
#include <deque>
#include <fstream>
#include <map>

namespace monkey {

namespace {

constexpr std::size_t kStepsRecalled = 20;

struct TakenStep {
    long number = 0;
    std::string profile;
    std::string line;
};

// The whole run on one profile as a velmora-sim script: moving away and back is a relaunch.
using Transcripts = std::map<std::string, std::vector<std::string>>;

class Run {
public:
    Run(const Options& options, std::ostream& out, std::ostream& err)
        : m_options(options), m_out(out), m_err(err), m_random(options.seed), m_sandbox(options.folder)
    {
    }

    int go()
    {
        auto started = std::chrono::steady_clock::now();
        m_sandbox.enter();
        boot(m_options.devices.front());
        for (long step = 1; step <= m_options.steps; ++step) {
            if (auto fault = takeStep(step)) {
                reportFault(step, *fault);
                return 1;
            }
        }
        double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        m_out << "velmora-monkey: seed " << m_options.seed << ", " << m_options.steps << " steps, every check held ("
              << m_missed << " aimed at nothing, " << seconds << " s)\n";
        m_coverage.report(m_out);
        if (m_options.folder) {
            writeTranscripts();
        }
        return 0;
    }

private:
    void boot(const std::string& profile)
    {
        m_session.reset();
        bool first = !m_transcripts.contains(profile);
        if (!first) {
            m_transcripts[profile].push_back("relaunch");
        }
        m_transcripts[profile];
        m_session = std::make_unique<DeviceSession>(profile, m_sandbox.root(profile), first);
    }

    std::string otherProfile() const
    {
        if (m_options.devices.size() < 2) {
            return {};
        }
        return m_session->profile() == m_options.devices[0] ? m_options.devices[1] : m_options.devices[0];
    }

    std::optional<std::string> takeStep(long step)
    {
        auto& app = m_session->device().app();
        auto screen = m_session->simulator().screen();
        bool lockScreen = isLockScreen(screen);
        std::string front = frontPageClass(app);
        // A tablet shows the root list beside every page.
        ChoiceHints hints{m_watch.nextPasscodeKey(), otherProfile(), front.starts_with("Host") && screen.page.bar.back,
                          front == "PrefsListController" || (screen.master && !screen.modal)};
        Action action = m_chooser.next(screen, hints, m_random);
        std::string line = action.switchTo.empty() ? action.line : "# the " + action.switchTo + " instead";
        remember(step, line);
        if (m_options.verbose) {
            m_out << step << " " << m_session->profile() << " [" << front << "]: " << line << std::endl;
        }
        m_watch.beforeStep(action, app, lockScreen);
        try {
            if (!action.switchTo.empty()) {
                boot(action.switchTo);
            } else {
                auto result = m_session->run(action.line);
                // velmora-sim stops at a line that aims at nothing; such a line changed nothing.
                bool missed = result.status != sim::Status::Ok;
                m_transcripts[m_session->profile()].push_back(missed ? "# missed: " + action.line : action.line);
                if (missed) {
                    ++m_missed;
                    if (m_options.verbose) {
                        m_out << "  (" << result.message << ")\n";
                    }
                }
            }
        } catch (const std::exception& error) {
            return std::string("an exception escaped: ") + error.what();
        }
        return check();
    }

    std::optional<std::string> check()
    {
        auto& app = m_session->device().app();
        auto screen = m_session->simulator().screen();
        m_coverage.record(app, screen);
        auto protectionFault = m_watch.afterStep(app, isLockScreen(screen));
        if (protectionFault) {
            return protectionFault;
        }
        if (auto faults = checkStores(); !faults.empty()) {
            return faults.front();
        }
        if (auto* rootList = app.rootController()) {
            if (auto twice = entriesShownTwice(*rootList); !twice.empty()) {
                return "the root list shows \"" + twice.front() + "\" twice";
            }
        }
        if (auto written = m_sandbox.writtenOutside(); !written.empty()) {
            return "written outside the device root: " + m_sandbox.folder().string() + "/" + written.front();
        }
        return std::nullopt;
    }

    void remember(long step, const std::string& line)
    {
        m_recent.push_back({step, m_session->profile(), line});
        if (m_recent.size() > kStepsRecalled) {
            m_recent.pop_front();
        }
    }

    void writeTranscripts()
    {
        for (const auto& [profile, lines] : m_transcripts) {
            std::ofstream transcript(m_sandbox.folder() / (profile + ".sim"));
            for (const auto& line : lines) {
                transcript << line << "\n";
            }
        }
    }

    void reportFault(long step, const std::string& fault)
    {
        m_sandbox.keep();
        writeTranscripts();
        std::string profile = m_session->profile();
        auto script = m_sandbox.folder() / (profile + ".sim");
        m_err << "velmora-monkey: seed " << m_options.seed << ", step " << step << " on the " << profile << ": "
              << fault << "\nthe last steps:\n";
        for (const auto& taken : m_recent) {
            m_err << "  " << taken.number << " " << taken.profile << ": " << taken.line << "\n";
        }
        m_err << "the " << profile << "'s whole run is " << script.string()
              << "; replay it with\n  velmora-sim --device " << profile << " --reset --root <new folder> "
              << script.string() << "\n";
    }

    const Options& m_options;
    std::ostream& m_out;
    std::ostream& m_err;
    Random m_random;
    Sandbox m_sandbox;
    std::unique_ptr<DeviceSession> m_session;
    ActionChooser m_chooser;
    ProtectionWatch m_watch;
    Coverage m_coverage;
    Transcripts m_transcripts;
    std::deque<TakenStep> m_recent;
    long m_missed = 0;
};

}  // namespace

int runMonkey(const Options& options, std::ostream& out, std::ostream& err)
{
    try {
        return Run(options, out, err).go();
    } catch (const std::exception& error) {
        err << "velmora-monkey: seed " << options.seed << ": " << error.what() << "\n";
        return 1;
    }
}

}  // namespace monkey
