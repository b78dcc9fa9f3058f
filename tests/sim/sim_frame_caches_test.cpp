#include "device/graphics/png_codec.h"
#include "tests/support/temp_root.h"

#include <gtest/gtest.h>

#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

using testing_support::TempRoot;

namespace {

// The drawing caches (shaped lines, glyph images, fallback faces, blend tables) live as long as the process, so a
// fresh velmora-sim draws with them empty. Screenshots are read back as pixels, by name.
class Frames {
public:
    // The script line that writes the screen under this name.
    std::string shot(const std::string& name) const
    {
        return "screenshot " + (m_folder.path() / (name + ".png")).string() + "\n";
    }

    // Boots a reset device in the given language, in a process of its own, and runs the script.
    void run(const std::string& language, const std::string& script)
    {
        std::filesystem::path scriptFile = m_folder.path() / ("script-" + language + ".sim");
        std::ofstream(scriptFile) << script;
        std::string command = std::string(VELMORA_SIM_PATH) + " --reset --root '" +
                              (m_folder.path() / ("root-" + language)).string() + "' --language " + language +
                              " '" + scriptFile.string() + "' >/dev/null 2>'" +
                              (m_folder.path() / "err.txt").string() + "'";
        int status = std::system(command.c_str());
        std::ifstream err(m_folder.path() / "err.txt");
        ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0)
            << std::string(std::istreambuf_iterator<char>(err), std::istreambuf_iterator<char>());
    }

    std::vector<std::uint8_t> pixels(const std::string& name) const
    {
        std::ifstream in(m_folder.path() / (name + ".png"), std::ios::binary);
        std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        std::optional<device::graphics::Bitmap> bitmap = device::graphics::decodePng(bytes);
        return bitmap ? bitmap->rgba : std::vector<std::uint8_t>{};
    }

private:
    TempRoot m_folder;
};

std::size_t differingPixels(const std::vector<std::uint8_t>& a, const std::vector<std::uint8_t>& b)
{
    if (a.size() != b.size()) {
        return std::max(a.size(), b.size()) / 4;
    }
    std::size_t count = 0;
    for (std::size_t i = 0; i < a.size(); i += 4) {
        count += !std::equal(a.begin() + static_cast<std::ptrdiff_t>(i), a.begin() + static_cast<std::ptrdiff_t>(i + 4),
                             b.begin() + static_cast<std::ptrdiff_t>(i));
    }
    return count;
}

TEST(SimFrameCaches, FramesDrawnAfterTextAndLanguageChangesMatchThoseOfAFreshProcess)
{
    Frames frames;
    // One process: English, then French, Arabic (right to left, with a fallback face) and English again, all on
    // the same page, so every frame after the first draws over caches filled by other texts.
    frames.run("en", "tap Done\ntap Velmora\n" + frames.shot("en-first") + frames.shot("en-again") +
                         "language fr\ntap Velmora\n" + frames.shot("fr-warm") +
                         "language ar\ntap Velmora\n" + frames.shot("ar-warm") +
                         "language en\ntap Velmora\n" + frames.shot("en-last"));
    frames.run("fr", "tap Terminé\ntap Velmora\n" + frames.shot("fr-cold"));
    frames.run("ar", "tap تم\ntap Velmora\n" + frames.shot("ar-cold"));

    std::vector<std::uint8_t> english = frames.pixels("en-first");
    std::vector<std::uint8_t> french = frames.pixels("fr-cold");
    std::vector<std::uint8_t> arabic = frames.pixels("ar-cold");
    ASSERT_EQ(english.size(), 640u * 1136 * 4);
    EXPECT_EQ(differingPixels(frames.pixels("en-again"), english), 0u) << "the same page drawn again, from warm caches";
    EXPECT_EQ(differingPixels(frames.pixels("en-last"), english), 0u) << "English again after French and Arabic";

    EXPECT_GT(differingPixels(french, english), 0u) << "the page shows other words in French";
    EXPECT_EQ(differingPixels(frames.pixels("fr-warm"), french), 0u)
        << "French after English, as a fresh process draws it";

    EXPECT_GT(differingPixels(arabic, french), 0u);
    EXPECT_EQ(differingPixels(frames.pixels("ar-warm"), arabic), 0u)
        << "Arabic after English and French, as a fresh process draws it";
}

}  // namespace
