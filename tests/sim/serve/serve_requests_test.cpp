#include "tests/sim/serve/served_device.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using testing::HasSubstr;
using testing_support::ServedDevice;

namespace {

int statusOf(const httplib::Result& reply)
{
    return reply ? reply->status : -1;
}

TEST(ServeRequests, OnlyThePageOfThisServerMayDriveTheDevice)
{
    ServedDevice served;
    const std::string tap = R"({"phase":"down","x":160,"y":300})";

    EXPECT_EQ(statusOf(served.get("/state")), 200);
    EXPECT_EQ(statusOf(served.get("/state", {{"Origin", served.origin()}})), 200);
    EXPECT_EQ(statusOf(served.post("/touch", tap, {{"Origin", served.origin()}})), 200);

    EXPECT_EQ(statusOf(served.get("/state", {{"Origin", "http://evil.example"}})), 403);
    EXPECT_EQ(statusOf(served.post("/touch", tap, {{"Origin", "http://evil.example"}})), 403);
    // Another port of the same machine is another page.
    EXPECT_EQ(statusOf(served.get("/stores", {{"Origin", "http://127.0.0.1:1"}})), 403);
    // A page whose own name was pointed at the loopback address still says its name.
    EXPECT_EQ(statusOf(served.get("/stores", {{"Host", "evil.example:" + std::to_string(served.port())}})), 403);
    // A plain form posts no JSON.
    EXPECT_EQ(statusOf(served.post("/command", "line=show", {}, "application/x-www-form-urlencoded")), 415);
    EXPECT_EQ(statusOf(served.post("/command", R"({"line":"show"})", {}, "text/plain")), 415);
}

TEST(ServeRequests, AMalformedRequestIsAnswered400AndTheServerGoesOn)
{
    ServedDevice served;
    const std::vector<std::pair<std::string, std::string>> bad{
        {"/touch", "{not json"},
        {"/touch", "[1, 2]"},
        {"/touch", R"({"phase":"down","x":160})"},
        {"/touch", R"({"phase":"press","x":160,"y":300})"},
        {"/touch", R"({"phase":"down","x":1e300,"y":300})"},
        {"/touch", R"({"phase":"down","x":-5,"y":300})"},
        {"/touch", R"({"phase":"move","points":[]})"},
        {"/touch", R"({"phase":"up","x":10,"y":10})"},  // no finger is down
        {"/key", R"({"text":"abc"})"},  // no field has the focus
        {"/key", R"({"key":"escape"})"},
        {"/command", R"({"line":42})"},
        {"/device", R"({"action":"switch","device":"watch"})"},
        {"/device", R"({"action":"language","language":"not a code"})"},
    };
    for (const auto& [path, body] : bad) {
        auto reply = served.post(path, body);
        EXPECT_EQ(statusOf(reply), 400) << path << " " << body;
        if (reply) {
            EXPECT_THAT(nlohmann::json::parse(reply->body, nullptr, false).value("error", ""), testing::Not(""))
                << path << " " << body;
        }
    }
    EXPECT_EQ(statusOf(served.get("/frame?after=x")), 400);
    EXPECT_EQ(statusOf(served.post("/command", std::string(100 * 1024, ' '))), 413);
    EXPECT_EQ(statusOf(served.get("/etc/passwd")), 404);
    EXPECT_EQ(statusOf(served.get("/../../etc/passwd")), 404);

    EXPECT_EQ(served.json("/command", {{"line", "echo still here"}}).value("output", ""), "still here\n");
}

TEST(ServeRequests, TheConsoleRunsNoCommandThatNamesAFile)
{
    ServedDevice served;
    auto file = served.root().path() / "screen.png";

    auto reply = served.json("/command", {{"line", "tap Done; screenshot " + file.string()}});

    EXPECT_EQ(reply.value("status", 0), 2);
    EXPECT_THAT(reply.value("output", ""), HasSubstr("screenshot: the web console reads and writes no files"));
    EXPECT_FALSE(std::filesystem::exists(file));
    // The line is read whole before anything runs: the set-up screen is still up.
    EXPECT_FALSE(served.json("/screen")["screen"]["modal"].is_null());
}

TEST(ServeRequests, TheConsoleRunsLinesAsAScriptDoes)
{
    ServedDevice served;

    auto reply = served.json("/command", {{"line", "tap Done; expect Velmora; prefs advanced"}});
    auto failed = served.json("/command", {{"line", "tap Nowhere"}});

    EXPECT_EQ(reply.value("status", -1), 0);
    EXPECT_EQ(nlohmann::json::parse(reply.value("output", "")), served.json("/stores")["advanced"]);
    EXPECT_EQ(failed.value("status", -1), 2);
    EXPECT_THAT(failed.value("output", ""), HasSubstr("console, line 1: tap: nothing on screen shows \"Nowhere\""));
}

}  // namespace
