#pragma once

#include "platform/font.h"
#include "platform/geometry.h"
#include "services/problem.h"

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace lumina {

class Surface;
class GlyphViewObserver;

// One entry of a decoded outline, in device pixels of the font's size, y down. Its kind follows
// from its position in its block: 0, 3, 6, ... are vertices, the others control points.
struct OutlinePoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
    friend bool operator==(const OutlinePoint&, const OutlinePoint&) = default;
};

// The decoded outline of one glyph: closed blocks of 3n + 1 points in cubic Bezier order (a
// straight segment is stored as end, start, end), each followed by two copies of its last
// point, so that every block starts at an index divisible by 3. No block lengths are stored:
// readers find a block's end where a vertex equals the block's first vertex.
struct GlyphOutline {
    std::vector<OutlinePoint> points; // entries [0, pointCount) are in use
    int pointCount = 0;               // trailing copies included; a multiple of 3
    int blockCount = 0;
    int vertexCount = 0; // sum of the blocks' n, as CountVertices walks them
    // Smallest rectangle holding every entry in use, right and bottom inclusive (the largest
    // coordinates). nullopt when no entry is in use: such an outline has nothing to place.
    std::optional<Rect> bounds;

    // The entries in use (never more than the array holds).
    std::span<const OutlinePoint> Entries() const;
    void Clear();
};

// Why a decode stopped before the end of the native data.
enum class DecodeStop {
    None,           // every polygon was decoded
    BlockNotClosed, // a block did not end where it started after closing (message 30079)
    BlockNot3n1,    // a block's point count was not 3n + 1 (message 30080)
    Malformed,      // a record that does not fit the data or is of no known kind (no message)
};

struct DecodeResult {
    bool ok = false; // false only when no memory could be had for the points
    DecodeStop stop = DecodeStop::None;
};

// Decodes native polygon records (TTPOLYGONHEADER / TTPOLYCURVE / POINTFX, 16.16, y up) into
// blocks, y turned downward. Safe on any bytes: it stops at the first record that does not fit,
// keeping the blocks completed before it. Fills counts and bounds; the outline is replaced.
DecodeResult DecodeNativeRecords(std::span<const std::uint8_t> data, GlyphOutline& outline);

// Fetches the native outline of code through the surface's selected font, stores and shows its
// glyph metrics, and decodes it. Refused with 30067 when the rasteriser gives no outline and
// with 30066 when it has no points; a silent problem when no memory could be had. Otherwise the
// outline holds the blocks decoded and the value says where decoding stopped (a block that
// failed its checks keeps the blocks before it).
Result<DecodeStop> DecodeNativeOutline(const Surface& surfaceWithFont, const GlyphKey& key,
                                       GlyphOutline& outline, GlyphMetrics& metrics,
                                       GlyphViewObserver& observer);
// The same for a code page 932 code; a code that is not one character is refused with 30067.
Result<DecodeStop> DecodeNativeOutline(const Surface& surfaceWithFont, std::uint32_t code,
                                       GlyphOutline& outline, GlyphMetrics& metrics,
                                       GlyphViewObserver& observer);

// The note a decode stop gives (30079 or 30080); nullopt for the others.
std::optional<Problem> StopNote(DecodeStop stop);

// Moves the outline so that its bounds' size is centred on a view of W x H (the view centres
// the bounds again when it draws). An outline without entries is left alone.
void PlaceOutline(GlyphOutline& outline, int W, int H);

// The bounds of the entries in use; nullopt when there are none.
std::optional<Rect> OutlineBounds(const GlyphOutline& outline);

// Counts vertices as the outline view walks them: over the vertex entries (0, 3, 6, ...), the
// first of a block opens it, a later one equal to it closes it and is not counted, every other
// one counts 1.
int CountVertices(const GlyphOutline& outline);

} // namespace lumina
