#pragma once

#include <array>
#include <cstdint>

namespace device::graphics {

// Source-over of an 8-bit straight colour weighted by an 8-bit alpha, onto one RGBA pixel.
inline void blendOntoStraight(std::uint8_t* pixel, int red, int green, int blue, int weight)
{
    if (weight == 0) {
        return;
    }
    if (weight == 255 || pixel[3] == 0) {
        pixel[0] = static_cast<std::uint8_t>(red);
        pixel[1] = static_cast<std::uint8_t>(green);
        pixel[2] = static_cast<std::uint8_t>(blue);
        pixel[3] = static_cast<std::uint8_t>(weight);
        return;
    }
    // Straight alpha on both sides: weight each colour by its own alpha, then divide by the result's alpha.
    int destinationAlpha = pixel[3];
    int rest = 255 - weight;
    int resultAlpha = weight * 255 + destinationAlpha * rest;
    auto mix = [&](int from, std::uint8_t onto) {
        return static_cast<std::uint8_t>((from * weight * 255 + onto * destinationAlpha * rest + resultAlpha / 2) /
                                         resultAlpha);
    };
    pixel[0] = mix(red, pixel[0]);
    pixel[1] = mix(green, pixel[1]);
    pixel[2] = mix(blue, pixel[2]);
    pixel[3] = static_cast<std::uint8_t>((resultAlpha + 127) / 255);
}

inline void blendOntoPremultiplied(std::uint8_t* pixel, int red, int green, int blue, int weight)
{
    if (weight == 0) {
        return;
    }
    int rest = 255 - weight;
    auto mix = [&](int from, std::uint8_t onto) {
        return static_cast<std::uint8_t>((from * weight + onto * rest + 127) / 255);
    };
    pixel[0] = mix(red, pixel[0]);
    pixel[1] = mix(green, pixel[1]);
    pixel[2] = mix(blue, pixel[2]);
    pixel[3] = mix(255, pixel[3]);
}

// A run of pixels under one colour and weight, as the inside of a filled shape; the same bytes as blending each.
void blendSolidRun(std::uint8_t* pixels, int count, int red, int green, int blue, int weight, bool premultiplied);

// A run of straight source pixels, each weighted by what `weights` gives for its own alpha; the same bytes as
// blending each.
void blendPixelRun(std::uint8_t* pixels, const std::uint8_t* source, int count,
                   const std::array<std::uint8_t, 256>& weights, bool premultiplied);

// A run of pixels under one colour, each weighted by what `weights` gives for its byte of coverage, as text is.
void blendMaskRun(std::uint8_t* pixels, const std::uint8_t* coverage, int count, int red, int green, int blue,
                  const std::array<std::uint8_t, 256>& weights, bool premultiplied);

}  // namespace device::graphics
