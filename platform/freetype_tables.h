#pragma once

#include "platform/face_tables.h"

#include <ft2build.h>
#include FT_FREETYPE_H

namespace lumina {

// The face's table values at an em of emPixels (see FaceTables for units and rounding).
FaceTables ReadFaceTables(FT_Face face, int emPixels);

} // namespace lumina
