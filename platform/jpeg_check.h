#pragma once

#include <cstdint>
#include <span>

namespace lumina {

// Whether the JPEG decoder, given these bytes, delivers every scan line of the picture from
// data that is really there. A picture cut off inside its data, or whose data break off early,
// is not complete (the readers would fill the rest with grey and call it success); bytes after
// the picture's end, or only a missing end marker, do not matter. Bytes that are no JPEG at all,
// or whose picture is larger than the pixel budget, are left to the reader to refuse: true.
bool JpegDecodesCompletely(std::span<const std::uint8_t> bytes);

} // namespace lumina
