#pragma once

#include "glyph/bit_picture.h"
#include "services/prompter.h"

#include <optional>
#include <string>
#include <string_view>

namespace lumina {

struct Services;
struct GlyphOutline;
struct GlyphRequest;

// The main window's two file commands and the dialogs around them. Owner is the main window.

// The save dialog both glyph writers use, proposing the character and its code; nullopt when
// it was cancelled or overwriting an existing file was declined (question 30015).
std::optional<std::string> AskSaveFileName(const Services& services, Owner owner,
                                           const GlyphRequest& request);

// Writes the file through a temporary file beside it; on failure shows the path, a line break
// and message 30016 and returns false, leaving an existing file as it was.
bool SaveTextFile(const Services& services, Owner owner, const std::string& path,
                  std::string_view bytes);

// Question 30012 after a save; unless it is declined, the file's folder is shown.
void OfferToShowFolder(const Services& services, Owner owner, const std::string& path);

// The outline-point command: nothing without an outline; the save dialog (whose file types offer
// the JSON form besides the text form), question 30018 (control points or not), the file, and
// question 30012.
void WriteOutlinePointFile(const Services& services, Owner owner, const GlyphOutline& outline,
                           const GlyphRequest& request);

// Completes empty fields after asking (30013 for the ink, 30006 for the background, which are
// then set to "1" and "0"); false when a question was declined.
bool ReadBitCharacters(const Services& services, Owner owner, BitStrings& fields);

// The bit-picture command: nothing without an outline; reads the fields, refuses strings that
// code page 932 cannot carry (message 30300), stores them as "Bit1Char" and "Bit0Char", then
// the save dialog, the file and question 30012. fields may be completed to "1" / "0".
void WriteBitPicture(const Services& services, Owner owner, const GlyphOutline& outline,
                     const GlyphRequest& request, BitStrings& fields);

} // namespace lumina
