#include "picturegen/manifest.h"
#include "temp_dir.h"

#include <gtest/gtest.h>

#include <string>

namespace tools {
namespace {

Color centreOf(const Picture& picture)
{
    return render(picture).pixel(picture.width / 2, picture.height / 2);
}

std::string errorOf(const std::string& json)
{
    try {
        parseManifest(json);
    } catch (const ManifestError& e) {
        return e.what();
    }
    return "no error";
}

TEST(ManifestTest, PicturesLandInTheirOutputFolderAtTheirSize)
{
    const auto pictures = parseManifest(R"({"outputs": [
        {"dir": "A/B C", "pictures": [
            {"file": "one.png", "size": 58, "shapes": []},
            {"file": "sub/two.png", "size": [640, 200], "shapes": []}]}]})");

    ASSERT_EQ(pictures.size(), 2u);
    EXPECT_EQ(pictures[0].file, std::filesystem::path("A/B C/one.png"));
    EXPECT_EQ(pictures[0].width, 58);
    EXPECT_EQ(pictures[0].height, 58);
    EXPECT_EQ(pictures[1].file, std::filesystem::path("A/B C/sub/two.png"));
    EXPECT_EQ(pictures[1].width, 640);
    EXPECT_EQ(pictures[1].height, 200);
}

TEST(ManifestTest, GridCoordinatesScaleToThePictureSize)
{
    const auto pictures = parseManifest(R"({"outputs": [{"dir": "x", "pictures": [
        {"file": "p.png", "size": 50, "grid": 100, "shapes": [
            {"shape": "rect", "box": [0, 0, 50, 100], "color": "#FF0000"}]}]}]})");

    const Canvas canvas = render(pictures.at(0));
    EXPECT_DOUBLE_EQ(canvas.pixel(10, 25).a, 1.0);
    EXPECT_DOUBLE_EQ(canvas.pixel(40, 25).a, 0.0) << "half the grid is half the picture";
}

TEST(ManifestTest, ColoursComeFromHexOrFromTheOutputsVariables)
{
    const auto pictures = parseManifest(R"({
        "templates": {"icon": [{"file": "i.png", "size": 4, "shapes": [{"shape": "rect", "color": "$tile"}]}]},
        "outputs": [
            {"dir": "Light", "template": "icon", "colors": {"tile": "#FFFFFF"}},
            {"dir": "Dark", "template": "icon", "colors": {"tile": "#00000080"}}]})");

    ASSERT_EQ(pictures.size(), 2u);
    EXPECT_EQ(pictures[0].file, std::filesystem::path("Light/i.png"));
    EXPECT_DOUBLE_EQ(centreOf(pictures[0]).r, 1.0);
    EXPECT_EQ(pictures[1].file, std::filesystem::path("Dark/i.png"));
    EXPECT_DOUBLE_EQ(centreOf(pictures[1]).r, 0.0);
    EXPECT_NEAR(centreOf(pictures[1]).a, 128.0 / 255.0, 1e-9);
}

TEST(ManifestTest, RepeatGroupsStepAndCycleTheirColours)
{
    const auto pictures = parseManifest(R"({"outputs": [{"dir": "x", "pictures": [
        {"file": "p.png", "size": [30, 10], "shapes": [
            {"repeat": 3, "step": [10, 0], "colors": ["#FF0000", "#0000FF"], "shapes": [
                {"shape": "rect", "box": [0, 0, 10, 10], "color": "$each"}]}]}]}]})");

    const Canvas canvas = render(pictures.at(0));
    EXPECT_DOUBLE_EQ(canvas.pixel(5, 5).r, 1.0);
    EXPECT_DOUBLE_EQ(canvas.pixel(15, 5).b, 1.0);
    EXPECT_DOUBLE_EQ(canvas.pixel(25, 5).r, 1.0);
}

TEST(ManifestTest, MinusCutsHolesAndShadeMakesAGradient)
{
    const auto pictures = parseManifest(R"({"outputs": [{"dir": "x", "pictures": [
        {"file": "p.png", "size": 40, "shapes": [
            {"shape": "rect", "color": "#808080", "shade": 0.5,
             "minus": {"shape": "disc", "box": [10, 10, 20, 20]}}]}]}]})");

    const Canvas canvas = render(pictures.at(0));
    EXPECT_DOUBLE_EQ(canvas.pixel(20, 20).a, 0.0);
    EXPECT_GT(canvas.pixel(2, 1).r, canvas.pixel(2, 38).r);
}

