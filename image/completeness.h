#pragma once

#include <cstdint>
#include <span>

namespace lumina {

// Whether a JPEG or uncompressed bitmap file visibly ends before its picture does. The readers
// fill a cut-off picture's missing part with grey or black and report success; a cut-off file
// is refused instead. Other formats, and files that cannot be judged, are not "truncated".
bool LooksTruncated(std::span<const std::uint8_t> bytes);

} // namespace lumina
