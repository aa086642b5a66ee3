#pragma once

#include <ft2build.h>
#include FT_FREETYPE_H

#include <memory>
#include <string>

namespace lumina {

// The FreeType library instance; faces keep it alive.
class FtLibrary {
public:
    static std::shared_ptr<FtLibrary> Create();
    ~FtLibrary();
    FtLibrary(const FtLibrary&) = delete;
    FtLibrary& operator=(const FtLibrary&) = delete;
    FT_Library get() const { return m_library; }

private:
    FtLibrary() = default;
    FT_Library m_library = nullptr;
};

// One opened face of a font file, shared by every font of that face. Each font keeps its own
// FT_Size on it and activates it before use.
class FtFace {
public:
    static std::shared_ptr<FtFace> Open(std::shared_ptr<FtLibrary> library, const std::string& file,
                                        int index);
    ~FtFace();
    FtFace(const FtFace&) = delete;
    FtFace& operator=(const FtFace&) = delete;
    FT_Face get() const { return m_face; }

private:
    FtFace() = default;
    std::shared_ptr<FtLibrary> m_library;
    FT_Face m_face = nullptr;
};

} // namespace lumina
