#pragma once

#include "art/palette.h"
#include "art/settings.h"

#include <optional>
#include <string>

namespace lumina {

class Font;

// Measured palettes kept in the user's cache folder: measuring every candidate glyph is most of
// a small picture's run, and the same face file at the same size, weight, slant and classes
// always measures the same. A file names its key in full and ends with a checksum; one that is
// damaged, or of another key, is not used (and the next store replaces it).

// The key of the font's palette for the classes switched on; nullopt when the face has no file
// whose date and length can be read (the palette is then not cached).
std::optional<std::string> PaletteCacheKey(const Font& font, const ArtSettings& settings);

// The sorted palette stored under the key in folder; nullopt when there is none fit to use.
std::optional<CharPalette> LoadCachedPalette(const std::string& folder, const std::string& key);

// Stores the sorted palette under the key (through the atomic writer); false when it could not.
bool StoreCachedPalette(const std::string& folder, const std::string& key,
                        const CharPalette& palette);

// The file the key's palette is kept in.
std::string PaletteCachePath(const std::string& folder, const std::string& key);

} // namespace lumina
