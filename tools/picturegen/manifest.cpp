#include "manifest.h"

#include <nlohmann/json.hpp>

#include <fstream>
#include <map>
#include <optional>
#include <set>
#include <sstream>

namespace tools {

namespace {

using nlohmann::json;

constexpr int kMaxSide = 4096;

[[noreturn]] void fail(const std::string& where, const std::string& what)
{
    throw ManifestError(where + ": " + what);
}

// Grid units to pixels, plus what a `repeat` group adds.
struct Scope {
    const std::map<std::string, Color>* colours = nullptr;
    std::optional<Color> each;
    double scaleX = 1;
    double scaleY = 1;
    Point offset;
    Box whole;  // the picture, in grid units
};

void allowOnly(const json& node, const std::set<std::string>& keys, const std::string& where)
{
    for (const auto& [key, value] : node.items()) {
        if (!keys.contains(key)) {
            fail(where, "unknown field \"" + key + "\"");
        }
    }
}

const json& required(const json& node, const std::string& key, const std::string& where)
{
    if (!node.contains(key)) {
        fail(where, "missing field \"" + key + "\"");
    }
    return node.at(key);
}

double number(const json& node, const std::string& where)
{
    if (!node.is_number()) {
        fail(where, "expected a number, found " + node.dump());
    }
    return node.get<double>();
}

double numberField(const json& node, const std::string& key, double fallback, const std::string& where)
{
    return node.contains(key) ? number(node.at(key), where + " › " + key) : fallback;
}

std::vector<double> numbers(const json& node, std::size_t count, const std::string& where)
{
    if (!node.is_array() || node.size() != count) {
        fail(where, "expected an array of " + std::to_string(count) + " numbers, found " + node.dump());
    }
    std::vector<double> values;
    for (const json& item : node) {
        values.push_back(number(item, where));
    }
    return values;
}

std::string text(const json& node, const std::string& where)
{
    if (!node.is_string()) {
        fail(where, "expected a string, found " + node.dump());
    }
    return node.get<std::string>();
}

Color hexColour(const std::string& value, const std::string& where)
{
    const bool wellFormed = (value.size() == 7 || value.size() == 9) && value[0] == '#' &&
                            value.find_first_not_of("0123456789abcdefABCDEF", 1) == std::string::npos;
    if (!wellFormed) {
        fail(where, "colour \"" + value + "\" is not #RRGGBB or #RRGGBBAA");
    }
    auto channel = [&value](std::size_t at) { return std::stoi(value.substr(at, 2), nullptr, 16) / 255.0; };
    return {channel(1), channel(3), channel(5), value.size() == 9 ? channel(7) : 1.0};
}

Color colour(const json& node, const Scope& scope, const std::string& where)
{
    const std::string value = text(node, where);
    if (value == "$each") {
        if (!scope.each) {
            fail(where, "\"$each\" used outside a repeat group with \"colors\"");
        }
        return *scope.each;
    }
    if (value.starts_with('$')) {
        const std::string name = value.substr(1);
        if (scope.colours == nullptr || !scope.colours->contains(name)) {
            fail(where, "colour variable \"" + value + "\" is not defined in this output's \"colors\"");
        }
        return scope.colours->at(name);
    }
    return hexColour(value, where);
}

Point point(const json& node, const Scope& scope, const std::string& where)
{
    const std::vector<double> v = numbers(node, 2, where);
    return {(v[0] + scope.offset.x) * scope.scaleX, (v[1] + scope.offset.y) * scope.scaleY};
}

double scaled(double gridLength, const Scope& scope)
{
    return gridLength * (scope.scaleX + scope.scaleY) / 2;
}

double lengthField(const json& node, const std::string& key, const Scope& scope, const std::string& where)
{
    return scaled(number(required(node, key, where), where + " › " + key), scope);
}

Box box(const json& node, const Scope& scope, const std::string& where)
{
    const Box& w = scope.whole;
    std::vector<double> v{w.x, w.y, w.w, w.h};
    if (node.contains("box")) {
        v = numbers(node.at("box"), 4, where + " › box");
        if (v[2] <= 0 || v[3] <= 0) {
            fail(where + " › box", "width and height must be positive");
        }
    }
    return {(v[0] + scope.offset.x) * scope.scaleX, (v[1] + scope.offset.y) * scope.scaleY, v[2] * scope.scaleX,
            v[3] * scope.scaleY};
}

Shape geometry(const json& node, const Scope& scope, const std::string& where, bool painted);

Shape withCutouts(Shape shape, const json& node, const Scope& scope, const std::string& where)
{
    if (!node.contains("minus")) {
        return shape;
    }
    const json& minus = node.at("minus");
    const json list = minus.is_array() ? minus : json::array({minus});
    for (std::size_t i = 0; i < list.size(); ++i) {
        shape = shape.minus(geometry(list[i], scope, where + " › minus[" + std::to_string(i) + "]", false));
    }
    return shape;
}

Shape geometry(const json& node, const Scope& scope, const std::string& where, bool painted)
{
    if (!node.is_object()) {
        fail(where, "expected a shape object, found " + node.dump());
    }
    const std::string kind = text(required(node, "shape", where), where + " › shape");
    const std::string at = where + " (" + kind + ")";
    std::set<std::string> allowed{"shape", "minus"};
    if (painted) {
        allowed.insert({"color", "shade"});
    }
    auto allow = [&](std::initializer_list<std::string> keys) {
        allowed.insert(keys);
        allowOnly(node, allowed, at);
    };

    std::optional<Shape> shape;
    if (kind == "rect") {
        allow({"box", "radius"});
        shape = roundedRect(box(node, scope, at), scaled(numberField(node, "radius", 0, at), scope));
    } else if (kind == "disc") {
        allow({"box"});
        shape = ellipse(box(node, scope, at));
    } else if (kind == "ring") {
        allow({"box", "width"});
        shape = ring(box(node, scope, at), lengthField(node, "width", scope, at));
    } else if (kind == "line") {
        allow({"from", "to", "width"});
        shape = capsule(point(required(node, "from", at), scope, at + " › from"),
                        point(required(node, "to", at), scope, at + " › to"), lengthField(node, "width", scope, at));
    } else if (kind == "arc") {
        allow({"center", "radius", "width", "from", "to"});
        shape = arc(point(required(node, "center", at), scope, at + " › center"),
                    lengthField(node, "radius", scope, at), lengthField(node, "width", scope, at),
                    number(required(node, "from", at), at + " › from"), number(required(node, "to", at), at + " › to"));
    } else if (kind == "polygon") {
        allow({"points"});
        const json& list = required(node, "points", at);
        if (!list.is_array() || list.size() < 3) {
            fail(at + " › points", "expected at least three points");
        }
        std::vector<Point> corners;
        for (std::size_t i = 0; i < list.size(); ++i) {
            corners.push_back(point(list[i], scope, at + " › points[" + std::to_string(i) + "]"));
        }
        shape = polygon(std::move(corners));
    } else if (kind == "star") {
        allow({"box", "points", "inner"});
        const int points = static_cast<int>(numberField(node, "points", 5, at));
        if (points < 3) {
            fail(at + " › points", "a star needs at least three points");
        }
        shape = star(box(node, scope, at), points, numberField(node, "inner", 0.45, at));
    } else if (kind == "gear") {
        allow({"box", "teeth"});
        shape = gear(box(node, scope, at), static_cast<int>(numberField(node, "teeth", 8, at)));
    } else if (kind == "stripes") {
        allow({"box", "period", "width"});
        shape = stripes(box(node, scope, at), lengthField(node, "period", scope, at),
                        lengthField(node, "width", scope, at));
    } else if (kind == "heart" || kind == "folder" || kind == "lock" || kind == "eye") {
        allow({"box"});
        const Box b = box(node, scope, at);
        shape = kind == "heart" ? heart(b) : kind == "folder" ? folder(b) : kind == "lock" ? lock(b) : eye(b);
    } else {
        fail(where, "unknown shape \"" + kind +
                        "\" (known: rect, disc, ring, line, arc, polygon, star, heart, folder, gear, lock, eye, stripes)");
    }
    return withCutouts(*shape, node, scope, at);
}

Color lighter(const Color& c, double by)
{
    return {c.r + (1 - c.r) * by, c.g + (1 - c.g) * by, c.b + (1 - c.b) * by, c.a};
}

Color darker(const Color& c, double by)
{
    return {c.r * (1 - by), c.g * (1 - by), c.b * (1 - by), c.a};
}

void addLayers(const json& shapes, const Scope& scope, const std::string& where, std::vector<Layer>& layers)
{
    if (!shapes.is_array()) {
        fail(where, "expected an array of shapes");
    }
    for (std::size_t i = 0; i < shapes.size(); ++i) {
        const json& node = shapes[i];
        const std::string at = where + "[" + std::to_string(i) + "]";
        if (node.is_object() && node.contains("repeat")) {
            allowOnly(node, {"repeat", "step", "colors", "shapes"}, at);
            const int count = static_cast<int>(number(node.at("repeat"), at + " › repeat"));
            const std::vector<double> step = numbers(required(node, "step", at), 2, at + " › step");
            std::vector<Color> cycle;
            if (node.contains("colors")) {
                const json& list = node.at("colors");
                if (!list.is_array() || list.empty()) {
                    fail(at + " › colors", "expected a non-empty array of colours");
                }
                for (const json& c : list) {
                    cycle.push_back(colour(c, scope, at + " › colors"));
                }
            }
            for (int n = 0; n < count; ++n) {
                Scope inner = scope;
                inner.offset = {scope.offset.x + step[0] * n, scope.offset.y + step[1] * n};
                if (!cycle.empty()) {
                    inner.each = cycle[static_cast<std::size_t>(n) % cycle.size()];
                }
                addLayers(required(node, "shapes", at), inner, at + " › shapes", layers);
            }
            continue;
        }
        Shape shape = geometry(node, scope, at, true);
        const Color c = colour(required(node, "color", at), scope, at + " › color");
        const double shade = numberField(node, "shade", 0, at);
        layers.push_back({std::move(shape), {lighter(c, shade), darker(c, shade)}});
    }
}

std::filesystem::path relativePath(const json& node, const std::string& where)
{
    const std::filesystem::path path = text(node, where);
    if (path.empty() || path.is_absolute()) {
        fail(where, "expected a relative path, found \"" + path.string() + "\"");
    }
    for (const auto& part : path) {
        if (part == "..") {
            fail(where, "path \"" + path.string() + "\" leaves the output folder");
        }
    }
    return path;
}

std::pair<int, int> sizePair(const json& node, const std::string& where)
{
    const std::vector<double> v = node.is_number() ? std::vector<double>{node.get<double>(), node.get<double>()}
                                                   : numbers(node, 2, where);
    if (v[0] < 1 || v[1] < 1 || v[0] > kMaxSide || v[1] > kMaxSide) {
        fail(where, "sizes must lie between 1 and " + std::to_string(kMaxSide));
    }
    return {static_cast<int>(v[0]), static_cast<int>(v[1])};
}

Picture picture(const json& node, const std::filesystem::path& dir, const std::map<std::string, Color>& colours,
                const std::string& where)
{
    if (!node.is_object()) {
        fail(where, "expected a picture object");
    }
    allowOnly(node, {"file", "size", "grid", "shapes"}, where);
    Picture result;
    result.file = dir / relativePath(required(node, "file", where), where + " › file");
    const std::string at = where + " (" + result.file.filename().string() + ")";
    std::tie(result.width, result.height) = sizePair(required(node, "size", at), at + " › size");
    const auto [gridWidth, gridHeight] =
        node.contains("grid") ? sizePair(node.at("grid"), at + " › grid") : std::pair{result.width, result.height};
    Scope scope;
    scope.colours = &colours;
    scope.scaleX = static_cast<double>(result.width) / gridWidth;
    scope.scaleY = static_cast<double>(result.height) / gridHeight;
    scope.whole = {0, 0, static_cast<double>(gridWidth), static_cast<double>(gridHeight)};
    addLayers(required(node, "shapes", at), scope, at + " › shapes", result.layers);
    return result;
}

}  // namespace

std::vector<Picture> parseManifest(const std::string& jsonText)
{
    json doc;
    try {
        doc = json::parse(jsonText);
    } catch (const json::parse_error& e) {
        throw ManifestError(std::string("not valid JSON: ") + e.what());
    }
    if (!doc.is_object()) {
        fail("top level", "expected an object with \"outputs\"");
    }
    allowOnly(doc, {"templates", "outputs"}, "top level");
    const json templates = doc.value("templates", json::object());
    if (!templates.is_object()) {
        fail("templates", "expected an object of named picture lists");
    }
    const json& outputs = required(doc, "outputs", "top level");
    if (!outputs.is_array()) {
        fail("outputs", "expected an array");
    }

    std::vector<Picture> pictures;
    std::set<std::filesystem::path> seen;
    for (std::size_t i = 0; i < outputs.size(); ++i) {
        const json& group = outputs[i];
        std::string where = "outputs[" + std::to_string(i) + "]";
        if (!group.is_object()) {
            fail(where, "expected an object");
        }
        allowOnly(group, {"dir", "colors", "template", "pictures"}, where);
        const std::filesystem::path dir = relativePath(required(group, "dir", where), where + " › dir");
        where += " (" + dir.string() + ")";

        std::map<std::string, Color> colours;
        if (group.contains("colors")) {
            if (!group.at("colors").is_object()) {
                fail(where + " › colors", "expected an object of named colours");
            }
            for (const auto& [name, value] : group.at("colors").items()) {
                colours[name] = hexColour(text(value, where + " › colors › " + name), where + " › colors › " + name);
            }
        }

        if (group.contains("template") == group.contains("pictures")) {
            fail(where, "give either \"template\" or \"pictures\"");
        }
        const json* list = nullptr;
        if (group.contains("template")) {
            const std::string name = text(group.at("template"), where + " › template");
            if (!templates.contains(name)) {
                fail(where, "unknown template \"" + name + "\"");
            }
            list = &templates.at(name);
            where += " › template \"" + name + "\"";
        } else {
            list = &group.at("pictures");
            where += " › pictures";
        }
        if (!list->is_array()) {
            fail(where, "expected an array of pictures");
        }
        for (std::size_t j = 0; j < list->size(); ++j) {
            Picture p = picture((*list)[j], dir, colours, where + "[" + std::to_string(j) + "]");
            if (!seen.insert(p.file).second) {
                fail(where + "[" + std::to_string(j) + "]", "\"" + p.file.string() + "\" is produced twice");
            }
            pictures.push_back(std::move(p));
        }
    }
    return pictures;
}

std::vector<Picture> readManifest(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw ManifestError(path.string() + ": cannot be read");
    }
    std::ostringstream content;
    content << in.rdbuf();
    try {
        return parseManifest(content.str());
    } catch (const ManifestError& e) {
        throw ManifestError(path.string() + ": " + e.what());
    }
}

Canvas render(const Picture& picture)
{
    Canvas canvas(picture.width, picture.height);
    for (const Layer& layer : picture.layers) {
        canvas.fill(layer.shape, layer.paint);
    }
    return canvas;
}

}  // namespace tools
