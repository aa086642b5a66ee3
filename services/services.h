#pragma once

#include "platform/surface.h"

#include <string>

namespace lumina {

class SettingsStore;
class Prompter;
class FontSystem;

// What every part of the program is handed: the application name (caption of every message and
// the settings sub-key), the settings store, the prompter, the font system and the display.
struct Services {
    std::string appName;
    SettingsStore& settings;
    Prompter& prompter;
    FontSystem& fonts;
    PixelFormat displayFormat = PixelFormat::Rgb32;
    int displayDpiX = 96;
    int displayDpiY = 96;
};

} // namespace lumina
