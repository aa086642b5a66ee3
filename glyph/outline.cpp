#include "glyph/outline.h"

#include "glyph/view_observer.h"
#include "platform/cp932.h"
#include "platform/surface.h"

#include <algorithm>
#include <limits>
#include <new>

namespace lumina {

namespace {

// The native layout: TTPOLYGONHEADER { DWORD cb; DWORD dwType; POINTFX pfxStart; } followed by
// TTPOLYCURVE { WORD wType; WORD cpfx; POINTFX apfx[cpfx]; } records, all little-endian. A
// POINTFX is two FIXED values (x, y), each a 16-bit fraction and a signed 16-bit integer part,
// which read together as one signed 32-bit 16.16 value.
constexpr std::uint32_t kPolygonType = 24;
constexpr std::uint16_t kPrimLine = 1;
constexpr std::uint16_t kPrimQSpline = 2;
constexpr std::uint16_t kPrimCSpline = 3;
constexpr std::size_t kPolygonHeaderSize = 16;
constexpr std::size_t kCurveHeaderSize = 4;
constexpr std::size_t kPointSize = 8;

using Bytes = std::span<const std::uint8_t>;

std::uint32_t ReadU32(Bytes bytes, std::size_t at) {
    return static_cast<std::uint32_t>(bytes[at]) | static_cast<std::uint32_t>(bytes[at + 1]) << 8 |
           static_cast<std::uint32_t>(bytes[at + 2]) << 16 |
           static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

std::uint16_t ReadU16(Bytes bytes, std::size_t at) {
    return static_cast<std::uint16_t>(bytes[at] | bytes[at + 1] << 8);
}

struct FixedPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

FixedPoint ReadPoint(Bytes bytes, std::size_t at) {
    return {static_cast<std::int32_t>(ReadU32(bytes, at)),
            static_cast<std::int32_t>(ReadU32(bytes, at + 4))};
}

// floor(v + 0.5): the integer part, plus 1 when the fraction is 0x8000 or more.
std::int32_t RoundFixed(std::int32_t v) {
    return static_cast<std::int32_t>((static_cast<std::int64_t>(v) + 0x8000) >> 16);
}

OutlinePoint Rounded(FixedPoint p) {
    return {RoundFixed(p.x), RoundFixed(p.y)};
}

// Halfway between two raw values, truncated toward zero (the sum can exceed 32 bits).
std::int32_t MidFixed(std::int32_t a, std::int32_t b) {
    return static_cast<std::int32_t>((static_cast<std::int64_t>(a) + b) / 2);
}

using Block = std::vector<OutlinePoint>;

void AppendLine(Bytes points, std::size_t count, FixedPoint prev, Block& work) {
    for (std::size_t i = 0; i < count; ++i) {
        const FixedPoint q = ReadPoint(points, i * kPointSize);
        work.push_back(Rounded(q));
        work.push_back(Rounded(prev));
        work.push_back(Rounded(q));
        prev = q;
    }
}

// Raises each quadratic piece of the B-spline to a cubic one: the control points lie two thirds
// of the way from each end toward the quadratic control point.
void AppendQuadratic(Bytes points, std::size_t count, FixedPoint prev, Block& work) {
    FixedPoint a = prev;
    std::size_t i = 0;
    while (i < count) {
        const FixedPoint b = ReadPoint(points, i * kPointSize);
        FixedPoint c;
        if (i == count - 2) {
            c = ReadPoint(points, (count - 1) * kPointSize);
            i += 2;
        } else {
            const FixedPoint next = ReadPoint(points, (i + 1) * kPointSize);
            c = {MidFixed(b.x, next.x), MidFixed(b.y, next.y)};
            i += 1;
        }
        const OutlinePoint ra = Rounded(a);
        const OutlinePoint rb = Rounded(b);
        const OutlinePoint rc = Rounded(c);
        work.push_back({ra.x + 2 * (rb.x - ra.x) / 3, ra.y + 2 * (rb.y - ra.y) / 3});
        work.push_back({rb.x + (rc.x - rb.x) / 3, rb.y + (rc.y - rb.y) / 3});
        work.push_back(rc);
        a = c;
    }
}

// Cubic records already hold control point, control point, end point per segment.
void AppendCubic(Bytes points, std::size_t count, Block& work) {
    for (std::size_t i = 0; i < count; ++i)
        work.push_back(Rounded(ReadPoint(points, i * kPointSize)));
}

// Decodes the curve records of one polygon (the bytes after its header) into work; false at the
// first record that runs past the polygon or is of no known kind.
bool DecodeCurves(Bytes curves, FixedPoint start, Block& work) {
    FixedPoint prev = start;
    std::size_t pos = 0;
    while (pos < curves.size()) {
        if (curves.size() - pos < kCurveHeaderSize)
            return false;
        const std::uint16_t type = ReadU16(curves, pos);
        const std::size_t count = ReadU16(curves, pos + 2);
        const std::size_t size = kCurveHeaderSize + kPointSize * count;
        if (size > curves.size() - pos)
            return false;
        const Bytes points = curves.subspan(pos + kCurveHeaderSize, kPointSize * count);
        switch (type) {
        case kPrimLine:
            AppendLine(points, count, prev, work);
            break;
        case kPrimQSpline:
            if (count == 1) // a curve needs its on-curve end besides the control point
                return false;
            AppendQuadratic(points, count, prev, work);
            break;
        case kPrimCSpline:
            if (count % 3 != 0)
                return false;
            AppendCubic(points, count, work);
            break;
        default:
            return false;
        }
        if (count > 0)
            prev = ReadPoint(points, (count - 1) * kPointSize);
        pos += size;
    }
    return true;
}

// Closes, turns and checks one block in work; DecodeStop::None when it may be stored.
DecodeStop FinishBlock(Block& work) {
    if (work.back() != work.front()) {
        // A straight closing segment in the end, start, end form.
        const OutlinePoint first = work.front();
        const OutlinePoint last = work.back();
        work.push_back(first);
        work.push_back(last);
        work.push_back(first);
    }
    for (OutlinePoint& p : work)
        p.y = -p.y; // native y grows upward, the view's downward
    if (work.back() != work.front())
        return DecodeStop::BlockNotClosed;
    if (work.size() % 3 != 1)
        return DecodeStop::BlockNot3n1;
    return DecodeStop::None;
}

DecodeStop DecodePolygons(Bytes data, Block& work, GlyphOutline& outline) {
    std::size_t pos = 0;
    while (pos < data.size()) {
        if (data.size() - pos < kPolygonHeaderSize)
            return DecodeStop::Malformed;
        const std::uint32_t cb = ReadU32(data, pos);
        if (ReadU32(data, pos + 4) != kPolygonType)
            return DecodeStop::Malformed;
        if (cb < kPolygonHeaderSize || cb > data.size() - pos)
            return DecodeStop::Malformed;
        work.clear();
        work.push_back(Rounded(ReadPoint(data, pos + 8)));
        const Bytes curves = data.subspan(pos + kPolygonHeaderSize, cb - kPolygonHeaderSize);
        if (!DecodeCurves(curves, ReadPoint(data, pos + 8), work))
            return DecodeStop::Malformed;
        if (const DecodeStop stop = FinishBlock(work); stop != DecodeStop::None)
            return stop;
        // A polygon without a segment would be a block that never closes and swallows the
        // next one in every reader's walk; it draws nothing, so it is left out.
        if (work.size() > 1) {
            outline.points.insert(outline.points.end(), work.begin(), work.end());
            outline.points.push_back(work.back());
            outline.points.push_back(work.back());
            ++outline.blockCount;
        }
        pos += cb;
    }
    return DecodeStop::None;
}

std::int32_t Clamp32(std::int64_t v) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(
        v, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()));
}

} // namespace

