#include "glyph/text_metrics.h"

#include "platform/surface.h"

namespace lumina {

TextMetrics ShowTextMetrics(const Surface& surface, GlyphViewObserver& observer) {
    const Font* font = surface.SelectedFont();
    const TextMetrics metrics = font ? font->Metrics() : TextMetrics{};
    observer.ShowTextMetrics(metrics);
    return metrics;
}

} // namespace lumina
