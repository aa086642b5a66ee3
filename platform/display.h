#pragma once

#include "platform/surface.h"

namespace lumina {

// What the program needs to know about the screen it runs on.
struct DisplayInfo {
    int depth = 32; // bits per pixel
    PixelFormat format = PixelFormat::Rgb32;
    int dpiX = 96;
    int dpiY = 96;
    int desktopWidth = 0;
    int desktopHeight = 0;
};

// The primary screen's depth, resolution and size; needs a running QGuiApplication. Off-screen
// surfaces follow the screen: 16-bit 5-6-5 below 24 bits of colour, otherwise 32-bit.
DisplayInfo QueryDisplay();

// The device ratio of the surfaces a window draws for a screen of the given device pixel ratio:
// whole device pixels per pixel, so that lines stay one device pixel wide and bitmap pixels
// whole blocks; a fractional screen gets the next whole ratio, which the window system brings
// down to the screen.
constexpr int SurfaceRatioFor(double devicePixelRatio) {
    constexpr int kMaxRatio = 8;
    int ratio = 1;
    while (ratio < kMaxRatio && devicePixelRatio > ratio + 0.01)
        ++ratio;
    return ratio;
}

// The pixel format of off-screen surfaces for a display depth.
constexpr PixelFormat SurfaceFormatForDepth(int depth) {
    return depth < 24 ? PixelFormat::Rgb16 : PixelFormat::Rgb32;
}

} // namespace lumina