TEST(ManifestTest, EveryShapeKindIsAccepted)
{
    const auto pictures = parseManifest(R"({"outputs": [{"dir": "x", "pictures": [
        {"file": "p.png", "size": 100, "shapes": [
            {"shape": "rect", "box": [0, 0, 10, 10], "radius": 2, "color": "#000000"},
            {"shape": "disc", "box": [10, 0, 10, 10], "color": "#000000"},
            {"shape": "ring", "box": [20, 0, 10, 10], "width": 2, "color": "#000000"},
            {"shape": "line", "from": [30, 5], "to": [40, 5], "width": 3, "color": "#000000"},
            {"shape": "arc", "center": [50, 5], "radius": 4, "width": 2, "from": 0, "to": 180, "color": "#000000"},
            {"shape": "polygon", "points": [[60, 0], [70, 0], [65, 10]], "color": "#000000"},
            {"shape": "star", "box": [70, 0, 10, 10], "points": 6, "inner": 0.5, "color": "#000000"},
            {"shape": "heart", "box": [80, 0, 10, 10], "color": "#000000"},
            {"shape": "folder", "box": [0, 20, 10, 10], "color": "#000000"},
            {"shape": "gear", "box": [10, 20, 10, 10], "teeth": 6, "color": "#000000"},
            {"shape": "lock", "box": [20, 20, 10, 10], "color": "#000000"},
            {"shape": "eye", "box": [30, 20, 10, 10], "color": "#000000"},
            {"shape": "stripes", "box": [40, 20, 10, 10], "period": 4, "width": 2, "color": "#000000"}]}]}]})");

    EXPECT_EQ(pictures.at(0).layers.size(), 13u);
}

std::string errorOfShape(const std::string& shape)
{
    return errorOf(R"({"outputs": [{"dir": "Icons", "pictures": [{"file": "wifi.png", "size": 58, "shapes": [)" + shape +
                   "]}]}]}");
}

TEST(ManifestTest, ShapeMistakesAreReportedWithTheirPlace)
{
    const std::string unknown = errorOfShape(R"({"shape": "circle", "color": "#000000"})");
    EXPECT_NE(unknown.find("outputs[0] (Icons)"), std::string::npos) << unknown;
    EXPECT_NE(unknown.find("wifi.png"), std::string::npos) << unknown;
    EXPECT_NE(unknown.find("shapes[0]"), std::string::npos) << unknown;
    EXPECT_NE(unknown.find("unknown shape \"circle\""), std::string::npos) << unknown;

    const std::pair<std::string, std::string> cases[] = {
        {R"({"shape": "rect", "raduis": 3, "color": "#000000"})", "unknown field \"raduis\""},
        {R"({"shape": "rect"})", "missing field \"color\""},
        {R"({"shape": "rect", "color": "#12345"})", "is not #RRGGBB"},
        {R"({"shape": "rect", "color": "$tile"})", "\"$tile\" is not defined"},
        {R"({"shape": "rect", "color": "$each"})", "outside a repeat group"},
        {R"({"shape": "ring", "color": "#000000"})", "missing field \"width\""},
        {R"({"shape": "rect", "box": [0, 0, 10], "color": "#000000"})", "array of 4 numbers"},
        {R"({"shape": "polygon", "points": [[0, 0], [1, 1]], "color": "#000000"})", "at least three points"},
        {R"({"shape": "rect", "color": "#000000", "minus": {"shape": "disc", "color": "#000000"}})",
         "minus[0] (disc): unknown field \"color\""},
    };
    for (const auto& [shape, expected] : cases) {
        const std::string message = errorOfShape(shape);
        EXPECT_NE(message.find(expected), std::string::npos) << shape << " gave: " << message;
    }
}

TEST(ManifestTest, LayoutMistakesAreReported)
{
    const std::pair<std::string, std::string> cases[] = {
        {R"({"outputs": [{"dir": "x", "pictures": [{"file": "../up.png", "size": 4, "shapes": []}]}]})",
         "leaves the output folder"},
        {R"({"outputs": [{"dir": "/abs", "pictures": []}]})", "expected a relative path"},
        {R"({"outputs": [{"dir": "x", "pictures": [{"file": "a.png", "size": 4, "shapes": []},
                                                   {"file": "a.png", "size": 4, "shapes": []}]}]})",
         "produced twice"},
        {R"({"outputs": [{"dir": "x", "template": "none"}]})", "unknown template \"none\""},
        {R"({"outputs": [{"dir": "x"}]})", "give either \"template\" or \"pictures\""},
        {R"({"outputs": [{"dir": "x", "pictures": [{"file": "a.png", "size": 0, "shapes": []}]}]})",
         "sizes must lie between"},
        {R"({"outputs": [)", "not valid JSON"},
        {R"({"output": []})", "unknown field \"output\""},
    };
    for (const auto& [json, expected] : cases) {
        const std::string message = errorOf(json);
        EXPECT_NE(message.find(expected), std::string::npos) << json << " gave: " << message;
    }
}

class ManifestFileTest : public test::TempDirTest {};

TEST_F(ManifestFileTest, ErrorsNameTheManifestFile)
{
    const auto path = write("pictures.json", R"({"outputs": [{"dir": "x", "pictures": [7]}]})");
    try {
        readManifest(path);
        FAIL() << "expected an error";
    } catch (const ManifestError& e) {
        EXPECT_EQ(std::string(e.what()).rfind(path.string() + ": ", 0), 0u) << e.what();
    }
    EXPECT_THROW(readManifest(m_dir / "missing.json"), ManifestError);
}

}  // namespace
}  // namespace tools
