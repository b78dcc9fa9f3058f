#include "png_read.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <fstream>
#include <sstream>
#include <string>

namespace tools {
namespace {

struct Outcome {
    int status = -1;
    std::string errors;
};

class ProgramsTest : public test::TempDirTest {
protected:
    Outcome run(const std::string& program, const std::vector<std::filesystem::path>& arguments) const
    {
        std::string command = "'" + program + "'";
        for (const auto& argument : arguments) {
            command += " '" + argument.string() + "'";
        }
        const auto errors = m_dir / "stderr.txt";
        command += " 2> '" + errors.string() + "'";
        const int raw = std::system(command.c_str());
        std::ifstream in(errors);
        std::ostringstream text;
        text << in.rdbuf();
        return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, text.str()};
    }
};

TEST_F(ProgramsTest, LanguageCheckFailsNamingFileAndKey)
{
    const auto keys = write("keys.json", R"({"keys": ["anim", "ty"], "distinct": ["anim"]})");
    const auto good = write("en.plist", R"(<plist version="1.0"><dict>
        <key>anim</key><string>Animations</string><key>ty</key><string>Thanks</string></dict></plist>)");
    const auto bad = write("it.plist", R"(<plist version="1.0"><dict>
        <key>anim</key><string>Animazioni</string></dict></plist>)");

    EXPECT_EQ(run(VELMORA_LANGCHECK, {keys, good}).status, 0);

    const Outcome outcome = run(VELMORA_LANGCHECK, {keys, good, bad});
    EXPECT_EQ(outcome.status, 1);
    EXPECT_NE(outcome.errors.find(bad.string() + ": key \"ty\": missing"), std::string::npos) << outcome.errors;
    EXPECT_EQ(outcome.errors.find(good.string()), std::string::npos) << outcome.errors;

    EXPECT_EQ(run(VELMORA_LANGCHECK, {keys}).status, 2);
}

TEST_F(ProgramsTest, PictureGeneratorDrawsEveryPictureOrExplainsWhyNot)
{
    const auto manifest = write("pictures.json", R"({"outputs": [{"dir": "Library/Application Support/X",
        "pictures": [{"file": "Setup/a.png", "size": [6, 4], "shapes": [{"shape": "rect", "color": "#00FF00"}]}]}]})");
    const auto out = m_dir / "stage";

    ASSERT_EQ(run(VELMORA_PICTUREGEN, {manifest, out}).status, 0);
    const auto png = test::readPng(out / "Library/Application Support/X/Setup/a.png");
    ASSERT_TRUE(png.has_value());
    EXPECT_EQ(png->width, 6);
    EXPECT_EQ(png->height, 4);
    EXPECT_EQ(png->at(3, 2).g, 255);

    const auto broken = write("broken.json", R"({"outputs": [{"dir": "x", "pictures": [
        {"file": "a.png", "size": 4, "shapes": [{"shape": "blob", "color": "#000000"}]}]}]})");
    const Outcome outcome = run(VELMORA_PICTUREGEN, {broken, out});
    EXPECT_EQ(outcome.status, 1);
    EXPECT_NE(outcome.errors.find(broken.string()), std::string::npos) << outcome.errors;
    EXPECT_NE(outcome.errors.find("unknown shape \"blob\""), std::string::npos) << outcome.errors;
}

}  // namespace
}  // namespace tools
