#pragma once

#include "platform/font.h"

#include <map>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

namespace lumina {

// A 2x2 matrix (x' = xx x + xy y, y' = yx x + yy y), y up.
struct FaceMatrix {
    double xx = 1, xy = 0, yx = 0, yy = 1;
};

// A face as fontconfig matched it, with the shear of a synthetic slant.
struct FaceMatch {
    ResolvedFace face;
    FaceMatrix oblique; // identity unless face.oblique
};

// Face lookup through fontconfig. The one place that knows the default face's alias: the
// default name (and an empty name) is matched with Japanese language coverage preferred, so a
// machine without a font of that name still gets a Japanese gothic face.
class FontconfigResolver {
public:
    FontconfigResolver();

    // Makes a font file known to this process (fixture fonts, fonts beside the program).
    bool AddFontFile(const std::string& path);

    // File, face index and the synthetic styles fontconfig asks for; nullopt when fontconfig
    // has no outline face at all.
    std::optional<FaceMatch> Resolve(const std::string& faceName, int weight, bool italic);

    // Installed outline families, sorted, each once.
    std::vector<std::string> Families();

private:
    bool m_ready = false;
    std::map<std::tuple<std::string, int, bool>, std::optional<FaceMatch>> m_cache;
};

// True for the names that mean the default face.
bool IsDefaultFaceName(const std::string& faceName);

} // namespace lumina
