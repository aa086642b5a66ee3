#include "cli/glyph_options.h"

#include "cli/command.h"
#include "glyph/char_codes.h"

namespace lumina::cli {
namespace {

bool TakeCharacter(const std::string& text, GlyphRequest& request, std::string& error) {
    const std::optional<Character> c = CharacterFromField(text);
    if (!c) {
        error = "--char needs exactly one character, optionally followed by a variation "
                "selector, or U+ and its hex digits";
        return false;
    }
    request.SelectCharacter(*c);
    return true;
}

bool TakeNumber(const std::string& option, const std::string& text, long low, long high,
                long& value, std::string& error) {
    if (!ParseInt(text, value) || value < low || value > high) {
        error =
            option + " needs a number from " + std::to_string(low) + " to " + std::to_string(high);
        return false;
    }
    return true;
}

} // namespace

bool TakeGlyphOptions(std::vector<std::string>& args, GlyphRequest& request, std::string& error) {
    std::vector<std::string> rest;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        const bool hasValue = i + 1 < args.size();
        long value = 0;
        if (arg == "--bold") {
            request.FontBold = 1;
        } else if (arg == "--italic") {
            request.FontItalic = 1;
        } else if (arg == "--char" || arg == "--code" || arg == "--font" || arg == "--size" ||
                   arg == "--angle") {
            if (!hasValue) {
                error = arg + " needs a value";
                return false;
            }
            const std::string& text = args[++i];
            if (arg == "--char") {
                if (!TakeCharacter(text, request, error))
                    return false;
            } else if (arg == "--code") {
                if (!TakeNumber(arg, text, 0x20, 0xFFFE, value, error))
                    return false;
                request.SelectCode(static_cast<int>(value));
            } else if (arg == "--font") {
                request.FontName = text;
            } else if (arg == "--size") {
                if (!TakeNumber(arg, text, 1, 1000, value, error))
                    return false;
                request.FontSize = static_cast<int>(value);
            } else {
                if (!TakeNumber(arg, text, 0, 360, value, error))
                    return false;
                request.FontDeg = static_cast<int>(value);
            }
        } else {
            rest.push_back(arg);
        }
    }
    args = std::move(rest);
    return true;
}

bool ParseDisplayMode(const std::string& text, std::optional<DisplayMode>& mode) {
    if (text == "outline")
        mode = DisplayMode::Outline;
    else if (text == "bitmap")
        mode = DisplayMode::Bitmap;
    else if (text == "drawing")
        mode = DisplayMode::Drawing;
    else
        return false;
    return true;
}

bool ParseViewSize(const std::string& text, int& width, int& height) {
    const auto x = text.find('x');
    long w = 0;
    long h = 0;
    if (x == std::string::npos || text.find('x', x + 1) != std::string::npos ||
        !ParseInt(text.substr(0, x), w) || !ParseInt(text.substr(x + 1), h) || w < 1 || h < 1 ||
        w > 10000 || h > 10000)
        return false;
    width = static_cast<int>(w);
    height = static_cast<int>(h);
    return true;
}

} // namespace lumina::cli
