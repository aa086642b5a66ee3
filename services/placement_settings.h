#pragma once

#include "services/settings_table.h"

#include <array>

namespace lumina {

// Screen coordinates and window sides the placement keys can hold; the window places itself
// within the desktop it finds on top of that.
inline constexpr int kMaxScreenCoordinate = 32767;

// A window's placement: the same five keys in every section that has one. PX, PY are the outer
// rectangle's top-left corner, SX, SY its size, Zoomed 1 when the window was maximised.
struct PlacementSettings {
    IntSetting PX;
    IntSetting PY;
    IntSetting SX;
    IntSetting SY;
    IntSetting Zoomed;

    constexpr std::array<IntSetting, 5> Rows() const { return {PX, PY, SX, SY, Zoomed}; }
};

// The placement rows of a section.
constexpr PlacementSettings PlacementRows(std::string_view section) {
    return {
        {section, "PX", 0, -kMaxScreenCoordinate, kMaxScreenCoordinate},
        {section, "PY", 0, -kMaxScreenCoordinate, kMaxScreenCoordinate},
        {section, "SX", 640, 0, kMaxScreenCoordinate},
        {section, "SY", 480, 0, kMaxScreenCoordinate},
        {section, "Zoomed", 0, 0, 1, 0},
    };
}

} // namespace lumina