std::span<const OutlinePoint> GlyphOutline::Entries() const {
    const std::size_t used = pointCount > 0 ? static_cast<std::size_t>(pointCount) : 0;
    return std::span<const OutlinePoint>(points).first(std::min(used, points.size()));
}

void GlyphOutline::Clear() {
    points.clear();
    pointCount = 0;
    blockCount = 0;
    vertexCount = 0;
    bounds.reset();
}

DecodeResult DecodeNativeRecords(std::span<const std::uint8_t> data, GlyphOutline& outline) {
    outline.Clear();
    // Each 8 bytes of native data yield at most 3 points (a cubic record far fewer), and each
    // polygon header pays for the start point, a closing segment and the two trailing copies,
    // so neither array grows while decoding.
    const std::size_t capacity = 3 * (data.size() / kPointSize);
    Block work;
    try {
        outline.points.reserve(capacity);
    } catch (const std::bad_alloc&) {
        return {false, DecodeStop::None};
    }
    try {
        work.reserve(capacity);
    } catch (const std::bad_alloc&) {
        return {true, DecodeStop::None}; // no block can be built: an empty outline
    }
    const DecodeStop stop = DecodePolygons(data, work, outline);
    outline.pointCount = static_cast<int>(outline.points.size());
    outline.bounds = OutlineBounds(outline);
    outline.vertexCount = CountVertices(outline);
    return {true, stop};
}

