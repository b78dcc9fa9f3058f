#pragma once

namespace device::uikit {

struct CGPoint {
    double x = 0;
    double y = 0;
    bool operator==(const CGPoint&) const = default;
};

struct CGSize {
    double width = 0;
    double height = 0;
    bool operator==(const CGSize&) const = default;
};

struct CGRect {
    static constexpr const char* structName = "CGRect";

    CGPoint origin;
    CGSize size;

    double minX() const { return origin.x; }
    double minY() const { return origin.y; }
    double maxX() const { return origin.x + size.width; }
    double maxY() const { return origin.y + size.height; }
    double width() const { return size.width; }
    double height() const { return size.height; }
    bool contains(CGPoint point) const
    {
        return point.x >= minX() && point.x < maxX() && point.y >= minY() && point.y < maxY();
    }
    bool operator==(const CGRect&) const = default;
};

inline CGRect CGRectMake(double x, double y, double width, double height)
{
    return CGRect{{x, y}, {width, height}};
}

}  // namespace device::uikit
