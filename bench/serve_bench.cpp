#include "sim/serve/server.h"

#include <benchmark/benchmark.h>
#include <httplib.h>
#include <nlohmann/json.hpp>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <thread>

namespace {

using Json = nlohmann::json;

// velmora-sim serve on a free port with Velmora on a freshly installed phone, its set-up screen
// closed, answering from a thread of its own; and a client of its HTTP interface.
class ServedPhone {
public:
    ServedPhone() : m_root(scratchRoot()), m_server(options(m_root), std::nullopt)
    {
        std::ostringstream warnings;
        if (auto error = m_server.start(warnings)) {
            m_error = *error;
            return;
        }
        m_serving = std::thread([this] { m_server.run(); });
        m_client = std::make_unique<httplib::Client>("127.0.0.1", m_server.port());
        post("/command", {{"line", "tap Done"}});
        settle();
    }

    ~ServedPhone()
    {
        m_server.stop();
        if (m_serving.joinable()) {
            m_serving.join();
        }
        std::error_code ignored;
        std::filesystem::remove_all(m_root, ignored);
    }

    const std::string& error() const { return m_error; }

    Json post(const std::string& path, const Json& body)
    {
        auto reply = m_client->Post(path, body.dump(), "application/json");
        return reply && reply->status == 200 ? Json::parse(reply->body) : Json();
    }

    Json get(const std::string& path)
    {
        auto reply = m_client->Get(path);
        return reply && reply->status == 200 ? Json::parse(reply->body) : Json();
    }

    // The frame after `after`, as the page waits for it; answers its number.
    std::uint64_t nextFrame(std::uint64_t after)
    {
        auto reply = m_client->Get("/frame?after=" + std::to_string(after));
        return reply && reply->status == 200 ? std::stoull(reply->get_header_value("X-Frame")) : 0;
    }

    void settle()
    {
        while (!get("/state").value("settled", false)) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }

private:
    static std::filesystem::path scratchRoot()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "velmora-bench-XXXXXX").string();
        if (!::mkdtemp(pattern.data())) {
            return {};
        }
        return pattern;
    }

    static sim::Options options(const std::filesystem::path& root)
    {
        sim::Options options;
        options.root = root / "device";
        options.reset = true;
        options.serve = sim::ServeOptions{0};
        return options;
    }

    std::filesystem::path m_root;
    sim::serve::Server m_server;
    std::string m_error;
    std::thread m_serving;
    std::unique_ptr<httplib::Client> m_client;
};

// A click on the Airplane Mode switch: from the POST that lifts the finger to the frame it leads to
// in the client's hands, as the page waits for it. The switch flips at every click, so each one
// draws a new frame.
void BM_ServeClickToFrame(benchmark::State& state)
{
    ServedPhone phone;
    if (!phone.error().empty()) {
        state.SkipWithError(phone.error().c_str());
        return;
    }
    Json row;
    for (const Json& target : phone.get("/targets")) {
        if (target.value("text", "") == "Airplane Mode") {
            row = target["row"];
        }
    }
    if (row.is_null()) {
        state.SkipWithError("the root list shows no Airplane Mode row");
        return;
    }
    Json point{{"x", row["x"].get<double>() + row["width"].get<double>() - 41},
               {"y", row["y"].get<double>() + row["height"].get<double>() / 2}};
    Json down = point;
    down["phase"] = "down";
    Json up = point;
    up["phase"] = "up";
    for (auto _ : state) {
        state.PauseTiming();
        auto before = phone.post("/touch", down).value("frame", std::uint64_t{0});
        state.ResumeTiming();
        auto lifted = phone.post("/touch", up).value("frame", std::uint64_t{0});
        auto shown = phone.nextFrame(before);
        state.PauseTiming();
        if (lifted <= before || shown < lifted) {
            state.SkipWithError("the click drew no new frame");
            break;
        }
        phone.settle();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ServeClickToFrame)->Unit(benchmark::kMillisecond)->Iterations(30);

}  // namespace
