#include "art/palette_cache.h"

#include "image/file_bytes.h"
#include "platform/atomic_file.h"
#include "platform/font.h"

#include <sys/stat.h>

#include <cinttypes>
#include <cstdio>
#include <sstream>

namespace lumina {
namespace {

constexpr const char* kMagic = "lumina-palette 1";

std::uint64_t Fnv1a(std::string_view text) {
    std::uint64_t h = 1469598103934665603ull;
    for (const char c : text) {
        h ^= static_cast<unsigned char>(c);
        h *= 1099511628211ull;
    }
    return h;
}

std::string Hex(std::uint64_t value) {
    char text[17];
    std::snprintf(text, sizeof text, "%016" PRIx64, value);
    return text;
}

} // namespace

std::optional<std::string> PaletteCacheKey(const Font& font, const ArtSettings& settings) {
    const ResolvedFace& face = font.Face();
    struct stat st {};
    if (face.file.empty() || stat(face.file.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    const LogicalFont& l = font.Logical();
    std::ostringstream key;
    key << "face=" << face.file << ";index=" << face.index << ";mtime=" << st.st_mtim.tv_sec << "."
        << st.st_mtim.tv_nsec << ";bytes=" << st.st_size << ";height=" << l.height
        << ";weight=" << l.weight << ";italic=" << l.italic << ";escapement=" << l.escapement
        << ";hinted=" << l.hinted << ";embolden=" << face.embolden << ";oblique=" << face.oblique
        << ";classes=";
    for (const auto& info : kCharClasses)
        key << (settings.ClassSwitch(info.cls) != 0 ? '1' : '0');
    return key.str();
}

std::string PaletteCachePath(const std::string& folder, const std::string& key) {
    return folder + "/palette-" + Hex(Fnv1a(key)) + ".txt";
}

std::optional<CharPalette> LoadCachedPalette(const std::string& folder, const std::string& key) {
    const FileBytes file = ReadWholeFile(PaletteCachePath(folder, key), 1 << 20);
    if (file.status != ReadStatus::Ok)
        return std::nullopt;
    const std::string text(file.bytes.begin(), file.bytes.end());
    // The body, then "sum <hex>\n" over the body.
    const size_t sum = text.rfind("sum ");
    if (sum == std::string::npos ||
        text.substr(sum) != "sum " + Hex(Fnv1a(text.substr(0, sum))) + "\n")
        return std::nullopt;
    std::istringstream in(text.substr(0, sum));
    std::string line;
    if (!std::getline(in, line) || line != kMagic || !std::getline(in, line) || line != key)
        return std::nullopt;
    int count = 0;
    if (!(in >> count) || count <= 0 || count > kPaletteCapacity)
        return std::nullopt;
    CharPalette palette;
    palette.entries.resize(static_cast<size_t>(count));
    for (PaletteEntry& e : palette.entries) {
        if (!(in >> e.code >> e.density))
            return std::nullopt;
    }
    return palette;
}

bool StoreCachedPalette(const std::string& folder, const std::string& key,
                        const CharPalette& palette) {
    std::ostringstream body;
    body << kMagic << '\n' << key << '\n' << palette.count() << '\n';
    for (const PaletteEntry& e : palette.entries)
        body << e.code << ' ' << e.density << '\n';
    std::string text = body.str();
    text += "sum " + Hex(Fnv1a(text)) + "\n";
    return static_cast<bool>(WriteFileAtomically(PaletteCachePath(folder, key), text));
}

} // namespace lumina
