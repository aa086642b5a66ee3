#include "services/common.h"

#include "platform/surface.h"
#include "services/services.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <optional>

namespace lumina {

int MulDiv(int a, int b, int c) {
    if (c == 0)
        return -1;
    const std::int64_t product = static_cast<std::int64_t>(a) * b;
    const std::int64_t magnitude = product < 0 ? -product : product;
    const std::int64_t divisor = c < 0 ? -static_cast<std::int64_t>(c) : c;
    // Halves round away from zero.
    std::int64_t q = (magnitude + divisor / 2) / divisor;
    if ((product < 0) != (c < 0))
        q = -q;
    if (q > std::numeric_limits<int>::max() || q < std::numeric_limits<int>::min())
        return -1;
    return static_cast<int>(q);
}

LogicalFont MakeLogicalFont(const FontSpec& fontSpec, int dpiY) {
    LogicalFont logical;
    logical.faceName = fontSpec.face.empty() ? std::string(kDefaultFaceName) : fontSpec.face;
    logical.weight = fontSpec.bold ? 700 : 400;
    // A negative height asks for the em height, so the size is in points on that surface.
    logical.height = -MulDiv(std::max(fontSpec.size, 2), dpiY, 72);
    logical.italic = fontSpec.italic;
    logical.escapement = fontSpec.angle * 10;
    logical.hinted = fontSpec.hinted;
    return logical;
}

std::shared_ptr<const Font> CreateAndSelectFont(const EngineServices& services,
                                                std::shared_ptr<const Font>& fontObject,
                                                Surface& surface, const FontSpec& fontSpec) {
    fontObject.reset();
    fontObject = services.fonts.CreateFont(MakeLogicalFont(fontSpec, surface.DpiY()));
    return surface.SelectFont(fontObject);
}

ScopedFont::ScopedFont(const EngineServices& services, Surface& surface, const FontSpec& fontSpec)
    : m_surface(surface) {
    m_previous = CreateAndSelectFont(services, m_font, surface, fontSpec);
}

ScopedFont::~ScopedFont() {
    m_surface.SelectFont(std::move(m_previous));
}

ScratchFont::ScratchFont(const EngineServices& services, const FontSpec& fontSpec) {
    std::optional<Surface> surface =
        Surface::Create(1, 1, services.displayFormat, services.displayDpiX, services.displayDpiY);
    if (!surface)
        return;
    m_surface = std::make_unique<Surface>(std::move(*surface));
    m_font = std::make_unique<ScopedFont>(services, *m_surface, fontSpec);
}

ScratchFont::~ScratchFont() = default;

} // namespace lumina
