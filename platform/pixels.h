#pragma once

#include "platform/geometry.h"

#include <bit>
#include <cstdint>
#include <cstring>

namespace lumina {

// The two pixel formats of surfaces. Pixels are native-endian words, as Qt keeps them; every
// reader of the bits relies on the little-endian byte orders named here.
enum class PixelFormat {
    Rgb32, // 32 bits: blue, green, red, unused (memory order)
    Rgb16, // 16 bits: red 5, green 6, blue 5, little-endian
};
static_assert(std::endian::native == std::endian::little,
              "the documented byte orders of pixels are those of a little-endian machine");

// Red, green and blue of one pixel: 0..255 each, or the raw field values where a caller says so.
struct Channels {
    int r = 0;
    int g = 0;
    int b = 0;
    friend bool operator==(const Channels&, const Channels&) = default;
};

constexpr Channels ChannelsOf(COLORREF colour) {
    return {RedOf(colour), GreenOf(colour), BlueOf(colour)};
}
constexpr COLORREF ColourOf(Channels c) {
    return Rgb(c.r, c.g, c.b);
}

// The expansion of a 5- or 6-bit field to 8 bits: the high bits repeated into the low ones, so
// 0 reads 0, full scale reads 255 and every colour that survives 5-6-5 reads back as written.
constexpr int Expand5(int v) {
    return (v << 3) | (v >> 2);
}
constexpr int Expand6(int v) {
    return (v << 2) | (v >> 4);
}

// Two other widenings stay where pictures already made depend on them.
// Shifted: the field moved to the top, the low bits zero (white reads 248, 252, 248). The art's
// cell colours sampled from a 16-bit picture have always been widened so.
constexpr int Shift5(int v) {
    return v << 3;
}
constexpr int Shift6(int v) {
    return v << 2;
}
// Scaled: v * 255 / 31 (or / 63), truncated; equal to the expansion or one below it (4 reads 32,
// not 33). The art renderer reads the pixel under a glyph's edge so, and its 16-bit pictures
// depend on it.
constexpr int Scale5(int v) {
    return v * 255 / 31;
}
constexpr int Scale6(int v) {
    return v * 255 / 63;
}

enum class Widening { Expanded, Shifted, Scaled };

// A colour channel over another with coverage 0..255, rounded to the nearest value. Nothing here
// is negative; unsigned, the division by 255 is a few instructions shorter in the row loops.
constexpr int BlendChannel(int under, int over, int coverage) {
    const auto sum = static_cast<unsigned>(over * coverage + under * (255 - coverage) + 127);
    return static_cast<int>(sum / 255u);
}

// Per-format traits: a raw pixel loaded from and stored to the bits, and converted to and from
// colours. Templates over these inline into the row loops of their callers.
struct Rgb32Pixel {
    using Raw = std::uint32_t;
    static constexpr PixelFormat kFormat = PixelFormat::Rgb32;
    static constexpr int kBytes = 4;
    static constexpr int kFieldBits = 24; // red, green and blue fields together

    static Raw Load(const std::uint8_t* p) {
        Raw raw;
        std::memcpy(&raw, p, sizeof raw);
        return raw;
    }
    static void Store(std::uint8_t* p, Raw raw) { std::memcpy(p, &raw, sizeof raw); }

    // The fields as they are; for 32 bits every widening is the identity.
    static constexpr Channels Fields(Raw raw) {
        return {static_cast<int>((raw >> 16) & 0xFF), static_cast<int>((raw >> 8) & 0xFF),
                static_cast<int>(raw & 0xFF)};
    }
    template <Widening = Widening::Expanded>
    static constexpr Channels Split(Raw raw) {
        return Fields(raw);
    }
    // Surfaces keep 0xFF in the fourth byte, as Qt's 32-bit format requires.
    static constexpr Raw Join(Channels c) {
        return 0xFF000000u | (static_cast<Raw>(c.r) << 16) | (static_cast<Raw>(c.g) << 8) |
               static_cast<Raw>(c.b);
    }
    static constexpr bool IsWhite(Raw raw) { return (raw & 0xFFFFFFu) == 0xFFFFFFu; }

    // ARGB pictures keep their alpha in the fourth byte.
    static constexpr int Alpha(Raw raw) { return static_cast<int>(raw >> 24); }
    // The colour kept, the fourth byte replaced.
    static constexpr Raw WithAlpha(Raw raw, int alpha) {
        return (raw & 0xFFFFFFu) | (static_cast<Raw>(alpha & 0xFF) << 24);
    }
    // The colour replaced, the fourth byte kept.
    static constexpr Raw WithColour(Raw raw, COLORREF colour) {
        return (raw & 0xFF000000u) | (Join(ChannelsOf(colour)) & 0xFFFFFFu);
    }
};

struct Rgb16Pixel {
    using Raw = std::uint16_t;
    static constexpr PixelFormat kFormat = PixelFormat::Rgb16;
    static constexpr int kBytes = 2;
    static constexpr int kFieldBits = 16;

