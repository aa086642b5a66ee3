#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace lumina {

// Whether a JPEG or uncompressed bitmap file ends before its picture does. The readers fill a
// cut-off picture's missing part with grey or black and report success; a cut-off file is
// refused instead. A JPEG is judged by decoding it: what matters is whether every scan line
// comes from data that is there, not what follows the picture. A bitmap is cut off when a row
// of pixels is missing; the padding after the last row does not count (see below). Other
// formats, and files that cannot be judged, are not "truncated".
bool LooksTruncated(std::span<const std::uint8_t> bytes);

// How many padding bytes an uncompressed bitmap file lacks after its last row when every row's
// pixels are there (some writers leave them out); 0 for any other file. The reader wants whole
// rows, so the load adds them as zeros.
std::size_t MissingBitmapPadding(std::span<const std::uint8_t> bytes);

} // namespace lumina
