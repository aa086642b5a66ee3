#pragma once

#include "services/prompter.h"

#include <optional>
#include <string>
#include <string_view>

namespace lumina {

struct Services;
struct GlyphRequest;

// The save dialog both glyph writers use, proposing "%s(%d)" of the character and its code;
// nullopt when it was cancelled or overwriting an existing file was declined (question 30015).
std::optional<std::string> AskSaveFileName(const Services& services, Owner owner,
                                           const GlyphRequest& request);

// Writes the file's bytes through a temporary file beside it; on failure shows the path, a
// line break and message 30016 and returns false, leaving an existing file as it was.
bool SaveTextFile(const Services& services, Owner owner, const std::string& path,
                  std::string_view bytes);

// Question 30012 after a save; unless it is declined, the file's folder is shown.
void OfferToShowFolder(const Services& services, Owner owner, const std::string& path);

// Appends a line and the CR LF every line of the program's text files ends with.
void AppendLine(std::string& out, std::string_view line);

} // namespace lumina
