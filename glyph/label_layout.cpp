#include "glyph/label_layout.h"

#include <algorithm>
#include <array>

namespace lumina::view {
namespace {

// The rings of spots around a point, in pixels between the point and the cell.
constexpr std::array<int, 4> kRings{0, 6, 12, 18};
// The gap beside a point for the spots centred on one of its sides.
constexpr int kSideGap = 2;
// Placed cells are kept in buckets of this many pixels square, so that a spot is checked only
// against the cells near it.
constexpr int kBucket = 32;

bool Overlap(const Rect& a, const Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

// The spots of one ring: the four corners touching the point's square of side 2r, then the
// four sides.
std::array<Point, 8> Spots(Point p, Size s, int r) {
    return {{
        {p.x + r, p.y + r},                          // lower right: the usual spot
        {p.x + r, p.y - s.cy - r},                   // upper right
        {p.x - s.cx - r, p.y + r},                   // lower left
        {p.x - s.cx - r, p.y - s.cy - r},            // upper left
        {p.x + r + kSideGap, p.y - s.cy / 2},        // right
        {p.x - s.cx - r - kSideGap, p.y - s.cy / 2}, // left
        {p.x - s.cx / 2, p.y + r + kSideGap},        // below
        {p.x - s.cx / 2, p.y - s.cy - r - kSideGap}, // above
    }};
}

// The placed cells, bucketed over the area; cells beyond it go to the edge buckets, which keeps
// every overlapping pair in a shared bucket.
class PlacedCells {
public:
    explicit PlacedCells(const Rect& area)
        : m_area(area)
        , m_columns(std::max(1, (area.Width() + kBucket - 1) / kBucket))
        , m_rows(std::max(1, (area.Height() + kBucket - 1) / kBucket))
        , m_buckets(static_cast<std::size_t>(m_columns) * m_rows) {}

    bool Free(const Rect& box) const {
        bool free = true;
        ForBuckets(*this, box, [&](const std::vector<Rect>& bucket) {
            free = free && std::none_of(bucket.begin(), bucket.end(),
                                        [&](const Rect& placed) { return Overlap(placed, box); });
        });
        return free;
    }
    void Add(const Rect& box) {
        ForBuckets(*this, box, [&](std::vector<Rect>& bucket) { bucket.push_back(box); });
    }

private:
    int Column(int x) const { return std::clamp((x - m_area.left) / kBucket, 0, m_columns - 1); }
    int Row(int y) const { return std::clamp((y - m_area.top) / kBucket, 0, m_rows - 1); }

    // Calls f with every bucket the box lies in (const or not, as self is).
    template <class Self, class F>
    static void ForBuckets(Self& self, const Rect& box, F&& f) {
        for (int r = self.Row(box.top); r <= self.Row(box.bottom - 1); ++r)
            for (int c = self.Column(box.left); c <= self.Column(box.right - 1); ++c)
                f(self.m_buckets[static_cast<std::size_t>(r) * self.m_columns + c]);
    }

    Rect m_area;
    int m_columns;
    int m_rows;
    std::vector<std::vector<Rect>> m_buckets;
};

} // namespace

std::vector<PlacedLabel> SpreadLabels(std::span<const LabelRequest> labels, const Rect& area) {
    std::vector<PlacedLabel> placed(labels.size());
    PlacedCells cells(area);
    for (std::size_t i = 0; i < labels.size(); ++i) {
        const LabelRequest& label = labels[i];
        for (const int r : kRings) {
            for (const Point spot : Spots(label.at, label.size, r)) {
                const Rect box{spot.x, spot.y, spot.x + label.size.cx, spot.y + label.size.cy};
                if (!cells.Free(box))
                    continue;
                cells.Add(box);
                placed[i] = {true, box, r > 0};
                break;
            }
            if (placed[i].shown)
                break;
        }
    }
    return placed;
}

Point NearestOnBox(const Rect& box, Point p) {
    return {std::clamp(p.x, box.left, box.right - 1), std::clamp(p.y, box.top, box.bottom - 1)};
}

} // namespace lumina::view
