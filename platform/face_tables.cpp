#include "platform/face_tables.h"

namespace lumina {

EmBox FaceTables::IdeographicEmBox() const {
    const auto standing = [this](int bottom, EmBoxSource source) {
        return EmBox{bottom, bottom + emPixels, source};
    };
    if (ideoEmBottom)
        return standing(*ideoEmBottom, EmBoxSource::Base);
    if (typoDescender)
        return standing(*typoDescender, EmBoxSource::TypoDescender);
    if (hheaDescender)
        return standing(*hheaDescender, EmBoxSource::HheaDescender);
    return standing(0, EmBoxSource::BaseLine);
}

} // namespace lumina
