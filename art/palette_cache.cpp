#include "art/palette_cache.h"

#include "image/file_bytes.h"
#include "platform/atomic_file.h"

#include <sys/stat.h>

#include <charconv>
#include <cinttypes>
#include <cstdio>
#include <string_view>

namespace lumina {
namespace {

// 2: the metrics line after the key.
constexpr const char* kMagic = "lumina-palette 2";

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

// Whitespace-separated decimal integers read in turn; string streams would set up the C++
// locale machinery, which costs more memory than the whole palette.
class Numbers {
public:
    explicit Numbers(std::string_view text)
        : m_text(text) {}

    template <typename T>
    bool Next(T& value) {
        while (!m_text.empty() && (m_text.front() == ' ' || m_text.front() == '\n'))
            m_text.remove_prefix(1);
        const auto [end, error] =
            std::from_chars(m_text.data(), m_text.data() + m_text.size(), value);
        if (error != std::errc{})
            return false;
        m_text.remove_prefix(static_cast<size_t>(end - m_text.data()));
        return true;
    }
    bool AtEnd() const { return m_text.find_first_not_of(" \n") == std::string_view::npos; }

private:
    std::string_view m_text;
};

// The first line of text, taken off it; nullopt when there is no line end.
std::optional<std::string_view> TakeLine(std::string_view& text) {
    const size_t end = text.find('\n');
    if (end == std::string_view::npos)
        return std::nullopt;
    const std::string_view line = text.substr(0, end);
    text.remove_prefix(end + 1);
    return line;
}

} // namespace

std::optional<std::string> PaletteCacheKey(const LogicalFont& l, const ResolvedFace& face,
                                           const ArtSettings& settings) {
    struct stat st {};
    if (face.file.empty() || stat(face.file.c_str(), &st) != 0 || !S_ISREG(st.st_mode))
        return std::nullopt;
    using std::to_string;
    std::string key =
        "face=" + face.file + ";index=" + to_string(face.index) +
        ";mtime=" + to_string(st.st_mtim.tv_sec) + "." + to_string(st.st_mtim.tv_nsec) +
        ";bytes=" + to_string(st.st_size) + ";height=" + to_string(l.height) +
        ";weight=" + to_string(l.weight) + ";italic=" + to_string(int{l.italic}) +
        ";escapement=" + to_string(l.escapement) + ";hinted=" + to_string(int{l.hinted}) +
        ";embolden=" + to_string(int{face.embolden}) + ";oblique=" + to_string(int{face.oblique}) +
        ";classes=";
    for (const auto& info : kCharClasses)
        key += settings.ClassSwitch(info.cls) != 0 ? '1' : '0';
    return key;
}

std::string PaletteCachePath(const std::string& folder, const std::string& key) {
    return folder + "/palette-" + Hex(Fnv1a(key)) + ".txt";
}

std::optional<CachedPalette> LoadCachedPalette(const std::string& folder, const std::string& key) {
    const FileBytes file = ReadWholeFile(PaletteCachePath(folder, key), 1 << 20);
    if (file.status != ReadStatus::Ok)
        return std::nullopt;
    const std::string text(file.bytes.begin(), file.bytes.end());
    // The body, then "sum <hex>\n" over the body.
    const size_t sum = text.rfind("sum ");
    if (sum == std::string::npos ||
        text.substr(sum) != "sum " + Hex(Fnv1a(text.substr(0, sum))) + "\n")
        return std::nullopt;
    std::string_view body = std::string_view(text).substr(0, sum);
    if (TakeLine(body) != kMagic || TakeLine(body) != key)
        return std::nullopt;
    Numbers in(body);
    CachedPalette cached;
    ArtFontMetrics& m = cached.metrics;
    int count = 0;
    if (!in.Next(m.tmAscent) || !in.Next(m.tmDescent) || !in.Next(m.tmAveCharWidth) ||
        !in.Next(count) || count <= 0 || count > kPaletteCapacity)
        return std::nullopt;
    std::vector<PaletteEntry>& entries = cached.palette.entries;
    entries.resize(static_cast<size_t>(count));
    for (PaletteEntry& e : entries) {
        if (!in.Next(e.code) || !in.Next(e.density))
            return std::nullopt;
    }
    if (!in.AtEnd())
        return std::nullopt;
    return cached;
}

bool StoreCachedPalette(const std::string& folder, const std::string& key,
                        const CachedPalette& cached) {
    using std::to_string;
    const ArtFontMetrics& m = cached.metrics;
    const CharPalette& palette = cached.palette;
    std::string text = std::string(kMagic) + '\n' + key + '\n' + to_string(m.tmAscent) + ' ' +
                       to_string(m.tmDescent) + ' ' + to_string(m.tmAveCharWidth) + '\n' +
                       to_string(palette.count()) + '\n';
    for (const PaletteEntry& e : palette.entries)
        text += to_string(e.code) + ' ' + to_string(e.density) + '\n';
    text += "sum " + Hex(Fnv1a(text)) + "\n";
    return static_cast<bool>(WriteFileAtomically(PaletteCachePath(folder, key), text));
}

} // namespace lumina
