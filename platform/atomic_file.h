#pragma once

#include <string>
#include <string_view>

namespace lumina {

// Writes bytes to path through a temporary file beside it: the target is replaced only once
// everything was written and flushed to disk, so a failed write leaves an existing file as it
// was. A new file gets the permissions a plain create would give it; an existing one keeps its
// own; a symbolic link is followed to the file it names. false on any failure (nothing is
// left behind).
bool WriteFileAtomically(const std::string& target, std::string_view bytes);

} // namespace lumina
