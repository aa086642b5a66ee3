#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace lumina {

// The ideographic baselines of a face's BASE table on the horizontal axis, in font units, y up
// from the base line. Each is nullopt when the table does not give it.
struct BaseValues {
    std::optional<int> ideo; // bottom of the ideographic em box
    std::optional<int> icfb; // ideographic character face bottom
    std::optional<int> icft; // ideographic character face top
    friend bool operator==(const BaseValues&, const BaseValues&) = default;
};

// Reads the horizontal axis of a BASE table's bytes for the script 'hani' (the ideographs), or
// for 'DFLT' when the table lists no 'hani'. The bytes come from the font file as they are: a
// value whose structures do not lie wholly inside them, or that the table does not list for the
// script, is nullopt.
BaseValues ReadBaseValues(std::span<const std::uint8_t> table);

} // namespace lumina
