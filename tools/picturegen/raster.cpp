#include "raster.h"

#include <png.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <stdexcept>

namespace tools {

namespace {

constexpr int kSamplesPerAxis = 4;

Box unionOf(const Box& a, const Box& b)
{
    const double left = std::min(a.x, b.x);
    const double top = std::min(a.y, b.y);
    const double right = std::max(a.x + a.w, b.x + b.w);
    const double bottom = std::max(a.y + a.h, b.y + b.h);
    return {left, top, right - left, bottom - top};
}

Box inset(const Box& box, double by)
{
    return {box.x + by, box.y + by, box.w - 2 * by, box.h - 2 * by};
}

Point centreOf(const Box& box)
{
    return {box.x + box.w / 2, box.y + box.h / 2};
}

double distanceToSegment(Point p, Point a, Point b)
{
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double lengthSquared = dx * dx + dy * dy;
    double t = 0;
    if (lengthSquared > 0) {
        t = std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / lengthSquared, 0.0, 1.0);
    }
    return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

double clockDegrees(Point p, Point centre)
{
    const double degrees = std::atan2(p.x - centre.x, centre.y - p.y) * 180.0 / std::numbers::pi;
    return degrees < 0 ? degrees + 360.0 : degrees;
}

Point onCircle(Point centre, double radius, double degrees)
{
    const double radians = degrees * std::numbers::pi / 180.0;
    return {centre.x + radius * std::sin(radians), centre.y - radius * std::cos(radians)};
}

// The lens where two equal circles overlap, as wide as `box` at its middle and as tall as it.
Shape almond(Box box)
{
    const double halfWidth = box.w / 2;
    const double halfHeight = box.h / 2;
    const double radius = (halfWidth * halfWidth + halfHeight * halfHeight) / (2 * halfHeight);
    const double offset = radius - halfHeight;
    const Point c = centreOf(box);
    return Shape(box, [c, radius, offset](Point p) {
        return std::hypot(p.x - c.x, p.y - (c.y + offset)) <= radius &&
               std::hypot(p.x - c.x, p.y - (c.y - offset)) <= radius;
    });
}

Color mix(const Color& a, const Color& b, double t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t, a.a + (b.a - a.a) * t};
}

std::uint8_t toByte(double value)
{
    return static_cast<std::uint8_t>(std::lround(std::clamp(value, 0.0, 1.0) * 255.0));
}

}  // namespace

Shape::Shape(Box bounds, Test test) : m_bounds(bounds), m_test(std::move(test)) {}

bool Shape::contains(Point p) const
{
    return m_test(p);
}

const Box& Shape::bounds() const
{
    return m_bounds;
}

Shape Shape::plus(const Shape& other) const
{
    return Shape(unionOf(m_bounds, other.m_bounds),
                 [a = *this, b = other](Point p) { return a.contains(p) || b.contains(p); });
}

Shape Shape::minus(const Shape& other) const
{
    return Shape(m_bounds, [a = *this, b = other](Point p) { return a.contains(p) && !b.contains(p); });
}

Shape Shape::intersected(const Shape& other) const
{
    return Shape(m_bounds, [a = *this, b = other](Point p) { return a.contains(p) && b.contains(p); });
}

Shape roundedRect(Box box, double radius)
{
    const double r = std::clamp(radius, 0.0, std::min(box.w, box.h) / 2);
    const Point c = centreOf(box);
    return Shape(box, [box, r, c](Point p) {
        const double ax = std::abs(p.x - c.x);
        const double ay = std::abs(p.y - c.y);
        if (ax > box.w / 2 || ay > box.h / 2) {
            return false;
        }
        const double dx = std::max(ax - (box.w / 2 - r), 0.0);
        const double dy = std::max(ay - (box.h / 2 - r), 0.0);
        return dx * dx + dy * dy <= r * r;
    });
}

Shape ellipse(Box box)
{
    const Point c = centreOf(box);
    return Shape(box, [box, c](Point p) {
        const double u = (p.x - c.x) / (box.w / 2);
        const double v = (p.y - c.y) / (box.h / 2);
        return u * u + v * v <= 1.0;
    });
}

Shape ring(Box box, double width)
{
    return ellipse(box).minus(ellipse(inset(box, width)));
}

