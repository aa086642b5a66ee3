#pragma once

#include <optional>
#include <string>

namespace lumina {

// The program's private working folder: <base>/<executable name>, where base is the user's
// runtime folder ($XDG_RUNTIME_DIR, when it is a private folder of the user) or else the user's
// cache folder ($XDG_CACHE_HOME, or ~/.cache). The folder is created with mode 0700 when it is
// missing. nullopt when it cannot be had, or when what is there is a symbolic link, not a
// folder, or owned by someone else.
std::optional<std::string> PrivateWorkingFolder();

// The user's cache folder for the program's caches: <$XDG_CACHE_HOME or ~/.cache>/lumina-graph,
// made as PrivateFolderUnder makes it. nullopt when it cannot be had.
std::optional<std::string> PrivateCacheFolder();

// The same for an explicit base folder (created when missing) and folder name.
std::optional<std::string> PrivateFolderUnder(const std::string& base, const std::string& name);

} // namespace lumina
