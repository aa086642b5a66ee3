#pragma once

#include <cstdlib>
#include <filesystem>
#include <string>

namespace lumina::fuzz {

// A private folder for the files a target writes, removed when the program exits.
inline const std::string& Folder() {
    static const std::string folder = [] {
        std::string pattern = "/tmp/lumina-fuzz-XXXXXX";
        if (!mkdtemp(pattern.data()))
            std::abort();
        return pattern;
    }();
    // Registered once the name exists, so that the removal runs before the name is destroyed.
    static const bool removed = std::atexit([] {
                                    std::error_code ignored;
                                    std::filesystem::remove_all(Folder(), ignored);
                                }) == 0;
    (void)removed;
    return folder;
}

} // namespace lumina::fuzz
