#include "platform/freetype_font_system.h"

#include "platform/fontconfig_resolver.h"
#include "platform/freetype_face.h"
#include "platform/freetype_font.h"

#include <map>
#include <utility>

namespace lumina {
namespace {

class FreeTypeFontSystem : public FontSystem {
public:
    explicit FreeTypeFontSystem(const std::vector<std::string>& fontFiles)
        : m_library(FtLibrary::Create()) {
        for (const std::string& file : fontFiles)
            m_resolver.AddFontFile(file);
    }

    std::shared_ptr<const Font> CreateFont(const LogicalFont& logical) override {
        const std::optional<FaceMatch> match =
            m_resolver.Resolve(logical.faceName, logical.weight, logical.italic);
        if (!match)
            return nullptr;
        return FreeTypeFont::Create(OpenFace(match->face), logical, *match);
    }

    std::vector<std::string> Families() override { return m_resolver.Families(); }

    std::optional<ResolvedFace> Resolve(const LogicalFont& logical) override {
        const std::optional<FaceMatch> match =
            m_resolver.Resolve(logical.faceName, logical.weight, logical.italic);
        if (!match)
            return std::nullopt;
        return match->face;
    }

private:
    // Faces stay open for the life of the font system: a program uses only a few, and opening
    // one costs more than any glyph.
    std::shared_ptr<FtFace> OpenFace(const ResolvedFace& resolved) {
        const auto key = std::make_pair(resolved.file, resolved.index);
        if (const auto it = m_faces.find(key); it != m_faces.end())
            return it->second;
        std::shared_ptr<FtFace> face = FtFace::Open(m_library, resolved.file, resolved.index);
        if (face)
            m_faces.emplace(key, face);
        return face;
    }

    std::shared_ptr<FtLibrary> m_library;
    FontconfigResolver m_resolver;
    std::map<std::pair<std::string, int>, std::shared_ptr<FtFace>> m_faces;
};

} // namespace

std::unique_ptr<FontSystem> MakeFreeTypeFontSystem(const std::vector<std::string>& fontFiles) {
    return std::make_unique<FreeTypeFontSystem>(fontFiles);
}

std::unique_ptr<FontSystem> MakeFreeTypeFontSystem() {
    return MakeFreeTypeFontSystem({});
}

} // namespace lumina
