#include "image/transparency.h"

#include "platform/image_codec.h"

namespace lumina {
namespace {

constexpr std::uint32_t kAlphaMask = 0xFF000000u;
constexpr std::uint32_t kRgbMask = 0x00FFFFFFu;

// An ARGB pixel's colour as a COLORREF, and back (alpha kept from the pixel).
COLORREF ColourOf(std::uint32_t argb) {
    return Rgb((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF);
}

std::uint32_t WithColour(std::uint32_t argb, COLORREF colour) {
    return (argb & kAlphaMask) | (static_cast<std::uint32_t>(RedOf(colour)) << 16) |
           (static_cast<std::uint32_t>(GreenOf(colour)) << 8) |
           static_cast<std::uint32_t>(BlueOf(colour));
}

template <typename F>
void ForEachPixel(ArgbImage& image, F&& f) {
    for (int y = 0; y < image.Height(); ++y) {
        std::uint32_t* row = image.Row(y);
        for (int x = 0; x < image.Width(); ++x)
            row[x] = f(row[x]);
    }
}

bool AllAtLeast(std::uint32_t argb, unsigned level) {
    return ((argb >> 16) & 0xFF) >= level && ((argb >> 8) & 0xFF) >= level &&
           (argb & 0xFF) >= level;
}

bool AllAtMost(std::uint32_t argb, unsigned level) {
    return ((argb >> 16) & 0xFF) <= level && ((argb >> 8) & 0xFF) <= level &&
           (argb & 0xFF) <= level;
}

} // namespace

COLORREF FindKeyColour(const ArgbImage& image) {
    for (int y = 0; y < image.Height(); ++y) {
        const std::uint32_t* row = image.Row(y);
        for (int x = 0; x < image.Width(); ++x) {
            if ((row[x] & kAlphaMask) == 0)
                return ColourOf(row[x]);
        }
    }
    return kNoColour;
}

void RepaintTransparent(ArgbImage& image, COLORREF colour) {
    ForEachPixel(image, [colour](std::uint32_t p) {
        return (p & kAlphaMask) == 0 ? WithColour(p, colour) : p;
    });
}

COLORREF AdjustForLowColour(ArgbImage& image, COLORREF key) {
    const COLORREF white = Rgb(255, 255, 255);
    const COLORREF nearWhite = Rgb(255, 247, 255);
    if (key == white) {
        ForEachPixel(image, [&](std::uint32_t p) {
            return AllAtLeast(p, 240) && (p & kRgbMask) != kRgbMask ? WithColour(p, nearWhite) : p;
        });
        return white;
    }
    if (key == Rgb(0, 0, 0)) {
        ForEachPixel(image, [](std::uint32_t p) {
            return AllAtMost(p, 15) && (p & kRgbMask) != 0 ? WithColour(p, Rgb(0, 8, 0)) : p;
        });
        return key;
    }
    ForEachPixel(image, [&](std::uint32_t p) {
        if ((p & kAlphaMask) == 0)
            return WithColour(p, white);
        return (p & kRgbMask) == kRgbMask ? WithColour(p, nearWhite) : p;
    });
    return white;
}

void FlattenOntoWhite(ArgbImage& image) {
    ForEachPixel(image, [](std::uint32_t p) {
        const std::uint32_t alpha = p >> 24;
        if (alpha == 255)
            return p;
        if (alpha == 0)
            return 0xFFFFFFFFu;
        // Each channel blended over white, rounded: c * a + 255 * (255 - a), over 255.
        std::uint32_t out = kAlphaMask;
        for (int shift = 0; shift <= 16; shift += 8) {
            const std::uint32_t c = (p >> shift) & 0xFF;
            const std::uint32_t blended = (c * alpha + 255 * (255 - alpha) + 127) / 255;
            out |= blended << shift;
        }
        return out;
    });
}

} // namespace lumina
