#include "cli/study_options.h"

#include "cli/command.h"

namespace lumina::cli {
namespace {

bool ParseHinting(const std::string& text, Hinting& hinting) {
    if (text == "on")
        hinting = Hinting::On;
    else if (text == "off")
        hinting = Hinting::Off;
    else if (text == "compare")
        hinting = Hinting::Compare;
    else
        return false;
    return true;
}

bool ParsePan(const std::string& text, Point& pan) {
    const auto comma = text.find(',');
    long x = 0, y = 0;
    if (comma == std::string::npos || !ParseInt(text.substr(0, comma), x) ||
        !ParseInt(text.substr(comma + 1), y) || x < -kMaxPan || x > kMaxPan || y < -kMaxPan ||
        y > kMaxPan)
        return false;
    pan = {static_cast<int>(x), static_cast<int>(y)};
    return true;
}

// One option with its value; false with error set when the value is bad.
bool TakeValue(const std::string& option, const std::string& value, GlyphViewState& state,
               std::string& error) {
    StudyOptions& study = state.study;
    if (option == "--hinting") {
        Hinting hinting = Hinting::On;
        if (!ParseHinting(value, hinting)) {
            error = "--hinting needs on, off or compare";
            return false;
        }
        SetHinting(state, hinting);
    } else if (option == "--zoom") {
        long zoom = 0;
        if (!ParseInt(value, zoom) || zoom < kMinZoom || zoom > kMaxZoom) {
            error = "--zoom needs a number from " + std::to_string(kMinZoom) + " to " +
                    std::to_string(kMaxZoom);
            return false;
        }
        study.zoom = static_cast<int>(zoom);
    } else if (!ParsePan(value, study.pan)) {
        error = "--pan needs X,Y, each from " + std::to_string(-kMaxPan) + " to " +
                std::to_string(kMaxPan);
        return false;
    }
    return true;
}

} // namespace

void TakeUnhinted(std::vector<std::string>& args, GlyphRequest& request) {
    std::vector<std::string> rest;
    for (const std::string& arg : args) {
        if (arg == "--unhinted")
            request.hinted = false;
        else
            rest.push_back(arg);
    }
    args = std::move(rest);
}

bool TakeStudyOptions(std::vector<std::string>& args, GlyphViewState& state, std::string& error) {
    std::vector<std::string> rest;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--curves") {
            state.study.curves = true;
        } else if (arg == "--font-points") {
            state.study.fontPoints = true;
        } else if (arg == "--spread-numbers") {
            state.study.spreadNumbers = true;
        } else if (arg == "--unhinted") {
            SetHinting(state, Hinting::Off);
        } else if (arg == "--hinting" || arg == "--zoom" || arg == "--pan") {
            if (i + 1 >= args.size()) {
                error = arg + " needs a value";
                return false;
            }
            if (!TakeValue(arg, args[++i], state, error))
                return false;
        } else {
            rest.push_back(arg);
        }
    }
    args = std::move(rest);
    return true;
}

bool TakeFaceOptions(std::vector<std::string>& args, FaceViews& faces, std::string& error) {
    std::vector<std::string> rest;
    bool styled = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (arg == "--frames") {
            faces.frames = true;
        } else if (arg == "--vertical") {
            faces.vertical = true;
        } else if (arg == "--compare-bold" || arg == "--compare-italic") {
            (arg == "--compare-bold" ? faces.compareFace.bold : faces.compareFace.italic) = true;
            styled = true;
        } else if (arg == "--compare") {
            if (i + 1 >= args.size() || args[i + 1].empty()) {
                error = "--compare needs a face name";
                return false;
            }
            faces.compare = true;
            faces.compareFace.face = args[++i];
        } else {
            rest.push_back(arg);
        }
    }
    if (styled && !faces.compare) {
        error = "--compare-bold and --compare-italic need --compare FACE";
        return false;
    }
    args = std::move(rest);
    return true;
}

} // namespace lumina::cli
