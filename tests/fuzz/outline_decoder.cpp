// links: lumina_glyph
// Native outline data comes from the font rasteriser, which reads font files of any origin;
// the decoder must stay inside the bytes and always end, whatever they say. Besides the
// sanitizers this checks the outline's own invariants on every input.
#include "glyph/outline.h"

#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

namespace {

void Check(bool condition) {
    if (!condition)
        std::abort();
}

void CheckInvariants(std::span<const std::uint8_t> data, const lumina::DecodeResult& result,
                     const lumina::GlyphOutline& outline) {
    using lumina::OutlinePoint;
    Check(result.ok);
    Check(outline.pointCount == static_cast<int>(outline.points.size()));
    Check(outline.pointCount % 3 == 0);
    // The point array is sized once from the data: 3 points per 8 bytes.
    Check(outline.points.size() <= 3 * (data.size() / 8));
    Check(outline.bounds.has_value() == (outline.pointCount > 0));
    Check(outline.vertexCount == lumina::CountVertices(outline));

    // The entries split into blocks that each end on their first vertex followed by two copies
    // of it. Where a block touches its start early more than one split may exist; one must.
    const auto entries = outline.Entries();
    const auto& b = *outline.bounds;
    for (const OutlinePoint& p : entries)
        Check(p.x >= b.left && p.x <= b.right && p.y >= b.top && p.y <= b.bottom);
    std::vector<bool> blockStart(entries.size() + 1, false);
    blockStart[0] = true;
    for (std::size_t s = 0; s < entries.size(); s += 3) {
        if (!blockStart[s])
            continue;
        for (std::size_t i = s + 3; i < entries.size(); i += 3) {
            if (entries[i] == entries[s] && entries[i + 1] == entries[i] &&
                entries[i + 2] == entries[i])
                blockStart[i + 3] = true;
        }
    }
    Check(blockStart[entries.size()]);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    lumina::GlyphOutline outline;
    const lumina::DecodeResult result = lumina::DecodeNativeRecords(bytes, outline);
    CheckInvariants(bytes, result, outline);
    lumina::PlaceOutline(outline, 640, 480);
    return 0;
}