Shape capsule(Point from, Point to, double width)
{
    const double half = width / 2;
    const Box bounds{std::min(from.x, to.x) - half, std::min(from.y, to.y) - half,
                     std::abs(to.x - from.x) + width, std::abs(to.y - from.y) + width};
    return Shape(bounds, [from, to, half](Point p) { return distanceToSegment(p, from, to) <= half; });
}

Shape arc(Point centre, double radius, double width, double fromDegrees, double toDegrees)
{
    const double outer = radius + width / 2;
    const double span = toDegrees - fromDegrees >= 360.0 ? 360.0 : std::fmod(toDegrees - fromDegrees + 720.0, 360.0);
    const Box bounds{centre.x - outer, centre.y - outer, 2 * outer, 2 * outer};
    const Shape band(bounds, [=](Point p) {
        if (std::abs(std::hypot(p.x - centre.x, p.y - centre.y) - radius) > width / 2) {
            return false;
        }
        return std::fmod(clockDegrees(p, centre) - fromDegrees + 720.0, 360.0) <= span;
    });
    const Point start = onCircle(centre, radius, fromDegrees);
    const Point end = onCircle(centre, radius, fromDegrees + span);
    return band.plus(capsule(start, start, width)).plus(capsule(end, end, width));
}

Shape polygon(std::vector<Point> points)
{
    Box bounds;
    if (!points.empty()) {
        double left = points[0].x, right = points[0].x, top = points[0].y, bottom = points[0].y;
        for (const Point& p : points) {
            left = std::min(left, p.x);
            right = std::max(right, p.x);
            top = std::min(top, p.y);
            bottom = std::max(bottom, p.y);
        }
        bounds = {left, top, right - left, bottom - top};
    }
    return Shape(bounds, [points = std::move(points)](Point p) {
        bool inside = false;
        for (std::size_t i = 0, j = points.size() - 1; i < points.size(); j = i++) {
            const Point& a = points[i];
            const Point& b = points[j];
            if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x) {
                inside = !inside;
            }
        }
        return inside;
    });
}

Shape star(Box box, int points, double innerRatio)
{
    const Point c = centreOf(box);
    std::vector<Point> corners;
    for (int i = 0; i < 2 * points; ++i) {
        const double scale = i % 2 == 0 ? 1.0 : innerRatio;
        const double radians = i * std::numbers::pi / points;
        corners.push_back({c.x + scale * box.w / 2 * std::sin(radians), c.y - scale * box.h / 2 * std::cos(radians)});
    }
    return polygon(std::move(corners));
}

Shape heart(Box box)
{
    // The curve (u² + v² − 1)³ = u²v³ spans u in ±1.14 and v from −1 up to about 1.25.
    return Shape(box, [box](Point p) {
        const double u = (p.x - (box.x + box.w / 2)) / (box.w / 2) * 1.14;
        const double v = 1.25 - (p.y - box.y) / box.h * 2.25;
        const double k = u * u + v * v - 1;
        return k * k * k - u * u * v * v * v <= 0;
    });
}

Shape folder(Box box)
{
    const double r = std::min(box.w, box.h) * 0.08;
    const Shape tab = roundedRect({box.x, box.y, box.w * 0.42, box.h * 0.3}, r);
    const Shape body = roundedRect({box.x, box.y + box.h * 0.14, box.w, box.h * 0.86}, r);
    return tab.plus(body);
}

Shape gear(Box box, int teeth)
{
    const Point c = centreOf(box);
    const double outer = std::min(box.w, box.h) / 2;
    return Shape(box, [c, outer, teeth](Point p) {
        const double distance = std::hypot(p.x - c.x, p.y - c.y);
        if (distance < outer * 0.3) {
            return false;
        }
        const double turn = clockDegrees(p, c) / 360.0 * teeth;
        const bool onTooth = turn - std::floor(turn) < 0.5;
        return distance <= (onTooth ? outer : outer * 0.76);
    });
}

Shape lock(Box box)
{
    const double cx = box.x + box.w / 2;
    const double shackleRadius = box.w * 0.27;
    const double shackleWidth = box.w * 0.12;
    const double shackleCentreY = box.y + shackleRadius + shackleWidth / 2;
    const double bodyTop = box.y + box.h * 0.44;
    const Shape shackle = arc({cx, shackleCentreY}, shackleRadius, shackleWidth, 270, 90)
                              .plus(capsule({cx - shackleRadius, shackleCentreY}, {cx - shackleRadius, bodyTop}, shackleWidth))
                              .plus(capsule({cx + shackleRadius, shackleCentreY}, {cx + shackleRadius, bodyTop}, shackleWidth));
    const Shape body = roundedRect({box.x, bodyTop, box.w, box.y + box.h - bodyTop}, box.w * 0.1);
    const double holeY = bodyTop + (box.y + box.h - bodyTop) * 0.42;
    const Shape keyhole = ellipse({cx - box.w * 0.08, holeY - box.w * 0.08, box.w * 0.16, box.w * 0.16})
                              .plus(capsule({cx, holeY}, {cx, holeY + box.h * 0.14}, box.w * 0.07));
    return shackle.plus(body.minus(keyhole));
}

