#include "artwin/art_screen.h"

#include "art/engine.h"
#include "art/render.h"
#include "platform/pixel_budget.h"
#include "platform/surface.h"
#include "services/common.h"
#include "services/services.h"

namespace lumina {

QImage ScreenArt(const EngineServices& services, const CompletedArt& art, int ratio) {
    const ArtLayout& l = art.layout;
    if (ratio <= 1 || l.drawW <= 0 || l.drawH <= 0 ||
        !WithinPixelBudget(static_cast<std::int64_t>(l.drawW) * ratio,
                           static_cast<std::int64_t>(l.drawH) * ratio))
        return {};
    const ArtSettings& s = art.settings;
    const FontSpec fontSpec{s.FontName, s.FontSize, s.Bold != 0, s.Italic != 0, s.FontDeg};
    LogicalFont logical = MakeLogicalFont(fontSpec, services.displayDpiY);
    logical.height *= ratio;
    const std::shared_ptr<const Font> font = services.fonts.CreateFont(logical);
    if (!font)
        return {};
    // The layout in device pixels: every cell keeps its place, ratio times further out.
    ArtLayout device = l;
    device.drawW = l.drawW * ratio;
    device.drawH = l.drawH * ratio;
    device.cellW = l.cellW * ratio;
    device.cellH = l.cellH * ratio;
    std::optional<Surface> surface =
        Surface::Create(device.drawW, device.drawH, services.displayFormat);
    if (!surface)
        return {};
    GlyphCache glyphs(font, &services.fonts);
    RenderJob job;
    job.layout = &device;
    job.grid = &art.grid;
    job.settings = &s;
    job.glyphs = &glyphs;
    job.seed = art.seed;
    if (!RenderArt(*surface, job))
        return {};
    QImage image = surface->Image();
    image.setDevicePixelRatio(ratio);
    return image;
}

} // namespace lumina
