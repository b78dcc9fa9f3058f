#pragma once

#include "device/graphics/bitmap.h"
#include "device/graphics/geometry.h"

#include <cstdint>
#include <span>
#include <vector>

namespace device::graphics {

// Straight alpha, every component in 0...1.
struct Color {
    double red = 0;
    double green = 0;
    double blue = 0;
    double alpha = 0;
    bool operator==(const Color&) const = default;
};

// Straight RGBA pixels owned elsewhere, with the scale they were made for (2 for an "@2x" picture).
struct ImageRef {
    int pixelWidth = 0;
    int pixelHeight = 0;
    std::span<const std::uint8_t> rgba;
    double scale = 1;

    static ImageRef of(const Bitmap& bitmap, double scale = 1) { return {bitmap.width, bitmap.height, bitmap.rgba, scale}; }
    Size size() const { return {pixelWidth / scale, pixelHeight / scale}; }
};

enum class ContentMode { ScaleToFill, AspectFit, AspectFill, Center };
enum class Axis { Horizontal, Vertical };

// 8-bit coverage in device pixels, rows top to bottom, such as a rendered glyph.
struct CoverageMask {
    int width = 0;
    int height = 0;
    int pitch = 0;
    const std::uint8_t* data = nullptr;
};

// Draws in points onto a bitmap of device pixels. Every drawing operation blends source-over, weighted by its
// anti-aliased coverage, the clip and the global alpha.
class Canvas {
public:
    Canvas(Bitmap& target, double scale);

    double scale() const { return m_scale; }

    // Translation, clip and alpha are saved and restored together.
    void save();
    void restore();
    void translate(double dx, double dy);
    // Clips narrow the current clip; rectangle clips snap to whole device pixels.
    void clipToRect(const Rect& rect);
    void clipToRoundedRect(const Rect& rect, double cornerRadius);
    double alpha() const { return m_state.alpha; }
    void setAlpha(double alpha);
    Point toPixels(Point point) const;
    // Whether anything drawn inside the rect could still reach the bitmap through the clip.
    bool reachesClip(const Rect& rect) const;

    void fillRect(const Rect& rect, const Color& color);
    void fillRoundedRect(const Rect& rect, double cornerRadius, const Color& color);
    // The border lies inside the rect, as a layer's border does.
    void strokeRoundedRect(const Rect& rect, double cornerRadius, double lineWidth, const Color& color);
    // One device pixel thick at any scale: the pixel row (or column) that holds the origin.
    void drawHairline(Point origin, double length, Axis axis, const Color& color);
    // Tiles the image at its own scale, starting at the rect's origin.
    void fillPattern(const Rect& rect, const ImageRef& image);
    // Never draws outside the rect.
    void drawImage(const ImageRef& image, const Rect& rect, ContentMode mode);
    // The mask's top-left corner goes at a device pixel, unaffected by the translation.
    void fillMask(const CoverageMask& mask, int pixelX, int pixelY, const Color& color);

    struct PixelBox {
        int x0 = 0;
        int y0 = 0;
        int x1 = 0;
        int y1 = 0;
    };
    // A rounded rectangle in device pixels; a radius of zero is a plain rectangle.
    struct Shape {
        double x0 = 0;
        double y0 = 0;
        double x1 = 0;
        double y1 = 0;
        double radius = 0;
    };

private:
    struct State {
        Point translation;
        PixelBox clip;
        std::vector<Shape> clipShapes;
        double alpha = 1;
    };

    Shape toShape(const Rect& rect, double cornerRadius) const;
    void fillShape(const Shape& shape, const Color& color);
    template <class Source>
    void paint(PixelBox box, const Source& source);
    // As paint, but each row's run of pixels that the shape and every clip cover whole goes to `run` at once, as
    // (its first pixel, begin, end, y).
    template <class Source, class Run>
    void paintCovered(PixelBox box, const Shape& shape, const Source& source, const Run& run);

    Bitmap& m_target;
    double m_scale;
    State m_state;
    std::vector<State> m_saved;
};

}  // namespace device::graphics
