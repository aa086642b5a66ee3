#include "platform/freetype_outline.h"

#include <algorithm>
#include <limits>

namespace lumina {
namespace {

enum class Kind { On, Conic, Cubic };

struct Pt {
    FT_Pos x = 0;
    FT_Pos y = 0;
};

struct Record {
    std::uint16_t type = kPrimLine;
    std::vector<Pt> points;
};

Kind KindOf(char tag) {
    switch (FT_CURVE_TAG(tag)) {
    case FT_CURVE_TAG_ON:
        return Kind::On;
    case FT_CURVE_TAG_CUBIC:
        return Kind::Cubic;
    default:
        return Kind::Conic;
    }
}

void PutU16(std::vector<std::uint8_t>& out, std::uint32_t v) {
    out.push_back(static_cast<std::uint8_t>(v & 0xFF));
    out.push_back(static_cast<std::uint8_t>((v >> 8) & 0xFF));
}

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t v) {
    PutU16(out, v & 0xFFFF);
    PutU16(out, v >> 16);
}

// 26.6 to 16.16: the fraction's 16 bits come first, then the signed integer part, which is
// what a little-endian 32-bit fixed value holds. Coordinates beyond 16 bits are clamped.
void PutFixed(std::vector<std::uint8_t>& out, FT_Pos v26) {
    const long long v = static_cast<long long>(v26) * 1024;
    const long long lo = std::numeric_limits<std::int32_t>::min();
    const long long hi = std::numeric_limits<std::int32_t>::max();
    PutU32(out, static_cast<std::uint32_t>(static_cast<std::int32_t>(std::clamp(v, lo, hi))));
}

void PutPoint(std::vector<std::uint8_t>& out, Pt p) {
    PutFixed(out, p.x);
    PutFixed(out, p.y);
}

// The contour's points after its start point, in the font's order, ending with the start.
void ContourSequence(const FT_Outline& outline, int first, int last, Pt& start,
                     std::vector<Pt>& seq, std::vector<Kind>& kinds) {
    const int n = last - first + 1;
    int on = -1;
    for (int i = first; i <= last; ++i)
        if (KindOf(outline.tags[i]) == Kind::On) {
            on = i;
            break;
        }
    const auto at = [&](int i) { return Pt{outline.points[i].x, outline.points[i].y}; };
    if (on >= 0) {
        start = at(on);
        for (int k = 1; k <= n; ++k) {
            const int i = first + (on - first + k) % n;
            seq.push_back(at(i));
            kinds.push_back(k == n ? Kind::On : KindOf(outline.tags[i]));
        }
        return;
    }
    // No on-curve point: start between the first two control points, as the implied
    // midpoint there lies on the curve.
    const Pt p0 = at(first), p1 = at(first + 1);
    start = {(p0.x + p1.x) / 2, (p0.y + p1.y) / 2};
    for (int k = 1; k <= n; ++k) {
        seq.push_back(at(first + k % n));
        kinds.push_back(KindOf(outline.tags[first + k % n]));
    }
    seq.push_back(start);
    kinds.push_back(Kind::On);
}

std::vector<Record> ContourRecords(const std::vector<Pt>& seq, const std::vector<Kind>& kinds) {
    std::vector<Record> records;
    std::size_t i = 0;
    while (i < seq.size()) {
        if (kinds[i] == Kind::On) {
            if (records.empty() || records.back().type != kPrimLine)
                records.push_back({kPrimLine, {}});
            records.back().points.push_back(seq[i++]);
            continue;
        }
        const Kind kind = kinds[i];
        const std::uint16_t type = kind == Kind::Cubic ? kPrimCSpline : kPrimQSpline;
        // Cubic segments run on in one record; each conic run is a record of its own.
        if (type == kPrimQSpline || records.empty() || records.back().type != kPrimCSpline)
            records.push_back({type, {}});
        while (i < seq.size() && kinds[i] != Kind::On)
            records.back().points.push_back(seq[i++]);
        if (i < seq.size())
            records.back().points.push_back(seq[i++]);
    }
    // The closing straight segment stays implicit.
    if (!records.empty() && records.back().type == kPrimLine) {
        records.back().points.pop_back();
        if (records.back().points.empty())
            records.pop_back();
    }
    return records;
}

} // namespace

std::vector<std::uint8_t> BuildNativeRecords(const FT_Outline& outline) {
    std::vector<std::uint8_t> out;
    int first = 0;
    for (int c = 0; c < outline.n_contours; ++c) {
        const int last = outline.contours[c];
        const int begin = first;
        first = last + 1;
        if (last - begin + 1 < 2)
            continue;
        Pt start;
        std::vector<Pt> seq;
        std::vector<Kind> kinds;
        ContourSequence(outline, begin, last, start, seq, kinds);
        const std::vector<Record> records = ContourRecords(seq, kinds);
        const std::size_t header = out.size();
        PutU32(out, 0); // cb, known at the end
        PutU32(out, kPolygonType);
        PutPoint(out, start);
        for (const Record& r : records) {
            PutU16(out, r.type);
            PutU16(out, static_cast<std::uint32_t>(r.points.size()));
            for (Pt p : r.points)
                PutPoint(out, p);
        }
        const auto cb = static_cast<std::uint32_t>(out.size() - header);
        for (int b = 0; b < 4; ++b)
            out[header + b] = static_cast<std::uint8_t>((cb >> (8 * b)) & 0xFF);
    }
    return out;
}

} // namespace lumina
