#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace lumina {

// What a write came to: done, or the system's reason it was not.
struct WriteResult {
    bool ok = false;
    std::string reason; // "No space left on device", "not a regular file", ...; "" when ok
    explicit operator bool() const { return ok; }
};

// The one way the program writes a file: bytes go to a new temporary file beside the target,
// which replaces the target only once everything was written and flushed to disk, so a failed
// write leaves an existing file as it was. A new file gets the permissions a plain create would
// give it; an existing one keeps its own; a symbolic link is followed to the file it names, and
// a target that is not a regular file (a folder, a device, a pipe) is refused untouched. The
// path is taken as the bytes it is. Nothing but the temporary file is ever removed.
WriteResult WriteFileAtomically(const std::string& target, std::string_view bytes);
WriteResult WriteFileAtomically(const std::string& target, std::span<const std::uint8_t> bytes);

} // namespace lumina
