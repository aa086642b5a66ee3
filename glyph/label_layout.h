#pragma once

#include "platform/geometry.h"

#include <span>
#include <vector>

namespace lumina::view {

// A number to be placed beside its point: the point and the size of the text's cell.
struct LabelRequest {
    Point at;
    Size size;
};

struct PlacedLabel {
    bool shown = false;
    Rect box;           // where the text's cell goes (its top-left is where the text is drawn)
    bool moved = false; // away from its point: a leader joins them
};

// Places each label, in order, at the first of a few spots around its point where its cell
// overlaps no cell placed before: first the usual spot (the cell's top-left on the point), then
// the other corners touching the point, then rings further out. A label that finds no room is
// not shown. area is the picture the cells are drawn on (it only sizes the search).
std::vector<PlacedLabel> SpreadLabels(std::span<const LabelRequest> labels, const Rect& area);

// The point of box nearest p: where a leader from p meets the label.
Point NearestOnBox(const Rect& box, Point p);

} // namespace lumina::view
