#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace lumina {

enum class ReadStatus { Ok, CannotOpen, NoMemory, ShortRead };

struct FileBytes {
    ReadStatus status = ReadStatus::CannotOpen;
    std::vector<std::uint8_t> bytes;
};

// The whole file in memory.
FileBytes ReadWholeFile(const std::string& path);

// Writes bytes as the whole file, replacing what was there; false when any of it fails.
bool WriteWholeFile(const std::string& path, std::span<const std::uint8_t> bytes);

} // namespace lumina
