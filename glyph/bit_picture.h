#pragma once

#include "services/prompter.h"

#include <optional>
#include <string>
#include <string_view>

namespace lumina {

struct Services;
struct GlyphOutline;
struct GlyphRequest;
struct GlyphMonoBitmap;

// The two fields of the bit picture: the ink string ("文字部分：") and the background string
// ("外周部分："), UTF-8 as the window holds them.
struct BitStrings {
    std::string ink = "1";
    std::string background = "0";
};

// The bit picture of a one-bit bitmap: one line per row, one string per column (the width
// rounded up to 4, the extra columns background), nothing between them, CR LF line ends. The
// strings are given in the bytes they are to be written in (code page 932).
std::string FormatBitPicture(const GlyphMonoBitmap& bitmap, std::string_view ink,
                             std::string_view background);

// Completes empty fields after asking (30013 for the ink, 30006 for the background, which are
// then set to "1" and "0"); false when a question was declined.
bool ReadBitCharacters(const Services& services, Owner owner, BitStrings& fields);

// The bit picture of the request's glyph as written to the file: the one-bit bitmap fetched in
// the request's font at the display's resolution. nullopt when there is nothing to write: no
// font (message 30017), no memory (30001), or a glyph without ink (no message).
std::optional<std::string> MakeBitPicture(const Services& services, Owner owner,
                                          const GlyphRequest& request, std::string_view ink,
                                          std::string_view background);

// The bit-picture command: nothing without an outline; reads the fields, refuses strings that
// code page 932 cannot carry (message 30300), stores them as "Bit1Char" and "Bit0Char", then
// the save dialog, the file and question 30012. fields may be completed to "1" / "0".
void WriteBitPicture(const Services& services, Owner owner, const GlyphOutline& outline,
                     const GlyphRequest& request, BitStrings& fields);

} // namespace lumina
