#include "platform/freetype_face.h"

namespace lumina {

std::shared_ptr<FtLibrary> FtLibrary::Create() {
    std::shared_ptr<FtLibrary> library(new FtLibrary());
    if (FT_Init_FreeType(&library->m_library) != 0)
        return nullptr;
    return library;
}

FtLibrary::~FtLibrary() {
    if (m_library)
        FT_Done_FreeType(m_library);
}

std::shared_ptr<FtFace> FtFace::Open(std::shared_ptr<FtLibrary> library, const std::string& file,
                                     int index) {
    if (!library)
        return nullptr;
    std::shared_ptr<FtFace> face(new FtFace());
    if (FT_New_Face(library->get(), file.c_str(), index, &face->m_face) != 0) {
        face->m_face = nullptr;
        return nullptr;
    }
    face->m_library = std::move(library);
    if (!FT_IS_SCALABLE(face->m_face))
        return nullptr;
    FT_Select_Charmap(face->m_face, FT_ENCODING_UNICODE);
    return face;
}

FtFace::~FtFace() {
    if (m_face)
        FT_Done_Face(m_face);
}

} // namespace lumina
