#pragma once

// What the art benchmarks share: the committed photograph and the engine's services on the
// machine's fonts.
#include "platform/font.h"
#include "services/services.h"

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>

namespace lumina::bench {

// The raccoon photograph of the tests, from LUMINA_SOURCE_DIR or beside this file.
inline std::string PhotographPath() {
    const char* source = std::getenv("LUMINA_SOURCE_DIR");
    const std::filesystem::path root =
        source ? std::filesystem::path(source)
               : std::filesystem::path(__FILE__).parent_path().parent_path();
    return (root / "tests/data/art/raccoon.png").string();
}

struct BenchServices {
    BenchServices()
        : fonts(MakeFreeTypeFontSystem())
        , services{*fonts} {}
    std::unique_ptr<FontSystem> fonts;
    EngineServices services;
};

} // namespace lumina::bench
