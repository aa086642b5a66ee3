#include "image/transparency.h"

#include "platform/image_codec.h"
#include "platform/pixels.h"

namespace lumina {
namespace {

// ARGB pixels have the 32-bit layout with alpha in the fourth byte.
using Px = Rgb32Pixel;

bool IsTransparent(std::uint32_t argb) {
    return Px::Alpha(argb) == 0;
}

template <typename F>
void ForEachPixel(ArgbImage& image, F&& f) {
    for (int y = 0; y < image.Height(); ++y) {
        std::uint32_t* row = image.Row(y);
        for (int x = 0; x < image.Width(); ++x)
            row[x] = f(row[x]);
    }
}

bool AllAtLeast(std::uint32_t argb, int level) {
    const Channels c = Px::Split(argb);
    return c.r >= level && c.g >= level && c.b >= level;
}

bool AllAtMost(std::uint32_t argb, int level) {
    const Channels c = Px::Split(argb);
    return c.r <= level && c.g <= level && c.b <= level;
}

} // namespace

COLORREF FindKeyColour(const ArgbImage& image) {
    for (int y = 0; y < image.Height(); ++y) {
        const std::uint32_t* row = image.Row(y);
        for (int x = 0; x < image.Width(); ++x) {
            if (IsTransparent(row[x]))
                return DecodeColour<Px>(row[x]);
        }
    }
    return kNoColour;
}

void RepaintTransparent(ArgbImage& image, COLORREF colour) {
    ForEachPixel(image, [colour](std::uint32_t p) {
        return IsTransparent(p) ? Px::WithColour(p, colour) : p;
    });
}

COLORREF AdjustForLowColour(ArgbImage& image, COLORREF key) {
    const COLORREF white = Rgb(255, 255, 255);
    const COLORREF nearWhite = Rgb(255, 247, 255);
    if (key == white) {
        ForEachPixel(image, [&](std::uint32_t p) {
            return AllAtLeast(p, 240) && !Px::IsWhite(p) ? Px::WithColour(p, nearWhite) : p;
        });
        return white;
    }
    if (key == Rgb(0, 0, 0)) {
        ForEachPixel(image, [](std::uint32_t p) {
            return AllAtMost(p, 15) && Px::Split(p) != Channels{} ? Px::WithColour(p, Rgb(0, 8, 0))
                                                                  : p;
        });
        return key;
    }
    ForEachPixel(image, [&](std::uint32_t p) {
        if (IsTransparent(p))
            return Px::WithColour(p, white);
        return Px::IsWhite(p) ? Px::WithColour(p, nearWhite) : p;
    });
    return white;
}

void FlattenOntoWhite(ArgbImage& image) {
    // The colour over white with its alpha as coverage; the result is opaque.
    const std::uint32_t white = EncodeColour<Px>(Rgb(255, 255, 255));
    ForEachPixel(image, [white](std::uint32_t p) {
        return BlendPixel<Px>(white, Px::Split(p), Px::Alpha(p));
    });
}

} // namespace lumina
