#include "platform/fontconfig_resolver.h"

#include <fontconfig/fontconfig.h>

#include <algorithm>
#include <memory>
#include <set>

namespace lumina {
namespace {

struct PatternDeleter {
    void operator()(FcPattern* p) const { FcPatternDestroy(p); }
};
using PatternPtr = std::unique_ptr<FcPattern, PatternDeleter>;

struct FontSetDeleter {
    void operator()(FcFontSet* s) const { FcFontSetDestroy(s); }
};

struct ObjectSetDeleter {
    void operator()(FcObjectSet* s) const { FcObjectSetDestroy(s); }
};

const FcChar8* Utf8(const std::string& s) {
    return reinterpret_cast<const FcChar8*>(s.c_str());
}

PatternPtr RequestPattern(const std::string& faceName, int weight, bool italic) {
    PatternPtr pattern(FcPatternCreate());
    if (!pattern)
        return nullptr;
    if (IsDefaultFaceName(faceName)) {
        // The default name is not installed on Linux desktops; asking for Japanese coverage
        // makes fontconfig choose an installed Japanese gothic face instead of its Latin
        // default. A machine that does have the face still gets it by name.
        FcPatternAddString(pattern.get(), FC_FAMILY, Utf8(std::string(kDefaultFaceName)));
        FcPatternAddString(pattern.get(), FC_LANG, reinterpret_cast<const FcChar8*>("ja"));
    } else {
        FcPatternAddString(pattern.get(), FC_FAMILY, Utf8(faceName));
    }
    FcPatternAddInteger(pattern.get(), FC_WEIGHT,
                        weight >= 600 ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern.get(), FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcPatternAddBool(pattern.get(), FC_OUTLINE, FcTrue);
    FcPatternAddBool(pattern.get(), FC_SCALABLE, FcTrue);
    return pattern;
}

} // namespace

bool IsDefaultFaceName(const std::string& faceName) {
    return faceName.empty() || faceName == kDefaultFaceName;
}

FontconfigResolver::FontconfigResolver()
    : m_ready(FcInit() == FcTrue) {}

bool FontconfigResolver::AddFontFile(const std::string& path) {
    if (!m_ready)
        return false;
    m_cache.clear();
    // Application fonts belong to the process's fontconfig configuration, which outlives any
    // font system: add each file once, or every new font system would list it again.
    static std::set<std::string> added;
    if (added.count(path))
        return true;
    if (FcConfigAppFontAddFile(nullptr, Utf8(path)) != FcTrue)
        return false;
    added.insert(path);
    return true;
}

namespace {

// Whether one of the face's family names (in any language) is name, without regard to case.
bool AnswersTo(FcPattern* face, const std::string& name) {
    FcChar8* family = nullptr;
    for (int i = 0; FcPatternGetString(face, FC_FAMILY, i, &family) == FcResultMatch; ++i) {
        if (FcStrCmpIgnoreCase(family, reinterpret_cast<const FcChar8*>(name.c_str())) == 0)
            return true;
    }
    return false;
}

} // namespace

std::optional<FaceMatch> FontconfigResolver::Resolve(const std::string& faceName, int weight,
                                                     bool italic) {
    if (!m_ready)
        return std::nullopt;
    const auto key = std::make_tuple(faceName, weight >= 600 ? 700 : 400, italic);
    if (const auto it = m_cache.find(key); it != m_cache.end())
        return it->second;

    std::optional<FaceMatch> result;
    PatternPtr pattern = RequestPattern(faceName, weight, italic);
    if (pattern && FcConfigSubstitute(nullptr, pattern.get(), FcMatchPattern)) {
        FcDefaultSubstitute(pattern.get());
        FcResult status = FcResultNoMatch;
        PatternPtr match(FcFontMatch(nullptr, pattern.get(), &status));
        FcChar8* file = nullptr;
        if (match && FcPatternGetString(match.get(), FC_FILE, 0, &file) == FcResultMatch) {
            FaceMatch m;
            m.face.file = reinterpret_cast<const char*>(file);
            FcChar8* family = nullptr;
            if (FcPatternGetString(match.get(), FC_FAMILY, 0, &family) == FcResultMatch)
                m.face.family = reinterpret_cast<const char*>(family);
            m.face.substituted = !faceName.empty() && !AnswersTo(match.get(), faceName);
            int index = 0;
            if (FcPatternGetInteger(match.get(), FC_INDEX, 0, &index) == FcResultMatch)
                m.face.index = index;
            FcBool embolden = FcFalse;
            if (FcPatternGetBool(match.get(), FC_EMBOLDEN, 0, &embolden) == FcResultMatch)
                m.face.embolden = embolden == FcTrue;
            FcMatrix* matrix = nullptr;
            if (FcPatternGetMatrix(match.get(), FC_MATRIX, 0, &matrix) == FcResultMatch && matrix &&
                (matrix->xy != 0 || matrix->yx != 0 || matrix->xx != 1 || matrix->yy != 1)) {
                m.face.oblique = true;
                m.oblique = {matrix->xx, matrix->xy, matrix->yx, matrix->yy};
            }
            result = m;
        }
    }
    m_cache[key] = result;
    return result;
}

std::vector<std::string> FontconfigResolver::Families() {
    std::vector<std::string> families;
    if (!m_ready)
        return families;
    PatternPtr pattern(FcPatternCreate());
    std::unique_ptr<FcObjectSet, ObjectSetDeleter> objects(FcObjectSetBuild(FC_FAMILY, nullptr));
    if (!pattern || !objects)
        return families;
    FcPatternAddBool(pattern.get(), FC_OUTLINE, FcTrue);
    std::unique_ptr<FcFontSet, FontSetDeleter> set(
        FcFontList(nullptr, pattern.get(), objects.get()));
    if (!set)
        return families;
    for (int i = 0; i < set->nfont; ++i) {
        FcChar8* family = nullptr;
        // The first name is the font's own; further ones are translations of it.
        if (FcPatternGetString(set->fonts[i], FC_FAMILY, 0, &family) == FcResultMatch)
            families.emplace_back(reinterpret_cast<const char*>(family));
    }
    std::sort(families.begin(), families.end());
    families.erase(std::unique(families.begin(), families.end()), families.end());
    return families;
}

} // namespace lumina