Shape eye(Box box)
{
    const double outline = std::min(box.w, box.h) * 0.12;
    const Point c = centreOf(box);
    const double pupil = box.h * 0.36;
    return almond(box)
        .minus(almond(inset(box, outline)))
        .plus(ellipse({c.x - pupil, c.y - pupil, 2 * pupil, 2 * pupil}));
}

Shape stripes(Box box, double period, double width)
{
    return Shape(box, [box, period, width](Point p) {
        if (p.x < box.x || p.y < box.y || p.x > box.x + box.w || p.y > box.y + box.h) {
            return false;
        }
        const double phase = std::fmod(p.x + p.y, period);
        return (phase < 0 ? phase + period : phase) < width;
    });
}

Canvas::Canvas(int width, int height)
    : m_width(width), m_height(height), m_premultiplied(static_cast<std::size_t>(width) * height)
{
}

int Canvas::width() const
{
    return m_width;
}

int Canvas::height() const
{
    return m_height;
}

void Canvas::fill(const Shape& shape, const Paint& paint)
{
    const Box& b = shape.bounds();
    const int left = std::max(0, static_cast<int>(std::floor(b.x)));
    const int top = std::max(0, static_cast<int>(std::floor(b.y)));
    const int right = std::min(m_width, static_cast<int>(std::ceil(b.x + b.w)) + 1);
    const int bottom = std::min(m_height, static_cast<int>(std::ceil(b.y + b.h)) + 1);
    constexpr double kStep = 1.0 / kSamplesPerAxis;
    for (int y = top; y < bottom; ++y) {
        const double t = b.h > 0 ? std::clamp((y + 0.5 - b.y) / b.h, 0.0, 1.0) : 0.0;
        const Color colour = mix(paint.top, paint.bottom, t);
        for (int x = left; x < right; ++x) {
            int hits = 0;
            for (int sy = 0; sy < kSamplesPerAxis; ++sy) {
                for (int sx = 0; sx < kSamplesPerAxis; ++sx) {
                    hits += shape.contains({x + (sx + 0.5) * kStep, y + (sy + 0.5) * kStep}) ? 1 : 0;
                }
            }
            if (hits == 0) {
                continue;
            }
            const double alpha = colour.a * hits / (kSamplesPerAxis * kSamplesPerAxis);
            Color& dst = m_premultiplied[static_cast<std::size_t>(y) * m_width + x];
            dst.r = colour.r * alpha + dst.r * (1 - alpha);
            dst.g = colour.g * alpha + dst.g * (1 - alpha);
            dst.b = colour.b * alpha + dst.b * (1 - alpha);
            dst.a = alpha + dst.a * (1 - alpha);
        }
    }
}

Color Canvas::pixel(int x, int y) const
{
    const Color& p = m_premultiplied.at(static_cast<std::size_t>(y) * m_width + x);
    if (p.a <= 0) {
        return {};
    }
    return {p.r / p.a, p.g / p.a, p.b / p.a, p.a};
}

void Canvas::writePng(const std::filesystem::path& path) const
{
    std::vector<std::uint8_t> bytes;
    bytes.reserve(m_premultiplied.size() * 4);
    for (int y = 0; y < m_height; ++y) {
        for (int x = 0; x < m_width; ++x) {
            const Color c = pixel(x, y);
            bytes.insert(bytes.end(), {toByte(c.r), toByte(c.g), toByte(c.b), toByte(c.a)});
        }
    }
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(m_width);
    image.height = static_cast<png_uint_32>(m_height);
    image.format = PNG_FORMAT_RGBA;
    if (!png_image_write_to_file(&image, path.c_str(), 0, bytes.data(), 0, nullptr)) {
        const std::string reason = image.message;
        png_image_free(&image);
        throw std::runtime_error(path.string() + ": cannot write PNG: " + reason);
    }
}

}  // namespace tools
