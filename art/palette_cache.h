#pragma once

#include "art/layout.h"
#include "art/palette.h"
#include "art/settings.h"
#include "platform/font.h"

#include <optional>
#include <string>

namespace lumina {

// Measured palettes kept in the user's cache folder: measuring every candidate glyph is most of
// a small picture's run, and the same face file at the same size, weight, slant and classes
// always measures the same. A file names its key in full and ends with a checksum; one that is
// damaged, or of another key, is not used (and the next store replaces it). The font's metrics
// are kept beside the palette, so a run that draws no glyph needs no face opened.

struct CachedPalette {
    CharPalette palette;
    ArtFontMetrics metrics;
};

// The key of the palette of the logical font on the face it resolves to, for the classes
// switched on; nullopt when the face has no file whose date and length can be read (the palette
// is then not cached).
std::optional<std::string> PaletteCacheKey(const LogicalFont& logical, const ResolvedFace& face,
                                           const ArtSettings& settings);

// The sorted palette and metrics stored under the key in folder; nullopt when there are none
// fit to use.
std::optional<CachedPalette> LoadCachedPalette(const std::string& folder, const std::string& key);

// Stores them under the key (through the atomic writer); false when it could not.
bool StoreCachedPalette(const std::string& folder, const std::string& key,
                        const CachedPalette& cached);

// The file the key's palette is kept in.
std::string PaletteCachePath(const std::string& folder, const std::string& key);

} // namespace lumina