Result<DecodeStop> DecodeNativeOutline(const Surface& surfaceWithFont, std::uint32_t code,
                                       GlyphOutline& outline, GlyphMetrics& metrics,
                                       GlyphViewObserver& observer) {
    if (const std::optional<char32_t> c = cp932::CodeToUnicode(code))
        return DecodeNativeOutline(surfaceWithFont, GlyphKey::Char(*c), outline, metrics, observer);
    outline.Clear();
    return Problem::Refused(kMsgNoOutline);
}

Result<DecodeStop> DecodeNativeOutline(const Surface& surfaceWithFont, const GlyphKey& key,
                                       GlyphOutline& outline, GlyphMetrics& metrics,
                                       GlyphViewObserver& observer) {
    outline.Clear();
    std::optional<GlyphData> glyph;
    try {
        if (const Font* font = surfaceWithFont.SelectedFont())
            glyph = font->GlyphOf(key, GlyphFormat::Native);
    } catch (const std::bad_alloc&) {
        return Problem::Silent("no memory for the outline");
    }
    if (!glyph)
        return Problem::Refused(kMsgNoOutline);
    if (glyph->bytes.empty())
        return Problem::Refused(kMsgNoVertices);
    metrics = glyph->metrics;
    observer.ShowGlyphMetrics(&metrics);

    const DecodeResult result = DecodeNativeRecords(glyph->bytes, outline);
    if (!result.ok)
        return Problem::Silent("no memory for the outline points");
    return result.stop;
}

std::optional<Problem> StopNote(DecodeStop stop) {
    if (stop == DecodeStop::BlockNotClosed)
        return Problem::Refused(kMsgBlockNotClosed);
    if (stop == DecodeStop::BlockNot3n1)
        return Problem::Refused(kMsgBlockNot3n1);
    return std::nullopt;
}

std::optional<Rect> OutlineBounds(const GlyphOutline& outline) {
    const auto entries = outline.Entries();
    if (entries.empty())
        return std::nullopt;
    Rect r{entries[0].x, entries[0].y, entries[0].x, entries[0].y};
    for (const OutlinePoint& p : entries) {
        r.left = std::min(r.left, p.x);
        r.top = std::min(r.top, p.y);
        r.right = std::max(r.right, p.x);
        r.bottom = std::max(r.bottom, p.y);
    }
    return r;
}

void PlaceOutline(GlyphOutline& outline, int W, int H) {
    const std::optional<Rect> bounds = OutlineBounds(outline);
    outline.bounds = bounds;
    if (!bounds)
        return;
    const std::int64_t dx = W / 2 - (static_cast<std::int64_t>(bounds->right) - bounds->left) / 2;
    const std::int64_t dy = H / 2 - (static_cast<std::int64_t>(bounds->bottom) - bounds->top) / 2;
    const std::size_t used = outline.Entries().size();
    for (std::size_t i = 0; i < used; ++i) {
        OutlinePoint& p = outline.points[i];
        p.x = Clamp32(p.x + dx);
        p.y = Clamp32(p.y + dy);
    }
    outline.bounds = OutlineBounds(outline);
}

int CountVertices(const GlyphOutline& outline) {
    const auto entries = outline.Entries();
    int count = 0;
    bool open = false;
    OutlinePoint first;
    for (std::size_t i = 0; i < entries.size(); i += 3) {
        if (open && entries[i] == first) {
            open = false; // the closing vertex repeats the first: not counted
            continue;
        }
        if (!open) {
            open = true;
            first = entries[i];
        }
        ++count;
    }
    return count;
}

} // namespace lumina
