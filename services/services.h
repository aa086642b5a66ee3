#pragma once

#include "platform/surface.h"

#include <string>

namespace lumina {

class SettingsStore;
class Prompter;
class FontSystem;

// What the engine works with: the font system and the display's pixel format and resolution.
// It holds no way to ask the user anything or to store a setting.
struct EngineServices {
    FontSystem& fonts;
    PixelFormat displayFormat = PixelFormat::Rgb32;
    int displayDpiX = 96;
    int displayDpiY = 96;
};

// What the windows are handed besides: the application name (caption of every message and the
// settings sub-key), the settings store and the prompter.
struct Services : EngineServices {
    std::string appName;
    SettingsStore& settings;
    Prompter& prompter;
};

} // namespace lumina
