#include "tests/sim/serve/served_device.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using testing_support::ServedDevice;

namespace {

using Json = nlohmann::json;

Json centreOf(const Json& target)
{
    return {{"x", target["x"].get<double>() + target["width"].get<double>() / 2},
            {"y", target["y"].get<double>() + target["height"].get<double>() / 2}};
}

Json targetShowing(ServedDevice& served, const std::string& text)
{
    for (const Json& target : served.json("/targets")) {
        if (target["text"] == text) {
            return target;
        }
    }
    return {};
}

Json touch(const std::string& phase, Json point)
{
    point["phase"] = phase;
    return point;
}

TEST(ServeDevice, AClickIsATapAndItsFrameIsDrawnBeforeTheAnswer)
{
    ServedDevice served;
    served.settle();
    Json done = targetShowing(served, "Done");
    ASSERT_FALSE(done.is_null());
    auto before = served.json("/touch", touch("down", centreOf(done))).value("frame", 0);

    auto lifted = served.json("/touch", touch("up", centreOf(done))).value("frame", 0);
    auto frame = served.get("/frame?after=" + std::to_string(before));

    EXPECT_GT(lifted, before);
    ASSERT_TRUE(frame);
    EXPECT_EQ(frame->get_header_value("Content-Type"), "image/png");
    EXPECT_GE(std::stoi(frame->get_header_value("X-Frame")), lifted);
    served.settle();
    EXPECT_TRUE(served.json("/screen")["screen"]["modal"].is_null());
}

TEST(ServeDevice, AFingerDraggedThroughItsPointsScrollsTheList)
{
    ServedDevice served;
    served.json("/command", {{"line", "tap Done"}});
    auto top = [&] { return targetShowing(served, "Do Not Disturb")["y"].get<double>(); };
    double before = top();

    served.json("/touch", touch("down", {{"x", 160}, {"y", 400}}));
    Json path = Json::array();
    for (int y = 390; y >= 250; y -= 10) {
        path.push_back({{"x", 160}, {"y", y}});
    }
    served.json("/touch", {{"phase", "move"}, {"points", path}});
    served.json("/touch", touch("up", {{"x", 160}, {"y", 250}}));
    served.settle();

    EXPECT_LE(top(), before - 140);
}

TEST(ServeDevice, KeysTypeIntoTheFocusedField)
{
    ServedDevice served;
    served.json("/command", {{"line", "tap Done; tap General; tap About; tap Name; erase 20"}});

    served.json("/key", {{"text", "My Phone"}});
    served.json("/key", {{"key", "backspace"}});
    served.json("/key", {{"key", "return"}});

    auto page = served.json("/screen")["screen"]["page"];
    EXPECT_THAT(page.dump(), testing::HasSubstr("\"My Phon\""));
    EXPECT_FALSE(served.json("/screen")["screen"]["keyboard"].get<bool>());
}

TEST(ServeDevice, EachProfileKeepsItsOwnRootAndComesBackAsItWasLeft)
{
    ServedDevice served;
    served.json("/command", {{"line", "tap Done; tap Velmora; toggle Enabled"}});
    auto phoneStores = served.json("/stores");

    auto switched = served.post("/device", R"({"action":"switch","device":"tablet"})");
    auto tablet = served.json("/state");
    auto tabletStores = served.json("/stores");
    served.post("/device", R"({"action":"switch","device":"phone"})");

    ASSERT_TRUE(switched);
    EXPECT_EQ(switched->status, 200);
    EXPECT_EQ(tablet.value("device", ""), "tablet");
    EXPECT_EQ(tablet.value("root", ""), (served.root().path() / "device-tablet").string());
    EXPECT_EQ(tabletStores["enabled"], Json::object());
    EXPECT_EQ(served.json("/state").value("root", ""), (served.root().path() / "device").string());
    EXPECT_EQ(served.json("/stores"), phoneStores);
}

TEST(ServeDevice, ResetErasesTheDeviceAndRelaunchKeepsOnlyFiles)
{
    ServedDevice served;
    served.json("/command", {{"line", "tap Done"}});
    served.post("/device", R"({"action":"relaunch"})");
    EXPECT_TRUE(served.json("/screen")["screen"]["modal"].is_null());

    served.post("/device", R"({"action":"reset"})");

    EXPECT_FALSE(served.json("/screen")["screen"]["modal"].is_null());
}

}  // namespace
