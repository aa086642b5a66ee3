#pragma once

#include "platform/font.h"

#include <memory>
#include <string>
#include <vector>

namespace lumina {

// The FreeType and fontconfig font system with extra font files made known to fontconfig for
// this process first (tests use the fixture fonts this way). Files that cannot be added are
// skipped.
std::unique_ptr<FontSystem> MakeFreeTypeFontSystem(const std::vector<std::string>& fontFiles);

} // namespace lumina
