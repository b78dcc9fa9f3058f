#include "device/graphics/canvas.h"

#include "device/graphics/pixel_blend.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>
#include <string>
#include <tuple>
#include <utility>

namespace device::graphics {
namespace {

// Colour in 0...255 with an alpha in 0...1 that still gets weighted by clip and global alpha before blending.
struct Sample {
    int red = 0;
    int green = 0;
    int blue = 0;
    double alpha = 0;
};

enum class Edge { Clamp, Repeat };

// Far beyond any bitmap, yet small enough that pixel arithmetic on it cannot overflow an int.
constexpr double pixelLimit = 1 << 30;

int toPixelIndex(double value)
{
    return static_cast<int>(std::clamp(value, -pixelLimit, pixelLimit));
}

double clamp01(double value)
{
    return std::clamp(value, 0.0, 1.0);
}

int toByte(double unit)
{
    return static_cast<int>(clamp01(unit) * 255 + 0.5);
}

Sample solid(const Color& color)
{
    return {toByte(color.red), toByte(color.green), toByte(color.blue), clamp01(color.alpha)};
}

double overlap(double a0, double a1, double b0, double b1)
{
    return std::max(0.0, std::min(a1, b1) - std::max(a0, b0));
}

// Box-filtered coverage for plain rectangles; for rounded ones the signed distance from the pixel centre, which
// is exact along the straight edges and close enough around the corners.
double coverage(const Canvas::Shape& shape, int x, int y)
{
    if (shape.radius <= 0) {
        return overlap(x, x + 1, shape.x0, shape.x1) * overlap(y, y + 1, shape.y0, shape.y1);
    }
    double halfWidth = (shape.x1 - shape.x0) / 2;
    double halfHeight = (shape.y1 - shape.y0) / 2;
    double qx = std::abs(x + 0.5 - (shape.x0 + halfWidth)) - (halfWidth - shape.radius);
    double qy = std::abs(y + 0.5 - (shape.y0 + halfHeight)) - (halfHeight - shape.radius);
    double ox = std::max(qx, 0.0);
    double oy = std::max(qy, 0.0);
    double distance = std::sqrt(ox * ox + oy * oy) + std::min(std::max(qx, qy), 0.0) - shape.radius;
    return clamp01(0.5 - distance);
}

bool isEmpty(const Canvas::Shape& shape)
{
    return shape.x1 <= shape.x0 || shape.y1 <= shape.y0;
}

Canvas::PixelBox bounds(const Canvas::Shape& shape)
{
    return {toPixelIndex(std::floor(shape.x0)), toPixelIndex(std::floor(shape.y0)), toPixelIndex(std::ceil(shape.x1)),
            toPixelIndex(std::ceil(shape.y1))};
}

Canvas::PixelBox intersect(const Canvas::PixelBox& a, const Canvas::PixelBox& b)
{
    return {std::max(a.x0, b.x0), std::max(a.y0, b.y0), std::min(a.x1, b.x1), std::min(a.y1, b.y1)};
}

Rect intersect(const Rect& a, const Rect& b)
{
    double x = std::max(a.x, b.x);
    double y = std::max(a.y, b.y);
    return {x, y, std::max(0.0, std::min(a.maxX(), b.maxX()) - x), std::max(0.0, std::min(a.maxY(), b.maxY()) - y)};
}

// The source weighted by the global alpha and by how much of the pixel every clip covers.
void blendSample(std::uint8_t* pixel, const Sample& sample, double globalAlpha, const std::vector<Canvas::Shape>& clips,
                 int x, int y, bool premultiplied)
{
    double alpha = sample.alpha * globalAlpha;
    for (const Canvas::Shape& clip : clips) {
        if (alpha <= 0) {
            break;
        }
        alpha *= coverage(clip, x, y);
    }
    int weight = toByte(alpha);
    if (premultiplied) {
        blendOntoPremultiplied(pixel, sample.red, sample.green, sample.blue, weight);
    } else {
        blendOntoStraight(pixel, sample.red, sample.green, sample.blue, weight);
    }
}

// The pixels of row y between lo and hi that the shape covers whole. Along a row a rounded rectangle's coverage
// rises towards its middle and falls after it, so scanning in from both ends finds them.
std::pair<int, int> coveredRun(const Canvas::Shape& shape, int y, int lo, int hi)
{
    if (shape.radius <= 0) {
        if (!(y >= shape.y0 && y + 1 <= shape.y1)) {
            return {lo, lo};
        }
        int begin = std::clamp(toPixelIndex(std::ceil(shape.x0)), lo, hi);
        return {begin, std::clamp(toPixelIndex(std::floor(shape.x1)), begin, hi)};
    }
    while (lo < hi && coverage(shape, lo, y) < 1) {
        ++lo;
    }
    while (hi > lo && coverage(shape, hi - 1, y) < 1) {
        --hi;
    }
    return {lo, hi};
}

int texelIndex(int index, int count, Edge edge)
{
    if (edge == Edge::Clamp) {
        return std::clamp(index, 0, count - 1);
    }
    int wrapped = index % count;
    return wrapped < 0 ? wrapped + count : wrapped;
}

// Interpolates premultiplied values so that transparent texels do not darken the edges of what they border.
Sample sampleBilinear(const ImageRef& image, double u, double v, Edge edge)
{
    double width = image.pixelWidth;
    double height = image.pixelHeight;
    if (edge == Edge::Repeat) {
        u -= std::floor(u / width) * width;
        v -= std::floor(v / height) * height;
    } else {
        u = std::clamp(u, -1.0, width);
        v = std::clamp(v, -1.0, height);
    }
    double left = std::floor(u);
    double top = std::floor(v);
    double tx = u - left;
    double ty = v - top;
    if (tx == 0 && ty == 0) {
        int x = texelIndex(static_cast<int>(left), image.pixelWidth, edge);
        int y = texelIndex(static_cast<int>(top), image.pixelHeight, edge);
        const std::uint8_t* texel = &image.rgba[(static_cast<std::size_t>(y) * image.pixelWidth + x) * 4];
        return {texel[0], texel[1], texel[2], texel[3] / 255.0};
    }
    double red = 0;
    double green = 0;
    double blue = 0;
    double alpha = 0;
    for (int j = 0; j < 2; ++j) {
        for (int i = 0; i < 2; ++i) {
            double weight = (i ? tx : 1 - tx) * (j ? ty : 1 - ty);
            if (weight == 0) {
                continue;
            }
            int x = texelIndex(static_cast<int>(left) + i, image.pixelWidth, edge);
            int y = texelIndex(static_cast<int>(top) + j, image.pixelHeight, edge);
            const std::uint8_t* texel = &image.rgba[(static_cast<std::size_t>(y) * image.pixelWidth + x) * 4];
            double weighted = weight * texel[3];
            red += weighted * texel[0];
            green += weighted * texel[1];
            blue += weighted * texel[2];
            alpha += weighted;
        }
    }
    if (alpha <= 0) {
        return {};
    }
    return {static_cast<int>(red / alpha + 0.5), static_cast<int>(green / alpha + 0.5),
            static_cast<int>(blue / alpha + 0.5), alpha / 255};
}

// The weight a texel of each alpha blends with under the global alpha, as a texel drawn on its own would.
std::array<std::uint8_t, 256> texelWeights(double globalAlpha)
{
    std::array<std::uint8_t, 256> weights{};
    for (int alpha = 0; alpha < 256; ++alpha) {
        weights[alpha] = static_cast<std::uint8_t>(toByte(alpha / 255.0 * globalAlpha));
    }
    return weights;
}

// The weight each byte of a glyph's coverage blends with. Text draws glyph after glyph in one colour, so the last
// table is kept.
const std::array<std::uint8_t, 256>& coverageWeights(double inkAlpha, double globalAlpha)
{
    thread_local double tableInkAlpha = -1;
    thread_local double tableGlobalAlpha = -1;
    thread_local std::array<std::uint8_t, 256> weights{};
    if (inkAlpha != tableInkAlpha || globalAlpha != tableGlobalAlpha) {
        for (int value = 0; value < 256; ++value) {
            weights[value] = static_cast<std::uint8_t>(toByte(inkAlpha * (value / 255.0) * globalAlpha));
        }
        tableInkAlpha = inkAlpha;
        tableGlobalAlpha = globalAlpha;
    }
    return weights;
}

bool isDrawable(const ImageRef& image)
{
    if (image.pixelWidth <= 0 || image.pixelHeight <= 0 || image.scale <= 0) {
        return false;
    }
    if (image.rgba.size() < static_cast<std::size_t>(image.pixelWidth) * image.pixelHeight * 4) {
        throw std::invalid_argument("image of " + std::to_string(image.pixelWidth) + "x" +
                                    std::to_string(image.pixelHeight) + " pixels holds only " +
                                    std::to_string(image.rgba.size()) + " bytes");
    }
    return true;
}

Rect placeImage(Size image, const Rect& rect, ContentMode mode)
{
    double width = image.width;
    double height = image.height;
    switch (mode) {
    case ContentMode::ScaleToFill:
        return rect;
    case ContentMode::AspectFit:
    case ContentMode::AspectFill: {
        double sx = rect.width / width;
        double sy = rect.height / height;
        double factor = mode == ContentMode::AspectFit ? std::min(sx, sy) : std::max(sx, sy);
        width *= factor;
        height *= factor;
        break;
    }
    case ContentMode::Center:
        break;
    }
    return {rect.x + (rect.width - width) / 2, rect.y + (rect.height - height) / 2, width, height};
}

}  // namespace

Canvas::Canvas(Bitmap& target, double scale) : m_target(target), m_scale(scale)
{
    if (!(scale > 0)) {
        throw std::invalid_argument("canvas scale must be positive, got " + std::to_string(scale));
    }
    m_state.clip = {0, 0, target.width, target.height};
}

template <class Source>
void Canvas::paint(PixelBox box, const Source& source)
{
    box = intersect(box, m_state.clip);
    for (int y = box.y0; y < box.y1; ++y) {
        std::uint8_t* row = m_target.pixel(0, y);
        for (int x = box.x0; x < box.x1; ++x) {
            blendSample(row + static_cast<std::ptrdiff_t>(x) * 4, source(x, y), m_state.alpha, m_state.clipShapes, x,
                        y, m_target.premultiplied);
        }
    }
}

template <class Source, class Run>
void Canvas::paintCovered(PixelBox box, const Shape& shape, const Source& source, const Run& run)
{
    box = intersect(box, m_state.clip);
    for (int y = box.y0; y < box.y1; ++y) {
        std::uint8_t* row = m_target.pixel(0, y);
        auto [begin, end] = coveredRun(shape, y, box.x0, box.x1);
        for (const Shape& clip : m_state.clipShapes) {
            std::tie(begin, end) = coveredRun(clip, y, begin, end);
        }
        auto blendEach = [&](int from, int to) {
            for (int x = from; x < to; ++x) {
                blendSample(row + static_cast<std::ptrdiff_t>(x) * 4, source(x, y), m_state.alpha,
                            m_state.clipShapes, x, y, m_target.premultiplied);
            }
        };
        blendEach(box.x0, begin);
        if (begin < end) {
            run(row + static_cast<std::ptrdiff_t>(begin) * 4, begin, end, y);
        }
        blendEach(std::max(begin, end), box.x1);
    }
}

void Canvas::save()
{
    m_saved.push_back(m_state);
}

void Canvas::restore()
{
    if (m_saved.empty()) {
        throw std::logic_error("Canvas::restore without a matching save");
    }
    m_state = std::move(m_saved.back());
    m_saved.pop_back();
}

void Canvas::translate(double dx, double dy)
{
    m_state.translation.x += dx;
    m_state.translation.y += dy;
}

void Canvas::clipToRect(const Rect& rect)
{
    Shape shape = toShape(rect, 0);
    PixelBox snapped{toPixelIndex(std::round(shape.x0)), toPixelIndex(std::round(shape.y0)),
                     toPixelIndex(std::round(shape.x1)), toPixelIndex(std::round(shape.y1))};
    m_state.clip = intersect(m_state.clip, snapped);
}

void Canvas::clipToRoundedRect(const Rect& rect, double cornerRadius)
{
    Shape shape = toShape(rect, cornerRadius);
    if (shape.radius <= 0) {
        clipToRect(rect);
        return;
    }
    m_state.clip = intersect(m_state.clip, bounds(shape));
    m_state.clipShapes.push_back(shape);
}

void Canvas::setAlpha(double alpha)
{
    m_state.alpha = clamp01(alpha);
}

Point Canvas::toPixels(Point point) const
{
    return {(point.x + m_state.translation.x) * m_scale, (point.y + m_state.translation.y) * m_scale};
}

bool Canvas::reachesClip(const Rect& rect) const
{
    PixelBox box = intersect(m_state.clip, bounds(toShape(rect, 0)));
    return box.x0 < box.x1 && box.y0 < box.y1;
}

void Canvas::fillRect(const Rect& rect, const Color& color)
{
    fillShape(toShape(rect, 0), color);
}

void Canvas::fillRoundedRect(const Rect& rect, double cornerRadius, const Color& color)
{
    fillShape(toShape(rect, cornerRadius), color);
}

void Canvas::strokeRoundedRect(const Rect& rect, double cornerRadius, double lineWidth, const Color& color)
{
    Shape outer = toShape(rect, cornerRadius);
    double width = lineWidth * m_scale;
    if (isEmpty(outer) || width <= 0) {
        return;
    }
    Shape inner{outer.x0 + width, outer.y0 + width, outer.x1 - width, outer.y1 - width,
                std::max(outer.radius - width, 0.0)};
    if (isEmpty(inner)) {
        fillShape(outer, color);
        return;
    }
    Sample ink = solid(color);
    // Where the inside covers whole pixels the border leaves them untouched.
    paintCovered(
        bounds(outer), inner,
        [&](int x, int y) {
            Sample sample = ink;
            sample.alpha *= std::max(0.0, coverage(outer, x, y) - coverage(inner, x, y));
            return sample;
        },
        [](std::uint8_t*, int, int, int) {});
}

void Canvas::drawHairline(Point origin, double length, Axis axis, const Color& color)
{
    Point start = toPixels(origin);
    double extent = length * m_scale;
    if (axis == Axis::Horizontal) {
        double row = std::floor(start.y);
        fillShape({start.x, row, start.x + extent, row + 1, 0}, color);
    } else {
        double column = std::floor(start.x);
        fillShape({column, start.y, column + 1, start.y + extent, 0}, color);
    }
}

void Canvas::fillPattern(const Rect& rect, const ImageRef& image)
{
    Shape area = toShape(rect, 0);
    if (isEmpty(area) || !isDrawable(image)) {
        return;
    }
    double texelsPerPixel = image.scale / m_scale;
    // The common case, an image made for this scale on whole pixels, needs no interpolation.
    if (texelsPerPixel == 1 && area.x0 == std::floor(area.x0) && area.y0 == std::floor(area.y0)) {
        int originX = toPixelIndex(area.x0);
        int originY = toPixelIndex(area.y0);
        auto texel = [&](int x, int y) {
            int u = texelIndex(x - originX, image.pixelWidth, Edge::Repeat);
            int v = texelIndex(y - originY, image.pixelHeight, Edge::Repeat);
            return &image.rgba[(static_cast<std::size_t>(v) * image.pixelWidth + u) * 4];
        };
        // Each texture row laid end to end across what can be drawn, once, so that a screen row is one run.
        PixelBox reach = intersect(bounds(area), m_state.clip);
        std::vector<std::vector<std::uint8_t>> tiledRows(static_cast<std::size_t>(image.pixelHeight));
        auto tiledRow = [&](int y) {
            std::vector<std::uint8_t>& row =
                tiledRows[static_cast<std::size_t>(texelIndex(y - originY, image.pixelHeight, Edge::Repeat))];
            if (row.empty()) {
                row.resize(static_cast<std::size_t>(reach.x1 - reach.x0) * 4);
                for (int x = reach.x0; x < reach.x1; ++x) {
                    std::copy_n(texel(x, y), 4, row.begin() + static_cast<std::ptrdiff_t>(x - reach.x0) * 4);
                }
            }
            return row.data();
        };
        std::array<std::uint8_t, 256> weights = texelWeights(m_state.alpha);
        paintCovered(
            bounds(area), area,
            [&](int x, int y) {
                const std::uint8_t* source = texel(x, y);
                return Sample{source[0], source[1], source[2], source[3] / 255.0 * coverage(area, x, y)};
            },
            [&](std::uint8_t* pixels, int begin, int end, int y) {
                blendPixelRun(pixels, tiledRow(y) + static_cast<std::ptrdiff_t>(begin - reach.x0) * 4, end - begin,
                              weights, m_target.premultiplied);
            });
        return;
    }
    paint(bounds(area), [&](int x, int y) {
        Sample sample = sampleBilinear(image, (x + 0.5 - area.x0) * texelsPerPixel - 0.5,
                                       (y + 0.5 - area.y0) * texelsPerPixel - 0.5, Edge::Repeat);
        sample.alpha *= coverage(area, x, y);
        return sample;
    });
}

void Canvas::drawImage(const ImageRef& image, const Rect& rect, ContentMode mode)
{
    if (rect.isEmpty() || !isDrawable(image)) {
        return;
    }
    Rect placed = placeImage(image.size(), rect, mode);
    Shape destination = toShape(placed, 0);
    Shape visible = toShape(intersect(placed, rect), 0);
    if (isEmpty(destination) || isEmpty(visible)) {
        return;
    }
    double texelsPerPixelX = image.pixelWidth / (destination.x1 - destination.x0);
    double texelsPerPixelY = image.pixelHeight / (destination.y1 - destination.y0);
    auto sample = [&](int x, int y) {
        Sample sample = sampleBilinear(image, (x + 0.5 - destination.x0) * texelsPerPixelX - 0.5,
                                       (y + 0.5 - destination.y0) * texelsPerPixelY - 0.5, Edge::Clamp);
        sample.alpha *= coverage(visible, x, y);
        return sample;
    };
    // An image drawn at its own size on whole pixels, as icons are, is copied texel for pixel.
    if (texelsPerPixelX == 1 && texelsPerPixelY == 1 && destination.x0 == std::floor(destination.x0) &&
        destination.y0 == std::floor(destination.y0)) {
        int originX = toPixelIndex(destination.x0);
        int originY = toPixelIndex(destination.y0);
        std::array<std::uint8_t, 256> weights = texelWeights(m_state.alpha);
        paintCovered(bounds(visible), visible, sample, [&](std::uint8_t* pixels, int begin, int end, int y) {
            const std::uint8_t* texels =
                &image.rgba[(static_cast<std::size_t>(y - originY) * image.pixelWidth + (begin - originX)) * 4];
            blendPixelRun(pixels, texels, end - begin, weights, m_target.premultiplied);
        });
        return;
    }
    paint(bounds(visible), sample);
}

void Canvas::fillMask(const CoverageMask& mask, int pixelX, int pixelY, const Color& color)
{
    Sample ink = solid(color);
    auto coverageAt = [&](int x, int y) {
        return &mask.data[static_cast<std::size_t>(y - pixelY) * mask.pitch + (x - pixelX)];
    };
    const std::array<std::uint8_t, 256>& weights = coverageWeights(ink.alpha, m_state.alpha);
    PixelBox box{pixelX, pixelY, pixelX + mask.width, pixelY + mask.height};
    paintCovered(
        box, {static_cast<double>(box.x0), static_cast<double>(box.y0), static_cast<double>(box.x1),
              static_cast<double>(box.y1), 0},
        [&](int x, int y) {
            Sample sample = ink;
            sample.alpha *= *coverageAt(x, y) / 255.0;
            return sample;
        },
        [&](std::uint8_t* pixels, int begin, int end, int y) {
            blendMaskRun(pixels, coverageAt(begin, y), end - begin, ink.red, ink.green, ink.blue, weights,
                         m_target.premultiplied);
        });
}

Canvas::Shape Canvas::toShape(const Rect& rect, double cornerRadius) const
{
    Point origin = toPixels({rect.x, rect.y});
    double width = std::max(0.0, rect.width * m_scale);
    double height = std::max(0.0, rect.height * m_scale);
    if (!std::isfinite(origin.x) || !std::isfinite(origin.y) || !std::isfinite(width) || !std::isfinite(height)) {
        return {};
    }
    double radius = std::clamp(cornerRadius * m_scale, 0.0, std::min(width, height) / 2);
    return {origin.x, origin.y, origin.x + width, origin.y + height, radius};
}

void Canvas::fillShape(const Shape& shape, const Color& color)
{
    if (isEmpty(shape)) {
        return;
    }
    Sample ink = solid(color);
    auto covered = [&](int x, int y) {
        Sample sample = ink;
        sample.alpha *= coverage(shape, x, y);
        return sample;
    };
    // Most of a frame is the inside of shapes, where every pixel takes the same weight.
    int weight = toByte(ink.alpha * m_state.alpha);
    paintCovered(bounds(shape), shape, covered, [&](std::uint8_t* pixels, int begin, int end, int) {
        blendSolidRun(pixels, end - begin, ink.red, ink.green, ink.blue, weight, m_target.premultiplied);
    });
}

}  // namespace device::graphics
