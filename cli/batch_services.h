#pragma once

#include "image/source_picture.h"
#include "platform/font.h"
#include "services/problem.h"
#include "services/services.h"

#include <memory>
#include <optional>
#include <string>

namespace lumina::cli {

// What every command runs on: the real font system and the display defaults. The batch tool
// asks nothing and stores nothing: the engine's problems become lines on stderr.
class BatchServices {
public:
    BatchServices();
    BatchServices(const BatchServices&) = delete;
    BatchServices& operator=(const BatchServices&) = delete;

    const EngineServices& Get() const { return m_services; }

    // Loads a picture by the character-art window's rules; nullopt, with the reason on stderr
    // (the path and 30029 for a file that is not a picture), when it cannot be had.
    std::optional<SourcePicture> LoadPicture(const std::string& path) const;

    // Says on stderr which face draws in place of faceName when no installed face has that name
    // (fontconfig's last resort would otherwise draw boxes without a word). The program's
    // default face, which is substituted on purpose, is not noted.
    void NoteFaceFallback(const std::string& faceName) const;

private:
    std::unique_ptr<FontSystem> m_fonts;
    EngineServices m_services;
};

// Prints a problem as one line "lumina-cli: ..." on stderr; returns 1, the failure exit code.
int Report(const Problem& problem);

} // namespace lumina::cli
