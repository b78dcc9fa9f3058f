#pragma once

#include <filesystem>
#include <functional>
#include <vector>

namespace tools {

// Components in 0..1, alpha not premultiplied.
struct Color {
    double r = 0;
    double g = 0;
    double b = 0;
    double a = 0;
};

struct Point {
    double x = 0;
    double y = 0;
};

struct Box {
    double x = 0;
    double y = 0;
    double w = 0;
    double h = 0;
};

// A region of the plane in pixel coordinates, known by a membership test and a bounding box.
class Shape {
public:
    using Test = std::function<bool(Point)>;

    Shape(Box bounds, Test test);

    bool contains(Point p) const;
    const Box& bounds() const;

    Shape plus(const Shape& other) const;
    Shape minus(const Shape& other) const;
    Shape intersected(const Shape& other) const;

private:
    Box m_bounds;
    Test m_test;
};

Shape roundedRect(Box box, double radius);
Shape ellipse(Box box);
Shape ring(Box box, double width);
Shape capsule(Point from, Point to, double width);
// Angles in degrees, clockwise from twelve o'clock; the arc runs clockwise from `fromDegrees`.
Shape arc(Point centre, double radius, double width, double fromDegrees, double toDegrees);
Shape polygon(std::vector<Point> points);
Shape star(Box box, int points, double innerRatio);
Shape heart(Box box);
Shape folder(Box box);
Shape gear(Box box, int teeth);
Shape lock(Box box);
Shape eye(Box box);
// Diagonal stripes keyed to absolute pixel positions, so a tile whose size is a multiple of
// the period repeats without seams.
Shape stripes(Box box, double period, double width);

// A vertical gradient across the shape's bounds; equal ends give a solid fill.
struct Paint {
    Color top;
    Color bottom;
};

class Canvas {
public:
    Canvas(int width, int height);

    int width() const;
    int height() const;

    void fill(const Shape& shape, const Paint& paint);
    Color pixel(int x, int y) const;

    // Throws std::runtime_error naming the file when it cannot be written.
    void writePng(const std::filesystem::path& path) const;

private:
    int m_width;
    int m_height;
    std::vector<Color> m_premultiplied;
};

}  // namespace tools