    static Raw Load(const std::uint8_t* p) {
        Raw raw;
        std::memcpy(&raw, p, sizeof raw);
        return raw;
    }
    static void Store(std::uint8_t* p, Raw raw) { std::memcpy(p, &raw, sizeof raw); }

    // The raw fields: red and blue 0..31, green 0..63. The art's sampling measures darkness on
    // them, so a 16-bit white is 31 x 63 x 31 of 2^16.
    static constexpr Channels Fields(Raw raw) { return {raw >> 11, (raw >> 5) & 0x3F, raw & 0x1F}; }
    template <Widening W = Widening::Expanded>
    static constexpr Channels Split(Raw raw) {
        const Channels f = Fields(raw);
        if constexpr (W == Widening::Shifted)
            return {Shift5(f.r), Shift6(f.g), Shift5(f.b)};
        else if constexpr (W == Widening::Scaled)
            return {Scale5(f.r), Scale6(f.g), Scale5(f.b)};
        else
            return {Expand5(f.r), Expand6(f.g), Expand5(f.b)};
    }
    // Each channel keeps its high bits.
    static constexpr Raw Join(Channels c) {
        return static_cast<Raw>(((c.r >> 3) << 11) | ((c.g >> 2) << 5) | (c.b >> 3));
    }
    static constexpr bool IsWhite(Raw raw) { return raw == 0xFFFF; }
};

template <class Px>
constexpr typename Px::Raw EncodeColour(COLORREF colour) {
    return Px::Join(ChannelsOf(colour));
}
template <class Px>
constexpr COLORREF DecodeColour(typename Px::Raw raw) {
    return ColourOf(Px::Split(raw));
}

// The colour over the pixel with coverage 0..255; the pixel is read with the given widening.
// Full coverage gives the colour itself; a branch for it costs the row loops more than it saves.
template <class Px, Widening W = Widening::Expanded>
constexpr typename Px::Raw BlendPixel(typename Px::Raw under, Channels over, int coverage) {
    const Channels u = Px::template Split<W>(under);
    return Px::Join({BlendChannel(u.r, over.r, coverage), BlendChannel(u.g, over.g, coverage),
                     BlendChannel(u.b, over.b, coverage)});
}

// The raw fields of the pixel at p. Row loops read 32-bit pixels byte by byte, which compiles
// to fewer instructions than splitting a loaded word.
template <class Px>
Channels FieldsAt(const std::uint8_t* p) {
    if constexpr (Px::kFormat == PixelFormat::Rgb32)
        return {p[2], p[1], p[0]};
    else
        return Px::Fields(Px::Load(p));
}

// BlendPixel on the pixel at p. A 32-bit pixel is blended byte by byte, for speed as above; its
// fourth byte stays as it is (0xFF on every surface).
template <class Px, Widening W = Widening::Expanded>
void BlendAt(std::uint8_t* p, Channels over, int coverage) {
    if constexpr (Px::kFormat == PixelFormat::Rgb32) {
        p[0] = static_cast<std::uint8_t>(BlendChannel(p[0], over.b, coverage));
        p[1] = static_cast<std::uint8_t>(BlendChannel(p[1], over.g, coverage));
        p[2] = static_cast<std::uint8_t>(BlendChannel(p[2], over.r, coverage));
    } else {
        Px::Store(p, BlendPixel<Px, W>(Px::Load(p), over, coverage));
    }
}

// Calls f with the traits of the format, once, so that the loops inside f are specialised.
template <class F>
decltype(auto) WithPixelTraits(PixelFormat format, F&& f) {
    if (format == PixelFormat::Rgb16)
        return f(Rgb16Pixel{});
    return f(Rgb32Pixel{});
}

// One pixel at a time, for callers outside row loops.
inline std::uint32_t EncodePixel(PixelFormat format, COLORREF colour) {
    return WithPixelTraits(
        format, [colour]<class Px>(Px) -> std::uint32_t { return EncodeColour<Px>(colour); });
}
inline COLORREF DecodePixel(PixelFormat format, std::uint32_t raw) {
    return WithPixelTraits(format, [raw]<class Px>(Px) {
        return DecodeColour<Px>(static_cast<typename Px::Raw>(raw));
    });
}

} // namespace lumina
