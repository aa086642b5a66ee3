#include "platform/iconv_converter.h"

namespace lumina {

IconvConverter::IconvConverter(const char* to, const char* from)
    : m_cd(iconv_open(to, from)) {}

IconvConverter::~IconvConverter() {
    if (Valid())
        iconv_close(m_cd);
}

std::optional<std::string> IconvConverter::Convert(std::string_view in) const {
    if (!Valid())
        return std::nullopt;
    iconv(m_cd, nullptr, nullptr, nullptr, nullptr);
    std::string out;
    out.resize(in.size() * 4 + 8);
    char* src = const_cast<char*>(in.data());
    size_t srcLeft = in.size();
    char* dst = out.data();
    size_t dstLeft = out.size();
    if (iconv(m_cd, &src, &srcLeft, &dst, &dstLeft) == static_cast<size_t>(-1))
        return std::nullopt;
    if (iconv(m_cd, nullptr, nullptr, &dst, &dstLeft) == static_cast<size_t>(-1))
        return std::nullopt;
    out.resize(out.size() - dstLeft);
    return out;
}

} // namespace lumina
