#pragma once

#include <iconv.h>
#include <optional>
#include <string>
#include <string_view>

namespace lumina {

// One glibc iconv descriptor, from one character code to another. It keeps the descriptor's
// state between calls, so one thread at a time uses it (keep one per thread, thread_local).
class IconvConverter {
public:
    IconvConverter(const char* to, const char* from);
    ~IconvConverter();
    IconvConverter(const IconvConverter&) = delete;
    IconvConverter& operator=(const IconvConverter&) = delete;

    bool Valid() const { return m_cd != reinterpret_cast<iconv_t>(-1); }

    // Converts all of in from a fresh state, flushing what the target holds back at the end;
    // nullopt on the first byte sequence that has no form in the target.
    std::optional<std::string> Convert(std::string_view in) const;

private:
    iconv_t m_cd;
};

} // namespace lumina
