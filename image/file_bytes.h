#pragma once

#include "platform/pixel_budget.h"

#include <cstdint>
#include <string>
#include <vector>

namespace lumina {

enum class ReadStatus {
    Ok,
    CannotOpen, // the system refused to open it (missing, no permission ...)
    NotRegular, // a folder, a pipe, a device: nothing a picture is read from
    TooLarge,   // longer than the reader takes
    NoMemory,
    ShortRead,
};

struct FileBytes {
    ReadStatus status = ReadStatus::CannotOpen;
    std::vector<std::uint8_t> bytes;
    std::string reason; // the system's words for a failure; "" when ok
};

// The longest picture file read: the uncompressed 32-bit form of the largest picture the
// budget allows, with room for its headers. Anything longer is no picture the program takes.
inline constexpr std::uint64_t kMaxPictureFileBytes = 4 * kMaxPicturePixels + (1 << 20);

// The whole of a regular file in memory. The file is opened without waiting (a pipe or a
// device of that name neither blocks nor is read), and judged by what was opened; a file
// longer than maxBytes is refused before anything is read.
FileBytes ReadWholeFile(const std::string& path, std::uint64_t maxBytes = kMaxPictureFileBytes);

} // namespace lumina
